#include "canvas/decode/GifDecoder.h"

#include "canvas/decode/ByteReading.h"
#include "canvas/decode/QtImageReading.h"

#include <algorithm>
#include <array>

namespace mimora {

namespace {

// Runs the LZW code stream without producing pixels and counts how many it would give. Returns
// -1 on a code that no decoder could resolve.
qint64 CountLzwPixels(const QByteArray &stream, int minCodeSize)
{
    const int clear = 1 << minCodeSize;
    const int end = clear + 1;
    std::array<quint16, 4096> length{};
    std::fill_n(length.begin(), clear, quint16(1));

    int codeSize = minCodeSize + 1;
    int next = end + 1;
    int previous = -1;
    qint64 pixels = 0;
    quint32 bits = 0;
    int bitCount = 0;
    for (const char c : stream) {
        bits |= quint32(uchar(c)) << bitCount;
        bitCount += 8;
        while (bitCount >= codeSize) {
            const int code = int(bits & ((1u << codeSize) - 1));
            bits >>= codeSize;
            bitCount -= codeSize;
            if (code == clear) {
                codeSize = minCodeSize + 1;
                next = end + 1;
                previous = -1;
                continue;
            }
            if (code == end)
                return pixels;
            int codeLength = 0;
            if (previous < 0) {
                if (code >= clear)
                    return -1;
                codeLength = 1;
            } else if (code < next) {
                codeLength = length[size_t(code)];
            } else if (code == next && next < 4096) {
                codeLength = length[size_t(previous)] + 1;
            } else {
                return -1;
            }
            if (previous >= 0 && next < 4096) {
                length[size_t(next)] = quint16(std::min(length[size_t(previous)] + 1, 4096));
                ++next;
                if (next == (1 << codeSize) && codeSize < 12)
                    ++codeSize;
            }
            pixels += codeLength;
            previous = code;
        }
    }
    return pixels; // no end code: tolerated, as long as enough pixels came
}

// Reads a chain of data sub-blocks starting at `pos`; returns the offset after the terminator,
// or -1 when the data ends first. The payload goes to `payload` when one is given.
qsizetype ReadSubBlocks(const QByteArray &data, qsizetype pos, QByteArray *payload)
{
    while (pos < data.size()) {
        const int count = uchar(data[pos++]);
        if (count == 0)
            return pos;
        if (pos + count > data.size())
            return -1;
        if (payload)
            payload->append(data.constData() + pos, count);
        pos += count;
    }
    return -1;
}

qsizetype ColourTableBytes(uchar packed)
{
    return (packed & 0x80) ? 3 * (qsizetype(2) << (packed & 0x07)) : 0;
}

} // namespace

std::optional<GifLayout> GifDecoder::readLayout(const QByteArray &data, int maxFrames)
{
    if (data.size() < 13 || !(data.startsWith("GIF87a") || data.startsWith("GIF89a")))
        return std::nullopt;
    GifLayout layout;
    layout.screenSize = QSize(ReadU16Le(data, 6), ReadU16Le(data, 8));
    qsizetype pos = 13 + ColourTableBytes(uchar(data[10]));

    while (pos < data.size() && layout.frames < maxFrames) {
        const uchar block = uchar(data[pos++]);
        if (block == 0x3B)
            break; // trailer
        if (block == 0x21) {
            if (pos >= data.size())
                break;
            pos = ReadSubBlocks(data, pos + 1, nullptr);
            if (pos < 0)
                break;
            continue;
        }
        if (block != 0x2C || pos + 9 > data.size())
            break;
        const qint64 width = ReadU16Le(data, pos + 4);
        const qint64 height = ReadU16Le(data, pos + 6);
        pos += 9 + ColourTableBytes(uchar(data[pos + 8]));
        if (pos >= data.size())
            break;
        const int minCodeSize = uchar(data[pos++]);
        if (minCodeSize < 1 || minCodeSize > 11)
            break;
        QByteArray stream;
        pos = ReadSubBlocks(data, pos, &stream);
        if (pos < 0)
            break;
        const qint64 pixels = CountLzwPixels(stream, minCodeSize);
        if (pixels < width * height)
            break; // bad code, or fewer pixels than the frame has
        ++layout.frames;
    }
    if (layout.frames == 0)
        return std::nullopt;
    return layout;
}

std::optional<DecodedPicture> GifDecoder::decode(const QByteArray &data,
                                                 const DecodeLimits &limits) const
{
    if (data.size() > limits.maxInputBytes || data.size() < 13)
        return std::nullopt;
    // The screen size is known from the first 10 bytes: refuse a bomb before walking further.
    const qint64 width = ReadU16Le(data, 6);
    const qint64 height = ReadU16Le(data, 8);
    if (!PixelCountAllowed(width, height, limits.maxPixels))
        return std::nullopt;
    const std::optional<GifLayout> layout = readLayout(data, limits.maxFrames);
    if (!layout)
        return std::nullopt;

    // Each composed frame holds the whole screen, so the budget caps how many are kept.
    const qint64 affordable = std::max<qint64>(1, limits.maxAnimationPixels / (width * height));
    const int frames = int(std::min<qint64>(layout->frames, affordable));
    return ReadWithQt(data, "gif", limits, frames);
}

} // namespace mimora
