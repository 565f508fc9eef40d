// A scratch folder per test, removed afterwards, for the files the ecosystem tests
// hand to the tool (catalogs, argument files, home folders).
#ifndef VX_TEST_SCRATCH_H
#define VX_TEST_SCRATCH_H

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace vxtest {

class ScratchTest : public testing::Test {
  protected:
    void SetUp() override {
        const testing::TestInfo *info = testing::UnitTest::GetInstance()->current_test_info();
        std::string name = std::string(info->test_suite_name()) + "_" + info->name();
        for (char &c : name)
            if (c == '/') c = '_';
        dir_ = std::filesystem::temp_directory_path() / ("vx_" + std::to_string(getpid()) + "_" + name);
        std::filesystem::remove_all(dir_);
        std::filesystem::create_directories(dir_);
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }

    // Writes `text` to `name` in the scratch folder; returns its path.
    std::string Write(const std::string &name, const std::string &text) {
        const std::filesystem::path path = dir_ / name;
        std::filesystem::create_directories(path.parent_path());
        std::ofstream(path, std::ios::binary) << text;
        return path.string();
    }
    std::string Read(const std::string &name) const {
        std::ifstream in(dir_ / name, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    std::string Path(const std::string &name = "") const { return (dir_ / name).string(); }

  private:
    std::filesystem::path dir_;
};

template <class Param>
class ScratchTestWithParam : public ScratchTest, public testing::WithParamInterface<Param> {};

}  // namespace vxtest

#endif
