// The syntax description of the tool's commands: for every command word its slot, its
// keyword, its flags (what each reads, its mutual-exclusion group) and its usage text,
// learned by running each syntax routine on the describer's own parser
// (describing_parser.h). Built at build time into the JSON description and the table
// compiled into the tool.
#ifndef VEXAR_DESCRIBE_SYNTAX_DESCRIPTION_H
#define VEXAR_DESCRIBE_SYNTAX_DESCRIPTION_H

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "dispatch/vexar_syntax.h"
#include "libzornacmdsyn.h"

namespace vxdescribe {

using vexar::syntax::Value;

struct FlagDescription {
    std::string name;      // "-long"
    std::string shortest;  // "-l"
    Value value = Value::none;
    int group = 0;  // 0 outside any mutual-exclusion group, else 1, 2, ...

    bool operator==(const FlagDescription &) const = default;
};

struct CommandDescription {
    std::string word;
    int32_t slot = -1;
    std::string keyword;
    std::string shortest;
    std::vector<std::string> aliases;
    bool own_row = false;  // no keyword row in the library: the tool's own word
    std::string purpose;
    std::string usage;  // as printed on a usage request; "" when none is printed
    std::vector<FlagDescription> flags;

    bool operator==(const CommandDescription &) const = default;
};

// A name the library exports as vx_cmdsyn_<word>, and the syntax routine it names
// (nullptr for its tables).
struct ExportedName {
    const char *word;
    cmd_syntax_routine_t routine;
};

// Every vx_cmdsyn_<word> name the library exports, from its version script.
std::span<const ExportedName> library_exports();

// What the description is made from. The routines print through the message facility
// of the program that links them: `take_printed` returns what they printed on standard
// output since it was last called, and forgets it.
struct Sources {
    const proc_table_entry_t *procs;
    int32_t slot_count;
    const cmd_keyword_t *keywords;
    std::span<const ExportedName> exports;
    const cmdsyn_purpose_t *purposes;
    std::function<std::string()> take_printed;
};

// One description per slot that a word reaches, in slot order: the slot's keyword rows
// name it, or else the name its routine is exported under. The library's own routines
// run on the describing parser's captures and probes; the routines of the shared
// command syntax (which install no flag table, and some of which act on the process:
// cd, quit, shell) are only asked for their usage. Throws std::runtime_error when a
// routine cannot be described (a flag it never reads, a malformed flag table).
std::vector<CommandDescription> describe(const Sources &sources);

// The JSON description (format 1): keys in a fixed order, one flag per line.
std::string to_json(const std::vector<CommandDescription> &commands);

// A C++ source that defines the table of vexar_syntax.h.
std::string to_table_source(const std::vector<CommandDescription> &commands);

// `text` as a JSON string and as a C++ string literal, quotes included.
std::string json_string(std::string_view text);
std::string cxx_string(std::string_view text);

// "none", "text", "list".
const char *value_name(Value value);

}  // namespace vxdescribe

#endif
