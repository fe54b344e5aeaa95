#ifndef QB_MODEL_MEL_TEXT_H
#define QB_MODEL_MEL_TEXT_H
#include <QtCore/QString>
#include <QtCore/QStringList>

// Building MEL text from data safely: whatever a name read from a file or
// the scene holds, it reaches the host as exactly the one string it is and
// can never end a string literal or start a statement.

// The content of a MEL string literal (between the quotes), with MEL's
// escapes for backslash, double quote, newline, tab and carriage return.
QString mel_escape(const QString& text);
// A complete double-quoted MEL string literal.
QString mel_quote(const QString& text);
// True for non-empty text made of letters, digits and underscores only.
bool is_plain_identifier(const QString& text);
// True for non-empty text that is valid host node-name text: letters,
// digits, '_', ':', '|', '.', '[', ']', '*' and '-'. Such names may stand
// bare after a MEL command word.
bool is_node_name_text(const QString& text);
// The reverse of mel_quote for a run of quoted literals separated by
// blanks ("a" "b\n"). False, with out untouched, for any other text.
bool mel_unquote_list(const QString& text, QStringList* out);
// A node name as one MEL command argument: bare when it is node-name text,
// otherwise quoted and escaped.
QString mel_node_argument(const QString& name);
#endif
