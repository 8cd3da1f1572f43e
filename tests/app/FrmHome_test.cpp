#include "app/FrmHome.h"

#include <algorithm>

#include "app/AppFixture.h"
#include "app/Main.h"
#include "optimise/FrmReboot.h"

namespace brivex::testing {
namespace {

constexpr char kDisabled[] = "La Restauration système est désactivée. Impossible de créer un point de restauration.";
constexpr char kMade[] = "La création du point de restauration a été effectuée avec succès.";

// Records the window states a form asks its window for.
struct RecordingFormPeer final : ui::FormPeer {
    void SetCaption(const std::string&) override {}
    void SetEnabled(bool) override {}
    void SetWindowState(ui::WindowState state) override { states.push_back(state); }
    void SetMousePointer(ui::MousePointer) override {}
    void SetTopmost() override {}
    void ApplyRoundedShape() override {}
    void BeginDrag() override {}
    std::vector<ui::WindowState> states;
};

class Home : public AppFixture {
protected:
    // A user who has run the program before, so no first-run messages.
    void NotFirstRun() { settings.SaveSetting("Brivex Doziv", "config", "first", "1"); }
    FrmHome& Start() {
        Main(app().program);
        return app().Home();
    }
    // The user comes back to the main window from a tool window.
    void ComeBack(FrmHome& home) {
        home.openBackup.Click();
        forms.Unload(app().Backup());
        forms.Activate(home);
    }
};

using Startup_Main = Home;

TEST_F(Startup_Main, OlderSystemFamiliesGetTheMessageAndNoWindow) {
    for (const int family : {0, 1}) {
        system.platformId = family;
        EXPECT_FALSE(Main(app().program));
    }
    ASSERT_EQ(dialogs.Calls().size(), 2u);
    const auto& call = dialogs.Calls()[0];
    EXPECT_EQ(call.title, " Système incompatible");
    EXPECT_EQ(call.flags, 64);
    EXPECT_EQ(call.text,
              " Ce logiciel n'est pas fait pour votre version de windows, visitez notre site "
              "http://www.velmora-doziv.example pour télécharger le logiciel adéquat");
    EXPECT_TRUE(forms.Log().empty());
}

TEST_F(Startup_Main, FailedVersionQueryOrUnknownFamilyEndsSilently) {
    system.platformId = std::nullopt;
    EXPECT_FALSE(Main(app().program));
    system.platformId = 3;
    EXPECT_FALSE(Main(app().program));
    EXPECT_TRUE(dialogs.Calls().empty());
    EXPECT_TRUE(forms.Log().empty());
}

TEST_F(Startup_Main, MarkerOkOpensTheFinishingWindowInsteadOfTheMainWindow) {
    NotFirstRun();
    settings.SaveSetting("Brivex Doziv", "config", "reboot", "ok");
    EXPECT_TRUE(Main(app().program));
    EXPECT_TRUE(forms.IsShown(app().Reboot()));
    EXPECT_FALSE(app().Home().Loaded());
}

TEST_F(Startup_Main, AnyOtherMarkerOpensTheMainWindowLetterCaseIncluded) {
    NotFirstRun();
    for (const char* marker : {"OK", "Ok", "ok ", "no", ""}) {
        ui::HeadlessLoop caseLoop;
        ui::HeadlessFormHost caseForms(caseLoop);
        App fresh(platform, caseLoop, caseForms, dialogs);
        settings.SaveSetting("Brivex Doziv", "config", "reboot", marker);
        EXPECT_TRUE(Main(fresh.program));
        EXPECT_TRUE(caseForms.IsShown(fresh.Home())) << marker;
        EXPECT_FALSE(fresh.Reboot().Loaded()) << marker;
    }
}

using Home_Load = Home;

TEST_F(Home_Load, SecondInstanceIsRefusedBeforeAnythingElse) {
    system.previousInstance = true;
    FrmHome& home = Start();
    ASSERT_EQ(dialogs.Calls().size(), 1u);
    EXPECT_EQ(dialogs.Calls()[0].title, "Velmora Doziv v3.0");
    EXPECT_EQ(dialogs.Calls()[0].flags, 64);
    EXPECT_EQ(dialogs.Calls()[0].text,
              "Cette application, est déjà démarrer, vous ne pouvez\rpas éxécuter deux fois cette application ."
              "\r\rContact : support@velmora-doziv.example");
    EXPECT_TRUE(forms.Ending());
    EXPECT_TRUE(loop.QuitRequested());
    EXPECT_TRUE(home.RoundedShape()) << "the shape comes first";
    EXPECT_FALSE(folder.Exists(FrenchFile())) << "nothing after the refusal runs";
    EXPECT_EQ(settings.GetSetting("Brivex Doziv", "config", "first", "none"), "none");
    EXPECT_TRUE(shell.log.empty()) << "no farewell sound: the program just ends";
}

TEST_F(Home_Load, RefusedSecondCopyPlaysNothingBehindItsMessage) {
    system.previousInstance = true;
    settings.SaveSetting("Brivex Doziv", "config", "first", "1");
    dialogs.WhileOpen = [&](const ui::ScriptedDialogs::Call&) { loop.AdvanceBy(45000); };  // the user looks away
    FrmHome& home = Start();
    EXPECT_EQ(home.progressBar.Value(), 0);
    EXPECT_FALSE(home.optimisationDone);
    EXPECT_EQ(settings.GetSetting("Brivex Doziv", "config", "reboot", "none"), "none");
    EXPECT_TRUE(events.empty()) << "no registry write";
    EXPECT_EQ(home.clockLabel.Caption(), "HH:MM:SS") << "the clock never started";
}

TEST_F(Home_Load, ReferenceFileGetsTheClocksDesignTextWhateverTimePassesInTheFirstRunMessages) {
    dialogs.WhileOpen = [&](const ui::ScriptedDialogs::Call&) { loop.AdvanceBy(5000); };
    FrmHome& home = Start();
    EXPECT_EQ(ReadIni(FrenchFile(), "FrmHome", "Label1.Caption"), "HH:MM:SS");
    system.now = {2026, 12, 6, 9, 5, 7};
    loop.AdvanceBy(1000);
    EXPECT_EQ(home.clockLabel.Caption(), "09:05:07") << "the clock runs once the window is loaded";
}

TEST_F(Home_Load, FirstRunWithoutRestoreServiceShowsNoticeThenFailureAndIsNotRepeated) {
    management.FailToBind();
    FrmHome& home = Start();
    EXPECT_EQ(MessageTexts(), (std::vector<std::string>{
                                  "C'est votre première utilisation : \rVelmora Doziv va sauvgarder votre base de "
                                  "données. Patientez...",
                                  kDisabled}));
    EXPECT_EQ(dialogs.Calls()[0].title, "Brivex Backup");
    EXPECT_EQ(dialogs.Calls()[1].title, "") << "no title: the application title shows";
    EXPECT_EQ(dialogs.Calls()[1].flags, 64);
    EXPECT_EQ(settings.GetSetting("Brivex Doziv", "config", "first", ""), "1");
    EXPECT_EQ(home.Pointer(), ui::MousePointer::Default);

    ui::HeadlessLoop nextLoop;
    ui::HeadlessFormHost nextForms(nextLoop);
    App nextRun(platform, nextLoop, nextForms, dialogs);
    Main(nextRun.program);
    EXPECT_TRUE(nextForms.IsShown(nextRun.Home()));
    EXPECT_EQ(dialogs.Calls().size(), 2u) << "a second start shows neither message";
}

TEST_F(Home_Load, FirstRunAsksForTheRestorePointUnderTheHourglass) {
    ui::MousePointer pointerDuringRequest = ui::MousePointer::Default;
    dialogs.WhileOpen = [&](const ui::ScriptedDialogs::Call& call) {
        if (call.text == kMade) pointerDuringRequest = app().Home().Pointer();
    };
    Start();
    EXPECT_EQ(management.CreateRequests(),
              (std::vector<ScriptedManagementService::CreateRequest>{{"Velmora First", 0, 100}}));
    EXPECT_EQ(MessageTexts().back(), kMade);
    EXPECT_EQ(pointerDuringRequest, ui::MousePointer::Hourglass);
}

TEST_F(Home_Load, FirstRunMakesItsRestorePointWithTheWindowOnScreenBetweenItsTwoMessages) {
    management.TakeForCreation(90000);
    bool shownDuringRequest = false;
    std::vector<std::string> messagesBeforeRequest;
    management.PassTimeThrough([&](std::int64_t milliseconds) {
        shownDuringRequest = forms.IsShown(app().Home());
        messagesBeforeRequest = MessageTexts();
        loop.Elapse(milliseconds);
    });
    Start();
    EXPECT_TRUE(shownDuringRequest);
    ASSERT_EQ(messagesBeforeRequest.size(), 1u);
    EXPECT_EQ(MessageTexts(), (std::vector<std::string>{messagesBeforeRequest[0], kMade}));
    EXPECT_EQ(loop.Now(), 90000);
}

TEST_F(Home_Load, RestoreServiceRefusingWithAStatusIsAFailure) {
    management.AnswerCreation(1);
    Start();
    EXPECT_EQ(MessageTexts().back(), kDisabled);
}

TEST_F(Home_Load, AnyFirstValueButZeroSkipsTheFirstRun) {
    for (const char* first : {"1", "00", "x", ""}) {
        ui::HeadlessLoop caseLoop;
        ui::HeadlessFormHost caseForms(caseLoop);
        App fresh(platform, caseLoop, caseForms, dialogs);
        settings.SaveSetting("Brivex Doziv", "config", "first", first);
        Main(fresh.program);
        EXPECT_TRUE(caseForms.IsShown(fresh.Home())) << first;
    }
    EXPECT_TRUE(dialogs.Calls().empty());
    EXPECT_TRUE(management.CreateRequests().empty());
}

TEST_F(Home_Load, OnlyOntopReadingAsOneMakesTheWindowTopmost) {
    NotFirstRun();
    struct Case {
        const char* ontop;
        bool topmost;
    };
    for (const Case c : {Case{"1", true}, Case{"1.0", true}, Case{"0", false}, Case{"2", false}, Case{"vrai", false}}) {
        ui::HeadlessLoop caseLoop;
        ui::HeadlessFormHost caseForms(caseLoop);
        App fresh(platform, caseLoop, caseForms, dialogs);
        settings.SaveSetting("Brivex Doziv", "config", "ontop", c.ontop);
        caseForms.Show(fresh.Home());
        EXPECT_EQ(fresh.Home().Topmost(), c.topmost) << c.ontop;
    }
}

TEST_F(Home_Load, StageTimerIsOffAndTheClockRuns) {
    NotFirstRun();
    FrmHome& home = Start();
    EXPECT_FALSE(home.stageTimer.Enabled());
    EXPECT_FALSE(home.optimisationDone);
    system.now = {2026, 12, 6, 9, 5, 7};
    loop.AdvanceBy(1000);
    EXPECT_EQ(home.clockLabel.Caption(), "09:05:07");
}

using Home_Language = Home;

TEST_F(Home_Language, FrenchFileIsWrittenBeforeTheFirstYieldAndMessagesBeforeTheSecond) {
    NotFirstRun();
    std::vector<std::string> seen;
    loop.Queue([&] {
        seen.push_back(ReadIni(FrenchFile(), "FrmHome", "Command1.Caption"));
        seen.push_back(ReadIni(FrenchFile(), "MSG", "msg8"));
        loop.Queue([&] { seen.push_back(ReadIni(FrenchFile(), "MSG", "msg8")); });
    });
    Start();
    EXPECT_EQ(seen, (std::vector<std::string>{"&Optimiser Windows", "<absent>", "Optimisation Terminée"}));
}

TEST_F(Home_Language, ReferenceFileHoldsEveryCaptionAndTheEightStageTexts) {
    NotFirstRun();
    Start();
    EXPECT_EQ(ReadIni(FrenchFile(), "FrmHome", "Form.Caption"), "Velmora Xp");
    EXPECT_EQ(ReadIni(FrenchFile(), "FrmHome", "ButtonPlus2.Caption"), "Centre de téléxhargement");
    EXPECT_EQ(ReadIni(FrenchFile(), "FrmHome", "Label6.Caption"), "+Info");
    EXPECT_EQ(ReadIni(FrenchFile(), "FrmHome", "Label3.Caption"), "<absent>") << "empty captions are not written";
    EXPECT_EQ(ReadIni(FrenchFile(), "FrmHome", "Timer1.Caption"), "<absent>");
    EXPECT_EQ(ReadIni(FrenchFile(), "MSG", "msg1"), "Initialisation ..");
    EXPECT_EQ(ReadIni(FrenchFile(), "MSG", "msg6"), "Accélaration des Applications ..");
    EXPECT_EQ(app().program.language.ProgressMessages.size(), 8u);
}

TEST_F(Home_Language, ClickQueuedDuringLoadRunsInsideItsYieldsBeforeTranslation) {
    NotFirstRun();
    const std::string english = folder.Path("Lang\\English.lng");
    WriteIni(english, "FrmHome", "TopButtons_XP1.Caption", "Quit");
    settings.SaveSetting("Brivex Doziv", "FILES", "LNG", english);
    std::string captionWhenClicked;
    loop.Queue([&] { captionWhenClicked = app().Home().quit.Caption(); });
    FrmHome& home = Start();
    EXPECT_EQ(captionWhenClicked, "Quitter") << "ran inside a yield, before the translation";
    EXPECT_EQ(home.quit.Caption(), "Quit");
    EXPECT_EQ(app().program.language.CurrentLanguageFile, english);
}

TEST_F(Home_Language, ActivationRelabelsFromTheLanguageChosenMeanwhile) {
    NotFirstRun();
    FrmHome& home = Start();
    EXPECT_EQ(home.optimise.Caption(), "&Optimiser Windows");
    const std::string english = folder.Path("Lang\\English.lng");
    WriteIni(english, "FrmHome", "Command1.Caption", "&Optimise Windows");
    WriteIni(english, "FrmHome", "Form.Caption", "Velmora Xp");
    settings.SaveSetting("Brivex Doziv", "FILES", "LNG", english);
    ComeBack(home);
    EXPECT_EQ(home.optimise.Caption(), "&Optimise Windows");
    EXPECT_EQ(app().program.language.CurrentLanguageFile, english);
}

TEST_F(Home_Language, WithoutLangFolderEverythingStaysFrench) {
    NotFirstRun();
    RemoveLangFolder();
    FrmHome& home = Start();
    EXPECT_FALSE(folder.Exists(FrenchFile()));
    EXPECT_EQ(home.optimise.Caption(), "&Optimiser Windows");
    EXPECT_EQ(app().program.trans.GetMessageText("msg1"), "");
}

TEST_F(Home_Language, ActivationWritesTodaysDateWithoutLeadingZeros) {
    NotFirstRun();
    system.now = {2026, 12, 6, 23, 59, 1};
    FrmHome& home = Start();
    EXPECT_EQ(home.dateLabel.Caption(), "6/12/2026");
    system.now = {2027, 1, 15, 0, 0, 0};
    ComeBack(home);
    EXPECT_EQ(home.dateLabel.Caption(), "15/1/2027");
}

TEST(Home_Texts, DateAndClockFormats) {
    EXPECT_EQ(DateText(6, 12, 2026), "6/12/2026");
    EXPECT_EQ(DateText(31, 1, 2027), "31/1/2027");
    EXPECT_EQ(ClockText(9, 5, 7), "09:05:07");
    EXPECT_EQ(ClockText(23, 59, 59), "23:59:59");
    EXPECT_EQ(ClockText(0, 0, 0), "00:00:00");
}

using Home_Unload = Home;

TEST_F(Home_Unload, WithoutOptimisationOnlyTheSoundThenTheEnd) {
    NotFirstRun();
    FrmHome& home = Start();
    home.quit.Click();
    EXPECT_TRUE(dialogs.Calls().empty());
    EXPECT_EQ(shell.log, (std::vector<std::string>{"play " + folder.Path("bye.wav")}));
    EXPECT_TRUE(forms.Ending());
}

TEST_F(Home_Unload, AfterAnOptimisationTheRestartPromptComesBeforeTheSound) {
    NotFirstRun();
    FrmHome& home = Start();
    home.optimisationDone = true;
    std::size_t soundsWhilePrompting = 99;
    dialogs.WhileOpen = [&](const ui::ScriptedDialogs::Call&) { soundsWhilePrompting = shell.log.size(); };
    forms.Unload(home);
    ASSERT_EQ(dialogs.Calls().size(), 1u);
    EXPECT_EQ(dialogs.Calls()[0].kind, "restart");
    EXPECT_EQ(dialogs.Calls()[0].owner, "FrmHome");
    EXPECT_EQ(dialogs.Calls()[0].flags, 2) << "programs are asked to close, not ended unsaved";
    EXPECT_EQ(soundsWhilePrompting, 0u);
    EXPECT_EQ(shell.log.size(), 1u);
    EXPECT_TRUE(forms.Ending());
}

TEST_F(Home_Unload, ASecondCloseWhileThePromptIsOpenDoesNothing) {
    NotFirstRun();
    FrmHome& home = Start();
    home.optimisationDone = true;
    dialogs.WhileOpen = [&](const ui::ScriptedDialogs::Call&) { forms.Unload(home); };  // the system asks it to close
    home.quit.Click();
    EXPECT_EQ(dialogs.Calls().size(), 1u);
    EXPECT_EQ(shell.log.size(), 1u);
    EXPECT_TRUE(forms.Ending());
}

TEST_F(Home_Unload, DriveRootFolderGivesASingleBackslash) {
    NotFirstRun();
    system.applicationFolder = "C:\\";
    FrmHome& home = Start();
    forms.Unload(home);
    EXPECT_EQ(shell.log, (std::vector<std::string>{"play C:\\bye.wav"}));
}

TEST_F(Home_Unload, MinimiseButtonMinimisesAgainAfterTheUserRestoredTheWindow) {
    NotFirstRun();
    FrmHome& home = Start();
    home.minimise.Click();
    EXPECT_EQ(home.State(), ui::WindowState::Minimized);
    home.WindowStateChangedByUser(ui::WindowState::Normal);  // restored from the taskbar
    RecordingFormPeer peer;
    home.AttachPeer(&peer);
    home.minimise.Click();
    EXPECT_EQ(home.State(), ui::WindowState::Minimized);
    EXPECT_EQ(peer.states, (std::vector<ui::WindowState>{ui::WindowState::Minimized}));
    home.AttachPeer(nullptr);
    EXPECT_FALSE(forms.Ending());
}

}  // namespace
}  // namespace brivex::testing

