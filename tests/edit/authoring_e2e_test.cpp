// Authoring end to end: the built plug-in in the stand-in host, nodes
// selected with MEL, a button added from the panel's Picker menu, and the
// scene key read back byte by byte (not through the plug-in's reader).
#include <QtCore/QCoreApplication>
#include "host_fixture.h"
#include <QtCore/QDataStream>
#include <QtCore/QPointer>
#include <QtCore/QTimer>
#include <QtWidgets/QApplication>
#include <QtTest/QTest>
#include <QtWidgets/QMenu>
#include <QtWidgets/QTabWidget>

namespace {

struct stored_button {
    QPoint position;
    qint32 size = 0, kind = -1, language = -1;
    quint32 color = 0, labelColor = 0;
    QString label;
    QStringList nodes;
};

struct stored_tab {
    QString name;
    QList<stored_button> buttons;
};

// The window stream of the scene value, as its layout reads: version 4,
// tabs, current index; per tab its number, text, background block and
// button block.
bool decode_scene(const QString& value, QList<stored_tab>* out)
{
    const QByteArray packed = QByteArray::fromBase64(value.toLatin1());
    if (packed.size() < 4)
        return false;
    QDataStream s(qUncompress(packed));
    qint32 version = 0, count = 0, current = 0;
    s >> version >> count >> current;
    if (version != 4 || count < 0 || count > 100)
        return false;
    for (qint32 t = 0; t < count; ++t) {
        stored_tab tab;
        qint32 number = -1;
        QString background;
        s >> number >> tab.name >> background;
        if (number != t || !background.isEmpty())
            return false; // no background in these tests
        qint32 buttons = 0;
        s >> buttons;
        for (qint32 i = 0; i < buttons; ++i) {
            stored_button b;
            qint32 index = -1, x = 0, y = 0, nodes = 0;
            s >> index >> x >> y >> b.size >> b.kind >> b.language >> b.color >> b.labelColor >> b.label >> nodes;
            if (index != i || nodes < 0 || nodes > 1000)
                return false;
            b.position = QPoint(x, y);
            for (qint32 n = 0; n < nodes; ++n) {
                QString name;
                s >> name;
                b.nodes << name;
            }
            tab.buttons << b;
        }
        out->append(tab);
    }
    return s.status() == QDataStream::Ok && s.atEnd();
}

class AuthoringEndToEnd : public HostFixture
{
protected:
    void SetUp() override
    {
        HostFixture::SetUp();
        createNodes({"hero:a", "hero:b"});
        ASSERT_TRUE(loadPicker());
        ASSERT_TRUE(picker());
        QCoreApplication::processEvents(); // the scene write goes out when the loop turns
    host().drainIdle();
        ASSERT_TRUE(host().errors().isEmpty()) << host().errors().join('\n').toStdString();
    }
    QAction* pickerItem(const char* text) const
    {
        for (QMenu* m : pickerWindow()->findChildren<QMenu*>())
            if (m->title() == QLatin1String("&Picker"))
                for (QAction* a : m->actions())
                    if (a->text() == QLatin1String(text))
                        return a;
        return nullptr;
    }
    QList<stored_tab> scene() const
    {
        QList<stored_tab> tabs;
        EXPECT_TRUE(decode_scene(host().fileInfoValue(QStringLiteral("QuillbrookPickerData")), &tabs));
        return tabs;
    }
};

} // namespace

TEST_F(AuthoringEndToEnd, AddOneButtonReachesTheSceneAndUndoTakesItBack)
{
    const QString before = host().fileInfoValue(QStringLiteral("QuillbrookPickerData"));
    host().executeMel("select -r hero:a hero:b;");
    QCoreApplication::processEvents(); // the scene write goes out when the loop turns
    host().drainIdle();
    QWidget* canvas = tabs()->currentWidget();
    ASSERT_STREQ(canvas->metaObject()->className(), "picker_view");
    // Where the button goes: the canvas's last press.
    QTest::mousePress(canvas, Qt::MiddleButton, Qt::NoModifier, QPoint(40, 30));
    QTest::mouseRelease(canvas, Qt::MiddleButton, Qt::NoModifier, QPoint(40, 30));

    QAction* add = pickerItem("Add One Button");
    ASSERT_NE(add, nullptr);
    add->trigger();
    QCoreApplication::processEvents(); // the scene write goes out when the loop turns
    host().drainIdle();
    EXPECT_TRUE(host().errors().isEmpty()) << host().errors().join('\n').toStdString();

    QList<stored_tab> tabs = scene();
    ASSERT_EQ(tabs.size(), 1);
    ASSERT_EQ(tabs[0].buttons.size(), 1);
    const stored_button& b = tabs[0].buttons[0];
    EXPECT_EQ(b.position, QPoint(40, 30));
    EXPECT_EQ(b.size, 10);
    EXPECT_EQ(b.kind, 0);
    EXPECT_EQ(b.color, 0xB22222u);
    EXPECT_EQ(b.nodes, (QStringList{"hero:a", "hero:b"}));
    EXPECT_TRUE(host().isModified());

    const QString added = host().fileInfoValue(QStringLiteral("QuillbrookPickerData"));
    QAction* undo = nullptr;
    for (QMenu* m : pickerWindow()->findChildren<QMenu*>())
        if (m->title() == QLatin1String("&Edit"))
            undo = m->actions().value(0);
    ASSERT_NE(undo, nullptr);
    undo->trigger();
    QCoreApplication::processEvents(); // the scene write goes out when the loop turns
    host().drainIdle();
    tabs = scene();
    ASSERT_EQ(tabs.size(), 1);
    EXPECT_TRUE(tabs[0].buttons.isEmpty());
    const QString undone = host().fileInfoValue(QStringLiteral("QuillbrookPickerData"));
    EXPECT_NE(undone, added);
    if (!before.isEmpty())
        EXPECT_EQ(undone, before);
}

TEST_F(AuthoringEndToEnd, NewSceneWhileTheContextMenuIsOpen)
{
    // The host's scene reset ("deleteAll", "NewSceneOpened") runs inside the
    // menu's own loop and replaces the canvas that opened it.
    host().executeMel("select -r hero:a;");
    QCoreApplication::processEvents(); // the scene write goes out when the loop turns
    host().drainIdle();
    QPointer<QWidget> canvas = tabs()->currentWidget();
    ASSERT_NE(canvas, nullptr);
    bool reset = false;
    QTimer::singleShot(0, [&] {
        if (!QApplication::activePopupWidget())
            return;
        host().executeMel("file -f -new;");
        QCoreApplication::processEvents(); // the scene write goes out when the loop turns
    host().drainIdle();
        reset = true;
    });
    QTest::mousePress(canvas, Qt::RightButton, Qt::NoModifier, QPoint(60, 60));
    ASSERT_TRUE(reset);
    EXPECT_TRUE(canvas.isNull());
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
    QCoreApplication::processEvents(); // the scene write goes out when the loop turns
    host().drainIdle();
    EXPECT_TRUE(host().errors().isEmpty()) << host().errors().join('\n').toStdString();
    const QVariantList after = pickerState().value("tabs").toList();
    ASSERT_EQ(after.size(), 1);
    EXPECT_TRUE(after[0].toMap().value("buttons").toList().isEmpty());
}
