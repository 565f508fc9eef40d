// lspacket from end to end through the tool: the parser, the syntax routine, the
// command entry's record and the exit status, as a user sees them.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/param_names.h"
#include "vexar_run.h"

namespace vxtest {
namespace {

using vxtest::operator<<;

// ---- Accepted command lines: one record, nothing else -----------------------------

struct AcceptedCase {
    const char *label;
    std::vector<std::string> args;
    const char *record;
};

const AcceptedCase kAccepted[] = {
    {"long_two_packets",
     {"-long", "p1", "p2"},
     R"({"command":"lspacket","record_version":2,"packets":["p1","p2"],"packet_count":2,"detail_level":2,)"
     R"("dump":0,"invob":null,"endrange":0})"},
    {"nothing_given",
     {},
     R"({"command":"lspacket","record_version":2,"packets":null,"packet_count":0,"detail_level":0,)"
     R"("dump":0,"invob":null,"endrange":0})"},
    {"abbreviated_long",
     {"-lon", "p"},
     R"({"command":"lspacket","record_version":2,"packets":["p"],"packet_count":1,"detail_level":2,)"
     R"("dump":0,"invob":null,"endrange":0})"},
    {"short_then_packet",
     {"-s", "p1"},
     R"({"command":"lspacket","record_version":2,"packets":["p1"],"packet_count":1,"detail_level":1,)"
     R"("dump":0,"invob":null,"endrange":0})"},
    {"endrange_before_long",
     {"-endrange", "-l"},
     R"({"command":"lspacket","record_version":2,"packets":null,"packet_count":0,"detail_level":2,)"
     R"("dump":0,"invob":null,"endrange":1})"},
    {"dump_invob_after_operand",
     {"p1", "-dump", "-invob", "vt", "p2"},
     R"({"command":"lspacket","record_version":2,"packets":["p1","p2"],"packet_count":2,"detail_level":0,)"
     R"("dump":1,"invob":"vt","endrange":0})"},
    {"double_dash_ends_flags",
     {"--", "-long"},
     R"({"command":"lspacket","record_version":2,"packets":["-long"],"packet_count":1,"detail_level":0,)"
     R"("dump":0,"invob":null,"endrange":0})"},
    {"operand_needing_escapes",
     {"a\"b\\c"},
     R"({"command":"lspacket","record_version":2,"packets":["a\"b\\c"],"packet_count":1,"detail_level":0,)"
     R"("dump":0,"invob":null,"endrange":0})"},
};

class LspacketAccepted : public testing::TestWithParam<AcceptedCase> {};

TEST_P(LspacketAccepted, PrintsExactlyItsRecord) {
    std::vector<std::string> args{"lspacket"};
    args.insert(args.end(), GetParam().args.begin(), GetParam().args.end());
    const ProcessResult r = RunVexar(args);
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(CompactRecordLines(r.out), std::string(GetParam().record) + "\n");
    EXPECT_EQ(r.err, "");
}

INSTANTIATE_TEST_SUITE_P(Tool, LspacketAccepted, testing::ValuesIn(kAccepted), vxtest::RowName());

// ---- Refused command lines: exit 2, no record, messages then the usage once ---------

struct RefusedCase {
    const char *label;
    std::vector<std::string> args;
    std::string err;                     // exact standard error, when the texts are the catalog's
    std::vector<std::string> mentioned;  // otherwise: words the parser's message names
};

const RefusedCase kRefused[] = {
    {"endrange_with_short",
     {"-short", "-endrange"},
     std::string(kErrorPrefix) + "Can not use -endrange without -long\n" + LspacketUsage(),
     {}},
    {"endrange_alone",
     {"-endrange", "p1"},
     std::string(kErrorPrefix) + "Can not use -endrange without -long\n" + LspacketUsage(),
     {}},
    {"long_and_short_one_group", {"-long", "-short"}, "", {"long", "short"}},
    {"no_such_flag", {"-longer"}, "", {"-longer"}},
};

class LspacketRefused : public testing::TestWithParam<RefusedCase> {};

TEST_P(LspacketRefused, PrintsNoRecordAndExits2) {
    std::vector<std::string> args{"lspacket"};
    args.insert(args.end(), GetParam().args.begin(), GetParam().args.end());
    const ProcessResult r = RunVexar(args);
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.out, "");
    if (!GetParam().err.empty()) {
        EXPECT_EQ(r.err, GetParam().err);
        return;
    }
    // The parser's own message first, then the usage, once, at the end.
    EXPECT_EQ(Occurrences(r.err, LspacketUsage()), 1) << r.err;
    EXPECT_TRUE(r.err.ends_with(LspacketUsage())) << r.err;
    const std::string before_usage = r.err.substr(0, r.err.size() - std::string(LspacketUsage()).size());
    for (const std::string &word : GetParam().mentioned) EXPECT_NE(before_usage.find(word), std::string::npos) << r.err;
}

INSTANTIATE_TEST_SUITE_P(Tool, LspacketRefused, testing::ValuesIn(kRefused), vxtest::RowName());

}  // namespace
}  // namespace vxtest
