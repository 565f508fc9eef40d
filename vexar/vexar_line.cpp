#include "vexar_line.h"

#include <optional>
#include <string>
#include <vector>

#include "vexar_argfile.h"
#include "vexar_dispatch.h"
#include "vexar_messages.h"
#include "vexar_words.h"

namespace vexar {

int run_command_line(stg_area_t *area, std::string_view line) {
    const SplitLine split = split_words(line);
    if (split.error != SplitError::none) {
        report_split_error(split.error);
        return kExitSyntax;
    }
    if (split.words.empty()) return kExitOk;
    // Argument files are read here as on the tool's command line; a file that cannot
    // be read was reported, and the line is not run.
    const std::optional<std::vector<std::string>> expanded = command_words(split.words);
    if (!expanded) return kExitSyntax;
    std::vector<const char *> words;
    words.reserve(expanded->size());
    for (const std::string &word : *expanded) words.push_back(word.c_str());
    return dispatch(area, static_cast<int>(words.size()), words.data());
}

}  // namespace vexar
