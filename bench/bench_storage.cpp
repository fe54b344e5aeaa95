// The cost of mirroring every edit into the scene: one scene write for a
// window of 1,000 buttons, without and with a 1024 by 1024 background,
// beside serialising everything and compressing with qCompress at level 9.
#include "canvas/picker_view.h"
#include "model/scene_data.h"
#include "window/picker_window.h"
#include <benchmark/benchmark.h>
#include <qbhost/host_session.h>
#include <QtCore/QElapsedTimer>
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

// The straightforward path: the whole window serialised and compressed with
// qCompress at level 9 on every edit.
QString baselineText(const picker_window& window)
{
    QByteArray bytes;
    {
        QDataStream stream(&bytes, QIODevice::WriteOnly);
        window.streamTo(stream);
    }
    return QStringLiteral("fileInfo \"QuillbrookPickerData\" \"") + QLatin1String(qCompress(bytes, 9).toBase64())
           + QStringLiteral("\"; file -modified 1;");
}

// Per-edit scene sync: the window's own write beside the baseline measured
// in the same run, with the ratio and both value sizes.
void updateSceneData(benchmark::State& state)
{
    auto window = makeWindow(state.range(0) != 0);
    qbhost::HostSession& host = qbhost::HostSession::instance();

    constexpr int kBaselineRuns = 5;
    QElapsedTimer timer;
    timer.start();
    qint64 baselineChars = 0;
    for (int i = 0; i < kBaselineRuns; ++i)
        baselineChars = baselineText(*window).size();
    const double baselineMs = double(timer.nsecsElapsed()) / 1e6 / kBaselineRuns;

    qint64 bytes = 0;
    qint64 runs = 0;
    timer.restart();
    for (auto _ : state) {
        window->store_scene_data();
        bytes = host.pendingIdle().last().text.size();
        host.discardIdle();
        ++runs;
    }
    const double ms = double(timer.nsecsElapsed()) / 1e6 / double(qMax<qint64>(runs, 1));
    state.counters["queued_chars"] = double(bytes);
    state.counters["baseline_chars"] = double(baselineChars);
    state.counters["baseline_ms"] = baselineMs;
    state.counters["ratio"] = ms > 0 ? baselineMs / ms : 0;
    state.SetLabel(QStringLiteral("%1, %2")
                       .arg(QLatin1String(state.range(0) ? "1000 buttons, 1024x1024 background"
                                                         : "1000 buttons, no background"),
                            QLatin1String(sceneDataCompressor()))
                       .toStdString());
}
BENCHMARK(updateSceneData)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace
