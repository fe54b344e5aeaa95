#ifndef QB_STANDIN_MQTUTIL_H
#define QB_STANDIN_MQTUTIL_H
#include <maya/MTypes.h>
#include <maya/MString.h>
#include <QtCore/QString>

class QWidget;

class OPENMAYA_EXPORT MQtUtil
{
public:
    static QWidget* mainWindow();
    static QString toQString(const MString& mayaString);
    static MString toMString(const QString& qtString);
};
#endif
