#ifndef QBHOST_NODE_HANDLES_H
#define QBHOST_NODE_HANDLES_H
// What an MPlug's attribute points at: one interned text per attribute
// name, kept for the session's life so that a plug never dangles (an
// MObject names its node by id).
#include "../scene/node_record.h"

#include <QtCore/QHash>
#include <QtCore/QString>

#include <memory>

namespace qbhost {

class NodeHandles
{
public:
    const void* intern(const QString& attribute);
    static QString text(const void* interned);

private:
    QHash<QString, std::shared_ptr<QString>> names_;
};

} // namespace qbhost
#endif
