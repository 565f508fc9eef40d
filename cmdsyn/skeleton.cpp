#include "skeleton.h"

#include <cstdio>

#include "libzornashp.h"

namespace vx {

namespace {
constexpr int32_t kFirstBlock = 32;
constexpr int32_t kMinGrowth = 256;
// Beyond this a block could not be sized on a 32-bit machine.
constexpr int32_t kMaxEntries = 0x10000000;
constexpr size_t kFlagNameBuffer = 256;

void print_usage(Usage usage, int severity_first, int severity_second) {
    imsg_print(severity_first, catalog(), usage.first);
    if (usage.second >= 0) imsg_print(severity_second, catalog(), usage.second);
}
}  // namespace

int32_t serve_usage(Usage usage) {
    print_usage(usage, IMSG_SEV_PLAIN, IMSG_SEV_PLAIN_CONT);
    return 0;
}

int32_t serve_usage_full_only(uint32_t dispatch_flags, Usage usage) {
    if ((dispatch_flags & SYNTAX_USAGE_FULL) != 0) print_usage(usage, IMSG_SEV_PLAIN, IMSG_SEV_PLAIN_CONT);
    return 0;
}

void init_prefix(cmd_args_prefix_t *prefix, int32_t record_version, stg_area_t *area) {
    prefix->record_version = record_version;
    prefix->area = area;
    if (area == STG_HEAP_AREA) std::printf("*** Only a non-heap AREA may be passed to CMD_INIT_ARGS_PREFIX.\n");
}

void report(int index) { imsg_print(IMSG_SEV_ERROR, catalog(), index); }

void report(int index, const char *argument) { imsg_print(IMSG_SEV_ERROR, catalog(), index, argument); }

int32_t fail_with_usage(Usage usage) {
    print_usage(usage, IMSG_SEV_USAGE, IMSG_SEV_USAGE);
    return CMD_SYNTAX_ERROR;
}

int32_t fail(int index, Usage usage) {
    report(index);
    return fail_with_usage(usage);
}

int32_t fail(int index, const char *argument, Usage usage) {
    report(index, argument);
    return fail_with_usage(usage);
}

int32_t fail_unexpected_operand(const char *operand, Usage usage) {
    imsg_print(IMSG_SEV_ERROR, _tbs_cmsg_tbs_msg_table_adr(), TBS_MSG_UNEXPECTED_OPERAND, operand);
    return fail_with_usage(usage);
}

int32_t fail_no_memory() {
    imsg_print_shared(IMSG_SEV_ERROR, "vx_cmdsyn", _tbs_cmsg_tbs_msg_table_adr(), TBS_MSG_NO_MEMORY);
    return CMD_SYNTAX_ERROR;
}

int32_t fail_unhandled_flag(clp_parser_t *parser, bool error_noted, Usage usage) {
    imsg_print(IMSG_SEV_ERROR, _tbs_cmsg_tbs_msg_table_adr(), TBS_MSG_UNHANDLED_FLAG);
    char name[kFlagNameBuffer];
    if (clp_get_last_flag_name(parser, 1, sizeof name, name) == 0)
        imsg_print(IMSG_SEV_USAGE, "internal error: Unrecognized option \"%s\"\n", IMSG_FORMAT_INDEX, name);
    if (error_noted) print_usage(usage, IMSG_SEV_USAGE, IMSG_SEV_USAGE);
    return CMD_SYNTAX_ERROR;
}

namespace {
// The parser's result for the next word, CLP_DONE when it hands out no text.
int next_word(clp_parser_t *parser, const char **text) {
    *text = nullptr;
    const int result = clp_get_next_arg(parser, text);
    if (*text == nullptr) return CLP_DONE;
    return result;
}
}  // namespace

bool read_word(clp_parser_t *parser, const char **field) { return next_word(parser, field) != CLP_DONE; }

bool read_value(clp_parser_t *parser, const char **field, int missing_message, bool &error) {
    if (read_word(parser, field)) return true;
    report(missing_message);
    error = true;
    return false;
}

bool handle_comment_flag(clp_parser_t *parser, int32_t code, cmd_comment_block_t &block, bool &error) {
    const char **text_field = nullptr;
    switch (code) {
        case FLAG_COMMENT:
            block.comment_kind = COMMENT_KIND_TEXT;
            text_field = &block.comment;
            break;
        case FLAG_CFILE:
            block.comment_kind = COMMENT_KIND_FILE;
            text_field = &block.comment_file;
            break;
        case FLAG_CQUERY: block.comment_kind = COMMENT_KIND_QUERY; return true;
        case FLAG_CQEACH: block.comment_kind = COMMENT_KIND_QUERY_EACH; return true;
        case FLAG_NCOMMENT: block.comment_kind = COMMENT_KIND_NONE; return true;
        default: return false;
    }
    if (!read_word(parser, text_field)) {
        imsg_print(IMSG_SEV_ERROR, _tbs_cmsg_tbs_msg_table_adr(), TBS_MSG_COMMENT_REQUIRED);
        error = true;
    }
    return true;
}

int32_t list_capacity_after_growth(int32_t capacity) {
    if (capacity == 0) return kFirstBlock;
    const int32_t growth = capacity > kMinGrowth ? capacity : kMinGrowth;
    if (capacity > kMaxEntries - growth) return capacity;  // no room left to grow
    return capacity + growth;
}

Collected collect_operands(clp_parser_t *parser, TextList &list) {
    bool any = false;
    for (;;) {
        const char *text = nullptr;
        if (!read_word(parser, &text)) break;
        if (!list.append(text)) return Collected::no_memory;
        any = true;
    }
    return any ? Collected::ok : Collected::none;
}

Collected collect_subargs(clp_parser_t *parser, TextList &list) {
    list.clear();
    const char *text = nullptr;
    if (clp_get_next_subarg(parser, &text) == CLP_DONE || text == nullptr) return Collected::none;
    while (text != nullptr) {
        if (!list.append(text)) return Collected::no_memory;
        // A parser that ends the list with a result of 2 but leaves the text alone must
        // not make the loop go on: the text is cleared before each call.
        text = nullptr;
        clp_get_next_subarg(parser, &text);
    }
    return Collected::ok;
}

bool operand_left(clp_parser_t *parser, const char *&operand) { return next_word(parser, &operand) == CLP_OK; }

void read_optional_value(clp_parser_t *parser, const char **field) { read_word(parser, field); }

void read_max_size(clp_parser_t *parser, int32_t &max_size, bool &error) {
    const char *text = nullptr;
    if (!read_value(parser, &text, MSG_MAXSIZE_REQUIRED, error)) return;
    if (error) return;  // the run fails anyway; one message per problem is enough
    int32_t size = 0;
    if (shp_strtosize(text, 0, &size) != 0) {
        report(MSG_INVALID_SIZE, text);
        error = true;
        return;
    }
    max_size = size;
}

void convert_decimal(const char *text, int32_t *field, bool &error) {
    if (strutl_strtol(text, 10, field) == 0) return;
    imsg_print(IMSG_SEV_ERROR, _tbs_cmsg_tbs_msg_table_adr(), TBS_MSG_NOT_A_NUMBER, text);
    error = true;
}

int32_t read_required_list(clp_parser_t *parser, TextList &list, int missing_message, Usage usage) {
    switch (collect_subargs(parser, list)) {
        case Collected::ok: return 0;
        case Collected::none: return fail(missing_message, usage);
        case Collected::no_memory: break;
    }
    return fail_no_memory();
}

int32_t collect_required_operands(clp_parser_t *parser, TextList &list, int missing_message, Usage usage) {
    switch (collect_operands(parser, list)) {
        case Collected::ok: return 0;
        case Collected::none: return fail(missing_message, usage);
        case Collected::no_memory: break;
    }
    return fail_no_memory();
}

}  // namespace vx
