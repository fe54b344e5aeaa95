#include <maya/MStatus.h>
#include <qbhost/host_session.h>
#include <cstdio>

MStatus::MStatus() : code_(kSuccess) {}
MStatus::MStatus(MStatusCode code) : code_(code) {}
MStatus::MStatus(const MStatus& other) = default;
MStatus& MStatus::operator=(const MStatus& other) = default;

bool MStatus::operator==(const MStatus& other) const { return code_ == other.code_; }
bool MStatus::operator==(MStatusCode code) const { return code_ == code; }
bool MStatus::operator!=(const MStatus& other) const { return code_ != other.code_; }
bool MStatus::operator!=(MStatusCode code) const { return code_ != code; }
MStatus::operator bool() const { return code_ == kSuccess; }
MStatus::MStatusCode MStatus::statusCode() const { return code_; }

MString MStatus::errorString() const
{
    switch (code_) {
    case kSuccess: return "(kSuccess): No Error";
    case kFailure: return "(kFailure): Unexpected Internal Failure";
    case kInsufficientMemory: return "(kInsufficientMemory): Insufficient Memory";
    case kInvalidParameter: return "(kInvalidParameter): Object is incompatible with this method";
    case kLicenseFailure: return "(kLicenseFailure): License Failure";
    case kUnknownParameter: return "(kUnknownParameter): Unknown Parameter";
    case kNotImplemented: return "(kNotImplemented): Not Implemented";
    case kNotFound: return "(kNotFound): Not Found";
    case kEndOfFile: return "(kEndOfFile): End of File";
    }
    return "(kFailure): Unexpected Internal Failure";
}

void MStatus::perror(const char* message) const
{
    if (code_ == kSuccess)
        return;
    QString text = QString::fromUtf8(message ? message : "") + QStringLiteral(": ")
                   + QString::fromUtf8(errorString().asChar());
    qbhost::HostSession::instance().logError(text);
}
