#include "app/Elevation.h"

#include <algorithm>
#include <string>

#include "app/HomeTexts.h"

namespace brivex {

namespace {

constexpr std::string_view kBlanks = " \t";

bool HasMarker(std::string_view arguments) {
    while (!arguments.empty()) {
        const std::size_t start = arguments.find_first_not_of(kBlanks);
        if (start == std::string_view::npos) return false;
        arguments.remove_prefix(start);
        const std::size_t end = std::min(arguments.find_first_of(kBlanks), arguments.size());
        if (arguments.substr(0, end) == kElevatedMarker) return true;
        arguments.remove_prefix(end);
    }
    return false;
}

}  // namespace

std::string_view ArgumentsOf(std::string_view commandLine) {
    std::size_t end;
    if (commandLine.starts_with('"')) {
        end = commandLine.find('"', 1);
        end = end == std::string_view::npos ? commandLine.size() : end + 1;
    } else {
        end = std::min(commandLine.find_first_of(kBlanks), commandLine.size());
    }
    const std::size_t start = commandLine.find_first_not_of(kBlanks, end);
    if (start == std::string_view::npos) return {};
    const std::size_t last = commandLine.find_last_not_of(kBlanks);
    return commandLine.substr(start, last + 1 - start);
}

StartRights EnsureElevated(ProcessElevation& elevation, ui::Dialogs& dialogs) {
    if (elevation.Elevated()) return StartRights::GoOn;
    const std::string commandLine = elevation.CommandLine();
    const std::string_view arguments = ArgumentsOf(commandLine);
    if (!HasMarker(arguments)) {
        std::string relaunch(arguments);
        if (!relaunch.empty()) relaunch += ' ';
        relaunch += kElevatedMarker;
        if (elevation.RelaunchElevated(relaunch)) return StartRights::Relaunched;
    }
    dialogs.MsgBox(hometexts::kNeedsAdministrator, ui::mb::Information, "");
    return StartRights::Refused;
}

}  // namespace brivex
