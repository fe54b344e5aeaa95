#include "window/rig_pickers.h"
#include "canvas/picker_view.h"
#include "document/host_port.h"
#include "document/scene_store.h"
#include "model/namespace_rewrite.h"
#include "model/namespace_scan.h"
#include "model/picker_file_check.h"
#include "model/picker_version.h"
#include "ui/picker_dialogs.h"
#include "window/picker_window.h"
#include "window/rig_update_bar.h"
#include "window/tab_files.h"

#include <QtCore/QBuffer>
#include <QtWidgets/QTabBar>
#include <QtWidgets/QTabWidget>
#include <QtWidgets/QVBoxLayout>

namespace {

picker_view* view_at(QTabWidget* tabs, int i)
{
    return qobject_cast<picker_view*>(tabs->widget(i));
}

// A window that shows nothing yet: its one tab untitled, empty, from no
// file and with nothing to undo; a rig's tabs take its place.
bool only_placeholder(QTabWidget* tabs)
{
    if (tabs->count() != 1)
        return false;
    const picker_view* view = view_at(tabs, 0);
    const picker_document* d = view ? view->document() : nullptr;
    return d && d->buttons().isEmpty() && d->filePath().isEmpty() && d->origin().isEmpty()
           && d->background().isNull() && d->undoStack()->count() == 0;
}

} // namespace

rig_pickers::rig_pickers(picker_window* window) : QObject(window), window_(window)
{
    connect(window_->tabs(), &QTabWidget::currentChanged, this, &rig_pickers::show_offer);
}

QList<picker_document*> rig_pickers::stashed_documents() const
{
    QList<picker_document*> out;
    for (const QPointer<picker_view>& v : stash_)
        if (v)
            out.append(v->document());
    return out;
}

void rig_pickers::clear_stash()
{
    for (const QPointer<picker_view>& v : stash_)
        delete v.data();
    stash_.clear();
}

void rig_pickers::request_scan()
{
    host_port::current().queue_mel(rig_picker::scan_mel(QB_PICKER_COMMAND));
}

const rig_picker_node* rig_pickers::node_for(const rig_origin& origin) const
{
    for (const rig_picker_node& n : nodes_)
        if (n.bareName() == origin.node && n.space() == origin.space
            && (n.referenced || origin.space.isEmpty()))
            return &n;
    return nullptr;
}

void rig_pickers::adopt(const QList<rig_picker_node>& nodes)
{
    nodes_ = nodes;
    QTabWidget* tabs = window_->tabs();
    bool changed = false;
    // A reference unloaded or removed takes its tabs along, unasked: the
    // rig still holds the picker, and the shot's copy goes with the tab.
    for (int i = tabs->count() - 1; i >= 0; --i) {
        const picker_view* view = view_at(tabs, i);
        const rig_origin origin = view ? view->document()->origin() : rig_origin();
        if (!origin.isEmpty() && !origin.space.isEmpty() && !node_for(origin)) {
            // Closed unasked, but the animator's copy is kept: it comes
            // back with the reference.
            picker_view* gone = view_at(tabs, i);
            tabs->removeTab(i);
            gone->hide();
            stash_.append(gone);
            changed = true;
        }
    }
    for (const rig_picker_node& node : nodes_) {
        // A referenced rig's picker in its namespace; the rig's own file
        // opened by itself gives its pickers unbound.
        if (!node.referenced && !node.space().isEmpty())
            continue;
        const rig_origin wanted{node.bareName(), node.referenced ? node.space() : QString(), node.version};
        bool shown = false;
        for (int i = 0; i < tabs->count() && !shown; ++i)
            if (const picker_view* view = view_at(tabs, i))
                shown = view->document()->origin().same_picker(wanted);
        for (int i = 0; i < stash_.size() && !shown; ++i) {
            picker_view* kept = stash_[i];
            if (kept && kept->document()->origin().same_picker(wanted)) {
                stash_.removeAt(i);
                const bool replace = only_placeholder(tabs);
                tabs->addTab(kept, kept->document()->name());
                if (replace)
                    window_->remove_tab(0, false);
                shown = changed = true;
            }
        }
        if (!shown)
            changed = add_tab(node) || changed;
    }
    if (tabs->count() == 0)
        window_->add_untitled_tab();
    // A scene opened as it was saved stays unmodified.
    if (changed)
        window_->scene()->request();
    show_offer();
}

bool rig_pickers::add_tab(const rig_picker_node& node)
{
    const picker_file_check read = picker_file_check::read_bytes(node.file, node.name);
    if (!read.ok()) {
        host_port::current().warn(QStringLiteral("%1: the picker stored in %2 cannot be read: %3")
                                      .arg(QLatin1String(QB_PICKER_COMMAND), node.name, read.error));
        return false;
    }
    if (read.damaged())
        host_port::current().warn(QStringLiteral("%1: the picker stored in %2 is damaged; only what could be read is "
                                                 "shown: %3")
                                      .arg(QLatin1String(QB_PICKER_COMMAND), node.name, read.summary()));
    picker_tab_data tab = read.tab;
    const QString space = node.referenced ? node.space() : QString();
    if (!space.isEmpty()) {
        // Stored without namespace: each name goes into the reference's.
        const namespace_mapping mapping = make_namespace_mapping({qMakePair(QStringLiteral(":"), space)});
        for (buttonAttributes& b : tab.buttons)
            rewrite_button(b, mapping);
    }
    tab.name = rig_picker::tab_title(tab.name, space);
    tab.origin = rig_origin{node.bareName(), space, node.version};
    QTabWidget* tabs = window_->tabs();
    const bool replace = only_placeholder(tabs);
    window_->files()->add_rig_tab(tab);
    if (replace)
        window_->remove_tab(0, false);
    return true;
}

