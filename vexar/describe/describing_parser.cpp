#include "describe/describing_parser.h"

#include <string>

#include "flag_spec.h"

using vexar::syntax::Value;
using vxdescribe::InstalledFlag;

// The kernel services leave the parser's type to each parser: this is the describer's.
struct clp_parser {
    int probed = -1;  // the flag a probe hands out; -1 for a capture
    std::vector<InstalledFlag> flags;
    std::string malformed;
    bool in_force = false;  // a probe took the table
    bool handed_out = false;
    std::optional<Value> read_after_flag;
    std::string last_flag;
};

namespace {

// Reads a table: the group markers number the groups, every other row up to the
// terminator is a flag. Why it cannot be read, or "".
std::string read_table(const clp_flag_desc_t *table, std::vector<InstalledFlag> &flags) {
    if (table == nullptr) return "no table";
    int groups = 0;
    bool in_group = false;
    for (int i = 0; table[i].code != CLP_TABLE_END; ++i) {
        if (i == CLP_MAX_TABLE_ROWS) return "no terminator within the row limit";
        const clp_flag_desc_t &row = table[i];
        const std::string where = "row " + std::to_string(i) + ": ";
        if (row.code == CLP_MARK_START_EXCLUSION || row.code == CLP_MARK_END_EXCLUSION) {
            const bool opens = row.code == CLP_MARK_START_EXCLUSION;
            if (opens == in_group) return where + (opens ? "group opened inside another" : "group closed never opened");
            in_group = opens;
            if (opens) ++groups;
            continue;
        }
        const vx_spec::Reading reading = vx_spec::read_flag_spec(row.spec);
        if (reading.problem != vx_spec::Problem::none) return where + vx_spec::problem_text(reading.problem);
        flags.push_back(
            {reading.spelling.full(), std::string(reading.spelling.required), in_group ? groups : 0, row.code});
    }
    return in_group ? "group not closed before the terminator" : "";
}

// Notes the first read after the probed flag: a value or a list, if the routine asks.
void note_read(clp_parser_t *parser, Value value) {
    if (parser->handed_out && parser->read_after_flag == Value::none) parser->read_after_flag = value;
}

}  // namespace

namespace vxdescribe {

DescribingParser::DescribingParser(int probed) : state_(std::make_unique<clp_parser_t>()) { state_->probed = probed; }
DescribingParser::DescribingParser(DescribingParser &&) noexcept = default;
DescribingParser &DescribingParser::operator=(DescribingParser &&) noexcept = default;
DescribingParser::~DescribingParser() = default;

DescribingParser DescribingParser::capture() { return DescribingParser(-1); }
DescribingParser DescribingParser::probe(int index) { return DescribingParser(index < 0 ? -1 : index); }

clp_parser_t *DescribingParser::handle() const { return state_.get(); }
const std::vector<InstalledFlag> &DescribingParser::installed() const { return state_->flags; }
std::optional<Value> DescribingParser::read_after_flag() const { return state_->read_after_flag; }
const std::string &DescribingParser::malformed() const { return state_->malformed; }

}  // namespace vxdescribe

extern "C" {

int clp_switch_flags(clp_parser_t *parser, const clp_flag_desc_t *table, stg_area_t *) {
    if (parser == nullptr) return CLP_REJECTED;
    // A new table starts the line over: only what the parser was made for stays.
    const int probed = parser->probed;
    *parser = clp_parser{};
    parser->probed = probed;
    parser->malformed = read_table(table, parser->flags);
    if (!parser->malformed.empty()) {
        parser->flags.clear();
        return CLP_REJECTED;
    }
    parser->in_force = parser->probed >= 0 && static_cast<size_t>(parser->probed) < parser->flags.size();
    return parser->in_force ? CLP_OK : CLP_REJECTED;
}

int clp_get_next_flag_value(clp_parser_t *parser, int, int32_t *code) {
    if (parser == nullptr) return CLP_REJECTED;
    if (!parser->in_force) return CLP_DONE;
    if (parser->handed_out) return CLP_REJECTED;
    const InstalledFlag &flag = parser->flags[static_cast<size_t>(parser->probed)];
    parser->handed_out = true;
    parser->read_after_flag = Value::none;
    parser->last_flag = flag.name;
    if (code != nullptr) *code = flag.code;
    return CLP_OK;
}

int clp_get_next_arg(clp_parser_t *parser, const char **text) {
    if (text != nullptr) *text = nullptr;
    if (parser != nullptr) note_read(parser, Value::text);
    return CLP_DONE;
}

int clp_get_next_subarg(clp_parser_t *parser, const char **text) {
    if (text != nullptr) *text = nullptr;
    if (parser != nullptr) note_read(parser, Value::list);
    return CLP_DONE;
}

int clp_get_last_flag_name(clp_parser_t *parser, int, size_t size, char *buffer) {
    if (parser == nullptr || buffer == nullptr || size == 0 || parser->last_flag.empty()) return 1;
    const size_t length = parser->last_flag.copy(buffer, size - 1);
    buffer[length] = '\0';
    return 0;
}

}  // extern "C"
