#pragma once

#include <QImage>
#include <QSize>

#include <vector>

namespace mimora {

/** One frame of a picture, already composed to the picture's full size. */
struct PictureFrame
{
    QImage image;    // Format_ARGB32_Premultiplied, exactly DecodedPicture::size
    int delayMs = 0; // how long the frame stays before the next one (animations only)
};

/** A decoded picture: its pixel size as shown and one or more frames. */
struct DecodedPicture
{
    QSize size;
    std::vector<PictureFrame> frames;

    bool isAnimated() const { return frames.size() > 1; }
};

} // namespace mimora
