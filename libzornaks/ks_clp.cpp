// Command-line parser over the words after the command word.
//
// Flags are read one at a time; operands met on the way are queued and handed out, in
// their order, once the flags are done. A value flag's value is simply the next raw
// word. Everything the parser keeps lives in the caller's area: a parser costs no heap
// allocation, and the texts it hands out live as long as the area.

#include <cstdint>
#include <cstring>

#include "libzornaks.h"

namespace {

// One flag row of the installed table, with what matching needs precomputed.
struct Row {
    const char *full;  // the spec without its brackets: "-l[ong]" gives "-long"
    size_t full_length;
    size_t prefix_length;  // the shortest abbreviation accepted: "-l"
    int32_t code;
    int32_t group;  // index of its mutual-exclusion group, -1 outside any
};

// A suggestion is offered for a word at most this many edits away from a full name.
constexpr size_t kNearEdits = 2;

}  // namespace

struct clp_parser {
    stg_area_t *area;
    const char **words;
    int word_count;
    int position;     // next word to look at
    bool flags_done;  // the flags are done: the operands are handed out
    // Positions of the operands passed over while flags were read.
    int *operands;
    int operand_count;
    int operand_next;
    // The installed table.
    const Row *rows;
    int row_count;
    size_t longest_name;
    int *group_first;  // per group: the row read first, -1 while none was
    const char *last_flag;
    // A list value being split: the rest of its word, after the parts handed out.
    bool in_list;
    const char *list_rest;
};

