#ifndef QBHOST_EXPORT_H
#define QBHOST_EXPORT_H
#ifdef _WIN32
#ifdef QBHOST_BUILDING
#define QBHOST_EXPORT __declspec(dllexport)
#else
#define QBHOST_EXPORT __declspec(dllimport)
#endif
#else
#define QBHOST_EXPORT __attribute__((visibility("default")))
#endif
#endif
