// Every routine of the procedure table at once on 8 threads, each thread with its own
// parser and area, through the real components: the parser, the message facility with
// every trace on, the command entries that print the records. Each run must print
// exactly what it prints when it runs alone: the same record, the same messages, the
// same status.
//
// VX_CONCURRENCY_ROUNDS sets how often each thread runs each routine (default 200; the
// ThreadSanitizer job runs 10 000).

#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "libzornacmdsyn.h"
#include "libzornaks.h"
#include "libzornavx_cmdsyn.h"
#include "robust/command_lines.h"
#include "robust/output_sink.h"
#include "robust/slots.h"

namespace {

constexpr int kThreads = 8;

int Rounds() {
    const char *text = std::getenv("VX_CONCURRENCY_ROUNDS");
    const int rounds = text != nullptr ? std::atoi(text) : 0;
    return rounds > 0 ? rounds : 200;
}

// One call of a routine and what it printed when it ran alone.
struct Job {
    std::string label;
    cmd_syntax_routine_t routine;
    std::vector<std::string> words;  // after the command word
    uint32_t dispatch_flags;
    int32_t status = 0;
    vxrobust::Output output;
};

struct Ran {
    int32_t status;
    vxrobust::Output output;
};

Ran RunOnce(const Job &job, stg_area_t *area) {
    std::vector<const char *> argv;
    for (const std::string &word : job.words) argv.push_back(word.c_str());
    stg_area_reset(area);
    clp_parser_t *parser = clp_parser_create(area, static_cast<int>(argv.size()), argv.data());
    vxrobust::StartCapture();
    const int32_t status = job.routine(parser, area, job.dispatch_flags);
    return {status, vxrobust::StopCapture()};
}

// For every slot that holds a routine (but those that act on the process): the slot's
// typical lines, and its usage request. The jobs of one slot stand together.
std::vector<std::vector<Job>> JobsBySlot() {
    const std::vector<vxrobust::CommandLine> lines = vxrobust::LoadCommandLines();
    std::vector<std::vector<Job>> slots;
    for (int slot = 0; slot < VX_CMDSYN_PROC_SLOTS; ++slot) {
        const cmd_syntax_routine_t routine = vx_cmdsyn_proc_table[slot].routine;
        if (routine == nullptr || vxrobust::ActsOnProcess(routine)) continue;
        const vxrobust::NamedRoutine *named = vxrobust::RoutineInSlot(slot);
        const std::string name = named != nullptr ? named->name : "slot " + std::to_string(slot);
        std::vector<Job> jobs;
        for (const vxrobust::CommandLine &line : lines)
            if (named != nullptr && line.words[0] == name)
                jobs.push_back({line.text, routine, {line.words.begin() + 1, line.words.end()}, 0, 0, {}});
        // A slot without a typical line still runs: with no words, and with the words
        // of a line that it refuses.
        if (jobs.empty()) jobs.push_back({name + " (no words)", routine, {}, 0, 0, {}});
        jobs.push_back({name + " -no-such-flag extra", routine, {"-no-such-flag", "extra"}, 0, 0, {}});
        jobs.push_back({name + " (usage)", routine, {}, SYNTAX_USAGE_FULL, 0, {}});
        slots.push_back(std::move(jobs));
    }
    return slots;
}

class AllRoutinesAtOnce : public testing::Test {
  protected:
    static void SetUpTestSuite() {
        // Read once per process, before any thread asks.
        setenv("VX_TRACE", "all", 1);
        setenv("VX_VERBOSITY", "9", 1);
    }
};

TEST_F(AllRoutinesAtOnce, EachRunPrintsWhatItPrintsAlone) {
    std::vector<std::vector<Job>> slots = JobsBySlot();
    ASSERT_GE(slots.size(), 30u);
    stg_area_t *area = stg_area_create();
    size_t records = 0;
    for (auto &jobs : slots) {
        for (Job &job : jobs) {
            const Ran alone = RunOnce(job, area);
            job.status = alone.status;
            job.output = alone.output;
            records += job.output.out.empty() ? 0 : 1;
        }
    }
    stg_area_release(area);
    EXPECT_GT(records, 60u);

    const int rounds = Rounds();
    std::atomic<long> runs{0}, mismatches{0};
    std::mutex first_mismatch_guard;
    std::string first_mismatch;
    std::atomic<bool> go{false};
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t) {
        threads.emplace_back([&, t] {
            stg_area_t *own = stg_area_create();
            while (!go.load()) std::this_thread::yield();
            for (int round = 0; round < rounds; ++round) {
                // Each thread walks the slots from a place of its own, so that different
                // routines meet.
                for (size_t i = 0; i < slots.size(); ++i) {
                    const std::vector<Job> &jobs = slots[(i + static_cast<size_t>(t) * 5) % slots.size()];
                    const Job &job = jobs[static_cast<size_t>(round + t) % jobs.size()];
                    const Ran ran = RunOnce(job, own);
                    ++runs;
                    if (ran.status == job.status && ran.output.out == job.output.out &&
                        ran.output.err == job.output.err)
                        continue;
                    if (mismatches++ == 0) {
                        std::lock_guard<std::mutex> lock(first_mismatch_guard);
                        first_mismatch = job.label + "\nalone: " + std::to_string(job.status) + "\n" + job.output.out +
                                         job.output.err + "\nat once: " + std::to_string(ran.status) + "\n" +
                                         ran.output.out + ran.output.err;
                    }
                }
            }
            stg_area_release(own);
        });
    }
    go.store(true);
    for (std::thread &thread : threads) thread.join();

    EXPECT_EQ(runs.load(), static_cast<long>(kThreads) * rounds * static_cast<long>(slots.size()));
    EXPECT_EQ(mismatches.load(), 0) << first_mismatch;
}

// The first questions about tracing, asked by 8 threads at the same moment, get the
// same answers.
TEST_F(AllRoutinesAtOnce, TraceSettingsReadOnceForAllThreads) {
    std::atomic<bool> go{false};
    std::atomic<int> tracing{0}, verbosity_nine{0};
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t) {
        threads.emplace_back([&] {
            while (!go.load()) std::this_thread::yield();
            tracing += imsg_should_trace("vx_cmd", 1);
            verbosity_nine += imsg_get_desired_verbosity() == 9 ? 1 : 0;
        });
    }
    go.store(true);
    for (std::thread &thread : threads) thread.join();
    EXPECT_EQ(tracing.load(), kThreads);
    EXPECT_EQ(verbosity_nine.load(), kThreads);
}

}  // namespace
