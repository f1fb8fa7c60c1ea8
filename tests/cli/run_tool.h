// Runs the built kelvor-cli as a user would, and reads what it wrote.
#pragma once

#include <sys/wait.h>

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

}  // namespace kelvor::cli::testing
