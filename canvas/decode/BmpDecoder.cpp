#include "canvas/decode/BmpDecoder.h"

#include "canvas/decode/ByteReading.h"
#include "canvas/decode/QtImageReading.h"

#include <algorithm>

namespace mimora {

namespace {

constexpr qsizetype kFileHeaderBytes = 14;
constexpr qint64 kMaxPixelsPerMetre = 1000000; // about 25,400 dpi, past any real device

enum Compression : quint32
{
    Rgb = 0,
    Rle8 = 1,
    Rle4 = 2,
    BitFields = 3
};

struct BmpHeader
{
    qint64 width = 0;
    qint64 height = 0; // negative: rows stored top-down
    int bitCount = 0;
    quint32 compression = Rgb;
    qint64 pixelOffset = 0;
    qint64 paletteEntries = 0; // colours the pixels may index
};

// Reads and checks the headers; false when a field is impossible or points outside the file.
bool ReadHeader(const QByteArray &data, BmpHeader &h)
{
    const qint64 size = data.size();
    const quint32 infoSize = ReadU32Le(data, kFileHeaderBytes);
    const bool core = infoSize == 12; // OS/2 1.x: 16-bit sizes, 3-byte palette entries
    if (!core && infoSize != 16 && infoSize != 40 && infoSize != 52 && infoSize != 56 &&
        infoSize != 64 && infoSize != 108 && infoSize != 124)
        return false;
    if (kFileHeaderBytes + infoSize > size)
        return false;
    if (ReadU32Le(data, 2) > size)
        return false; // the file is shorter than its header says
    h.pixelOffset = ReadU32Le(data, 10);

    int planes = 0;
    qint64 colourCount = 0;
    qint64 imageBytes = 0;
    if (core) {
        h.width = ReadU16Le(data, 18);
        h.height = ReadU16Le(data, 20);
        planes = ReadU16Le(data, 22);
        h.bitCount = ReadU16Le(data, 24);
    } else {
        h.width = qint32(ReadU32Le(data, 18));
        h.height = qint32(ReadU32Le(data, 22));
        planes = ReadU16Le(data, 26);
        h.bitCount = ReadU16Le(data, 28);
        if (infoSize >= 40) {
            h.compression = ReadU32Le(data, 30);
            imageBytes = ReadU32Le(data, 34);
            const qint64 xDensity = qint32(ReadU32Le(data, 38));
            const qint64 yDensity = qint32(ReadU32Le(data, 42));
            if (qAbs(xDensity) > kMaxPixelsPerMetre || qAbs(yDensity) > kMaxPixelsPerMetre)
                return false;
            colourCount = ReadU32Le(data, 46);
        }
    }
    if (planes != 1)
        return false;
    switch (h.bitCount) {
    case 1:
    case 4:
    case 8:
    case 16:
    case 24:
    case 32:
        break;
    default:
        return false;
    }
    const bool compressionFits = h.compression == Rgb ||
                                 (h.compression == Rle8 && h.bitCount == 8) ||
                                 (h.compression == Rle4 && h.bitCount == 4) ||
                                 (h.compression == BitFields && h.bitCount >= 16);
    if (!compressionFits)
        return false;
    // Run-length data is always stored bottom-up.
    if (h.height < 0 && (h.compression == Rle8 || h.compression == Rle4))
        return false;

    qint64 paletteStart = kFileHeaderBytes + infoSize;
    if (h.compression == BitFields && infoSize == 40)
        paletteStart += 12; // the three colour masks follow the header
    const int entryBytes = core ? 3 : 4;
    if (h.bitCount <= 8) {
        const qint64 most = qint64(1) << h.bitCount;
        if (colourCount > most)
            return false;
        h.paletteEntries = colourCount ? colourCount : most;
        if (core) // OS/2 palettes run up to the pixels and may be shorter than 2^bits
            h.paletteEntries = std::min(most, (h.pixelOffset - paletteStart) / entryBytes);
    }
    if (h.pixelOffset < paletteStart + h.paletteEntries * entryBytes || h.pixelOffset >= size)
        return false;
    if (imageBytes > size - h.pixelOffset)
        return false;
    return h.paletteEntries > 0 || h.bitCount > 8;
}

qint64 RowBytes(const BmpHeader &h)
{
    return (h.width * h.bitCount + 31) / 32 * 4;
}

// Checks that the uncompressed rows are all there and that every index has a colour.
bool CheckUncompressed(const QByteArray &data, const BmpHeader &h)
{
    const qint64 rows = qAbs(h.height);
    const qint64 rowBytes = RowBytes(h);
    if (rowBytes > (data.size() - h.pixelOffset) / rows)
        return false;
    if (h.bitCount > 8 || h.paletteEntries >= (qint64(1) << h.bitCount))
        return true;
    const auto *bytes = reinterpret_cast<const uchar *>(data.constData()) + h.pixelOffset;
    const int perByte = 8 / h.bitCount;
    const int mask = (1 << h.bitCount) - 1;
    for (qint64 y = 0; y < rows; ++y) {
        const uchar *row = bytes + y * rowBytes;
        for (qint64 x = 0; x < h.width; ++x) {
            const int shift = 8 - h.bitCount * int(x % perByte + 1);
            if (((row[x / perByte] >> shift) & mask) >= h.paletteEntries)
                return false;
        }
    }
    return true;
}

// Walks the run-length codes: every run and jump must stay inside the picture, every colour
// must be in the palette, and the data must not end inside a code.
bool CheckRunLength(const QByteArray &data, const BmpHeader &h)
{
    const auto *p = reinterpret_cast<const uchar *>(data.constData());
    qint64 pos = h.pixelOffset;
    const qint64 end = data.size();
    const bool rle4 = h.compression == Rle4;
    const auto colourOk = [&](uchar byte) {
        if (!rle4)
            return byte < h.paletteEntries;
        return (byte >> 4) < h.paletteEntries && (byte & 0x0F) < h.paletteEntries;
    };
    qint64 x = 0, y = 0;
    while (pos + 2 <= end) {
        const int count = p[pos], value = p[pos + 1];
        pos += 2;
        if (count > 0) {
            if (y >= h.height || x + count > h.width || !colourOk(uchar(value)))
                return false;
            x += count;
        } else if (value == 0) { // end of line
            x = 0;
            ++y;
        } else if (value == 1) { // end of picture
            return true;
        } else if (value == 2) { // jump
            if (pos + 2 > end)
                return false;
            x += p[pos];
            y += p[pos + 1];
            pos += 2;
            if (x > h.width || y > h.height)
                return false;
        } else { // literal pixels, padded to a whole 16-bit word
            const qint64 bytes = rle4 ? (value + 1) / 2 : value;
            if (y >= h.height || x + value > h.width || pos + bytes > end)
                return false;
            for (qint64 i = 0; i < bytes; ++i) {
                if (!colourOk(p[pos + i]))
                    return false;
            }
            x += value;
            pos += (bytes + 1) & ~qint64(1);
        }
    }
    return y >= h.height; // no end code: fine only when every row came
}

} // namespace

std::optional<DecodedPicture> BmpDecoder::decode(const QByteArray &data,
                                                 const DecodeLimits &limits) const
{
    if (data.size() > limits.maxInputBytes || data.size() < kFileHeaderBytes + 12)
        return std::nullopt;
    BmpHeader header;
    if (!ReadHeader(data, header))
        return std::nullopt;
    if (!PixelCountAllowed(header.width, qAbs(header.height), limits.maxPixels))
        return std::nullopt;
    const bool rle = header.compression == Rle8 || header.compression == Rle4;
    if (!(rle ? CheckRunLength(data, header) : CheckUncompressed(data, header)))
        return std::nullopt;
    return ReadWithQt(data, "bmp", limits);
}

} // namespace mimora
