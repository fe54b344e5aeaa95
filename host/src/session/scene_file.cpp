// Scene files: the scene written as MEL, as an ASCII scene file is, and read
// back by running it.
#include <qbhost/host_session.h>

#include "../mel/mel_interpreter.h"
#include "../mel/mel_lexer.h"

#include <QtCore/QFile>
#include <QtCore/QSaveFile>
#include <QtCore/QSet>

namespace qbhost {

namespace {

bool isPlainWord(const QString& s)
{
    if (s.isEmpty() || !(s.at(0).isLetter() || s.at(0) == QLatin1Char('_')) || s.at(0).unicode() > 127)
        return false;
    for (QChar c : s)
        if (c.unicode() > 127 || !(c.isLetterOrNumber() || c == QLatin1Char('_')))
            return false;
    return true;
}

void appendNamespace(QString& out, const QString& full)
{
    const int colon = full.lastIndexOf(QLatin1Char(':'));
    out += QLatin1String("namespace -add ");
    mel::appendQuoted(out, full.mid(colon + 1));
    if (colon > 0) {
        out += QLatin1String(" -parent ");
        mel::appendQuoted(out, QLatin1Char(':') + full.left(colon));
    }
    out += QLatin1String(";\n");
}

} // namespace

QString HostSession::sceneFileText() const
{
    const QStringList nodeNames = nodes();
    const QList<QPair<QString, QString>> info = fileInfo();
    int estimate = 256;
    for (const QString& n : nodeNames)
        estimate += n.size() + 48;
    for (const auto& kv : info)
        estimate += kv.first.size() + kv.second.size() + kv.second.size() / 16 + 24;

    QString out;
    out.reserve(estimate);
    // Fixed text only: nothing from the scene may end up outside a string.
    out += QLatin1String("//Quillbrook host scene, written as MEL\n");
    out += QStringLiteral("//Application version: %1\n").arg(applicationVersion());

    // Namespaces that exist on their own, each after its parents.
    QSet<QString> written;
    for (const QString& ns : explicitNamespaces()) {
        int colon = ns.indexOf(QLatin1Char(':'));
        for (;;) {
            const QString prefix = colon < 0 ? ns : ns.left(colon);
            if (!written.contains(prefix)) {
                written.insert(prefix);
                appendNamespace(out, prefix);
            }
            if (colon < 0)
                break;
            colon = ns.indexOf(QLatin1Char(':'), colon + 1);
        }
    }
    for (const QString& n : nodeNames) {
        const QString type = nodeType(n);
        out += QLatin1String("createNode ");
        if (isPlainWord(type))
            out += type;
        else
            mel::appendQuoted(out, type);
        out += QLatin1String(" -n ");
        mel::appendQuoted(out, n);
        out += QLatin1String(";\n");
    }
    for (const auto& kv : info) {
        out += QLatin1String("fileInfo ");
        mel::appendQuoted(out, kv.first);
        out += QLatin1Char(' ');
        mel::appendQuoted(out, kv.second);
        out += QLatin1String(";\n");
    }
    return out;
}

MStatus HostSession::saveScene(const QString& path)
{
    const QString target = path.isEmpty() ? sceneName() : path;
    if (target.isEmpty()) {
        logError(QStringLiteral("The scene has no name to save it under."));
        return MS::kFailure;
    }
    // Written aside and renamed into place: a failed save leaves the old file.
    QSaveFile file(target);
    if (!file.open(QIODevice::WriteOnly)) {
        logError(QStringLiteral("Cannot write the scene file \"%1\": %2").arg(target, file.errorString()));
        return MS::kFailure;
    }
    const QByteArray bytes = sceneFileText().toUtf8();
    if (file.write(bytes) != bytes.size() || !file.commit()) {
        logError(QStringLiteral("Cannot write the scene file \"%1\": %2").arg(target, file.errorString()));
        return MS::kFailure;
    }
    // A copy saved elsewhere leaves the scene's own state alone.
    if (target == sceneName()) {
        setModified(false);
        raiseEvent(QStringLiteral("SceneSaved"));
    }
    return MS::kSuccess;
}

MStatus HostSession::openScene(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        // Nothing is touched when the file cannot be read at all.
        logError(QStringLiteral("Cannot open the scene file \"%1\": %2").arg(path, file.errorString()));
        return MS::kNotFound;
    }
    // Read whole, and decoded to twice its size: a file past this cannot be
    // held, so it is refused before anything is allocated for it.
    const qint64 kMaxSceneFileBytes = qint64(256) << 20;
    if (file.size() > kMaxSceneFileBytes) {
        logError(QStringLiteral("Cannot open the scene file \"%1\": it is larger than %2 MB.")
                     .arg(path)
                     .arg(kMaxSceneFileBytes >> 20));
        return MS::kFailure;
    }
    // With the size: the QByteArray overload would stop at a NUL character.
    const QByteArray bytes = file.readAll();
    file.close();
    QString text = QString::fromUtf8(bytes.constData(), bytes.size());

    raiseEvent(QStringLiteral("deleteAll"));
    clearScene();
    // Not added to the history: a scene file can be megabytes.
    const MStatus st = mel().execute(text, MelInterpreter::Source::Scene);
    text.clear();
    setSceneName(path);
    setModified(false);
    // Raised even for a file that was only partly read, as the host does.
    raiseEvent(QStringLiteral("SceneOpened"));
    return st;
}

} // namespace qbhost
