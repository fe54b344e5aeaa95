#include "model/buttonRecord.h"
#include "model/button_set.h"
#include "model/window_selection.h"
#include <gtest/gtest.h>
#include <climits>

namespace {

buttonRecord record(QPoint centre, int size, QStringList nodes = {})
{
    buttonAttributes a;
    a.position = centre;
    a.size = size;
    a.nodes = nodes;
    return buttonRecord(a);
}

QStringList names(const button_set& set)
{
    QStringList out;
    for (const QString& n : set.names())
        out << n;
    return out;
}

} // namespace

TEST(ButtonRecord, SquareRectangleTruncatesTowardZero)
{
    struct Row { int size; QPoint centre; int l, t, r, b; };
    const Row rows[] = {
        {1, {10, 10}, 10, 10, 10, 10},
        {4, {10, 10}, 9, 9, 12, 12},   // even size: extra pixel right and below
        {5, {10, 10}, 8, 8, 12, 12},
        {10, {-3, -3}, -7, -7, 2, 2},
        {0, {0, 0}, 0, 0, -1, -1},     // size 0 has no area; half of -1 is 0
        {INT_MAX, {0, 0}, -8388607, -8388607, 8388608, 8388608}, // a damaged size: bounded
    };
    for (const Row& r : rows) {
        const buttonRecord b = record(r.centre, r.size);
        EXPECT_EQ(b.rect.left(), r.l) << r.size;
        EXPECT_EQ(b.rect.top(), r.t) << r.size;
        EXPECT_EQ(b.rect.right(), r.r) << r.size;
        EXPECT_EQ(b.rect.bottom(), r.b) << r.size;
    }
}

TEST(ButtonRecord, NewRecordStartsClear)
{
    const buttonRecord b = record({0, 0}, 10, {"a", "b", "c"});
    EXPECT_EQ(b.state, 0);
    ASSERT_EQ(b.flags.size(), 3);
    EXPECT_EQ(b.flags, QVector<char>(3, 0));
    EXPECT_TRUE(b.labelPicture.isNull());
}

TEST(ButtonRecord, MoveToKeepsWidthAndRecentres)
{
    buttonRecord b = record({10, 10}, 5);
    b.rect = QRect(QPoint(0, 0), QPoint(4, 4)); // right - left = 4
    b.moveTo(QPoint(0, 0));
    EXPECT_EQ(b.rect.left(), -2);
    EXPECT_EQ(b.rect.right(), 2);
    EXPECT_EQ(b.position, QPoint(0, 0));

    b.rect = QRect(QPoint(0, 0), QPoint(5, 3)); // right - left = 5, bottom - top = 3
    b.moveTo(QPoint(0, 0));
    EXPECT_EQ(b.rect.left(), -2);
    EXPECT_EQ(b.rect.right(), 3);
    EXPECT_EQ(b.rect.top(), -1);
    EXPECT_EQ(b.rect.bottom(), 2);

    b.moveTo(QPoint(-7, 3));
    EXPECT_EQ(b.rect.left(), -9);
    EXPECT_EQ(b.rect.right(), -4);
}

TEST(ButtonRecord, PositionsFromDamagedDataStayWithinTheCanvasRange)
{
    const int l = buttonRecord::kCoordinateLimit;
    buttonRecord b = record({INT_MAX, INT_MIN}, 10);
    EXPECT_EQ(b.position, QPoint(l, -l));
    EXPECT_EQ(b.rect, QRect(QPoint(l - 4, -l - 4), QPoint(l + 5, -l + 5)));
    b.moveTo(QPoint(INT_MIN, INT_MAX));
    EXPECT_EQ(b.position, QPoint(-l, l));
    EXPECT_EQ(b.rect.width(), 10);
    // The rectangle alone never wraps either.
    const QRect edge = buttonRecord::squareRect(QPoint(INT_MAX, INT_MIN), 10);
    EXPECT_EQ(edge.right(), INT_MAX);
    EXPECT_EQ(edge.top(), INT_MIN);
}

