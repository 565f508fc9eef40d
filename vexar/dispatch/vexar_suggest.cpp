#include "dispatch/vexar_suggest.h"

#include <algorithm>
#include <string_view>

#include "dispatch/vexar_messages.h"
#include "dispatch/vexar_syntax.h"
#include "libzornaks.h"

namespace vexar {
namespace {

// Edits (insert, remove, replace, swap two neighbours) that turn `a` into `b`.
std::size_t edit_distance(std::string_view a, std::string_view b) {
    std::vector<std::vector<std::size_t>> d(a.size() + 1, std::vector<std::size_t>(b.size() + 1));
    for (std::size_t i = 0; i <= a.size(); ++i) d[i][0] = i;
    for (std::size_t j = 0; j <= b.size(); ++j) d[0][j] = j;
    for (std::size_t i = 1; i <= a.size(); ++i)
        for (std::size_t j = 1; j <= b.size(); ++j) {
            d[i][j] = std::min({d[i - 1][j] + 1, d[i][j - 1] + 1, d[i - 1][j - 1] + (a[i - 1] == b[j - 1] ? 0 : 1)});
            if (i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1])
                d[i][j] = std::min(d[i][j], d[i - 2][j - 2] + 1);
        }
    return d[a.size()][b.size()];
}

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
    // Every character past the full name is an edit at least: a long word is far at once.
    if (word.size() > full.size() + allowed_edits(word.size())) return std::string_view::npos;
    std::size_t edits = std::min(edit_distance(word, full), edit_distance(word, shortest));
    std::size_t allowed = allowed_edits(word.size());
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
