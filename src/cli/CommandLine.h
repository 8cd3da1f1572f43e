#pragma once
// The command line of unattended use: at most one command, its file, and the
// options that go with it. Switches start with "/" or "-", or with the en or
// em dash a word processor puts in place of a hyphen, and are matched without
// regard to letter case; a switch never serves as a file.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace brivex {

// What the windowed program adds when it starts itself again with administrator rights.
inline constexpr std::string_view kElevatedMarker = "/elevated";

enum class Command { Windows, Export, Check, Tweaks, Optimise, Help, Version };

// Why a command line was refused, with the argument it names.
enum class CommandLineFault {
    None,
    UnknownSwitch,
    TwoCommands,
    MissingFile,
    StrayArgument,
    OptionWithoutCommand,
    TwoLogs,
    OptionNotForCommand,  // the argument names the option, then the command
};

struct CommandLine {
    Command command = Command::Windows;
    std::string file;  // for /export, /check and /tweaks
    bool quiet = false;
    // Also on a refused line, when the line names one log file: the refusal is logged.
    std::optional<std::string> logFile;
    bool whatIf = false;  // /tweaks and /optimise: say each write, make none
    bool json = false;    // /check and /tweaks: one JSON object instead of the lines
    bool utf8 = false;    // redirected output in UTF-8 rather than the console's code page
    CommandLineFault fault = CommandLineFault::None;
    std::string faultArgument;
    // The marks of the windowed program's own starts, which are no commands: a
    // new start with administrator rights, a start by the entry an
    // optimisation's end writes (registry/StartWithWindows.h).
    bool elevatedStart = false;
    bool logOnStart = false;
};

// The arguments of a Windows command line, the program's path first, by the
// rules the C runtime splits them with: blanks separate, quotes group (a
// doubled quote inside quotes is one quote), and backslashes are literal
// except before a quote.
std::vector<std::string> SplitCommandLine(std::string_view commandLine);

// The arguments after the program's path. No switch at all: the
// windows, as without any argument. The marks of an elevated new start and of
// a start at log-on are the windowed program's own: passed over, and reported.
CommandLine ParseCommandLine(const std::vector<std::string>& arguments);

}  // namespace brivex
