// The host port's side of node resolution: names looked up through
// selection lists, nodes kept by handle, and the scene messages that tell
// the resolver what changed.
#include "plugin/maya_host_port.h"
#include "plugin/node_lookup.h"
#include "plugin/report_error.h"
#include "document/node_resolver.h"

#include <maya/MDGMessage.h>
#include <maya/MDagMessage.h>
#include <maya/MDagPath.h>
#include <maya/MFnDagNode.h>
#include <maya/MFnDependencyNode.h>
#include <maya/MNodeMessage.h>
#include <maya/MQtUtil.h>
#include <maya/MSceneMessage.h>
#include <maya/MString.h>

quint64 maya_host_port::key_of(const MObject& node)
{
    const MObjectHandle handle(node);
    const unsigned int hash = handle.hashCode();
    for (auto it = byHash_.constFind(hash); it != byHash_.constEnd() && it.key() == hash; ++it)
        if (nodes_[size_t(it.value() - 1)] == node)
            return it.value();
    nodes_.push_back(handle);
    const quint64 key = quint64(nodes_.size());
    byHash_.insert(hash, key);
    return key;
}

node_lookup maya_host_port::lookup_node(const QString& name)
{
    MObject node;
    node_lookup found = find_node(name, &node);
    if (found.health == kNodeFound && !node.isNull())
        found.node = key_of(node);
    return found;
}

QString maya_host_port::node_full_path(quint64 key)
{
    if (key == 0 || key > nodes_.size() || !nodes_[size_t(key - 1)].isValid())
        return QString();
    return full_path_of(nodes_[size_t(key - 1)].object());
}

QString maya_host_port::node_path(quint64 key)
{
    if (key == 0 || key > nodes_.size() || !nodes_[size_t(key - 1)].isValid())
        return QString();
    return host_name_of(nodes_[size_t(key - 1)].object());
}

namespace {

void nodes_changed(MObject&, void*)
{
    node_resolver::instance().scene_changed();
}

void scene_changed(void*)
{
    node_resolver::instance().scene_changed();
}

void scene_replaced(void*)
{
    node_resolver::instance().reset();
}

void name_changed(MObject& node, const MString&, void*)
{
    node_resolver::instance().node_moved(full_path_of(node));
}

void parent_added(MDagPath& child, MDagPath&, void*)
{
    MStatus status;
    const MString path = child.fullPathName(&status);
    if (status)
        node_resolver::instance().node_moved(MQtUtil::toQString(path));
    else
        node_resolver::instance().scene_changed();
}

void parent_removed(MDagPath&, MDagPath&, void*)
{
    node_resolver::instance().scene_changed();
}

} // namespace

MStatus maya_host_port::listen()
{
    if (listening())
        return MS::kSuccess;
    MStatus first = MS::kSuccess;
    auto keep = [&](MCallbackId id, const MStatus& status, const char* message) {
        if (status)
            callbacks_.push_back(id);
        else if (first) {
            report_error(status, message);
            first = status;
        }
    };
    MStatus status;
    MCallbackId id = MDGMessage::addNodeAddedCallback(nodes_changed, kDefaultNodeType, nullptr, &status);
    keep(id, status, "could not install the node added callback");
    id = MDGMessage::addNodeRemovedCallback(nodes_changed, kDefaultNodeType, nullptr, &status);
    keep(id, status, "could not install the node removed callback");
    id = MNodeMessage::addNameChangedCallback(MObject::kNullObj, name_changed, nullptr, &status);
    keep(id, status, "could not install the name changed callback");
    id = MDagMessage::addParentAddedCallback(parent_added, nullptr, &status);
    keep(id, status, "could not install the parent added callback");
    id = MDagMessage::addParentRemovedCallback(parent_removed, nullptr, &status);
    keep(id, status, "could not install the parent removed callback");
    const struct {
        MSceneMessage::Message message;
        MMessage::MBasicFunction function;
    } scene[] = {
        {MSceneMessage::kAfterNew, scene_replaced},
        {MSceneMessage::kAfterOpen, scene_replaced},
        {MSceneMessage::kAfterCreateReference, scene_changed},
        {MSceneMessage::kAfterLoadReference, scene_changed},
        {MSceneMessage::kAfterUnloadReference, scene_changed},
        {MSceneMessage::kAfterRemoveReference, scene_changed},
    };
    for (const auto& s : scene) {
        id = MSceneMessage::addCallback(s.message, s.function, nullptr, &status);
        keep(id, status, "could not install a reference callback");
    }
    return first;
}

void maya_host_port::stop_listening()
{
    for (MCallbackId id : callbacks_)
        report_error(MMessage::removeCallback(id), "could not remove a scene callback");
    callbacks_.clear();
    nodes_.clear();
    byHash_.clear();
}
