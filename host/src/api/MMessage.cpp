#include <maya/MEventMessage.h>
#include <maya/MMessage.h>
#include <qbhost/host_session.h>
#include "host_access.h"

MStatus MMessage::removeCallback(MCallbackId id)
{
    return qbhost::HostSession::instance().removeCallback(id);
}

MCallbackId MEventMessage::addEventCallback(const MString& event, MMessage::MBasicFunction func,
                                            void* clientData, MStatus* ReturnStatus)
{
    return qbhost::HostSession::instance().addEventCallback(qbhost::toQString(event), func,
                                                            clientData, ReturnStatus);
}
