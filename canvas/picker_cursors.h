#ifndef QB_CANVAS_PICKER_CURSORS_H
#define QB_CANVAS_PICKER_CURSORS_H
#include <QtGui/QCursor>

// The canvas's two monochrome 32 by 32 cursors, drawn from bitmaps kept in
// the program: the hollow edit arrow (Ctrl held) and the add-many arrow
// with its plus sign.
class picker_cursors
{
public:
    static constexpr int kSize = 32;
    static QCursor* make_edit_cursor();
    static QCursor* make_add_many_cursor();
};
#endif
