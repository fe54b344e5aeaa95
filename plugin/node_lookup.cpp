#include "plugin/node_lookup.h"

#include <maya/MDagPath.h>
#include <maya/MFnDagNode.h>
#include <maya/MFnDependencyNode.h>
#include <maya/MQtUtil.h>
#include <maya/MSelectionList.h>
#include <maya/MString.h>

namespace {

bool is_pattern(const QString& name)
{
    return name.contains(QLatin1Char('*')) || name.contains(QLatin1Char('?'))
           || name.contains(QLatin1Char('.')) || name.contains(QLatin1Char('['));
}

// Whether a node at fullPath is one the exact name (a name, a partial or a
// full path) names.
bool fits(const QString& name, const QString& fullPath)
{
    if (name.startsWith(QLatin1Char('|')))
        return fullPath == name;
    return fullPath == name || fullPath.endsWith(QLatin1Char('|') + name);
}

} // namespace

QString full_path_of(const MObject& node)
{
    MObject object = node;
    MStatus status;
    MFnDagNode dag(object, &status);
    if (status)
        return MQtUtil::toQString(dag.fullPathName());
    MFnDependencyNode dep(object, &status);
    return status ? MQtUtil::toQString(dep.name()) : QString();
}

QString host_name_of(const MObject& node)
{
    MObject object = node;
    MStatus status;
    MFnDagNode dag(object, &status);
    if (status)
        return MQtUtil::toQString(dag.partialPathName());
    MFnDependencyNode dep(object, &status);
    return status ? MQtUtil::toQString(dep.name()) : QString();
}

node_lookup find_node(const QString& name, MObject* node)
{
    node_lookup out;
    out.path = name;
    if (name.isEmpty()) {
        out.health = kNodeMissing;
        return out;
    }
    MSelectionList list;
    if (list.add(MQtUtil::toMString(name))) {
        // A pattern (or a component) stands for what it matches.
        if (list.length() != 1 || is_pattern(name))
            return out;
        MObject found;
        if (!list.getDependNode(0, found))
            return out;
        out.path = host_name_of(found);
        if (node)
            *node = found;
        return out;
    }
    out.health = kNodeMissing;
    if (is_pattern(name))
        return out;
    // The same name as a pattern, its last character any: every node the
    // name fits is among the matches.
    QString pattern = name;
    pattern[pattern.size() - 1] = QLatin1Char('?');
    MSelectionList similar;
    if (!similar.add(MQtUtil::toMString(pattern)))
        return out;
    for (unsigned int i = 0; i < similar.length(); ++i) {
        MObject candidate;
        if (similar.getDependNode(i, candidate) && fits(name, full_path_of(candidate)))
            out.candidates << host_name_of(candidate);
    }
    if (out.candidates.size() > 1)
        out.health = kNodeAmbiguous;
    else
        out.candidates.clear();
    return out;
}
