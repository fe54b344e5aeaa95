#include "edit/appearance_cmds.h"
#include "edit/undo_ids.h"

// ---- colour

change_color_cmd::change_color_cmd(picker_document* document, unsigned int color)
    : change_value_cmd<QRgb>(document, color, QString::fromLatin1("Change Color"))
{
    capture();
}

int change_color_cmd::id() const
{
    return change_color_id;
}

QRgb change_color_cmd::get(const buttonRecord& button) const
{
    return button.color;
}

void change_color_cmd::set(int index, const QRgb& value) const
{
    document_->set_button_color(index, value);
}

// ---- size

change_size_cmd::change_size_cmd(picker_document* document, int size)
    : change_value_cmd<int>(document, size, QString::fromLatin1("Change Size"))
{
    capture();
}

int change_size_cmd::id() const
{
    return change_size_id;
}

int change_size_cmd::get(const buttonRecord& button) const
{
    return button.size;
}

void change_size_cmd::set(int index, const int& value) const
{
    document_->set_button_size(index, value);
}

adjust_size_cmd::adjust_size_cmd(picker_document* document, int step) : change_size_cmd(document, step)
{
    setText(QString::fromLatin1("Adjust Size"));
}

int adjust_size_cmd::id() const
{
    return adjust_size_id;
}

int adjust_size_cmd::applied(const buttonRecord& button) const
{
    return button.size + value_;
}

bool adjust_size_cmd::accepts(const change_value_cmd<int>& later) const
{
    // A step of 0 counts as growing.
    return (value_ >= 0) == (later.value() >= 0);
}

void adjust_size_cmd::absorb(const change_value_cmd<int>& later)
{
    value_ += later.value();
}

// ---- label

change_label_cmd::change_label_cmd(picker_document* document, QString const& label)
    : change_value_cmd<QString>(document, label, QString::fromLatin1("Label Change"))
{
    capture();
}

int change_label_cmd::id() const
{
    return change_label_id;
}

bool change_label_cmd::mergeWith(const QUndoCommand*)
{
    return false;
}

QString change_label_cmd::get(const buttonRecord& button) const
{
    return button.label;
}

void change_label_cmd::set(int index, const QString& value) const
{
    document_->set_button_label(index, value);
}

// ---- label colour

change_labelc_cmd::change_labelc_cmd(picker_document* document, unsigned int color)
    : change_value_cmd<QRgb>(document, color, QString::fromLatin1("Change Color"))
{
    capture();
}

int change_labelc_cmd::id() const
{
    return change_labelc_id;
}

QRgb change_labelc_cmd::get(const buttonRecord& button) const
{
    return button.labelColor;
}

void change_labelc_cmd::set(int index, const QRgb& value) const
{
    document_->set_button_label_color(index, value);
}

// ---- shape

change_shape_cmd::change_shape_cmd(picker_document* document, button_shape const& shape)
    : change_value_cmd<button_shape>(document, shape, QString::fromLatin1("Change Shape"))
{
    capture();
}

int change_shape_cmd::id() const
{
    return change_shape_id;
}

button_shape change_shape_cmd::get(const buttonRecord& button) const
{
    return button.shape;
}

void change_shape_cmd::set(int index, const button_shape& value) const
{
    document_->set_button_shape(index, value);
}

// ---- picture

change_image_cmd::change_image_cmd(picker_document* document, QString const& picture)
    : change_value_cmd<QString>(document, picture,
                                QString::fromLatin1(picture.isEmpty() ? "Remove Image" : "Set Image"))
{
    capture();
}

int change_image_cmd::id() const
{
    return change_image_id;
}

QString change_image_cmd::get(const buttonRecord& button) const
{
    return button.image;
}

void change_image_cmd::set(int index, const QString& value) const
{
    document_->set_button_image(index, value);
}

// ---- frame

change_frame_cmd::change_frame_cmd(picker_document* document, bool frame)
    : change_value_cmd<bool>(document, frame, QString::fromLatin1(frame ? "Show Frame" : "Label Only"))
{
    capture();
}

int change_frame_cmd::id() const
{
    return change_frame_id;
}

bool change_frame_cmd::get(const buttonRecord& button) const
{
    return button.frame;
}

void change_frame_cmd::set(int index, const bool& value) const
{
    document_->set_button_frame(index, value);
}
