#include "qbx_json.h"
#include "qbx_json_mirror.h"
#include "qbx_json_control.h"
#include "qbx_json_shape.h"
#include "model/picker_image.h"
#include <QtCore/QBuffer>
#include <QtCore/QJsonArray>
#include <QtGui/QImageReader>
#include <cmath>
#include <cstdint>

namespace qbx {

// "#RRGGBB", or "#AARRGGBB" for a colour whose top byte is set (painting
// ignores it, but the file keeps it).
bool hex_rgb(const QString& s, QRgb* out)
{
    if ((s.size() != 7 && s.size() != 9) || s.at(0) != QLatin1Char('#'))
        return false;
    QRgb v = 0;
    for (int i = 1; i < s.size(); ++i) {
        const ushort u = s.at(i).unicode();
        int d = 0;
        if (u >= '0' && u <= '9')
            d = u - '0';
        else if (u >= 'a' && u <= 'f')
            d = u - 'a' + 10;
        else if (u >= 'A' && u <= 'F')
            d = u - 'A' + 10;
        else
            return false;
        v = v * 16 + QRgb(d);
    }
    *out = v;
    return true;
}

QJsonValue color_value(QRgb color)
{
    const bool top = (color >> 24) != 0;
    return QString(QLatin1Char('#'))
           + QString::number(qulonglong(color), 16).rightJustified(top ? 8 : 6, QLatin1Char('0')).toUpper();
}

namespace {

QJsonValue string_value(const QString& s)
{
    return s.isNull() ? QJsonValue(QJsonValue::Null) : QJsonValue(s);
}

// PNG bytes exactly as the picker file holds them: the image encoding
// without its marker.
bool png_bytes(const QImage& image, QByteArray* png)
{
    QByteArray encoded;
    QDataStream stream(&encoded, QIODevice::WriteOnly);
    writeImage(stream, image);
    if (stream.status() != QDataStream::Ok || encoded.size() <= 4)
        return false;
    *png = encoded.mid(4);
    return true;
}

// Reads the values of one JSON object, naming the object ("button 3"; none
// for the top level) and the key in every message.
class json_fields
{
public:
    json_fields(const QJsonObject& object, const QString& where) : object_(object), where_(where) {}

    const QString& error() const { return error_; }

    bool has(const char* key) const
    {
        const QJsonValue v = object_.value(QLatin1String(key));
        return !v.isUndefined() && !v.isNull();
    }

    bool require(const char* key)
    {
        if (object_.value(QLatin1String(key)).isUndefined())
            return fault(key, QStringLiteral("is missing"));
        return true;
    }

    bool integer(const char* key, qint64 min, qint64 max, qint64* out)
    {
        return to_integer(object_.value(QLatin1String(key)), key, min, max, out);
    }

    bool int32(const char* key, qint32* out)
    {
        qint64 v = 0;
        if (!integer(key, INT32_MIN, INT32_MAX, &v))
            return false;
        *out = qint32(v);
        return true;
    }

    bool choice(const char* key, qint32* out)
    {
        const QJsonValue v = object_.value(QLatin1String(key));
        if (!v.isDouble() || (v.toDouble() != 0 && v.toDouble() != 1))
            return fault(key, v.isDouble() ? QStringLiteral("must be 0 or 1, not %1").arg(v.toDouble())
                                           : QStringLiteral("must be 0 or 1"));
        *out = qint32(v.toDouble());
        return true;
    }

    // A string or null (a null string).
    bool text(const char* key, QString* out)
    {
        const QJsonValue v = object_.value(QLatin1String(key));
        if (v.isNull()) {
            *out = QString();
            return true;
        }
        if (!v.isString())
            return fault(key, QStringLiteral("must be a string or null"));
        *out = v.toString();
        return true;
    }

    // "#RRGGBB", "#AARRGGBB", or (as earlier dumps wrote it) an unsigned
    // 32-bit integer.
    bool color(const char* key, QRgb* out)
    {
        const QJsonValue v = object_.value(QLatin1String(key));
        if (v.isString()) {
            if (!hex_rgb(v.toString(), out))
                return fault(key, QStringLiteral("must be \"#RRGGBB\", \"#AARRGGBB\" or an unsigned 32-bit integer, not \"%1\"")
                                      .arg(v.toString()));
            return true;
        }
        qint64 n = 0;
        if (!to_integer(v, key, 0, 0xFFFFFFFFLL, &n))
            return false;
        *out = QRgb(n);
        return true;
    }

