#ifndef QB_MODEL_BROKEN_BUTTONS_H
#define QB_MODEL_BROKEN_BUTTONS_H
// The selection buttons of a picker some of whose names name no node or
// more than one, as the installed node names resolve them: what the Check
// Picker report and `qbx check --scene` list, and what a tooltip says.
#include "model/buttonRecord.h"

#include <QtCore/QList>
#include <QtCore/QStringList>

struct broken_button {
    int index = -1; // in the picker's list
    QString label;
    QStringList missing;
    QStringList ambiguous;
};

QList<broken_button> find_broken(const QList<buttonRecord>& buttons);
// "Missing: a, b" and "Ambiguous: c", one line each (those that apply).
QStringList broken_lines(const broken_button& button);
// One line for a report: index, label and the names.
QString broken_report_line(const broken_button& button);
#endif
