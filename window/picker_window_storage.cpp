// Picker files and the scene's copy of the pickers: the picker window's
// loading, saving and scene-storage operations.
#include "window/picker_window.h"
#include "canvas/picker_view.h"
#include "model/mel_text.h"
#include "model/picker_file_check.h"
#include "model/picker_image.h"
#include "model/picker_stream.h"
#include "model/scene_data.h"
#include "plugin/host_services.h"
#include "window/picker_dialogs.h"
#include "window/scene_writer.h"

#include <QtCore/QDir>
#include <QtCore/QFile>
#include <QtCore/QFileInfo>
#include <QtCore/QPointer>
#include <QtCore/QSaveFile>
#include <QtWidgets/QTabWidget>

namespace {

QString pickerFilter()
{
    return picker_window::tr("Quillbrook Picker (*.qbx)");
}

// The key of a background image; the name is escaped so that no name read
// from a file can end the MEL string it stands in.
QString imageKey(const QString& backgroundName)
{
    return QStringLiteral("QuillbrookPickerImage_") + mel_escape(backgroundName);
}

picker_tab_data tabData(const picker_view* view, const QString& name)
{
    picker_tab_data tab;
    tab.name = name;
    tab.backgroundName = view->backgroundName();
    tab.background = view->background().toImage();
    for (const buttonRecord& b : view->buttons())
        tab.buttons.append(b.attributes());
    return tab;
}

} // namespace

void picker_window::open_tab()
{
    const QStringList paths =
        picker_dialogs::current().getOpenFileNames(this, tr("Select Picker"), QString(), pickerFilter());
    if (!paths.isEmpty())
        load_pickers(paths);
}

void picker_window::load_pickers(QStringList const& paths)
{
    QPointer<picker_window> self(this);
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
                    ? tr("Could not open the file \"%1\".\n\nIt is not a picker file.").arg(native)
                    : tr("Could not open the file \"%1\".\n\nPlease check the file permissions and try again.")
                          .arg(native);
            const QMessageBox::StandardButton answer = picker_dialogs::current().critical(
                this, tr("Open Failed"), text,
                more ? (QMessageBox::Ignore | QMessageBox::Cancel) : QMessageBox::StandardButtons(QMessageBox::Ok),
                QMessageBox::NoButton);
            // The box ran its own event loop: the host may have closed the panel.
            if (!self || answer == QMessageBox::Cancel)
                return;
            continue;
        }
        picker_view* view = new picker_view(this);
        // Every background a tab shows has its key in the scene, but for a
        // picture that could not be read: nothing replaces the key's image.
        if (read.version >= 2 && show_incoming_background(view, read.tab))
            setImageData(view);
        view->set_buttons(read.tab.buttons);
        view->conform_to_selection(); // lit at once for what the host has selected
        view->setFilePath(path);
        connect(view, &picker_view::changed, this, &picker_window::updateSceneData);
        tabs_->setCurrentIndex(tabs_->addTab(view, read.tab.name));
        if (read.damaged()) {
            const QPointer<picker_view> loaded(view);
            // What could be read is loaded; saving it back would destroy the
            // rest without a word, so say so now.
            report_damage(tr("The picker file \"%1\" is damaged: %2 could be read, and only these are loaded.")
                              .arg(QDir::toNativeSeparators(path), button_count(read.tab.buttons.size())),
                          read.problems(),
                          tr("Saving this picker over the file replaces what could not be read. Save it under "
                             "another name to keep the damaged file as it is."));
            // Nothing is queued for the host until the box is answered: an
            // unload or a new scene meanwhile leaves nothing behind.
            if (!self)
                return;
            if (!loaded) // a scene reset closed the tab meanwhile
                continue;
        }
        updateSceneData();
        // The request may run after later files made other tabs current:
        // remember which canvas it is for.
        awaitingBind_.append(view);
        request_rebind(false);
    }
}

