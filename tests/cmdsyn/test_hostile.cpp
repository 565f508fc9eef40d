// Hostile command lines against every routine of this library, through the real
// parser: bad input gets a clear message and status 1001, never a crash, a message per
// byte or a wrong record.
//
// Most cases are relations between two runs of a typical command line (from
// tests/robust/command_lines.txt), so that they hold for every command without knowing
// its grammar: a hostile text in a value or operand position behaves exactly as an
// ordinary word in that position; 100 000 operands behave as two; the words repeated
// 10 000 times behave as the words repeated twice.

#include <gtest/gtest.h>

#include <climits>
#include <set>
#include <string>
#include <vector>

#include "libzornavx_cmdsyn.h"
#include "robust/command_lines.h"
#include "robust/slots.h"
#include "skeleton.h"
#include "support/harness.h"
#include "support/param_names.h"

namespace {

using vxtest::operator<<;
using vxrobust::CommandLine;
using vxrobust::CountOf;
using vxrobust::ReplaceAll;
using vxtest::Msg;
using vxtest::run;
using Words = std::vector<std::string>;

// An ordinary word, to compare a hostile text with.
const std::string kPlain = "Plain7Word";

// A typical line of one of this library's routines: the routine and the words after the
// command word.
struct LibraryLine {
    std::string text;
    cmd_syntax_routine_t routine;
    Words args;
    bool fails;
};

std::vector<LibraryLine> LibraryLines() {
    std::vector<LibraryLine> lines;
    for (const CommandLine &line : vxrobust::LoadCommandLines()) {
        const vxrobust::NamedRoutine *named = vxrobust::RoutineInSlot(vxrobust::SlotOf(line.words[0]));
        if (named == nullptr || named->shared) continue;
        lines.push_back({line.text, named->routine, Words(line.words.begin() + 1, line.words.end()), line.fails});
    }
    return lines;
}

// What a run printed, in one text per message, with its severity, catalog and index.
std::vector<std::string> Printed(const std::vector<Msg> &msgs) {
    std::vector<std::string> out;
    for (const Msg &m : msgs) {
        const std::string where = m.table != nullptr ? std::string(m.table->facility_name) : std::string("fmt");
        out.push_back(std::to_string(m.severity) + "/" + where + "/" + std::to_string(m.index) + "/" + m.facility +
                      ": " + m.text);
    }
    return out;
}

size_t PrintedBytes(const std::vector<Msg> &msgs) {
    size_t bytes = 0;
    for (const Msg &m : msgs) bytes += m.text.size();
    return bytes;
}

// The positions of a line's words that are values or operands: those not read as flags.
std::vector<size_t> ValuePositions(const Words &args) {
    std::vector<size_t> positions;
    for (size_t i = 0; i < args.size(); ++i)
        if (args[i][0] != '-') positions.push_back(i);
    return positions;
}

Words Repeated(const Words &args, int times) {
    Words out;
    out.reserve(args.size() * static_cast<size_t>(times));
    for (int i = 0; i < times; ++i) out.insert(out.end(), args.begin(), args.end());
    return out;
}

// The sweeps below cover every slot only if every slot has a known routine and a line.
TEST(HostileSetup, EveryRoutineOfTheLibraryHasATypicalLine) {
    std::set<std::string> with_lines;
    for (const LibraryLine &line : LibraryLines()) {
        const auto r = run(line.routine, line.args);
        EXPECT_EQ(r.status, line.fails ? CMD_SYNTAX_ERROR : 0) << line.text << "\n" << testing::PrintToString(r.msgs);
        with_lines.insert(line.text.substr(0, line.text.find(' ')));
    }
    for (int slot = 0; slot < VX_CMDSYN_PROC_SLOTS; ++slot) {
        if (vx_cmdsyn_proc_table[slot].routine == nullptr) continue;
        const vxrobust::NamedRoutine *named = vxrobust::RoutineInSlot(slot);
        ASSERT_NE(named, nullptr) << "slot " << slot << " holds a routine the tests do not know";
        if (!named->shared) {
            EXPECT_EQ(with_lines.count(named->name), 1u) << "no line for " << named->name;
        }
    }
}

// ---- A hostile text in a value or operand position ---------------------------------

class HostileValue : public testing::TestWithParam<vxrobust::HostileText> {};

TEST_P(HostileValue, BehavesAsAnOrdinaryWord) {
    const std::string &hostile = GetParam().text;
    int runs = 0;
    for (const LibraryLine &line : LibraryLines()) {
        for (const size_t position : ValuePositions(line.args)) {
            Words plain_args = line.args, hostile_args = line.args;
            plain_args[position] = kPlain;
            hostile_args[position] = hostile;
            SCOPED_TRACE(line.text + " (word " + std::to_string(position + 1) + ")");

            const auto plain = run(line.routine, plain_args);
            const std::vector<std::string> plain_printed = Printed(plain.raw);
            const auto bad = run(line.routine, hostile_args);
            ++runs;
            ASSERT_EQ(bad.status, plain.status);
            ASSERT_EQ(bad.command, plain.command);
            std::vector<std::string> expected;
            for (const std::string &text : plain_printed) expected.push_back(ReplaceAll(text, kPlain, hostile));
            EXPECT_EQ(Printed(bad.raw), expected);
            // A word is echoed at most once per message, and by few messages.
            int echoes = 0;
            for (const std::string &text : plain_printed) echoes += CountOf(text, kPlain);
            EXPECT_LE(echoes, 2);
            EXPECT_LE(PrintedBytes(bad.raw), 8192 + 2 * hostile.size());
        }
    }
    EXPECT_GT(runs, 100);
}

// The same texts as flag names: the parser refuses the word and names it once.
TEST_P(HostileValue, AsAFlagNameIsRefusedOnce) {
    const std::string flag = "-" + GetParam().text;
    for (int slot = 0; slot < VX_CMDSYN_PROC_SLOTS; ++slot) {
        const vxrobust::NamedRoutine *named = vxrobust::RoutineInSlot(slot);
        if (named == nullptr || named->shared) continue;
        const std::string name = named->name;
        // help, man and apropos take words, not flags; chshipconfig reads nothing.
        if (name == "help" || name == "man" || name == "apropos" || name == "chshipconfig") continue;
        SCOPED_TRACE(name);
        const auto r = run(named->routine, {flag});
        EXPECT_EQ(r.status, CMD_SYNTAX_ERROR);
        EXPECT_EQ(r.command, "");
        ASSERT_FALSE(r.raw.empty());
        EXPECT_EQ(r.raw.front().severity, IMSG_SEV_ERROR);
        EXPECT_EQ(CountOf(r.raw.front().text, flag), 1) << r.raw.front().text.substr(0, 200);
        EXPECT_EQ(r.raw.back().severity, IMSG_SEV_USAGE);
        EXPECT_LE(r.raw.size(), 3u);
        EXPECT_LE(PrintedBytes(r.raw), 8192 + 2 * flag.size());
    }
}

INSTANTIATE_TEST_SUITE_P(Texts, HostileValue, testing::ValuesIn(vxrobust::HostileTexts()), vxtest::RowName());

// ---- Separators and empty words -----------------------------------------------------

// Words that are only separators, in every value position and after the line: whatever
// the command makes of them, the status and the messages agree.
TEST(HostileSeparators, StatusAgreesWithWhatWasPrinted) {
    const Words odd = {"", "-", "--", "=", ":", ",", ",,", "=:", "-=", "--=", "\\"};
    int runs = 0;
    for (const LibraryLine &line : LibraryLines()) {
        // A routine that hands nothing on even for its typical line (chshipconfig).
        const bool hands_on = !run(line.routine, line.args).msgs.empty() || vxtest::captured().command != "";
        std::vector<Words> variants;
        for (const std::string &word : odd) {
            for (const size_t position : ValuePositions(line.args)) {
                Words args = line.args;
                args[position] = word;
                variants.push_back(args);
            }
            Words appended = line.args;
            appended.push_back(word);
            variants.push_back(appended);
            Words prepended = line.args;
            prepended.insert(prepended.begin(), word);
            variants.push_back(prepended);
        }
        for (const Words &args : variants) {
            const auto r = run(line.routine, args);
            ++runs;
            SCOPED_TRACE(line.text + " as " + testing::PrintToString(args));
            bool error_printed = false, plain_printed = false;
            for (const Msg &m : r.raw) {
                error_printed = error_printed || m.severity == IMSG_SEV_ERROR;
                plain_printed = plain_printed || m.severity == IMSG_SEV_PLAIN;
            }
            if (r.status == 0) {
                // A record handed on, or help's answer.
                EXPECT_FALSE(error_printed) << testing::PrintToString(r.msgs);
                EXPECT_TRUE(r.command != "" || plain_printed || !hands_on);
            } else {
                // An error message, or at least the usage (shipinfo answers a keyword
                // it does not know with the usage alone).
                EXPECT_EQ(r.status, CMD_SYNTAX_ERROR);
                EXPECT_TRUE(error_printed || (!r.raw.empty() && r.raw.back().severity == IMSG_SEV_USAGE));
                EXPECT_EQ(r.command, "");
            }
            EXPECT_LE(r.raw.size(), 4u) << testing::PrintToString(r.msgs);
        }
    }
    EXPECT_GT(runs, 1000);
}

struct SeparatorCase {
    const char *name;
    cmd_syntax_routine_t routine;
    Words args;
    int32_t status;
    Words packets;  // lspacket's operands, when it runs
};

class HostileSeparator : public testing::TestWithParam<SeparatorCase> {};

TEST_P(HostileSeparator, EndsAsExpected) {
    const SeparatorCase &c = GetParam();
    const auto r = run(c.routine, c.args);
    EXPECT_EQ(r.status, c.status) << testing::PrintToString(r.msgs);
    if (c.status == 0 && r.command == "lspacket") {
        const auto rec = vxtest::record<vx_lspacket_args_t>();
        EXPECT_EQ(vxtest::texts(rec.packets, rec.packet_count), c.packets);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, HostileSeparator,
    testing::Values(SeparatorCase{"empty_operand", vx_cmdsyn_lspacket, {""}, 0, {""}},
                    SeparatorCase{"dash_is_an_operand", vx_cmdsyn_lspacket, {"-"}, 0, {"-"}},
                    SeparatorCase{"double_dash_ends_flags", vx_cmdsyn_lspacket, {"--", "-long"}, 0, {"-long"}},
                    SeparatorCase{"double_dash_alone", vx_cmdsyn_lspacket, {"--"}, 0, {}},
                    SeparatorCase{"separators_are_operands", vx_cmdsyn_lspacket, {"=", ":", ","}, 0, {"=", ":", ","}},
                    SeparatorCase{"empty_value", vx_cmdsyn_lspacket, {"-invob", ""}, 0, {}},
                    SeparatorCase{"dash_equals_is_a_flag", vx_cmdsyn_lspacket, {"-="}, CMD_SYNTAX_ERROR, {}},
                    SeparatorCase{"colon_target_without_host_or_replica",
                                  vx_cmdsyn_mkreplica,
                                  {"-export", "-workdir", "/w", "-out", "p", ":"},
                                  0,
                                  {}},
                    SeparatorCase{"target_without_colon",
                                  vx_cmdsyn_mkreplica,
                                  {"-export", "-workdir", "/w", "-out", "p", "="},
                                  CMD_SYNTAX_ERROR,
                                  {}},
                    SeparatorCase{
                        "options_only_commas",
                        vx_cmdsyn_mkreplica,
                        {"-import", "-workdir", "/w", "-tag", "/t", "-vob", "/v", "-preserve", "-options", ",,", "p"},
                        CMD_SYNTAX_ERROR,
                        {}},
                    SeparatorCase{"epoch_without_number", vx_cmdsyn_chepoch, {"r1", "r2="}, CMD_SYNTAX_ERROR, {}},
                    SeparatorCase{"epoch_only_equals", vx_cmdsyn_chepoch, {"r1", "="}, CMD_SYNTAX_ERROR, {}},
                    SeparatorCase{"setting_only_equals", vx_cmdsyn_chsetting, {"-site", "="}, 0, {}},
                    SeparatorCase{"job_list_only_commas", vx_cmdsyn_syncinfo, {"-job", ","}, CMD_SYNTAX_ERROR, {}}),
    vxtest::RowName());

// ---- Many words ----------------------------------------------------------------------

// 100 000 extra operands end exactly as two do: one message at most, whatever the count.
TEST(HostileCounts, HundredThousandOperandsEndAsTwo) {
    for (const LibraryLine &line : LibraryLines()) {
        SCOPED_TRACE(line.text);
        Words two = line.args, many = line.args;
        two.insert(two.end(), 2, "extra");
        many.insert(many.end(), 100000, "extra");
        const auto expected = run(line.routine, two);
        const std::vector<std::string> expected_printed = Printed(expected.raw);
        const auto r = run(line.routine, many);
        EXPECT_EQ(r.status, expected.status);
        EXPECT_EQ(Printed(r.raw), expected_printed);
    }
}

// Every flag and value of a line given 10 000 times ends as the line given twice.
TEST(HostileCounts, WordsRepeatedTenThousandTimesEndAsTwice) {
    for (const LibraryLine &line : LibraryLines()) {
        if (line.args.empty()) continue;
        SCOPED_TRACE(line.text);
        const auto expected = run(line.routine, Repeated(line.args, 2));
        const std::vector<std::string> expected_printed = Printed(expected.raw);
        const auto r = run(line.routine, Repeated(line.args, 10000));
        EXPECT_EQ(r.status, expected.status);
        EXPECT_EQ(Printed(r.raw), expected_printed);
    }
}

TEST(HostileCounts, FlagRepeatedTenThousandTimesKeepsTheLastValue) {
    Words args;
    for (int i = 0; i < 10000; ++i) {
        args.push_back("-long");
        args.push_back("-invob");
        args.push_back("v" + std::to_string(i));
    }
    const auto r = run(vx_cmdsyn_lspacket, args);
    ASSERT_EQ(r.status, 0);
    EXPECT_TRUE(r.msgs.empty());
    const auto rec = vxtest::record<vx_lspacket_args_t>();
    EXPECT_EQ(rec.detail_level, VX_DETAIL_LONG);
    EXPECT_STREQ(rec.invob, "v9999");
    EXPECT_EQ(rec.packet_count, 0);
}

// ---- A flag name of 10 000 characters --------------------------------------------------

// The last-flag-name buffer of the unrecognized-flag path holds 256 bytes: a flag
// whose name is longer is reported cut to 255 characters, never past the buffer.
TEST(HostileFlagName, UnhandledFlagOfTenThousandCharactersIsCutTo255) {
    const std::string name = "-" + vxrobust::LongWord(9999);
    const clp_flag_desc_t table[] = {vx::flag(name.c_str(), 1), vx::kTableEnd};
    stg_area_t *area = stg_area_create();
    const char *words[] = {name.c_str()};
    clp_parser_t *parser = clp_parser_create(area, 1, words);
    ASSERT_EQ(clp_switch_flags(parser, table, area), CLP_OK);
    int32_t code = 0;
    ASSERT_EQ(clp_get_next_flag_value(parser, 0, &code), CLP_OK);
    vxtest::clear_messages();
    EXPECT_EQ(vx::fail_unhandled_flag(parser, false, vx::Usage{MSG_USAGE_LSPACKET}), CMD_SYNTAX_ERROR);
    const auto printed = vxtest::summary(vxtest::messages());
    EXPECT_EQ(printed, (std::vector<std::string>{
                           "Etbs100", "Ufmt:internal error: Unrecognized option \"" + name.substr(0, 255) + "\""}));
    stg_area_release(area);
}

// ---- Numbers at and past every conversion's range -------------------------------------

struct NumberCase {
    const char *name;
    cmd_syntax_routine_t routine;
    Words args;
    int32_t status;
    // The converted field, read from the record when the routine ran.
    int64_t (*field)();
    int64_t value;
};

int64_t MaxSizeOfMkreplica() { return vxtest::record<vx_mkreplica_args_t>().max_size; }
int64_t SchemaOfMkreplica() { return vxtest::record<vx_mkreplica_args_t>().schema; }
int64_t MaxSizeOfSyncreplica() { return vxtest::record<vx_syncreplica_args_t>().max_size; }
int64_t LimitOfSyncreplica() { return vxtest::record<vx_syncreplica_args_t>().limit; }
int64_t FirstEpochOfChepoch() {
    const auto rec = vxtest::record<vx_chepoch_args_t>();
    return rec.epoch_count > 0 ? rec.epoch_values[0] : -1;
}
int64_t LimitOfDumpoplog() { return vxtest::record<vx_dumpoplog_args_t>().limit; }

Words MkreplicaExportSize(const std::string &size) {
    return {"-export", "-workdir", "/w", "-out", "p", "-maxsize", size, "h:r"};
}
Words MkreplicaSchema(const std::string &schema) {
    return {"-import", "-workdir", "/w", "-tag", "/t", "-vob", "/v", "-preserve", "-schema", schema, "p"};
}
Words SyncreplicaLimit(const std::string &size, const std::string &limit) {
    return {"-export", "-out", "p", "-maxsize", size, "-limit", limit, "r1"};
}
Words Chepoch(const std::string &value) { return {"r1", "r2=" + value}; }
Words DumpoplogLimit(const std::string &limit) { return {"-limit", limit}; }

class HostileNumber : public testing::TestWithParam<NumberCase> {};

TEST_P(HostileNumber, ConvertsInRangeAndRefusesPastIt) {
    const NumberCase &c = GetParam();
    const auto r = run(c.routine, c.args);
    ASSERT_EQ(r.status, c.status) << testing::PrintToString(r.msgs);
    if (c.status == 0) {
        EXPECT_TRUE(r.msgs.empty()) << testing::PrintToString(r.msgs);
        EXPECT_EQ(c.field(), c.value);
    } else {
        EXPECT_EQ(r.command, "");
        ASSERT_FALSE(r.raw.empty());
        EXPECT_EQ(r.raw.front().severity, IMSG_SEV_ERROR);
        EXPECT_LE(r.raw.size(), 4u);
    }
}

constexpr int32_t kErr = CMD_SYNTAX_ERROR;

INSTANTIATE_TEST_SUITE_P(
    Cases, HostileNumber,
    testing::Values(
        // Sizes: decimal with an optional 1024-based suffix, at most INT32_MAX bytes.
        NumberCase{"size_max", vx_cmdsyn_mkreplica, MkreplicaExportSize("2147483647"), 0, MaxSizeOfMkreplica,
                   INT32_MAX},
        NumberCase{"size_past_max", vx_cmdsyn_mkreplica, MkreplicaExportSize("2147483648"), kErr, nullptr, 0},
        NumberCase{"size_zero", vx_cmdsyn_mkreplica, MkreplicaExportSize("0"), 0, MaxSizeOfMkreplica, 0},
        NumberCase{"size_k_max", vx_cmdsyn_mkreplica, MkreplicaExportSize("2097151k"), 0, MaxSizeOfMkreplica,
                   2097151LL * 1024},
        NumberCase{"size_k_past_max", vx_cmdsyn_mkreplica, MkreplicaExportSize("2097152k"), kErr, nullptr, 0},
        NumberCase{"size_m_max", vx_cmdsyn_mkreplica, MkreplicaExportSize("2047m"), 0, MaxSizeOfMkreplica,
                   2047LL * 1024 * 1024},
        NumberCase{"size_m_past_max", vx_cmdsyn_mkreplica, MkreplicaExportSize("2048m"), kErr, nullptr, 0},
        NumberCase{"size_g_max", vx_cmdsyn_mkreplica, MkreplicaExportSize("1g"), 0, MaxSizeOfMkreplica, 1LL << 30},
        NumberCase{"size_g_past_max", vx_cmdsyn_mkreplica, MkreplicaExportSize("2g"), kErr, nullptr, 0},
        NumberCase{"size_forty_digits", vx_cmdsyn_mkreplica,
                   MkreplicaExportSize("1234567890123456789012345678901234567890"), kErr, nullptr, 0},
        NumberCase{"size_negative", vx_cmdsyn_mkreplica, MkreplicaExportSize("-1"), kErr, nullptr, 0},
        NumberCase{"size_two_suffixes", vx_cmdsyn_mkreplica, MkreplicaExportSize("1kk"), kErr, nullptr, 0},
        NumberCase{"syncreplica_size_past_max", vx_cmdsyn_syncreplica, SyncreplicaLimit("4294967296", "1"), kErr,
                   nullptr, 0},
        NumberCase{"syncreplica_size_max", vx_cmdsyn_syncreplica, SyncreplicaLimit("2147483647", "1"), 0,
                   MaxSizeOfSyncreplica, INT32_MAX},
        // Schema: a signed 32-bit decimal.
        NumberCase{"schema_max", vx_cmdsyn_mkreplica, MkreplicaSchema("2147483647"), 0, SchemaOfMkreplica, INT32_MAX},
        NumberCase{"schema_past_max", vx_cmdsyn_mkreplica, MkreplicaSchema("2147483648"), kErr, nullptr, 0},
        NumberCase{"schema_min", vx_cmdsyn_mkreplica, MkreplicaSchema("-2147483648"), 0, SchemaOfMkreplica, INT32_MIN},
        NumberCase{"schema_past_min", vx_cmdsyn_mkreplica, MkreplicaSchema("-2147483649"), kErr, nullptr, 0},
        NumberCase{"schema_hex_is_not_decimal", vx_cmdsyn_mkreplica, MkreplicaSchema("0x10"), kErr, nullptr, 0},
        // -limit of syncreplica: a decimal above 0.
        NumberCase{"limit_max", vx_cmdsyn_syncreplica, SyncreplicaLimit("1m", "2147483647"), 0, LimitOfSyncreplica,
                   INT32_MAX},
        NumberCase{"limit_past_max", vx_cmdsyn_syncreplica, SyncreplicaLimit("1m", "2147483648"), kErr, nullptr, 0},
        NumberCase{"limit_min", vx_cmdsyn_syncreplica, SyncreplicaLimit("1m", "-2147483648"), kErr, nullptr, 0},
        NumberCase{"limit_past_min", vx_cmdsyn_syncreplica, SyncreplicaLimit("1m", "-2147483649"), kErr, nullptr, 0},
        // Epoch values: C-style numbers (0x, 0) from 0 to INT32_MAX.
        NumberCase{"epoch_max", vx_cmdsyn_chepoch, Chepoch("2147483647"), 0, FirstEpochOfChepoch, INT32_MAX},
        NumberCase{"epoch_past_max", vx_cmdsyn_chepoch, Chepoch("2147483648"), kErr, nullptr, 0},
        NumberCase{"epoch_hex_max", vx_cmdsyn_chepoch, Chepoch("0x7fffffff"), 0, FirstEpochOfChepoch, INT32_MAX},
        NumberCase{"epoch_hex_past_max", vx_cmdsyn_chepoch, Chepoch("0x80000000"), kErr, nullptr, 0},
        NumberCase{"epoch_octal_max", vx_cmdsyn_chepoch, Chepoch("017777777777"), 0, FirstEpochOfChepoch, INT32_MAX},
        NumberCase{"epoch_octal_past_max", vx_cmdsyn_chepoch, Chepoch("020000000000"), kErr, nullptr, 0},
        NumberCase{"epoch_zero", vx_cmdsyn_chepoch, Chepoch("0"), 0, FirstEpochOfChepoch, 0},
        NumberCase{"epoch_negative", vx_cmdsyn_chepoch, Chepoch("-1"), kErr, nullptr, 0},
        NumberCase{"epoch_most_negative", vx_cmdsyn_chepoch, Chepoch("-2147483648"), kErr, nullptr, 0},
        NumberCase{"epoch_sixty_digits", vx_cmdsyn_chepoch, Chepoch(std::string(60, '9')), kErr, nullptr, 0},
        // dumpoplog -limit: an unsigned 32-bit decimal.
        NumberCase{"dumpoplog_limit_max", vx_cmdsyn_dumpoplog, DumpoplogLimit("4294967295"), 0, LimitOfDumpoplog,
                   UINT32_MAX},
        NumberCase{"dumpoplog_limit_past_max", vx_cmdsyn_dumpoplog, DumpoplogLimit("4294967296"), kErr, nullptr, 0},
        NumberCase{"dumpoplog_limit_negative", vx_cmdsyn_dumpoplog, DumpoplogLimit("-1"), kErr, nullptr, 0},
        NumberCase{"dumpoplog_limit_signed", vx_cmdsyn_dumpoplog, DumpoplogLimit("+1"), kErr, nullptr, 0}),
    vxtest::RowName());

}  // namespace
