// The manual pages against what they describe: one row per page source, each checked
// for its synopsis (the usage text the command prints), its options (the flags the
// command's table installs, and the generated syntax description when the build has
// one), its diagnostics (the catalog messages the command's routine can print, as the
// build-time scan of its source found them), its examples (run through the built tool)
// and mandoc's lint; a library page for the declarations of its header and its link
// line; every page, as built, for the system its header and footer name (through mandoc
// and man-db), and for the slips a page written by hand picks up: a sentence said twice
// in one flag's entry, a flag the synopsis leaves out without a word why. Then
// "vexar man WORD" from any folder. (The installed manual, with man and man -l, is
// checked by the install test.)

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <nlohmann/json.hpp>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "libzornatbs.h"
#include "libzornavx_cmdsyn.h"
#include "msg/vx_cmdsyn_msg.h"
#include "support/process.h"

namespace {

namespace fs = std::filesystem;
using vxtest::ProcessOptions;
using vxtest::ProcessResult;
using vxtest::run_process;

// What the build-time scan found a routine's source can print.
struct ScannedRoutine {
    const char *command;
    std::vector<int> catalog;    // indexes of the library's catalog
    std::vector<int> tool_base;  // indexes of the tool family's shared messages
};

const ScannedRoutine kScanned[] = {
#include "page_messages.inc"
};

// The tool's defaults: none of the variables it reads set.
ProcessOptions tool_environment() {
    ProcessOptions options;
    options.unset_env = {"VX_HELP_ROOT", "VX_SCRIPT_DIR", "VX_CMD_STATUS", "VX_TRACE", "VX_VERBOSITY",
                         "NLSPATH",      "LC_ALL",        "LC_MESSAGES",   "LANG"};
    return options;
}

ProcessResult vexar(const std::vector<std::string> &args, const std::string &folder = {}) {
    const ProcessOptions options = tool_environment();
    if (folder.empty()) return run_process(VEXAR_PATH, args, options);
    // A working folder of its own: through the shell, which changes to it first.
    std::string line = "cd '" + folder + "' && exec '" VEXAR_PATH "'";
    for (const std::string &arg : args) line += " '" + arg + "'";
    return run_process("/bin/sh", {"-c", line}, options);
}

std::vector<std::string> lines_of(const std::string &text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

std::vector<std::string> words_of(const std::string &line) {
    std::vector<std::string> words;
    std::istringstream in(line);
    for (std::string word; in >> word;) words.push_back(word);
    return words;
}

// A text line of a literal display as it prints: the roff escapes the pages use undone.
std::string unescape(const std::string &line) {
    std::string text;
    for (size_t i = 0; i < line.size(); ++i) {
        if (line[i] != '\\' || i + 1 == line.size()) {
            text += line[i];
            continue;
        }
        const char next = line[++i];
        if (next == 'e')
            text += '\\';
        else if (next == '-')
            text += '-';
        else if (next != '&')
            text += std::string("<unknown escape \\") + next + ">";
    }
    return text;
}

// A page source split into its sections: the lines after each ".Sh NAME".
struct Page {
    std::string file;
    std::map<std::string, std::vector<std::string>> sections;

    const std::vector<std::string> &section(const std::string &name) const {
        static const std::vector<std::string> none;
        const auto found = sections.find(name);
        return found == sections.end() ? none : found->second;
    }
    // The command the page describes: "vexar-lspacket.1" describes "lspacket".
    std::string command() const {
        const std::string stem = fs::path(file).stem().string();
        return stem.rfind("vexar-", 0) == 0 ? stem.substr(6) : std::string();
    }
};

Page read_page(const fs::path &path) {
    Page page{path.filename().string(), {}};
    std::ifstream in(path);
    std::string current;
    for (std::string line; std::getline(in, line);) {
        if (line.rfind(".Sh ", 0) == 0)
            current = line.substr(4);
        else if (!current.empty())
            page.sections[current].push_back(line);
    }
    return page;
}

// The text lines of every literal display of a section, one display per entry.
std::vector<std::vector<std::string>> displays(const std::vector<std::string> &section) {
    std::vector<std::vector<std::string>> found;
    bool inside = false;
    for (const std::string &line : section) {
        if (line.rfind(".Bd -literal", 0) == 0) {
            found.emplace_back();
            inside = true;
        } else if (line == ".Ed") {
            inside = false;
        } else if (inside) {
            found.back().push_back(unescape(line));
        }
    }
    return found;
}

std::string joined(const std::vector<std::string> &lines) {
    std::string text;
    for (const std::string &line : lines) text += line + "\n";
    return text;
}

// An OPTIONS entry: ".It Fl l Ns Op ong" is -long, shortest -l;
// ".It Fl inv Ns Oo ob Oc Ar vob-selector" is -invob, shortest -inv, taking a value.
struct Option {
    std::string name;
    std::string shortest;
    bool takes_value = false;
    std::set<std::string> excludes;  // "Cannot be given with -a, -b."
    std::string text;                // the entry as it reads, after its tag
    std::string first_line;          // the entry's first line as written
};

// The flags a "Cannot be given with \-a, \-b." line names.
std::set<std::string> excluded_flags(const std::string &line) {
    static const std::string kLead = "Cannot be given with ";
    std::set<std::string> flags;
    if (line.size() <= kLead.size() || line.rfind(kLead, 0) != 0 || line.back() != '.') return flags;
    std::stringstream list(line.substr(kLead.size(), line.size() - kLead.size() - 1));
    for (std::string flag; std::getline(list, flag, ',');) {
        flag.erase(0, flag.find_first_not_of(' '));
        if (flag.rfind("\\-", 0) == 0) flag.erase(0, 1);
        flags.insert(flag);
    }
    return flags;
}

// A line of mdoc as it reads, near enough to compare sentences: the macros dropped,
// "Fl x" as "-x", the escapes undone.
std::string plain_text(const std::string &line) {
    if (line.empty() || line[0] != '.') return unescape(line);
    static const std::regex macro("[A-Z][a-z]");
    std::string text;
    bool flag = false;
    const std::vector<std::string> words = words_of(line.substr(1));
    for (const std::string &word : words) {
        if (std::regex_match(word, macro)) {
            flag = word == "Fl";
            continue;
        }
        text += std::string(text.empty() || word == "," || word == "." || word == ";" ? "" : " ") + (flag ? "-" : "") +
                unescape(word);
        flag = false;
    }
    return text;
}

// The sentences of a text, blanks collapsed.
std::vector<std::string> sentences_of(const std::string &text) {
    std::vector<std::string> sentences;
    std::string sentence;
    for (const std::string &word : words_of(text)) {
        sentence += (sentence.empty() ? "" : " ") + word;
        if (word.back() != '.') continue;
        sentences.push_back(sentence);
        sentence.clear();
    }
    if (!sentence.empty()) sentences.push_back(sentence);
    return sentences;
}

std::vector<Option> options_of(const Page &page) {
    std::vector<Option> options;
    bool in_entry = false;
    for (const std::string &line : page.section("OPTIONS")) {
        if (!options.empty() && options.back().excludes.empty()) options.back().excludes = excluded_flags(line);
        const std::vector<std::string> words = words_of(line);
        if (!words.empty() && (words[0] == ".It" || words[0] == ".El")) in_entry = false;
        if (in_entry && options.back().text.empty()) options.back().first_line = line;
        if (in_entry) options.back().text += plain_text(line) + "\n";
        if (words.size() < 3 || words[0] != ".It" || words[1] != "Fl") continue;
        Option option;
        option.name = option.shortest = "-" + words[2];
        size_t next = 3;
        if (words.size() >= 6 && words[3] == "Ns" && (words[4] == "Op" || words[4] == "Oo")) {
            option.name += words[5];
            next = 6;
        }
        option.takes_value = std::find(words.begin() + next, words.end(), "Ar") != words.end();
        options.push_back(option);
        in_entry = true;
    }
    return options;
}

// "58/182" for message 182 of set 58.
std::string message_id(const msg_table_t *table, int index) {
    return std::to_string(table->set_number) + "/" + std::to_string(table->numbers[index]);
}

std::set<std::string> scanned_messages(const std::string &command) {
    std::set<std::string> ids;
    for (const ScannedRoutine &routine : kScanned) {
        if (command != routine.command) continue;
        for (int index : routine.catalog) ids.insert(message_id(_vx_cmdsyn_vexar_msg_table_adr(), index));
        for (int index : routine.tool_base) ids.insert(message_id(_tbs_cmsg_tbs_msg_table_adr(), index));
    }
    return ids;
}

std::set<std::string> listed_messages(const Page &page) {
    std::set<std::string> ids;
    const std::regex item(R"(^\.It Sy ([0-9]+/[0-9]+)$)");
    std::smatch match;
    for (const std::string &line : page.section("DIAGNOSTICS"))
        if (std::regex_match(line, match, item)) ids.insert(match[1]);
    return ids;
}

bool has_routine(const std::string &command) {
    return std::any_of(std::begin(kScanned), std::end(kScanned),
                       [&](const ScannedRoutine &routine) { return command == routine.command; });
}

std::vector<fs::path> page_sources() {
    std::vector<fs::path> pages;
    for (const auto &entry : fs::directory_iterator(VX_MAN_SOURCE_DIR)) {
        const std::string name = entry.path().filename().string();
        if (std::regex_match(name, std::regex(R"(.+\.[0-9])"))) pages.push_back(entry.path());
    }
    std::sort(pages.begin(), pages.end());
    return pages;
}

// The generated syntax description, when the build has one: the commands by word.
std::map<std::string, nlohmann::json> syntax_description() {
    std::map<std::string, nlohmann::json> commands;
    const char *path = std::getenv("VX_SYNTAX_JSON");
    if (path == nullptr || path[0] == '\0') return commands;
    std::ifstream in(path);
    if (!in) {
        ADD_FAILURE() << "the syntax description " << path << " cannot be read";
        return commands;
    }
    const nlohmann::json description = nlohmann::json::parse(in);
    for (const nlohmann::json &command : description.at("commands"))
        commands[command.at("word").get<std::string>()] = command;
    return commands;
}

// A page as a terminal shows it, without the backspaces that overstrike bold and
// underlined letters.
std::string without_overstrike(const std::string &text) {
    std::string plain;
    for (const char c : text) {
        if (c == '\b' && !plain.empty())
            plain.pop_back();
        else
            plain += c;
    }
    return plain;
}

std::string rendered_by_mandoc(const fs::path &page) {
    const ProcessResult shown = run_process(VX_MANDOC, {"-Tascii", page.string()});
    EXPECT_EQ(shown.status, 0) << page << ": " << shown.err;
    return without_overstrike(shown.out);
}

std::string rendered_by_man_db(const fs::path &page) {
    ProcessOptions options;
    options.set_env = {{"MANWIDTH", "80"}, {"LC_ALL", "C"}};
    options.unset_env = {"MANPAGER", "PAGER", "MANOPT"};
    const ProcessResult shown = run_process(VX_MAN_DB, {"-l", "-P", "cat", page.string()}, options);
    EXPECT_EQ(shown.status, 0) << page << ": " << shown.err;
    return without_overstrike(shown.out);
}

// The roff page the build made of a source, as man(1) reads it.
fs::path built_page(const fs::path &source) {
    const std::string name = source.filename().string();
    return fs::path(VX_MAN_BUILD_DIR) / ("man" + name.substr(name.size() - 1)) / name;
}

// The text of a section of a rendered page, blanks collapsed.
std::string rendered_section(const std::string &page, const std::string &name) {
    std::string text;
    bool inside = false;
    for (const std::string &line : lines_of(page)) {
        if (!line.empty() && line[0] != ' ')
            inside = line == name;
        else if (inside)
            for (const std::string &word : words_of(line)) text += word + " ";
    }
    return text;
}

// A C declaration in one spelling whatever its layout: blanks collapsed, none after '*'.
std::string as_c(const std::string &text) {
    std::string c;
    for (const std::string &word : words_of(text)) c += (c.empty() || c.back() == '*' ? "" : " ") + word;
    return c;
}

// What a header exports: each declaration marked with a library's API macro, without it.
std::vector<std::string> exported_declarations(const fs::path &header) {
    static const std::regex exported(R"(^[A-Z][A-Z0-9_]*_API (.*)$)");
    std::vector<std::string> declarations;
    std::ifstream in(header);
    EXPECT_TRUE(in) << header << " cannot be read";
    std::string pending;
    std::smatch match;
    for (std::string line; std::getline(in, line);) {
        if (pending.empty() && std::regex_match(line, match, exported))
            line = match[1];
        else if (pending.empty())
            continue;
        pending += line + " ";
        if (line.find(';') == std::string::npos) continue;
        declarations.push_back(as_c(pending));
        pending.clear();
    }
    return declarations;
}

// The libraries a text links: its "-lNAME" words.
std::vector<std::string> linked_libraries(const std::string &text) {
    std::vector<std::string> libraries;
    for (std::string word : words_of(text)) {
        if (word.rfind("-l", 0) != 0) continue;
        word.erase(word.find_last_not_of(",.)") + 1);
        libraries.push_back(word);
    }
    return libraries;
}

std::string pkg_config_libs() {
    std::ifstream in(VX_PKG_CONFIG_TEMPLATE);
    for (std::string line; std::getline(in, line);)
        if (line.rfind("Libs:", 0) == 0) return line;
    ADD_FAILURE() << "no Libs line in " << VX_PKG_CONFIG_TEMPLATE;
    return {};
}

// The flags a usage text shows, in the spelling it shows them: "[-c" is "-c".
std::set<std::string> flags_shown(const std::vector<std::vector<std::string>> &shown) {
    static const std::regex flag(R"((?:^|[\s\[{(|])(-[A-Za-z_][A-Za-z0-9_]*))");
    std::set<std::string> flags;
    for (const std::vector<std::string> &display : shown)
        for (const std::string &line : display)
            for (auto found = std::sregex_iterator(line.begin(), line.end(), flag); found != std::sregex_iterator();
                 ++found)
                flags.insert((*found)[1]);
    return flags;
}

bool shown_in(const Option &option, const std::set<std::string> &shown) {
    return std::any_of(shown.begin(), shown.end(), [&](const std::string &spelling) {
        return spelling.size() >= option.shortest.size() && option.name.rfind(spelling, 0) == 0;
    });
}

// Said of the flags a command accepts but its usage text leaves out, in DESCRIPTION:
// "-dump and -invob are accepted too, though the usage text does not show them."
constexpr const char *kLeftOutOfUsage = "are accepted too, though the usage text does not show them.";
constexpr const char *kOneLeftOutOfUsage = "is accepted too, though the usage text does not show it.";

std::set<std::string> flags_said_left_out(const Page &page) {
    std::string text;
    for (const std::string &line : page.section("DESCRIPTION")) text += plain_text(line) + "\n";
    std::set<std::string> flags;
    for (const std::string &sentence : sentences_of(text)) {
        if (sentence.find(kLeftOutOfUsage) == std::string::npos &&
            sentence.find(kOneLeftOutOfUsage) == std::string::npos)
            continue;
        for (std::string word : words_of(sentence)) {
            word.erase(word.find_last_not_of(",;.)") + 1);
            if (word.size() > 1 && word[0] == '-') flags.insert(word);
        }
    }
    return flags;
}

std::string lowercase(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

class PageTest : public testing::TestWithParam<fs::path> {
  protected:
    Page page_ = read_page(GetParam());
};

// The purposes help lists beside the command words: "  word (other spellings)  purpose".
std::map<std::string, std::string> purposes_help_shows() {
    const ProcessResult list = vexar({"help"});
    EXPECT_EQ(list.status, 0) << list.err;
    static const std::regex listed(R"(^  (\S+)(?: \([^)]*\))? +(.+)$)");
    std::map<std::string, std::string> purposes;
    std::smatch match;
    for (const std::string &line : lines_of(list.out))
        if (std::regex_match(line, match, listed)) purposes[match[1]] = match[2];
    return purposes;
}

// The source leaves the purpose to the build: the page as built says it.
TEST_P(PageTest, NameGivesThePurposeHelpShows) {
    const std::string command = page_.command();
    if (command.empty() || command == "generic") GTEST_SKIP() << "not one command's page";
    const auto purposes = purposes_help_shows();
    ASSERT_TRUE(purposes.count(command)) << command << " not listed by help";
    EXPECT_EQ(read_page(built_page(GetParam())).section("NAME"),
              (std::vector<std::string>{".Nm vexar-" + command, ".Nd " + purposes.at(command)}));
}

TEST_P(PageTest, SynopsisIsTheUsageTextTheCommandPrints) {
    const std::string command = page_.command();
    if (command.empty()) GTEST_SKIP() << "not a command's page";
    const auto shown = displays(page_.section("SYNOPSIS"));
    if (command == "generic") {
        // One usage line for each command of the shared page.
        ASSERT_EQ(shown.size(), 1u) << "one literal display in SYNOPSIS";
        for (const std::string &line : shown[0]) {
            const std::vector<std::string> words = words_of(line);
            ASSERT_GE(words.size(), 2u) << line;
            EXPECT_EQ(vexar({"help", words[1]}).out, line + "\n");
        }
        return;
    }
    const ProcessResult help = vexar({"help", command});
    ASSERT_EQ(help.status, 0) << help.err;
    if (help.out.empty()) {
        EXPECT_TRUE(shown.empty()) << command << " prints no usage text";
        return;
    }
    ASSERT_EQ(shown.size(), 1u) << "one literal display in SYNOPSIS";
    EXPECT_EQ(joined(shown[0]), help.out);
}

TEST_P(PageTest, OptionsAreTheFlagsOfTheCommandsTable) {
    const std::string command = page_.command();
    if (!has_routine(command)) GTEST_SKIP() << "no flag table of its own";
    const ProcessResult flags = vexar({"--complete-flags", command});
    ASSERT_EQ(flags.status, 0) << flags.err;
    std::vector<std::string> listed;
    for (const Option &option : options_of(page_)) listed.push_back(option.name);
    EXPECT_EQ(listed, lines_of(flags.out));

    const auto description = syntax_description();
    if (description.empty()) return;  // the build writes no syntax description
    ASSERT_TRUE(description.count(command)) << command << " missing from the syntax description";
    std::vector<std::string> described, described_shortest, listed_shortest;
    for (const nlohmann::json &flag : description.at(command).at("flags")) {
        described.push_back(flag.at("name"));
        described_shortest.push_back(flag.at("shortest"));
    }
    for (const Option &option : options_of(page_)) listed_shortest.push_back(option.shortest);
    EXPECT_EQ(listed, described);
    EXPECT_EQ(listed_shortest, described_shortest);
    // What a flag "cannot be given with" is the rest of its group in the table.
    const nlohmann::json &flags_described = description.at(command).at("flags");
    for (const nlohmann::json &flag : flags_described) {
        std::set<std::string> group_mates;
        for (const nlohmann::json &other : flags_described)
            if (flag.at("group") != 0 && other.at("group") == flag.at("group") && other.at("name") != flag.at("name"))
                group_mates.insert(other.at("name").get<std::string>());
        for (const Option &option : options_of(page_)) {
            if (option.name != flag.at("name")) continue;
            EXPECT_EQ(option.takes_value, flag.at("value") != "none") << option.name << ": value shown";
            EXPECT_EQ(option.excludes, group_mates) << option.name << ": flags it cannot be given with";
        }
    }
}

// Each flag's entry begins with its meaning: one sentence of plain text on a line of its
// own, which the syntax description carries (completion shows it beside the flag).
TEST_P(PageTest, EveryFlagsEntryBeginsWithItsMeaning) {
    const std::vector<Option> options = options_of(page_);
    if (options.empty()) GTEST_SKIP() << "no OPTIONS";
    const auto description = syntax_description();
    for (const Option &option : options) {
        SCOPED_TRACE(option.name);
        const std::string &line = option.first_line;
        ASSERT_FALSE(line.empty() || line[0] == '.') << "a line of text first: " << line;
        EXPECT_TRUE(std::isupper(static_cast<unsigned char>(line[0])) && line.back() == '.') << line;
        EXPECT_EQ(sentences_of(plain_text(line)).size(), 1u) << line;
        if (description.empty()) continue;
        for (const nlohmann::json &flag : description.at(page_.command()).at("flags")) {
            if (flag.at("name") == option.name) {
                EXPECT_EQ(flag.at("meaning"), plain_text(line));
            }
        }
    }
}

TEST_P(PageTest, DiagnosticsAreTheMessagesTheRoutineCanPrint) {
    const std::string command = page_.command();
    if (page_.file == "vexar.1") {
        // The tool's own: a first word that names no command.
        EXPECT_EQ(listed_messages(page_),
                  std::set<std::string>{message_id(_vx_cmdsyn_vexar_msg_table_adr(), MSG_UNRECOGNIZED_COMMAND)});
        return;
    }
    if (!has_routine(command)) {
        EXPECT_TRUE(listed_messages(page_).empty()) << "no routine of the library prints these";
        return;
    }
    EXPECT_EQ(listed_messages(page_), scanned_messages(command));
}

// A display in EXAMPLES that begins "$ vexar WORDS" shows what the tool prints on
// standard output for WORDS (split at blanks).
TEST_P(PageTest, ExamplesPrintWhatTheyShow) {
    int examples = 0;
    for (const std::vector<std::string> &display : displays(page_.section("EXAMPLES"))) {
        if (display.empty() || display[0].rfind("$ vexar ", 0) != 0) continue;
        const std::vector<std::string> words = words_of(display[0].substr(8));
        const ProcessResult run = vexar(words);
        EXPECT_EQ(run.status, 0) << display[0] << "\n" << run.err;
        EXPECT_EQ(run.out, joined(std::vector<std::string>(display.begin() + 1, display.end()))) << display[0];
        ++examples;
    }
    if (has_routine(page_.command())) {
        EXPECT_GE(examples, 2) << "two examples for each command of the library";
    }
}

// A display in EXAMPLES that begins with another command ("$ printf ... | vexar") is a
// shell session: its "$ " lines run in order in a folder of their own, with the built
// tool first in PATH, and print the display's other lines, standard error among them.
TEST_P(PageTest, ShellSessionsPrintWhatTheyShow) {
    for (const std::vector<std::string> &display : displays(page_.section("EXAMPLES"))) {
        if (display.empty() || display[0].rfind("$ ", 0) != 0 || display[0].rfind("$ vexar ", 0) == 0) continue;
        std::string folder = (fs::temp_directory_path() / "vx_page_session_XXXXXX").string();
        ASSERT_NE(mkdtemp(folder.data()), nullptr) << folder;
        std::string script = "cd '" + folder + "' || exit 1\nexec 2>&1\n";
        std::vector<std::string> shown;
        for (const std::string &line : display) {
            if (line.rfind("$ ", 0) == 0)
                script += line.substr(2) + "\n";
            else
                shown.push_back(line);
        }
        ProcessOptions options = tool_environment();
        const char *path = std::getenv("PATH");
        options.set_env["PATH"] = fs::path(VEXAR_PATH).parent_path().string() + ":" + (path ? path : "/usr/bin:/bin");
        const ProcessResult run = run_process("/bin/sh", {"-c", script}, options);
        EXPECT_EQ(run.status, 0) << display[0];
        EXPECT_EQ(run.out, joined(shown)) << display[0];
        fs::remove_all(folder);
    }
}

// A library page's SYNOPSIS shows every declaration the header it includes exports,
// as C: the same return type, name and parameters.
TEST_P(PageTest, SynopsisShowsWhatItsHeaderExports) {
    std::vector<std::string> headers;
    for (const std::string &line : page_.section("SYNOPSIS"))
        if (line.rfind(".In ", 0) == 0) headers.push_back(line.substr(4));
    if (headers.empty()) GTEST_SKIP() << "includes no header";
    const std::string synopsis = as_c(rendered_section(rendered_by_mandoc(GetParam()), "SYNOPSIS"));
    for (const std::string &header : headers) {
        const std::vector<std::string> declarations = exported_declarations(fs::path(VX_INCLUDE_DIR) / header);
        EXPECT_FALSE(declarations.empty()) << header << " exports nothing";
        for (const std::string &declaration : declarations)
            EXPECT_NE(synopsis.find(declaration), std::string::npos) << "not in SYNOPSIS: " << declaration;
    }
}

// The link line a library page gives is what pkg-config gives: the library and every
// component it calls, which it does not link itself.
TEST_P(PageTest, LibraryLineLinksWhatPkgConfigLinks) {
    if (page_.section("LIBRARY").empty()) GTEST_SKIP() << "not a library's page";
    const std::string library = rendered_section(rendered_by_mandoc(GetParam()), "LIBRARY");
    EXPECT_EQ(linked_libraries(library), linked_libraries(pkg_config_libs())) << library;
}

// The page as man(1) shows it, through mandoc and through man-db (groff): its title in
// the header, which names no other system; the product and its version at both ends of
// the footer.
TEST_P(PageTest, HeaderAndFooterNameTheProductAndVersion) {
    const std::string name = GetParam().filename().string();
    const std::string title = lowercase(GetParam().stem().string() + "(" + name.substr(name.size() - 1) + ")");
    std::map<std::string, std::string> renderings = {{"mandoc", rendered_by_mandoc(built_page(GetParam()))}};
    if (VX_MAN_DB[0] != '\0') renderings["man-db"] = rendered_by_man_db(built_page(GetParam()));
    for (const auto &[renderer, rendered] : renderings) {
        const std::vector<std::string> lines = lines_of(rendered);
        const auto first = std::find_if(lines.begin(), lines.end(), [](const auto &line) { return !line.empty(); });
        const auto last = std::find_if(lines.rbegin(), lines.rend(), [](const auto &line) { return !line.empty(); });
        ASSERT_NE(first, lines.end()) << renderer << " renders nothing";
        // groff cuts a long title short: "VEXAR-FAMILYSYNCSTA...".
        std::string shown_title = lowercase(words_of(*first).front());
        if (shown_title.size() > 3 && shown_title.substr(shown_title.size() - 3) == "...")
            shown_title.resize(shown_title.size() - 3);
        EXPECT_EQ(title.rfind(shown_title, 0), 0u) << renderer << ": " << *first;
        EXPECT_EQ(first->find("BSD"), std::string::npos) << renderer << ": " << *first;
        if (renderer == "man-db") {
            EXPECT_NE(first->find(VX_MAN_SYSTEM), std::string::npos) << *first;
        }
        const std::vector<std::string> footer = words_of(*last);
        const std::vector<std::string> system = words_of(VX_MAN_SYSTEM);
        ASSERT_GT(footer.size(), 2 * system.size()) << renderer << ": " << *last;
        EXPECT_EQ(std::vector<std::string>(footer.begin(), footer.begin() + system.size()), system)
            << renderer << ": " << *last;
        EXPECT_EQ(std::vector<std::string>(footer.end() - system.size(), footer.end()), system)
            << renderer << ": " << *last;
    }
}

// No flag's entry says the same thing twice ("Sets x to 1." and later "Also sets x to 1.").
TEST_P(PageTest, NoFlagsEntryRepeatsASentence) {
    for (const Option &option : options_of(page_)) {
        std::set<std::string> said;
        for (const std::string &sentence : sentences_of(option.text)) {
            std::string meaning = lowercase(sentence);
            if (meaning.rfind("also ", 0) == 0) meaning.erase(0, 5);
            EXPECT_TRUE(said.insert(meaning).second) << option.name << " says twice: " << sentence;
        }
    }
}

// A flag under OPTIONS that the SYNOPSIS leaves out is named, in full, in DESCRIPTION
// by the sentence that says so; no flag the SYNOPSIS shows is.
TEST_P(PageTest, FlagsTheSynopsisLeavesOutAreNamedAsSuch) {
    const std::vector<Option> options = options_of(page_);
    if (options.empty()) GTEST_SKIP() << "no OPTIONS";
    const std::set<std::string> shown = flags_shown(displays(page_.section("SYNOPSIS")));
    std::set<std::string> left_out;
    for (const Option &option : options)
        if (!shown_in(option, shown)) left_out.insert(option.name);
    EXPECT_EQ(flags_said_left_out(page_), left_out)
        << "say \"-a and -b " << kLeftOutOfUsage << "\" or \"-a " << kOneLeftOutOfUsage << "\"";
}

TEST_P(PageTest, MandocFindsNothingToSay) {
    const ProcessResult lint = run_process(VX_MANDOC, {"-Tlint", GetParam().string()});
    // mandoc looks cross references up among the installed pages only; the project's
    // own are checked here against the sources instead.
    const std::regex own_reference(
        R"(.*referenced manual not found: Xr ((vexar|libzornavx_cmdsyn)[a-z-]*) ([0-9])( \([0-9]+ times\))?$)");
    std::smatch match;
    for (const std::string &line : lines_of(lint.out + lint.err)) {
        if (std::regex_match(line, match, own_reference)) {
            EXPECT_TRUE(fs::exists(fs::path(VX_MAN_SOURCE_DIR) / (match[1].str() + "." + match[3].str()))) << line;
            continue;
        }
        ADD_FAILURE() << line;
    }
}

std::string page_name(const testing::TestParamInfo<fs::path> &info) {
    std::string name = info.param.filename().string();
    std::replace_if(
        name.begin(), name.end(), [](char c) { return !std::isalnum(static_cast<unsigned char>(c)); }, '_');
    return name;
}

INSTANTIATE_TEST_SUITE_P(Pages, PageTest, testing::ValuesIn(page_sources()), page_name);

// The tool's page, as built, lists every command that has a page of its own with the
// purpose help shows.
TEST(ManualPages, ToolsPageListsEveryCommandPageWithItsPurpose) {
    const auto purposes = purposes_help_shows();
    std::map<std::string, std::string> expected;
    for (const fs::path &source : page_sources()) {
        const std::string command = Page{source.filename().string(), {}}.command();
        if (!command.empty() && command != "generic")
            expected[command] = purposes.count(command) ? purposes.at(command) : "(not listed by help)";
    }
    const Page tool_page = read_page(built_page(fs::path(VX_MAN_SOURCE_DIR) / "vexar.1"));
    const std::vector<std::string> &description = tool_page.section("DESCRIPTION");
    std::map<std::string, std::string> listed;
    bool in_list = false;
    for (size_t i = 0; i + 1 < description.size(); ++i) {
        if (description[i].rfind(".Ss ", 0) == 0) in_list = description[i] == ".Ss Commands";
        const std::vector<std::string> words = words_of(description[i]);
        if (in_list && words.size() == 3 && words[0] == ".It" && words[1] == "Cm")
            listed[words[2]] = description[i + 1];
    }
    EXPECT_EQ(listed, expected);
}

// The shared page names the generic commands, and shows a usage line for each, in the
// order the shared command syntax declares them; the tool's page names them too.
TEST(ManualPages, GenericCommandsAreTheSharedPagesAndTheToolsPageNamesThem) {
    const std::vector<std::string> generic = words_of(VX_GENERIC_COMMANDS);
    const Page shared = read_page(fs::path(VX_MAN_SOURCE_DIR) / "vexar-generic.1");
    std::vector<std::string> named, usage;
    for (const std::string &line : shared.section("NAME"))
        if (line.rfind(".Nm vexar-", 0) == 0) named.push_back(words_of(line)[1].substr(6));
    EXPECT_EQ(named.front(), "generic");
    EXPECT_EQ(std::vector<std::string>(named.begin() + 1, named.end()), generic);
    for (const auto &display : displays(shared.section("SYNOPSIS")))
        for (const std::string &line : display) usage.push_back(words_of(line).at(1));
    EXPECT_EQ(usage, generic);

    std::string said;
    const Page tool_page = read_page(fs::path(VX_MAN_SOURCE_DIR) / "vexar.1");
    for (const std::string &line : tool_page.section("DESCRIPTION")) said += plain_text(line) + " ";
    std::string listed;
    for (size_t i = 0; i < generic.size(); ++i)
        listed += (i == 0 ? "" : i + 1 == generic.size() ? " and " : ", ") + generic[i];
    EXPECT_NE(said.find("The generic commands " + listed + " are described in"), std::string::npos) << listed;
}

// Every command word has a page: "vexar man WORD" prints the text page rendered from
// the word's source (or the shared page's), from a folder that has nothing to do
// with the tool.
TEST(ManualPages, ManShowsEveryCommandsPageFromAnyFolder) {
    const std::string elsewhere = fs::temp_directory_path().string();
    const ProcessResult words = vexar({"--complete-words"});
    ASSERT_EQ(words.status, 0) << words.err;
    ASSERT_FALSE(lines_of(words.out).empty());
    for (const std::string &word : lines_of(words.out)) {
        const ProcessResult shown = vexar({"man", word}, elsewhere);
        EXPECT_EQ(shown.status, 0) << word << ": " << shown.err;
        const std::string page =
            fs::exists(fs::path(VX_MAN_SOURCE_DIR) / ("vexar-" + word + ".1")) ? "vexar-" + word : "vexar-generic";
        const bool named =
            shown.out.find(page + " - ") != std::string::npos || shown.out.find(page + ", ") != std::string::npos;
        EXPECT_TRUE(named) << word << " shows no page of " << page << ":\n" << shown.out.substr(0, 400);
        EXPECT_EQ(shown.out.find('\b'), std::string::npos) << "overstruck letters in the text page of " << word;
    }
}

// "vexar man" alone, and "vexar man vexar" (every page refers to vexar(1)), show the
// tool's own page.
TEST(ManualPages, ManShowsTheToolsPageWithoutAWord) {
    const std::string elsewhere = fs::temp_directory_path().string();
    for (const std::vector<std::string> &args : {std::vector<std::string>{"man"}, {"man", "vexar"}}) {
        const ProcessResult shown = vexar(args, elsewhere);
        EXPECT_EQ(shown.status, 0) << args.size() << ": " << shown.err;
        EXPECT_NE(shown.out.find("vexar - "), std::string::npos) << shown.out.substr(0, 400);
    }
}

}  // namespace
