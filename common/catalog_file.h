// Where a component finds its message catalog: through NLSPATH when it is set, else in
// the installed tree beside the running program, under the locale's name as setlocale
// gives it or as `locale -a` spells it, or under its language alone; else where the C
// library looks by default. Shared by every component that opens a catalog, so that all
// find theirs the same way. Not on Windows, which has no catalogs.
#ifndef VX_COMMON_CATALOG_FILE_H
#define VX_COMMON_CATALOG_FILE_H

#include <nl_types.h>

#include <algorithm>
#include <cctype>
#include <clocale>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "program_folder.h"

namespace vx_catalog {

// True for a catalog catopen opened, false for its failure, (nl_catd)-1.
inline bool is_open(nl_catd catalog) { return catalog != reinterpret_cast<nl_catd>(-1); }

// A codeset as the C library compares them, and as `locale -a` spells it: its letters
// in lower case and its digits, nothing else ("UTF-8" is "utf8").
inline std::string normalized_codeset(std::string_view codeset) {
    std::string normalized;
    for (const char c : codeset)
        if (std::isalnum(static_cast<unsigned char>(c)) != 0)
            normalized += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return normalized;
}

// The folders a catalog of `locale` ("language[_territory][.codeset][@modifier]") may lie
// in, the closest first: the name as given, its codeset spelled as `locale -a` does
// ("fr_FR.utf8") and, for UTF-8, as LANG usually does ("fr_FR.UTF-8"), the name without
// its codeset ("fr_FR"), the language alone ("fr"). None for a name that could leave
// the folder of catalogs.
inline std::vector<std::string> locale_folders(std::string_view locale) {
    std::vector<std::string> folders;
    if (locale.empty() || locale.front() == '.' || locale.find('/') != std::string_view::npos) return folders;
    const auto add = [&folders](const std::string &folder) {
        if (!folder.empty() && std::find(folders.begin(), folders.end(), folder) == folders.end())
            folders.push_back(folder);
    };
    add(std::string(locale));
    const size_t at = locale.find('@');
    const std::string modifier(at == std::string_view::npos ? std::string_view() : locale.substr(at));
    const std::string_view name = locale.substr(0, at);
    const size_t dot = name.find('.');
    const std::string language_territory(name.substr(0, dot));
    if (dot != std::string_view::npos) {
        const std::string codeset = normalized_codeset(name.substr(dot + 1));
        add(language_territory + "." + codeset + modifier);
        if (codeset == "utf8") add(language_territory + ".UTF-8" + modifier);
    }
    add(language_territory);
    add(language_territory.substr(0, language_territory.find('_')));
    return folders;
}

// The paths catalog `name` of `locale` may have in the installed tree:
// "<program_folder><program_to_locale>/<locale folder>/LC_MESSAGES/<name>", as the
// build installs the catalogs. None when the program's folder is not known.
inline std::vector<std::string> installed_paths(const std::string &program_folder, const char *program_to_locale,
                                                std::string_view locale, const char *name) {
    std::vector<std::string> paths;
    if (program_folder.empty()) return paths;
    for (const std::string &folder : locale_folders(locale))
        paths.push_back(program_folder + program_to_locale + "/" + folder + "/LC_MESSAGES/" + name);
    return paths;
}

// Opens catalog `name` for the program's LC_MESSAGES locale. NLSPATH, when set, is
// where it is looked for; otherwise the installed tree beside the running program
// (`program_to_locale` leads there from the program's folder), and failing that the
// C library's own places. Not is_open when there is none.
inline nl_catd open_catalog(const char *name, const char *program_to_locale) {
    const char *nlspath = std::getenv("NLSPATH");
    if (nlspath == nullptr || nlspath[0] == '\0') {
        const char *locale = std::setlocale(LC_MESSAGES, nullptr);
        for (const std::string &path :
             installed_paths(vx_program::folder(), program_to_locale, locale != nullptr ? locale : "", name)) {
            const nl_catd catalog = catopen(path.c_str(), 0);  // a name with a "/" is the file's path
            if (is_open(catalog)) return catalog;
        }
    }
    // NL_CAT_LOCALE: the program's LC_MESSAGES locale names the language.
    return catopen(name, NL_CAT_LOCALE);
}

}  // namespace vx_catalog

#endif
