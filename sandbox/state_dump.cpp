#include "sandbox/state_dump.h"
#include "sandbox/screenshot.h"
#include "sandbox/short_text.h"

#include <qbhost/host_session.h>

#include <QtCore/QHash>
#include <QtCore/QJsonArray>
#include <QtCore/QJsonDocument>
#include <QtCore/QMetaObject>
#include <QtCore/QPoint>
#include <QtCore/QRect>
#include <QtCore/QSaveFile>
#include <QtCore/QSize>
#include <QtGui/QColor>
#include <QtWidgets/QDockWidget>
#include <QtWidgets/QWidget>

namespace {

QJsonArray texts(const QStringList& list, int keep = -1)
{
    QJsonArray out;
    for (const QString& s : list)
        out.append(keep < 0 ? s : shortened(s, keep));
    return out;
}

// Whole up to kDumpWholeValue characters, else shortened with its mark.
QString bounded(const QString& text)
{
    return text.size() <= kDumpWholeValue ? text : shortened(text, kDumpKeptCharacters);
}

QJsonArray rect_array(const QRect& r)
{
    return QJsonArray{r.x(), r.y(), r.width(), r.height()};
}

QJsonObject scene_state(const qbhost::HostSession& host)
{
    QJsonObject scene;
    scene.insert(QStringLiteral("file"), host.sceneName());
    scene.insert(QStringLiteral("modified"), host.isModified());
    scene.insert(QStringLiteral("nodes"), texts(host.nodes()));
    scene.insert(QStringLiteral("namespaces"), texts(host.namespaces()));
    scene.insert(QStringLiteral("selection"), texts(host.selection()));
    QJsonObject info;
    for (const auto& kv : host.fileInfo())
        info.insert(kv.first, bounded(kv.second));
    scene.insert(QStringLiteral("fileInfo"), info);
    // Each node's place: its path as `ls` gives it, its full path and its
    // parent's, its type and the reference it came from.
    const QList<qbhost::NodeInfo> infos = host.nodeInfos();
    QHash<quint64, QString> paths;
    for (const qbhost::NodeInfo& n : infos)
        paths.insert(n.id, n.fullPath);
    QJsonArray nodeInfo;
    for (const qbhost::NodeInfo& n : infos) {
        QJsonObject o;
        o.insert(QStringLiteral("name"), n.name);
        o.insert(QStringLiteral("path"), n.path);
        o.insert(QStringLiteral("fullPath"), n.fullPath);
        o.insert(QStringLiteral("parent"), n.parent ? QJsonValue(paths.value(n.parent)) : QJsonValue(QJsonValue::Null));
        o.insert(QStringLiteral("type"), n.type);
        o.insert(QStringLiteral("reference"),
                 n.reference.isEmpty() ? QJsonValue(QJsonValue::Null) : QJsonValue(n.reference));
        o.insert(QStringLiteral("default"), n.isDefault);
        nodeInfo.append(o);
    }
    scene.insert(QStringLiteral("nodeInfo"), nodeInfo);
    QJsonArray references;
    for (const qbhost::ReferenceInfo& r : host.references()) {
        QJsonObject o;
        o.insert(QStringLiteral("node"), r.referenceNode);
        o.insert(QStringLiteral("file"), r.file);
        o.insert(QStringLiteral("resolvedFile"), r.resolvedFile);
        o.insert(QStringLiteral("namespace"), r.ns);
        o.insert(QStringLiteral("parent"),
                 r.parentReference.isEmpty() ? QJsonValue(QJsonValue::Null) : QJsonValue(r.parentReference));
        o.insert(QStringLiteral("loaded"), r.loaded);
        references.append(o);
    }
    scene.insert(QStringLiteral("references"), references);
    QJsonObject lastRead;
    lastRead.insert(QStringLiteral("file"), host.lastReadFile());
    lastRead.insert(QStringLiteral("errors"), texts(host.lastReadErrors()));
    lastRead.insert(QStringLiteral("warnings"), texts(host.lastReadWarnings()));
    scene.insert(QStringLiteral("lastRead"), lastRead);
    scene.insert(QStringLiteral("readWithErrors"), host.damageErrors().size());
    return scene;
}

QJsonArray window_states(QWidget* mainWindow)
{
    QJsonArray out;
    for (QWidget* w : screen_windows(mainWindow)) {
        QJsonObject o;
        o.insert(QStringLiteral("name"), w->objectName());
        o.insert(QStringLiteral("title"), w->windowTitle());
        o.insert(QStringLiteral("rect"), rect_array(w->geometry()));
        o.insert(QStringLiteral("visible"), w->isVisible());
        out.append(o);
    }
    return out;
}

} // namespace

