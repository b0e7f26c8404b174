// The canvas's costs, each as a ratio against a baseline measured in the same run:
// choosing a template (decode + first paint) against the bare libjpeg decode, one paint
// of a huge photo's exposed region against a canvas of that region's size, and one
// caption drag step over a huge photo against the same over a small canvas.
#include "BareJpeg.h"
#include "RatioTimer.h"

#include "app/CanvasHandlers.h"
#include "app/ListBox.h"
#include "app/MainWindow.h"
#include "app/ProgramGlobals.h"
#include "canvas/CanvasView.h"
#include "canvas/templates/TemplateCatalogue.h"
#include "caption/CaptionDragger.h"
#include "caption/CaptionLabel.h"

#include <QApplication>
#include <QBuffer>
#include <QPainter>
#include <QTemporaryDir>
#include <QWindow>

namespace {

QImage Photo(int width, int height)
{
    QImage photo(width, height, QImage::Format_RGB32);
    QPainter p(&photo);
    QLinearGradient g(0, 0, width, height);
    g.setColorAt(0, QColor(30, 90, 200));
    g.setColorAt(1, QColor(240, 200, 40));
    p.fillRect(photo.rect(), g);
    for (int i = 0; i < 200; ++i)
        p.fillRect((i * 97) % width, (i * 53) % height, 60, 40,
                   QColor::fromHsv(i * 7 % 360, 200, 220));
    return photo;
}

QByteArray Jpeg(const QImage &image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    image.save(&buffer, "JPEG", 90);
    return bytes;
}

void BM_TemplateChoice(benchmark::State &state)
{
    const QByteArray data = mimora::TemplatePicture(0);
    std::vector<JSAMPLE> pixels;
    QImage frame(234, 234, QImage::Format_ARGB32_Premultiplied);
    RatioTimer timer;
    for (auto _ : state) {
        timer.ours([&] {
            mimora::CanvasView canvas;
            canvas.setStretched(true);
            canvas.setPicture(mimora::TemplatePicture(0));
            canvas.setWidth(234);
            canvas.setHeight(234);
            canvas.render(&frame);
        });
        timer.baseline([&] { BareJpegDecode(data, pixels); });
    }
    timer.report(state, 2.0);
}
BENCHMARK(BM_TemplateChoice)->MinTime(2.0);

void BM_PaintExposedRegion(benchmark::State &state)
{
    const QByteArray big = Jpeg(Photo(4000, 3000));
    const QByteArray small = Jpeg(Photo(379, 384));
    mimora::CanvasView huge;
    huge.setStretched(true);
    huge.setPicture(big);
    huge.setWidth(4000);
    huge.setHeight(3000);
    mimora::CanvasView plain;
    plain.setStretched(true);
    plain.setPicture(small);
    plain.setWidth(379);
    plain.setHeight(384);
    QImage target(379, 384, QImage::Format_ARGB32_Premultiplied);
    RatioTimer timer;
    for (auto _ : state) {
        timer.ours([&] {
            QPainter p(&target);
            huge.render(&p, QPoint(), QRegion(1800, 1300, 379, 384));
        });
        timer.baseline([&] {
            QPainter p(&target);
            plain.render(&p);
        });
    }
    timer.report(state, 1.5);
}
BENCHMARK(BM_PaintExposedRegion)->MinTime(2.0);

// A main window with a photo of the given size dropped onto the canvas and a caption
// drag under way. The offscreen platform stops painting a window that another one
// covers, so only one scene is shown at a time.
struct DragScene
{
    DragScene(QSize photoSize, const QString &path)
    {
        mimora::CreateGlobals(globals);
        window = std::make_unique<mimora::MainWindow>(globals);
        window->InitMainWindow();
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(Jpeg(Photo(photoSize.width(), photoSize.height())));
        file.close();
        mimora::LoadDroppedPhoto(window->controls(), {path});
        dragger = std::make_unique<mimora::CaptionDragger>(
            globals.dragState, window->controls().caption, window.get());
    }

    void show()
    {
        window->show();
        while (!window->windowHandle() || !window->windowHandle()->isExposed())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
        QCoreApplication::processEvents();
        dragger->begin(10, 10);
    }

    void hide()
    {
        dragger->end();
        window->hide();
        QCoreApplication::processEvents();
    }

    void step()
    {
        // Painted here and now: exactly the area the caption left and the area it covers.
        QWidget *caption = window->controls().caption;
        const QRect before = caption->geometry();
        m_x = m_x == 120 ? 140 : 120;
        dragger->track(m_x, 150);
        window->repaint(QRegion(before) + caption->geometry());
    }

    mimora::ProgramGlobals globals;
    std::unique_ptr<mimora::MainWindow> window;
    std::unique_ptr<mimora::CaptionDragger> dragger;
    int m_x = 120;
};

void BM_DragStep(benchmark::State &state)
{
    constexpr int kSteps = 200;
    QTemporaryDir dir;
    DragScene huge(QSize(4000, 3000), dir.filePath("huge.jpg"));
    DragScene plain(QSize(379, 384), dir.filePath("plain.jpg"));
    RatioTimer timer;
    for (auto _ : state) {
        state.PauseTiming();
        huge.show();
        state.ResumeTiming();
        timer.ours([&] {
            for (int i = 0; i < kSteps; ++i)
                huge.step();
        });
        state.PauseTiming();
        huge.hide();
        plain.show();
        state.ResumeTiming();
        timer.baseline([&] {
            for (int i = 0; i < kSteps; ++i)
                plain.step();
        });
        state.PauseTiming();
        plain.hide();
        state.ResumeTiming();
    }
    timer.report(state, 1.5);
}
BENCHMARK(BM_DragStep)->MinTime(2.0);

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
