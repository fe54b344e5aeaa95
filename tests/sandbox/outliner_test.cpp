// The outliner's selection is the host selection, both ways.
#include "sandbox/outliner.h"
#include <qbhost/host_session.h>

#include <gtest/gtest.h>
#include <QtCore/QCoreApplication>
#include <QtCore/QItemSelectionModel>

namespace {

int g_selectionEvents = 0;
void countSelection(void*)
{
    ++g_selectionEvents;
}

// The model index of an item, found from the top as a view would.
QModelIndex indexOf(const QTreeWidget& tree, QTreeWidgetItem* item)
{
    QList<int> rows;
    for (QTreeWidgetItem* i = item; i; i = i->parent())
        rows.prepend(i->parent() ? i->parent()->indexOfChild(i) : tree.indexOfTopLevelItem(i));
    QModelIndex index;
    for (int row : rows)
        index = tree.model()->index(row, 0, index);
    return index;
}

class Outliner : public ::testing::Test
{
protected:
    void SetUp() override
    {
        host().resetForTest();
        ASSERT_TRUE(host().executeMel(QStringLiteral(
            "createNode camera -n \"persp\";"
            "namespace -add \"hero\"; namespace -add \"face\" -parent \":hero\";"
            "createNode transform -n \"hero:arm\"; createNode transform -n \"hero:leg\";"
            "createNode transform -n \"hero:face:jaw\"; createNode transform -n \"villain:arm\";"
            "select -cl;")));
        MStatus status;
        host().addEventCallback(QStringLiteral("SelectionChanged"), countSelection, nullptr, &status);
        ASSERT_TRUE(status);
        g_selectionEvents = 0;
    }
    void TearDown() override { host().resetForTest(); }
    static qbhost::HostSession& host() { return qbhost::HostSession::instance(); }

    // What a click on an item does: the tree's selection model changes.
    static void click(outliner& tree, const QString& node, QItemSelectionModel::SelectionFlags flags)
    {
        QTreeWidgetItem* item = tree.nodeItem(node);
        ASSERT_NE(item, nullptr) << node.toStdString();
        tree.selectionModel()->select(indexOf(tree, item), flags | QItemSelectionModel::Rows);
    }
};

QStringList childTexts(QTreeWidgetItem* item)
{
    QStringList out;
    for (int i = 0; i < item->childCount(); ++i)
        out << item->child(i)->text(0);
    return out;
}

} // namespace

TEST_F(Outliner, ShowsNamespacesWithTheirNodesInSceneOrder)
{
    outliner tree(host());
    QStringList top;
    for (int i = 0; i < tree.topLevelItemCount(); ++i)
        top << tree.topLevelItem(i)->text(0);
    // Root nodes first; the host's built-in empty namespaces are not shown.
    EXPECT_EQ(top, QStringList({"persp", "hero", "villain"}));
    QTreeWidgetItem* hero = tree.namespaceItem("hero");
    ASSERT_NE(hero, nullptr);
    EXPECT_EQ(childTexts(hero), QStringList({"face", "arm", "leg"}));
    EXPECT_EQ(childTexts(tree.namespaceItem("hero:face")), QStringList({"jaw"}));
    EXPECT_EQ(tree.nodeItem("hero:face:jaw")->parent(), tree.namespaceItem("hero:face"));
    EXPECT_EQ(tree.nodeItem("hero:arm")->toolTip(0), QStringLiteral("|hero:arm")); // its full path
    EXPECT_EQ(tree.nodeItem("villain:arm")->data(0, outliner::kNodeRole).toString(), QStringLiteral("villain:arm"));
    EXPECT_FALSE(hero->flags() & Qt::ItemIsSelectable);
    EXPECT_TRUE(hero->isExpanded());
}

TEST_F(Outliner, ClickingReplacesTheHostSelectionAndRaisesTheEvent)
{
    outliner tree(host());
    click(tree, "hero:leg", QItemSelectionModel::ClearAndSelect);
    EXPECT_EQ(host().selection(), QStringList{"hero:leg"});
    EXPECT_EQ(g_selectionEvents, 1);
    click(tree, "persp", QItemSelectionModel::Select);
    click(tree, "hero:arm", QItemSelectionModel::Select);
    // What was selected keeps its place; new picks follow in the order made.
    EXPECT_EQ(host().selection(), QStringList({"hero:leg", "persp", "hero:arm"}));
    click(tree, "hero:leg", QItemSelectionModel::Deselect);
    EXPECT_EQ(host().selection(), QStringList({"persp", "hero:arm"}));
    EXPECT_EQ(g_selectionEvents, 4);
    tree.clearSelection();
    EXPECT_TRUE(host().selection().isEmpty());
    EXPECT_EQ(g_selectionEvents, 5);
}

TEST_F(Outliner, SelectionMadeElsewhereShowsWithoutEchoingBack)
{
    outliner tree(host());
    ASSERT_TRUE(host().executeMel(QStringLiteral("select -r \"villain:arm\" \"hero:face:jaw\";")));
    EXPECT_TRUE(tree.selectedNodes().isEmpty()); // not yet: the tree follows when idle
    QCoreApplication::processEvents();
    EXPECT_EQ(tree.selectedNodes(), QStringList({"hero:face:jaw", "villain:arm"})); // tree order
    // Showing it must not write it back: the host's order stays.
    EXPECT_EQ(host().selection(), QStringList({"villain:arm", "hero:face:jaw"}));
    EXPECT_EQ(g_selectionEvents, 1);
    host().setSelection(QStringList{"hero:arm"});
    QCoreApplication::processEvents();
    EXPECT_EQ(tree.selectedNodes(), QStringList{"hero:arm"});
    host().clearSelection();
    QCoreApplication::processEvents();
    EXPECT_TRUE(tree.selectedItems().isEmpty());
    EXPECT_EQ(g_selectionEvents, 3);

    // Many events before the loop is idle: one refresh shows the last state.
    for (const char* name : {"persp", "hero:arm", "villain:arm"})
        ASSERT_TRUE(host().selectByName(QLatin1String(name), MGlobal::kAddToList));
    EXPECT_TRUE(tree.selectedItems().isEmpty());
    QCoreApplication::processEvents();
    EXPECT_EQ(tree.selectedNodes().size(), 3);
}

