// The peer: glibc getopt_long_only on the same words, with an option table of the
// flags the routine's own table declares (as the tool's syntax table describes it).

#include <algorithm>
#include <cstring>

#include "bench.h"
#include "dispatch/vexar_syntax.h"
#include "libzornaks.h"
#include "libzornavx_cmdsyn.h"

namespace vxbench {

namespace {

// The full names of a routine's flags, in table order, from the tool's syntax table.
std::vector<std::string> flag_names(const Case &c) {
    std::vector<std::string> names;
    if (!c.has_flag_table) return names;
    for (int32_t slot = 0; slot < VX_CMDSYN_PROC_SLOTS; ++slot) {
        if (vx_cmdsyn_proc_table[slot].routine != c.routine) continue;
        if (const vexar::syntax::Command *command = vexar::syntax::command_in_slot(slot))
            for (const vexar::syntax::Flag &flag : command->flags) names.emplace_back(flag.name + 1);  // no "-"
        break;
    }
    return names;
}

}  // namespace

GetoptPeer::GetoptPeer(const Case &c) : names_(flag_names(c)) {
    const std::vector<std::string> valued = split_words(c.value_flags);
    for (const std::string &name : names_) {
        const bool takes_value = std::find(valued.begin(), valued.end(), name) != valued.end();
        options_.push_back({name.c_str(), takes_value ? required_argument : no_argument, nullptr, 0});
    }
    options_.push_back({nullptr, 0, nullptr, 0});

    words_.push_back("vexar");
    for (std::string &word : split_words(c.line)) words_.push_back(std::move(word));
    for (std::string &word : words_) argv_template_.push_back(word.data());
    argv_template_.push_back(nullptr);
    argv_.resize(argv_template_.size());
    values_.resize(names_.size());
    operands_.reserve(words_.size());
}

int GetoptPeer::parse() {
    // getopt_long_only moves the operands behind the options: each parse starts from
    // the words as typed. optind 0 asks for a fresh scan, as at a program's start.
    std::copy(argv_template_.begin(), argv_template_.end(), argv_.begin());
    const int argc = static_cast<int>(words_.size());
    optind = 0;
    opterr = 0;
    std::fill(values_.begin(), values_.end(), nullptr);
    operands_.clear();
    int refusals = 0;
    int index = -1;
    int result;
    while ((result = getopt_long_only(argc, argv_.data(), "", options_.data(), &index)) != -1) {
        if (result == '?' || index < 0) {
            ++refusals;
        } else {
            values_[static_cast<size_t>(index)] = optarg != nullptr ? optarg : "";
        }
        index = -1;
    }
    for (int i = optind; i < argc; ++i) operands_.push_back(argv_[static_cast<size_t>(i)]);
    benchmark::DoNotOptimize(values_.data());
    benchmark::DoNotOptimize(operands_.data());
    return refusals;
}

}  // namespace vxbench
