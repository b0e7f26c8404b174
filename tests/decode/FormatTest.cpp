#include "FormatTest.h"

#include "TestData.h"
#include "canvas/decode/PictureDecoder.h"
#include "canvas/decode/PictureFormat.h"

#include <QBuffer>
#include <QImageReader>
#include <QImageWriter>
#include <QPainter>
#include <QTest>

Q_DECLARE_METATYPE(mimora::PictureFormat)

namespace mimora {

namespace {

QByteArray Bytes(std::initializer_list<int> values)
{
    QByteArray out;
    for (int v : values)
        out.append(char(v));
    return out;
}

// A PCX header for a picture of `width` × `height` at (0, 0).
QByteArray PcxHeader(int bitsPerPixel, int width, int height, int bytesPerLine)
{
    QByteArray h(128, '\0');
    h[0] = 0x0A;
    h[1] = 5;
    h[2] = 1;
    h[3] = char(bitsPerPixel);
    h[8] = char((width - 1) & 0xFF);
    h[9] = char((width - 1) >> 8);
    h[10] = char((height - 1) & 0xFF);
    h[11] = char((height - 1) >> 8);
    h[65] = 1;
    h[66] = char(bytesPerLine & 0xFF);
    h[67] = char(bytesPerLine >> 8);
    return h;
}

// The 256-colour palette trailer with colour i = (i, 255 - i, 7).
QByteArray PcxPalette()
{
    QByteArray p(1, char(0x0C));
    for (int i = 0; i < 256; ++i)
        p += Bytes({i, 255 - i, 7});
    return p;
}

QByteArray EncodeJpeg(const QImage &image)
{
    QByteArray out;
    QBuffer buffer(&out);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setQuality(95);
    writer.write(image);
    return out;
}

// An APP1 segment holding only an EXIF orientation tag, little-endian TIFF.
QByteArray ExifOrientation(int orientation)
{
    const QByteArray tiff = Bytes({'I', 'I', 42, 0, 8, 0,           0, 0, 1, 0, 0x12, 0x01, 3,
                                   0,   1,   0,  0, 0, orientation, 0, 0, 0, 0, 0,    0,    0});
    const QByteArray body = QByteArray("Exif\0\0", 6) + tiff;
    const int length = int(body.size()) + 2;
    return Bytes({0xFF, 0xE1, length >> 8, length & 0xFF}) + body;
}

} // namespace

void FormatTest::recognition_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<PictureFormat>("format");
    const QByteArray pad(10, '\0');
    QTest::newRow("jpeg") << Bytes({0xFF, 0xD8, 0xFF, 0xE0}) + pad << PictureFormat::Jpeg;
    QTest::newRow("bmp") << QByteArray("BM") + pad << PictureFormat::Bmp;
    QTest::newRow("png") << Bytes({0x89, 'P', 'N', 'G'}) + pad << PictureFormat::Png;
    QTest::newRow("gif87a") << QByteArray("GIF87a") + pad << PictureFormat::Gif;
    QTest::newRow("gif89a") << QByteArray("GIF89a") + pad << PictureFormat::Gif;
    QTest::newRow("gif88a") << QByteArray("GIF88a") + pad << PictureFormat::None;
    QTest::newRow("icon") << Bytes({0, 0, 1, 0, 1, 0}) + pad << PictureFormat::Icon;
    QTest::newRow("icon, count high byte") << Bytes({0, 0, 1, 0, 0, 1}) << PictureFormat::Icon;
    QTest::newRow("icon, no images") << Bytes({0, 0, 1, 0, 0, 0}) + pad << PictureFormat::None;
    QTest::newRow("cursor") << Bytes({0, 0, 2, 0, 3, 0}) + pad << PictureFormat::Cursor;
    QTest::newRow("cursor, no images") << Bytes({0, 0, 2, 0, 0, 0}) << PictureFormat::None;
    QTest::newRow("type 3") << Bytes({0, 0, 3, 0, 1, 0}) + pad << PictureFormat::None;
    QTest::newRow("pcx 256, v5") << Bytes({0x0A, 5, 1, 8}) + pad << PictureFormat::Pcx256;
    QTest::newRow("pcx 256, v0") << Bytes({0x0A, 0, 1, 8}) + pad << PictureFormat::Pcx256;
    QTest::newRow("pcx 256, v6") << Bytes({0x0A, 6, 1, 8}) + pad << PictureFormat::None;
    QTest::newRow("pcx 256, raw") << Bytes({0x0A, 5, 0, 8}) + pad << PictureFormat::None;
    QTest::newRow("pcx mono, v3") << Bytes({0x0A, 3, 1, 1}) + pad << PictureFormat::PcxMono;
    QTest::newRow("pcx 4-bit") << Bytes({0x0A, 5, 1, 4}) + pad << PictureFormat::None;
    QTest::newRow("6 bytes is enough") << QByteArray("BM\0\0\0\0", 6) << PictureFormat::Bmp;
    QTest::newRow("5 bytes never") << QByteArray("GIF89") << PictureFormat::None;
    QTest::newRow("5 bytes of jpeg") << Bytes({0xFF, 0xD8, 0xFF, 0xE0, 0}) << PictureFormat::None;
    QTest::newRow("empty") << QByteArray() << PictureFormat::None;
    QTest::newRow("text") << QByteArray("hello, world") << PictureFormat::None;
}

