// Controls in the loaded plug-in over a Maya ASCII rig: drags through real
// mouse events set the attributes inside one host undo chunk, Escape puts
// them back, toggles step, a pad sets both axes, and values set in the
// host move the handles.
#include "host_fixture.h"
#include "picker_files.h"
#include <QtCore/QRegularExpression>
#include <QtCore/QTemporaryDir>
#include <QtGui/QMouseEvent>
#include <QtTest/QTest>
#include <QtCore/QTimer>
#include <QtWidgets/QApplication>
#include <QAction>
#include <QtWidgets/QComboBox>
#include <QtWidgets/QDialog>
#include <QtWidgets/QDoubleSpinBox>
#include <QtWidgets/QPushButton>
#include <functional>
#include <QtWidgets/QTabWidget>

namespace {

buttonAttributes control(button_control::kind_t kind, QStringList nodes, QStringList attributes, QPoint at,
                         QPointF min, QPointF max)
{
    buttonAttributes b;
    b.position = at;
    b.size = 10;
    b.nodes = nodes;
    b.control.kind = kind;
    b.control.attributes = attributes;
    b.control.min = min;
    b.control.max = max;
    b.control.length = kind == button_control::Toggle ? 30 : 100;
    return b;
}

class Controls : public HostFixture
{
protected:
    void SetUp() override
    {
        HostFixture::SetUp();
        ASSERT_TRUE(host().openScene(QStringLiteral(QB_TEST_DATA "/scenes/face_controls.ma")));
        ASSERT_TRUE(loadPicker());
        ASSERT_TRUE(picker());
        host().drainIdle();
        const QStringList both{"brow_L_ctrl", "brow_R_ctrl"};
        const QString path = write_picker_file(
            QDir(dir.path()), "Face",
            {control(button_control::Slider, both, {"brow"}, {80, 30}, {-1, 0}, {1, 0}),
             control(button_control::Pad, {"brow_L_ctrl"}, {"jawX", "jawY"}, {80, 120}, {-2, 0}, {2, 1}),
             control(button_control::Toggle, {"brow_L_ctrl"}, {"mode"}, {40, 200}, {0, 0}, {2, 0}),
             control(button_control::Slider, {"brow_L_ctrl"}, {"stiff"}, {80, 240}, {0, 0}, {1, 0}),
             control(button_control::Slider, {"brow_L_ctrl"}, {"nothing"}, {80, 270}, {0, 0}, {1, 0})});
        ASSERT_TRUE(picker({"open", path}));
        host().drainIdle();
        ASSERT_TRUE(host().errors().isEmpty()) << host().errors().join('\n').toStdString();
        tabs()->setCurrentIndex(tabs()->count() - 1);
        canvas = tabs()->currentWidget();
        QCoreApplication::processEvents();
    }

    QVariantMap button(int i) const
    {
        return pickerState().value("tabs").toList().last().toMap().value("buttons").toList().value(i).toMap();
    }
    QVariantMap shown(int i) const { return button(i).value("control").toMap(); }
    double shownValue(int i, int axis = 0) const { return shown(i).value("value").toList().value(axis).toDouble(); }

    // A canvas point at fraction f along a control's box (fy upwards for a pad).
    QPoint at(int i, double fx, double fy = 0.5) const
    {
        const QVariantMap tab = pickerState().value("tabs").toList().last().toMap();
        const double zoom = tab.value("zoom").toDouble();
        const QVariantList shift = tab.value("shift").toList();
        const QVariantList r = button(i).value("rect").toList();
        const double x = r[0].toDouble() + fx * (r[2].toDouble() - 1), y = r[1].toDouble() + (1 - fy) * (r[3].toDouble() - 1);
        return QPoint(int(x * zoom) + shift[0].toInt(), int(y * zoom) + shift[1].toInt());
    }

    void mouse(QEvent::Type type, QPoint pos, Qt::MouseButtons held)
    {
        QMouseEvent e(type, QPointF(pos), QPointF(canvas->mapToGlobal(pos)), Qt::LeftButton, held, Qt::NoModifier);
        QApplication::sendEvent(canvas, &e);
    }

