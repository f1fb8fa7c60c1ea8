// Runs the built kelvor-cli as a user would, and reads what it wrote.
#pragma once

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/wait.h>
#endif

#include <cstdio>
#include <filesystem>
#include <initializer_list>
#include <string>
#include <vector>

#include "tests/tools/test_files.h"

namespace kelvor::cli::testing {

struct ToolRun {
    int exitCode = -1;
    std::string out, err;
};

inline std::string ShellQuoted(const std::string& arg) {
    std::string quoted = "'";
    for (char c : arg) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

#ifdef _WIN32
// An argument as the C library splits the command line again: in double
// quotes, backslashes before the closing quote doubled (none has quotes).
inline std::wstring CommandLineQuoted(const std::wstring& arg) {
    const std::size_t last = arg.find_last_not_of(L'\\');
    const std::size_t trailing = arg.size() - (last == std::wstring::npos ? 0 : last + 1);
    return L"\"" + arg + std::wstring(trailing, L'\\') + L"\"";
}

// kelvor-cli started directly (cmd.exe would cut a long command line), its
// UTF-8 arguments given as UTF-16; what it writes has CR LF line ends,
// given here as LF.
inline ToolRun RunTool(const std::filesystem::path& scratch, const std::vector<std::string>& args,
                       const std::filesystem::path& cwd = {}) {
    using std::filesystem::path;
    std::wstring line = CommandLineQuoted(path(KELVOR_CLI).wstring());
    for (const std::string& a : args) line += L" " + CommandLineQuoted(path(std::u8string(a.begin(), a.end())).wstring());
    SECURITY_ATTRIBUTES inherited{sizeof inherited, nullptr, TRUE};
    HANDLE readOut = nullptr, writeOut = nullptr;
    CreatePipe(&readOut, &writeOut, &inherited, 0);
    SetHandleInformation(readOut, HANDLE_FLAG_INHERIT, 0);
    const path errFile = scratch / "stderr.txt";
    const HANDLE err = CreateFileW(errFile.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherited, CREATE_ALWAYS, 0, nullptr);
    STARTUPINFOW start{};
    start.cb = sizeof start;
    start.dwFlags = STARTF_USESTDHANDLES;
    start.hStdOutput = writeOut;
    start.hStdError = err;
    PROCESS_INFORMATION process{};
    const bool started = CreateProcessW(nullptr, line.data(), nullptr, nullptr, TRUE, 0, nullptr,
                                        cwd.empty() ? nullptr : cwd.c_str(), &start, &process);
    CloseHandle(writeOut);
    CloseHandle(err);
    ToolRun run;
    char buffer[65536];
    for (DWORD n = 0; started && ReadFile(readOut, buffer, sizeof buffer, &n, nullptr) && n > 0;) run.out.append(buffer, n);
    CloseHandle(readOut);
    if (!started) return run;
    WaitForSingleObject(process.hProcess, INFINITE);
    DWORD code = 0;
    GetExitCodeProcess(process.hProcess, &code);
    run.exitCode = static_cast<int>(code);
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
    run.err = demo::testing::ReadBytes(errFile);
    for (std::string* text : {&run.out, &run.err}) {
        std::string lf;
        for (std::size_t i = 0; i < text->size(); ++i)
            if ((*text)[i] != '\r' || i + 1 == text->size() || (*text)[i + 1] != '\n') lf += (*text)[i];
        *text = std::move(lf);
    }
    return run;
}
#else
// A shell command, in the folder `cwd` when one is given; standard error
// goes to a file in `scratch`.
inline ToolRun RunShell(const std::filesystem::path& scratch, std::string command, const std::filesystem::path& cwd = {}) {
    const std::filesystem::path errFile = scratch / "stderr.txt";
    if (!cwd.empty()) command = "cd " + ShellQuoted(cwd.string()) + " && " + command;
    command = "{ " + command + "; } 2>" + ShellQuoted(errFile.string());
    ToolRun run;
    FILE* pipe = ::popen(command.c_str(), "r");
    if (!pipe) return run;
    char buffer[65536];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) run.out.append(buffer, n);
    const int status = ::pclose(pipe);
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.err = demo::testing::ReadBytes(errFile);
    return run;
}

// kelvor-cli with the arguments, as RunShell runs a command.
inline ToolRun RunTool(const std::filesystem::path& scratch, const std::vector<std::string>& args,
                       const std::filesystem::path& cwd = {}) {
    std::string command = ShellQuoted(KELVOR_CLI);
    for (const std::string& a : args) command += " " + ShellQuoted(a);
    return RunShell(scratch, command, cwd);
}
#endif

}  // namespace kelvor::cli::testing
