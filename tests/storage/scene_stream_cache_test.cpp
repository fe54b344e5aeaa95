// The scene write reuses the encoded blocks of tabs that did not change: after
// every kind of edit, the window stream assembled from them is byte for byte
// the stream a full serialisation gives, and so is what reaches the scene.
#include "canvas_harness.h"
#include "chooser_probe.h"
#include "edit/add_button_cmd.h"
#include "edit/appearance_cmds.h"
#include "namespaces/namespace_binding.h"
#include "model/scene_data.h"
#include "scripted_dialogs.h"
#include "document/scene_store.h"
#include "window/picker_toolbox.h"

#include <qbhost/host_session.h>

#include <QtCore/QTemporaryDir>
#include <QtWidgets/QTabBar>
#include <QtWidgets/QTabWidget>
#include <functional>

namespace {

qbhost::HostSession& host()
{
    return qbhost::HostSession::instance();
}

QList<buttonAttributes> someButtons(const QString& ns, int count)
{
    QList<buttonAttributes> out;
    for (int i = 0; i < count; ++i)
        out << make_attributes(QPoint(30 + 30 * (i % 5), 30 + 30 * (i / 5)), 16, 0, 0, 0xff0000ffu + uint(i),
                               0xffffffffu, i % 2 ? QStringLiteral("L%1").arg(i) : QString(),
                               {ns + QStringLiteral(":ctrl_%1").arg(i)});
    return out;
}

class SceneStreamCache : public ::testing::Test
{
protected:
    void SetUp() override
    {
        host().resetForTest();
        ASSERT_TRUE(dir.isValid());
        png = dir.filePath(QStringLiteral("bg.png"));
        QImage img(8, 6, QImage::Format_RGB32);
        img.fill(0xff336699);
        ASSERT_TRUE(img.save(png));
        h.window->setSelection(QStringList());
        // Three tabs with buttons of their own, all in the scene once, so
        // that every tab's blocks are kept before the first edit.
        h.canvas->document()->set_buttons(someButtons(QStringLiteral("hero"), 12));
        for (int t = 1; t < 3; ++t) {
            h.window->new_tab();
            view(t)->document()->set_buttons(someButtons(QStringLiteral("hero"), 8 + t));
        }
        h.window->tabs()->setCurrentIndex(0);
        h.window->scene()->write();
        settle();
    }
    void TearDown() override
    {
        picker_window::selection_.clear();
        host().resetForTest();
    }

    picker_view* view(int i) const { return qobject_cast<picker_view*>(h.window->tabs()->widget(i)); }
    picker_view* front() const { return h.window->frontPicker(); }
    void settle()
    {
        QCoreApplication::sendPostedEvents();
        host().drainIdle();
    }
    void selectAll(picker_view* v) const
    {
        for (int i = 0; i < v->buttons().size(); ++i)
            v->document()->button(i)->state = 1;
    }
    QByteArray fresh() const
    {
        QByteArray bytes;
        QDataStream s(&bytes, QIODevice::WriteOnly);
        h.window->streamTo(s);
        return bytes;
    }

    canvas_harness h;
    scripted_dialogs dialogs;
    QTemporaryDir dir;
    QString png;
};

TEST_F(SceneStreamCache, AssemblyEqualsAFreshSerialisationAfterEveryEdit)
{
    const struct {
        const char* what;
        std::function<void()> edit;
        bool written = true; // switching tabs alone writes nothing
    } rows[] = {
        {"add", [&] { front()->undoStack()->push(new add_button_cmd(front()->document(), front()->mapToPicker(QPoint(200, 200)), h.window->toolbox(),
                                                                       picker_window::selection_, QStringLiteral("Add"))); }},
        {"delete",
         [&] {
             front()->document()->button(2)->state = 1;
             front()->menu()->delete_button();
         }},
        {"move (Ctrl-drag)",
         [&] {
             const QPoint at = front()->mapToScreen(front()->buttons().first().position);
             h.press(at, Qt::LeftButton, Qt::ControlModifier);
             h.move(at + QPoint(20, 10), Qt::LeftButton, Qt::ControlModifier);
             h.release(at + QPoint(20, 10), Qt::LeftButton, Qt::ControlModifier);
         }},
        {"nudge",
         [&] {
             selectAll(front());
             front()->menu()->nudge_buttons(1, 0);
         }},
        {"colour", [&] { h.window->toolbox_controls()->set_button_color(0xff00ff00u); }},
        {"label", [&] { front()->undoStack()->push(new change_label_cmd(front()->document(), QStringLiteral("Arm"))); }},
        {"label colour", [&] { h.window->toolbox_controls()->set_label_color(0xff000000u); }},
        {"undo", [&] { front()->undoStack()->undo(); }},
        {"undo again", [&] { front()->undoStack()->undo(); }},
        {"redo", [&] { front()->undoStack()->redo(); }},
        {"other tab made current", [&] { h.window->tabs()->setCurrentIndex(1); }, false},
        {"nudge on the second tab",
         [&] {
             selectAll(front());
             front()->menu()->nudge_buttons(0, -1);
         }},
        {"rename tab",
         [&] {
             dialogs.textAnswers.enqueue({true, QStringLiteral("Arms")});
             h.window->rename_tab();
         }},
        {"reorder tabs", [&] { h.window->tabs()->tabBar()->moveTab(0, 2); }},
        {"background chosen",
         [&] {
             dialogs.fileAnswers.enqueue({png});
             front()->menu()->change_background();
         }},
        {"background removed",
         [&] {
             dialogs.fileAnswers.enqueue({});
             dialogs.boxAnswers.enqueue(QMessageBox::Yes);
             front()->menu()->change_background();
         }},
        {"namespace rewrite",
         [&] {
             chooser::probe probe([](QDialog* d, int) {
                 chooser::choose(chooser::combos(d)[0], QStringLiteral("villain"));
                 chooser::click(d, "OK");
             });
             namespace_binding::rebind(front(), {QStringLiteral("hero"), QStringLiteral("villain")}, true);
         }},
        {"close tab",
         [&] {
             dialogs.boxAnswers.enqueue(QMessageBox::Ok);
             h.window->close_current();
         }},
        {"edit after the close",
         [&] {
             selectAll(front());
             h.window->toolbox_controls()->set_button_color(0xff123456u);
         }},
    };
    for (const auto& r : rows) {
        const QByteArray before = fresh();
        r.edit();
        settle();
        const QByteArray after = fresh();
        EXPECT_NE(after, before) << r.what << ": the edit changed nothing, so it tests nothing";
        EXPECT_TRUE(h.window->scene()->stream() == after) << r.what;
        const QByteArray stored =
            decodeSceneData(host().fileInfoValue(QStringLiteral("QuillbrookPickerData")).toLatin1());
        if (r.written)
            EXPECT_TRUE(stored == after) << r.what << ": the scene holds another stream";
    }
}

} // namespace
