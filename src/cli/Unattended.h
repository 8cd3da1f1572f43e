#pragma once
// Unattended use: one command from the command line, run without any window,
// message box, first-run notice or sound, ending with an exit code deployment
// tools understand (cli/ExitCode.h). It never starts itself again for
// administrator rights, as no one may be there to answer the prompt: a command
// that needs them and lacks them changes nothing and says so.

#include <optional>
#include <string>

#include "cli/CommandFiles.h"
#include "cli/CommandOutput.h"
#include "platform/Platform.h"
#include "platform/ProcessElevation.h"

namespace brivex {

struct UnattendedHost {
    const Platform& platform;
    ProcessElevation& elevation;
    CommandOutput& output;
    CommandFiles& files;
};

// The exit code of the command the process's command line holds; nothing when
// it holds no command, and the program opens its windows.
std::optional<int> RunUnattended(const UnattendedHost& host);

}  // namespace brivex
