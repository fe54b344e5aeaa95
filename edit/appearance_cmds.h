#ifndef QB_EDIT_APPEARANCE_CMDS_H
#define QB_EDIT_APPEARANCE_CMDS_H
// The appearance edits of the selected buttons: colour, size, relative size
// step, label, label colour, shape, picture and frame. Pushed by the
// toolbox, the colour palettes and the canvas's keys and menu.
#include "edit/change_value_cmd.h"
#include <QtCore/QString>
#include <QtGui/QRgb>

class change_color_cmd : public change_value_cmd<QRgb>
{
public:
    change_color_cmd(picker_document* document, unsigned int color);
    int id() const override;

protected:
    QRgb get(const buttonRecord& button) const override;
    void set(int index, const QRgb& value) const override;
};

class change_size_cmd : public change_value_cmd<int>
{
public:
    change_size_cmd(picker_document* document, int size);
    int id() const override;

protected:
    int get(const buttonRecord& button) const override;
    void set(int index, const int& value) const override;
};

// A step added to each button's size at the time of redo. Steps of one
// sign merge into one; a change of direction starts a new undo step.
class adjust_size_cmd : public change_size_cmd
{
public:
    adjust_size_cmd(picker_document* document, int step);
    int id() const override;

protected:
    int applied(const buttonRecord& button) const override;
    bool accepts(const change_value_cmd<int>& later) const override;
    void absorb(const change_value_cmd<int>& later) override;
};

// Each label edit is its own undo step: typing never merges.
class change_label_cmd : public change_value_cmd<QString>
{
public:
    change_label_cmd(picker_document* document, QString const& label);
    int id() const override;
    bool mergeWith(const QUndoCommand* other) override;

protected:
    QString get(const buttonRecord& button) const override;
    void set(int index, const QString& value) const override;
};

class change_labelc_cmd : public change_value_cmd<QRgb>
{
public:
    change_labelc_cmd(picker_document* document, unsigned int color);
    int id() const override;

protected:
    QRgb get(const buttonRecord& button) const override;
    void set(int index, const QRgb& value) const override;
};
// A run of shape changes of the same buttons undoes in one step.
class change_shape_cmd : public change_value_cmd<button_shape>
{
public:
    change_shape_cmd(picker_document* document, button_shape const& shape);
    int id() const override;

protected:
    button_shape get(const buttonRecord& button) const override;
    void set(int index, const button_shape& value) const override;
};

// A picture of the document by name on the buttons; an empty name takes
// it off ("Remove Image").
class change_image_cmd : public change_value_cmd<QString>
{
public:
    change_image_cmd(picker_document* document, QString const& picture);
    int id() const override;

protected:
    QString get(const buttonRecord& button) const override;
    void set(int index, const QString& value) const override;
};

// With a frame (fill and outline) or as a label alone.
class change_frame_cmd : public change_value_cmd<bool>
{
public:
    change_frame_cmd(picker_document* document, bool frame);
    int id() const override;

protected:
    bool get(const buttonRecord& button) const override;
    void set(int index, const bool& value) const override;
};
#endif
