#include "prompt/vexar_filenames.h"

#if !defined(_WIN32)

#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>
#include <cstdlib>

#include "input/vexar_words.h"

namespace vexar {
namespace {

// A name as it must be typed to come out of the line's splitting unchanged.
std::string escaped(const std::string &name) {
    std::string typed;
    for (const char c : name) {
        if (c == ' ' || c == '\t' || c == '\'' || c == '"' || c == '\\' || (c == '#' && typed.empty())) typed += '\\';
        typed += c;
    }
    return typed;
}

// A word beginning with "@" names an argument file, and one beginning with "@@" stands
// for itself less the first "@": the path a word names, with that "@" taken off.
std::string path_of(const std::string &word) { return !word.empty() && word[0] == '@' ? word.substr(1) : word; }

// "~" and "~/..." with the home folder's path in place of "~", as typed; other paths,
// and any when HOME names no absolute path, as they are.
std::string with_home(const std::string &path) {
    if (path.empty() || path[0] != '~' || (path.size() > 1 && path[1] != '/')) return path;
    const char *home = std::getenv("HOME");
    if (home == nullptr || home[0] != '/') return path;
    std::string folder = home;
    folder.erase(folder.find_last_not_of('/') + 1);  // "/home/me/" as "/home/me", "/" as ""
    const std::string typed = escaped(folder) + path.substr(1);
    return typed.empty() ? "/" : typed;
}

// What a typed part of a path names: its quotes and escapes undone.
std::string named_by(const std::string &typed) {
    const SplitLine split = split_words(typed);
    return split.error == SplitError::none && split.words.size() == 1 ? split.words[0] : typed;
}

// The word that names `path` as the word `current` does: an argument file after "@",
// and a path beginning with "@" with another "@" before it, so that it is not read as
// one ("@@notes" for the file "@notes").
std::string word_for(const std::string &current, const std::string &path) {
    const bool at_word = !current.empty() && current[0] == '@';
    return at_word || (!path.empty() && path[0] == '@') ? "@" + path : path;
}

}  // namespace

std::vector<std::string> file_name_completions(const std::string &current) {
    const std::string path = with_home(path_of(current));
    const std::size_t slash = path.rfind('/');
    const std::string folder = slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
    const std::string start = named_by(path.substr(folder.size()));
    const std::string folder_path = named_by(folder);
    DIR *listing = opendir(folder.empty() ? "." : folder_path.c_str());
    if (listing == nullptr) return {};
    std::vector<std::string> found;
    while (const dirent *entry = readdir(listing)) {
        const std::string name = entry->d_name;
        if (name == "." || name == ".." || name.compare(0, start.size(), start) != 0) continue;
        if (name[0] == '.' && (start.empty() || start[0] != '.')) continue;
        struct stat info {};
        const bool is_folder = stat((folder_path + name).c_str(), &info) == 0 && S_ISDIR(info.st_mode);
        found.push_back(word_for(current, folder + escaped(name) + (is_folder ? "/" : "")));
    }
    closedir(listing);
    std::sort(found.begin(), found.end());
    return found;
}

}  // namespace vexar

#else

namespace vexar {

std::vector<std::string> file_name_completions(const std::string &) { return {}; }

}  // namespace vexar

#endif
