// The tool's own options, which stand where a command word would (vexar(1)): read by the
// start, the dispatcher and completion from this one table.
#ifndef VEXAR_OPTIONS_H
#define VEXAR_OPTIONS_H

#include <string_view>

namespace vexar {

enum class ToolOption {
    stop_on_error,  // before the command word only: commands from standard input stop at a failure
    version,        // prints the version
    help,           // what "help" shows, after the tool's usage when alone
};

struct ToolOptionSpelling {
    const char *spelling;
    ToolOption option;
};

// The spellings newcomers try for help stand among the others.
inline constexpr ToolOptionSpelling kToolOptions[] = {
    {"-e", ToolOption::stop_on_error}, {"--stop-on-error", ToolOption::stop_on_error},
    {"-version", ToolOption::version}, {"--version", ToolOption::version},
    {"--help", ToolOption::help},      {"-help", ToolOption::help},
    {"-h", ToolOption::help},          {"-?", ToolOption::help},
};

// True when `word` spells `option`.
constexpr bool is_tool_option(std::string_view word, ToolOption option) {
    for (const ToolOptionSpelling &row : kToolOptions)
        if (row.option == option && word == row.spelling) return true;
    return false;
}

}  // namespace vexar

#endif
