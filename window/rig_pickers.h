#ifndef QB_WINDOW_RIG_PICKERS_H
#define QB_WINDOW_RIG_PICKERS_H
#include "model/rig_picker.h"
#include <QtCore/QList>
#include <QtCore/QObject>
#include <QtCore/QPointer>

class picker_document;
class picker_view;
class picker_window;
class rig_update_bar;

// Pickers stored in the scene's rigs: asks the host for its picker nodes
// (after an open, a reference loaded, unloaded or removed) and keeps one
// tab per picker node, bound to its reference's namespace, made from the
// node unless the scene's copy already holds the animator's tab for it;
// tabs of references gone are closed. A tab made from an older version of
// its rig's picker offers the new one in a bar over the tabs. Store in Rig
// and Remove from Rig write and delete the current tab's node.
class rig_pickers : public QObject
{
    Q_OBJECT
public:
    explicit rig_pickers(picker_window* window);

    // Queues the host's report of its picker nodes (reaches adopt).
    void request_scan();
    // The picker nodes the scene holds now.
    void adopt(const QList<rig_picker_node>& nodes);
    const QList<rig_picker_node>& nodes() const { return nodes_; }

    // Tabs of references unloaded or removed: out of the tab bar, kept (and
    // written with the scene's copy) until their reference is back.
    QList<picker_document*> stashed_documents() const;
    void clear_stash();

public slots:
    void store_current();
    void remove_current();
    // The bar's answers, for the current tab.
    void use_rig();
    void keep_mine();
    void show_offer();

private:
    const rig_picker_node* node_for(const rig_origin& origin) const;
    // False when the node's picker cannot be read (the user is told).
    bool add_tab(const rig_picker_node& node);

    picker_window* window_;
    // Made the first time a newer rig picker is offered, over the tabs.
    QPointer<rig_update_bar> bar_;
    QList<rig_picker_node> nodes_;
    QList<QPointer<picker_view>> stash_;
};
#endif
