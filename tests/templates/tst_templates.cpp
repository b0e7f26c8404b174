#include "canvas/decode/PictureDecoder.h"
#include "canvas/templates/TemplateCatalogue.h"

#include <QFile>
#include <QResource>
#include <QTest>

#include <climits>
#include <optional>

using namespace mimora;

namespace {

struct FrameHeader
{
    int width = 0;
    int height = 0;
    int components = 0;
    bool progressive = false;
};

// Walks the marker segments up to the first start-of-frame; refuses anything malformed so a
// broken picture cannot pass as the right size.
std::optional<FrameHeader> ReadFrameHeader(const QByteArray &jpeg)
{
    const auto byte = [&](qsizetype at) { return int(uchar(jpeg.at(at))); };
    if (jpeg.size() < 4 || byte(0) != 0xFF || byte(1) != 0xD8)
        return std::nullopt;
    qsizetype at = 2;
    while (at + 4 <= jpeg.size()) {
        if (byte(at) != 0xFF)
            return std::nullopt;
        while (at < jpeg.size() && byte(at) == 0xFF)
            ++at; // fill bytes
        if (at + 3 > jpeg.size())
            return std::nullopt;
        const int marker = byte(at);
        const int length = byte(at + 1) << 8 | byte(at + 2);
        if (length < 2 || at + 1 + length > jpeg.size())
            return std::nullopt;
        const bool isFrame =
            marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
        if (isFrame) {
            if (length < 8)
                return std::nullopt;
            // Only the two kinds the catalogue uses; lossless or arithmetic frames are refused.
            if (marker != 0xC0 && marker != 0xC2)
                return std::nullopt;
            FrameHeader header;
            header.height = byte(at + 4) << 8 | byte(at + 5);
            header.width = byte(at + 6) << 8 | byte(at + 7);
            header.components = byte(at + 8);
            header.progressive = marker == 0xC2;
            return header;
        }
        if (marker == 0xD9 || marker == 0xDA)
            return std::nullopt; // end of picture or scan data before any frame
        at += 1 + length;
    }
    return std::nullopt;
}

struct Expected
{
    const char *listText;
    int storedWidth;
    int storedHeight;
    bool progressive;
    bool grey;
    int displayWidth;
    int displayHeight;
};

constexpr bool P = true;  // progressive
constexpr bool B = false; // baseline
constexpr bool G = true;  // greyscale
constexpr bool C = false; // colour

// The catalogue as the program must ship it.
const Expected kExpected[38] = {
    {"短发1", 234, 234, P, C, 234, 234},    {"短发2", 218, 218, P, C, 218, 218},
    {"熊猫1", 160, 155, P, C, 160, 155},    {"熊猫2", 164, 156, P, C, 164, 156},
    {"熊猫3", 208, 207, P, C, 208, 207},    {"熊猫4", 156, 172, P, C, 156, 172},
    {"熊猫5", 160, 131, P, G, 160, 131},    {"熊猫6", 133, 139, P, C, 133, 139},
    {"斯巴达1", 154, 172, P, C, 154, 172},  {"懵逼狗", 264, 237, P, C, 264, 237},
    {"Tarvik", 287, 213, P, C, 287, 213},   {"Olmesh", 347, 231, P, C, 347, 231},
    {"黑人问号", 225, 225, B, C, 225, 225}, {"马杀鸡", 198, 197, P, C, 198, 197},
    {"小屁孩", 198, 198, B, C, 198, 198},   {"蠢猫1", 266, 266, P, C, 265, 265},
    {"蠢猫2", 264, 265, P, C, 265, 265},    {"蘑菇头1", 290, 265, B, C, 290, 265},
    {"蘑菇头2", 206, 206, B, C, 206, 206},  {"蘑菇头3", 208, 210, B, C, 208, 210},
    {"蘑菇头4", 220, 220, B, C, 220, 220},  {"蘑菇头5", 220, 220, B, C, 220, 220},
    {"女生1", 220, 220, B, C, 220, 220},    {"女生2", 220, 220, B, C, 220, 220},
    {"挑衅", 198, 198, B, C, 198, 198},     {"蘑菇头6", 171, 163, B, C, 258, 253},
    {"蘑菇头7", 258, 253, P, C, 171, 163},  {"熊猫头1", 400, 400, P, C, 400, 400},
    {"熊猫头2", 182, 198, P, C, 182, 198},  {"女生3", 300, 300, P, C, 300, 300},
    {"蘑菇头8", 186, 198, P, C, 186, 198},  {"蘑菇头9", 198, 175, P, C, 198, 175},
    {"理直气壮", 198, 193, P, G, 198, 193}, {"蘑菇头10", 125, 174, P, C, 125, 174},
    {"打脸", 205, 177, P, C, 205, 177},     {"蘑菇头11", 300, 300, P, C, 300, 300},
    {"熊猫头3", 300, 300, P, C, 300, 300},  {"茫然", 198, 187, P, C, 198, 187},
};

} // namespace

