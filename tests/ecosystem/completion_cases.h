// One table of completion cases for every completer: the bash, zsh and fish scripts
// (completion_test.cpp) and the tab key at the prompt (line_editing_test.cpp), so that
// the four cannot drift. Each case is typed in a folder that holds one file,
// kCompletionFile, where the word under the cursor may be completed as a file name.
#ifndef VX_TEST_COMPLETION_CASES_H
#define VX_TEST_COMPLETION_CASES_H

#include <string>
#include <vector>

namespace vxtest {

inline const std::string kCompletionFile = "p_file.txt";

// Where a case holds: everywhere, or on the tool's command line only (its options
// before the command word, which a line at the prompt does not take).
enum class Completers { all, shells };

struct CompletionCase {
    const char *label;
    std::vector<std::string> words;  // after "vexar", as typed; the cursor ends the last
    std::vector<std::string> offered;
    Completers where = Completers::all;
};

// clang-format off
inline const CompletionCase kCompletionCases[] = {
    // Command words, and help's and man's.
    {"unique_command_word", {"lsp"}, {"lspacket"}},
    {"command_words_sharing_a_start", {"sync"}, {"syncinfo", "syncreplica", "syncserver"}},
    {"own_word_without_keyword_row", {"fam"}, {"familysyncstatus"}},
    {"command_word_after_help", {"help", "lspa"}, {"lspacket"}},
    {"command_word_after_abbreviated_help", {"h", "chsett"}, {"chsetting"}},
    {"command_word_after_man", {"man", "recover"}, {"recoverpacket"}},
    {"nothing_after_helps_command_word", {"help", "lspacket", "p"}, {}},
    {"unknown_command_word", {"bogus", "-"}, {}},
    // Flags, in table order.
    {"every_flag_in_table_order", {"lspacket", "-"}, {"-dump", "-invob", "-long", "-short", "-endrange"}},
    {"flag_by_its_start", {"lspacket", "-l"}, {"-long"}},
    {"flag_after_an_operand", {"lspacket", "p1", "-s"}, {"-short"}},
    {"flag_of_an_abbreviated_command_word", {"mkrep", "-tc"}, {"-tcomment"}},
    {"flag_after_a_value", {"mkreplica", "-workdir", "-x", "-tc"}, {"-tcomment"}},
    {"flag_after_a_switch", {"lspacket", "-long", "-e"}, {"-endrange"}},
    {"command_without_flag_table", {"cd", "-"}, {}},
    // Only the flags that may still be typed: none given already, none of its group.
    {"given_flag_not_again", {"lspacket", "-endrange", "-"}, {"-dump", "-invob", "-long", "-short"}},
    {"group_of_a_given_flag", {"lspacket", "-long", "-"}, {"-dump", "-invob", "-endrange"}},
    {"group_of_an_abbreviated_flag", {"perfinfo", "-imp", "-exp"}, {}},
    {"group_of_a_flag_given_last", {"mkreplica", "-workdir", "w", "-fship", "-s"},
     {"-stgloc", "-schema", "-sclass"}},
    // Values: the words their usage names, file names, or nothing.
    {"words_of_a_value", {"perfinfo", "-granularity", ""}, {"months", "days", "quarter_hours"}},
    {"words_of_a_value_by_their_start", {"shipinfo", "-filetype", "rk"}, {"rkcreate", "rkupdate"}},
    {"words_of_an_abbreviated_flag", {"syncinfo", "-scan_dir", "b"}, {"backward"}},
    {"value_word_beginning_with_a_dash", {"mkreplica", "-stgloc", "-"}, {"-auto"}},
    {"value_naming_a_file", {"mkreplica", "-workdir", "p"}, {kCompletionFile}},
    {"value_the_page_names", {"lspacket", "-inv", "p"}, {kCompletionFile}},
    {"value_naming_a_host", {"perfinfo", "-host", "p"}, {}},
    {"value_of_a_list", {"syncreplica", "-oprange", "p"}, {}},
    {"value_of_a_flag_the_page_shows_as_a_number", {"syncinfo", "-last", "p"}, {}},
    // Operands, and argument files anywhere.
    {"operand_is_a_file_name", {"lspacket", "p"}, {kCompletionFile}},
    {"file_name_after_double_dash", {"lspacket", "--", "p"}, {kCompletionFile}},
    {"no_flags_after_double_dash", {"lspacket", "--", "-l"}, {}},
    {"argument_file", {"lspacket", "@p"}, {"@" + kCompletionFile}},
    {"argument_file_for_the_command_word", {"@p"}, {"@" + kCompletionFile}},
    {"argument_file_for_a_value", {"perfinfo", "-host", "@"}, {"@" + kCompletionFile}},
    // The tool's own options.
    {"tool_options", {"--"}, {"--stop-on-error", "--version", "--help"}, Completers::shells},
    {"tool_option_by_its_start", {"--v"}, {"--version"}},
    {"command_word_after_the_stop_option", {"-e", "lsp"}, {"lspacket"}, Completers::shells},
    // Words as the shell means them.
    {"quoted_command_word", {"\"lspacket\"", "-l"}, {"-long"}},
    {"single_quoted_command_word", {"'mkrep'", "-tc"}, {"-tcomment"}},
    {"escaped_command_word", {"ls\\packet", "-s"}, {"-short"}},
};
// clang-format on

}  // namespace vxtest

#endif
