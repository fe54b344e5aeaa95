#ifndef QB_SANDBOX_STATE_DUMP_H
#define QB_SANDBOX_STATE_DUMP_H
// The state dump (--dump-state): the scene, the logs and the picker panel's
// own account of itself, as JSON. Keys may be added, never renamed:
//   {"scene": {"file", "modified", "nodes", "namespaces", "selection", "fileInfo",
//              "nodeInfo": [{"name", "path", "fullPath", "parent", "type", "reference", "default"}],
//              "references": [{"node", "file", "resolvedFile", "namespace", "parent", "loaded"}],
//              "lastRead": {"file", "errors", "warnings"}, "readWithErrors"},
//    "errors": [...], "history": [...],
//    "picker": null or the panel's state_snapshot(),
//    "windows": [{"name", "title", "rect": [x, y, w, h], "visible"}]}
#include <QtCore/QJsonObject>
#include <QtCore/QJsonValue>
#include <QtCore/QString>
#include <QtCore/QVariant>

class QWidget;
namespace qbhost {
class HostSession;
}

// fileInfo values and error lines up to this many characters are dumped whole.
constexpr int kDumpWholeValue = 4096;
// History lines and longer values keep this many characters
// and a mark giving the full length.
constexpr int kDumpKeptCharacters = 200;

// The whole dump. The panel is looked for over mainWindow.
QJsonObject state_dump(const qbhost::HostSession& host, QWidget* mainWindow);

// The panel's state: null when mainWindow holds no picker dock. Every key
// the panel reports is passed through.
QJsonValue picker_state(QWidget* mainWindow);

// A toolkit value as JSON: maps, lists, text, numbers and booleans as they
// are; points, sizes, rectangles as arrays; colours as "#RRGGBB"; anything
// else as its text, or null.
QJsonValue json_value(const QVariant& value);

// Written as indented JSON through a temporary file, so a failed write
// leaves no half a file. False with a message.
bool write_json_file(const QString& path, const QJsonObject& json, QString* error);
#endif
