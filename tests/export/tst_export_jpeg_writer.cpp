#include "JpegChecks.h"
#include "PatternStripSource.h"
#include "export/ImageStripSource.h"
#include "export/JpegWriter.h"

#include <QTemporaryFile>
#include <QtTest>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace mimora;

namespace {

QImage Picture(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, PatternStripSource::pixel(x, y));
    return image;
}

QByteArray Encode(StripSource &source, bool *ok)
{
    QTemporaryFile file;
    *ok = file.open();
    if (!*ok)
        return {};
    *ok = JpegWriter().write(source, file.handle());
    file.seek(0);
    return file.readAll();
}

} // namespace

class TestJpegWriter : public QObject
{
    Q_OBJECT
private slots:
    void baseline444CloseToSource_data();
    void baseline444CloseToSource();
    void writeErrorIsReported();
    void emptyPictureWritesNothing();
    void hugeCanvasKeepsMemoryBounded();
};

void TestJpegWriter::baseline444CloseToSource_data()
{
    QTest::addColumn<QSize>("size");
    QTest::newRow("379 x 384") << QSize(379, 384);
    QTest::newRow("1 x 1") << QSize(1, 1);
    QTest::newRow("odd, several strips") << QSize(4001, 1111);
}

void TestJpegWriter::baseline444CloseToSource()
{
    QFETCH(QSize, size);
    QImage source = Picture(size.width(), size.height());
    // Saturated text-like strokes: these bleed when chroma is subsampled.
    for (int y = size.height() / 3; y < size.height() / 3 + 3 && y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            source.setPixel(x, y, qRgb(230, 10, 10));
    ImageStripSource strips(source);
    bool ok = false;
    const QByteArray jpeg = Encode(strips, &ok);
    QVERIFY(ok);
    QVERIFY(IsBaseline444(jpeg, size));

    const QImage decoded = QImage::fromData(jpeg, "JPEG");
    QCOMPARE(decoded.size(), size);
    const PixelDifference d = Compare(decoded, source);
    QVERIFY2(d.mean < 1.5 && d.max < 40,
             qPrintable(QStringLiteral("mean %1, max %2").arg(d.mean).arg(d.max)));
}

void TestJpegWriter::writeErrorIsReported()
{
    // /dev/full fails every write with ENOSPC, as a full disk does.
    const int fd = ::open("/dev/full", O_WRONLY | O_CLOEXEC);
    if (fd < 0)
        QSKIP("/dev/full is not available here");
    PatternStripSource source(QSize(800, 600));
    JpegWriter writer;
    QVERIFY(!writer.write(source, fd));
    QVERIFY2(writer.errorString().contains(QLatin1String("space")),
             qPrintable(writer.errorString()));
    ::close(fd);
}

void TestJpegWriter::emptyPictureWritesNothing()
{
    QTemporaryFile file;
    QVERIFY(file.open());
    PatternStripSource source(QSize(0, 10));
    QVERIFY(!JpegWriter().write(source, file.handle()));
    QCOMPARE(file.size(), 0);
    QVERIFY(source.strips().isEmpty());
}

void TestJpegWriter::hugeCanvasKeepsMemoryBounded()
{
    // The widest canvas, tall enough that holding its pixels whole (783 MB as 32-bit
    // pixels, 587 MB as 24-bit) would break the 512 MiB bar. Encoded in a child process
    // so that its peak memory is its own.
    const QSize size(32627, 6000);
    const pid_t child = ::fork();
    QVERIFY(child >= 0);
    if (child == 0) {
        const int fd = ::open("/dev/null", O_WRONLY);
        PatternStripSource source(size);
        ::_exit(fd >= 0 && JpegWriter().write(source, fd) ? 0 : 1);
    }
    int status = 0;
    rusage usage{};
    QCOMPARE(::wait4(child, &status, 0, &usage), child);
    QVERIFY(WIFEXITED(status));
    QCOMPARE(WEXITSTATUS(status), 0);
    const long long peakMiB = usage.ru_maxrss / 1024;
    qInfo("peak memory of a %d x %d save: %lld MiB", size.width(), size.height(), peakMiB);
    QVERIFY2(peakMiB < 512, qPrintable(QString::number(peakMiB)));
}

QTEST_GUILESS_MAIN(TestJpegWriter)
#include "tst_export_jpeg_writer.moc"
