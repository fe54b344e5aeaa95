#ifndef QB_MODEL_PICKER_STREAM_H
#define QB_MODEL_PICKER_STREAM_H
// The three byte layouts of pickers: the window stream (all tabs, kept in
// the scene), the picker file (one tab, a .qbx file) and the button-list
// block (the clipboard). Written and read only here, so that the plug-in,
// the qbx tool and the fuzz targets share one reader and one writer.
#include "model/buttonAttributes.h"
#include "model/buttonRecord.h"
#include "model/mirror_settings.h"
#include "model/rig_picker.h"
#include "model/picker_extensions.h"
#include <QtCore/QDataStream>
#include <QtCore/QList>
#include <QtCore/QString>
#include <QtGui/QImage>

// The data version written by this system.
constexpr qint32 kPickerDataVersion = 4;
// The data-stream version of picker files.
constexpr int kPickerFileStreamVersion = 7;
// The data-stream version of the window stream, the button-list block and
// the scene image value: the one Qt 5.15 writes by default, pinned so that
// the bytes never depend on the Qt a build uses.
constexpr int kPickerDataStreamVersion = QDataStream::Qt_5_15;
// The version of the button-list block.
constexpr qint32 kButtonListVersion = 1;
// White: the label colour of data older than version 4.
constexpr QRgb kDefaultLabelColor = 16777215u;

// What a reader dropped or could not read, for reports (qbx check).
struct stream_problem {
    enum Kind {
        WrongIndex,      // a button's stored index differs from its position
        InvalidKind,     // kind or language outside 0 and 1
        NewerVersion,    // a data version this reader does not know
        Truncated,       // the data ended inside a record
        DamagedControl   // a control record that does not read: the button stays a selection button
    };
    Kind kind;
    int tab = -1;        // tab number in a window stream, -1 otherwise
    int position = -1;   // position of the record in its block
    qint32 index = 0;    // stored index
    qint32 buttonKind = 0;
    qint32 language = 0;
    qint32 version = 0;
};
using stream_report = QList<stream_problem>;

// One picker: what one tab holds.
struct picker_tab_data {
    QString name;
    QString backgroundName;
    QImage background;
    // The data named a background whose picture could not be read: the
    // name is kept, the picture is not there to store under it.
    bool backgroundLost = false;
    QList<buttonAttributes> buttons;
    // The pictures the buttons show, by name.
    picker_pictures pictures;
    // Its side rules, mirror axis and side colours.
    mirror_settings mirror;
    // The rig picker it was made from (scene copies only; picker files
    // never hold it).
    rig_origin origin;
};

// The window: every tab in tab-bar order and the current index.
struct picker_window_data {
    qint32 version = kPickerDataVersion;
    qint32 current = -1;
    QList<picker_tab_data> tabs;
};

// One record of a button block: the button at index.
void writeButtonRecord(QDataStream& stream, int index, const buttonAttributes& button);
// Button block: count, then each button with its index.
void writeButtonBlock(QDataStream& stream, const QList<buttonAttributes>& buttons);
// Reads a button block of a data version; invalid records are read in full
// and dropped. Reading stops at the end of the data, whatever the count says.
// kept, when given, gets the stored position of each button returned.
QList<buttonAttributes> readButtonBlock(QDataStream& stream, int version, stream_report* report = nullptr,
                                        int tab = -1, QVector<int>* kept = nullptr);

// Background block (versions 2 and later): name, then the image when the
// name is not empty.
void writeBackgroundBlock(QDataStream& stream, const QString& name, const QImage& image);
// lost, when given, tells a name whose image could not be read.
void readBackgroundBlock(QDataStream& stream, QString* name, QImage* image, bool* lost = nullptr);

// Window stream. Reader and writer set the stream's version to
// kPickerDataStreamVersion.
void writeWindowStream(QDataStream& stream, const picker_window_data& window);

// One tab of the window stream with its two blocks already encoded, so that
// a writer can keep the blocks of a tab that did not change. The revisions
// tell a writer that keeps blocks compressed (scene_data_compressor) whether
// they are still the ones it compressed; 0 stands for "not known".
struct picker_tab_part {
    QString name;
    QByteArray background; // encodeBackgroundBlock
    QByteArray buttons;    // encodeButtonBlock
    quint64 backgroundRevision = 0;
    quint64 buttonsRevision = 0;
    // What only the extension block holds: the buttons' records
    // (buttonExtensionRecords) and the picker's (mirrorRecords), and the
    // pictures the buttons show.
    extension_records extensions;
    picker_pictures pictures;
};
// The blocks alone, each as the window stream holds it.
QByteArray encodeBackgroundBlock(const QString& name, const QImage& image);
QByteArray encodeButtonBlock(const QList<buttonAttributes>& buttons);
QByteArray encodeButtonBlock(const QList<buttonRecord>& buttons);
// The bytes of the window stream before a tab's blocks: the tab's number
// and name, after the stream's header for the first tab.
QByteArray encodeTabPrefix(qint32 current, qint32 tabCount, qint32 index, const QString& name);
// The same bytes writeWindowStream writes for the tabs the parts stand for.
QByteArray assembleWindowStream(qint32 current, const QList<picker_tab_part>& tabs);
// The extension block after the last tab: each tab's records, then every
// picture once; empty when no tab uses any.
QByteArray encodeWindowTrailer(const QList<picker_tab_part>& tabs);
// The pictures of the set that the buttons show.
picker_pictures usedPictures(const QList<buttonAttributes>& buttons, const picker_pictures& pictures);
// False when the version is newer than this reader knows (window->version
// holds it and nothing else was read). Tabs read before the data ended are
// kept, the last one with what it held.
bool readWindowStream(QDataStream& stream, picker_window_data* window, stream_report* report = nullptr);

// Picker file (the caller sets the data-stream version to 7).
void writePickerFile(QDataStream& stream, const picker_tab_data& tab);
// Reads one tab; a version above 4 is read with the version-4 layout.
// False when the data ended or was corrupt before the version and the name
// were read, i.e. there is no picker at all; the tab is then left empty.
bool readPickerFile(QDataStream& stream, picker_tab_data* tab, qint32* version, stream_report* report = nullptr);

// Button-list block (clipboard payload). Reader and writer set the stream's
// version to kPickerDataStreamVersion.
void writeButtonAttributes(QDataStream& stream, const QList<buttonAttributes>& buttons,
                           const picker_pictures& pictures = picker_pictures());
QList<buttonAttributes> readButtonAttributes(QDataStream& stream, picker_pictures* pictures = nullptr);
#endif
