#ifndef QB_WINDOW_SELECTION_SUMMARY_H
#define QB_WINDOW_SELECTION_SUMMARY_H
// What the fully selected buttons of a canvas have in common, for the
// toolbox to show.
#include "model/buttonRecord.h"
#include <QtCore/QList>
#include <QtCore/QSet>
#include <QtCore/QString>

struct selection_summary {
    QSet<QRgb> colors;
    QSet<int> sizes;
    QSet<QString> labels;
    QSet<QRgb> labelColors;
    // The first selected button in list order: when the selection mixes
    // values the toolbox shows this one's, the same every time.
    const buttonRecord* first = nullptr;

    static selection_summary collect(const QList<buttonRecord>& buttons);
    bool empty() const { return first == nullptr; }
    // The label all selected buttons share, or empty text.
    QString common_label() const;
};
#endif
