#include "host_fixture.h"
#include <QtCore/QMetaObject>
#include <QtCore/QSettings>
#include <QtWidgets/QDockWidget>
#include <QtWidgets/QTabWidget>

void HostFixture::SetUp()
{
    host().resetForTest();
    clearSettings();
    mainWindow = new QMainWindow;
    mainWindow->resize(800, 600);
    host().setMainWindow(mainWindow);
}

void HostFixture::TearDown()
{
    host().resetForTest();
    delete mainWindow.data();
    clearSettings();
}

QString HostFixture::pluginPath()
{
    return QStringLiteral(QB_PLUGIN_PATH);
}

void HostFixture::clearSettings()
{
    QSettings settings(QStringLiteral("Quillbrook"), QStringLiteral("picker"));
    settings.clear();
    settings.sync();
}

MStatus HostFixture::loadPicker()
{
    return host().loadPlugin(pluginPath());
}

MStatus HostFixture::unloadPicker()
{
    return host().unloadPlugin(QStringLiteral("QuillbrookPicker"));
}

MStatus HostFixture::picker(const QStringList& args)
{
    QList<qbhost::Argument> list;
    for (const QString& a : args)
        list << qbhost::Argument::string(a);
    return pickerArgs(list);
}

MStatus HostFixture::pickerArgs(const QList<qbhost::Argument>& args)
{
    return host().runCommand(QStringLiteral("QuillbrookPicker"), args);
}

QStringList HostFixture::pendingMel() const
{
    QStringList out;
    for (const qbhost::IdleItem& item : host().pendingIdle())
        if (item.language == qbhost::Language::Mel)
            out << item.text;
    return out;
}

void HostFixture::createNodes(const QStringList& names)
{
    for (const QString& n : names)
        host().createNode(QStringLiteral("transform"), n);
}

QDockWidget* HostFixture::dock() const
{
    if (!mainWindow)
        return nullptr;
    return mainWindow->findChild<QDockWidget*>(QStringLiteral("QuillbrookPicker"));
}

QWidget* HostFixture::pickerWindow() const
{
    QDockWidget* d = dock();
    return d ? d->widget() : nullptr;
}

QTabWidget* HostFixture::tabs() const
{
    QWidget* w = pickerWindow();
    return w ? w->findChild<QTabWidget*>() : nullptr;
}

QStringList HostFixture::tabTexts() const
{
    QStringList out;
    if (QTabWidget* t = tabs())
        for (int i = 0; i < t->count(); ++i)
            out << t->tabText(i);
    return out;
}

QVariantMap HostFixture::pickerState() const
{
    QVariantMap state;
    if (QWidget* w = pickerWindow())
        QMetaObject::invokeMethod(w, "state_snapshot", Qt::DirectConnection, Q_RETURN_ARG(QVariantMap, state));
    return state;
}
