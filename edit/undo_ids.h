#ifndef QB_EDIT_UNDO_IDS_H
#define QB_EDIT_UNDO_IDS_H
// The identities (QUndoCommand::id) of the picker's edit commands, in one
// place: the undo stack merges only commands of equal id.
enum picker_undo_id {
    add_button_id = 0,
    arrange_buttons_id = 1,
    move_buttons_id = 2,
    change_color_id = 3,
    change_size_id = 4,
    adjust_size_id = 5,
    delete_buttons_id = 6,
    update_buttons_id = 7,
    nudge_buttons_id = 8,
    change_label_id = 9,
    change_labelc_id = 10,
    cut_buttons_id = 11,
    paste_buttons_id = 12,
    change_shape_id = 13,
    change_image_id = 14,
    change_frame_id = 15,
    mirror_buttons_id = 16,
    change_mirror_id = 17,
    change_control_id = 18
};
#endif