void picker_window::report_damage(QString const& headline, QStringList const& problems, QString const& advice)
{
    QString text = headline;
    if (!problems.isEmpty()) {
        QString first = problems.first();
        first[0] = first[0].toUpper();
        text += QStringLiteral("\n\n") + first;
        if (problems.size() > 1)
            text += tr(" (and %1 more)").arg(problems.size() - 1);
    }
    text += QStringLiteral("\n\n") + advice;
    picker_dialogs::current().warning(this, tr("Damaged Picker"), text, QMessageBox::Ok, QMessageBox::NoButton);
}

QString picker_window::button_count(int count)
{
    return count == 1 ? tr("1 button") : tr("%1 buttons").arg(count);
}

const picker_view* picker_window::view_showing(QString const& backgroundName, const picker_view* except) const
{
    for (int i = 0; i < tabs_->count(); ++i) {
        const picker_view* other = qobject_cast<const picker_view*>(tabs_->widget(i));
        if (other && other != except && other->backgroundName() == backgroundName)
            return other;
    }
    return nullptr;
}

bool picker_window::show_incoming_background(picker_view* view, picker_tab_data const& tab)
{
    if (tab.backgroundName.isEmpty())
        return false;
    const picker_view* other = view_showing(tab.backgroundName, view);
    if (tab.backgroundLost) {
        // The name stays; in this scene it stands for the picture another
        // tab shows under it, if one does.
        view->setBackground(tab.backgroundName, other ? other->background() : QPixmap());
        return false;
    }
    QString name = tab.backgroundName;
    // Two pickers may have named different pictures alike: the one coming
    // in gets a name of its own rather than replacing the other's image.
    if (other && !samePicture(other->background().toImage(), tab.background)) {
        const QString own = contentImageName(tab.background);
        if (!own.isEmpty())
            name = own;
    }
    view->setBackground(name, QPixmap::fromImage(tab.background));
    return true;
}

bool picker_window::do_save(picker_view* view, QString const& path)
{
    const int index = tabs_->indexOf(view);
    QSaveFile file(path);
    bool ok = file.open(QIODevice::WriteOnly);
    if (ok) {
        QDataStream stream(&file);
        stream.setVersion(kPickerFileStreamVersion);
        writePickerFile(stream, tabData(view, index >= 0 ? tabs_->tabText(index) : QString()));
        // The old file stays whole unless the new one was written entirely.
        ok = stream.status() == QDataStream::Ok && file.commit();
    }
    if (!ok) {
        picker_dialogs::current().critical(
            this, tr("Save Failed"),
            tr("Could not open the file \"%1\" for writing.\n\nPlease check that this file is not locked and "
               "that you have the proper permissions and try again.")
                .arg(path),
            QMessageBox::Ok, QMessageBox::NoButton);
        return false;
    }
    return true;
}

void picker_window::save_current()
{
    picker_view* view = frontPicker();
    if (!view)
        return;
    if (view->filePath().isEmpty())
        saveas_current();
    else
        do_save(view, view->filePath());
}

void picker_window::saveas_current()
{
    // The dialog runs its own loop, in which a new scene may close the tab.
    QPointer<picker_view> view = frontPicker();
    if (!view)
        return;
    const QString path =
        picker_dialogs::current().getSaveFileName(this, tr("Save Tab:"), view->filePath(), pickerFilter());
    if (path.isEmpty() || !view)
        return;
    const QString before = view->filePath();
    view->setFilePath(do_save(view, path) ? path : QString());
    if (view->filePath() != before)
        store_file_paths();
}

void picker_window::request_save()
{
    queue_mel(QStringLiteral("QuillbrookPicker(\"save\");"));
}

void picker_window::request_saveas()
{
    queue_mel(QStringLiteral("QuillbrookPicker(\"saveas\");"));
}

void picker_window::updateSceneData()
{
    sceneWriter_->request();
}

void picker_window::flush_scene_data()
{
    sceneWriter_->flush();
}

void picker_window::store_scene_data()
{
    sceneWriter_->cancel();
    queue_mel(QStringLiteral("fileInfo \"QuillbrookPickerData\" \"") + QLatin1String(scene_value())
              + QStringLiteral("\";") + file_paths_text() + QStringLiteral(" file -modified 1;"));
}

