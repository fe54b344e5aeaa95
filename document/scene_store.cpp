#include "document/scene_store.h"
#include "document/host_port.h"
#include "document/picker_document.h"
#include "model/mel_text.h"
#include "model/picker_image.h"
#include "model/picker_stream.h"

#include <QtCore/QFileInfo>

namespace {

// The key of a background image; the name is escaped so that no name read
// from a file can end the MEL string it stands in.
QString imageKey(const QString& backgroundName)
{
    return QStringLiteral("QuillbrookPickerImage_") + mel_escape(backgroundName);
}

void queue(const QString& text)
{
    host_port::current().queue_mel(text);
}

} // namespace

scene_store::scene_store(std::function<tabs()> source, QObject* parent) : QObject(parent), source_(std::move(source))
{
}

void scene_store::watch(picker_document* document)
{
    connect(document, &picker_document::edited, this, &scene_store::request);
    connect(document, &picker_document::nameChanged, this, &scene_store::request);
    connect(document, &picker_document::backgroundChosen, this,
            [this, document](const QString& oldName) { background_chosen(document, oldName); });
}

// ---- the picker data key

void scene_store::request()
{
    pending_ = true;
    if (posted_)
        return;
    posted_ = true;
    // Posted, not timed: posted events are delivered before the event loop
    // counts as idle, and so before the host runs its idle queue.
    QMetaObject::invokeMethod(this, &scene_store::run_posted, Qt::QueuedConnection);
}

void scene_store::run_posted()
{
    posted_ = false;
    flush();
}

void scene_store::flush()
{
    if (!pending_)
        return;
    pending_ = false;
    write();
}

void scene_store::write()
{
    cancel();
    queue(QStringLiteral("fileInfo \"QuillbrookPickerData\" \"") + QLatin1String(value()) + QStringLiteral("\";")
          + file_paths_text() + QStringLiteral(" file -modified 1;"));
}

namespace {

QList<picker_tab_part> sceneParts(const scene_store::tabs& tabs)
{
    QList<picker_tab_part> parts;
    parts.reserve(tabs.documents.size());
    for (const picker_document* d : tabs.documents)
        parts.append(picker_tab_part{d->name(), d->encoded_background(), d->encoded_buttons(),
                                     d->background_revision(), d->buttons_revision(), d->encoded_extensions(),
                                     d->used_pictures()});
    return parts;
}

} // namespace

QByteArray scene_store::stream() const
{
    const tabs t = source_();
    return assembleWindowStream(t.current, sceneParts(t));
}

QByteArray scene_store::value() const
{
    const tabs t = source_();
    return compressor_.compress(t.current, sceneParts(t)).toBase64();
}

// ---- image keys

void scene_store::set_image(const picker_document* document)
{
    if (!document || document->backgroundName().isEmpty())
        return;
    const QByteArray value = encodeImageValue(document->background().toImage());
    queue(QStringLiteral("fileInfo \"") + imageKey(document->backgroundName()) + QStringLiteral("\" \"")
          + QLatin1String(value) + QStringLiteral("\"; file -modified 1;"));
}

void scene_store::restore_image(const picker_document* document)
{
    if (!document || document->backgroundName().isEmpty())
        return;
    // A scene just opened already holds its images: writing one back with
    // the value it has must not mark the scene modified. The key is written
    // only when it is missing or holds another image.
    const QString key = imageKey(document->backgroundName());
    const QByteArray value = encodeImageValue(document->background().toImage());
    queue(QStringLiteral("{ string $qbValue = \"") + QLatin1String(value)
          + QStringLiteral("\"; string $qbHeld[] = `fileInfo -q \"") + key
          + QStringLiteral("\"`; if (size($qbHeld) == 0 || $qbHeld[0] != $qbValue) { fileInfo \"") + key
          + QStringLiteral("\" $qbValue; file -modified 1; } }"));
}

void scene_store::remove_image(const picker_document* document)
{
    if (!document || document->backgroundName().isEmpty())
        return;
    queue(QStringLiteral("fileInfo -remove \"") + imageKey(document->backgroundName())
          + QStringLiteral("\"; file -modified 1;"));
}

void scene_store::fetch_image(const picker_document* document)
{
    if (!document || document->backgroundName().isEmpty())
        return;
    // The query yields the stored value alone; the directive also needs the
    // name, so both go as two plain string arguments, and nothing is asked
    // for when the key is missing.
    const QString key = imageKey(document->backgroundName());
    queue(QStringLiteral("{ string $qbImage[] = `fileInfo -q \"") + key
          + QStringLiteral("\"`; if (size($qbImage)) QuillbrookPicker \"fetch_image\" ")
          + mel_quote(document->backgroundName()) + QStringLiteral(" $qbImage[0]; }"));
}

const picker_document* scene_store::showing(const QString& backgroundName, const picker_document* except) const
{
    for (const picker_document* d : source_().documents)
        if (d != except && d->backgroundName() == backgroundName)
            return d;
    return nullptr;
}

bool scene_store::releases_background(const picker_document* document) const
{
    if (!document || document->backgroundName().isEmpty())
        return false;
    return !showing(document->backgroundName(), document);
}

void scene_store::background_chosen(picker_document* document, const QString& oldName)
{
    // By name, not image: a removed background ("0") has a key too.
    if (!oldName.isEmpty() && !showing(oldName, document))
        queue(QStringLiteral("fileInfo -remove \"") + imageKey(oldName) + QStringLiteral("\"; file -modified 1;"));
    set_image(document);
    // The picker data holds the background too.
    request();
}

bool scene_store::adopt_background(picker_document* document, const picker_tab_data& tab) const
{
    if (tab.backgroundName.isEmpty())
        return false;
    const picker_document* other = showing(tab.backgroundName, document);
    if (tab.backgroundLost) {
        // The name stays; in this scene it stands for the picture another
        // tab shows under it, if one does.
        document->setBackground(tab.backgroundName, other ? other->background() : QPixmap());
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
    document->setBackground(name, QPixmap::fromImage(tab.background));
    return true;
}

// ---- the tabs' picker files

QString scene_store::file_paths_text()
{
    QString value;
    bool any = false;
    for (const picker_document* d : source_().documents) {
        if (!value.isEmpty())
            value += QLatin1Char(' ');
        value += mel_quote(d->filePath());
        any = any || !d->filePath().isEmpty();
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

void scene_store::write_file_paths()
{
    const QString text = file_paths_text();
    if (!text.isEmpty())
        queue(text.mid(1) + QStringLiteral(" file -modified 1;"));
}

void scene_store::restore_file_paths(const QString& value)
{
    QStringList paths;
    filePathsKept_ = !value.isEmpty();
    const QList<picker_document*> documents = source_().documents;
    // Written beside the data by this version: a key that another version
    // left behind while it changed the tabs no longer fits them.
    if (!mel_unquote_list(value, &paths) || paths.size() != documents.size())
        return;
    for (int i = 0; i < documents.size(); ++i) {
        picker_document* d = documents[i];
        // A file since moved or deleted leaves Save asking, as for a new tab.
        if (d->filePath().isEmpty() && !paths.at(i).isEmpty() && QFileInfo(paths.at(i)).isFile())
            d->setFilePath(paths.at(i));
    }
}
