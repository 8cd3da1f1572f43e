#include "tweaks/FrmTweak.h"

#include <algorithm>

#include "app/AppFixture.h"
#include "app/Main.h"

namespace brivex::testing {
namespace {

constexpr RegKey HKCU = regroot::CurrentUser;
constexpr RegKey HKLM = regroot::LocalMachine;
constexpr RegKey HKU = regroot::Users;
const std::string K1 = "SOFTWARE\\Microsoft\\PCHealth\\ErrorReporting";
const std::string K2 = "Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer";
const std::string kAdvanced = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Advanced";
const std::string K4 = "SOFTWARE\\Microsoft\\Security Center";
const std::string kSecurityService = "SYSTEM\\CurrentControlSet\\Services\\wscsvc";
constexpr char kRestorePoint[] = "restore point Brivex Tweak Optimisation ";

std::vector<std::uint8_t> Dword(std::uint32_t v) {
    return {static_cast<std::uint8_t>(v), static_cast<std::uint8_t>(v >> 8), static_cast<std::uint8_t>(v >> 16),
            static_cast<std::uint8_t>(v >> 24)};
}
std::vector<std::uint8_t> Text(const std::string& t) { return {t.begin(), t.end()}; }

// Every write of the panel, in its order, with what each button stores.
struct ExpectedWrite {
    RegKey root;
    std::string key;
    std::string name;
    std::uint32_t type;
    std::vector<std::uint8_t> off;
    std::vector<std::uint8_t> on;
};
const ExpectedWrite kExpectedWrites[] = {
    {HKLM, K1, "AllOrNone", 4, Dword(0), Dword(1)},
    {HKLM, K1, "DoReport", 4, Dword(0), Dword(1)},
    {HKLM, K1, "IncludeKernelFaults", 4, Dword(0), Dword(1)},
    {HKLM, K1, "IncludeMicrosoftApps", 4, Dword(0), Dword(1)},
    {HKLM, K1, "IncludeWindowsApps", 4, Dword(0), Dword(1)},
    {HKLM, K1, "ShowUI", 4, Dword(0), Dword(1)},
    {HKLM, "SOFTWARE\\Microsoft\\Windows\\Windows Error Reporting", "Disabled", 4, Dword(1), Dword(0)},
    {HKCU, "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer", "DesktopProcess", 4, Dword(0), Dword(1)},
    {HKLM, K2, "NoCDBurning", 4, Dword(1), Dword(0)},
    {HKLM, K2, "AlwaysUnloadDll", 1, Text("1"), Text("0")},
    {HKLM, K2, "NoLowDiskSpaceChecks", 4, Dword(1), Dword(0)},
    {HKCU, kAdvanced, "HideFileExt", 4, Dword(1), Dword(0)},
    {HKCU, kAdvanced, "Hidden", 4, Dword(2), Dword(1)},
    {HKCU, kAdvanced, "ShowSuperHidden", 4, Dword(0), Dword(1)},
    {HKCU, "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\CabinetState", "use search asst", 1, Text("no"),
     Text("yes")},
    {HKU, ".DEFAULT\\Control Panel\\Keyboard", "InitialKeyboardIndicators", 1, Text("0"), Text("2")},
    {HKLM, "SYSTEM\\CurrentControlSet\\Control\\CrashControl", "AutoReboot", 4, Dword(0), Dword(1)},
    {HKLM, "SYSTEM\\CurrentControlSet\\Control\\Class\\{4D36E96A-E325-11CE-BFC1-08002BE10318}\\0000", "EnableUDMA66", 4,
     Dword(0), Dword(1)},
    {HKLM, K4, "AntiVirusDisableNotify", 4, Dword(1), Dword(0)},
    {HKLM, K4, "FirewallDisableNotify", 4, Dword(1), Dword(0)},
    {HKLM, K4, "UpdatesDisableNotify", 4, Dword(1), Dword(0)},
    {HKLM, kSecurityService, "Start", 4, Dword(4), Dword(2)},
};

// A machine with every key the catalogue names, a user who has run the program before.
class Tweak : public AppFixture {
protected:
    Tweak() {
        for (const ExpectedWrite& write : kExpectedWrites) registry.CreateKey(write.root, write.key);
        settings.SaveSetting("Brivex Doziv", "config", "first", "1");
    }

