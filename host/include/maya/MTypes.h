#ifndef QB_STANDIN_MTYPES_H
#define QB_STANDIN_MTYPES_H
#include <maya/MApiNamespace.h>
#include <cstddef>
#include <cstdint>

#ifdef _WIN32
#define PLUGIN_EXPORT _declspec(dllexport)
#else
#define PLUGIN_EXPORT __attribute__((visibility("default")))
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
#endif
