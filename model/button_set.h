#ifndef QB_MODEL_BUTTON_SET_H
#define QB_MODEL_BUTTON_SET_H
#include <QtCore/QSet>
#include <QtCore/QString>
#include <QtCore/QStringList>
#include <QtCore/QVector>

struct buttonRecord;

// An ordered, duplicate-free set of host node names, in insertion order.
// Comparisons are exact; a hash index keeps contains() constant-time so that
// conforming large pickers to large host selections stays fast.
class button_set
{
public:
    static button_set fromStringList(const QStringList& list);

    void add_button(const buttonRecord& button);
    void remove_button(const buttonRecord& button);
    // Appends name unless present; true when added.
    bool add(const QString& name);
    void removeOne(const QString& name);
    bool contains(const QString& name) const { return index_.contains(name); }
    // " a b ...": a blank before each element, ready to follow a MEL command word.
    void appendAllToString(QString* out) const;

    int size() const { return names_.size(); }
    bool isEmpty() const { return names_.isEmpty(); }
    const QVector<QString>& names() const { return names_; }

private:
    QVector<QString> names_;
    QSet<QString> index_;
};
#endif
