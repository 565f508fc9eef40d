// The peer: glibc getopt_long_only on the same words, with an option table of the
// flags the routine's own table declares.

#include <algorithm>
#include <cstring>

#include "bench.h"
#include "libzornaks.h"

namespace vxbench {

namespace {

// The full names of a routine's flags, in table order, as a capturing parser keeps them.
std::vector<std::string> captured_flag_names(const Case &c) {
    std::vector<std::string> names;
    if (!c.has_flag_table) return names;
    stg_area_t *area = stg_area_create();
    clp_parser_t *capture = clp_parser_create_capture(area);
    c.routine(capture, area, 0);
    for (int i = 0; const char *name = clp_captured_flag(capture, i); ++i) names.emplace_back(name + 1);  // no "-"
    stg_area_release(area);
    return names;
}

}  // namespace

GetoptPeer::GetoptPeer(const Case &c) : names_(captured_flag_names(c)) {
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
