#include "model/broken_buttons.h"

#include <QtCore/QCoreApplication>

QList<broken_button> find_broken(const QList<buttonRecord>& buttons)
{
    QList<broken_button> out;
    for (int i = 0; i < buttons.size(); ++i) {
        const buttonRecord& b = buttons.at(i);
        if (b.kind != kSelectionButton || !b.broken())
            continue;
        broken_button e;
        e.index = i;
        e.label = b.label;
        e.missing = b.names_with(kNodeMissing);
        e.ambiguous = b.names_with(kNodeAmbiguous);
        out << e;
    }
    return out;
}

QStringList broken_lines(const broken_button& button)
{
    QStringList lines;
    if (!button.missing.isEmpty())
        lines << QCoreApplication::translate("picker_view", "Missing: %1").arg(button.missing.join(QStringLiteral(", ")));
    if (!button.ambiguous.isEmpty())
        lines << QCoreApplication::translate("picker_view", "Ambiguous: %1")
                     .arg(button.ambiguous.join(QStringLiteral(", ")));
    return lines;
}

QString broken_report_line(const broken_button& button)
{
    const QString label = button.label.isEmpty() ? QStringLiteral("(no label)") : button.label;
    return QStringLiteral("%1 %2: %3").arg(button.index).arg(label, broken_lines(button).join(QStringLiteral("; ")));
}
