#ifndef QB_STANDIN_MTYPES_H
#define QB_STANDIN_MTYPES_H
#include <maya/MApiNamespace.h>
#include <cstddef>
#include <cstdint>

// The release the plug-in is built for: 20220000 for 2022 ... 20250000 for
// 2025. The build picks it (MAYA_VERSION in CMake); a devkit's own header
// fixes it.
#ifndef MAYA_API_VERSION
#define MAYA_API_VERSION 20240000
#endif

#ifndef PLUGIN_EXPORT
#ifdef _WIN32
#define PLUGIN_EXPORT _declspec(dllexport)
#else
#define PLUGIN_EXPORT __attribute__((visibility("default")))
#endif
#endif

// Symbols of the stand-in runtime library itself.
#ifdef _WIN32
#ifdef QBHOST_BUILDING
#define OPENMAYA_EXPORT __declspec(dllexport)
#else
#define OPENMAYA_EXPORT __declspec(dllimport)
#endif
#else
#define OPENMAYA_EXPORT __attribute__((visibility("default")))
#endif

// The spaces positions are given in.
class MSpace
{
public:
    enum Space {
        kInvalid = 0,
        kTransform = 1,
        kPreTransform = 2,
        kPostTransform = 3,
        kWorld = 4,
        kObject = kPreTransform,
        kLast = 5
    };
};
#endif