QJsonValue json_value(const QVariant& value)
{
    switch (int(value.userType())) {
    case QMetaType::QVariantMap: {
        QJsonObject o;
        const QVariantMap map = value.toMap();
        for (auto it = map.begin(); it != map.end(); ++it)
            o.insert(it.key(), json_value(it.value()));
        return o;
    }
    case QMetaType::QVariantHash: {
        QJsonObject o;
        const QVariantHash hash = value.toHash();
        for (auto it = hash.begin(); it != hash.end(); ++it)
            o.insert(it.key(), json_value(it.value()));
        return o;
    }
    case QMetaType::QVariantList: {
        QJsonArray a;
        for (const QVariant& v : value.toList())
            a.append(json_value(v));
        return a;
    }
    case QMetaType::QStringList:
        return texts(value.toStringList());
    case QMetaType::QPoint:
        return QJsonArray{value.toPoint().x(), value.toPoint().y()};
    case QMetaType::QPointF:
        return QJsonArray{value.toPointF().x(), value.toPointF().y()};
    case QMetaType::QSize:
        return QJsonArray{value.toSize().width(), value.toSize().height()};
    case QMetaType::QRect:
        return rect_array(value.toRect());
    case QMetaType::QRectF: {
        const QRectF r = value.toRectF();
        return QJsonArray{r.x(), r.y(), r.width(), r.height()};
    }
    case QMetaType::QColor:
        return value.value<QColor>().name();
    case QMetaType::UnknownType:
        return QJsonValue(QJsonValue::Null);
    default:
        break;
    }
    const QJsonValue plain = QJsonValue::fromVariant(value);
    if (!plain.isNull() || value.isNull())
        return plain;
    // Kept visible rather than silently dropped.
    if (value.canConvert<QString>())
        return value.toString();
    return QJsonValue(QJsonValue::Null);
}

QJsonValue picker_state(QWidget* mainWindow)
{
    QDockWidget* dock = mainWindow ? mainWindow->findChild<QDockWidget*>(QStringLiteral("QuillbrookPicker")) : nullptr;
    if (!dock)
        return QJsonValue(QJsonValue::Null);
    QJsonObject state;
    QWidget* panel = dock->widget();
    QVariantMap snapshot;
    if (panel
        && QMetaObject::invokeMethod(panel, "state_snapshot", Qt::DirectConnection,
                                     Q_RETURN_ARG(QVariantMap, snapshot))) {
        state = json_value(snapshot).toObject();
    } else {
        // A panel that cannot describe itself is reported as such, not as absent.
        state.insert(QStringLiteral("visible"), dock->isVisible());
        state.insert(QStringLiteral("snapshotError"), QStringLiteral("the panel has no state_snapshot()"));
    }
    return state;
}

QJsonObject state_dump(const qbhost::HostSession& host, QWidget* mainWindow)
{
    QJsonObject dump;
    dump.insert(QStringLiteral("scene"), scene_state(host));
    QJsonArray errors;
    for (const QString& e : host.errors())
        errors.append(bounded(e));
    dump.insert(QStringLiteral("errors"), errors);
    QStringList history;
    for (const qbhost::HistoryEntry& e : host.history())
        history << e.text;
    dump.insert(QStringLiteral("history"), texts(history, kDumpKeptCharacters));
    dump.insert(QStringLiteral("picker"), picker_state(mainWindow));
    dump.insert(QStringLiteral("windows"), window_states(mainWindow));
    return dump;
}

bool write_json_file(const QString& path, const QJsonObject& json, QString* error)
{
    QSaveFile file(path);
    const QByteArray bytes = QJsonDocument(json).toJson(QJsonDocument::Indented);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        if (error)
            *error = QStringLiteral("cannot write \"%1\": %2").arg(path, file.errorString());
        return false;
    }
    return true;
}
