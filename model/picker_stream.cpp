#include "model/picker_stream.h"
#include "model/picker_extensions.h"
#include "model/picker_image.h"
#include "model/stream_bounds.h"
#include <QtCore/QIODevice>

namespace {

bool ok(const QDataStream& stream)
{
    return stream.status() == QDataStream::Ok;
}

void writeButton(QDataStream& s, int index, const buttonAttributes& b, int version)
{
    s << qint32(index) << qint32(b.position.x()) << qint32(b.position.y()) << qint32(b.size);
    if (version >= 2)
        s << qint32(b.kind) << qint32(b.language);
    s << quint32(b.color);
    if (version >= 4)
        s << quint32(b.labelColor);
    s << b.label << qint32(b.nodes.size());
    for (const QString& n : b.nodes)
        s << n;
}

// Reads one record; false when the data ended inside it.
bool readButton(QDataStream& s, int version, qint32* index, buttonAttributes* b)
{
    qint32 x = 0, y = 0, size = 0, kind = 0, language = 0, count = 0;
    quint32 color = 0, labelColor = kDefaultLabelColor;
    s >> *index >> x >> y >> size;
    if (version >= 2)
        s >> kind >> language;
    s >> color;
    if (version >= 4)
        s >> labelColor;
    QString label;
    readString(s, &label);
    s >> count;
    // Every name takes at least its 4-byte length: a count the data cannot
    // hold ends the record now instead of after the data runs out.
    if (!ok(s) || (count > 0 && !claimBytes(s, qint64(count) * 4)))
        return false;
    b->position = QPoint(x, y);
    b->size = size;
    b->kind = kind;
    b->language = language;
    b->color = color;
    b->labelColor = labelColor;
    b->label = label;
    b->nodes.clear(); // nothing carries over from the previous record
    for (qint32 i = 0; i < count; ++i) {
        QString n;
        readString(s, &n);
        if (!ok(s))
            return false;
        b->nodes.append(n);
    }
    return true;
}

bool validKindAndLanguage(qint32 kind, qint32 language)
{
    return (quint32(kind) | quint32(language)) < 2u;
}

// Reads count records with the validity rules; shared by the button block
// and the button-list block.
QList<buttonAttributes> readRecords(QDataStream& s, int version, qint32 count, bool checkKind,
                                    stream_report* report, int tab, QVector<int>* kept = nullptr)
{
    QList<buttonAttributes> out;
    for (qint32 i = 0; i < count; ++i) {
        qint32 index = 0;
        buttonAttributes b;
        if (!readButton(s, version, &index, &b)) {
            if (report) {
                stream_problem p{stream_problem::Truncated};
                p.tab = tab;
                p.position = i;
                report->append(p);
            }
            break;
        }
        if (index != i) {
            if (report) {
                stream_problem p{stream_problem::WrongIndex};
                p.tab = tab;
                p.position = i;
                p.index = index;
                report->append(p);
            }
            continue;
        }
        if (checkKind && !validKindAndLanguage(b.kind, b.language)) {
            if (report) {
                stream_problem p{stream_problem::InvalidKind};
                p.tab = tab;
                p.position = i;
                p.index = index;
                p.buttonKind = b.kind;
                p.language = b.language;
                report->append(p);
            }
            continue;
        }
        out.append(b);
        if (kept)
            kept->append(i);
    }
    return out;
}

void noteTruncated(QDataStream& s, stream_report* report, int tab)
{
    if (report && !ok(s) && (report->isEmpty() || report->last().kind != stream_problem::Truncated)) {
        stream_problem p{stream_problem::Truncated};
        p.tab = tab;
        report->append(p);
    }
}

} // namespace

namespace {

template <typename Record>
void writeRecords(QDataStream& stream, const QList<Record>& buttons)
{
    stream << qint32(buttons.size());
    for (int i = 0; i < buttons.size(); ++i)
        writeButton(stream, i, buttons[i], kPickerDataVersion);
}

template <typename Write>
QByteArray encodeBlock(Write write)
{
    QByteArray bytes;
    QDataStream stream(&bytes, QIODevice::WriteOnly);
    stream.setVersion(kPickerDataStreamVersion);
    write(stream);
    return bytes;
}

} // namespace

void writeButtonRecord(QDataStream& stream, int index, const buttonAttributes& button)
{
    writeButton(stream, index, button, kPickerDataVersion);
}

void writeButtonBlock(QDataStream& stream, const QList<buttonAttributes>& buttons)
{
    writeRecords(stream, buttons);
}

QByteArray encodeButtonBlock(const QList<buttonAttributes>& buttons)
{
    return encodeBlock([&](QDataStream& s) { writeRecords(s, buttons); });
}

QByteArray encodeButtonBlock(const QList<buttonRecord>& buttons)
{
    return encodeBlock([&](QDataStream& s) { writeRecords(s, buttons); });
}

