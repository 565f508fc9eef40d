// What a piece of code printed on standard output and standard error, caught with
// GoogleTest's capture of both streams.
#ifndef VX_TEST_CAPTURED_OUTPUT_H
#define VX_TEST_CAPTURED_OUTPUT_H

#include <gtest/gtest.h>

#include <string>

namespace vxtest {

struct Output {
    std::string out;
    std::string err;
};

template <class Print>
Output capture_output(Print print) {
    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();
    print();
    Output output;
    output.out = testing::internal::GetCapturedStdout();
    output.err = testing::internal::GetCapturedStderr();
    return output;
}

}  // namespace vxtest

#endif
