#include "optimise/Optimisation.h"

#include <algorithm>
#include <fstream>

#include "app/AppFixture.h"
#include "app/FrmHome.h"
#include "app/Main.h"
#include "optimise/RegistryChangeList.h"

namespace brivex::testing {
namespace {

constexpr RegKey HKCU = regroot::CurrentUser;
constexpr RegKey HKLM = regroot::LocalMachine;
const std::string kRunKey = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";
const std::string kMemory = "SYSTEM\\CurrentControlSet\\Control\\Session Manager\\Memory Management";

std::vector<std::uint8_t> Dword(std::uint32_t v) {
    return {static_cast<std::uint8_t>(v), static_cast<std::uint8_t>(v >> 8), static_cast<std::uint8_t>(v >> 16),
            static_cast<std::uint8_t>(v >> 24)};
}
std::vector<std::uint8_t> Text(const std::string& t) { return {t.begin(), t.end()}; }

// What a machine with little memory gets, in order: type 0 is the removal of the whole key.
struct ExpectedWrite {
    RegKey root;
    std::string key;
    std::string name;
    std::uint32_t type;
    std::vector<std::uint8_t> bytes;
};
const ExpectedWrite kExpectedWrites[] = {
    {HKCU, "Control Panel\\Desktop", "HungAppTimeOut", 1, Text("1000")},
    {HKLM, "SYSTEM\\CurrentControlSet\\Control", "HungAppTimeOut", 1, Text("1000")},
    {HKLM, "SYSTEM\\CurrentControlSet\\Control", "WaitToKillServiceTimeout", 1, Text("1000")},
    {HKCU, "Control Panel\\Desktop", "WaitToKillServiceTimeout", 1, Text("1000")},
    {HKCU, "Control Panel\\Mouse", "MouseSensitivity", 1, Text("16")},
    {HKCU, "Control Panel\\Desktop", "WaitToKillAppTimeout", 1, Text("1000")},
    {HKLM, "SYSTEM\\CurrentControlSet\\Control", "WaitToKillAppTimeout", 1, Text("1000")},
    {HKCU, "Control Panel\\Desktop", "ForegroundLockTimeout", 4, Dword(0)},
    {HKLM, "SYSTEM\\CurrentControlSet\\Control", "ForegroundLockTimeout", 4, Dword(0)},
    {HKCU, "Control Panel\\Desktop", "AutoEndTasks", 1, Text("1")},
    {HKCU, "SOFTWARE\\Policies\\Microsoft\\Office\\12.0\\Common", "DWNeverUpload", 4, Dword(1)},
    {HKCU, "SOFTWARE\\Policies\\Microsoft\\Office\\12.0\\Common", "DWNoExternalUR", 4, Dword(1)},
    {HKCU, "SOFTWARE\\Policies\\Microsoft\\Office\\12.0\\Common", "DWNoFileCollection", 4, Dword(1)},
    {HKCU, "SOFTWARE\\Policies\\Microsoft\\Office\\12.0\\Common", "DWNoSecondLevelCollection", 4, Dword(1)},
    {HKCU, "SOFTWARE\\Policies\\Microsoft\\Office\\12.0\\Access\\Settings", "ShowWindowsInTaskbar", 4, Dword(0)},
    {HKCU, "SOFTWARE\\Policies\\Microsoft\\Office\\12.0\\Excel\\Options", "ShowWindowsInTaskbar", 4, Dword(0)},
    {HKCU, "SOFTWARE\\Policies\\Microsoft\\Office\\12.0\\Word\\Options", "CasheSize", 4, Dword(40)},
    {HKCU, "SOFTWARE\\Policies\\Microsoft\\Office\\12.0\\Word\\Options", "NoLiveScrolling", 4, Dword(1)},
    {HKCU, "Control Panel\\Desktop", "MenuShowDelay", 1, Text("0")},
    {HKLM, "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Winlogon", "PowerdownAfterShutdown", 1, Text("1")},
    {HKLM, "SYSTEM\\CurrentControlSet\\Control\\Update", "UpDateMode", 4, Dword(7)},
    {HKLM, "SYSTEM\\CurrentControlSet\\Control\\Session Manager\\Memory Management", "IoPageLockLimit", 4, Dword(64)},
    {HKLM, "SYSTEM\\ControlSet001\\Control\\Session Manager\\Memory Management", "IoPageLockLimit", 4, Dword(64)},
    {HKLM, "SYSTEM\\ControlSet002\\Control\\Session Manager\\Memory Management", "IoPageLockLimit", 4, Dword(64)},
    {HKLM, "SYSTEM\\CurrentControlSet\\Control\\Session Manager\\Memory Management", "SecondLevelDataCache", 4,
     Dword(800)},
    {HKLM, "SYSTEM\\ControlSet001\\Control\\Session Manager\\Memory Management", "SecondLevelDataCache", 4, Dword(800)},
    {HKLM, "SYSTEM\\ControlSet002\\Control\\Session Manager\\Memory Management", "SecondLevelDataCache", 4, Dword(800)},
    {HKLM, "SYSTEM\\CurrentControlSet\\Control\\Session Manager\\Memory Management", "LargeSystemCache", 4, Dword(0)},
    {HKLM, "SYSTEM\\ControlSet002\\Control\\Session Manager\\Memory Management", "LargeSystemCache", 4, Dword(0)},
    {HKLM, "SYSTEM\\ControlSet001\\Control\\Session Manager\\Memory Management", "LargeSystemCache", 4, Dword(0)},
    {HKLM, "SYSTEM\\CurrentControlSet\\Control\\WOW", "DefaultSeparateVDM", 1, Text("Yes")},
    {HKCU, "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer", "DesktopProcess", 4, Dword(1)},
    {HKLM, "SOFTWARE\\Microsoft\\Dfrg", "BootOptimizeFunction", 1, Text("N")},
    {HKLM, "SYSTEM\\CurrentControlSet\\Control\\Session Manager\\Memory Management\\PrefetchParameters",
     "EnablePrefetcher", 1, Text("1")},
    {HKLM, "SYSTEM\\CurrentControlSet\\Control\\Class\\{4D36E96A-E325-11CE-BFC1-08002BE10318}\\0000", "EnableUDMA66", 4,
     Dword(1)},
    {HKLM, "SYSTEM\\CurrentControlSet\\Control\\Session Manager", "NtfsDisableLastAccessUpdate", 4, Dword(1)},
    {HKLM, "SYSTEM\\CurrentControlSet\\Control\\Session Manager", "NtfsDisable8dot3NameCreation", 4, Dword(0)},
    {HKLM, "SYSTEM\\CurrentControlSet\\Control\\Session Manager", "Win95TruncatedExtensions", 4, Dword(0)},
    {HKLM, "SYSTEM\\CurrentControlSet\\Control\\Session Manager", "Win31FileSystem", 4, Dword(0)},
    {HKLM, "SYSTEM\\CurrentControlSet\\Control\\FileSystem", "NtfsDisableLastAccessUpdate", 4, Dword(0)},
    {HKLM, "SYSTEM\\CurrentControlSet\\Control\\FileSystem", "NtfsDisable8dot3NameCreation", 4, Dword(0)},
    {HKLM, "SYSTEM\\CurrentControlSet\\Control\\FileSystem", "Win95TruncatedExtensions", 4, Dword(0)},
    {HKLM, "SYSTEM\\CurrentControlSet\\Control\\FileSystem", "Win31FileSystem", 4, Dword(0)},
    {HKLM, "SOFTWARE\\Microsoft\\DrWatson", "NumberOfCrashes", 4, Dword(1)},
    {HKLM, "SYSTEM\\ControlSet001\\Control\\PriorityControl", "Win32PrioritySeparation", 4, Dword(38)},
    {HKLM, "SYSTEM\\ControlSet001\\Control\\Session Manager", "ProcessorControl", 4, Dword(0)},
    {HKLM, "SOFTWARE\\Microsoft\\Outlook Express", "Hide Messenger", 4, Dword(2)},
    {HKLM,
     "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\RemoteComputer\\NameSpace\\{D6277990-4C6A-11CF-8D87-"
     "00AA0060F5BF}",
     "",
     0,
     {}},
    {HKLM, "SYSTEM\\CurrentControlSet\\Services\\Messenger", "Start", 4, Dword(4)},
    {HKLM, "SYSTEM\\CurrentControlSet\\Services\\RemoteRegistry", "Start", 4, Dword(4)},
    {HKLM, "SYSTEM\\CurrentControlSet\\Services\\W32Time", "Start", 4, Dword(4)},
    {HKLM, "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Winlogon", "PowerdownAfterShutdown", 1, Text("1")},
    {HKLM, "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Windows", "NoPopUpsOnBoot", 4, Dword(1)},
    {HKLM, "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Windows", "Error Mode", 4, Dword(2)},
    {HKLM, "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Winlogon", "UserEnvDebugLevel", 4, Dword(2)},
};

// A machine with every key the list names, and the Run key.
class OptimisationTest : public AppFixture {
protected:
    OptimisationTest() {
        for (const ExpectedWrite& write : kExpectedWrites) registry.CreateKey(write.root, write.key);
        registry.CreateKey(HKLM, kRunKey);
        settings.SaveSetting("Brivex Doziv", "config", "first", "1");
        system.windowsFolder = "C:\\WINDOWS";
    }

