// Command-line parser over the words after the command word.
//
// Flags are read one at a time; operands met on the way are queued and handed out, in
// their order, once the flags are done. A value flag's value is simply the next raw
// word. What a parser keeps lives in the caller's area, so the texts it hands out live
// as long as the area. The parser keeps nothing between calls: every table is checked
// each time it is installed.

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstring>
#include <iterator>
#include <span>
#include <string_view>

#include "catalog_text.h"
#include "edit_distance.h"
#include "flag_spec.h"
#include "ks_texts.h"
#include "libzornaks.h"

namespace {

// One flag row of the installed table. The flag spec is read where it stands: "-l[ong]"
// names "-l", "-lo", "-lon" and "-long". Only messages need the full name on its own
// (full_name below).
struct Row {
    const char *spec;
    vx_spec::Spelling spelling;  // "-l" required, "ong" optional
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
    int *group_first;  // per group: the row read first, -1 while none was
    const char *last_flag;
    // A list value being split: the rest of its word, after the parts handed out.
    bool in_list;
    const char *list_rest;
};

namespace zornaks {
namespace {

constexpr const char *kClpTexts[] = {ZORNAKS_CLP_TEXTS(ZORNAKS_TEXT_STRING)};
constexpr uint16_t kClpCount = static_cast<uint16_t>(std::size(kClpTexts));
constexpr auto kClpNumbers = vx_catalog::numbers_from_one<kClpCount>();
constexpr msg_table_t kClpTable = {"zornaks_clp", "clp", 62, kClpCount, kClpTexts, kClpNumbers.data()};

}  // namespace

const msg_table_t *clp_texts() { return &kClpTable; }

}  // namespace zornaks

namespace {

using zornaks::ClpText;

// Prints the parser's text `text` as an error, with the arguments its conversions take.
template <class... Args>
void refuse(ClpText text, Args... args) {
    imsg_print(IMSG_SEV_ERROR, zornaks::clp_texts(), static_cast<int>(text), args...);
}

void report_no_memory() { refuse(ClpText::out_of_memory); }

bool is_end_of_flags(const char *word) { return word[0] == '-' && word[1] == '-' && word[2] == '\0'; }

bool is_operand(const char *word) { return word[0] != '-' || word[1] == '\0'; }

// ---- The table -----------------------------------------------------------------------

struct TableShape {
    int rows = 0;  // before the terminator, group markers included
    int flag_rows = 0;
    int groups = 0;
};

int refuse_table(int row, const char *spec, const char *why) {
    if (spec != nullptr)
        refuse(ClpText::malformed_row, row, spec, why);
    else
        refuse(ClpText::malformed_row_without_spec, row, why);
    return CLP_REJECTED;
}

// Walks the table up to its terminator, checking its layout (the specs are read as the
// rows are built). CLP_OK and the table's shape, or CLP_REJECTED after saying why.
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
            default: ++shape.flag_rows;
        }
    }
    if (in_group) return refuse_table(i, nullptr, "exclusion group not closed before the terminator");
    shape.rows = i;
    return CLP_OK;
}

// Builds the rows of a table of the measured shape into the area, reading each spec.
// The rows, or nullptr after saying why.
const Row *build_rows(const clp_flag_desc_t *table, const TableShape &shape, stg_area_t *area) {
    Row *rows = static_cast<Row *>(stg_alloc(area, sizeof(Row) * static_cast<size_t>(shape.flag_rows)));
    if (rows == nullptr) {
        report_no_memory();
        return nullptr;
    }
    int count = 0;
    int group = -1;
    int groups_opened = 0;
    for (int i = 0; i < shape.rows; ++i) {
        const clp_flag_desc_t &desc = table[i];
        if (desc.code == CLP_MARK_START_EXCLUSION) {
            group = groups_opened++;
            continue;
        }
        if (desc.code == CLP_MARK_END_EXCLUSION) {
            group = -1;
            continue;
        }
        const vx_spec::Reading reading = vx_spec::read_flag_spec(desc.spec);
        if (reading.problem != vx_spec::Problem::none) {
            refuse_table(i, desc.spec, vx_spec::problem_text(reading.problem));
            return nullptr;
        }
        Row &row = rows[count++];
        row.spec = desc.spec;
        row.spelling = reading.spelling;
        row.code = desc.code;
        row.group = group;
    }
    return rows;
}

