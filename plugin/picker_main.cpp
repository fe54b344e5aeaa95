#include "plugin/picker_main.h"
#include "plugin/host_services.h"
#include "ui/panel_geometry.h"
#include "model/picker_version.h"
#include "plugin/report_error.h"
#include "plugin/node_lookup.h"
#include "canvas/picker_view.h"
#include "model/picker_image.h"
#include "model/scene_data.h"
#include "document/scene_store.h"
#include "window/picker_window.h"
#include "window/rig_pickers.h"
#include "window/tab_files.h"
#include "model/rig_picker.h"

#include <maya/MFileIO.h>
#include <maya/MGlobal.h>
#include <maya/MItSelectionList.h>
#include <maya/MQtUtil.h>
#include <maya/MSelectionList.h>

#include <QtCore/QSettings>
#include <QtCore/QDataStream>
#include <QtGui/QIcon>
#include <QtGui/QPixmap>
#include <QtWidgets/QMainWindow>
#include <QtWidgets/QTabWidget>

QPointer<QDockWidget> picker_main::window_;
QMutex picker_main::mutex_;
MString picker_main::name_(QB_PICKER_COMMAND);
MCallbackId picker_main::selectionChangedId_ = 0;
MCallbackId picker_main::quitApplicationId_ = 0;
MCallbackId picker_main::deleteAllId_ = 0;
MCallbackId picker_main::newSceneOpenedId_ = 0;
MCallbackId picker_main::referenceIds_[4] = {0, 0, 0, 0};
bool picker_main::restorePending_ = false;
MCallbackId picker_main::sceneOpenedId_ = 0;

// The host's 8-bit text as bytes (Base64 payloads).
static QByteArray bytes_of(MString const& text)
{
    return QByteArray(text.asChar(), int(text.length()));
}

static const char kRestoreCommand[] = "QuillbrookPicker restore `fileInfo -q \"QuillbrookPickerData\"`;";
static const char kRestoreFilesCommand[] =
    "QuillbrookPicker \"restore_files\" `fileInfo -q \"QuillbrookPickerFiles\"`;";

// One line for every name a selection left out: the first five, then how
// many more.
static QString skipped_warning(const QStringList& skipped)
{
    const int shown = qMin(5, skipped.size());
    QString text = QStringLiteral(QB_PICKER_COMMAND " - skipped %1 %2: ")
                       .arg(skipped.size())
                       .arg(skipped.size() == 1 ? QStringLiteral("name") : QStringLiteral("names"));
    text += QStringList(skipped.mid(0, shown)).join(QStringLiteral(", "));
    if (skipped.size() > shown)
        text += QStringLiteral(" and %1 more").arg(skipped.size() - shown);
    return text;
}

picker_main::picker_main() = default;
picker_main::~picker_main() = default;

void* picker_main::creator()
{
    return new picker_main;
}

picker_window* picker_main::window()
{
    if (!window_)
        return nullptr;
    return qobject_cast<picker_window*>(window_->widget());
}

MStatus picker_main::open_panel()
{
    QMainWindow* host = qobject_cast<QMainWindow*>(MQtUtil::mainWindow());
    if (!host) {
        // Batch mode has no user interface to dock into.
        MGlobal::displayError(MString(QB_PICKER_COMMAND)
                              + " - the picker panel needs the host's main window, and there is none "
                                "(is the host running in batch mode?)");
        return MS::kFailure;
    }
    window_ = new QDockWidget(nullptr, Qt::WindowFlags());
    // A heap copy, not a literal: the host's main window keeps the dock's name
    // (to place it again) after the plug-in's module is unloaded.
    window_->setObjectName(QString::fromLatin1(QB_PICKER_COMMAND));
    picker_window* picker = new picker_window(window_);
    window_->setWidget(picker);
    host->addDockWidget(Qt::DockWidgetArea(2), window_);
    window_->setFloating(true);
    window_->setAllowedAreas(Qt::NoDockWidgetArea); // always floating
    window_->setFeatures(QDockWidget::DockWidgetFeatures(7));
    window_->setWindowTitle(QString::fromLatin1(QB_PICKER_COMMAND));
    window_->setWindowIcon(QIcon(QStringLiteral(":/resources/QuillbrookLogo.png")));
    read_settings();
    window_->show();
    restorePending_ = true;
    MGlobal::executeCommandOnIdle(MString(kRestoreCommand), false);
    queue_rig_scan(); // after the scene's copy: it may hold the rigs' tabs already
    return MS::kSuccess;
}

