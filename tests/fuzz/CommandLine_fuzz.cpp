// The command line as any caller may give it: split, then parsed, never a
// crash. The split arguments, quoted again by the runtime's rules, split back
// the same; a refused line is no command, and its fault names what the line
// held: an argument, two of them (the two commands), or a switch of the line
// by its name.

#include <algorithm>
#include <cstdint>
#include <string>
#include <unordered_set>
#include <vector>

#include "FuzzRequire.h"
#include "cli/CommandLine.h"

namespace brivex::fuzzing {
namespace {

// The inverse of the splitter: quotes, and backslashes that come before a quote, escaped.
std::string Quoted(const std::string& argument) {
    std::string quoted = "\"";
    std::size_t backslashes = 0;
    for (const char c : argument) {
        if (c == '\\') {
            ++backslashes;
            continue;
        }
        quoted.append(c == '"' ? 2 * backslashes + 1 : backslashes, '\\');
        quoted += c;
        backslashes = 0;
    }
    return quoted.append(2 * backslashes, '\\') + "\"";
}

std::string SwitchName(std::string_view argument) {
    std::string name = "/";
    for (const char c : argument.substr(1)) name += c >= 'A' && c <= 'Z' ? char(c + 32) : c;
    return name;
}

bool NamesWhatTheLineHeld(const std::string& named, const std::vector<std::string>& arguments) {
    const std::unordered_set<std::string> held(arguments.begin(), arguments.end());
    if (held.contains(named)) return true;
    for (const std::string& argument : arguments) {
        const bool isSwitch = !argument.empty() && (argument[0] == '/' || argument[0] == '-');
        if (isSwitch && SwitchName(argument) == named) return true;
        if (named.size() > argument.size() && named.ends_with(" " + argument) &&
            held.contains(named.substr(0, named.size() - argument.size() - 1)))
            return true;
    }
    return false;
}

}  // namespace
}  // namespace brivex::fuzzing

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace brivex;
    using namespace brivex::fuzzing;
    const std::string_view line(reinterpret_cast<const char*>(data), size);
    const std::vector<std::string> split = SplitCommandLine(line);
    FUZZ_REQUIRE(!split.empty());
    const std::vector<std::string> arguments(split.begin() + 1, split.end());

    std::string again = "prog";
    for (const std::string& argument : arguments) again += " " + Quoted(argument);
    const std::vector<std::string> resplit = SplitCommandLine(again);
    FUZZ_REQUIRE(std::equal(resplit.begin() + 1, resplit.end(), arguments.begin(), arguments.end()));

    const CommandLine parsed = ParseCommandLine(arguments);
    if (parsed.fault == CommandLineFault::None) return 0;
    FUZZ_REQUIRE(parsed.command == Command::Windows);
    if (parsed.fault != CommandLineFault::StrayArgument) FUZZ_REQUIRE(!parsed.faultArgument.empty());
    FUZZ_REQUIRE(NamesWhatTheLineHeld(parsed.faultArgument, arguments));
    return 0;
}
