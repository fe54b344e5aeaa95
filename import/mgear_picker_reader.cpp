#include "import/mgear_picker_reader.h"
#include "import/import_limits.h"
#include "import/json_fields.h"
#include "import/report_kinds.h"
#include "import/svg_path_writer.h"
#include <QtCore/QRegularExpression>
#include <QtCore/QSet>
#include <QtCore/QtMath>

namespace {

const QString kTool = QStringLiteral("mGear's anim picker");
const double kLimit = import_limits::kMaxCoordinate;

const QSet<QString>& knownItemKeys()
{
    static const QSet<QString> keys = [] {
        QSet<QString> k;
        for (const char* key :
             {"color", "position", "rotation", "handles", "action_mode", "action_script", "controls", "menus", "text",
              "text_size", "text_color", "text_align", "text_offset", "id", "mirror", "pinned", "anchor", "offset",
              "pin_scale", "widget", "binding", "scripts", "backdrop", "title", "corner_radius", "visibility", "svg",
              "group"})
            k.insert(QLatin1String(key));
        return k;
    }();
    return keys;
}

// The item's frame: its position in the scene and its rotation, y up.
struct frame {
    QPointF position;
    double cosA = 1, sinA = 0;

    // A point of the item about its position, in picker orientation.
    QPointF local(const QPointF& p) const
    {
        return QPointF(p.x() * cosA - p.y() * sinA, -(p.x() * sinA + p.y() * cosA));
    }
    QPointF origin() const { return QPointF(position.x(), -position.y()); }
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
    void readTab(const QJsonObject& tab, int index);
    void readBackgrounds(const QJsonObject& data, const QString& where, imported_tab* tab);
    void readItem(const QJsonObject& item, const QString& where, imported_tab* tab);
    QRgb colour(const QJsonValue& value, QRgb fallback, const QString& where, const char* key);
    bool readOutline(const QJsonObject& item, const QString& where, const frame& at, QPointF* position,
                     imported_shape* outline);
    bool readVector(const QJsonObject& svg, const QString& where, const frame& at, imported_shape* outline);

