#ifndef QB_EDIT_CHANGE_VALUE_CMD_H
#define QB_EDIT_CHANGE_VALUE_CMD_H
// The shape every appearance edit shares: one attribute of the selected
// buttons set to a new value. Construction records which buttons were
// selected and what they held; undo puts that back, redo applies the new
// value; a run of edits on the same buttons can merge into one undo step.
#include "document/picker_document.h"
#include <QtCore/QVector>
#include <QUndoCommand>

template <typename Value>
class change_value_cmd : public QUndoCommand
{
public:
    void redo() override
    {
        if (indices_.isEmpty())
            return; // nothing was selected: no repaint, no signal
        for (int index : indices_) {
            if (!document_->valid_index(index))
                continue; // the list changed under a stale command
            set(index, applied(document_->buttons()[index]));
        }
        document_->edit_done();
    }

    void undo() override
    {
        if (indices_.isEmpty())
            return;
        for (int i = 0; i < indices_.size(); ++i)
            if (document_->valid_index(indices_[i]))
                set(indices_[i], old_[i]);
        document_->edit_done();
    }

    // Same kind of edit on the same buttons, in the same order: this
    // command takes over the later one's effect and keeps its own old
    // values, so that one undo goes back to before the whole run.
    bool mergeWith(const QUndoCommand* other) override
    {
        const auto* later = dynamic_cast<const change_value_cmd*>(other);
        if (!later || later->id() != id() || later->indices_ != indices_ || !accepts(*later))
            return false;
        absorb(*later);
        return true;
    }

    const Value& value() const { return value_; }
    const QVector<int>& indices() const { return indices_; }
    const QVector<Value>& old_values() const { return old_; }

protected:
    change_value_cmd(picker_document* document, const Value& value, const QString& text)
        : QUndoCommand(text), document_(document), value_(value)
    {
    }

    // Records the fully selected buttons, in list order, with their present
    // values. Each subclass calls it from its own constructor, where get()
    // is already its own.
    void capture()
    {
        indices_ = document_->selected_indices();
        for (int i : indices_)
            old_.append(get(document_->buttons()[i]));
    }

    virtual Value get(const buttonRecord& button) const = 0;
    virtual void set(int index, const Value& value) const = 0;
    // What redo gives a button: the new value, unless the edit is relative.
    virtual Value applied(const buttonRecord&) const { return value_; }
    virtual bool accepts(const change_value_cmd&) const { return true; }
    virtual void absorb(const change_value_cmd& later) { value_ = later.value_; }

    picker_document* document_;
    Value value_;

private:
    QVector<int> indices_;
    QVector<Value> old_;
};
#endif
