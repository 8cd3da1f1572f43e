#include "settings/FrmSettings.h"

#include <algorithm>

#include "app/AppFixture.h"
#include "app/Main.h"

namespace brivex::testing {
namespace {

const std::string kRun = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";

// Every settings read and write into the same log as the registry's writes,
// so the order of an apply shows whole.
class SettingsJournal final : public SettingsStore {
public:
    SettingsJournal(SettingsStore& inner, std::vector<std::string>& log) : inner_(inner), log_(log) {}

    std::string GetSetting(std::string_view appName, std::string_view section, std::string_view key,
                           std::string_view defaultValue) override {
        log_.push_back("read " + std::string(section) + "/" + std::string(key));
        return inner_.GetSetting(appName, section, key, defaultValue);
    }
    void SaveSetting(std::string_view appName, std::string_view section, std::string_view key,
                     std::string_view value) override {
        log_.push_back("save " + std::string(section) + "/" + std::string(key) + "=" + std::string(value));
        inner_.SaveSetting(appName, section, key, value);
    }

private:
    SettingsStore& inner_;
    std::vector<std::string>& log_;
};

// The six options: the box, its entry as the window writes it, and as the window reads it.
struct Option {
    const char* box;
    const char* entry;
};
const Option kOptions[] = {
    {"Doc", "Doc"},           {"press", "Press"},      {"Ontop", "ontop"},
    {"WinStart", "Winstart"}, {"Check2", "optistart"}, {"Check3", "optitweak"},
};

class SettingsWindow : public AppFixture {
protected:
    SettingsWindow() {
        settings.SaveSetting("Brivex Doziv", "config", "first", "1");
        registry.CreateKey(regroot::LocalMachine, kRun);
        WriteIni(English(), "FrmHome", "Command1.Caption", "&Optimise Windows");
        WriteIni(English(), "FrmSettings", "BrivexCmd6.Caption", "&Apply");
        WriteIni(folder.Path("Lang\\Deutsch.lng"), "FrmSettings", "BrivexCmd6.Caption", "&Anwenden");
    }

    App& Watched() {
        if (!app_) app_ = std::make_unique<App>(watched, loop, forms, dialogs);
        return *app_;
    }
    FrmHome& Home() { return Watched().Home(); }
    // The main window's "Configuration" opens the window.
    FrmSettings& Open() {
        if (!Home().Loaded()) Main(Watched().program);
        Home().openSettings.Click();
        events.clear();
        return Watched().Settings();
    }
    std::string English() const { return folder.Path("Lang\\English.lng"); }
    std::string Stored(const std::string& section, const std::string& key) {
        return settings.GetSetting("Brivex Doziv", section, key, "<absent>");
    }
    static ui::CheckBox& Box(FrmSettings& window, const char* name) {
        return *dynamic_cast<ui::CheckBox*>(window.FindControl(name));
    }
    static void Choose(FrmSettings& window, const std::string& file) {
        const auto& items = window.languageFiles.Items();
        const auto found = std::find(items.begin(), items.end(), file);
        ASSERT_NE(found, items.end()) << file;
        window.languageFiles.UserSelected(static_cast<int>(found - items.begin()));
    }
    std::vector<std::string> Saves() const {
        std::vector<std::string> saves;
        for (const std::string& e : events)
            if (e.rfind("save ", 0) == 0) saves.push_back(e);
        return saves;
    }

