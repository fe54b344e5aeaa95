// The MEL paths that carry a picker's data: a multi-megabyte fileInfo
// literal, a scene saved and opened with it, and a select of many names.
#include <benchmark/benchmark.h>
#include <qbhost/host_session.h>

#include "../host/src/mel/mel_interpreter.h"

#include <QtCore/QCoreApplication>
#include <QtCore/QTemporaryDir>

using qbhost::HostSession;

namespace {

constexpr int kValueSize = 10 * 1024 * 1024;

// Picker-like text with the characters that need escaping in a literal.
QString bigValue()
{
    const QString chunk = QStringLiteral("<button x=\"12\" y=\"34\" label=\"arm \\\\ L\">data</button>\n\t");
    QString out;
    out.reserve(kValueSize + chunk.size());
    while (out.size() < kValueSize)
        out += chunk;
    return out;
}

QString escaped(const QString& s)
{
    QString out;
    out.reserve(s.size() + s.size() / 4);
    for (QChar c : s) {
        switch (c.unicode()) {
        case '"': out += QLatin1String("\\\""); break;
        case '\\': out += QLatin1String("\\\\"); break;
        case '\n': out += QLatin1String("\\n"); break;
        case '\t': out += QLatin1String("\\t"); break;
        default: out += c;
        }
    }
    return out;
}

void BM_FileInfoLiteral10MB(benchmark::State& state)
{
    HostSession& host = HostSession::instance();
    host.resetForTest();
    const QString value = bigValue();
    const QString text = QStringLiteral("fileInfo \"QuillbrookPickerData\" \"") + escaped(value)
                         + QStringLiteral("\"; file -modified 1;");
    for (auto _ : state) {
        if (!host.mel().execute(text))
            state.SkipWithError("fileInfo failed");
    }
    if (host.fileInfoValue(QStringLiteral("QuillbrookPickerData")) != value)
        state.SkipWithError("value changed on the way");
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * text.size());
    state.counters["chars"] = text.size();
}

void BM_SaveScene10MB(benchmark::State& state)
{
    HostSession& host = HostSession::instance();
    host.resetForTest();
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("big.ma"));
    const QString value = bigValue();
    host.setFileInfo(QStringLiteral("QuillbrookPickerData"), value);
    for (int i = 0; i < 1000; ++i)
        host.createNode(QStringLiteral("transform"), QStringLiteral("hero:ctrl%1").arg(i));
    for (auto _ : state) {
        if (!host.saveScene(path))
            state.SkipWithError("save failed");
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * value.size());
}

void BM_OpenScene10MB(benchmark::State& state)
{
    HostSession& host = HostSession::instance();
    host.resetForTest();
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("big.ma"));
    const QString value = bigValue();
    host.setFileInfo(QStringLiteral("QuillbrookPickerData"), value);
    for (int i = 0; i < 1000; ++i)
        host.createNode(QStringLiteral("transform"), QStringLiteral("hero:ctrl%1").arg(i));
    if (!host.saveScene(path)) {
        state.SkipWithError("save failed");
        return;
    }
    for (auto _ : state) {
        if (!host.openScene(path))
            state.SkipWithError("open failed");
    }
    if (host.fileInfoValue(QStringLiteral("QuillbrookPickerData")) != value || host.nodes().size() != 1000)
        state.SkipWithError("scene changed on the way");
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * value.size());
}

void BM_Select10000Names(benchmark::State& state)
{
    HostSession& host = HostSession::instance();
    host.resetForTest();
    QString text = QStringLiteral("select -r");
    for (int i = 0; i < 10000; ++i) {
        const QString name = QStringLiteral("crowd:hero%1:arm_ctrl").arg(i);
        host.createNode(QStringLiteral("transform"), name);
        text += QLatin1Char(' ') + name;
    }
    text += QLatin1Char(';');
    for (auto _ : state) {
        host.clearSelection();
        if (!host.mel().execute(text))
            state.SkipWithError("select failed");
    }
    if (host.selection().size() != 10000)
        state.SkipWithError("selection is wrong");
}

BENCHMARK(BM_FileInfoLiteral10MB)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveScene10MB)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenScene10MB)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Select10000Names)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
