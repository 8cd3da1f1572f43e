#pragma once
// Starting with administrator rights. The program changes machine-wide
// settings, so it needs them; yet Windows does not start a program whose
// manifest requires them from the Run keys at log-on, and the program must
// start there after an optimisation. So the manifest asks for nothing, and a
// process without the rights starts the program again with them and ends. The
// new start carries a marker on its command line: a process that has the
// marker and still lacks the rights gives up instead of starting yet another.

#include <string_view>

#include "cli/CommandLine.h"
#include "platform/ProcessElevation.h"
#include "ui/Dialogs.h"

namespace brivex {

enum class StartRights {
    GoOn,        // the process has the rights: the program starts
    Relaunched,  // a new start asks for them: this process ends
    Refused,     // the user said no, or the new start still lacks them: told, and the process ends
};

// What follows the program's path on a command line: the path is quoted, or
// ends at the first blank.
std::string_view ArgumentsOf(std::string_view commandLine);

// Runs before anything else, the previous-instance check above all, so that
// the new start never takes this process for a running copy. Refused changes
// nothing but shows why.
StartRights EnsureElevated(ProcessElevation& elevation, ui::Dialogs& dialogs);

}  // namespace brivex
