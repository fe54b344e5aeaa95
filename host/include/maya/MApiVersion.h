#ifndef QB_STANDIN_MAPIVERSION_H
#define QB_STANDIN_MAPIVERSION_H
#include <maya/MTypes.h>

#define MAYA_API_VERSION 20240000

#ifndef MNoVersionString
extern "C" {
PLUGIN_EXPORT char MApiVersion[] = "20240000";
}
#endif
#endif
