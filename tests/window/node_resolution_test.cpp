// Buttons stand for nodes: a rig of our own that reuses a short name under
// two parents, ten buttons against it while controls are renamed, deleted
// and a reference unloaded, the marks, tooltips and the Check report, and
// qbx check --scene on the same files.
#include "canvas_harness.h"
#include "modal_answer.h"
#include "picker_files.h"
#include "document/node_resolver.h"
#include "model/broken_buttons.h"
#include "model/window_selection.h"
#include "plugin/maya_host_port.h"
#include "plugin/picker_main.h"

#include <maya/MStringArray.h>
#include <qbhost/host_session.h>

#include <QtCore/QDir>
#include <QtCore/QFile>
#include <QtCore/QProcess>
#include <QtCore/QTemporaryDir>
#include <QtWidgets/QDialogButtonBox>
#include <QtWidgets/QDockWidget>
#include <QtWidgets/QListWidget>
#include <QtWidgets/QMenuBar>
#include <QtWidgets/QPushButton>

namespace {

qbhost::HostSession& host()
{
    return qbhost::HostSession::instance();
}

struct NodeResolution : ::testing::Test {
    QTemporaryDir dir;
    host_port* before = &host_port::current();
    maya_host_port port;
    QDockWidget dock;
    picker_window* window = nullptr;
    picker_view* canvas = nullptr;

    void SetUp() override
    {
        host().resetForTest();
        for (const char* name : {"twin_rig.ma", "twin_rig_changed.ma", "twin_prop.ma"})
            ASSERT_TRUE(QFile::copy(QStringLiteral(QB_TEST_DATA "/scenes/") + QLatin1String(name),
                                    dir.filePath(QLatin1String(name))));
        ASSERT_TRUE(host().openScene(dir.filePath(QStringLiteral("twin_rig.ma"))));
        host_port::install(&port);
        ASSERT_TRUE(port.listen());
        window = new picker_window(&dock);
        dock.setWidget(window);
        picker_main::window_ = &dock;
        dock.resize(500, 500);
        dock.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&dock));
        canvas = window->frontPicker();
        host().discardIdle();
    }
    void TearDown() override
    {
        picker_main::window_ = nullptr;
        port.stop_listening();
        host_port::install(before);
        window_selection::names().clear();
        host().resetForTest();
    }

    picker_document* document() const { return canvas->document(); }
    // The host selection made, and the handler run, as the host would.
    void hostSelects(const QStringList& names)
    {
        host().setSelection(names);
        picker_main::selectionChangedFn(nullptr);
        QCoreApplication::processEvents();
    }
    void mel(const QString& text)
    {
        ASSERT_TRUE(host().executeMel(text)) << host().errors().join(QLatin1Char('|')).toStdString();
        QCoreApplication::processEvents();
    }
    // A click on a button; the select directive the window queued is run.
    void click(int index)
    {
        const QPoint at = canvas->mapToScreen(document()->buttons()[index].position);
        QTest::mouseClick(canvas, Qt::LeftButton, Qt::NoModifier, at);
        QStringList queued;
        for (const qbhost::IdleItem& item : host().pendingIdle())
            if (item.text.startsWith(QStringLiteral("QuillbrookPicker select")))
                queued << item.text;
        host().discardIdle();
        ASSERT_EQ(queued.size(), 1);
        MStringArray params;
        for (const QString& name : window_selection::names())
            params.append(MString(name.toUtf8().constData()));
        picker_main command;
        command.process_command(MString("select"), params);
        QCoreApplication::processEvents();
    }
    QStringList warnings() const { return host().historyTexts(qbhost::HistoryKind::Warning); }
    QStringList nodesOf(int index) const { return document()->buttons()[index].nodes; }
    QImage render() const
    {
        QImage image(canvas->size(), QImage::Format_ARGB32);
        canvas->render(&image);
        return image;
    }
};

