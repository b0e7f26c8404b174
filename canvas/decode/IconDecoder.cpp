#include "canvas/decode/IconDecoder.h"

#include "canvas/decode/ByteReading.h"
#include "canvas/decode/PngDecoder.h"
#include "canvas/decode/QtImageReading.h"

#include <QtEndian>

#include <algorithm>

namespace mimora {

namespace {

constexpr qsizetype kDirectoryHeaderBytes = 6;
constexpr qsizetype kEntryBytes = 16;
constexpr qsizetype kDibHeaderBytes = 40; // BITMAPINFOHEADER, the only header icons use

struct IconEntry
{
    qsizetype offset = 0;
    qsizetype size = 0;
    qint64 width = 0;
    qint64 height = 0;
    int bitCount = 0;
    bool png = false;
};

// Reads the size that the entry's own data declares: that, not the directory, is what a decoder
// allocates. Returns false when the data is neither a PNG nor a bitmap header.
// Only the header is looked at: the directory may list thousands of entries.
bool ReadEntryHeader(const QByteArray &data, qint64 maxPixels, IconEntry &entry)
{
    const QByteArray b = QByteArray::fromRawData(data.constData() + entry.offset,
                                                 std::min<qsizetype>(entry.size, 64));
    if (b.startsWith("\x89PNG\r\n\x1a\n")) {
        if (b.size() < 26)
            return false;
        entry.png = true;
        entry.width = qFromBigEndian<quint32>(b.constData() + 16);
        entry.height = qFromBigEndian<quint32>(b.constData() + 20);
        entry.bitCount = uchar(b[24]) * 4;
        return true;
    }
    if (b.size() < kDibHeaderBytes || ReadU32Le(b, 0) != kDibHeaderBytes)
        return false;
    entry.width = qint32(ReadU32Le(b, 4));
    // The height covers the colour bitmap and the AND mask below it.
    entry.height = qint32(ReadU32Le(b, 8)) / 2;
    entry.bitCount = ReadU16Le(b, 14);
    const int depth = entry.bitCount;
    if (depth != 1 && depth != 4 && depth != 8 && depth != 16 && depth != 24 && depth != 32)
        return false;
    // Checked here already, so that the byte counts below cannot overflow.
    if (!PixelCountAllowed(entry.width, entry.height, maxPixels))
        return false;
    // The colour rows must all be there (the AND mask may be missing in 32-bit entries).
    const quint32 colours = ReadU32Le(b, 32);
    const qint64 palette = entry.bitCount <= 8 ? (colours ? colours : 1 << entry.bitCount) : 0;
    const qint64 rowBytes = (entry.width * entry.bitCount + 31) / 32 * 4;
    return palette <= 256 && kDibHeaderBytes + palette * 4 + rowBytes * entry.height <= entry.size;
}

// A one-entry icon file holding just `entry`, in the form Qt's reader takes.
QByteArray SingleEntryIcon(const QByteArray &data, const IconEntry &entry)
{
    QByteArray file(kDirectoryHeaderBytes + kEntryBytes, '\0');
    auto *p = reinterpret_cast<uchar *>(file.data());
    p[2] = 1; // type: icon
    p[4] = 1; // one entry
    uchar *e = p + kDirectoryHeaderBytes;
    e[0] = uchar(entry.width >= 256 ? 0 : entry.width);
    e[1] = uchar(entry.height >= 256 ? 0 : entry.height);
    qToLittleEndian<quint16>(1, e + 4); // planes
    qToLittleEndian<quint16>(quint16(entry.bitCount), e + 6);
    qToLittleEndian<quint32>(quint32(entry.size), e + 8);
    qToLittleEndian<quint32>(quint32(kDirectoryHeaderBytes + kEntryBytes), e + 12);
    file.append(data.constData() + entry.offset, entry.size);
    return file;
}

} // namespace

std::optional<DecodedPicture> IconDecoder::decode(const QByteArray &data,
                                                  const DecodeLimits &limits) const
{
    if (data.size() > limits.maxInputBytes || data.size() < kDirectoryHeaderBytes)
        return std::nullopt;
    const qsizetype count = ReadU16Le(data, 4);
    if (count == 0 || kDirectoryHeaderBytes + count * kEntryBytes > data.size())
        return std::nullopt;

    std::optional<IconEntry> best;
    for (qsizetype i = 0; i < count; ++i) {
        const qsizetype at = kDirectoryHeaderBytes + i * kEntryBytes;
        qint64 size = ReadU32Le(data, at + 8);
        const qint64 offset = ReadU32Le(data, at + 12);
        if (offset < kDirectoryHeaderBytes || offset >= data.size())
            continue; // points outside the file
        // Some old cursor writers leave a size that cannot even hold a bitmap header; such a
        // field is no size at all, so the entry runs to the end of the file.
        if (size < kDibHeaderBytes)
            size = data.size() - offset;
        if (size > data.size() - offset)
            continue;
        IconEntry entry;
        entry.offset = offset;
        entry.size = size;
        if (!ReadEntryHeader(data, limits.maxPixels, entry) ||
            !PixelCountAllowed(entry.width, entry.height, limits.maxPixels))
            continue;
        if (!best || entry.width * entry.height > best->width * best->height ||
            (entry.width * entry.height == best->width * best->height &&
             entry.bitCount > best->bitCount))
            best = entry;
    }
    if (!best)
        return std::nullopt;

    if (best->png)
        return StillPicture(PngDecoder::decodeImage(data.mid(best->offset, best->size), limits));
    return ReadWithQt(SingleEntryIcon(data, *best), "ico", limits);
}

} // namespace mimora
