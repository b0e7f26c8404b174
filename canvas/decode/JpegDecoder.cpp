#include "canvas/decode/JpegDecoder.h"

#include "canvas/decode/ByteReading.h"
#include "canvas/decode/QtImageReading.h"

#include <cstring>

namespace mimora {

namespace {

bool IsStartOfFrame(uchar marker)
{
    // C4 (DHT), C8 (reserved) and CC (DAC) share the range but are not frames.
    return marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
}

bool IsRestart(uchar marker)
{
    return marker >= 0xD0 && marker <= 0xD7;
}

// Returns the offset of the first marker after entropy-coded data starting at `pos`: an FF that
// is neither a stuffed zero nor a restart marker. Returns `size` when there is none.
qsizetype SkipEntropyData(const uchar *bytes, qsizetype size, qsizetype pos)
{
    while (pos < size) {
        const void *ff = std::memchr(bytes + pos, 0xFF, size_t(size - pos));
        if (!ff)
            return size;
        pos = static_cast<const uchar *>(ff) - bytes;
        if (pos + 1 >= size)
            return size;
        const uchar next = bytes[pos + 1];
        if (next != 0x00 && next != 0xFF && !IsRestart(next))
            return pos;
        pos += next == 0xFF ? 1 : 2;
    }
    return size;
}

} // namespace

std::optional<JpegLayout> JpegDecoder::readLayout(const QByteArray &data)
{
    const auto *bytes = reinterpret_cast<const uchar *>(data.constData());
    const qsizetype size = data.size();
    if (size < 4 || bytes[0] != 0xFF || bytes[1] != 0xD8)
        return std::nullopt;

    JpegLayout layout;
    qsizetype pos = 2;
    while (pos < size) {
        if (bytes[pos] != 0xFF)
            return std::nullopt; // junk where a marker belongs
        while (pos < size && bytes[pos] == 0xFF)
            ++pos; // fill bytes
        if (pos >= size)
            return std::nullopt;
        const uchar marker = bytes[pos++];
        if (marker == 0xD9) {
            if (layout.frameSize.isEmpty() || layout.scans == 0)
                return std::nullopt;
            return layout;
        }
        if (IsRestart(marker) || marker == 0x01)
            continue; // stand-alone markers carry no length
        if (marker == 0xD8 || pos + 2 > size)
            return std::nullopt;
        const qsizetype length = ReadU16Be(data, pos);
        if (length < 2 || pos + length > size)
            return std::nullopt;

        if (IsStartOfFrame(marker)) {
            if (length < 8 || layout.frameSize.isValid())
                return std::nullopt; // short segment, or a second frame
            const int height = ReadU16Be(data, pos + 3);
            const int width = ReadU16Be(data, pos + 5);
            // Height 0 would defer the size to a DNL marker; no common decoder accepts it.
            if (width == 0 || height == 0)
                return std::nullopt;
            layout.frameSize = QSize(width, height);
        }
        pos += length;
        if (marker == 0xDA) {
            if (layout.frameSize.isEmpty())
                return std::nullopt;
            ++layout.scans;
            pos = SkipEntropyData(bytes, size, pos);
        }
    }
    return std::nullopt; // no EOI: the stream was cut short
}

std::optional<DecodedPicture> JpegDecoder::decode(const QByteArray &data,
                                                  const DecodeLimits &limits) const
{
    if (data.size() > limits.maxInputBytes)
        return std::nullopt;
    const std::optional<JpegLayout> layout = readLayout(data);
    if (!layout || layout->scans > limits.maxJpegScans)
        return std::nullopt;
    if (!PixelCountAllowed(layout->frameSize.width(), layout->frameSize.height(), limits.maxPixels))
        return std::nullopt;
    return ReadWithQt(data, "jpeg", limits);
}

} // namespace mimora
