#ifndef QB_TESTS_MEL_SUPPORT_H
#define QB_TESTS_MEL_SUPPORT_H
// A fresh host per test, helpers to run MEL and a recording command that
// stands in for a plug-in's command.
#include <gtest/gtest.h>
#include <maya/MArgList.h>
#include <maya/MPxCommand.h>
#include <qbhost/host_session.h>

#include <QtCore/QFile>
#include <QtCore/QTemporaryDir>

#include <QtCore/QString>
#include <QtCore/QStringList>

#include <ostream>
#include <vector>

inline void PrintTo(const QString& s, std::ostream* os)
{
    *os << '"' << s.toStdString() << '"';
}

inline void PrintTo(const QStringList& l, std::ostream* os)
{
    *os << '{';
    for (int i = 0; i < l.size(); ++i)
        *os << (i ? ", \"" : "\"") << l[i].toStdString() << '"';
    *os << '}';
}

// Every call of the recording command, with the arguments it got.
struct RecordedCalls {
    static std::vector<MArgList>& calls()
    {
        static std::vector<MArgList> c;
        return c;
    }
    static MStatus& status()
    {
        static MStatus s;
        return s;
    }
};

class RecordingCommand : public MPxCommand
{
public:
    static void* creator() { return new RecordingCommand; }
    MStatus doIt(const MArgList& args) override
    {
        RecordedCalls::calls().push_back(args);
        return RecordedCalls::status();
    }
};

class MelTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        host().resetForTest();
        RecordedCalls::calls().clear();
        RecordedCalls::status() = MS::kSuccess;
    }
    void TearDown() override { host().resetForTest(); }

    static qbhost::HostSession& host() { return qbhost::HostSession::instance(); }

    // Registers the recording command under name for a made-up plug-in.
    static void registerRecorder(const QString& name)
    {
        static int plugin = 0;
        ASSERT_TRUE(host().registerCommand(&plugin, name, &RecordingCommand::creator));
    }

    // Runs text as the script editor does; the result of its last statement.
    static QString eval(const QString& text)
    {
        QString result;
        const MStatus st = host().executeMel(text, &result);
        EXPECT_TRUE(st) << text.toStdString() << " -> " << host().errors().join('|').toStdString();
        return result;
    }
    static MStatus run(const QString& text) { return host().executeMel(text); }
    // Runs text as a script file the host sources, the one place where
    // local procedures may be defined.
    static MStatus runSourced(const QString& text)
    {
        QTemporaryDir dir;
        QFile file(dir.filePath(QStringLiteral("script.mel")));
        if (!file.open(QIODevice::WriteOnly) || file.write(text.toUtf8()) < 0)
            return MS::kFailure;
        file.close();
        return host().executeMel(QStringLiteral("source \"%1\";").arg(file.fileName()));
    }

    // The string arguments of a recorded call, arrays flattened with '|'
    // around them, so that "one array argument" is visible in comparisons.
    static QStringList describe(const MArgList& args)
    {
        QStringList out;
        for (unsigned int i = 0; i < args.length();) {
            MString s;
            if (args.get(i, s)) {
                out << QString::fromUtf8(s.asUTF8());
                ++i;
                continue;
            }
            MStringArray a;
            if (!args.get(i, a)) {
                out << QStringLiteral("<unreadable>");
                break;
            }
            QStringList items;
            for (unsigned int k = 0; k < a.length(); ++k)
                items << QString::fromUtf8(a[k].asUTF8());
            out << QLatin1Char('[') + items.join(QLatin1Char('|')) + QLatin1Char(']');
        }
        return out;
    }
};

#endif
