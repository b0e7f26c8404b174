#include "caption/FontChooser.h"

#include "caption/Gbk.h"
#include "caption/LogFont.h"

#include <QFontDatabase>
#include <QFontDialog>

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace mimora {

namespace {

// Cuts a face name to what a stored font can hold without splitting a two-byte character.
QByteArray FittingFaceName(const QString &face)
{
    QByteArray bytes = ToGbk(face);
    if (bytes.size() < kFaceNameCapacity)
        return bytes;
    qsizetype end = 0;
    for (qsizetype i = 0; i < kFaceNameCapacity - 1;) {
        const qsizetype step = static_cast<unsigned char>(bytes[i]) >= 0x80 ? 2 : 1;
        if (i + step > kFaceNameCapacity - 1)
            break;
        i += step;
        end = i;
    }
    bytes.truncate(end);
    return bytes;
}

// The chosen font's height in pixels as a stored font writes it (negative: character height).
std::int32_t ChosenHeight(const QFont &font, int dpiY)
{
    if (font.pixelSize() > 0)
        return -font.pixelSize();
    return -static_cast<std::int32_t>(std::lround(font.pointSizeF() * dpiY / 72.0));
}

// QFontDialog picks the style by name and falls back to the face's first style when the name
// is missing, so a bold italic Chinese face (no italic style) would open as regular. Asking
// for the upright style then keeps at least the weight.
QFont WithListedStyle(QFont font)
{
    const QStringList styles = QFontDatabase::styles(font.family());
    if (font.italic() && !styles.contains(QFontDatabase::styleString(font))) {
        QFont upright = font;
        upright.setItalic(false);
        if (styles.contains(QFontDatabase::styleString(upright)))
            font.setStyleName(QFontDatabase::styleString(upright));
    }
    return font;
}

} // namespace

FontChooser::FontChooser(QObject *parent) : QObject(parent) {}

QFont FontChooser::initialFont(int dpiY) const
{
    // Only the properties that are set take part; the rest stay zero.
    LogFont initial;
    initial.weight = m_bold ? 700 : 0;
    initial.italic = m_italic ? 1 : 0;
    initial.strikeOut = m_strikeout ? 1 : 0;
    initial.underline = m_underline ? 1 : 0;
    if (!m_faceName.isEmpty())
        initial.faceName = FittingFaceName(m_faceName);
    if (m_size != 0)
        initial.height = HeightForPoints(m_size, dpiY);

    // The dialog lists point sizes, so it gets the height in points at the same resolution.
    QFont font = ScreenFont(initial);
    if (font.pixelSize() > 0 && dpiY > 0)
        font.setPointSizeF(font.pixelSize() * 72.0 / dpiY);
    return font;
}

void FontChooser::takeChosenFont(const QFont &chosen, int dpiY)
{
    m_bold = chosen.weight() >= 700;
    m_italic = chosen.italic();
    m_strikeout = chosen.strikeOut();
    m_underline = chosen.underline();
    m_faceName = FromGbk(FittingFaceName(chosen.family()));
    // Read back through the stored height, so a size that is no whole number of points at
    // this resolution is rounded the way the stored font will round it.
    m_size = std::max(0, MulDiv(std::abs(ChosenHeight(chosen, dpiY)), 72, dpiY));
}

bool FontChooser::open(QWidget *parent, int dpiY)
{
    // Qt's own dialog, not a platform one: it offers underline and strike-out, which the
    // properties need, and behaves the same on every desktop.
    QFontDialog dialog(WithListedStyle(initialFont(dpiY)), parent);
    dialog.setOption(QFontDialog::DontUseNativeDialog);
    dialog.setWindowModality(Qt::ApplicationModal);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    takeChosenFont(dialog.selectedFont(), dpiY);
    return true;
}

} // namespace mimora
