#include "document/picker_document.h"
#include "model/button_label.h"
#include "model/button_selection.h"
#include "model/namespace_scan.h"
#include "model/picker_image.h"
#include "model/picker_stream.h"
#include "model/window_selection.h"

#include <algorithm>

picker_document::picker_document(QObject* parent) : QObject(parent)
{
    // An undo or redo changes what the blocks hold, whatever the command.
    connect(&undo_, &QUndoStack::indexChanged, this, [this] { touch_buttons(); });
}

picker_document::~picker_document()
{
    // The commands refer to the buttons: always cleared first.
    undo_.clear();
    buttons_.clear();
}

quint64 picker_document::next_revision()
{
    // One count for every document, so that a document made where a closed
    // one was cannot take its revisions.
    static quint64 revisions = 0;
    return ++revisions;
}

void picker_document::set_name(const QString& name)
{
    if (name == name_ && name.isNull() == name_.isNull())
        return;
    name_ = name;
    emit nameChanged();
}

void picker_document::setFilePath(const QString& path)
{
    if (path == filePath_)
        return;
    filePath_ = path;
    emit filePathChanged();
}

// ---- buttons, read

int picker_document::index_of(const buttonRecord* record) const
{
    for (int i = 0; record && i < buttons_.size(); ++i)
        if (&buttons_[i] == record)
            return i;
    return -1;
}

QVector<int> picker_document::selected_indices() const
{
    QVector<int> out;
    for (int i = 0; i < buttons_.size(); ++i)
        if (buttons_[i].state == kSelected)
            out.append(i);
    return out;
}

QList<buttonAttributes> picker_document::getButtons() const
{
    QList<buttonAttributes> out;
    for (int i : selected_indices())
        out.append(buttons_[i].attributes());
    return out;
}

QRect picker_document::button_bounds(bool selectedOnly) const
{
    QRect bounds(0, 0, 0, 0);
    bool first = true;
    for (const buttonRecord& b : buttons_) {
        if (selectedOnly && b.state == kUnselected)
            continue;
        bounds = first ? b.rect : bounds.united(b.rect);
        first = false;
    }
    return bounds;
}

void picker_document::collectCurrentNamespace(QStringList& out) const
{
    for (const buttonRecord& b : buttons_)
        collect_button_namespaces(b, out);
    std::stable_sort(out.begin(), out.end(), compare_name);
}

// ---- buttons, changed

int picker_document::push_button(const buttonAttributes& attributes, int index)
{
    buttonRecord record(attributes);
    if (!record.label.isEmpty())
        button_label::apply(attributes, &record);
    int at;
    if (index < 0 || index >= buttons_.size()) {
        at = buttons_.size();
        buttons_.append(record);
    } else {
        at = index;
        buttons_.insert(index, record);
    }
    ++generation_;
    touch_buttons();
    emit buttonInserted(at);
    return at;
}

void picker_document::pop_button(int index)
{
    buttons_.removeAt(index);
    ++generation_;
    touch_buttons();
    emit buttonRemoved(index);
}

void picker_document::set_buttons(const QList<buttonAttributes>& buttons)
{
    reset_buttons();
    buttons_.reserve(buttons.size());
    for (const buttonAttributes& b : buttons) {
        buttonRecord record(b);
        if (!record.label.isEmpty())
            button_label::apply(b, &record);
        buttons_.append(record);
    }
    ++generation_;
    touch_buttons();
    emit buttonsReset();
}

void picker_document::reset_buttons()
{
    ++generation_;
    touch_buttons();
    if (!buttons_.isEmpty()) {
        undo_.clear();
        buttons_.clear();
    }
    emit buttonsReset();
}

void picker_document::relabel(buttonRecord& record)
{
    if (record.label.isEmpty()) {
        if (!record.labelPicture.isNull())
            record.labelPicture = QPixmap();
        record.rect = buttonRecord::squareRect(record.position, record.size);
        record.fit_shape();
    } else {
        button_label::apply(record, &record);
    }
}

