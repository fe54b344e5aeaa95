#ifndef QB_DOCUMENT_NODE_RESOLVER_H
#define QB_DOCUMENT_NODE_RESOLVER_H
// The names of every picker resolved to host nodes through the host port,
// kept while the scene stays as it was. The host port tells it of every
// change of the scene's nodes (added, removed, renamed, moved, a reference
// loaded or unloaded): each makes the names resolve again when next asked
// (the lookups are kept, so nothing is asked of the host until then), and a
// rename or move of a node that stored names stood for tells the windows
// the names' new text. Views hear resolutions_changed() once per event
// loop turn, so that marks follow the scene without a click.
#include "document/host_port.h"
#include "model/node_names.h"

#include <QtCore/QHash>
#include <QtCore/QObject>

class node_resolver : public QObject, public node_names
{
    Q_OBJECT
public:
    static node_resolver& instance();

    quint64 generation() const override { return generation_; }
    QString host_name(const QString& name, node_health* health) override;
    // The whole lookup, candidates included (tooltips, reports).
    node_lookup lookup(const QString& name);

    // ---- told by the host port
    // Something in the scene changed that may change what names resolve to.
    void scene_changed();
    // The node at fullPath was renamed or moved (its descendants with it):
    // every stored name that stood for it or a node below it and now
    // resolves otherwise is followed (names_followed), then as above.
    void node_moved(const QString& fullPath);
    // A new or opened scene: nothing known is kept.
    void reset();

signals:
    // Once per event loop turn after scene changes: repaint marks.
    void resolutions_changed();
    // Stored name text → the node's new name, for one rename or move.
    void names_followed(const QHash<QString, QString>& renamed);

private:
    node_resolver() = default;
    void post();
    Q_INVOKABLE void deliver();

    struct entry {
        quint64 generation = 0;
        node_lookup found;
    };
    QHash<QString, entry> cache_;
    quint64 generation_ = 1;
    bool posted_ = false;
};
#endif
