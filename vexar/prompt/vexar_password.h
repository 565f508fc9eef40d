// The password flag as the history must keep it out: lines that hold it are run but
// never kept.
#ifndef VEXAR_PASSWORD_H
#define VEXAR_PASSWORD_H

#include <string_view>

namespace vexar {

// True when a line must stay out of the history: one of its words, ignoring case,
// leading dashes and anything from "=" on, begins the password flag's name as far as
// its shortest spelling ("-PASSWORD", "--password", "-pas=x"), so that a misspelt or
// misplaced flag keeps its password out too. A line that cannot be split is judged by
// its text: any place in it that begins so.
bool holds_password(std::string_view line);

}  // namespace vexar

#endif
