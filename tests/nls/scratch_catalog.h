// Catalogs compiled by a test: a scratch folder of the test process (removed when the
// tests are done) and gencat run on a source written there.
#ifndef VX_TEST_NLS_SCRATCH_CATALOG_H
#define VX_TEST_NLS_SCRATCH_CATALOG_H

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace vxtest {

inline const std::filesystem::path &scratch() {
    static const std::filesystem::path folder = [] {
        std::filesystem::path path =
            std::filesystem::temp_directory_path() / ("vx_nls_test_" + std::to_string(getpid()));
        std::filesystem::create_directories(path);
        return path;
    }();
    return folder;
}

class ScratchCleanup : public testing::Environment {
    void TearDown() override { std::filesystem::remove_all(scratch()); }
};
inline testing::Environment *const kScratchCleanup = testing::AddGlobalTestEnvironment(new ScratchCleanup);

// Compiles `source` (gencat input) into a catalog named `name` in the scratch folder;
// returns its path, or "" when gencat failed (the failure is reported).
inline std::string compile_catalog(const std::string &name, const std::string &source) {
    const std::filesystem::path input = scratch() / (name + ".msg");
    const std::filesystem::path output = scratch() / (name + ".cat");
    std::ofstream(input, std::ios::binary) << source;
    std::filesystem::remove(output);
    const std::string command = std::string(VX_GENCAT) + " '" + output.string() + "' '" + input.string() + "'";
    const int status = std::system(command.c_str());
    EXPECT_EQ(status, 0) << command;
    return status == 0 ? output.string() : std::string();
}

}  // namespace vxtest

#endif
