// The suite's output: one line per benchmark as it finishes, then the tables.

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <ostream>

#include "bench.h"

namespace vxbench {

namespace {

std::string format(const char *pattern, ...) {
    char buffer[512];
    va_list arguments;
    va_start(arguments, pattern);
    std::vsnprintf(buffer, sizeof buffer, pattern, arguments);
    va_end(arguments);
    return buffer;
}

std::string duration(double ns) {
    if (ns < 10e3) return format("%.1f ns", ns);
    if (ns < 10e6) return format("%.1f us", ns / 1e3);
    return format("%.2f ms", ns / 1e6);
}

double median_of(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const size_t middle = values.size() / 2;
    return values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

}  // namespace

bool SummaryReporter::ReportContext(const Context &context) {
    PrintBasicContext(&GetOutputStream(), context);
    GetOutputStream()
        << "\nEach benchmark: the median of its repetitions (CPU time of a routine, wall time of a process),\n"
           "and their spread ((max - min) / median).\n";
    return true;
}

void SummaryReporter::ReportRuns(const std::vector<Run> &runs) {
    if (runs.empty()) return;
    const std::string name = runs.front().run_name.function_name;
    std::vector<double> times;
    Median median;
    for (const Run &run : runs) {
        if (run.run_type != Run::RT_Iteration) continue;
        if (run.error_occurred) {
            GetOutputStream() << format("  %-64s FAILED: %s\n", name.c_str(), run.error_message.c_str());
            return;
        }
        // Processes are timed by the clock on the wall; a routine by the CPU time of its
        // thread, which a busy machine disturbs less.
        const bool wall = run.run_name.time_type == "real_time";
        const double time = wall ? run.GetAdjustedRealTime() : run.GetAdjustedCPUTime();
        times.push_back(time / benchmark::GetTimeUnitMultiplier(run.time_unit) * 1e9);
        // A per-call figure of any repetition counts: one allocation is one too many.
        for (const auto &[key, counter] : run.counters)
            median.counters[key] = std::max(median.counters[key], static_cast<double>(counter.value));
    }
    if (times.empty()) return;
    median.ns = median_of(times);
    const auto [lowest, highest] = std::minmax_element(times.begin(), times.end());
    median.spread_percent = median.ns > 0 ? (*highest - *lowest) / median.ns * 100 : 0;
    GetOutputStream() << format("  %-64s %12s  spread %5.1f%%\n", name.c_str(), duration(median.ns).c_str(),
                                median.spread_percent);
    GetOutputStream().flush();
    medians_[name] = median;
}

const SummaryReporter::Median *SummaryReporter::find(const std::string &name) const {
    const auto found = medians_.find(name);
    return found == medians_.end() ? nullptr : &found->second;
}

void SummaryReporter::Finalize() {
    print_routines();
    print_scaling();
    print_processes();
}

void SummaryReporter::print_routines() const {
    std::ostream &out = GetOutputStream();
    out << "\nSyntax routines through the real parser (do-nothing command entry), beside glibc getopt_long_only\n"
           "on the same words (medians; target: under 1 us a call on every line)\n\n";
    out << format("%-32s %10s %10s %12s %11s %12s  %s\n", "line", "ours ns", "getopt ns", "ours/getopt", "area B/call",
                  "heap allocs", "target");
    for (const Case &c : cases()) {
        const Median *ours = find(routine_name(c));
        const Median *peer = find(peer_name(c));
        if (ours == nullptr || peer == nullptr) continue;
        const double ratio = ours->ns / peer->ns;
        std::string verdict = "ok";
        if (c.max_ratio > 0 && ratio > c.max_ratio) verdict = format("missed (ratio > %.1f)", c.max_ratio);
        if (c.max_ns > 0 && ours->ns > c.max_ns) verdict = format("missed (over %.0f ns)", c.max_ns);
        const auto counter = [&](const char *key) {
            const auto found = ours->counters.find(key);
            return found == ours->counters.end() ? 0.0 : found->second;
        };
        out << format("%-32s %10.1f %10.1f %12.2f %11.0f %12.2f  %s\n", c.label.c_str(), ours->ns, peer->ns, ratio,
                      counter("area_bytes"), counter("heap_allocs"), verdict.c_str());
    }
    out << "\nThe lines (the words after the command word):\n";
    for (const Case &c : cases())
        if (find(routine_name(c)) != nullptr) out << format("  %-32s %s\n", c.label.c_str(), c.line.c_str());
}

void SummaryReporter::print_scaling() const {
    std::ostream &out = GetOutputStream();
    const Median *base = find(scaling_name(1000));
    if (base == nullptr) return;
    const double base_per_operand = base->ns / 1000;
    out << "\nlsepoch with N operands (target: ns per operand within 2x of the 1 000-operand figure)\n\n";
    out << format("%10s %14s %12s %10s %12s %14s\n", "operands", "per call", "ns/operand", "vs 1 000", "heap allocs",
                  "area B/call");
    for (int count : scaling_operands()) {
        const Median *m = find(scaling_name(count));
        if (m == nullptr) continue;
        const double per_operand = m->ns / count;
        out << format("%10d %14s %12.1f %10.2f %12.2f %14.0f\n", count, duration(m->ns).c_str(), per_operand,
                      per_operand / base_per_operand, m->counters.at("heap_allocs"), m->counters.at("area_bytes"));
    }
}

void SummaryReporter::print_processes() const {
    std::ostream &out = GetOutputStream();
    const Median *yardstick = find(process_name(programs().front().label));
    if (yardstick == nullptr) return;
    out << "\nWhole processes, started with posix_spawn and waited for, output to /dev/null (medians; target:\n"
           "one vexar command within 2x the do-nothing C program)\n\n";
    out << format("%-44s %10s %12s %16s\n", "program", "us", "us over C", "/ do-nothing C");
    for (const Program &program : programs()) {
        const Median *m = find(process_name(program.label));
        if (m == nullptr) continue;
        out << format("%-44s %10.0f %12.0f %16.2f\n", program.label.c_str(), m->ns / 1e3, (m->ns - yardstick->ns) / 1e3,
                      m->ns / yardstick->ns);
    }
}

}  // namespace vxbench
