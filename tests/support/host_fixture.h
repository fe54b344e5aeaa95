#ifndef QB_TESTS_HOST_FIXTURE_H
#define QB_TESTS_HOST_FIXTURE_H
// A fresh stand-in host per test, with a main window, and helpers to load
// the built plug-in and run its command the way the host does.
#include <gtest/gtest.h>
#include <qbhost/host_session.h>
#include <QtCore/QPointer>
#include <QtCore/QStringList>
#include <QtCore/QVariantMap>
#include <QtWidgets/QMainWindow>

class QDockWidget;
class QTabWidget;

class HostFixture : public ::testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;

    static qbhost::HostSession& host() { return qbhost::HostSession::instance(); }
    static QString pluginPath();
    static void clearSettings();

    MStatus loadPicker();
    MStatus unloadPicker();
    // Runs the command with string arguments.
    MStatus picker(const QStringList& args = QStringList());
    MStatus pickerArgs(const QList<qbhost::Argument>& args);
    // MEL texts waiting in the idle queue.
    QStringList pendingMel() const;
    void createNodes(const QStringList& names);

    QDockWidget* dock() const;
    QWidget* pickerWindow() const;
    QTabWidget* tabs() const;
    QStringList tabTexts() const;
    // The picker window's own account of its state (tabs, buttons, selection).
    QVariantMap pickerState() const;

    QPointer<QMainWindow> mainWindow;
};
#endif
