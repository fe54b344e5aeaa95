// The built plug-in driven through MEL: loaded by name, its embedded script
// run from the idle queue, its command called with MEL arguments.
#include "host_fixture.h"
#include "picker_files.h"

#include <QtCore/QFileInfo>
#include <QtCore/QTemporaryDir>
#include <QtWidgets/QTabWidget>

namespace {

class MelPlugin : public HostFixture
{
protected:
    QString eval(const QString& text)
    {
        QString result;
        EXPECT_TRUE(host().executeMel(text, &result)) << text.toStdString() << " -> "
                                                      << host().errors().join('|').toStdString();
        return result;
    }
};

TEST_F(MelPlugin, LoadedByNameItsScriptAndCommandWork)
{
    host().setPluginSearchPath({QStringLiteral("/nonexistent"), QFileInfo(pluginPath()).absolutePath()});
    EXPECT_EQ(eval("loadPlugin \"QuillbrookPicker\""), QStringLiteral("QuillbrookPicker"));
    ASSERT_TRUE(host().isPluginLoaded("QuillbrookPicker"));
    EXPECT_GE(host().drainIdle(), 1); // the embedded namespace script
    EXPECT_TRUE(host().errors().isEmpty()) << host().errors().join('|').toStdString();

    createNodes({"hero:arm", "hero:leg", "other"});
    eval("QuillbrookPicker \"select\" `ls \"hero:*\"`;");
    EXPECT_EQ(host().selection(), QStringList({"hero:arm", "hero:leg"}));
    EXPECT_EQ(eval("stringArrayToString(picker_ListNamespaces(), \" \")"), QStringLiteral("hero :"));

    // The plug-in's own error is the one line written for its failure.
    host().clearErrors();
    EXPECT_FALSE(host().executeMel("QuillbrookPicker bogus; print \"after\";"));
    EXPECT_EQ(host().errors(), QStringList({"QuillbrookPicker - unknown directive: bogus"}));

    eval("unloadPlugin \"QuillbrookPicker.so\";");
    EXPECT_FALSE(host().isPluginLoaded("QuillbrookPicker"));
    EXPECT_EQ(eval("loadPlugin \"QuillbrookPicker.so\""), QStringLiteral("QuillbrookPicker"));
    eval("unloadPlugin \"" + pluginPath() + "\";");
    EXPECT_FALSE(host().isPluginLoaded("QuillbrookPicker"));
}

TEST_F(MelPlugin, ArrayLiteralsReachTheCommandAsOneArgument)
{
    ASSERT_TRUE(loadPicker());
    ASSERT_TRUE(picker()); // the panel, and its first restore, before the files
    host().drainIdle();
    createNodes({"hero:arm", "hero:leg", "other"});
    QTemporaryDir dir;
    const QDir d(dir.path());
    const QString a = write_picker_file(d, QStringLiteral("Arms"), {selection_button({"hero:arm"})});
    const QString b = write_picker_file(d, QStringLiteral("Legs"), {selection_button({"hero:leg"})});
    eval(QStringLiteral("QuillbrookPicker open {\"%1\", \"%2\"};").arg(a, b));
    host().drainIdle();
    EXPECT_TRUE(tabTexts().contains(QStringLiteral("Arms")) && tabTexts().contains(QStringLiteral("Legs")))
        << tabTexts().join('|').toStdString();
    EXPECT_TRUE(host().errors().isEmpty()) << host().errors().join('|').toStdString();

    eval("QuillbrookPicker select {\"hero:leg\", \"other\"};");
    EXPECT_EQ(host().selection(), QStringList({"hero:leg", "other"}));
    eval("select -r {\"hero:arm\", \"other\"};");
    EXPECT_EQ(host().selection(), QStringList({"hero:arm", "other"}));
}

TEST_F(MelPlugin, MissingPluginsAreErrors)
{
    host().setPluginSearchPath({QFileInfo(pluginPath()).absolutePath()});
    EXPECT_FALSE(host().executeMel("loadPlugin \"NoSuchPlugin\";"));
    EXPECT_EQ(host().errors(),
              QStringList({"line 1: Plug-in, \"NoSuchPlugin\", was not found on the plug-in search path."}));
    host().clearErrors();
    EXPECT_FALSE(host().executeMel("unloadPlugin \"QuillbrookPicker\";"));
    EXPECT_EQ(host().errors().size(), 1); // the host's own "not loaded"
    host().clearErrors();
    EXPECT_FALSE(host().executeMel("loadPlugin \"/no/such/dir/QuillbrookPicker.so\";"));
    EXPECT_EQ(host().errors().size(), 1);
}

} // namespace