void rig_pickers::show_offer()
{
    const picker_view* view = window_->frontPicker();
    const rig_origin origin = view ? view->document()->origin() : rig_origin();
    const rig_picker_node* node = origin.isEmpty() ? nullptr : node_for(origin);
    if (node && node->version > origin.version) {
        if (!bar_) {
            bar_ = new rig_update_bar(window_);
            window_->layout_->insertWidget(0, bar_);
            connect(bar_, &rig_update_bar::use_rig, this, &rig_pickers::use_rig);
            connect(bar_, &rig_update_bar::keep_mine, this, &rig_pickers::keep_mine);
        }
        bar_->offer(view->document()->name(), origin.version, node->version);
    } else if (bar_) {
        bar_->hide();
    }
}

void rig_pickers::keep_mine()
{
    picker_view* view = window_->frontPicker();
    const rig_picker_node* node = view ? node_for(view->document()->origin()) : nullptr;
    if (!node)
        return;
    // Asked once per version of the rig's picker.
    rig_origin origin = view->document()->origin();
    origin.version = node->version;
    view->document()->set_origin(origin);
    window_->scene()->request();
    show_offer();
}

void rig_pickers::use_rig()
{
    picker_view* view = window_->frontPicker();
    const rig_picker_node* node = view ? node_for(view->document()->origin()) : nullptr;
    if (!node)
        return;
    const rig_picker_node copy = *node;
    QTabWidget* tabs = window_->tabs();
    const int index = tabs->indexOf(view);
    // The new tab takes the old one's place.
    add_tab(copy);
    const int added = tabs->count() - 1;
    if (added > index && view_at(tabs, added) && view_at(tabs, added)->document()->origin().version == copy.version) {
        tabs->tabBar()->moveTab(added, index);
        window_->remove_tab(index + 1, true);
        tabs->setCurrentIndex(index);
    }
    window_->scene()->request();
    show_offer();
}

void rig_pickers::store_current()
{
    QPointer<picker_window> self(window_);
    picker_view* view = window_->frontPicker();
    if (!view)
        return;
    picker_document* document = view->document();
    picker_dialogs& dialogs = picker_dialogs::current();
    if (!document->origin().space.isEmpty()) {
        // A referenced file is never written from a shot.
        dialogs.warning(window_, tr("Store in Rig"),
                        tr("This tab comes from the reference \"%1\". Open the rig's own file to store its picker.")
                            .arg(document->origin().space),
                        QMessageBox::Ok, QMessageBox::NoButton);
        return;
    }
    const QString proposed =
        document->origin().isEmpty() ? rig_picker::node_name(document->name()) : document->origin().node;
    bool ok = false;
    const QPointer<picker_view> canvas(view);
    const QString typed = dialogs.getText(window_, tr("Store in Rig"), tr("Picker node"), proposed, &ok);
    if (!self || !canvas || !ok)
        return;
    const QString node = typed.trimmed();
    if (node.isEmpty() || node.contains(QLatin1Char(':')) || node.contains(QLatin1Char('|'))) {
        dialogs.warning(window_, tr("Store in Rig"),
                        tr("\"%1\" cannot name a node of the rig: give a name without namespace or path.").arg(node),
                        QMessageBox::Ok, QMessageBox::NoButton);
        return;
    }
    picker_tab_data tab = tab_files::tab_data(document);
    // The rig's names, without the namespace of this scene.
    QStringList spaces;
    for (const buttonAttributes& b : tab.buttons)
        collect_button_namespaces(b, spaces);
    QList<QPair<QString, QString>> rows;
    for (const QString& s : spaces)
        rows.append(qMakePair(s, QString()));
    const namespace_mapping mapping = make_namespace_mapping(rows);
    for (buttonAttributes& b : tab.buttons)
        rewrite_button(b, mapping);
    QByteArray bytes;
    {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QDataStream out(&buffer);
        out.setVersion(kPickerFileStreamVersion);
        writePickerFile(out, tab);
    }
    qint32 version = 1;
    for (const rig_picker_node& n : nodes_)
        if (!n.referenced && n.name == node)
            version = n.version + 1;
    if (document->origin().node == node)
        version = qMax(version, document->origin().version + 1);
    host_port::current().queue_mel(rig_picker::store_mel(node, bytes, version));
    document->set_origin(rig_origin{node, QString(), version});
    window_->scene()->request();
    request_scan();
}

void rig_pickers::remove_current()
{
    picker_view* view = window_->frontPicker();
    if (!view)
        return;
    picker_document* document = view->document();
    const rig_origin origin = document->origin();
    if (!origin.space.isEmpty()) {
        picker_dialogs::current().warning(
            window_, tr("Remove from Rig"),
            tr("This tab comes from the reference \"%1\". Open the rig's own file to remove its picker.")
                .arg(origin.space),
            QMessageBox::Ok, QMessageBox::NoButton);
        return;
    }
    const QString node = origin.isEmpty() ? rig_picker::node_name(document->name()) : origin.node;
    host_port::current().queue_mel(rig_picker::remove_mel(node));
    document->set_origin(rig_origin());
    window_->scene()->request();
    request_scan();
}
