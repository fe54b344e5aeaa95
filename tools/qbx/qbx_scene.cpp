#include "qbx_scene.h"
#include "model/mel_text.h"
#include <qbhost/host_session.h>
#include <QtCore/QFileInfo>

namespace qbx {
namespace {

qbhost::HostSession& host()
{
    return qbhost::HostSession::instance();
}

// Runs text, its result in *result; false with the host's first error.
bool run(const QString& text, QString* result, QString* error)
{
    host().clearErrors();
    const MStatus status = host().executeMel(text, result, false);
    const QStringList errors = host().errors();
    if (!status || !errors.isEmpty()) {
        *error = errors.isEmpty() ? QStringLiteral("the host refused: %1").arg(text.left(80)) : errors.first();
        return false;
    }
    return true;
}

} // namespace

bool open_scene(const QString& path, QString* error)
{
    QString result;
    if (!run(QStringLiteral("file -f -open %1;").arg(mel_quote(QFileInfo(path).absoluteFilePath())), &result, error)) {
        *error = QStringLiteral("%1: %2").arg(path, *error);
        return false;
    }
    return true;
}

bool run_scene_mel(const QString& text, QString* error)
{
    QString result;
    return run(text, &result, error);
}

bool scene_picker_nodes(QList<rig_picker_node>* nodes, QString* error)
{
    nodes->clear();
    QString listed;
    if (!run(QStringLiteral("ls -type \"network\";"), &listed, error))
        return false;
    const QString data = QLatin1String(rig_picker::kDataAttribute);
    const QString version = QLatin1String(rig_picker::kVersionAttribute);
    for (const QString& name : listed.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QString node = mel_quote(name);
        QString has, value, number, referenced;
        if (!run(QStringLiteral("attributeQuery -exists -node %1 %2;").arg(node, mel_quote(data)), &has, error))
            return false;
        if (has != QLatin1String("1"))
            continue;
        if (!run(QStringLiteral("getAttr %1;").arg(mel_quote(name + QLatin1Char('.') + data)), &value, error)
            || !run(QStringLiteral("getAttr %1;").arg(mel_quote(name + QLatin1Char('.') + version)), &number, error)
            || !run(QStringLiteral("referenceQuery -isNodeReferenced %1;").arg(node), &referenced, error))
            return false;
        rig_picker_node n;
        n.name = name;
        bool ok = false;
        n.version = number.toInt(&ok);
        if (!ok) {
            *error = QStringLiteral("%1 has no whole version number (%2)").arg(name, number.left(40));
            return false;
        }
        n.file = QByteArray::fromBase64(value.toLatin1());
        n.referenced = referenced == QLatin1String("1");
        nodes->append(n);
    }
    return true;
}

bool save_scene_as(const QString& path, QString* error)
{
    QString result;
    return run(QStringLiteral("file -rename %1; file -f -save -type \"mayaAscii\";").arg(mel_quote(path)), &result,
               error);
}

} // namespace qbx
