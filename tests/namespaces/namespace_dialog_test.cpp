// The namespace chooser through its own widgets: what each row offers and
// proposes, every shared rewrite case chosen and typed, and the ways out.
#include "canvas_harness.h"
#include "chooser_probe.h"
#include "namespace_cases.h"
#include "qt_print.h"
#include "namespaces/picker_editNamespaceDialog.h"
#include <gtest/gtest.h>
#include <QtTest/QSignalSpy>
#include <QtWidgets/QScrollArea>

namespace {

QList<buttonAttributes> selection_buttons(const QList<QStringList>& nodeLists)
{
    QList<buttonAttributes> out;
    int x = 20;
    for (const QStringList& nodes : nodeLists) {
        out << make_button(QPoint(x, 20), 10, 0xB22222, nodes);
        x += 20;
    }
    return out;
}

QList<QStringList> node_lists(const picker_view* canvas)
{
    QList<QStringList> out;
    for (const buttonRecord& b : canvas->buttons())
        out << b.nodes;
    return out;
}

} // namespace

TEST(NamespaceDialog, RowsOfferTheSceneAndProposeAMatch)
{
    const struct {
        const char* what;
        QStringList current, available;
        QList<QStringList> items;
        QStringList proposals;
    } rows[] = {
        {"exact match", {"hero"}, {"villain", "hero", ":"}, {{"villain", "hero", ":"}}, {"hero"}},
        {"suffix after a colon", {"hero"}, {"villain", "set:hero", ":"}, {{"villain", "set:hero", ":"}}, {"set:hero"}},
        {"the first of two suffix matches", {"hero"}, {"a:hero", "b:hero", ":"}, {{"a:hero", "b:hero", ":"}},
         {"a:hero"}},
        {"exact beats an earlier suffix match", {"hero"}, {"set:hero", "hero", ":"}, {{"set:hero", "hero", ":"}},
         {"hero"}},
        {"a suffix without its colon is no match", {"hero"}, {"superhero", ":"}, {{"hero", "superhero", ":"}},
         {"hero"}},
        {"no match: the name itself first", {"hero"}, {"villain", ":"}, {{"hero", "villain", ":"}}, {"hero"}},
        {"case counts", {"Hero"}, {"hero", ":"}, {{"Hero", "hero", ":"}}, {"Hero"}},
        {"the root", {":"}, {"hero", ":"}, {{"hero", ":"}}, {":"}},
        {"names written from the root", {""}, {"hero", ":"}, {{"hero", ":"}}, {":"}},
        {"one row each, in order", {"a", "b:c"}, {"x:b:c", ":"}, {{"a", "x:b:c", ":"}, {"x:b:c", ":"}},
         {"a", "x:b:c"}},
    };
    for (const auto& r : rows) {
        canvas_harness h;
        chooser::probe probe([](QDialog* d, int) { chooser::click(d, "Cancel"); });
        EXPECT_FALSE(picker_editNamespaceDialog::do_dialog(h.canvas, r.current, r.available)) << r.what;
        ASSERT_EQ(probe.choosers.size(), 1) << r.what;
        EXPECT_EQ(probe.choosers[0].items, r.items) << r.what;
        EXPECT_EQ(probe.choosers[0].proposals, r.proposals) << r.what;
        QStringList labels;
        for (const QString& n : r.current)
            labels << QStringLiteral("<b>%1</b>").arg(n);
        EXPECT_EQ(probe.choosers[0].labels, labels) << r.what;
    }
}

