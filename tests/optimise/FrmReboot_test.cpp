#include "optimise/FrmReboot.h"

#include <algorithm>

#include "app/AppFixture.h"
#include "app/FrmHome.h"
#include "app/Main.h"

namespace brivex::testing {
namespace {

const std::string kRun = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";
const std::string kQuotedPath = "\"C:\\Program Files\\Brivex Doziv\\Brivex Doziv.exe\"";

// Journals every settings read and write, so the order of the finishing steps shows.
class JournalSettings final : public SettingsStore {
public:
    JournalSettings(SettingsStore& inner, std::vector<std::string>& journal) : inner_(inner), journal_(journal) {}

    std::string GetSetting(std::string_view appName, std::string_view section, std::string_view key,
                           std::string_view defaultValue) override {
        journal_.push_back("read " + std::string(section) + "/" + std::string(key));
        return inner_.GetSetting(appName, section, key, defaultValue);
    }
    void SaveSetting(std::string_view appName, std::string_view section, std::string_view key,
                     std::string_view value) override {
        journal_.push_back("save " + std::string(section) + "/" + std::string(key) + "=" + std::string(value));
        inner_.SaveSetting(appName, section, key, value);
    }

private:
    SettingsStore& inner_;
    std::vector<std::string>& journal_;
};

// Stands in for the window, to see what the form asks of it.
class RecordingPeer final : public ui::FormPeer {
public:
    void SetCaption(const std::string&) override {}
    void SetEnabled(bool) override {}
    void SetWindowState(ui::WindowState) override {}
    void SetMousePointer(ui::MousePointer) override {}
    void SetTopmost() override { calls.push_back("topmost"); }
    void ApplyRoundedShape() override { calls.push_back("rounded"); }
    void BeginDrag() override { calls.push_back("drag"); }

    std::vector<std::string> calls;
};

class Reboot : public AppFixture {
protected:
    Reboot() {
        settings.SaveSetting("Brivex Doziv", "config", "first", "1");
        settings.SaveSetting("Brivex Doziv", "config", "reboot", "ok");
        registry.CreateKey(regroot::LocalMachine, kRun);
        registry.PutValue(regroot::LocalMachine, kRun, "Velmora Doziv", {regtype::String, Bytes(kQuotedPath)});
    }

    static std::vector<std::uint8_t> Bytes(const std::string& text) { return {text.begin(), text.end()}; }

