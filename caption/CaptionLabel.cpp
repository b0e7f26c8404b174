#include "caption/CaptionLabel.h"

#include "caption/Colorref.h"

#include <QMouseEvent>
#include <QPainter>

namespace mimora {

CaptionLabel::CaptionLabel(QWidget *parent) : ClampedWidget(parent)
{
    // No background of its own: the parent and the siblings beneath paint first.
    setAutoFillBackground(false);
    setAttribute(Qt::WA_NoSystemBackground);
    setLogFont(CaptionDesignedLogFont());
}

void CaptionLabel::setText(const QString &text)
{
    m_text = text;
    update();
}

void CaptionLabel::setLogFont(const LogFont &font)
{
    m_logFont = font;
    m_screenFont = ScreenFont(font);
    update();
}

void CaptionLabel::setColour(std::uint32_t colorref)
{
    m_colour = colorref;
    update();
}

void CaptionLabel::paintEvent(QPaintEvent *)
{
    if (m_text.isEmpty())
        return;
    QPainter painter(this);
    painter.setFont(m_screenFont);
    painter.setPen(ColorrefToQColor(m_colour));
    // A word wider than the box stays whole and centred, so it is cut at both sides.
    painter.drawText(rect(), Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, m_text);
}

void CaptionLabel::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton) {
        const QPoint p = event->position().toPoint();
        emit leftPressed(p.x(), p.y());
    }
}

} // namespace mimora
