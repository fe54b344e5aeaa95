#ifndef QB_SANDBOX_SHORT_TEXT_H
#define QB_SANDBOX_SHORT_TEXT_H
#include <QtCore/QString>

// Long texts (a whole picker stored as one fileInfo line is megabytes) are
// shown and dumped shortened, always marked so that nobody mistakes the
// shortened text for the value.

// The text itself when it has at most keep characters; otherwise its first
// keep characters (one fewer rather than half a surrogate pair) followed by
// "…(N characters)", N being the length of the whole text.
QString shortened(const QString& text, int keep);

#endif
