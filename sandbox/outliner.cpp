#include "sandbox/outliner.h"
#include <qbhost/host_session.h>

#include <QtCore/QItemSelection>
#include <QtCore/QTimer>
#include <QtWidgets/QApplication>
#include <QtWidgets/QStyle>

namespace {

QString short_name(const QString& fullName)
{
    return fullName.mid(fullName.lastIndexOf(QLatin1Char(':')) + 1);
}

QString parent_namespace(const QString& fullName)
{
    const int colon = fullName.lastIndexOf(QLatin1Char(':'));
    return colon < 0 ? QString() : fullName.left(colon);
}

} // namespace

outliner::outliner(qbhost::HostSession& host, QWidget* parent) : QTreeWidget(parent), host_(host)
{
    setObjectName(QStringLiteral("outliner"));
    setHeaderHidden(true);
    setColumnCount(1);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setUniformRowHeights(true);
    connect(&host_, &qbhost::HostSession::sceneChanged, this, &outliner::scheduleRebuild);
    connect(&host_, &qbhost::HostSession::selectionChanged, this, &outliner::scheduleSelection);
    connect(this, &QTreeWidget::itemSelectionChanged, this, &outliner::takeTreeSelection);
    connect(this, &QTreeWidget::itemCollapsed, this, [this](QTreeWidgetItem* item) {
        if (!syncing_)
            collapsed_.insert(item->toolTip(0));
    });
    connect(this, &QTreeWidget::itemExpanded, this, [this](QTreeWidgetItem* item) {
        if (!syncing_)
            collapsed_.remove(item->toolTip(0));
    });
    rebuild();
}

void outliner::scheduleRebuild()
{
    if (rebuildPending_)
        return;
    rebuildPending_ = true;
    QTimer::singleShot(0, this, [this]() {
        if (rebuildPending_)
            rebuild();
    });
}

void outliner::scheduleSelection()
{
    // A selection made name by name raises an event per name: the tree
    // follows once, when the event loop is idle.
    if (selectionPending_)
        return;
    selectionPending_ = true;
    QTimer::singleShot(0, this, [this]() {
        if (selectionPending_)
            showHostSelection();
    });
}

QTreeWidgetItem* outliner::addNamespace(const QString& fullName)
{
    if (fullName.isEmpty())
        return nullptr;
    if (QTreeWidgetItem* existing = namespaces_.value(fullName))
        return existing;
    QTreeWidgetItem* parent = addNamespace(parent_namespace(fullName));
    QTreeWidgetItem* item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(this);
    item->setText(0, short_name(fullName));
    item->setToolTip(0, fullName);
    item->setIcon(0, style()->standardIcon(QStyle::SP_DirIcon));
    // A namespace is no node: it cannot be selected.
    item->setFlags(Qt::ItemIsEnabled);
    namespaces_.insert(fullName, item);
    return item;
}

void outliner::rebuild()
{
    rebuildPending_ = false;
    syncing_ = true;
    clear();
    nodes_.clear();
    namespaces_.clear();
    const QStringList nodes = host_.nodes();
    auto add_node = [this](const QString& node) {
        QTreeWidgetItem* parent = addNamespace(parent_namespace(node));
        QTreeWidgetItem* item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(this);
        item->setText(0, short_name(node));
        item->setToolTip(0, node);
        item->setData(0, kNodeRole, node);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        nodes_.insert(node, item);
    };
    // Root nodes first, then the namespaces with their nodes in scene order.
    for (const QString& node : nodes)
        if (!node.contains(QLatin1Char(':')))
            add_node(node);
    // The host's built-in namespaces only when they hold something.
    for (const QString& ns : host_.namespaces())
        if (ns != QLatin1String("UI") && ns != QLatin1String("shared"))
            addNamespace(ns);
    for (const QString& node : nodes)
        if (node.contains(QLatin1Char(':')))
            add_node(node);
    for (auto it = namespaces_.begin(); it != namespaces_.end(); ++it)
        it.value()->setExpanded(!collapsed_.contains(it.key()));
    syncing_ = false;
    showHostSelection();
}

void outliner::showHostSelection()
{
    selectionPending_ = false;
    QItemSelection selection;
    QTreeWidgetItem* first = nullptr;
    for (const QString& name : host_.selection()) {
        QTreeWidgetItem* item = nodes_.value(name);
        if (!item)
            continue;
        if (!first)
            first = item;
        const QModelIndex index = indexFromItem(item);
        selection.select(index, index);
    }
    syncing_ = true;
    // One change for the whole list: selecting 10,000 nodes costs one pass.
    selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
    syncing_ = false;
    if (first)
        scrollToItem(first);
}

void outliner::takeTreeSelection()
{
    if (syncing_)
        return;
    const QStringList chosen = selectedNodes();
    const QSet<QString> chosenSet(chosen.begin(), chosen.end());
    // The host's order is kept for what stays selected; what is new follows
    // in tree order. Names the tree does not show are left alone.
    QStringList result;
    QSet<QString> taken;
    for (const QString& name : host_.selection()) {
        if (chosenSet.contains(name) || !nodes_.contains(name)) {
            result << name;
            taken.insert(name);
        }
    }
    for (const QString& name : chosen)
        if (!taken.contains(name))
            result << name;
    host_.setSelection(result);
}

QTreeWidgetItem* outliner::nodeItem(const QString& fullName) const
{
    return nodes_.value(fullName);
}

QTreeWidgetItem* outliner::namespaceItem(const QString& fullName) const
{
    return namespaces_.value(fullName);
}

QStringList outliner::selectedNodes() const
{
    QStringList out;
    QTreeWidgetItemIterator it(const_cast<outliner*>(this), QTreeWidgetItemIterator::Selected);
    for (; *it; ++it) {
        const QString name = (*it)->data(0, kNodeRole).toString();
        if (!name.isEmpty())
            out << name;
    }
    return out;
}
