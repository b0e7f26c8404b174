#include "export/CaptureFormat.h"
#include "export/CopyImageToClipboard.h"
#include "export/ImageStripSource.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QtTest>

using namespace mimora;

namespace {

QImage Picture(QSize size, int seed)
{
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            image.setPixel(x, y, qRgb((x * seed) & 0xff, (y + seed) & 0xff, (x ^ y) & 0xff));
    return image;
}

QByteArray Capture(const QImage &image)
{
    ImageStripSource source(image);
    return EncodeCapture(source);
}

} // namespace

class TestClipboard : public QObject
{
    Q_OBJECT
private slots:
    void copyPutsThePictureOnTheClipboard();
    void refusedCaptureLeavesClipboardAlone_data();
    void refusedCaptureLeavesClipboardAlone();
};

void TestClipboard::copyPutsThePictureOnTheClipboard()
{
    QClipboard *clipboard = QGuiApplication::clipboard();
    const QImage first = Picture(QSize(379, 384), 3);
    QVERIFY(CopyImageToClipboard(Capture(first)));
    QCOMPARE(clipboard->image().convertToFormat(QImage::Format_RGB32), first);

    // A second copy replaces the first.
    const QImage second = Picture(QSize(17, 5), 7);
    QVERIFY(CopyImageToClipboard(Capture(second)));
    QCOMPARE(clipboard->image().convertToFormat(QImage::Format_RGB32), second);
}

void TestClipboard::refusedCaptureLeavesClipboardAlone_data()
{
    QTest::addColumn<QByteArray>("capture");
    QTest::newRow("empty") << QByteArray();
    QByteArray cut = Capture(Picture(QSize(10, 10), 1));
    cut.chop(3);
    QTest::newRow("cut short") << cut;
    QTest::newRow("not a capture") << QByteArray("\x89PNG\r\n\x1a\n", 8);
}

void TestClipboard::refusedCaptureLeavesClipboardAlone()
{
    QFETCH(QByteArray, capture);
    const QImage before = Picture(QSize(6, 4), 5);
    QVERIFY(CopyImageToClipboard(Capture(before)));
    QVERIFY(!CopyImageToClipboard(capture));
    QCOMPARE(QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32), before);
}

QTEST_MAIN(TestClipboard)
#include "tst_export_clipboard.moc"