    double attr(const QString& plug)
    {
        QString result;
        EXPECT_TRUE(host().executeMel("getAttr " + plug, &result));
        return result.toDouble();
    }

    // The numbers the setAttr statements of a text set.
    static QList<double> values(const QString& text)
    {
        QList<double> out;
        const QRegularExpression re(QStringLiteral("setAttr -clamp \"[^\"]+\" (\\S+);"));
        for (auto it = re.globalMatch(text); it.hasNext();)
            out << it.next().captured(1).toDouble();
        return out;
    }

    QTemporaryDir dir;
    QWidget* canvas = nullptr;
};

} // namespace

TEST_F(Controls, ADragSetsTheAttributeOnEveryNodeAndOneUndoTakesItBack)
{
    EXPECT_DOUBLE_EQ(shownValue(0), 0.5); // read from the scene
    EXPECT_TRUE(shown(0).value("enabled").toBool());
    mouse(QEvent::MouseButtonPress, at(0, 0.5), Qt::LeftButton);
    QCoreApplication::processEvents();
    int turns = 0;
    for (double f = 0.5; f >= 0.1; f -= 0.05) {
        mouse(QEvent::MouseMove, at(0, f), Qt::LeftButton);
        mouse(QEvent::MouseMove, at(0, f - 0.02), Qt::LeftButton); // two moves, one turn
        QCoreApplication::processEvents();
        ++turns;
        EXPECT_LE(pendingMel().size(), turns + 1) << "more than one text in a turn";
    }
    mouse(QEvent::MouseButtonRelease, at(0, 0.1), Qt::NoButton);
    const QStringList queued = pendingMel();
    ASSERT_GE(queued.size(), 2);
    EXPECT_TRUE(queued.first().startsWith("undoInfo -openChunk; ")) << queued.first().toStdString();
    EXPECT_TRUE(queued.last().endsWith("undoInfo -closeChunk;")) << queued.last().toStdString();
    EXPECT_TRUE(queued.first().contains("\"brow_R_ctrl.brow\""));
    const double last = values(queued.last()).isEmpty() ? values(queued[queued.size() - 2]).last()
                                                        : values(queued.last()).last();
    host().drainIdle();
    EXPECT_TRUE(host().errors().isEmpty()) << host().errors().join('\n').toStdString();
    EXPECT_NEAR(last, -0.8, 0.05);
    EXPECT_NEAR(attr("brow_L_ctrl.brow"), last, 1e-5);
    EXPECT_NEAR(attr("brow_R_ctrl.brow"), last, 1e-5);
    EXPECT_NEAR(shownValue(0), last, 1e-9); // the handle stands at what was sent
    // Drawn there, in the control's colour.
    QImage drawn(canvas->size(), QImage::Format_ARGB32);
    canvas->render(&drawn);
    EXPECT_EQ(drawn.pixel(at(0, (last + 1) / 2)) & 0xffffffu, kDefaultButtonColor);
    EXPECT_NE(drawn.pixel(at(0, 0.9)) & 0xffffffu, kDefaultButtonColor);

    ASSERT_TRUE(host().executeMel("undo"));
    EXPECT_DOUBLE_EQ(attr("brow_L_ctrl.brow"), 0.5);
    EXPECT_DOUBLE_EQ(attr("brow_R_ctrl.brow"), 0.5);
    EXPECT_DOUBLE_EQ(shownValue(0), 0.5); // the host's undo moved the handle
    ASSERT_TRUE(host().executeMel("redo"));
    EXPECT_NEAR(shownValue(0), last, 1e-9);
}

