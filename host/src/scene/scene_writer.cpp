#include "scene_writer.h"

#include "plug_key.h"
#include "plug_text.h"

#include "../mel/mel_lexer.h"

#include <QtCore/QDateTime>
#include <QtCore/QFileInfo>
#include <QtCore/QLocale>
#include <QtCore/QSet>

#include <algorithm>
#include <map>

namespace qbhost {
namespace scenewriter {

namespace {

using mel::appendQuoted;
using mel::quoteString;

bool isPlainWord(const QString& s)
{
    if (s.isEmpty() || !(s.at(0).isLetter() || s.at(0) == QLatin1Char('_')) || s.at(0).unicode() > 127)
        return false;
    for (QChar c : s)
        if (c.unicode() > 127 || !(c.isLetterOrNumber() || c == QLatin1Char('_')))
            return false;
    return true;
}

// The arguments of a statement after its command name: strings decoded,
// words and flags as written.
QStringList statementArgs(const QString& statement)
{
    mel::Lexer lex(statement);
    QStringList out;
    lex.nextCommandArg(false); // the command's name
    for (;;) {
        const mel::ArgToken t = lex.nextCommandArg(false);
        if (t.kind == mel::ArgKind::End || t.kind == mel::ArgKind::Semicolon || t.kind == mel::ArgKind::Error
            || t.kind == mel::ArgKind::Paren || t.kind == mel::ArgKind::Brace || t.kind == mel::ArgKind::BackquoteOpen)
            break;
        out << t.text;
    }
    return out;
}

QString flagValue(const QStringList& args, const char* shortName, const char* longName)
{
    for (int i = 0; i + 1 < args.size(); ++i)
        if (args[i] == QLatin1Char('-') + QLatin1String(shortName) || args[i] == QLatin1Char('-') + QLatin1String(longName))
            return args[i + 1];
    return QString();
}

class Writer
{
public:
    explicit Writer(const SceneModel& scene)
        : m_(scene), g_(scene.graph), mark_(scene.document.readMark),
          namesChanged_(scene.graph.namesGeneration() != scene.document.namesMark)
    {
    }

    QString out;

    void line(const QString& text, bool tab)
    {
        if (tab)
            out += QLatin1Char('\t');
        out += text;
        out += QLatin1Char('\n');
    }

    bool resolvesTo(const QString& written, NodeId id) const
    {
        const std::vector<NodeId> found = g_.findExact(written);
        return found.size() == 1 && found.front() == id;
    }

    // ---- what a node is now ----

    void createNodeLine(NodeId id)
    {
        const NodeRecord* n = g_.node(id);
        QString s = QStringLiteral("createNode ");
        if (isPlainWord(n->type))
            s += n->type;
        else
            appendQuoted(s, n->type);
        if (n->shared || n->isDefault)
            s += QStringLiteral(" -s");
        s += QStringLiteral(" -n ");
        appendQuoted(s, n->name);
        if (n->parent) {
            s += QStringLiteral(" -p ");
            appendQuoted(s, g_.shortestPath(n->parent));
        }
        s += QLatin1Char(';');
        line(s, false);
        created_.insert(id);
    }

    QString plugTarget(NodeId node, const QString& key, NodeId context) const
    {
        if (node == context)
            return QLatin1Char('.') + key;
        return g_.shortestPath(node) + QLatin1Char('.') + key;
    }

    void plugLine(NodeId node, const QString& key, NodeId context)
    {
        const NodeRecord* n = g_.node(node);
        const PlugState* state = n->attributes.plug(key);
        plugs_.insert(qMakePair(node, key));
        if (!state)
            return;
        const bool anything = state->value.kind != PlugValue::None || state->size >= 0 || state->locked >= 0
                              || state->keyable >= 0 || state->channelBox >= 0;
        if (anything)
            line(setAttrStatement(plugTarget(node, key, context), *state, plugOf(*n, key).holder), true);
    }

