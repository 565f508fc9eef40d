// The steps every syntax routine shares: usage requests, the record prefix, reading
// values, the comment group, operand lists, and the ways a routine fails.
#ifndef VX_CMDSYN_SKELETON_H
#define VX_CMDSYN_SKELETON_H

#include <cstdint>
#include <cstring>

#include "libzornacmdsyn.h"
#include "libzornaks.h"
#include "libzornatbs.h"
#include "libzornavx_cmdsyn.h"
#include "msg/vx_cmdsyn_msg.h"
#include "vx_cmd_args.h"
#include "vx_flag_codes.h"

namespace vx {

// A command's usage text: one catalog message, or two (syncreplica), printed together.
struct Usage {
    int first;
    int second = -1;
};

inline const msg_table_t *catalog() { return _vx_cmdsyn_vexar_msg_table_adr(); }

// Flag-table rows: a flag, and the markers around a mutual-exclusion group.
constexpr clp_flag_desc_t flag(const char *spec, int32_t code) { return {spec, code, 0}; }
constexpr clp_flag_desc_t kGroupStart{CLP_START_EXCLUSION_SPEC, CLP_MARK_START_EXCLUSION, 0};
constexpr clp_flag_desc_t kGroupEnd{CLP_END_EXCLUSION_SPEC, CLP_MARK_END_EXCLUSION, 0};
constexpr clp_flag_desc_t kTableEnd{nullptr, CLP_TABLE_END, 0};

// The comment option group, as it stands in every table that records a comment.
#define VX_COMMENT_GROUP_ROWS                                                                \
    vx::kGroupStart, vx::flag("-c[omment]", FLAG_COMMENT), vx::flag("-cfi[le]", FLAG_CFILE), \
        vx::flag("-cq[uery]", FLAG_CQUERY), vx::flag("-cqe[ach]", FLAG_CQEACH),              \
        vx::flag("-nc[omment]", FLAG_NCOMMENT), vx::kGroupEnd

// Usage request: the two lowest dispatch bits ask for the usage text only.
inline bool usage_requested(uint32_t dispatch_flags) { return (dispatch_flags & SYNTAX_USAGE_BITS) != 0; }
// Prints the usage as asked for (severity 0, the second part 1) and returns 0.
int32_t serve_usage(Usage usage);
// dumpoplog, mkrptype, lsexport and perfinfo: bit value 2 prints the usage, bit value 1
// alone asks for nothing to be printed. Returns 0.
int32_t serve_usage_full_only(uint32_t dispatch_flags, Usage usage);

// Zeroes the record and sets its prefix; the heap area draws a warning.
void init_prefix(cmd_args_prefix_t *prefix, int32_t record_version, stg_area_t *area);
template <class Record>
void init_record(Record &record, int32_t record_version, stg_area_t *area) {
    std::memset(&record, 0, sizeof record);
    init_prefix(&record.prefix, record_version, area);
}

// Prints message `index` of this library's catalog as an error (severity 6).
void report(int index);
void report(int index, const char *argument);
// Prints the usage after an error (severity 7) and returns CMD_SYNTAX_ERROR.
int32_t fail_with_usage(Usage usage);
// A failed check: its message, then the usage; returns CMD_SYNTAX_ERROR.
int32_t fail(int index, Usage usage);
int32_t fail(int index, const char *argument, Usage usage);
// An operand nobody asked for: tool-base message 99 naming it, then the usage.
int32_t fail_unexpected_operand(const char *operand, Usage usage);
// The area could not supply a block: tool-base message 39 under "vx_cmdsyn", no usage.
int32_t fail_no_memory();
// A code the routine's dispatch does not handle: the flag table and the handlers
// disagree. Prints the internal-error report; the usage only if an error was noted.
int32_t fail_unhandled_flag(clp_parser_t *parser, bool error_noted, Usage usage);

// Reads the next word (a flag's value or an operand) into `field`. False when there is
// none: the parser says nothing is left, or hands out no text (a NULL text counts as no
// word whatever the result); `field` is then NULL. Every read of a single word goes
// through here, so that no NULL text reaches a converter or a message.
bool read_word(clp_parser_t *parser, const char **field);

// Reads a flag's value into `field`. When there is none (read_word), prints
// `missing_message` and notes the error. Returns true when a value was read.
bool read_value(clp_parser_t *parser, const char **field, int missing_message, bool &error);

// Runs the comment group's handler when `code` is one of its flags; returns false for
// any other code.
bool handle_comment_flag(clp_parser_t *parser, int32_t code, cmd_comment_block_t &block, bool &error);

// The next block size of an operand list: 32 entries first, 288 at the first growth,
// then doubling (at least 256 more each time), so that long lists cost linear time and
// area. Returns `capacity` itself when the list cannot grow any more.
int32_t list_capacity_after_growth(int32_t capacity);

// A count-and-list pair of the record, growing in the caller's area. Earlier blocks
// stay in the area until it is released. The record's count may be signed or unsigned;
// it never exceeds what list_capacity_after_growth allows, so both hold it alike.
template <class T>
class AreaList {
  public:
    AreaList(stg_area_t *area, T *&items, int32_t &count) : area_(area), items_(items), count_(count) {}
    // An unsigned count is reached through its signed counterpart, which the language
    // allows for the corresponding signed and unsigned types.
    AreaList(stg_area_t *area, T *&items, uint32_t &count)
        : area_(area), items_(items), count_(reinterpret_cast<int32_t &>(count)) {}
    // Empties the list (a repeated list flag starts over).
    void clear() {
        items_ = nullptr;
        count_ = 0;
        capacity_ = 0;
    }
    // False when the area cannot supply a block.
    bool append(T value) {
        if (count_ == capacity_) {
            const int32_t capacity = list_capacity_after_growth(capacity_);
            if (capacity <= capacity_) return false;
            T *block = static_cast<T *>(stg_alloc(area_, sizeof(T) * static_cast<size_t>(capacity)));
            if (block == nullptr) return false;
            if (count_ > 0) std::memcpy(static_cast<void *>(block), items_, sizeof(T) * static_cast<size_t>(count_));
            items_ = block;
            capacity_ = capacity;
        }
        items_[count_++] = value;
        return true;
    }

