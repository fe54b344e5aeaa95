#ifndef QB_STANDIN_MAPIVERSION_H
#define QB_STANDIN_MAPIVERSION_H
#include <maya/MTypes.h>

// The markers the host reads from a plug-in module: the API release it was
// built for (the text of MAYA_API_VERSION) and its signature, both derived
// from MAYA_API_VERSION so that they follow the release the build picked.
#ifndef MNoVersionString
#define QB_STANDIN_VERSION_TEXT2(version) #version
#define QB_STANDIN_VERSION_TEXT(version) QB_STANDIN_VERSION_TEXT2(version)
extern "C" {
PLUGIN_EXPORT char MApiVersion[] = QB_STANDIN_VERSION_TEXT(MAYA_API_VERSION);
PLUGIN_EXPORT char ADSK_PLUGIN_SIGNATURE[] = "stand-in plug-in signature " QB_STANDIN_VERSION_TEXT(MAYA_API_VERSION);
}
#undef QB_STANDIN_VERSION_TEXT
#undef QB_STANDIN_VERSION_TEXT2
#endif
#endif
