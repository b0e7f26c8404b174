#pragma once

#include <QString>

#include <cstdint>
#include <optional>

namespace mimora {

/** The program's description of a font; LogFontFromSpec turns it into a stored font. */
struct FontSpec
{
    std::int32_t angle = 0; ///< base line angle, tenths of a degree
    bool bold = false;
    bool italic = false;
    bool strikeout = false;
    bool underline = false;
    std::int32_t size = 0;           ///< points
    std::optional<QString> faceName; ///< absent and empty mean the same

    bool operator==(const FontSpec &) const = default;
};

/** chosenFont's value at start-up: size 9, face "宋体", everything else off. */
inline FontSpec InitialChosenFont()
{
    FontSpec spec;
    spec.size = 9;
    spec.faceName = QStringLiteral("宋体");
    return spec;
}

} // namespace mimora
