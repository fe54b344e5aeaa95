// Paints a canvas of 2,000 labelled buttons (both kinds, all three looks)
// into an 800 by 600 image: at zoom 1 most of them lie off the canvas, at
// zoom 0.25 all of them are on it. Every button has a colour of its own, the
// worst case for the sprite cache. Google Benchmark prints the time per
// paint; the aim is under 4 ms.
#include "canvas/picker_view.h"
#include "window/picker_window.h"
#include <benchmark/benchmark.h>
#include <QtGui/QImage>
#include <QtWidgets/QApplication>
#include <QtWidgets/QTabWidget>
#include <memory>

namespace {
struct bench_canvas {
    std::unique_ptr<picker_window> window;
    picker_view* canvas = nullptr;
    QImage image{800, 600, QImage::Format_ARGB32_Premultiplied};

    bench_canvas()
    {
        window = std::make_unique<picker_window>(nullptr);
        window->show();
        canvas = window->frontPicker();
        // The canvas alone, exactly 800 by 600, painted as the tab shows it.
        window->tabs()->removeTab(0);
        canvas->setParent(nullptr);
        canvas->resize(800, 600);
        canvas->show();
        const char* labels[] = {"L", "Arm", "Spine 02", "IK/FK", "Hand_L", "Brow"};
        // A 50 by 40 grid of about 3200 by 2400 picker units: all of it fits
        // the canvas at zoom 0.25, an eighth of it at zoom 1.
        for (int i = 0; i < 2000; ++i) {
            buttonAttributes a;
            a.position = QPoint(40 + (i % 50) * 63, 30 + (i / 50) * 60);
            a.size = 20 + (i % 7) * 4;
            a.kind = (i % 5 == 0) ? kCommandButton : kSelectionButton;
            a.color = qRgb(40 + (i * 37) % 200, 40 + (i * 91) % 200, 40 + (i * 53) % 200);
            a.labelColor = (i % 2) ? 0xffffff : 0x000000;
            a.label = QString::fromLatin1(labels[i % 6]);
            a.nodes = a.kind == kCommandButton ? QStringList{QStringLiteral("print(1)")}
                                               : (i % 3 ? QStringList{QStringLiteral("a"), QStringLiteral("b")}
                                                        : QStringList{QStringLiteral("a")});
            const int index = canvas->document()->push_button(a, -1);
            canvas->document()->button(index)->state = qint16(i % 3);
        }
    }
    ~bench_canvas() { delete canvas; }

    void paint()
    {
        canvas->render(&image);
        benchmark::DoNotOptimize(image.constBits());
    }
};

// Made in main, after the application and before the benchmarks run.
bench_canvas* g_canvas = nullptr;

bench_canvas& shared_canvas()
{
    return *g_canvas;
}

// Repaints at one zoom, as after a selection change.
void BM_Paint(benchmark::State& state, float zoom)
{
    bench_canvas& c = shared_canvas();
    c.canvas->setShift(QPoint(0, 0));
    c.canvas->setZoom(zoom, QPoint(0, 0));
    for (auto _ : state)
        c.paint();
    state.counters["buttons"] = 2000;
}

// The first paint at a new zoom, as on every tick of the zoom animation:
// nothing comes from the sprites of the paint before.
void BM_PaintZoomQuarterNewZoom(benchmark::State& state)
{
    bench_canvas& c = shared_canvas();
    c.canvas->setShift(QPoint(0, 0));
    bool flip = false;
    for (auto _ : state) {
        state.PauseTiming();
        c.canvas->setZoom(flip ? 0.25f : 0.2500001f, QPoint(0, 0));
        flip = !flip;
        state.ResumeTiming();
        c.paint();
    }
    state.counters["buttons"] = 2000;
}
} // namespace

BENCHMARK_CAPTURE(BM_Paint, Zoom1, 1.0f)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Paint, ZoomQuarter, 0.25f)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PaintZoomQuarterNewZoom)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    g_canvas = new bench_canvas;
    benchmark::RunSpecifiedBenchmarks();
    delete g_canvas; // before the application goes
    return 0;
}
