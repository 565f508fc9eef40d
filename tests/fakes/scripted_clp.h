// A parser that hands out what a test scripted, for the paths a real parser never
// produces: a refused table, a rejected line, two flags of one group reaching the
// routine, a code the routine does not handle, a list that ends oddly.
#ifndef VX_TEST_SCRIPTED_CLP_H
#define VX_TEST_SCRIPTED_CLP_H

#include <cstdint>
#include <deque>
#include <string>
#include <utility>
#include <vector>

#include "libzornaks.h"

namespace vxtest {

// In a subarg step: end the list with the given result but leave the caller's text as
// it was.
inline const char *const kLeaveText = reinterpret_cast<const char *>(1);

struct ScriptedParser {
    int switch_result = 0;
    std::deque<std::pair<int, int32_t>> flags;         // result, code; then CLP_DONE
    std::deque<std::pair<int, const char *>> args;     // result, text; then CLP_DONE, NULL
    std::deque<std::pair<int, const char *>> subargs;  // result, text (or kLeaveText)
    std::string last_flag_name = "-mystery";
    // What the routine did.
    const clp_flag_desc_t *installed = nullptr;
    int flag_calls = 0;
    int arg_calls = 0;
    int subarg_calls = 0;
};

clp_parser_t *as_parser(ScriptedParser &script);

// Flag and arg steps from plain values: a code per flag, a text per argument.
void add_flags(ScriptedParser &script, std::initializer_list<int32_t> codes);
void add_args(ScriptedParser &script, std::initializer_list<const char *> texts);

}  // namespace vxtest

#endif
