#include "sandbox/short_text.h"

QString shortened(const QString& text, int keep)
{
    if (keep < 0)
        keep = 0;
    if (text.size() <= keep)
        return text;
    int cut = keep;
    if (cut > 0 && text.at(cut - 1).isHighSurrogate())
        --cut;
    return text.left(cut) + QStringLiteral("\u2026(%1 characters)").arg(text.size());
}

