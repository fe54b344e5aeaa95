// Keeping the scene's copy of the pickers in step with the window: every
// change reaches the scene key in one write per event, resets and restores
// write nothing, and the scene holds an image key exactly for each
// background a tab shows.
#include "button_factory.h"
#include "capture_command.h"
#include "canvas/picker_view.h"
#include "model/picker_image.h"
#include "model/picker_stream.h"
#include "model/scene_data.h"
#include "qt_print.h"
#include "scripted_dialogs.h"
#include "window/picker_window.h"
#include "document/scene_store.h"

#include <gtest/gtest.h>
#include <qbhost/host_session.h>

#include <QtCore/QCoreApplication>
#include <QtCore/QRegularExpression>
#include <QtCore/QSet>
#include <QtCore/QTemporaryDir>
#include <QtWidgets/QTabBar>
#include <QtWidgets/QTabWidget>
#include <functional>
#include <memory>

namespace {

qbhost::HostSession& host()
{
    return qbhost::HostSession::instance();
}

const QString kDataWrite = QStringLiteral("fileInfo \"QuillbrookPickerData\" \"");
const QString kImageKey = QStringLiteral("QuillbrookPickerImage_");

QImage solid(QRgb c)
{
    QImage img(6, 4, QImage::Format_RGB32);
    img.fill(c);
    return img;
}

class SceneSync : public ::testing::Test
{
protected:
    void SetUp() override
    {
        host().resetForTest();
        ASSERT_TRUE(dir.isValid());
        window = std::make_unique<picker_window>(nullptr);
        png = dir.filePath(QStringLiteral("bg.png"));
        ASSERT_TRUE(solid(0xff336699).save(png));
    }
    void TearDown() override
    {
        window.reset();
        host().resetForTest();
    }
    picker_view* view(int i) const { return qobject_cast<picker_view*>(window->tabs()->widget(i)); }
    // The end of the event, then the host's idle time.
    void settle()
    {
        QCoreApplication::sendPostedEvents();
        host().drainIdle();
        ASSERT_TRUE(host().errors().isEmpty()) << host().errors().join('\n').toStdString();
    }
    QStringList queued() const { return pending_texts(qbhost::Language::Mel); }
    QStringList dataWrites() const { return queued().filter(QRegularExpression("^fileInfo \"QuillbrookPickerData\"")); }
    QByteArray windowStream() const
    {
        QByteArray bytes;
        QDataStream s(&bytes, QIODevice::WriteOnly);
        window->streamTo(s);
        return bytes;
    }
    QByteArray sceneStream() const
    {
        return decodeSceneData(host().fileInfoValue(QStringLiteral("QuillbrookPickerData")).toLatin1());
    }
    QSet<QString> imageKeys() const
    {
        QSet<QString> out;
        for (const auto& kv : host().fileInfo())
            if (kv.first.startsWith(kImageKey))
                out.insert(kv.first.mid(kImageKey.size()));
        return out;
    }
    QSet<QString> shownBackgrounds() const
    {
        QSet<QString> out;
        for (int i = 0; i < window->tabs()->count(); ++i)
            if (!view(i)->document()->backgroundName().isEmpty())
                out.insert(view(i)->document()->backgroundName());
        return out;
    }
    // Three tabs: two share the background "A", the third shows "B"; the
    // scene holds all of it.
    void threeTabs()
    {
        window->new_tab();
        window->new_tab();
        view(0)->document()->setBackground(QStringLiteral("A"), QPixmap::fromImage(solid(0xffff0000)));
        view(1)->document()->setBackground(QStringLiteral("A"), QPixmap::fromImage(solid(0xffff0000)));
        view(2)->document()->setBackground(QStringLiteral("B"), QPixmap::fromImage(solid(0xff00ff00)));
        view(2)->document()->set_buttons({make_attributes({4, 4}, 10, 0, 0, 0xff, 0, QStringLiteral("b"), {"n:b"})});
        for (int i = 0; i < 3; ++i)
            window->scene()->set_image(view(i)->document());
        window->updateSceneData();
        settle();
        ASSERT_EQ(imageKeys(), QSet<QString>({"A", "B"}));
    }

    std::unique_ptr<picker_window> window;
    scripted_dialogs dialogs;
    QTemporaryDir dir;
    QString png;
};

} // namespace

