#ifndef QB_SANDBOX_OUTLINER_H
#define QB_SANDBOX_OUTLINER_H
// The outliner: the scene's namespaces and nodes as a tree whose selection
// is the host selection, both ways. DAG nodes sit below their parents
// (collapsible; the full path shows on hover), nodes at the top below their
// namespace, and the namespace of a reference says which file it holds.
// The nodes every Maya scene has are not shown. Clicking here replaces the
// host selection (the host raises "SelectionChanged"); a selection made by
// MEL or by the picker shows here.
#include <QtCore/QHash>
#include <QtCore/QSet>
#include <QtCore/QStringList>
#include <QtWidgets/QTreeWidget>

namespace qbhost {
class HostSession;
}

class outliner : public QTreeWidget
{
    Q_OBJECT
public:
    // The role holding a node item's name as the host selection gives it
    // (its shortest unique path); namespace items hold none.
    static constexpr int kNodeRole = Qt::UserRole + 1;
    // The role holding a namespace item's reference node, if a reference's.
    static constexpr int kReferenceRole = Qt::UserRole + 2;

    explicit outliner(qbhost::HostSession& host, QWidget* parent = nullptr);

    // The tree again from the scene. Scene changes arrive in bursts (a
    // scene file creates its nodes one by one), so they are gathered and
    // the tree is rebuilt once the event loop is idle; tests call this.
    void rebuild();

    // By the name the host selection gives the node.
    QTreeWidgetItem* nodeItem(const QString& name) const;
    QTreeWidgetItem* namespaceItem(const QString& fullName) const;
    // Full names of the selected node items, in tree order.
    QStringList selectedNodes() const;

private:
    void scheduleRebuild();
    void scheduleSelection();
    void showHostSelection();
    void takeTreeSelection();
    QTreeWidgetItem* addNamespace(const QString& fullName);

    qbhost::HostSession& host_;
    QHash<QString, QTreeWidgetItem*> nodes_;
    QHash<QString, QTreeWidgetItem*> namespaces_;
    QSet<QString> collapsed_;
    bool rebuildPending_ = false;
    bool selectionPending_ = false;
    bool syncing_ = false;
};
#endif
