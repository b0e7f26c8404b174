// Reading numbers from the size edit boxes: the number rule and the slider position from it.
#include "caption/TextToNumber.h"

#include <QtTest>

#include <limits>

using namespace mimora;

class TextToNumberTest : public QObject
{
    Q_OBJECT
private slots:
    void fromText_data();
    void fromText();
    void fromGbkBytes_data();
    void fromGbkBytes();
    void positionFromNumber_data();
    void positionFromNumber();
};

void TextToNumberTest::fromText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("number");
    QTest::addColumn<int>("position");
    const double inf = std::numeric_limits<double>::infinity();

    QTest::newRow("letters") << QStringLiteral("abc") << 0.0 << 0;
    QTest::newRow("empty") << QString() << 0.0 << 0;
    QTest::newRow("negative") << QStringLiteral("-5") << -5.0 << -5;
    QTest::newRow("above the slider") << QStringLiteral("600") << 600.0 << 600;
    QTest::newRow("full-width digits") << QStringLiteral("１２０") << 120.0 << 120;
    QTest::newRow("fraction truncated") << QStringLiteral("12.9") << 12.9 << 12;
    QTest::newRow("negative fraction toward zero") << QStringLiteral("-12.9") << -12.9 << -12;
    QTest::newRow("spaces then unit") << QStringLiteral("  42px") << 42.0 << 42;
    QTest::newRow("all white space") << QStringLiteral("\t\n\v\f\r 8") << 8.0 << 8;
    QTest::newRow("ideographic space") << QStringLiteral("\u3000４２") << 42.0 << 42;
    QTest::newRow("e exponent") << QStringLiteral("1e2") << 100.0 << 100;
    QTest::newRow("d exponent") << QStringLiteral("1d2") << 100.0 << 100;
    QTest::newRow("D exponent, negative") << QStringLiteral("25D-1") << 2.5 << 2;
    QTest::newRow("E exponent, plus") << QStringLiteral("3E+1") << 30.0 << 30;
    QTest::newRow("full-width exponent") << QStringLiteral("１ｅ２") << 100.0 << 100;
    QTest::newRow("full-width minus, point") << QStringLiteral("－３．５") << -3.5 << -3;
    QTest::newRow("full-width plus") << QStringLiteral("＋７") << 7.0 << 7;
    QTest::newRow("wraps past 32 bits") << QStringLiteral("3000000000") << 3e9 << -1294967296;
    QTest::newRow("wraps to small") << QStringLiteral("4294967297") << 4294967297.0 << 1;
    QTest::newRow("point first") << QStringLiteral(".5") << 0.5 << 0;
    QTest::newRow("point last") << QStringLiteral("5.") << 5.0 << 5;
    QTest::newRow("second point stops") << QStringLiteral("1.2.3") << 1.2 << 1;
    QTest::newRow("lone point") << QStringLiteral(".") << 0.0 << 0;
    QTest::newRow("lone sign") << QStringLiteral("-") << 0.0 << 0;
    QTest::newRow("two signs") << QStringLiteral("+-3") << 0.0 << 0;
    QTest::newRow("exponent without digits") << QStringLiteral("1e") << 1.0 << 1;
    QTest::newRow("exponent sign without digits") << QStringLiteral("1e+") << 1.0 << 1;
    QTest::newRow("exponent without mantissa") << QStringLiteral("e5") << 0.0 << 0;
    QTest::newRow("no hexadecimal") << QStringLiteral("0x10") << 0.0 << 0;
    QTest::newRow("no infinity word") << QStringLiteral("inf") << 0.0 << 0;
    QTest::newRow("no nan word") << QStringLiteral("nan") << 0.0 << 0;
    QTest::newRow("no separators") << QStringLiteral("1,000") << 1.0 << 1;
    QTest::newRow("space inside stops") << QStringLiteral("12 34") << 12.0 << 12;
    QTest::newRow("wave dash is no digit") << QStringLiteral("～5") << 0.0 << 0;
    QTest::newRow("outside GBK after digits") << QStringLiteral("5\U0001F600") << 5.0 << 5;
    QTest::newRow("outside GBK before digits") << QStringLiteral("\U0001F6005") << 0.0 << 0;
    QTest::newRow("overflow is infinite") << QStringLiteral("1e400") << inf << 0;
    QTest::newRow("underflow is zero") << QStringLiteral("1e-400") << 0.0 << 0;
}

void TextToNumberTest::fromText()
{
    QFETCH(QString, text);
    QFETCH(double, number);
    QFETCH(int, position);
    QCOMPARE(TextToNumber(text), number);
    QCOMPARE(SliderPositionFromText(text), position);
}

void TextToNumberTest::fromGbkBytes_data()
{
    QTest::addColumn<QByteArray>("gbk");
    QTest::addColumn<double>("number");
    QTest::newRow("lone trailing lead byte dropped") << QByteArray("12\xA3") << 12.0;
    QTest::newRow("only a lead byte") << QByteArray("\xA3") << 0.0;
    QTest::newRow("full-width after a lone lead")
        << QByteArray("\xA3\xB1\xA3\xB2\xA3\xB3") << 123.0;
    QTest::newRow("A3 with a low second byte is kept") << QByteArray("\xA3\xA0"
                                                                     "5")
                                                       << 0.0;
    QTest::newRow("second byte is never a digit") << QByteArray("\x81"
                                                                "56")
                                                  << 0.0;
    QTest::newRow("A1A1 is a space") << QByteArray("\xA1\xA1"
                                                   "7")
                                     << 7.0;
    QTest::newRow("A1EE is a star") << QByteArray("\xA1\xEE"
                                                  "7")
                                    << 0.0;
    QTest::newRow("stars after digits") << QByteArray("7\xA1\xEF") << 7.0;
}

void TextToNumberTest::fromGbkBytes()
{
    QFETCH(QByteArray, gbk);
    QFETCH(double, number);
    QCOMPARE(TextToNumberGbk(gbk), number);
}

void TextToNumberTest::positionFromNumber_data()
{
    QTest::addColumn<double>("number");
    QTest::addColumn<int>("position");
    QTest::newRow("2^31 wraps to the minimum") << 2147483648.0 << std::numeric_limits<int>::min();
    QTest::newRow("-2^31 - 1 wraps to the maximum")
        << -2147483649.0 << std::numeric_limits<int>::max();
    QTest::newRow("2^32 + 5.5") << 4294967301.5 << 5;
    QTest::newRow("-2^63 is in range") << -9223372036854775808.0 << 0;
    QTest::newRow("2^63 is out of range") << 9223372036854775808.0 << 0;
    QTest::newRow("2^64 is out of range") << 18446744073709551616.0 << 0;
    QTest::newRow("minus infinity") << -std::numeric_limits<double>::infinity() << 0;
    QTest::newRow("nan") << std::numeric_limits<double>::quiet_NaN() << 0;
    QTest::newRow("2^63 - 1024, the largest in range") << 9223372036854774784.0 << -1024;
}

void TextToNumberTest::positionFromNumber()
{
    QFETCH(double, number);
    QFETCH(int, position);
    QCOMPARE(SliderPositionFromNumber(number), position);
}

QTEST_APPLESS_MAIN(TextToNumberTest)
#include "tst_caption_text_to_number.moc"
