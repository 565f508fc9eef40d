// The kernel services' own texts, in the form of message catalogs translated like any
// other, with the same checks: the message facility's (catalog "zornaks_imsg", set 61)
// and the parser's refusals (catalog "zornaks_clp", set 62).
#ifndef KS_TEXTS_H
#define KS_TEXTS_H

#include <cstdint>

#include "libzornaks.h"

namespace zornaks {

// Every text, one line each: its name and its English text. A text's external number in
// its catalog is its place in the list, counted from 1: add new texts at the end, so that
// the numbers of translated catalogs stay right.
#define ZORNAKS_IMSG_TEXTS(X)                                                                             \
    X(error_prefix, "%s: Error: ")                                                                        \
    X(missing_message, "internal error: no message %d in catalog \"%s\"\n")                               \
    X(malformed_verbosity,                                                                                \
      "The environment variable VX_VERBOSITY=\"%s\" is not a decimal number from 0 to 2147483647; it is " \
      "ignored.\n")                                                                                       \
    X(no_memory_for_message, "Out of memory: a message could not be printed.\n")                          \
    X(translation_refused_conversions,                                                                    \
      "Catalog %s, set %d, message %d: the translation is not used: its conversions differ from the "     \
      "built-in text's.\n")                                                                               \
    X(translation_refused_line_end,                                                                       \
      "Catalog %s, set %d, message %d: the translation is not used: it ends a line where the built-in "   \
      "text does not, or the other way round.\n")

#define ZORNAKS_CLP_TEXTS(X)                                                        \
    X(too_short, "\"%s\" is too short for %s; type at least %s\n")                  \
    X(unrecognized_did_you_mean, "Unrecognized option \"%s\"; did you mean %s?\n")  \
    X(unrecognized, "Unrecognized option \"%s\"\n")                                 \
    X(not_together, "Options \"%s\" and \"%s\" cannot be used together\n")          \
    X(out_of_memory, "internal error: out of memory reading the command line\n")    \
    X(malformed_row, "internal error: malformed flag table, row %d (\"%s\"): %s\n") \
    X(malformed_row_without_spec, "internal error: malformed flag table, row %d: %s\n")

#define ZORNAKS_TEXT_NAME(name, text) name,
#define ZORNAKS_TEXT_STRING(name, text) text,

enum class ImsgText : int { ZORNAKS_IMSG_TEXTS(ZORNAKS_TEXT_NAME) };
enum class ClpText : int { ZORNAKS_CLP_TEXTS(ZORNAKS_TEXT_NAME) };

// The tables of the facility's texts (ks_imsg.cpp) and of the parser's (ks_clp.cpp).
const msg_table_t *imsg_texts();
const msg_table_t *clp_texts();

}  // namespace zornaks

#endif
