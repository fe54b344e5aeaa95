#ifndef QB_TOOLS_QBX_COMMANDS_H
#define QB_TOOLS_QBX_COMMANDS_H
// The subcommands. Each gets arguments already checked against its options
// and returns the exit status.
#include "qbx_args.h"

struct picker_tab_data;

namespace qbx {

int run_dump(const command_line& line);
int run_build(const command_line& line);
int run_check(const command_line& line);
// check --scene: the picker's names against the scene's nodes.
int check_against_scene(const command_line& line, const picker_tab_data& tab);
int run_rebind(const command_line& line);
int run_render(const command_line& line);
int run_import(const command_line& line);
int run_mirror(const command_line& line);
int run_store(const command_line& line);
int run_dump_scene(const command_line& line);

struct command_info {
    const char* name;
    const char* synopsis; // the arguments, after "qbx NAME "
    const char* summary;
    int options;          // option_flag values
    int (*run)(const command_line&);
};

} // namespace qbx
#endif
