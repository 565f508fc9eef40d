// Helpers of the stand-in tests: environment and working-directory guards, a parser
// over given words, and captured output.
#ifndef VX_TESTS_STANDIN_SUPPORT_H
#define VX_TESTS_STANDIN_SUPPORT_H

#include <gtest/gtest.h>
#include <stdlib.h>

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "libzornaks.h"
#include "support/captured_output.h"

namespace standin {

// Sets (or, with nullopt, removes) an environment variable for one test.
class EnvGuard {
  public:
    EnvGuard(const char *name, std::optional<std::string> value) : name_(name) {
        if (const char *old = getenv(name)) old_ = old;
        if (value) {
            setenv(name, value->c_str(), 1);
        } else {
            unsetenv(name);
        }
    }
    ~EnvGuard() {
        if (old_) {
            setenv(name_.c_str(), old_->c_str(), 1);
        } else {
            unsetenv(name_.c_str());
        }
    }

  private:
    std::string name_;
    std::optional<std::string> old_;
};

// Restores the working directory a test changes.
class CwdGuard {
  public:
    CwdGuard() : saved_(std::filesystem::current_path()) {}
    ~CwdGuard() { std::filesystem::current_path(saved_); }

  private:
    std::filesystem::path saved_;
};

// A fresh directory under the system's temporary directory, removed afterwards.
class TempDir {
  public:
    TempDir() {
        std::string pattern = (std::filesystem::temp_directory_path() / "standin-XXXXXX").string();
        path_ = mkdtemp(pattern.data());
    }
    ~TempDir() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    const std::filesystem::path &path() const { return path_; }

  private:
    std::filesystem::path path_;
};

// A parser over `words`, as a routine sees it after the command word.
class Words {
  public:
    explicit Words(std::vector<const char *> words) : area_(stg_area_create()) {
        parser_ = clp_parser_create(area_, static_cast<int>(words.size()), words.data());
    }
    ~Words() { stg_area_release(area_); }
    Words(const Words &) = delete;
    Words &operator=(const Words &) = delete;
    clp_parser_t *parser() const { return parser_; }
    stg_area_t *area() const { return area_; }

  private:
    stg_area_t *area_;
    clp_parser_t *parser_ = nullptr;
};

struct Output {
    int32_t status;
    std::string out;
    std::string err;
};

template <class Call>
Output capture(Call call) {
    int32_t status = 0;
    const vxtest::Output printed = vxtest::capture_output([&] { status = call(); });
    return {status, printed.out, printed.err};
}

}  // namespace standin

#endif
