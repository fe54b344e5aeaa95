#include <maya/MFileIO.h>
#include <qbhost/host_session.h>
#include "host_access.h"

MString MFileIO::currentFile()
{
    const QString name = qbhost::HostSession::instance().sceneName();
    return qbhost::toMString(name.isEmpty() ? QStringLiteral("untitled") : name);
}