TEST_F(Outliner, SceneChangesAreGatheredIntoOneRebuildThatKeepsTheSelection)
{
    outliner tree(host());
    host().setSelection(QStringList{"hero:arm"});
    ASSERT_TRUE(host().executeMel(QStringLiteral(
        "createNode transform -n \"crowd:a\" -ss; createNode transform -n \"crowd:b\" -ss;")));
    EXPECT_EQ(tree.nodeItem("crowd:a"), nullptr); // not yet: the tree follows when idle
    QCoreApplication::processEvents();
    ASSERT_NE(tree.nodeItem("crowd:b"), nullptr);
    EXPECT_EQ(tree.selectedNodes(), QStringList{"hero:arm"});
    EXPECT_EQ(host().selection(), QStringList{"hero:arm"});
    // A deleted selected node leaves both.
    ASSERT_TRUE(host().executeMel(QStringLiteral("delete \"hero:arm\";")));
    QCoreApplication::processEvents();
    EXPECT_EQ(tree.nodeItem("hero:arm"), nullptr);
    EXPECT_TRUE(tree.selectedItems().isEmpty());
    EXPECT_TRUE(host().selection().isEmpty());
}

TEST_F(Outliner, CollapsedNamespacesStayCollapsedAcrossRebuilds)
{
    outliner tree(host());
    tree.namespaceItem("hero")->setExpanded(false);
    tree.rebuild();
    EXPECT_FALSE(tree.namespaceItem("hero")->isExpanded());
    EXPECT_TRUE(tree.namespaceItem("villain")->isExpanded());
    tree.namespaceItem("hero")->setExpanded(true);
    tree.rebuild();
    EXPECT_TRUE(tree.namespaceItem("hero")->isExpanded());
}

TEST_F(Outliner, NamesTheTreeDoesNotShowStayInTheHostSelection)
{
    outliner tree(host());
    // Selected while the tree has not caught up with the scene yet.
    ASSERT_TRUE(host().executeMel(QStringLiteral("createNode transform -n \"late\";")));
    EXPECT_EQ(host().selection(), QStringList{"late"});
    ASSERT_EQ(tree.nodeItem("late"), nullptr);
    click(tree, "persp", QItemSelectionModel::Select);
    EXPECT_EQ(host().selection(), QStringList({"late", "persp"}));
    QCoreApplication::processEvents();
    EXPECT_EQ(tree.selectedNodes(), QStringList({"persp", "late"}));
}

TEST(OutlinerScene, ShowsTheHierarchyAndTheNamespacesOfReferences)
{
    qbhost::HostSession& host = qbhost::HostSession::instance();
    host.resetForTest();
    qputenv("QB_QUILL_ASSETS", QB_TEST_DATA "/scenes");
    ASSERT_TRUE(host.executeMel(QStringLiteral("file -f -open \"" QB_TEST_DATA "/scenes/quill_shot.ma\";")))
        << host.errors().join('\n').toStdString();
    outliner tree(host);
    // Below their parents, named by their own names, full path on hover.
    QTreeWidgetItem* head = tree.nodeItem("hero:L_eye_grp|hero:head_OC");
    ASSERT_NE(head, nullptr);
    EXPECT_EQ(head->text(0), QStringLiteral("head_OC"));
    EXPECT_EQ(head->toolTip(0), QStringLiteral("|hero:rig|hero:controls|hero:root_ctrl|hero:COG_ctrl|hero:head_ctrl|"
                                               "hero:L_eye_grp|hero:head_OC"));
    EXPECT_EQ(head->parent(), tree.nodeItem("hero:L_eye_grp"));
    EXPECT_EQ(tree.nodeItem("lantern")->parent(), tree.nodeItem("hero:COG_ctrl"));
    EXPECT_EQ(tree.nodeItem("hero:rig")->parent(), tree.namespaceItem("hero"));
    // A reference's namespace says which file it holds.
    QTreeWidgetItem* hero = tree.namespaceItem("hero");
    EXPECT_EQ(hero->text(0), QStringLiteral("hero [quill_rig.ma]"));
    EXPECT_EQ(hero->data(0, outliner::kReferenceRole).toString(), QStringLiteral("heroRN"));
    EXPECT_EQ(tree.namespaceItem("villain:sword")->text(0), QStringLiteral("sword [prop_sword.ma, unloaded]"));
    // The nodes every scene has are not shown.
    EXPECT_EQ(tree.nodeItem("time1"), nullptr);
    // A collapsed node stays collapsed across rebuilds.
    QTreeWidgetItem* rig = tree.nodeItem("hero:rig");
    EXPECT_TRUE(rig->isExpanded());
    rig->setExpanded(false);
    tree.rebuild();
    EXPECT_FALSE(tree.nodeItem("hero:rig")->isExpanded());
    // Clicking a node of a repeated name selects that one.
    tree.nodeItem("hero:R_eye_grp|hero:head_OC")->setSelected(true);
    EXPECT_EQ(host.selection(), QStringList{"hero:R_eye_grp|hero:head_OC"});
    host.resetForTest();
}
