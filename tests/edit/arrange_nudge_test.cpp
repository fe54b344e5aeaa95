// Nudging with the arrow keys and the four arrange operations: where the
// buttons go, how the steps merge, and what undo gives back.
#include "authoring_harness.h"
#include "edit/arrange_buttons_cmd.h"
#include <gtest/gtest.h>
#include <QtTest/QSignalSpy>

namespace {

QList<QPoint> positions(const picker_document& doc)
{
    QList<QPoint> out;
    for (const buttonRecord& b : doc.buttons())
        out << b.position;
    return out;
}

QList<QPoint> positions(const picker_view* canvas)
{
    return positions(*canvas->document());
}

void add_buttons(picker_view* canvas, const QList<QPoint>& at)
{
    for (int i = 0; i < at.size(); ++i)
        canvas->document()->push_button(make_button(at[i], 10, 0, {QStringLiteral("n%1").arg(i)}), -1);
}

} // namespace

TEST(Nudge, ArrowKeysMergeWhileTheSelectionStays)
{
    authoring_harness h;
    add_buttons(h.canvas, {{10, 10}, {50, 10}, {90, 10}});
    h.enter();

    h.key(Qt::Key_Right); // nothing selected: nothing pushed
    EXPECT_EQ(h.undo()->count(), 0);

    h.select({0, 2});
    h.select({1}, 2); // partly selected buttons stay put
    QSignalSpy changed(h.canvas, &picker_view::changed);
    for (int i = 0; i < 3; ++i)
        h.key(Qt::Key_Right);
    EXPECT_EQ(changed.count(), 3);
    ASSERT_EQ(h.undo()->count(), 1);
    EXPECT_EQ(h.undo()->text(0), QStringLiteral("Button Move"));
    EXPECT_EQ(positions(h.canvas), (QList<QPoint>{{13, 10}, {50, 10}, {93, 10}}));
    EXPECT_EQ(h.canvas->buttons()[0].rect, buttonRecord::squareRect(QPoint(13, 10), 10));

    h.undo()->undo(); // one step back to before the first nudge
    EXPECT_EQ(positions(h.canvas), (QList<QPoint>{{10, 10}, {50, 10}, {90, 10}}));
    h.undo()->redo();
    EXPECT_EQ(positions(h.canvas), (QList<QPoint>{{13, 10}, {50, 10}, {93, 10}}));

    // Another selection between nudges starts a new entry.
    h.key(Qt::Key_Up);
    h.select({2}, 0);
    h.key(Qt::Key_Down);
    h.key(Qt::Key_Left);
    EXPECT_EQ(h.undo()->count(), 2);
    EXPECT_EQ(positions(h.canvas), (QList<QPoint>{{12, 10}, {50, 10}, {93, 9}}));
    h.undo()->undo();
    EXPECT_EQ(positions(h.canvas), (QList<QPoint>{{13, 9}, {50, 10}, {93, 9}}));
    h.undo()->undo();
    EXPECT_EQ(positions(h.canvas), (QList<QPoint>{{10, 10}, {50, 10}, {90, 10}}));
}

TEST(Arrange, PlacesAndUndo)
{
    using pts = QList<QPoint>;
    const struct {
        const char* what;
        int mode;
        pts at;
        QList<int> selected;
        pts expected;
    } rows[] = {
        {"worked example", arrange_buttons_cmd::distribute_horizontal, {{0, 5}, {10, 6}, {30, 7}}, {0, 1, 2},
         {{0, 5}, {16, 6}, {32, 7}}},
        {"two buttons", arrange_buttons_cmd::distribute_horizontal, {{0, 5}, {100, 9}}, {0, 1}, {{0, 5}, {102, 9}}},
        // List order differs from x order: placed left to right by x.
        {"list order not x order", arrange_buttons_cmd::distribute_horizontal, {{30, 0}, {0, 0}, {10, 0}}, {0, 1, 2},
         {{32, 0}, {0, 0}, {16, 0}}},
        // Equal x keeps list order: the first in the list stays leftmost.
        {"equal x", arrange_buttons_cmd::distribute_horizontal, {{20, 0}, {20, 5}, {0, 0}}, {0, 1, 2},
         {{12, 0}, {24, 5}, {0, 0}}},
        {"vertical spread", arrange_buttons_cmd::distribute_vertical, {{0, 40}, {5, 0}, {9, 10}, {3, 3}}, {0, 1, 2},
         {{0, 42}, {5, 0}, {9, 21}, {3, 3}}},
        {"align horizontally", arrange_buttons_cmd::align_horizontal, {{0, 1}, {10, 2}, {20, 10}}, {0, 1, 2},
         {{0, 4}, {10, 4}, {20, 4}}},
        {"align vertically, negative mean", arrange_buttons_cmd::align_vertical, {{-7, 0}, {2, 9}}, {0, 1},
         {{-2, 0}, {-2, 9}}},
        {"one selected moves nothing", arrange_buttons_cmd::distribute_horizontal, {{0, 0}, {50, 0}}, {1},
         {{0, 0}, {50, 0}}},
        {"none selected moves nothing", arrange_buttons_cmd::align_vertical, {{0, 0}, {50, 7}}, {},
         {{0, 0}, {50, 7}}},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.what);
        picker_document doc; // no widget: the command acts on the document
        for (int i = 0; i < r.at.size(); ++i)
            doc.push_button(make_button(r.at[i], 10, 0, {QStringLiteral("n%1").arg(i)}), -1);
        for (int i : r.selected)
            doc.button(i)->state = 1;
        doc.undoStack()->push(new arrange_buttons_cmd(&doc, r.mode));
        ASSERT_EQ(doc.undoStack()->count(), 1);
        EXPECT_EQ(doc.undoStack()->text(0), QStringLiteral("Arrange Buttons"));
        EXPECT_EQ(positions(doc), r.expected);
        doc.undoStack()->undo();
        EXPECT_EQ(positions(doc), r.at);
        doc.undoStack()->redo();
        EXPECT_EQ(positions(doc), r.expected);
    }
}

TEST(Arrange, ButtonsSubmenuReachesTheCommands)
{
    authoring_harness h;
    add_buttons(h.canvas, {{0, 0}, {10, 0}, {30, 0}});
    h.select({0, 1, 2});
    QMenu* buttons = nullptr;
    for (QAction* a : h.canvas->menu()->context_menu()->actions())
        if (a->menu())
            buttons = a->menu();
    ASSERT_NE(buttons, nullptr);
    EXPECT_EQ(buttons->title(), QStringLiteral("Buttons"));
    QStringList texts;
    for (QAction* a : buttons->actions()) {
        if (a->isSeparator()) {
            texts << QStringLiteral("-");
            continue;
        }
        texts << a->text();
        // The arrange entries carry icons; the size steps do not.
        EXPECT_EQ(a->icon().isNull(), !a->text().contains(QStringLiteral("ly")))
            << a->text().toStdString();
        EXPECT_TRUE(h.canvas->actions().contains(a));
    }
    EXPECT_EQ(texts, (QStringList{"Align Horizontally", "Align Vertically", "Distribute Horizontally",
                                  "Distribute Vertically", "-", "Mirror Buttons", "Flip Buttons", "-",
                                  "Increase Size", "Decrease Size"}));
    h.action("Distribute Horizontally")->trigger();
    EXPECT_EQ(positions(h.canvas), (QList<QPoint>{{0, 0}, {16, 0}, {32, 0}}));
}
