#ifndef QBHOST_HOST_ARGUMENT_H
#define QBHOST_HOST_ARGUMENT_H
#include <qbhost/qbhost_export.h>
#include <maya/MArgList.h>
#include <QtCore/QList>
#include <QtCore/QString>
#include <QtCore/QStringList>

namespace qbhost {

// One evaluated command argument, as the host passes it to a command.
struct QBHOST_EXPORT Argument {
    enum Kind { String = 0, StringArray = 1, Number = 2 };
    Kind kind = String;
    QString text;       // String, or the number's text
    QStringList array;  // StringArray
    double number = 0;  // Number

    static Argument string(const QString& s);
    static Argument stringArray(const QStringList& a);
    static Argument numberValue(double n);
};

QBHOST_EXPORT MArgList makeArgList(const QList<Argument>& args);

} // namespace qbhost
#endif
