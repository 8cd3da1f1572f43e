#include "cli/CommandLine.h"

#include <algorithm>
#include <array>

#include "registry/StartWithWindows.h"

namespace brivex {

namespace {

constexpr std::string_view kBlanks = " \t";

struct CommandSwitch {
    std::string_view name;
    Command command;
    bool takesFile;
};

constexpr std::array<CommandSwitch, 7> kCommands = {{
    {"export", Command::Export, true},
    {"check", Command::Check, true},
    {"tweaks", Command::Tweaks, true},
    {"optimise", Command::Optimise, false},
    {"optimize", Command::Optimise, false},
    {"?", Command::Help, false},
    {"help", Command::Help, false},
}};

bool IsSwitch(std::string_view argument) {
    return !argument.empty() && (argument.front() == '/' || argument.front() == '-');
}

std::string SwitchName(std::string_view argument) {
    std::string name(argument.substr(1));
    std::ranges::transform(name, name.begin(), [](char c) { return c >= 'A' && c <= 'Z' ? char(c + 32) : c; });
    return name;
}

bool IsSwitchNamed(std::string_view argument, std::string_view marker) {
    return IsSwitch(argument) && SwitchName(argument) == marker.substr(1);
}

bool IsStartMark(std::string_view argument) {
    return IsSwitchNamed(argument, kElevatedMarker) || IsSwitchNamed(argument, kLogOnSwitch);
}

// The program's path ends at the closing quote, or at the first blank; no escapes.
std::size_t SkipProgramPath(std::string_view line, std::string& path) {
    std::size_t i = 0;
    if (line.starts_with('"')) {
        const std::size_t close = line.find('"', 1);
        const std::size_t end = close == std::string_view::npos ? line.size() : close;
        path = line.substr(1, end - 1);
        i = std::min(line.size(), end + 1);
    } else {
        i = std::min(line.find_first_of(kBlanks), line.size());
        path = line.substr(0, i);
    }
    return i;
}

CommandLine Refused(bool quiet, CommandLineFault fault, std::string_view argument) {
    CommandLine refused;
    refused.quiet = quiet;
    refused.fault = fault;
    refused.faultArgument = argument;
    return refused;
}

}  // namespace

std::vector<std::string> SplitCommandLine(std::string_view line) {
    std::vector<std::string> arguments(1);
    std::size_t i = SkipProgramPath(line, arguments.front());
    for (;;) {
        i = line.find_first_not_of(kBlanks, i);
        if (i == std::string_view::npos) return arguments;
        std::string argument;
        bool quoted = false;
        while (i < line.size() && (quoted || kBlanks.find(line[i]) == std::string_view::npos)) {
            std::size_t backslashes = 0;
            while (i < line.size() && line[i] == '\\') ++backslashes, ++i;
            if (i < line.size() && line[i] == '"') {
                argument.append(backslashes / 2, '\\');
                if (backslashes % 2 == 1) {
                    argument += '"';
                } else if (quoted && i + 1 < line.size() && line[i + 1] == '"') {
                    argument += '"';
                    ++i;
                } else {
                    quoted = !quoted;
                }
                ++i;
            } else {
                argument.append(backslashes, '\\');
                if (i < line.size() && (quoted || kBlanks.find(line[i]) == std::string_view::npos))
                    argument += line[i++];
            }
        }
        arguments.push_back(std::move(argument));
    }
}

CommandLine ParseCommandLine(const std::vector<std::string>& arguments) {
    CommandLine parsed;
    const auto marked = [&arguments](std::string_view mark) {
        return std::ranges::any_of(arguments, [mark](const std::string& a) { return IsSwitchNamed(a, mark); });
    };
    parsed.elevatedStart = marked(kElevatedMarker);
    parsed.logOnStart = marked(kLogOnSwitch);
    // Without a switch the program starts as it always has: a file dropped on
    // its icon, say, opens the windows.
    if (std::ranges::none_of(arguments, [](const std::string& a) { return IsSwitch(a) && !IsStartMark(a); }))
        return parsed;
    // Wherever it stands, even past a mistake: a line that asks for no box gets none.
    parsed.quiet =
        std::ranges::any_of(arguments, [](const std::string& a) { return IsSwitch(a) && SwitchName(a) == "quiet"; });
    std::string commandSwitch;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (!IsSwitch(argument)) return Refused(parsed.quiet, CommandLineFault::StrayArgument, argument);
        const std::string name = SwitchName(argument);
        // The file that follows a switch: never a switch itself.
        const auto takeFile = [&](std::string& into) {
            if (i + 1 >= arguments.size() || IsSwitch(arguments[i + 1])) return false;
            into = arguments[++i];
            return true;
        };
        if (IsStartMark(argument)) continue;
        if (name == "quiet") continue;
        if (name == "log") {
            if (!takeFile(parsed.logFile.emplace()))
                return Refused(parsed.quiet, CommandLineFault::MissingFile, argument);
            continue;
        }
        const auto command = std::ranges::find(kCommands, name, &CommandSwitch::name);
        if (command == kCommands.end()) return Refused(parsed.quiet, CommandLineFault::UnknownSwitch, argument);
        if (parsed.command != Command::Windows)
            return Refused(parsed.quiet, CommandLineFault::TwoCommands, commandSwitch + " " + argument);
        parsed.command = command->command;
        commandSwitch = argument;
        if (command->takesFile && !takeFile(parsed.file))
            return Refused(parsed.quiet, CommandLineFault::MissingFile, argument);
    }
    if (parsed.command == Command::Windows && (parsed.quiet || parsed.logFile))
        return Refused(parsed.quiet, CommandLineFault::OptionWithoutCommand, parsed.quiet ? "/quiet" : "/log");
    return parsed;
}

}  // namespace brivex
