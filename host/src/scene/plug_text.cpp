#include "plug_text.h"

#include "../mel/mel_lexer.h"

#include <QtCore/QLocale>

#include <cmath>

namespace qbhost {

QString formatNumber(double value)
{
    if (std::isnan(value))
        return QStringLiteral("nan");
    if (std::isinf(value))
        return value > 0 ? QStringLiteral("inf") : QStringLiteral("-inf");
    if (value == std::floor(value) && std::fabs(value) < 1e15)
        return QString::number(static_cast<qint64>(value));
    return QString::number(value, 'g', QLocale::FloatingPointShortest);
}

namespace {

const char* onOff(qint8 v)
{
    return v ? "on" : "off";
}

QString numbersText(const PlugValue& v, const AttrDef* holder)
{
    QString out;
    const bool boolean = holder && holder->type == AttrType::Bool && v.numbers.size() == 1;
    for (int i = 0; i < v.numbers.size(); ++i) {
        if (i)
            out += QLatin1Char(' ');
        if (boolean)
            out += v.numbers[i] != 0 ? QLatin1String("yes") : QLatin1String("no");
        else
            out += formatNumber(v.numbers[i]);
    }
    return out;
}

} // namespace

QString setAttrStatement(const QString& plug, const PlugState& state, const AttrDef* holder)
{
    QString out = QStringLiteral("setAttr");
    if (state.size >= 0)
        out += QStringLiteral(" -s %1").arg(state.size);
    if (state.keyable >= 0)
        out += QStringLiteral(" -k ") + QLatin1String(onOff(state.keyable));
    if (state.channelBox >= 0)
        out += QStringLiteral(" -cb ") + QLatin1String(onOff(state.channelBox));
    if (state.locked >= 0)
        out += QStringLiteral(" -l ") + QLatin1String(onOff(state.locked));
    out += QLatin1Char(' ');
    mel::appendQuoted(out, plug);
    const PlugValue& v = state.value;
    QString dataType = v.dataType;
    if (v.kind == PlugValue::Numbers && dataType.isEmpty() && holder && holder->type == AttrType::NumericCompound)
        dataType = holder->typeName;
    if (v.kind == PlugValue::Text && dataType.isEmpty())
        dataType = QStringLiteral("string");
    if (v.kind != PlugValue::None && !dataType.isEmpty()) {
        out += QStringLiteral(" -type ");
        mel::appendQuoted(out, dataType);
    }
    switch (v.kind) {
    case PlugValue::None:
        break;
    case PlugValue::Numbers:
        out += QLatin1Char(' ') + numbersText(v, holder);
        break;
    case PlugValue::Text:
        out += QLatin1Char(' ');
        mel::appendQuoted(out, v.text);
        break;
    case PlugValue::Raw:
        if (!v.text.isEmpty())
            out += QLatin1Char(' ') + v.text;
        break;
    }
    out += QLatin1Char(';');
    return out;
}

QString addAttrStatement(const AttrDef& def, const QString& parent)
{
    QString out = QStringLiteral("addAttr");
    if (def.keyable)
        out += QStringLiteral(" -k true");
    if (def.hidden)
        out += QStringLiteral(" -h true");
    if (def.multi)
        out += QStringLiteral(" -m");
    if (!def.shortName.isEmpty()) {
        out += QStringLiteral(" -sn ");
        mel::appendQuoted(out, def.shortName);
    }
    out += QStringLiteral(" -ln ");
    mel::appendQuoted(out, def.longName);
    if (!def.niceName.isEmpty()) {
        out += QStringLiteral(" -nn ");
        mel::appendQuoted(out, def.niceName);
    }
    if (def.type == AttrType::Typed) {
        out += QStringLiteral(" -dt ");
        mel::appendQuoted(out, def.typeName);
    } else {
        if (def.type == AttrType::Compound)
            out += QStringLiteral(" -nc %1").arg(def.children.size());
        if (def.hasMin)
            out += QStringLiteral(" -min ") + formatNumber(def.minValue);
        if (def.hasMax)
            out += QStringLiteral(" -max ") + formatNumber(def.maxValue);
        if (def.hasSoftMin)
            out += QStringLiteral(" -smn ") + formatNumber(def.softMin);
        if (def.hasSoftMax)
            out += QStringLiteral(" -smx ") + formatNumber(def.softMax);
        if (def.hasDefault)
            out += QStringLiteral(" -dv ") + formatNumber(def.defaultValue);
        if (def.type == AttrType::Enum) {
            out += QStringLiteral(" -en ");
            mel::appendQuoted(out, def.enumNames);
        }
        out += QStringLiteral(" -at ");
        mel::appendQuoted(out, def.typeName);
    }
    if (!parent.isEmpty()) {
        out += QStringLiteral(" -p ");
        mel::appendQuoted(out, parent);
    }
    out += QLatin1Char(';');
    return out;
}

} // namespace qbhost
