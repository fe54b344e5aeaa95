#ifndef QB_FUZZ_FUZZ_SCENE_ENTRY_H
#define QB_FUZZ_FUZZ_SCENE_ENTRY_H
// The stand-in host's scene reading fed arbitrary bytes: the bytes opened
// as a scene file in a scratch folder (references resolved there only),
// written back and read again. Shared by the fuzz target and by the test
// that replays its corpus.
#include <QtCore/QString>

#include <cstddef>
#include <cstdint>

int fuzz_scene_file(const uint8_t* data, size_t size, const QString& scratch);
#endif
