#pragma once

#include <QImage>
#include <QSize>

#include <optional>
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

/** A picture of one frame; a null image is no picture. */
inline std::optional<DecodedPicture> StillPicture(QImage image)
{
    if (image.isNull())
        return std::nullopt;
    DecodedPicture picture;
    picture.size = image.size();
    picture.frames.push_back({std::move(image), 0});
    return picture;
}

} // namespace mimora
