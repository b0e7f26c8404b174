#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>

#include <algorithm>
#include <cstdlib>

namespace mimora {

/**
 * Whether jpeg's frame header says baseline (SOF0), size, three components and no
 * chroma subsampling (every component sampled 1 × 1).
 */
inline bool IsBaseline444(const QByteArray &jpeg, QSize size)
{
    const auto *b = reinterpret_cast<const uchar *>(jpeg.constData());
    const qsizetype n = jpeg.size();
    if (n < 4 || b[0] != 0xFF || b[1] != 0xD8)
        return false;
    qsizetype at = 2;
    while (at + 4 <= n && b[at] == 0xFF) {
        const uchar marker = b[at + 1];
        const int length = (b[at + 2] << 8) | b[at + 3];
        if (marker >= 0xC1 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC)
            return false; // a frame other than baseline
        if (marker == 0xC0) {
            const uchar *f = b + at + 4;
            if (at + 4 + 6 + 9 > n || f[0] != 8 || f[5] != 3)
                return false;
            if (((f[1] << 8) | f[2]) != size.height() || ((f[3] << 8) | f[4]) != size.width())
                return false;
            return f[7] == 0x11 && f[10] == 0x11 && f[13] == 0x11;
        }
        at += 2 + length;
    }
    return false;
}

/** Largest and mean difference of any colour channel between two images of one size. */
struct PixelDifference
{
    int max = 0;
    double mean = 0;
};

inline PixelDifference Compare(const QImage &a, const QImage &b)
{
    const QImage x = a.convertToFormat(QImage::Format_RGB32);
    const QImage y = b.convertToFormat(QImage::Format_RGB32);
    PixelDifference d;
    long long sum = 0;
    for (int row = 0; row < x.height(); ++row) {
        const auto *p = reinterpret_cast<const QRgb *>(x.constScanLine(row));
        const auto *q = reinterpret_cast<const QRgb *>(y.constScanLine(row));
        for (int col = 0; col < x.width(); ++col) {
            for (const int c :
                 {std::abs(qRed(p[col]) - qRed(q[col])), std::abs(qGreen(p[col]) - qGreen(q[col])),
                  std::abs(qBlue(p[col]) - qBlue(q[col]))}) {
                d.max = std::max(d.max, c);
                sum += c;
            }
        }
    }
    d.mean = x.isNull() ? 0 : double(sum) / (3.0 * x.width() * x.height());
    return d;
}

} // namespace mimora
