#pragma once

#include <QByteArray>
#include <QtGlobal>

namespace mimora {

/** Little-endian 16-bit value at `at`; the caller has checked that two bytes are there. */
inline quint16 ReadU16Le(const QByteArray &data, qsizetype at)
{
    const auto *p = reinterpret_cast<const uchar *>(data.constData()) + at;
    return quint16(p[0] | (p[1] << 8));
}

/** Little-endian 32-bit value at `at`; the caller has checked that four bytes are there. */
inline quint32 ReadU32Le(const QByteArray &data, qsizetype at)
{
    const auto *p = reinterpret_cast<const uchar *>(data.constData()) + at;
    return quint32(p[0]) | (quint32(p[1]) << 8) | (quint32(p[2]) << 16) | (quint32(p[3]) << 24);
}

/** Big-endian 16-bit value at `at`; the caller has checked that two bytes are there. */
inline quint16 ReadU16Be(const QByteArray &data, qsizetype at)
{
    const auto *p = reinterpret_cast<const uchar *>(data.constData()) + at;
    return quint16((p[0] << 8) | p[1]);
}

/** Whether a picture of `width` × `height` is non-empty and within `maxPixels`. */
inline bool PixelCountAllowed(qint64 width, qint64 height, qint64 maxPixels)
{
    return width > 0 && height > 0 && width <= maxPixels / height;
}

} // namespace mimora
