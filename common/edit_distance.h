// How many slips of the keyboard turn one word into another: the measure behind every
// "did you mean" of the components and the tool.
#ifndef VX_COMMON_EDIT_DISTANCE_H
#define VX_COMMON_EDIT_DISTANCE_H

#include <algorithm>
#include <cstddef>
#include <string_view>
#include <vector>

namespace vx_edit {

// Cells of the scratch rows edit_distance needs for a second word of `length` characters.
constexpr std::size_t scratch_cells(std::size_t length) { return 3 * (length + 1); }

// The edits (insert, remove or replace a character, swap two neighbours) that turn `a`
// into `b`, or `limit + 1` once that is known to be more than `limit`: a long word far
// from every name costs a few rows only. `scratch` holds scratch_cells(b.size()) cells,
// so that a caller without a heap (the parser, in its area) can measure too.
constexpr std::size_t edit_distance(std::string_view a, std::string_view b, std::size_t limit, std::size_t *scratch) {
    const std::size_t width = b.size() + 1;
    std::size_t *before = scratch;  // row i - 2, for a swap
    std::size_t *previous = scratch + width;
    std::size_t *current = scratch + 2 * width;
    for (std::size_t j = 0; j < width; ++j) previous[j] = j;
    for (std::size_t i = 1; i <= a.size(); ++i) {
        current[0] = i;
        std::size_t smallest = i;
        for (std::size_t j = 1; j < width; ++j) {
            std::size_t best =
                std::min({previous[j] + 1, current[j - 1] + 1, previous[j - 1] + (a[i - 1] != b[j - 1])});
            if (i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1])
                best = std::min(best, before[j - 2] + 1);
            current[j] = best;
            smallest = std::min(smallest, best);
        }
        // Once a whole row is past the limit, every later row is too.
        if (smallest > limit) return limit + 1;
        std::size_t *const oldest = before;
        before = previous;
        previous = current;
        current = oldest;
    }
    return std::min(previous[b.size()], limit + 1);
}

// The same with scratch rows of its own.
inline std::size_t edit_distance(std::string_view a, std::string_view b, std::size_t limit) {
    std::vector<std::size_t> scratch(scratch_cells(b.size()));
    return edit_distance(a, b, limit, scratch.data());
}

}  // namespace vx_edit

#endif
