// Paints a canvas of 2,000 labelled buttons (both kinds, all three looks)
// into an 800 by 600 image: at zoom 1 most of them lie off the canvas, at
// zoom 0.25 all of them are on it. Every button has a colour of its own, the
// worst case for the sprite cache. Google Benchmark prints the time per
// paint; the aim is under 4 ms. The same grid again in shapes (a quarter
// vector paths of 16 segments, 200 with pictures) is painted at zoom 1, 1/4
// and 4 on a screen of pixel ratio 2, beside the rectangles at that ratio:
// the shapes' time and its ratio to the rectangles' are printed.
#include "canvas/picker_view.h"
#include "window/picker_window.h"
#include <benchmark/benchmark.h>
#include <QtCore/QElapsedTimer>
#include <QtGui/QImage>
#include <cmath>
#include <QtWidgets/QApplication>
#include <QtWidgets/QTabWidget>
#include <memory>

namespace {
// A path of 16 segments about (0, 0), a star of eight points, one of a few.
QString star(int i, int size)
{
    QString d;
    for (int k = 0; k < 16; ++k) {
        const double a = (k + (i % 3) * 0.2) * 3.14159265 / 8;
        const double r = (k % 2 ? 0.45 : 0.2 + 0.05 * (i % 4)) * size;
        d += QStringLiteral("%1%2 %3 ").arg(k ? QLatin1Char('L') : QLatin1Char('M')).arg(r * std::cos(a)).arg(r * std::sin(a));
    }
    return d + QStringLiteral("Z");
}

struct bench_canvas {
    std::unique_ptr<picker_window> window;
    picker_view* canvas = nullptr;
    QImage image{800, 600, QImage::Format_ARGB32_Premultiplied};

    // shapes: the grid in shapes; ratio: the screen's pixel ratio.
    explicit bench_canvas(bool shapes = false, qreal ratio = 1.0)
    {
        if (ratio != 1.0) {
            image = QImage(QSize(800, 600) * ratio, QImage::Format_ARGB32_Premultiplied);
            image.setDevicePixelRatio(ratio);
        }
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
            if (shapes) {
                switch (i % 4) {
                case 0:
                    a.shape.kind = button_shape::Path;
                    a.shape.path = star(i, a.size * 2);
                    break;
                case 1:
                    a.shape.kind = button_shape::Rounded;
                    a.shape.width = a.size * 2;
                    break;
                case 2:
                    a.shape.kind = button_shape::Ellipse;
                    break;
                default:
                    a.shape.kind = button_shape::Polygon;
                    a.shape.points = {QPoint(0, -a.size), QPoint(a.size, 0), QPoint(0, a.size), QPoint(-a.size, 0)};
                }
                if (i % 10 == 0) {
                    QImage picture(16, 16, QImage::Format_ARGB32);
                    picture.fill(qRgb((i * 13) % 255, 120, 200));
                    a.image = canvas->document()->add_picture(picture);
                }
            }
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
bench_canvas* g_rectangles2x = nullptr;
bench_canvas* g_shapes2x = nullptr;

bench_canvas& shared_canvas()
{
    return *g_canvas;
}

double ms_per_paint(bench_canvas& c, float zoom, int paints)
{
    c.canvas->setShift(QPoint(0, 0));
    c.canvas->setZoom(zoom, QPoint(0, 0));
    c.paint(); // the sprites of this zoom
    QElapsedTimer clock;
    clock.start();
    for (int i = 0; i < paints; ++i)
        c.paint();
    return clock.nsecsElapsed() / 1e6 / paints;
}

// The shapes at a zoom on a ratio-2 screen, timed by Google Benchmark,
// with the rectangles painted alike in the same run for the ratio.
void BM_Shapes2x(benchmark::State& state, float zoom)
{
    bench_canvas& c = *g_shapes2x;
    c.canvas->setShift(QPoint(0, 0));
    c.canvas->setZoom(zoom, QPoint(0, 0));
    c.paint();
    for (auto _ : state)
        c.paint();
    const double rectangles = ms_per_paint(*g_rectangles2x, zoom, 20);
    const double shapes = ms_per_paint(c, zoom, 20);
    state.counters["rectangles_ms"] = rectangles;
    state.counters["shapes_ms"] = shapes;
    state.counters["ratio"] = shapes / rectangles;
}

// A repaint of one button's box, as after hovering or clicking it.
void BM_ShapesHoverRepaint2x(benchmark::State& state)
{
    bench_canvas& c = *g_shapes2x;
    c.canvas->setShift(QPoint(0, 0));
    c.canvas->setZoom(1.0f, QPoint(0, 0));
    c.paint();
    const QRect box = c.canvas->mapToScreen(c.canvas->buttons()[110].rect).adjusted(-2, -2, 2, 2);
    for (auto _ : state) {
        c.canvas->render(&c.image, box.topLeft(), QRegion(box));
        benchmark::DoNotOptimize(c.image.constBits());
    }
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
BENCHMARK_CAPTURE(BM_Shapes2x, Zoom1, 1.0f)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Shapes2x, ZoomQuarter, 0.25f)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Shapes2x, Zoom4, 4.0f)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ShapesHoverRepaint2x)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    g_canvas = new bench_canvas;
    g_rectangles2x = new bench_canvas(false, 2.0);
    g_shapes2x = new bench_canvas(true, 2.0);
    benchmark::RunSpecifiedBenchmarks();
    delete g_canvas; // before the application goes
    delete g_rectangles2x;
    delete g_shapes2x;
    return 0;
}
