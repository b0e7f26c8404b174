#include "canvas/decode/PcxDecoder.h"

#include "canvas/decode/ByteReading.h"

#include <algorithm>
#include <array>
#include <vector>

namespace mimora {

namespace {

constexpr qsizetype kHeaderBytes = 128;
constexpr qsizetype kPaletteTrailerBytes = 1 + 256 * 3; // 0x0C then 256 RGB triples
constexpr qint64 kLongestRun = 63;                      // a run byte holds a 6-bit count

// Unpacks the run-length stream one scan line at a time. A run may carry over into the next
// line; some writers do that, and it costs nothing to accept.
class RunLengthReader
{
public:
    RunLengthReader(const uchar *begin, const uchar *end) : m_pos(begin), m_end(end) {}

    bool readLine(uchar *out, qsizetype count)
    {
        qsizetype filled = 0;
        while (filled < count) {
            if (m_runLeft == 0) {
                if (m_pos == m_end)
                    return false;
                const uchar byte = *m_pos++;
                if ((byte & 0xC0) == 0xC0) {
                    if (m_pos == m_end)
                        return false;
                    m_runLeft = byte & 0x3F;
                    m_runValue = *m_pos++;
                    continue;
                }
                m_runLeft = 1;
                m_runValue = byte;
            }
            const qsizetype take = std::min<qsizetype>(m_runLeft, count - filled);
            std::fill_n(out + filled, take, m_runValue);
            filled += take;
            m_runLeft -= int(take);
        }
        return true;
    }

private:
    const uchar *m_pos;
    const uchar *m_end;
    int m_runLeft = 0;
    uchar m_runValue = 0;
};

} // namespace

std::optional<DecodedPicture> PcxDecoder::decode(const QByteArray &data,
                                                 const DecodeLimits &limits) const
{
    if (data.size() > limits.maxInputBytes || data.size() <= kHeaderBytes)
        return std::nullopt;
    const auto *bytes = reinterpret_cast<const uchar *>(data.constData());
    if (bytes[0] != 0x0A || bytes[1] > 5 || bytes[2] != 1)
        return std::nullopt;
    const int bitsPerPixel = bytes[3];
    const int planes = bytes[65];
    const int xMin = ReadU16Le(data, 4), yMin = ReadU16Le(data, 6);
    const int xMax = ReadU16Le(data, 8), yMax = ReadU16Le(data, 10);
    const qint64 bytesPerLine = ReadU16Le(data, 66);
    if (xMin > xMax || yMin > yMax)
        return std::nullopt;
    const qint64 width = qint64(xMax) - xMin + 1;
    const qint64 height = qint64(yMax) - yMin + 1;
    if (!PixelCountAllowed(width, height, limits.maxPixels))
        return std::nullopt;

    const bool mono = bitsPerPixel == 1 && planes == 1;
    const bool indexed = bitsPerPixel == 8 && planes == 1;
    const bool trueColour = bitsPerPixel == 8 && planes == 3;
    if (!mono && !indexed && !trueColour)
        return std::nullopt;
    if (bytesPerLine < (mono ? (width + 7) / 8 : width))
        return std::nullopt;

    qsizetype dataEnd = data.size();
    std::array<QRgb, 256> palette{};
    if (indexed) {
        const qsizetype at = data.size() - kPaletteTrailerBytes;
        if (at < kHeaderBytes || bytes[at] != 0x0C)
            return std::nullopt;
        for (int i = 0; i < 256; ++i)
            palette[size_t(i)] =
                qRgb(bytes[at + 1 + 3 * i], bytes[at + 2 + 3 * i], bytes[at + 3 + 3 * i]);
        dataEnd = at;
    }

    // Each two input bytes give at most 63 output bytes: less data than that cannot hold the
    // declared picture, so a bomb is refused here, before the frame is allocated.
    const qint64 lineBytes = bytesPerLine * planes;
    const qint64 encodedBytes = dataEnd - kHeaderBytes;
    if (lineBytes * height > encodedBytes * kLongestRun / 2 + kLongestRun)
        return std::nullopt;

    QImage image(int(width), int(height), QImage::Format_ARGB32_Premultiplied);
    if (image.isNull())
        return std::nullopt;
    std::vector<uchar> line(static_cast<size_t>(lineBytes));
    RunLengthReader reader(bytes + kHeaderBytes, bytes + dataEnd);
    for (int y = 0; y < height; ++y) {
        if (!reader.readLine(line.data(), lineBytes))
            return std::nullopt; // cut short
        auto *out = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            if (mono) {
                // A set bit is white: the classic black-and-white palette.
                const bool white = line[size_t(x / 8)] & (0x80 >> (x % 8));
                out[x] = white ? qRgb(255, 255, 255) : qRgb(0, 0, 0);
            } else if (indexed) {
                out[x] = palette[line[size_t(x)]];
            } else {
                out[x] = qRgb(line[size_t(x)], line[size_t(bytesPerLine + x)],
                              line[size_t(2 * bytesPerLine + x)]);
            }
        }
    }

    return StillPicture(std::move(image));
}

} // namespace mimora