// The full name of a row, brackets left out ("-long" for "-l[ong]"), copied into the
// area; the flag spec itself when the area is short.
const char *full_name(stg_area_t *area, const Row &row) {
    const vx_spec::Spelling &spelling = row.spelling;
    char *name = static_cast<char *>(stg_alloc(area, spelling.full_length() + 1));
    if (name == nullptr) return row.spec;
    spelling.required.copy(name, spelling.required.size());
    spelling.optional.copy(name + spelling.required.size(), spelling.optional.size());
    name[spelling.full_length()] = '\0';
    return name;
}

// ---- Matching ------------------------------------------------------------------------

// The row a typed flag names. An exact full name wins; otherwise the first row.
int match_row(const clp_parser_t *parser, const char *word, size_t length) {
    const std::span<const Row> rows(parser->rows, static_cast<size_t>(parser->row_count));
    const Row *row = vx_spec::named_by(rows, std::string_view(word, length), [](const Row &r) { return r.spelling; });
    return row != nullptr ? static_cast<int>(row - parser->rows) : -1;
}

// The full name closest to an unrecognized word, or nullptr: the nearest one within
// kNearEdits edits, else the first one the word begins or extends.
const char *nearest_name(clp_parser_t *parser, const char *word, size_t length) {
    size_t longest_name = 0;
    for (int i = 0; i < parser->row_count; ++i)
        longest_name = std::max(longest_name, parser->rows[i].spelling.full_length());
    size_t *scratch =
        static_cast<size_t *>(stg_alloc(parser->area, vx_edit::scratch_cells(longest_name) * sizeof(size_t)));
    const std::string_view typed(word, length);
    const char *nearest = nullptr;
    size_t nearest_distance = kNearEdits + 1;
    const char *related = nullptr;
    for (int i = 0; i < parser->row_count; ++i) {
        const Row &row = parser->rows[i];
        const char *full = full_name(parser->area, row);
        if (full == row.spec) continue;  // the area is short: no name to offer
        const std::string_view name(full, row.spelling.full_length());
        const bool close_in_length = length <= name.size() + kNearEdits && name.size() <= length + kNearEdits;
        if (scratch != nullptr && close_in_length) {
            const size_t distance = vx_edit::edit_distance(typed, name, kNearEdits, scratch);
            if (distance < nearest_distance) {
                nearest = full;
                nearest_distance = distance;
            }
        }
        if (related == nullptr && (typed.starts_with(name) || name.starts_with(typed))) related = full;
    }
    return nearest != nullptr ? nearest : related;
}

// Appends `part` to a list in the area being grown as "a", "a or b", "a, b or c".
char *append_listed(stg_area_t *area, char *list, const char *part, size_t part_length, bool last) {
    const size_t had = list != nullptr ? std::strlen(list) : 0;
    const char *separator = had == 0 ? "" : last ? " or " : ", ";
    const size_t separator_length = std::strlen(separator);
    char *grown = static_cast<char *>(stg_alloc(area, had + separator_length + part_length + 1));
    if (grown == nullptr) return nullptr;
    if (had > 0) std::memcpy(grown, list, had);
    std::memcpy(grown + had, separator, separator_length);
    std::memcpy(grown + had + separator_length, part, part_length);
    grown[had + separator_length + part_length] = '\0';
    return grown;
}

// A word that begins a flag's full name but stops before its shortest spelling ("-pa"
// for "-pas[sword]") is refused for exactly that, naming every flag it begins. False
// when the word begins no flag so, or the area is short.
bool refuse_too_short(clp_parser_t *parser, const char *word, size_t length) {
    const auto too_short_for = [&](const Row &row) {
        return length < row.spelling.required.size() &&
               row.spelling.required.starts_with(std::string_view(word, length));
    };
    const int count = static_cast<int>(std::count_if(parser->rows, parser->rows + parser->row_count, too_short_for));
    if (count == 0) return false;
    char *names = nullptr;
    char *spellings = nullptr;
    for (int i = 0, listed = 0; i < parser->row_count; ++i) {
        const Row &row = parser->rows[i];
        if (!too_short_for(row)) continue;
        const bool last = ++listed == count;
        const char *full = full_name(parser->area, row);
        names = append_listed(parser->area, names, full, std::strlen(full), last);
        spellings = append_listed(parser->area, spellings, row.spec, row.spelling.required.size(), last);
        if (names == nullptr || spellings == nullptr) return false;
    }
    refuse(ClpText::too_short, word, names, spellings);
    return true;
}

