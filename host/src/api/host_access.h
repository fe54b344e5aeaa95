#ifndef QBHOST_HOST_ACCESS_H
#define QBHOST_HOST_ACCESS_H
// Runtime-internal access to the private parts of the API value classes.
#include <maya/MArgList.h>
#include <maya/MObject.h>
#include <maya/MPlug.h>
#include <maya/MSelectionList.h>
#include <maya/MString.h>
#include <QtCore/QString>
#include <vector>

struct QbHostAccess {
    static void pushArg(MArgList& list, int kind, const MString& text, const MStringArray& array)
    {
        MArgList::Arg arg;
        arg.kind = kind;
        arg.text = text;
        arg.array = array;
        list.args_.push_back(arg);
    }
    static std::vector<MString>& items(MSelectionList& list) { return list.items_; }
    static const std::vector<MString>& items(const MSelectionList& list) { return list.items_; }
    static void* pointer(const MObject& object) { return object.ptr_; }
    static void setPointer(MObject& object, void* p) { object.ptr_ = p; }
    static void setPlug(MPlug& plug, void* node, const void* attribute)
    {
        plug.node_.ptr_ = node;
        plug.attribute_ = attribute;
    }
    static void* plugNode(const MPlug& plug) { return plug.node_.ptr_; }
    static const void* plugAttribute(const MPlug& plug) { return plug.attribute_; }
};

namespace qbhost {
inline MString toMString(const QString& s)
{
    const QByteArray utf8 = s.toUtf8();
    return MString(utf8.constData(), utf8.size());
}
inline QString toQString(const MString& s)
{
    return QString::fromUtf8(s.asUTF8(), static_cast<int>(s.length()));
}
} // namespace qbhost
#endif
