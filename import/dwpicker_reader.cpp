#include "import/dwpicker_reader.h"
#include "import/import_limits.h"
#include "import/json_fields.h"
#include "import/report_kinds.h"
#include "import/svg_path_writer.h"
#include <QtCore/QRegularExpression>
#include <QtCore/QSet>
#include <QtGui/QColor>

namespace {

const QString kTool = QStringLiteral("dwpicker");
const double kLimit = import_limits::kMaxCoordinate;

// Versions as one comparable number: (0, 15, 3) is 15003.
constexpr int version(int major, int minor, int patch)
{
    return major * 1000000 + minor * 1000 + patch;
}
// The newest layout this reader knows: custom shapes relative to their
// top-left corner came with 1.0.
constexpr int kNewestKnown = version(1, 99, 999);

// Every key a shape of any release holds; another is a setting this import
// does not know, and is reported.
const QSet<QString>& knownShapeKeys()
{
    static const QSet<QString> keys = [] {
        QSet<QString> k;
        for (const char* key :
             {"id", "panel", "background", "visibility_layer", "children", "shape", "shape.space", "shape.anchor",
              "shape.path", "shape.left", "shape.top", "shape.width", "shape.height", "shape.cornersx",
              "shape.cornersy", "shape.ignored_by_focus", "border", "borderwidth.normal", "borderwidth.hovered",
              "borderwidth.clicked", "bordercolor.normal", "bordercolor.hovered", "bordercolor.clicked",
              "bordercolor.transparency", "bgcolor.normal", "bgcolor.hovered", "bgcolor.clicked",
              "bgcolor.transparency", "text.content", "text.size", "text.bold", "text.italic", "text.color",
              "text.valign", "text.halign", "action.targets", "action.commands", "action.menu_commands",
              "action.type", "action.namespace", "action.left", "action.left.language", "action.left.command",
              "action.right", "action.right.language", "action.right.command", "image.path", "image.fit",
              "image.ratio", "image.width", "image.height"})
            k.insert(QLatin1String(key));
        return k;
    }();
    return keys;
}

// One command as the 0.11 action system holds it.
struct command {
    bool enabled = true;
    QString button = QStringLiteral("left");
    qint32 language = kPythonScript;
    QString text;
    bool ctrl = false;
    bool shift = false;
    bool deferred = false;
    bool compactUndo = false;
};

class reader
{
public:
    reader(const QJsonObject& root, const image_lookup& lookup, imported_picker* out)
        : root_(root), lookup_(lookup), out_(out)
    {
    }

    bool run(QString* error);

private:
    void readVersion(const QJsonObject& general);
    void readPanels(const QJsonObject& general);
    void readShape(const QJsonObject& shape, int index);
    bool readGeometry(const QJsonObject& shape, const QString& where, QPointF* position, imported_shape* outline);
    void readCustomPath(const QJsonObject& shape, const QString& where, double left, double top,
                        QPointF* position, imported_shape* outline);
    QList<command> readCommands(const QJsonObject& shape, const QString& where);
    qint32 language(const QJsonValue& value, const QString& where);
    QRgb colour(const QJsonObject& shape, const char* key, const char* fallback, const QString& where);
    QRectF pictureRect(const QJsonObject& shape, const QString& where, const QRectF& box, bool round);
    void mapCommands(const QList<command>& commands, const QString& name, imported_button* button);
    void noteHelpers(const QString& script, qint32 lang, const QString& name);

