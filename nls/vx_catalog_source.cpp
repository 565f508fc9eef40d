// Writes the gencat source of the vexar message catalog (set 58) from the table built
// into the library, so that the catalog installed beside the tool says exactly what the
// code says: every message under its external number, in the catalog's own escapes.
//
//   vx_catalog_source OUTPUT

#include <cstdio>
#include <string>

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

}  // namespace

int main(int argc, char **argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: vx_catalog_source OUTPUT\n");
        return 2;
    }
    const msg_table_t *table = _vx_cmdsyn_vexar_msg_table_adr();
    std::string source = "$ Catalog \"" + std::string(table->catalog_name) + "\", facility \"" + table->facility_name +
                         "\". Generated from the library's built-in table at build time: translate a copy.\n"
                         "$quote \"\n"
                         "$set " +
                         std::to_string(table->set_number) + "\n";
    for (int index = 0; index < table->count; ++index)
        source += std::to_string(table->numbers[index]) + " " + quoted(table->texts[index]) + "\n";

    std::FILE *out = std::fopen(argv[1], "wb");
    if (out == nullptr) {
        std::perror(argv[1]);
        return 1;
    }
    const bool written = std::fwrite(source.data(), 1, source.size(), out) == source.size();
    if (std::fclose(out) != 0 || !written) {
        std::perror(argv[1]);
        return 1;
    }
    return 0;
}
