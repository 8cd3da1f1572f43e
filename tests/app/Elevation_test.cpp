#include "app/Elevation.h"

#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "ui/headless/ScriptedDialogs.h"

namespace brivex::testing {
namespace {

constexpr char kNeedsAdministrator[] =
    "Velmora Doziv a besoin des droits d'administrateur pour modifier les réglages de Windows.";

class ScriptedElevation final : public ProcessElevation {
public:
    ScriptedElevation(bool elevated, std::string commandLine, bool userAgrees)
        : elevated_(elevated), commandLine_(std::move(commandLine)), userAgrees_(userAgrees) {}

    bool Elevated() override { return elevated_; }
    std::string CommandLine() override { return commandLine_; }
    bool RelaunchElevated(const std::string& arguments) override {
        relaunches.push_back(arguments);
        return userAgrees_;
    }

    std::vector<std::string> relaunches;

private:
    bool elevated_;
    std::string commandLine_;
    bool userAgrees_;
};

TEST(Elevation_Start, EveryCombinationOfRightsMarkerAndAnswer) {
    const std::string exe = "\"C:\\Program Files\\Brivex Doziv\\Brivex Doziv.exe\"";
    struct Case {
        const char* name;
        bool elevated;
        std::string commandLine;
        bool userAgrees;
        StartRights outcome;
        std::optional<std::string> relaunchedWith;
        bool told;
    };
    const Case cases[] = {
        {"elevated", true, exe, false, StartRights::GoOn, std::nullopt, false},
        {"elevated after the relaunch", true, exe + " /elevated", false, StartRights::GoOn, std::nullopt, false},
        {"not elevated, the user agrees", false, exe, true, StartRights::Relaunched, "/elevated", false},
        {"not elevated, blanks after the path", false, exe + "   ", true, StartRights::Relaunched, "/elevated", false},
        {"not elevated, the user refuses", false, exe, false, StartRights::Refused, "/elevated", true},
        {"the relaunch came back unelevated", false, exe + " /elevated", true, StartRights::Refused, std::nullopt,
         true},
        {"marker among other words", false, exe + "  /x   /elevated  ", true, StartRights::Refused, std::nullopt, true},
        {"a longer word is no marker", false, exe + " /elevatedx", true, StartRights::Relaunched,
         "/elevatedx /elevated", false},
        {"the marker inside the path is no marker", false, "\"C:\\x /elevated\\Brivex Doziv.exe\"", true,
         StartRights::Relaunched, "/elevated", false},
        {"unquoted path keeps its arguments", false, "C:\\Brivex\\Brivex.exe /x", true, StartRights::Relaunched,
         "/x /elevated", false},
    };
    for (const Case& c : cases) {
        ScriptedElevation elevation(c.elevated, c.commandLine, c.userAgrees);
        ui::ScriptedDialogs dialogs;
        EXPECT_EQ(EnsureElevated(elevation, dialogs), c.outcome) << c.name;
        const std::vector<std::string> relaunches =
            c.relaunchedWith ? std::vector<std::string>{*c.relaunchedWith} : std::vector<std::string>{};
        EXPECT_EQ(elevation.relaunches, relaunches) << c.name;
        if (!c.told) {
            EXPECT_TRUE(dialogs.Calls().empty()) << c.name;
            continue;
        }
        ASSERT_EQ(dialogs.Calls().size(), 1u) << c.name;
        EXPECT_EQ(dialogs.Calls()[0].text, kNeedsAdministrator) << c.name;
        EXPECT_EQ(dialogs.Calls()[0].flags, 64) << c.name;
        EXPECT_EQ(dialogs.Calls()[0].title, "") << c.name << ": the application title shows";
    }
}

TEST(Elevation_CommandLine, ArgumentsFollowTheProgramsPath) {
    struct Case {
        const char* commandLine;
        const char* arguments;
    };
    const Case cases[] = {
        {"\"C:\\Program Files\\Brivex Doziv\\Brivex Doziv.exe\"", ""},
        {"\"C:\\Program Files\\Brivex Doziv\\Brivex Doziv.exe\" /elevated", "/elevated"},
        {"\"C:\\Program Files\\Brivex Doziv\\Brivex Doziv.exe\"/elevated", "/elevated"},
        {"C:\\Brivex\\Brivex.exe  a  b ", "a  b"},
        {"C:\\Brivex\\Brivex.exe\t/elevated", "/elevated"},
        {"Brivex.exe", ""},
        {"\"C:\\unterminated quote /elevated", ""},
        {"", ""},
    };
    for (const Case& c : cases) EXPECT_EQ(ArgumentsOf(c.commandLine), c.arguments) << c.commandLine;
}

}  // namespace
}  // namespace brivex::testing
