#ifndef QB_TOOLS_QBX_ARGS_H
#define QB_TOOLS_QBX_ARGS_H
// The arguments after the command name.
#include <QtCore/QString>
#include <QtCore/QStringList>

namespace qbx {

// Options a command takes; a command that takes one also requires it.
enum option_flag { kTakesOutput = 1, kTakesMap = 2, kAcceptsSize = 4, kAcceptsTab = 8, kAcceptsMirror = 16,
                   // --scene beside the file (check); in place of the file (dump); required (store)
                   kAcceptsScene = 32, kNeedsScene = 64, kSceneForFile = 128 };

struct command_line {
    QString file;      // the one input file
    QString output;    // -o, --output
    QStringList maps;  // --map, in the order given
    QString size;      // --size WxH (optional), as given
    QString tab;       // --tab N (optional), as given
    bool flip = false; // --flip
    QString axis;      // --axis X (optional), as given
    QStringList rules; // --rule LEFT=RIGHT, in the order given
    QString scene;     // --scene FILE.ma: a scene instead of, or beside, the file
    QString node;      // --node NAME: the picker node to store into
};

// Accepts exactly one input file, "-o FILE" / "--output FILE" /
// "--output=FILE" once, "--map X" / "--map=X" any number of times,
// "--size WxH" / "--size=WxH" and "--tab N" / "--tab=N" at most once each
// (never required), for mirroring "--flip", "--axis X" once and "--rule X"
// any number of times, "--scene FILE" and "--node NAME" once where taken
// (a scene may stand for the input file), and "--"
// before a file name that starts with a dash. False with a message on any
// other argument, a missing value, or a missing required option.
bool parse_command_line(const QStringList& args, int options, command_line* out, QString* error);

// True when the arguments ask for help (-h, --help).
bool asks_for_help(const QStringList& args);

} // namespace qbx
#endif
