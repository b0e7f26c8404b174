#pragma once

#include <QImage>
#include <QSize>

namespace mimora {

/**
 * Produces a picture one band of rows at a time, so that a huge canvas can be
 * exported without holding all of its pixels at once.
 */
class StripSource
{
public:
    virtual ~StripSource() = default;

    /** The whole picture's size in pixels. */
    virtual QSize size() const = 0;

    /**
     * Renders rows [top, top + rows) as an opaque image size().width() wide and
     * rows high (Format_RGB32). Strips are asked for top to bottom.
     */
    virtual QImage renderStrip(int top, int rows) = 0;
};

} // namespace mimora
