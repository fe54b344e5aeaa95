#ifndef QBHOST_MEL_VALUE_H
#define QBHOST_MEL_VALUE_H
// MEL values: int, float, string and their arrays, with MEL's conversions.
// Strings and arrays are Qt's implicitly shared containers, so passing a
// multi-megabyte value around costs a reference count, not a copy.

#include <QtCore/QString>
#include <QtCore/QStringList>
#include <QtCore/QVector>

#include <memory>
#include <variant>

namespace qbhost {
namespace mel {

// The order matches the alternatives of Value's variant.
enum class Type { Int, Float, String, IntArray, FloatArray, StringArray };

QString typeName(Type type);
bool isArrayType(Type type);
Type elementType(Type arrayType);
Type arrayTypeOf(Type scalarType);

// The largest array a script may grow to: an index past this is an error,
// not an attempt to allocate gigabytes.
constexpr int kMaxArraySize = 1 << 24;

class Value
{
public:
    Value() : v_(QString()) {}
    static Value fromInt(int i) { return Value(Storage(std::in_place_index<0>, i)); }
    static Value fromFloat(double f) { return Value(Storage(std::in_place_index<1>, f)); }
    static Value fromString(const QString& s) { return Value(Storage(std::in_place_index<2>, s)); }
    static Value fromIntArray(const QVector<int>& a) { return Value(Storage(std::in_place_index<3>, a)); }
    static Value fromFloatArray(const QVector<double>& a) { return Value(Storage(std::in_place_index<4>, a)); }
    static Value fromStringArray(const QStringList& a) { return Value(Storage(std::in_place_index<5>, a)); }
    static Value defaultOf(Type type);

    Type type() const { return static_cast<Type>(v_.index()); }
    bool isArray() const { return isArrayType(type()); }
    bool isString() const { return type() == Type::String; }
    bool isNumber() const { return type() == Type::Int || type() == Type::Float; }

    // Scalar conversions as MEL does them; an array gives its default.
    int toInt() const;
    double toFloat() const;
    QString toString() const;
    // Any value as a list of strings: a scalar is one element.
    QStringList toStringList() const;
    // The text a command result shows: array elements joined by blanks.
    QString displayText() const;

    // Converted to type; false (and out untouched) when MEL refuses, that is
    // between a scalar and an array.
    bool convertTo(Type type, Value* out) const;

    int arraySize() const;
    // An element, or the element type's default past the end.
    Value element(int index) const;
    // Sets an element, growing the array with default values; the value is
    // converted to the element type. index must be within [0, kMaxArraySize).
    void setElement(int index, const Value& value);

    // Direct access for the built-in commands.
    const QString& stringRef() const { return std::get<2>(v_); }
    QString& stringRef() { return std::get<2>(v_); }
    const QStringList& stringArrayRef() const { return std::get<5>(v_); }
    QStringList& stringArrayRef() { return std::get<5>(v_); }

private:
    using Storage = std::variant<int, double, QString, QVector<int>, QVector<double>, QStringList>;
    explicit Value(Storage s) : v_(std::move(s)) {}
    Storage v_;
};

// MEL's number texts.
QString formatFloat(double f);
// Leading numeric prefix of a string, as MEL reads "12abc" as 12.
int stringToInt(const QString& s);
double stringToFloat(const QString& s);
// True when the string reads as a float rather than an int ("1.5", "2e3").
bool stringLooksFloat(const QString& s);

// Float to int as MEL does: truncation, clamped to the int range.
int truncateToInt(double f);

// A variable: its declared type is fixed, its value always of that type.
struct Variable {
    Type type;
    Value value;
};
using VarRef = std::shared_ptr<Variable>;

} // namespace mel
} // namespace qbhost
#endif
