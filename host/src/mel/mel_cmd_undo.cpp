// Built-in commands of the undo queue: undoInfo, undo and redo. The queue
// holds attribute values (setAttr); other commands are not undoable here.
#include "mel_flags.h"
#include "mel_scene_names.h"

#include "../session/attribute_events.h"
#include "../session/session_data.h"

#include <qbhost/host_session.h>

namespace qbhost {
namespace mel {

namespace {

Value undoInfoCommand(CommandCall& call)
{
    Flags flags(call, {{"ock", "openChunk", false},
                       {"cck", "closeChunk", false},
                       {"cn", "chunkName", true},
                       {"st", "state", true},
                       {"swf", "stateWithoutFlush", true},
                       {"uqe", "undoQueueEmpty", false},
                       {"rqe", "redoQueueEmpty", false}},
                true);
    SessionData& d = sessionOf(call);
    if (flags.query()) {
        if (flags.has("state") || flags.has("stateWithoutFlush"))
            return Value::fromInt(d.undo.enabled() ? 1 : 0);
        if (flags.has("undoQueueEmpty"))
            return Value::fromInt(d.undo.undoCount() == 0 ? 1 : 0);
        if (flags.has("redoQueueEmpty"))
            return Value::fromInt(d.undo.redoCount() == 0 ? 1 : 0);
        call.fail(QStringLiteral("undoInfo: query -state, -undoQueueEmpty or -redoQueueEmpty."));
    }
    if (flags.has("openChunk") && flags.has("closeChunk"))
        call.fail(QStringLiteral("undoInfo: -openChunk and -closeChunk cannot be used together."));
    if (flags.has("openChunk"))
        d.undo.openChunk(flags.value("chunkName").toString());
    else if (flags.has("closeChunk"))
        d.undo.closeChunk();
    if (flags.has("state"))
        d.undo.setEnabled(flags.boolean("state", true));
    return Value();
}

// Undo (forward false) or redo the latest step.
Value stepCommand(CommandCall& call, bool forward)
{
    call.requireArgs(0, 0);
    SessionData& d = sessionOf(call);
    UndoLog::Chunk chunk;
    if (!(forward ? d.undo.takeRedo(&chunk) : d.undo.takeUndo(&chunk))) {
        call.host().logWarning(forward ? QStringLiteral("There are no more commands to redo.")
                                       : QStringLiteral("There are no more commands to undo."));
        return Value();
    }
    if (forward) {
        for (const AttributeChange& c : chunk)
            applyAttributeChange(d, c, true);
        d.undo.redone(std::move(chunk));
    } else {
        for (auto it = chunk.rbegin(); it != chunk.rend(); ++it)
            applyAttributeChange(d, *it, false);
        d.undo.undone(std::move(chunk));
    }
    SessionAccess::edit(call.host(), MS::kSuccess);
    call.host().raiseEvent(forward ? QStringLiteral("Redo") : QStringLiteral("Undo"));
    return Value();
}

Value undoCommand(CommandCall& call)
{
    return stepCommand(call, false);
}

Value redoCommand(CommandCall& call)
{
    return stepCommand(call, true);
}

} // namespace

void addUndoCommands(BuiltinTable& table)
{
    table.insert(QStringLiteral("undoInfo"), undoInfoCommand);
    table.insert(QStringLiteral("undo"), undoCommand);
    table.insert(QStringLiteral("redo"), redoCommand);
}

} // namespace mel
} // namespace qbhost
