// The stored-font rules: MulDiv, a whole FontSpec as a stored font, one field at a time.
#include "caption/Gbk.h"
#include "caption/LogFont.h"

#include <QtTest>

#include <climits>

using namespace mimora;

Q_DECLARE_METATYPE(mimora::FontSpec)
Q_DECLARE_METATYPE(mimora::LogFont)
Q_DECLARE_METATYPE(mimora::FontField)
Q_DECLARE_METATYPE(std::optional<QString>)

namespace {

const QByteArray kSongTi("\xCB\xCE\xCC\xE5"); // 宋体 in GBK

FontSpec Spec(std::int32_t size, std::optional<QString> face, bool bold = false)
{
    FontSpec spec;
    spec.size = size;
    spec.faceName = std::move(face);
    spec.bold = bold;
    return spec;
}

LogFont Font(std::int32_t height, std::int32_t weight, QByteArray face)
{
    LogFont font;
    font.height = height;
    font.weight = weight;
    font.faceName = std::move(face);
    return font;
}

} // namespace

class LogFontTest : public QObject
{
    Q_OBJECT
private slots:
    void mulDiv_data();
    void mulDiv();
    void fromSpec_data();
    void fromSpec();
    void withField_data();
    void withField();
    void withFaceName_data();
    void withFaceName();
};

void LogFontTest::mulDiv_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<int>("numerator");
    QTest::addColumn<int>("denominator");
    QTest::addColumn<int>("result");
    QTest::newRow("9 pt at 96") << 9 << 96 << 72 << 12;
    QTest::newRow("95 pt at 96 rounds up") << 95 << 96 << 72 << 127;
    QTest::newRow("14 px back, half rounds up") << 14 << 72 << 96 << 11;
    QTest::newRow("below half rounds down") << 1 << 1 << 3 << 0;
    QTest::newRow("above half rounds up") << 2 << 1 << 3 << 1;
    QTest::newRow("negative half away from zero") << -14 << 72 << 96 << -11;
    QTest::newRow("negative numerator") << 14 << -72 << 96 << -11;
    QTest::newRow("negative denominator") << 14 << 72 << -96 << -11;
    QTest::newRow("all negative") << -14 << -72 << -96 << -11;
    QTest::newRow("64-bit intermediate") << 65536 << 65536 << 65536 << 65536;
    QTest::newRow("zero denominator") << 5 << 5 << 0 << -1;
    QTest::newRow("result too large") << INT_MAX << 2 << 1 << -1;
    QTest::newRow("product of extremes") << INT_MIN << INT_MIN << INT_MIN << INT_MIN;
}

void LogFontTest::mulDiv()
{
    QFETCH(int, number);
    QFETCH(int, numerator);
    QFETCH(int, denominator);
    QFETCH(int, result);
    QCOMPARE(MulDiv(number, numerator, denominator), result);
}

void LogFontTest::fromSpec_data()
{
    QTest::addColumn<FontSpec>("spec");
    QTest::addColumn<int>("dpiY");
    QTest::addColumn<LogFont>("expected");

    QTest::newRow("initial chosenFont") << InitialChosenFont() << 96 << Font(-12, 0, kSongTi);
    QTest::newRow("bold is 700") << Spec(95, QStringLiteral("Noto Sans CJK SC"), true) << 96
                                 << Font(-127, 700, "Noto Sans CJK SC");
    QTest::newRow("size at 120 dpi") << Spec(10, QStringLiteral("A")) << 120 << Font(-17, 0, "A");
    QTest::newRow("size 0 is height 0") << Spec(0, QStringLiteral("A")) << 96 << Font(0, 0, "A");
    QTest::newRow("negative size as 0") << Spec(-5, QStringLiteral("A")) << 96 << Font(0, 0, "A");
    QTest::newRow("absent face") << Spec(9, std::nullopt) << 96 << Font(-12, 0, kSongTi);
    QTest::newRow("present empty face kept empty")
        << Spec(9, QString()) << 96 << Font(-12, 0, QByteArray());
    QTest::newRow("31 bytes copied")
        << Spec(9, QString(31, QLatin1Char('x'))) << 96 << Font(-12, 0, QByteArray(31, 'x'));
    QTest::newRow("32 bytes replaced")
        << Spec(9, QString(32, QLatin1Char('x'))) << 96 << Font(-12, 0, kSongTi);
    // The limit counts GBK bytes, not characters: 16 Chinese characters are 32 bytes.
    QTest::newRow("15 CJK characters copied") << Spec(9, QString(15, QChar(0x4E2D))) << 96
                                              << Font(-12, 0, ToGbk(QString(15, QChar(0x4E2D))));
    QTest::newRow("16 CJK characters replaced")
        << Spec(9, QString(16, QChar(0x4E2D))) << 96 << Font(-12, 0, kSongTi);

    FontSpec styled = Spec(9, QStringLiteral("A"));
    styled.angle = -4500; // the whole-spec rule stores the angle as it is
    styled.italic = styled.strikeout = styled.underline = true;
    LogFont styledFont = Font(-12, 0, "A");
    styledFont.escapement = styledFont.orientation = -4500;
    styledFont.italic = styledFont.strikeOut = styledFont.underline = 1;
    QTest::newRow("angle and styles") << styled << 96 << styledFont;
}

