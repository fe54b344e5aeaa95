// Scene files: opened statement by statement, imported, and written back
// (see scenewriter) through a temporary file, so that a failed save leaves
// the old file.
#include <maya/MSceneMessage.h>
#include <qbhost/host_session.h>

#include "scene_ops.h"
#include "scene_reader.h"
#include "session_data.h"

#include "../scene/code_page.h"
#include "../scene/scene_writer.h"

#include <QtCore/QFileInfo>
#include <QtCore/QSaveFile>

namespace qbhost {

namespace {

QString canonical(const QString& path)
{
    const QFileInfo info(path);
    const QString c = info.canonicalFilePath();
    return c.isEmpty() ? info.absoluteFilePath() : c;
}

QString summary(const QString& path, const ReadState& state)
{
    return QStringLiteral("File \"%1\" read with %2 and %3.")
        .arg(path, scenereader::counted(state.errors, "error", "errors"),
             scenereader::counted(state.warnings, "warning", "warnings"));
}

} // namespace

QString HostSession::sceneFileText() const
{
    const SceneModel& scene = d->scene;
    if (scene.document.format == SceneDocument::Format::MayaAscii) {
        const QString name = QFileInfo(d->sceneName).fileName();
        return scenewriter::mayaAsciiText(scene, name, scene.document.codeset.isEmpty() ? QStringLiteral("UTF-8")
                                                                                         : scene.document.codeset);
    }
    return scenewriter::ownText(scene, applicationVersion());
}

MStatus HostSession::saveScene(const QString& path, bool force)
{
    const QString target = path.isEmpty() ? sceneName() : path;
    if (target.isEmpty()) {
        logError(QStringLiteral("The scene has no name to save it under."));
        return MS::kFailure;
    }
    const bool overDamaged = !d->damagedFile.isEmpty() && canonical(target) == d->damagedFile;
    if (overDamaged && !force) {
        // No way leads to a file that was not read in full being written
        // over without the user saying so.
        logError(QStringLiteral("Not saved: \"%1\" was read with %2 (%3). Saving over it would lose what could not be "
                                "read; save under another name, or use file -save -force.")
                     .arg(target, scenereader::counted(d->damageErrors.size(), "error", "errors"),
                          QStringList(d->damageErrors.mid(0, 3)).join(QStringLiteral("; "))));
        return MS::kFailure;
    }
    const SceneModel& scene = d->scene;
    QByteArray bytes;
    if (scene.document.format == SceneDocument::Format::MayaAscii) {
        const QString name = QFileInfo(target).fileName();
        const QString codeset = scene.document.codeset;
        bool written = false;
        if (!codeset.isEmpty() && codePageName(codeset) != QLatin1String("UTF-8"))
            written = encodeCodePage(scenewriter::mayaAsciiText(scene, name, codeset), codeset, &bytes);
        if (!written) {
            if (!codeset.isEmpty() && codePageName(codeset) != QLatin1String("UTF-8"))
                logWarning(QStringLiteral("The scene holds text that code page %1 cannot write: \"%2\" is saved as UTF-8.")
                               .arg(codeset, target));
            bytes = scenewriter::mayaAsciiText(scene, name, QStringLiteral("UTF-8")).toUtf8();
        }
    } else {
        bytes = scenewriter::ownText(scene, applicationVersion()).toUtf8();
    }
    // Written aside and renamed into place: a failed save leaves the old file.
    QSaveFile file(target);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        logError(QStringLiteral("Cannot write the scene file \"%1\": %2").arg(target, file.errorString()));
        return MS::kFailure;
    }
    if (overDamaged) {
        // The user chose to write the scene as it is over the file.
        d->damagedFile.clear();
        d->damageErrors.clear();
        emit sceneChanged();
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
    if (d->reading) {
        logError(QStringLiteral("Cannot open \"%1\" while \"%2\" is being read.").arg(path, d->reading->path));
        return MS::kFailure;
    }
    SceneText text;
    QString error;
    MStatus code;
    if (!loadSceneText(path, &text, &error, &code)) {
        // Nothing is touched: the scene, its name and its state stay.
        logError(error);
        return code;
    }
    raiseEvent(QStringLiteral("deleteAll"));
    clearScene();
    d->referenceDeferred.clear();
    SceneDocument& doc = d->scene.document;
    doc.format = text.format;
    doc.path = path;
    doc.mayaVersion = text.mayaVersion;
    doc.headerLines = text.headerLines;
    doc.codeset = text.codeset;
    const bool maya = text.format == SceneDocument::Format::MayaAscii;
    if (maya)
        scenereader::ensureDefaultNodes(*this);
    ReadState state;
    state.path = path;
    state.mayaAscii = maya;
    state.document = maya ? &doc : nullptr;
    // Not added to the history: a scene file can be megabytes.
    scenereader::run(*this, text, state);
    text.text.clear();
    doc.readMark = d->scene.graph.nextSerial();
    doc.namesMark = d->scene.graph.namesGeneration();
    d->lastReadFile = path;
    d->lastReadErrors = state.errorTexts;
    d->lastReadWarnings = state.warningTexts;
    if (state.errors > 0 || state.warnings > 0)
        logWarning(summary(path, state));
    if (state.errors > 0) {
        d->damagedFile = canonical(path);
        d->damageErrors = state.errorTexts;
    }
    d->selectionNamesValid = false;
    setSceneName(path);
    setModified(false);
    // Raised even for a file that was read with errors, as the host does.
    raiseEvent(QStringLiteral("SceneOpened"));
    d->callbacks.raiseScene(MSceneMessage::kAfterOpen);
    return state.errors > 0 ? MS::kFailure : MS::kSuccess;
}

MStatus HostSession::importScene(const QString& path, const QString& ns)
{
    SceneText text;
    QString error;
    MStatus code;
    if (!mayRead(path)) {
        logError(QStringLiteral("Cannot open the scene file \"%1\": it lies outside the folder files are read from.").arg(path));
        return MS::kNotFound;
    }
    if (!loadSceneText(path, &text, &error, &code)) {
        logError(error);
        return code;
    }
    QString prefix = ns;
    while (prefix.startsWith(QLatin1Char(':')))
        prefix.remove(0, 1);
    if (!prefix.isEmpty() && !namespaceExists(prefix))
        d->scene.graph.namespaces().add(prefix);
    const bool maya = text.format == SceneDocument::Format::MayaAscii;
    if (maya)
        scenereader::ensureDefaultNodes(*this);
    ReadState state;
    state.path = path;
    state.mayaAscii = maya;
    state.prefix = prefix;
    state.import = true;
    if (d->scene.document.format == SceneDocument::Format::MayaAscii)
        state.document = &d->scene.document;
    scenereader::run(*this, text, state);
    if (state.errors > 0 || state.warnings > 0)
        logWarning(summary(path, state));
    sceneops::edited(*this);
    d->modified = true;
    emit sceneChanged();
    return state.errors > 0 ? MS::kFailure : MS::kSuccess;
}

} // namespace qbhost