void picker_document::move_button(int index, const QPoint& position)
{
    touch_buttons();
    buttons_[index].moveTo(position);
}

void picker_document::set_button_size(int index, int size)
{
    touch_buttons();
    buttonRecord& b = buttons_[index];
    b.size = size;
    relabel(b);
}

void picker_document::set_button_label(int index, const QString& text)
{
    touch_buttons();
    buttonRecord& b = buttons_[index];
    if (text.isEmpty())
        b.label.clear();
    else
        b.label = text;
    relabel(b);
}

void picker_document::set_button_color(int index, QRgb color)
{
    touch_buttons();
    buttons_[index].color = color;
}

void picker_document::set_button_label_color(int index, QRgb color)
{
    touch_buttons();
    buttonRecord& b = buttons_[index];
    b.labelColor = color;
    // The colour is baked into the label picture. An unlabelled button has
    // no picture, and rendering an empty one would resize its square.
    if (!b.label.isEmpty())
        button_label::apply(b, &b);
}

void picker_document::set_button_nodes(int index, const QStringList& nodes)
{
    touch_buttons();
    buttonRecord& b = buttons_[index];
    b.nodes = nodes;
    b.flags.resize(nodes.size()); // flags of added nodes start clear
}

bool picker_document::follow_names(const QHash<QString, QString>& renamed)
{
    bool any = false;
    for (int i = 0; i < buttons_.size(); ++i) {
        if (buttons_[i].kind != kSelectionButton)
            continue;
        QStringList nodes = buttons_[i].nodes;
        bool changed = false;
        for (QString& n : nodes) {
            const auto it = renamed.constFind(n);
            if (it != renamed.constEnd() && !it->isEmpty()) {
                n = *it;
                changed = true;
            }
        }
        if (changed) {
            // A button holding both the old and the new text keeps one.
            QStringList unique;
            for (const QString& n : nodes)
                if (!unique.contains(n))
                    unique << n;
            const QVector<char> flags = buttons_[i].flags;
            set_button_nodes(i, unique);
            if (unique.size() == nodes.size())
                buttons_[i].flags = flags;
            any = true;
        }
    }
    if (any)
        edit_done();
    return any;
}

void picker_document::set_button_attributes(int index, const buttonAttributes& attributes)
{
    touch_buttons();
    buttonRecord& b = buttons_[index];
    static_cast<buttonAttributes&>(b) = attributes;
    b.flags.resize(b.nodes.size());
    button_label::apply(attributes, &b);
}

void picker_document::set_button_shape(int index, const button_shape& shape)
{
    touch_buttons();
    buttonRecord& b = buttons_[index];
    const bool wasDefault = b.shape.isDefault();
    b.shape = shape;
    if (shape.isDefault() && !wasDefault)
        relabel(b); // back to the square or the label's box
    else
        b.fit_shape();
}

void picker_document::set_button_image(int index, const QString& name)
{
    touch_buttons();
    buttons_[index].image = name;
}

void picker_document::set_button_frame(int index, bool frame)
{
    touch_buttons();
    buttons_[index].frame = frame;
}

buttonRecord* picker_document::button(int index)
{
    touch_buttons();
    return &buttons_[index];
}

void picker_document::edit_done()
{
    touch_buttons();
    emit edited();
}

// ---- selection states

bool picker_document::any_selected() const
{
    return ::any_selected(buttons_);
}

bool picker_document::select(int index, bool flagsOnly)
{
    const bool changed = buttons_[index].select(flagsOnly);
    emit selectionChanged();
    return changed;
}

bool picker_document::unselect(int index, bool flagsOnly)
{
    const bool changed = buttons_[index].unselect(flagsOnly);
    emit selectionChanged();
    return changed;
}

bool picker_document::conform_to_set(const button_set& set)
{
    const bool changed = conform_buttons(buttons_, set);
    if (changed)
        emit selectionChanged();
    return changed;
}

