#pragma once

#include "caption/FontSpec.h"

#include <QByteArray>
#include <QFont>

#include <cstdint>
#include <optional>

namespace mimora {

/**
 * A control's stored font, field for field the Windows LOGFONT the layout and the font rules
 * are written in. Only face, height, width, weight, italic, underline and strike-out reach
 * the screen (ScreenFont); the other fields are kept as written.
 */
struct LogFont
{
    std::int32_t height = 0; ///< < 0: character height in pixels; > 0: cell height; 0: default
    std::int32_t width = 0;  ///< average character width in pixels; 0: the face's own
    std::int32_t escapement = 0;
    std::int32_t orientation = 0;
    std::int32_t weight = 0; ///< 0 normal, 400 regular, 700 bold, up to 1000
    std::uint8_t italic = 0;
    std::uint8_t underline = 0;
    std::uint8_t strikeOut = 0;
    std::uint8_t charSet = 0;
    std::uint8_t outPrecision = 0;
    std::uint8_t clipPrecision = 0;
    std::uint8_t quality = 0;
    std::uint8_t pitchAndFamily = 0;
    QByteArray faceName; ///< GBK bytes, at most kFaceNameCapacity - 1 of them

    bool operator==(const LogFont &) const = default;
};

/** Bytes a face name may use, its terminating zero included. */
inline constexpr int kFaceNameCapacity = 32;

/**
 * number × numerator / denominator with a 64-bit intermediate, rounded half away from zero;
 * -1 when the denominator is 0 or the result does not fit in 32 bits.
 */
std::int32_t MulDiv(std::int32_t number, std::int32_t numerator, std::int32_t denominator);

/** lfHeight for a size in points at dpiY: -MulDiv(size, dpiY, 72), a negative size as 0. */
std::int32_t HeightForPoints(std::int32_t size, int dpiY);

/**
 * A whole FontSpec as a stored font: every other field 0, weight 700 or 0 (not 400), the
 * face copied when present and shorter than 32 GBK bytes (an empty one too), else "宋体".
 */
LogFont LogFontFromSpec(const FontSpec &spec, int dpiY);

/** The fields that can be written one at a time; the face has LogFontWithFaceName. */
enum class FontField
{
    Angle,
    Bold,
    Italic,
    Strikeout,
    Underline,
    Size,
};

/**
 * current with one field written from value: the angle taken modulo 3600 into 0..3599 for
 * both escapement and orientation; bold as weight 700 or 0; italic, strike-out, underline as
 * 1 or 0; size in points as HeightForPoints. Everything else stays.
 */
LogFont LogFontWithField(LogFont current, FontField field, std::int32_t value, int dpiY);

/** current with its face written: a name of 1 to 31 GBK bytes is copied, anything else
 * (absent, empty, too long) gives "宋体". */
LogFont LogFontWithFaceName(LogFont current, const std::optional<QString> &face);

/**
 * What a control without a font of its own starts from: the default GUI font of a
 * Chinese-language system, "宋体" 12 pixels high, weight 400, character set GB2312.
 */
LogFont DefaultGuiLogFont();

/** The caption's designed font: "微软雅黑", 16 pixels high, bold. */
LogFont CaptionDesignedLogFont();

/** The zoom buttons' font: "宋体", 16 pixels high, weight 400. */
LogFont ZoomButtonLogFont();

/** The face name as text; empty when none is stored. */
QString FaceNameText(const LogFont &font);

/**
 * The on-screen font for a stored font. A negative height is the pixel size; a positive one
 * is the cell height (ascent plus descent), met by scaling the pixel size; 0 takes the
 * application font's size. Weight 0 is normal and other weights are used as they are (Qt
 * shares the 1..1000 scale). An empty face takes the application font's family. A width
 * stretches the face so its average character width matches. Escapement is not a property
 * of a QFont: whoever paints rotates.
 */
QFont ScreenFont(const LogFont &font);

/**
 * Lets the faces named by the layout fall back to installed CJK fonts: "微软雅黑" to a sans,
 * "宋体" to a serif. Call once at start-up, before any control makes its font.
 */
void InstallFaceSubstitutions();

} // namespace mimora
