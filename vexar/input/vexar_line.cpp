#include "input/vexar_line.h"

#include <optional>
#include <vector>

#include "dispatch/vexar_dispatch.h"
#include "dispatch/vexar_messages.h"
#include "input/vexar_argfile.h"
#include "input/vexar_words.h"

namespace vexar {
namespace {

enum class Typed { words, blank, refused };

// The words of `line` with its argument files read; a line that cannot be split or
// whose files cannot be read was reported.
Typed words_of(std::string_view line, std::optional<CommandWords> &expanded) {
    CommandWords typed;
    const SplitError error = split_words(line, typed);
    if (error != SplitError::none) {
        report_split_error(error);
        return Typed::refused;
    }
    if (typed.count() == 0) return Typed::blank;
    const std::vector<const char *> pointers = typed.pointers();
    expanded = command_words(pointers.data(), pointers.size());
    return expanded ? Typed::words : Typed::refused;
}

}  // namespace

int run_command_line(stg_area_t *area, std::string_view line) {
    std::optional<CommandWords> expanded;
    switch (words_of(line, expanded)) {
        case Typed::blank: return kExitOk;
        case Typed::refused: return kExitSyntax;
        case Typed::words: break;
    }
    const std::vector<const char *> words = expanded->pointers();
    return dispatch(area, static_cast<int>(words.size()), words.data());
}

}  // namespace vexar