QByteArray encodeBackgroundBlock(const QString& name, const QImage& image)
{
    return encodeBlock([&](QDataStream& s) { writeBackgroundBlock(s, name, image); });
}

QList<buttonAttributes> readButtonBlock(QDataStream& stream, int version, stream_report* report, int tab,
                                        QVector<int>* kept)
{
    qint32 count = 0;
    stream >> count;
    if (!ok(stream)) {
        noteTruncated(stream, report, tab);
        return {};
    }
    if (count <= 0)
        return {};
    return readRecords(stream, version, count, version >= 2, report, tab, kept);
}

void writeBackgroundBlock(QDataStream& stream, const QString& name, const QImage& image)
{
    stream << name;
    if (!name.isEmpty())
        writeImage(stream, image);
}

void readBackgroundBlock(QDataStream& stream, QString* name, QImage* image, bool* lost)
{
    *image = QImage();
    if (lost)
        *lost = false;
    readString(stream, name);
    if (ok(stream) && !name->isEmpty() && !readImage(stream, image) && lost)
        *lost = true;
}

namespace {

// The window stream's header, which every writer of it starts with.
void writeWindowHeader(QDataStream& stream, qint32 current, qint32 tabCount)
{
    stream << qint32(kPickerDataVersion) << tabCount << current;
}

} // namespace

void writeWindowStream(QDataStream& stream, const picker_window_data& window)
{
    stream.setVersion(kPickerDataStreamVersion);
    writeWindowHeader(stream, qint32(window.current), qint32(window.tabs.size()));
    QList<picker_tab_part> parts;
    for (int t = 0; t < window.tabs.size(); ++t) {
        const picker_tab_data& tab = window.tabs[t];
        stream << qint32(t) << tab.name;
        writeBackgroundBlock(stream, tab.backgroundName, tab.background);
        writeButtonBlock(stream, tab.buttons);
        picker_tab_part part;
        part.extensions = buttonExtensionRecords(tab.buttons) + mirrorRecords(tab.mirror) + rigOriginRecords(tab.origin);
        part.pictures = usedPictures(tab.buttons, tab.pictures);
        parts.append(part);
    }
    const QByteArray trailer = encodeWindowTrailer(parts);
    stream.writeRawData(trailer.constData(), int(trailer.size()));
}

picker_pictures usedPictures(const QList<buttonAttributes>& buttons, const picker_pictures& pictures)
{
    picker_pictures used;
    for (const buttonAttributes& b : buttons)
        if (!b.image.isEmpty() && pictures.contains(b.image))
            used.insert(b.image, pictures.value(b.image));
    return used;
}

QByteArray encodeWindowTrailer(const QList<picker_tab_part>& tabs)
{
    extension_records records;
    picker_pictures pictures;
    QList<buttonAttributes> pictured;
    for (int t = 0; t < tabs.size(); ++t) {
        if (!tabs[t].extensions.isEmpty())
            records.append(tabRecord(qint32(t), tabs[t].extensions));
        for (auto it = tabs[t].pictures.cbegin(); it != tabs[t].pictures.cend(); ++it) {
            // Each picture once, whichever tabs show it.
            if (!pictures.contains(it.key())) {
                pictures.insert(it.key(), it.value());
                buttonAttributes b;
                b.image = it.key();
                pictured.append(b);
            }
        }
    }
    records += pictureRecords(pictured, pictures);
    return encodeExtensionBlock(records);
}

QByteArray encodeTabPrefix(qint32 current, qint32 tabCount, qint32 index, const QString& name)
{
    return encodeBlock([&](QDataStream& s) {
        if (index == 0)
            writeWindowHeader(s, current, tabCount);
        s << index << name;
    });
}

QByteArray assembleWindowStream(qint32 current, const QList<picker_tab_part>& tabs)
{
    if (tabs.isEmpty())
        return encodeBlock([&](QDataStream& s) { writeWindowHeader(s, current, 0); });
    const QByteArray trailer = encodeWindowTrailer(tabs);
    qsizetype size = 12;
    for (const picker_tab_part& tab : tabs)
        size += 8 + tab.name.size() * 2 + tab.background.size() + tab.buttons.size();
    QByteArray bytes;
    bytes.reserve(size);
    for (int t = 0; t < tabs.size(); ++t) {
        const picker_tab_part& tab = tabs[t];
        bytes += encodeTabPrefix(current, qint32(tabs.size()), qint32(t), tab.name);
        bytes += tab.background;
        bytes += tab.buttons;
    }
    return bytes + trailer;
}

