#include <maya/MGlobal.h>
#include <maya/MSelectionList.h>
#include <qbhost/host_session.h>
#include "host_access.h"
#include "../session/session_data.h"
#include "../mel/mel_interpreter.h"
#include "../mel/mel_value.h"
#include <maya/MDoubleArray.h>
#include <maya/MStringArray.h>

using qbhost::HostSession;

MStatus MGlobal::executeCommandOnIdle(const MString& command, bool displayEnabled)
{
    HostSession& s = HostSession::instance();
    MStatus st = s.takeFailure(QStringLiteral("executeCommandOnIdle"));
    if (!st)
        return st;
    // The host echoes the text when it runs only with display on.
    return s.queueIdle(qbhost::Language::Mel, qbhost::toQString(command), displayEnabled);
}

MStatus MGlobal::executePythonCommandOnIdle(const MString& command, bool displayEnabled)
{
    HostSession& s = HostSession::instance();
    MStatus st = s.takeFailure(QStringLiteral("executePythonCommandOnIdle"));
    if (!st)
        return st;
    return s.queueIdle(qbhost::Language::Python, qbhost::toQString(command), displayEnabled);
}

MStatus MGlobal::executeCommand(const MString& command, bool, bool)
{
    return HostSession::instance().executeMel(qbhost::toQString(command));
}

namespace {

// Runs a command and hands over its value when it is of the kind asked
// for, as the host does: a number for a number, an array for an array.
MStatus evaluate(const MString& command, bool display, qbhost::mel::Value* value)
{
    HostSession& s = HostSession::instance();
    const QString text = qbhost::toQString(command);
    s.addHistory(qbhost::HistoryKind::Mel, text, display);
    return s.mel().evaluate(text, value);
}

} // namespace

MStatus MGlobal::executeCommand(const MString& command, int& result, bool displayEnabled, bool)
{
    qbhost::mel::Value v;
    MStatus st = evaluate(command, displayEnabled, &v);
    if (!st)
        return st;
    if (!v.isNumber())
        return MS::kFailure;
    result = v.toInt();
    return MS::kSuccess;
}

MStatus MGlobal::executeCommand(const MString& command, double& result, bool displayEnabled, bool)
{
    qbhost::mel::Value v;
    MStatus st = evaluate(command, displayEnabled, &v);
    if (!st)
        return st;
    if (!v.isNumber())
        return MS::kFailure;
    result = v.toFloat();
    return MS::kSuccess;
}

MStatus MGlobal::executeCommand(const MString& command, MDoubleArray& result, bool displayEnabled, bool)
{
    qbhost::mel::Value v;
    MStatus st = evaluate(command, displayEnabled, &v);
    if (!st)
        return st;
    if (v.type() != qbhost::mel::Type::FloatArray && v.type() != qbhost::mel::Type::IntArray)
        return MS::kFailure;
    result.clear();
    for (int i = 0; i < v.arraySize(); ++i)
        result.append(v.element(i).toFloat());
    return MS::kSuccess;
}

MStatus MGlobal::executeCommand(const MString& command, MString& result, bool displayEnabled, bool)
{
    qbhost::mel::Value v;
    MStatus st = evaluate(command, displayEnabled, &v);
    if (!st)
        return st;
    if (v.type() != qbhost::mel::Type::String)
        return MS::kFailure;
    result = qbhost::toMString(v.stringRef());
    return MS::kSuccess;
}

MStatus MGlobal::executeCommand(const MString& command, MStringArray& result, bool displayEnabled, bool)
{
    qbhost::mel::Value v;
    MStatus st = evaluate(command, displayEnabled, &v);
    if (!st)
        return st;
    if (v.type() != qbhost::mel::Type::StringArray)
        return MS::kFailure;
    result.clear();
    for (const QString& e : v.toStringList())
        result.append(qbhost::toMString(e));
    return MS::kSuccess;
}

MStatus MGlobal::selectByName(const MString& name, ListAdjustment listAdjustment)
{
    // Called once per name by callers selecting thousands: the name is
    // converted once.
    HostSession& s = HostSession::instance();
    const QString text = qbhost::toQString(name);
    s.traceSelectByName(text, int(listAdjustment));
    MStatus st = s.takeFailure(QStringLiteral("selectByName"), text);
    if (!st)
        return st;
    return s.selectByName(text, listAdjustment);
}

MStatus MGlobal::clearSelectionList()
{
    HostSession& s = HostSession::instance();
    s.trace(QStringLiteral("clearSelectionList"));
    MStatus st = s.takeFailure(QStringLiteral("clearSelectionList"));
    if (!st)
        return st;
    return s.clearSelection();
}

MStatus MGlobal::getActiveSelectionList(MSelectionList& dest, bool)
{
    HostSession& s = HostSession::instance();
    s.trace(QStringLiteral("getActiveSelectionList"));
    MStatus st = s.takeFailure(QStringLiteral("getActiveSelectionList"));
    if (!st)
        return st;
    dest.clear();
    std::vector<MString>& items = QbHostAccess::items(dest);
    const QStringList sel = s.selection();
    items.reserve(static_cast<size_t>(sel.size()));
    for (const QString& name : sel)
        items.push_back(qbhost::toMString(name));
    const std::vector<qbhost::NodeId>& ids = qbhost::SessionAccess::data(s).selection.ids();
    QbHostAccess::nodeIds(dest).assign(ids.begin(), ids.end());
    return MS::kSuccess;
}

void MGlobal::displayError(const MString& theError)
{
    HostSession::instance().logError(qbhost::toQString(theError));
}

void MGlobal::displayWarning(const MString& theWarning)
{
    HostSession::instance().logWarning(qbhost::toQString(theWarning));
}

void MGlobal::displayInfo(const MString& theInfo)
{
    HostSession::instance().logOutput(qbhost::toQString(theInfo));
}
