// The distance behind every "did you mean": inserting, removing or replacing a character
// or swapping two neighbours is one edit, and the measure stops past its limit.

#include "edit_distance.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct DistanceCase {
    const char *a;
    const char *b;
    size_t limit;
    size_t distance;
};

const DistanceCase kCases[] = {
    {"", "", 2, 0},
    {"lspacket", "lspacket", 2, 0},
    {"", "abc", 5, 3},
    {"abc", "", 5, 3},
    {"-lnog", "-long", 2, 1},  // two neighbours swapped
    {"qiut", "quit", 2, 1},
    {"exti", "exit", 2, 1},
    {"ca", "abc", 5, 3},  // a swapped pair is not edited again
    {"mkreplik", "mkreplica", 2, 2},
    {"-tga", "-tag", 2, 1},
    {"kitten", "sitting", 5, 3},
    // Past the limit, the limit and one.
    {"kitten", "sitting", 2, 3},
    {"lspacketx", "lspacket", 0, 1},
    {"abcdefgh", "zzzzzzzz", 1, 2},
    {"aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa", "b", 2, 3},
};

TEST(EditDistance, EditsUpToTheLimit) {
    for (const DistanceCase &c : kCases) {
        SCOPED_TRACE(std::string(c.a) + " -> " + c.b + " within " + std::to_string(c.limit));
        EXPECT_EQ(vx_edit::edit_distance(c.a, c.b, c.limit), c.distance);
        EXPECT_EQ(vx_edit::edit_distance(c.b, c.a, c.limit), c.distance) << "either way";
        // A caller's own scratch rows, sized for the second word, measure the same.
        std::vector<size_t> scratch(vx_edit::scratch_cells(std::string_view(c.b).size()));
        EXPECT_EQ(vx_edit::edit_distance(c.a, c.b, c.limit, scratch.data()), c.distance);
    }
}

}  // namespace
