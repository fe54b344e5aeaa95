#ifndef QBHOST_HOST_ACCESS_H
#define QBHOST_HOST_ACCESS_H
// Runtime-internal access to the private parts of the API value classes.
#include <maya/MArgList.h>
#include <maya/MDagPath.h>
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
    static unsigned long long nodeId(const MObject& object) { return object.node_; }
    static MObject nodeObject(unsigned long long id)
    {
        MObject o;
        o.node_ = id;
        return o;
    }
    static std::vector<unsigned long long>& nodes(MDagPath& path) { return path.nodes_; }
    static const std::vector<unsigned long long>& nodes(const MDagPath& path) { return path.nodes_; }
    static std::vector<unsigned long long>& nodeIds(MSelectionList& list) { return list.nodes_; }
    static const std::vector<unsigned long long>& nodeIds(const MSelectionList& list) { return list.nodes_; }
    static void setPlug(MPlug& plug, unsigned long long node, const void* attribute)
    {
        plug.node_ = nodeObject(node);
        plug.attribute_ = attribute;
    }
    static unsigned long long plugNode(const MPlug& plug) { return plug.node_.node_; }
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
