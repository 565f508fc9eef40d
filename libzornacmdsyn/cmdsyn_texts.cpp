#include "cmdsyn_texts.h"

#include <cstdint>
#include <iterator>

#include "catalog_text.h"

namespace zornacmdsyn {
namespace {

constexpr const char *kTexts[] = {
#define ZORNACMDSYN_TEXT_STRING(name, text) text,
    ZORNACMDSYN_TEXTS(ZORNACMDSYN_TEXT_STRING)
#undef ZORNACMDSYN_TEXT_STRING
};
constexpr uint16_t kCount = static_cast<uint16_t>(std::size(kTexts));

constexpr auto kNumbers = vx_catalog::numbers_from_one<kCount>();

constexpr msg_table_t kTable = {"zornacmdsyn", "cmdsyn", 63, kCount, kTexts, kNumbers.data()};

}  // namespace

const msg_table_t *texts() { return &kTable; }

int32_t out_of_memory() {
    print(IMSG_SEV_ERROR, Text::no_memory);
    return 1;
}

}  // namespace zornacmdsyn
