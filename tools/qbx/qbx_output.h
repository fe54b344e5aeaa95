#ifndef QB_TOOLS_QBX_OUTPUT_H
#define QB_TOOLS_QBX_OUTPUT_H
// How qbx answers: results on standard output, and every failure or warning
// as exactly one line on standard error, so that scripts can rely on both.
#include <QtCore/QByteArray>
#include <QtCore/QString>

namespace qbx {

// Exit statuses.
constexpr int kExitOk = 0;
constexpr int kExitProblems = 1; // done, but the plug-in would drop or misread part of the file
constexpr int kExitError = 2;    // nothing done, nothing written

// Prints "qbx: " and the message as one line; returns kExitError.
int fail(const QString& message);
// Prints "qbx: warning: " and the message as one line.
void warn(const QString& message);
// The message with line breaks and other control characters escaped.
QString one_line(const QString& message);
// Writes to standard output; false (and a failure line printed) when the
// bytes could not all be written.
bool write_stdout(const QByteArray& bytes);

} // namespace qbx
#endif
