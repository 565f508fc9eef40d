// A parser that hands out what a test scripted, for the paths a real parser never
// produces: a refused table, a rejected line, two flags of one group reaching the
// routine, a code the routine does not handle, a list that ends oddly. And the runs of a
// routine over such a script.
#ifndef VX_TEST_SCRIPTED_CLP_H
#define VX_TEST_SCRIPTED_CLP_H

#include <cstdint>
#include <deque>
#include <string>
#include <utility>
#include <vector>

#include "libzornacmdsyn.h"
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

// Flag and arg steps from plain values: a code per flag, a text per argument (a NULL
// text is handed out as one, with result 0).
void add_flags(ScriptedParser &script, const std::vector<int32_t> &codes);
void add_args(ScriptedParser &script, const std::vector<const char *> &texts);
void add_subargs(ScriptedParser &script, const std::vector<const char *> &texts);

// What the unrecognized-flag path prints after the tool-base message, for the name the
// script gives the last flag.
inline const std::string kUnrecognized = "Ufmt:internal error: Unrecognized option \"-mystery\"";
// An allocation the area refused: tool-base 39 under this library's name.
inline const std::vector<std::string> kNoMemory = {"Eshared:vx_cmdsyn:tbs39"};

// What a routine made of a script: its status, what it printed (as summary() shows
// it) and the command entry it handed its record to ("" for none).
struct Outcome {
    int32_t status;
    std::vector<std::string> msgs;
    std::string command;
};

// Runs `routine` over `script` in the caller's `area`.
Outcome call_in(cmd_syntax_routine_t routine, ScriptedParser &script, stg_area_t *area);

inline constexpr size_t kAnyRoom = SIZE_MAX;
// A fresh area that can hand out `room` bytes more; the caller releases it.
stg_area_t *area_with_room(size_t room);
// Runs `routine` over `script` in a fresh area that can hand out `room` bytes. The area
// lives until the next call on this thread, so that the captured record's lists can be
// read.
Outcome call(cmd_syntax_routine_t routine, ScriptedParser &script, size_t room = kAnyRoom);

}  // namespace vxtest

#endif