TEST_F(NodeResolution, AButtonFromOneOfTwoNamesakesHoldsItsPathAndLightsForItAlone)
{
    hostSelects({QStringLiteral("head_grp|head_OC")});
    ASSERT_EQ(window_selection::names(), QStringList{QStringLiteral("head_grp|head_OC")});
    QAction* addOne = nullptr;
    for (QAction* a : window->findChildren<QAction*>())
        if (a->text() == QLatin1String("Add One Button"))
            addOne = a;
    ASSERT_NE(addOne, nullptr);
    addOne->trigger();
    ASSERT_EQ(document()->count(), 1);
    EXPECT_EQ(nodesOf(0), QStringList{QStringLiteral("head_grp|head_OC")});

    // The same node by its full path, and the bare short name both share.
    buttonAttributes made = document()->buttons()[0].attributes();
    made.position = QPoint(20, 20);
    QList<buttonAttributes> buttons{made,
                                    selection_button({QStringLiteral("|root_ctrl|spine_ctrl|neck_ctrl|head_grp|head_OC")}, 60),
                                    selection_button({QStringLiteral("head_OC")}, 100)};
    document()->set_buttons(buttons);
    // Add One Button framed the one it made.
    canvas->setZoom(1.0f, QPoint(0, 0));
    canvas->setShift(QPoint(0, 0));
    hostSelects({QStringLiteral("face_grp|head_OC")});
    EXPECT_EQ(document()->buttons()[0].state, kUnselected);
    EXPECT_EQ(document()->buttons()[1].state, kUnselected);
    hostSelects({QStringLiteral("head_grp|head_OC")});
    EXPECT_EQ(document()->buttons()[0].state, kSelected);
    EXPECT_EQ(document()->buttons()[1].state, kSelected);
    EXPECT_EQ(document()->buttons()[2].state, kUnselected);

    const buttonRecord& bare = document()->buttons()[2];
    EXPECT_TRUE(bare.broken());
    EXPECT_EQ(bare.names_with(kNodeAmbiguous), QStringList{QStringLiteral("head_OC")});
    EXPECT_FALSE(document()->buttons()[0].broken());
    // Its tooltip names both nodes it could be.
    QTest::mouseMove(canvas, canvas->mapToScreen(bare.position));
    EXPECT_TRUE(canvas->toolTip().contains(QStringLiteral("Ambiguous: head_OC"))) << canvas->toolTip().toStdString();
    EXPECT_TRUE(canvas->toolTip().contains(QStringLiteral("head_grp|head_OC, face_grp|head_OC")));

    // Its click selects nothing and warns once.
    click(2);
    EXPECT_TRUE(host().selection().isEmpty());
    ASSERT_EQ(warnings().size(), 1) << warnings().join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(warnings().first(), QStringLiteral("QuillbrookPicker - skipped 1 name: head_OC (more than one node)"));
    // The one made from the selection selects its node.
    click(0);
    EXPECT_EQ(host().selection(), QStringList{QStringLiteral("head_grp|head_OC")});
    EXPECT_EQ(warnings().size(), 1);
}