    bool point(const char* key, QPoint* out)
    {
        const QJsonValue v = object_.value(QLatin1String(key));
        const QJsonArray a = v.toArray();
        if (!v.isArray() || a.size() != 2)
            return fault(key, QStringLiteral("must be an array of two integers [x, y]"));
        qint64 x = 0, y = 0;
        if (!to_integer(a[0], key, INT32_MIN, INT32_MAX, &x) || !to_integer(a[1], key, INT32_MIN, INT32_MAX, &y))
            return false;
        *out = QPoint(int(x), int(y));
        return true;
    }

    bool texts(const char* key, QStringList* out)
    {
        const QJsonValue v = object_.value(QLatin1String(key));
        if (!v.isArray())
            return fault(key, QStringLiteral("must be an array of strings"));
        out->clear();
        const QJsonArray a = v.toArray();
        for (int i = 0; i < a.size(); ++i) {
            if (a[i].isNull())
                out->append(QString());
            else if (a[i].isString())
                out->append(a[i].toString());
            else
                return fault(key, QStringLiteral("entry %1 must be a string or null").arg(i));
        }
        return true;
    }

    bool fault(const char* key, const QString& what)
    {
        const QString prefix = where_.isEmpty() ? QString() : where_ + QStringLiteral(": ");
        error_ = QStringLiteral("%1\"%2\" %3").arg(prefix, QLatin1String(key), what);
        return false;
    }

private:
    bool to_integer(const QJsonValue& v, const char* key, qint64 min, qint64 max, qint64* out)
    {
        const double d = v.toDouble();
        if (!v.isDouble() || std::floor(d) != d)
            return fault(key, QStringLiteral("must be an integer"));
        if (d < double(min) || d > double(max))
            return fault(key, QStringLiteral("is out of range (%1 to %2)").arg(min).arg(max));
        *out = qint64(d);
        return true;
    }

