#include "model/rig_picker.h"
#include "model/mel_text.h"
#include "model/picker_stream.h"
#include "model/stream_bounds.h"
#include <QtCore/QDataStream>
#include <QtCore/QIODevice>

namespace rig_picker {
const char* const kDataAttribute = "qbPickerData";
const char* const kVersionAttribute = "qbPickerVersion";
} // namespace rig_picker

extension_records rigOriginRecords(const rig_origin& origin)
{
    if (origin.isEmpty())
        return {};
    QByteArray bytes;
    QDataStream s(&bytes, QIODevice::WriteOnly);
    s.setVersion(kPickerDataStreamVersion);
    s << origin.node << origin.space << origin.version;
    return {{kRigOriginTag, bytes}};
}

rig_origin readRigOrigin(const extension_records& records)
{
    for (const extension_record& r : records) {
        if (r.first != kRigOriginTag)
            continue;
        QDataStream s(r.second);
        s.setVersion(kPickerDataStreamVersion);
        rig_origin out;
        readString(s, &out.node);
        readString(s, &out.space);
        s >> out.version;
        if (s.status() != QDataStream::Ok || out.node.isEmpty())
            return rig_origin();
        return out;
    }
    return rig_origin();
}

QString rig_picker_node::space() const
{
    const int colon = name.lastIndexOf(QLatin1Char(':'));
    QString ns = colon < 0 ? QString() : name.left(colon);
    if (ns.startsWith(QLatin1Char(':')))
        ns.remove(0, 1);
    return ns;
}

QString rig_picker_node::bareName() const
{
    return name.mid(name.lastIndexOf(QLatin1Char(':')) + 1);
}

namespace rig_picker {

QString node_name(const QString& pickerName)
{
    QString out;
    for (const QChar c : pickerName)
        out += (c.unicode() < 128 && (c.isLetterOrNumber() || c == QLatin1Char('_'))) ? c : QLatin1Char('_');
    if (out.isEmpty() || out.at(0).isDigit())
        out.prepend(QLatin1Char('_'));
    return out + QStringLiteral("_picker");
}

QString tab_title(const QString& pickerName, const QString& space)
{
    return space.isEmpty() ? pickerName : QStringLiteral("%1 (%2)").arg(pickerName, space);
}

QString store_mel(const QString& node, const QByteArray& file, qint32 version)
{
    const QString n = mel_quote(node);
    const QString data = mel_quote(node + QLatin1Char('.') + QLatin1String(kDataAttribute));
    const QString ver = mel_quote(node + QLatin1Char('.') + QLatin1String(kVersionAttribute));
    // One chunk: the host's undo takes the whole store back at once.
    return QStringLiteral("undoInfo -openChunk;\n"
                          "if (!`objExists %1`) {\n"
                          "    createNode \"network\" -n %1;\n"
                          "    addAttr -ln \"%2\" -dt \"string\" %1;\n"
                          "    addAttr -ln \"%3\" -at \"long\" %1;\n"
                          "}\n"
                          "setAttr -type \"string\" %4 %5;\n"
                          "setAttr %6 %7;\n"
                          "undoInfo -closeChunk;")
        .arg(n, QLatin1String(kDataAttribute), QLatin1String(kVersionAttribute), data,
             mel_quote(QString::fromLatin1(file.toBase64())), ver, QString::number(version));
}

QString remove_mel(const QString& node)
{
    return QStringLiteral("undoInfo -openChunk;\nif (`objExists %1`) delete %1;\nundoInfo -closeChunk;")
        .arg(mel_quote(node));
}

QString scan_mel(const char* command)
{
    // Gathered in MEL and handed over in one call: the plug-in reads the
    // scene through the host's own commands, as it would in the host.
    return QStringLiteral("{\n"
                          "    string $qbArgs[];\n"
                          "    for ($qbNode in `ls -type \"network\"`) {\n"
                          "        if (!`attributeQuery -exists -node $qbNode \"%1\"`) continue;\n"
                          "        if (!`attributeQuery -exists -node $qbNode \"%2\"`) continue;\n"
                          "        $qbArgs[size($qbArgs)] = $qbNode;\n"
                          "        $qbArgs[size($qbArgs)] = `getAttr ($qbNode + \".%2\")`;\n"
                          "        $qbArgs[size($qbArgs)] = `getAttr ($qbNode + \".%1\")`;\n"
                          "        $qbArgs[size($qbArgs)] = `referenceQuery -isNodeReferenced $qbNode`;\n"
                          "    }\n"
                          "    %3 rig_pickers $qbArgs;\n"
                          "}")
        .arg(QLatin1String(kDataAttribute), QLatin1String(kVersionAttribute), QLatin1String(command));
}

bool read_scan(const QStringList& args, QList<rig_picker_node>* nodes)
{
    nodes->clear();
    if (args.size() % 4 != 0)
        return false;
    for (int i = 0; i < args.size(); i += 4) {
        rig_picker_node n;
        n.name = args[i];
        bool ok = false;
        n.version = args[i + 1].toInt(&ok);
        if (!ok || n.name.isEmpty() || args[i + 2].size() > kMaxFileBytes / 3 * 4 + 4)
            return false;
        n.file = QByteArray::fromBase64(args[i + 2].toLatin1());
        n.referenced = args[i + 3] == QLatin1String("1") || args[i + 3] == QLatin1String("true");
        nodes->append(n);
    }
    return true;
}

} // namespace rig_picker
