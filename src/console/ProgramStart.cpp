#include "console/ProgramStart.h"

#include <algorithm>
#include <vector>

#include "cli/CommandLine.h"

namespace brivex {

namespace {

// Where the arguments start: after the closing quote of a quoted path, else at
// the first blank, as the program itself reads its command line.
std::size_t ArgumentsStart(std::wstring_view line) {
    if (line.starts_with(L'"')) return std::min(line.find(L'"', 1), line.size() - 1) + 1;
    return std::min(line.find_first_of(L" \t"), line.size());
}

std::wstring WithExeExtension(std::wstring_view path) {
    const std::size_t name = path.find_last_of(L"\\/");
    const std::size_t dot = path.rfind(L'.');
    const bool hasExtension = dot != std::wstring_view::npos && (name == std::wstring_view::npos || dot > name);
    return std::wstring(path.substr(0, hasExtension ? dot : path.size())) + L".exe";
}

}  // namespace

ProgramStart StartBeside(std::wstring_view companionPath, std::wstring_view companionCommandLine) {
    ProgramStart start{WithExeExtension(companionPath), {}};
    start.commandLine = L"\"" + start.program + L"\"";
    start.commandLine += companionCommandLine.substr(ArgumentsStart(companionCommandLine));
    return start;
}

bool WaitsForProgram(std::string_view commandLine) {
    const std::vector<std::string> arguments = SplitCommandLine(commandLine);
    const CommandLine parsed = ParseCommandLine({arguments.begin() + 1, arguments.end()});
    return parsed.command != Command::Windows || parsed.fault != CommandLineFault::None;
}

}  // namespace brivex
