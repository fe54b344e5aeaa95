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
    const QList<qbhost::NodeInfo> infos = host_.nodeInfos();
    // Items first, then each below its parent: a node moved below one made
    // after it still lands there.
    QHash<quint64, QTreeWidgetItem*> byId;
    for (const qbhost::NodeInfo& node : infos) {
        if (node.isDefault)
            continue;
        QTreeWidgetItem* item = new QTreeWidgetItem;
        item->setText(0, short_name(node.name));
        item->setToolTip(0, node.fullPath);
        item->setData(0, kNodeRole, node.path);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        if (!node.reference.isEmpty())
            item->setForeground(0, palette().brush(QPalette::Disabled, QPalette::Text));
        byId.insert(node.id, item);
        nodes_.insert(node.path, item);
    }
    // Root nodes first, then the namespaces with their nodes in scene order.
    for (const qbhost::NodeInfo& node : infos)
        if (!node.isDefault && !node.parent && !node.name.contains(QLatin1Char(':')))
            addTopLevelItem(byId.value(node.id));
    // The host's built-in namespaces only when they hold something.
    for (const QString& ns : host_.namespaces())
        if (ns != QLatin1String("UI") && ns != QLatin1String("shared"))
            addNamespace(ns);
    for (const qbhost::ReferenceInfo& ref : host_.references()) {
        QTreeWidgetItem* item = namespaces_.value(ref.ns);
        if (!item)
            continue;
        const QString file = ref.file.mid(ref.file.lastIndexOf(QLatin1Char('/')) + 1);
        item->setText(0, QStringLiteral("%1 [%2%3]").arg(short_name(ref.ns), file,
                                                       ref.loaded ? QString() : tr(", unloaded")));
        item->setToolTip(0, ref.ns);
        item->setData(0, kReferenceRole, ref.referenceNode);
        item->setIcon(0, style()->standardIcon(QStyle::SP_FileLinkIcon));
        item->setStatusTip(0, ref.resolvedFile.isEmpty() ? ref.file : ref.resolvedFile);
    }
    for (const qbhost::NodeInfo& node : infos) {
        QTreeWidgetItem* item = byId.value(node.id);
        if (!item || (!node.parent && !node.name.contains(QLatin1Char(':'))))
            continue;
        if (QTreeWidgetItem* parent = node.parent ? byId.value(node.parent) : addNamespace(parent_namespace(node.name)))
            parent->addChild(item);
        else
            addTopLevelItem(item);
    }
    for (auto it = namespaces_.begin(); it != namespaces_.end(); ++it)
        it.value()->setExpanded(!collapsed_.contains(it.key()));
    for (QTreeWidgetItem* item : byId)
        if (item->childCount() > 0)
            item->setExpanded(!collapsed_.contains(item->toolTip(0)));
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

QTreeWidgetItem* outliner::nodeItem(const QString& name) const
{
    return nodes_.value(name);
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
