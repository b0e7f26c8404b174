#pragma once

#include <QByteArray>

class QWidget;

namespace mimora {

/**
 * Captures the canvas as shown, caption included where it lies over the canvas, in the
 * capture format (see CaptureFormat.h). width and height are the canvas's current size as
 * the caller just read it; when they do not match the canvas (or are not positive) the
 * result is empty, as it is when there is no canvas. caption may be null.
 */
QByteArray CaptureCanvas(QWidget *canvas, QWidget *caption, int width, int height);

} // namespace mimora
