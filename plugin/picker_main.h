#ifndef QB_PLUGIN_PICKER_MAIN_H
#define QB_PLUGIN_PICKER_MAIN_H
#include <maya/MArgList.h>
#include <maya/MMessage.h>
#include <maya/MPxCommand.h>
#include <maya/MStatus.h>
#include <maya/MString.h>
#include <maya/MStringArray.h>

#include <QtCore/QMutex>
#include <QtCore/QPointer>
#include <QtWidgets/QDockWidget>

class picker_window;

// The host command QuillbrookPicker, and the plug-in-wide state.
class picker_main : public MPxCommand
{
public:
    picker_main();
    ~picker_main() override;

    MStatus doIt(const MArgList& args) override;
    static void* creator();

    MStatus process_command(MString const& directive, MStringArray const& params);
    MStatus fetch_pickerdata(MStringArray const& params);
    MStatus fetch_image(MStringArray const& params);
    // The scene's picker nodes, as the scan reports them.
    MStatus adopt_rig_pickers(MStringArray const& params);
    // Queues the scan of the scene's picker nodes (after an open, a
    // reference loaded, unloaded or removed).
    static void queue_rig_scan();
    MStatus rebind_picker(MStringArray const& params, bool force);

    // Host event callbacks; the client data is always null.
    static void selectionChangedFn(void*);
    static void quitApplicationFn(void*);
    static void deleteAllFn(void*);
    static void sceneOpenedFn(void*);

    static void read_settings();
    static void write_settings();

    // The picker window inside the dock, or null.
    static picker_window* window();

    static QPointer<QDockWidget> window_;
    static QMutex mutex_;
    static MString name_;
    static MCallbackId selectionChangedId_;
    static MCallbackId quitApplicationId_;
    static MCallbackId deleteAllId_;
    static MCallbackId newSceneOpenedId_;
    static MCallbackId sceneOpenedId_;
    // A reference created, loaded, unloaded or removed: the rigs' pickers
    // are looked for again.
    static void referencesChangedFn(void*);
    static MCallbackId referenceIds_[4];
    // The scene's copy is on its way: rig scans wait for it, or their
    // tabs would be written over the copy before it is read.
    static bool restorePending_;

private:
    MStatus open_panel();
};
#endif
