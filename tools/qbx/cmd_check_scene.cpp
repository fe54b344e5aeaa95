// qbx check --scene SCENE.ma PICKER.qbx: the selection buttons whose names
// the scene lacks or finds more than one node for, as Check Picker lists
// them, one line each; exit status 1 when there is one.
#include "qbx_commands.h"
#include "qbx_output.h"
#include "scene_node_names.h"
#include "model/broken_buttons.h"
#include "model/picker_stream.h"

#include <qbhost/host_session.h>

#include <cstdio>

namespace qbx {

int check_against_scene(const command_line& line, const picker_tab_data& tab)
{
    qbhost::HostSession& host = qbhost::HostSession::instance();
    const MStatus opened = host.openScene(line.scene);
    // A scene read with errors still has its nodes; one refused has none.
    if (!opened && host.lastReadFile().isEmpty())
        return fail(QStringLiteral("cannot read the scene %1").arg(line.scene));
    for (const QString& e : host.lastReadErrors())
        std::fputs((one_line(line.scene + QStringLiteral(": ") + e) + QLatin1Char('\n')).toUtf8().constData(), stderr);

    scene_node_names names;
    node_names::install(&names);
    QList<buttonRecord> buttons;
    for (const buttonAttributes& a : tab.buttons)
        buttons << buttonRecord(a);
    const QList<broken_button> broken = find_broken(buttons);
    node_names::install(nullptr);

    QByteArray out;
    for (const broken_button& b : broken)
        out += one_line(line.file + QStringLiteral(": button ") + broken_report_line(b)).toUtf8() + '\n';
    if (broken.isEmpty())
        out += one_line(QStringLiteral("%1: every name of its %2 buttons names one node of %3")
                            .arg(line.file)
                            .arg(tab.buttons.size())
                            .arg(line.scene))
                   .toUtf8()
               + '\n';
    if (!write_stdout(out))
        return kExitError;
    return broken.isEmpty() ? kExitOk : kExitProblems;
}

} // namespace qbx
