// Command words and on-line help: matching a word against a keyword table, help for a
// command (its usage text) or for all of them (their words), and manual pages read
// from plain-text files.

#include <sys/stat.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <new>
#include <string>
#include <string_view>
#include <vector>

#include "cmdsyn_help_root.h"
#include "cmdsyn_texts.h"
#include "flag_spec.h"
#include "libzornacmdsyn.h"
#include "program_folder.h"

namespace {

constexpr int32_t kSyntaxError = 1001;
// A command that was understood but could not do its work (a page that is not there).
constexpr int32_t kFailure = 1;

// Commands without a keyword row; handed over by the tool once, read by any thread.
std::atomic<const cmd_keyword_t *> g_extra_keywords{nullptr};

// Where manual pages are looked for when the help directory is relative.
constexpr const char *kHelpRootVariable = "VX_HELP_ROOT";
// From the folder of the running program to the data folders of the installed tree
// (and of the build tree, laid out as it); the tool's data lie in "<that>/<tool>".
constexpr const char *kProgramToData = VX_PROGRAM_TO_DATA;

// The word a keyword row spells in full: "mkreplica" for "mkrep[lica]", which needs at
// least "mkrep" (the flag-spec notation without a dash).
std::string full_word(const char *spec) { return vx_spec::read_keyword_spec(spec).full(); }

const cmd_keyword_t *find_row(const cmd_keyword_t *keywords, std::string_view word) {
    if (keywords == nullptr || word.empty()) return nullptr;
    for (const cmd_keyword_t *row = keywords; row->keyword != nullptr; ++row) {
        if (vx_spec::read_keyword_spec(row->keyword).accepts(word)) return row;
    }
    return nullptr;
}

// A command word resolved in the tool's keyword table or, failing that, in the table of
// commands reached by full name only.
struct Resolved {
    const cmd_keyword_t *table = nullptr;
    const cmd_keyword_t *row = nullptr;
};

Resolved resolve(const cmd_keyword_t *keywords, const char *word) {
    if (const cmd_keyword_t *row = find_row(keywords, word)) return {keywords, row};
    const cmd_keyword_t *extra = g_extra_keywords.load(std::memory_order_acquire);
    if (const cmd_keyword_t *row = find_row(extra, word)) return {extra, row};
    return {};
}

// The command's own name: an alias ("exit", "!") stands for the first other row of its
// slot ("quit", "shell").
std::string command_name(const Resolved &resolved) {
    if (resolved.row->attr == CMD_KEYWORD_ALIAS) {
        for (const cmd_keyword_t *row = resolved.table; row->keyword != nullptr; ++row) {
            if (row->slot == resolved.row->slot && row->attr != CMD_KEYWORD_ALIAS) return full_word(row->keyword);
        }
    }
    return full_word(resolved.row->keyword);
}

using zornacmdsyn::print;
using zornacmdsyn::Text;

// One command of the list: its full name and the other words that reach it, its
// shortest spelling first ("q"), then its aliases ("exit").
struct ListedCommand {
    std::string name;
    std::vector<std::string> others;
    int32_t slot;

