#ifndef QB_IMPORT_IMPORT_LIMITS_H
#define QB_IMPORT_IMPORT_LIMITS_H
// How much of another tool's picker file is believed. A file past any of
// these is refused whole, with a message, before it can make the import
// allocate without bound: real pickers stay far below every one of them.

namespace import_limits {

constexpr long long kMaxFileBytes = 16LL << 20;   // the whole file
constexpr int kMaxTabs = 256;                     // tabs or panels
constexpr int kMaxButtons = 100000;               // shapes or items in the file
constexpr int kMaxPointsPerShape = 10000;         // polygon corners, path points
constexpr int kMaxSegmentsPerShape = 100000;      // path segments of one shape
constexpr int kMaxNodesPerButton = 100000;        // node names of one button
constexpr int kMaxCommandsPerButton = 256;        // commands and menu entries
constexpr int kMaxNameChars = 4096;               // node, tab, layer names, paths
constexpr int kMaxLabelChars = 10000;             // label text
constexpr int kMaxScriptChars = 1 << 20;          // one command's text
// Coordinates and sizes in the other tool's units. A coordinate past this is
// taken for damage: no picker spans a million pixels.
constexpr double kMaxCoordinate = 1.0e6;

// Images the import reads from disk: each file, and each picture decoded.
constexpr long long kMaxImageFileBytes = 64LL << 20;
// Below what Qt 6 decodes by default (128 MB of pixels), so that both builds
// read the same pictures.
constexpr long long kMaxImagePixels = 25LL * 1000 * 1000;
// The one background a tab gets, made of its backdrops.
constexpr long long kMaxBackgroundPixels = 25LL * 1000 * 1000;
constexpr int kMaxBackgroundSide = 16384;

} // namespace import_limits
#endif
