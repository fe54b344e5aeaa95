#ifndef QBHOST_SCENE_LOADER_H
#define QBHOST_SCENE_LOADER_H
// A scene file's bytes to text: read whole within the host's limit, its
// first line checked for a scene header, its header lines read and its text
// decoded in the code page the header names.
#include "scene_document.h"

#include <maya/MStatus.h>

#include <QtCore/QString>
#include <QtCore/QStringList>

namespace qbhost {

// Files past this are refused before anything is allocated for them.
constexpr qint64 kMaxSceneFileBytes = qint64(256) << 20;

struct SceneText {
    SceneDocument::Format format = SceneDocument::Format::Own;
    QString text;
    QString mayaVersion;
    QStringList headerLines;
    QString codeset;
    int badBytes = 0;          // bytes that were not text in the code page
    bool knownCodeset = true;
};

// False with an error (and code: kNotFound when the file cannot be read)
// for a file that cannot be read, is too large or is not a scene.
bool loadSceneText(const QString& path, SceneText* out, QString* error, MStatus* code);

} // namespace qbhost
#endif
