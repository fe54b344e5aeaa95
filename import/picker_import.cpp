#include "import/picker_import.h"
#include "import/dwpicker_reader.h"
#include "import/import_limits.h"
#include "import/mgear_picker_reader.h"
#include <QtCore/QFile>
#include <QtCore/QFileInfo>
#include <QtCore/QJsonDocument>
#include <QtCore/QJsonObject>
#include <QtCore/QJsonParseError>

picker_import picker_import::read_bytes(const QByteArray& bytes, const image_lookup& lookup, Format format)
{
    picker_import result;
    if (bytes.size() > import_limits::kMaxFileBytes) {
        result.error = QStringLiteral("%1 bytes, more than the %2 an import reads")
                           .arg(bytes.size())
                           .arg(import_limits::kMaxFileBytes);
        return result;
    }
    if (bytes.trimmed().isEmpty()) {
        result.error = QStringLiteral("empty, not a picker");
        return result;
    }
    QJsonParseError parse;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &parse);
    if (parse.error != QJsonParseError::NoError) {
        result.error =
            QStringLiteral("not JSON (at offset %1: %2)").arg(parse.offset).arg(parse.errorString());
        return result;
    }
    if (!document.isObject()) {
        result.error = QStringLiteral("not a picker: its top level is not a JSON object");
        return result;
    }
    const QJsonObject root = document.object();
    if (format == Detect)
        format = is_dwpicker(root) ? DwPicker : is_mgear_picker(root) ? MGearPicker : Detect;
    bool read = false;
    if (format == DwPicker)
        read = read_dwpicker(root, lookup, &result.picker, &result.error);
    else if (format == MGearPicker)
        read = read_mgear_picker(root, lookup, &result.picker, &result.error);
    else
        result.error = QStringLiteral("neither a dwpicker picker (\"general\" and \"shapes\") nor an mGear anim "
                                      "picker (\"tabs\")");
    if (read)
        result.outcome = Read;
    else if (format != Detect)
        result.error = QStringLiteral("damaged %1 file, refused: %2")
                           .arg(format == DwPicker ? QStringLiteral("dwpicker") : QStringLiteral("mGear anim picker"),
                                result.error);
    return result;
}

picker_import picker_import::read_file(const QString& path, Format format)
{
    picker_import result;
    result.outcome = Unreadable;
    const QFileInfo info(path);
    if (info.isDir()) {
        result.error = QStringLiteral("%1 is a directory, not a picker file").arg(path);
        return result;
    }
    // A device or a pipe may never end.
    if (info.exists() && !info.isFile()) {
        result.error = QStringLiteral("%1 is not a regular file").arg(path);
        return result;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        result.error = QStringLiteral("cannot open %1: %2").arg(path, file.errorString());
        return result;
    }
    if (file.size() > import_limits::kMaxFileBytes) {
        result.outcome = Refused;
        result.error = QStringLiteral("%1: %2 bytes, more than the %3 an import reads")
                           .arg(path)
                           .arg(file.size())
                           .arg(import_limits::kMaxFileBytes);
        return result;
    }
    const QByteArray bytes = file.read(import_limits::kMaxFileBytes + 1);
    if (file.error() != QFileDevice::NoError) {
        result.error = QStringLiteral("cannot read %1: %2").arg(path, file.errorString());
        return result;
    }
    image_lookup lookup;
    lookup.baseDir = info.absolutePath();
    result = read_bytes(bytes, lookup, format);
    if (!result.ok())
        result.error = path + QStringLiteral(": ") + result.error;
    return result;
}
