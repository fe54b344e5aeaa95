#include "fuzz_scene_entry.h"

#include <qbhost/host_session.h>

#include <QtCore/QDir>
#include <QtCore/QFile>

namespace {

// A reference the input may name: a small rig of its own in the folder.
const char kReferenced[] = "//Maya ASCII 2024 scene\n//Codeset: UTF-8\nrequires maya \"2024\";\n"
                           "createNode transform -n \"ref_root\";\n\tsetAttr \".t\" -type \"double3\" 1 2 3 ;\n"
                           "createNode nurbsCurve -n \"ref_rootShape\" -p \"ref_root\";\n"
                           "file -r -ns \"inner\" -rfn \"innerRN\" \"fuzz_ref.ma\";\n";

} // namespace

int fuzz_scene_file(const uint8_t* data, size_t size, const QString& scratch)
{
    qbhost::HostSession& host = qbhost::HostSession::instance();
    const QDir dir(scratch);
    const QString scene = dir.filePath(QStringLiteral("fuzz_scene.ma"));
    const QString referenced = dir.filePath(QStringLiteral("fuzz_ref.ma"));
    const QString saved = dir.filePath(QStringLiteral("fuzz_saved.ma"));
    {
        QFile ref(referenced);
        if (!ref.exists() && ref.open(QIODevice::WriteOnly))
            ref.write(kReferenced);
        QFile f(scene);
        if (!f.open(QIODevice::WriteOnly) || f.write(reinterpret_cast<const char*>(data), qint64(size)) != qint64(size))
            return 0;
    }
    host.setReadableRoot(scratch);
    host.setProjectRoot(scratch);
    host.openScene(scene);
    // Written back and read again: the writer meets what the reader kept.
    if (host.saveScene(saved, true))
        host.openScene(saved);
    host.newScene();
    host.clearErrors();
    host.clearHistory();
    return 0;
}