    std::string words() const {
        std::string text = name;
        for (size_t i = 0; i < others.size(); ++i) text += (i == 0 ? " (" : ", ") + others[i];
        return others.empty() ? text : text + ")";
    }
};

// The commands of one keyword table with every word that reaches each of them: an
// alias stands beside the command whose slot it shares in the same table.
void add_commands(const cmd_keyword_t *keywords, std::vector<ListedCommand> &commands) {
    if (keywords == nullptr) return;
    std::vector<ListedCommand> listed;
    for (const cmd_keyword_t *row = keywords; row->keyword != nullptr; ++row) {
        if (row->attr == CMD_KEYWORD_ALIAS) continue;
        const vx_spec::Spelling spelling = vx_spec::read_keyword_spec(row->keyword);
        ListedCommand command{spelling.full(), {}, row->slot};
        if (!spelling.optional.empty()) command.others.emplace_back(spelling.required);
        listed.push_back(std::move(command));
    }
    for (const cmd_keyword_t *row = keywords; row->keyword != nullptr; ++row) {
        if (row->attr != CMD_KEYWORD_ALIAS) continue;
        const std::string alias = full_word(row->keyword);
        const auto command = std::find_if(listed.begin(), listed.end(), [&](const ListedCommand &listed_one) {
            return listed_one.slot == row->slot;
        });
        if (command != listed.end())
            command->others.push_back(alias);
        else
            listed.push_back({alias, {}, row->slot});  // an alias of nothing listed is a word of its own
    }
    commands.insert(commands.end(), listed.begin(), listed.end());
}

std::atomic<const cmdsyn_purpose_t *> g_purposes{nullptr};
std::atomic<const msg_table_t *> g_purpose_texts{nullptr};

// `purpose` as the catalog of the table that holds it translates it.
const char *translated(const char *purpose) {
    const msg_table_t *texts = g_purpose_texts.load(std::memory_order_acquire);
    if (texts == nullptr || texts->texts == nullptr) return purpose;
    for (int index = 0; index < texts->count; ++index)
        if (std::strcmp(texts->texts[index], purpose) == 0) return imsg_get_text(texts, index);
    return purpose;
}

const char *purpose_of(const std::string &word) {
    for (const cmdsyn_purpose_t *row = g_purposes.load(std::memory_order_acquire); row != nullptr && row->command;
         ++row)
        if (word == row->command) return row->purpose != nullptr ? translated(row->purpose) : nullptr;
    return nullptr;
}

// Wide enough for "syncreplica (sync)"; longer word lists push their purpose along.
constexpr int kWordsColumn = 18;

int32_t list_commands(const cmd_keyword_t *keywords) {
    std::vector<ListedCommand> commands;
    add_commands(keywords, commands);
    add_commands(g_extra_keywords.load(std::memory_order_acquire), commands);
    std::stable_sort(commands.begin(), commands.end(),
                     [](const ListedCommand &a, const ListedCommand &b) { return a.name < b.name; });
    commands.erase(std::unique(commands.begin(), commands.end(),
                               [](const ListedCommand &a, const ListedCommand &b) { return a.name == b.name; }),
                   commands.end());
    print(IMSG_SEV_PLAIN, Text::commands_heading);
    for (const ListedCommand &command : commands) {
        const char *purpose = purpose_of(command.name);
        if (purpose != nullptr)
            print(IMSG_SEV_PLAIN, Text::command_with_purpose, kWordsColumn, command.words().c_str(), purpose);
        else
            print(IMSG_SEV_PLAIN, Text::command_alone, command.words().c_str());
    }
    const bool any_others = std::any_of(commands.begin(), commands.end(),
                                        [](const ListedCommand &command) { return !command.others.empty(); });
    if (any_others) print(IMSG_SEV_PLAIN, Text::other_spellings);
    return 0;
}

// `path` with a separator after it, unless it is empty or ends in one already.
void append_separator(std::string &path) {
    if (!path.empty() && path.back() != '/' && path.back() != '\\') path += '/';
}

}  // namespace

std::string zornacmdsyn::help_root(const char *configured, const std::string &program_folder, const char *tool_name) {
    if (configured != nullptr && configured[0] != '\0') return configured;
    if (program_folder.empty() || tool_name == nullptr || tool_name[0] == '\0') return {};
    return program_folder + kProgramToData + "/" + tool_name;
}

