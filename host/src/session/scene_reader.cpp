#include "scene_reader.h"
#include "scene_ops.h"

#include <maya/MSceneMessage.h>
#include "scene_ops.h"

#include "../mel/mel_engine.h"
#include "../scene/node_types.h"

#include <QtCore/QFileInfo>
#include <QtCore/QSet>

namespace qbhost {
namespace scenereader {

QString counted(int n, const char* one, const char* many)
{
    return QStringLiteral("%1 %2").arg(n).arg(QLatin1String(n == 1 ? one : many));
}

void warning(HostSession& host, const QString& text)
{
    SessionData& d = SessionAccess::data(host);
    ReadState* r = d.reading;
    if (!r) {
        host.logWarning(text);
        return;
    }
    const QString message = QStringLiteral("file: %1 line %2: %3").arg(r->path).arg(r->line).arg(text);
    ++r->warnings;
    r->warningTexts << message;
    host.logWarning(message);
}

void ensureDefaultNodes(HostSession& host)
{
    SceneGraph& g = SessionAccess::data(host).scene.graph;
    for (const auto& node : NodeTypes::defaultNodes()) {
        if (!g.findExact(QLatin1Char(':') + node.first).empty())
            continue;
        const NodeId id = g.create(node.second, node.first, 0, false);
        g.node(id)->isDefault = true;
    }
}

namespace {

bool isBlank(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\n') || c == QLatin1Char('\r');
}

class Hooks : public mel::StatementHooks
{
public:
    Hooks(HostSession& host, ReadState& state, const QString& text)
        : host_(host), state_(state), text_(text), recording_(state.document != nullptr)
    {
    }

    void begin(int start, int line) override
    {
        state_.line = line;
        if (!recording_)
            return;
        record_ = StatementRecord();
        record_.source = state_.source;
        record_.start = start;
        record_.line = line;
        record_.context = state_.current;
        state_.record = &record_;
    }

    void finish(int start, int end, int line, bool ok, const QString& message) override
    {
        if (!ok) {
            ++state_.errors;
            QString text;
            if (!message.isEmpty()) {
                text = QStringLiteral("file: %1 line %2: %3").arg(state_.path).arg(line).arg(message);
                host_.logError(text);
            } else {
                // Reported by the host already: counted, named by its text.
                const QStringList errors = host_.errors();
                text = QStringLiteral("file: %1 line %2: %3")
                           .arg(state_.path)
                           .arg(line)
                           .arg(errors.isEmpty() ? QStringLiteral("failed") : errors.last());
            }
            state_.errorTexts << text;
        }
        state_.record = nullptr;
        if (!recording_)
            return;
        while (end > start && isBlank(text_.at(end - 1)))
            --end;
        record_.length = end - start;
        if (!ok)
            record_.kind = StatementKind::Failed;
        int lineStart = start;
        while (lineStart > 0 && text_.at(lineStart - 1) != QLatin1Char('\n') && isBlank(text_.at(lineStart - 1)))
            --lineStart;
        record_.indented = lineStart < start;
        // A node's block holds what sets the node; connections, file
        // information and statements at the start of a line stand alone.
        switch (record_.kind) {
        case StatementKind::Node:
        case StatementKind::Context:
        case StatementKind::Attr:
        case StatementKind::AddAttr:
        case StatementKind::Uuid:
        case StatementKind::Lock:
            break;
        case StatementKind::Kept:
        case StatementKind::Failed:
            if (!record_.indented)
                record_.context = 0;
            break;
        default:
            record_.context = 0;
            break;
        }
        SceneDocument& doc = *state_.document;
        if (!state_.import)
            doc.records.push_back(std::move(record_));
        else if (record_.kind == StatementKind::Kept || record_.kind == StatementKind::Failed)
            doc.imported.push_back(record_); // what the scene models is written from the scene
    }

