#include "canvas/decode/QtImageReading.h"

#include <QBuffer>
#include <QImageReader>

#include <algorithm>
#include <climits>

namespace mimora {

namespace {

// Browsers treat GIF delays of 10 ms or less as "as fast as allowed" and show such frames for
// 100 ms; doing the same keeps old animations from racing.
int FrameDelay(int storedMs)
{
    return storedMs <= 10 ? 100 : storedMs;
}

} // namespace

std::optional<DecodedPicture> ReadWithQt(const QByteArray &data, const char *format,
                                         const DecodeLimits &limits, int maxFrames)
{
    QBuffer buffer;
    buffer.setData(data); // shares, does not copy
    if (!buffer.open(QIODevice::ReadOnly))
        return std::nullopt;

    // Qt's limit is process-wide and in MiB; ours is in pixels of 4 bytes.
    const qint64 limitMiB = std::max<qint64>(1, (limits.maxPixels * 4 + (1 << 20) - 1) >> 20);
    QImageReader::setAllocationLimit(int(std::min<qint64>(limitMiB, INT_MAX)));

    QImageReader reader(&buffer, format);
    reader.setAutoDetectImageFormat(false);
    reader.setDecideFormatFromContent(false);
    reader.setAutoTransform(true);

    DecodedPicture picture;
    for (int i = 0; i < maxFrames; ++i) {
        QImage image;
        if (!reader.read(&image) || image.isNull())
            break;
        if (!picture.frames.empty() && image.size() != picture.size)
            break;
        // Opaque formats convert in place; only paletted and alpha frames are copied.
        image.convertTo(QImage::Format_ARGB32_Premultiplied);
        if (image.isNull())
            break;
        picture.size = image.size();
        picture.frames.push_back({std::move(image), FrameDelay(reader.nextImageDelay())});
        if (maxFrames == 1 || !reader.canRead())
            break;
    }
    if (picture.frames.empty())
        return std::nullopt;
    if (picture.frames.size() == 1)
        picture.frames.front().delayMs = 0;
    return picture;
}

} // namespace mimora