MStatus picker_main::doIt(const MArgList& args)
{
    MStatus status;
    const unsigned int count = args.length(&status);
    if (!status) {
        report_error(status, "could not determine the number of parameters");
        return status;
    }

    if (!window_) {
        status = open_panel();
        if (!status)
            return status;
    }

    if (count == 0) {
        if (!window_->isVisible())
            window_->showNormal();
        else if (window_->isActiveWindow())
            window_->raise();
        selectionChangedFn(nullptr);
        return MS::kSuccess;
    }

    MString directive;
    status = args.get(0, directive);
    if (!status) {
        report_error(status, "could not parse the command");
        return status;
    }

    MStringArray params;
    bool haveArray = false;
    if (count == 2) {
        unsigned int index = 1;
        haveArray = args.get(index, params) == MS::kSuccess;
    }
    if (!haveArray) {
        params.clear();
        for (unsigned int i = 1; i < count; ++i) {
            MString value;
            status = args.get(i, value);
            if (!status)
                break;
            params.append(value);
        }
        if (!status) {
            report_error(status, "could not parse the command");
            return status;
        }
    }
    const MStatus result = process_command(directive, params);
    // What the directive changed reaches the scene before the next queued
    // text: the host may run its queue without the event loop turning.
    if (picker_window* w = window())
        w->flush_scene_data();
    return result;
}

MStatus picker_main::process_command(MString const& directive, MStringArray const& params)
{
    if (directive == "clear" || directive == "select") {
        MStatus status;
        mutex_.lock();
        if (directive == "clear" || params.length() == 0) {
            status = MGlobal::clearSelectionList();
        } else {
            // Names that name no node, or several, are left out and told of
            // once; the rest replace the selection.
            QStringList skipped;
            bool replaced = false;
            for (unsigned int i = 0; i < params.length(); ++i) {
                const node_lookup found = find_node(MQtUtil::toQString(params[i]));
                if (found.health != kNodeFound) {
                    skipped << MQtUtil::toQString(params[i])
                                   + (found.health == kNodeAmbiguous ? QStringLiteral(" (more than one node)")
                                                                     : QStringLiteral(" (no node)"));
                    continue;
                }
                status = MGlobal::selectByName(params[i], replaced ? MGlobal::kAddToList : MGlobal::kReplaceList);
                replaced = replaced || status;
            }
            if (!replaced && !skipped.isEmpty())
                status = MGlobal::clearSelectionList(); // a click on what is not there selects nothing
            if (!skipped.isEmpty())
                MGlobal::displayWarning(MQtUtil::toMString(skipped_warning(skipped)));
        }
        mutex_.unlock();
        selectionChangedFn(nullptr);
        return status;
    }

    if (directive == "restore")
        return fetch_pickerdata(params);
    if (directive == "rig_pickers")
        return adopt_rig_pickers(params);
    if (directive == "fetch_image")
        return fetch_image(params);
    if (directive == "restore_files") {
        if (picker_window* w = window())
            w->scene()->restore_file_paths(params.length() == 1 ? MQtUtil::toQString(params[0]) : QString());
        return MS::kSuccess;
    }

    picker_window* w = window();
    if (directive == "save") {
        if (w)
            w->save_current();
        return MS::kSuccess;
    }
    if (directive == "saveas") {
        if (w)
            w->saveas_current();
        return MS::kSuccess;
    }
    if (directive == "bind" || directive == "rebind")
        return rebind_picker(params, directive == "rebind");
    if (directive == "open") {
        if (w)
            w->load_pickers(MStringArrayToQStringList(params));
        return MS::kSuccess;
    }
    if (directive == "import") {
        if (w)
            w->files()->import_pickers(MStringArrayToQStringList(params));
        return MS::kSuccess;
    }

    MGlobal::displayError(MString(QB_PICKER_COMMAND) + " - unknown directive: " + directive);
    return MS::kFailure;
}

MStatus picker_main::fetch_pickerdata(MStringArray const& params)
{
    restorePending_ = false;
    picker_window* w = window();
    if (!w)
        return MS::kSuccess;
    if (params.length() != 1 || params[0].length() == 0) {
        w->reset(); // a scene without picker data
        return MS::kSuccess;
    }
    // A damaged value still gives every tab and button before the damage.
    const scene_data_reading value = readSceneData(bytes_of(params[0]));
    if (!value.damage.isEmpty())
        MGlobal::displayError(MString(QB_PICKER_COMMAND) + " - the picker data of this scene is damaged: "
                              + MQtUtil::toMString(value.damage));
    QDataStream in(value.stream);
    const QString scene = value.damage.isEmpty() ? QString() : MQtUtil::toQString(MFileIO::currentFile());
    w->streamFrom(in, value.damage, scene);
    selectionChangedFn(nullptr);
    // The warning ran its own event loop: the dock may be gone or rebuilt.
    if (picker_window* now = window()) {
        if (picker_view* front = now->frontPicker())
            now->scene()->fetch_image(front->document());
        // Each tab's picker file, kept beside the data.
        MGlobal::executeCommandOnIdle(MString(kRestoreFilesCommand), false);
    }
    return value.damage.isEmpty() ? MStatus(MS::kSuccess) : MStatus(MS::kFailure);
}