    void warning(const QString& text) override
    {
        ++state_.warnings;
        const QString message = QStringLiteral("file: %1 %2").arg(state_.path, text);
        state_.warningTexts << message;
        host_.logWarning(message);
    }

private:
    HostSession& host_;
    ReadState& state_;
    const QString& text_;
    bool recording_;
    StatementRecord record_;
};

} // namespace

void run(HostSession& host, const SceneText& text, ReadState& state)
{
    SessionData& d = SessionAccess::data(host);
    state.outer = d.reading;
    d.reading = &state;
    struct Pop {
        SessionData& d;
        ReadState& state;
        ~Pop() { d.reading = state.outer; }
    } pop{d, state};
    if (state.document) {
        state.document->sources.push_back(text.text);
        state.source = static_cast<int>(state.document->sources.size()) - 1;
        // About one statement per 40 characters in the files Maya writes:
        // the list is not moved as it grows.
        if (!state.import)
            state.document->records.reserve(state.document->records.size() + size_t(text.text.size() / 40));
    }
    // About a node per 500 characters.
    d.scene.graph.reserve(int(text.text.size() / 500));
    if (text.badBytes > 0) {
        // Counted as an error: writing the text back would not give the bytes back.
        ++state.errors;
        const QString message = QStringLiteral("file: %1: %2 not text in the code page \"%3\"; read as \"\uFFFD\".")
                                    .arg(state.path, counted(text.badBytes, "byte is", "bytes are"),
                                         text.codeset.isEmpty() ? QStringLiteral("UTF-8") : text.codeset);
        state.errorTexts << message;
        host.logError(message);
    }
    if (!text.knownCodeset) {
        const QString message = QStringLiteral("file: %1: the code page \"%2\" is not known; the file is read as UTF-8.")
                                    .arg(state.path, text.codeset);
        ++state.warnings;
        state.warningTexts << message;
        host.logWarning(message);
    }
    Hooks hooks(host, state, text.text);
    if (!d.mel->runFile(text.text, hooks)) {
        ++state.errors;
        state.errorTexts << host.errors().value(host.errors().size() - 1);
    }
}

namespace {

QString canonical(const QString& path)
{
    const QFileInfo info(path);
    const QString c = info.canonicalFilePath();
    return c.isEmpty() ? info.absoluteFilePath() : c;
}

} // namespace

bool loadReference(HostSession& host, int referenceId)
{
    SessionData& d = SessionAccess::data(host);
    ReferenceRecord* r = d.scene.references.get(referenceId);
    if (!r)
        return false;
    const QString referencing = d.reading ? d.reading->path : d.sceneName;
    r->resolved = resolveReferencePath(r->file, d.projectRoot, referencing);
    if (!r->resolved.isEmpty() && !host.mayRead(r->resolved))
        r->resolved.clear();
    r->loaded = false;
    r->serial = d.scene.graph.nextSerial();
    const QString node = r->referenceNode;
    if (r->resolved.isEmpty()) {
        warning(host, QStringLiteral("The referenced file \"%1\" (reference node %2) was not found; the reference is "
                                     "kept, unloaded.")
                          .arg(r->file, node));
        return false;
    }
    const QString target = canonical(r->resolved);
    QStringList chain;
    bool cycle = false;
    for (ReadState* s = d.reading; s; s = s->outer) {
        chain.prepend(s->path);
        cycle = cycle || canonical(s->path) == target;
    }
    if (cycle || (!d.reading && canonical(d.sceneName) == target)) {
        chain << r->resolved;
        warning(host, QStringLiteral("The reference %1 is a cycle (%2); it is kept, unloaded.")
                          .arg(node, chain.join(QStringLiteral(" -> "))));
        return false;
    }
    if (d.scene.references.depth(referenceId) > kMaxReferenceDepth) {
        warning(host, QStringLiteral("The reference %1 is nested more than %2 deep; it is kept, unloaded.")
                          .arg(node)
                          .arg(kMaxReferenceDepth));
        return false;
    }
    SceneText text;
    QString error;
    MStatus code;
    if (!loadSceneText(r->resolved, &text, &error, &code) || text.format != SceneDocument::Format::MayaAscii) {
        warning(host, QStringLiteral("The referenced file \"%1\" (reference node %2) is not a Maya ASCII file; the "
                                     "reference is kept, unloaded.")
                          .arg(r->resolved, node));
        return false;
    }
    ReadState state;
    state.path = r->resolved;
    state.mayaAscii = true;
    state.prefix = r->ns;
    state.renamePrefix = r->ns.isEmpty() ? r->prefix : QString();
    state.reference = referenceId;
    run(host, text, state);
    const quint64 end = d.scene.graph.nextSerial();
    const std::vector<int> refs = d.scene.references.subtree(referenceId);
    const QSet<int> loaded(refs.begin(), refs.end());
    for (NodeId id : d.scene.graph.ids()) {
        NodeRecord* n = d.scene.graph.node(id);
        if (loaded.contains(n->reference))
            n->loadedSerial = end;
    }
    r = d.scene.references.get(referenceId);
    r->loaded = true;
    r->serial = d.scene.graph.nextSerial();
    if (state.errors > 0)
        warning(host, QStringLiteral("The referenced file \"%1\" was read with %2.")
                          .arg(r->resolved, counted(state.errors, "error", "errors")));
    sceneops::edited(host);
    sceneops::sceneMessage(host, MSceneMessage::kAfterLoadReference);
    return true;
}

void unloadReference(HostSession& host, int referenceId)
{
    SessionData& d = SessionAccess::data(host);
    const std::vector<int> refs = d.scene.references.subtree(referenceId);
    const QSet<int> gone(refs.begin(), refs.end());
    SceneGraph& g = d.scene.graph;
    std::vector<NodeId> nodes;
    for (NodeId id : g.ids())
        if (gone.contains(g.node(id)->reference))
            nodes.push_back(id);
    QSet<NodeId> removed;
    sceneops::nodesRemoved(host, std::vector<NodeId>(nodes.rbegin(), nodes.rend()));
    for (auto it = nodes.rbegin(); it != nodes.rend(); ++it) {
        if (!g.node(*it))
            continue;
        removed.insert(*it);
        d.scene.connections.removeNode(*it);
        g.remove(*it);
    }
    for (size_t i = 1; i < refs.size(); ++i)
        d.scene.references.remove(refs[i]);
    if (ReferenceRecord* r = d.scene.references.get(referenceId)) {
        r->loaded = false;
        r->serial = g.nextSerial();
        if (!r->ns.isEmpty() && !g.namespaces().exists(r->ns))
            g.namespaces().add(r->ns); // the namespace stays, as the reference does
    }
    if (d.selection.removeAll(removed)) {
        d.selectionNamesValid = false;
        emit host.selectionChanged();
        host.raiseEvent(QStringLiteral("SelectionChanged"));
    }
    sceneops::edited(host);
    sceneops::sceneMessage(host, MSceneMessage::kAfterUnloadReference);
}

} // namespace scenereader
} // namespace qbhost
