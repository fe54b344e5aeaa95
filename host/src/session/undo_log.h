#ifndef QBHOST_UNDO_LOG_H
#define QBHOST_UNDO_LOG_H
// The host's undo queue for attribute values: every setAttr of a value is
// one step, or part of the chunk open at the time (undoInfo -openChunk ...
// -closeChunk), and undo and redo put the values back through the scene's
// one way of changing a plug, so that attribute-change callbacks see them.
#include "../scene/attribute_store.h"
#include "../scene/node_record.h"

#include <QtCore/QString>
#include <vector>

namespace qbhost {

struct AttributeChange {
    NodeId node = 0;
    QString key;       // the plug's key in the node's store
    QString attribute; // the long name callbacks are told
    bool hadBefore = false;
    PlugValue before;
    PlugValue after;
};

class UndoLog
{
public:
    using Chunk = std::vector<AttributeChange>;

    // A change made; ends the redo queue.
    void record(const AttributeChange& change);
    // Nested chunks are one chunk, closed by the outermost close. A close
    // with none open does nothing.
    void openChunk(const QString& name);
    void closeChunk();
    bool chunkOpen() const { return depth_ > 0; }

    // The latest step, taken off the undo queue (empty when there is none);
    // the caller applies it backwards and hands it to undone().
    bool takeUndo(Chunk* chunk);
    void undone(Chunk chunk) { redo_.push_back(std::move(chunk)); }
    bool takeRedo(Chunk* chunk);
    void redone(Chunk chunk) { undo_.push_back(std::move(chunk)); }
    // undoInfo -state: off, nothing is recorded (and the queue is flushed).
    bool enabled() const { return enabled_; }
    void setEnabled(bool on)
    {
        if (!on)
            clear();
        enabled_ = on;
    }
    int undoCount() const { return int(undo_.size()) + (open_.empty() ? 0 : 1); }
    int redoCount() const { return int(redo_.size()); }
    void clear();

    // Steps kept; the oldest go first.
    static constexpr size_t kLimit = 10000;

private:
    std::vector<Chunk> undo_, redo_;
    Chunk open_;
    int depth_ = 0;
    bool enabled_ = true;
};

} // namespace qbhost
#endif
