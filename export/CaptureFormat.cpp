#include "export/CaptureFormat.h"

#include "export/StripRows.h"

#include <cstring>
#include <new>

namespace mimora {

namespace {

constexpr int kFileHeaderSize = 14;
constexpr int kInfoHeaderSize = 40;
constexpr int kPixelOffset = kFileHeaderSize + kInfoHeaderSize;

long long Stride(long long width)
{
    return ((24 * width + 31) / 32) * 4;
}

void Put16(char *at, quint16 value)
{
    at[0] = char(value & 0xff);
    at[1] = char(value >> 8);
}

void Put32(char *at, quint32 value)
{
    for (int i = 0; i < 4; ++i)
        at[i] = char((value >> (8 * i)) & 0xff);
}

quint16 Get16(const char *at)
{
    const auto *b = reinterpret_cast<const uchar *>(at);
    return quint16(b[0] | (b[1] << 8));
}

quint32 Get32(const char *at)
{
    const auto *b = reinterpret_cast<const uchar *>(at);
    return quint32(b[0]) | (quint32(b[1]) << 8) | (quint32(b[2]) << 16) | (quint32(b[3]) << 24);
}

// Fields in table order; resolutions and colour counts are all 0.
void WriteHeaders(char *out, int width, int height, quint32 imageSize)
{
    std::memset(out, 0, kPixelOffset);
    out[0] = 'B';
    out[1] = 'M';
    Put32(out + 2, kPixelOffset + imageSize);
    Put32(out + 10, kPixelOffset);
    Put32(out + 14, kInfoHeaderSize);
    Put32(out + 18, quint32(width));
    Put32(out + 22, quint32(height));
    Put16(out + 26, 1);
    Put16(out + 28, 24);
    Put32(out + 34, imageSize);
}

} // namespace

QByteArray EncodeCapture(StripSource &source)
{
    const QSize size = source.size();
    const long long width = size.width();
    const long long height = size.height();
    if (width <= 0 || height <= 0 || width * height > kMaxCapturePixels)
        return {};
    const long long stride = Stride(width);
    const long long imageSize = stride * height;

    QByteArray capture;
    try {
        capture = QByteArray(kPixelOffset + imageSize, Qt::Uninitialized);
    } catch (const std::bad_alloc &) {
        return {};
    }
    char *out = capture.data();
    WriteHeaders(out, int(width), int(height), quint32(imageSize));

    const int padding = int(stride - 3 * width);
    const int stripRows = StripRows(int(width));
    for (int top = 0; top < height; top += stripRows) {
        const int rows = int(std::min<long long>(stripRows, height - top));
        QImage strip = source.renderStrip(top, rows);
        if (strip.format() != QImage::Format_RGB32)
            strip = strip.convertToFormat(QImage::Format_RGB32);
        if (strip.width() != width || strip.height() != rows)
            return {};
        for (int y = 0; y < rows; ++y) {
            // Bottom-up: the picture's last row is stored first.
            char *row = out + kPixelOffset + (height - 1 - (top + y)) * stride;
            const auto *pixels = reinterpret_cast<const QRgb *>(strip.constScanLine(y));
            for (long long x = 0; x < width; ++x) {
                row[3 * x] = char(qBlue(pixels[x]));
                row[3 * x + 1] = char(qGreen(pixels[x]));
                row[3 * x + 2] = char(qRed(pixels[x]));
            }
            std::memset(row + 3 * width, 0, padding);
        }
    }
    return capture;
}

QImage DecodeCapture(const QByteArray &capture)
{
    if (capture.size() < kPixelOffset)
        return {};
    const char *in = capture.constData();
    const qint32 width = qint32(Get32(in + 18));
    const qint32 height = qint32(Get32(in + 22));
    if (in[0] != 'B' || in[1] != 'M' || width <= 0 || height <= 0 ||
        (long long)width * height > kMaxCapturePixels)
        return {};
    const long long stride = Stride(width);
    const long long imageSize = stride * height;
    const bool headerAsWritten = Get32(in + 2) == kPixelOffset + imageSize && Get16(in + 6) == 0 &&
                                 Get16(in + 8) == 0 && Get32(in + 10) == kPixelOffset &&
                                 Get32(in + 14) == kInfoHeaderSize && Get16(in + 26) == 1 &&
                                 Get16(in + 28) == 24 && Get32(in + 30) == 0 &&
                                 Get32(in + 34) == imageSize && Get32(in + 38) == 0 &&
                                 Get32(in + 42) == 0 && Get32(in + 46) == 0 && Get32(in + 50) == 0;
    if (!headerAsWritten || capture.size() != kPixelOffset + imageSize)
        return {};

    QImage image(width, height, QImage::Format_RGB32);
    if (image.isNull())
        return {};
    for (int y = 0; y < height; ++y) {
        const auto *row =
            reinterpret_cast<const uchar *>(in + kPixelOffset + (height - 1 - y) * stride);
        auto *pixels = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < width; ++x)
            pixels[x] = qRgb(row[3 * x + 2], row[3 * x + 1], row[3 * x]);
    }
    return image;
}

} // namespace mimora
