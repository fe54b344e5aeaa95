// Opening a Maya ASCII rig in the stand-in host: a generated rig of about
// 2,000 nodes a megabyte (a control, its curve shape and a joint per part,
// with the statements Maya writes for each), read at 1 MB and at 50 MB.
// Printed side by side: MB/s, the time per MB (equal at both sizes when
// reading is linear) and, against a straightforward baseline measured in
// the same run (every token of the file read by the lexer, nothing done
// with it), how many times that the whole read costs.
#include <benchmark/benchmark.h>
#include <qbhost/host_session.h>

#include "../host/src/mel/mel_lexer.h"

#include <QtCore/QCoreApplication>
#include <QtCore/QElapsedTimer>
#include <QtCore/QFile>
#include <QtCore/QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <ctime>

using qbhost::HostSession;

namespace {

// Parts of the rig until the text holds bytes bytes; nodes counts them.
QByteArray generatedRig(qint64 bytes, int* nodes)
{
    QByteArray out;
    out.reserve(int(bytes + 4096));
    out += "//Maya ASCII 2024 scene\n//Name: generated_rig.ma\n//Codeset: UTF-8\n";
    out += "requires maya \"2024\";\ncurrentUnit -l centimeter -a degree -t film;\n";
    out += "fileInfo \"application\" \"maya\";\n";
    out += "createNode transform -n \"rig\";\n\trename -uid \"00000000-0000-0000-0000-000000000000\";\n";
    *nodes = 1;
    QByteArray connections;
    for (int i = 0; out.size() + connections.size() < bytes; ++i) {
        const QByteArray n = QByteArray::number(i);
        const QByteArray ctrl = "part" + n + "_ctrl";
        out += "createNode transform -n \"" + ctrl + "\" -p \"rig\";\n";
        out += "\trename -uid \"6A1B2C3D-" + n.rightJustified(4, '0').right(4) + "-4E5F-8A9B-0C1D2E3F4A5B\";\n";
        out += "\taddAttr -ci true -k true -sn \"ikfk\" -ln \"ikFkBlend\" -min 0 -max 1 -at \"double\";\n";
        out += "\taddAttr -ci true -sn \"spc\" -ln \"space\" -min 0 -max 2 -en \"world:hips:chest\" -at \"enum\";\n";
        out += "\taddAttr -ci true -sn \"nt\" -ln \"notes\" -dt \"string\";\n";
        out += "\tsetAttr -k on \".ikfk\" 0.5;\n\tsetAttr -k on \".spc\" 1;\n";
        out += "\tsetAttr \".nt\" -type \"string\" \"part " + n + " of the generated rig\";\n";
        out += "\tsetAttr \".ro\" 3;\n\tsetAttr \".rp\" -type \"double3\" 0 1.25 0 ;\n";
        out += "\tsetAttr \".t\" -type \"double3\" " + QByteArray::number(i * 0.25) + " 95.125 -3.5 ;\n";
        out += "\tsetAttr \".r\" -type \"double3\" 0 45 12.75 ;\n";
        out += "\tsetAttr -k off \".sx\";\n\tsetAttr -k off \".sy\";\n\tsetAttr -k off \".sz\";\n";
        out += "\tsetAttr -l on -k off \".v\";\n";
        out += "createNode nurbsCurve -n \"" + ctrl + "Shape\" -p \"" + ctrl + "\";\n";
        out += "\trename -uid \"7B2C3D4E-" + n.rightJustified(4, '0').right(4) + "-5F60-9BAC-1D2E3F4A5B6C\";\n";
        out += "\tsetAttr -k off \".v\";\n\tsetAttr \".ove\" yes;\n\tsetAttr \".ovc\" 17;\n";
        out += "\tsetAttr \".cc\" -type \"nurbsCurve\" \n\t\t1 8 0 no 3\n\t\t9 0 1 2 3 4 5 6 7 8\n\t\t9\n"
               "\t\t-1.0000000000000002 0 -1\n\t\t-1 0 0\n\t\t-1 0 1\n\t\t0 0 1.0000000000000004\n\t\t1 0 1\n"
               "\t\t1 0 0\n\t\t1 0 -1\n\t\t0 0 -1\n\t\t-1.0000000000000002 0 -1\n\t\t;\n";
        out += "createNode joint -n \"part" + n + "_jnt\" -p \"rig\";\n";
        out += "\trename -uid \"8C3D4E5F-" + n.rightJustified(4, '0').right(4) + "-6071-ACBD-2E3F4A5B6C7D\";\n";
        out += "\tsetAttr \".t\" -type \"double3\" 0 10.5 0 ;\n\tsetAttr \".jo\" -type \"double3\" 0 0 90 ;\n";
        out += "\tsetAttr \".radi\" 0.75;\n";
        connections += "connectAttr \"" + ctrl + ".r\" \"part" + n + "_jnt.r\";\n";
        *nodes += 3;
    }
    out += connections;
    out += "// End of generated_rig.ma\n";
    return out;
}

struct Timing {
    double mbPerSecond = 0;
    double msPerMb = 0;
    double cpuMbPerSecond = 0; // the machine is shared: CPU time says what the read costs
    double baselineMs = 0;
    double readMs = 0;
};

double threadCpuMs()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

// The best of runs reads: the machine is shared.
Timing measure(const QByteArray& text, const QString& path, int runs)
{
    HostSession& host = HostSession::instance();
    Timing t;
    const double mb = double(text.size()) / (1024.0 * 1024.0);
    double best = 1e300, bestBaseline = 1e300, bestCpu = 1e300;
    for (int i = 0; i < runs; ++i) {
        host.resetForTest();
        QElapsedTimer timer;
        timer.start();
        const double cpuStart = threadCpuMs();
        if (!host.openScene(path))
            fprintf(stderr, "bench_scene_read: the generated rig was read with errors\n");
        bestCpu = std::min(bestCpu, threadCpuMs() - cpuStart);
        best = std::min(best, double(timer.nsecsElapsed()) / 1e6);
        // The baseline: decoding the file and reading its every token.
        timer.restart();
        const QString decoded = QString::fromUtf8(text);
        qbhost::mel::Lexer lex(decoded);
        int tokens = 0;
        for (;;) {
            const qbhost::mel::ArgToken token = lex.nextCommandArg(false);
            if (token.kind == qbhost::mel::ArgKind::End || token.kind == qbhost::mel::ArgKind::Error)
                break;
            ++tokens;
        }
        benchmark::DoNotOptimize(tokens);
        bestBaseline = std::min(bestBaseline, double(timer.nsecsElapsed()) / 1e6);
    }
    t.readMs = best;
    t.baselineMs = bestBaseline;
    t.mbPerSecond = mb / (best / 1000.0);
    t.cpuMbPerSecond = mb / (bestCpu / 1000.0);
    t.msPerMb = best / mb;
    return t;
}

void BM_OpenGeneratedRig(benchmark::State& state)
{
    const qint64 megabytes = state.range(0);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("generated_rig.ma"));
    int nodes = 0;
    const QByteArray text = generatedRig(megabytes << 20, &nodes);
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(text) != text.size()) {
        state.SkipWithError("cannot write the generated rig");
        return;
    }
    f.close();
    Timing t;
    for (auto _ : state)
        t = measure(text, path, megabytes > 10 ? 1 : 5);
    HostSession& host = HostSession::instance();
    if (host.nodes().size() < nodes)
        state.SkipWithError("the rig lost nodes on the way");
    state.counters["MB/s"] = t.mbPerSecond;
    state.counters["ms_per_MB"] = t.msPerMb;
    state.counters["MB/s_cpu"] = t.cpuMbPerSecond;
    state.counters["nodes"] = nodes;
    state.counters["x_tokens_only"] = t.baselineMs > 0 ? t.readMs / t.baselineMs : 0;
    host.resetForTest();
}

BENCHMARK(BM_OpenGeneratedRig)->Arg(1)->Arg(50)->Iterations(1)->Unit(benchmark::kMillisecond);

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
