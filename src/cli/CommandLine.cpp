#include "cli/CommandLine.h"

#include <algorithm>
#include <array>
#include <span>

#include "registry/StartWithWindows.h"

namespace brivex {

namespace {

constexpr std::string_view kBlanks = " \t";

struct CommandSwitch {
    std::string_view name;
    Command command;
    bool takesFile;
};

constexpr std::array<CommandSwitch, 8> kCommands = {{
    {"export", Command::Export, true},
    {"check", Command::Check, true},
    {"tweaks", Command::Tweaks, true},
    {"optimise", Command::Optimise, false},
    {"optimize", Command::Optimise, false},
    {"?", Command::Help, false},
    {"help", Command::Help, false},
    {"version", Command::Version, false},
}};

constexpr Command kWritingCommands[] = {Command::Tweaks, Command::Optimise};
constexpr Command kReportingCommands[] = {Command::Check, Command::Tweaks};

// The options without a file, and the commands each goes with (none named: any).
struct FlagSwitch {
    std::string_view name;
    bool CommandLine::*flag;
    std::span<const Command> with;
};

constexpr std::array<FlagSwitch, 4> kFlags = {{
    {"quiet", &CommandLine::quiet, {}},
    {"utf8", &CommandLine::utf8, {}},
    {"whatif", &CommandLine::whatIf, kWritingCommands},
    {"json", &CommandLine::json, kReportingCommands},
}};

// A word processor turns a typed hyphen into an en dash (U+2013) or an em dash
// (U+2014); a switch copied from a document keeps it.
constexpr std::array<std::string_view, 4> kSwitchStarts = {"/", "-", "\xE2\x80\x93", "\xE2\x80\x94"};

std::size_t SwitchStart(std::string_view argument) {
    for (std::string_view start : kSwitchStarts)
        if (argument.starts_with(start)) return start.size();
    return 0;
}

bool IsSwitch(std::string_view argument) { return SwitchStart(argument) != 0; }

std::string SwitchName(std::string_view argument) {
    std::string name(argument.substr(SwitchStart(argument)));
    std::ranges::transform(name, name.begin(), [](char c) { return c >= 'A' && c <= 'Z' ? char(c + 32) : c; });
    return name;
}

bool IsSwitchNamed(std::string_view argument, std::string_view marker) {
    return IsSwitch(argument) && SwitchName(argument) == marker.substr(1);
}

bool IsStartMark(std::string_view argument) {
    return IsSwitchNamed(argument, kElevatedMarker) || IsSwitchNamed(argument, kLogOnSwitch);
}

// The file a refused line is still logged to: the one its only /log names.
std::optional<std::string> OnlyLogFile(const std::vector<std::string>& arguments) {
    std::optional<std::string> file;
    int logs = 0;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        if (!IsSwitchNamed(arguments[i], "/log")) continue;
        ++logs;
        if (i + 1 < arguments.size() && !IsSwitch(arguments[i + 1]) && !arguments[i + 1].empty())
            file = arguments[i + 1];
    }
    if (logs != 1) return std::nullopt;
    return file;
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

// A refused line keeps only what says how to tell of the refusal: the options for the output and the log.
CommandLine Refused(const CommandLine& parsed, CommandLineFault fault, std::string_view argument) {
    CommandLine refused;
    refused.quiet = parsed.quiet;
    refused.logFile = parsed.logFile;
    refused.utf8 = parsed.utf8;
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
    // Wherever they stand, even past a mistake: how to tell the caller of it.
    parsed.quiet = marked("/quiet");
    parsed.utf8 = marked("/utf8");
    parsed.logFile = OnlyLogFile(arguments);
    bool logged = false;
    std::string commandSwitch;
    std::string firstOption;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (!IsSwitch(argument)) return Refused(parsed, CommandLineFault::StrayArgument, argument);
        const std::string name = SwitchName(argument);
        // The file that follows a switch: never a switch itself, never empty.
        const auto takeFile = [&](std::string& into) {
            if (i + 1 >= arguments.size() || IsSwitch(arguments[i + 1])) return false;
            into = arguments[++i];
            return !into.empty();
        };
        if (IsStartMark(argument)) continue;
        const auto flag = std::ranges::find(kFlags, name, &FlagSwitch::name);
        if ((name == "log" || flag != kFlags.end()) && firstOption.empty()) firstOption = argument;
        if (name == "log") {
            if (logged) return Refused(parsed, CommandLineFault::TwoLogs, argument);
            logged = true;
            std::string file;
            if (!takeFile(file)) return Refused(parsed, CommandLineFault::MissingFile, argument);
            continue;
        }
        if (flag != kFlags.end()) {
            parsed.*(flag->flag) = true;
            continue;
        }
        const auto command = std::ranges::find(kCommands, name, &CommandSwitch::name);
        if (command == kCommands.end()) return Refused(parsed, CommandLineFault::UnknownSwitch, argument);
        if (parsed.command != Command::Windows)
            return Refused(parsed, CommandLineFault::TwoCommands, commandSwitch + " " + argument);
        parsed.command = command->command;
        commandSwitch = argument;
        if (command->takesFile && !takeFile(parsed.file))
            return Refused(parsed, CommandLineFault::MissingFile, argument);
    }
    if (parsed.command == Command::Windows) return Refused(parsed, CommandLineFault::OptionWithoutCommand, firstOption);
    for (const FlagSwitch& flag : kFlags) {
        const bool fits = flag.with.empty() || std::ranges::find(flag.with, parsed.command) != flag.with.end();
        if (parsed.*(flag.flag) && !fits)
            return Refused(parsed, CommandLineFault::OptionNotForCommand,
                           std::string("/").append(flag.name).append(" ").append(commandSwitch));
    }
    if (parsed.json && parsed.whatIf) return Refused(parsed, CommandLineFault::OptionNotForCommand, "/json /whatif");
    return parsed;
}

}  // namespace brivex