    QJsonObject object_;
    QString where_;
    QString error_;
};

bool button_from_json(const QJsonObject& o, int index, buttonAttributes* b, QString* error)
{
    json_fields f(o, QStringLiteral("button %1").arg(index));
    b->label = QStringLiteral("");
    bool ok = f.require("position") && f.require("size") && f.require("nodes") && f.point("position", &b->position)
              && f.int32("size", &b->size) && f.texts("nodes", &b->nodes);
    if (ok && o.contains(QLatin1String("kind")))
        ok = f.choice("kind", &b->kind);
    if (ok && o.contains(QLatin1String("language")))
        ok = f.choice("language", &b->language);
    if (ok && o.contains(QLatin1String("color")))
        ok = f.color("color", &b->color);
    if (ok && o.contains(QLatin1String("labelColor")))
        ok = f.color("labelColor", &b->labelColor);
    if (ok && o.contains(QLatin1String("label")))
        ok = f.text("label", &b->label);
    if (!ok) {
        *error = f.error();
        return false;
    }
    QString why;
    if (!shape_from_json(o.value(QLatin1String("shape")), &b->shape, &why)) {
        *error = QStringLiteral("button %1: %2").arg(index).arg(why);
        return false;
    }
    const QJsonValue image = o.value(QLatin1String("image"));
    const QJsonValue frame = o.value(QLatin1String("frame"));
    if ((!image.isUndefined() && !image.isString()) || (!frame.isUndefined() && !frame.isBool())) {
        *error = QStringLiteral("button %1: \"image\" must be a picture's name and \"frame\" true or false").arg(index);
        return false;
    }
    b->image = image.toString();
    b->frame = frame.toBool(true);
    if (!control_from_json(o.value(QLatin1String("control")), &b->control, &why)) {
        *error = QStringLiteral("button %1: %2").arg(index).arg(why);
        return false;
    }
    // Stored as a selection button of its nodes, which earlier versions show.
    if (b->control.isActive() && b->kind != kSelectionButton) {
        *error = QStringLiteral("button %1: a control is a selection button (\"kind\" 0)").arg(index);
        return false;
    }
    return true;
}

bool image_from_base64(const QJsonValue& value, QImage* image, QString* error)
{
    const auto fault = [error](const QString& what) {
        *error = QStringLiteral("background: \"png\" ") + what;
        return false;
    };
    if (!value.isString())
        return fault(QStringLiteral("must be a Base64 string"));
    // Characters outside Latin-1 become '?', which the strict decoder refuses.
    const QByteArray::FromBase64Result decoded =
        QByteArray::fromBase64Encoding(value.toString().toLatin1(), QByteArray::AbortOnBase64DecodingErrors);
    if (!decoded)
        return fault(QStringLiteral("is not valid Base64"));
    QByteArray png = decoded.decoded;
    if (!isPngSignature(png))
        return fault(QStringLiteral("is not a PNG file"));
    QBuffer buffer(&png);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "PNG");
    const QSize size = reader.size();
    // The plug-in refuses larger images; writing one would make the whole
    // file unreadable after its background.
    if (size.isValid() && qint64(size.width()) * size.height() > kMaxImagePixels)
        return fault(QStringLiteral("is too large (%1 x %2; at most %3 pixels)")
                         .arg(size.width())
                         .arg(size.height())
                         .arg(kMaxImagePixels));
    *image = reader.read();
    if (image->isNull())
        return fault(QStringLiteral("cannot be decoded: ") + reader.errorString());
    return true;
}

bool background_from_json(const QJsonValue& value, picker_tab_data* tab, QString* error)
{
    tab->backgroundName = QStringLiteral("");
    tab->background = QImage();
    if (value.isUndefined() || value.isNull())
        return true;
    if (!value.isObject()) {
        *error = QStringLiteral("\"background\" must be an object");
        return false;
    }
    const QJsonObject o = value.toObject();
    json_fields f(o, QStringLiteral("background"));
    if (o.contains(QLatin1String("name")) && !f.text("name", &tab->backgroundName)) {
        *error = f.error();
        return false;
    }
    if (!f.has("png"))
        return true;
    // The writer stores an image only behind a name; without one it would
    // be dropped without a word.
    if (tab->backgroundName.isEmpty()) {
        *error = QStringLiteral("background: \"png\" needs a non-empty \"name\"");
        return false;
    }
    return image_from_base64(o.value(QLatin1String("png")), &tab->background, error);
}

} // namespace

bool picker_to_json(const picker_tab_data& tab, qint32 version, QJsonObject* out, QString* error)
{
    QJsonObject o;
    o.insert(QStringLiteral("version"), version);
    o.insert(QStringLiteral("name"), string_value(tab.name));
    QJsonObject background;
    background.insert(QStringLiteral("name"), string_value(tab.backgroundName));
    if (!tab.background.isNull()) {
        QByteArray png;
        if (!png_bytes(tab.background, &png)) {
            *error = QStringLiteral("the background image cannot be encoded as PNG");
            return false;
        }
        background.insert(QStringLiteral("png"), QString::fromLatin1(png.toBase64()));
    }
    o.insert(QStringLiteral("background"), background);
    QJsonArray buttons;
    QJsonArray nullLabels;
    for (const buttonAttributes& b : tab.buttons) {
        QJsonObject j;
        j.insert(QStringLiteral("position"), QJsonArray{b.position.x(), b.position.y()});
        j.insert(QStringLiteral("size"), b.size);
        j.insert(QStringLiteral("kind"), b.kind);
        j.insert(QStringLiteral("language"), b.language);
        j.insert(QStringLiteral("color"), color_value(b.color));
        j.insert(QStringLiteral("labelColor"), color_value(b.labelColor));
        // Every empty label reads "" ; the ones the file holds in the older
        // null form are listed apart, so that build writes them back alike.
        j.insert(QStringLiteral("label"), b.label.isNull() ? QStringLiteral("") : b.label);
        if (b.label.isNull())
            nullLabels.append(buttons.size());
        QJsonArray nodes;
        for (const QString& n : b.nodes)
            nodes.append(string_value(n));
        j.insert(QStringLiteral("nodes"), nodes);
        // Only what a button uses: a picker without shapes dumps as before.
        if (!b.shape.isDefault())
            j.insert(QStringLiteral("shape"), shape_to_json(b.shape));
        if (!b.image.isEmpty())
            j.insert(QStringLiteral("image"), b.image);
        if (!b.frame)
            j.insert(QStringLiteral("frame"), false);
        if (b.control.isActive())
            j.insert(QStringLiteral("control"), control_to_json(b.control));
        buttons.append(j);
    }
    o.insert(QStringLiteral("buttons"), buttons);
    if (!nullLabels.isEmpty())
        o.insert(QStringLiteral("nullLabels"), nullLabels);
    if (!tab.mirror.isDefault())
        o.insert(QStringLiteral("mirror"), mirror_to_json(tab.mirror));
    if (!tab.pictures.isEmpty()) {
        QJsonObject images;
        for (auto it = tab.pictures.cbegin(); it != tab.pictures.cend(); ++it) {
            QByteArray png;
            if (!png_bytes(it.value(), &png)) {
                *error = QStringLiteral("the picture \"%1\" cannot be encoded as PNG").arg(it.key());
                return false;
            }
            images.insert(it.key(), QString::fromLatin1(png.toBase64()));
        }
        o.insert(QStringLiteral("images"), images);
    }
    *out = o;
    return true;
}

