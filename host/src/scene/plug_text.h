#ifndef QBHOST_PLUG_TEXT_H
#define QBHOST_PLUG_TEXT_H
// Plug values and attribute definitions written as the statements a Maya
// ASCII file holds (setAttr, addAttr), and numbers as MEL reads them back
// unchanged.
#include "attribute_store.h"

#include <QtCore/QString>

namespace qbhost {

// The shortest text that reads back as the same double.
QString formatNumber(double value);
// `setAttr ... "<plug>" <value>;` for a plug's whole state; plug is written
// as given (".translate" or "node.translate").
QString setAttrStatement(const QString& plug, const PlugState& state, const AttrDef* holder);
// `addAttr ...;` for a dynamic attribute of a node; parent: the long name
// of its compound, if any.
QString addAttrStatement(const AttrDef& def, const QString& parent);

} // namespace qbhost
#endif
