#include "failure_seams.h"

namespace qbhost {

void FailureSeams::arm(const QString& operation, MStatus::MStatusCode code, int count)
{
    failures_.insert(operation, Failure{code, count});
}

MStatus FailureSeams::take(const QString& operation, const QString& detail)
{
    // Nothing armed is the common case, and the API asks on every call.
    if (failures_.isEmpty())
        return MS::kSuccess;
    for (const QString& key : {operation + QLatin1Char(':') + detail, operation}) {
        if (key.endsWith(QLatin1Char(':')))
            continue;
        auto it = failures_.find(key);
        if (it != failures_.end() && it->count > 0) {
            const MStatus::MStatusCode code = it->code;
            if (--it->count == 0)
                failures_.erase(it);
            return MStatus(code);
        }
    }
    return MS::kSuccess;
}

} // namespace qbhost
