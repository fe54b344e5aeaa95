#ifndef QB_MODEL_NAMESPACE_REWRITE_H
#define QB_MODEL_NAMESPACE_REWRITE_H
// Rewriting a picker's node names from one set of namespaces to another:
// the chooser dialog and the qbx tool share these rules.
#include "model/buttonAttributes.h"
#include <QtCore/QList>
#include <QtCore/QPair>
#include <QtCore/QString>
#include <QtCore/QStringList>
#include <functional>

// Parallel lists of prefixes ("hero:" to "villain:"), in row order.
struct namespace_mapping {
    QStringList from;
    QStringList to;
    bool isEmpty() const { return from.isEmpty(); }
};

// From (namespace in use, namespace chosen) rows: a colon is appended to
// both unless present (an empty choice stays empty: it removes the
// namespace; the root ":" stays ":"); rows that change nothing are left out.
namespace_mapping make_namespace_mapping(const QList<QPair<QString, QString>>& rows);

// A selection-button node name: the pairs are tried from the last to the
// first; a name without any colon takes the target of a root (":") pair in
// front; otherwise a name starting with a pair's prefix has it replaced.
QString rewrite_node_name(const QString& name, const namespace_mapping& mapping);

// A script: every maximal run of letters, digits, '_', ':' and '.' is
// rewritten at its start with the first matching pair from the last; the
// root rule does not apply. Everything else is copied unchanged.
QString rewrite_script(const QString& script, const namespace_mapping& mapping);

// The token rule of scripts, for other rewrites of names in scripts (the
// side rules): every maximal run of letters, digits, '_', ':' and '.' is
// replaced by what rewrite gives for it; everything else is copied.
QString rewrite_script_tokens(const QString& script, const std::function<QString(const QString&)>& rewrite);

// One button in place, by its kind.
void rewrite_button(buttonAttributes& button, const namespace_mapping& mapping);
#endif
