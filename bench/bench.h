// The pieces of the benchmark suite: the command lines measured, the getopt_long_only
// peer, the heap counter, process timing and the summary table.
#ifndef VX_BENCH_BENCH_H
#define VX_BENCH_BENCH_H

#include <benchmark/benchmark.h>
#include <getopt.h>

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "libzornacmdsyn.h"

namespace vxbench {

// A command line measured through a syntax routine and through the peer.
struct Case {
    std::string label;  // the row of the table
    std::string line;   // the words after the command word, separated by blanks
    cmd_syntax_routine_t routine;
    // The flags of the line that take a value (full names, blank-separated): the peer's
    // option table has no other way to know it.
    std::string value_flags;
    // Words getopt_long_only cannot resolve, being unable to tell a flag's shortest
    // abbreviation (it answers '?' and reads on): counted, so the check still holds.
    int peer_refusals = 0;
    // False for the routines that read no flag table (apropos, chshipconfig): the peer
    // then has no option either.
    bool has_flag_table = true;
    // Targets: the routine under `max_ns` a call; ours/getopt at most `max_ratio` (0:
    // none; on a short line the fixed costs of a call are the whole call).
    double max_ratio = 0;
    double max_ns = 1000;
};

// mkreplica's import line with full flag names, measured as a routine and as a process.
extern const char *const kMkreplicaImportLine;

// Every command, on a typical full line; mkreplica also with abbreviated flags.
const std::vector<Case> &cases();

// The words of a blank-separated line.
std::vector<std::string> split_words(const std::string &line);

// Heap allocations of the whole process so far (malloc, calloc, realloc, aligned
// forms; operator new goes through malloc).
uint64_t heap_allocations();

// glibc getopt_long_only over a case's words, with an option table of the flags the
// routine's own table declares, single-dash long options, each value stored.
class GetoptPeer {
  public:
    explicit GetoptPeer(const Case &c);
    // One parse, as a program parses its command line: fresh scan, every option's
    // value and every operand stored. Returns the number of words answered with '?'.
    int parse();
    // The routine's flags the table was built from (for the check of the peer itself).
    size_t option_count() const { return names_.size(); }

  private:
    std::vector<std::string> names_;
    std::vector<option> options_;
    std::vector<std::string> words_;
    std::vector<char *> argv_template_;
    std::vector<char *> argv_;
    std::vector<const char *> values_;
    std::vector<const char *> operands_;
};

// Runs a program to completion with its output thrown away. Returns its exit status,
// or -1 when it could not be started or did not exit normally.
int run_process(const std::vector<std::string> &argv);

// Shows one line per benchmark as it finishes (its median), then the tables: each
// routine beside its peer with the ratio, operand scaling, and the process starts.
class SummaryReporter : public benchmark::BenchmarkReporter {
  public:
    bool ReportContext(const Context &context) override;
    void ReportRuns(const std::vector<Run> &runs) override;
    void Finalize() override;

  private:
    struct Median {
        double ns = 0;              // per call: CPU time of a routine, wall time of a process
        double spread_percent = 0;  // (max - min) / median of the repetitions
        std::map<std::string, double> counters;
    };
    std::map<std::string, Median> medians_;
    const Median *find(const std::string &name) const;
    void print_routines() const;
    void print_scaling() const;
    void print_processes() const;
};

// Names of the benchmarks, as the summary finds them again.
std::string routine_name(const Case &c);
std::string peer_name(const Case &c);
std::string scaling_name(int operands);
std::string process_name(const std::string &label);

// The operand counts of the scaling run, and the programs of the process run.
const std::vector<int> &scaling_operands();
struct Program {
    std::string label;
    std::vector<std::string> argv;
};
const std::vector<Program> &programs();

}  // namespace vxbench

#endif
