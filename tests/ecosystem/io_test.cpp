// The tool against failing streams and hostile input sizes: output that cannot be
// written, input that cannot be read, inputs past every limit under a memory cap, and
// argument files that are pipes.

#include <sys/stat.h>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include "ecosystem/scratch.h"
#include "tool/vexar_run.h"

namespace vxtest {
namespace {

ProcessResult RunTool(const std::vector<std::string> &args, ProcessOptions options) {
    options.unset_env = kToolVariables;
    return run_process(VEXAR_PATH, args, options);
}

// The tool with its address space capped at `kilobytes`.
ProcessResult RunCapped(int kilobytes, const std::vector<std::string> &args, ProcessOptions options = {}) {
    std::vector<std::string> shell_args = {"-c", "ulimit -v " + std::to_string(kilobytes) + "; exec \"$0\" \"$@\"",
                                           VEXAR_PATH};
    shell_args.insert(shell_args.end(), args.begin(), args.end());
    options.unset_env = kToolVariables;
    return run_process("/bin/sh", shell_args, options);
}

bool UnderAddressSanitizer() {
#if defined(__SANITIZE_ADDRESS__)
    return true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
    return true;
#endif
#endif
    return false;
}

std::size_t Count(const std::string &text, const std::string &part) {
    std::size_t count = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++count;
    return count;
}

struct FailingOutput {
    const char *name;
    Output output;
    int reason;
};

const FailingOutput kFailingOutputs[] = {
    {"full_device", Output::full_device, ENOSPC},
    {"closed", Output::closed, EBADF},
    {"reader_gone", Output::reader_gone, EPIPE},
};

struct Printing {
    const char *name;
    std::vector<std::string> args;
    std::optional<std::string> input;
};

class OutputFailure : public ScratchTest {};

// Whatever printed it, output that did not arrive is one message naming standard output
// and the reason, and status 1; piped input stops at the line whose output failed.
TEST_F(OutputFailure, EveryModeReportsItOnceWithStatusOne) {
    Write("doc/help/vx_admin/vr_lspacket", "LSPACKET(1)\n");
    const Printing printings[] = {
        {"record", {"lspacket", "p1"}, std::nullopt},
        {"piped_lines", {}, "lspacket p1\nbogus\n"},
        {"help_list", {"help"}, std::nullopt},
        {"usage", {"help", "lspacket"}, std::nullopt},
        {"page", {"man", "lspacket"}, std::nullopt},
        {"version", {"-version"}, std::nullopt},
        {"complete_words", {"--complete-words"}, std::nullopt},
        {"complete_flags", {"--complete-flags", "lspacket"}, std::nullopt},
        {"complete", {"--complete", "lspacket", "-l"}, std::nullopt},
    };
    for (const FailingOutput &failing : kFailingOutputs) {
        for (const Printing &printing : printings) {
            ProcessOptions options;
            options.stdout_to = failing.output;
            options.stdin_text = printing.input;
            options.set_env = {{"VX_HELP_ROOT", Path()}};
            const ProcessResult r = RunTool(printing.args, options);
            const std::string expected =
                std::string("Cannot write to standard output: ") + std::strerror(failing.reason);
            EXPECT_EQ(r.status, 1) << failing.name << " / " << printing.name << "\n" << r.err;
            EXPECT_EQ(Count(r.err, expected), 1u) << failing.name << " / " << printing.name << "\n" << r.err;
            EXPECT_EQ(r.err.find("bogus"), std::string::npos) << failing.name << ": line 2 ran\n" << r.err;
        }
    }
}

class InputFailure : public ScratchTest {};

// Standard input that cannot be read is a line that could not be read, not its end.
TEST_F(InputFailure, IsReportedWithItsReasonAndStatusTwo) {
    const struct {
        const char *name;
        std::optional<std::string> path;
        int reason;
    } cases[] = {{"folder", Path(), EISDIR}, {"closed", std::nullopt, EBADF}};
    for (const auto &c : cases) {
        ProcessOptions options;
        options.stdin_path = c.path;
        options.stdin_closed = !c.path;
        const ProcessResult r = RunTool({}, options);
        EXPECT_EQ(r.status, 2) << c.name;
        EXPECT_NE(r.err.find(std::string("Cannot read standard input: ") + std::strerror(c.reason)), std::string::npos)
            << c.name << "\n"
            << r.err;
    }
}

// Under qemu-user (a 32-bit program where the kernel hands 32-bit programs to the
// emulator) an address-space cap bounds the emulator itself, which then fails on its own.
bool UnderUserModeEmulator() {
    if (sizeof(void *) != 4) return false;
    std::ifstream registration("/proc/sys/fs/binfmt_misc/qemu-i386");
    std::string state;
    return registration >> state && state == "enabled";
}

class MemoryBound : public ScratchTest {
  protected:
    void SetUp() override {
        if (UnderAddressSanitizer()) GTEST_SKIP() << "the address sanitizer reserves more than any cap allows";
        if (UnderUserModeEmulator()) GTEST_SKIP() << "a cap would bound the emulator the tool runs in";
        ScratchTest::SetUp();
    }
    // An argument file of `count` one-letter lines.
    std::string WriteOneLetterLines(const std::string &name, std::size_t count) {
        std::string text;
        text.reserve(2 * count);
        for (std::size_t i = 0; i < count; ++i) text += "a\n";
        return Write(name, text);
    }
    static constexpr std::size_t kSixteenMiB = std::size_t{16} << 20;
    static constexpr std::size_t kMostWords = std::size_t{1} << 20;
};

// What the tool takes stays a bounded multiple of what it was handed, and what goes past
// a limit is refused with a message, never an abort.
TEST_F(MemoryBound, InputsPastEveryLimitAreRefusedUnderACap) {
    // The most words a command line holds (the command word and the file's), and the
    // largest argument file, of one-letter words both: that file holds eight times the
    // words a command line may.
    const std::string most = WriteOneLetterLines("most", kMostWords - 1);
    const std::string largest = WriteOneLetterLines("largest", kSixteenMiB / 2);
    const struct {
        const char *name;
        std::vector<std::string> args;
        std::optional<std::string> stdin_path;
        int kilobytes;
        int status;
        const char *message;
    } cases[] = {
        {"endless_line", {}, "/dev/zero", 200000, 2, "The line is longer than 16 MiB"},
        {"most_words_run", {"lspacket", "@" + most}, std::nullopt, 200000, 0, ""},
        {"one_word_more_is_refused",
         {"lspacket", "@" + most, "b"},
         std::nullopt,
         200000,
         2,
         "holds more than 1048576 words or 32 MiB of text"},
        {"largest_file_is_refused", {"lspacket", "@" + largest}, std::nullopt, 200000, 2, "more than 1048576 words"},
        {"largest_files_are_refused",
         {"lspacket", "@" + largest, "@" + largest, "@" + largest, "@" + largest},
         std::nullopt,
         200000,
         2,
         "more than 1048576 words"},
    };
    for (const auto &c : cases) {
        ProcessOptions options;
        options.stdin_path = c.stdin_path;
        const ProcessResult r = RunCapped(c.kilobytes, c.args, options);
        EXPECT_EQ(r.status, c.status) << c.name << "\n" << r.err;
        EXPECT_NE(r.err.find(c.message), std::string::npos) << c.name << "\n" << r.err;
        if (c.status == 0) {
            EXPECT_EQ(Count(r.out, "\"a\""), kMostWords - 1) << c.name;
        }
    }
}

// Memory may run out in the tool, in the parser, in the routine's area, in a generic
// command or in the record's writer, depending on the cap: wherever it does, the tool
// says so and exits 1, never 2 (a refused command line) and never with a signal.
TEST_F(MemoryBound, WhateverTheCapTheCommandRunsOrSaysMemoryRanOut) {
    const std::string most = WriteOneLetterLines("most", kMostWords - 1);
    for (const char *command : {"lspacket", "lsreplica"}) {
        int ran = 0, ran_out = 0;
        for (int kilobytes = 10000; kilobytes <= 150000; kilobytes += 5000) {
            const ProcessResult r = RunCapped(kilobytes, {command, "@" + most}, {});
            const std::string label = std::string(command) + " at " + std::to_string(kilobytes) + " kB\n" + r.err;
            if (r.status == 0) {
                ++ran;
                EXPECT_EQ(Count(r.out, "\"a\""), kMostWords - 1) << label;
                continue;
            }
            ++ran_out;
            EXPECT_EQ(r.status, 1) << label;
            EXPECT_NE(r.err.find("memory"), std::string::npos) << label;
            EXPECT_EQ(Count(r.err, "vexar: Error: "), 1u) << label;
        }
        EXPECT_GT(ran, 0) << command;
        EXPECT_GT(ran_out, 0) << command;
    }
}

// A page is copied out in pieces: one larger than the cap is shown whole.
TEST_F(MemoryBound, APageLargerThanTheCapIsShownWhole) {
    const std::string line = "packets are listed\n";
    std::string page;
    while (page.size() < std::size_t{64} << 20) page += line;
    Write("doc/help/vx_admin/vr_lspacket", page);
    ProcessOptions options;
    options.set_env = {{"VX_HELP_ROOT", Path()}};
    options.unset_env = kToolVariables;
    std::vector<std::string> args = {"-c", "ulimit -v 40000; exec \"$0\" man lspacket", VEXAR_PATH};
    const ProcessResult r = run_process("/bin/sh", args, options);
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out.size(), page.size());
}

class ArgumentPipe : public ScratchTest {};

// A pipe that no process writes to never holds the tool; one with a writer is read.
TEST_F(ArgumentPipe, WithoutAWriterIsRefusedAtOnceWithOneIsRead) {
    const std::string fifo = Path("fifo");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0) << std::strerror(errno);
    ProcessOptions no_writer;
    no_writer.timeout_ms = 5000;
    const ProcessResult refused = RunTool({"lspacket", "@" + fifo}, no_writer);
    EXPECT_FALSE(refused.timed_out);
    EXPECT_EQ(refused.status, 2);
    EXPECT_NE(refused.err.find("a pipe that no process writes to"), std::string::npos) << refused.err;

    ProcessOptions writer;
    writer.stdin_text = "p1 p2\n";
    const ProcessResult read = RunTool({"lspacket", "@/dev/stdin"}, writer);
    EXPECT_EQ(read.status, 0) << read.err;
    EXPECT_NE(read.out.find(R"("packets":["p1","p2"])"), std::string::npos) << read.out;
}

}  // namespace
}  // namespace vxtest
