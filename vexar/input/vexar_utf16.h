// UTF-16 text, as Windows hands out command lines, turned into the UTF-8 the tool and
// the libraries work in.
#ifndef VEXAR_UTF16_H
#define VEXAR_UTF16_H

#include <optional>
#include <string>
#include <string_view>

namespace vexar {

// The UTF-8 form of `text`, or nothing when it holds a surrogate that is not part of a
// pair (such a word has no UTF-8 form, and guessing one would change it silently).
std::optional<std::string> utf8_from_utf16(std::u16string_view text);

}  // namespace vexar

#endif
