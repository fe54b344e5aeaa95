#include "model/picker_extensions.h"
#include "model/picker_image.h"
#include "model/picker_stream.h"
#include "model/stream_bounds.h"
#include <QtCore/QBuffer>
#include <QtCore/QSet>
#include <QtCore/QtEndian>
#include <functional>

namespace {

bool ok(const QDataStream& s)
{
    return s.status() == QDataStream::Ok;
}

template <typename Write>
QByteArray encode(Write write)
{
    QByteArray bytes;
    QDataStream s(&bytes, QIODevice::WriteOnly);
    s.setVersion(kPickerDataStreamVersion);
    write(s);
    return bytes;
}

// Reads a record's payload entry by entry: count, then each entry; false
// when the payload is cut short or claims more than it holds.
bool read_entries(const QByteArray& payload, int minEntryBytes, const std::function<bool(QDataStream&)>& entry)
{
    QDataStream s(payload);
    s.setVersion(kPickerDataStreamVersion);
    qint32 count = 0;
    s >> count;
    if (!ok(s) || count < 0 || !claimBytes(s, qint64(count) * minEntryBytes))
        return false;
    for (qint32 i = 0; i < count; ++i)
        if (!entry(s) || !ok(s))
            return false;
    return true;
}

void write_shape(QDataStream& s, const button_shape& shape)
{
    s << quint8(shape.kind) << shape.width << shape.height << shape.radius << qint32(shape.points.size());
    for (const QPoint& p : shape.points)
        s << qint32(p.x()) << qint32(p.y());
    s << shape.path;
}

bool read_shape(QDataStream& s, button_shape* shape)
{
    quint8 kind = 0;
    qint32 count = 0;
    s >> kind >> shape->width >> shape->height >> shape->radius >> count;
    const qint32 limit = button_shape::kMaxExtent;
    if (!ok(s) || kind >= button_shape::kKinds || count < 0 || count > button_shape::kMaxPoints
        || !claimBytes(s, qint64(count) * 8) || qAbs(shape->width) > limit || qAbs(shape->height) > limit
        || qAbs(shape->radius) > limit || shape->width < 0 || shape->height < 0 || shape->radius < 0)
        return false;
    shape->kind = button_shape::kind_t(kind);
    shape->points.resize(count);
    for (QPoint& p : shape->points) {
        qint32 x = 0, y = 0;
        s >> x >> y;
        if (qAbs(x) > limit || qAbs(y) > limit)
            return false;
        p = QPoint(x, y);
    }
    readString(s, &shape->path);
    return ok(s) && shape->path.size() <= button_shape::kMaxPathLength;
}

void write_control(QDataStream& s, const button_control& c)
{
    s << quint8(c.kind) << quint8(c.orientation) << c.length << qint32(c.attributes.size());
    for (const QString& a : c.attributes)
        s << a;
    s << c.min.x() << c.min.y() << c.max.x() << c.max.y();
}

bool read_control(QDataStream& s, button_control* c)
{
    quint8 kind = 0, orientation = 0;
    qint32 count = 0;
    s >> kind >> orientation >> c->length >> count;
    if (!ok(s) || kind == 0 || kind >= button_control::kKinds || orientation > button_control::Vertical
        || count != button_control::attribute_count(button_control::kind_t(kind)))
        return false;
    c->kind = button_control::kind_t(kind);
    c->orientation = button_control::orientation_t(orientation);
    for (qint32 i = 0; i < count; ++i) {
        QString name;
        readString(s, &name);
        if (!ok(s))
            return false;
        c->attributes.append(name);
    }
    double x0 = 0, y0 = 0, x1 = 0, y1 = 0;
    s >> x0 >> y0 >> x1 >> y1;
    c->min = QPointF(x0, y0);
    c->max = QPointF(x1, y1);
    return ok(s) && c->isValid();
}

// The button at a stored position, if the reader kept it.
buttonAttributes* kept_button(QList<buttonAttributes>* buttons, const QVector<int>& kept, qint32 stored)
{
    const int at = int(kept.indexOf(stored));
    return at < 0 || at >= buttons->size() ? nullptr : &(*buttons)[at];
}

} // namespace

extension_records buttonExtensionRecords(const QList<buttonAttributes>& buttons)
{
    QVector<int> shaped, pictured, frameless, controls;
    for (int i = 0; i < buttons.size(); ++i) {
        if (buttons[i].control.isActive())
            controls.append(i);
        if (!buttons[i].shape.isDefault())
            shaped.append(i);
        if (!buttons[i].image.isEmpty())
            pictured.append(i);
        if (!buttons[i].frame)
            frameless.append(i);
    }
    extension_records records;
    if (!shaped.isEmpty())
        records.append({kShapesTag, encode([&](QDataStream& s) {
                            s << qint32(shaped.size());
                            for (int i : shaped) {
                                s << qint32(i);
                                write_shape(s, buttons[i].shape);
                            }
                        })});
    if (!pictured.isEmpty())
        records.append({kImagesTag, encode([&](QDataStream& s) {
                            s << qint32(pictured.size());
                            for (int i : pictured)
                                s << qint32(i) << buttons[i].image;
                        })});
    if (!frameless.isEmpty())
        records.append({kFramelessTag, encode([&](QDataStream& s) {
                            s << qint32(frameless.size());
                            for (int i : frameless)
                                s << qint32(i);
                        })});
    if (!controls.isEmpty())
        records.append({kControlsTag, encode([&](QDataStream& s) {
                            s << qint32(controls.size());
                            for (int i : controls) {
                                s << qint32(i);
                                write_control(s, buttons[i].control);
                            }
                        })});
    return records;
}