bool picker_document::conform_to_selection()
{
    return conform_to_set(button_set::fromStringList(window_selection::names()));
}

void picker_document::append_selected(button_set& set) const
{
    ::append_selected(buttons_, set);
}

bool picker_document::conform_to_selected()
{
    button_set set;
    append_selected(set);
    return conform_to_set(set);
}

bool picker_document::clear_selected()
{
    const bool any = ::clear_selected(buttons_);
    if (any)
        emit selectionChanged();
    return any;
}

void picker_document::select_list(const QVector<int>& indices, bool flagsOnly)
{
    bool any = false;
    for (int i : indices) {
        if (valid_index(i)) {
            buttons_[i].select(flagsOnly);
            any = true;
        }
    }
    if (any)
        emit selectionChanged();
}

// ---- background

void picker_document::setBackground(const QString& name, const QPixmap& image)
{
    backgroundName_ = name;
    background_ = image;
    backgroundRevision_ = next_revision();
    emit backgroundChanged();
}

void picker_document::choose_background(const QString& name, const QPixmap& image)
{
    const QString old = backgroundName_;
    setBackground(name, image);
    emit backgroundChosen(old);
}

// ---- pictures

void picker_document::add_pictures(const picker_pictures& pictures)
{
    for (auto it = pictures.cbegin(); it != pictures.cend(); ++it)
        if (!pictures_.contains(it.key()))
            pictures_.insert(it.key(), it.value());
    touch_buttons();
}

QString picker_document::add_picture(const QImage& image)
{
    const QString name = contentImageName(image);
    if (name.isEmpty())
        return name;
    if (!pictures_.contains(name)) {
        pictures_.insert(name, image);
        touch_buttons();
    }
    return name;
}

picker_pictures picker_document::used_pictures() const
{
    picker_pictures used;
    for (const buttonRecord& b : buttons_)
        if (!b.image.isEmpty() && pictures_.contains(b.image))
            used.insert(b.image, pictures_.value(b.image));
    return used;
}

// ---- mirroring

void picker_document::set_mirror(const mirror_settings& settings)
{
    if (settings == mirror_)
        return;
    mirror_ = settings;
    side_ = settings.side();
    touch_buttons(); // the settings are written with the buttons' records
}

void picker_document::set_origin(const rig_origin& origin)
{
    if (origin == origin_)
        return;
    origin_ = origin;
    touch_buttons(); // written with the buttons' records
}

// ---- stored form

void picker_document::streamTo(QDataStream& stream) const
{
    QList<buttonAttributes> attributes;
    attributes.reserve(buttons_.size());
    for (const buttonRecord& b : buttons_)
        attributes.append(b.attributes());
    writeButtonBlock(stream, attributes);
}

void picker_document::streamFrom(QDataStream& stream, int version)
{
    set_buttons(readButtonBlock(stream, version));
}

const QByteArray& picker_document::encoded_background() const
{
    return backgroundPart_.get(backgroundRevision_,
                               [this] { return encodeBackgroundBlock(backgroundName_, background_.toImage()); });
}

const QByteArray& picker_document::encoded_buttons() const
{
    return buttonsPart_.get(buttonsRevision_, [this] { return buttonBlock_.encode(buttons_); });
}

const extension_records& picker_document::encoded_extensions() const
{
    if (extensionsRevision_ != buttonsRevision_) {
        QList<buttonAttributes> attributes;
        bool any = false;
        for (const buttonRecord& b : buttons_)
            any = any || b.has_extras();
        if (any) {
            attributes.reserve(buttons_.size());
            for (const buttonRecord& b : buttons_)
                attributes.append(b.attributes());
        }
        extensions_ = buttonExtensionRecords(attributes) + mirrorRecords(mirror_) + rigOriginRecords(origin_);
        extensionsRevision_ = buttonsRevision_;
    }
    return extensions_;
}
