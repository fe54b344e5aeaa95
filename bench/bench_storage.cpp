// The cost of mirroring every edit into the scene: one updateSceneData for a
// window of 1,000 buttons, without and with a 1024 by 1024 background.
#include "canvas/picker_view.h"
#include "window/picker_window.h"
#include <benchmark/benchmark.h>
#include <qbhost/host_session.h>
#include <QtGui/QPainter>
#include <memory>

namespace {

std::unique_ptr<picker_window> makeWindow(bool withBackground)
{
    auto window = std::make_unique<picker_window>(nullptr);
    picker_view* view = window->frontPicker();
    QList<buttonAttributes> buttons;
    for (int i = 0; i < 1000; ++i) {
        buttonAttributes b;
        b.position = QPoint((i % 40) * 14, (i / 40) * 14);
        b.size = 12;
        b.color = 0x00b22222u + uint(i);
        b.label = (i % 5 == 0) ? QStringLiteral("B%1").arg(i) : QString();
        b.nodes = QStringList{QStringLiteral("hero:ctrl_%1").arg(i), QStringLiteral("hero:ctrl_%1_fk").arg(i)};
        buttons << b;
    }
    view->set_buttons(buttons);
    if (withBackground) {
        // A busy picture, so that PNG cannot shrink it to nothing.
        QImage img(1024, 1024, QImage::Format_RGB32);
        QPainter p(&img);
        for (int y = 0; y < 1024; y += 16)
            for (int x = 0; x < 1024; x += 16)
                p.fillRect(x, y, 16, 16, QColor::fromHsv((x * 7 + y * 3) % 360, 200, 100 + (x ^ y) % 150));
        p.end();
        view->setBackground(QStringLiteral("1024"), QPixmap::fromImage(img));
    }
    return window;
}

void updateSceneData(benchmark::State& state)
{
    auto window = makeWindow(state.range(0) != 0);
    qbhost::HostSession& host = qbhost::HostSession::instance();
    qint64 bytes = 0;
    for (auto _ : state) {
        window->updateSceneData();
        bytes = host.pendingIdle().last().text.size();
        host.discardIdle();
    }
    state.counters["queued_chars"] = double(bytes);
    state.SetLabel(state.range(0) ? "1000 buttons, 1024x1024 background" : "1000 buttons, no background");
}
BENCHMARK(updateSceneData)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace
