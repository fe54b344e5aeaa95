#ifndef QB_IMPORT_IMPORT_REPORT_H
#define QB_IMPORT_IMPORT_REPORT_H
// What an import could not bring over: one entry per kind of item (a fixed
// text such as "round buttons shown as squares"), with how many items and the
// first few of them, in the order the kinds were first met.
#include <QtCore/QHash>
#include <QtCore/QString>
#include <QtCore/QStringList>
#include <QtCore/QVector>

class import_report
{
public:
    // Items named beyond this many per kind are only counted.
    static constexpr int kItemsKept = 3;

    // One more item of a kind; item names what it is (a label, a node, "#12").
    void add(const QString& kind, const QString& item);
    void merge(const import_report& other);

    bool isEmpty() const { return entries_.isEmpty(); }
    int kinds() const { return entries_.size(); }
    // How many items of a kind were added; 0 for a kind never met.
    int count(const QString& kind) const;
    // The first items of a kind, as given to add.
    QStringList items(const QString& kind) const;
    // One line per kind: `kind (N): "a", "b", "c", ...`.
    QStringList lines() const;

private:
    struct entry {
        QString kind;
        int count = 0;
        QStringList first;
    };
    entry& slot(const QString& kind);

    QVector<entry> entries_;
    QHash<QString, int> index_;
};
#endif
