// Running a syntax routine in a test: every message the routine prints is recorded
// (the recording message facility stands in for the real one) and the record handed to
// the command entry is captured (the capture stands in for the command execution
// library).
#ifndef VX_TEST_HARNESS_H
#define VX_TEST_HARNESS_H

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "libzornacmdsyn.h"
#include "libzornaks.h"
#include "libzornavx_cmd.h"

namespace vxtest {

// One message as the routine printed it.
struct Msg {
    int severity;
    const msg_table_t *table;  // NULL for the format form
    int index;
    std::string facility;  // imsg_print_shared only
    std::string argument;  // the "%s" argument, if the text takes one
    std::string text;      // as formatted
};

// Messages recorded on this thread since the last clear.
std::vector<Msg> &messages();
void clear_messages();
// Tracing as imsg_should_trace reports it ("vx_cmd" facility).
void set_tracing(bool on);

// A compact form of messages for assertions:
//   "E140"  severity 6, this library's catalog, index 140 ("E34(a=b)" with an argument)
//   "U142"  severity 7 (usage after an error);  "P142" severity 0;  "C145" severity 1
//   "Etbs99(p3)" tool-base table;  "Eshared:vx_cmdsyn:tbs39" imsg_print_shared
//   "Ufmt:internal error: ..." format form or the parser's catalog, with its text (no
//                            final newline)
//   "R..." severity 8
std::vector<std::string> summary(const std::vector<Msg> &msgs);
// The parser speaks for itself about the words it refuses, in words of its own: in a
// summary, each of its error messages (format form) becomes "parser", whatever its text.
std::vector<std::string> parser_folded(std::vector<std::string> msgs);

// The last record handed to a command entry on this thread.
struct Capture {
    std::string command;  // "" when no entry was called
    std::vector<unsigned char> bytes;
};
Capture &captured();
// Status the capturing command entries return (default 0).
void set_command_status(int32_t status);
int32_t command_status();
// Stores a copy of the record; returns command_status().
int32_t capture(const char *command, const void *record, size_t size);
template <class Record>
int32_t capture(const char *command, const Record *record) {
    return capture(command, record, sizeof *record);
}
template <class Record>
Record record() {
    Record r;
    std::memset(&r, 0, sizeof r);
    const Capture &c = captured();
    if (c.bytes.size() == sizeof r) std::memcpy(&r, c.bytes.data(), sizeof r);
    return r;
}

// The outcome of one call of a routine.
struct Result {
    int32_t status = 0;
    std::vector<std::string> msgs;  // summary() of what was printed
    std::vector<Msg> raw;           // the messages themselves
    std::string command;            // the command entry called, "" for none
};

// Runs `routine` over `words` (the words after the command word) with a fresh parser in
// a fresh area. The area stays alive until the next run, so the captured record's
// texts and lists can be read.
Result run(cmd_syntax_routine_t routine, const std::vector<std::string> &words, uint32_t dispatch_flags = 0);
// The area of the last run.
stg_area_t *last_area();

// Texts of a list as strings (empty for a NULL list).
std::vector<std::string> texts(const char *const *list, int32_t count);
inline std::string str(const char *text) { return text ? text : "<null>"; }
// "p1".."pN".
std::vector<std::string> numbered(const std::string &prefix, int n);

}  // namespace vxtest

#endif