    const QJsonObject& root_;
    const image_lookup& lookup_;
    imported_picker* out_;
    json_fields f_;
    int items_ = 0;
};

bool reader::run(QString* error)
{
    out_->format = QStringLiteral("mGear anim picker");
    const QJsonArray tabs = f_.array(root_, "tabs", import_limits::kMaxTabs, QString());
    if (!f_.string(root_, "snapshot", QString(), import_limits::kMaxNameChars, QString()).isEmpty())
        out_->report.add(report_kind::kSnapshot, root_.value(QLatin1String("snapshot")).toString());
    for (auto it = root_.constBegin(); it != root_.constEnd(); ++it)
        if (it.key() != QLatin1String("tabs") && it.key() != QLatin1String("snapshot")
            && it.key() != QLatin1String("source_file_path"))
            out_->report.add(report_kind::kUnknownSettings, it.key());
    for (int i = 0; i < tabs.size() && !f_.failed(); ++i)
        readTab(f_.object(tabs[i], QStringLiteral("tab %1").arg(i), QStringLiteral("the tab")), i);
    if (f_.failed()) {
        *error = f_.error();
        *out_ = imported_picker();
        return false;
    }
    return true;
}

void reader::readTab(const QJsonObject& object, int index)
{
    const QString where = QStringLiteral("tab %1").arg(index);
    imported_tab tab;
    tab.name = f_.string(object, "name", QStringLiteral("default1"), import_limits::kMaxNameChars, where);
    const QJsonObject data = f_.object(object.value(QLatin1String("data")), where, quoted_key("data"));
    readBackgrounds(data, where, &tab);
    const QJsonArray items = f_.array(data, "items", import_limits::kMaxButtons, where);
    for (int i = 0; i < items.size() && !f_.failed(); ++i) {
        if (++items_ > import_limits::kMaxButtons) {
            f_.fail(where, QStringLiteral("more than %1 items").arg(import_limits::kMaxButtons));
            break;
        }
        const QString at = where + QStringLiteral(", item %1").arg(i);
        readItem(f_.object(items[i], at, QStringLiteral("the item")), at, &tab);
    }
    out_->tabs.append(tab);
}

void reader::readBackgrounds(const QJsonObject& data, const QString& where, imported_tab* tab)
{
    // Layers since the composite backgrounds, each centred on its position;
    // before, one picture centred on the origin.
    QJsonArray layers;
    if (data.contains(QLatin1String("backgrounds"))) {
        layers = f_.array(data, "backgrounds", import_limits::kMaxButtons, where);
    } else if (!f_.string(data, "background", QString(), import_limits::kMaxNameChars, where).isEmpty()) {
        QJsonObject legacy;
        legacy.insert(QStringLiteral("path"), data.value(QLatin1String("background")));
        legacy.insert(QStringLiteral("size"), data.value(QLatin1String("background_size")));
        layers.append(legacy);
    }
    for (const QJsonValue& v : layers) {
        const QJsonObject layer = f_.object(v, where, quoted_key("backgrounds"));
        const QString path = f_.string(layer, "path", QString(), import_limits::kMaxNameChars, where);
        if (path.isEmpty() || f_.failed())
            continue;
        imported_backdrop backdrop;
        const QPointF centre = layer.contains(QLatin1String("position"))
                                   ? f_.point(layer.value(QLatin1String("position")), where, quoted_key("position"))
                                   : QPointF();
        backdrop.position = QPointF(centre.x(), -centre.y());
        backdrop.image = resolve_mgear_image(path, lookup_);
        backdrop.reference = path;
        const QJsonArray size = f_.array(layer, "size", 2, where);
        if (size.size() == 2) {
            const double w = f_.number(size[0], 0, 0, kLimit, where, quoted_key("size"));
            const double h = f_.number(size[1], 0, 0, kLimit, where, quoted_key("size"));
            if (w > 0 && h > 0)
                backdrop.imageRect = QRectF(backdrop.position.x() - w / 2, backdrop.position.y() - h / 2, w, h);
        }
        if (backdrop.imageRect.isEmpty())
            backdrop.imageRect = QRectF(backdrop.position, QSizeF());
        backdrop.shape.width = backdrop.imageRect.width();
        backdrop.shape.height = backdrop.imageRect.height();
        tab->backdrops.append(backdrop);
    }
}

QRgb reader::colour(const QJsonValue& value, QRgb fallback, const QString& where, const char* key)
{
    const QJsonArray rgba = f_.array(value, 4, where, quoted_key(key));
    if (value.isUndefined() || value.isNull() || f_.failed())
        return fallback;
    if (rgba.size() < 3) {
        f_.fail(where, quoted_key(key) + QStringLiteral(" is not a colour [r, g, b, a]"));
        return fallback;
    }
    int c[4] = {0, 0, 0, 255};
    for (int i = 0; i < rgba.size(); ++i)
        c[i] = qRound(f_.number(rgba[i], 0, 0, 255, where, quoted_key(key)));
    return qRgba(c[0], c[1], c[2], c[3]);
}

bool reader::readVector(const QJsonObject& svg, const QString& where, const frame& at, imported_shape* outline)
{
    const QJsonArray subpaths = f_.array(svg, "subpaths", import_limits::kMaxSegmentsPerShape, where);
    svg_path_writer path;
    for (const QJsonValue& s : subpaths) {
        const QJsonArray segments = f_.array(s, import_limits::kMaxSegmentsPerShape, where, quoted_key("subpaths"));
        for (const QJsonValue& g : segments) {
            if (path.segments() >= import_limits::kMaxSegmentsPerShape) {
                f_.fail(where, QStringLiteral("the vector shape has more than %1 segments")
                                   .arg(import_limits::kMaxSegmentsPerShape));
                return false;
            }
            const QJsonArray seg = f_.array(g, 7, where, quoted_key("subpaths"));
            if (f_.failed())
                return false;
            const QString op = seg.isEmpty() ? QString() : seg[0].toString();
            const int numbers = op == QLatin1String("C") ? 6 : op == QLatin1String("Z") ? 0 : 2;
            if ((op != QLatin1String("M") && op != QLatin1String("L") && op != QLatin1String("C")
                 && op != QLatin1String("Z"))
                || seg.size() != numbers + 1) {
                f_.fail(where, QStringLiteral("a vector segment is neither M, L, C nor Z with its points"));
                return false;
            }
            QPointF p[3];
            for (int k = 0; k < numbers / 2; ++k)
                p[k] = at.local(QPointF(f_.number(seg[1 + 2 * k], 0, -kLimit, kLimit, where, quoted_key("subpaths")),
                                        f_.number(seg[2 + 2 * k], 0, -kLimit, kLimit, where, quoted_key("subpaths"))));
            if (op == QLatin1String("M"))
                path.moveTo(p[0]);
            else if (op == QLatin1String("L"))
                path.lineTo(p[0]);
            else if (op == QLatin1String("C"))
                path.cubicTo(p[0], p[1], p[2]);
            else
                path.close();
        }
    }
    if (f_.failed() || path.segments() == 0)
        return false;
    outline->kind = imported_shape::Path;
    outline->path = path.text();
    outline->outline = path.outline();
    return true;
}

bool reader::readOutline(const QJsonObject& item, const QString& where, const frame& at, QPointF* position,
                         imported_shape* outline)
{
    *position = at.origin();
    const QJsonObject svg = f_.object(item.value(QLatin1String("svg")), where, quoted_key("svg"));
    if (!svg.isEmpty() && readVector(svg, where, at, outline)) {
        if (f_.string(svg, "mode", QStringLiteral("fill"), 16, where) == QLatin1String("stroke"))
            out_->report.add(report_kind::kStroked, where);
        return true;
    }
    // The tool's default outline: four handles on a circle of 20.
    QVector<QPointF> handles;
    if (!item.contains(QLatin1String("handles"))) {
        for (int i = 0; i < 4; ++i) {
            const double angle = i * M_PI / 2 + M_PI / 4;
            handles.append(QPointF(qSin(angle) * 20, qCos(angle) * 20));
        }
    } else {
        const QJsonArray list = f_.array(item, "handles", import_limits::kMaxPointsPerShape, where);
        for (const QJsonValue& h : list)
            handles.append(f_.point(h, where, quoted_key("handles")));
        if (f_.failed())
            return false;
        if (handles.size() < 2) {
            f_.fail(where, QStringLiteral("%1 handles; an outline needs at least 2").arg(handles.size()));
            return false;
        }
    }
    if (handles.size() == 2) {
        // Two handles: a circle about the first, through the second.
        const QPointF d = handles[1] - handles[0];
        const double radius = qSqrt(d.x() * d.x() + d.y() * d.y());
        outline->kind = imported_shape::Ellipse;
        outline->width = outline->height = 2 * radius;
        *position += at.local(handles[0]);
        return true;
    }
    QVector<QPointF> corners;
    corners.reserve(handles.size());
    for (const QPointF& h : handles)
        corners.append(at.local(h));
    *outline = imported_shape::polygon(corners, position);
    return true;
}

void reader::readItem(const QJsonObject& item, const QString& where, imported_tab* tab)
{
    frame at;
    at.position = item.contains(QLatin1String("position"))
                      ? f_.point(item.value(QLatin1String("position")), where, quoted_key("position"))
                      : QPointF(25, 30);
    const double degrees = f_.number(item, "rotation", 0, -kLimit, kLimit, where);
    at.cosA = qCos(qDegreesToRadians(degrees));
    at.sinA = qSin(qDegreesToRadians(degrees));
    QPointF position;
    imported_shape outline;
    if (!readOutline(item, where, at, &position, &outline))
        return;
    const QRgb fill = colour(item.value(QLatin1String("color")), qRgba(200, 200, 200, 180), where, "color");
    const QStringList controls =
        f_.strings(item, "controls", import_limits::kMaxNodesPerButton, import_limits::kMaxNameChars, where);
    const QString label = f_.string(item, "text", QString(), import_limits::kMaxLabelChars, where);
    const double points = f_.number(item, "text_size", 10, 0, 1e4, where);
    const QRgb text = colour(item.value(QLatin1String("text_color")), qRgba(30, 30, 30, 255), where, "text_color");
    const bool custom = f_.boolean(item, "action_mode", false, where);
    const QString script = f_.string(item, "action_script", QString(), import_limits::kMaxScriptChars, where);
    const QJsonArray menus = f_.array(item, "menus", import_limits::kMaxCommandsPerButton, where);
    const QString widget = f_.string(item, "widget", QString(), 32, where);
    const bool backdrop = f_.boolean(item, "backdrop", false, where);
    const QString align = f_.string(item, "text_align", QStringLiteral("center"), 16, where);
    const double offset = f_.number(item, "text_offset", 0, -kLimit, kLimit, where);
    if (f_.failed())
        return;
    const QString name =
        !label.trimmed().isEmpty() ? label.trimmed() : !controls.isEmpty() ? controls.first() : where;
    for (auto it = item.constBegin(); it != item.constEnd(); ++it)
        if (!knownItemKeys().contains(it.key()))
            out_->report.add(report_kind::kUnknownSettings, it.key());
    for (const QJsonValue& m : menus)
        out_->report.add(report_kind::kMenuCommands, m.isArray() ? m.toArray().at(0).toString() : name);
    if (f_.boolean(item, "pinned", false, where))
        out_->report.add(report_kind::kOverlays, name);
    if (item.contains(QLatin1String("visibility")) || item.contains(QLatin1String("group")))
        out_->report.add(report_kind::kVisibilityConditions, name);
    if (item.contains(QLatin1String("mirror")))
        out_->report.add(report_kind::kMirrorLinks, name);

    if (backdrop) {
        imported_backdrop back;
        back.position = position;
        back.shape = outline;
        const double radius = f_.number(item, "corner_radius", 0, 0, kLimit, where);
        if (radius > 0 && outline.kind == imported_shape::Rect) {
            back.shape.kind = imported_shape::Rounded;
            back.shape.radiusX = back.shape.radiusY = radius;
        }
        back.fill = fill;
        back.reference = name;
        tab->backdrops.append(back);
        if (!f_.string(item, "title", QString(), import_limits::kMaxLabelChars, where).isEmpty())
            out_->report.add(report_kind::kBackdropTitles, name);
        return;
    }

    imported_button button;
    button.position = position;
    button.shape = outline;
    button.fill = fill;
    button.textColor = text;
    button.label = label;
    // Point sizes drawn in a scene of 96 dots per inch.
    button.labelSize = label.isEmpty() ? 0 : points * 96.0 / 72.0;
    button.nodes = controls;
    if (!label.isEmpty() && (align != QLatin1String("center") || offset != 0))
        out_->report.add(report_kind::kLabelStyle, name);
    if (!label.isEmpty() && degrees != 0 && std::fmod(degrees, 360.0) != 0)
        out_->report.add(report_kind::kRotatedLabels, name);
    if (!widget.isEmpty() && widget != QLatin1String("button")) {
        out_->report.add(report_kind::kWidgets, name);
    } else if (custom && !script.isEmpty()) {
        button.script = script;
        button.language = kPythonScript;
        if (!controls.isEmpty()) {
            out_->report.add(report_kind::kControlsOfCommands, name);
            button.nodes.clear();
        }
        // The variables the tool hands a script, and its own module.
        static const QRegularExpression helpers(
            QStringLiteral("\\b__(CONTROLS|FLATCONTROLS|NAMESPACE|INIT|SELF|STATE|VALUE|X|Y)__\\b|\\banim_picker\\b"));
        if (helpers.match(script).hasMatch())
            out_->report.add(report_kind::helpers(kTool), name);
    }
    tab->buttons.append(button);
}

} // namespace

bool is_mgear_picker(const QJsonObject& root)
{
    return root.contains(QLatin1String("tabs"));
}

bool read_mgear_picker(const QJsonObject& root, const image_lookup& lookup, imported_picker* out, QString* error)
{
    *out = imported_picker();
    return reader(root, lookup, out).run(error);
}
