#include "app/LogOnStart.h"

#include <string>
#include <vector>

#include "cli/CommandLine.h"

namespace brivex {

bool EndsAtLogOn(std::string_view commandLine, Settings& settings) {
    const std::vector<std::string> arguments = SplitCommandLine(commandLine);
    const CommandLine line = ParseCommandLine({arguments.begin() + 1, arguments.end()});
    // A new start with the rights was asked for by the start at log-on, which
    // went on: its account had a window waiting. The new start may run as
    // another account, an administrator's typed into the prompt, whose own
    // settings must not end it once the user has answered.
    if (!line.logOnStart || line.elevatedStart) return false;
    // Case matters, as for the entry procedure: only the marker the optimisation wrote counts.
    if (settings.Get(setting::Reboot) == "ok") return false;
    return !settings.ReadsAs(setting::WinStart, 1);
}

}  // namespace brivex
