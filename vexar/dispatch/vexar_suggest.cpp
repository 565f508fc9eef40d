#include "dispatch/vexar_suggest.h"

#include <algorithm>
#include <string_view>

#include "dispatch/vexar_messages.h"
#include "dispatch/vexar_syntax.h"
#include "edit_distance.h"
#include "libzornaks.h"

namespace vexar {
namespace {

// Command words are ASCII; a word typed with the Caps Lock key on is a slip like any other.
std::string ascii_lower(std::string_view word) {
    std::string lower(word);
    for (char &c : lower)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return lower;
}

std::size_t allowed_edits(std::size_t length) { return length <= 2 ? 0 : length <= 5 ? 1 : 2; }

// How far `word` is from a command word accepted from `shortest` up to `full`: the nearer
// of the two, a beginning of the full name counting as one edit; npos when that is too
// far to be a slip.
std::size_t closeness(std::string_view word, std::string_view full, std::string_view shortest) {
    std::size_t allowed = allowed_edits(word.size());
    // Every character past the full name is an edit at least: a long word is far at once.
    if (word.size() > full.size() + allowed) return std::string_view::npos;
    // A distance past `allowed` is no slip, however far: the measure stops there.
    std::size_t edits =
        std::min(vx_edit::edit_distance(word, full, allowed), vx_edit::edit_distance(word, shortest, allowed));
    if (word.size() >= 2 && full.starts_with(word)) {
        edits = std::min<std::size_t>(edits, 1);
        allowed = std::max<std::size_t>(allowed, 1);
    }
    return edits <= allowed ? edits : std::string_view::npos;
}

}  // namespace

std::vector<std::string> similar_command_words(const std::string &word) {
    const std::string lower = ascii_lower(word);
    std::vector<std::string> nearest;
    std::size_t best = std::string_view::npos;
    const auto consider = [&](const char *full, const char *shortest) {
        // The word as typed is one the table accepts: it was not mistyped.
        if (word == full || word == shortest) return;
        const std::size_t distance = closeness(lower, full, shortest);
        if (distance == std::string_view::npos || distance > best) return;
        if (distance < best) nearest.clear();
        best = distance;
        nearest.push_back(full);
    };
    for (const syntax::Command &command : syntax::commands()) {
        consider(command.word, command.shortest);
        for (const char *alias : command.aliases) consider(alias, alias);
    }
    std::sort(nearest.begin(), nearest.end());
    nearest.erase(std::unique(nearest.begin(), nearest.end()), nearest.end());
    return nearest;
}

void suggest_command_words(const char *word) {
    const std::vector<std::string> nearest = similar_command_words(word);
    if (nearest.size() == 1) print(IMSG_SEV_USAGE, ToolText::most_similar_command, nearest.front().c_str());
    if (nearest.size() < 2) return;
    print(IMSG_SEV_USAGE, ToolText::most_similar_commands);
    for (const std::string &candidate : nearest) print(IMSG_SEV_USAGE, ToolText::similar_command, candidate.c_str());
}

}  // namespace vexar
