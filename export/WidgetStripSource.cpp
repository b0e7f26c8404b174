#include "export/WidgetStripSource.h"

#include <QPainter>

namespace mimora {

WidgetStripSource::WidgetStripSource(QWidget *canvas, QWidget *caption)
    : m_canvas(canvas), m_caption(caption), m_size(canvas ? canvas->size() : QSize())
{}

QImage WidgetStripSource::renderStrip(int top, int rows)
{
    QImage strip(m_size.width(), rows, QImage::Format_RGB32);
    if (strip.isNull())
        return strip;
    // Whatever the canvas leaves unpainted shows its background, as on screen.
    const QColor background =
        m_canvas ? m_canvas->palette().color(m_canvas->backgroundRole()) : QColor(Qt::black);
    strip.fill(background);
    if (!m_canvas)
        return strip;

    const QRect band(0, top, m_size.width(), rows);
    QPainter painter(&strip);
    // The canvas paints only the band it is asked for, so a strip costs what it holds.
    m_canvas->render(&painter, QPoint(0, 0), QRegion(band),
                     QWidget::DrawWindowBackground | QWidget::DrawChildren);

    QWidget *window = m_canvas->window();
    if (!m_caption || m_caption->window() != window || !m_caption->isVisibleTo(window))
        return strip;
    // The caption's place relative to the canvas, whatever parents lie between them.
    const QPoint captionAt =
        m_caption->mapTo(window, QPoint(0, 0)) - m_canvas->mapTo(window, QPoint(0, 0));
    const QRect shown = band & QRect(captionAt, m_caption->size());
    if (shown.isEmpty())
        return strip;
    // No window background: the caption paints only its text over the canvas's pixels.
    m_caption->render(&painter, shown.topLeft() - band.topLeft(),
                      QRegion(shown.translated(-captionAt)), QWidget::DrawChildren);
    return strip;
}

} // namespace mimora
