// Stored fonts on screen: the font-creation mapping to QFont and the CJK face fallbacks.
#include "caption/Gbk.h"
#include "caption/LogFont.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QRawFont>
#include <QtTest>

using namespace mimora;

Q_DECLARE_METATYPE(mimora::LogFont)

namespace {

LogFont Stored(const char *face, std::int32_t height, std::int32_t weight)
{
    LogFont font;
    font.faceName = ToGbk(QString::fromUtf8(face));
    font.height = height;
    font.weight = weight;
    return font;
}

} // namespace

class ScreenFontTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { InstallFaceSubstitutions(); }
    void mapping();
    void heights();
    void widthStretches();
    void cjkFacesFallBack_data();
    void cjkFacesFallBack();
};

void ScreenFontTest::mapping()
{
    LogFont stored = Stored("Noto Sans CJK SC", -16, 0);
    QFont font = ScreenFont(stored);
    QCOMPARE(font.family(), QStringLiteral("Noto Sans CJK SC"));
    QCOMPARE(font.weight(), QFont::Normal); // 0 is normal
    QVERIFY(!font.italic() && !font.underline() && !font.strikeOut());

    stored.weight = 700;
    stored.italic = stored.underline = stored.strikeOut = 1;
    // Fields the font-creation rule ignores must not change the result.
    stored.charSet = 134;
    stored.quality = 1;
    stored.pitchAndFamily = 0x22;
    font = ScreenFont(stored);
    QCOMPARE(font.weight(), QFont::Bold);
    QVERIFY(font.italic() && font.underline() && font.strikeOut());

    stored.weight = 550;
    QCOMPARE(ScreenFont(stored).weight(), 550);
    stored.weight = 5000;
    QCOMPARE(ScreenFont(stored).weight(), 1000);

    stored.faceName.clear(); // no face: the font system's default family
    QCOMPARE(ScreenFont(stored).family(), QGuiApplication::font().family());
}

void ScreenFontTest::heights()
{
    QCOMPARE(ScreenFont(Stored("Noto Sans CJK SC", -16, 0)).pixelSize(), 16);

    // 0: the default size, whatever unit the application font is in.
    const QFont app = QGuiApplication::font();
    const QFont zero = ScreenFont(Stored("Noto Sans CJK SC", 0, 0));
    QCOMPARE(zero.pixelSize(), app.pixelSize());
    QCOMPARE(zero.pointSizeF(), app.pointSizeF());

    // Positive: the cell (ascent + descent) is that high, so the characters are smaller.
    const QFont cell = ScreenFont(Stored("Noto Sans CJK SC", 40, 0));
    QVERIFY2(qAbs(QFontMetricsF(cell).height() - 40) <= 1.5,
             qPrintable(QString::number(QFontMetricsF(cell).height())));
    QVERIFY(cell.pixelSize() < 40);
}

void ScreenFontTest::widthStretches()
{
    LogFont stored = Stored("Noto Sans CJK SC", -20, 0);
    const qreal natural = QFontMetricsF(ScreenFont(stored)).averageCharWidth();
    stored.width = qRound(natural * 2);
    const qreal stretched = QFontMetricsF(ScreenFont(stored)).averageCharWidth();
    QVERIFY2(qAbs(stretched - stored.width) <= stored.width * 0.15,
             qPrintable(QStringLiteral("%1 for %2").arg(stretched).arg(stored.width)));
}

void ScreenFontTest::cjkFacesFallBack_data()
{
    QTest::addColumn<LogFont>("stored");
    QTest::addColumn<QString>("family");
    QTest::addColumn<bool>("bold");
    QTest::newRow("caption 微软雅黑") << CaptionDesignedLogFont() << "Noto Sans CJK" << true;
    QTest::newRow("zoom buttons 宋体") << ZoomButtonLogFont() << "Noto Serif CJK" << false;
    QTest::newRow("default 宋体") << DefaultGuiLogFont() << "Noto Serif CJK" << false;
}

void ScreenFontTest::cjkFacesFallBack()
{
    QFETCH(LogFont, stored);
    QFETCH(QString, family);
    QFETCH(bool, bold);
    const QFont font = ScreenFont(stored);
    const QFontInfo info(font);
    QVERIFY2(info.family().startsWith(family), qPrintable(info.family()));
    QCOMPARE(info.bold(), bold);

    // Real glyphs, not the empty boxes of a face without Chinese.
    const QRawFont raw = QRawFont::fromFont(font);
    QVERIFY(raw.isValid());
    QVERIFY2(raw.familyName().startsWith(family, Qt::CaseInsensitive),
             qPrintable(raw.familyName()));
    const QString text = QStringLiteral("这里显示文字,可拖动放大缩小宋体");
    for (const QChar c : text)
        QVERIFY2(raw.supportsCharacter(c), qPrintable(QString(c)));
    for (const quint32 glyph : raw.glyphIndexesForString(text))
        QVERIFY(glyph != 0);
}

QTEST_MAIN(ScreenFontTest)
#include "tst_caption_screen_font.moc"
