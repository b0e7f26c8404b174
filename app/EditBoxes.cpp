#include "app/EditBoxes.h"

#include <QSignalBlocker>
#include <QTextBlock>
#include <QTextCursor>

namespace mimora {

LineEditBox::LineEditBox(QWidget *parent) : QLineEdit(parent)
{
    connect(this, &QLineEdit::textChanged, this, &LineEditBox::contentChanged);
}

void LineEditBox::setContent(const QString &text)
{
    const QSignalBlocker silent(this);
    setText(text);
}

TextEditBox::TextEditBox(QWidget *parent) : QTextEdit(parent)
{
    setAcceptRichText(false);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setLineWrapMode(QTextEdit::WidgetWidth);
    setTabChangesFocus(true);
    connect(this, &QTextEdit::textChanged, this, [this] {
        centreAll();
        emit contentChanged();
    });
}

void TextEditBox::setContent(const QString &text)
{
    const QSignalBlocker silent(this);
    setPlainText(text);
    centreAll();
}

void TextEditBox::centreAll()
{
    // Pasted or newly typed paragraphs start left-aligned; keep every one centred.
    const QSignalBlocker silent(this);
    for (QTextBlock b = document()->begin(); b.isValid(); b = b.next()) {
        if (b.blockFormat().alignment() != Qt::AlignHCenter) {
            QTextCursor c(b);
            QTextBlockFormat f = b.blockFormat();
            f.setAlignment(Qt::AlignHCenter);
            c.setBlockFormat(f);
        }
    }
}

} // namespace mimora
