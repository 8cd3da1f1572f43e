#pragma once
// The usage text /? prints: every command, the options, the preset format with
// the behaviours' names, and the exit codes.

#include <string>
#include <vector>

#include "cli/CommandTexts.h"

namespace brivex {

std::vector<std::string> UsageLines(CommandTexts& texts);

}  // namespace brivex