namespace {

// "<root>/<help dir>/<prefix><name>", the root only for a relative help directory;
// empty when that root cannot be told.
std::string page_path(const char *tool_name, const char *help_dir, const char *prefix, const std::string &name) {
    std::string path;
    if (help_dir == nullptr || fileutl_is_abspn(help_dir) == 0) {
        path = zornacmdsyn::help_root(std::getenv(kHelpRootVariable), vx_program::folder(), tool_name);
        if (path.empty()) return path;
        append_separator(path);
    }
    path += help_dir != nullptr ? help_dir : "";
    append_separator(path);
    return path + (prefix != nullptr ? prefix : "") + name;
}

// Copies the page at `path` to standard output piece by piece (a page of any size takes
// one buffer), ending it with a line end when it has none. False when there is no such
// page; a failed write ends the copy, and standard output keeps its error for the tool.
bool print_file(const std::string &path) {
    struct stat info {};
    if (stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return false;
    std::FILE *in = std::fopen(path.c_str(), "rb");
    if (in == nullptr) return false;
    char piece[8192];
    char last = '\0';  // an empty page still prints its line end
    for (size_t got; (got = std::fread(piece, 1, sizeof piece, in)) > 0;) {
        if (std::fwrite(piece, 1, got, stdout) != got) break;
        last = piece[got - 1];
    }
    std::fclose(in);
    if (last != '\n') std::fputc('\n', stdout);
    std::fflush(stdout);
    return true;
}

// Prints page `name` of the tool: the file "<prefix><name>" of the help directory or,
// failing that, the same with ".txt". A page that is not there is a failure.
int32_t print_page(const char *tool_name, const char *help_dir, const char *page_prefix, const std::string &name) {
    const std::string page = page_path(tool_name, help_dir, page_prefix, name);
    if (page.empty()) {
        print(IMSG_SEV_ERROR, Text::no_pages_folder, name.c_str());
        return kFailure;
    }
    const std::string page_txt = page + ".txt";
    if (print_file(page) || print_file(page_txt)) return 0;
    print(IMSG_SEV_ERROR, Text::no_page, name.c_str(), page.c_str(), page_txt.c_str());
    return kFailure;
}

}  // namespace

extern "C" {

void cmdsyn_set_command_purposes(const cmdsyn_purpose_t *purposes) {
    g_purposes.store(purposes, std::memory_order_release);
}

void cmdsyn_set_purpose_texts(const msg_table_t *texts) { g_purpose_texts.store(texts, std::memory_order_release); }

int32_t cmdsyn_find_keyword(const cmd_keyword_t *keywords, const char *word) {
    const cmd_keyword_t *row = find_row(keywords, word != nullptr ? word : "");
    return row != nullptr ? row->slot : -1;
}

void cmdsyn_set_extra_keywords(const cmd_keyword_t *keywords) {
    g_extra_keywords.store(keywords, std::memory_order_release);
}

int32_t cmdsyn_help_dispatch(clp_parser_t *parser, stg_area_t *area, uint32_t dispatch_flags,
                             const cmd_keyword_t *keywords, const proc_table_entry_t *procs) try {
    if ((dispatch_flags & SYNTAX_USAGE_BITS) != 0) {
        print(IMSG_SEV_PLAIN, Text::help_usage);
        return 0;
    }
    const char *word = nullptr;
    if (clp_get_next_arg(parser, &word) != CLP_OK || word == nullptr) return list_commands(keywords);

    const Resolved resolved = resolve(keywords, word);
    if (resolved.row == nullptr) {
        print(IMSG_SEV_ERROR, Text::no_help, word);
        return kSyntaxError;
    }
    const cmd_syntax_routine_t routine = procs != nullptr ? procs[resolved.row->slot].routine : nullptr;
    if (routine == nullptr) {
        print(IMSG_SEV_ERROR, Text::not_available, command_name(resolved).c_str());
        return kSyntaxError;
    }
    routine(parser, area, SYNTAX_USAGE_FULL);
    return 0;
} catch (const std::bad_alloc &) {
    return zornacmdsyn::out_of_memory();
}

// `form` names the page form of a family that keeps several; here pages are plain text
// under one directory of the tool's data folder.
int32_t cmdsyn_man_dispatch(clp_parser_t *parser, stg_area_t * /*area*/, uint32_t dispatch_flags,
                            const cmd_keyword_t *keywords, const char *tool_name, const char *page_prefix,
                            const char *help_dir, int32_t /*form*/) try {
    if ((dispatch_flags & SYNTAX_USAGE_BITS) != 0) {
        print(IMSG_SEV_PLAIN, Text::man_usage);
        return 0;
    }
    // Without a word the page is the tool's own, as it is for the tool's name.
    const char *word = nullptr;
    if (clp_get_next_arg(parser, &word) != CLP_OK || word == nullptr) word = tool_name;
    if (word == nullptr) {
        print(IMSG_SEV_ERROR, Text::man_usage);
        return kSyntaxError;
    }
    if (tool_name != nullptr && std::string_view(word) == tool_name)
        return print_page(tool_name, help_dir, page_prefix, tool_name);

    const Resolved resolved = resolve(keywords, word);
    if (resolved.row == nullptr) {
        print(IMSG_SEV_ERROR, Text::no_page_for_unknown, word);
        return kSyntaxError;
    }
    return print_page(tool_name, help_dir, page_prefix, command_name(resolved));
} catch (const std::bad_alloc &) {
    return zornacmdsyn::out_of_memory();
}

}  // extern "C"