bool picker_from_json(const QJsonObject& json, picker_tab_data* tab, QString* error)
{
    *tab = picker_tab_data();
    tab->name = QStringLiteral("");
    json_fields top(json, QString());
    qint64 version = 0;
    // The version is informative: build always writes the current layout.
    if ((json.contains(QLatin1String("version")) && !top.integer("version", INT32_MIN, INT32_MAX, &version))
        || (json.contains(QLatin1String("name")) && !top.text("name", &tab->name))) {
        *error = top.error();
        return false;
    }
    if (!background_from_json(json.value(QLatin1String("background")), tab, error)
        || !mirror_from_json(json.value(QLatin1String("mirror")), &tab->mirror, error))
        return false;
    const QJsonValue buttons = json.value(QLatin1String("buttons"));
    if (buttons.isUndefined() || buttons.isNull())
        return true;
    if (!buttons.isArray()) {
        *error = QStringLiteral("\"buttons\" must be an array");
        return false;
    }
    const QJsonArray list = buttons.toArray();
    for (int i = 0; i < list.size(); ++i) {
        if (!list[i].isObject()) {
            *error = QStringLiteral("button %1 must be an object").arg(i);
            return false;
        }
        buttonAttributes b;
        if (!button_from_json(list[i].toObject(), i, &b, error))
            return false;
        tab->buttons.append(b);
    }
    const QJsonValue images = json.value(QLatin1String("images"));
    if (!images.isUndefined() && !images.isObject()) {
        *error = QStringLiteral("\"images\" must be an object of pictures by name");
        return false;
    }
    const QJsonObject pictures = images.toObject();
    for (auto it = pictures.constBegin(); it != pictures.constEnd(); ++it) {
        QImage picture;
        QString why;
        if (!image_from_base64(it.value(), &picture, &why)) {
            *error = QStringLiteral("images: \"%1\": %2").arg(it.key(), why.section(QStringLiteral("\"png\" "), 1));
            return false;
        }
        tab->pictures.insert(it.key(), picture);
    }
    for (int i = 0; i < tab->buttons.size(); ++i)
        if (!tab->buttons[i].image.isEmpty() && !tab->pictures.contains(tab->buttons[i].image)) {
            *error = QStringLiteral("button %1: \"image\" names \"%2\", which \"images\" does not hold")
                         .arg(i)
                         .arg(tab->buttons[i].image);
            return false;
        }
    const QJsonValue nullLabels = json.value(QLatin1String("nullLabels"));
    if (nullLabels.isUndefined())
        return true;
    const QJsonArray indices = nullLabels.toArray();
    if (!nullLabels.isArray()) {
        *error = QStringLiteral("\"nullLabels\" must be an array of button numbers");
        return false;
    }
    for (const QJsonValue& v : indices) {
        const double d = v.toDouble(-1);
        if (!v.isDouble() || d != std::floor(d) || d < 0 || d >= tab->buttons.size()) {
            *error = QStringLiteral("\"nullLabels\" must list button numbers from 0 to %1")
                         .arg(tab->buttons.size() - 1);
            return false;
        }
        tab->buttons[int(d)].label = QString();
    }
    return true;
}

} // namespace qbx
