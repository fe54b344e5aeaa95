#include "window/toolbox_label_field.h"
#include <QtGui/QKeyEvent>

void toolbox_label_field::show_text(const QString& text)
{
    shown_ = text;
    setText(text);
}

void toolbox_label_field::keyPressEvent(QKeyEvent* e)
{
    if (e->key() == Qt::Key_Escape && e->modifiers() == Qt::NoModifier) {
        setText(shown_);
        setModified(false);
        e->accept();
        return;
    }
    QLineEdit::keyPressEvent(e);
}