    // The main window's "Brivex Tweaker" opens the panel.
    FrmTweak& Open() {
        if (!app().Home().Loaded()) Main(app().program);
        app().Home().openTweaks.Click();
        events.clear();
        return app().Tweak();
    }
    std::vector<std::string> Writes() const {
        std::vector<std::string> writes;
        for (const std::string& e : events)
            if (e.rfind("set ", 0) == 0) writes.push_back(e);
        return writes;
    }
    std::vector<std::string> States(FrmTweak& panel) {
        std::vector<std::string> states;
        for (std::size_t i = 0; i < kTweakCount; ++i) states.push_back(panel.StateLabel(i).Caption());
        return states;
    }
    static int Ticked(FrmTweak& p) {
        return static_cast<int>(
            std::count_if(p.boxes.begin(), p.boxes.end(), [](const auto& box) { return box->Value() == 1; }));
    }
    std::vector<std::string> RestorePoints() const {
        std::vector<std::string> points;
        for (const std::string& e : events)
            if (e.rfind("restore point", 0) == 0) points.push_back(e);
        return points;
    }
};

using TweakPanel_Writes = Tweak;

TEST_F(TweakPanel_Writes, AllTickedEachButtonStoresItsColumnInCatalogueOrder) {
    struct Case {
        const char* button;
        bool on;
    };
    for (const Case c : {Case{"&Désactiver", false}, Case{"&Activer", true}}) {
        FrmTweak& panel = Open();
        panel.tickAll.Click();
        (c.on ? panel.switchOn : panel.switchOff).Click();
        std::vector<std::string> expectedOrder;
        for (const ExpectedWrite& write : kExpectedWrites) {
            expectedOrder.push_back("set " + write.name);
            const auto stored = registry.FindValue(write.root, write.key, write.name);
            ASSERT_TRUE(stored) << c.button << " " << write.name;
            EXPECT_EQ(stored->type, write.type) << c.button << " " << write.name;
            EXPECT_EQ(stored->bytes, c.on ? write.on : write.off) << c.button << " " << write.name;
        }
        EXPECT_EQ(Writes(), expectedOrder) << c.button;
        panel.close.Click();
    }
}

TEST_F(TweakPanel_Writes, NoBoxTickedWritesNothingAndAnnouncesNothing) {
    FrmTweak& panel = Open();
    panel.switchOn.Click();
    loop.AdvanceBy(4000);
    EXPECT_TRUE(Writes().empty());
    EXPECT_EQ(std::count(shell.log.begin(), shell.log.end(), "settings-changed"), 0);
}

TEST_F(TweakPanel_Writes, OnlyTheSecurityCentreBoxWritesOneValue) {
    FrmTweak& panel = Open();
    panel.boxes[15]->Click();
    panel.switchOff.Click();
    EXPECT_EQ(Writes(), (std::vector<std::string>{"set Start"}));
    EXPECT_EQ(registry.FindValue(HKLM, kSecurityService, "Start")->bytes, Dword(4));
    events.clear();
    panel.switchOn.Click();
    EXPECT_EQ(Writes(), (std::vector<std::string>{"set Start"}));
    EXPECT_EQ(registry.FindValue(HKLM, kSecurityService, "Start")->bytes, Dword(2));
}

TEST_F(TweakPanel_Writes, ErrorReportingWritesItsSevenValuesWhereXpAndLaterWindowsReadThem) {
    FrmTweak& panel = Open();
    panel.boxes[0]->Click();
    panel.switchOff.Click();
    EXPECT_EQ(Writes(), (std::vector<std::string>{"set AllOrNone", "set DoReport", "set IncludeKernelFaults",
                                                  "set IncludeMicrosoftApps", "set IncludeWindowsApps", "set ShowUI",
                                                  "set Disabled"}));
}

// What the system did not take is said once, by the boxes' captions; the rest is written.
TEST_F(TweakPanel_Writes, KeysThisWindowsLacksOrRefusesAreNamedInOneMessage) {
    registry.DeleteKey(HKLM, K1);
    registry.DeleteKey(HKLM, kSecurityService);
    registry.DenyAccess(HKLM, K4);
    FrmTweak& panel = Open();
    panel.tickAll.Click();
    panel.switchOn.Click();
    EXPECT_FALSE(registry.KeyExists(HKLM, K1)) << "keys are never created";
    EXPECT_FALSE(registry.KeyExists(HKLM, kSecurityService));
    EXPECT_EQ(Writes().size(), std::size(kExpectedWrites) - 6 - 3 - 1);
    EXPECT_EQ(registry.FindValue(HKLM, "SOFTWARE\\Microsoft\\Windows\\Windows Error Reporting", "Disabled")->bytes,
              Dword(0));
    ASSERT_EQ(dialogs.Calls().size(), 1u);
    EXPECT_EQ(dialogs.Calls()[0].text,
              "Non appliqué, le système a refusé une écriture : Notification d'Antivirus, Notification du Pare Feu, "
              "Notification des Mises à jour, Centre de Sécurité");
    EXPECT_EQ(dialogs.Calls()[0].flags, ui::mb::Information);
    EXPECT_EQ(panel.StateLabel(0).Caption(), "activé") << "error reporting, where this Windows reads it";
    loop.AdvanceBy(4000);
    EXPECT_FALSE(panel.animationTimer.Enabled()) << "the animation runs its course the same";
}

TEST_F(TweakPanel_Writes, WindowsAreToldOnceAfterTheLastWriteOfARunWithATick) {
    FrmTweak& panel = Open();
    std::optional<std::size_t> writesWhenAnnounced;
    shell.OnRequest = [&](const std::string& request) {
        if (request == "settings-changed") writesWhenAnnounced = Writes().size();
    };
    panel.boxes[5]->Click();
    panel.boxes[6]->Click();
    panel.switchOn.Click();
    EXPECT_EQ(writesWhenAnnounced, 2u);
    loop.AdvanceBy(4000);
    EXPECT_EQ(std::count(shell.log.begin(), shell.log.end(), "settings-changed"), 1);
}

TEST_F(TweakPanel_Writes, CochezToutAndDecochezToutSetAllSixteen) {
    FrmTweak& panel = Open();
    panel.tickAll.Click();
    EXPECT_EQ(Ticked(panel), 16);
    EXPECT_FALSE(panel.untickAll.Value());
    panel.boxes[3]->Click();
    EXPECT_EQ(Ticked(panel), 15) << "a box still answers alone";
    panel.untickAll.Click();
    EXPECT_EQ(Ticked(panel), 0);
    EXPECT_FALSE(panel.tickAll.Value());
    panel.switchOff.Click();
    EXPECT_TRUE(Writes().empty());
}

using TweakPanel_Animation = Tweak;

TEST_F(TweakPanel_Animation, ThirteenTicksOfAQuarterSecondThenAllHidden) {
    FrmTweak& panel = Open();
    panel.boxes[1]->Click();
    panel.switchOff.Click();
    const std::size_t writesOfTheClick = Writes().size();
    EXPECT_EQ(writesOfTheClick, 1u);
    EXPECT_TRUE(panel.progressBar.Visible());
    EXPECT_EQ(panel.progressBar.Value(), 0);
    EXPECT_TRUE(panel.progressText.Visible());
    EXPECT_TRUE(panel.animationTimer.Enabled());

    std::vector<std::int32_t> values;
    for (int tick = 0; tick < 13; ++tick) {
        loop.AdvanceBy(249);
        EXPECT_EQ(panel.progressBar.Value(), tick * 8) << "not before the quarter second";
        loop.AdvanceBy(1);
        values.push_back(panel.progressBar.Value());
        if (tick < 12) { EXPECT_TRUE(panel.progressBar.Visible() && panel.progressText.Visible()) << tick; }
    }
    // The thirteenth tick writes 104; a bar may show no more than its full 100.
    ASSERT_EQ(values.size(), 13u);
    EXPECT_GE(values.back(), 100);
    EXPECT_LE(values.back(), 104);
    values.pop_back();
    EXPECT_EQ(values, (std::vector<std::int32_t>{8, 16, 24, 32, 40, 48, 56, 64, 72, 80, 88, 96}));
    EXPECT_FALSE(panel.progressBar.Visible());
    EXPECT_FALSE(panel.progressText.Visible());
    EXPECT_FALSE(panel.animationTimer.Enabled());
    const std::int32_t last = panel.progressBar.Value();
    loop.AdvanceBy(5000);
    EXPECT_EQ(panel.progressBar.Value(), last) << "stopped";
    EXPECT_EQ(Writes().size(), writesOfTheClick) << "ticks write nothing";
}

TEST_F(TweakPanel_Animation, SecondClickDuringARunWritesAgainAndStartsFromZero) {
    FrmTweak& panel = Open();
    panel.boxes[15]->Click();
    panel.switchOff.Click();
    loop.AdvanceBy(1100);
    EXPECT_EQ(panel.progressBar.Value(), 32);
    panel.switchOn.Click();
    EXPECT_EQ(panel.progressBar.Value(), 0);
    EXPECT_EQ(Writes(), (std::vector<std::string>{"set Start", "set Start"}));
    EXPECT_EQ(registry.FindValue(HKLM, kSecurityService, "Start")->bytes, Dword(2));
    loop.AdvanceBy(150);
    EXPECT_EQ(panel.progressBar.Value(), 8) << "the timer keeps its beat";
    loop.AdvanceBy(2999);
    EXPECT_EQ(panel.progressBar.Value(), 96);
    EXPECT_TRUE(panel.progressBar.Visible());
    loop.AdvanceBy(1);
    EXPECT_FALSE(panel.progressBar.Visible());
    EXPECT_FALSE(panel.animationTimer.Enabled());
}

using TweakPanel_RestorePoint = Tweak;

TEST_F(TweakPanel_RestorePoint, WithOptitweakOneItComesBeforeTheFirstWriteOfEachClick) {
    settings.SaveSetting("Brivex Doziv", "config", "optitweak", "1");
    FrmTweak& panel = Open();
    panel.boxes[0]->Click();
    panel.boxes[15]->Click();
    panel.switchOff.Click();
    ASSERT_FALSE(events.empty());
    EXPECT_EQ(events.front(), kRestorePoint);
    EXPECT_EQ(events.size(), 1u + 8u);
    EXPECT_EQ(management.CreateRequests(),
              (std::vector<ScriptedManagementService::CreateRequest>{{"Brivex Tweak Optimisation ", 12, 100}}));
    loop.AdvanceBy(1000);
    EXPECT_EQ(RestorePoints().size(), 1u) << "the ticks make none";
    panel.switchOn.Click();
    EXPECT_EQ(events[9], kRestorePoint) << "a second click makes its own, before its writes";
    loop.AdvanceBy(4000);
    EXPECT_EQ(RestorePoints().size(), 2u);
    EXPECT_TRUE(dialogs.Calls().empty()) << "the result is not shown";
}

TEST_F(TweakPanel_RestorePoint, TheAnimationDoesNotTickWhileTheServiceWorksNotEvenAtAYield) {
    settings.SaveSetting("Brivex Doziv", "config", "optitweak", "1");
    FrmTweak& panel = Open();
    management.TakeForCreation(90000);
    std::int32_t barWhileWaiting = -1;
    management.PassTimeThrough([&](std::int64_t milliseconds) {
        loop.Elapse(milliseconds);
        loop.DoEvents();  // a yield re-entered while the program waits
        barWhileWaiting = panel.progressBar.Value();
    });
    panel.switchOff.Click();
    EXPECT_EQ(barWhileWaiting, 0);
    loop.DoEvents();
    EXPECT_EQ(panel.progressBar.Value(), 8) << "the late tick once, after the wait";
}

TEST_F(TweakPanel_RestorePoint, NoBoxTickedStillMakesIt) {
    settings.SaveSetting("Brivex Doziv", "config", "optitweak", "1");
    Open().switchOn.Click();
    EXPECT_EQ(events, (std::vector<std::string>{kRestorePoint}));
}

TEST_F(TweakPanel_RestorePoint, NeverUnlessOptitweakReadsOne) {
    for (const char* optitweak : {"<absent>", "0", "", "oui", "2"}) {
        if (std::string(optitweak) != "<absent>")
            settings.SaveSetting("Brivex Doziv", "config", "optitweak", optitweak);
        FrmTweak& panel = Open();
        panel.tickAll.Click();
        panel.switchOff.Click();
        loop.AdvanceBy(4000);
        EXPECT_TRUE(RestorePoints().empty()) << optitweak;
        panel.close.Click();
    }
    EXPECT_TRUE(management.CreateRequests().empty());
}

// A restore point asked for and not made: the user decides before anything changes.
TEST_F(TweakPanel_RestorePoint, NotMadeTheUserIsAskedBeforeAnyChange) {
    settings.SaveSetting("Brivex Doziv", "config", "optitweak", "1");
    management.AnswerCreation(1058);  // the restore service is disabled
    for (const int answer : {ui::mb::AnswerNo, ui::mb::AnswerYes}) {
        FrmTweak& panel = Open();
        panel.boxes[5]->Click();
        dialogs.Answer(answer);
        const std::size_t before = dialogs.Calls().size();
        panel.switchOff.Click();
        ASSERT_EQ(dialogs.Calls().size(), before + 1);
        EXPECT_EQ(dialogs.Calls()[before].text,
                  "Aucun point de restauration n'a pu être créé. Appliquer quand même les changements ?");
        EXPECT_EQ(dialogs.Calls()[before].flags, ui::mb::Information | ui::mb::YesNo);
        const bool yes = answer == ui::mb::AnswerYes;
        EXPECT_EQ(registry.FindValue(HKCU, kAdvanced, "HideFileExt").has_value(), yes) << answer;
        EXPECT_EQ(panel.progressBar.Visible(), yes) << answer;
        EXPECT_EQ(panel.animationTimer.Enabled(), yes) << answer;
        EXPECT_EQ(panel.progressText.Visible(), yes) << answer;
        panel.close.Click();
    }
}

using TweakPanel_Opening = Tweak;

TEST_F(TweakPanel_Opening, EachEntryHasItsOwnBoxCaptionAndReadout) {
    FrmTweak& panel = app().Tweak();
    const auto catalogue = TweakCatalogue();
    for (std::size_t i = 0; i < kTweakCount; ++i) {
        const ui::CheckBox& box = *panel.boxes[i];
        EXPECT_EQ(box.Name(), "BrivexCB" + std::to_string(catalogue[i].box)) << catalogue[i].id;
        EXPECT_EQ(box.Caption(), catalogue[i].caption) << catalogue[i].id;
        EXPECT_EQ(panel.StateLabel(i).Index(), catalogue[i].box) << catalogue[i].id;
    }
}

TEST_F(TweakPanel_Opening, EveryOpeningStartsAsDesignedWithNoBoxTicked) {
    FrmTweak& panel = Open();
    EXPECT_EQ(Ticked(panel), 0);
    panel.tickAll.Click();
    panel.switchOn.Click();
    loop.AdvanceBy(500);
    panel.close.Click();
    Open();
    EXPECT_EQ(std::count(forms.Log().begin(), forms.Log().end(), "create FrmTweak"), 2);
    EXPECT_EQ(Ticked(panel), 0);
    EXPECT_FALSE(panel.tickAll.Value());
    EXPECT_FALSE(panel.progressBar.Visible());
    EXPECT_EQ(panel.progressBar.Value(), 0);
    EXPECT_FALSE(panel.progressText.Visible());
    EXPECT_FALSE(panel.animationTimer.Enabled());
}

using TweakPanel_Closing = Tweak;

TEST_F(TweakPanel_Closing, AnyCloseDuringARunRestoresTheMainWindowAndStopsTheAnimation) {
    FrmTweak& panel = Open();
    panel.switchOff.Click();
    loop.AdvanceBy(600);
    forms.Unload(panel);  // the system's close
    EXPECT_EQ(app().Home().State(), ui::WindowState::Normal);
    EXPECT_FALSE(panel.animationTimer.Enabled());
    const std::int32_t value = panel.progressBar.Value();
    loop.AdvanceBy(2000);
    EXPECT_EQ(panel.progressBar.Value(), value);
}

using TweakPanel_Language = Tweak;

TEST_F(TweakPanel_Language, AFileWithOneKeyChangesOneCaption) {
    const std::string english = folder.Path("Lang\\English.lng");
    WriteIni(english, "FrmTweak", "BrivexCmd6.Caption", "&Apply");
    settings.SaveSetting("Brivex Doziv", "FILES", "LNG", english);
    FrmTweak& panel = Open();
    EXPECT_EQ(panel.switchOn.Caption(), "&Apply");
    EXPECT_EQ(panel.switchOff.Caption(), "&Désactiver");
    EXPECT_EQ(panel.Caption(), "  Personnalisation de Windows  - Velmora Xp");
    EXPECT_EQ(app().program.language.CurrentLanguageFile, english);
}

using TweakPanel_State = Tweak;

TEST_F(TweakPanel_State, ReadAtLoadAndAgainRightAfterEachRunsWrites) {
    registry.PutValue(HKCU, kAdvanced, "HideFileExt", {1, Text("0")});
    registry.PutValue(HKLM, kSecurityService, "Start", {4, Dword(3)});
    FrmTweak& panel = Open();
    std::vector<std::string> expected(kTweakCount, "?");
    expected[5] = "activé";  // HideFileExt 0
    EXPECT_EQ(States(panel), expected);

    panel.tickAll.Click();
    panel.switchOff.Click();
    EXPECT_EQ(States(panel), std::vector<std::string>(kTweakCount, "désactivé")) << "before any tick";
    panel.switchOn.Click();
    EXPECT_EQ(States(panel), std::vector<std::string>(kTweakCount, "activé"));
    EXPECT_EQ(Ticked(panel), 16) << "the boxes keep their ticks";
}

TEST_F(TweakPanel_State, EntryWhoseKeyIsMissingStaysUnknownAfterARun) {
    registry.DeleteKey(HKLM, kSecurityService);
    FrmTweak& panel = Open();
    panel.tickAll.Click();
    panel.switchOff.Click();
    EXPECT_EQ(panel.StateLabel(15).Caption(), "?");
    EXPECT_EQ(panel.StateLabel(14).Caption(), "désactivé");
}

TEST_F(TweakPanel_State, WordsComeFromTheChosenLanguage) {
    const std::string english = folder.Path("Lang\\English.lng");
    WriteIni(english, "FrmTweak", "StateOff.Caption", "off");
    WriteIni(english, "FrmTweak", "StateOn.Caption", "on");
    settings.SaveSetting("Brivex Doziv", "FILES", "LNG", english);
    FrmTweak& panel = Open();
    EXPECT_EQ(panel.StateLabel(1).Caption(), "?");
    panel.boxes[1]->Click();
    panel.switchOn.Click();
    EXPECT_EQ(panel.StateLabel(1).Caption(), "on");
    panel.switchOff.Click();
    EXPECT_EQ(panel.StateLabel(1).Caption(), "off");
    EXPECT_FALSE(panel.stateOff.Visible());
}

using TweakPanel_UndoFile = Tweak;

TEST_F(TweakPanel_UndoFile, EachRunSavesTheTickedValuesAsTheyWereBeforeIt) {
    registry.PutValue(HKLM, kSecurityService, "Start", {4, Dword(3)});
    FrmTweak& panel = Open();
    panel.boxes[15]->Click();
    panel.switchOff.Click();
    panel.switchOn.Click();
    panel.boxes[15]->Click();
    panel.switchOn.Click();  // nothing ticked: nothing to undo

    const std::vector<std::string> texts = UndoTexts();
    ASSERT_EQ(texts.size(), 2u);
    const std::string header =
        "Windows Registry Editor Version 5.00\r\n\r\n[HKEY_LOCAL_MACHINE\\" + kSecurityService + "]\r\n";
    EXPECT_EQ(texts[0], header + "\"Start\"=dword:00000003\r\n\r\n");
    EXPECT_EQ(texts[1], header + "\"Start\"=dword:00000004\r\n\r\n");
}

}  // namespace
}  // namespace brivex::testing
