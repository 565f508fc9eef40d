#include "vexar_filenames.h"

#if !defined(_WIN32)

#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>

namespace vexar {
namespace {

bool is_operand(const std::vector<std::string> &before, const std::string &current) {
    if (before.empty()) return false;  // the command word itself
    if (current.empty() || current[0] != '-') return true;
    return std::find(before.begin() + 1, before.end(), "--") != before.end();
}

// A name as it must be typed to come out of the line's splitting unchanged.
std::string escaped(const std::string &name) {
    std::string typed;
    for (const char c : name) {
        if (c == ' ' || c == '\t' || c == '\'' || c == '"' || c == '\\' || (c == '#' && typed.empty())) typed += '\\';
        typed += c;
    }
    return typed;
}

}  // namespace

std::vector<std::string> operand_completions(const std::vector<std::string> &before, const std::string &current) {
    if (!is_operand(before, current)) return {};
    const std::size_t slash = current.rfind('/');
    const std::string folder = slash == std::string::npos ? std::string() : current.substr(0, slash + 1);
    const std::string start = current.substr(folder.size());
    DIR *listing = opendir(folder.empty() ? "." : folder.c_str());
    if (listing == nullptr) return {};
    std::vector<std::string> found;
    while (const dirent *entry = readdir(listing)) {
        const std::string name = entry->d_name;
        if (name == "." || name == ".." || name.compare(0, start.size(), start) != 0) continue;
        if (name[0] == '.' && (start.empty() || start[0] != '.')) continue;
        struct stat info {};
        const bool is_folder = stat((folder + name).c_str(), &info) == 0 && S_ISDIR(info.st_mode);
        found.push_back(folder + escaped(name) + (is_folder ? "/" : ""));
    }
    closedir(listing);
    std::sort(found.begin(), found.end());
    return found;
}

}  // namespace vexar

#else

namespace vexar {

std::vector<std::string> operand_completions(const std::vector<std::string> &, const std::string &) { return {}; }

}  // namespace vexar

#endif
