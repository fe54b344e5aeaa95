#ifndef QB_MODEL_SIDE_RULES_H
#define QB_MODEL_SIDE_RULES_H
// Side rules: pairs of name parts that mark the two sides of a rig ("l_" and
// "r_"), and the mirrored form of a node name, a script or a label by them.
// A part's own form says where it is looked for:
//   ends with '_' ("l_")          at the start of a name
//   starts with '_' ("_l")        at the end, or before a '_'-separated suffix
//   starts and ends with '_'      anywhere
//   neither ("Left")              as a whole word (camel-case humps count)
// Letters match in any case and the partner takes the case of what matched
// (L_ gives R_, LEFT gives RIGHT); a part met exactly as written gives its
// partner exactly as written. Every part found is swapped, on both sides.
#include <QtCore/QList>
#include <QtCore/QPair>
#include <QtCore/QString>

using side_pair = QPair<QString, QString>; // the left side's part, the right side's
using side_pairs = QList<side_pair>;

class side_rules
{
public:
    // The default rules.
    side_rules();
    // The pairs check_pair accepts; others are left out.
    explicit side_rules(const side_pairs& pairs);

    static side_pairs default_pairs();
    // Why the pair cannot be a rule; empty when it can.
    static QString check_pair(const QString& left, const QString& right);

    const side_pairs& pairs() const { return pairs_; }

    // A node name: every DAG path element, after its namespace and up to an
    // attribute ('.'), is mirrored; namespaces and attributes stay as they are.
    QString mirror_name(const QString& name) const;
    // Every name of a script, found as the namespace rewrite finds them.
    QString mirror_script(const QString& script) const;
    // A label, whole, with blanks standing for '_' ("L arm" gives "R arm").
    QString mirror_label(const QString& label) const;

    // What a reader or the dialog accepts.
    static constexpr int kMaxPairs = 256;
    static constexpr int kMaxPartLength = 64;

private:
    enum class form { prefix, suffix, infix, word };
    struct part {
        QString text;
        form where;
        int partner; // index in parts_
    };
    static form form_of(const QString& text);
    QString mirror_element(const QString& element, bool label) const;
    int match_at(const QString& s, int at, bool label, int* length) const;

    side_pairs pairs_;
    QList<part> parts_; // both sides of every pair
};
#endif
