#ifndef QB_WINDOW_TOOLBOX_LABEL_FIELD_H
#define QB_WINDOW_TOOLBOX_LABEL_FIELD_H
#include <QtWidgets/QLineEdit>

// The toolbox's Label field. Enter and leaving it after typing commit, as
// a line edit reports them; Escape puts back the text it showed for the
// selection, so that leaving it afterwards edits nothing.
class toolbox_label_field : public QLineEdit
{
    Q_OBJECT
public:
    using QLineEdit::QLineEdit;

    // Shows the selection's label: the text Escape goes back to.
    void show_text(const QString& text);

protected:
    void keyPressEvent(QKeyEvent* e) override;

private:
    QString shown_;
};
#endif
