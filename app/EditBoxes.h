#pragma once

#include <QLineEdit>
#include <QTextEdit>

namespace mimora {

/**
 * A single-line edit box. contentChanged() is raised for every change the user
 * makes; setContent() from code is silent (the event rules raise the handler).
 */
class LineEditBox : public QLineEdit
{
    Q_OBJECT
public:
    explicit LineEditBox(QWidget *parent = nullptr);

    QString content() const { return text(); }
    void setContent(const QString &text);

signals:
    void contentChanged();
};

/**
 * A multi-line, centred, wrapping edit box without scroll bars where Enter
 * inserts a line break. Same contract as LineEditBox.
 */
class TextEditBox : public QTextEdit
{
    Q_OBJECT
public:
    explicit TextEditBox(QWidget *parent = nullptr);

    QString content() const { return toPlainText(); }
    void setContent(const QString &text);

signals:
    void contentChanged();

private:
    void centreAll();
};

} // namespace mimora
