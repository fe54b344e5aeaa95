#ifndef QB_DOCUMENT_PICKER_DOCUMENT_H
#define QB_DOCUMENT_PICKER_DOCUMENT_H
#include "document/stream_part_cache.h"
#include "model/buttonRecord.h"
#include "model/button_block_cache.h"
#include "model/button_set.h"
#include "model/mirror_settings.h"
#include "model/rig_picker.h"
#include "model/picker_extensions.h"

#include <QtCore/QDataStream>
#include <QtCore/QList>
#include <QtCore/QObject>
#include <QtCore/QString>
#include <QtCore/QVector>
#include <QtGui/QPixmap>
#include <QUndoStack>

// One picker: its name, picker file, buttons, background and undo stack,
// without any widget. Every change of what is stored goes through an
// operation here, which bumps the revision of what it touched, so that the
// encoded blocks kept for the scene can never outlive their data. Edits
// (the undo commands) change the buttons and then call edit_done() once;
// the canvas that shows the picker and the scene store listen to the
// signals.
class picker_document : public QObject
{
    Q_OBJECT
public:
    explicit picker_document(QObject* parent = nullptr);
    ~picker_document() override;

    QString name() const { return name_; }
    void set_name(const QString& name);
    // The picker file this picker was last loaded from or saved to; empty
    // when never saved.
    const QString& filePath() const { return filePath_; }
    void setFilePath(const QString& path);

    // ---- buttons, read
    const QList<buttonRecord>& buttons() const { return buttons_; }
    int count() const { return buttons_.size(); }
    bool valid_index(int index) const { return index >= 0 && index < buttons_.size(); }
    // Bumped whenever the list gains, loses or replaces records, so that
    // whoever holds a position in it can tell it is stale.
    quint64 generation() const { return generation_; }
    int index_of(const buttonRecord* record) const;
    // The list positions of the fully selected buttons, ascending.
    QVector<int> selected_indices() const;
    // The attributes of the fully selected buttons, in list order.
    QList<buttonAttributes> getButtons() const;
    // The union of the buttons' rectangles (only those with a state when
    // selectedOnly); an empty rectangle at the origin when none qualifies.
    QRect button_bounds(bool selectedOnly) const;
    // The namespaces the buttons use, sorted, appended to out.
    void collectCurrentNamespace(QStringList& out) const;

    // ---- buttons, changed: each bumps the button revision, none signals
    // push_button appends (index < 0) or inserts and returns the button's
    // index; the caller keeps pop_button's index valid.
    int push_button(const buttonAttributes& attributes, int index);
    void pop_button(int index);
    // Replaces every button (the undo stack is cleared first).
    void set_buttons(const QList<buttonAttributes>& buttons);
    // Empties the list, clearing the undo stack first.
    void reset_buttons();
    void move_button(int index, const QPoint& position);
    void set_button_size(int index, int size);
    // An empty text removes the label and its picture.
    void set_button_label(int index, const QString& text);
    void set_button_color(int index, QRgb color);
    void set_button_label_color(int index, QRgb color);
    // New nodes start unflagged.
    void set_button_nodes(int index, const QStringList& nodes);
    // The host renamed or moved nodes: each selection button's names that
    // are keys of renamed take the new text, as one edit (not undoable: the
    // host's change, not the user's). True when a name changed.
    bool follow_names(const QHash<QString, QString>& renamed);
    void set_button_attributes(int index, const buttonAttributes& attributes);
    void set_button_shape(int index, const button_shape& shape);
    // A picture of this picker by name; empty for none.
    void set_button_image(int index, const QString& name);
    void set_button_frame(int index, bool frame);
    // A record to change in place, for callers that change what is stored
    // directly: the revision is bumped as if they did.
    buttonRecord* button(int index);

    // An edit is complete: the stored buttons may have changed. Commands
    // and other editors call it once at their end; edited() follows.
    void edit_done();

