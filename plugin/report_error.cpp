#include "plugin/report_error.h"
#include "model/picker_version.h"
#include <maya/MGlobal.h>
#include <maya/MQtUtil.h>
#include <maya/MString.h>

void report_error(MStatus const& status, char const* message)
{
    if (status)
        return;
    const QString text = QStringLiteral("%1 - %2: %3 ")
                             .arg(QLatin1String(QB_PICKER_COMMAND), QString::fromLatin1(message),
                                  QString::fromLatin1(status.errorString().asChar()));
    MGlobal::displayError(MQtUtil::toMString(text));
}