    SettingsJournal journal{settings, events};
    Platform watched{registryRecorder, ansi, journal, ini, system, shell, managementRecorder, files, drives, userFiles};

private:
    std::unique_ptr<App> app_;
};

std::vector<std::string> SixSaved(const std::string& values) {
    std::vector<std::string> saves;
    for (std::size_t i = 0; i < std::size(kOptions); ++i)
        saves.push_back(std::string("save config/") + kOptions[i].entry + "=" + values[i]);
    return saves;
}

using SettingsWindow_Load = SettingsWindow;

TEST_F(SettingsWindow_Load, AFreshUserSeesEveryBoxUntickedAndTheLanguageListDisabledOnTheLangFolder) {
    FrmSettings& window = Open();
    for (const Option& option : kOptions) EXPECT_EQ(Box(window, option.box).Value(), 0) << option.box;
    EXPECT_EQ(window.changeLanguage.Value(), 0);
    EXPECT_FALSE(window.languageFiles.Enabled());
    EXPECT_EQ(window.languageFiles.Path(), folder.Path("Lang"));
    EXPECT_EQ(window.languageFiles.Pattern(), "*.lng");
    EXPECT_EQ(window.languageFiles.Items(), (std::vector<std::string>{"Deutsch.lng", "English.lng", "Francais.lng"}));
    EXPECT_EQ(window.languageFiles.ListIndex(), -1);
}

TEST_F(SettingsWindow_Load, ReadsInItsOrderTheSixBoxesBetweenTheTwoOntopReads) {
    Home();
    Main(Watched().program);
    events.clear();
    Home().openSettings.Click();
    std::vector<std::string> reads;
    for (const std::string& e : events)
        if (e.rfind("read ", 0) == 0) reads.push_back(e);
    EXPECT_EQ(reads, (std::vector<std::string>{"read config/ontop", "read FILES/LNG", "read config/Doc",
                                               "read config/Press", "read config/ontop", "read config/Winstart",
                                               "read config/optistart", "read config/optitweak", "read config/ontop"}));
}

TEST_F(SettingsWindow_Load, EachBoxShowsItsOwnEntryWhateverTheLetterCase) {
    for (const Option& option : kOptions) {
        SCOPED_TRACE(option.box);
        for (const Option& other : kOptions) settings.SaveSetting("Brivex Doziv", "config", other.entry, "0");
        std::string upper = option.entry;
        std::transform(upper.begin(), upper.end(), upper.begin(), ::toupper);
        settings.SaveSetting("Brivex Doziv", "config", upper, "1");
        FrmSettings& window = Open();
        for (const Option& other : kOptions)
            EXPECT_EQ(Box(window, other.box).Value(), &other == &option ? 1 : 0) << other.box;
        window.cancel.Click();
    }
}

TEST_F(SettingsWindow_Load, WithoutTheLangFolderTheListIsEmptyAndNothingIsSaid) {
    RemoveLangFolder();
    FrmSettings& window = Open();
    EXPECT_TRUE(window.languageFiles.Items().empty());
    EXPECT_EQ(window.apply.Caption(), "&Appliquer");
    EXPECT_TRUE(dialogs.Calls().empty());
}

TEST_F(SettingsWindow_Load, ChangerEnablesTheListAndListsTheFolderAgain) {
    FrmSettings& window = Open();
    folder.Put(folder.Path("Lang\\Italiano.lng"), "[FrmSettings]\r\n");
    window.changeLanguage.Click();
    EXPECT_TRUE(window.languageFiles.Enabled());
    EXPECT_EQ(window.languageFiles.Items(),
              (std::vector<std::string>{"Deutsch.lng", "English.lng", "Francais.lng", "Italiano.lng"}));
    window.changeLanguage.Click();
    EXPECT_FALSE(window.languageFiles.Enabled());
}

// "Changer" once had a bold font of its own, which some renderers draw as
// bold at one size and as regular at another.
TEST_F(SettingsWindow_Load, EveryCheckBoxHasTheOneLookOfTheWindowsCheckBoxes) {
    FrmSettings& window = Open();
    for (const ui::CheckBox* box : {&window.clearClipboard, &window.clearRecentDocuments, &window.startWithWindows,
                                    &window.stayOnTop, &window.backupBeforeOptimisation, &window.backupBeforeTweaks})
        EXPECT_TRUE(box->Look() == window.changeLanguage.Look()) << box->Name();
}

using SettingsWindow_Apply = SettingsWindow;

TEST_F(SettingsWindow_Apply, NothingChangedStillDeletesTheRunValueThenRewritesTheSixEntriesInOrder) {
    FrmSettings& window = Open();
    window.apply.Click();
    std::vector<std::string> expected = {"delete value Velmora Doziv"};
    for (const std::string& save : SixSaved("000000")) expected.push_back(save);
    std::vector<std::string> writes;
    for (const std::string& e : events)
        if (e.rfind("read ", 0) != 0) writes.push_back(e);
    EXPECT_EQ(writes, expected);
    EXPECT_EQ(Stored("FILES", "LNG"), "<absent>");
}

TEST_F(SettingsWindow_Apply, EachTickedBoxIsStoredAsOneInItsOwnEntry) {
    const char* const patterns[] = {"100000", "010000", "001000", "000100", "000010", "000001", "111111"};
    for (const std::string values : patterns) {
        SCOPED_TRACE(values);
        FrmSettings& window = Open();
        for (std::size_t i = 0; i < std::size(kOptions); ++i)
            if (values[i] == '1' && Box(window, kOptions[i].box).Value() == 0) Box(window, kOptions[i].box).Click();
            else if (values[i] == '0' && Box(window, kOptions[i].box).Value() == 1)
                Box(window, kOptions[i].box).Click();
        window.apply.Click();
        EXPECT_EQ(Saves(), SixSaved(values));
        for (std::size_t i = 0; i < std::size(kOptions); ++i)
            EXPECT_EQ(Stored("config", kOptions[i].entry), std::string(1, values[i])) << kOptions[i].entry;
    }
}

TEST_F(SettingsWindow_Apply, StartWithWindowsWritesTheQuotedPathAndUntickedDeletesIt) {
    FrmSettings& window = Open();
    window.startWithWindows.Click();
    window.apply.Click();
    EXPECT_EQ(events.front(), "set Velmora Doziv") << "before the entries";
    const auto stored = registry.FindValue(regroot::LocalMachine, kRun, "Velmora Doziv");
    ASSERT_TRUE(stored);
    EXPECT_EQ(stored->type, regtype::String);
    const std::string path = "\"" + folder.Path("Brivex Doziv.exe") + "\"";
    EXPECT_EQ(std::string(stored->bytes.begin(), stored->bytes.end()), ansi.ToAnsi(path));

    FrmSettings& again = Open();
    EXPECT_EQ(again.startWithWindows.Value(), 1);
    again.startWithWindows.Click();
    again.apply.Click();
    EXPECT_FALSE(registry.FindValue(regroot::LocalMachine, kRun, "Velmora Doziv"));
    EXPECT_EQ(Stored("config", "Winstart"), "0");
}

TEST_F(SettingsWindow_Apply, WithoutTheRunKeyTheEntryIsStillSavedAndNothingIsSaid) {
    registry.DeleteKey(regroot::LocalMachine, kRun);
    FrmSettings& window = Open();
    window.startWithWindows.Click();
    window.apply.Click();
    EXPECT_FALSE(registry.KeyExists(regroot::LocalMachine, kRun));
    EXPECT_EQ(Stored("config", "Winstart"), "1");
    EXPECT_TRUE(dialogs.Calls().empty());
}

TEST_F(SettingsWindow_Apply, ALanguageChosenIsStoredAfterTheSixTranslatesTheWindowAndTheMainWindowOnItsReturn) {
    FrmSettings& window = Open();
    window.changeLanguage.Click();
    Choose(window, "English.lng");
    window.apply.Click();
    std::vector<std::string> expected = SixSaved("000000");
    expected.push_back("save FILES/LNG=" + English());
    EXPECT_EQ(Saves(), expected);
    EXPECT_EQ(Watched().program.language.CurrentLanguageFile, English());
    EXPECT_EQ(window.apply.Caption(), "&Apply") << "translated once more before it closed";
    EXPECT_FALSE(forms.IsShown(window));
    EXPECT_EQ(Home().State(), ui::WindowState::Normal);

    EXPECT_EQ(Home().optimise.Caption(), "&Optimiser Windows");
    forms.Activate(Home());
    EXPECT_EQ(Home().optimise.Caption(), "&Optimise Windows");
}

TEST_F(SettingsWindow_Apply, TheLanguageStaysUnlessChangerIsTickedAndAFileChosen) {
    struct Case {
        const char* what;
        bool tick;
        const char* file;
    };
    for (const Case c :
         {Case{"Changer ticked, no file", true, nullptr}, Case{"a file, Changer unticked", false, "Deutsch.lng"}}) {
        SCOPED_TRACE(c.what);
        settings.SaveSetting("Brivex Doziv", "FILES", "LNG", English());
        FrmSettings& window = Open();
        if (c.tick) window.changeLanguage.Click();
        if (c.file) {
            window.languageFiles.SetEnabled(true);
            Choose(window, c.file);
            window.languageFiles.SetEnabled(false);
        }
        window.apply.Click();
        EXPECT_EQ(Saves(), SixSaved("000000"));
        EXPECT_EQ(Stored("FILES", "LNG"), English());
        EXPECT_EQ(window.apply.Caption(), "&Apply");
    }
}

TEST_F(SettingsWindow_Apply, EscapeIsAnnulerItSavesNothingAndRestoresTheMainWindow) {
    FrmSettings& window = Open();
    for (const Option& option : kOptions) Box(window, option.box).Click();
    window.changeLanguage.Click();
    Choose(window, "Deutsch.lng");
    window.OnCancel();
    for (const std::string& e : events) EXPECT_EQ(e.rfind("read ", 0), 0u) << e;
    EXPECT_FALSE(forms.IsShown(window));
    EXPECT_EQ(Home().State(), ui::WindowState::Normal);
    for (const Option& option : kOptions) EXPECT_EQ(Stored("config", option.entry), "<absent>");
    EXPECT_FALSE(registry.FindValue(regroot::LocalMachine, kRun, "Velmora Doziv"));

    FrmSettings& again = Open();
    for (const Option& option : kOptions) EXPECT_EQ(Box(again, option.box).Value(), 0) << option.box;
    EXPECT_EQ(again.changeLanguage.Value(), 0);
    EXPECT_FALSE(again.languageFiles.Enabled());
}

TEST_F(SettingsWindow_Apply, TheFirstFileOfTheListCanBeChosen) {
    FrmSettings& window = Open();
    window.changeLanguage.Click();
    window.languageFiles.UserSelected(0);
    window.apply.Click();
    EXPECT_EQ(Stored("FILES", "LNG"), folder.Path("Lang\\Deutsch.lng"));
}

TEST_F(SettingsWindow_Apply, ARestartPendingWhenTheUserAppliesKeepsTheRunValueTheUntickedBoxWouldDelete) {
    registry.PutValue(regroot::LocalMachine, kRun, "Velmora Doziv", {regtype::String, {'x'}});
    FrmSettings& window = Open();
    settings.SaveSetting("Brivex Doziv", "config", "reboot", "ok");  // an optimisation finished meanwhile
    window.apply.Click();
    EXPECT_TRUE(registry.FindValue(regroot::LocalMachine, kRun, "Velmora Doziv"));
    EXPECT_EQ(Saves(), SixSaved("000000")) << "the rest of the apply as ever";
}

}  // namespace
}  // namespace brivex::testing
