#include "undo_log.h"

namespace qbhost {

void UndoLog::record(const AttributeChange& change)
{
    if (!enabled_)
        return;
    redo_.clear();
    if (depth_ > 0) {
        open_.push_back(change);
        return;
    }
    undo_.push_back(Chunk{change});
    if (undo_.size() > kLimit)
        undo_.erase(undo_.begin());
}

void UndoLog::openChunk(const QString&)
{
    ++depth_;
}

void UndoLog::closeChunk()
{
    if (depth_ == 0 || --depth_ > 0)
        return;
    if (!open_.empty())
        undo_.push_back(std::move(open_));
    open_.clear();
    if (undo_.size() > kLimit)
        undo_.erase(undo_.begin());
}

bool UndoLog::takeUndo(Chunk* chunk)
{
    // Undo inside an open chunk closes it first, as the host does.
    if (depth_ > 0) {
        depth_ = 1;
        closeChunk();
    }
    if (undo_.empty())
        return false;
    *chunk = std::move(undo_.back());
    undo_.pop_back();
    return true;
}

bool UndoLog::takeRedo(Chunk* chunk)
{
    if (redo_.empty())
        return false;
    *chunk = std::move(redo_.back());
    redo_.pop_back();
    return true;
}

void UndoLog::clear()
{
    undo_.clear();
    redo_.clear();
    open_.clear();
    depth_ = 0;
    enabled_ = true;
}

} // namespace qbhost
