// The interactive mode at a terminal: the tool runs on a pseudo-terminal of its own (as
// standard input, output and error) and keys are typed into it. Tab completes command
// words and flags; the history is kept in ~/.vexar_history across sessions, without
// any line that holds a password flag. Input from a pipe, or output to one, stays plain.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <pty.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <cstring>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "ecosystem/completion_cases.h"
#include "ecosystem/scratch.h"
#include "support/no_processes.h"
#include "support/param_names.h"
#include "tool/vexar_run.h"

extern char **environ;

namespace vxtest {
namespace {

using vxtest::operator<<;

long long NowMs() {
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<long long>(ts.tv_sec) * 1000 + ts.tv_nsec / 1000000;
}

// How the tool meets its terminal.
struct TerminalSetup {
    // Standard output is a pipe: the lines are read plainly, without the line editor.
    bool plain_output = false;
    // Files the tool writes cannot grow past this many bytes (-1: no limit), as on a
    // full disk.
    long long file_size_limit = -1;
    // Past that limit a write fails (false: the signal ends a tool that does not handle
    // it, as after `ulimit -f` in a shell).
    bool size_limit_signal_ignored = true;
    // The folder the tool starts in ("": the test's own).
    std::string working_dir = "";
    // Standard error goes to this file instead of the terminal ("": the terminal).
    std::string errors_to = "";
    // The tool is killed at its first fork or clone when this is given.
    const NoProcessFilter *no_processes = nullptr;
    // The terminal's width: wide enough by default that no line wraps.
    unsigned short columns = 200;
};

std::size_t count(char **entries) {
    std::size_t n = 0;
    while (entries[n] != nullptr) ++n;
    return n;
}

// vexar on a pseudo-terminal, with HOME set to `home` and the caller's settings of the
// tool family, the locale and the line editor left out.
class Terminal {
  public:
    explicit Terminal(const std::string &home, const TerminalSetup &setup = {}) {
        std::vector<std::string> env;
        const std::vector<std::string> inherited = setup.no_processes != nullptr
                                                       ? environment_without_leak_check(environ)
                                                       : std::vector<std::string>(environ, environ + count(environ));
        for (const std::string &text : inherited) {
            const std::string name = text.substr(0, text.find('='));
            if (name.rfind("VX_", 0) == 0 || name.rfind("LC_", 0) == 0 || name == "HOME" || name == "TERM" ||
                name == "LANG" || name == "NLSPATH" || name == "EDITRC")
                continue;
            env.push_back(text);
        }
        env.push_back("HOME=" + home);
        env.push_back("TERM=xterm");
        std::vector<char *> envp;
        for (std::string &text : env) envp.push_back(text.data());
        envp.push_back(nullptr);
        char program[] = VEXAR_PATH;
        char *const argv[] = {program, nullptr};

        winsize size{};
        size.ws_row = 24;
        size.ws_col = setup.columns;
        int output[2] = {-1, -1};
        if (setup.plain_output && pipe(output) != 0) return;
        pid_ = forkpty(&master_, nullptr, nullptr, &size);
        if (pid_ == 0) {
            if (setup.plain_output) {
                dup2(output[1], STDOUT_FILENO);
                close(output[0]);
                close(output[1]);
            }
            if (setup.file_size_limit >= 0) {
                const rlimit limit{static_cast<rlim_t>(setup.file_size_limit),
                                   static_cast<rlim_t>(setup.file_size_limit)};
                setrlimit(RLIMIT_FSIZE, &limit);
                signal(SIGXFSZ, setup.size_limit_signal_ignored ? SIG_IGN : SIG_DFL);
            }
            if (!setup.working_dir.empty() && chdir(setup.working_dir.c_str()) != 0) _exit(126);
            if (!setup.errors_to.empty()) {
                const int errors = open(setup.errors_to.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
                if (errors < 0 || dup2(errors, STDERR_FILENO) < 0) _exit(126);
                close(errors);
            }
            if (setup.no_processes != nullptr && !setup.no_processes->install()) _exit(kFilterNotInstalled);
            execve(program, argv, envp.data());
            _exit(127);
        }
        if (setup.plain_output) {
            close(output[1]);
            output_pipe_ = output[0];
        }
    }
    ~Terminal() {
        if (pid_ > 0 && status_ < -1000) {
            kill(pid_, SIGKILL);
            waitpid(pid_, nullptr, 0);
        }
        if (master_ >= 0) close(master_);
        if (output_pipe_ >= 0) close(output_pipe_);
    }
    bool Started() const { return pid_ > 0 && master_ >= 0; }

    void Type(const std::string &keys) {
        for (std::size_t done = 0; done < keys.size();) {
            const ssize_t n = write(master_, keys.data() + done, keys.size() - done);
            if (n <= 0) return;
            done += static_cast<std::size_t>(n);
        }
    }

    // Waits until `text` appears in the terminal's output, or in the output pipe's, after
    // what earlier waits consumed there, and consumes up to its end. The two are kept
    // apart: what the tool writes to each comes in order, but not in order between them.
    // False when it did not appear in time.
    bool WaitFor(const std::string &text, int timeout_ms = 15000) {
        const long long deadline = NowMs() + timeout_ms;
        for (;;) {
            if (terminal_.Consume(text) || pipe_.Consume(text)) return true;
            const long long left = deadline - NowMs();
            if (left <= 0 || !ReadSome(static_cast<int>(left))) return false;
        }
    }

    // Types `keys` at the next prompt and waits for `expect`.
    bool Line(const std::string &keys, const std::string &expect) {
        if (!WaitFor(kPrompt)) return false;
        Type(keys);
        return WaitFor(expect);
    }

    // Waits for the tool to leave; its exit status, 128 + the signal that ended it, or
    // -1 while it is still running.
    int Finish(int timeout_ms = 15000) {
        if (status_ >= 0) return status_;  // it left already
        const long long deadline = NowMs() + timeout_ms;
        while (NowMs() < deadline) {
            int status = 0;
            const pid_t done = waitpid(pid_, &status, WNOHANG);
            if (done == pid_) {
                status_ = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
                return status_;
            }
            ReadSome(50);
        }
        return -1;
    }

    // Types Ctrl-C until a fresh prompt comes: one typed after the tool echoed a key but
    // before it waits for the next reaches no read to cut short.
    bool Interrupt() {
        for (int attempt = 0; attempt < 10; ++attempt) {
            Type("\x03");
            if (WaitFor(kPrompt, 1500)) return true;
        }
        return false;
    }

    const std::string &Output() const { return output_; }
    // What came through the output pipe alone (TerminalSetup::plain_output).
    const std::string &PipeOutput() const { return pipe_.text; }

  private:
    static constexpr const char *kPrompt = "vexar> ";

    // Reads what the terminal, and the output pipe if there is one, have for us.
    bool ReadSome(int timeout_ms) {
        pollfd fds[2] = {{master_, POLLIN, 0}, {output_pipe_, POLLIN, 0}};
        if (poll(fds, output_pipe_ >= 0 ? 2 : 1, timeout_ms) <= 0) return false;
        bool got = false;
        for (const pollfd &fd : fds) {
            if (fd.fd < 0 || fd.revents == 0) continue;
            char buffer[4096];
            const ssize_t n = read(fd.fd, buffer, sizeof buffer);
            if (n > 0) {
                output_.append(buffer, static_cast<std::size_t>(n));
                (fd.fd == output_pipe_ ? pipe_ : terminal_).text.append(buffer, static_cast<std::size_t>(n));
                got = true;
            } else if (fd.fd == output_pipe_) {  // the tool left: only the terminal is read on
                close(output_pipe_);
                output_pipe_ = -1;
                got = true;
            }
        }
        return got;
    }

    pid_t pid_ = -1;
    int master_ = -1;
    int output_pipe_ = -1;
    int status_ = -10000;  // below 0 until the tool left
    // What one source gave, and how far waits consumed it.
    struct Received {
        std::string text;
        std::size_t mark = 0;

        bool Consume(const std::string &wanted) {
            const std::size_t at = text.find(wanted, mark);
            if (at == std::string::npos) return false;
            mark = at + wanted.size();
            return true;
        }
    };

    std::string output_;  // both sources, as they were read
    Received terminal_;
    Received pipe_;
};

// What lspacket prints for one packet `name` with the given detail level and endrange.
std::string LspacketRecordPart(const std::string &name, int detail, int endrange) {
    return R"("packets":[")" + name + R"("],"packet_count":1,"detail_level":)" + std::to_string(detail) +
           R"(,"dump":0,"invob":null,"endrange":)" + std::to_string(endrange);
}

// ---- Tab completion ---------------------------------------------------------------

struct TypedLine {
    std::string keys;
    std::string expect;  // appears in the output once the line ran
};

struct TypedCompletion {
    const char *label;
    std::vector<TypedLine> lines;
};

const TypedCompletion kCompletions[] = {
    {"command_word_then_flag", {{"lsp\t-lo\tp1\r", LspacketRecordPart("p1", 2, 0)}}},
    {"two_flags_and_an_operand", {{"lspacket -e\t-l\tp2\r", LspacketRecordPart("p2", 2, 1)}}},
    {"command_word_after_help", {{"help lsp\t\r", LspacketUsage().substr(0, LspacketUsage().find('\n'))}}},
    {"common_start_then_list",
     {{"lse\t", "lsepoch   lsexport"}, {"\x15lspacket p3\r", LspacketRecordPart("p3", 0, 0)}}},
    {"nothing_to_offer_leaves_the_word", {{"lspacket -zz\t\r", "Unrecognized option \"-zz\""}}},
    {"no_flags_after_double_dash", {{"lspacket -- -l\t\r", R"("packets":["-l"])"}}},
};

class LineEditingCompletion : public ScratchTest, public testing::WithParamInterface<TypedCompletion> {};

// Tab answers from the tool's syntax table: the session starts no process.
TEST_P(LineEditingCompletion, TabCompletes) {
    const NoProcessFilter no_processes;
    if (!no_processes.known() || forking_shell_status() == kFilterNotInstalled)
        GTEST_SKIP() << "no seccomp filter here";
    TerminalSetup setup;
    setup.no_processes = &no_processes;
    Terminal terminal(Path(), setup);
    ASSERT_TRUE(terminal.Started());
    for (const TypedLine &line : GetParam().lines)
        ASSERT_TRUE(terminal.Line(line.keys, line.expect)) << "waiting for " << line.expect << " in\n"
                                                           << terminal.Output();
    ASSERT_TRUE(terminal.Line("quit\r", "quit"));
    EXPECT_EQ(terminal.Finish(), 0);
}

INSTANTIATE_TEST_SUITE_P(Ecosystem, LineEditingCompletion, testing::ValuesIn(kCompletions), vxtest::RowName());

// ---- The cases every completer shares ---------------------------------------------

// A line of the history file as libedit writes it (blanks as octal escapes, a backslash
// doubled), as it was typed.
std::string HistoryEntry(const std::string &written) {
    std::string typed;
    for (std::size_t i = 0; i < written.size(); ++i) {
        if (written[i] != '\\' || i + 1 == written.size()) {
            typed += written[i];
        } else if (written[i + 1] >= '0' && written[i + 1] <= '7' && i + 3 < written.size()) {
            typed += static_cast<char>(std::stoi(written.substr(i + 1, 3), nullptr, 8));
            i += 3;
        } else {
            typed += written[++i];
        }
    }
    return typed;
}

// The lines a list of candidates takes, from what the terminal received since the tab
// key: those after the typed line, up to the prompt shown again.
std::vector<std::string> ListedLines(const std::string &received) {
    std::vector<std::string> lines;
    std::istringstream in(received.substr(received.find('\n') + 1));
    for (std::string line; std::getline(in, line) && line.find("vexar> ") == std::string::npos;)
        lines.push_back(line.substr(0, line.find('\r')));
    return lines;
}

// The candidates a list shows in columns, down then across, in the order they came.
std::vector<std::string> ListedCandidates(const std::vector<std::string> &lines) {
    std::vector<std::vector<std::string>> rows;
    for (const std::string &line : lines) {
        std::istringstream in(line);
        rows.emplace_back(std::istream_iterator<std::string>(in), std::istream_iterator<std::string>());
    }
    std::vector<std::string> candidates;
    for (std::size_t column = 0; !rows.empty() && column < rows[0].size(); ++column)
        for (const std::vector<std::string> &row : rows)
            if (column < row.size()) candidates.push_back(row[column]);
    return candidates;
}

// What Tab offers at the prompt, in a folder of one file: the candidates it lists when
// several fit (Tab twice), else the word it completed the line with (read back from the
// history, the line kept as a comment), none when it left the line as it was.
class LineEditingCompleter : public ScratchTestWithParam<CompletionCase> {};

TEST_P(LineEditingCompleter, OffersWhatTheShellsOffer) {
    const CompletionCase &c = GetParam();
    if (c.where == Completers::shells) GTEST_SKIP() << "the tool's own command line only";
    Write("cases/" + kCompletionFile, "");
    const NoProcessFilter no_processes;
    TerminalSetup setup;
    setup.working_dir = Path("cases");
    if (no_processes.known() && forking_shell_status() != kFilterNotInstalled) setup.no_processes = &no_processes;
    Terminal terminal(Path(), setup);
    ASSERT_TRUE(terminal.Started());
    ASSERT_TRUE(terminal.WaitFor("vexar> ")) << terminal.Output();
    std::string line;
    for (const std::string &word : c.words) line += (line.empty() ? "" : " ") + word;
    const std::string before = line.substr(0, line.size() - c.words.back().size());
    std::vector<std::string> offered;
    if (c.offered.size() >= 2) {
        const std::size_t mark = terminal.Output().size();
        terminal.Type(line + "\t\t");
        ASSERT_TRUE(terminal.WaitFor("vexar> ")) << terminal.Output();
        offered = ListedCandidates(ListedLines(terminal.Output().substr(mark)));
    } else {
        terminal.Type(line + "\t\x01#\r");  // Ctrl-A: to the start of the line
        ASSERT_TRUE(terminal.WaitFor("vexar> ")) << terminal.Output();
        std::istringstream history(Read(".vexar_history"));
        std::string last;
        for (std::string entry; std::getline(history, entry);) last = HistoryEntry(entry);
        ASSERT_EQ(last.rfind("#" + before, 0), 0u) << last;
        const std::string word = last.substr(before.size() + 1);
        if (word != c.words.back()) offered.push_back(word);
    }
    terminal.Type("\x15quit\r");
    EXPECT_EQ(terminal.Finish(), 0) << terminal.Output();
    EXPECT_EQ(offered, c.offered) << terminal.Output();
}

INSTANTIATE_TEST_SUITE_P(Completers, LineEditingCompleter, testing::ValuesIn(kCompletionCases), vxtest::RowName());

// Candidates that do not fit on one line are listed in columns, down then across, as
// shells list them, every line within the terminal's width.
class LineEditingColumns : public ScratchTest {};

TEST_F(LineEditingColumns, FitTheTerminalsWidth) {
    TerminalSetup narrow;
    narrow.columns = 60;
    Terminal terminal(Path(), narrow);
    ASSERT_TRUE(terminal.Started());
    ASSERT_TRUE(terminal.WaitFor("vexar> ")) << terminal.Output();
    const std::size_t mark = terminal.Output().size();
    terminal.Type("\t");  // every command word
    ASSERT_TRUE(terminal.WaitFor("vexar> ")) << terminal.Output();
    const std::vector<std::string> lines = ListedLines(terminal.Output().substr(mark));
    std::vector<std::string> words;
    std::istringstream all_words(RunVexar({"--complete-words"}).out);
    for (std::string word; std::getline(all_words, word);) words.push_back(word);
    EXPECT_EQ(ListedCandidates(lines), words);
    EXPECT_GT(lines.size(), 1u);
    for (const std::string &line : lines) EXPECT_LT(line.size(), 60u) << line;
    terminal.Type("quit\r");
    EXPECT_EQ(terminal.Finish(), 0);
}

// Tab on an operand completes a file name, as a shell does: a file with a blank after
// it, a folder with its "/", several names as far as they agree; a flag never.
class LineEditingFileNames : public ScratchTest {};

TEST_F(LineEditingFileNames, TabCompletesOperandsFromTheFiles) {
    Write("single_file.txt", "");
    Write("packets/one.pkt", "");
    Write("packets/other.pkt", "");
    Write("with blank", "");
    Write(".hidden_file", "");
    const std::string folder = Path() + "/";
    Terminal terminal(Path());
    ASSERT_TRUE(terminal.Started());
    const TypedLine lines[] = {
        {"lspacket " + folder + "sing\t\r", LspacketRecordPart(folder + "single_file.txt", 0, 0)},
        {"lspacket " + folder + "pack\tone\t\r", LspacketRecordPart(folder + "packets/one.pkt", 0, 0)},
        {"lspacket " + folder + "packets/o\t\t", "\none.pkt    other.pkt"},
        {"\x15lspacket -l " + folder + "w\t\r", LspacketRecordPart(folder + "with blank", 2, 0)},
        {"lspacket " + folder + ".h\t\r", LspacketRecordPart(folder + ".hidden_file", 0, 0)},
        {"lspacket -- " + folder + "si\t\r", LspacketRecordPart(folder + "single_file.txt", 0, 0)},
    };
    for (const TypedLine &line : lines)
        ASSERT_TRUE(terminal.Line(line.keys, line.expect)) << "waiting for " << line.expect << " in\n"
                                                           << terminal.Output();
    ASSERT_TRUE(terminal.Line("quit\r", "quit"));
    EXPECT_EQ(terminal.Finish(), 0);
}

// "~" and "~/" complete from the home folder, to its path: the line's splitting expands
// no "~", so that the word names the file as typed.
TEST_F(LineEditingFileNames, TildeCompletesFromTheHomeFolder) {
    Write("home_only.txt", "from_home\n");
    Write("elsewhere/placeholder", "");
    TerminalSetup setup;
    setup.working_dir = Path("elsewhere");
    Terminal terminal(Path(), setup);
    ASSERT_TRUE(terminal.Started());
    const TypedLine lines[] = {
        {"lspacket ~/home_o\t\r", LspacketRecordPart(Path("home_only.txt"), 0, 0)},
        {"lspacket ~\thome_o\t\r", LspacketRecordPart(Path("home_only.txt"), 0, 0)},
        {"lspacket @~/home_o\t\r", LspacketRecordPart("from_home", 0, 0)},
    };
    for (const TypedLine &line : lines)
        ASSERT_TRUE(terminal.Line(line.keys, line.expect)) << "waiting for " << line.expect << " in\n"
                                                           << terminal.Output();
    ASSERT_TRUE(terminal.Line("quit\r", "quit"));
    EXPECT_EQ(terminal.Finish(), 0);
}

// File names listed below the line are the file system's, not the tool's: their control
// characters are shown escaped, so that a name cannot drive the terminal.
TEST_F(LineEditingFileNames, ListedNamesShowTheirControlCharactersEscaped) {
    Write("ctl/a\x1b]0;X\ab", "");
    Write("ctl/a\x1b]0;X\ac", "");
    const std::string folder = Path() + "/ctl/";
    Terminal terminal(Path());
    ASSERT_TRUE(terminal.Started());
    ASSERT_TRUE(terminal.Line("lspacket " + folder + "a\t\t", "\na\\x1b]0;X\\x07b  a\\x1b]0;X\\x07c"))
        << terminal.Output();
    ASSERT_TRUE(terminal.Line("\x15quit\r", "quit"));
    EXPECT_EQ(terminal.Finish(), 0);
}

// A word beginning with "@" reads an argument file: a file whose name begins with "@"
// is completed as "@@name", the word that stands for that name; after "@", Tab
// completes the argument file's name.
TEST_F(LineEditingFileNames, NamesBeginningWithAnAtAreCompletedAsThemselves) {
    Write("at/@notes", "from_notes\n");
    Write("list.txt", "from_list\n");
    Terminal terminal(Path());
    ASSERT_TRUE(terminal.Started());
    const TypedLine lines[] = {
        {"cd " + Path() + "\r", ""},  // the next prompt comes once it ran
        {"lspacket @l\t\r", LspacketRecordPart("from_list", 0, 0)},
        {"cd at\r", ""},
        {"lspacket \t\r", LspacketRecordPart("@notes", 0, 0)},
        {"lspacket @@\t\r", LspacketRecordPart("@notes", 0, 0)},
    };
    for (const TypedLine &line : lines)
        ASSERT_TRUE(terminal.Line(line.keys, line.expect)) << "waiting for " << line.expect << " in\n"
                                                           << terminal.Output();
    ASSERT_TRUE(terminal.Line("quit\r", "quit"));
    EXPECT_EQ(terminal.Finish(), 0);
}

// ---- History ------------------------------------------------------------------------

class LineEditingHistory : public ScratchTest {};

TEST_F(LineEditingHistory, KeptAcrossSessionsInTheHome) {
    {
        Terminal first(Path());
        ASSERT_TRUE(first.Line("lspacket p1\r", LspacketRecordPart("p1", 0, 0))) << first.Output();
        ASSERT_TRUE(first.Line("lspacket -long p2\r", LspacketRecordPart("p2", 2, 0))) << first.Output();
        ASSERT_TRUE(first.Line("\x10\r", LspacketRecordPart("p2", 2, 0))) << "Ctrl-P recalls the line before";
        ASSERT_TRUE(first.WaitFor("vexar> "));
        // End of input at an empty line leaves. The prompt is written before the editor
        // switches the terminal over, and an end of input typed in between is lost, or
        // lands in the line as a character of its own; so the line is emptied (Ctrl-U)
        // and the end of input typed again until the session ends.
        int status = -1;
        for (int attempt = 0; attempt < 10 && status < 0; ++attempt) {
            first.Type(attempt == 0 ? "\x04" : "\x15\x04");
            status = first.Finish(1500);
        }
        EXPECT_EQ(status, 0) << first.Output();
    }
    struct stat info {};
    ASSERT_EQ(stat(Path(".vexar_history").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u) << "only its owner may read the history";

    Terminal second(Path());
    ASSERT_TRUE(second.Line("\x10\r", LspacketRecordPart("p2", 2, 0))) << second.Output();
    ASSERT_TRUE(second.Line("\x10\x10\r", LspacketRecordPart("p1", 0, 0)))
        << "a line run again is kept once: " << second.Output();
    ASSERT_TRUE(second.Line("quit\r", "quit"));
    EXPECT_EQ(second.Finish(), 0);
}

// Lines that hold -password, or any abbreviation of it down to -pas, are run but never
// kept: neither the line nor the password reaches the history file.
struct PasswordCase {
    const char *label;
    std::string line;
    std::string seen;  // what the line prints once it ran
};

const std::string kSettingRecord = R"("command":"chsetting")";

const PasswordCase kPasswords[] = {
    {"full_flag", "chsetting -site -rgy h -password s3cret x=1\r", kSettingRecord},
    {"shortest_abbreviation", "chsetting -site -rgy h -pas s3cret x=1\r", kSettingRecord},
    // The line is kept out whether or not the command takes the flag.
    {"middle_abbreviation", "lspacket -passw s3cret\r", "Unrecognized option \"-passw\""},
    {"quoted_flag", "lspacket '-pass' s3cret\r", "Unrecognized option \"-pass\""},
    {"unknown_command_with_password", "bogus -password s3cret\r", "Unrecognized command"},
    {"line_that_cannot_be_split", "chsetting -pas 's3cret\r", "Missing closing single quote"},
    // Whatever the case, the dashes or a value joined by "=", as far as its shortest
    // spelling the word names the password flag.
    {"double_dash", "chsetting -site -rgy h --password s3cret x=1\r", "did you mean -password?"},
    {"upper_case", "chsetting -site -rgy h -PASSWORD s3cret x=1\r", "Unrecognized option \"-PASSWORD\""},
    {"value_joined_by_equals", "chsetting -site -rgy h -Pas=s3cret x=1\r", "Unrecognized option \"-Pas=...\""},
    {"without_dash", "lspacket Password s3cret\r", R"("packets":["Password","s3cret"])"},
    {"line_that_cannot_be_split_upper_case", "chsetting --PASS 's3cret\r", "Missing closing single quote"},
};

class LineEditingPassword : public ScratchTest, public testing::WithParamInterface<PasswordCase> {};

TEST_P(LineEditingPassword, NeverKeptInTheHistory) {
    Terminal terminal(Path());
    ASSERT_TRUE(terminal.Line("lspacket before\r", LspacketRecordPart("before", 0, 0))) << terminal.Output();
    ASSERT_TRUE(terminal.Line(GetParam().line, GetParam().seen)) << terminal.Output();
    ASSERT_TRUE(terminal.Line("\x10\r", LspacketRecordPart("before", 0, 0)))
        << "Ctrl-P passes over the line with the password: " << terminal.Output();
    ASSERT_TRUE(terminal.Line("quit\r", "quit"));
    EXPECT_EQ(terminal.Finish(), 0);

    const std::string history = Read(".vexar_history");
    EXPECT_NE(history.find("before"), std::string::npos) << history;
    EXPECT_EQ(history.find("s3cret"), std::string::npos) << history;
    EXPECT_EQ(history.find("-pas"), std::string::npos) << history;
}

INSTANTIATE_TEST_SUITE_P(Ecosystem, LineEditingPassword, testing::ValuesIn(kPasswords), vxtest::RowName());

// ---- Ctrl-C at the prompt ---------------------------------------------------------------

// Ctrl-C drops the line being typed and shows a fresh prompt, with the line editor and
// with plain lines at a terminal alike; the session goes on until quit or Ctrl-D.
struct InterruptCase {
    const char *label;
    bool plain_output;
};

const InterruptCase kInterrupts[] = {{"line_editor", false}, {"plain_lines", true}};

class PromptInterrupt : public ScratchTest, public testing::WithParamInterface<InterruptCase> {};

TEST_P(PromptInterrupt, DropsTheLineAndPromptsAgain) {
    Terminal terminal(Path(), {GetParam().plain_output});
    ASSERT_TRUE(terminal.Started());
    ASSERT_TRUE(terminal.WaitFor("vexar> "));
    terminal.Type("lspacket dropped");
    ASSERT_TRUE(terminal.WaitFor("dropped")) << "the line is being read: " << terminal.Output();
    ASSERT_TRUE(terminal.Interrupt()) << terminal.Output();
    terminal.Type("lspacket kept\r");
    ASSERT_TRUE(terminal.WaitFor(LspacketRecordPart("kept", 0, 0))) << terminal.Output();
    ASSERT_TRUE(terminal.WaitFor("vexar> "));
    ASSERT_TRUE(terminal.Interrupt()) << "on an empty line too: " << terminal.Output();
    terminal.Type("quit\r");
    EXPECT_EQ(terminal.Finish(), 0) << terminal.Output();
    EXPECT_EQ(terminal.Output().find("\"dropped\""), std::string::npos) << terminal.Output();
    EXPECT_EQ(Read(".vexar_history").find("dropped"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(Ecosystem, PromptInterrupt, testing::ValuesIn(kInterrupts), vxtest::RowName());

// Before the first prompt one line says how to get the command list and how to leave;
// with output to a pipe, the greeting and the prompts go to the terminal and the pipe
// holds only what the commands print.
class PromptGreeting : public ScratchTest, public testing::WithParamInterface<InterruptCase> {};

TEST_P(PromptGreeting, ComesOnceBeforeTheFirstPromptOnTheTerminalOnly) {
    const std::string greeting = "Type \"help\" for the commands, \"quit\" or Ctrl-D to leave.\r\n";
    Terminal terminal(Path(), {GetParam().plain_output});
    ASSERT_TRUE(terminal.Started());
    ASSERT_TRUE(terminal.WaitFor(greeting)) << terminal.Output();
    ASSERT_TRUE(terminal.Line("lspacket p1\r", LspacketRecordPart("p1", 0, 0))) << terminal.Output();
    ASSERT_TRUE(terminal.Line("quit\r", "quit"));
    EXPECT_EQ(terminal.Finish(), 0) << terminal.Output();
    EXPECT_EQ(Occurrences(terminal.Output(), greeting), 1) << terminal.Output();
    EXPECT_LT(terminal.Output().find(greeting), terminal.Output().find("vexar> ")) << terminal.Output();
    if (GetParam().plain_output) {
        EXPECT_NE(terminal.PipeOutput().find(LspacketRecordPart("p1", 0, 0)), std::string::npos);
        EXPECT_EQ(terminal.PipeOutput().find("vexar> "), std::string::npos) << terminal.PipeOutput();
        EXPECT_EQ(terminal.PipeOutput().find("Type "), std::string::npos) << terminal.PipeOutput();
    }
}

INSTANTIATE_TEST_SUITE_P(Ecosystem, PromptGreeting, testing::ValuesIn(kInterrupts), vxtest::RowName());

// ---- The history file ---------------------------------------------------------------

// A history as the line editor writes it: a header, then one line per entry with its
// blanks escaped.
std::string HistoryFile(const std::vector<std::string> &lines) {
    std::string text = "_HiStOrY_V2_\n";
    for (const std::string &line : lines) {
        for (const char c : line) text += c == ' ' ? std::string("\\040") : std::string(1, c);
        text += "\n";
    }
    return text;
}

mode_t ModeOf(const std::string &path) {
    struct stat info {};
    return lstat(path.c_str(), &info) == 0 ? info.st_mode : 0;
}

// Runs one session in `home`: Ctrl-P and Enter (the line before, if any), a line of its
// own, then quit.
void RunSession(const std::string &home, const TerminalSetup &setup = {}) {
    Terminal terminal(home, setup);
    ASSERT_TRUE(terminal.Started());
    ASSERT_TRUE(terminal.WaitFor("vexar> ")) << terminal.Output();
    terminal.Type("\x10\r");
    ASSERT_TRUE(terminal.Line("lspacket fresh\r", LspacketRecordPart("fresh", 0, 0))) << terminal.Output();
    ASSERT_TRUE(terminal.Line("quit\r", "quit"));
    EXPECT_EQ(terminal.Finish(), 0) << terminal.Output();
    EXPECT_EQ(terminal.Output().find("\"linked\""), std::string::npos) << "read through a link: " << terminal.Output();
}

class HistoryFileHandling : public ScratchTest {};

// A symbolic link in the history's place is neither read nor written through, and the
// file it names keeps its text and its mode.
TEST_F(HistoryFileHandling, NeverFollowsASymbolicLink) {
    const std::string target = Write("elsewhere", HistoryFile({"lspacket linked"}));
    ASSERT_EQ(chmod(target.c_str(), 0644), 0);
    ASSERT_EQ(symlink(target.c_str(), Path(".vexar_history").c_str()), 0);
    RunSession(Path());
    EXPECT_EQ(Read("elsewhere"), HistoryFile({"lspacket linked"}));
    EXPECT_EQ(ModeOf(target) & 0777, 0644u);
    EXPECT_TRUE(S_ISLNK(ModeOf(Path(".vexar_history"))));
}

// A history the user made is read, kept up to date, and keeps its mode.
TEST_F(HistoryFileHandling, KeepsTheModeOfAFileItDidNotCreate) {
    const std::string history = Write(".vexar_history", HistoryFile({"lspacket older"}));
    ASSERT_EQ(chmod(history.c_str(), 0640), 0);
    Terminal terminal(Path());
    ASSERT_TRUE(terminal.Line("\x10\r", LspacketRecordPart("older", 0, 0))) << terminal.Output();
    ASSERT_TRUE(terminal.Line("lspacket newer\r", LspacketRecordPart("newer", 0, 0))) << terminal.Output();
    ASSERT_TRUE(terminal.Line("quit\r", "quit"));
    EXPECT_EQ(terminal.Finish(), 0);
    EXPECT_EQ(ModeOf(history) & 0777, 0640u);
    EXPECT_TRUE(S_ISREG(ModeOf(history)));
    EXPECT_NE(Read(".vexar_history").find("newer"), std::string::npos) << Read(".vexar_history");
}

// A history that cannot be written whole (here files cannot grow past 1 KiB, as on a
// full disk) leaves the one before untouched, and no half-written file beside it.
TEST_F(HistoryFileHandling, AFailedWriteLeavesTheOldHistoryWhole) {
    std::vector<std::string> lines;
    for (int i = 0; i < 200; ++i) lines.push_back("lspacket packet_number_" + std::to_string(i));
    const std::string before = HistoryFile(lines);
    Write(".vexar_history", before);
    TerminalSetup full_disk;
    full_disk.file_size_limit = 1024;
    RunSession(Path(), full_disk);
    EXPECT_EQ(Read(".vexar_history"), before);
    int files = 0;
    for ([[maybe_unused]] const auto &entry : std::filesystem::directory_iterator(Path())) ++files;
    EXPECT_EQ(files, 1) << "nothing left beside the history";
}

// Past a file-size limit (as after `ulimit -f 4`, whose signal would end the tool) a save
// only fails: the line runs, the session goes on, the old history stays whole and
// nothing is left beside it.
TEST_F(HistoryFileHandling, ASizeLimitOnlyFailsTheSave) {
    std::vector<std::string> lines;
    for (int i = 0; i < 330; ++i) lines.push_back("lspacket packet_number_" + std::to_string(i));
    const std::string before = HistoryFile(lines);
    ASSERT_GT(before.size(), 9000u);
    Write(".vexar_history", before);
    TerminalSetup limited;
    limited.file_size_limit = 4096;
    limited.size_limit_signal_ignored = false;
    RunSession(Path(), limited);
    EXPECT_EQ(Read(".vexar_history"), before);
    int files = 0;
    for ([[maybe_unused]] const auto &entry : std::filesystem::directory_iterator(Path())) ++files;
    EXPECT_EQ(files, 1) << "nothing left beside the history";
}

// A root session in another user's home leaves that user a history they can still read.
TEST_F(HistoryFileHandling, KeepsTheOwnerOfTheFileItReplaces) {
    if (geteuid() != 0) GTEST_SKIP() << "only root can give a file to another user";
    constexpr uid_t kOtherUser = 65534;
    constexpr gid_t kOtherGroup = 65534;
    const std::string history = Write(".vexar_history", HistoryFile({"lspacket older"}));
    ASSERT_EQ(chown(history.c_str(), kOtherUser, kOtherGroup), 0);
    ASSERT_EQ(chmod(history.c_str(), 0640), 0);
    RunSession(Path());
    struct stat info {};
    ASSERT_EQ(lstat(history.c_str(), &info), 0);
    EXPECT_EQ(info.st_uid, kOtherUser);
    EXPECT_EQ(info.st_gid, kOtherGroup);
    EXPECT_EQ(info.st_mode & 07777, 0640u);
    EXPECT_NE(Read(".vexar_history").find("fresh"), std::string::npos) << Read(".vexar_history");
}

// Two sessions with the same home, their lines alternating in time: the file keeps
// every line of both in the order they were entered, and no more than the last 1000.
TEST_F(HistoryFileHandling, TwoSessionsAtOnceKeepEveryLineInOrder) {
    std::vector<std::string> entered;
    for (int i = 0; i < 990; ++i) entered.push_back("lspacket older_" + std::to_string(i));
    Write(".vexar_history", HistoryFile(entered));
    Terminal first(Path());
    Terminal second(Path());
    ASSERT_TRUE(first.Started() && second.Started());
    for (int i = 0; i < 20; ++i) {
        for (Terminal *session : {&first, &second}) {
            const std::string name = (session == &first ? "first_" : "second_") + std::to_string(i);
            ASSERT_TRUE(session->Line("lspacket " + name + "\r", LspacketRecordPart(name, 0, 0))) << session->Output();
            entered.push_back("lspacket " + name);
        }
    }
    for (Terminal *session : {&first, &second}) {
        ASSERT_TRUE(session->Line("quit\r", "quit"));
        EXPECT_EQ(session->Finish(), 0) << session->Output();
    }
    entered.push_back("quit");  // once: the second is the same line again
    entered.erase(entered.begin(), entered.end() - 1000);
    EXPECT_EQ(Read(".vexar_history"), HistoryFile(entered));
}

// A save that cannot have the lock (another session holds it) fails within a short
// while: the line runs and the file is left as it was; the next save keeps that line
// with its own.
TEST_F(HistoryFileHandling, ASaveThatCannotLockFailsWithoutWaiting) {
    const std::string history = Write(".vexar_history", HistoryFile({"lspacket older"}));
    const int held = open(history.c_str(), O_RDONLY | O_CLOEXEC);
    ASSERT_GE(held, 0);
    ASSERT_EQ(flock(held, LOCK_EX), 0);
    Terminal terminal(Path());
    ASSERT_TRUE(terminal.Line("lspacket while_locked\r", LspacketRecordPart("while_locked", 0, 0)))
        << terminal.Output();
    EXPECT_EQ(Read(".vexar_history"), HistoryFile({"lspacket older"}));
    close(held);
    ASSERT_TRUE(terminal.Line("lspacket after\r", LspacketRecordPart("after", 0, 0))) << terminal.Output();
    ASSERT_TRUE(terminal.Line("quit\r", "quit"));
    EXPECT_EQ(terminal.Finish(), 0);
    EXPECT_EQ(Read(".vexar_history"),
              HistoryFile({"lspacket older", "lspacket while_locked", "lspacket after", "quit"}));
}

// ---- History in memory only -----------------------------------------------------------

// Where no history file can be kept, the session says so once on standard error, keeps
// its lines in memory (Ctrl-P recalls them), and leaves what stands at the path, and
// every folder cd reaches, without a history.
struct InMemoryCase {
    const char *label;
    void (*prepare)(const std::string &history);  // puts something in the history's place
    const char *home;                             // nullptr: the scratch folder
    std::string (*note)(const std::string &history);
};

const std::string kInMemoryOnly = "The history stays in memory only: ";

const InMemoryCase kInMemory[] = {
    {"fifo", [](const std::string &history) { ASSERT_EQ(mkfifo(history.c_str(), 0600), 0); }, nullptr,
     [](const std::string &history) { return kInMemoryOnly + "\"" + history + "\" is a FIFO.\n"; }},
    {"folder", [](const std::string &history) { ASSERT_EQ(mkdir(history.c_str(), 0700), 0); }, nullptr,
     [](const std::string &history) { return kInMemoryOnly + "\"" + history + "\" is a folder.\n"; }},
    {"symbolic_link", [](const std::string &history) { ASSERT_EQ(symlink("elsewhere", history.c_str()), 0); }, nullptr,
     [](const std::string &history) { return kInMemoryOnly + "\"" + history + "\" is a symbolic link.\n"; }},
    {"relative_home", [](const std::string &) {}, ".",
     [](const std::string &) { return kInMemoryOnly + "the home folder \".\" is not an absolute path.\n"; }},
    // Control bytes of the home reach the terminal escaped, never as they are.
    {"relative_home_with_control_bytes", [](const std::string &) {}, "rel\x1b]0;x\a\xff",
     [](const std::string &) {
         return kInMemoryOnly + "the home folder \"rel\\x1b]0;x\\x07\\xff\" is not an absolute path.\n";
     }},
    {"empty_home", [](const std::string &) {}, "",
     [](const std::string &) { return kInMemoryOnly + "HOME names no home folder.\n"; }},
};

void PrintTo(const InMemoryCase &c, std::ostream *out) { *out << c.label; }

class HistoryInMemoryOnly : public ScratchTest, public testing::WithParamInterface<InMemoryCase> {};

TEST_P(HistoryInMemoryOnly, SaysSoOnceAndKeepsLinesForTheSession) {
    const InMemoryCase &c = GetParam();
    const std::string history = Path(".vexar_history");
    c.prepare(history);
    const mode_t kind = ModeOf(history) & S_IFMT;
    Write("sub/placeholder", "");
    TerminalSetup setup;
    setup.working_dir = Path();
    setup.errors_to = Path("errors.txt");
    Terminal terminal(c.home != nullptr ? c.home : Path(), setup);
    ASSERT_TRUE(terminal.Started());
    ASSERT_TRUE(terminal.Line("cd sub\r", "cd sub")) << terminal.Output();
    ASSERT_TRUE(terminal.Line("lspacket one\r", LspacketRecordPart("one", 0, 0))) << terminal.Output();
    ASSERT_TRUE(terminal.Line("\x10\r", LspacketRecordPart("one", 0, 0))) << "recalled: " << terminal.Output();
    ASSERT_TRUE(terminal.Line("quit\r", "quit"));
    EXPECT_EQ(terminal.Finish(), 0) << terminal.Output();
    EXPECT_EQ(Read("errors.txt"), c.note(history));
    EXPECT_EQ(ModeOf(history) & S_IFMT, kind) << "what stood there stays";
    EXPECT_EQ(ModeOf(Path("sub/.vexar_history")), 0u) << "no history where cd went";
}

INSTANTIATE_TEST_SUITE_P(Ecosystem, HistoryInMemoryOnly, testing::ValuesIn(kInMemory), vxtest::RowName());

// ---- Plain input ----------------------------------------------------------------------

class PlainInput : public ScratchTest {};

TEST_F(PlainInput, PipedInputKeepsNoHistory) {
    const ProcessResult r = RunVexar({}, "lspacket p1\nlspacket\t-l\tp2\n", {{"HOME", Path()}});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(Occurrences(CompactRecordLines(r.out), R"("command":"lspacket")"), 2) << "tabs are blanks there";
    EXPECT_NE(r.out.find(LspacketRecordPart("p2", 2, 0)), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(Path(".vexar_history")));
}

TEST_F(PlainInput, OutputToAPipeHoldsNeitherPromptsNorControls) {
    ProcessOptions options;
    options.stdin_text = "lspacket p1\n";
    options.stdin_terminal = true;
    options.set_env = {{"HOME", Path()}, {"TERM", "xterm"}};
    const ProcessResult r = run_process(VEXAR_PATH, {}, options);
    EXPECT_EQ(r.status, 0);
    EXPECT_TRUE(r.out.starts_with("{\"command\":\"lspacket\"")) << "the prompt goes to the terminal: " << r.out;
    EXPECT_EQ(r.out.find('\x1b'), std::string::npos) << "no terminal control sequences";
    EXPECT_FALSE(std::filesystem::exists(Path(".vexar_history")));
}

}  // namespace
}  // namespace vxtest