namespace {

void report_no_memory() { imsg_print(IMSG_SEV_ERROR, "internal error: out of memory reading the command line\n", -1); }

bool is_end_of_flags(const char *word) { return word[0] == '-' && word[1] == '-' && word[2] == '\0'; }

bool is_operand(const char *word) { return word[0] != '-' || word[1] == '\0'; }

// ---- The table -----------------------------------------------------------------------

struct TableShape {
    int flag_rows = 0;
    int groups = 0;
    size_t name_bytes = 0;
    size_t longest_name = 0;
};

// Checks a flag spec: "-name" or "-abbrev[iation]". Returns why it is malformed, or
// nullptr and the lengths of the abbreviation and of the full name.
const char *check_spec(const char *spec, size_t &prefix_length, size_t &full_length) {
    if (spec == nullptr) return "flag row without a spec";
    if (spec[0] != '-') return "spec does not begin with \"-\"";
    const size_t length = std::strlen(spec);
    const char *open = std::strchr(spec, '[');
    const char *close = std::strchr(spec, ']');
    if (open == nullptr) {
        if (close != nullptr) return "\"]\" without \"[\"";
        prefix_length = full_length = length;
    } else {
        if (open - spec < 2) return "no abbreviation before \"[\"";
        if (close == nullptr || close[1] != '\0') return "\"[\" is not closed by a \"]\" at the end";
        if (close == open + 1) return "nothing between \"[\" and \"]\"";
        if (std::strchr(open + 1, '[') != nullptr) return "more than one \"[\"";
        prefix_length = static_cast<size_t>(open - spec);
        full_length = length - 2;
    }
    // A lone "-" is an operand and "--" ends the flags: neither can name a flag.
    if (full_length < 2) return "no name after \"-\"";
    if (full_length == 2 && spec[1] == '-') return "\"--\" cannot name a flag";
    return nullptr;
}

int refuse_table(int row, const char *spec, const char *why) {
    if (spec != nullptr)
        imsg_print(IMSG_SEV_ERROR, "internal error: malformed flag table, row %d (\"%s\"): %s\n", -1, row, spec, why);
    else
        imsg_print(IMSG_SEV_ERROR, "internal error: malformed flag table, row %d: %s\n", -1, row, why);
    return CLP_REJECTED;
}

// Walks the table up to its terminator, checking every row. CLP_OK and the table's
// shape, or CLP_REJECTED after saying why.
int measure_table(const clp_flag_desc_t *table, TableShape &shape) {
    if (table == nullptr) return refuse_table(0, nullptr, "no table");
    bool in_group = false;
    int i = 0;
    for (;; ++i) {
        const clp_flag_desc_t &row = table[i];
        if (row.spec == nullptr && row.code == CLP_TABLE_END) break;
        // Never reads past the row where the terminator must stand at the latest.
        if (i == CLP_MAX_TABLE_ROWS) return refuse_table(i, nullptr, "no terminator within the row limit");
        switch (row.code) {
            case CLP_MARK_START_EXCLUSION:
                if (in_group) return refuse_table(i, row.spec, "exclusion group opened inside another");
                in_group = true;
                ++shape.groups;
                break;
            case CLP_MARK_END_EXCLUSION:
                if (!in_group) return refuse_table(i, row.spec, "exclusion group closed but never opened");
                in_group = false;
                break;
            case CLP_TABLE_END: return refuse_table(i, row.spec, "terminator code on a row with a spec");
            default: {
                size_t prefix_length = 0;
                size_t full_length = 0;
                if (const char *why = check_spec(row.spec, prefix_length, full_length))
                    return refuse_table(i, row.spec, why);
                ++shape.flag_rows;
                shape.name_bytes += full_length + 1;
                if (full_length > shape.longest_name) shape.longest_name = full_length;
            }
        }
    }
    if (in_group) return refuse_table(i, nullptr, "exclusion group not closed before the terminator");
    return CLP_OK;
}

// Fills the rows of the parser from the checked table. False when the area is short.
bool build_rows(clp_parser_t *parser, const clp_flag_desc_t *table, const TableShape &shape, stg_area_t *area) {
    Row *rows = static_cast<Row *>(stg_alloc(area, sizeof(Row) * static_cast<size_t>(shape.flag_rows)));
    char *names = static_cast<char *>(stg_alloc(area, shape.name_bytes));
    int *group_first = static_cast<int *>(stg_alloc(area, sizeof(int) * static_cast<size_t>(shape.groups)));
    if (rows == nullptr || names == nullptr || group_first == nullptr) return false;

    int count = 0;
    int group = -1;
    int groups_opened = 0;
    for (const clp_flag_desc_t *desc = table; !(desc->spec == nullptr && desc->code == CLP_TABLE_END); ++desc) {
        if (desc->code == CLP_MARK_START_EXCLUSION) {
            group = groups_opened++;
            continue;
        }
        if (desc->code == CLP_MARK_END_EXCLUSION) {
            group = -1;
            continue;
        }
        Row &row = rows[count++];
        check_spec(desc->spec, row.prefix_length, row.full_length);
        // The name without brackets: the abbreviation, then what stood inside them.
        std::memcpy(names, desc->spec, row.prefix_length);
        std::memcpy(names + row.prefix_length, desc->spec + row.prefix_length + (row.prefix_length < row.full_length),
                    row.full_length - row.prefix_length);
        names[row.full_length] = '\0';
        row.full = names;
        names += row.full_length + 1;
        row.code = desc->code;
        row.group = group;
    }
    for (int i = 0; i < shape.groups; ++i) group_first[i] = -1;
    parser->rows = rows;
    parser->row_count = count;
    parser->longest_name = shape.longest_name;
    parser->group_first = group_first;
    return true;
}

// ---- Matching ------------------------------------------------------------------------

// The row a typed flag names: the word begins with the row's abbreviation and is itself
// a beginning of its full name. An exact full name wins; otherwise the first row.
int match_row(const clp_parser_t *parser, const char *word, size_t length) {
    int first = -1;
    for (int i = 0; i < parser->row_count; ++i) {
        const Row &row = parser->rows[i];
        if (length < row.prefix_length || length > row.full_length) continue;
        if (std::memcmp(word, row.full, length) != 0) continue;
        if (length == row.full_length) return i;
        if (first < 0) first = i;
    }
    return first;
}

// Edit distance between `a` and `b`, or kNearEdits + 1 once it is known to be larger.
// `previous` and `current` hold length_b + 1 entries each.
size_t near_distance(const char *a, size_t length_a, const char *b, size_t length_b, size_t *previous,
                     size_t *current) {
    for (size_t j = 0; j <= length_b; ++j) previous[j] = j;
    for (size_t i = 1; i <= length_a; ++i) {
        current[0] = i;
        size_t smallest = i;
        for (size_t j = 1; j <= length_b; ++j) {
            const size_t replace = previous[j - 1] + (a[i - 1] == b[j - 1] ? 0 : 1);
            const size_t insert = current[j - 1] + 1;
            const size_t remove = previous[j] + 1;
            size_t best = replace < insert ? replace : insert;
            if (remove < best) best = remove;
            current[j] = best;
            if (best < smallest) smallest = best;
        }
        if (smallest > kNearEdits) return kNearEdits + 1;
        size_t *swap = previous;
        previous = current;
        current = swap;
    }
    return previous[length_b];
}

bool starts_with(const char *text, size_t text_length, const char *start, size_t start_length) {
    return start_length <= text_length && std::memcmp(text, start, start_length) == 0;
}

// The full name closest to an unrecognized word, or nullptr: the nearest one within
// kNearEdits edits, else the first one the word begins or extends.
const char *nearest_name(clp_parser_t *parser, const char *word, size_t length) {
    const size_t cells = parser->longest_name + 1;
    size_t *scratch = static_cast<size_t *>(stg_alloc(parser->area, 2 * cells * sizeof(size_t)));
    int nearest = -1;
    size_t nearest_distance = kNearEdits + 1;
    int related = -1;
    for (int i = 0; i < parser->row_count; ++i) {
        const Row &row = parser->rows[i];
        const bool close_in_length = length <= row.full_length + kNearEdits && row.full_length <= length + kNearEdits;
        if (scratch != nullptr && close_in_length) {
            const size_t distance = near_distance(word, length, row.full, row.full_length, scratch, scratch + cells);
            if (distance < nearest_distance) {
                nearest = i;
                nearest_distance = distance;
            }
        }
        if (related < 0 && (starts_with(word, length, row.full, row.full_length) ||
                            starts_with(row.full, row.full_length, word, length)))
            related = i;
    }
    if (nearest >= 0) return parser->rows[nearest].full;
    return related >= 0 ? parser->rows[related].full : nullptr;
}

int refuse_unrecognized(clp_parser_t *parser, const char *word, size_t length) {
    if (const char *suggestion = nearest_name(parser, word, length))
        imsg_print(IMSG_SEV_ERROR, "Unrecognized option \"%s\"; did you mean %s?\n", -1, word, suggestion);
    else
        imsg_print(IMSG_SEV_ERROR, "Unrecognized option \"%s\"\n", -1, word);
    return CLP_REJECTED;
}

// Two different flags of one group cannot stand on one line; the same flag again can.
bool admitted_in_group(clp_parser_t *parser, int row_index) {
    const Row &row = parser->rows[row_index];
    if (row.group < 0) return true;
    int &first = parser->group_first[row.group];
    if (first < 0) {
        first = row_index;
        return true;
    }
    const Row &earlier = parser->rows[first];
    if (earlier.code == row.code) return true;
    imsg_print(IMSG_SEV_ERROR, "Options \"%s\" and \"%s\" cannot be used together\n", -1, earlier.full, row.full);
    return false;
}

// ---- Words ---------------------------------------------------------------------------

// The next word a value or an operand is read from: the raw word at the scan position
// while flags are read, then the operands queued on the way, then the words after "--".
bool take_word(clp_parser_t *parser, const char **word) {
    if (parser->flags_done && parser->operand_next < parser->operand_count) {
        *word = parser->words[parser->operands[parser->operand_next++]];
        return true;
    }
    if (parser->position < parser->word_count) {
        *word = parser->words[parser->position++];
        return true;
    }
    return false;
}

}  // namespace

