#include "export/CaptureCanvas.h"

#include "export/CaptureFormat.h"
#include "export/WidgetStripSource.h"

namespace mimora {

QByteArray CaptureCanvas(QWidget *canvas, QWidget *caption, int width, int height)
{
    // A size that differs from the canvas's is a stale reading; a picture of that size
    // would show something other than the canvas.
    if (!canvas || width <= 0 || height <= 0 || canvas->size() != QSize(width, height))
        return {};
    WidgetStripSource source(canvas, caption);
    return EncodeCapture(source);
}

} // namespace mimora
