#ifndef QB_TOOLS_QBX_SCENE_H
#define QB_TOOLS_QBX_SCENE_H
// A Maya ASCII scene read and written by the stand-in host, used as a
// library: the picker nodes of a rig, and a picker stored into one.
#include "model/rig_picker.h"
#include <QtCore/QList>
#include <QtCore/QString>

namespace qbx {

// Opens the scene into the stand-in host; false with why when the host
// cannot read it whole.
bool open_scene(const QString& path, QString* error);
// The open scene's picker nodes; false with why when the host's answer
// does not read.
bool scene_picker_nodes(QList<rig_picker_node>* nodes, QString* error);
// Runs MEL in the host; false with the host's errors.
bool run_scene_mel(const QString& text, QString* error);
// Writes the open scene as Maya ASCII to path.
bool save_scene_as(const QString& path, QString* error);

} // namespace qbx
#endif