    const QJsonObject& root_;
    const image_lookup& lookup_;
    imported_picker* out_;
    json_fields f_;
    int version_ = 0;
    int panels_ = 1;
    QSet<QString> hiddenLayers_;
};

bool reader::run(QString* error)
{
    const QJsonObject general = f_.object(root_.value(QLatin1String("general")), QString(), quoted_key("general"));
    readVersion(general);
    out_->format = kTool;
    readPanels(general);
    const QJsonArray shapes = f_.array(root_, "shapes", import_limits::kMaxButtons, QString());
    for (int i = 0; i < shapes.size() && !f_.failed(); ++i) {
        const QJsonObject shape = f_.object(shapes[i], QStringLiteral("shape %1").arg(i), QStringLiteral("the shape"));
        if (!f_.failed())
            readShape(shape, i);
    }
    if (f_.failed()) {
        *error = f_.error();
        *out_ = imported_picker();
        return false;
    }
    return true;
}

void reader::readVersion(const QJsonObject& general)
{
    const QJsonValue value = general.value(QLatin1String("version"));
    int parts[3] = {0, 0, 0};
    if (value.isString()) {
        const QStringList p = value.toString().split(QLatin1Char('.'));
        for (int i = 0; i < 3 && i < p.size(); ++i)
            parts[i] = qBound(0, p[i].toInt(), 999);
    } else {
        const QJsonArray a = f_.array(value, 3, QStringLiteral("general"), quoted_key("version"));
        for (int i = 0; i < a.size(); ++i)
            parts[i] = int(f_.number(a[i], 0, 0, 999, QStringLiteral("general"), quoted_key("version")));
    }
    version_ = version(parts[0], parts[1], parts[2]);
    out_->version = QStringLiteral("%1.%2.%3").arg(parts[0]).arg(parts[1]).arg(parts[2]);
    if (version_ > kNewestKnown)
        out_->report.add(report_kind::kNewerVersion, QStringLiteral("dwpicker ") + out_->version);
}

void reader::readPanels(const QJsonObject& general)
{
    const QString where = QStringLiteral("general");
    const QString name = f_.string(general, "name", QStringLiteral("Untitled"), import_limits::kMaxNameChars, where);
    if (version_ >= version(0, 15, 0) && general.contains(QLatin1String("panels"))) {
        panels_ = 0;
        const QJsonArray columns = f_.array(general, "panels", import_limits::kMaxTabs, where);
        for (const QJsonValue& c : columns) {
            const QJsonArray column = f_.array(c, 2, where, quoted_key("panels"));
            if (column.size() == 2)
                panels_ += f_.array(column[1], import_limits::kMaxTabs, where, quoted_key("panels")).size();
        }
        if (panels_ > import_limits::kMaxTabs)
            f_.fail(where, QStringLiteral("%1 panels, more than %2").arg(panels_).arg(import_limits::kMaxTabs));
        panels_ = qBound(1, panels_, import_limits::kMaxTabs);
    }
    const QStringList names =
        f_.strings(general, "panels.names", import_limits::kMaxTabs, import_limits::kMaxNameChars, where);
    for (int p = 0; p < panels_; ++p) {
        imported_tab tab;
        if (panels_ == 1)
            tab.name = name;
        else
            tab.name = name + QStringLiteral(" - ")
                       + (p < names.size() && !names[p].isEmpty() ? names[p] : QStringLiteral("Panel %1").arg(p + 1));
        out_->tabs.append(tab);
    }

    // The view's own settings: a tab here has its own.
    bool zoomLocked = f_.boolean(general, "zoom_locked", false, where);
    for (const QJsonValue& v : f_.array(general, "panels.zoom_locked", import_limits::kMaxTabs, where))
        zoomLocked = zoomLocked || v.toBool();
    if (zoomLocked)
        out_->report.add(report_kind::kViewSettings, QStringLiteral("zoom lock"));
    for (const QJsonValue& v : f_.array(general, "panels.colors", import_limits::kMaxTabs, where))
        if (!v.isNull()) {
            out_->report.add(report_kind::kViewSettings, QStringLiteral("panel colour ") + v.toString());
            break;
        }
    for (const QString& layer :
         f_.strings(general, "hidden_layers", import_limits::kMaxButtons, import_limits::kMaxNameChars, where))
        hiddenLayers_.insert(layer);
    for (const QJsonValue& v : f_.array(general, "menu_commands", import_limits::kMaxCommandsPerButton, where)) {
        const QJsonObject entry = f_.object(v, where, quoted_key("menu_commands"));
        out_->report.add(report_kind::kPickerMenu,
                         f_.string(entry, "caption", QString(), import_limits::kMaxNameChars, where));
    }
}

qint32 reader::language(const QJsonValue& value, const QString& where)
{
    const QString text = f_.string(value, 16, where, QStringLiteral("the command language")).toLower();
    if (text.isEmpty() || text == QLatin1String("python"))
        return kPythonScript;
    if (text == QLatin1String("mel"))
        return kMelScript;
    f_.fail(where, QStringLiteral("command language \"%1\" is neither python nor mel").arg(text));
    return kPythonScript;
}

QList<command> reader::readCommands(const QJsonObject& shape, const QString& where)
{
    QList<command> commands;
    if (version_ < version(0, 11, 0) && !shape.contains(QLatin1String("action.commands"))) {
        // Before 0.11 a shape had one left and one right command; the
        // upgrade keeps both as left-click commands, and so does this.
        struct side {
            const char *enabled, *language, *text;
        };
        for (const side& k : {side{"action.left", "action.left.language", "action.left.command"},
                              side{"action.right", "action.right.language", "action.right.command"}}) {
            const QString text = f_.string(shape, k.text, QString(), import_limits::kMaxScriptChars, where);
            if (text.isEmpty())
                continue;
            command c;
            c.enabled = f_.boolean(shape, k.enabled, false, where);
            c.language = language(shape.value(QLatin1String(k.language)), where);
            c.text = text;
            commands.append(c);
        }
        return commands;
    }
    const QJsonArray list = f_.array(shape, "action.commands", import_limits::kMaxCommandsPerButton, where);
    for (const QJsonValue& v : list) {
        const QJsonObject o = f_.object(v, where, quoted_key("action.commands"));
        command c;
        c.enabled = f_.boolean(o, "enabled", true, where);
        c.button = f_.string(o, "button", QStringLiteral("left"), 16, where);
        c.language = language(o.value(QLatin1String("language")), where);
        c.text = f_.string(o, "command", QString(), import_limits::kMaxScriptChars, where);
        c.ctrl = f_.boolean(o, "ctrl", false, where);
        c.shift = f_.boolean(o, "shift", false, where);
        c.deferred = f_.boolean(o, "deferred", false, where);
        c.compactUndo = f_.boolean(o, "force_compact_undo", false, where);
        commands.append(c);
    }
    return commands;
}

QRgb reader::colour(const QJsonObject& shape, const char* key, const char* fallback, const QString& where)
{
    const QString text = f_.string(shape, key, QLatin1String(fallback), 64, where);
    const QColor c(text);
    if (!c.isValid()) {
        f_.fail(where, quoted_key(key) + QStringLiteral(" is not a colour"));
        return 0;
    }
    return c.rgb();
}

void reader::readCustomPath(const QJsonObject& shape, const QString& where, double left, double top,
                            QPointF* position, imported_shape* outline)
{
    const QJsonArray points = f_.array(shape, "shape.path", import_limits::kMaxPointsPerShape, where);
    if (points.size() < 2 || f_.failed())
        return; // no outline of its own: its rectangle, as the tool then draws it
    // Before 1.0 the points were stored where they lie; since, from the
    // shape's top-left corner. Either way they end up about that corner.
    const QPointF origin = version_ >= version(1, 0, 0) ? QPointF(0, 0) : QPointF(left, top);
    struct node {
        QPointF point;
        bool hasIn = false, hasOut = false;
        QPointF in, out;
    };
    QVector<node> nodes;
    nodes.reserve(points.size());
    bool curved = false;
    for (const QJsonValue& v : points) {
        const QJsonObject o = f_.object(v, where, quoted_key("shape.path"));
        node n;
        n.point = f_.point(o.value(QLatin1String("point")), where, quoted_key("point")) - origin;
        const QJsonValue in = o.value(QLatin1String("tangent_in"));
        const QJsonValue out = o.value(QLatin1String("tangent_out"));
        if ((n.hasIn = !(in.isNull() || in.isUndefined())))
            n.in = f_.point(in, where, quoted_key("tangent_in")) - origin;
        if ((n.hasOut = !(out.isNull() || out.isUndefined())))
            n.out = f_.point(out, where, quoted_key("tangent_out")) - origin;
        curved = curved || n.hasIn || n.hasOut;
        nodes.append(n);
    }
    if (f_.failed())
        return;
    *position = QPointF(left, top);
    if (!curved) {
        outline->kind = imported_shape::Polygon;
        for (const node& n : nodes)
            outline->points.append(n.point);
        return;
    }
    // A closed outline of one cubic per edge, as the tool draws it; an edge
    // without tangents is a straight line.
    svg_path_writer path;
    path.moveTo(nodes[0].point);
    for (int i = 0; i < nodes.size(); ++i) {
        const node& a = nodes[i];
        const node& b = nodes[(i + 1) % nodes.size()];
        if (!a.hasOut && !b.hasIn)
            path.lineTo(b.point);
        else
            path.cubicTo(a.hasOut ? a.out : a.point, b.hasIn ? b.in : b.point, b.point);
    }
    path.close();
    outline->kind = imported_shape::Path;
    outline->path = path.text();
    outline->outline = path.outline();
}

bool reader::readGeometry(const QJsonObject& shape, const QString& where, QPointF* position, imported_shape* outline)
{
    const double left = f_.number(shape, "shape.left", 0, -kLimit, kLimit, where);
    const double top = f_.number(shape, "shape.top", 0, -kLimit, kLimit, where);
    const double width = f_.number(shape, "shape.width", 120, 0, kLimit, where);
    const double height = f_.number(shape, "shape.height", 25, 0, kLimit, where);
    const QString kind = f_.string(shape, "shape", QStringLiteral("square"), 32, where);
    *position = QPointF(left + width / 2, top + height / 2);
    outline->width = width;
    outline->height = height;
    if (kind == QLatin1String("square")) {
        outline->kind = imported_shape::Rect;
    } else if (kind == QLatin1String("round")) {
        outline->kind = imported_shape::Ellipse;
    } else if (kind == QLatin1String("custom") && version_ >= version(0, 14, 0)) {
        outline->kind = imported_shape::Rect;
        readCustomPath(shape, where, left, top, position, outline);
    } else {
        // The tool draws every other name as a rounded rectangle.
        outline->kind = imported_shape::Rounded;
        outline->radiusX = f_.number(shape, "shape.cornersx", 4, 0, kLimit, where);
        outline->radiusY = f_.number(shape, "shape.cornersy", 4, 0, kLimit, where);
    }
    return !f_.failed();
}

QRectF reader::pictureRect(const QJsonObject& shape, const QString& where, const QRectF& box, bool round)
{
    // Where the tool draws a shape's picture: stretched over the shape (the
    // middle 70 % of a round one), its own size at the centre, or fitted
    // inside keeping the proportions the file gives it.
    const bool fit = f_.boolean(shape, "image.fit", true, where);
    const bool ratio = f_.boolean(shape, "image.ratio", version_ >= version(0, 15, 0), where);
    const double w = f_.number(shape, "image.width", 32, 0, kLimit, where);
    const double h = f_.number(shape, "image.height", 32, 0, kLimit, where);
    if (!fit) {
        QRectF r(0, 0, w, h);
        r.moveCenter(box.center());
        return r;
    }
    if (!ratio || w <= 0 || h <= 0) {
        if (!round)
            return box;
        QRectF r(0, 0, box.width() * 0.7, box.height() * 0.7);
        r.moveCenter(box.center());
        return r;
    }
    double fw = box.width(), fh = box.width() * h / w;
    if (box.height() < fh) {
        fw = box.height() * w / h;
        fh = box.height();
    }
    QRectF r(0, 0, fw, fh);
    r.moveCenter(box.center());
    return r;
}

void reader::noteHelpers(const QString& script, qint32 lang, const QString& name)
{
    // The variables and module the tool puts at a command's disposal.
    static const QRegularExpression python(
        QStringLiteral("\\b__targets__\\b|\\b__shape__\\b|\\bdwpicker\\b|\\btargets\\b"));
    static const QRegularExpression mel(QStringLiteral("\\$targets\\b|\\bdwpicker\\b"));
    if ((lang == kPythonScript ? python : mel).match(script).hasMatch())
        out_->report.add(report_kind::helpers(kTool), name);
}

void reader::mapCommands(const QList<command>& commands, const QString& name, imported_button* button)
{
    QList<command> left;
    for (const command& c : commands) {
        if (!c.enabled)
            out_->report.add(report_kind::kDisabledCommands, name);
        else if (c.button != QLatin1String("left") || c.ctrl || c.shift)
            out_->report.add(report_kind::kOtherClicks, name);
        else if (!c.text.isEmpty())
            left.append(c);
    }
    if (left.isEmpty())
        return;
    if (!button->nodes.isEmpty()) {
        out_->report.add(report_kind::kSelectAndRun, name);
        return;
    }
    // Commands of one language run one after the other: one script here.
    QStringList parts;
    for (const command& c : left) {
        if (c.language != left[0].language) {
            out_->report.add(report_kind::kMoreCommands, name);
            continue;
        }
        if (c.deferred || c.compactUndo)
            out_->report.add(report_kind::kCommandOptions, name);
        parts.append(c.text);
    }
    button->language = left[0].language;
    button->script = parts.join(QLatin1Char('\n'));
    if (button->script.size() > import_limits::kMaxScriptChars)
        f_.fail(name, QStringLiteral("the commands are longer than %1 characters").arg(import_limits::kMaxScriptChars));
    noteHelpers(button->script, button->language, name);
}

void reader::readShape(const QJsonObject& shape, int index)
{
    const QString where = QStringLiteral("shape %1").arg(index);
    const int panel =
        version_ >= version(0, 15, 0) ? int(f_.number(shape, "panel", 0, 0, 1e9, where)) : 0;
    QPointF position;
    imported_shape outline;
    if (!readGeometry(shape, where, &position, &outline))
        return;
    const QString label = f_.string(shape, "text.content", QString(), import_limits::kMaxLabelChars, where);
    const QStringList targets =
        f_.strings(shape, "action.targets", import_limits::kMaxNodesPerButton, import_limits::kMaxNameChars, where);
    const QList<command> commands = readCommands(shape, where);
    const QString name = !label.trimmed().isEmpty() ? label.trimmed()
                         : !targets.isEmpty()       ? targets.first()
                                                    : QStringLiteral("#%1").arg(index);
    bool background = f_.boolean(shape, "background", false, where);
    if (version_ < version(0, 11, 3)) {
        // Before 0.11.3 a shape that neither selects nor runs anything was
        // the background; the upgrade makes it so.
        bool runs = false;
        for (const command& c : commands)
            runs = runs || c.enabled;
        background = !runs && targets.isEmpty();
    }
    const double transparency = f_.number(shape, "bgcolor.transparency", 0, 0, 255, where);
    const QRgb fill = (colour(shape, "bgcolor.normal", "#888888", where) & 0x00ffffffu)
                      | (QRgb(qRound(255 - transparency)) << 24);
    const QRgb text = colour(shape, "text.color", "#FFFFFF", where);
    const imported_image image = resolve_dwpicker_image(
        f_.string(shape, "image.path", QString(), import_limits::kMaxNameChars, where), lookup_);
    const QString layer = f_.string(shape, "visibility_layer", QString(), import_limits::kMaxNameChars, where);
    const bool screen = f_.string(shape, "shape.space", QStringLiteral("world"), 16, where) == QLatin1String("screen");
    const bool children = !f_.array(shape, "children", import_limits::kMaxButtons, where).isEmpty();
    const QJsonArray menu = f_.array(shape, "action.menu_commands", import_limits::kMaxCommandsPerButton, where);
    const double textSize = f_.number(shape, "text.size", 12, 0, 1e4, where);
    const bool styled = f_.boolean(shape, "text.bold", false, where) || f_.boolean(shape, "text.italic", false, where)
                        || f_.string(shape, "text.valign", QStringLiteral("center"), 16, where) != QLatin1String("center")
                        || f_.string(shape, "text.halign", QStringLiteral("center"), 16, where) != QLatin1String("center");
    const bool border = f_.boolean(shape, "border", true, where)
                        && f_.number(shape, "bordercolor.transparency", 0, 0, 255, where) < 255
                        && f_.number(shape, "borderwidth.normal", 1, 0, kLimit, where) > 0;
    const bool hover = colour(shape, "bgcolor.hovered", "#AAAAAA", where) != QColor(0xAA, 0xAA, 0xAA).rgb()
                       || colour(shape, "bgcolor.clicked", "#DDDDDD", where) != QColor(0xDD, 0xDD, 0xDD).rgb();
    if (f_.failed())
        return;
    for (auto it = shape.constBegin(); it != shape.constEnd(); ++it)
        if (!knownShapeKeys().contains(it.key()))
            out_->report.add(report_kind::kUnknownSettings, it.key());
    if (panel >= panels_) {
        out_->report.add(report_kind::kMissingPanel, name);
        return;
    }
    imported_tab& tab = out_->tabs[panel];
    if (!layer.isEmpty())
        out_->report.add(report_kind::kVisibilityLayers, layer);
    if (screen)
        out_->report.add(report_kind::kOverlays, name);
    if (children)
        out_->report.add(report_kind::kHierarchy, name);
    for (const QJsonValue& v : menu)
        out_->report.add(report_kind::kMenuCommands,
                         f_.string(f_.object(v, where, quoted_key("action.menu_commands")), "caption", name,
                                   import_limits::kMaxNameChars, where));

    if (background) {
        imported_backdrop backdrop;
        backdrop.position = position;
        backdrop.shape = outline;
        backdrop.fill = fill;
        backdrop.image = image;
        backdrop.reference = name;
        if (!image.isEmpty())
            backdrop.imageRect = pictureRect(shape, where, outline.bounds().translated(position),
                                             outline.kind == imported_shape::Ellipse);
        tab.backdrops.append(backdrop);
        if (label.trimmed().isEmpty())
            return;
        // A title drawn on the background: a button of its own, so that it
        // still shows.
        out_->report.add(report_kind::kBackgroundTexts, name);
    }
    imported_button button;
    button.position = position;
    button.shape = outline;
    button.fill = fill;
    button.textColor = text;
    button.label = label;
    button.labelSize = label.isEmpty() ? 0 : textSize;
    button.nodes = targets;
    if (!background) {
        button.image = image;
        mapCommands(commands, name, &button);
        if (border && button.script.isEmpty())
            out_->report.add(report_kind::kBorders, name);
        if (hover)
            out_->report.add(report_kind::kHoverColours, name);
    }
    if (styled && !label.isEmpty())
        out_->report.add(report_kind::kLabelStyle, name);
    tab.buttons.append(button);
}

} // namespace

bool is_dwpicker(const QJsonObject& root)
{
    return root.contains(QLatin1String("general")) && root.contains(QLatin1String("shapes"));
}

bool read_dwpicker(const QJsonObject& root, const image_lookup& lookup, imported_picker* out, QString* error)
{
    *out = imported_picker();
    return reader(root, lookup, out).run(error);
}
