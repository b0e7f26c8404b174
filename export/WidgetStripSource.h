#pragma once

#include "export/StripSource.h"

#include <QPointer>
#include <QWidget>

namespace mimora {

/**
 * The canvas rectangle as the window shows it, rendered from the widgets themselves:
 * the canvas, then the caption over it where it lies inside the canvas. Nothing of
 * other widgets and nothing of the caption outside the canvas is included. Since the
 * widgets paint into our image rather than being read back from the screen, a covered,
 * minimised or hidden window, or a canvas larger than the window, captures whole.
 */
class WidgetStripSource : public StripSource
{
public:
    /**
     * canvas and caption must belong to the same window; caption may be null. The size
     * is the canvas's size now. Use on the GUI thread only.
     */
    WidgetStripSource(QWidget *canvas, QWidget *caption);

    QSize size() const override { return m_size; }
    QImage renderStrip(int top, int rows) override;

private:
    QPointer<QWidget> m_canvas;
    QPointer<QWidget> m_caption;
    QSize m_size;
};

} // namespace mimora