QString picker_window::file_paths_text()
{
    QString value;
    bool any = false;
    for (int i = 0; i < tabs_->count(); ++i) {
        const picker_view* view = qobject_cast<const picker_view*>(tabs_->widget(i));
        if (!view)
            continue;
        if (!value.isEmpty())
            value += QLatin1Char(' ');
        value += mel_quote(view->filePath());
        any = any || !view->filePath().isEmpty();
    }
    // Scenes whose tabs have no file keep no key for them.
    if (!any) {
        if (!filePathsKept_)
            return QString();
        filePathsKept_ = false;
        return QStringLiteral(" fileInfo -remove \"QuillbrookPickerFiles\";");
    }
    filePathsKept_ = true;
    return QStringLiteral(" fileInfo \"QuillbrookPickerFiles\" ") + mel_quote(value) + QLatin1Char(';');
}

void picker_window::store_file_paths()
{
    const QString text = file_paths_text();
    if (!text.isEmpty())
        queue_mel(text.mid(1) + QStringLiteral(" file -modified 1;"));
}

void picker_window::restore_file_paths(QString const& value)
{
    QStringList paths;
    filePathsKept_ = !value.isEmpty();
    // Written beside the data by this version: a key that another version
    // left behind while it changed the tabs no longer fits them.
    if (!mel_unquote_list(value, &paths) || paths.size() != tabs_->count())
        return;
    for (int i = 0; i < tabs_->count(); ++i) {
        picker_view* view = qobject_cast<picker_view*>(tabs_->widget(i));
        // A file since moved or deleted leaves Save asking, as for a new tab.
        if (view && view->filePath().isEmpty() && !paths.at(i).isEmpty() && QFileInfo(paths.at(i)).isFile())
            view->setFilePath(paths.at(i));
    }
}

void picker_window::setImageData(picker_view* view)
{
    if (!view || view->backgroundName().isEmpty())
        return;
    const QByteArray value = encodeImageValue(view->background().toImage());
    queue_mel(QStringLiteral("fileInfo \"") + imageKey(view->backgroundName()) + QStringLiteral("\" \"")
              + QLatin1String(value) + QStringLiteral("\"; file -modified 1;"));
}

void picker_window::restoreImageData(picker_view* view)
{
    if (!view || view->backgroundName().isEmpty())
        return;
    // A scene just opened already holds its images: writing one back with
    // the value it has must not mark the scene modified. The key is written
    // only when it is missing or holds another image.
    const QString key = imageKey(view->backgroundName());
    const QByteArray value = encodeImageValue(view->background().toImage());
    queue_mel(QStringLiteral("{ string $qbValue = \"") + QLatin1String(value)
              + QStringLiteral("\"; string $qbHeld[] = `fileInfo -q \"") + key
              + QStringLiteral("\"`; if (size($qbHeld) == 0 || $qbHeld[0] != $qbValue) { fileInfo \"") + key
              + QStringLiteral("\" $qbValue; file -modified 1; } }"));
}

void picker_window::removeImageData(picker_view* view)
{
    if (!view || view->backgroundName().isEmpty())
        return;
    queue_mel(QStringLiteral("fileInfo -remove \"") + imageKey(view->backgroundName())
              + QStringLiteral("\"; file -modified 1;"));
}

void picker_window::setBackgroundImage(QString const& name, QPixmap& image)
{
    for (int i = 0; i < tabs_->count(); ++i)
        if (picker_view* view = qobject_cast<picker_view*>(tabs_->widget(i)))
            if (view->backgroundName() == name)
                view->setBackground(name, image);
}