    void addAttrLine(NodeId node, int index, NodeId context)
    {
        const NodeRecord* n = g_.node(node);
        const AttrDef& def = n->attributes.dynamicAt(index);
        attrs_.insert(qMakePair(node, def.longName));
        const QString parent = def.parent >= 0 ? n->attributes.dynamicAt(def.parent).longName : QString();
        QString s = addAttrStatement(def, parent);
        if (node != context) {
            s.chop(1);
            s += QLatin1Char(' ');
            appendQuoted(s, g_.shortestPath(node));
            s += QLatin1Char(';');
        }
        line(s, true);
    }

    void uuidLine(NodeId node, NodeId context)
    {
        const NodeRecord* n = g_.node(node);
        uuids_.insert(node);
        QString s = QStringLiteral("rename -uid ");
        if (node != context) {
            appendQuoted(s, g_.shortestPath(node));
            s += QLatin1Char(' ');
        }
        appendQuoted(s, n->uuid);
        line(s + QLatin1Char(';'), true);
    }

    void lockLine(NodeId node, NodeId context)
    {
        locks_.insert(node);
        QString s = QStringLiteral("lockNode -l %1").arg(g_.node(node)->locked ? 1 : 0);
        if (node != context) {
            s += QLatin1Char(' ');
            appendQuoted(s, g_.shortestPath(node));
        }
        line(s + QStringLiteral(" ;"), false);
    }

    // Whatever of the node no statement of the file wrote: all of it for a
    // node the file did not have, what changed since the read otherwise.
    void extras(NodeId id, NodeId context)
    {
        if (extrasDone_.contains(id))
            return;
        extrasDone_.insert(id);
        const NodeRecord* n = g_.node(id);
        if (!n)
            return;
        const bool fresh = !fromFile_.contains(id) && !n->reference && !n->isDefault;
        // What a read gave the node (the scene's file, or its reference's).
        const quint64 base = std::max(mark_, n->loadedSerial);
        if (!n->uuid.isEmpty() && !uuids_.contains(id) && (fresh || n->uuidSerial > base))
            uuidLine(id, context);
        for (int i = 0; i < n->attributes.dynamicCount(); ++i) {
            const AttrDef& def = n->attributes.dynamicAt(i);
            if (!attrs_.contains(qMakePair(id, def.longName)) && (fresh || n->attributes.dynamicSerial(i) > base))
                addAttrLine(id, i, context);
        }
        for (const QString& key : n->attributes.keys()) {
            const PlugState* state = n->attributes.plug(key);
            if (!plugs_.contains(qMakePair(id, key)) && (fresh || state->serial > base))
                plugLine(id, key, context);
        }
        if (!locks_.contains(id) && (fresh ? n->locked : n->lockSerial > base))
            lockLine(id, context);
    }

    void newNode(NodeId id)
    {
        const NodeRecord* n = g_.node(id);
        if (!n || created_.contains(id))
            return;
        if (n->parent && !created_.contains(n->parent) && !g_.node(n->parent)->reference)
            newNode(n->parent); // parents first
        createNodeLine(id);
        extras(id, id);
    }

    void connectLine(const Connection& c)
    {
        connections_.insert(c.id);
        QString s = QStringLiteral("connectAttr ");
        appendQuoted(s, g_.shortestPath(c.source) + QLatin1Char('.') + c.sourcePlug);
        s += QLatin1Char(' ');
        appendQuoted(s, g_.shortestPath(c.destination) + QLatin1Char('.') + c.destinationPlug);
        line(s + QLatin1Char(';'), false);
    }

    void fileInfoLine(const QString& key, const QString& value)
    {
        fileInfoKeys_.insert(key);
        QString s = QStringLiteral("fileInfo ");
        appendQuoted(s, key);
        s += QLatin1Char(' ');
        appendQuoted(s, value);
        line(s + QLatin1Char(';'), false);
    }

