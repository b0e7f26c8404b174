#include "CorpusTest.h"

#include "TestData.h"
#include "canvas/decode/PictureDecoder.h"

#include <QDirIterator>
#include <QElapsedTimer>
#include <QTest>

namespace mimora {

void CorpusTest::manifestCoversCorpus()
{
    const std::vector<ManifestRow> rows = ReadManifest();
    QVERIFY2(rows.size() > 200, "manifest not found or not parsed");
    QStringList listed;
    for (const ManifestRow &r : rows)
        listed << r.file;
    QDirIterator it(TestDataDir(), QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = QDir(TestDataDir()).relativeFilePath(it.next());
        if (path != QLatin1String("README.md"))
            QVERIFY2(listed.contains(path), qPrintable(path + " is not in the manifest"));
    }
}

void CorpusTest::corpusFile_data()
{
    QTest::addColumn<QString>("validity");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("frames");
    for (const ManifestRow &r : ReadManifest())
        QTest::newRow(qPrintable(r.file)) << r.validity << r.size << r.frames;
}

void CorpusTest::corpusFile()
{
    QFETCH(QString, validity);
    QFETCH(QSize, size);
    QFETCH(int, frames);
    const QByteArray data = ReadTestFile(QString::fromUtf8(QTest::currentDataTag()));
    QVERIFY(!data.isEmpty() || QString::fromUtf8(QTest::currentDataTag()).contains("empty"));

    const std::optional<DecodedPicture> picture = DecodePicture(data);
    if (validity == QLatin1String("invalid")) {
        QVERIFY2(!picture, "a malformed file was shown");
        return;
    }
    if (validity == QLatin1String("edge") && !picture)
        return; // refusing an unusual file cleanly is fine
    QVERIFY(picture);
    QCOMPARE(picture->size, size);
    QCOMPARE(int(picture->frames.size()), frames);
    for (const PictureFrame &frame : picture->frames) {
        QCOMPARE(frame.image.size(), size);
        QCOMPARE(frame.image.format(), QImage::Format_ARGB32_Premultiplied);
    }
}

void CorpusTest::pixelLimitFromHeader_data()
{
    QTest::addColumn<QString>("file");
    QTest::newRow("jpeg") << "jpeg/wuffs-peacock.progressive.jpeg";
    QTest::newRow("png") << "png/wuffs-hippopotamus.interlaced.png";
    QTest::newRow("gif") << "gif/wuffs-muybridge.gif";
    QTest::newRow("bmp") << "bmp/wuffs-hippopotamus.bmp";
    QTest::newRow("bmp os/2") << "bmp/bmpsuite-g-pal8os2.bmp";
    QTest::newRow("ico bitmap") << "ico/wuffs-hippopotamus.regular.ico";
    QTest::newRow("ico png") << "ico/imagers-png-32bpp-alpha.ico";
    QTest::newRow("cur") << "cur/gen-hippopotamus-32bpp.cur";
    QTest::newRow("pcx 8-bit") << "pcx/gen-hippopotamus-8bit.pcx";
    QTest::newRow("pcx 1-bit") << "pcx/gen-pjw-1bit.pcx";
}

// The same file decodes with a limit of exactly its pixel count and is refused one pixel below:
// each format measures its header against the limit.
void CorpusTest::pixelLimitFromHeader()
{
    QFETCH(QString, file);
    const QByteArray data = ReadTestFile(file);
    const std::optional<DecodedPicture> full = DecodePicture(data);
    QVERIFY(full);
    DecodeLimits limits;
    limits.maxPixels = qint64(full->size.width()) * full->size.height();
    QVERIFY(DecodePicture(data, limits));
    limits.maxPixels -= 1;
    QVERIFY(!DecodePicture(data, limits));
}

void CorpusTest::bombsRefusedQuickly_data()
{
    QTest::addColumn<QString>("file");
    for (const char *f : {"bad/gen-jpeg-huge-dims.jpeg", "bad/gen-png-huge-dims.png",
                          "bad/gen-pcx-huge-dims.pcx", "bad/gen-gif-huge-canvas.gif",
                          "bad/gen-bmp-rle8-huge-height.bmp", "bad/bmpsuite-b-reallybig.bmp",
                          "bad/gen-ico-size-huge.ico", "bad/gen-ico-count-65535.ico",
                          "bad/libpng-huge_tEXt_chunk.png", "bad/libpng-huge_zTXt_chunk.png",
                          "bad/libpng-huge_iCCP_chunk.png", "bad/libpng-huge_IDAT.png"})
        QTest::newRow(f) << QString::fromLatin1(f);
}

// Declared sizes of up to 3,000,000 × 2,000,000, or chunk lengths of up to 2 GiB, must be refused
// from the header: allocating and filling that much memory would take far longer than this.
void CorpusTest::bombsRefusedQuickly()
{
    QFETCH(QString, file);
    const QByteArray data = ReadTestFile(file);
    QVERIFY(!data.isEmpty());
    QElapsedTimer timer;
    timer.start();
    QVERIFY(!DecodePicture(data));
    QVERIFY2(timer.elapsed() < 200, qPrintable(QString::number(timer.elapsed()) + " ms"));
}

} // namespace mimora