extension_records pictureRecords(const QList<buttonAttributes>& buttons, const picker_pictures& pictures)
{
    QStringList names;
    for (const buttonAttributes& b : buttons)
        if (!b.image.isEmpty() && pictures.contains(b.image) && !names.contains(b.image))
            names.append(b.image);
    if (names.isEmpty())
        return {};
    names.sort();
    return {{kPicturesTag, encode([&](QDataStream& s) {
                 s << qint32(names.size());
                 for (const QString& name : names) {
                     // The image encoding, as a background's: a marker, then a PNG.
                     QByteArray png;
                     QDataStream p(&png, QIODevice::WriteOnly);
                     p.setVersion(kPickerDataStreamVersion);
                     writeImage(p, pictures.value(name));
                     s << name << png;
                 }
             })}};
}

void applyButtonExtensions(const extension_records& records, QList<buttonAttributes>* buttons,
                           const QVector<int>& kept, QList<stream_problem>* report, int tab)
{
    for (const extension_record& r : records) {
        if (r.first == kShapesTag) {
            read_entries(r.second, 4 + 17 + 4, [&](QDataStream& s) {
                qint32 index = 0;
                button_shape shape;
                s >> index;
                if (!read_shape(s, &shape))
                    return false;
                if (buttonAttributes* b = kept_button(buttons, kept, index))
                    b->shape = shape;
                return true;
            });
        } else if (r.first == kImagesTag) {
            read_entries(r.second, 8, [&](QDataStream& s) {
                qint32 index = 0;
                QString name;
                s >> index;
                readString(s, &name);
                if (!ok(s))
                    return false;
                if (buttonAttributes* b = kept_button(buttons, kept, index))
                    b->image = name;
                return true;
            });
        } else if (r.first == kFramelessTag) {
            read_entries(r.second, 4, [&](QDataStream& s) {
                qint32 index = 0;
                s >> index;
                if (buttonAttributes* b = kept_button(buttons, kept, index))
                    b->frame = false;
                return true;
            });
        } else if (r.first == kControlsTag) {
            qint32 at = -1;
            const bool whole = read_entries(r.second, 4 + 10 + 32, [&](QDataStream& s) {
                qint32 index = 0;
                button_control control;
                s >> index;
                at = index;
                if (!ok(s) || !read_control(s, &control))
                    return false;
                if (buttonAttributes* b = kept_button(buttons, kept, index))
                    b->control = control;
                return true;
            });
            if (!whole && report) {
                stream_problem p{stream_problem::DamagedControl};
                p.tab = tab;
                p.position = at;
                report->append(p);
            }
        }
    }
}

bool readPictureRecords(const extension_records& records, picker_pictures* pictures)
{
    bool whole = true;
    for (const extension_record& r : records) {
        if (r.first != kPicturesTag)
            continue;
        whole = read_entries(r.second, 8, [&](QDataStream& s) {
                    QString name;
                    readString(s, &name);
                    quint32 length = 0;
                    s >> length;
                    if (!ok(s) || length == 0xffffffffu || !claimBytes(s, length))
                        return false;
                    QByteArray encoded(int(length), Qt::Uninitialized);
                    if (s.readRawData(encoded.data(), int(length)) != int(length))
                        return false;
                    QDataStream image(encoded);
                    image.setVersion(kPickerDataStreamVersion);
                    QImage picture;
                    if (!readImage(image, &picture) || picture.isNull())
                        return false;
                    pictures->insert(name, picture);
                    return true;
                }) && whole;
    }
    return whole;
}

void writeExtensionBlock(QDataStream& stream, const extension_records& records)
{
    if (records.isEmpty())
        return;
    stream << kExtensionMagic << kExtensionVersion << qint32(records.size());
    for (const extension_record& r : records) {
        stream << r.first << quint32(r.second.size());
        stream.writeRawData(r.second.constData(), int(r.second.size()));
    }
}

QByteArray encodeExtensionBlock(const extension_records& records)
{
    return encode([&](QDataStream& s) { writeExtensionBlock(s, records); });
}

bool readExtensionBlock(QDataStream& stream, extension_records* records)
{
    records->clear();
    QIODevice* device = stream.device();
    char raw[4];
    if (!ok(stream) || !device || device->peek(raw, 4) != 4 || qFromBigEndian<quint32>(raw) != kExtensionMagic)
        return true;
    quint32 magic = 0;
    qint32 version = 0, count = 0;
    stream >> magic >> version >> count;
    // A later version is skipped whole: its records may mean other things.
    if (!ok(stream) || count < 0 || count > kMaxExtensionRecords || !claimBytes(stream, qint64(count) * 8)) {
        stream.setStatus(QDataStream::ReadCorruptData);
        return false;
    }
    for (qint32 i = 0; i < count; ++i) {
        quint32 tag = 0, length = 0;
        stream >> tag >> length;
        if (!ok(stream) || !claimBytes(stream, length)) {
            stream.setStatus(QDataStream::ReadCorruptData);
            records->clear();
            return false;
        }
        QByteArray payload(int(length), Qt::Uninitialized);
        if (stream.readRawData(payload.data(), int(length)) != int(length)) {
            stream.setStatus(QDataStream::ReadPastEnd);
            records->clear();
            return false;
        }
        if (version == kExtensionVersion)
            records->append({tag, payload});
    }
    return true;
}

extension_record tabRecord(qint32 tab, const extension_records& records)
{
    return {kTabTag, encode([&](QDataStream& s) {
                s << tab;
                writeExtensionBlock(s, records);
            })};
}

bool readTabRecord(const extension_record& record, qint32* tab, extension_records* records)
{
    if (record.first != kTabTag)
        return false;
    QDataStream s(record.second);
    s.setVersion(kPickerDataStreamVersion);
    s >> *tab;
    return ok(s) && readExtensionBlock(s, records);
}
