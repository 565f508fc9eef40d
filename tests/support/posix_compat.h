// The few POSIX calls the tests use that the Windows C library lacks: setenv, unsetenv
// and mkdtemp. The Windows test build puts this header before every test source.
#ifndef VX_TEST_POSIX_COMPAT_H
#define VX_TEST_POSIX_COMPAT_H

#if defined(_WIN32) && defined(__cplusplus)

#include <direct.h>
#include <stdlib.h>
#include <string.h>

#include <random>

// _putenv_s also keeps the process environment of Windows in step. An empty value
// removes the variable there: Windows has no empty variables.
inline int setenv(const char *name, const char *value, int overwrite) {
    if (!overwrite && getenv(name) != nullptr) return 0;
    return _putenv_s(name, value) == 0 ? 0 : -1;
}

inline int unsetenv(const char *name) { return _putenv_s(name, "") == 0 ? 0 : -1; }

// Replaces the trailing "XXXXXX" of `pattern` until a new directory of that name can be
// made; returns `pattern`, or NULL when none could be.
inline char *mkdtemp(char *pattern) {
    const size_t length = strlen(pattern);
    if (length < 6 || strcmp(pattern + length - 6, "XXXXXX") != 0) return nullptr;
    static const char kLetters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    std::random_device seed;
    std::minstd_rand pick(seed());
    for (int attempt = 0; attempt < 100; ++attempt) {
        for (size_t i = length - 6; i < length; ++i) pattern[i] = kLetters[pick() % (sizeof kLetters - 1)];
        if (_mkdir(pattern) == 0) return pattern;
    }
    return nullptr;
}

#endif

#endif
