#ifndef QBHOST_FAILURE_SEAMS_H
#define QBHOST_FAILURE_SEAMS_H
// Failures armed by tests for the next calls of an API operation.
#include <maya/MStatus.h>

#include <QtCore/QHash>
#include <QtCore/QString>

namespace qbhost {

class FailureSeams
{
public:
    void arm(const QString& operation, MStatus::MStatusCode code, int count);
    // Consumes an armed failure of "operation:detail", else of operation.
    MStatus take(const QString& operation, const QString& detail);
    void clear() { failures_.clear(); }

private:
    struct Failure {
        MStatus::MStatusCode code = MStatus::kFailure;
        int count = 0;
    };
    QHash<QString, Failure> failures_;
};

} // namespace qbhost
#endif