TEST_F(SceneSync, EveryChangeOfWhatTheSceneKeepsIsWrittenOnce)
{
    threeTabs();
    const struct {
        const char* what;
        std::function<void()> act;
        int writes;
    } rows[] = {
        {"new tab", [&] { window->new_tab(); }, 1},
        {"rename",
         [&] {
             dialogs.textAnswers.enqueue({true, QStringLiteral("Arms")});
             window->rename_tab();
         },
         1},
        {"rename cancelled",
         [&] {
             dialogs.textAnswers.enqueue({false, QString()});
             window->rename_tab();
         },
         0},
        {"tab moved", [&] { window->tabs()->tabBar()->moveTab(0, 2); }, 1},
        {"current tab switched", [&] { window->tabs()->setCurrentIndex(1); }, 0},
        {"background chosen",
         [&] {
             dialogs.fileAnswers.enqueue({png});
             window->frontPicker()->menu()->change_background();
         },
         1},
        {"background removed",
         [&] {
             dialogs.fileAnswers.enqueue({});
             dialogs.boxAnswers.enqueue(QMessageBox::Yes);
             window->frontPicker()->menu()->change_background();
         },
         1},
        {"tab closed",
         [&] {
             dialogs.boxAnswers.enqueue(QMessageBox::Ok);
             window->close_current();
         },
         1},
        {"several changes in one event",
         [&] {
             window->new_tab();
             dialogs.textAnswers.enqueue({true, QStringLiteral("Legs")});
             window->rename_tab();
             window->tabs()->tabBar()->moveTab(0, 1);
             view(0)->document()->edit_done();
             view(1)->document()->edit_done();
         },
         1},
    };
    for (const auto& r : rows) {
        host().setModified(false);
        r.act();
        EXPECT_TRUE(dataWrites().isEmpty()) << r.what << ": written before the end of the event";
        QCoreApplication::sendPostedEvents();
        EXPECT_EQ(dataWrites().size(), r.writes) << r.what;
        settle();
        // The scene holds exactly what the window shows, current tab aside
        // when nothing else changed.
        QDataStream shown(windowStream()), stored(sceneStream());
        picker_window_data a, b;
        readWindowStream(shown, &a);
        readWindowStream(stored, &b);
        ASSERT_EQ(a.tabs.size(), b.tabs.size()) << r.what;
        for (int t = 0; t < a.tabs.size(); ++t) {
            EXPECT_EQ(a.tabs[t].name, b.tabs[t].name) << r.what;
            EXPECT_EQ(a.tabs[t].backgroundName, b.tabs[t].backgroundName) << r.what;
            EXPECT_EQ(a.tabs[t].buttons, b.tabs[t].buttons) << r.what;
        }
        if (r.writes)
            EXPECT_TRUE(sceneStream() == windowStream()) << r.what;
        EXPECT_EQ(host().isModified(), r.writes > 0) << r.what;
        EXPECT_EQ(imageKeys(), shownBackgrounds()) << r.what;
    }
}

TEST_F(SceneSync, ResetsAndRestoresWriteNothing)
{
    threeTabs();
    host().setModified(false);
    // A change whose write is still waiting when the host replaces the scene.
    view(2)->document()->edit_done();
    window->reset();
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(queued(), QStringList());
    ASSERT_EQ(window->tabs()->count(), 1);

    // The window rebuilt from the scene's own data: the image keys hold
    // those images already, so nothing is marked modified.
    const QList<QPair<QString, QString>> keys = host().fileInfo();
    QDataStream in(sceneStream());
    window->streamFrom(in);
    ASSERT_EQ(window->tabs()->count(), 3);
    settle();
    EXPECT_EQ(host().fileInfo(), keys);
    EXPECT_FALSE(host().isModified());
    EXPECT_EQ(imageKeys(), shownBackgrounds());

    // A scene that lacks a key gets it back, and is then modified.
    host().removeFileInfo(kImageKey + QStringLiteral("B"));
    QDataStream again(sceneStream());
    window->streamFrom(again);
    settle();
    EXPECT_TRUE(host().isModified());
    EXPECT_EQ(imageKeys(), QSet<QString>({"A", "B"}));
    EXPECT_EQ(host().fileInfoValue(kImageKey + QStringLiteral("B")),
              QLatin1String(encodeImageValue(view(2)->document()->background().toImage())));
}

TEST_F(SceneSync, NoImageKeyOutlivesTheLastTabShowingIt)
{
    const struct {
        const char* what;
        std::function<void()> act;
    } rows[] = {
        {"close of a tab sharing its background",
         [&] {
             dialogs.boxAnswers.enqueue(QMessageBox::Ok);
             window->close_one(0);
         }},
        {"close of the last tab showing it",
         [&] {
             dialogs.boxAnswers.enqueue(QMessageBox::Ok);
             dialogs.boxAnswers.enqueue(QMessageBox::Ok);
             window->close_one(1);
             window->close_one(0);
         }},
        {"replace of a shared background",
         [&] {
             dialogs.fileAnswers.enqueue({png});
             view(0)->menu()->change_background();
         }},
        {"replace of an unshared background",
         [&] {
             dialogs.fileAnswers.enqueue({png});
             view(2)->menu()->change_background();
         }},
        {"removal, then a new background",
         [&] {
             dialogs.fileAnswers.enqueue({});
             dialogs.boxAnswers.enqueue(QMessageBox::Yes);
             view(2)->menu()->change_background();
             dialogs.fileAnswers.enqueue({png});
             view(2)->menu()->change_background();
         }},
        {"removal on both tabs sharing one",
         [&] {
             for (int i : {0, 1}) {
                 dialogs.fileAnswers.enqueue({});
                 dialogs.boxAnswers.enqueue(QMessageBox::Yes);
                 view(i)->menu()->change_background();
             }
         }},
    };
    for (const auto& r : rows) {
        window = std::make_unique<picker_window>(nullptr);
        host().resetForTest();
        threeTabs();
        r.act();
        settle();
        EXPECT_EQ(imageKeys(), shownBackgrounds()) << r.what;
    }

    // A reset for a new scene: the new scene has no keys and gets none.
    host().resetForTest();
    window->reset();
    settle();
    EXPECT_TRUE(imageKeys().isEmpty());
    EXPECT_EQ(imageKeys(), shownBackgrounds());
}
