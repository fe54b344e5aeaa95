#include "mel_value.h"

#include <cmath>
#include <limits>

namespace qbhost {
namespace mel {

QString typeName(Type type)
{
    switch (type) {
    case Type::Int: return QStringLiteral("int");
    case Type::Float: return QStringLiteral("float");
    case Type::String: return QStringLiteral("string");
    case Type::IntArray: return QStringLiteral("int[]");
    case Type::FloatArray: return QStringLiteral("float[]");
    case Type::StringArray: return QStringLiteral("string[]");
    }
    return QString();
}

bool isArrayType(Type type)
{
    return type == Type::IntArray || type == Type::FloatArray || type == Type::StringArray;
}

Type elementType(Type arrayType)
{
    switch (arrayType) {
    case Type::IntArray: return Type::Int;
    case Type::FloatArray: return Type::Float;
    case Type::StringArray: return Type::String;
    default: return arrayType;
    }
}

Type arrayTypeOf(Type scalarType)
{
    switch (scalarType) {
    case Type::Int: return Type::IntArray;
    case Type::Float: return Type::FloatArray;
    case Type::String: return Type::StringArray;
    default: return scalarType;
    }
}

Value Value::defaultOf(Type type)
{
    switch (type) {
    case Type::Int: return fromInt(0);
    case Type::Float: return fromFloat(0.0);
    case Type::String: return fromString(QString());
    case Type::IntArray: return fromIntArray({});
    case Type::FloatArray: return fromFloatArray({});
    case Type::StringArray: return fromStringArray({});
    }
    return Value();
}

int truncateToInt(double f)
{
    if (std::isnan(f))
        return 0;
    if (f >= 2147483647.0)
        return std::numeric_limits<int>::max();
    if (f <= -2147483648.0)
        return std::numeric_limits<int>::min();
    return static_cast<int>(f);
}

QString formatFloat(double f)
{
    if (std::isnan(f))
        return QStringLiteral("nan");
    if (std::isinf(f))
        return f > 0 ? QStringLiteral("inf") : QStringLiteral("-inf");
    // Six decimals with the trailing zeros dropped, as MEL prints floats; a
    // value too small or too large for that keeps its magnitude in e-notation.
    const double a = std::fabs(f);
    if (a != 0.0 && (a < 1e-6 || a >= 1e16))
        return QString::number(f, 'g', 6);
    QString s = QString::number(f, 'f', 6);
    int end = s.size();
    while (end > 0 && s.at(end - 1) == QLatin1Char('0'))
        --end;
    if (end > 0 && s.at(end - 1) == QLatin1Char('.'))
        --end;
    s.truncate(end);
    if (s == QLatin1String("-0"))
        s = QStringLiteral("0");
    return s;
}

namespace {

// Length of the numeric prefix starting at i: [+-]digits[.digits][e[+-]digits].
int numericPrefix(const QString& s, int i, bool* sawFloat)
{
    const int start = i;
    const int n = s.size();
    if (i < n && (s.at(i) == QLatin1Char('+') || s.at(i) == QLatin1Char('-')))
        ++i;
    int digits = 0;
    while (i < n && s.at(i).isDigit() && s.at(i).unicode() < 128) {
        ++i;
        ++digits;
    }
    if (i < n && s.at(i) == QLatin1Char('.')) {
        int j = i + 1;
        int frac = 0;
        while (j < n && s.at(j).unicode() >= '0' && s.at(j).unicode() <= '9') {
            ++j;
            ++frac;
        }
        if (digits + frac > 0) {
            i = j;
            digits += frac;
            *sawFloat = true;
        }
    }
    if (digits == 0)
        return 0;
    if (i < n && (s.at(i) == QLatin1Char('e') || s.at(i) == QLatin1Char('E'))) {
        int j = i + 1;
        if (j < n && (s.at(j) == QLatin1Char('+') || s.at(j) == QLatin1Char('-')))
            ++j;
        int exp = 0;
        while (j < n && s.at(j).unicode() >= '0' && s.at(j).unicode() <= '9') {
            ++j;
            ++exp;
        }
        if (exp > 0) {
            i = j;
            *sawFloat = true;
        }
    }
    return i - start;
}

int skipBlanks(const QString& s)
{
    int i = 0;
    while (i < s.size() && s.at(i).isSpace())
        ++i;
    return i;
}

} // namespace

double stringToFloat(const QString& s)
{
    const int start = skipBlanks(s);
    bool sawFloat = false;
    const int len = numericPrefix(s, start, &sawFloat);
    if (len == 0)
        return 0.0;
    // QStringView::toDouble reads with the C locale whatever the process locale.
    return QStringView(s).mid(start, len).toDouble();
}

int stringToInt(const QString& s)
{
    const int start = skipBlanks(s);
    bool sawFloat = false;
    const int len = numericPrefix(s, start, &sawFloat);
    if (len == 0)
        return 0;
    if (sawFloat)
        return truncateToInt(QStringView(s).mid(start, len).toDouble());
    bool ok = false;
    const qlonglong v = QStringView(s).mid(start, len).toLongLong(&ok);
    if (!ok) // more digits than a 64-bit number holds
        return s.at(start) == QLatin1Char('-') ? std::numeric_limits<int>::min()
                                               : std::numeric_limits<int>::max();
    if (v > std::numeric_limits<int>::max())
        return std::numeric_limits<int>::max();
    if (v < std::numeric_limits<int>::min())
        return std::numeric_limits<int>::min();
    return static_cast<int>(v);
}

bool stringLooksFloat(const QString& s)
{
    bool sawFloat = false;
    numericPrefix(s, skipBlanks(s), &sawFloat);
    return sawFloat;
}

int Value::toInt() const
{
    switch (type()) {
    case Type::Int: return std::get<0>(v_);
    case Type::Float: return truncateToInt(std::get<1>(v_));
    case Type::String: return stringToInt(std::get<2>(v_));
    default: return 0;
    }
}

double Value::toFloat() const
{
    switch (type()) {
    case Type::Int: return std::get<0>(v_);
    case Type::Float: return std::get<1>(v_);
    case Type::String: return stringToFloat(std::get<2>(v_));
    default: return 0.0;
    }
}

QString Value::toString() const
{
    switch (type()) {
    case Type::Int: return QString::number(std::get<0>(v_));
    case Type::Float: return formatFloat(std::get<1>(v_));
    case Type::String: return std::get<2>(v_);
    default: return QString();
    }
}

QStringList Value::toStringList() const
{
    switch (type()) {
    case Type::StringArray: return std::get<5>(v_);
    case Type::IntArray: {
        QStringList out;
        out.reserve(std::get<3>(v_).size());
        for (int i : std::get<3>(v_))
            out << QString::number(i);
        return out;
    }
    case Type::FloatArray: {
        QStringList out;
        out.reserve(std::get<4>(v_).size());
        for (double f : std::get<4>(v_))
            out << formatFloat(f);
        return out;
    }
    default: return QStringList{toString()};
    }
}

QString Value::displayText() const
{
    return isArray() ? toStringList().join(QLatin1Char(' ')) : toString();
}

bool Value::convertTo(Type target, Value* out) const
{
    const Type from = type();
    if (from == target) {
        *out = *this;
        return true;
    }
    if (isArrayType(from) != isArrayType(target))
        return false;
    switch (target) {
    case Type::Int: *out = fromInt(toInt()); return true;
    case Type::Float: *out = fromFloat(toFloat()); return true;
    case Type::String: *out = fromString(toString()); return true;
    case Type::StringArray: *out = fromStringArray(toStringList()); return true;
    case Type::IntArray: {
        QVector<int> a;
        a.reserve(arraySize());
        for (int i = 0; i < arraySize(); ++i)
            a << element(i).toInt();
        *out = fromIntArray(a);
        return true;
    }
    case Type::FloatArray: {
        QVector<double> a;
        a.reserve(arraySize());
        for (int i = 0; i < arraySize(); ++i)
            a << element(i).toFloat();
        *out = fromFloatArray(a);
        return true;
    }
    }
    return false;
}

int Value::arraySize() const
{
    switch (type()) {
    case Type::IntArray: return std::get<3>(v_).size();
    case Type::FloatArray: return std::get<4>(v_).size();
    case Type::StringArray: return std::get<5>(v_).size();
    default: return 0;
    }
}

Value Value::element(int index) const
{
    const bool inside = index >= 0 && index < arraySize();
    switch (type()) {
    case Type::IntArray: return fromInt(inside ? std::get<3>(v_).at(index) : 0);
    case Type::FloatArray: return fromFloat(inside ? std::get<4>(v_).at(index) : 0.0);
    case Type::StringArray: return fromString(inside ? std::get<5>(v_).at(index) : QString());
    default: return Value();
    }
}

void Value::setElement(int index, const Value& value)
{
    if (index < 0 || index >= kMaxArraySize)
        return;
    switch (type()) {
    case Type::IntArray: {
        QVector<int>& a = std::get<3>(v_);
        if (index >= a.size())
            a.resize(index + 1);
        a[index] = value.toInt();
        break;
    }
    case Type::FloatArray: {
        QVector<double>& a = std::get<4>(v_);
        if (index >= a.size())
            a.resize(index + 1);
        a[index] = value.toFloat();
        break;
    }
    case Type::StringArray: {
        QStringList& a = std::get<5>(v_);
        if (index == a.size()) {
            a.append(value.toString());
        } else {
            if (index > a.size()) {
                a.reserve(index + 1);
                while (a.size() < index)
                    a.append(QString());
                a.append(value.toString());
            } else {
                a[index] = value.toString();
            }
        }
        break;
    }
    default: break;
    }
}

} // namespace mel
} // namespace qbhost