TEST(NamespaceDialog, TitleRowsAndScrolling)
{
    canvas_harness h;
    bool checked = false;
    chooser::probe probe([&](QDialog* d, int) {
        EXPECT_EQ(d->windowTitle(), QStringLiteral("Choose Namespace"));
        EXPECT_TRUE(d->isModal());
        QStringList texts;
        for (QLabel* l : d->findChildren<QLabel*>())
            texts << l->text();
        // A name read from a file is shown as text, not as markup.
        EXPECT_EQ(texts, (QStringList{"Change Current Namespace to:", "<b>hero</b>", "<b>&lt;i&gt;x</b>"}));
        // Many rows scroll vertically; the rows never widen the dialog.
        QScrollArea* scroll = d->findChild<QScrollArea*>();
        ASSERT_NE(scroll, nullptr);
        EXPECT_EQ(scroll->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
        EXPECT_EQ(chooser::combos(d).size(), 2);
        for (QComboBox* c : chooser::combos(d))
            EXPECT_TRUE(scroll->widget()->isAncestorOf(c));
        checked = true;
        chooser::click(d, "Cancel");
    });
    picker_editNamespaceDialog::do_dialog(h.canvas, {"hero", "<i>x"}, {"hero", ":"});
    EXPECT_TRUE(checked);
}

// Every shared case, once choosing the offered items and once typing the
// choices into the combo boxes' line edits.
TEST(NamespaceDialog, SharedCasesChosenAndTyped)
{
    for (const bool typed : {false, true}) {
        for (const namespace_case& c : namespace_cases()) {
            canvas_harness h;
            QList<buttonAttributes> buttons;
            for (const namespace_case_button& cb : c.buttons) {
                buttonAttributes b = make_button(QPoint(20 + 20 * buttons.size(), 20), 10, 0xB22222, cb.nodes);
                b.kind = cb.kind;
                b.language = cb.language;
                buttons << b;
            }
            h.canvas->document()->set_buttons(buttons);
            QSignalSpy changes(h.canvas, &picker_view::changed);
            chooser::probe probe([&](QDialog* d, int) {
                const QList<QComboBox*> rows = chooser::combos(d);
                ASSERT_EQ(rows.size(), c.choices.size());
                for (int i = 0; i < rows.size(); ++i) {
                    if (typed || !chooser::choose(rows[i], c.choices[i]))
                        chooser::type(rows[i], c.choices[i]);
                    EXPECT_EQ(rows[i]->currentText(), c.choices[i]) << c.what;
                }
                chooser::click(d, "OK");
            });
            EXPECT_TRUE(picker_editNamespaceDialog::do_dialog(h.canvas, c.current, c.available)) << c.what;
            ASSERT_EQ(probe.choosers.size(), 1) << c.what;
            QList<QStringList> expected;
            for (const namespace_case_button& cb : c.buttons)
                expected << cb.expected;
            EXPECT_EQ(node_lists(h.canvas), expected) << c.what << (typed ? " (typed)" : " (chosen)");
            // In place: no undo entry, and the dialog itself reports no change.
            EXPECT_EQ(h.canvas->undoStack()->count(), 0) << c.what;
            EXPECT_EQ(changes.count(), 0) << c.what;
        }
    }
}

TEST(NamespaceDialog, WaysOut)
{
    const QList<QStringList> nodes{{"hero:arm_ctrl", "hero:leg_ctrl"}};
    const struct {
        const char* how;
        std::function<void(QDialog*)> answer;
        bool result;
    } rows[] = {
        {"OK without a change", [](QDialog* d) { chooser::click(d, "OK"); }, true},
        {"Cancel after a change",
         [](QDialog* d) {
             chooser::choose(chooser::combos(d)[0], QStringLiteral("villain"));
             chooser::click(d, "Cancel");
         },
         false},
        {"Escape after a change",
         [](QDialog* d) {
             chooser::choose(chooser::combos(d)[0], QStringLiteral("villain"));
             QTest::keyClick(d, Qt::Key_Escape);
         },
         false},
        {"closing the window",
         [](QDialog* d) {
             chooser::choose(chooser::combos(d)[0], QStringLiteral("villain"));
             d->close();
         },
         false},
    };
    for (const auto& r : rows) {
        canvas_harness h;
        h.canvas->document()->set_buttons(selection_buttons(nodes));
        chooser::probe probe([&](QDialog* d, int) { r.answer(d); });
        EXPECT_EQ(picker_editNamespaceDialog::do_dialog(h.canvas, {"hero"}, {"hero", "villain", ":"}), r.result)
            << r.how;
        EXPECT_EQ(probe.choosers.size(), 1) << r.how;
        EXPECT_EQ(node_lists(h.canvas), nodes) << r.how;
        // The dialog is gone once the call returns.
        EXPECT_EQ(h.canvas->findChild<QDialog*>(), nullptr) << r.how;
    }
}

TEST(NamespaceDialog, TypingCompletesInlineAndKeepsCase)
{
    const struct {
        const char* what;
        QStringList available;
        const char* typed;
        const char* text;     // what the row reads after typing
        const char* expected; // the node after OK
    } rows[] = {
        {"a typed prefix completes", {"villain", "vendor", ":"}, "vil", "villain", "villain:arm"},
        {"a prefix matching nothing stays as typed", {"villain", ":"}, "zed", "zed", "zed:arm"},
        // Namespaces differ by case: hero typed must not become Hero.
        {"case is kept", {"Hero", ":"}, "hero", "hero", "hero:arm"},
        {"only namespace characters are taken", {"villain", ":"}, "x\"; y-z", "xyz", "xyz:arm"},
    };
    for (const auto& r : rows) {
        canvas_harness h;
        h.canvas->document()->set_buttons(selection_buttons({{"old:arm"}}));
        QString seen;
        chooser::probe probe([&](QDialog* d, int) {
            QComboBox* c = chooser::combos(d)[0];
            chooser::type(c, QString::fromUtf8(r.typed));
            seen = c->currentText();
            chooser::click(d, "OK");
        });
        EXPECT_TRUE(picker_editNamespaceDialog::do_dialog(h.canvas, {"old"}, r.available)) << r.what;
        EXPECT_EQ(seen, QString::fromUtf8(r.text)) << r.what;
        EXPECT_EQ(node_lists(h.canvas), QList<QStringList>{{QString::fromUtf8(r.expected)}}) << r.what;
    }
}

TEST(NamespaceDialog, EnterInTheRowKeepsTheTypedCase)
{
    canvas_harness h;
    h.canvas->document()->set_buttons(selection_buttons({{"old:arm"}}));
    chooser::probe probe([&](QDialog* d, int) {
        QComboBox* c = chooser::combos(d)[0];
        chooser::type(c, QStringLiteral("hero"));
        QTest::keyClick(c->lineEdit(), Qt::Key_Return);
        if (d->isVisible())
            chooser::click(d, "OK");
    });
    EXPECT_TRUE(picker_editNamespaceDialog::do_dialog(h.canvas, {"old"}, {"Hero", ":"}));
    EXPECT_EQ(node_lists(h.canvas), QList<QStringList>{{"hero:arm"}});
}

TEST(NamespaceDialog, CanvasDestroyedWhileOpen)
{
    // A host callback may close every tab while the chooser waits.
    canvas_harness h;
    h.canvas->document()->set_buttons(selection_buttons({{"hero:arm"}}));
    QPointer<picker_view> canvas = h.canvas;
    chooser::probe probe([&](QDialog* d, int) {
        chooser::choose(chooser::combos(d)[0], QStringLiteral("villain"));
        h.window->reset();
    });
    EXPECT_FALSE(picker_editNamespaceDialog::do_dialog(h.canvas, {"hero"}, {"villain", ":"}));
    EXPECT_EQ(probe.choosers.size(), 1);
    EXPECT_TRUE(canvas.isNull());
    picker_view* fresh = h.window->frontPicker();
    ASSERT_NE(fresh, nullptr);
    EXPECT_TRUE(fresh->buttons().isEmpty());
}
