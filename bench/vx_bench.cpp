// The benchmark suite of the syntax routines:
//   routine/LINE            the routine through the real parser, from a fresh parser to
//                           the returned status (do-nothing command entry), with the
//                           area bytes and heap allocations of one call;
//   getopt/LINE             glibc getopt_long_only on the same words;
//   lsepoch_operands/N      lsepoch with N operands;
//   process/PROGRAM         a whole process, started and waited for.
// Each runs five times, interleaved at random with the others, so that a load that
// comes and goes on the machine falls on both sides of a ratio alike; the table gives
// medians. Google Benchmark's own flags still apply (--benchmark_filter=routine/ ...).

#include <cstdio>
#include <memory>

#include "bench.h"
#include "libzornavx_cmdsyn.h"

namespace vxbench {

std::string routine_name(const Case &c) { return "routine/" + c.label; }
std::string peer_name(const Case &c) { return "getopt/" + c.label; }
std::string scaling_name(int operands) { return "lsepoch_operands/" + std::to_string(operands); }
std::string process_name(const std::string &label) { return "process/" + label; }

const std::vector<int> &scaling_operands() {
    static const std::vector<int> counts{10, 1000, 10000, 100000};
    return counts;
}

const std::vector<Program> &programs() {
    static const std::vector<Program> all = [] {
        // The yardstick first; then what each part of a start costs, alone; then the tool.
        std::vector<Program> list{
            {"do-nothing C program", {VX_BENCH_NOOP_C}},
            {"do-nothing C++ program", {VX_BENCH_NOOP_CXX}},
            {"do-nothing C, library and components", {VX_BENCH_NOOP_COMPONENTS}},
#ifdef VX_BENCH_NOOP_EDITLINE
            {"do-nothing C, line editor", {VX_BENCH_NOOP_EDITLINE}},
#endif
            {"vexar -version (loads, parses nothing)", {VX_BENCH_VEXAR, "-version"}},
            {"vexar lspacket -long p1 p2", {VX_BENCH_VEXAR, "lspacket", "-long", "p1", "p2"}},
            {"vexar mkreplica import line", {VX_BENCH_VEXAR, "mkreplica"}},
        };
        for (std::string &word : split_words(kMkreplicaImportLine)) list.back().argv.push_back(std::move(word));
        return list;
    }();
    return all;
}

namespace {

// Words as the tool hands them over: pointers to terminated texts.
struct Words {
    explicit Words(std::vector<std::string> texts) : storage(std::move(texts)) {
        for (const std::string &text : storage) pointers.push_back(text.c_str());
    }
    int count() const { return static_cast<int>(pointers.size()); }
    std::vector<std::string> storage;
    std::vector<const char *> pointers;
};

// One command line, as the tool runs one: the area emptied, a fresh parser, the routine.
int32_t run_routine(cmd_syntax_routine_t routine, stg_area_t *area, const Words &words) {
    stg_area_reset(area);
    clp_parser_t *parser = clp_parser_create(area, words.count(), words.pointers.data());
    return routine(parser, area, 0);
}

void measure_routine(benchmark::State &state, cmd_syntax_routine_t routine, const Words &words) {
    stg_area_t *area = stg_area_create();
    // The first call warms the area; a refused line would measure an error path.
    int32_t status = run_routine(routine, area, words);
    if (status != 0) {
        state.SkipWithError("the routine refused the line (status is not 0)");
        stg_area_release(area);
        return;
    }
    const uint64_t allocations_before = heap_allocations();
    for (auto _ : state) {
        status = run_routine(routine, area, words);
        benchmark::DoNotOptimize(status);
    }
    const double allocations = static_cast<double>(heap_allocations() - allocations_before);
    state.counters["area_bytes"] = static_cast<double>(stg_area_bytes_used(area));
    state.counters["heap_allocs"] = benchmark::Counter(allocations, benchmark::Counter::kAvgIterations);
    stg_area_release(area);
}

void measure_peer(benchmark::State &state, GetoptPeer &peer, const Case &c) {
    if (c.has_flag_table && peer.option_count() == 0) {
        state.SkipWithError("no flag table was captured from the routine");
        return;
    }
    if (peer.parse() != c.peer_refusals) {
        state.SkipWithError("getopt_long_only did not read the line as expected");
        return;
    }
    for (auto _ : state) benchmark::DoNotOptimize(peer.parse());
}

void measure_process(benchmark::State &state, const Program &program) {
    if (run_process(program.argv) != 0) {
        state.SkipWithError("the program did not exit with status 0");
        return;
    }
    for (auto _ : state) {
        if (run_process(program.argv) != 0) {
            state.SkipWithError("the program did not exit with status 0");
            break;
        }
    }
}

void register_routines() {
    for (const Case &c : cases()) {
        auto words = std::make_shared<Words>(split_words(c.line));
        benchmark::RegisterBenchmark(routine_name(c).c_str(), [routine = c.routine, words](benchmark::State &state) {
            measure_routine(state, routine, *words);
        })->MinTime(0.1);
        auto peer = std::make_shared<GetoptPeer>(c);
        benchmark::RegisterBenchmark(peer_name(c).c_str(), [peer, &c](benchmark::State &state) {
            measure_peer(state, *peer, c);
        })->MinTime(0.1);
    }
}

void register_scaling() {
    for (int count : scaling_operands()) {
        std::vector<std::string> texts;
        for (int i = 0; i < count; ++i) texts.push_back(std::to_string(i).append("@/vobs/t"));
        auto words = std::make_shared<Words>(std::move(texts));
        benchmark::RegisterBenchmark(scaling_name(count).c_str(), [words](benchmark::State &state) {
            measure_routine(state, vx_cmdsyn_lsepoch, *words);
            state.counters["operands"] = words->count();
        })->MinTime(0.1);
    }
}

void register_processes() {
    for (const Program &program : programs()) {
        benchmark::RegisterBenchmark(process_name(program.label).c_str(),
                                     [&program](benchmark::State &state) { measure_process(state, program); })
            ->MinTime(0.3)
            ->UseRealTime()
            ->Unit(benchmark::kMicrosecond);
    }
}

}  // namespace

}  // namespace vxbench

int main(int argc, char **argv) {
    // The suite's defaults come first, so that the same flags given on the command line
    // win over them.
    static char repetitions[] = "--benchmark_repetitions=5";
    static char interleaving[] = "--benchmark_enable_random_interleaving=true";
    std::vector<char *> arguments{argv[0], repetitions, interleaving};
    arguments.insert(arguments.end(), argv + 1, argv + argc);
    int count = static_cast<int>(arguments.size());
    arguments.push_back(nullptr);
    benchmark::Initialize(&count, arguments.data());
    if (benchmark::ReportUnrecognizedArguments(count, arguments.data())) return 1;

    vxbench::register_routines();
    vxbench::register_scaling();
    vxbench::register_processes();
    vxbench::SummaryReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