void LogFontTest::fromSpec()
{
    QFETCH(FontSpec, spec);
    QFETCH(int, dpiY);
    QFETCH(LogFont, expected);
    const LogFont font = LogFontFromSpec(spec, dpiY);
    QCOMPARE(font.height, expected.height);
    QCOMPARE(font.weight, expected.weight);
    QCOMPARE(font.faceName, expected.faceName);
    QVERIFY(font == expected); // and every other field zero, character set included
}

void LogFontTest::withField_data()
{
    QTest::addColumn<FontField>("field");
    QTest::addColumn<int>("value");
    QTest::addColumn<LogFont>("expected");

    // The caption's designed font has non-zero precisions and pitch, which must stay.
    const LogFont designed = CaptionDesignedLogFont();
    auto with = [&designed](auto change) {
        LogFont f = designed;
        change(f);
        return f;
    };
    auto angle = [&with](int a) {
        return with([a](LogFont &f) { f.escapement = f.orientation = a; });
    };
    QTest::newRow("angle 3600 is 0") << FontField::Angle << 3600 << angle(0);
    QTest::newRow("angle 3601") << FontField::Angle << 3601 << angle(1);
    QTest::newRow("angle -1") << FontField::Angle << -1 << angle(3599);
    QTest::newRow("angle -3600") << FontField::Angle << -3600 << angle(0);
    QTest::newRow("angle INT_MIN") << FontField::Angle << INT_MIN << angle(2752);
    QTest::newRow("bold off is 0, not 400")
        << FontField::Bold << 0 << with([](LogFont &f) { f.weight = 0; });
    QTest::newRow("bold any non-zero")
        << FontField::Bold << -7 << with([](LogFont &f) { f.weight = 700; });
    QTest::newRow("italic") << FontField::Italic << 2 << with([](LogFont &f) { f.italic = 1; });
    QTest::newRow("strikeout") << FontField::Strikeout << 1
                               << with([](LogFont &f) { f.strikeOut = 1; });
    QTest::newRow("underline") << FontField::Underline << 1
                               << with([](LogFont &f) { f.underline = 1; });
    QTest::newRow("size 95") << FontField::Size << 95 << with([](LogFont &f) { f.height = -127; });
    QTest::newRow("size 9") << FontField::Size << 9 << with([](LogFont &f) { f.height = -12; });
    QTest::newRow("size 0") << FontField::Size << 0 << with([](LogFont &f) { f.height = 0; });
    QTest::newRow("negative size")
        << FontField::Size << -3 << with([](LogFont &f) { f.height = 0; });
}

void LogFontTest::withField()
{
    QFETCH(FontField, field);
    QFETCH(int, value);
    QFETCH(LogFont, expected);
    QVERIFY(LogFontWithField(CaptionDesignedLogFont(), field, value, 96) == expected);
}

void LogFontTest::withFaceName_data()
{
    QTest::addColumn<std::optional<QString>>("face");
    QTest::addColumn<QByteArray>("stored");
    QTest::newRow("absent") << std::optional<QString>() << kSongTi;
    QTest::newRow("empty") << std::optional<QString>(QString()) << kSongTi;
    QTest::newRow("one byte") << std::optional<QString>(QStringLiteral("A")) << QByteArray("A");
    QTest::newRow("31 bytes") << std::optional<QString>(QString(31, QLatin1Char('x')))
                              << QByteArray(31, 'x');
    QTest::newRow("32 bytes") << std::optional<QString>(QString(32, QLatin1Char('x'))) << kSongTi;
    QTest::newRow("Chinese") << std::optional<QString>(QStringLiteral("微软雅黑"))
                             << QByteArray("\xCE\xA2\xC8\xED\xD1\xC5\xBA\xDA");
}

void LogFontTest::withFaceName()
{
    QFETCH(std::optional<QString>, face);
    QFETCH(QByteArray, stored);
    LogFont expected = CaptionDesignedLogFont();
    expected.faceName = stored;
    QVERIFY(LogFontWithFaceName(CaptionDesignedLogFont(), face) == expected);
}

QTEST_APPLESS_MAIN(LogFontTest)
#include "tst_caption_log_font.moc"
