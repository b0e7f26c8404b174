#include "PatternStripSource.h"
#include "export/CaptureFormat.h"
#include "export/ImageStripSource.h"
#include "export/StripRows.h"

#include <QtTest>

using namespace mimora;

namespace {

quint32 Field(const QByteArray &bytes, int offset, int size)
{
    quint32 value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = (value << 8) | quint8(bytes[offset + i]);
    return value;
}

QImage Noise(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    quint32 state = 12345;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            state = state * 1664525u + 1013904223u;
            image.setPixel(x, y, 0xff000000u | (state >> 8));
        }
    return image;
}

} // namespace

class TestCaptureFormat : public QObject
{
    Q_OBJECT
private slots:
    void header_data();
    void header();
    void pixelsBottomUpInBgr();
    void stripsCoverTallPicture();
    void emptyOrTooLarge_data();
    void emptyOrTooLarge();
    void decodeRefusesWhatItDidNotWrite_data();
    void decodeRefusesWhatItDidNotWrite();
};

void TestCaptureFormat::header_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("stride");
    QTest::newRow("379 x 384") << 379 << 384 << 1140;
    QTest::newRow("1 x 1") << 1 << 1 << 4;
    QTest::newRow("4 x 2, no padding") << 4 << 2 << 12;
    QTest::newRow("2 x 3") << 2 << 3 << 8;
    QTest::newRow("3 x 1") << 3 << 1 << 12;
}

void TestCaptureFormat::header()
{
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(int, stride);
    ImageStripSource source(Noise(width, height));
    const QByteArray bmp = EncodeCapture(source);

    const quint32 imageSize = quint32(stride * height);
    QCOMPARE(bmp.size(), 54 + stride * height);
    QCOMPARE(bmp.left(2), QByteArray("BM"));
    const QList<std::tuple<int, int, quint32>> fields = {{2, 4, 54 + imageSize},
                                                         {6, 2, 0},
                                                         {8, 2, 0},
                                                         {10, 4, 54},
                                                         {14, 4, 40},
                                                         {18, 4, quint32(width)},
                                                         {22, 4, quint32(height)},
                                                         {26, 2, 1},
                                                         {28, 2, 24},
                                                         {30, 4, 0},
                                                         {34, 4, imageSize},
                                                         {38, 4, 0},
                                                         {42, 4, 0},
                                                         {46, 4, 0},
                                                         {50, 4, 0}};
    for (const auto &[offset, size, value] : fields)
        QVERIFY2(Field(bmp, offset, size) == value, qPrintable(QString::number(offset)));
    // Filler bytes are zero, so equal pictures give equal captures.
    for (int row = 0; row < height; ++row)
        for (int i = 3 * width; i < stride; ++i)
            QCOMPARE(bmp[54 + row * stride + i], '\0');
}

void TestCaptureFormat::pixelsBottomUpInBgr()
{
    QImage image(3, 2, QImage::Format_RGB32);
    image.fill(Qt::white);
    image.setPixel(0, 1, qRgb(0x10, 0x20, 0x30)); // bottom-left
    image.setPixel(2, 0, qRgb(0x40, 0x50, 0x60)); // top-right
    ImageStripSource source(image);
    const QByteArray bmp = EncodeCapture(source);
    // Stride 12: the bottom row is stored first.
    QCOMPARE(bmp.mid(54, 3), QByteArray("\x30\x20\x10", 3));
    QCOMPARE(bmp.mid(54 + 12 + 6, 3), QByteArray("\x60\x50\x40", 3));
    QCOMPARE(DecodeCapture(bmp), image);

    const QImage noise = Noise(379, 384);
    ImageStripSource noiseSource(noise);
    QCOMPARE(DecodeCapture(EncodeCapture(noiseSource)), noise);
}

void TestCaptureFormat::stripsCoverTallPicture()
{
    // Wide enough that the picture takes several strips, the last one short.
    const int width = 3000;
    const int height = 2 * StripRows(width) + 17;
    PatternStripSource source(QSize(width, height));
    const QImage decoded = DecodeCapture(EncodeCapture(source));
    QCOMPARE(decoded.size(), QSize(width, height));

    int next = 0;
    for (const QRect &strip : source.strips()) {
        QCOMPARE(strip.top(), next);
        QVERIFY(4LL * strip.width() * strip.height() <= kStripBytes);
        next = strip.bottom() + 1;
    }
    QCOMPARE(next, height);
    QCOMPARE(source.strips().size(), 3);
    for (int y = 0; y < height; ++y)
        for (int x : {0, 1, width / 2, width - 1})
            QCOMPARE(decoded.pixel(x, y), PatternStripSource::pixel(x, y));
}

void TestCaptureFormat::emptyOrTooLarge_data()
{
    QTest::addColumn<QSize>("size");
    QTest::newRow("0 wide") << QSize(0, 384);
    QTest::newRow("0 high") << QSize(379, 0);
    QTest::newRow("just over 2^28 pixels") << QSize(16385, 16384);
}

void TestCaptureFormat::emptyOrTooLarge()
{
    QFETCH(QSize, size);
    PatternStripSource source(size);
    QVERIFY(EncodeCapture(source).isEmpty());
    QVERIFY(source.strips().isEmpty());
}

void TestCaptureFormat::decodeRefusesWhatItDidNotWrite_data()
{
    QTest::addColumn<int>("offset");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("signature") << 0 << QByteArray("BA");
    QTest::newRow("file size") << 2 << QByteArray("\x00\x01", 2);
    QTest::newRow("pixel offset") << 10 << QByteArray("\x36\x01", 2);
    QTest::newRow("info header size") << 14 << QByteArray("\x7c", 1);
    QTest::newRow("top-down height") << 22 << QByteArray("\xfe\xff\xff\xff", 4);
    QTest::newRow("planes") << 26 << QByteArray("\x02", 1);
    QTest::newRow("32 bits") << 28 << QByteArray("\x20", 1);
    QTest::newRow("compressed") << 30 << QByteArray("\x01", 1);
    QTest::newRow("colour table") << 46 << QByteArray("\x01", 1);
    QTest::newRow("truncated") << -1 << QByteArray();
    QTest::newRow("header only") << -54 << QByteArray();
    QTest::newRow("trailing byte") << -2 << QByteArray();
}

void TestCaptureFormat::decodeRefusesWhatItDidNotWrite()
{
    QFETCH(int, offset);
    QFETCH(QByteArray, bytes);
    ImageStripSource source(Noise(3, 2));
    QByteArray bmp = EncodeCapture(source);
    QVERIFY(!DecodeCapture(bmp).isNull());
    if (offset == -1)
        bmp.chop(1);
    else if (offset == -2)
        bmp.append('\0');
    else if (offset == -54)
        bmp.truncate(54);
    else
        bmp.replace(offset, bytes.size(), bytes);
    QVERIFY(DecodeCapture(bmp).isNull());
    QVERIFY(DecodeCapture(QByteArray()).isNull());
}

QTEST_GUILESS_MAIN(TestCaptureFormat)
#include "tst_export_capture_format.moc"
