// Picker data that can be read only in part: what can be read is loaded,
// and the user is told once, with the file and the number of buttons read.
// A file that is no picker at all is named as such.
#include "byte_builder.h"
#include "capture_command.h"
#include "canvas/picker_view.h"
#include "model/picker_file_check.h"
#include "qt_print.h"
#include "scripted_dialogs.h"
#include "temp_files.h"
#include "window/picker_window.h"

#include <gtest/gtest.h>
#include <qbhost/host_session.h>

#include <QtCore/QCoreApplication>
#include <QtCore/QDir>
#include <QtCore/QTemporaryDir>
#include <QtWidgets/QTabWidget>
#include <memory>

namespace {

qbhost::HostSession& host()
{
    return qbhost::HostSession::instance();
}

// A picker file of count buttons, each labelled with its position.
byte_builder picker_file(int count)
{
    byte_builder b;
    b.i32(4).str("Body").str("").i32(count);
    for (int i = 0; i < count; ++i)
        b.button(4, i, {10 * i, 0}, 10, 0, 0, 0xff0000, 0, QString::number(i), {QStringLiteral("hero:c%1").arg(i)});
    return b;
}

QStringList labels(const picker_view* v)
{
    QStringList out;
    for (const buttonRecord& b : v->buttons())
        out << b.label;
    return out;
}

class DamagedFile : public ::testing::Test
{
protected:
    void SetUp() override
    {
        host().resetForTest();
        ASSERT_TRUE(dir.isValid());
        window = std::make_unique<picker_window>(nullptr);
    }
    void TearDown() override
    {
        window.reset();
        host().resetForTest();
    }
    picker_view* view(int i) const { return qobject_cast<picker_view*>(window->tabs()->widget(i)); }

    std::unique_ptr<picker_window> window;
    QTemporaryDir dir;
};

} // namespace

TEST_F(DamagedFile, WhatCanBeReadIsLoadedAndTheUserIsTold)
{
    const QByteArray whole = picker_file(5).bytes();
    // The stored index of button 2 is its first int32 after buttons 0 and 1.
    const int button2 = picker_file(2).bytes().size();
    QByteArray flipped = whole;
    flipped[button2 + 3] = char(flipped[button2 + 3] ^ 0x40);
    const struct {
        const char* what;
        QByteArray bytes;
        QStringList loaded;     // labels of the buttons loaded; empty with no tab
        QString title;          // of the one box shown; empty: none
        QStringList textHas;    // pieces its text holds
    } rows[] = {
        {"whole", whole, {"0", "1", "2", "3", "4"}, QString(), {}},
        {"cut inside button 3", whole.left(picker_file(3).bytes().size() + 10), {"0", "1", "2"}, "Damaged Picker",
         {"is damaged: 3 buttons could be read", "truncated", "in button 3"}},
        {"a flipped byte in button 2", flipped, {"0", "1", "3", "4"}, "Damaged Picker",
         {"is damaged: 4 buttons could be read", "Button 2: stored index 66"}},
        {"bytes after the last button", whole + "junk", {"0", "1", "2", "3", "4"}, "Damaged Picker",
         {"5 buttons could be read", "4 bytes after the last button"}},
        {"one button before the cut", picker_file(2).bytes().left(picker_file(2).bytes().size() - 2), {"0"},
         "Damaged Picker", {"is damaged: 1 button could be read"}},
        {"a text file", "This is a shopping list, not a picker.\n", {}, "Open Failed", {"It is not a picker file."}},
        {"an empty file", QByteArray(), {}, "Open Failed", {"It is not a picker file."}},
        {"a negative data version", byte_builder().i32(-3).str("x").i32(0).bytes(), {}, "Open Failed",
         {"It is not a picker file."}},
    };
    for (const auto& r : rows) {
        scripted_dialogs dialogs;
        window = std::make_unique<picker_window>(nullptr);
        window->tabs()->setTabText(0, QStringLiteral("Kept"));
        host().resetForTest();
        const QString path = write_temp_file(dir, QStringLiteral("p.qbx"), r.bytes);
        window->load_pickers({path});
        QCoreApplication::sendPostedEvents();

        const bool loads = !r.loaded.isEmpty();
        ASSERT_EQ(window->tabs()->count(), loads ? 2 : 1) << r.what;
        EXPECT_EQ(window->tabs()->tabText(0), QStringLiteral("Kept")) << r.what;
        EXPECT_TRUE(view(0)->buttons().isEmpty()) << r.what;
        if (loads)
            EXPECT_EQ(labels(view(1)), r.loaded) << r.what;
        // A file that loads nothing changes nothing in the scene either.
        EXPECT_EQ(pending_texts(qbhost::Language::Mel).isEmpty(), !loads) << r.what;
        if (r.title.isEmpty()) {
            EXPECT_TRUE(dialogs.asked.isEmpty()) << r.what;
            continue;
        }
        ASSERT_EQ(dialogs.asked.size(), 1) << r.what;
        const scripted_dialogs::Asked& box = dialogs.asked[0];
        EXPECT_EQ(box.title, r.title) << r.what;
        EXPECT_EQ(box.kind, QString::fromLatin1(loads ? "warning" : "critical")) << r.what;
        EXPECT_EQ(box.parent, window.get()) << r.what;
        EXPECT_EQ(box.buttons, QMessageBox::StandardButtons(QMessageBox::Ok)) << r.what;
        EXPECT_TRUE(box.text.contains(QStringLiteral("\"%1\"").arg(QDir::toNativeSeparators(path)))) << r.what;
        EXPECT_FALSE(box.text.contains(QStringLiteral("permissions"))) << r.what;
        for (const QString& piece : r.textHas)
            EXPECT_TRUE(box.text.contains(piece)) << r.what << ": " << box.text.toStdString();
    }
}