  private:
    stg_area_t *area_;
    T *&items_;
    int32_t &count_;
    int32_t capacity_ = 0;
};

using TextList = AreaList<const char *>;

enum class Collected { ok, none, no_memory };

// Every remaining operand, in command-line order.
Collected collect_operands(clp_parser_t *parser, TextList &list);
// The elements of a list value (the comma-separated parts of the next word). The list
// starts over. `none` when there is no first element.
Collected collect_subargs(clp_parser_t *parser, TextList &list);

// True when another operand is left (the parser's result is 0 and the text is not
// NULL); `operand` points to it.
bool operand_left(clp_parser_t *parser, const char *&operand);

// Reads a value or operand that may be absent into `field`: NULL when there is none
// (read_word), and no message (familysyncstatus -time_units, syncinfo -last, the
// setting lssetting lists).
void read_optional_value(clp_parser_t *parser, const char **field);

// -maxsize (mkreplica, syncreplica): reads the size and converts it into `max_size`.
// Once an error has been noted the value is only consumed, not converted, and
// `max_size` keeps its unset value.
void read_max_size(clp_parser_t *parser, int32_t &max_size, bool &error);

// Converts a decimal text straight into `field` (mkreplica -schema, syncreplica
// -limit); a text that is no number gets tool-base message 98 naming it and notes the
// error.
void convert_decimal(const char *text, int32_t *field, bool &error);

// A list value that must have a first element (mkreplica -options, syncreplica
// -oprange and -evlist), collected afresh. Returns 0 when it was read; otherwise the
// status the routine returns at once: `missing_message` and the usage, or the
// allocation report.
int32_t read_required_list(clp_parser_t *parser, TextList &list, int missing_message, Usage usage);

// Every remaining operand, at least one (lsexport, recoverpacket, lsepoch -actual).
// Returns 0 when they were read; otherwise the status the routine returns at once:
// `missing_message` and the usage, or the allocation report.
int32_t collect_required_operands(clp_parser_t *parser, TextList &list, int missing_message, Usage usage);

}  // namespace vx

#endif
