#include "plugin/host_services.h"
#include <maya/MGlobal.h>
#include <maya/MQtUtil.h>
#include <QtCore/QByteArray>
#include <QtCore/QResource>
#include <QtGui/QGuiApplication>
#include <QtGui/QScreen>
#ifdef QB_STANDIN_HOST
#include <qbhost/host_session.h>
#endif

QStringList MStringArrayToQStringList(MStringArray const& array)
{
    QStringList out;
    out.reserve(static_cast<int>(array.length()));
    for (unsigned int i = 0; i < array.length(); ++i)
        out.append(MQtUtil::toQString(array[i]));
    return out;
}

void load_script(QString name)
{
    QResource resource(QStringLiteral(":/scripts/%1").arg(name));
    if (!resource.isValid())
        return;
    QByteArray bytes;
#if QT_VERSION >= QT_VERSION_CHECK(5, 13, 0)
    if (resource.compressionAlgorithm() == QResource::ZlibCompression)
#else
    if (resource.isCompressed())
#endif
        bytes = qUncompress(resource.data(), static_cast<int>(resource.size()));
    else
        bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(resource.data()),
                                        static_cast<int>(resource.size()));
    MGlobal::executeCommandOnIdle(MString(bytes.constData(), bytes.size()), false);
}

QList<QRect> screen_areas()
{
#ifdef QB_STANDIN_HOST
    return qbhost::HostSession::instance().screenAreas();
#else
    QList<QRect> out;
    for (QScreen* s : QGuiApplication::screens())
        out.append(s->availableGeometry());
    return out;
#endif
}

int primary_screen_index()
{
#ifdef QB_STANDIN_HOST
    return qbhost::HostSession::instance().primaryScreen();
#else
    const int i = QGuiApplication::screens().indexOf(QGuiApplication::primaryScreen());
    return i < 0 ? 0 : i;
#endif
}