TEST(ButtonRecord, SelectKeepsWindowListInStep)
{
    window_selection::names().clear();
    buttonRecord b = record({0, 0}, 10, {"a", "b"});
    EXPECT_TRUE(b.select(false));
    EXPECT_EQ(b.state, 1);
    EXPECT_EQ(window_selection::names(), QStringList({"a", "b"}));
    EXPECT_FALSE(b.select(false)); // flags already set: nothing added twice
    EXPECT_EQ(window_selection::names(), QStringList({"a", "b"}));

    window_selection::names() = QStringList({"a", "x", "a", "b"});
    EXPECT_TRUE(b.unselect(false));
    EXPECT_EQ(b.state, 0);
    EXPECT_EQ(window_selection::names(), QStringList({"x", "a"})); // first equal entry only

    EXPECT_FALSE(b.select(true)); // flags only: the list is left alone
    EXPECT_EQ(b.flags, QVector<char>(2, 1));
    EXPECT_EQ(window_selection::names(), QStringList({"x", "a"}));
    EXPECT_FALSE(b.unselect(true));
    EXPECT_EQ(b.flags, QVector<char>(2, 0));

    buttonRecord empty = record({0, 0}, 10);
    EXPECT_FALSE(empty.select(false));
    EXPECT_EQ(empty.state, 1);
    window_selection::names().clear();
}

TEST(ButtonSet, KeepsFirstOccurrenceExactCase)
{
    const button_set set = button_set::fromStringList({"arm", "leg", "arm", "Arm"});
    EXPECT_EQ(names(set), QStringList({"arm", "leg", "Arm"}));
    EXPECT_TRUE(set.contains("Arm"));
    EXPECT_FALSE(set.contains("ARM"));
    EXPECT_FALSE(set.contains("hero:arm"));
}

TEST(ButtonSet, AddAndRemoveButtons)
{
    button_set set = button_set::fromStringList({"arm", "leg"});
    const buttonRecord b = record({0, 0}, 10, {"leg", "hip"});
    set.add_button(b);
    EXPECT_EQ(names(set), QStringList({"arm", "leg", "hip"}));
    set.remove_button(b);
    EXPECT_EQ(names(set), QStringList({"arm"}));
    EXPECT_FALSE(set.contains("leg"));
    set.removeOne("absent");
    EXPECT_EQ(names(set), QStringList({"arm"}));
    set.add_button(b);
    EXPECT_TRUE(set.contains("hip")); // the index follows removals and re-adds
}

TEST(ButtonSet, AppendAllToStringPutsABlankBeforeEach)
{
    QString text = QStringLiteral("select");
    button_set::fromStringList({"arm", "leg"}).appendAllToString(&text);
    EXPECT_EQ(text, QStringLiteral("select arm leg"));
    QString unchanged = QStringLiteral("clear");
    button_set().appendAllToString(&unchanged);
    EXPECT_EQ(unchanged, QStringLiteral("clear"));
}

#include "model/button_selection.h"

namespace {

buttonRecord nodeButton(QStringList nodes, int kind = 0)
{
    buttonAttributes a;
    a.kind = kind;
    a.nodes = nodes;
    return buttonRecord(a);
}

} // namespace

TEST(ButtonSelection, ConformCases)
{
    QList<buttonRecord> buttons{nodeButton({"a", "b"}), nodeButton({"a", "x"}), nodeButton({"x"}),
                                nodeButton({}), nodeButton({"hero:a"}), nodeButton({"A"}),
                                nodeButton({"b", "a"}, 1)};
    EXPECT_TRUE(conform_buttons(buttons, button_set::fromStringList({"a", "b"})));
    const qint16 states[] = {1, 2, 0, 1, 0, 0, 1};
    for (int i = 0; i < buttons.size(); ++i)
        EXPECT_EQ(buttons[i].state, states[i]) << i;
    EXPECT_EQ(buttons[1].flags, QVector<char>({1, 0}));
    // The same set again changes no state.
    EXPECT_FALSE(conform_buttons(buttons, button_set::fromStringList({"b", "a", "a"})));
    // Flags alone changing does not count as a change.
    buttons[1].flags = QVector<char>({0, 0});
    EXPECT_FALSE(conform_buttons(buttons, button_set::fromStringList({"a", "b"})));
    EXPECT_EQ(buttons[1].flags, QVector<char>({1, 0}));
}