class TestTemplates : public QObject
{
    Q_OBJECT

private slots:
    void entry_data();
    void entry();
    void indexOutsideCatalogueGivesNoPicture_data();
    void indexOutsideCatalogueGivesNoPicture();
    void toolTableMatchesCatalogue();
    void frameHeaderReaderRefusesBrokenFiles_data();
    void frameHeaderReaderRefusesBrokenFiles();
};

void TestTemplates::entry_data()
{
    QTest::addColumn<int>("index");
    for (int i = 0; i < 38; ++i)
        QTest::addRow("%d %s", i, kExpected[i].listText) << i;
}

void TestTemplates::entry()
{
    QFETCH(int, index);
    const Expected &want = kExpected[index];
    const TemplateEntry &got = TemplateCatalogue()[index];

    QCOMPARE(got.index, index);
    QCOMPARE(got.listText, QString::fromUtf8(want.listText));
    QCOMPARE(got.displayWidth, want.displayWidth);
    QCOMPARE(got.displayHeight, want.displayHeight);

    // Read through the resource system from a separate executable: proves the pictures inside
    // the static core library really reach programs linked against it.
    QFile file(got.picturePath);
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(got.picturePath));
    const QByteArray picture = TemplatePicture(index);
    QCOMPARE(picture, file.readAll());
    // Choosing a template must not copy its picture: the resource is stored uncompressed.
    QCOMPARE(picture.constData(),
             reinterpret_cast<const char *>(QResource(got.picturePath).data()));

    const std::optional<FrameHeader> header = ReadFrameHeader(picture);
    QVERIFY(header);
    QCOMPARE(header->width, want.storedWidth);
    QCOMPARE(header->height, want.storedHeight);
    QCOMPARE(header->progressive, want.progressive);
    QCOMPARE(header->components, want.grey ? 1 : 3);

    // The canvas must be able to show it: the embedded pictures are never allowed to fail.
    const std::optional<DecodedPicture> decoded = DecodePicture(picture);
    QVERIFY(decoded);
    QCOMPARE(decoded->size, QSize(want.storedWidth, want.storedHeight));
    QCOMPARE(decoded->frames.size(), size_t(1));
}

void TestTemplates::indexOutsideCatalogueGivesNoPicture_data()
{
    QTest::addColumn<int>("index");
    QTest::newRow("-1") << -1;
    QTest::newRow("38") << 38;
    QTest::newRow("INT_MIN") << INT_MIN;
    QTest::newRow("INT_MAX") << INT_MAX;
}

void TestTemplates::indexOutsideCatalogueGivesNoPicture()
{
    QFETCH(int, index);
    QVERIFY(TemplatePicture(index).isEmpty());
}

void TestTemplates::toolTableMatchesCatalogue()
{
    QFile file(QStringLiteral(MIMORA_TEMPLATE_KINDS));
    QVERIFY(file.open(QIODevice::ReadOnly | QIODevice::Text));
    int rows = 0;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        const QStringList f = line.split(u' ', Qt::SkipEmptyParts);
        QCOMPARE(f.size(), 5);
        QCOMPARE(f[0].toInt(), rows);
        const Expected &want = kExpected[rows];
        QCOMPARE(f[1].toInt(), want.storedWidth);
        QCOMPARE(f[2].toInt(), want.storedHeight);
        QCOMPARE(f[3], want.progressive ? u"progressive" : u"baseline");
        QCOMPARE(f[4], want.grey ? u"grey" : u"colour");
        ++rows;
    }
    QCOMPARE(rows, 38);
}

void TestTemplates::frameHeaderReaderRefusesBrokenFiles_data()
{
    QTest::addColumn<QByteArray>("bytes");
    const QByteArray good = TemplatePicture(0);
    const qsizetype sof = good.indexOf("\xFF\xC2");
    QVERIFY(sof > 0);
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("not a JPEG") << QByteArray("\x89PNG\r\n\x1a\n", 8);
    QTest::newRow("cut inside the frame header") << good.left(sof + 5);
    QTest::newRow("cut before the frame") << good.left(sof);
    QTest::newRow("lossless frame") << QByteArray(good).replace(sof + 1, 1, "\xC3");
}

// The checks above lean on this reader, so it must not accept what is not a frame header.
void TestTemplates::frameHeaderReaderRefusesBrokenFiles()
{
    QFETCH(QByteArray, bytes);
    QVERIFY(!ReadFrameHeader(bytes));
}

QTEST_GUILESS_MAIN(TestTemplates)
#include "tst_templates.moc"
