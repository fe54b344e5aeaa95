// Command buttons in the loaded plug-in: added through the context menu and
// the editor with the mouse and keyboard, run by a click; and a scene reset
// arriving while the editor is open.
#include "host_fixture.h"
#include "modal_answer.h"
#include <QtCore/QTimer>
#include <QtTest/QTest>
#include <QtWidgets/QApplication>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QMenu>
#include <QtWidgets/QPlainTextEdit>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QTabWidget>

namespace {

class CommandButtons : public HostFixture
{
protected:
    void SetUp() override
    {
        HostFixture::SetUp();
        ASSERT_TRUE(loadPicker());
        ASSERT_TRUE(picker());
        host().drainIdle();
        canvas = tabs()->currentWidget();
        ASSERT_NE(canvas, nullptr);
        ASSERT_STREQ(canvas->metaObject()->className(), "picker_view");
    }

    // A right press opens the context menu; its command entry is chosen,
    // and answer handles the editor that opens.
    void open_editor(QPoint at, std::function<void(QWidget*)> answer)
    {
        QTimer::singleShot(0, [answer] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            if (!menu)
                return;
            QPointer<QMenu> guard(menu);
            for (QAction* a : menu->actions())
                if (a->text() == QLatin1String("Add Command Button...")) {
                    answer_modal(answer);
                    a->trigger();
                    break;
                }
            if (guard)
                guard->close();
        });
        QTest::mousePress(canvas, Qt::RightButton, Qt::NoModifier, at);
        // The user lets go of the button too; QTest would otherwise hold it
        // down under every later click (Qt 6 sends the buttons held).
        if (QWidget* still = canvas ? canvas.data() : QApplication::topLevelWidgets().value(0))
            QTest::mouseRelease(still, Qt::RightButton, Qt::NoModifier, at);
    }

    static void type_in(QWidget* dialog, const QString& name, const QString& script)
    {
        QTest::keyClicks(dialog->findChild<QLineEdit*>(), name);
        QTest::keyClicks(dialog->findChild<QPlainTextEdit*>(), script);
    }

    static void press(QWidget* dialog, const char* text)
    {
        for (QPushButton* b : dialog->findChildren<QPushButton*>())
            if (b->text() == QLatin1String(text))
                QTest::mouseClick(b, Qt::LeftButton);
    }

    QVariantList buttons() const
    {
        return pickerState().value("tabs").toList().value(0).toMap().value("buttons").toList();
    }

    QPointer<QWidget> canvas;
};

} // namespace

TEST_F(CommandButtons, AddedThroughTheEditorAndRunByAClick)
{
    const QPoint at(120, 110);
    open_editor(at, [](QWidget* d) {
        type_in(d, QStringLiteral("Make"), QStringLiteral("createNode transform -n madeByButton;"));
        press(d, "OK");
    });
    ASSERT_EQ(buttons().size(), 1);
    const QVariantMap b = buttons()[0].toMap();
    EXPECT_EQ(b.value("kind").toInt(), 1);
    EXPECT_EQ(b.value("label").toString(), QStringLiteral("Make"));
    EXPECT_EQ(pickerState().value("tabs").toList()[0].toMap().value("undo").toStringList(),
              QStringList{"Add Command Button"});
    host().drainIdle(); // the scene key written after the edit
    EXPECT_FALSE(host().nodeExists(QStringLiteral("madeByButton")));

    QTest::mouseClick(canvas, Qt::LeftButton, Qt::NoModifier, at);
    EXPECT_EQ(pendingMel(), QStringList{"createNode transform -n madeByButton;"});
    host().drainIdle();
    EXPECT_TRUE(host().nodeExists(QStringLiteral("madeByButton")));
    EXPECT_TRUE(host().errors().isEmpty()) << host().errors().join('\n').toStdString();
}

TEST_F(CommandButtons, AHostEventWhileTheEditorIsOpenAddsNothing)
{
    const struct {
        const char* event;
        bool windowStays;
    } rows[] = {{"deleteAll", true}, {"NewSceneOpened", true}, {"quitApplication", false}};
    for (const auto& r : rows) {
        SCOPED_TRACE(r.event);
        if (!canvas) { // the panel was closed by the row before
            ASSERT_TRUE(picker());
            canvas = tabs()->currentWidget();
        }
        const QString event = QString::fromLatin1(r.event);
        open_editor(QPoint(100, 100), [event](QWidget* d) {
            type_in(d, QStringLiteral("Half"), QStringLiteral("createNode transform -n half;"));
            host().raiseEvent(event);
        });
        EXPECT_TRUE(canvas.isNull()); // the tab went under the editor
        EXPECT_EQ(pickerWindow() != nullptr, r.windowStays);
        if (r.windowStays) {
            EXPECT_EQ(tabTexts(), QStringList{"Untitled"});
            EXPECT_TRUE(buttons().isEmpty());
            EXPECT_TRUE(pickerState().value("tabs").toList()[0].toMap().value("undo").toStringList().isEmpty());
            canvas = tabs()->currentWidget();
        }
        host().drainIdle();
        EXPECT_FALSE(host().nodeExists(QStringLiteral("half")));
    }
}
