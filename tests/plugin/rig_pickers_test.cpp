// Pickers stored in rigs, end to end in the stand-in host: a rig's tab
// stored with Store in Rig..., the rig referenced twice by a shot, a tab
// per reference bound to its namespace, the animator's edit kept by the
// shot, a newer rig picker offered, and the reference's tab closed when it
// goes.
#include "host_fixture.h"
#include "modal_answer.h"
#include "picker_files.h"
#include "qt_print.h"
#include <QtCore/QCoreApplication>
#include <QtCore/QTemporaryDir>
#include <QtTest/QTest>
#include <QtWidgets/QApplication>
#include <QtWidgets/QDialogButtonBox>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QMenu>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QTabWidget>

namespace {

class RigPickers : public HostFixture
{
protected:
    QTemporaryDir dir;

    void settle() const
    {
        for (int i = 0; i < 3; ++i) {
            QCoreApplication::processEvents();
            host().drainIdle();
        }
    }
    QString path(const char* name) const { return dir.filePath(QLatin1String(name)); }
    void mel(const QString& text) const
    {
        ASSERT_TRUE(host().executeMel(text)) << text.toStdString() << "\n" << host().errors().join(QLatin1Char(10)).toStdString();
        settle();
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
    // Store in Rig... with the node name proposed accepted.
    void store_in_rig() const
    {
        QAction* store = pickerItem("Store in Rig...");
        ASSERT_NE(store, nullptr);
        answer_modal([](QWidget* w) {
            if (auto* box = w->findChild<QDialogButtonBox*>())
                box->button(QDialogButtonBox::Ok)->click();
        });
        store->trigger();
        settle();
    }
    // The rig: two controls and a picker of them, stored in the rig and
    // saved as rig.ma.
    void make_rig(const QList<buttonAttributes>& buttons)
    {
        mel(QStringLiteral("file -f -new;"));
        mel(QStringLiteral("createNode transform -n arm_ctrl; createNode transform -n leg_ctrl;"));
        const QString file = write_picker_file(QDir(dir.path()), QStringLiteral("Body"), buttons);
        ASSERT_TRUE(picker({"open", file}));
        settle();
        store_in_rig();
        mel(QStringLiteral("file -rename \"%1\"; file -save -type \"mayaAscii\";").arg(path("rig.ma")));
    }
    QVariantList tab_list() const { return pickerState().value("tabs").toList(); }
    QStringList tab_names() const
    {
        QStringList names;
        for (const QVariant& t : tab_list())
            names << t.toMap().value("name").toString();
        return names;
    }
    // Where a button of a tab is on its canvas.
    QPoint centre_of(int tab, int button) const
    {
        const QVariantMap view = tab_list().value(tab).toMap();
        const QVariantList r = view.value("buttons").toList().value(button).toMap().value("rect").toList();
        const double zoom = view.value("zoom").toDouble();
        const QVariantList shift = view.value("shift").toList();
        if (r.size() != 4 || shift.size() != 2)
            return QPoint(-1, -1);
        return QPoint(int(shift[0].toInt() + (r[0].toInt() + r[2].toInt() / 2) * zoom),
                      int(shift[1].toInt() + (r[1].toInt() + r[3].toInt() / 2) * zoom));
    }
    QWidget* bar() const { return pickerWindow()->findChild<QWidget*>(QStringLiteral("rig_update_bar")); }
};

const QList<buttonAttributes> kBody{selection_button({"arm_ctrl"}, 20), selection_button({"leg_ctrl"}, 60)};

} // namespace

TEST_F(RigPickers, StoredOncePerRigOpenedPerReferenceEditsKeptNewVersionsOffered)
{
    ASSERT_TRUE(loadPicker());
    ASSERT_TRUE(picker());
    settle();
    make_rig(kBody);
    QString version;
    ASSERT_TRUE(host().executeMel(QStringLiteral("getAttr \"Body_picker.qbPickerVersion\";"), &version));
    EXPECT_EQ(version, QStringLiteral("1"));
    // The node holds the picker file's own bytes.
    QString stored;
    ASSERT_TRUE(host().executeMel(QStringLiteral("getAttr \"Body_picker.qbPickerData\";"), &stored));
    QFile original(dir.filePath(QStringLiteral("Body.qbx")));
    ASSERT_TRUE(original.open(QIODevice::ReadOnly));
    EXPECT_EQ(QByteArray::fromBase64(stored.toLatin1()), original.readAll());

    // The shot: the rig twice.
    mel(QStringLiteral("file -f -new;"));
    mel(QStringLiteral("file -r -ns \"hero\" \"%1\"; file -r -ns \"villain\" \"%1\";").arg(path("rig.ma")));
    mel(QStringLiteral("file -rename \"%1\"; file -save -type \"mayaAscii\";").arg(path("shot.ma")));
    mel(QStringLiteral("file -f -open \"%1\";").arg(path("shot.ma")));
    ASSERT_EQ(tab_names(), (QStringList{"Body (hero)", "Body (villain)"}));
    EXPECT_EQ(tab_list()[0].toMap().value("buttons").toList()[0].toMap().value("nodes").toStringList(),
              QStringList{"hero:arm_ctrl"});

    // A click selects the reference's own node.
    tabs()->setCurrentIndex(1);
    settle();
    QWidget* canvas = tabs()->currentWidget();
    QTest::mouseClick(canvas, Qt::LeftButton, Qt::NoModifier, centre_of(1, 1));
    settle();
    QString selected;
    ASSERT_TRUE(host().executeMel(QStringLiteral("ls -sl;"), &selected));
    EXPECT_EQ(selected, QStringLiteral("villain:leg_ctrl"));

    // The animator's edit in the villain tab (a cut) stays with the shot.
    QAction* cut = nullptr;
    for (QMenu* m : pickerWindow()->findChildren<QMenu*>())
        if (m->title() == QLatin1String("&Edit"))
            for (QAction* a : m->actions())
                if (a->text() == QLatin1String("Cut"))
                    cut = a;
    ASSERT_NE(cut, nullptr);
    cut->trigger();
    settle();
    mel(QStringLiteral("file -save;"));
    mel(QStringLiteral("file -f -open \"%1\";").arg(path("shot.ma")));
    ASSERT_EQ(tab_names(), (QStringList{"Body (hero)", "Body (villain)"}));
    EXPECT_EQ(tab_list()[0].toMap().value("buttons").toList().size(), 2);
    EXPECT_EQ(tab_list()[1].toMap().value("buttons").toList().size(), 1);
    EXPECT_EQ(bar(), nullptr); // nothing to offer

    // A new version of the rig's picker (a third control) is offered, not forced.
    mel(QStringLiteral("file -f -open \"%1\";").arg(path("rig.ma")));
    ASSERT_TRUE(tab_names().contains(QStringLiteral("Body")));
    mel(QStringLiteral("createNode transform -n head_ctrl;"));
    const QString file = write_picker_file(QDir(dir.path()), QStringLiteral("Body"),
                                           kBody + QList<buttonAttributes>{selection_button({"head_ctrl"}, 100)});
    // The rig's own tab is closed first: the new file's tab takes the node.
    ASSERT_TRUE(picker({"open", file}));
    settle();
    store_in_rig();
    ASSERT_TRUE(host().executeMel(QStringLiteral("getAttr \"Body_picker.qbPickerVersion\";"), &version));
    EXPECT_EQ(version, QStringLiteral("2"));
    mel(QStringLiteral("file -save;"));
    mel(QStringLiteral("file -f -open \"%1\";").arg(path("shot.ma")));
    ASSERT_EQ(tab_names(), (QStringList{"Body (hero)", "Body (villain)"}));
    tabs()->setCurrentIndex(1);
    settle();
    ASSERT_NE(bar(), nullptr);
    EXPECT_TRUE(bar()->isVisibleTo(pickerWindow()));
    QPushButton* use = nullptr;
    for (QPushButton* b : bar()->findChildren<QPushButton*>())
        if (b->text() == QLatin1String("Use the rig's new picker"))
            use = b;
    ASSERT_NE(use, nullptr);
    QTest::mouseClick(use, Qt::LeftButton);
    settle();
    ASSERT_EQ(tab_names(), (QStringList{"Body (hero)", "Body (villain)"}));
    EXPECT_EQ(tab_list()[1].toMap().value("buttons").toList().size(), 3);
    EXPECT_EQ(tab_list()[1].toMap().value("buttons").toList()[2].toMap().value("nodes").toStringList(),
              QStringList{"villain:head_ctrl"});
    EXPECT_FALSE(bar()->isVisibleTo(pickerWindow()));
    // Keep mine: the hero tab keeps its two buttons and is not asked again.
    tabs()->setCurrentIndex(0);
    settle();
    ASSERT_TRUE(bar()->isVisibleTo(pickerWindow()));
    for (QPushButton* b : bar()->findChildren<QPushButton*>())
        if (b->text() == QLatin1String("Keep mine"))
            QTest::mouseClick(b, Qt::LeftButton);
    settle();
    EXPECT_EQ(tab_list()[0].toMap().value("buttons").toList().size(), 2);
    EXPECT_FALSE(bar()->isVisibleTo(pickerWindow()));
    mel(QStringLiteral("file -save;"));
    mel(QStringLiteral("file -f -open \"%1\";").arg(path("shot.ma")));
    tabs()->setCurrentIndex(0);
    settle();
    EXPECT_FALSE(bar()->isVisibleTo(pickerWindow()));

    // The villain's reference unloaded: its tab goes, unasked, but the
    // animator's copy (a second cut) is kept by the shot, saved and reopened
    // unloaded, and comes back with the reference.
    tabs()->setCurrentIndex(1);
    settle();
    QTest::mouseClick(tabs()->currentWidget(), Qt::LeftButton, Qt::NoModifier, centre_of(1, 1));
    cut->trigger();
    settle();
    ASSERT_EQ(tab_list()[1].toMap().value("buttons").toList().size(), 2);
    QString reference;
    ASSERT_TRUE(host().executeMel(QStringLiteral("referenceQuery -referenceNode \"villain:arm_ctrl\";"), &reference));
    mel(QStringLiteral("file -unloadReference \"%1\";").arg(reference));
    EXPECT_EQ(tab_names(), QStringList{"Body (hero)"});
    mel(QStringLiteral("file -save;"));
    mel(QStringLiteral("file -f -open \"%1\";").arg(path("shot.ma")));
    EXPECT_EQ(tab_names(), QStringList{"Body (hero)"});
    mel(QStringLiteral("file -loadReference \"%1\";").arg(reference));
    ASSERT_EQ(tab_names(), (QStringList{"Body (hero)", "Body (villain)"}));
    EXPECT_EQ(tab_list()[1].toMap().value("buttons").toList().size(), 2);
    EXPECT_TRUE(host().errors().isEmpty()) << host().errors().join('\n').toStdString();
}