TEST_F(DamagedFile, EachDamagedFileOfALoadIsReportedOnce)
{
    scripted_dialogs dialogs;
    const QByteArray whole = picker_file(3).bytes();
    const QString a = write_temp_file(dir, QStringLiteral("a.qbx"), whole.left(whole.size() - 5));
    const QString b = write_temp_file(dir, QStringLiteral("b.qbx"), whole);
    const QString c = write_temp_file(dir, QStringLiteral("c.qbx"), whole + "z");
    window->load_pickers({a, b, c});
    EXPECT_EQ(window->tabs()->count(), 4);
    ASSERT_EQ(dialogs.asked.size(), 2);
    EXPECT_TRUE(dialogs.asked[0].text.contains(QDir::toNativeSeparators(a)));
    EXPECT_TRUE(dialogs.asked[1].text.contains(QDir::toNativeSeparators(c)));

    // The host closes the panel while the first report is open: the load stops.
    dialogs.asked.clear();
    dialogs.duringQuestion = [&] { window.reset(); };
    QPointer<picker_window> gone = new picker_window(nullptr);
    window.reset(gone.data());
    window->load_pickers({a, c});
    EXPECT_TRUE(gone.isNull());
    EXPECT_EQ(dialogs.asked.size(), 1);
}

TEST_F(DamagedFile, DamagedSceneDataIsRestoredInPartAndReported)
{
    scripted_dialogs dialogs;
    byte_builder stream;
    stream.i32(4).i32(2).i32(0).i32(0).str("One").str("").i32(2)
        .button(4, 0, {0, 0}, 10, 0, 0, 0, 0, "a", {"x"})
        .button(4, 1, {0, 0}, 10, 0, 0, 0, 0, "b", {"y"})
        .i32(1).str("Two").str("").i32(3)
        .button(4, 0, {0, 0}, 10, 0, 0, 0, 0, "c", {"z"});
    QDataStream in(stream.bytes().left(stream.bytes().size() - 3));
    window->streamFrom(in);
    ASSERT_EQ(window->tabs()->count(), 2);
    EXPECT_EQ(labels(view(0)), QStringList({"a", "b"}));
    EXPECT_TRUE(view(1)->buttons().isEmpty());
    ASSERT_EQ(dialogs.asked.size(), 1);
    EXPECT_EQ(dialogs.asked[0].title, QStringLiteral("Damaged Picker"));
    EXPECT_TRUE(dialogs.asked[0].text.startsWith(
        QStringLiteral("The pickers kept in this scene are damaged: 2 tabs with 2 buttons could be read")))
        << dialogs.asked[0].text.toStdString();
    EXPECT_TRUE(dialogs.asked[0].text.contains(QStringLiteral("in tab 1, in button 0")))
        << dialogs.asked[0].text.toStdString();

    // Whole data says nothing.
    dialogs.asked.clear();
    byte_builder clean;
    clean.i32(4).i32(1).i32(0).i32(0).str("One").str("").i32(0);
    QDataStream cleanIn(clean.bytes());
    window->streamFrom(cleanIn);
    EXPECT_TRUE(dialogs.asked.isEmpty());
}

TEST_F(DamagedFile, TheCheckSharedWithTheToolNamesEachProblem)
{
    const QByteArray whole = picker_file(2).bytes();
    const picker_file_check clean = picker_file_check::read(write_temp_file(dir, QStringLiteral("c.qbx"), whole));
    EXPECT_TRUE(clean.ok());
    EXPECT_FALSE(clean.damaged());
    const picker_file_check newer =
        picker_file_check::read(write_temp_file(dir, QStringLiteral("n.qbx"), byte_builder().i32(9).str("N").str("").i32(0).bytes()));
    EXPECT_TRUE(newer.ok());
    EXPECT_TRUE(newer.has_problems()); // the tool lists it
    EXPECT_FALSE(newer.damaged());     // nothing was left unread
    const picker_file_check missing = picker_file_check::read(dir.filePath(QStringLiteral("none.qbx")));
    EXPECT_EQ(missing.outcome, picker_file_check::Unreadable);
    EXPECT_EQ(picker_file_check::read(dir.path()).outcome, picker_file_check::Unreadable);
}
