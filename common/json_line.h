// Records as one JSON line: the form in which the stand-ins print the records they are
// handed, shared by every stand-in that prints one.
#ifndef VX_COMMON_JSON_LINE_H
#define VX_COMMON_JSON_LINE_H

#include <cstddef>
#include <cstdio>
#include <nlohmann/json.hpp>
#include <string>
#include <string_view>

#include "utf8.h"

namespace vx_json {

inline void append_escape(std::string &out, unsigned code) {
    char escape[8];
    std::snprintf(escape, sizeof escape, "\\u%04x", code);
    out += escape;
}

// A JSON string as the records write it: UTF-8 kept as it is, quotes, backslashes and
// control characters escaped, and each byte that is not part of well-formed UTF-8
// written as the lone low surrogate U+DC00 + byte ("\udcff" for 0xFF). No UTF-8 text
// ever yields such a surrogate, so the original bytes can always be recovered.
inline void append_string(std::string &out, std::string_view text) {
    out += '"';
    while (!text.empty()) {
        const unsigned char c = static_cast<unsigned char>(text[0]);
        const std::size_t length = vx_utf8::sequence_length(text);
        if (length == 0) {
            append_escape(out, 0xDC00 + c);
            text.remove_prefix(1);
            continue;
        }
        switch (c) {
            case '"': out += "\\\""; break;
            case '\\': out += "\\\\"; break;
            case '\b': out += "\\b"; break;
            case '\f': out += "\\f"; break;
            case '\n': out += "\\n"; break;
            case '\r': out += "\\r"; break;
            case '\t': out += "\\t"; break;
            default:
                if (c < 0x20)
                    append_escape(out, c);
                else
                    out.append(text.substr(0, length));
        }
        text.remove_prefix(length);
    }
    out += '"';
}

// The compact form of nlohmann's dump, with texts written by append_string.
inline void append_json(std::string &out, const nlohmann::ordered_json &value) {
    if (value.is_string()) {
        append_string(out, value.get_ref<const std::string &>());
    } else if (value.is_object()) {
        out += '{';
        bool first = true;
        for (const auto &[name, member] : value.items()) {
            if (!first) out += ',';
            first = false;
            append_string(out, name);
            out += ':';
            append_json(out, member);
        }
        out += '}';
    } else if (value.is_array()) {
        out += '[';
        for (std::size_t i = 0; i < value.size(); ++i) {
            if (i != 0) out += ',';
            append_json(out, value[i]);
        }
        out += ']';
    } else {
        out += value.dump();  // numbers, booleans, null
    }
}

// The compact one-line form of `value` (no newline).
inline std::string line(const nlohmann::ordered_json &value) {
    std::string out;
    append_json(out, value);
    return out;
}

}  // namespace vx_json

#endif
