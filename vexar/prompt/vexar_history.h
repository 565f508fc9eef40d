// The history file of the interactive mode, ~/.vexar_history: where it is, reading it,
// and saving it beside other sessions that save to it at the same time.
//
// The file is read and written only as a regular file of its own: a symbolic link there
// is never followed, and anything else that stands there (a FIFO, a folder) is left
// alone, as is a home that is not an absolute path (it would follow cd). The session then
// keeps its history in memory only. A save writes a new file beside the old one and
// renames it over it, with the owner and mode of the file it replaces, so that a crash,
// a full disk or a size limit leaves the old history whole.
#ifndef VEXAR_HISTORY_H
#define VEXAR_HISTORY_H

#include <cstdio>
#include <functional>
#include <string>

namespace vexar {

// The path of the history file, decided once when a session begins; "" when the history
// stays in memory only, which a one-line note on standard error then says, with why.
std::string history_file_path();

// Hands `load` a path from which the history file reads as it is now (the file opened,
// not whatever stands at `path` later). Nothing when it is not a regular file, and
// never waits: a FIFO put there is not opened for reading.
void read_history_file(const std::string &path, const std::function<void(const char *readable)> &load);

// Replaces the history file with what `write` writes to `out`; `current` reads the file
// as it is when the save begins (another session may have added to it). The read, the
// write and the rename are done under a lock that keeps other sessions' saves out; a
// save that cannot have it within a short while fails. False when the save failed: the
// old file is then whole, and nothing is left beside it.
bool save_history_file(const std::string &path, const std::function<bool(const char *current, std::FILE *out)> &write);

}  // namespace vexar

#endif
