#include "app/LogOnStart.h"

#include <gtest/gtest.h>

#include <optional>

#include "platform/portable/MemorySettingsStore.h"

namespace brivex::testing {
namespace {

TEST(LogOnStart, OnlyAMarkedStartEndsAndOnlyForAnAccountWithNoWindowWaiting) {
    const std::string exe = "\"C:\\Program Files\\Brivex Doziv\\Brivex Doziv.exe\"";
    const std::optional<std::string> absent;
    struct Case {
        std::string commandLine;
        std::optional<std::string> reboot;
        std::optional<std::string> winstart;
        bool ends;
    };
    const Case cases[] = {
        {exe + " /logon", absent, absent, true},
        {exe + " -LogOn", "no", "0", true},
        {exe + " /logon", "OK", absent, true},  // the marker counts in the optimisation's own spelling only
        {exe + " /logon", absent, "oui", true},
        {exe + " /logon", "ok", absent, false},  // the finishing window
        {exe + " /logon", "no", "1", false},     // the main window
        {exe + " /logon", absent, "1.0", false},
        {exe, absent, absent, false},  // the user's own start, or an entry without the mark
        {exe + " C:\\dropped.txt", absent, absent, false},
        {exe + " /logon /elevated", absent, absent, false},
        {"\"C:\\a /logon\\Brivex Doziv.exe\"", absent, absent, false},  // a mark inside the path is none
    };
    for (const Case& c : cases) {
        MemorySettingsStore store;
        if (c.reboot) store.SaveSetting("Brivex Doziv", "config", "reboot", *c.reboot);
        if (c.winstart) store.SaveSetting("Brivex Doziv", "config", "Winstart", *c.winstart);
        Settings settings(store);
        EXPECT_EQ(EndsAtLogOn(c.commandLine, settings), c.ends)
            << c.commandLine << ", reboot " << c.reboot.value_or("<absent>") << ", Winstart "
            << c.winstart.value_or("<absent>");
    }
}

}  // namespace
}  // namespace brivex::testing
