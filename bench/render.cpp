// Rendering speed: one player frame of a large gauge, and the expensive per-change steps.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QPainter>
#include <memory>
#include <vector>

#include "model/ColourConvert.h"
#include "render/CGraph.h"
#include "render/CPrimitive.h"
#include "render/CText.h"
#include "render/ColourReplace.h"
#include "render/ImageRotation.h"
#include "render/ShapeRenderer.h"
#include "render/TextRenderer.h"

namespace {

// 500 elements of 48 x 48 spread over a 1024 x 768 gauge: needles, scales, texts and
// pictures, a third of them transparent, some rotated, drawn in run mode.
std::vector<std::unique_ptr<dw::CElement>> MakeGauge() {
    std::vector<std::unique_ptr<dw::CElement>> elements;
    QImage picture(48, 48, QImage::Format_RGB32);
    picture.fill(qRgb(200, 120, 40));
    for (int i = 0; i < 500; ++i) {
        const int x = (i * 53) % (1024 - 48);
        const int y = ((i * 37) / 7) % (768 - 48);
        const dw::Rect rect{x, y, x + 48, y + 48};
        std::unique_ptr<dw::CElement> e;
        switch (i % 4) {
            case 0: {
                auto shape = std::make_unique<dw::CPrimitive>(nullptr, rect);
                shape->SetSubtype("Radius");
                shape->ang1 = 0.0f;
                shape->ang2 = 0.9f;
                shape->angPct = static_cast<float>(i);
                shape->Rebuild();
                e = std::move(shape);
                break;
            }
            case 1: {
                auto shape = std::make_unique<dw::CPrimitive>(nullptr, rect);
                shape->SetSubtype("Scale");
                shape->angPct = 9.0f;
                shape->startmark = -0.2f;
                shape->Rebuild();
                e = std::move(shape);
                break;
            }
            case 2:
                e = std::make_unique<dw::CText>(nullptr, rect);
                break;
            default: {
                auto image = std::make_unique<dw::CGraph>(nullptr, rect);
                image->surface.SetSource(picture);
                image->Rotate(static_cast<double>(i % 90), 0);
                e = std::move(image);
                break;
            }
        }
        e->transparent = i % 3 == 0;
        e->transparentColor = 0;
        elements.push_back(std::move(e));
    }
    for (auto& e : elements) e->SetRunMode(nullptr, true);
    return elements;
}

void BM_Frame500Elements(benchmark::State& state) {
    auto elements = MakeGauge();
    QImage frame(1024, 768, QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter painter(&frame);
        painter.fillRect(frame.rect(), QColor(128, 128, 128));
        for (auto& e : elements) e->Draw(painter);
        painter.end();
        benchmark::DoNotOptimize(frame.constBits());
    }
}
BENCHMARK(BM_Frame500Elements)->Unit(benchmark::kMillisecond);

void BM_Rotate256(benchmark::State& state) {
    QImage source(256, 256, QImage::Format_RGB32);
    for (int y = 0; y < 256; ++y)
        for (int x = 0; x < 256; ++x) source.setPixel(x, y, qRgb(x, y, x ^ y));
    double angle = 0.0;
    for (auto _ : state) {
        angle += 7.3;
        QImage turned = dw::RotateImage(source, angle, 0);
        benchmark::DoNotOptimize(turned.constBits());
    }
}
BENCHMARK(BM_Rotate256)->Unit(benchmark::kMicrosecond);

// The turning picture of the player benchmark: a 30 x 6 needle stretched over a 38 x 36 box,
// turned into the reused bitmap as the player does on each change.
void BM_RotateSmallBox(benchmark::State& state) {
    QImage needle(30, 6, QImage::Format_RGB32);
    needle.fill(Qt::white);
    const QImage source = needle.scaled(38, 36);
    QImage turned;
    double angle = 0.0;
    for (auto _ : state) {
        angle += 7.3;
        dw::RotateImageInto(source, angle, 0, turned);
        benchmark::DoNotOptimize(turned.constBits());
    }
}
BENCHMARK(BM_RotateSmallBox)->Unit(benchmark::kMicrosecond);

void BM_ReplaceColour256(benchmark::State& state) {
    QImage source(256, 256, QImage::Format_RGB32);
    source.fill(qRgb(250, 10, 10));
    for (auto _ : state) {
        QImage out = dw::ReplaceColour(source, 0x0000FF, 0x00FF00);
        benchmark::DoNotOptimize(out.constBits());
    }
}
BENCHMARK(BM_ReplaceColour256)->Unit(benchmark::kMicrosecond);

void BM_RenderScale(benchmark::State& state) {
    dw::ShapeParams p;
    p.subtype = "Scale";
    p.ang1 = 225.0f;
    p.ang2 = 135.0f;
    p.angPct = 11.0f;
    p.witharc = true;
    p.startmark = -0.15f;
    QImage image(256, 256, QImage::Format_RGB32);
    for (auto _ : state) {
        image.fill(Qt::black);
        dw::RenderShape(image, p, 256, 256);
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_RenderScale)->Unit(benchmark::kMicrosecond);

void BM_PrintText(benchmark::State& state) {
    dw::CText text(nullptr, {0, 0, 120, 30});
    int n = 0;
    for (auto _ : state) {
        text.RenderText(std::to_string(n++ % 1000) + ".5");
        benchmark::DoNotOptimize(text.surface.Current().constBits());
    }
}
BENCHMARK(BM_PrintText)->Unit(benchmark::kMicrosecond);

// Texts never printed before (the shaped lines kept hold a few thousand): each one is laid out.
void BM_PrintNewText(benchmark::State& state) {
    dw::CText text(nullptr, {0, 0, 120, 30});
    int n = 0;
    for (auto _ : state) {
        text.RenderText(std::to_string(1000000 + n++) + ".5");
        benchmark::DoNotOptimize(text.surface.Current().constBits());
    }
}
BENCHMARK(BM_PrintNewText)->Unit(benchmark::kMicrosecond);

// One change of each kind of the player benchmark's mixed gauge, as a frame does it: the
// element takes a new value, re-renders its surface and is copied onto the frame. Elements
// of 38 x 36 pixels, in run mode.
QImage& Frame() {
    static QImage frame(1024, 768, QImage::Format_RGB32);
    return frame;
}

// Argument: the element's side (a player-grid cell, a needle over a whole dial).
void BM_NeedleChange(benchmark::State& state) {
    const int side = static_cast<int>(state.range(0));
    dw::CPrimitive needle(nullptr, {0, 0, side, side - 2});
    needle.SetSubtype("Radius");
    needle.ang1 = 0.1f;
    needle.ang2 = 0.9f;
    needle.borderWidth = 2;
    needle.transparent = true;
    needle.SetRunMode(nullptr, true);
    QPainter painter(&Frame());
    int n = 0;
    for (auto _ : state) {
        // setpos: a new position, the rebuild at the end of the run, then the copy.
        needle.angPct = static_cast<float>(n++ % 360);
        needle.Rebuild();
        needle.Draw(painter);
    }
}
BENCHMARK(BM_NeedleChange)->Arg(38)->Arg(300)->Unit(benchmark::kMicrosecond);

void BM_PictureTurn(benchmark::State& state) {
    QImage picture(30, 6, QImage::Format_RGB32);
    picture.fill(Qt::white);
    dw::CGraph image(nullptr, {0, 0, 38, 36});
    image.surface.SetSource(picture.scaled(38, 36));
    image.SetRunMode(nullptr, true);
    QPainter painter(&Frame());
    int n = 0;
    for (auto _ : state) {
        image.Rotate(1.0 + n++ % 359, 0);
        image.Draw(painter);
    }
}
BENCHMARK(BM_PictureTurn)->Unit(benchmark::kMicrosecond);

void BM_NumberPrint(benchmark::State& state) {
    dw::CText text(nullptr, {0, 0, 38, 36});
    text.SetRunMode(nullptr, true);
    QPainter painter(&Frame());
    int n = 0;
    for (auto _ : state) {
        // A run re-renders the current text first, then prints the new one.
        text.RenderContent();
        text.text = std::to_string(100 + n++ % 800) + ".5";
        text.RenderContent();
        text.Draw(painter);
    }
}
BENCHMARK(BM_NumberPrint)->Unit(benchmark::kMicrosecond);

void BM_LampChange(benchmark::State& state) {
    dw::CPrimitive lamp(nullptr, {0, 0, 38, 36});
    lamp.SetRunMode(nullptr, true);
    QPainter painter(&Frame());
    int n = 0;
    for (auto _ : state) {
        // setcolor: a new fill colour, re-rendered at the end of the run.
        lamp.colorF = n++ % 2 == 0 ? 255 : 65280;
        if (lamp.fillBrush) lamp.fillBrush->setColor(dw::ToQColor(lamp.colorF));
        lamp.RenderContent();
        lamp.Draw(painter);
    }
}
BENCHMARK(BM_LampChange)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
