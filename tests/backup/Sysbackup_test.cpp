#include "backup/Sysbackup.h"

#include "app/AppFixture.h"
#include "app/Main.h"

namespace brivex::testing {
namespace {

constexpr char kNameMissing[] = "Veuillez entrer un nom pour la création du point de restauration !.";
constexpr char kCreated[] = "La création du point de restauration a été effectuée avec succès.";
constexpr char kNotCreated[] = "La Restauration système est désactivée. Impossible de créer un point de restauration.";
using Request = ScriptedManagementService::CreateRequest;

// Notes the window's mouse pointer when the service is asked for a restore
// point, and runs what a test queued to happen while the request blocks.
class PointerProbe final : public ManagementService {
public:
    explicit PointerProbe(ManagementService& inner) : inner_(inner) {}

    ManagementResult<std::int32_t> CreateRestorePoint(const std::string& description, std::int32_t type,
                                                      std::int16_t eventType) override {
        if (window) pointerDuringRequest = window->Pointer();
        if (whileRequested) std::exchange(whileRequested, nullptr)();
        return inner_.CreateRestorePoint(description, type, eventType);
    }
    ManagementResult<std::vector<ManagementInstance>> InstancesOf(const std::string& moniker,
                                                                  const std::string& className,
                                                                  const std::vector<std::string>& properties) override {
        return inner_.InstancesOf(moniker, className, properties);
    }
    ManagementResult<std::vector<ManagementInstance>> ExecQuery(const std::string& moniker, const std::string& query,
                                                                const std::vector<std::string>& properties) override {
        return inner_.ExecQuery(moniker, query, properties);
    }

    const ui::Form* window = nullptr;
    std::optional<ui::MousePointer> pointerDuringRequest;
    std::function<void()> whileRequested;

private:
    ManagementService& inner_;
};

class Backup : public AppFixture {
protected:
    Backup() { settings.SaveSetting("Brivex Doziv", "config", "first", "1"); }

    App& Watched() {
        if (!app_) app_ = std::make_unique<App>(watched, loop, forms, dialogs);
        return *app_;
    }
    FrmHome& Home() { return Watched().Home(); }
    // The main window's "System Backup" opens the window.
    Sysbackup& Open() {
        if (!Home().Loaded()) Main(Watched().program);
        Home().openBackup.Click();
        probe.window = &Watched().Backup();
        return Watched().Backup();
    }
    static void Type(Sysbackup& window, const std::string& name) { window.pointName.UserTyped(name); }
    std::vector<std::string> Messages() const {
        std::vector<std::string> texts;
        for (const auto& call : dialogs.Calls()) {
            EXPECT_EQ(call.flags, ui::mb::Information) << call.text;
            EXPECT_EQ(call.title, "") << "the application title";
            texts.push_back(call.text);
        }
        return texts;
    }
    static bool ListViewShown(Sysbackup& window) {
        EXPECT_NE(window.creationView.Visible(), window.listView.Visible()) << "one view at a time";
        return window.listView.Visible();
    }

