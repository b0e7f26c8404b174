#include "caption/LogFont.h"

#include "caption/Gbk.h"

#include <algorithm>
#include <cstdlib>

namespace mimora {

namespace {

constexpr std::int32_t kBoldWeight = 700;

// The face every rule falls back to when a name cannot be stored.
QByteArray FallbackFace()
{
    return ToGbk(QStringLiteral("宋体"));
}

LogFont FixedFont(const char *faceUtf8, std::int32_t height, std::int32_t weight)
{
    LogFont font;
    font.height = height;
    font.weight = weight;
    font.faceName = ToGbk(QString::fromUtf8(faceUtf8));
    return font;
}

} // namespace

std::int32_t MulDiv(std::int32_t number, std::int32_t numerator, std::int32_t denominator)
{
    if (denominator == 0)
        return -1;
    const std::int64_t product = std::int64_t{number} * numerator;
    const std::int64_t magnitude = product < 0 ? -product : product;
    const std::int64_t divisor = denominator < 0 ? -std::int64_t{denominator} : denominator;
    // Adding half the divisor before dividing the magnitudes rounds half away from zero.
    std::int64_t result = (magnitude + divisor / 2) / divisor;
    if ((product < 0) != (denominator < 0))
        result = -result;
    if (result > INT32_MAX || result < INT32_MIN)
        return -1;
    return static_cast<std::int32_t>(result);
}

std::int32_t HeightForPoints(std::int32_t size, int dpiY)
{
    return -MulDiv(std::max(size, 0), dpiY, 72);
}

LogFont LogFontFromSpec(const FontSpec &spec, int dpiY)
{
    LogFont font; // all zero, character set 0 included
    font.escapement = spec.angle;
    font.orientation = spec.angle;
    font.weight = spec.bold ? kBoldWeight : 0;
    font.italic = spec.italic ? 1 : 0;
    font.strikeOut = spec.strikeout ? 1 : 0;
    font.underline = spec.underline ? 1 : 0;
    font.height = HeightForPoints(spec.size, dpiY);
    // A present empty name is stored as it is and leaves the choice of face to the screen.
    const QByteArray face = spec.faceName ? ToGbk(*spec.faceName) : QByteArray();
    font.faceName = spec.faceName && face.size() < kFaceNameCapacity ? face : FallbackFace();
    return font;
}

LogFont LogFontWithField(LogFont current, FontField field, std::int32_t value, int dpiY)
{
    switch (field) {
    case FontField::Angle: {
        std::int32_t angle = value % 3600;
        if (angle < 0)
            angle += 3600;
        current.escapement = angle;
        current.orientation = angle;
        break;
    }
    case FontField::Bold:
        current.weight = value != 0 ? kBoldWeight : 0;
        break;
    case FontField::Italic:
        current.italic = value != 0 ? 1 : 0;
        break;
    case FontField::Strikeout:
        current.strikeOut = value != 0 ? 1 : 0;
        break;
    case FontField::Underline:
        current.underline = value != 0 ? 1 : 0;
        break;
    case FontField::Size:
        current.height = HeightForPoints(value, dpiY);
        break;
    }
    return current;
}

LogFont LogFontWithFaceName(LogFont current, const std::optional<QString> &face)
{
    const QByteArray bytes = face ? ToGbk(*face) : QByteArray();
    current.faceName =
        !bytes.isEmpty() && bytes.size() < kFaceNameCapacity ? bytes : FallbackFace();
    return current;
}

LogFont DefaultGuiLogFont()
{
    LogFont font = FixedFont("宋体", -12, 400);
    font.charSet = 134; // GB2312_CHARSET
    return font;
}

LogFont CaptionDesignedLogFont()
{
    LogFont font = FixedFont("微软雅黑", -16, kBoldWeight);
    font.charSet = 134;         // GB2312_CHARSET
    font.outPrecision = 3;      // OUT_STROKE_PRECIS
    font.clipPrecision = 2;     // CLIP_STROKE_PRECIS
    font.quality = 1;           // DRAFT_QUALITY
    font.pitchAndFamily = 0x22; // VARIABLE_PITCH | FF_SWISS
    return font;
}

LogFont ZoomButtonLogFont()
{
    return FixedFont("宋体", -16, 400);
}

QString FaceNameText(const LogFont &font)
{
    return FromGbk(font.faceName);
}

} // namespace mimora