void FormatTest::recognition()
{
    QFETCH(QByteArray, data);
    QFETCH(PictureFormat, format);
    QCOMPARE(RecognisePicture(data), format);
}

void FormatTest::pcxPixels_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QList<QRgb>>("pixels"); // row by row
    const QRgb c3 = qRgb(3, 252, 7), c100 = qRgb(100, 155, 7), c0 = qRgb(0, 255, 7);
    // A run of three (0xC3) carries over from the first line into the second.
    QTest::newRow("8-bit, run across lines")
        << PcxHeader(8, 2, 2, 2) + Bytes({0xC3, 3, 100}) + PcxPalette()
        << QList<QRgb>{c3, c3, c3, c100};
    QTest::newRow("8-bit, literal 0xC0 escaped, padded line")
        << PcxHeader(8, 1, 2, 2) + Bytes({0xC1, 0xC0, 9, 0, 0}) + PcxPalette()
        << QList<QRgb>{qRgb(0xC0, 255 - 0xC0, 7), c0};
    const QRgb w = qRgb(255, 255, 255), k = qRgb(0, 0, 0);
    QTest::newRow("1-bit, set bit is white")
        << PcxHeader(1, 3, 2, 1) + Bytes({0xA0, 0x40}) << QList<QRgb>{w, k, w, k, w, k};
}

void FormatTest::pcxPixels()
{
    QFETCH(QByteArray, data);
    QFETCH(QList<QRgb>, pixels);
    const std::optional<DecodedPicture> picture = DecodePicture(data);
    QVERIFY(picture);
    const QImage &image = picture->frames.front().image;
    QCOMPARE(qsizetype(image.width()) * image.height(), pixels.size());
    for (int i = 0; i < pixels.size(); ++i)
        QCOMPARE(image.pixel(i % image.width(), i / image.width()), pixels[i]);
}

void FormatTest::pcxRefused_data()
{
    QTest::addColumn<QByteArray>("data");
    const QByteArray rows = Bytes({1, 2, 3, 4});
    QTest::newRow("palette marker missing")
        << PcxHeader(8, 2, 2, 2) + rows + PcxPalette().replace(0, 1, "\x0B");
    QTest::newRow("line shorter than width") << PcxHeader(8, 3, 2, 2) + rows + PcxPalette();
    QTest::newRow("run cut short") << PcxHeader(8, 2, 2, 2) + Bytes({1, 2, 3, 0xC2}) + PcxPalette();
    QTest::newRow("two planes") << PcxHeader(8, 2, 2, 2).replace(65, 1, "\x02") + rows +
                                       PcxPalette();
    // 16000 × 16000 from 30 bytes: at most 63 pixels per two bytes, so refused unallocated.
    QTest::newRow("far too little data")
        << PcxHeader(8, 16000, 16000, 16000) + QByteArray(30, char(0xFF)) + PcxPalette();
    QTest::newRow("1-bit line too short")
        << PcxHeader(1, 17, 1, 2).replace(66, 1, "\x01") + Bytes({0, 0, 0});
}

void FormatTest::pcxRefused()
{
    QFETCH(QByteArray, data);
    QVERIFY(RecognisePicture(data) != PictureFormat::None);
    QVERIFY(!DecodePicture(data));
}

void FormatTest::fuzzFinds_data()
{
    QTest::addColumn<QByteArray>("data");
    // A cursor entry of 2^31 × 2^30 pixels at 14,135 bits each: its byte count overflowed.
    QTest::newRow("cursor entry size overflow") << QByteArray::fromBase64(
        "AAACAAEAAQQAAAAAAAAIAAAAFgAAACgAAAABAAA3Nzc3Nzc3Nzc3Nzc3Nzc3NzcACAAAAAEAAQAAAAAAIAAAAMQOAA"
        "DE"
        "DgAAAgAAAAIAAAAAAAAA////AP8AAAAAAAAA/wAAAAAAAAD/AAAA/wAAAAAAAAAAAAAA");
}

void FormatTest::fuzzFinds()
{
    QFETCH(QByteArray, data);
    QVERIFY(RecognisePicture(data) != PictureFormat::None);
    QVERIFY(!DecodePicture(data));
}

