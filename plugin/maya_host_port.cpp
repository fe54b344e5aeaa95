#include "plugin/maya_host_port.h"
#include "plugin/host_services.h"
#include "model/mel_text.h"
#include <maya/MGlobal.h>
#include <maya/MQtUtil.h>

void maya_host_port::queue_mel(const QString& text)
{
    MGlobal::executeCommandOnIdle(MQtUtil::toMString(text), false);
}

void maya_host_port::queue_python(const QString& text)
{
    MGlobal::executePythonCommandOnIdle(MQtUtil::toMString(text), false);
}

void maya_host_port::request_selection(const QStringList& names)
{
    if (names.isEmpty()) {
        queue_mel(QStringLiteral("QuillbrookPicker clear"));
        return;
    }
    // Names from picker files reach the host as one argument each: text
    // that is not node-name text goes quoted, so it can never run as MEL.
    QString command = QStringLiteral("QuillbrookPicker select");
    for (const QString& name : names) {
        command += QLatin1Char(' ');
        command += mel_node_argument(name);
    }
    queue_mel(command);
}

QList<QRect> maya_host_port::screen_areas() const
{
    return ::screen_areas();
}

int maya_host_port::primary_screen() const
{
    return primary_screen_index();
}
