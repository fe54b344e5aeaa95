// The stand-in host's MEL interpreter fed arbitrary text. MEL can write and
// delete files, so the target works in a scratch folder of its own and, when
// started as root, drops to the unprivileged user "nobody" first.
#include <qbhost/host_session.h>
#include <QtCore/QCoreApplication>
#include <QtCore/QDir>
#include <QtCore/QString>
#include <cstdio>
#include <cstdlib>
#include <grp.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// A run of texts is limited, so that an endless loop ends as an interrupted
// script instead of a libFuzzer timeout.
const qint64 kSteps = 200000;

void dropPrivileges(const char* scratch)
{
    if (getuid() != 0)
        return;
    const uid_t nobody = 65534;
    if (chown(scratch, nobody, nobody) != 0 || setgroups(0, nullptr) != 0 || setgid(nobody) != 0
        || setuid(nobody) != 0 || setuid(0) == 0) {
        fprintf(stderr, "fuzz_mel: cannot drop root privileges; not running MEL as root\n");
        abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    static char scratch[] = "/tmp/fuzz_mel.XXXXXX";
    if (!mkdtemp(scratch) || chdir(scratch) != 0) {
        perror("fuzz_mel: scratch folder");
        abort();
    }
    dropPrivileges(scratch);
    qputenv("HOME", scratch);
    static QCoreApplication app(*argc, *argv);
    qbhost::HostSession::instance().setMelStepBudget(kSteps);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), int(size));
    qbhost::HostSession& host = qbhost::HostSession::instance();
    host.executeMel(text);
    // Each input starts from a fresh interpreter state.
    host.executeMel(QStringLiteral("file -f -new;"));
    return 0;
}
