#include "window/tab_files.h"
#include "canvas/picker_view.h"
#include "document/scene_store.h"
#include "import/picker_import.h"
#include "import/picker_mapping.h"
#include "model/picker_file_check.h"
#include "model/picker_stream.h"
#include "ui/picker_dialogs.h"
#include "window/picker_window.h"
#include "window/rig_pickers.h"

#include <QtCore/QDir>
#include <QtCore/QPointer>
#include <QtCore/QSaveFile>
#include <QtWidgets/QTabWidget>

namespace {

QString pickerFilter()
{
    return picker_window::tr("Quillbrook Picker (*.qbx)");
}

picker_tab_data tab_data_of(const picker_document* document)
{
    picker_tab_data tab;
    tab.name = document->name();
    tab.backgroundName = document->backgroundName();
    tab.background = document->background().toImage();
    for (const buttonRecord& b : document->buttons())
        tab.buttons.append(b.attributes());
    tab.pictures = document->used_pictures();
    tab.mirror = document->mirror();
    tab.origin = document->origin();
    return tab;
}

} // namespace

tab_files::tab_files(picker_window* window) : QObject(window), window_(window) {}

void tab_files::open_tab()
{
    const QStringList paths =
        picker_dialogs::current().getOpenFileNames(window_, picker_window::tr("Select Picker"), QString(), pickerFilter());
    if (!paths.isEmpty())
        load_pickers(paths);
}

void tab_files::load_pickers(QStringList const& paths)
{
    QPointer<picker_window> self(window_);
    scene_store* store = window_->scene();
    for (int k = 0; k < paths.size(); ++k) {
        const QString& path = paths.at(k);
        const picker_file_check read = picker_file_check::read(path);
        if (!read.ok()) {
            const bool more = paths.size() > 1 && k < paths.size() - 1;
            const QString native = QDir::toNativeSeparators(path);
            // A readable file that is no picker must not send the user
            // looking at its permissions.
            const QString text =
                read.outcome == picker_file_check::NotPicker
                    ? picker_window::tr("Could not open the file \"%1\".\n\nIt is not a picker file.").arg(native)
                    : picker_window::tr("Could not open the file \"%1\".\n\nPlease check the file permissions and try again.")
                          .arg(native);
            const QMessageBox::StandardButton answer = picker_dialogs::current().critical(
                window_, picker_window::tr("Open Failed"), text,
                more ? (QMessageBox::Ignore | QMessageBox::Cancel) : QMessageBox::StandardButtons(QMessageBox::Ok),
                QMessageBox::NoButton);
            // The box ran its own event loop: the host may have closed the panel.
            if (!self || answer == QMessageBox::Cancel)
                return;
            continue;
        }
        picker_tab_data tab = read.tab;
        if (read.version < 2)
            tab.backgroundName.clear();
        picker_view* view = add_loaded_tab(tab, path, false);
        if (read.damaged()) {
            const QPointer<picker_view> loaded(view);
            // What could be read is loaded; saving it back would destroy the
            // rest without a word, so say so now.
            report_damage(picker_window::tr("The picker file \"%1\" is damaged: %2 could be read, and only these are loaded.")
                              .arg(QDir::toNativeSeparators(path), button_count(read.tab.buttons.size())),
                          read.problems(),
                          picker_window::tr("Saving this picker over the file replaces what could not be read. Save it under "
                             "another name to keep the damaged file as it is."));
            // Nothing is queued for the host until the box is answered: an
            // unload or a new scene meanwhile leaves nothing behind.
            if (!self)
                return;
            if (!loaded) // a scene reset closed the tab meanwhile
                continue;
        }
        store->request();
        // The request may run after later files made other tabs current:
        // remember which canvas it is for.
        window_->awaitingBind_.append(view);
        window_->request_rebind(false);
    }
}

picker_tab_data tab_files::tab_data(const picker_document* document)
{
    return tab_data_of(document);
}

picker_view* tab_files::add_rig_tab(const picker_tab_data& tab)
{
    picker_view* view = add_loaded_tab(tab, QString(), false);
    view->document()->setFilePath(QString());
    return view;
}

