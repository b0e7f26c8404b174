#pragma once

#include <QObject>
#include <QPointer>
#include <QStringList>

class QWidget;

namespace mimora {

/**
 * Accepts files dropped onto one widget: only drags that carry local files;
 * text, HTML and web links are refused while they are dragged. The drop is
 * answered as a copy (or not at all), so the source never moves or deletes a file.
 */
class FileDropTarget : public QObject
{
    Q_OBJECT
public:
    explicit FileDropTarget(QObject *parent = nullptr);

    /** Binds to target; a second binding while bound is refused. */
    bool bind(QWidget *target);

signals:
    /** Raised once per drop, with the local paths in the order the source lists them. */
    void filesDropped(const QStringList &paths);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QPointer<QWidget> m_target;
};

} // namespace mimora