void picker_main::queue_rig_scan()
{
    MGlobal::executeCommandOnIdle(MQtUtil::toMString(rig_picker::scan_mel(QB_PICKER_COMMAND)), false);
}

void picker_main::referencesChangedFn(void*)
{
    if (window_)
        queue_rig_scan();
}

MStatus picker_main::adopt_rig_pickers(MStringArray const& params)
{
    if (restorePending_)
        return MS::kSuccess; // a scan follows the restore
    QList<rig_picker_node> nodes;
    if (!rig_picker::read_scan(MStringArrayToQStringList(params), &nodes)) {
        MGlobal::displayError(MString(QB_PICKER_COMMAND) + " - the report of the scene's picker nodes is malformed");
        return MS::kFailure;
    }
    if (picker_window* w = window())
        w->rigs()->adopt(nodes);
    return MS::kSuccess;
}

MStatus picker_main::fetch_image(MStringArray const& params)
{
    if (params.length() != 2 || params[0].length() == 0)
        return MS::kSuccess;
    QImage image;
    if (!decodeImageValue(bytes_of(params[1]), &image))
        return MS::kFailure;
    const QPixmap pixmap = QPixmap::fromImage(image);
    const QString name = MQtUtil::toQString(params[0]);
    // Every tab showing that background name shows the scene's picture.
    if (picker_window* w = window())
        for (int i = 0; i < w->tabs()->count(); ++i)
            if (picker_view* view = qobject_cast<picker_view*>(w->tabs()->widget(i)))
                if (view->document()->backgroundName() == name)
                    view->document()->setBackground(name, pixmap);
    return MS::kSuccess;
}

MStatus picker_main::rebind_picker(MStringArray const& params, bool force)
{
    if (picker_window* w = window())
        w->rebind_picker(MStringArrayToQStringList(params), force);
    return MS::kSuccess;
}

void picker_main::selectionChangedFn(void*)
{
    if (!window_)
        return;
    if (!mutex_.tryLock(0))
        return; // a select or clear directive is changing the selection
    MSelectionList list;
    MStatus status = MGlobal::getActiveSelectionList(list, false);
    if (!status) {
        MGlobal::displayError(MString(QB_PICKER_COMMAND) + "- could not get the current selection: "
                              + status.errorString());
        mutex_.unlock();
        return;
    }
    QStringList names;
    if (!list.isEmpty()) {
        MStringArray strings;
        for (MItSelectionList it(list, MFn::kInvalid); !it.isDone(); it.next()) {
            it.getStrings(strings);
            for (unsigned int i = 0; i < strings.length(); ++i)
                names.append(MQtUtil::toQString(strings[i]));
        }
    }
    if (picker_window* w = window())
        w->setSelection(names);
    mutex_.unlock();
}

void picker_main::quitApplicationFn(void*)
{
    if (!window_)
        return;
    write_settings();
    delete window_.data();
}

void picker_main::deleteAllFn(void*)
{
    if (picker_window* w = window())
        w->reset();
}

void picker_main::sceneOpenedFn(void*)
{
    if (!window_)
        return;
    restorePending_ = true;
    MGlobal::executeCommandOnIdle(MString(kRestoreCommand), false);
    queue_rig_scan(); // after the scene's copy: it may hold the rigs' tabs already
}

// Settings keys are built on the heap: the toolkit caches the store for the
// whole process, and a literal's text would vanish with the unloaded module.
static QString settings_text(const char* text)
{
    return QString::fromLatin1(text);
}

void picker_main::read_settings()
{
    if (!window_)
        return;
    QSettings settings(settings_text("Quillbrook"), settings_text("picker"));
    const QSize size = settings.value(settings_text("pickerSize"), QSize(400, 400)).toSize();
    const QPoint pos = settings.value(settings_text("pickerPosition"), QPoint(120, 100)).toPoint();
    const QRect r = panel_geometry(pos, size, screen_areas(), primary_screen_index());
    window_->resize(r.size());
    window_->move(r.topLeft());
}

void picker_main::write_settings()
{
    if (!window_)
        return;
    QSettings settings(settings_text("Quillbrook"), settings_text("picker"));
    settings.setValue(settings_text("pickerSize"), window_->size());
    settings.setValue(settings_text("pickerPosition"), window_->pos());
}
