#ifndef QB_SANDBOX_MEL_STRING_H
#define QB_SANDBOX_MEL_STRING_H
#include <QtCore/QString>

// A MEL string literal holding exactly the given text: file paths and plug-in
// names typed by the user reach MEL only this way, so that no quote,
// backslash or newline in them can end the string or start a statement.
QString mel_string(const QString& text);
#endif
