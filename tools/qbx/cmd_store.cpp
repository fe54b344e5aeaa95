// qbx store --scene RIG.ma PICKER.qbx -o OUT.ma: the picker put into the rig
// as its picker node (made, or replaced with the next version), the scene
// written as Maya ASCII; and qbx dump --scene RIG.ma: the scene's picker
// nodes, each with its picker as JSON.
#include "qbx_commands.h"
#include "qbx_json.h"
#include "qbx_output.h"
#include "qbx_scene.h"
#include "model/picker_file_check.h"
#include <QtCore/QFile>
#include <QtCore/QFileInfo>
#include <QtCore/QJsonArray>
#include <QtCore/QJsonDocument>

namespace qbx {

int run_dump_scene(const command_line& line)
{
    QString error;
    QList<rig_picker_node> nodes;
    if (!open_scene(line.scene, &error) || !scene_picker_nodes(&nodes, &error))
        return fail(error);
    QJsonArray out;
    bool problems = false;
    for (const rig_picker_node& n : nodes) {
        QJsonObject entry;
        entry.insert(QStringLiteral("node"), n.name);
        entry.insert(QStringLiteral("version"), n.version);
        if (n.referenced)
            entry.insert(QStringLiteral("referenced"), true);
        const picker_file_check read = picker_file_check::read_bytes(n.file, n.name);
        QJsonObject picker;
        if (read.ok() && picker_to_json(read.tab, read.version, &picker, &error))
            entry.insert(QStringLiteral("picker"), picker);
        if (!read.ok() || read.has_problems()) {
            warn(n.name + QStringLiteral(": ") + (read.ok() ? read.summary() : read.error));
            problems = true;
        }
        out.append(entry);
    }
    if (!write_stdout(QJsonDocument(out).toJson(QJsonDocument::Indented)))
        return kExitError;
    return problems ? kExitProblems : kExitOk;
}

int run_store(const command_line& line)
{
    const picker_file_check read = picker_file_check::read(line.file);
    if (!read.ok())
        return fail(read.error);
    // A damaged picker would reach every shot of the rig: refuse it.
    if (read.damaged())
        return fail(line.file + QStringLiteral(": ") + read.summary() + QStringLiteral("; nothing stored"));
    QFile file(line.file);
    if (!file.open(QIODevice::ReadOnly))
        return fail(QStringLiteral("cannot open %1: %2").arg(line.file, file.errorString()));
    const QByteArray bytes = file.readAll();
    QString error;
    QList<rig_picker_node> nodes;
    if (!open_scene(line.scene, &error) || !scene_picker_nodes(&nodes, &error))
        return fail(error);
    const QString node = line.node.isEmpty() ? rig_picker::node_name(read.tab.name) : line.node;
    qint32 version = 1;
    for (const rig_picker_node& n : nodes) {
        if (n.name != node)
            continue;
        if (n.referenced)
            return fail(QStringLiteral("%1 comes from a referenced file: store the picker in that file").arg(node));
        version = n.version + 1;
    }
    if (!run_scene_mel(rig_picker::store_mel(node, bytes, version), &error))
        return fail(QStringLiteral("%1: %2").arg(line.scene, error));
    if (!save_scene_as(QFileInfo(line.output).absoluteFilePath(), &error))
        return fail(QStringLiteral("%1: %2").arg(line.output, error));
    const QString done = QStringLiteral("%1: stored as %2, version %3\n").arg(line.output, node).arg(version);
    return write_stdout(done.toUtf8()) ? kExitOk : kExitError;
}

} // namespace qbx