extern "C" {

clp_parser_t *clp_parser_create(stg_area_t *area, int argc, const char *const *argv) {
    if (area == nullptr || argc < 0 || (argc > 0 && argv == nullptr)) return nullptr;
    const size_t count = static_cast<size_t>(argc);
    if (count > SIZE_MAX / sizeof(const char *)) return nullptr;
    // All the words go into one block of the area.
    size_t text_bytes = 0;
    for (size_t i = 0; i < count; ++i) {
        const size_t length = argv[i] != nullptr ? std::strlen(argv[i]) : 0;
        if (length >= SIZE_MAX - text_bytes) return nullptr;
        text_bytes += length + 1;
    }
    clp_parser_t *parser = static_cast<clp_parser_t *>(stg_alloc(area, sizeof(clp_parser_t)));
    const char **words = static_cast<const char **>(stg_alloc(area, count * sizeof(const char *)));
    int *operands = static_cast<int *>(stg_alloc(area, count * sizeof(int)));
    char *text = static_cast<char *>(stg_alloc(area, text_bytes));
    if (parser == nullptr || words == nullptr || operands == nullptr || text == nullptr) return nullptr;
    for (size_t i = 0; i < count; ++i) {
        const char *word = argv[i] != nullptr ? argv[i] : "";
        const size_t size = std::strlen(word) + 1;
        std::memcpy(text, word, size);
        words[i] = text;
        text += size;
    }
    std::memset(static_cast<void *>(parser), 0, sizeof *parser);
    parser->area = area;
    parser->words = words;
    parser->word_count = argc;
    parser->operands = operands;
    return parser;
}

// What the parser builds for a table lives in the parser's own area, beside its words;
// the caller's area is left to the caller.
int clp_switch_flags(clp_parser_t *parser, const clp_flag_desc_t *table, stg_area_t *) {
    if (parser == nullptr) return CLP_REJECTED;
    // A new table starts the scan over from the first word.
    parser->position = 0;
    parser->flags_done = false;
    parser->operand_count = 0;
    parser->operand_next = 0;
    parser->rows = nullptr;
    parser->row_count = 0;
    parser->longest_name = 0;
    parser->group_first = nullptr;
    parser->last_flag = nullptr;
    parser->in_list = false;

    TableShape shape;
    if (measure_table(table, shape) != CLP_OK) return CLP_REJECTED;
    if (!build_rows(parser, table, shape, parser->area)) {
        report_no_memory();
        return CLP_REJECTED;
    }
    return CLP_OK;
}

int clp_get_next_flag_value(clp_parser_t *parser, int reserved, int32_t *code) {
    (void)reserved;
    if (parser == nullptr) return CLP_REJECTED;
    parser->in_list = false;
    while (!parser->flags_done && parser->position < parser->word_count) {
        const char *word = parser->words[parser->position];
        if (is_end_of_flags(word)) {
            ++parser->position;
            break;
        }
        if (is_operand(word)) {
            parser->operands[parser->operand_count++] = parser->position++;
            continue;
        }
        ++parser->position;
        const size_t length = std::strlen(word);
        const int row = match_row(parser, word, length);
        if (row < 0) return refuse_unrecognized(parser, word, length);
        if (!admitted_in_group(parser, row)) return CLP_REJECTED;
        parser->last_flag = word;
        if (code != nullptr) *code = parser->rows[row].code;
        return CLP_OK;
    }
    parser->flags_done = true;
    return CLP_DONE;
}

int clp_get_next_arg(clp_parser_t *parser, const char **text) {
    if (text != nullptr) *text = nullptr;
    if (parser == nullptr) return CLP_DONE;
    parser->in_list = false;
    const char *word = nullptr;
    if (!take_word(parser, &word)) return CLP_DONE;
    if (text != nullptr) *text = word;
    return CLP_OK;
}

int clp_get_next_subarg(clp_parser_t *parser, const char **text) {
    if (text != nullptr) *text = nullptr;
    if (parser == nullptr) return CLP_DONE;
    if (!parser->in_list) {
        const char *word = nullptr;
        if (!take_word(parser, &word)) return CLP_DONE;
        parser->in_list = true;
        parser->list_rest = word;
    }
    const char *part = parser->list_rest + std::strspn(parser->list_rest, ",");
    if (*part == '\0') {
        parser->in_list = false;
        return CLP_DONE;
    }
    const size_t length = std::strcspn(part, ",");
    char *copy = static_cast<char *>(stg_alloc(parser->area, length + 1));
    if (copy == nullptr) {
        parser->in_list = false;
        report_no_memory();
        return CLP_REJECTED;
    }
    std::memcpy(copy, part, length);
    copy[length] = '\0';
    parser->list_rest = part + length;
    if (text != nullptr) *text = copy;
    return CLP_OK;
}

int clp_get_last_flag_name(clp_parser_t *parser, int form, size_t size, char *buffer) {
    (void)form;  // the one form kept is the word as typed
    if (parser == nullptr || buffer == nullptr || size == 0 || parser->last_flag == nullptr) return 1;
    size_t length = 0;
    while (length < size - 1 && parser->last_flag[length] != '\0') ++length;
    std::memcpy(buffer, parser->last_flag, length);
    buffer[length] = '\0';
    return 0;
}

}  // extern "C"
