#include "canvas/CanvasView.h"

#include "canvas/decode/PictureDecoder.h"

#include <QPaintEvent>
#include <QPainter>

namespace mimora {

namespace {
// A stretched frame is scaled once into a cached copy of the canvas's size, so every
// paint afterwards (a caption drag, a capture strip) only copies pixels; shrinking that
// way also averages instead of skipping source pixels. Above this size the frame is
// sampled at paint time instead, which costs memory only for the exposed part.
constexpr qint64 kMaxCachedPixels = 16 * 1024 * 1024;
} // namespace

CanvasView::CanvasView(QWidget *parent) : ClampedWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    m_animation.setSingleShot(true);
    connect(&m_animation, &QTimer::timeout, this, [this] { showFrame(m_frame + 1); });
}

void CanvasView::setPicture(const ImageData &data)
{
    setPicture(data, data.isEmpty() ? std::nullopt : DecodePicture(data));
}

void CanvasView::setPicture(const ImageData &data, std::optional<DecodedPicture> decoded)
{
    m_data = data;
    m_decoded = std::move(decoded);
    m_animation.stop();
    showFrame(0);
}

void CanvasView::setStretched(bool stretched)
{
    m_stretched = stretched;
    m_scaled = QImage();
    update();
}

void CanvasView::showFrame(int index)
{
    m_scaled = QImage();
    m_scaledFrame = -1;
    if (!m_decoded || m_decoded->frames.empty()) {
        m_frame = 0;
        update();
        return;
    }
    m_frame = index % static_cast<int>(m_decoded->frames.size());
    if (m_decoded->isAnimated())
        m_animation.start(m_decoded->frames[m_frame].delayMs);
    update();
}

const QImage &CanvasView::scaledFrame(qreal dpr)
{
    // Scaled to the device's pixels, so a high-density screen shows the picture crisp.
    const QImage &frame = m_decoded->frames[m_frame].image;
    const QSize target = (QSizeF(size()) * dpr).toSize();
    if (!m_stretched || frame.size() == target ||
        qint64(target.width()) * target.height() > kMaxCachedPixels) {
        m_scaled = QImage();
        return frame;
    }
    if (m_scaledFrame != m_frame || m_scaled.size() != target) {
        m_scaled = frame.scaled(target, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        m_scaled.setDevicePixelRatio(dpr);
        m_scaledFrame = m_frame;
    }
    return m_scaled;
}

void CanvasView::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    const QRect exposed = event->rect();
    painter.fillRect(exposed, palette().color(QPalette::Button));
    if (!m_decoded || m_decoded->frames.empty() || width() == 0 || height() == 0)
        return;

    const qreal dpr = painter.device()->devicePixelRatioF();
    const QImage &image = scaledFrame(dpr);
    if (!m_stretched || (dpr == 1 && image.size() == size())) {
        // Pixel for pixel: copy just the exposed part.
        painter.drawImage(exposed.topLeft(), image, exposed);
        return;
    }
    // The whole picture onto the whole canvas, clipped to what is exposed: the raster
    // engine samples only the clipped pixels, and every strip maps exactly alike.
    painter.setClipRect(exposed);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QRectF(rect()), image);
}

} // namespace mimora
