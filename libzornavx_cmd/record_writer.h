// Record dumps of the command entries: each vx_cmd_<command> prints the record it
// received as one JSON line on standard output and returns the status named by
// VX_CMD_STATUS (0 when unset or empty; a malformed value is reported, naming the
// variable, and ignored).
//
// Writing an entry: one file per command, vx_cmd_<command>.cpp, that names every
// field of the record in record order, except the prefix's `area`:
//
//   extern "C" int32_t vx_cmd_lsepoch(const vx_lsepoch_args_t *args) {
//       vx_cmd::RecordWriter record("lsepoch");
//       record.number("record_version", args->prefix.record_version);
//       record.texts("replicas", args->replicas, args->replica_count);
//       record.text("invob", args->invob);
//       record.number("actual", args->actual);
//       return record.emit();
//   }
//
// Fields of a shape of their own (mkreplica's targets, chepoch's values) are built
// with nlohmann::ordered_json by a function handed to value().
//
// The line is written as the fields arrive, each text once, so that a record of many
// operands takes about the bytes of its line. A field that finds no memory leaves the
// record unwritten: emit() then reports it and returns kOutOfMemoryStatus, so that no
// exception leaves an entry.
#ifndef VX_CMD_RECORD_WRITER_H
#define VX_CMD_RECORD_WRITER_H

#include <cstdint>
#include <functional>
#include <nlohmann/json.hpp>
#include <string>

#include "vx_cmd_args.h"

namespace vx_cmd {

// What an entry returns when its record could not be built for want of memory.
constexpr int32_t kOutOfMemoryStatus = 1;

class RecordWriter {
  public:
    explicit RecordWriter(const char *command);

    // A text, or null when NULL.
    RecordWriter &text(const char *name, const char *value);
    RecordWriter &number(const char *name, int32_t value);
    RecordWriter &unsigned_number(const char *name, uint32_t value);
    // An array of `count` texts (NULL entries as null), or null when `list` is NULL.
    RecordWriter &texts(const char *name, const char *const *list, int32_t count);
    // "***" when set, null when NULL: a password never appears as typed.
    RecordWriter &password(const char *name, const char *value);
    // The four fields comment, comment_file, comment_kind, comment_reserved.
    RecordWriter &comment_block(const cmd_comment_block_t &block);
    // Any other JSON value, as `build` makes it.
    RecordWriter &value(const char *name, const std::function<nlohmann::ordered_json()> &build);

    // The record as one compact line, without the newline. A byte that is not part of
    // well-formed UTF-8 is written as the escape "\udc80".."\udcff" (U+DC00 + byte),
    // so that the value's bytes can be recovered exactly.
    std::string line() const;
    // Prints the line and its newline on standard output; returns command_status(), or
    // kOutOfMemoryStatus after saying so when the record could not be built.
    int32_t emit();

  private:
    // Appends `,"name":` and what `append_value` adds; on running out of memory, drops
    // the record and ignores every later field.
    template <class AppendValue>
    RecordWriter &field(const char *name, AppendValue append_value);

    std::string line_;  // the record so far, without its closing brace
    bool out_of_memory_ = false;
};

// The status the entries return: VX_CMD_STATUS as a decimal 32-bit number, else 0. A
// value that is no such number is reported as an error message (once for each value
// met in a row) and ignored.
int32_t command_status();

}  // namespace vx_cmd

#endif
