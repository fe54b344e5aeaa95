// The plug-in's entry points. The only file that includes MFnPlugin.h, which
// defines the API version marker.
#include <maya/MFnPlugin.h>
#include <maya/MEventMessage.h>
#include <maya/MSceneMessage.h>
#include <maya/MMessage.h>

#include "plugin/host_services.h"
#include "plugin/maya_host_port.h"
#include "plugin/picker_main.h"
#include "model/picker_version.h"
#include "plugin/report_error.h"
#include "ui/nested_loop.h"

#if defined(__unix__)
#include <dlfcn.h>
#endif

// Unloaded while one of its dialogs or menus is open (a script run by a host
// callback, say), the module must outlive the unload: the code that opened
// the loop still has to return through it. One more reference to the module
// keeps it mapped for the rest of the process.
static void keep_module_mapped()
{
#if defined(__unix__)
    Dl_info info;
    if (dladdr(reinterpret_cast<void*>(&keep_module_mapped), &info) && info.dli_fname)
        dlopen(info.dli_fname, RTLD_NOW | RTLD_NOLOAD);
#endif
}

// The plug-in's one way to the host, for the code above the model.
static maya_host_port host;

// The images and the embedded script are in a static library: named here,
// or the linker would leave them out.
static void init_resources()
{
    Q_INIT_RESOURCE(picker_resources);
}

PLUGIN_EXPORT MStatus initializePlugin(MObject obj)
{
    init_resources();
    host_port::install(&host);
    MStatus status;
    MFnPlugin plugin(obj, QB_PICKER_VENDOR, QB_PICKER_VERSION, "Any", &status);
    if (!status) {
        report_error(status, "could not initialize the plugin");
        return status;
    }
    status = plugin.registerCommand(picker_main::name_, picker_main::creator);
    if (!status) {
        report_error(status, "could not initialize the plugin");
        return status;
    }

    struct Install {
        const char* event;
        MMessage::MBasicFunction function;
        MCallbackId* id;
        const char* message;
    };
    const Install installs[] = {
        {"SelectionChanged", picker_main::selectionChangedFn, &picker_main::selectionChangedId_,
         "could not install SelectionChanged callback"},
        {"quitApplication", picker_main::quitApplicationFn, &picker_main::quitApplicationId_,
         "could not install quitApplication callback"},
        {"deleteAll", picker_main::deleteAllFn, &picker_main::deleteAllId_,
         "could not install the deleteAll callback"},
        {"NewSceneOpened", picker_main::deleteAllFn, &picker_main::newSceneOpenedId_,
         "could not install the NewSceneOpened callback"},
        {"SceneOpened", picker_main::sceneOpenedFn, &picker_main::sceneOpenedId_,
         "could not install the SceneOpened callback"},
    };
    for (const Install& i : installs) {
        *i.id = MEventMessage::addEventCallback(i.event, i.function, NULL, &status);
        if (!status) {
            report_error(status, i.message);
            return status;
        }
    }
    const MSceneMessage::Message references[] = {MSceneMessage::kAfterCreateReference,
                                                 MSceneMessage::kAfterLoadReference,
                                                 MSceneMessage::kAfterUnloadReference,
                                                 MSceneMessage::kAfterRemoveReference};
    for (int i = 0; i < 4; ++i) {
        picker_main::referenceIds_[i] =
            MSceneMessage::addCallback(references[i], picker_main::referencesChangedFn, NULL, &status);
        if (!status) {
            report_error(status, "could not install a reference callback");
            return status;
        }
    }

    // Names resolve to nodes while the scene changes under them.
    status = host.listen();
    if (!status)
        return status;

    load_script(QStringLiteral("picker_ListNamespaces.mel"));
    return status;
}

PLUGIN_EXPORT MStatus uninitializePlugin(MObject obj)
{
    MStatus status;
    MFnPlugin plugin(obj, QB_PICKER_VENDOR, "1.0", "Any", &status);
    if (!status) {
        report_error(status, "could not deregister the plugin");
        return status;
    }

    if (nested_loop::open_count() > 0)
        keep_module_mapped();
    if (picker_main::window_) {
        picker_main::write_settings();
        delete picker_main::window_.data();
    }
    // The controls' attribute-change callbacks go with the window.
    host.watch_nodes(QStringList());

    status = plugin.deregisterCommand(picker_main::name_);
    if (!status) {
        report_error(status, "could not deregister the plugin");
        return status;
    }

    struct Removal {
        MCallbackId id;
        const char* message;
    };
    const Removal removals[] = {
        {picker_main::selectionChangedId_, "could not remove selectionChanged callback"},
        {picker_main::quitApplicationId_, "could not remove the quitApplicaiton callback"},
        {picker_main::deleteAllId_, "could not remove the deleteAll callback"},
        {picker_main::newSceneOpenedId_, "could not remove the newSceneOpened callback"},
        {picker_main::sceneOpenedId_, "could not remove the sceneOpened callback"},
    };
    for (MCallbackId& id : picker_main::referenceIds_) {
        status = MMessage::removeCallback(id);
        report_error(status, "could not remove a reference callback");
        id = 0;
    }
    for (const Removal& r : removals) {
        status = MMessage::removeCallback(r.id);
        report_error(status, r.message);
    }
    host.stop_listening();
    host_port::install(nullptr);
    return status;
}
