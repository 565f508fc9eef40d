// The syntax description: made again here from the routines as they are now (on the
// parser's capture and probe modes, as the build makes it), it must be what the build
// installed and compiled into the tool. A routine whose table changed without the
// description being made again fails here: the build rule must cover every routine.

#include <gtest/gtest.h>

#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "describe/syntax_description.h"
#include "dispatch/vexar_purposes.h"
#include "dispatch/vexar_syntax.h"
#include "libzornavx_cmdsyn.h"
#include "support/harness.h"
#include "support/param_names.h"

namespace {

using vxtest::operator<<;
using vxdescribe::CommandDescription;
using vxdescribe::FlagDescription;
using vxdescribe::Value;

// What the routines printed on standard output, from the recording message facility.
std::string TakePrinted() {
    std::string printed;
    for (const vxtest::Msg &msg : vxtest::messages())
        if (msg.severity == IMSG_SEV_PLAIN || msg.severity == IMSG_SEV_PLAIN_CONT) printed += msg.text;
    vxtest::clear_messages();
    return printed;
}

std::vector<CommandDescription> DescribedNow() {
    std::vector<CommandDescription> commands =
        vxdescribe::describe({vx_cmdsyn_proc_table, VX_CMDSYN_PROC_SLOTS, vx_cmdsyn_get_cmdflags(),
                              vxdescribe::library_exports(), vexar::kCommandPurposes, TakePrinted});
    vxdescribe::add_flag_facts(commands, VX_MAN_SOURCE_DIR);
    return commands;
}

const std::vector<CommandDescription> &Live() {
    static const std::vector<CommandDescription> commands = DescribedNow();
    return commands;
}

const CommandDescription *LiveCommand(const std::string &word) {
    for (const CommandDescription &command : Live())
        if (command.word == word) return &command;
    return nullptr;
}

// "-long -l none 1 nothing [] Lists ...": a flag in one line, as a failed comparison shows it.
std::vector<std::string> FlagLines(const std::vector<FlagDescription> &flags) {
    std::vector<std::string> lines;
    for (const FlagDescription &flag : flags) {
        std::string words;
        for (const std::string &word : flag.words) words += " " + word;
        lines.push_back(flag.name + " " + flag.shortest + " " + vxdescribe::value_name(flag.value) + " " +
                        std::to_string(flag.group) + " " + vxdescribe::offer_name(flag.offer) + " [" + words + " ] " +
                        flag.meaning);
    }
    return lines;
}

// The first line where two texts differ, with its number, or "" when they are the same.
std::string FirstDifference(const std::string &a, const std::string &b) {
    std::istringstream in_a(a), in_b(b);
    std::string line_a, line_b;
    for (int number = 1;; ++number) {
        const bool more_a = static_cast<bool>(std::getline(in_a, line_a));
        const bool more_b = static_cast<bool>(std::getline(in_b, line_b));
        if (!more_a && !more_b) return "";
        if (!more_a || !more_b || line_a != line_b)
            return "line " + std::to_string(number) + ":\n  " + (more_a ? line_a : "(end)") + "\n  " +
                   (more_b ? line_b : "(end)");
    }
}

std::string ReadFile(const std::string &path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// ---- The build's products against the routines ----------------------------------------

TEST(SyntaxDescription, CompiledTableIsWhatTheRoutinesInstall) {
    const auto compiled = vexar::syntax::commands();
    ASSERT_EQ(compiled.size(), Live().size());
    for (size_t i = 0; i < compiled.size(); ++i) {
        const vexar::syntax::Command &table = compiled[i];
        const CommandDescription &live = Live()[i];
        SCOPED_TRACE(live.word);
        EXPECT_EQ(table.word, live.word);
        EXPECT_EQ(table.slot, live.slot);
        EXPECT_EQ(table.keyword, live.keyword);
        EXPECT_EQ(table.shortest, live.shortest);
        EXPECT_EQ(std::vector<std::string>(table.aliases.begin(), table.aliases.end()), live.aliases);
        std::vector<FlagDescription> flags;
        for (const vexar::syntax::Flag &flag : table.flags)
            flags.push_back({flag.name, flag.shortest, flag.value, flag.group, "", flag.offer,
                             std::vector<std::string>(flag.words.begin(), flag.words.end()), flag.meaning});
        EXPECT_EQ(FlagLines(flags), FlagLines(live.flags));
    }
}

TEST(SyntaxDescription, OwnKeywordRowsAreTheCommandsWithoutLibraryRows) {
    std::vector<std::pair<std::string, int32_t>> compiled, live;
    for (const cmd_keyword_t *row = vexar::syntax::own_keywords(); row->keyword != nullptr; ++row)
        compiled.emplace_back(row->keyword, row->slot);
    for (const CommandDescription &command : Live())
        if (command.own_row) live.emplace_back(command.word, command.slot);
    EXPECT_EQ(compiled, live);
    EXPECT_FALSE(live.empty());
}

TEST(SyntaxDescription, JsonFileIsWhatTheRoutinesInstall) {
    EXPECT_EQ(FirstDifference(ReadFile(VX_SYNTAX_JSON), vxdescribe::to_json(Live())), "")
        << "the file, then the routines now";
}

// ---- What the description says --------------------------------------------------------

TEST(SyntaxDescription, EverySlotAWordReachesOnceInSlotOrder) {
    ASSERT_EQ(Live().size(), static_cast<size_t>(VX_CMDSYN_PROC_SLOTS)) << "every slot has a word";
    for (size_t i = 0; i < Live().size(); ++i) EXPECT_EQ(Live()[i].slot, static_cast<int32_t>(i));
}

// A usage text names its command first ("Usage: mkreplica ..."), and each command has a
// purpose: a command added without one shows here.
TEST(SyntaxDescription, UsageNamesTheWordAndEveryCommandHasAPurpose) {
    int without_usage = 0;
    for (const CommandDescription &command : Live()) {
        SCOPED_TRACE(command.word);
        if (command.usage.empty()) {
            ++without_usage;  // chshipconfig prints none
        } else {
            const std::string kUsage = "Usage:";
            EXPECT_EQ(command.usage.rfind(kUsage, 0), 0u) << command.usage;
            const size_t at = command.usage.find_first_not_of(' ', kUsage.size());
            EXPECT_EQ(command.usage.substr(at, command.usage.find_first_of(" \n", at) - at), command.word);
        }
        EXPECT_FALSE(command.purpose.empty());
        EXPECT_EQ(command.word.rfind(command.shortest, 0), 0u) << "the shortest spelling begins the word";
        for (const FlagDescription &flag : command.flags) EXPECT_EQ(flag.name.rfind(flag.shortest, 0), 0u) << flag.name;
    }
    EXPECT_LE(without_usage, 1);
}

struct FlagFact {
    const char *word;
    const char *flag;
    const char *shortest;
    Value value;
    int group;
};

// What the routines' handlers do with these flags, read in their sources.
const FlagFact kFlagFacts[] = {
    {"mkreplica", "-export", "-exp", Value::none, 1},
    {"mkreplica", "-import", "-imp", Value::none, 1},
    {"mkreplica", "-workdir", "-wor", Value::text, 0},
    {"mkreplica", "-options", "-opt", Value::list, 0},
    {"mkreplica", "-maxsize", "-max", Value::text, 0},
    {"mkreplica", "-fship", "-fsh", Value::none, 5},
    {"mkreplica", "-comment", "-c", Value::text, 6},
    {"mkreplica", "-cquery", "-cq", Value::none, 6},
    {"lspacket", "-long", "-l", Value::none, 1},
    {"lspacket", "-invob", "-inv", Value::text, 0},
    {"syncreplica", "-oprange", "-opr", Value::list, 0},
    {"syncinfo", "-last", "-la", Value::text, 0},  // a value that may be absent
};

class SyntaxFlagFacts : public testing::TestWithParam<FlagFact> {};

TEST_P(SyntaxFlagFacts, FlagIsDescribedAsItsHandlerReadsIt) {
    const FlagFact &fact = GetParam();
    const CommandDescription *command = LiveCommand(fact.word);
    ASSERT_NE(command, nullptr);
    const FlagDescription *found = nullptr;
    for (const FlagDescription &flag : command->flags)
        if (flag.name == fact.flag) found = &flag;
    ASSERT_NE(found, nullptr) << fact.flag;
    EXPECT_EQ(found->shortest, fact.shortest);
    EXPECT_EQ(found->value, fact.value) << vxdescribe::value_name(found->value);
    EXPECT_EQ(found->group, fact.group);
}

INSTANTIATE_TEST_SUITE_P(Syntax, SyntaxFlagFacts, testing::ValuesIn(kFlagFacts), [](const auto &info) {
    std::string name = std::string(info.param.word) + info.param.flag;
    for (char &c : name)
        if (c == '-') c = '_';
    return name;
});

struct CommandFact {
    const char *word;
    const char *keyword;
    const char *shortest;
    std::vector<std::string> aliases;
    bool own_row;
    bool has_flags;
};

const CommandFact kCommandFacts[] = {
    {"help", "h[elp]", "h", {}, false, false},
    {"quit", "q[uit]", "q", {"exit"}, false, false},
    {"shell", "sh[ell]", "sh", {"!"}, false, false},
    {"cd", "cd", "cd", {}, false, false},
    {"mkreplica", "mkrep[lica]", "mkrep", {}, false, true},
    {"apropos", "apropos", "apropos", {}, true, false},
    {"chshipconfig", "chshipconfig", "chshipconfig", {}, true, false},
    {"vxacl", "vxacl", "vxacl", {}, true, true},
};

class SyntaxCommandFacts : public testing::TestWithParam<CommandFact> {};

TEST_P(SyntaxCommandFacts, CommandIsNamedAsItsRowsSay) {
    const CommandFact &fact = GetParam();
    const CommandDescription *command = LiveCommand(fact.word);
    ASSERT_NE(command, nullptr);
    EXPECT_EQ(command->keyword, fact.keyword);
    EXPECT_EQ(command->shortest, fact.shortest);
    EXPECT_EQ(command->aliases, fact.aliases);
    EXPECT_EQ(command->own_row, fact.own_row);
    EXPECT_EQ(!command->flags.empty(), fact.has_flags);
}

INSTANTIATE_TEST_SUITE_P(Syntax, SyntaxCommandFacts, testing::ValuesIn(kCommandFacts), vxtest::RowName());

// A usage request prints the whole text: both parts where there are two, and the
// generic commands' own texts, which are never run for anything else.
TEST(SyntaxDescription, UsageTextsAsPrintedOnRequest) {
    const CommandDescription *sync = LiveCommand("syncreplica");
    ASSERT_NE(sync, nullptr);
    EXPECT_NE(sync->usage.find("Usage: syncreplica -export"), std::string::npos);
    EXPECT_NE(sync->usage.find("syncreplica -import"), std::string::npos) << "the second part";
    const CommandDescription *cd = LiveCommand("cd");
    ASSERT_NE(cd, nullptr);
    EXPECT_EQ(cd->usage, "Usage: cd [directory]\n");
}

// ---- What completes a flag's value -----------------------------------------------------

struct ValueCase {
    const char *label;
    const char *usage;
    FlagDescription flag;
    const char *page_placeholder;
    const char *placeholder;
    vxdescribe::Offer offer;
    std::vector<std::string> words;
};

const FlagDescription kGranularity{"-granularity", "-gran", Value::text, 0};
const FlagDescription kHost{"-host", "-hos", Value::text, 0};
const FlagDescription kComment{"-comment", "-c", Value::text, 1};
using vxdescribe::Offer;

// clang-format off
const ValueCase kValueCases[] = {
    {"abbreviated_spelling", "Usage: x [-gran {a | b}]\n", kGranularity, "", "{a | b}", Offer::words, {"a", "b"}},
    {"placeholders_in_braces_are_no_words", "Usage: x -host {job-id | job-uuid}[,...]\n", kHost, "",
     "{job-id | job-uuid}", Offer::nothing, {}},
    {"word_beside_a_placeholder", "Usage: x -host {stgloc-name | -auto}\n", kHost, "", "{stgloc-name | -auto}",
     Offer::words, {"-auto"}},
    {"placeholder_ends_at_a_bracket", "Usage: x [-host display-format][-long]\n", kHost, "", "display-format",
     Offer::nothing, {}},
    {"dash_inside_a_word_names_no_flag", "Usage: x rgy-host pname [-host hostname]\n", kHost, "", "hostname",
     Offer::nothing, {}},
    {"longer_flag_of_the_same_start", "Usage: x [-cfile pname | -c comment]\n", kComment, "", "comment",
     Offer::nothing, {}},
    {"value_shown_nowhere_is_a_file_name", "Usage: x\n", kHost, "", "", Offer::files, {}},
    {"switch_offers_nothing", "Usage: x [-host pname]\n", {"-host", "-hos", Value::none, 0}, "pname", "",
     Offer::nothing, {}},
};
// clang-format on

class UsageValues : public testing::TestWithParam<ValueCase> {};

TEST_P(UsageValues, ReadFromTheUsageText) {
    const ValueCase &c = GetParam();
    const vxdescribe::ValueFacts facts = vxdescribe::value_facts(c.usage, c.flag, c.page_placeholder);
    EXPECT_EQ(facts.placeholder, c.placeholder);
    EXPECT_EQ(vxdescribe::offer_name(facts.offer), vxdescribe::offer_name(c.offer));
    EXPECT_EQ(facts.words, c.words);
}

INSTANTIATE_TEST_SUITE_P(Syntax, UsageValues, testing::ValuesIn(kValueCases), vxtest::RowName());

// ---- The JSON form --------------------------------------------------------------------

TEST(SyntaxJson, KeysInTheirFixedOrder) {
    const nlohmann::ordered_json json = nlohmann::ordered_json::parse(ReadFile(VX_SYNTAX_JSON));
    const auto keys = [](const nlohmann::ordered_json &object) {
        std::vector<std::string> names;
        for (const auto &item : object.items()) names.push_back(item.key());
        return names;
    };
    EXPECT_EQ(keys(json), (std::vector<std::string>{"format", "tool", "commands"}));
    EXPECT_EQ(json["format"], 1);
    EXPECT_EQ(json["tool"], "vexar");
    ASSERT_EQ(json["commands"].size(), Live().size());
    for (const auto &command : json["commands"]) {
        EXPECT_EQ(keys(command), (std::vector<std::string>{"word", "slot", "keyword", "shortest", "aliases", "purpose",
                                                           "usage", "flags"}));
        for (const auto &flag : command["flags"])
            EXPECT_EQ(keys(flag), (std::vector<std::string>{"name", "shortest", "value", "group", "placeholder",
                                                            "completes", "words", "meaning"}));
    }
}

// Each kind of value a flag takes is written by its documented name. (How texts are
// escaped is the record writer's, tested with it.)
TEST(SyntaxJson, FlagValuesByName) {
    CommandDescription command;
    command.word = "odd";
    command.flags = {{"-a", "-a", Value::list, 2}, {"-b", "-b", Value::text, 0}, {"-c", "-c", Value::none, 0}};
    const nlohmann::json flags = nlohmann::json::parse(vxdescribe::to_json({command}))["commands"][0]["flags"];
    EXPECT_EQ(flags[0]["value"], "list");
    EXPECT_EQ(flags[0]["group"], 2);
    EXPECT_EQ(flags[1]["value"], "text");
    EXPECT_EQ(flags[2]["value"], "none");
}

// The compiled table's string literals.
struct EscapeCase {
    const char *text;
    const char *cxx;
};

const EscapeCase kEscapes[] = {
    {"plain", "\"plain\""}, {"say \"hi\"", "\"say \\\"hi\\\"\""}, {"a\\b", "\"a\\\\b\""}, {"line\n", "\"line\\n\""},
    {"\t1", "\"\\0111\""},  // an octal escape is cut at three digits
    {"\x1f", "\"\\037\""},  {"caf\xc3\xa9", "\"caf\\303\\251\""},
};

TEST(SyntaxEscapes, CxxLiterals) {
    for (const EscapeCase &c : kEscapes) EXPECT_EQ(vxdescribe::cxx_string(c.text), c.cxx) << c.text;
}

}  // namespace
