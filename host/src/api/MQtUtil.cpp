#include <maya/MQtUtil.h>
#include <qbhost/host_session.h>
#include "host_access.h"

QWidget* MQtUtil::mainWindow()
{
    return qbhost::HostSession::instance().mainWindow();
}

QString MQtUtil::toQString(const MString& mayaString)
{
    return qbhost::toQString(mayaString);
}

MString MQtUtil::toMString(const QString& qtString)
{
    return qbhost::toMString(qtString);
}
