#include "cli/CommandLine.h"

#include <gtest/gtest.h>

namespace brivex::testing {
namespace {

using Arguments = std::vector<std::string>;

// What a word processor makes of a typed hyphen.
const std::string kEnDash = "\u2013";
const std::string kEmDash = "\u2014";

TEST(CommandLine_Split, AsTheRuntimeSplitsAWindowsCommandLine) {
    const std::pair<const char*, Arguments> cases[] = {
        {R"("C:\Program Files\Brivex Doziv.exe" /check "D:\Préréglages d'été\poste.ini")",
         {R"(C:\Program Files\Brivex Doziv.exe)", "/check", R"(D:\Préréglages d'été\poste.ini)"}},
        {"prog.exe   /tweaks\tC:\\a\\b.ini  ", {"prog.exe", "/tweaks", "C:\\a\\b.ini"}},
        {R"(prog "C:\dir\\" x)", {"prog", "C:\\dir\\", "x"}},
        {R"(prog a\"b "c""d" "")", {"prog", "a\"b", "c\"d", ""}},
        {R"(prog /log"C:\my logs\run.txt")", {"prog", "/logC:\\my logs\\run.txt"}},
    };
    for (const auto& [line, expected] : cases) EXPECT_EQ(SplitCommandLine(line), expected) << line;
}

TEST(CommandLine_Parse, CommandsOptionsAndRefusals) {
    struct Case {
        Arguments arguments;
        Command command;
        const char* file;
        CommandLineFault fault;
        const char* faultArgument;
    };
    const Case cases[] = {
        {{}, Command::Windows, "", CommandLineFault::None, ""},
        {{"/elevated"}, Command::Windows, "", CommandLineFault::None, ""},
        {{"/elevated", "C:\\dropped file.txt"}, Command::Windows, "", CommandLineFault::None, ""},
        {{"/LogOn", "C:\\dropped file.txt"}, Command::Windows, "", CommandLineFault::None, ""},
        {{"/logon", "/elevated", "/optimise"}, Command::Optimise, "", CommandLineFault::None, ""},
        {{"-CHECK", "a b.ini", "/Quiet"}, Command::Check, "a b.ini", CommandLineFault::None, ""},
        {{"/log", "x.log", "/export", "p.ini"}, Command::Export, "p.ini", CommandLineFault::None, ""},
        {{"/Optimize"}, Command::Optimise, "", CommandLineFault::None, ""},
        {{"/?"}, Command::Help, "", CommandLineFault::None, ""},
        {{"-help"}, Command::Help, "", CommandLineFault::None, ""},
        {{"/check", "/quiet"}, Command::Windows, "", CommandLineFault::MissingFile, "/check"},
        {{"/tweaks"}, Command::Windows, "", CommandLineFault::MissingFile, "/tweaks"},
        {{"/optimise", "/log"}, Command::Windows, "", CommandLineFault::MissingFile, "/log"},
        {{"/check", "a.ini", "/tweaks", "a.ini"},
         Command::Windows,
         "",
         CommandLineFault::TwoCommands,
         "/check /tweaks"},
        {{"/optimise", "/optimize"}, Command::Windows, "", CommandLineFault::TwoCommands, "/optimise /optimize"},
        {{"/reset"}, Command::Windows, "", CommandLineFault::UnknownSwitch, "/reset"},
        {{"/optimise", "now"}, Command::Windows, "", CommandLineFault::StrayArgument, "now"},
        {{"/quiet"}, Command::Windows, "", CommandLineFault::OptionWithoutCommand, "/quiet"},
        {{"/log", "run.log"}, Command::Windows, "", CommandLineFault::OptionWithoutCommand, "/log"},
        {{kEnDash + "check", "p.ini"}, Command::Check, "p.ini", CommandLineFault::None, ""},
        {{kEmDash + "Version"}, Command::Version, "", CommandLineFault::None, ""},
        {{kEmDash + "x"}, Command::Windows, "", CommandLineFault::UnknownSwitch, "\xE2\x80\x94x"},
        {{"/check", ""}, Command::Windows, "", CommandLineFault::MissingFile, "/check"},
        {{"/optimise", "/log", ""}, Command::Windows, "", CommandLineFault::MissingFile, "/log"},
        {{"/log", "a", "/optimise", "/LOG", "b"}, Command::Windows, "", CommandLineFault::TwoLogs, "/LOG"},
        {{"/tweaks", "p", "/whatif"}, Command::Tweaks, "p", CommandLineFault::None, ""},
        {{"/whatif", "/check", "p"}, Command::Windows, "", CommandLineFault::OptionNotForCommand, "/whatif /check"},
        {{"/optimise", "/json"}, Command::Windows, "", CommandLineFault::OptionNotForCommand, "/json /optimise"},
        {{"/tweaks", "p", "/json", "/whatif"},
         Command::Windows,
         "",
         CommandLineFault::OptionNotForCommand,
         "/json /whatif"},
        {{"/utf8", "/json"}, Command::Windows, "", CommandLineFault::OptionWithoutCommand, "/utf8"},
    };
    for (const Case& c : cases) {
        const CommandLine parsed = ParseCommandLine(c.arguments);
        const std::string where = ::testing::PrintToString(c.arguments);
        EXPECT_EQ(parsed.fault, c.fault) << where;
        EXPECT_EQ(parsed.faultArgument, c.faultArgument) << where;
        if (c.fault != CommandLineFault::None) continue;
        EXPECT_EQ(parsed.command, c.command) << where;
        EXPECT_EQ(parsed.file, c.file) << where;
    }
    const CommandLine options =
        ParseCommandLine({"/QUIET", "/tweaks", "p.ini", "-log", "C:\\logs\\run.log", "/Utf8", "/json"});
    EXPECT_TRUE(options.quiet && options.utf8 && options.json && !options.whatIf);
    EXPECT_EQ(options.logFile, "C:\\logs\\run.log");
    // A refused line still says where its one log goes, but not which of two.
    EXPECT_EQ(ParseCommandLine({"/reset", "/log", "r.log"}).logFile, "r.log");
    EXPECT_EQ(ParseCommandLine({"/log", "a", "/reset", "/log", "b"}).logFile, std::nullopt);
    // The windowed program's own marks are reported, each by itself.
    for (const auto& [arguments, elevated, logOn] :
         {std::tuple{Arguments{"-LOGON"}, false, true}, std::tuple{Arguments{"/elevated", "/logon"}, true, true},
          std::tuple{Arguments{"/elevated", "x"}, true, false}, std::tuple{Arguments{"/logons"}, false, false}}) {
        const CommandLine marked = ParseCommandLine(arguments);
        EXPECT_EQ(marked.elevatedStart, elevated) << ::testing::PrintToString(arguments);
        EXPECT_EQ(marked.logOnStart, logOn) << ::testing::PrintToString(arguments);
    }
}

}  // namespace
}  // namespace brivex::testing
