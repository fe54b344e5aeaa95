#include <maya/MArgList.h>
#include <qbhost/host_argument.h>
#include <qbhost/host_session.h>
#include "host_access.h"

using qbhost::HostSession;

MArgList::MArgList() = default;
MArgList::MArgList(const MArgList& other) = default;
MArgList::~MArgList() = default;
MArgList& MArgList::operator=(const MArgList& other) = default;

unsigned int MArgList::length(MStatus* ReturnStatus) const
{
    MStatus st = HostSession::instance().takeFailure(QStringLiteral("MArgList::length"));
    if (ReturnStatus)
        *ReturnStatus = st;
    return st ? static_cast<unsigned int>(args_.size()) : 0u;
}

MString MArgList::asString(unsigned int index, MStatus* ReturnStatus) const
{
    MString value;
    MStatus st = get(index, value);
    if (ReturnStatus)
        *ReturnStatus = st;
    return value;
}

const MStringArray MArgList::asStringArray(unsigned int& index, MStatus* ReturnStatus) const
{
    MStringArray value;
    MStatus st = get(index, value);
    if (ReturnStatus)
        *ReturnStatus = st;
    return value;
}

MStatus MArgList::get(unsigned int index, MString& ret) const
{
    MStatus st = HostSession::instance().takeFailure(QStringLiteral("MArgList::get"));
    if (!st)
        return st;
    if (index >= args_.size())
        return MS::kFailure;
    const Arg& a = args_[index];
    if (a.kind == qbhost::Argument::StringArray)
        return MS::kInvalidParameter;
    ret = a.text;
    return MS::kSuccess;
}

MStatus MArgList::get(unsigned int& index, MStringArray& ret) const
{
    MStatus st = HostSession::instance().takeFailure(QStringLiteral("MArgList::get"));
    if (!st)
        return st;
    if (index >= args_.size())
        return MS::kFailure;
    const Arg& a = args_[index];
    if (a.kind != qbhost::Argument::StringArray)
        return MS::kInvalidParameter;
    ret = a.array;
    ++index;
    return MS::kSuccess;
}

namespace qbhost {

Argument Argument::string(const QString& s)
{
    Argument a;
    a.kind = String;
    a.text = s;
    return a;
}

Argument Argument::stringArray(const QStringList& list)
{
    Argument a;
    a.kind = StringArray;
    a.array = list;
    return a;
}

Argument Argument::numberValue(double n)
{
    Argument a;
    a.kind = Number;
    a.number = n;
    a.text = QString::number(n, 'g', 15);
    return a;
}

MArgList makeArgList(const QList<Argument>& args)
{
    MArgList list;
    for (const Argument& a : args) {
        MStringArray array;
        for (const QString& s : a.array)
            array.append(toMString(s));
        QbHostAccess::pushArg(list, a.kind, toMString(a.text), array);
    }
    return list;
}

} // namespace qbhost
