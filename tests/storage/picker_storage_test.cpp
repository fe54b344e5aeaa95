// Picker files and the scene's copy of the pickers, on a real window with the
// stand-in host's idle queue and MEL.
#include "button_factory.h"
#include "byte_builder.h"
#include "capture_command.h"
#include "canvas/picker_view.h"
#include "model/picker_image.h"
#include "model/scene_data.h"
#include "plugin/picker_main.h"
#include "scripted_dialogs.h"
#include "temp_files.h"
#include "window/picker_window.h"
#include "window/window_menus.h"
#include "window/tab_files.h"
#include "document/scene_store.h"

#include <gtest/gtest.h>
#include <qbhost/host_session.h>

#include <QtCore/QCoreApplication>
#include <QtCore/QDir>
#include <QtCore/QFile>
#include <QtCore/QFileInfo>
#include <QtCore/QTemporaryDir>
#include <QtWidgets/QTabWidget>
#include <memory>

using qbhost::HostSession;

namespace {

HostSession& host()
{
    return HostSession::instance();
}

QStringList pending()
{
    return pending_texts(qbhost::Language::Mel) + pending_texts(qbhost::Language::Python);
}

QImage solid(int w, int h, QRgb c)
{
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(c);
    return img;
}

const auto makeButton = make_attributes;

QList<buttonAttributes> attributesOf(const picker_view* v)
{
    QList<buttonAttributes> out;
    for (const buttonRecord& b : v->buttons())
        out << b.attributes();
    return out;
}

class PickerStorage : public ::testing::Test
{
protected:
    void SetUp() override
    {
        host().resetForTest();
        window = std::make_unique<picker_window>(nullptr);
        window->resize(400, 400);
        ASSERT_TRUE(dir.isValid());
    }
    void TearDown() override
    {
        window.reset();
        host().resetForTest();
    }
    picker_view* view(int i) const { return qobject_cast<picker_view*>(window->tabs()->widget(i)); }
    QString path(const char* name) const { return dir.filePath(QLatin1String(name)); }
    // A canvas filled with one button of each kind, a Unicode label and a
    // background.
    void fill(picker_view* v, bool withBackground = true)
    {
        v->document()->set_buttons({makeButton({10, 20}, 12, 0, 0, 0x00b22222, 0x00ffffff, QString::fromUtf8("L \xe2\x86\x90"),
                                   {"hero:l_arm", "hero:l_elbow"}),
                        makeButton({-30, 5}, 10, 1, 1, 0xff102030, 0, QStringLiteral("Py"),
                                   {"import maya.cmds as cmds\ncmds.select('hero:root')"}),
                        makeButton({0, 0}, 8, 1, 0, 0, 0, QString(), {QString()})});
        if (withBackground)
            v->document()->setBackground(QStringLiteral("4242"), QPixmap::fromImage(solid(16, 8, 0xff00ff00)));
    }
    void writeFile(const QString& p, const QByteArray& bytes)
    {
        write_temp_file(dir, QFileInfo(p).fileName(), bytes);
    }

    std::unique_ptr<picker_window> window;
    QTemporaryDir dir;
};

} // namespace

