#pragma once

#include <QListWidget>

namespace mimora {

/**
 * A single-selection list box. itemChosen() is raised when the user selects an
 * item with the mouse or the keyboard, also by clicking the item already
 * selected; setSelection() from code is silent.
 */
class ListBox : public QListWidget
{
    Q_OBJECT
public:
    explicit ListBox(QWidget *parent = nullptr);

    /** The selected index, or -1. */
    int selection() const;
    void setSelection(int index);

    /** Replaces the items; each is 5 px taller than the font's normal item height. */
    void setItems(const QStringList &texts);

signals:
    void itemChosen();

protected:
    void mousePressEvent(QMouseEvent *event) override;
};

} // namespace mimora
