#ifndef QB_MODEL_NAMESPACE_SCAN_H
#define QB_MODEL_NAMESPACE_SCAN_H
// Finding the namespaces a picker's buttons use.
#include "model/buttonAttributes.h"
#include <QtCore/QString>
#include <QtCore/QStringList>

// The sort order of namespace lists: by lower-case form, UTF-16 code units.
bool compare_name(const QString& a, const QString& b);

// Adds the namespaces of one selection-button node name: the prefix before
// every colon outside square brackets (a:b:arm adds a:b and a).
void collect_name_namespaces(const QString& name, QStringList& out);

// Adds the namespaces named inside quoted strings of a script: a token with
// a colon after its first character adds the text before its last colon.
// Bare words and comments (// in MEL, # in Python) add nothing.
void collect_script_namespaces(const QString& script, qint32 language, QStringList& out);

// One button of either kind; other kinds, and command buttons whose node
// list is not exactly one script, add nothing. Nothing is added twice.
void collect_button_namespaces(const buttonAttributes& button, QStringList& out);
#endif
