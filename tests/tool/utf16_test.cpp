// Windows command lines arrive as UTF-16; the tool works in UTF-8.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "vexar_utf16.h"

namespace {

TEST(Utf16ToUtf8, EveryEncodedLength) {
    struct Case {
        std::u16string utf16;
        std::string utf8;
    };
    const Case cases[] = {
        {u"", ""},
        {u"lspacket", "lspacket"},
        {u"caf\u00e9", "caf\xc3\xa9"},                  // two bytes
        {u"\u65e5\u672c", "\xe6\x97\xa5\xe6\x9c\xac"},  // three bytes
        {u"\U0001F600", "\xf0\x9f\x98\x80"},            // a surrogate pair, four bytes
        {u"\u007f\u0080\u07ff\u0800\uffff", "\x7f\xc2\x80\xdf\xbf\xe0\xa0\x80\xef\xbf\xbf"},
        {u"\U00010000\U0010FFFF", "\xf0\x90\x80\x80\xf4\x8f\xbf\xbf"},
        {std::u16string(u"a\0b", 3), std::string("a\0b", 3)},
    };
    for (const Case &c : cases) EXPECT_EQ(vexar::utf8_from_utf16(c.utf16), std::optional<std::string>(c.utf8));
}

TEST(Utf16ToUtf8, UnpairedSurrogatesAreRefused) {
    const std::u16string refused[] = {
        {char16_t(0xD800)},                    // high half at the end
        {char16_t(0xD800), u'a'},              // high half before a plain character
        {char16_t(0xDC00)},                    // low half alone
        {u'x', char16_t(0xDFFF), u'y'},        // low half inside a word
        {char16_t(0xD83D), char16_t(0xD83D)},  // two high halves
        {char16_t(0xDE00), char16_t(0xD83D)},  // a pair in the wrong order
    };
    for (const std::u16string &word : refused) EXPECT_EQ(vexar::utf8_from_utf16(word), std::nullopt);
}

}  // namespace