TEST_F(Controls, EscapeMidDragPutsTheValueBack)
{
    mouse(QEvent::MouseButtonPress, at(0, 0.9), Qt::LeftButton);
    QCoreApplication::processEvents();
    mouse(QEvent::MouseMove, at(0, 1.0), Qt::LeftButton);
    QCoreApplication::processEvents();
    host().drainIdle();
    EXPECT_DOUBLE_EQ(attr("brow_L_ctrl.brow"), 1.0);
    QTest::keyClick(canvas, Qt::Key_Escape);
    mouse(QEvent::MouseButtonRelease, at(0, 1.0), Qt::NoButton);
    host().drainIdle();
    EXPECT_DOUBLE_EQ(attr("brow_L_ctrl.brow"), 0.5);
    EXPECT_DOUBLE_EQ(shownValue(0), 0.5);
    EXPECT_TRUE(host().errors().isEmpty()) << host().errors().join('\n').toStdString();
}

TEST_F(Controls, TheHostMovesTheHandleWithoutAClick)
{
    ASSERT_TRUE(host().executeMel("setAttr brow_L_ctrl.brow -0.25"));
    EXPECT_DOUBLE_EQ(shownValue(0), -0.25);
    ASSERT_TRUE(host().executeMel("setAttr brow_L_ctrl.jawY 0.75"));
    EXPECT_DOUBLE_EQ(shownValue(1, 1), 0.75);
    // Only the nodes of controls on open tabs are watched; closing the tab
    // removes the callbacks.
    EXPECT_EQ(host().callbackCount("AttributeChanged"), 2);
    QMetaObject::invokeMethod(pickerWindow(), "close_tab", Q_ARG(int, tabs()->count() - 1));
    EXPECT_EQ(host().callbackCount("AttributeChanged"), 0);
}

TEST_F(Controls, AToggleCyclesItsEnumAndAPadSetsBothAxes)
{
    EXPECT_EQ(shown(2).value("step").toInt(), 1); // "half"
    for (int expected : {2, 0, 1}) {
        QTest::mouseClick(canvas, Qt::LeftButton, Qt::NoModifier, at(2, 0.5));
        host().drainIdle();
        EXPECT_EQ(attr("brow_L_ctrl.mode"), expected);
        EXPECT_EQ(shown(2).value("step").toInt(), expected);
    }
    mouse(QEvent::MouseButtonPress, at(1, 0.75, 0.25), Qt::LeftButton);
    mouse(QEvent::MouseButtonRelease, at(1, 0.75, 0.25), Qt::NoButton);
    host().drainIdle();
    EXPECT_NEAR(attr("brow_L_ctrl.jawX"), 1.0, 0.05);
    EXPECT_NEAR(attr("brow_L_ctrl.jawY"), 0.25, 0.02);
    ASSERT_TRUE(host().executeMel("undo"));
    EXPECT_EQ(attr("brow_L_ctrl.jawX"), 0);
    EXPECT_EQ(attr("brow_L_ctrl.jawY"), 0);
}

TEST_F(Controls, LockedOrMissingAttributesAreDisabledWithTheReason)
{
    EXPECT_FALSE(shown(3).value("enabled").toBool());
    EXPECT_EQ(shown(3).value("reason").toString(), QStringLiteral("brow_L_ctrl.stiff is locked"));
    EXPECT_FALSE(shown(4).value("enabled").toBool());
    EXPECT_EQ(shown(4).value("reason").toString(), QStringLiteral("brow_L_ctrl.nothing does not exist"));
    QTest::mouseClick(canvas, Qt::LeftButton, Qt::NoModifier, at(3, 0.9));
    EXPECT_TRUE(pendingMel().isEmpty());
    QTest::mouseMove(canvas, at(3, 0.5));
    EXPECT_EQ(canvas->toolTip(), QStringLiteral("brow_L_ctrl.stiff is locked"));
    // Unlocked, and locked again, in the host: the control follows.
    ASSERT_TRUE(host().executeMel("setAttr -lock off brow_L_ctrl.stiff"));
    EXPECT_TRUE(shown(3).value("enabled").toBool());
    ASSERT_TRUE(host().executeMel("setAttr -lock on brow_L_ctrl.brow"));
    EXPECT_FALSE(shown(0).value("enabled").toBool());
    EXPECT_EQ(shown(0).value("reason").toString(), QStringLiteral("brow_L_ctrl.brow is locked"));

    // Ctrl-click: the defaults, one undo step.
    ASSERT_TRUE(host().executeMel("setAttr brow_L_ctrl.jawX 1.5"));
    QTest::mouseClick(canvas, Qt::LeftButton, Qt::ControlModifier, at(1, 0.5));
    host().drainIdle();
    EXPECT_EQ(attr("brow_L_ctrl.jawX"), 0);
    ASSERT_TRUE(host().executeMel("undo"));
    EXPECT_EQ(attr("brow_L_ctrl.jawX"), 1.5);
}

