#ifndef QB_STANDIN_MFNPLUGIN_H
#define QB_STANDIN_MFNPLUGIN_H
#include <maya/MTypes.h>
#include <maya/MFnBase.h>
#include <maya/MStatus.h>
#include <maya/MString.h>
#include <maya/MObject.h>
#include <maya/MApiVersion.h>

typedef void* (*MCreatorFunction)();
typedef MSyntax (*MCreateSyntaxFunction)();

class OPENMAYA_EXPORT MFnPlugin : public MFnBase
{
public:
    MFnPlugin(MObject& object,
              const char* vendor = "Unknown",
              const char* version = "Unknown",
              const char* requiredApiVersion = "Any",
              MStatus* ReturnStatus = NULL);
    ~MFnPlugin() override;

    MStatus registerCommand(const MString& commandName,
                            MCreatorFunction creatorFunction,
                            MCreateSyntaxFunction createSyntaxFunction = NULL);
    MStatus deregisterCommand(const MString& commandName);

private:
    void* plugin_;
};

#ifndef MNoPluginEntry
PLUGIN_EXPORT MStatus initializePlugin(MObject obj);
PLUGIN_EXPORT MStatus uninitializePlugin(MObject obj);
#endif
#endif
