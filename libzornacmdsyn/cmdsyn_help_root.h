// Where the shared command syntax looks for the manual pages of a relative help folder.
#ifndef CMDSYN_HELP_ROOT_H
#define CMDSYN_HELP_ROOT_H

#include <string>

namespace zornacmdsyn {

// `configured` (VX_HELP_ROOT) when set and not empty; else the tool's data folder
// beside the running program, "<program_folder><program-to-data>/<tool_name>", with
// `program_folder` ending in its separator. Empty when neither can be told: the pages
// cannot be found then, and the working folder is never taken for their place.
std::string help_root(const char *configured, const std::string &program_folder, const char *tool_name);

}  // namespace zornacmdsyn

#endif