TEST(ButtonSelection, CommandButtonsNeverContributeNames)
{
    QList<buttonRecord> buttons{nodeButton({"a", "x"}), nodeButton({"b"}, 1)};
    conform_buttons(buttons, button_set::fromStringList({"a", "b"}));
    button_set set;
    append_selected(buttons, set);
    EXPECT_EQ(set.names(), QVector<QString>({"a"}));
}

TEST(ButtonSelection, ClearAndAny)
{
    window_selection::names() = QStringList({"a", "b", "c"});
    QList<buttonRecord> buttons{nodeButton({"a"}), nodeButton({"c"}), nodeButton({"z"})};
    conform_buttons(buttons, button_set::fromStringList(window_selection::names()));
    EXPECT_TRUE(any_selected(buttons));
    EXPECT_TRUE(clear_selected(buttons));
    EXPECT_FALSE(any_selected(buttons));
    EXPECT_EQ(window_selection::names(), QStringList({"b"}));
    EXPECT_FALSE(clear_selected(buttons));
    window_selection::names().clear();
}

namespace {
// Names as a host with namesakes resolves them: "|g|a" and "g|a" are the
// node the host calls "a"; "b" names two nodes; "x" none.
struct fake_names : node_names {
    quint64 gen = 1;
    int lookups = 0;
    quint64 generation() const override { return gen; }
    QString host_name(const QString& name, node_health* health) override
    {
        ++lookups;
        *health = name == QLatin1String("x") ? kNodeMissing : name == QLatin1String("b") ? kNodeAmbiguous : kNodeFound;
        return name.endsWith(QLatin1String("|a")) ? QStringLiteral("a") : name;
    }
};
} // namespace

TEST(ButtonSelection, ButtonsLightByTheNodeTheirNamesStandFor)
{
    fake_names names;
    node_names::install(&names);
    QList<buttonRecord> buttons{record(QPoint(0, 0), 4, {"|g|a"}), record(QPoint(9, 0), 4, {"g|a", "x"}),
                                record(QPoint(18, 0), 4, {"b"})};
    EXPECT_TRUE(conform_buttons(buttons, button_set::fromStringList({"a"})));
    EXPECT_EQ(buttons[0].state, kSelected);
    EXPECT_EQ(buttons[1].state, kPartlySelected);
    EXPECT_EQ(buttons[1].names_with(kNodeMissing), QStringList{"x"});
    EXPECT_TRUE(buttons[1].broken());
    EXPECT_FALSE(buttons[1].all_missing());
    EXPECT_EQ(buttons[2].names_with(kNodeAmbiguous), QStringList{"b"});
    // Kept while the scene stays: no lookup the second time...
    const int looked = names.lookups;
    conform_buttons(buttons, button_set::fromStringList({"a"}));
    EXPECT_EQ(names.lookups, looked);
    // ...asked again once it changed, and for names changed in place.
    ++names.gen;
    conform_buttons(buttons, button_set());
    EXPECT_EQ(names.lookups, looked + 4);
    buttons[0].nodes = QStringList{"x"};
    EXPECT_TRUE(buttons[0].all_missing());
    // A selected button puts the host's name into the window list.
    window_selection::names().clear();
    buttons[1].nodes = QStringList{"g|a"};
    buttons[1].flags = QVector<char>(1, 0);
    buttons[1].select(false);
    EXPECT_EQ(window_selection::names(), QStringList{"a"});
    window_selection::names().clear();
    node_names::install(nullptr);
}
