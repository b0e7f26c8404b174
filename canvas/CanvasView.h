#pragma once

#include "canvas/ClampedWidget.h"
#include "canvas/ImageData.h"
#include "canvas/decode/DecodedPicture.h"

#include <QImage>
#include <QTimer>

#include <optional>

namespace mimora {

/**
 * The canvas: shows one picture, stretched to its whole rectangle (each axis on
 * its own), plays animations, and paints only what is exposed, so that a huge
 * canvas costs no more than its visible part.
 */
class CanvasView : public ClampedWidget
{
    Q_OBJECT
public:
    explicit CanvasView(QWidget *parent = nullptr);

    /** Keeps its own copy of data and decodes it; undecodable data paints only the background. */
    void setPicture(const ImageData &data);
    /** The same, with data already decoded by the caller. */
    void setPicture(const ImageData &data, std::optional<DecodedPicture> decoded);
    const ImageData &picture() const { return m_data; }
    bool hasDecodedPicture() const { return m_decoded.has_value(); }

    /** Stretched to the whole canvas, or at natural size from the top-left corner. */
    void setStretched(bool stretched);
    bool isStretched() const { return m_stretched; }

    /** The frame shown now (for tests of the animation). */
    int currentFrame() const { return m_frame; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void showFrame(int index);
    const QImage &scaledFrame(qreal dpr);

    ImageData m_data;
    std::optional<DecodedPicture> m_decoded;
    bool m_stretched = false;
    int m_frame = 0;
    QTimer m_animation;
    QImage m_scaled; // the current frame scaled to the canvas size, while that size is moderate
    int m_scaledFrame = -1;
};

} // namespace mimora