namespace brivex::testing {
namespace {

using Home_Commands = Home;

TEST_F(Home_Commands, WebPagesOpenInTheBrowser) {
    NotFirstRun();
    FrmHome& home = Start();
    home.downloadCentre.Click();
    home.forums.Click();
    home.help.Click();
    EXPECT_EQ(shell.log, (std::vector<std::string>{"open http://www.velmora-doziv.example/Download",
                                                   "open http://forum.velmora-doziv.example",
                                                   "open http://www.velmora-doziv.example"}));
}

TEST_F(Home_Commands, AnnouncementIsSystemModalWithLinesJoinedByCrLf) {
    NotFirstRun();
    Start().plusAnnouncement.Click();
    ASSERT_EQ(dialogs.Calls().size(), 1u);
    EXPECT_EQ(dialogs.Calls()[0].flags, 4160);
    EXPECT_EQ(dialogs.Calls()[0].title, "Velmora Doziv PLUS!");
    EXPECT_EQ(dialogs.Calls()[0].text,
              "- Plus d'options.\r\n- Plus d'efficacité.\r\n- Plus de rapidité.\r\n- Plus de stabilité...\r\n\r\n"
              "Velmora Doziv Plus! sera disponible avec la version finale.");
}

TEST_F(Home_Commands, AboutLinesAreJoinedBySingleCarriageReturns) {
    NotFirstRun();
    Start().about.Click();
    ASSERT_EQ(dialogs.Calls().size(), 1u);
    const std::string& text = dialogs.Calls()[0].text;
    EXPECT_EQ(dialogs.Calls()[0].flags, 64);
    EXPECT_EQ(dialogs.Calls()[0].title, "") << "the application title shows";
    EXPECT_EQ(text.find('\n'), std::string::npos);
    std::vector<std::string> lines;
    for (std::size_t start = 0;;) {
        const std::size_t end = text.find('\r', start);
        lines.push_back(text.substr(start, end - start));
        if (end == std::string::npos) break;
        start = end + 1;
    }
    ASSERT_EQ(lines.size(), 13u);
    EXPECT_EQ(lines[0], "");
    EXPECT_EQ(lines[1], "    Velmora Doziv est le leader dans le monde d'optimisation des noyaux Windows");
    EXPECT_EQ(lines[2], "qui donnera vie à votre système d'exploitation. Son utilisation est facilitée et adaptée");
    EXPECT_EQ(lines[3], "aux utilisateurs débutants avec des résultats surprenants.");
    EXPECT_EQ(lines[4], std::string(41, ' ') + std::string(34, '_'));
    EXPECT_EQ(lines[5], "");
    EXPECT_EQ(lines[6], "Velmora Doziv is the leader in the world of optimisation of the cores Windows");
    EXPECT_EQ(lines[7], "who will give life to your operating system. Its use very easy and is adapted ");
    EXPECT_EQ(lines[8], "to the initials users but who gives surprising resulats.");
    EXPECT_EQ(lines[9], std::string(86, '_'));
}

TEST_F(Home_Commands, PerformanceNoteCarriesItsFiguresUnderItsTitle) {
    NotFirstRun();
    Start().performanceInfo.Click();
    ASSERT_EQ(dialogs.Calls().size(), 1u);
    const auto& call = dialogs.Calls()[0];
    EXPECT_EQ(call.flags, 64);
    EXPECT_EQ(call.title, "Velmora Doziv 3.0 - Teste");
    EXPECT_EQ(call.text.rfind("QUEL EST LE GAIN DE PERFORMANCE CORRESPONDANT ?\r", 0), 0u);
    for (const char* part :
         {"\rElles ont produit des gains de performances dépassant même les résultats attendus.\r",
          "\rUn bref récapitulatif est illustré ci-dessous :\r", "P4-Windows Xp Sp2", "Athlon64-Windows Longhorn",
          "DuoCore-Windows Doziv", "moyens 85,5 à 109,6 %", "moyens 25,3 à 69,1 %", "moyens 73 à 89,7 %"})
        EXPECT_NE(call.text.find(part), std::string::npos) << part;
}

TEST_F(Home_Commands, AToolWindowThatCannotBeMadeLeavesTheMainWindowAsItWas) {
    NotFirstRun();
    FrmHome& home = Start();
    forms.RefuseWindow(app().Tweak());
    home.openTweaks.Click();
    EXPECT_EQ(home.State(), ui::WindowState::Normal);
    EXPECT_FALSE(app().Tweak().Loaded() || forms.Ending());
}

TEST_F(Home_Commands, WhileOptimisingNoCommandAnswers) {
    NotFirstRun();
    FrmHome& home = Start();
    home.optimise.Click();
    home.plusAnnouncement.Click();
    home.performanceInfo.Click();
    home.help.Click();
    EXPECT_TRUE(dialogs.Calls().empty());
    EXPECT_EQ(
        std::count_if(shell.log.begin(), shell.log.end(), [](const std::string& r) { return r.rfind("open", 0) == 0; }),
        0);
}

}  // namespace
}  // namespace brivex::testing
