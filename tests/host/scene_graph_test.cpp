// The scene's node graph on its own: names unique among siblings, the
// paths that name a node, the shortest unique path as `ls` gives it, and
// ids that survive renames and moves.
#include <gtest/gtest.h>

#include "../../host/src/scene/scene_graph.h"

using qbhost::NodeId;
using qbhost::SceneGraph;

namespace {

// "|a|b|c" style rows: each built under the one named before it.
class Graph : public ::testing::Test
{
protected:
    NodeId dag(const char* name, NodeId parent = 0) { return g.create("transform", QLatin1String(name), parent, true); }
    NodeId dg(const char* name) { return g.create("multiplyDivide", QLatin1String(name), 0, false); }
    QStringList shortest(const std::vector<NodeId>& ids)
    {
        QStringList out;
        for (NodeId id : ids)
            out << g.shortestPath(id);
        return out;
    }
    SceneGraph g;
};

TEST_F(Graph, PathsNameNodesAsTheHostDoes)
{
    // grp|a|x and grp2|a|x: "a|x" is ambiguous, "grp|a|x" is not.
    const NodeId grp = dag("grp"), a1 = dag("a", grp), x1 = dag("x", a1);
    const NodeId grp2 = dag("grp2"), a2 = dag("a", grp2), x2 = dag("x", a2);
    const NodeId top = dag("x"); // a third x, at the top
    const NodeId md = dg("md");
    const NodeId ns = dag("hero:x", grp);
    const struct {
        const char* path;
        std::vector<NodeId> found;
    } rows[] = {
        {"x", {x1, x2, top}},
        {"a|x", {x1, x2}},
        {"grp|a|x", {x1}},
        {"|grp|a|x", {x1}},
        {"|a|x", {}},
        {"|x", {top}},
        {":x", {x1, x2, top}},
        {"md", {md}},
        {"|md", {}},
        {"grp|md", {}},
        {"hero:x", {ns}},
        {"grp|hero:x", {ns}},
        {"*|x", {x1, x2}},
        {"gr?|*|x", {x1}},
        {"*", {grp, a1, x1, grp2, a2, x2, top, md}}, // own names, at any depth
        {"*:*", {ns}},
        {"grp|*", {a1}},
    };
    for (const auto& r : rows) {
        const std::vector<NodeId> found = SceneGraph::hasWildcard(QLatin1String(r.path)) ? g.match(QLatin1String(r.path))
                                                                                        : g.findExact(QLatin1String(r.path));
        EXPECT_EQ(found, r.found) << r.path;
    }
    EXPECT_EQ(shortest({x1, x2, top, a1, grp, md, ns}),
              QStringList({"grp|a|x", "grp2|a|x", "|x", "grp|a", "grp", "md", "hero:x"}));
    EXPECT_EQ(g.fullPath(x2), QStringLiteral("|grp2|a|x"));
    EXPECT_EQ(g.fullPath(md), QStringLiteral("md"));
}

TEST_F(Graph, NamesAreUniqueAmongSiblingsAndDependencyNodesInTheScene)
{
    const NodeId grp = dag("grp");
    dag("arm", grp);
    dg("md");
    const struct {
        const char* name;
        NodeId parent;
        bool dagNode;
        bool free;
    } rows[] = {
        {"arm", grp, true, false}, {"arm", 0, true, true}, {"arm", 0, false, false}, // a DG name is scene-wide
        {"md", 0, true, false},    {"md", grp, true, false},                         // no DAG node takes a DG name
        {"grp", grp, true, true},  {"grp", 0, true, false}, {"leg", grp, true, true},
    };
    for (const auto& r : rows)
        EXPECT_EQ(g.nameFree(QLatin1String(r.name), r.parent, r.dagNode), r.free) << r.name << " " << r.parent;
    EXPECT_EQ(g.uniqueName("arm", grp, true), QStringLiteral("arm1"));
    EXPECT_EQ(g.uniqueName("arm", 0, true), QStringLiteral("arm"));
    EXPECT_EQ(g.uniqueName("md", 0, false), QStringLiteral("md1"));
}

TEST_F(Graph, IdsSurviveRenamesAndMovesAndAreNeverGivenAgain)
{
    const NodeId a = dag("a"), b = dag("b", a), c = dag("c", b);
    const quint64 generation = g.namesGeneration();
    g.rename(b, "bee");
    EXPECT_GT(g.namesGeneration(), generation);
    EXPECT_EQ(g.fullPath(c), QStringLiteral("|a|bee|c"));
    g.reparent(b, 0);
    EXPECT_EQ(g.fullPath(c), QStringLiteral("|bee|c"));
    EXPECT_TRUE(g.isAncestor(b, c));
    EXPECT_FALSE(g.isAncestor(a, c));
    EXPECT_EQ(g.subtree(b), (std::vector<NodeId>{b, c}));
    EXPECT_EQ(g.worldChildren(), (std::vector<NodeId>{a, b}));
    g.remove(c);
    g.remove(b);
    EXPECT_EQ(g.node(b), nullptr);
    const NodeId d = dag("bee");
    EXPECT_GT(d, c);
    g.clear();
    EXPECT_EQ(g.count(), 0);
    EXPECT_GT(dag("a"), d); // after a new scene too
}

TEST_F(Graph, NamespacesComeAndGoWithTheirNodes)
{
    const NodeId n = dag("hero:face:jaw");
    EXPECT_TRUE(g.namespaces().exists("hero:face"));
    EXPECT_EQ(g.namespaces().childNamespaces(":"), QStringList({"UI", "shared", "hero"}));
    EXPECT_EQ(g.namespaces().remove("hero"), MS::kFailure); // not empty
    g.rename(n, "villain:jaw");
    EXPECT_FALSE(g.namespaces().exists("hero"));
    EXPECT_TRUE(g.namespaces().exists("villain"));
    g.remove(n);
    EXPECT_FALSE(g.namespaces().exists("villain"));
}

} // namespace
