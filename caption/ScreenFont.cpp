// The screen side of LogFont.h: how a stored font becomes a QFont.
#include "caption/LogFont.h"

#include <QFontMetricsF>
#include <QGuiApplication>

#include <algorithm>
#include <cstdlib>

namespace mimora {

QFont ScreenFont(const LogFont &stored)
{
    const QFont appFont = QGuiApplication::font();
    QFont font(appFont);
    const QString face = FaceNameText(stored);
    font.setFamily(face.isEmpty() ? appFont.family() : face);

    font.setWeight(stored.weight == 0
                       ? QFont::Normal
                       : static_cast<QFont::Weight>(std::clamp(stored.weight, 1, 1000)));
    font.setItalic(stored.italic != 0);
    font.setUnderline(stored.underline != 0);
    font.setStrikeOut(stored.strikeOut != 0);

    if (stored.height < 0) {
        font.setPixelSize(-stored.height);
    } else if (stored.height > 0) {
        // A cell height: the metrics scale with the pixel size, so one probe at the asked
        // height tells the pixel size whose ascent plus descent is that height.
        font.setPixelSize(stored.height);
        const qreal cell = QFontMetricsF(font).height();
        if (cell > 0)
            font.setPixelSize(std::max(1, qRound(qreal(stored.height) * stored.height / cell)));
    }
    // Height 0 keeps the application font's size, the font system's default.

    if (stored.width != 0) {
        const qreal natural = QFontMetricsF(font).averageCharWidth();
        if (natural > 0)
            font.setStretch(std::clamp(qRound(100.0 * std::abs(stored.width) / natural), 1, 4000));
    }
    return font;
}

void InstallFaceSubstitutions()
{
    // Tried in order when the face itself is not installed.
    QFont::insertSubstitutions(QStringLiteral("微软雅黑"), {QStringLiteral("Noto Sans CJK SC"),
                                                            QStringLiteral("Source Han Sans SC"),
                                                            QStringLiteral("WenQuanYi Micro Hei")});
    QFont::insertSubstitutions(QStringLiteral("宋体"), {QStringLiteral("Noto Serif CJK SC"),
                                                        QStringLiteral("Source Han Serif SC"),
                                                        QStringLiteral("AR PL UMing CN")});
}

} // namespace mimora
