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

using vexar::syntax::Offer;
using vexar::syntax::Value;

struct FlagDescription {
    std::string name;      // "-long"
    std::string shortest;  // "-l"
    Value value = Value::none;
    int group = 0;  // 0 outside any mutual-exclusion group, else 1, 2, ...
    // Added by add_flag_facts: the value's placeholder in the usage text ("hostname",
    // "{forward | backward}"; "" for a switch or a flag the usage does not show), what
    // completion offers for the value, its words, and the flag's one-line meaning.
    std::string placeholder{};
    Offer offer = Offer::nothing;
    std::vector<std::string> words{};
    std::string meaning{};

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

// Adds to every flag of `commands` what its command's usage text says of its value
// (value_facts) and the meaning its command's page gives it (page_entries), the page
// read from `page_folder` as vexar-<word>.1; a command without a page, and a flag its
// page does not list, get no meaning.
void add_flag_facts(std::vector<CommandDescription> &commands, const std::string &page_folder);

// A flag's entry under OPTIONS in its command's page: the name its ".It Fl" line gives,
// the placeholder after its "Ar", and the plain-text line that begins the entry (its
// escapes undone; "" when the entry begins with a macro).
struct PageEntry {
    std::string name;         // ".It Fl inv Ns Oo ob Oc Ar vob-selector": "-invob"
    std::string placeholder;  // "vob-selector"
    std::string meaning;
};
std::vector<PageEntry> page_entries(std::string_view page);

// What a usage text shows after the first of `flag`'s spellings (its shortest up to its
// full name) that it shows with a value: the placeholder, what it offers and its words.
// A placeholder in braces offers the alternatives that are words ("{months | days}",
// the "-auto" of "{stgloc-name | -auto}"); another one offers file names when it names
// a path, else nothing. A value the usage does not show is read from `page_placeholder`,
// the one its page shows; without one it offers file names, as a shell does for a word
// it knows nothing of. A switch offers nothing.
struct ValueFacts {
    std::string placeholder;
    Offer offer = Offer::nothing;
    std::vector<std::string> words;
};
ValueFacts value_facts(std::string_view usage, const FlagDescription &flag, std::string_view page_placeholder);

// The JSON description (format 1): keys in a fixed order, one flag per line.
std::string to_json(const std::vector<CommandDescription> &commands);

// A C++ source that defines the table of vexar_syntax.h.
std::string to_table_source(const std::vector<CommandDescription> &commands);

// `text` as a JSON string and as a C++ string literal, quotes included.
std::string json_string(std::string_view text);
std::string cxx_string(std::string_view text);

// "none", "text", "list".
const char *value_name(Value value);

// "nothing", "files", "words".
const char *offer_name(Offer offer);

}  // namespace vxdescribe

#endif
