#include "describe/syntax_description.h"

#include <cstdio>
#include <optional>
#include <stdexcept>
#include <utility>

#include "describe/describing_parser.h"
#include "flag_spec.h"
#include "json_line.h"
#include "libzornaks.h"

namespace vxdescribe {
namespace {

// The word the library exports the routine under, or nullptr for a routine that is not
// the library's own.
const char *exported_word(std::span<const ExportedName> exports, cmd_syntax_routine_t routine) {
    for (const ExportedName &name : exports)
        if (routine != nullptr && name.routine == routine) return name.word;
    return nullptr;
}

// The storage area of one run of a routine.
class Area {
  public:
    Area() : area_(stg_area_create()) {
        if (area_ == nullptr) throw std::runtime_error("no storage area");
    }
    ~Area() { stg_area_release(area_); }
    Area(const Area &) = delete;
    Area &operator=(const Area &) = delete;
    stg_area_t *get() const { return area_; }

  private:
    stg_area_t *area_;
};

// The usage text a routine prints on a usage request (both parts where it has two).
std::string usage_of(cmd_syntax_routine_t routine, const Sources &sources) {
    if (routine == nullptr) return {};
    Area area;
    const DescribingParser parser = DescribingParser::capture();
    sources.take_printed();
    routine(parser.handle(), area.get(), SYNTAX_USAGE_FULL);
    return sources.take_printed();
}

// The first keyword row of the command's slot that is no alias, or else its first row.
const cmd_keyword_t *main_row(const cmd_keyword_t *keywords, int32_t slot) {
    const cmd_keyword_t *first = nullptr;
    for (const cmd_keyword_t *row = keywords; row->keyword != nullptr; ++row) {
        if (row->slot != slot) continue;
        if (row->attr != CMD_KEYWORD_ALIAS) return row;
        if (first == nullptr) first = row;
    }
    return first;
}

// Names the command: its keyword rows, or else the name its routine is exported under
// (the commands reached by their full names only). False when no word reaches it.
bool name_command(const Sources &sources, CommandDescription &command) {
    const cmd_keyword_t *keywords = sources.keywords;
    const cmd_keyword_t *main = main_row(keywords, command.slot);
    if (main == nullptr) {
        const char *word = exported_word(sources.exports, sources.procs[command.slot].routine);
        if (word == nullptr) return false;
        command.word = command.keyword = command.shortest = word;
        command.own_row = true;
        return true;
    }
    const vx_spec::Spelling spelling = vx_spec::read_keyword_spec(main->keyword);
    command.keyword = main->keyword;
    command.word = spelling.full();
    command.shortest = spelling.required;
    for (const cmd_keyword_t *row = keywords; row->keyword != nullptr; ++row)
        if (row != main && row->slot == command.slot && row->attr == CMD_KEYWORD_ALIAS)
            command.aliases.push_back(vx_spec::read_keyword_spec(row->keyword).full());
    return true;
}

std::string purpose_of(const cmdsyn_purpose_t *purposes, const std::string &word) {
    for (const cmdsyn_purpose_t *row = purposes; row != nullptr && row->command != nullptr; ++row)
        if (word == row->command) return row->purpose;
    return {};
}

// What the routine reads after flag `index`: it runs on a probe that hands it out.
Value value_after(cmd_syntax_routine_t routine, int index, const CommandDescription &command,
                  const FlagDescription &flag) {
    Area area;
    const DescribingParser probe = DescribingParser::probe(index);
    routine(probe.handle(), area.get(), 0);
    if (const std::optional<Value> value = probe.read_after_flag()) return *value;
    throw std::runtime_error(command.word + ": the routine never read its flag " + flag.name);
}

// The flag table the routine installs, and what each flag reads.
std::vector<FlagDescription> flags_of(cmd_syntax_routine_t routine, const CommandDescription &command,
                                      const Sources &sources) {
    Area area;
    const DescribingParser capture = DescribingParser::capture();
    routine(capture.handle(), area.get(), 0);
    if (!capture.malformed().empty())
        throw std::runtime_error(command.word + ": malformed flag table, " + capture.malformed());
    std::vector<FlagDescription> flags;
    for (const InstalledFlag &flag : capture.installed())
        flags.push_back({flag.name, flag.shortest, Value::none, flag.group});
    for (size_t i = 0; i < flags.size(); ++i)
        flags[i].value = value_after(routine, static_cast<int>(i), command, flags[i]);
    sources.take_printed();  // what the routine said about its cut-short lines
    return flags;
}

void append_string_list(std::string &out, const std::vector<std::string> &texts) {
    out += "[";
    for (size_t i = 0; i < texts.size(); ++i) out += (i > 0 ? ", " : "") + json_string(texts[i]);
    out += "]";
}

const char *value_enumerator(Value value) {
    switch (value) {
        case Value::text: return "Value::text";
        case Value::list: return "Value::list";
        case Value::none: break;
    }
    return "Value::none";
}

const char *offer_enumerator(Offer offer) {
    switch (offer) {
        case Offer::files: return "Offer::files";
        case Offer::words: return "Offer::words";
        case Offer::nothing: break;
    }
    return "Offer::nothing";
}

}  // namespace

const char *value_name(Value value) {
    switch (value) {
        case Value::text: return "text";
        case Value::list: return "list";
        case Value::none: break;
    }
    return "none";
}

std::vector<CommandDescription> describe(const Sources &sources) {
    std::vector<CommandDescription> commands;
    for (int32_t slot = 0; slot < sources.slot_count; ++slot) {
        const cmd_syntax_routine_t routine = sources.procs[slot].routine;
        CommandDescription command;
        command.slot = slot;
        command.usage = usage_of(routine, sources);
        if (!name_command(sources, command)) continue;
        command.purpose = purpose_of(sources.purposes, command.word);
        if (exported_word(sources.exports, routine) != nullptr) command.flags = flags_of(routine, command, sources);
        commands.push_back(std::move(command));
    }
    return commands;
}

// As the stand-ins write texts in records: UTF-8 kept, the rest escaped.
std::string json_string(std::string_view text) {
    std::string out;
    vx_json::append_string(out, text);
    return out;
}

std::string cxx_string(std::string_view text) {
    std::string out = "\"";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (c == '\n') {
            out += "\\n";
        } else if (byte < 0x20 || byte >= 0x7f) {
            // Three octal digits end the escape whatever follows.
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\%03o", static_cast<unsigned>(byte));
            out += escaped;
        } else {
            out += c;
        }
    }
    return out + "\"";
}