    // Starts the program the way a start after an optimisation does.
    FrmReboot& Start() {
        Main(app().program);
        return app().Reboot();
    }
    bool RunValueExists() const { return registry.FindValue(regroot::LocalMachine, kRun, "Velmora Doziv").has_value(); }
    std::string Marker() { return settings.GetSetting("Brivex Doziv", "config", "reboot", "<absent>"); }
    std::size_t RestartPrompts() const {
        return std::count_if(dialogs.Calls().begin(), dialogs.Calls().end(),
                             [](const auto& call) { return call.kind == "restart"; });
    }
};

using Reboot_Load = Reboot;

TEST_F(Reboot_Load, RoundedTopmostWithTheFullReportInCourierNew) {
    settings.SaveSetting("Brivex Doziv", "config", "ontop", "0");
    FrmReboot& reboot = Start();
    EXPECT_TRUE(forms.IsShown(reboot));
    EXPECT_EQ(reboot.Caption(), "Brivex Doziv Optimizing...");
    EXPECT_TRUE(reboot.RoundedShape());
    EXPECT_TRUE(reboot.Topmost()) << "topmost whatever \"ontop\" says";

    const std::vector<std::string> lines = {
        "  Velmora Doziv ... Patientez.. ",
        "",
        "  Analyse des réglages : ",
        "",
        " - Accélération du boot.........................Ok",
        " - Accélération des applications ...............Ok ",
        " - Optimisation du cache Processeur.............Ok ",
        " - Optimisation de l'accès disque...............Ok ",
        " - Vérification du noyau Windows................Ok ",
        "",
        "               Vérification Terminée. ",
        "",
        "",
        "  Vous devez redémarrer votre machine.",
    };
    std::string report;
    for (std::size_t i = 0; i < lines.size(); ++i) report += (i > 0 ? "\r" : "") + lines[i];
    EXPECT_EQ(reboot.report.Caption(), report);

    const ui::Bounds& label = reboot.report.Position();
    EXPECT_EQ(label.left, 2400);
    EXPECT_EQ(label.top, 960);
    EXPECT_EQ(label.width, 5535);
    EXPECT_EQ(label.height, 855);
    EXPECT_EQ(reboot.report.Look().fontName, "Courier New");
    EXPECT_DOUBLE_EQ(reboot.report.Look().fontPoints, 8.25);
    EXPECT_TRUE(reboot.revealTimer.Enabled());
    EXPECT_EQ(reboot.revealTimer.Interval(), 1000);
}

TEST_F(Reboot_Load, IsNeitherTranslatedNorWrittenToTheReferenceFile) {
    const std::string english = folder.Path("Lang\\English.lng");
    WriteIni(english, "FrmReboot", "Form.Caption", "Brivex Doziv Optimising...");
    WriteIni(english, "FrmReboot", "Label1.Caption", "Please wait");
    settings.SaveSetting("Brivex Doziv", "FILES", "LNG", english);
    FrmReboot& reboot = Start();
    loop.AdvanceBy(3000);
    EXPECT_EQ(reboot.Caption(), "Brivex Doziv Optimizing...");
    EXPECT_EQ(reboot.report.Caption().substr(0, 20), "  Velmora Doziv ... ");
    EXPECT_EQ(ReadIni(FrenchFile(), "FrmReboot", "Label1.Caption"), "<absent>");
}

TEST_F(Reboot_Load, PicturesAndTheFullyGrownReportFitTheWindowApart) {
    FrmReboot& reboot = Start();
    loop.AdvanceBy(11000);
    const ui::Bounds report = reboot.report.Position();
    ASSERT_EQ(report.height, rebootdesign::kReportFullHeight);
    const ui::Bounds& window = reboot.Design();
    EXPECT_LE(report.left + report.width, window.width);
    EXPECT_LE(report.top + report.height, window.height);
    for (const ui::Picture* picture :
         {&reboot.bootPicture, &reboot.processorPicture, &reboot.diskPicture, &reboot.donePicture}) {
        const ui::Bounds& p = picture->Position();
        EXPECT_FALSE(picture->PictureName().empty()) << picture->Name();
        EXPECT_GT(p.width, 0) << picture->Name();
        EXPECT_LE(p.left + p.width, report.left) << picture->Name() << " stays left of the report";
        EXPECT_LE(p.top + p.height, window.height) << picture->Name();
    }
}

TEST_F(Reboot_Load, MouseDownOnTheBodyLetsTheSystemMoveTheWindow) {
    FrmReboot& reboot = app().Reboot();
    RecordingPeer peer;
    reboot.AttachPeer(&peer);
    forms.Show(reboot);
    reboot.OnMouseDown();
    EXPECT_EQ(peer.calls, (std::vector<std::string>{"rounded", "topmost", "drag"}));
    reboot.AttachPeer(nullptr);
}

using Reboot_Reveal = Reboot;

TEST_F(Reboot_Reveal, AWindowNeverShownNeverTicks) {
    FrmReboot& reboot = app().Reboot();
    loop.AdvanceBy(20000);
    EXPECT_EQ(reboot.report.Position().height, 855);
    EXPECT_EQ(Marker(), "ok");
    EXPECT_TRUE(dialogs.Calls().empty());
    EXPECT_FALSE(forms.Ending());
}

TEST_F(Reboot_Reveal, LabelGrowsBy215EachSecondAndTheTwelfthTickFinishes) {
    FrmReboot& reboot = Start();
    std::vector<int> seen;
    while (!forms.Ending() && seen.size() < 20) {
        seen.push_back(reboot.report.Position().height);
        EXPECT_EQ(RestartPrompts(), 0u) << "before tick " << seen.size();
        EXPECT_EQ(Marker(), "ok") << "before tick " << seen.size();
        loop.AdvanceBy(1000);
    }
    EXPECT_EQ(seen, (std::vector<int>{855, 1070, 1285, 1500, 1715, 1930, 2145, 2360, 2575, 2790, 3005, 3220}));
    EXPECT_EQ(reboot.report.Position().height, 3220) << "the finishing tick does not grow it";
    EXPECT_EQ(loop.Now(), 12000);
}

TEST_F(Reboot_Reveal, NothingHappensBetweenTicks) {
    FrmReboot& reboot = Start();
    loop.AdvanceBy(999);
    EXPECT_EQ(reboot.report.Position().height, 855);
    loop.AdvanceBy(11000);
    EXPECT_EQ(reboot.report.Position().height, 3220);
    EXPECT_EQ(RestartPrompts(), 0u);
    loop.AdvanceBy(1);
    EXPECT_EQ(RestartPrompts(), 1u);
}

TEST_F(Reboot_Reveal, ALabelAlready3100HighFinishesOnTheFirstTickAnd3099GrowsOnceMore) {
    struct Case {
        int height;
        int ticksToFinish;
        int finalHeight;
    };
    for (const Case c : {Case{3100, 1, 3100}, Case{4000, 1, 4000}, Case{3099, 2, 3314}}) {
        ui::HeadlessLoop caseLoop;
        ui::HeadlessFormHost caseForms(caseLoop);
        App fresh(platform, caseLoop, caseForms, dialogs);
        settings.SaveSetting("Brivex Doziv", "config", "reboot", "ok");
        Main(fresh.program);
        ui::Bounds label = fresh.Reboot().report.Position();
        label.height = c.height;
        fresh.Reboot().report.SetPosition(label);
        caseLoop.AdvanceBy(1000 * (c.ticksToFinish - 1));
        EXPECT_FALSE(caseForms.Ending()) << c.height;
        caseLoop.AdvanceBy(1000);
        EXPECT_TRUE(caseForms.Ending()) << c.height;
        EXPECT_EQ(fresh.Reboot().report.Position().height, c.finalHeight) << c.height;
    }
    EXPECT_EQ(RestartPrompts(), 3u);
}

using Reboot_Finishing = Reboot;

TEST_F(Reboot_Finishing, MarkerThenWinstartThenRunValueThenPromptThenUnloadAndEnd) {
    std::vector<std::string> journal;
    JournalSettings journalSettings(settings, journal);
    Platform watched{registry, ansi, journalSettings, ini, system, shell, management, files, drives, userFiles};
    App watchedApp(watched, loop, forms, dialogs);
    bool runValueAtPrompt = true;
    bool loadedAtPrompt = false;
    dialogs.WhileOpen = [&](const ui::ScriptedDialogs::Call& call) {
        journal.push_back(call.kind + " " + std::to_string(call.flags) + " for " + call.owner);
        runValueAtPrompt = RunValueExists();
        loadedAtPrompt = watchedApp.Reboot().Loaded() && !forms.Ending();
    };
    Main(watchedApp.program);
    loop.AdvanceBy(12000);

    EXPECT_EQ(journal, (std::vector<std::string>{"read config/reboot", "save config/reboot=no", "read config/Winstart",
                                                 "restart 2 for FrmReboot"}));
    EXPECT_FALSE(runValueAtPrompt) << "the Run value goes before the prompt";
    EXPECT_TRUE(loadedAtPrompt) << "the window stays until the prompt closes";
    const std::vector<std::string>& log = forms.Log();
    ASSERT_GE(log.size(), 2u);
    EXPECT_EQ(log.back(), "destroy FrmReboot");
    EXPECT_TRUE(loop.QuitRequested());
    EXPECT_EQ(loop.RunningTimers(), 0u);
}

TEST_F(Reboot_Finishing, WinstartDecidesWhetherTheRunValueGoes) {
    struct Case {
        const char* winstart;
        bool deleted;
    };
    // A text that is no number is not 0: the entry stays and the sequence goes on.
    for (const Case c : {Case{nullptr, true}, Case{"0", true}, Case{"0.0", true}, Case{"1", false}, Case{"abc", false},
                         Case{"", false}}) {
        const std::string name = c.winstart ? std::string("\"") + c.winstart + "\"" : "absent";
        registry.PutValue(regroot::LocalMachine, kRun, "Velmora Doziv", {regtype::String, Bytes(kQuotedPath)});
        MemorySettingsStore caseSettings;
        caseSettings.SaveSetting("Brivex Doziv", "config", "reboot", "ok");
        if (c.winstart) caseSettings.SaveSetting("Brivex Doziv", "config", "Winstart", c.winstart);
        Platform casePlatform{registry, ansi, caseSettings, ini, system, shell, management, files, drives, userFiles};
        ui::HeadlessLoop caseLoop;
        ui::HeadlessFormHost caseForms(caseLoop);
        ui::ScriptedDialogs caseDialogs;
        App fresh(casePlatform, caseLoop, caseForms, caseDialogs);
        Main(fresh.program);
        caseLoop.AdvanceBy(12000);
        EXPECT_EQ(RunValueExists(), !c.deleted) << name;
        EXPECT_EQ(caseSettings.GetSetting("Brivex Doziv", "config", "reboot", ""), "no") << name;
        EXPECT_EQ(caseDialogs.Calls().size(), 1u) << name;
        EXPECT_TRUE(caseForms.Ending()) << name;
    }
}

TEST_F(Reboot_Finishing, OnlyTheValueNamedVelmoraDozivGoes) {
    registry.PutValue(regroot::LocalMachine, kRun, "Velmora Xp", {regtype::String, Bytes(kQuotedPath)});
    registry.PutValue(regroot::LocalMachine, kRun, "Other", {regtype::String, Bytes("C:\\other.exe")});
    Start();
    loop.AdvanceBy(12000);
    EXPECT_FALSE(RunValueExists());
    EXPECT_TRUE(registry.FindValue(regroot::LocalMachine, kRun, "Velmora Xp").has_value());
    EXPECT_TRUE(registry.FindValue(regroot::LocalMachine, kRun, "Other").has_value());
    EXPECT_EQ(registry.OpenHandleCount(), 0u);
}

TEST_F(Reboot_Finishing, AForbiddenRunKeyIsPassedSilently) {
    registry.DenyAccess(regroot::LocalMachine, kRun);
    Start();
    loop.AdvanceBy(12000);
    EXPECT_TRUE(RunValueExists());
    EXPECT_EQ(Marker(), "no");
    EXPECT_EQ(RestartPrompts(), 1u);
    EXPECT_TRUE(forms.Ending());
}

TEST_F(Reboot_Finishing, TicksWhileThePromptWaitsStartNoSecondSequence) {
    bool advanced = false;
    dialogs.WhileOpen = [&](const ui::ScriptedDialogs::Call&) {
        if (advanced) return;
        advanced = true;
        loop.AdvanceBy(5000);  // the system's dialog runs its own message loop
    };
    Start();
    loop.AdvanceBy(12000);
    loop.AdvanceBy(30000);
    EXPECT_EQ(RestartPrompts(), 1u);
    EXPECT_EQ(std::count(forms.Log().begin(), forms.Log().end(), "destroy FrmReboot"), 1);
}

TEST_F(Reboot_Finishing, NextStartAfterDecliningShowsTheMainWindow) {
    Start();
    loop.AdvanceBy(12000);
    ASSERT_TRUE(forms.Ending());

    ui::HeadlessLoop nextLoop;
    ui::HeadlessFormHost nextForms(nextLoop);
    App nextRun(platform, nextLoop, nextForms, dialogs);
    EXPECT_TRUE(Main(nextRun.program));
    EXPECT_TRUE(nextForms.IsShown(nextRun.Home()));
    EXPECT_FALSE(nextRun.Reboot().Loaded());
}

}  // namespace
}  // namespace brivex::testing