    // ---- selection states (not stored: no revision, no scene write)
    bool any_selected() const;
    bool select(int index, bool flagsOnly);
    bool unselect(int index, bool flagsOnly);
    bool conform_to_set(const button_set& set);
    // To the window selection list.
    bool conform_to_selection();
    void append_selected(button_set& set) const;
    bool conform_to_selected();
    bool clear_selected();
    void select_list(const QVector<int>& indices, bool flagsOnly);

    // ---- background
    const QPixmap& background() const { return background_; }
    const QString& backgroundName() const { return backgroundName_; }
    // Shows a background (a restore, a load, an image fetched from the
    // scene); no image key changes.
    void setBackground(const QString& name, const QPixmap& image);
    // The user chose a background, or removed it (name "0", no image):
    // backgroundChosen() tells the scene store, which moves the image keys.
    void choose_background(const QString& name, const QPixmap& image);

    // ---- pictures shown on buttons, by name (named by content)
    const picker_pictures& pictures() const { return pictures_; }
    // Adds pictures (a load, a paste); a name already held keeps its image.
    void add_pictures(const picker_pictures& pictures);
    // Adds one picture and gives its name; empty for an image that cannot
    // be encoded.
    QString add_picture(const QImage& image);
    // The pictures the buttons show.
    picker_pictures used_pictures() const;

    // ---- mirroring: the side rules, the axis and the side colours
    const mirror_settings& mirror() const { return mirror_; }
    // The rules the settings name (the defaults unless it has its own).
    const side_rules& side() const { return side_; }
    // Stored with the buttons; no signal (the caller's edit ends with edit_done).
    void set_mirror(const mirror_settings& settings);

    // ---- the rig picker this tab was made from (none for most tabs)
    const rig_origin& origin() const { return origin_; }
    void set_origin(const rig_origin& origin);

    // ---- stored form
    // The button block, as every stream layout holds it.
    void streamTo(QDataStream& stream) const;
    void streamFrom(QDataStream& stream, int version);
    // This picker's two blocks of the window stream, encoded when first asked
    // for after a change to what they hold, and kept until the next.
    const QByteArray& encoded_background() const;
    const QByteArray& encoded_buttons() const;
    // What the extension block holds of this picker's buttons.
    const extension_records& encoded_extensions() const;
    // Change every time what the block holds may change, and are never the
    // same for two documents: a writer that kept a block's compressed bytes
    // knows them by these.
    quint64 background_revision() const { return backgroundRevision_; }
    quint64 buttons_revision() const { return buttonsRevision_; }

    QUndoStack* undoStack() { return &undo_; }
    const QUndoStack* undoStack() const { return &undo_; }

signals:
    // An edit is done (edit_done()): repaint, refresh the toolbox, store.
    void edited();
    // Button states changed: repaint.
    void selectionChanged();
    // The background shown changed.
    void backgroundChanged();
    // The user chose a background in place of the one named oldName.
    void backgroundChosen(const QString& oldName);
    void nameChanged();
    void filePathChanged();
    // The list gained a record at index, lost the one at index, or was
    // replaced: positions held elsewhere move with it.
    void buttonInserted(int index);
    void buttonRemoved(int index);
    void buttonsReset();

private:
    void touch_buttons() { buttonsRevision_ = next_revision(); }
    static quint64 next_revision();
    void relabel(buttonRecord& record);

    QString name_;
    QString filePath_;
    QList<buttonRecord> buttons_;
    quint64 generation_ = 0;
    quint64 buttonsRevision_ = next_revision();
    quint64 backgroundRevision_ = next_revision();
    mutable stream_part_cache buttonsPart_;
    mutable button_block_cache buttonBlock_;
    mutable stream_part_cache backgroundPart_;
    mutable extension_records extensions_;
    mutable quint64 extensionsRevision_ = 0;
    picker_pictures pictures_;
    mirror_settings mirror_;
    rig_origin origin_;
    side_rules side_;
    QPixmap background_;
    QString backgroundName_;
    QUndoStack undo_;
};
#endif
