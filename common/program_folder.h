// The folder of the running program: the installed tree (and the build tree, laid out
// as it) is found from there, so that it works wherever it was put.
#ifndef VX_COMMON_PROGRAM_FOLDER_H
#define VX_COMMON_PROGRAM_FOLDER_H

#if defined(_WIN32)
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#else
#include <unistd.h>
#endif

#include <string>

namespace vx_program {

// The folder of the running program, with a separator after it; empty when the
// platform does not say.
inline std::string folder() {
    std::string path(4096, '\0');
#if defined(_WIN32)
    const DWORD got = GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (got == 0 || got >= path.size()) return {};
    path.resize(got);
#elif defined(__linux__)
    const ssize_t got = readlink("/proc/self/exe", path.data(), path.size());
    if (got <= 0 || static_cast<size_t>(got) >= path.size()) return {};
    path.resize(static_cast<size_t>(got));
#else
    return {};
#endif
    const size_t separator = path.find_last_of("/\\");
    return separator == std::string::npos ? std::string() : path.substr(0, separator + 1);
}

}  // namespace vx_program

#endif