void FormatTest::exifOrientationTurnsPixels()
{
    const QByteArray data = ReadTestFile(QStringLiteral("jpeg/pillow-hopper_orientation_6.jpg"));
    QBuffer buffer;
    buffer.setData(data);
    QImageReader stored(&buffer, "jpeg");
    stored.setAutoTransform(false);
    const QImage raw = stored.read().convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QVERIFY(!raw.isNull());

    // Orientation 6: the stored picture is shown turned a quarter clockwise.
    const QImage expected = raw.transformed(QTransform().rotate(90));
    const std::optional<DecodedPicture> picture = DecodePicture(data);
    QVERIFY(picture);
    QVERIFY(picture->frames.front().image != raw);
    QCOMPARE(picture->frames.front().image, expected);
}

void FormatTest::exifOrientationSwapsSize()
{
    QImage image(40, 20, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter(&image).fillRect(0, 0, 10, 20, Qt::red); // a red band on the left
    const QByteArray plain = EncodeJpeg(image);
    QByteArray turned = plain;
    turned.insert(2, ExifOrientation(6));

    const std::optional<DecodedPicture> upright = DecodePicture(plain);
    const std::optional<DecodedPicture> shown = DecodePicture(turned);
    QVERIFY(upright && shown);
    QCOMPARE(upright->size, QSize(40, 20));
    QCOMPARE(shown->size, QSize(20, 40));
    // Turned clockwise, the left band ends up along the top.
    const QColor top = shown->frames.front().image.pixelColor(10, 2);
    const QColor bottom = shown->frames.front().image.pixelColor(10, 37);
    QVERIFY2(top.red() > 200 && top.green() < 60, qPrintable(top.name()));
    QVERIFY2(bottom.green() > 200, qPrintable(bottom.name()));
}

void FormatTest::gifDelays()
{
    // Stored as 10, 20, 30 and 40 hundredths of a second.
    const std::optional<DecodedPicture> redBlue =
        DecodePicture(ReadTestFile(QStringLiteral("gif/wuffs-animated-red-blue.gif")));
    QVERIFY(redBlue && redBlue->isAnimated());
    QList<int> delays;
    for (const PictureFrame &f : redBlue->frames)
        delays << f.delayMs;
    QCOMPARE(delays, (QList<int>{100, 200, 300, 400}));

    // A first delay of 0 would spin; it gets the browsers' 100 ms.
    const std::optional<DecodedPicture> prev =
        DecodePicture(ReadTestFile(QStringLiteral("gif/pillow-dispose_prev.gif")));
    QVERIFY(prev && prev->isAnimated());
    QCOMPARE(prev->frames.front().delayMs, 100);

    const std::optional<DecodedPicture> still =
        DecodePicture(ReadTestFile(QStringLiteral("gif/pillow-hopper.gif")));
    QVERIFY(still && !still->isAnimated());
}

void FormatTest::gifFramesComposedOnScreen()
{
    // Frame 2 covers only (1, 1) to (3, 1) of the 4 × 2 screen, with a transparent index.
    const std::optional<DecodedPicture> picture =
        DecodePicture(ReadTestFile(QStringLiteral("gif/wuffs-transparent-index.gif")));
    QVERIFY(picture);
    QCOMPARE(picture->frames.size(), size_t(2));
    const QImage &first = picture->frames[0].image;
    const QImage &second = picture->frames[1].image;
    QCOMPARE(second.size(), QSize(4, 2));
    for (int x = 0; x < 4; ++x)
        QCOMPARE(second.pixel(x, 0), first.pixel(x, 0)); // outside the frame: kept
    QCOMPARE(second.pixel(0, 1), first.pixel(0, 1));
    bool changed = false, keptThroughTransparency = false;
    for (int x = 1; x < 4; ++x) {
        changed |= second.pixel(x, 1) != first.pixel(x, 1);
        keptThroughTransparency |= second.pixel(x, 1) == first.pixel(x, 1);
    }
    QVERIFY(changed);
    QVERIFY(keptThroughTransparency);
}

void FormatTest::animationMemoryBounded()
{
    const QByteArray data = ReadTestFile(QStringLiteral("gif/wuffs-muybridge.gif")); // 30 × 20
    DecodeLimits limits;
    limits.maxAnimationPixels = 30 * 20 * 4;
    std::optional<DecodedPicture> picture = DecodePicture(data, limits);
    QVERIFY(picture);
    QCOMPARE(picture->frames.size(), size_t(4));

    limits = DecodeLimits{};
    limits.maxFrames = 6;
    picture = DecodePicture(data, limits);
    QVERIFY(picture);
    QCOMPARE(picture->frames.size(), size_t(6));
}

} // namespace mimora
