#ifndef QB_MODEL_PICKER_EXTENSIONS_H
#define QB_MODEL_PICKER_EXTENSIONS_H
// The extension block: what the three layouts of earlier versions do not
// hold (button shapes, pictures on buttons, label-only buttons), written
// after the last block an earlier reader reads (the button block of a
// picker file, the last tab of a window stream, the list of a clipboard
// payload), and only when something uses it, so that every other picker
// keeps its bytes and earlier versions still open every picker.
//
//   quint32 magic 0x51425845 ("QBXE"), qint32 version (1), qint32 count,
//   then count records: quint32 tag, quint32 length, length bytes.
//
// A reader skips the records whose tags it does not know, so later
// features add tags without a new layout. Lengths and counts are checked
// against the data before anything is allocated.
#include "model/buttonAttributes.h"
#include <QtCore/QByteArray>
#include <QtCore/QDataStream>
#include <QtCore/QList>
#include <QtCore/QMap>
#include <QtCore/QPair>
#include <QtCore/QVector>
#include <QtGui/QImage>

constexpr quint32 kExtensionMagic = 0x51425845u;
constexpr qint32 kExtensionVersion = 1;
constexpr qint32 kMaxExtensionRecords = 1 << 16;

// Records by tag.
constexpr quint32 kShapesTag = 0x53485045u;   // "SHPE": button index, shape
constexpr quint32 kImagesTag = 0x42494d47u;   // "BIMG": button index, picture name
constexpr quint32 kFramelessTag = 0x4e4f4652u; // "NOFR": button indices
constexpr quint32 kPicturesTag = 0x50494353u; // "PICS": picture name, PNG bytes
constexpr quint32 kTabTag = 0x54414258u;      // "TABX": tab number, that tab's records
constexpr quint32 kMirrorTag = 0x4d495252u;   // "MIRR": the picker's mirror settings (mirror_settings)
constexpr quint32 kControlsTag = 0x4354524cu; // "CTRL": button index, control (button_control)

// Pictures of a picker by name (named by content: contentImageName).
using picker_pictures = QMap<QString, QImage>;

using extension_record = QPair<quint32, QByteArray>;
using extension_records = QList<extension_record>;

// The records of a list of buttons: their shapes, pictures and frames by
// list position; none when no button uses them.
extension_records buttonExtensionRecords(const QList<buttonAttributes>& buttons);
// The pictures the buttons show, from those given.
extension_records pictureRecords(const QList<buttonAttributes>& buttons, const picker_pictures& pictures);
// Puts the records' shapes, pictures, frames and controls on the buttons.
// kept[j] is the stored position of buttons[j] (readers drop invalid
// records); entries of other positions are ignored. A control record that
// does not read is told in the report (a button would lose its binding).
struct stream_problem;
void applyButtonExtensions(const extension_records& records, QList<buttonAttributes>* buttons,
                           const QVector<int>& kept, QList<stream_problem>* report = nullptr, int tab = -1);
// The pictures the records hold; false when one does not decode.
bool readPictureRecords(const extension_records& records, picker_pictures* pictures);

// The block itself, nothing written for no records.
void writeExtensionBlock(QDataStream& stream, const extension_records& records);
QByteArray encodeExtensionBlock(const extension_records& records);
// Reads a block when the next bytes start one; true with no records when
// they do not (the data ends, or another layout's bytes follow). False,
// with the stream's status set, for a block that is cut short or damaged.
bool readExtensionBlock(QDataStream& stream, extension_records* records);

// A tab's records inside a window stream's block.
extension_record tabRecord(qint32 tab, const extension_records& records);
bool readTabRecord(const extension_record& record, qint32* tab, extension_records* records);
#endif
