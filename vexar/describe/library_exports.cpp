// The names the library exports as vx_cmdsyn_<word>, read from its header at configure
// time (library_exports.inc): the interface fixes them, and nothing else lists them
// again.

#include <type_traits>

#include "describe/syntax_description.h"
#include "libzornavx_cmdsyn.h"

namespace vxdescribe {
namespace {

// The exported name as a syntax routine, or nullptr when it names something else (the
// procedure table, the keyword table's getter).
template <auto &symbol>
constexpr cmd_syntax_routine_t routine_or_null() {
    if constexpr (std::is_invocable_r_v<int32_t, decltype(symbol), clp_parser_t *, stg_area_t *, uint32_t>)
        return symbol;
    else
        return nullptr;
}

constexpr ExportedName kExports[] = {
#include "describe/library_exports.inc"
};

}  // namespace

std::span<const ExportedName> library_exports() { return kExports; }

}  // namespace vxdescribe