    PointerProbe probe{management};
    Platform watched{registryRecorder, ansi, settings, ini, system, shell, probe, files, drives, userFiles};

private:
    std::unique_ptr<App> app_;
};

TEST(Backup_Types, TheThreeEntriesMapToZeroOneAndTenAndNothingElseMapsAtAll) {
    EXPECT_EQ(RestorePointTypeOfEntry(0), 0);
    EXPECT_EQ(RestorePointTypeOfEntry(1), 1);
    EXPECT_EQ(RestorePointTypeOfEntry(2), 10);
    for (int other : {-1, 3, 10, 12}) EXPECT_EQ(RestorePointTypeOfEntry(other), std::nullopt) << other;
}

using Backup_Apply = Backup;

TEST_F(Backup_Apply, EachCaseGivesItsMessageAndExactlyItsRequest) {
    enum class Service { Works, Refuses, Fails };
    struct Case {
        const char* what;
        const char* name;
        int entry;
        Service service;
        const char* message;
        std::vector<Request> requests;
    };
    const Case cases[] = {
        {"empty name", "", 0, Service::Works, kNameMissing, {}},
        {"Optimisation Velmora", "Avant tout", 0, Service::Works, kCreated, {{"Avant tout", 0, 100}}},
        {"Application setup", "Setup", 1, Service::Works, kCreated, {{"Setup", 1, 100}}},
        {"Hardware setup", "Pilote", 2, Service::Works, kCreated, {{"Pilote", 10, 100}}},
        {"blanks only", "   ", 0, Service::Works, kCreated, {{"   ", 0, 100}}},
        {"no type chosen", "Avant tout", -1, Service::Works, kNotCreated, {}},
        {"restore switched off", "Avant tout", 2, Service::Refuses, kNotCreated, {{"Avant tout", 10, 100}}},
        {"no management service", "Avant tout", 1, Service::Fails, kNotCreated, {{"Avant tout", 1, 100}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ScriptedManagementService service;
        if (c.service == Service::Refuses) service.AnswerCreation(1);
        if (c.service == Service::Fails) service.FailToBind();
        PointerProbe caseProbe(service);
        Platform casePlatform{registry, ansi, settings, ini, system, shell, caseProbe, files, drives, userFiles};
        ui::HeadlessLoop caseLoop;
        ui::HeadlessFormHost caseForms(caseLoop);
        ui::ScriptedDialogs caseDialogs;
        App caseApp(casePlatform, caseLoop, caseForms, caseDialogs);
        Main(caseApp.program);
        caseApp.Home().openBackup.Click();
        Sysbackup& window = caseApp.Backup();
        caseProbe.window = &window;
        Type(window, c.name);
        if (c.entry >= 0) window.pointType.UserSelected(c.entry);
        // The second half of a double click, run while the request or the message holds the window.
        caseProbe.whileRequested = [&] { window.create.Click(); };
        caseDialogs.WhileOpen = [&, clicked = false](const ui::ScriptedDialogs::Call&) mutable {
            if (!std::exchange(clicked, true)) window.create.Click();
        };
        window.create.Click();

        EXPECT_TRUE(window.create.Enabled());
        ASSERT_EQ(caseDialogs.Calls().size(), 1u);
        EXPECT_EQ(caseDialogs.Calls()[0].text, c.message);
        EXPECT_EQ(caseDialogs.Calls()[0].flags, ui::mb::Information);
        EXPECT_EQ(service.CreateRequests(), c.requests);
        EXPECT_EQ(caseProbe.pointerDuringRequest,
                  c.requests.empty() ? std::nullopt : std::optional(ui::MousePointer::Hourglass));
        EXPECT_EQ(window.Pointer(), ui::MousePointer::Default);
        EXPECT_EQ(window.pointName.Text(), c.name) << "the name stays";
        EXPECT_EQ(window.pointType.ListIndex(), c.entry) << "and so does the type";
        EXPECT_FALSE(ListViewShown(window));
    }
}

TEST_F(Backup_Apply, AnEmptyNameIsRefusedBeforeTheHourglass) {
    Sysbackup& window = Open();
    window.pointType.UserSelected(0);
    dialogs.WhileOpen = [&](const ui::ScriptedDialogs::Call&) {
        EXPECT_EQ(window.Pointer(), ui::MousePointer::Default);
    };
    window.create.Click();
    EXPECT_EQ(Messages(), (std::vector<std::string>{kNameMissing}));
    EXPECT_TRUE(management.CreateRequests().empty());
    EXPECT_FALSE(probe.pointerDuringRequest);
}

TEST_F(Backup_Apply, TheHourglassShowsDuringTheRequestOnlyAndTheNameIsReadAtTheRequest) {
    Sysbackup& window = Open();
    Type(window, "Avant pilote");
    window.pointType.UserSelected(2);
    dialogs.WhileOpen = [&](const ui::ScriptedDialogs::Call&) {
        EXPECT_EQ(window.Pointer(), ui::MousePointer::Default) << "back to normal before the message";
    };
    window.create.Click();
    EXPECT_EQ(probe.pointerDuringRequest, ui::MousePointer::Hourglass);
    EXPECT_EQ(Messages(), (std::vector<std::string>{kCreated}));
}

TEST_F(Backup_Apply, ClicksQueuedWhileTheServiceWorksAreDroppedAndTheWaitLastsAsLongAsIt) {
    Sysbackup& window = Open();
    Type(window, "Avant");
    window.pointType.UserSelected(0);
    management.TakeForCreation(90000);
    probe.whileRequested = [&] {
        for (int click = 0; click < 3; ++click) loop.Queue([&] { window.create.Click(); });
    };
    const ui::Millis start = loop.Now();
    window.create.Click();
    EXPECT_EQ(loop.Now() - start, 90000) << "a restore point takes what it takes";
    loop.AdvanceBy(1000);
    EXPECT_EQ(management.CreateRequests(), (std::vector<Request>{{"Avant", 0, 100}}));
    EXPECT_EQ(Messages(), (std::vector<std::string>{kCreated}));
}

TEST_F(Backup_Apply, TheListIsNotRefreshedAfterARestorePointIsMade) {
    management.AnswerListing({{"1", "Avant", "20250101120000.000000-000"}});
    Sysbackup& window = Open();
    window.showList.Click();
    window.back.Click();
    management.AnswerListing(
        {{"1", "Avant", "20250101120000.000000-000"}, {"2", "Pilote", "20250102120000.000000-000"}});
    Type(window, "Pilote");
    window.pointType.UserSelected(2);
    window.create.Click();
    EXPECT_EQ(management.ListingRequests().size(), 1u + 2u) << "the request's own, before and after it";
    EXPECT_EQ(window.pointList.Items(), (std::vector<std::string>{"RP:1  Avant (20250101120000.000000-000)"}));
    EXPECT_FALSE(ListViewShown(window));
}

using Backup_List = Backup;

TEST_F(Backup_List, AfficherFillsTheListInTheServicesOrderAndRetourKeepsIt) {
    management.AnswerListing({{"7", "Velmora First", "20250101120000.000000-000"},
                              {"8", "Brivex (auto)  ", std::nullopt},
                              {std::nullopt, std::nullopt, std::nullopt}});
    Sysbackup& window = Open();
    EXPECT_FALSE(ListViewShown(window));
    window.showList.Click();
    const std::vector<std::string> rows = {"RP:7  Velmora First (20250101120000.000000-000)",
                                           "RP:8  Brivex (auto)   ()", "RP:   ()"};
    EXPECT_EQ(window.pointList.Items(), rows);
    EXPECT_TRUE(ListViewShown(window));
    window.back.Click();
    EXPECT_FALSE(ListViewShown(window));
    EXPECT_EQ(window.pointList.Items(), rows);
    window.showList.Click();
    EXPECT_EQ(window.pointList.Items(), rows) << "cleared before it is filled again";
    EXPECT_EQ(management.ListingRequests().size(), 2u);
    EXPECT_TRUE(dialogs.Calls().empty());
}

TEST_F(Backup_List, AnEmptyListingShowsOneLineSayingSo) {
    Sysbackup& window = Open();
    window.showList.Click();
    EXPECT_EQ(window.pointList.Items(), (std::vector<std::string>{"Aucun point de restauration."}));
    EXPECT_TRUE(ListViewShown(window));
}

TEST_F(Backup_List, AFailedListingSaysSoAndLeavesTheViewAndItsLinesAsTheyWere) {
    management.AnswerListing({{"1", "Avant", "20250101"}});
    Sysbackup& window = Open();
    window.showList.Click();
    window.back.Click();
    management.FailListing(static_cast<std::int32_t>(0x80041003));
    window.showList.Click();
    EXPECT_EQ(Messages(), (std::vector<std::string>{"Impossible d'obtenir la liste des points de restauration."}));
    EXPECT_FALSE(ListViewShown(window)) << "stays in the creation view";
    EXPECT_EQ(window.pointList.Items(), (std::vector<std::string>{"RP:1  Avant (20250101)"}));
    EXPECT_FALSE(forms.Ending());
    EXPECT_TRUE(forms.IsShown(window));
}

TEST_F(Backup_List, AListingUnansweredAfterAMinuteIsGivenUpThereAsAFailedOne) {
    management.AnswerListing({{"1", "Avant", "20250101"}});
    management.TakeForListing(90000);
    Sysbackup& window = Open();
    const ui::Millis start = loop.Now();
    window.showList.Click();
    EXPECT_EQ(loop.Now() - start, 60000);
    EXPECT_EQ(Messages(), (std::vector<std::string>{"Impossible d'obtenir la liste des points de restauration."}));
    EXPECT_FALSE(ListViewShown(window));
    EXPECT_TRUE(window.pointList.Items().empty());
}

TEST_F(Backup_List, TheTwoTextsOfTheListComeFromTheChosenLanguage) {
    const std::string english = folder.Path("Lang\\English.lng");
    WriteIni(english, "Sysbackup", "NoRestorePoint.Caption", "No restore point.");
    WriteIni(english, "Sysbackup", "ListingFailed.Caption", "No list.");
    settings.SaveSetting("Brivex Doziv", "FILES", "LNG", english);
    Sysbackup& window = Open();
    window.showList.Click();
    EXPECT_EQ(window.pointList.Items(), (std::vector<std::string>{"No restore point."}));
    window.back.Click();
    management.FailToBind();
    window.showList.Click();
    EXPECT_EQ(Messages(), (std::vector<std::string>{"No list."}));
    EXPECT_FALSE(window.noRestorePoint.Visible());
    EXPECT_FALSE(window.listingFailed.Visible());
}

using Backup_Opening = Backup;

TEST_F(Backup_Opening, OpensOnTheCreationViewEmptyWithTheThreeTypesAndNoneChosen) {
    Sysbackup& window = Open();
    EXPECT_FALSE(ListViewShown(window));
    EXPECT_EQ(window.pointName.Text(), "");
    EXPECT_EQ(window.pointType.Items(),
              (std::vector<std::string>{"Optimisation Velmora", "Application setup", "Hardware setup"}));
    EXPECT_EQ(window.pointType.ListIndex(), -1);
    EXPECT_TRUE(window.pointList.Items().empty());
    // The platform trims the values it writes: the five leading blanks of the
    // introduction do not survive the round trip through the reference file.
    EXPECT_EQ(ReadIni(FrenchFile(), "Sysbackup", "Label1.Caption").rfind("Brivex System Backup vous permet", 0), 0u);
    EXPECT_EQ(window.introduction.Caption().rfind("Brivex System Backup vous permet", 0), 0u);
}

TEST_F(Backup_Opening, BothCloseControlsRestoreTheMainWindowAndTheNextOpeningStartsAfresh) {
    for (const char* close : {"BrivexCmd1", "TopButtons_XP1"}) {
        SCOPED_TRACE(close);
        management.AnswerListing({{"1", "Avant", "20250101"}});
        Sysbackup& window = Open();
        Type(window, "Avant");
        window.pointType.UserSelected(1);
        window.showList.Click();
        // "Annuler" is in the creation view; the close button stays in sight in both.
        if (std::string(close) == "BrivexCmd1") window.back.Click();
        dynamic_cast<ui::ButtonPlus*>(window.FindControl(close))->Click();
        EXPECT_FALSE(forms.IsShown(window));
        EXPECT_EQ(Home().State(), ui::WindowState::Normal);
        EXPECT_FALSE(forms.Ending());

        Sysbackup& again = Open();
        EXPECT_FALSE(ListViewShown(again));
        EXPECT_EQ(again.pointName.Text(), "");
        EXPECT_EQ(again.pointType.ListIndex(), -1);
        EXPECT_TRUE(again.pointList.Items().empty());
        again.cancel.Click();
    }
}

}  // namespace
}  // namespace brivex::testing