void picker_window::fetchImageData(picker_view* view)
{
    if (!view || view->backgroundName().isEmpty())
        return;
    // The query yields the stored value alone; the directive also needs the
    // name, so both go as two plain string arguments, and nothing is asked
    // for when the key is missing.
    const QString key = imageKey(view->backgroundName());
    queue_mel(QStringLiteral("{ string $qbImage[] = `fileInfo -q \"") + key
              + QStringLiteral("\"`; if (size($qbImage)) QuillbrookPicker \"fetch_image\" ")
              + mel_quote(view->backgroundName()) + QStringLiteral(" $qbImage[0]; }"));
}

void picker_window::streamTo(QDataStream& stream) const
{
    picker_window_data data;
    data.current = tabs_->currentIndex();
    for (int i = 0; i < tabs_->count(); ++i)
        if (const picker_view* view = qobject_cast<const picker_view*>(tabs_->widget(i)))
            data.tabs.append(tabData(view, tabs_->tabText(i)));
    writeWindowStream(stream, data);
}

namespace {

// The window's tabs as the stream holds them: the current index is the tab
// bar's, the tabs are the canvases among the pages, numbered in that order.
QList<picker_tab_part> sceneParts(const QTabWidget* tabs)
{
    QList<picker_tab_part> parts;
    parts.reserve(tabs->count());
    for (int i = 0; i < tabs->count(); ++i)
        if (const picker_view* view = qobject_cast<const picker_view*>(tabs->widget(i)))
            parts.append(picker_tab_part{tabs->tabText(i), view->encoded_background(), view->encoded_buttons(),
                                         view->background_revision(), view->buttons_revision()});
    return parts;
}

} // namespace

QByteArray picker_window::scene_stream() const
{
    return assembleWindowStream(tabs_->currentIndex(), sceneParts(tabs_));
}

QByteArray picker_window::scene_value() const
{
    return sceneCompressor_.compress(tabs_->currentIndex(), sceneParts(tabs_)).toBase64();
}

void picker_window::streamFrom(QDataStream& stream)
{
    streamFrom(stream, QString(), QString());
}

void picker_window::streamFrom(QDataStream& stream, QString const& valueDamage, QString const& sceneName)
{
    picker_window_data data;
    stream_report report;
    if (!readWindowStream(stream, &data, &report)) {
        picker_dialogs::current().warning(
            nullptr, tr("Warning"),
            tr("The scene file contains data\nin a format (%1) more recent than the version of the picker\n"
               "installed in this machine can understand.  Please update\nthe picker, and try again.\n")
                .arg(data.version),
            QMessageBox::Ok, QMessageBox::NoButton);
        return;
    }
    // The window is rebuilt from the scene, which already holds what it
    // will show: no tab closed here takes an image key with it.
    for (int i = tabs_->count() - 1; i >= 0; --i)
        remove_tab(i, false);
    int buttons = 0;
    for (const picker_tab_data& tab : data.tabs) {
        picker_view* view = new picker_view(this);
        if (data.version >= 2 && show_incoming_background(view, tab))
            restoreImageData(view);
        view->set_buttons(tab.buttons);
        buttons += tab.buttons.size();
        tabs_->addTab(view, tab.name);
        connect(view, &picker_view::changed, this, &picker_window::updateSceneData);
    }
    if (tabs_->count() == 0 && !valueDamage.isEmpty())
        add_untitled_tab(); // nothing could be read: as for a scene without pickers
    if (data.current >= 0 && data.current < data.tabs.size())
        tabs_->setCurrentIndex(data.current);
    sceneWriter_->cancel();

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
    const QString tabCount = data.tabs.size() == 1 ? tr("1 tab") : tr("%1 tabs").arg(data.tabs.size());
    const QString headline =
        sceneName.isEmpty()
            ? tr("The pickers kept in this scene are damaged: %1 with %2 could be read, and only these are "
                 "loaded.")
                  .arg(tabCount, button_count(buttons))
            : tr("The pickers kept in the scene \"%1\" are damaged: %2 with %3 could be read, and only these "
                 "are loaded.")
                  .arg(QDir::toNativeSeparators(sceneName), tabCount, button_count(buttons));
    report_damage(headline, problems,
                  tr("The scene keeps the damaged data until the next change of a picker replaces it with "
                     "what is shown."));
}
