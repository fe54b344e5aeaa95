#include <maya/MPlug.h>
#include <maya/MString.h>
#include <qbhost/host_session.h>
#include "host_access.h"
#include "../scene/plug_key.h"
#include "../session/session_data.h"

#include <cmath>

namespace {

qbhost::SessionData& data()
{
    return qbhost::SessionAccess::data(qbhost::HostSession::instance());
}

const qbhost::NodeRecord* nodeOf(const MPlug& plug)
{
    qbhost::SessionData& d = data();
    const qbhost::NodeId id = QbHostAccess::plugNode(plug);
    return id ? d.scene.graph.node(id) : nullptr;
}

// The plug's number: what was set, else the attribute's default.
bool numberOf(const MPlug& plug, double* out)
{
    const qbhost::NodeRecord* node = nodeOf(plug);
    if (!node || !QbHostAccess::plugAttribute(plug))
        return false;
    const qbhost::PlugRef ref = qbhost::plugOf(*node, qbhost::NodeHandles::text(QbHostAccess::plugAttribute(plug)));
    if (!qbhost::plugExists(*node, ref))
        return false;
    const qbhost::PlugState* state = node->attributes.plug(ref.key);
    if (state && state->value.kind == qbhost::PlugValue::Numbers) {
        const int at = ref.element >= 0 ? ref.element : 0;
        if (at < state->value.numbers.size()) {
            *out = state->value.numbers[at];
            return true;
        }
    }
    if (!ref.def || !ref.def->isNumeric())
        return false;
    *out = ref.def->defaultValue;
    return true;
}

void report(MStatus* status, bool ok)
{
    if (status)
        *status = ok ? MS::kSuccess : MS::kFailure;
}

} // namespace

MPlug::MPlug() : attribute_(nullptr) {}
MPlug::MPlug(const MPlug& in) = default;
MPlug::~MPlug() = default;
MPlug& MPlug::operator=(const MPlug& other) = default;

MObject MPlug::node(MStatus* ReturnStatus) const
{
    report(ReturnStatus, !isNull());
    return node_;
}

MString MPlug::name(MStatus* ReturnStatus) const
{
    const qbhost::NodeRecord* n = nodeOf(*this);
    report(ReturnStatus, n != nullptr);
    if (!n)
        return MString();
    return qbhost::toMString(data().scene.graph.shortestPath(n->id) + QLatin1Char('.')
                             + qbhost::NodeHandles::text(attribute_));
}

MString MPlug::partialName(bool includeNodeName, bool, bool, bool, bool, bool useLongNames,
                           MStatus* ReturnStatus) const
{
    const qbhost::NodeRecord* n = nodeOf(*this);
    report(ReturnStatus, n != nullptr);
    if (!n)
        return MString();
    QString attribute = qbhost::NodeHandles::text(attribute_);
    // Short names unless long ones are asked for, as the host gives them.
    if (!useLongNames) {
        const qbhost::PlugRef ref = qbhost::plugOf(*n, attribute);
        if (ref.def && !ref.def->shortName.isEmpty())
            attribute = ref.def->shortName;
    }
    return qbhost::toMString(includeNodeName ? data().scene.graph.shortestPath(n->id) + QLatin1Char('.') + attribute
                                             : attribute);
}

bool MPlug::isNull(MStatus* ReturnStatus) const
{
    if (ReturnStatus)
        *ReturnStatus = MS::kSuccess;
    return attribute_ == nullptr || nodeOf(*this) == nullptr;
}

double MPlug::asDouble(MStatus* ReturnStatus) const
{
    double v = 0;
    report(ReturnStatus, numberOf(*this, &v));
    return v;
}

int MPlug::asInt(MStatus* ReturnStatus) const
{
    double v = 0;
    report(ReturnStatus, numberOf(*this, &v));
    return int(std::lround(v));
}

bool MPlug::asBool(MStatus* ReturnStatus) const
{
    double v = 0;
    report(ReturnStatus, numberOf(*this, &v));
    return v != 0;
}
