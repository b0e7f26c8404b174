#include "canvas/decode/PngDecoder.h"

#include "canvas/decode/ByteReading.h"

#include <QtEndian>

#include <png.h>

namespace mimora {

namespace {

// Frees libpng's state on every way out; png_image_free is safe to call twice.
struct PngImageGuard
{
    png_image image{};
    PngImageGuard() { image.version = PNG_IMAGE_VERSION; }
    ~PngImageGuard() { png_image_free(&image); }
};

// Every chunk must lie inside the data. libpng would otherwise allocate what a chunk's length
// field claims (up to 2 GiB for a text chunk) before it finds that the bytes are not there.
bool ChunksFit(const QByteArray &data)
{
    constexpr qsizetype kSignatureBytes = 8;
    constexpr qsizetype kChunkOverhead = 12; // length, type and CRC
    qsizetype pos = kSignatureBytes;
    while (pos + kChunkOverhead <= data.size()) {
        const qint64 length = qFromBigEndian<quint32>(data.constData() + pos);
        if (length > data.size() - pos - kChunkOverhead)
            return false;
        if (data.mid(pos + 4, 4) == "IEND")
            return true;
        pos += kChunkOverhead + length;
    }
    return false; // cut short before IEND
}

} // namespace

QImage PngDecoder::decodeImage(const QByteArray &data, const DecodeLimits &limits)
{
    if (data.size() > limits.maxInputBytes || !ChunksFit(data))
        return {};
    PngImageGuard guard;
    png_image &image = guard.image;
    if (!png_image_begin_read_from_memory(&image, data.constData(), size_t(data.size())))
        return {};
    if (!PixelCountAllowed(image.width, image.height, limits.maxPixels))
        return {};

        // Byte order B, G, R, A is QImage's ARGB32 on a little-endian machine.
#if Q_BYTE_ORDER == Q_LITTLE_ENDIAN
    image.format = PNG_FORMAT_BGRA;
#else
    image.format = PNG_FORMAT_ARGB;
#endif
    QImage out(int(image.width), int(image.height), QImage::Format_ARGB32);
    if (out.isNull())
        return {};
    if (!png_image_finish_read(&image, nullptr, out.bits(), png_int_32(out.bytesPerLine()),
                               nullptr))
        return {};
    out.convertTo(QImage::Format_ARGB32_Premultiplied);
    return out;
}

std::optional<DecodedPicture> PngDecoder::decode(const QByteArray &data,
                                                 const DecodeLimits &limits) const
{
    return StillPicture(decodeImage(data, limits));
}

} // namespace mimora