TEST_F(PickerStorage, WindowRoundTrip)
{
    fill(view(0));
    view(0)->document()->set_name(QString::fromUtf8("K\xc3\xb6rper"));
    window->new_tab();
    view(1)->document()->set_name(QString());
    view(1)->document()->set_buttons({makeButton({1, 1}, 10, 0, 0, 0, 0, QStringLiteral(""), {QString(), QStringLiteral("")})});
    window->new_tab();
    window->tabs()->setCurrentIndex(1);

    QByteArray bytes;
    {
        QDataStream s(&bytes, QIODevice::WriteOnly);
        window->streamTo(s);
    }
    picker_window copy(nullptr);
    QDataStream in(bytes);
    copy.streamFrom(in);
    ASSERT_EQ(copy.tabs()->count(), 3);
    EXPECT_EQ(copy.tabs()->currentIndex(), 1);
    for (int t = 0; t < 3; ++t) {
        auto* a = view(t);
        auto* b = qobject_cast<picker_view*>(copy.tabs()->widget(t));
        EXPECT_EQ(copy.tabs()->tabText(t), window->tabs()->tabText(t));
        EXPECT_EQ(b->document()->backgroundName(), a->document()->backgroundName());
        EXPECT_EQ(attributesOf(b), attributesOf(a)) << t;
        EXPECT_EQ(b->document()->background().toImage().convertToFormat(QImage::Format_RGB32),
                  a->document()->background().toImage().convertToFormat(QImage::Format_RGB32));
    }
    // Derived state is rebuilt: labels rendered, rectangles sized.
    const buttonRecord& labelled = qobject_cast<picker_view*>(copy.tabs()->widget(0))->buttons()[0];
    EXPECT_FALSE(labelled.labelPicture.isNull());
    EXPECT_EQ(labelled.rect, view(0)->buttons()[0].rect);
    EXPECT_TRUE(view(1)->buttons()[0].nodes[0].isNull());
}

TEST_F(PickerStorage, ReadingAWindowStreamReplacesTheTabsAndStoresImages)
{
    window->new_tab();
    byte_builder b;
    b.i32(4).i32(2).i32(5) // current index 5 of 2: the tab widget's choice stands
        .i32(0).str("A").str("77").image(solid(4, 4, 0xffff0000)).i32(1)
        .button(4, 0, {1, 2}, 10, 0, 0, 0xff, 0, "", {"a"})
        .i32(1).str("B").str("").i32(0);
    QDataStream in(b.bytes());
    host().clearHistory();
    window->streamFrom(in);
    ASSERT_EQ(window->tabs()->count(), 2);
    EXPECT_EQ(window->tabs()->tabText(0), QStringLiteral("A"));
    EXPECT_EQ(view(0)->document()->backgroundName(), QStringLiteral("77"));
    EXPECT_FALSE(view(0)->document()->background().isNull());
    EXPECT_EQ(window->tabs()->currentIndex(), 0);
    // The restored background goes back to its own scene key.
    const QStringList queued = pending();
    ASSERT_EQ(queued.filter(QStringLiteral("QuillbrookPickerImage_77")).size(), 1);

    byte_builder zero;
    zero.i32(4).i32(0).i32(0);
    QDataStream in0(zero.bytes());
    window->streamFrom(in0);
    EXPECT_EQ(window->tabs()->count(), 0);
}

TEST_F(PickerStorage, OldVersionsLoadWithTheirDefaults)
{
    byte_builder v1;
    v1.i32(1).i32(1).i32(0).i32(0).str("Old").i32(1).button(1, 0, {3, 4}, 10, 0, 0, 0x00ff00, 0, "x", {"n"});
    QDataStream in(v1.bytes());
    window->streamFrom(in);
    ASSERT_EQ(window->tabs()->count(), 1);
    ASSERT_EQ(view(0)->buttons().size(), 1);
    const buttonRecord& b = view(0)->buttons()[0];
    EXPECT_EQ(b.kind, 0);
    EXPECT_EQ(b.language, 0);
    EXPECT_EQ(b.labelColor, 16777215u);
    EXPECT_TRUE(view(0)->document()->backgroundName().isEmpty());
    EXPECT_TRUE(view(0)->document()->background().isNull());
}

