// Opening a scene with large pickers: the restore of a scene value holding
// 3 tabs of 1,000 labelled buttons with a background, from the Base64 text
// to canvases whose buttons and labels are ready to paint.
#include "canvas/picker_view.h"
#include "model/scene_data.h"
#include "window/picker_window.h"
#include <benchmark/benchmark.h>
#include <qbhost/host_session.h>
#include <QtCore/QElapsedTimer>
#include <QtGui/QPainter>
#include <QtWidgets/QTabWidget>
#include <memory>

namespace {

QByteArray sceneValue()
{
    picker_window window(nullptr);
    QImage img(1024, 1024, QImage::Format_RGB32);
    QPainter p(&img);
    for (int y = 0; y < 1024; y += 16)
        for (int x = 0; x < 1024; x += 16)
            p.fillRect(x, y, 16, 16, QColor::fromHsv((x * 7 + y * 3) % 360, 200, 100 + (x ^ y) % 150));
    p.end();
    for (int t = 0; t < 3; ++t) {
        if (t > 0)
            window.new_tab();
        QList<buttonAttributes> buttons;
        for (int i = 0; i < 1000; ++i) {
            buttonAttributes b;
            b.position = QPoint((i % 40) * 14, (i / 40) * 14);
            b.size = 12;
            b.color = 0x00b22222u + uint(i);
            b.label = QStringLiteral("B%1").arg(i);
            b.nodes = QStringList{QStringLiteral("hero:ctrl_%1").arg(i)};
            buttons << b;
        }
        window.frontPicker()->set_buttons(buttons);
        window.frontPicker()->setBackground(QStringLiteral("1024"), QPixmap::fromImage(img));
    }
    QByteArray bytes;
    {
        QDataStream s(&bytes, QIODevice::WriteOnly);
        window.streamTo(s);
    }
    return encodeSceneData(bytes);
}

void restore(benchmark::State& state)
{
    const QByteArray value = sceneValue();
    auto window = std::make_unique<picker_window>(nullptr);
    qbhost::HostSession& host = qbhost::HostSession::instance();
    constexpr double kBudgetMs = 100.0;
    QElapsedTimer timer;
    qint64 runs = 0;
    timer.start();
    for (auto _ : state) {
        QDataStream in(decodeSceneData(value));
        window->streamFrom(in);
        ++runs;
        state.PauseTiming();
        host.discardIdle();
        state.ResumeTiming();
    }
    const double ms = double(timer.nsecsElapsed()) / 1e6 / double(qMax<qint64>(runs, 1));
    state.counters["value_chars"] = double(value.size());
    state.counters["tabs"] = double(window->tabs()->count());
    // Above 1: inside the 100 ms budget by that factor.
    state.counters["budget_ratio"] = ms > 0 ? kBudgetMs / ms : 0;
    state.SetLabel("3 tabs of 1000 labelled buttons, 1024x1024 background");
}
BENCHMARK(restore)->Unit(benchmark::kMillisecond);

} // namespace