namespace {

// Answers the next modal dialog: act on it, then OK.
void answer_dialog(std::function<void(QDialog*)> act)
{
    QTimer::singleShot(0, [act] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        act(dialog);
        for (QPushButton* b : dialog->findChildren<QPushButton*>())
            if (b->text() == QLatin1String("OK"))
                return QTest::mouseClick(b, Qt::LeftButton);
        ADD_FAILURE() << "no OK button";
    });
}

QAction* canvas_action(QWidget* canvas, const char* utf8)
{
    for (QAction* a : canvas->actions())
        if (a->text() == QString::fromUtf8(utf8))
            return a;
    return nullptr;
}

} // namespace

TEST_F(Controls, AddingAndEditingASliderAreOneUndoStepEach)
{
    host().setSelection({"brow_R_ctrl"});
    ASSERT_EQ(pickerState().value("selection").toStringList(), QStringList({"brow_R_ctrl"}));
    const int before = button(5).isEmpty() ? 5 : -1;
    ASSERT_EQ(before, 5);
    // A right-click on an empty spot places it; the menu is closed unused.
    QTimer::singleShot(0, [] {
        if (QWidget* menu = QApplication::activePopupWidget())
            menu->close();
    });
    QTest::mousePress(canvas, Qt::RightButton, Qt::NoModifier, QPoint(300, 60));
    QAction* add = canvas_action(canvas, "Add Slider\u2026");
    ASSERT_NE(add, nullptr);
    answer_dialog([](QDialog* d) {
        QComboBox* attribute = d->findChild<QComboBox*>();
        ASSERT_NE(attribute, nullptr);
        EXPECT_EQ(attribute->currentText(), QStringLiteral("brow")); // the node's one keyable number
    });
    add->trigger();
    const QVariantMap tab = pickerState().value("tabs").toList().last().toMap();
    EXPECT_EQ(tab.value("undo").toStringList().last(), QStringLiteral("Add Slider"));
    ASSERT_FALSE(button(5).isEmpty());
    EXPECT_EQ(button(5).value("nodes").toStringList(), QStringList({"brow_R_ctrl"}));
    EXPECT_DOUBLE_EQ(shownValue(5), 0.5);

    // Edited through the same editor: the pressed control's entry.
    QTimer::singleShot(0, [] {
        if (QWidget* menu = QApplication::activePopupWidget())
            menu->close();
    });
    QTest::mousePress(canvas, Qt::RightButton, Qt::NoModifier, at(5, 0.5));
    QAction* edit = canvas_action(canvas, "Edit Slider\u2026");
    ASSERT_NE(edit, nullptr);
    answer_dialog([](QDialog* d) {
        const QList<QDoubleSpinBox*> bounds = d->findChildren<QDoubleSpinBox*>();
        ASSERT_EQ(bounds.size(), 2);
        EXPECT_EQ(bounds[0]->value(), -1); // the attribute's own range
        EXPECT_EQ(bounds[1]->value(), 1);
        bounds[0]->setValue(0);
    });
    edit->trigger();
    const QVariantMap after = pickerState().value("tabs").toList().last().toMap();
    EXPECT_EQ(after.value("undo").toStringList(), tab.value("undo").toStringList() + QStringList{"Edit Control"});
    // The handle now stands on a 0 to 1 track: 0.5 at its middle.
    QImage drawn(canvas->size(), QImage::Format_ARGB32);
    canvas->render(&drawn);
    EXPECT_EQ(drawn.pixel(at(5, 0.5)) & 0xffffffu, kDefaultButtonColor);
}
