// Saving, as a ratio against the bare library encoding the same pixels into a file in the
// same folder, and, with
// --huge FOLDER, one save of a 32627 × 32627 canvas (run under /usr/bin/time for its peak
// memory).
#include "BareJpeg.h"
#include "RatioTimer.h"

#include "canvas/CanvasView.h"
#include "canvas/Geometry.h"
#include "canvas/templates/TemplateCatalogue.h"
#include "caption/CaptionLabel.h"
#include "export/SaveToFolder.h"
#include "export/WidgetStripSource.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QPainter>

#include <cstdio>
#include <cstdlib>

namespace {

// The canvas and caption as the window has them, in a parent of their own.
struct Scene
{
    explicit Scene(int side)
    {
        canvas = new mimora::CanvasView(&parent);
        caption = new mimora::CaptionLabel(&parent);
        canvas->setStretched(true);
        canvas->setPicture(mimora::TemplatePicture(11));
        canvas->setGeometry(5, 16, side == 0 ? 379 : side, side == 0 ? 384 : side);
        caption->setGeometry(40, 100, 168, 24);
        caption->setText(QStringLiteral("这里显示文字,可拖动"));
    }
    QWidget parent;
    mimora::CanvasView *canvas;
    mimora::CaptionLabel *caption;
};

void SaveRatio(benchmark::State &state, const QString &folder)
{
    Scene scene(0);
    QDir().mkpath(folder);
    mimora::WidgetStripSource pixels(scene.canvas, scene.caption);
    const QImage image = pixels.renderStrip(0, 384);
    const QByteArray barePath = QFile::encodeName(folder + QStringLiteral("/bare.jpg"));
    const QDateTime when = QDateTime::currentDateTime();
    RatioTimer timer;
    for (auto _ : state) {
        QString written;
        timer.ours([&] {
            mimora::WidgetStripSource source(scene.canvas, scene.caption);
            written = mimora::SaveToFolder(source, folder, when).filePath;
        });
        timer.baseline([&] { BareJpegEncode(image, barePath.constData()); });
        state.PauseTiming();
        QFile::remove(written);
        QFile::remove(QFile::decodeName(barePath));
        state.ResumeTiming();
    }
    timer.report(state, 1.3);
}

void BM_SaveToMemoryFileSystem(benchmark::State &state)
{
    SaveRatio(state, QStringLiteral("/dev/shm/mimora-bench-save"));
}
BENCHMARK(BM_SaveToMemoryFileSystem)->MinTime(2.0);

void BM_SaveToDisk(benchmark::State &state)
{
    SaveRatio(state, QDir::currentPath() + QStringLiteral("/bench-save"));
}
BENCHMARK(BM_SaveToDisk)->MinTime(2.0);

int SaveHuge(const QString &folder)
{
    Scene scene(mimora::kMaxExtent);
    mimora::WidgetStripSource source(scene.canvas, scene.caption);
    QElapsedTimer clock;
    clock.start();
    const mimora::SaveResult result =
        mimora::SaveToFolder(source, folder, QDateTime::currentDateTime());
    std::printf("huge save: %s in %.1f s (%s)\n", result.ok ? "saved" : "FAILED",
                double(clock.elapsed()) / 1000.0,
                qPrintable(result.ok ? result.filePath : result.error));
    if (result.ok)
        QFile::remove(result.filePath);
    return result.ok ? 0 : 1;
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc == 3 && qstrcmp(argv[1], "--huge") == 0)
        return SaveHuge(QString::fromLocal8Bit(argv[2]));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