TEST_F(PickerStorage, NewerWindowStreamWarnsAndLeavesTheTabs)
{
    scripted_dialogs dialogs;
    view(0)->document()->set_name(QStringLiteral("Keep"));
    byte_builder b;
    b.i32(5).i32(1).i32(0).i32(0).str("New").str("").i32(0);
    QDataStream in(b.bytes());
    window->streamFrom(in);
    ASSERT_EQ(dialogs.asked.size(), 1);
    EXPECT_EQ(dialogs.asked[0].kind, QStringLiteral("warning"));
    EXPECT_EQ(dialogs.asked[0].title, QStringLiteral("Warning"));
    EXPECT_EQ(dialogs.asked[0].parent, nullptr);
    EXPECT_EQ(dialogs.asked[0].buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    EXPECT_EQ(dialogs.asked[0].text,
              QStringLiteral("The scene file contains data\nin a format (5) more recent than the version of the "
                             "picker\ninstalled in this machine can understand.  Please update\nthe picker, and try "
                             "again.\n"));
    EXPECT_EQ(window->tabs()->count(), 1);
    EXPECT_EQ(window->tabs()->tabText(0), QStringLiteral("Keep"));
}

TEST_F(PickerStorage, QueuedTextsAreExact)
{
    picker_view* v = view(0);
    fill(v);
    host().resetForTest();

    window->updateSceneData(); // asks for a write at the end of the event
    EXPECT_TRUE(pending().isEmpty());
    QCoreApplication::sendPostedEvents();
    window->scene()->set_image(v->document());
    window->scene()->remove_image(v->document());
    window->menus()->request_save();
    window->menus()->request_saveas();
    window->scene()->fetch_image(v->document());
    const QStringList q = pending();
    ASSERT_EQ(q.size(), 6);

    const QString prefix = QStringLiteral("fileInfo \"QuillbrookPickerData\" \"");
    const QString suffix = QStringLiteral("\"; file -modified 1;");
    ASSERT_TRUE(q[0].startsWith(prefix));
    ASSERT_TRUE(q[0].endsWith(suffix));
    const QByteArray base64 = q[0].mid(prefix.size(), q[0].size() - prefix.size() - suffix.size()).toLatin1();
    QByteArray expected;
    {
        QDataStream s(&expected, QIODevice::WriteOnly);
        window->streamTo(s);
    }
    EXPECT_EQ(decodeSceneData(base64), expected);

    const QString image = QLatin1String(encodeImageValue(v->document()->background().toImage()));
    EXPECT_EQ(q[1], QStringLiteral("fileInfo \"QuillbrookPickerImage_4242\" \"") + image + suffix);
    EXPECT_EQ(q[2], QStringLiteral("fileInfo -remove \"QuillbrookPickerImage_4242\"; file -modified 1;"));
    EXPECT_EQ(q[3], QStringLiteral("QuillbrookPicker(\"save\");"));
    EXPECT_EQ(q[4], QStringLiteral("QuillbrookPicker(\"saveas\");"));
    EXPECT_TRUE(q[5].contains(QStringLiteral("`fileInfo -q \"QuillbrookPickerImage_4242\"`")));

    // A canvas without a background name queues no image text.
    host().resetForTest();
    window->new_tab();
    window->scene()->set_image(view(1)->document());
    window->scene()->remove_image(view(1)->document());
    window->scene()->fetch_image(view(1)->document());
    EXPECT_TRUE(pending().isEmpty());
}

TEST_F(PickerStorage, EditsAndLoadsRewriteTheSceneKeyThroughMel)
{
    // Every change of a canvas rewrites the key.
    view(0)->document()->edit_done();
    QCoreApplication::sendPostedEvents();
    ASSERT_EQ(pending().size(), 1);
    host().drainIdle();
    EXPECT_TRUE(host().errors().isEmpty()) << host().errors().join('\n').toStdString();
    EXPECT_TRUE(host().hasFileInfo(QStringLiteral("QuillbrookPickerData")));
    EXPECT_TRUE(host().isModified());

    // A load updates the key at once, before any edit.
    picker_window source(nullptr);
    fill(source.frontPicker());
    ASSERT_TRUE(source.files()->do_save(source.frontPicker(), path("a.qbx")));
    host().resetForTest();
    window->load_pickers({path("a.qbx")});
    QCoreApplication::sendPostedEvents();
    // The background under its own key, the request to bind the picker's
    // namespaces, and the scene key, written once at the end of the event.
    const QStringList queued = pending();
    ASSERT_EQ(queued.size(), 3);
    EXPECT_TRUE(queued[0].startsWith(QStringLiteral("fileInfo \"QuillbrookPickerImage_4242\"")));
    EXPECT_EQ(queued[1], QStringLiteral("QuillbrookPicker \"bind\" `picker_ListNamespaces`;"));
    EXPECT_TRUE(queued[2].startsWith(QStringLiteral("fileInfo \"QuillbrookPickerData\"")));
    host().discardIdle();
    host().executeMel(queued[0]);
    host().executeMel(queued[2]);
    EXPECT_TRUE(host().errors().isEmpty()) << host().errors().join('\n').toStdString();
    EXPECT_TRUE(host().isModified());
    const QByteArray stored = decodeSceneData(host().fileInfoValue(QStringLiteral("QuillbrookPickerData")).toLatin1());
    QDataStream in(stored);
    picker_window restored(nullptr);
    restored.streamFrom(in);
    ASSERT_EQ(restored.tabs()->count(), 2);
    EXPECT_EQ(attributesOf(qobject_cast<picker_view*>(restored.tabs()->widget(1))), attributesOf(view(1)));
}

TEST_F(PickerStorage, CraftedBackgroundNamesCannotRunMel)
{
    const QString name = QStringLiteral("x\"; file -f -new; createNode transform -n \"pwned\\\";\n//");
    host().createNode(QStringLiteral("transform"), QStringLiteral("keep_me"));
    view(0)->document()->setBackground(name, QPixmap::fromImage(solid(2, 2, 0xff0000ff)));
    QStringList events;
    window->scene()->set_image(view(0)->document());
    host().drainIdle();
    EXPECT_TRUE(host().errors().isEmpty()) << host().errors().join('\n').toStdString();
    EXPECT_EQ(host().nodes(), QStringList({"keep_me"})); // nothing else ran
    EXPECT_TRUE(host().hasFileInfo(QStringLiteral("QuillbrookPickerImage_") + name));

    capture_command::install();
    window->scene()->fetch_image(view(0)->document());
    window->scene()->remove_image(view(0)->document());
    host().drainIdle();
    EXPECT_TRUE(host().errors().isEmpty()) << host().errors().join('\n').toStdString();
    // The fetch request hands the directive the name exactly, beside the value.
    ASSERT_EQ(capture_command::calls().size(), 1);
    const QStringList call = capture_command::calls()[0];
    ASSERT_EQ(call.size(), 3);
    EXPECT_EQ(call[0], QStringLiteral("fetch_image"));
    EXPECT_EQ(call[1], name);
    EXPECT_EQ(call[2], QLatin1String(encodeImageValue(view(0)->document()->background().toImage())));
    EXPECT_EQ(host().nodes(), QStringList({"keep_me"}));
    EXPECT_FALSE(host().hasFileInfo(QStringLiteral("QuillbrookPickerImage_") + name));
}

TEST_F(PickerStorage, ChangingAndRemovingTheBackground)
{
    scripted_dialogs dialogs;
    const QString png = path("bg.png");
    ASSERT_TRUE(solid(20, 10, 0xff123456).save(png));
    picker_view* v = view(0);

    dialogs.fileAnswers.enqueue({png});
    v->menu()->change_background();
    ASSERT_EQ(dialogs.asked.size(), 1);
    EXPECT_EQ(dialogs.asked[0].title, QStringLiteral("Choose Background"));
    EXPECT_EQ(dialogs.asked[0].filter, QStringLiteral("Images (*.png *.xpm *.jpg)"));
    EXPECT_FALSE(v->document()->background().isNull());
    // Named by content: the same picture gets the same name in every session.
    EXPECT_EQ(v->document()->backgroundName(), contentImageName(v->document()->background().toImage()));
    EXPECT_EQ(v->document()->backgroundName().size(), 40);
    host().drainIdle();
    EXPECT_TRUE(host().hasFileInfo(QStringLiteral("QuillbrookPickerImage_") + v->document()->backgroundName()));
    const QString firstName = v->document()->backgroundName();

    // Cancelled with an image: asked whether to remove it; Cancel keeps it.
    dialogs.asked.clear();
    dialogs.boxAnswers.enqueue(QMessageBox::Cancel);
    v->menu()->change_background();
    ASSERT_EQ(dialogs.asked.size(), 2);
    EXPECT_EQ(dialogs.asked[1].title, QStringLiteral("Background"));
    EXPECT_EQ(dialogs.asked[1].text, QStringLiteral("Remove current background image?"));
    EXPECT_EQ(dialogs.asked[1].buttons, QMessageBox::Yes | QMessageBox::Cancel);
    EXPECT_EQ(dialogs.asked[1].defaultButton, QMessageBox::Cancel);
    EXPECT_EQ(v->document()->backgroundName(), firstName);

    // Yes: the name becomes "0" and its key holds the encoding of no image.
    dialogs.boxAnswers.enqueue(QMessageBox::Yes);
    v->menu()->change_background();
    EXPECT_TRUE(v->document()->background().isNull());
    EXPECT_EQ(v->document()->backgroundName(), QStringLiteral("0"));
    host().drainIdle();
    EXPECT_FALSE(host().hasFileInfo(QStringLiteral("QuillbrookPickerImage_") + firstName));
    EXPECT_EQ(host().fileInfoValue(QStringLiteral("QuillbrookPickerImage_0")), QStringLiteral("AAAAAA=="));

    // An unreadable file is refused and costs nothing.
    v->document()->setBackground(QStringLiteral("9"), QPixmap::fromImage(solid(4, 4, 0xffffffff)));
    writeFile(path("broken.png"), "not a png");
    dialogs.asked.clear();
    dialogs.fileAnswers.enqueue({path("broken.png")});
    host().resetForTest();
    v->menu()->change_background();
    EXPECT_EQ(v->document()->backgroundName(), QStringLiteral("9"));
    EXPECT_FALSE(v->document()->background().isNull());
    EXPECT_TRUE(pending().isEmpty());
    ASSERT_EQ(dialogs.asked.size(), 2);
    EXPECT_EQ(dialogs.asked[1].kind, QStringLiteral("warning"));
}

TEST_F(PickerStorage, SaveAndReopenAPickerFile)
{
    scripted_dialogs dialogs;
    fill(view(0));
    view(0)->document()->set_name(QStringLiteral("Body"));

    // No path yet: Save asks; cancelling changes nothing.
    window->save_current();
    ASSERT_EQ(dialogs.asked.size(), 1);
    EXPECT_EQ(dialogs.asked[0].kind, QStringLiteral("getSaveFileName"));
    EXPECT_EQ(dialogs.asked[0].title, QStringLiteral("Save Tab:"));
    EXPECT_EQ(dialogs.asked[0].filter, QStringLiteral("Quillbrook Picker (*.qbx)"));
    EXPECT_TRUE(view(0)->document()->filePath().isEmpty());

    dialogs.fileAnswers.enqueue({path("body.qbx")});
    window->saveas_current();
    EXPECT_EQ(view(0)->document()->filePath(), path("body.qbx"));
    QFile f(path("body.qbx"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_TRUE(f.readAll().startsWith(byte_builder().i32(4).str("Body").bytes()));
    f.close();

    // With a path Save writes there without asking.
    dialogs.asked.clear();
    view(0)->document()->pop_button(2);
    window->save_current();
    EXPECT_TRUE(dialogs.asked.isEmpty());

    window->load_pickers({path("body.qbx")});
    ASSERT_EQ(window->tabs()->count(), 2);
    EXPECT_EQ(window->tabs()->currentIndex(), 1);
    EXPECT_EQ(window->tabs()->tabText(1), QStringLiteral("Body"));
    EXPECT_EQ(view(1)->document()->filePath(), path("body.qbx"));
    EXPECT_EQ(view(1)->document()->backgroundName(), QStringLiteral("4242"));
    EXPECT_EQ(attributesOf(view(1)), attributesOf(view(0)));
    EXPECT_TRUE(view(1)->undoStack()->count() == 0);
}

TEST_F(PickerStorage, SaveFailures)
{
    scripted_dialogs dialogs;
    view(0)->document()->setFilePath(path("kept.qbx"));
    const QString blocked = path("no/such/folder/x.qbx");
    dialogs.fileAnswers.enqueue({blocked});
    window->saveas_current();
    ASSERT_EQ(dialogs.asked.size(), 2);
    EXPECT_EQ(dialogs.asked[0].dir, path("kept.qbx")); // starts at the canvas's file
    EXPECT_EQ(dialogs.asked[1].kind, QStringLiteral("critical"));
    EXPECT_EQ(dialogs.asked[1].title, QStringLiteral("Save Failed"));
    EXPECT_EQ(dialogs.asked[1].text,
              QStringLiteral("Could not open the file \"%1\" for writing.\n\nPlease check that this file is not "
                             "locked and that you have the proper permissions and try again.")
                  .arg(blocked));
    EXPECT_TRUE(view(0)->document()->filePath().isEmpty()); // the next Save asks again

    // Save to a path that fails keeps the path.
    view(0)->document()->setFilePath(blocked);
    dialogs.asked.clear();
    window->save_current();
    ASSERT_EQ(dialogs.asked.size(), 1);
    EXPECT_EQ(view(0)->document()->filePath(), blocked);
}

TEST_F(PickerStorage, OpenFailedOffersIgnoreOrCancelWhenMoreFollow)
{
    picker_window source(nullptr);
    fill(source.frontPicker(), false);
    ASSERT_TRUE(source.files()->do_save(source.frontPicker(), path("one.qbx")));
    ASSERT_TRUE(source.files()->do_save(source.frontPicker(), path("three.qbx")));
    writeFile(path("empty.qbx"), QByteArray());
    const QStringList files{path("one.qbx"), path("missing.qbx"), path("three.qbx")};
    struct Row {
        QMessageBox::StandardButton answer;
        int tabsAdded;
    };
    for (const Row& r : {Row{QMessageBox::Ignore, 2}, Row{QMessageBox::Cancel, 1}}) {
        scripted_dialogs dialogs;
        dialogs.boxAnswers.enqueue(r.answer);
        const int before = window->tabs()->count();
        window->load_pickers(files);
        EXPECT_EQ(window->tabs()->count() - before, r.tabsAdded);
        ASSERT_EQ(dialogs.asked.size(), 1);
        EXPECT_EQ(dialogs.asked[0].title, QStringLiteral("Open Failed"));
        EXPECT_EQ(dialogs.asked[0].buttons, QMessageBox::Ignore | QMessageBox::Cancel);
        EXPECT_EQ(dialogs.asked[0].text,
                  QStringLiteral("Could not open the file \"%1\".\n\nPlease check the file permissions and try "
                                 "again.")
                      .arg(QDir::toNativeSeparators(path("missing.qbx"))));
    }
    // The last (or only) file failing offers OK alone; an empty file is no picker.
    for (const QStringList& list : {QStringList{path("one.qbx"), path("missing.qbx")},
                                    QStringList{path("empty.qbx")}}) {
        scripted_dialogs dialogs;
        window->load_pickers(list);
        ASSERT_EQ(dialogs.asked.size(), 1);
        EXPECT_EQ(dialogs.asked[0].buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    }
}

TEST_F(PickerStorage, OpenTabUsesTheFileDialog)
{
    scripted_dialogs dialogs;
    picker_window source(nullptr);
    ASSERT_TRUE(source.files()->do_save(source.frontPicker(), path("u.qbx")));
    dialogs.fileAnswers.enqueue({path("u.qbx"), path("u.qbx")});
    window->open_tab();
    ASSERT_EQ(dialogs.asked.size(), 1);
    EXPECT_EQ(dialogs.asked[0].title, QStringLiteral("Select Picker"));
    EXPECT_EQ(dialogs.asked[0].filter, QStringLiteral("Quillbrook Picker (*.qbx)"));
    EXPECT_EQ(window->tabs()->count(), 3);
    window->open_tab(); // cancelled: nothing
    EXPECT_EQ(window->tabs()->count(), 3);
}

TEST_F(PickerStorage, ClosingATabRemovesAnUnsharedImageKey)
{
    scripted_dialogs dialogs;
    view(0)->document()->setBackground(QStringLiteral("55"), QPixmap::fromImage(solid(2, 2, 0xff000000)));
    window->new_tab();
    view(1)->document()->setBackground(QStringLiteral("55"), QPixmap::fromImage(solid(2, 2, 0xff000000)));
    host().resetForTest();
    dialogs.boxAnswers.enqueue(QMessageBox::Ok);
    window->close_one(0);
    QCoreApplication::sendPostedEvents();
    QStringList q = pending();
    ASSERT_EQ(q.size(), 1); // the shared image stays; the picker data is rewritten
    EXPECT_TRUE(q[0].startsWith(QStringLiteral("fileInfo \"QuillbrookPickerData\"")));
    dialogs.boxAnswers.enqueue(QMessageBox::Ok);
    window->close_one(0);
    QCoreApplication::sendPostedEvents();
    q = pending();
    ASSERT_EQ(q.size(), 3);
    EXPECT_EQ(q[1], QStringLiteral("fileInfo -remove \"QuillbrookPickerImage_55\"; file -modified 1;"));
    // Destroying the window (quitting) touches nothing.
    window->new_tab();
    view(0)->document()->setBackground(QStringLiteral("66"), QPixmap());
    host().resetForTest();
    window.reset();
    EXPECT_TRUE(pending().isEmpty());
}

TEST_F(PickerStorage, ALoadedPickerShowsTheHostSelectionAtOnce)
{
    picker_window source(nullptr);
    source.frontPicker()->document()->set_buttons({makeButton({1, 1}, 10, 0, 0, 0, 0, QString(), {"hero:a", "hero:b"}),
                                       makeButton({30, 1}, 10, 0, 0, 0, 0, QString(), {"hero:b"})});
    ASSERT_TRUE(source.files()->do_save(source.frontPicker(), path("lit.qbx")));
    window->setSelection({"hero:b"});
    window->load_pickers({path("lit.qbx")});
    ASSERT_EQ(view(1)->buttons().size(), 2);
    EXPECT_EQ(view(1)->buttons()[0].state, 2);
    EXPECT_EQ(view(1)->buttons()[1].state, 1);
}

TEST_F(PickerStorage, ATabClosedWhileItsBackgroundDialogIsOpen)
{
    scripted_dialogs dialogs;
    view(0)->document()->setBackground(QStringLiteral("5"), QPixmap::fromImage(solid(2, 2, 0xff000000)));
    // The host resets the panel (a new scene) while the question is open.
    dialogs.duringQuestion = [this]() { window->reset(); };
    dialogs.boxAnswers.enqueue(QMessageBox::Yes);
    QPointer<picker_view> first = view(0);
    first->menu()->change_background();
    EXPECT_TRUE(first.isNull());
    EXPECT_EQ(window->tabs()->count(), 1);
    EXPECT_TRUE(view(0)->document()->backgroundName().isEmpty());
}
