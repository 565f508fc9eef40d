// Running a program as a child process on Windows: CreateProcess with a pipe on each
// standard handle, an environment block of its own, and a time limit. The Windows twin
// of process.cpp; Windows has no pseudo-terminals, so a terminal input is refused.
#include "support/process.h"

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include <algorithm>
#include <cstring>
#include <stdexcept>
#include <thread>

namespace vxtest {
namespace {

std::string last_error(const std::string &what) { return what + ": error " + std::to_string(GetLastError()); }

void close_handle(HANDLE &handle) {
    if (handle != nullptr && handle != INVALID_HANDLE_VALUE) CloseHandle(handle);
    handle = nullptr;
}

// A pipe whose `child_end` the child inherits; the parent's end is not inherited, so
// that the parent's close is the end of the stream.
struct Pipe {
    HANDLE child_end = nullptr;
    HANDLE parent_end = nullptr;
};

Pipe make_pipe(bool child_reads) {
    SECURITY_ATTRIBUTES inherit{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    HANDLE read_end = nullptr, write_end = nullptr;
    if (!CreatePipe(&read_end, &write_end, &inherit, 0)) throw std::runtime_error(last_error("CreatePipe"));
    Pipe pipe = child_reads ? Pipe{read_end, write_end} : Pipe{write_end, read_end};
    SetHandleInformation(pipe.parent_end, HANDLE_FLAG_INHERIT, 0);
    return pipe;
}

// One argument as the C runtime's command-line parser reads it back: quoted when it
// holds blanks or quotes (or is empty); backslashes doubled only before a quote.
std::string quote_argument(const std::string &arg) {
    if (!arg.empty() && arg.find_first_of(" \t\n\v\"") == std::string::npos) return arg;
    std::string quoted = "\"";
    for (std::size_t i = 0;; ++i) {
        std::size_t backslashes = 0;
        for (; i < arg.size() && arg[i] == '\\'; ++i) ++backslashes;
        if (i == arg.size()) {
            quoted.append(backslashes * 2, '\\');
            break;
        }
        if (arg[i] == '"') {
            quoted.append(backslashes * 2 + 1, '\\');
        } else {
            quoted.append(backslashes, '\\');
        }
        quoted += arg[i];
    }
    return quoted + "\"";
}

bool same_name(const std::string &a, const std::string &b) {  // names are case-blind
    return a.size() == b.size() && _stricmp(a.c_str(), b.c_str()) == 0;
}

// The inherited environment without the names unset or replaced, then the ones set:
// "NAME=value" entries, each ended by a NUL, the whole ended by another, sorted by
// name as Windows expects.
std::string environment_block(const ProcessOptions &options) {
    std::vector<std::string> env;
    if (char *strings = GetEnvironmentStringsA()) {
        for (const char *entry = strings; *entry != '\0'; entry += std::strlen(entry) + 1) {
            const std::string text(entry);
            // "=C:=C:\dir" entries keep each drive's directory; their name starts with "=".
            const std::string name = text.substr(0, text.find('=', 1));
            auto matches = [&](const std::string &other) { return same_name(name, other); };
            const bool dropped = std::any_of(options.unset_env.begin(), options.unset_env.end(), matches) ||
                                 std::any_of(options.set_env.begin(), options.set_env.end(),
                                             [&](const auto &entry) { return matches(entry.first); });
            if (!dropped) env.push_back(text);
        }
        FreeEnvironmentStringsA(strings);
    }
    for (const auto &[name, value] : options.set_env) env.push_back(name + "=" + value);
    std::sort(env.begin(), env.end(),
              [](const std::string &a, const std::string &b) { return _stricmp(a.c_str(), b.c_str()) < 0; });
    std::string block;
    for (const std::string &entry : env) block += entry + '\0';
    return block + '\0';
}

// A program named without a folder is the one beside the running test program.
std::string resolve(const std::string &program) {
    if (program.find_first_of("/\\") != std::string::npos) return program;
    char self[MAX_PATH];
    const DWORD length = GetModuleFileNameA(nullptr, self, MAX_PATH);
    std::string folder(self, length);
    folder.erase(folder.find_last_of("/\\") + 1);
    return folder + program;
}

// The program's command line is handed over in UTF-16, as a Windows shell does, so that
// UTF-8 arguments reach the child as the characters they are.
std::wstring wide(const std::string &utf8) {
    const int length = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    std::wstring text(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), text.data(), length);
    return text;
}

void drain(HANDLE from, std::string *sink) {
    char buffer[65536];
    DWORD n = 0;
    while (ReadFile(from, buffer, sizeof buffer, &n, nullptr) && n > 0) sink->append(buffer, n);
}

}  // namespace

ProcessResult run_process(const std::string &program, const std::vector<std::string> &args,
                          const ProcessOptions &options) {
    if (options.stdin_terminal) throw std::runtime_error("Windows has no pseudo-terminal to type into");

    const std::string path = resolve(program);
    std::string command_line = "\"" + path + "\"";
    for (const std::string &arg : args) command_line += " " + quote_argument(arg);
    std::string env = environment_block(options);

    Pipe in{};
    if (options.stdin_text) {
        in = make_pipe(true);
    } else {
        SECURITY_ATTRIBUTES inherit{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
        in.child_end = CreateFileA("NUL", GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit, OPEN_EXISTING,
                                   FILE_ATTRIBUTE_NORMAL, nullptr);
    }
    Pipe out = make_pipe(false);
    Pipe err = make_pipe(false);

    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = in.child_end;
    startup.hStdOutput = out.child_end;
    startup.hStdError = err.child_end;
    PROCESS_INFORMATION child{};
    const std::wstring wide_path = wide(path);
    std::wstring wide_command_line = wide(command_line);
    const BOOL started = CreateProcessW(wide_path.c_str(), wide_command_line.data(), nullptr, nullptr, TRUE,
                                        CREATE_NO_WINDOW, env.data(), nullptr, &startup, &child);
    const DWORD start_error = GetLastError();
    close_handle(in.child_end);
    close_handle(out.child_end);
    close_handle(err.child_end);
    if (!started) {
        close_handle(in.parent_end);
        close_handle(out.parent_end);
        close_handle(err.parent_end);
        throw std::runtime_error("cannot run " + path + ": error " + std::to_string(start_error));
    }
    CloseHandle(child.hThread);

    // Feed standard input and drain both outputs side by side, so that no pipe fills up
    // while the child waits on another.
    ProcessResult result;
    std::thread feeder;
    if (options.stdin_text)
        feeder = std::thread([&] {
            const std::string &input = *options.stdin_text;
            std::size_t written = 0;
            DWORD n = 0;
            while (written < input.size() && WriteFile(in.parent_end, input.data() + written,
                                                       static_cast<DWORD>(input.size() - written), &n, nullptr))
                written += n;
            close_handle(in.parent_end);  // the end of the input; a reader gone ends it too
        });
    std::thread out_reader(drain, out.parent_end, &result.out);
    std::thread err_reader(drain, err.parent_end, &result.err);

    if (WaitForSingleObject(child.hProcess, static_cast<DWORD>(options.timeout_ms)) == WAIT_TIMEOUT) {
        result.timed_out = true;
        TerminateProcess(child.hProcess, 1);
        WaitForSingleObject(child.hProcess, INFINITE);
    }
    if (feeder.joinable()) feeder.join();
    out_reader.join();
    err_reader.join();
    close_handle(out.parent_end);
    close_handle(err.parent_end);

    DWORD exit_code = 0;
    GetExitCodeProcess(child.hProcess, &exit_code);
    CloseHandle(child.hProcess);
    result.status = static_cast<int>(exit_code);
    return result;
}

}  // namespace vxtest
