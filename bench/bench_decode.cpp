// Decoding a template-sized progressive JPEG through DecodePicture against the bare libjpeg-turbo
// decode of the same bytes. BM_DecodeRatio interleaves the two so that both see the same machine
// state and reports ours / bare as the counter "ratio"; the bar is 1.2.

#include "BareJpeg.h"
#include "canvas/decode/PictureDecoder.h"

#include <QBuffer>
#include <QImage>
#include <QImageWriter>
#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

#include <benchmark/benchmark.h>

#include <chrono>
#include <csetjmp>
#include <cstdio>
#include <vector>

#include <jpeglib.h>

namespace {

// About what a template is: 234 × 234, drawn shapes and gradients, progressive, ~30 KB.
const QByteArray &TemplateJpeg()
{
    static const QByteArray bytes = [] {
        QImage image(234, 234, QImage::Format_RGB32);
        QPainter p(&image);
        QLinearGradient background(0, 0, 234, 234);
        background.setColorAt(0, QColor(250, 240, 220));
        background.setColorAt(1, QColor(90, 140, 200));
        p.fillRect(image.rect(), background);
        p.setRenderHint(QPainter::Antialiasing);
        for (int i = 0; i < 40; ++i) {
            QRadialGradient blob(QPointF((i * 53) % 234, (i * 97) % 234), 10 + i % 30);
            blob.setColorAt(0, QColor::fromHsv((i * 37) % 360, 200, 240));
            blob.setColorAt(1, QColor::fromHsv((i * 71) % 360, 120, 60, 0));
            p.setBrush(blob);
            p.setPen(QPen(Qt::black, 1 + i % 3));
            p.drawEllipse(QPointF((i * 53) % 234, (i * 97) % 234), 10 + i % 30, 8 + i % 25);
        }
        p.end();
        QByteArray out;
        QBuffer buffer(&out);
        buffer.open(QIODevice::WriteOnly);
        QImageWriter writer(&buffer, "jpeg");
        writer.setQuality(95);
        writer.setProgressiveScanWrite(true);
        writer.write(image);
        return out;
    }();
    return bytes;
}

void BM_DecodePicture(benchmark::State &state)
{
    const QByteArray &data = TemplateJpeg();
    for (auto _ : state) {
        auto picture = mimora::DecodePicture(data);
        if (!picture)
            state.SkipWithError("DecodePicture refused the template");
        benchmark::DoNotOptimize(picture);
    }
    state.counters["bytes"] = double(data.size());
}
BENCHMARK(BM_DecodePicture);

void BM_BareLibjpeg(benchmark::State &state)
{
    const QByteArray &data = TemplateJpeg();
    std::vector<JSAMPLE> pixels;
    for (auto _ : state) {
        if (!BareJpegDecode(data, pixels))
            state.SkipWithError("libjpeg refused the template");
        benchmark::DoNotOptimize(pixels.data());
    }
}
BENCHMARK(BM_BareLibjpeg);

void BM_DecodeRatio(benchmark::State &state)
{
    using Clock = std::chrono::steady_clock;
    const QByteArray &data = TemplateJpeg();
    std::vector<JSAMPLE> pixels;
    Clock::duration ours{}, bare{};
    for (auto _ : state) {
        const auto t0 = Clock::now();
        auto picture = mimora::DecodePicture(data);
        const auto t1 = Clock::now();
        BareJpegDecode(data, pixels);
        const auto t2 = Clock::now();
        benchmark::DoNotOptimize(picture);
        benchmark::DoNotOptimize(pixels.data());
        ours += t1 - t0;
        bare += t2 - t1;
    }
    state.counters["ratio"] = double(ours.count()) / double(bare.count());
    state.counters["ours_us"] =
        std::chrono::duration<double, std::micro>(ours).count() / double(state.iterations());
    state.counters["bare_us"] =
        std::chrono::duration<double, std::micro>(bare).count() / double(state.iterations());
}
BENCHMARK(BM_DecodeRatio)->MinTime(2.0);

} // namespace

BENCHMARK_MAIN();
