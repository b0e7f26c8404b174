#pragma once

#include <QColor>

#include <cstdint>

namespace mimora {

/** A COLORREF (0x00BBGGRR, red in the low byte) as an opaque QColor; the top byte is ignored. */
inline QColor ColorrefToQColor(std::uint32_t colorref)
{
    return QColor(colorref & 0xFF, (colorref >> 8) & 0xFF, (colorref >> 16) & 0xFF);
}

/** A QColor as a COLORREF; alpha is dropped. */
inline std::uint32_t QColorToColorref(const QColor &colour)
{
    const QColor rgb = colour.toRgb();
    return static_cast<std::uint32_t>(rgb.red()) | static_cast<std::uint32_t>(rgb.green()) << 8 |
           static_cast<std::uint32_t>(rgb.blue()) << 16;
}

} // namespace mimora