TEST_F(NodeResolution, MarksReadAtEveryZoom)
{
    QList<buttonAttributes> buttons{selection_button({QStringLiteral("root_ctrl")}, 20),
                                    selection_button({QStringLiteral("root_ctrl"), QStringLiteral("gone_ctrl")}, 60),
                                    selection_button({QStringLiteral("gone_ctrl")}, 100)};
    for (buttonAttributes& b : buttons) {
        b.size = 16;
        b.color = qRgb(40, 200, 90);
    }
    document()->set_buttons(buttons);
    for (float zoom : {0.5f, 1.0f, 3.0f}) {
        canvas->setShift(QPoint(0, 0));
        canvas->setZoom(zoom, QPoint(0, 0));
        canvas->setShift(QPoint(10, 10));
        const QImage image = render();
        for (int i = 0; i < 3; ++i) {
            const QRect r = canvas->mapToScreen(document()->buttons()[i].rect);
            // Just outside the button: the dashed edge, or the backdrop.
            const QColor edge = image.pixelColor(r.left() - 1, r.center().y());
            const bool marked = edge != QColor(51, 51, 51);
            EXPECT_EQ(marked, i > 0) << "button " << i << " at zoom " << zoom;
        }
        // All its nodes missing: its colour washed toward the backdrop.
        const QColor whole = image.pixelColor(canvas->mapToScreen(document()->buttons()[0].rect).center());
        const QColor washed = image.pixelColor(canvas->mapToScreen(document()->buttons()[2].rect).center());
        EXPECT_LT(qAbs(washed.red() - 51) + qAbs(washed.green() - 51), qAbs(whole.red() - 51) + qAbs(whole.green() - 51));
    }
}

QList<buttonAttributes> tenButtons()
{
    QList<buttonAttributes> out;
    const QStringList names{"root_ctrl",  "spine_ctrl", "neck_ctrl",        "arm_L_ctrl",       "arm_R_ctrl",
                            "leg_L_ctrl", "leg_R_ctrl", "head_grp|head_OC", "face_grp|head_OC", "prop:prop_ctrl"};
    for (int i = 0; i < names.size(); ++i) {
        buttonAttributes b = selection_button({names[i]}, 20 + 30 * i);
        b.label = QStringLiteral("b%1").arg(i);
        out << b;
    }
    return out;
}

TEST_F(NodeResolution, TenButtonsFollowRenamesAndMarkWhatIsGone)
{
    document()->set_buttons(tenButtons());
    EXPECT_TRUE(find_broken(document()->buttons()).isEmpty());
    host().discardIdle();

    // Three controls renamed and a parent group, in the host: the names follow.
    mel(QStringLiteral("rename arm_L_ctrl L_arm_ctrl; rename arm_R_ctrl R_arm_ctrl; rename neck_ctrl neck_FK_ctrl;"
                       "rename head_grp skull_grp;"));
    EXPECT_EQ(nodesOf(3), QStringList{QStringLiteral("L_arm_ctrl")});
    EXPECT_EQ(nodesOf(4), QStringList{QStringLiteral("R_arm_ctrl")});
    EXPECT_EQ(nodesOf(2), QStringList{QStringLiteral("neck_FK_ctrl")});
    EXPECT_EQ(nodesOf(7), QStringList{QStringLiteral("skull_grp|head_OC")});
    EXPECT_EQ(nodesOf(8), QStringList{QStringLiteral("face_grp|head_OC")});
    EXPECT_TRUE(find_broken(document()->buttons()).isEmpty());
    // One scene write for all of it.
    int writes = 0;
    for (const qbhost::IdleItem& item : host().pendingIdle())
        writes += item.text.contains(QStringLiteral("QuillbrookPickerData")) ? 1 : 0;
    EXPECT_EQ(writes, 1);
    // Moving a control under another parent is followed as well.
    mel(QStringLiteral("parent R_arm_ctrl skull_grp;"));
    EXPECT_EQ(nodesOf(4), QStringList{QStringLiteral("R_arm_ctrl")}); // still unique
    EXPECT_FALSE(document()->buttons()[4].broken());

    // Two deleted, the reference unloaded: names kept, marked missing, and
    // the canvas repainted for it without a click.
    paint_counter paints(canvas);
    paints.settle();
    mel(QStringLiteral("delete leg_L_ctrl leg_R_ctrl; file -unloadReference propRN;"));
    EXPECT_GE(paints.count(), 1);
    EXPECT_EQ(nodesOf(5), QStringList{QStringLiteral("leg_L_ctrl")});
    QList<broken_button> broken = find_broken(document()->buttons());
    ASSERT_EQ(broken.size(), 3);
    EXPECT_EQ(broken_report_line(broken[0]), QStringLiteral("5 b5: Missing: leg_L_ctrl"));
    EXPECT_EQ(broken_report_line(broken[2]), QStringLiteral("9 b9: Missing: prop:prop_ctrl"));
    EXPECT_TRUE(document()->buttons()[9].all_missing());

    // Check Picker lists them; Select Buttons selects those buttons.
    int rows = -1;
    answer_modal([&rows](QWidget* w) {
        QListWidget* list = w->findChild<QListWidget*>();
        rows = list ? list->count() : -1;
        for (QPushButton* b : w->findChildren<QPushButton*>())
            if (b->text() == QLatin1String("Select Buttons"))
                b->click();
    });
    QAction* check = nullptr;
    for (QAction* a : window->findChildren<QAction*>())
        if (a->text() == QLatin1String("Check Picker..."))
            check = a;
    ASSERT_NE(check, nullptr);
    check->trigger();
    EXPECT_EQ(rows, 3);
    EXPECT_EQ(document()->selected_indices(), (QVector<int>{5, 6, 9}));

    // A partly broken button selects what exists and warns once.
    document()->set_buttons({selection_button({QStringLiteral("root_ctrl"), QStringLiteral("leg_L_ctrl"),
                                               QStringLiteral("head_OC_missing1"), QStringLiteral("m2"),
                                               QStringLiteral("m3"), QStringLiteral("m4"), QStringLiteral("m5")})});
    host().clearHistory();
    click(0);
    EXPECT_EQ(host().selection(), QStringList{QStringLiteral("root_ctrl")});
    ASSERT_EQ(warnings().size(), 1);
    EXPECT_EQ(warnings().first(), QStringLiteral("QuillbrookPicker - skipped 6 names: leg_L_ctrl (no node), "
                                                 "head_OC_missing1 (no node), m2 (no node), m3 (no node), "
                                                 "m4 (no node) and 1 more"));

    // Loading the reference again clears its mark.
    document()->set_buttons(tenButtons());
    EXPECT_TRUE(document()->buttons()[9].broken());
    mel(QStringLiteral("file -loadReference propRN;"));
    EXPECT_FALSE(document()->buttons()[9].broken());
}