    FrmHome& Start() {
        Main(app().program);
        events.clear();
        return app().Home();
    }
    // Presses the button and plays the display to its end.
    FrmHome& RunOnce() {
        FrmHome& home = Start();
        home.optimise.Click();
        loop.AdvanceBy(40000);
        return home;
    }
    std::vector<std::string> Writes() const {
        std::vector<std::string> writes;
        for (const std::string& e : events)
            if (e.rfind("set ", 0) == 0 || e.rfind("delete key", 0) == 0) writes.push_back(e);
        return writes;
    }
    std::optional<MemoryRegistry::StoredValue> Stored(RegKey root, const std::string& key, const std::string& name) {
        return registry.FindValue(root, key, name);
    }
};

using Optimisation_Rows = OptimisationTest;

TEST_F(Optimisation_Rows, EveryWriteInOrderWithoutTheLargeMemoryRowOnSmallMemory) {
    RunOnce();
    std::vector<std::string> expected;
    for (const ExpectedWrite& write : kExpectedWrites)
        expected.push_back(write.type == 0 ? "delete key " + write.key.substr(write.key.find_last_of('\\') + 1)
                                           : "set " + write.name);
    expected.push_back("set Velmora Doziv");
    EXPECT_EQ(Writes(), expected);
}

TEST_F(Optimisation_Rows, EveryValueStoredUnderItsRootKeyNameAndType) {
    RunOnce();
    for (const ExpectedWrite& write : kExpectedWrites) {
        if (write.type == 0) {
            EXPECT_FALSE(registry.KeyExists(write.root, write.key));
            continue;
        }
        const auto stored = Stored(write.root, write.key, write.name);
        ASSERT_TRUE(stored) << write.key << "\\" << write.name;
        EXPECT_EQ(stored->type, write.type) << write.name;
        EXPECT_EQ(stored->bytes, write.bytes) << write.name;
    }
    EXPECT_FALSE(Stored(HKLM, kMemory, "DisablePagingExecutive"));
}

TEST_F(Optimisation_Rows, MissingKeysWriteNothingAndTheListGoesOn) {
    // A machine without the Office error-reporting policies.
    registry.DeleteKey(HKCU, "SOFTWARE\\Policies\\Microsoft\\Office\\12.0\\Common");
    RunOnce();
    EXPECT_FALSE(registry.KeyExists(HKCU, "SOFTWARE\\Policies\\Microsoft\\Office\\12.0\\Common"));
    const auto writes = Writes();
    EXPECT_EQ(std::count_if(writes.begin(), writes.end(),
                            [](const std::string& w) { return w.find("DWNeverUpload") != std::string::npos; }),
              0)
        << "nothing is written where the key is not";
    EXPECT_TRUE(Stored(HKCU, "SOFTWARE\\Policies\\Microsoft\\Office\\12.0\\Access\\Settings", "ShowWindowsInTaskbar"))
        << "ShowWindowsInTaskbar is still written";
    EXPECT_TRUE(Stored(HKLM, "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Winlogon", "UserEnvDebugLevel"));
}

TEST_F(Optimisation_Rows, DeniedMachineKeysAreSilent) {
    registry.DenyAccess(HKLM, "SYSTEM\\CurrentControlSet\\Control");
    registry.DenyAccess(HKLM, kRunKey);
    FrmHome& home = RunOnce();
    EXPECT_FALSE(Stored(HKLM, "SYSTEM\\CurrentControlSet\\Control", "HungAppTimeOut"));
    EXPECT_TRUE(Stored(HKCU, "Control Panel\\Desktop", "HungAppTimeOut"));
    EXPECT_TRUE(dialogs.Calls().empty());
    EXPECT_TRUE(home.optimisationDone) << "the display runs in full whatever happened";
}

TEST_F(Optimisation_Rows, ADomainsTimeServiceAndTheValuesWindowsManagesAreLeftAndTheUndoFileSaysWhy) {
    const std::string fileSystem = "SYSTEM\\CurrentControlSet\\Control\\FileSystem";
    const std::string timeService = "SYSTEM\\CurrentControlSet\\Services\\W32Time";
    std::ifstream shipped(std::string(BRIVEX_SOURCE_DIR) + "/../res/Lang/English.lng", std::ios::binary);
    folder.Put(folder.Path("Lang\\English.lng"), {std::istreambuf_iterator<char>(shipped), {}});
    settings.SaveSetting("Brivex Doziv", "FILES", "LNG", folder.Path("Lang\\English.lng"));
    system.joinedToDomain = true;
    registry.PutValue(HKLM, fileSystem, "NtfsDisableLastAccessUpdate", {4, Dword(0x80000002)});
    registry.PutValue(HKLM, fileSystem, "NtfsDisable8dot3NameCreation", {4, Dword(3)});
    registry.PutValue(HKLM, timeService, "Start", {4, Dword(3)});
    RunOnce();

    EXPECT_EQ(Stored(HKLM, fileSystem, "NtfsDisableLastAccessUpdate")->bytes, Dword(0x80000002));
    EXPECT_EQ(Stored(HKLM, fileSystem, "NtfsDisable8dot3NameCreation")->bytes, Dword(3));
    EXPECT_EQ(Stored(HKLM, timeService, "Start")->bytes, Dword(3));
    EXPECT_EQ(Writes().size(), std::size(kExpectedWrites) + 1 - 3) << "the other rows and the Run value";
    const std::string text = UndoTexts().at(0);
    EXPECT_TRUE(text.starts_with(
        "Windows Registry Editor Version 5.00\r\n\r\n"
        "; Left unchanged: HKEY_LOCAL_MACHINE\\" +
        kMemory +
        "\\DisablePagingExecutive "
        "(the machine has less than 1 GB of memory)\r\n"
        "; Left unchanged: HKEY_LOCAL_MACHINE\\" +
        fileSystem +
        "\\NtfsDisableLastAccessUpdate "
        "(Windows manages this value itself)\r\n"
        "; Left unchanged: HKEY_LOCAL_MACHINE\\" +
        fileSystem +
        "\\NtfsDisable8dot3NameCreation "
        "(Windows sets this per volume)\r\n"
        "; Left unchanged: HKEY_LOCAL_MACHINE\\" +
        timeService +
        "\\Start "
        "(the machine is joined to a domain, whose log-ons need the right time the time service keeps)\r\n\r\n["))
        << text;
}

TEST(Optimisation_PageLock, FromPhysicalMemory) {
    constexpr std::uint64_t MB = 1048576;
    EXPECT_EQ(MemoryFigure(0), 1);
    EXPECT_EQ(PageLockValueFor(0), 64);
    EXPECT_EQ(PageLockValueFor(512 * MB), 12864) << "m = 513, digits 201";
    EXPECT_EQ(PageLockValueFor(2047 * MB), 51200) << "m = 2048, digits 800";
    EXPECT_EQ(PageLockValueFor(1023 * MB), 25600) << "m = 1024, digits 400";
    EXPECT_EQ(PageLockValueFor(160 * MB), 0) << "m = 161, digits A1: a letter gives no number";
    EXPECT_EQ(MemoryFigure(65536 * MB), 65537) << "no 16-bit overflow at 64 GB";
    EXPECT_EQ(PageLockValueFor(65536 * MB), 640064) << "digits 10001";
    EXPECT_EQ(MemoryFigure(512 * MB + MB / 2), 514) << "half a megabyte rounds up";
    EXPECT_EQ(MemoryFigure(1536 * MB + MB * 7 / 10), 1538) << "1537.7 rounds up too";
    EXPECT_EQ(PageLockValueFor(994 * MB), 0) << "m = 995, digits 3E3: E is a letter, not an exponent";
    EXPECT_EQ(PageLockValueFor(7680 * MB), 0) << "m = 7681, digits 1E01";
}

TEST(Optimisation_PageLock, DisablePagingExecutiveOnlyAbove1024) {
    constexpr std::uint64_t MB = 1048576;
    EXPECT_FALSE(WritesDisablePagingExecutive(1023 * MB)) << "m = 1024";
    EXPECT_TRUE(WritesDisablePagingExecutive(1024 * MB)) << "m = 1025";
    EXPECT_FALSE(WritesDisablePagingExecutive(0));
}

TEST_F(Optimisation_Rows, LargeMemoryWritesDisablePagingExecutiveAfterThePageLockLimit) {
    system.memory.totalPhysical = 2047ull * 1048576;
    RunOnce();
    EXPECT_EQ(Stored(HKLM, kMemory, "IoPageLockLimit")->bytes, Dword(51200));
    const auto pagingExecutive = Stored(HKLM, kMemory, "DisablePagingExecutive");
    ASSERT_TRUE(pagingExecutive);
    EXPECT_EQ(pagingExecutive->bytes, Dword(1));
    const auto writes = Writes();
    const auto pagingExecutiveAt = std::find(writes.begin(), writes.end(), "set DisablePagingExecutive");
    ASSERT_NE(pagingExecutiveAt, writes.end());
    EXPECT_EQ(*(pagingExecutiveAt - 1), "set IoPageLockLimit");
    EXPECT_EQ(*(pagingExecutiveAt + 1), "set SecondLevelDataCache");
}

using Optimisation_Cleanup = OptimisationTest;

TEST_F(Optimisation_Cleanup, DocAndPressClearOnlyWhenTheyReadAsOne) {
    struct Case {
        std::optional<std::string> doc;
        std::optional<std::string> press;
        std::vector<std::string> expected;
    };
    const Case cases[] = {
        {std::nullopt, std::nullopt, {}},
        {"1", "0", {"recent-documents"}},
        {"0", "1", {"clipboard"}},
        {"1", "1", {"recent-documents", "clipboard"}},
        {"abc", "", {}},
        {"2", "1.0", {"clipboard"}},
    };
    for (const Case& c : cases) {
        MemorySettingsStore store;
        store.SaveSetting("Brivex Doziv", "config", "first", "1");
        if (c.doc) store.SaveSetting("Brivex Doziv", "config", "Doc", *c.doc);
        if (c.press) store.SaveSetting("Brivex Doziv", "config", "Press", *c.press);
        RecordingShell caseShell;
        Platform casePlatform{registry, ansi, store, ini, system, caseShell, management, files, drives, userFiles};
        ui::HeadlessLoop caseLoop;
        ui::HeadlessFormHost caseForms(caseLoop);
        App caseApp(casePlatform, caseLoop, caseForms, dialogs);
        Main(caseApp.program);
        caseApp.Home().optimise.Click();
        std::vector<std::string> cleared;
        for (const std::string& request : caseShell.log)
            if (request == "recent-documents" || request == "clipboard") cleared.push_back(request);
        EXPECT_EQ(cleared, c.expected) << c.doc.value_or("<absent>") << " / " << c.press.value_or("<absent>");
    }
}

TEST_F(Optimisation_Cleanup, ClearingComesBetweenTheServiceRowsAndTheLastFour) {
    settings.SaveSetting("Brivex Doziv", "config", "Doc", "1");
    std::vector<std::string> writesBeforeClearing;
    shell.OnRequest = [&](const std::string& request) {
        if (request == "recent-documents") writesBeforeClearing = Writes();
    };
    RunOnce();
    ASSERT_FALSE(writesBeforeClearing.empty());
    EXPECT_EQ(writesBeforeClearing.back(), "set Start");
    EXPECT_EQ(writesBeforeClearing.size(), 51u);
}

TEST_F(Optimisation_Cleanup, PrefetchFilesOfTheWindowsFolderAreDeleted) {
    RunOnce();
    EXPECT_EQ(shell.log.front(), "delete C:\\WINDOWS\\Prefetch\\*.pf");
}

TEST_F(Optimisation_Cleanup, NoWindowsFolderNoDeletion) {
    system.windowsFolder = "";
    RunOnce();
    EXPECT_TRUE(std::none_of(shell.log.begin(), shell.log.end(),
                             [](const std::string& r) { return r.rfind("delete", 0) == 0; }));
}

using Optimisation_Stages = OptimisationTest;

struct Seen {
    ui::Millis at;
    std::int32_t value;
    ui::Millis interval;
    std::string text;
    std::string picture;
    friend bool operator==(const Seen&, const Seen&) = default;
    friend void PrintTo(const Seen& s, std::ostream* out) {
        *out << s.at << "ms value " << s.value << " interval " << s.interval << " \"" << s.text << "\" " << s.picture;
    }
};

TEST_F(Optimisation_Stages, TableOfValuesIntervalsTextsAndPictures) {
    FrmHome& home = Start();
    std::vector<Seen> seen;
    std::string lastText = home.stageText.Caption();
    const ui::Millis start = loop.Now();
    home.optimise.Click();
    for (int ms = 0; ms < 40000 && seen.size() < 8; ms += 10) {
        loop.AdvanceBy(10);
        if (home.stageText.Caption() != lastText) {
            lastText = home.stageText.Caption();
            seen.push_back({loop.Now() - start, home.progressBar.Value(), home.stageTimer.Interval(), lastText,
                            home.stagePicture.PictureName()});
        }
    }
    const std::vector<Seen> expected = {
        {150, 1, 150, "Initialisation ..", "stage.1"},
        {1500, 10, 1100, "Correction des Bugs du Système ..", "stage.2"},
        {12500, 20, 250, "Accélération du menu Démarrer..", "stage.3"},
        {16250, 35, 800, "Améliorer la stabilité du système ..", "stage.4"},
        {32250, 55, 180, "Accélération du Boot ..", "stage.5"},
        {34590, 68, 250, "Accélaration des Applications ..", "stage.6"},
        {37590, 80, 100, "Nettoyage du Noyau Système ..", "stage.7"},
        {39590, 0, 100, "Optimisation Terminée", "stage.8"},
    };
    EXPECT_EQ(seen, expected);
}

TEST_F(Optimisation_Stages, EndsAfter39590MsInTheirEndState) {
    FrmHome& home = Start();
    home.optimise.Click();
    EXPECT_FALSE(home.Enabled());
    EXPECT_EQ(home.Pointer(), ui::MousePointer::Hourglass);
    loop.AdvanceBy(39589);
    EXPECT_FALSE(home.optimisationDone);
    EXPECT_EQ(home.progressBar.Value(), 99);
    loop.AdvanceBy(1);
    EXPECT_TRUE(home.optimisationDone);
    EXPECT_EQ(home.progressBar.Value(), 0);
    EXPECT_TRUE(home.Enabled());
    EXPECT_EQ(home.Pointer(), ui::MousePointer::Default);
    EXPECT_FALSE(home.stageTimer.Enabled());
    EXPECT_EQ(home.stageTimer.Interval(), 100);
    EXPECT_EQ(home.stageText.Caption(), "Optimisation Terminée");
    EXPECT_EQ(home.stagePicture.PictureName(), "stage.8");
    EXPECT_EQ(settings.GetSetting("Brivex Doziv", "config", "reboot", ""), "ok");
    const auto run = Stored(HKLM, kRunKey, "Velmora Doziv");
    ASSERT_TRUE(run);
    EXPECT_EQ(run->type, 1u);
    EXPECT_EQ(std::string(run->bytes.begin(), run->bytes.end()),
              ansi.ToAnsi("\"" + folder.Path() + "\\Brivex Doziv.exe\" /logon"))
        << "quoted, as the path has blanks, and marked as the start at log-on";
}

TEST_F(Optimisation_Stages, EndStoresTheMarkerThenTheRunValueThenUnlocksThenStops) {
    FrmHome& home = Start();
    std::optional<std::string> markerAtRunValue;
    bool disabledAtRunValue = false;
    bool timerOnAtRunValue = false;
    registryRecorder.OnSet = [&](const std::string& name) {
        if (name != "Velmora Doziv") return;
        markerAtRunValue = settings.GetSetting("Brivex Doziv", "config", "reboot", "");
        disabledAtRunValue = !home.Enabled();
        timerOnAtRunValue = home.stageTimer.Enabled();
    };
    home.optimise.Click();
    loop.AdvanceBy(39590);
    EXPECT_EQ(markerAtRunValue, "ok");
    EXPECT_TRUE(disabledAtRunValue);
    EXPECT_TRUE(timerOnAtRunValue);
    EXPECT_TRUE(home.Enabled());
    EXPECT_FALSE(home.stageTimer.Enabled());
}

TEST_F(Optimisation_Stages, SecondRunReachesStageTwoAfterOneSecond) {
    FrmHome& home = Start();
    home.optimise.Click();
    loop.AdvanceBy(1499);
    EXPECT_EQ(home.progressBar.Value(), 9);
    loop.AdvanceBy(1);
    EXPECT_EQ(home.progressBar.Value(), 10) << "first run: ten ticks of 150 ms";
    loop.AdvanceBy(40000);
    home.optimise.Click();
    loop.AdvanceBy(999);
    EXPECT_EQ(home.progressBar.Value(), 9);
    loop.AdvanceBy(1);
    EXPECT_EQ(home.progressBar.Value(), 10) << "second run: ten ticks of 100 ms";
    EXPECT_EQ(home.stageText.Caption(), "Correction des Bugs du Système ..");
}

TEST_F(Optimisation_Stages, WindowIgnoresTheUserWhileRunning) {
    FrmHome& home = Start();
    home.optimise.Click();
    loop.AdvanceBy(3000);
    const auto writes = Writes().size();
    home.optimise.Click();
    home.quit.Click();
    EXPECT_EQ(Writes().size(), writes);
    EXPECT_FALSE(forms.Ending());
}

TEST_F(Optimisation_Stages, FirstTickFallingDueDuringPrefetchDeletionRunsBeforeAnyRow) {
    FrmHome& home = Start();
    std::optional<std::size_t> writesAtFirstTick;
    home.stageTimer.OnTick = [&, previous = home.stageTimer.OnTick] {
        if (!writesAtFirstTick) writesAtFirstTick = Writes().size();
        previous();
    };
    shell.OnRequest = [&](const std::string& request) {
        if (request.rfind("delete", 0) == 0) loop.Elapse(200);  // many prefetch files
    };
    home.optimise.Click();
    ASSERT_TRUE(writesAtFirstTick) << "the tick ran inside the handler's yield";
    EXPECT_EQ(*writesAtFirstTick, 0u);
    EXPECT_EQ(home.progressBar.Value(), 1);
    EXPECT_EQ(home.stageText.Caption(), "Initialisation ..");
}

TEST_F(Optimisation_Stages, StageTextsComeFromTheChosenLanguage) {
    const std::string english = folder.Path("Lang\\English.lng");
    WriteIni(english, "MSG", "msg1", "Initialising ..");
    settings.SaveSetting("Brivex Doziv", "FILES", "LNG", english);
    FrmHome& home = Start();
    home.optimise.Click();
    loop.AdvanceBy(150);
    EXPECT_EQ(home.stageText.Caption(), "Initialising ..");
    loop.AdvanceBy(1350);
    EXPECT_EQ(home.stageText.Caption(), "") << "a text the file lacks leaves the label empty";
}

using Optimisation_RestorePoint = OptimisationTest;

TEST_F(Optimisation_RestorePoint, MadeBeforeAnyChangeWhenOptistartIsOne) {
    settings.SaveSetting("Brivex Doziv", "config", "optistart", "1");
    RunOnce();
    ASSERT_FALSE(events.empty());
    EXPECT_EQ(events.front(), "restore point Brivex Auto Optimisation ");
    EXPECT_EQ(management.CreateRequests().back(),
              (ScriptedManagementService::CreateRequest{"Brivex Auto Optimisation ", 12, 100}));
    EXPECT_EQ(std::count(events.begin(), events.end(), "restore point Brivex Auto Optimisation "), 1);
}

TEST_F(Optimisation_RestorePoint, NeverOtherwiseAndAFailureChangesNothing) {
    for (const char* optistart : {"0", "", "oui", "2"}) {
        settings.SaveSetting("Brivex Doziv", "config", "optistart", optistart);
        FrmHome& home = Start();
        home.optimise.Click();
        loop.AdvanceBy(40000);
    }
    EXPECT_TRUE(std::none_of(events.begin(), events.end(),
                             [](const std::string& e) { return e.rfind("restore point", 0) == 0; }));
}

// A restore point asked for and not made: the user decides before anything changes.
TEST_F(Optimisation_RestorePoint, NotMadeTheUserIsAskedBeforeAnyChange) {
    settings.SaveSetting("Brivex Doziv", "config", "optistart", "1");
    management.FailToBind();
    FrmHome& home = Start();
    dialogs.Answer(ui::mb::AnswerNo);
    home.optimise.Click();
    ASSERT_EQ(dialogs.Calls().size(), 1u);
    EXPECT_EQ(dialogs.Calls()[0].text,
              "Aucun point de restauration n'a pu être créé. Appliquer quand même les changements ?");
    EXPECT_EQ(dialogs.Calls()[0].flags, ui::mb::Information | ui::mb::YesNo);
    loop.AdvanceBy(40000);
    EXPECT_TRUE(Writes().empty());
    EXPECT_EQ(shell.log, std::vector<std::string>{}) << "no prefetch file deleted";
    EXPECT_TRUE(home.Enabled());
    EXPECT_EQ(home.Pointer(), ui::MousePointer::Default);
    EXPECT_FALSE(home.stageTimer.Enabled());
    EXPECT_FALSE(home.optimisationDone);

    dialogs.Answer(ui::mb::AnswerYes);
    home.optimise.Click();
    loop.AdvanceBy(40000);
    EXPECT_TRUE(home.optimisationDone);
    EXPECT_FALSE(Writes().empty());
}

using Optimisation_UndoFile = OptimisationTest;

TEST_F(Optimisation_UndoFile, SavedBeforeTheFirstWriteWithTheStateOfEveryValueTheRunChanges) {
    const std::string nameSpace =
        "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\RemoteComputer\\NameSpace\\"
        "{D6277990-4C6A-11CF-8D87-00AA0060F5BF}";
    registry.PutValue(HKCU, "Control Panel\\Desktop", "HungAppTimeOut", {1, Text("5000")});
    registry.PutValue(HKLM, kMemory, "IoPageLockLimit", {4, Dword(0x200)});
    registry.PutValue(HKLM, nameSpace, "", {1, Text("Remote")});
    std::size_t filesAtFirstWrite = 99;
    registryRecorder.OnSet = [&](const std::string&) {
        if (filesAtFirstWrite == 99) filesAtFirstWrite = UndoTexts().size();
    };
    RunOnce();

    EXPECT_EQ(filesAtFirstWrite, 1u);
    const std::vector<std::string> texts = UndoTexts();
    ASSERT_EQ(texts.size(), 1u);
    const std::string& text = texts.front();
    for (const char* expected : {
             "[HKEY_CURRENT_USER\\Control Panel\\Desktop]\r\n\"HungAppTimeOut\"=\"5000\"\r\n",
             "\"IoPageLockLimit\"=dword:00000200\r\n",
             "\"AutoEndTasks\"=-\r\n",
             "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run]\r\n\"Velmora Doziv\"=-\r\n",
         })
        EXPECT_NE(text.find(expected), std::string::npos) << expected << "\n" << text;
    EXPECT_NE(text.find("[-HKEY_LOCAL_MACHINE\\" + nameSpace + "]\r\n\r\n[HKEY_LOCAL_MACHINE\\" + nameSpace +
                        "]\r\n@=\"Remote\"\r\n"),
              std::string::npos)
        << text;
    EXPECT_EQ(text.find("\"DisablePagingExecutive\"="), std::string::npos) << "small memory: the row is not written";
    // A line for each value written (the one written twice once, the removed
    // key's own value, and the Run value), and none for the removal itself.
    std::size_t valueLines = 0;
    for (std::size_t at = 0; (at = text.find("\r\n", at)) != std::string::npos; at += 2)
        if (at + 2 < text.size() && (text[at + 2] == '"' || text[at + 2] == '@')) ++valueLines;
    EXPECT_EQ(valueLines, std::size(kExpectedWrites) - 2 + 1 + 1) << text;
}

TEST_F(Optimisation_UndoFile, AFailureToSaveItStopsNothing) {
    folder.Put(folder.Path("AppData"), "a file where the folder would be");
    FrmHome& home = RunOnce();
    EXPECT_TRUE(UndoTexts().empty());
    EXPECT_EQ(Writes().size(), std::size(kExpectedWrites) + 1);
    EXPECT_TRUE(home.optimisationDone);
    EXPECT_TRUE(dialogs.Calls().empty());
}

}  // namespace
}  // namespace brivex::testing