    void referenceLine(const ReferenceRecord& r, bool depthInfo)
    {
        QString s = depthInfo ? QStringLiteral("file -rdi 1") : QStringLiteral("file -r");
        if (!r.ns.isEmpty()) {
            s += QStringLiteral(" -ns ");
            appendQuoted(s, r.ns);
        } else if (!r.prefix.isEmpty()) {
            s += QStringLiteral(" -rpr ");
            appendQuoted(s, r.prefix);
        }
        if (!r.loaded)
            s += QStringLiteral(" -dr 1");
        s += QStringLiteral(" -rfn ");
        appendQuoted(s, r.referenceNode);
        if (!r.options.isEmpty()) {
            s += QStringLiteral(" -op ");
            appendQuoted(s, r.options);
        }
        if (!r.type.isEmpty()) {
            s += QStringLiteral(" -typ ");
            appendQuoted(s, r.type);
        }
        s += QLatin1Char(' ');
        appendQuoted(s, r.file);
        line(s + QLatin1Char(';'), false);
    }

    // ---- the file's statements written back ----

    void record(const StatementRecord& r, const QString& text);
    void writeMayaAscii(const QString& fileName, const QString& codeset);
    void writeOwn(double applicationVersion);

private:
    void nodeSectionTail();
    void flushDeferred();
    void newReferences();
    void newFileInfo();

