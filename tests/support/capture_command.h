#ifndef QB_TESTS_CAPTURE_COMMAND_H
#define QB_TESTS_CAPTURE_COMMAND_H
// A stand-in for the picker command that records the arguments queued MEL
// texts hand it, and the texts waiting in the stand-in host's idle queue.
#include <maya/MArgList.h>
#include <maya/MPxCommand.h>
#include <qbhost/host_session.h>
#include <QtCore/QStringList>

struct capture_command : MPxCommand {
    static QList<QStringList>& calls()
    {
        static QList<QStringList> list;
        return list;
    }
    static void* create() { return new capture_command; }
    // Registers it under the picker command's name, with no calls yet.
    static void install()
    {
        calls().clear();
        qbhost::HostSession::instance().registerCommand(nullptr, QStringLiteral("QuillbrookPicker"), create);
    }
    MStatus doIt(const MArgList& args) override
    {
        QStringList call;
        for (unsigned int i = 0; i < args.length(); ++i)
            call << QString::fromUtf8(args.asString(i).asChar());
        calls().append(call);
        return MS::kSuccess;
    }
};

inline QStringList pending_texts(qbhost::Language language)
{
    QStringList out;
    for (const qbhost::IdleItem& i : qbhost::HostSession::instance().pendingIdle())
        if (i.language == language)
            out << i.text;
    return out;
}
#endif