picker_view* tab_files::add_loaded_tab(const picker_tab_data& tab, const QString& path, bool restore)
{
    scene_store* store = window_->scene();
    picker_document* document = new picker_document;
    // Every background a tab shows has its key in the scene, but for a
    // picture that could not be read: nothing replaces the key's image.
    if (store->adopt_background(document, tab)) {
        if (restore)
            store->restore_image(document);
        else
            store->set_image(document);
    }
    document->add_pictures(tab.pictures);
    document->set_mirror(tab.mirror);
    document->set_origin(tab.origin);
    document->set_buttons(tab.buttons);
    document->set_name(tab.name);
    if (restore)
        return window_->add_tab(document, false);
    document->conform_to_selection(); // lit at once for what the host has selected
    document->setFilePath(path);
    return window_->add_tab(document, true);
}

void tab_files::import_tab()
{
    const QStringList paths = picker_dialogs::current().getOpenFileNames(
        window_, picker_window::tr("Import Picker"), QString(),
        picker_window::tr("Pickers of other tools (*.json *.pkr);;dwpicker (*.json);;mGear anim picker (*.pkr)"));
    if (!paths.isEmpty())
        import_pickers(paths);
}

void tab_files::import_pickers(QStringList const& paths)
{
    QPointer<picker_window> self(window_);
    for (const QString& path : paths) {
        const QString native = QDir::toNativeSeparators(path);
        const picker_import read = picker_import::read_file(path);
        const mapped_picker mapped = read.ok() ? map_imported_picker(read.picker) : mapped_picker();
        if (!read.ok() || mapped.tabs.isEmpty()) {
            const QString why = read.ok() ? picker_window::tr("It holds no tabs.") : read.error;
            picker_dialogs::current().critical(
                window_, picker_window::tr("Import Failed"),
                picker_window::tr("Could not import the file \"%1\".\n\n%2").arg(native, why), QMessageBox::Ok,
                QMessageBox::NoButton);
            if (!self)
                return; // the box ran its own loop: the panel may be gone
            continue;
        }
        // Told first, so that nothing is queued for the host until the box
        // is answered: an unload or a new scene meanwhile leaves nothing.
        if (!mapped.report.isEmpty()) {
            picker_dialogs::current().information(
                window_, picker_window::tr("Import Report"),
                picker_window::tr("The file \"%1\" was imported, but not all of it came over as it was:\n\n%2")
                    .arg(native, mapped.report.lines().join(QLatin1Char('\n'))),
                QMessageBox::Ok, QMessageBox::NoButton);
            if (!self)
                return;
        }
        // An ordinary picker from now on: no file of its own, so Save asks
        // where to write it.
        for (const picker_tab_data& tab : mapped.tabs) {
            picker_view* view = add_loaded_tab(tab, QString(), false);
            view->document()->setFilePath(QString());
            window_->awaitingBind_.append(view);
            window_->request_rebind(false);
        }
        window_->scene()->request();
    }
}

void tab_files::report_damage(QString const& headline, QStringList const& problems, QString const& advice)
{
    QString text = headline;
    if (!problems.isEmpty()) {
        QString first = problems.first();
        first[0] = first[0].toUpper();
        text += QStringLiteral("\n\n") + first;
        if (problems.size() > 1)
            text += picker_window::tr(" (and %1 more)").arg(problems.size() - 1);
    }
    text += QStringLiteral("\n\n") + advice;
    picker_dialogs::current().warning(window_, picker_window::tr("Damaged Picker"), text, QMessageBox::Ok, QMessageBox::NoButton);
}

QString tab_files::button_count(int count)
{
    return count == 1 ? picker_window::tr("1 button") : picker_window::tr("%1 buttons").arg(count);
}

bool tab_files::do_save(picker_view* view, QString const& path)
{
    QSaveFile file(path);
    bool ok = file.open(QIODevice::WriteOnly);
    if (ok) {
        QDataStream stream(&file);
        stream.setVersion(kPickerFileStreamVersion);
        picker_tab_data tab = tab_data_of(view->document());
        if (window_->tabs()->indexOf(view) < 0)
            tab.name = QString();
        writePickerFile(stream, tab);
        // The old file stays whole unless the new one was written entirely.
        ok = stream.status() == QDataStream::Ok && file.commit();
    }
    if (!ok) {
        picker_dialogs::current().critical(
            window_, picker_window::tr("Save Failed"),
            picker_window::tr("Could not open the file \"%1\" for writing.\n\nPlease check that this file is not locked and "
               "that you have the proper permissions and try again.")
                .arg(path),
            QMessageBox::Ok, QMessageBox::NoButton);
        return false;
    }
    return true;
}

