// Writes the gencat source of a message catalog from the table built into its component,
// so that the catalog installed beside the tool says exactly what the code says: every
// message under its external number, in the catalog's own escapes.
//
//   vx_catalog_source CATALOG OUTPUT
//
// CATALOG names the table: vexar_bin (the library's messages, set 58), vexar_tool (the
// tool's texts, set 60), zornaks_imsg (the message facility's own texts, set 61) or
// zornaks_clp (the parser's refusals, set 62) or zornacmdsyn (the shared command
// syntax's texts, set 63).

#include <cstdio>
#include <cstring>
#include <string>

#include "cmdsyn_texts.h"
#include "dispatch/vexar_messages.h"
#include "ks_texts.h"
#include "libzornavx_cmdsyn.h"

namespace {

// A text in double quotes as gencat reads it: backslash escapes for the backslash, the
// quote and control characters, so that every message stays on one line.
std::string quoted(const char *text) {
    std::string out = "\"";
    for (const char *p = text; *p != '\0'; ++p) {
        const unsigned char c = static_cast<unsigned char>(*p);
        switch (c) {
            case '\\': out += "\\\\"; break;
            case '"': out += "\\\""; break;
            case '\n': out += "\\n"; break;
            case '\t': out += "\\t"; break;
            default:
                if (c < 0x20 || c == 0x7f) {
                    char octal[5];
                    std::snprintf(octal, sizeof octal, "\\%03o", c);
                    out += octal;
                } else {
                    out += static_cast<char>(c);
                }
        }
    }
    return out + "\"";
}

// The tables with a catalog, by catalog name.
const msg_table_t *table_named(const char *name) {
    for (const msg_table_t *table : {_vx_cmdsyn_vexar_msg_table_adr(), zornaks::imsg_texts(), zornaks::clp_texts(),
                                     zornacmdsyn::texts(), vexar::tool_texts()})
        if (std::strcmp(table->catalog_name, name) == 0) return table;
    return nullptr;
}

}  // namespace

int main(int argc, char **argv) {
    const msg_table_t *table = argc == 3 ? table_named(argv[1]) : nullptr;
    if (table == nullptr) {
        std::fprintf(stderr,
                     "usage: vx_catalog_source vexar_bin|vexar_tool|zornaks_imsg|zornaks_clp|zornacmdsyn OUTPUT\n");
        return 2;
    }
    std::string source = "$ Catalog \"" + std::string(table->catalog_name) + "\", facility \"" + table->facility_name +
                         "\". Generated from the built-in table at build time: translate a copy.\n"
                         "$quote \"\n"
                         "$set " +
                         std::to_string(table->set_number) + "\n";
    for (int index = 0; index < table->count; ++index)
        source += std::to_string(table->numbers[index]) + " " + quoted(table->texts[index]) + "\n";

    std::FILE *out = std::fopen(argv[2], "wb");
    if (out == nullptr) {
        std::perror(argv[2]);
        return 1;
    }
    const bool written = std::fwrite(source.data(), 1, source.size(), out) == source.size();
    if (std::fclose(out) != 0 || !written) {
        std::perror(argv[2]);
        return 1;
    }
    return 0;
}
