// The stand-in host's scene reading fed arbitrary bytes (see
// fuzz_scene_entry.h). Scenes can run MEL: the target works in a scratch
// folder of its own and, when started as root, drops to "nobody" first.
#include "fuzz_scene_entry.h"

#include <qbhost/host_session.h>

#include <QtCore/QCoreApplication>

#include <cstdio>
#include <cstdlib>
#include <grp.h>
#include <unistd.h>

namespace {

char g_scratch[] = "/tmp/fuzz_scene_file.XXXXXX";

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    if (!mkdtemp(g_scratch) || chdir(g_scratch) != 0) {
        perror("fuzz_scene_file: scratch folder");
        abort();
    }
    if (getuid() == 0) {
        const uid_t nobody = 65534;
        if (chown(g_scratch, nobody, nobody) != 0 || setgroups(0, nullptr) != 0 || setgid(nobody) != 0
            || setuid(nobody) != 0 || setuid(0) == 0) {
            fprintf(stderr, "fuzz_scene_file: cannot drop root privileges; not reading scenes as root\n");
            abort();
        }
    }
    qputenv("HOME", g_scratch);
    static QCoreApplication app(*argc, *argv);
    // A scene's loops end as an interrupted script, not a libFuzzer timeout.
    qbhost::HostSession::instance().setMelStepBudget(200000);
    qbhost::HostSession::instance().setMelMemoryBudget(qint64(64) << 20);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    return fuzz_scene_file(data, size, QString::fromLocal8Bit(g_scratch));
}
