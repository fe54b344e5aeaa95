#ifndef QB_DOCUMENT_SCENE_STORE_H
#define QB_DOCUMENT_SCENE_STORE_H
// The pickers kept in the host scene: the picker data key (every tab's
// stream, compressed), one image key per background shown, and the tabs'
// picker files. It watches the documents it is given and writes what
// changed through the host port; the window only tells it which documents
// it shows, in which order, and when to write.
#include "model/scene_data_compressor.h"
#include <QtCore/QByteArray>
#include <QtCore/QList>
#include <QtCore/QObject>
#include <QtCore/QPointer>
#include <QtCore/QString>
#include <functional>

class picker_document;
struct picker_tab_data;

class scene_store : public QObject
{
    Q_OBJECT
public:
    // The documents in tab order, and the index of the current one.
    struct tabs {
        QList<picker_document*> documents;
        int current = -1;
    };
    explicit scene_store(std::function<tabs()> source, QObject* parent = nullptr);

    // A document shown from now on: its edits, background choices and
    // renames ask for a write.
    void watch(picker_document* document);

    // ---- the picker data key
    // Asks for a write at the end of the current event: an edit, an undo
    // macro, a load of several files thus queue one text holding them all.
    // Posted, so that it runs before the host's idle queue does.
    void request();
    // Forgets a write asked for and not yet made: the scene it was for is
    // gone, or already holds what the window shows.
    void cancel() { pending_ = false; }
    bool pending() const { return pending_; }
    // Makes a write asked for, now.
    void flush();
    // Queues the write now (and forgets one asked for).
    void write();
    // The window stream of the documents, from the blocks each keeps, and
    // the scene's value of it, compressing only what changed.
    QByteArray stream() const;
    QByteArray value() const;

    // ---- image keys, one per background name
    // Writes the document's background under its name.
    void set_image(const picker_document* document);
    // The same for a restore: writes (and marks the scene modified) only
    // when the key is missing or holds another image.
    void restore_image(const picker_document* document);
    void remove_image(const picker_document* document);
    // Asks the host for the image stored under the document's background
    // name; the fetch_image directive brings it back.
    void fetch_image(const picker_document* document);
    // True when no other document shows this one's background name, so
    // that the scene's copy of the image may go with it.
    bool releases_background(const picker_document* document) const;
    // Gives a document made from a file or the scene that tab's
    // background, renamed when another document shows other pixels under
    // its name. False when no image key is to be written for it: no
    // background, or one whose picture could not be read.
    bool adopt_background(picker_document* document, const picker_tab_data& tab) const;

    // ---- the tabs' picker files, one quoted path per tab
    // Writes (or removes) the key alone.
    void write_file_paths();
    // Gives the documents their files back from the key's value, when it
    // fits them; a file that no longer exists is left out.
    void restore_file_paths(const QString& value);
    // The scene holds no key of file paths (a new scene).
    void forget_file_paths() { filePathsKept_ = false; }

private:
    void run_posted();
    void background_chosen(picker_document* document, const QString& oldName);
    // The MEL that writes (or removes) the key of the file paths, with a
    // leading blank; empty when there is nothing to write.
    QString file_paths_text();
    const picker_document* showing(const QString& backgroundName, const picker_document* except) const;

    std::function<tabs()> source_;
    mutable scene_data_compressor compressor_;
    bool pending_ = false;
    bool posted_ = false;
    bool filePathsKept_ = false;
};
#endif
