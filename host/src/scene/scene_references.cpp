#include "scene_references.h"

#include <QtCore/QDir>
#include <QtCore/QFileInfo>
#include <QtCore/QProcessEnvironment>

namespace qbhost {

ReferenceRecord& SceneReferences::add()
{
    refs_.push_back(std::make_unique<ReferenceRecord>());
    refs_.back()->id = nextId_++;
    return *refs_.back();
}

std::vector<const ReferenceRecord*> SceneReferences::all() const
{
    std::vector<const ReferenceRecord*> out;
    for (const auto& r : refs_)
        out.push_back(r.get());
    return out;
}

ReferenceRecord* SceneReferences::get(int id)
{
    for (auto& r : refs_)
        if (r->id == id)
            return r.get();
    return nullptr;
}

const ReferenceRecord* SceneReferences::get(int id) const
{
    for (const auto& r : refs_)
        if (r->id == id)
            return r.get();
    return nullptr;
}

ReferenceRecord* SceneReferences::byNode(const QString& referenceNode)
{
    const QString name = referenceNode.startsWith(QLatin1Char(':')) ? referenceNode.mid(1) : referenceNode;
    for (auto& r : refs_)
        if (r->referenceNode == name)
            return r.get();
    return nullptr;
}

ReferenceRecord* SceneReferences::byNamespace(const QString& ns)
{
    const QString name = ns.startsWith(QLatin1Char(':')) ? ns.mid(1) : ns;
    for (auto& r : refs_)
        if (!r->ns.isEmpty() && r->ns == name)
            return r.get();
    return nullptr;
}

std::vector<int> SceneReferences::subtree(int id) const
{
    std::vector<int> out{id};
    for (size_t i = 0; i < out.size(); ++i)
        for (const auto& r : refs_)
            if (r->parent == out[i])
                out.push_back(r->id);
    return out;
}

int SceneReferences::depth(int id) const
{
    int d = 0;
    for (const ReferenceRecord* r = get(id); r; r = get(r->parent))
        ++d;
    return d;
}

void SceneReferences::remove(int id)
{
    for (auto it = refs_.begin(); it != refs_.end(); ++it) {
        if ((*it)->id == id) {
            refs_.erase(it);
            return;
        }
    }
}

QString expandEnvironment(const QString& path)
{
    const QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    QString out;
    for (int i = 0; i < path.size(); ++i) {
        const QChar c = path.at(i);
        if (c == QLatin1Char('$') && i + 1 < path.size()) {
            int start = i + 1;
            int end = start;
            const bool braced = path.at(start) == QLatin1Char('{');
            if (braced) {
                end = path.indexOf(QLatin1Char('}'), start);
                if (end > start + 1) {
                    out += env.value(path.mid(start + 1, end - start - 1));
                    i = end;
                    continue;
                }
            } else {
                while (end < path.size() && (path.at(end).isLetterOrNumber() || path.at(end) == QLatin1Char('_')))
                    ++end;
                if (end > start) {
                    out += env.value(path.mid(start, end - start));
                    i = end - 1;
                    continue;
                }
            }
        } else if (c == QLatin1Char('%')) {
            const int end = path.indexOf(QLatin1Char('%'), i + 1);
            if (end > i + 1 && env.contains(path.mid(i + 1, end - i - 1))) {
                out += env.value(path.mid(i + 1, end - i - 1));
                i = end;
                continue;
            }
        }
        out += c;
    }
    return out;
}

QString resolveReferencePath(const QString& written, const QString& projectRoot, const QString& referencingFile)
{
    if (written.isEmpty())
        return QString();
    QString path = expandEnvironment(written);
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    const auto isFile = [](const QString& p) { return QFileInfo(p).isFile(); };
    const bool relative = QFileInfo(path).isRelative() && !(path.size() > 1 && path.at(1) == QLatin1Char(':'));
    if (!relative && isFile(path))
        return QFileInfo(path).absoluteFilePath();
    if (relative && !projectRoot.isEmpty()) {
        const QString inProject = QDir(projectRoot).filePath(path);
        if (isFile(inProject))
            return QFileInfo(inProject).absoluteFilePath();
    }
    if (relative && projectRoot.isEmpty() && isFile(path))
        return QFileInfo(path).absoluteFilePath();
    // Maya files moved between machines keep another machine's folders: the
    // file name beside the referencing file is the last place looked.
    const QString name = path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
    if (!name.isEmpty() && !referencingFile.isEmpty()) {
        const QString beside = QFileInfo(referencingFile).absoluteDir().filePath(name);
        if (isFile(beside))
            return QFileInfo(beside).absoluteFilePath();
    }
    return QString();
}

} // namespace qbhost