void tab_files::save_current()
{
    picker_view* view = window_->frontPicker();
    if (!view)
        return;
    if (view->document()->filePath().isEmpty())
        saveas_current();
    else
        do_save(view, view->document()->filePath());
}

void tab_files::saveas_current()
{
    // The dialog runs its own loop, in which a new scene may close the tab.
    QPointer<picker_view> view = window_->frontPicker();
    if (!view)
        return;
    picker_document* document = view->document();
    const QString path =
        picker_dialogs::current().getSaveFileName(window_, picker_window::tr("Save Tab:"), document->filePath(), pickerFilter());
    if (path.isEmpty() || !view)
        return;
    const QString before = document->filePath();
    document->setFilePath(do_save(view, path) ? path : QString());
    if (document->filePath() != before)
        window_->scene()->write_file_paths();
}

void tab_files::streamTo(QDataStream& stream) const
{
    picker_window_data data;
    data.current = window_->tabs()->currentIndex();
    QTabWidget* tabs = window_->tabs();
    for (int i = 0; i < tabs->count(); ++i)
        if (const picker_view* view = qobject_cast<const picker_view*>(tabs->widget(i)))
            data.tabs.append(tab_data_of(view->document()));
    writeWindowStream(stream, data);
}

void tab_files::streamFrom(QDataStream& stream, QString const& valueDamage, QString const& sceneName)
{
    picker_window_data data;
    stream_report report;
    if (!readWindowStream(stream, &data, &report)) {
        picker_dialogs::current().warning(
            nullptr, picker_window::tr("Warning"),
            picker_window::tr("The scene file contains data\nin a format (%1) more recent than the version of the picker\n"
               "installed in this machine can understand.  Please update\nthe picker, and try again.\n")
                .arg(data.version),
            QMessageBox::Ok, QMessageBox::NoButton);
        return;
    }
    // The window is rebuilt from the scene, which already holds what it
    // will show: no tab closed here takes an image key with it.
    QTabWidget* tabs = window_->tabs();
    for (int i = tabs->count() - 1; i >= 0; --i)
        window_->remove_tab(i, false);
    window_->rigs()->clear_stash(); // the stream holds them as tabs again
    scene_store* store = window_->scene();
    int buttons = 0;
    for (picker_tab_data tab : data.tabs) {
        if (data.version < 2)
            tab.backgroundName.clear();
        add_loaded_tab(tab, QString(), true);
        buttons += tab.buttons.size();
    }
    if (tabs->count() == 0 && !valueDamage.isEmpty())
        window_->add_untitled_tab(); // nothing could be read: as for a scene without pickers
    // Each tab was made current as it came; the stream says which is.
    if (data.current >= 0 && data.current < data.tabs.size())
        tabs->setCurrentIndex(data.current);
    store->cancel();

    const qint64 unread =
        stream.status() == QDataStream::Ok && stream.device() ? stream.device()->bytesAvailable() : 0;
    picker_file_check damage;
    damage.outcome = picker_file_check::Read;
    damage.report = report;
    damage.status = stream.status();
    damage.unread = unread;
    if (!damage.damaged() && valueDamage.isEmpty())
        return;
    QStringList problems = damage.problems();
    if (!valueDamage.isEmpty())
        problems.prepend(valueDamage);
    const QString tabCount = data.tabs.size() == 1 ? picker_window::tr("1 tab") : picker_window::tr("%1 tabs").arg(data.tabs.size());
    const QString headline =
        sceneName.isEmpty()
            ? picker_window::tr("The pickers kept in this scene are damaged: %1 with %2 could be read, and only these are "
                 "loaded.")
                  .arg(tabCount, button_count(buttons))
            : picker_window::tr("The pickers kept in the scene \"%1\" are damaged: %2 with %3 could be read, and only these "
                 "are loaded.")
                  .arg(QDir::toNativeSeparators(sceneName), tabCount, button_count(buttons));
    report_damage(headline, problems,
                  picker_window::tr("The scene keeps the damaged data until the next change of a picker replaces it with "
                     "what is shown."));
}
