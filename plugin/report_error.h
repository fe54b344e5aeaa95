#ifndef QB_PLUGIN_REPORT_ERROR_H
#define QB_PLUGIN_REPORT_ERROR_H
#include <maya/MStatus.h>

// Shows "QuillbrookPicker - message: host error text " in the host's error
// display when status is a failure; does nothing on success.
void report_error(MStatus const& status, char const* message);
#endif
