#ifndef QB_IMPORT_JSON_FIELDS_H
#define QB_IMPORT_JSON_FIELDS_H
// Typed, bounded reading of the fields of another tool's JSON. A missing or
// null field gives its fallback, as those tools' own defaults do; a field of
// the wrong type, out of range or too long is a damaged file. The first such
// problem is kept with where it was met, and every later read gives its
// fallback, so that a reader runs to its end and then refuses the file once.
#include <QtCore/QJsonArray>
#include <QtCore/QJsonObject>
#include <QtCore/QJsonValue>
#include <QtCore/QPointF>
#include <QtCore/QString>
#include <QtCore/QStringList>

class json_fields
{
public:
    bool failed() const { return !error_.isEmpty(); }
    // "shape 3: \"shape.width\" is not a number", or empty.
    const QString& error() const { return error_; }
    // Keeps the first problem only.
    void fail(const QString& where, const QString& what);

    double number(const QJsonObject& object, const char* key, double fallback, double low, double high,
                  const QString& where);
    double number(const QJsonValue& value, double fallback, double low, double high, const QString& where,
                  const QString& what);
    bool boolean(const QJsonObject& object, const char* key, bool fallback, const QString& where);
    QString string(const QJsonObject& object, const char* key, const QString& fallback, int maxChars,
                   const QString& where);
    QString string(const QJsonValue& value, int maxChars, const QString& where, const QString& what);
    // A missing or null array is empty.
    QJsonArray array(const QJsonObject& object, const char* key, int maxItems, const QString& where);
    QJsonArray array(const QJsonValue& value, int maxItems, const QString& where, const QString& what);
    QJsonObject object(const QJsonValue& value, const QString& where, const QString& what);
    // A list of strings; null entries are skipped.
    QStringList strings(const QJsonObject& object, const char* key, int maxItems, int maxChars,
                        const QString& where);
    // [x, y], each within the coordinate limit.
    QPointF point(const QJsonValue& value, const QString& where, const QString& what);

private:
    QString error_;
};

// `"key"`, as the messages name a field.
QString quoted_key(const char* key);
#endif
