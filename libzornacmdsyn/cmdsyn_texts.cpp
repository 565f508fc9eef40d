#include "cmdsyn_texts.h"

#include <array>
#include <cstdint>
#include <iterator>

namespace zornacmdsyn {
namespace {

constexpr const char *kTexts[] = {
#define ZORNACMDSYN_TEXT_STRING(name, text) text,
    ZORNACMDSYN_TEXTS(ZORNACMDSYN_TEXT_STRING)
#undef ZORNACMDSYN_TEXT_STRING
};
constexpr uint16_t kCount = static_cast<uint16_t>(std::size(kTexts));

// External numbers: a text's place in the table, counted from 1.
constexpr std::array<uint16_t, kCount> kNumbers = [] {
    std::array<uint16_t, kCount> numbers{};
    for (uint16_t index = 0; index < kCount; ++index) numbers[index] = static_cast<uint16_t>(index + 1);
    return numbers;
}();

constexpr msg_table_t kTable = {"zornacmdsyn", "cmdsyn", 63, kCount, kTexts, kNumbers.data()};

}  // namespace

const msg_table_t *texts() { return &kTable; }

}  // namespace zornacmdsyn
