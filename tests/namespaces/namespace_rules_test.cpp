#include "namespace_cases.h"
#include "model/namespace_rewrite.h"
#include "model/namespace_scan.h"
#include <gtest/gtest.h>
#include <QtCore/QSet>
#include <algorithm>

namespace {

QStringList scan(const QList<buttonAttributes>& buttons)
{
    QStringList out;
    for (const buttonAttributes& b : buttons)
        collect_button_namespaces(b, out);
    std::sort(out.begin(), out.end(), compare_name);
    return out;
}

buttonAttributes sel(QStringList nodes)
{
    buttonAttributes b;
    b.nodes = nodes;
    return b;
}

buttonAttributes cmd(QString script, int language)
{
    buttonAttributes b;
    b.kind = 1;
    b.language = language;
    b.nodes = QStringList{script};
    return b;
}

} // namespace

TEST(NamespaceScan, SelectionNames)
{
    EXPECT_EQ(scan({sel({"a:b:arm_ctrl"})}), QStringList({"a", "a:b"}));
    EXPECT_EQ(scan({sel({"arm_ctrl"})}), QStringList());
    EXPECT_EQ(scan({sel({":arm"})}), QStringList({""}));
    EXPECT_EQ(scan({sel({"a::b"})}), QStringList({"a", "a:"}));  // consecutive colons each add a prefix
    EXPECT_EQ(scan({sel({"hero:mesh.vtx[a:b]"})}), QStringList({"hero"}));  // colons inside brackets ignored
    EXPECT_EQ(scan({sel({"hero:mesh.f[1:2][x:y]"})}), QStringList({"hero"}));
    const QStringList both = scan({sel({"Hero:arm", "hero:arm", "alpha:x", "zed:y"})});
    ASSERT_EQ(both.size(), 4);
    EXPECT_EQ(both[0], QStringLiteral("alpha"));
    EXPECT_EQ(QSet<QString>({both[1], both[2]}), QSet<QString>({"Hero", "hero"})); // kept, next to each other
    EXPECT_EQ(both[3], QStringLiteral("zed"));
    EXPECT_EQ(scan({sel({"hero:a", "hero:b"}), sel({"hero:c"})}), QStringList({"hero"})); // once
}

TEST(NamespaceScan, Scripts)
{
    struct Row { const char* what; const char* script; int language; QStringList expected; };
    const Row rows[] = {
        {"quoted MEL names", "select -r \"hero:arm_ctrl\" \"hero:leg_ctrl\";", 0, {"hero"}},
        {"single quotes in Python", "cmds.select('villain:root.tx')", 1, {"villain"}},
        {"bare words do not count", "select -r hero:arm_ctrl;", 0, {}},
        {"MEL line comment", "// select \"old:ctrl\";\nselect \"new:ctrl\";", 0, {"new"}},
        {"the same text in Python", "// select \"old:ctrl\";\nselect \"new:ctrl\";", 1, {"new", "old"}},
        {"Python comment", "# 'old:ctrl'\ncmds.select('new:ctrl')", 1, {"new"}},
        {"hash is no MEL comment", "# \"old:ctrl\"", 0, {"old"}},
        {"last colon decides", "\"a:b:c\"", 0, {"a:b"}},
        {"colon first only", "\":arm\"", 0, {}},
        {"escapes and brackets", "\"x\\\"a:q[b:c]d:e\"", 0, {"a", "d"}},
        {"open token at the end dropped", "\"hero:arm", 0, {}},
        {"quote inside other quote", "\"it's hero:arm\"", 0, {"hero"}},
    };
    for (const Row& r : rows)
        EXPECT_EQ(scan({cmd(QString::fromUtf8(r.script), r.language)}), r.expected) << r.what;
    buttonAttributes twoEntries = cmd("\"a:b\"", 0);
    twoEntries.nodes << QStringLiteral("\"c:d\"");
    EXPECT_EQ(scan({twoEntries}), QStringList());
}

TEST(NamespaceRewrite, SharedCases)
{
    for (const namespace_case& c : namespace_cases()) {
        QList<QPair<QString, QString>> rows;
        for (int i = 0; i < c.current.size(); ++i)
            rows.append(qMakePair(c.current[i], c.choices[i]));
        const namespace_mapping m = make_namespace_mapping(rows);
        for (const namespace_case_button& cb : c.buttons) {
            buttonAttributes b;
            b.kind = cb.kind;
            b.language = cb.language;
            b.nodes = cb.nodes;
            rewrite_button(b, m);
            EXPECT_EQ(b.nodes, cb.expected) << c.what;
        }
    }
}

TEST(NamespaceRewrite, MappingRows)
{
    const namespace_mapping m = make_namespace_mapping(
        {{"hero", "hero"}, {"a", "b:"}, {":", ""}, {"c:", "c"}, {"", ":"}});
    EXPECT_EQ(m.from, QStringList({"a:", ":"}));
    EXPECT_EQ(m.to, QStringList({"b:", ""}));
}