    const SceneModel& m_;
    const SceneGraph& g_;
    quint64 mark_;
    bool namesChanged_;
    QSet<NodeId> created_, uuids_, locks_, extrasDone_, fromFile_;
    QSet<QPair<NodeId, QString>> plugs_, attrs_;
    QSet<quint64> connections_;
    QSet<QString> fileInfoKeys_;
    QSet<int> references_;
    // Blocks held back until their node's parent is written.
    std::map<NodeId, std::vector<size_t>> deferred_;
    std::vector<NodeId> deferredOrder_;
    bool tailDone_ = false;
};

void Writer::record(const StatementRecord& r, const QString& text)
{
    // As the file had it, indented as it was.
    const auto verbatim = [&]() { line(text, r.indented); };
    const NodeRecord* owner = g_.node(r.owner);
    switch (r.kind) {
    case StatementKind::Kept:
    case StatementKind::Failed:
    case StatementKind::Requires:
    case StatementKind::Unit:
        verbatim();
        return;
    case StatementKind::Namespace:
        if (m_.graph.namespaces().exists(r.key))
            verbatim();
        return;
    case StatementKind::Node: {
        if (!owner)
            return;
        // Unchanged since the read, and its -p still names its parent.
        bool same = owner->nameSerial <= mark_;
        if (same && namesChanged_) {
            const QString parentText = flagValue(statementArgs(text), "p", "parent");
            same = parentText.isEmpty() ? owner->parent == 0 : resolvesTo(parentText, owner->parent);
        }
        if (same) {
            verbatim();
            created_.insert(r.owner);
        } else {
            createNodeLine(r.owner);
        }
        return;
    }
    case StatementKind::Context: {
        if (!owner)
            return;
        const QStringList args = statementArgs(text);
        if (!namesChanged_ || (!args.isEmpty() && resolvesTo(args.last(), r.owner))) {
            verbatim();
        } else {
            QString s = QStringLiteral("select -ne ");
            appendQuoted(s, owner->isDefault ? QLatin1Char(':') + owner->name : g_.shortestPath(r.owner));
            line(s + QLatin1Char(';'), false);
        }
        return;
    }
    case StatementKind::Attr: {
        if (!owner)
            return;
        const PlugState* state = owner->attributes.plug(r.key);
        if (!state)
            return; // its attribute was deleted
        if (state->serial <= mark_ && (r.ref == 1 || !namesChanged_)) {
            verbatim();
            plugs_.insert(qMakePair(r.owner, r.key));
        } else if (!plugs_.contains(qMakePair(r.owner, r.key))) {
            plugLine(r.owner, r.key, r.context);
        }
        return;
    }
    case StatementKind::AddAttr: {
        if (!owner)
            return;
        const int index = owner->attributes.dynamicIndexOf(r.key);
        if (index < 0)
            return;
        if (owner->attributes.dynamicSerial(index) <= mark_ && (r.ref == 1 || !namesChanged_)) {
            verbatim();
            attrs_.insert(qMakePair(r.owner, r.key));
        } else if (!attrs_.contains(qMakePair(r.owner, r.key))) {
            addAttrLine(r.owner, index, r.context);
        }
        return;
    }
    case StatementKind::Uuid:
        if (!owner)
            return;
        if (owner->uuidSerial <= mark_ && (r.ref == 1 || !namesChanged_)) {
            verbatim();
            uuids_.insert(r.owner);
        } else if (!uuids_.contains(r.owner) && !owner->uuid.isEmpty()) {
            uuidLine(r.owner, r.context);
        }
        return;
    case StatementKind::Lock:
        if (!owner)
            return;
        if (owner->lockSerial <= mark_ && (r.ref == 1 || !namesChanged_)) {
            verbatim();
            locks_.insert(r.owner);
        } else if (!locks_.contains(r.owner)) {
            lockLine(r.owner, r.context);
        }
        return;
    case StatementKind::Connect: {
        const Connection* c = m_.connections.get(r.ref);
        if (!c || connections_.contains(c->id))
            return;
        bool same = !namesChanged_;
        if (!same) {
            const QStringList args = statementArgs(text);
            QStringList plugs;
            for (const QString& a : args)
                if (!a.startsWith(QLatin1Char('-')))
                    plugs << a;
            same = plugs.size() == 2 && resolvesTo(plugs[0].left(plugs[0].indexOf(QLatin1Char('.'))), c->source)
                   && resolvesTo(plugs[1].left(plugs[1].indexOf(QLatin1Char('.'))), c->destination);
        }
        if (same) {
            verbatim();
            connections_.insert(c->id);
        } else {
            connectLine(*c);
        }
        return;
    }
    case StatementKind::FileInfo: {
        const QStringList args = statementArgs(text);
        if (args.size() != 2 || !m_.fileInfo.has(args[0]) || fileInfoKeys_.contains(args[0]))
            return;
        if (m_.fileInfo.value(args[0]) == args[1]) {
            verbatim();
            fileInfoKeys_.insert(args[0]);
        } else {
            fileInfoLine(args[0], m_.fileInfo.value(args[0]));
        }
        return;
    }
    case StatementKind::ReferenceDepth: {
        const QStringList args = statementArgs(text);
        const bool top = flagValue(args, "rdi", "referenceDepthInfo") == QLatin1String("1");
        const ReferenceRecord* ref = nullptr;
        for (const ReferenceRecord* x : m_.references.all())
            if (x->parent == 0 && x->referenceNode == flagValue(args, "rfn", "referenceNode"))
                ref = x;
        if (!top || (ref && ref->serial <= mark_))
            verbatim();
        else if (ref)
            referenceLine(*ref, true);
        return;
    }
    case StatementKind::Reference: {
        const ReferenceRecord* ref = m_.references.get(static_cast<int>(r.ref));
        if (!ref || references_.contains(ref->id))
            return;
        references_.insert(ref->id);
        if (ref->serial <= mark_)
            verbatim();
        else
            referenceLine(*ref, false);
        return;
    }
    }
}

void Writer::newReferences()
{
    for (const ReferenceRecord* r : m_.references.all()) {
        if (r->parent != 0 || references_.contains(r->id))
            continue;
        references_.insert(r->id);
        referenceLine(*r, true);
        referenceLine(*r, false);
    }
}

void Writer::newFileInfo()
{
    for (const auto& kv : m_.fileInfo.entries())
        if (!fileInfoKeys_.contains(kv.first))
            fileInfoLine(kv.first, kv.second);
}

void Writer::flushDeferred()
{
    const SceneDocument& doc = m_.document;
    // Parents first: a pass writes the blocks whose parent is written.
    bool progress = true;
    while (!deferredOrder_.empty() && progress) {
        progress = false;
        std::vector<NodeId> left;
        for (NodeId id : deferredOrder_) {
            const NodeRecord* n = g_.node(id);
            const bool ready = !n->parent || created_.contains(n->parent) || g_.node(n->parent)->reference
                               || !fromFile_.contains(n->parent);
            if (!ready) {
                left.push_back(id);
                continue;
            }
            if (n->parent && !created_.contains(n->parent) && !g_.node(n->parent)->reference)
                newNode(n->parent);
            for (size_t index : deferred_[id]) {
                const StatementRecord& r = doc.records[index];
                if (r.kind == StatementKind::Node)
                    createNodeLine(id); // anew: its parent is not the file's
                else
                    record(r, doc.text(r));
            }
            extras(id, id);
            progress = true;
        }
        deferredOrder_ = left;
    }
    for (NodeId id : deferredOrder_)
        newNode(id);
    deferredOrder_.clear();
}

void Writer::nodeSectionTail()
{
    if (tailDone_)
        return;
    tailDone_ = true;
    flushDeferred();
    const std::vector<NodeId> ids = g_.ids();
    // Default nodes changed that the file never selected.
    for (NodeId id : ids) {
        const NodeRecord* n = g_.node(id);
        if (!n->isDefault || extrasDone_.contains(id))
            continue;
        bool changed = n->attributes.lastChange() > mark_ || n->lockSerial > mark_;
        if (!changed)
            continue;
        QString s = QStringLiteral("select -ne ");
        appendQuoted(s, QLatin1Char(':') + n->name);
        line(s + QLatin1Char(';'), false);
        extras(id, id);
    }
    for (NodeId id : ids) {
        const NodeRecord* n = g_.node(id);
        if (!n->reference && !n->isDefault && !created_.contains(id))
            newNode(id);
    }
    // Nodes of references: what changed since the read, named in full.
    for (NodeId id : ids)
        if (g_.node(id)->reference)
            extras(id, 0);
}

void Writer::writeMayaAscii(const QString& fileName, const QString& codeset)
{
    const SceneDocument& doc = m_.document;
    const std::vector<StatementRecord>& records = doc.records;
    int firstNode = -1, lastNodeEnd = -1, lastFileInfo = -1, lastReference = -1;
    for (size_t i = 0; i < records.size(); ++i) {
        const StatementRecord& r = records[i];
        if (r.kind == StatementKind::Node || r.kind == StatementKind::Context)
            fromFile_.insert(r.owner);
        if (r.context != 0 || r.kind == StatementKind::Node || r.kind == StatementKind::Context) {
            if (firstNode < 0)
                firstNode = int(i);
            lastNodeEnd = int(i) + 1;
        }
        if (r.kind == StatementKind::FileInfo)
            lastFileInfo = int(i);
        if (r.kind == StatementKind::Reference && firstNode < 0)
            lastReference = int(i);
    }

    out += QStringLiteral("//Maya ASCII %1 scene\n").arg(doc.mayaVersion.isEmpty() ? QStringLiteral("2024") : doc.mayaVersion);
    out += QStringLiteral("//Name: %1\n").arg(fileName);
    out += QStringLiteral("//Last modified: %1\n")
               .arg(QLocale::c().toString(QDateTime::currentDateTime(), QStringLiteral("ddd, MMM dd, yyyy hh:mm:ss AP")));
    out += QStringLiteral("//Codeset: %1\n").arg(codeset);
    for (int i = 1; i < doc.headerLines.size(); ++i) {
        const QString& h = doc.headerLines[i];
        if (!h.startsWith(QLatin1String("//Name:")) && !h.startsWith(QLatin1String("//Last modified:"))
            && !h.startsWith(QLatin1String("//Codeset:")))
            line(h, false);
    }
    if (lastReference < 0)
        newReferences();

    NodeId block = 0;
    for (size_t i = 0; i < records.size(); ++i) {
        const StatementRecord& r = records[i];
        if (int(i) == firstNode && lastFileInfo < 0)
            newFileInfo();
        if (int(i) == lastNodeEnd) {
            if (block)
                extras(block, block);
            block = 0;
            nodeSectionTail();
        }
        if (r.context != block) {
            if (block && !deferred_.count(block))
                extras(block, block);
            block = r.context;
        }
        if (r.context && !g_.node(r.context))
            continue; // the node of the block is gone, and what the block set with it
        if (r.context && deferred_.count(r.context)) {
            deferred_[r.context].push_back(i);
            continue;
        }
        if (r.kind == StatementKind::Node) {
            const NodeRecord* n = g_.node(r.owner);
            if (n && n->parent && !created_.contains(n->parent) && !g_.node(n->parent)->reference
                && !g_.node(n->parent)->isDefault) {
                deferred_[r.owner].push_back(i);
                deferredOrder_.push_back(r.owner);
                continue;
            }
        }
        record(r, doc.text(r));
        if (int(i) == lastFileInfo)
            newFileInfo();
        if (int(i) == lastReference)
            newReferences();
    }
    if (block && !deferred_.count(block))
        extras(block, block);
    if (firstNode < 0 && lastFileInfo < 0)
        newFileInfo();
    nodeSectionTail();
    for (const Connection* c : m_.connections.all())
        if (!connections_.contains(c->id) && c->serial > std::max(mark_, g_.node(c->source)->loadedSerial))
            connectLine(*c);
    // Statements of imported files the scene does not model, each after a
    // select of the node it was read for.
    NodeId context = 0;
    for (const StatementRecord& r : doc.imported) {
        if (r.context && !g_.node(r.context))
            continue;
        if (r.context && r.context != context) {
            QString s = QStringLiteral("select -ne ");
            appendQuoted(s, g_.shortestPath(r.context));
            line(s + QLatin1Char(';'), false);
        }
        context = r.context;
        line(doc.text(r), r.context != 0);
    }
    out += QStringLiteral("// End of %1\n").arg(fileName);
}

void Writer::writeOwn(double applicationVersion)
{
    // Fixed text only: nothing from the scene may end up outside a string.
    out += QLatin1String("//Quillbrook host scene, written as MEL\n");
    out += QStringLiteral("//Application version: %1\n").arg(applicationVersion);
    for (const ReferenceRecord* r : m_.references.all())
        if (r->parent == 0)
            referenceLine(*r, false);
    // Namespaces that exist on their own, each after its parents.
    QSet<QString> written;
    for (const QString& ns : g_.namespaces().explicitNamespaces()) {
        int colon = ns.indexOf(QLatin1Char(':'));
        for (;;) {
            const QString prefix = colon < 0 ? ns : ns.left(colon);
            if (!written.contains(prefix)) {
                written.insert(prefix);
                const int last = prefix.lastIndexOf(QLatin1Char(':'));
                QString s = QStringLiteral("namespace -add ");
                appendQuoted(s, prefix.mid(last + 1));
                if (last > 0) {
                    s += QStringLiteral(" -parent ");
                    appendQuoted(s, QLatin1Char(':') + prefix.left(last));
                }
                line(s + QLatin1Char(';'), false);
            }
            if (colon < 0)
                break;
            colon = ns.indexOf(QLatin1Char(':'), colon + 1);
        }
    }
    const std::vector<NodeId> ids = g_.ids();
    for (NodeId id : ids)
        if (!g_.node(id)->reference)
            newNode(id);
    for (NodeId id : ids)
        if (g_.node(id)->reference)
            extras(id, 0);
    for (const Connection* c : m_.connections.all()) {
        // Those a reference's read made come back with the reference.
        const NodeRecord* source = g_.node(c->source);
        const bool fromReference = source->reference && g_.node(c->destination)->reference;
        if (!fromReference || c->serial > std::max(mark_, source->loadedSerial))
            connectLine(*c);
    }
    for (const auto& kv : m_.fileInfo.entries())
        fileInfoLine(kv.first, kv.second);
}

} // namespace

QString ownText(const SceneModel& scene, double applicationVersion)
{
    Writer w(scene);
    w.writeOwn(applicationVersion);
    return w.out;
}

QString mayaAsciiText(const SceneModel& scene, const QString& fileName, const QString& codeset)
{
    Writer w(scene);
    w.writeMayaAscii(fileName, codeset);
    return w.out;
}

} // namespace scenewriter
} // namespace qbhost
