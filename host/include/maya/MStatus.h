#ifndef QB_STANDIN_MSTATUS_H
#define QB_STANDIN_MSTATUS_H
#include <maya/MTypes.h>

class OPENMAYA_EXPORT MStatus
{
public:
    enum MStatusCode {
        kSuccess = 0,
        kFailure,
        kInsufficientMemory,
        kInvalidParameter,
        kLicenseFailure,
        kUnknownParameter,
        kNotImplemented,
        kNotFound,
        kEndOfFile
    };

    MStatus();
    MStatus(MStatusCode code);
    MStatus(const MStatus& other);
    MStatus& operator=(const MStatus& other);

    bool operator==(const MStatus& other) const;
    bool operator==(MStatusCode code) const;
    bool operator!=(const MStatus& other) const;
    bool operator!=(MStatusCode code) const;
    operator bool() const;

    MStatusCode statusCode() const;
    MString errorString() const;
    void perror(const char* message) const;

private:
    MStatusCode code_;
};

#ifndef MNoMSTypedef
typedef MStatus MS;
#endif
#endif