TEST_F(NodeResolution, QbxChecksAPickerAgainstASceneFile)
{
    const QString picker = write_picker_file(QDir(dir.path()), QStringLiteral("Body"), tenButtons());
    auto run = [&](const QString& scene, QString* out) {
        QProcess p;
        p.start(QStringLiteral(QBX_PATH), {QStringLiteral("check"), QStringLiteral("--scene"), scene, picker});
        EXPECT_TRUE(p.waitForFinished(60000));
        *out = QString::fromUtf8(p.readAllStandardOutput());
        return p.exitCode();
    };
    QString out;
    EXPECT_EQ(run(dir.filePath(QStringLiteral("twin_rig.ma")), &out), 0) << out.toStdString();
    EXPECT_TRUE(out.contains(QStringLiteral("every name of its 10 buttons names one node")));
    EXPECT_EQ(run(dir.filePath(QStringLiteral("twin_rig_changed.ma")), &out), 1);
    const QStringList lines = out.trimmed().split(QLatin1Char('\n'));
    const QString prefix = picker + QStringLiteral(": button ");
    EXPECT_EQ(lines, (QStringList{prefix + QStringLiteral("2 b2: Missing: neck_ctrl"),
                                  prefix + QStringLiteral("3 b3: Missing: arm_L_ctrl"),
                                  prefix + QStringLiteral("4 b4: Missing: arm_R_ctrl"),
                                  prefix + QStringLiteral("5 b5: Missing: leg_L_ctrl"),
                                  prefix + QStringLiteral("6 b6: Missing: leg_R_ctrl"),
                                  prefix + QStringLiteral("9 b9: Missing: prop:prop_ctrl")}));
}

} // namespace
