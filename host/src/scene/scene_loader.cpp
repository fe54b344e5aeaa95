#include "scene_loader.h"
#include "code_page.h"

#include <QtCore/QFile>

namespace qbhost {

namespace {

const char kMayaHeader[] = "//Maya ASCII";
const char kOwnHeader[] = "//Quillbrook host scene";

// The comment lines at the top of the file, before the first statement.
QStringList headerLinesOf(const QByteArray& bytes)
{
    QStringList out;
    int pos = 0;
    while (pos < bytes.size() && out.size() < 64) {
        int end = bytes.indexOf('\n', pos);
        if (end < 0)
            end = bytes.size();
        QByteArray line = bytes.mid(pos, qMin(end - pos, 4096));
        if (line.endsWith('\r'))
            line.chop(1);
        if (!line.startsWith("//"))
            break;
        out << QString::fromLatin1(line);
        pos = end + 1;
    }
    return out;
}

} // namespace

bool loadSceneText(const QString& path, SceneText* out, QString* error, MStatus* code)
{
    *code = MS::kFailure;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        // Nothing is touched when the file cannot be read at all.
        *error = QStringLiteral("Cannot open the scene file \"%1\": %2").arg(path, file.errorString());
        *code = MS::kNotFound;
        return false;
    }
    // Read whole, and decoded to twice its size: a file past the limit
    // cannot be held, so it is refused before anything is allocated for it.
    if (file.size() > kMaxSceneFileBytes) {
        *error = QStringLiteral("Cannot open the scene file \"%1\": it is larger than %2 MB.")
                     .arg(path)
                     .arg(kMaxSceneFileBytes >> 20);
        return false;
    }
    QByteArray bytes = file.read(kMaxSceneFileBytes + 1);
    file.close();
    if (bytes.size() > kMaxSceneFileBytes) {
        *error = QStringLiteral("Cannot open the scene file \"%1\": it is larger than %2 MB.")
                     .arg(path)
                     .arg(kMaxSceneFileBytes >> 20);
        return false;
    }
    if (bytes.startsWith("\xef\xbb\xbf"))
        bytes.remove(0, 3); // a byte order mark some editors write
    if (bytes.startsWith(kMayaHeader)) {
        out->format = SceneDocument::Format::MayaAscii;
    } else if (bytes.startsWith(kOwnHeader)) {
        out->format = SceneDocument::Format::Own;
    } else {
        const bool binary = bytes.startsWith("FOR4") || bytes.startsWith("FOR8");
        *error = binary ? QStringLiteral("Cannot open \"%1\": it is a Maya Binary file, which the stand-in host does "
                                         "not read; the scene is left as it was.")
                                .arg(path)
                        : QStringLiteral("Cannot open \"%1\": it is not a scene file (its first line is not a Maya "
                                         "ASCII or Quillbrook scene header); the scene is left as it was.")
                              .arg(path);
        return false;
    }
    out->headerLines = headerLinesOf(bytes);
    const QString first = out->headerLines.value(0);
    if (out->format == SceneDocument::Format::MayaAscii) {
        // "//Maya ASCII 2024 scene"
        const QStringList words = first.mid(int(sizeof kMayaHeader) - 1).split(QLatin1Char(' '), Qt::SkipEmptyParts);
        out->mayaVersion = words.value(0);
    }
    for (const QString& line : out->headerLines)
        if (line.startsWith(QLatin1String("//Codeset:")))
            out->codeset = line.mid(10).trimmed();
    DecodedText decoded = decodeCodePage(bytes, out->codeset);
    bytes.clear();
    out->text = std::move(decoded.text);
    out->badBytes = decoded.badBytes;
    out->knownCodeset = decoded.known;
    return true;
}

} // namespace qbhost