std::string to_json(const std::vector<CommandDescription> &commands) {
    std::string out = "{\n  \"format\": 1,\n  \"tool\": \"vexar\",\n  \"commands\": [";
    for (size_t c = 0; c < commands.size(); ++c) {
        const CommandDescription &command = commands[c];
        out += c > 0 ? ",\n    {\n" : "\n    {\n";
        out += "      \"word\": " + json_string(command.word) + ",\n";
        out += "      \"slot\": " + std::to_string(command.slot) + ",\n";
        out += "      \"keyword\": " + json_string(command.keyword) + ",\n";
        out += "      \"shortest\": " + json_string(command.shortest) + ",\n";
        out += "      \"aliases\": ";
        append_string_list(out, command.aliases);
        out += ",\n      \"purpose\": " + json_string(command.purpose) + ",\n";
        out += "      \"usage\": " + json_string(command.usage) + ",\n";
        out += "      \"flags\": [";
        for (size_t f = 0; f < command.flags.size(); ++f) {
            const FlagDescription &flag = command.flags[f];
            out += f > 0 ? ",\n        " : "\n        ";
            out += "{\"name\": " + json_string(flag.name) + ", \"shortest\": " + json_string(flag.shortest) +
                   ", \"value\": \"" + value_name(flag.value) + "\", \"group\": " + std::to_string(flag.group) +
                   ", \"placeholder\": " + json_string(flag.placeholder) + ", \"completes\": \"" +
                   offer_name(flag.offer) + "\", \"words\": ";
            append_string_list(out, flag.words);
            out += ", \"meaning\": " + json_string(flag.meaning) + "}";
        }
        out += command.flags.empty() ? "]\n    }" : "\n      ]\n    }";
    }
    out += "\n  ]\n}\n";
    return out;
}

std::string to_table_source(const std::vector<CommandDescription> &commands) {
    std::string parts;
    std::string rows;
    std::string own;
    for (const CommandDescription &command : commands) {
        const std::string slot = std::to_string(command.slot);
        std::string aliases = "{}";
        std::string flags = "{}";
        if (!command.aliases.empty()) {
            aliases = "kAliases" + slot;
            parts += "constexpr const char *" + aliases + "[] = {";
            for (const std::string &alias : command.aliases) parts += cxx_string(alias) + ", ";
            parts += "};\n";
        }
        if (!command.flags.empty()) {
            flags = "kFlags" + slot;
            std::string rows_of_flags;
            for (size_t f = 0; f < command.flags.size(); ++f) {
                const FlagDescription &flag = command.flags[f];
                std::string words = "{}";
                if (!flag.words.empty()) {
                    words = "kWords" + slot + "_" + std::to_string(f);
                    parts += "constexpr const char *" + words + "[] = {";
                    for (const std::string &word : flag.words) parts += cxx_string(word) + ", ";
                    parts += "};\n";
                }
                rows_of_flags += "    {" + cxx_string(flag.name) + ", " + cxx_string(flag.shortest) + ", " +
                                 value_enumerator(flag.value) + ", " + std::to_string(flag.group) + ", " +
                                 offer_enumerator(flag.offer) + ", " + words + ", " + cxx_string(flag.meaning) + "},\n";
            }
            parts += "constexpr Flag " + flags + "[] = {\n" + rows_of_flags + "};\n";
        }
        rows += "    {" + cxx_string(command.word) + ", " + slot + ", " + cxx_string(command.keyword) + ", " +
                cxx_string(command.shortest) + ", " + aliases + ", " + flags + "},\n";
        if (command.own_row) own += "    {" + cxx_string(command.word) + ", " + slot + ", 0},\n";
    }
    return "// Generated at build time by vexar_describe from the syntax routines: do not edit.\n"
           "#include \"dispatch/vexar_syntax.h\"\n\n"
           "namespace vexar::syntax {\nnamespace {\n\n" +
           parts + "\nconstexpr Command kCommands[] = {\n" + rows +
           "};\n\nconstexpr cmd_keyword_t kOwnKeywords[] = {\n" + own +
           "    {nullptr, -1, 0},\n};\n\n"
           "}  // namespace\n\n"
           "std::span<const Command> commands() { return kCommands; }\n"
           "const cmd_keyword_t *own_keywords() { return kOwnKeywords; }\n\n"
           "}  // namespace vexar::syntax\n";
}

}  // namespace vxdescribe