bool readWindowStream(QDataStream& stream, picker_window_data* window, stream_report* report)
{
    stream.setVersion(kPickerDataStreamVersion);
    *window = picker_window_data();
    qint32 version = 0, count = 0, current = -1;
    stream >> version;
    window->version = version;
    if (version > kPickerDataVersion) {
        if (report) {
            stream_problem p{stream_problem::NewerVersion};
            p.version = version;
            report->append(p);
        }
        return false;
    }
    stream >> count >> current;
    window->current = current;
    if (!ok(stream)) {
        noteTruncated(stream, report, -1);
        return true;
    }
    QList<QVector<int>> kept;
    for (qint32 t = 0; t < count && ok(stream); ++t) {
        picker_tab_data tab;
        qint32 number = 0;
        stream >> number;
        readString(stream, &tab.name);
        if (!ok(stream))
            break;
        if (version >= 2)
            readBackgroundBlock(stream, &tab.backgroundName, &tab.background, &tab.backgroundLost);
        kept.append(QVector<int>());
        if (ok(stream))
            tab.buttons = readButtonBlock(stream, version, report, t, &kept.last());
        window->tabs.append(tab);
    }
    noteTruncated(stream, report, window->tabs.size() - 1);
    extension_records records;
    if (ok(stream) && readExtensionBlock(stream, &records)) {
        picker_pictures pictures;
        readPictureRecords(records, &pictures);
        for (const extension_record& r : records) {
            qint32 t = -1;
            extension_records tabRecords;
            if (readTabRecord(r, &t, &tabRecords) && t >= 0 && t < window->tabs.size()) {
                applyButtonExtensions(tabRecords, &window->tabs[t].buttons, kept[t], report, t);
                window->tabs[t].mirror = readMirrorRecords(tabRecords);
                window->tabs[t].origin = readRigOrigin(tabRecords);
            }
        }
        for (picker_tab_data& tab : window->tabs)
            tab.pictures = usedPictures(tab.buttons, pictures);
    }
    noteTruncated(stream, report, window->tabs.size() - 1);
    return true;
}

void writePickerFile(QDataStream& stream, const picker_tab_data& tab)
{
    stream << qint32(kPickerDataVersion) << tab.name;
    writeBackgroundBlock(stream, tab.backgroundName, tab.background);
    writeButtonBlock(stream, tab.buttons);
    writeExtensionBlock(stream, buttonExtensionRecords(tab.buttons) + pictureRecords(tab.buttons, tab.pictures)
                                    + mirrorRecords(tab.mirror));
}

namespace {

// The extension block after a list of buttons read with kept positions.
void readButtonExtensions(QDataStream& stream, QList<buttonAttributes>* buttons, const QVector<int>& kept,
                          picker_pictures* pictures, mirror_settings* mirror = nullptr,
                          stream_report* report = nullptr)
{
    extension_records records;
    if (!readExtensionBlock(stream, &records))
        return;
    applyButtonExtensions(records, buttons, kept, report);
    if (mirror)
        *mirror = readMirrorRecords(records);
    if (pictures) {
        picker_pictures all;
        readPictureRecords(records, &all);
        *pictures = usedPictures(*buttons, all);
    }
}

} // namespace

bool readPickerFile(QDataStream& stream, picker_tab_data* tab, qint32* version, stream_report* report)
{
    *tab = picker_tab_data();
    qint32 v = 0;
    stream >> v;
    readString(stream, &tab->name);
    *version = v;
    if (!ok(stream)) {
        tab->name = QString();
        noteTruncated(stream, report, -1);
        return false;
    }
    if (v > kPickerDataVersion && report) {
        stream_problem p{stream_problem::NewerVersion};
        p.version = v;
        report->append(p);
    }
    if (v >= 2)
        readBackgroundBlock(stream, &tab->backgroundName, &tab->background, &tab->backgroundLost);
    QVector<int> kept;
    if (ok(stream))
        tab->buttons = readButtonBlock(stream, v, report, -1, &kept);
    if (ok(stream))
        readButtonExtensions(stream, &tab->buttons, kept, &tab->pictures, &tab->mirror, report);
    noteTruncated(stream, report, -1);
    return true;
}

void writeButtonAttributes(QDataStream& stream, const QList<buttonAttributes>& buttons,
                           const picker_pictures& pictures)
{
    stream.setVersion(kPickerDataStreamVersion);
    stream << kButtonListVersion << qint32(buttons.size());
    for (int i = 0; i < buttons.size(); ++i)
        writeButton(stream, i, buttons[i], kPickerDataVersion);
    writeExtensionBlock(stream, buttonExtensionRecords(buttons) + pictureRecords(buttons, pictures));
}

QList<buttonAttributes> readButtonAttributes(QDataStream& stream, picker_pictures* pictures)
{
    stream.setVersion(kPickerDataStreamVersion);
    qint32 version = 0, count = 0;
    stream >> version;
    if (!ok(stream) || version != kButtonListVersion)
        return {};
    stream >> count;
    if (!ok(stream) || count <= 0)
        return {};
    QVector<int> kept;
    QList<buttonAttributes> buttons = readRecords(stream, kPickerDataVersion, count, true, nullptr, -1, &kept);
    if (ok(stream))
        readButtonExtensions(stream, &buttons, kept, pictures);
    return buttons;
}
