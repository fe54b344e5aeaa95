#include "edit/mirror_buttons_cmd.h"
#include "document/picker_document.h"
#include "edit/saved_buttons.h"
#include "edit/undo_ids.h"
#include "model/button_mirror.h"

mirror_buttons_cmd::mirror_buttons_cmd(picker_document* document, mode_t mode)
    : QUndoCommand(mode == copy ? QObject::tr("Mirror Buttons") : QObject::tr("Flip Buttons")),
      document_(document),
      mode_(mode)
{
    QList<buttonAttributes> selected;
    const QVector<int> indices = document->selected_indices();
    for (int i : indices)
        selected.append(document->buttons()[i].attributes());
    const qint64 axis = mirror_axis_twice(document->mirror(), selected);
    for (int k = 0; k < indices.size(); ++k) {
        // A copy of a button of the centre line would lie on the same names.
        if (mode == copy && mirrors_to_itself(selected[k], document->side()))
            continue;
        sources_.append(indices[k]);
        before_.append(selected[k]);
        after_.append(mirrored_button(selected[k], document->side(), document->mirror(), axis));
    }
    if (mode == flip)
        targets_ = sources_;
}

int mirror_buttons_cmd::id() const
{
    return mirror_buttons_id;
}

void mirror_buttons_cmd::redo()
{
    if (after_.isEmpty())
        return;
    if (mode_ == copy) {
        targets_.clear();
        for (const buttonAttributes& b : after_)
            targets_.append(document_->push_button(b, -1));
    } else {
        for (int k = 0; k < sources_.size(); ++k)
            if (document_->valid_index(sources_[k]))
                document_->set_button_attributes(sources_[k], after_[k]);
    }
    // Shown selected, as a paste is, without a word to the host: the
    // next edit acts on them.
    document_->clear_selected();
    document_->select_list(targets_, true);
    document_->edit_done();
}

void mirror_buttons_cmd::undo()
{
    if (after_.isEmpty())
        return;
    if (mode_ == copy) {
        remove_buttons(document_, targets_);
    } else {
        for (int k = 0; k < sources_.size(); ++k)
            if (document_->valid_index(sources_[k]))
                document_->set_button_attributes(sources_[k], before_[k]);
    }
    document_->clear_selected();
    document_->select_list(sources_, true);
    document_->edit_done();
}