// Whether `name`, typed before an "=", begins the full name of a flag of the table,
// whatever its case and however many dashes lead it ("--Pass" begins "-password").
bool begins_a_flag_name(const clp_parser_t *parser, std::string_view name) {
    const size_t dashes = name.find_first_not_of('-');
    if (dashes == 0 || dashes == std::string_view::npos) return false;
    const std::string_view typed = name.substr(dashes);
    for (int i = 0; i < parser->row_count; ++i) {
        const Row &row = parser->rows[i];
        if (typed.size() >= row.spelling.full_length()) continue;  // past the name, its dash left out
        size_t matched = 0;
        while (matched < typed.size() && std::tolower(static_cast<unsigned char>(row.spelling.at(matched + 1))) ==
                                             std::tolower(static_cast<unsigned char>(typed[matched])))
            ++matched;
        if (matched == typed.size()) return true;
    }
    return false;
}

// The word as an unrecognized option may be shown: a flag's name with "=" and a value
// joined to it ("-password=secret") is shown without what follows the "=", since that
// may be a secret given in a form the parser does not take.
const char *shown_word(clp_parser_t *parser, const char *word, size_t length) {
    const char *equals = static_cast<const char *>(std::memchr(word, '=', length));
    if (equals == nullptr || !begins_a_flag_name(parser, std::string_view(word, static_cast<size_t>(equals - word))))
        return word;
    constexpr std::string_view kValueHidden = "=...";
    const size_t name_length = static_cast<size_t>(equals - word);
    char *shown = static_cast<char *>(stg_alloc(parser->area, name_length + kValueHidden.size() + 1));
    if (shown == nullptr) return "";
    std::memcpy(shown, word, name_length);
    std::memcpy(shown + name_length, kValueHidden.data(), kValueHidden.size());
    shown[name_length + kValueHidden.size()] = '\0';
    return shown;
}

int refuse_unrecognized(clp_parser_t *parser, const char *word, size_t length) {
    if (refuse_too_short(parser, word, length)) return CLP_REJECTED;
    const char *shown = shown_word(parser, word, length);
    if (const char *suggestion = nearest_name(parser, word, length))
        refuse(ClpText::unrecognized_did_you_mean, shown, suggestion);
    else
        refuse(ClpText::unrecognized, shown);
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
    refuse(ClpText::not_together, full_name(parser->area, earlier), full_name(parser->area, row));
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
    // One block of the area holds the parser, its word and operand tables and the texts
    // of the words, in this order: each part leaves the next one aligned.
    const size_t per_word = sizeof(const char *) + sizeof(int);
    if (count > (SIZE_MAX - sizeof(clp_parser_t)) / per_word) return nullptr;
    size_t bytes = sizeof(clp_parser_t) + count * per_word;
    for (size_t i = 0; i < count; ++i) {
        const size_t length = argv[i] != nullptr ? std::strlen(argv[i]) : 0;
        if (length >= SIZE_MAX - bytes) return nullptr;
        bytes += length + 1;
    }
    void *block = stg_alloc(area, bytes);
    if (block == nullptr) return nullptr;
    clp_parser_t *parser = static_cast<clp_parser_t *>(block);
    const char **words = reinterpret_cast<const char **>(parser + 1);
    int *operands = reinterpret_cast<int *>(words + count);
    char *text = reinterpret_cast<char *>(operands + count);
    // Words are short: one pass copies each up to and with its terminator.
    for (size_t i = 0; i < count; ++i) {
        words[i] = text;
        const char *from = argv[i] != nullptr ? argv[i] : "";
        while ((*text++ = *from++) != '\0') continue;
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
    parser->group_first = nullptr;
    parser->last_flag = nullptr;
    parser->in_list = false;

    TableShape shape;
    if (measure_table(table, shape) != CLP_OK) return CLP_REJECTED;
    const Row *rows = build_rows(table, shape, parser->area);
    if (rows == nullptr) return CLP_REJECTED;
    // Which row of each group was read first belongs to this parser's line.
    if (shape.groups > 0) {
        int *group_first = static_cast<int *>(stg_alloc(parser->area, sizeof(int) * static_cast<size_t>(shape.groups)));
        if (group_first == nullptr) {
            report_no_memory();
            return CLP_REJECTED;
        }
        for (int i = 0; i < shape.groups; ++i) group_first[i] = -1;
        parser->group_first = group_first;
    }
    parser->rows = rows;
    parser->row_count = shape.flag_rows;
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
