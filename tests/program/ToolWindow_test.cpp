#include "program/ToolWindow.h"

#include <algorithm>
#include <sstream>

#include "app/AppFixture.h"
#include "app/Main.h"

namespace brivex::testing {
namespace {

// The four windows the main window opens: its two presses that open each, the
// window's own close command, whether it follows "ontop", and texts of its
// design the French reference file holds ("<absent>": never written there).
struct Tool {
    WindowKind kind;
    ui::ButtonPlus FrmHome::*firstPress;
    ui::ButtonPlus FrmHome::*secondPress;
    const char* close;
    bool followsOnTop;
    std::vector<std::pair<const char*, const char*>> frenchTexts;
};
const Tool kTools[] = {
    {WindowKind::Tweak,
     &FrmHome::openTweaks,
     &FrmHome::openTweaksBeside,
     "ReyCommand1",
     true,
     {{"Form.Caption", "Personnalisation de Windows  - Velmora Xp"},
      {"BrivexCB3.Caption", "Le  service de gravure de Windows"},
      {"StateOff.Caption", "désactivé"},
      {"LabelState(1).Caption", "<absent>"}}},
    {WindowKind::Settings,
     &FrmHome::openSettings,
     &FrmHome::openSettings,
     "BrivexCmd1",
     true,
     {{"Form.Caption", "Configuration"},
      {"File1.ToolTipText", "You can translate the lang files to others languages and send it to the author."},
      {"FramePlus2.Caption", "Sauvgarde du système :"},
      {"File1.Caption", "<absent>"}}},
    {WindowKind::Backup,
     &FrmHome::openBackup,
     &FrmHome::openBackup,
     "BrivexCmd1",
     false,
     {{"Form.Caption", "Brivex System Backup"},
      {"TopButtons_XP1.ToolTipText", "Quitter"},
      {"NoRestorePoint.Caption", "Aucun point de restauration."},
      {"Combo1.Caption", "<absent>"}}},
    {WindowKind::InfoSys,
     &FrmHome::openSystemInfo,
     &FrmHome::openSystemInfo,
     "TopButtons_XP1",
     true,
     {{"Form.Caption", "Brivex Information Sytème - Velmora Xp"},
      {"Command1.ToolTipText", "Velmora Xp sur le Net"},
      {"LabelWin(3).Caption", "Clé de Windows :"},
      {"TextWin(0).Text", "<absent>"}}},
};

class ToolWindows : public AppFixture {
protected:
    ToolWindows() {
        settings.SaveSetting("Brivex Doziv", "config", "first", "1");
        Main(app().program);
    }
    FrmHome& Home() { return app().Home(); }
    ui::Form& Press(const Tool& tool, ui::ButtonPlus FrmHome::*command) {
        (Home().*command).Click();
        return app().program.Window(tool.kind);
    }
    static void Close(ui::Form& window, const Tool& tool) {
        dynamic_cast<ui::ButtonPlus&>(*window.FindControl(tool.close)).Click();
    }
};

TEST_F(ToolWindows, EachOpensOnceBesideTheMinimisedMainWindowAndShowsOnlyOnceLoaded) {
    for (const Tool& tool : kTools) {
        const ui::Form& window = app().program.Window(tool.kind);
        std::string writtenAtFirstYield;
        bool shownWhileLoading = true;
        loop.Queue([&] {
            writtenAtFirstYield = ReadIni(FrenchFile(), window.Name(), tool.frenchTexts[1].first);
            (Home().*tool.firstPress).Click();  // pressed again while the window loads
            shownWhileLoading = forms.IsShown(window) || window.Loaded();
        });
        Press(tool, tool.firstPress);
        EXPECT_EQ(writtenAtFirstYield, tool.frenchTexts[1].second);
        EXPECT_FALSE(shownWhileLoading) << window.Name();
        EXPECT_TRUE(forms.IsShown(window) && window.Loaded() && window.RoundedShape()) << window.Name();
        EXPECT_TRUE(forms.IsShown(Home()) && Home().State() == ui::WindowState::Minimized) << "modeless, minimised";

        Home().WindowStateChangedByUser(ui::WindowState::Normal);  // restored from the taskbar
        Press(tool, tool.secondPress);
        EXPECT_EQ(Home().State(), ui::WindowState::Minimized);
        EXPECT_EQ(std::count(forms.Log().begin(), forms.Log().end(), "create " + window.Name()), 1);
        EXPECT_EQ(std::count(forms.Log().begin(), forms.Log().end(), "show " + window.Name()), 2);
        forms.Unload(app().program.Window(tool.kind));
    }
}

TEST_F(ToolWindows, TopmostWhenOntopReadsOneForTheThreeThatFollowIt) {
    for (const char* ontop : {"0", "1"}) {
        settings.SaveSetting("Brivex Doziv", "config", "ontop", ontop);
        for (const Tool& tool : kTools) {
            ui::Form& window = Press(tool, tool.firstPress);
            EXPECT_EQ(window.Topmost(), tool.followsOnTop && ontop == std::string("1")) << window.Name() << ontop;
            forms.Unload(window);
        }
    }
}

TEST_F(ToolWindows, ItsCloseCommandAndEscapeEachUnloadItAndBringTheMainWindowBack) {
    for (const Tool& tool : kTools) {
        for (const bool escape : {false, true}) {
            ui::Form& window = Press(tool, tool.firstPress);
            if (escape) window.OnCancel();
            else Close(window, tool);
            EXPECT_FALSE(forms.IsShown(window) || window.Loaded()) << window.Name() << escape;
            EXPECT_EQ(Home().State(), ui::WindowState::Normal) << window.Name() << escape;
        }
    }
    EXPECT_FALSE(forms.Ending());
    EXPECT_FALSE(Home().OnCancel || app().Reboot().OnCancel) << "Escape neither quits nor cuts the finishing short";
}

TEST_F(ToolWindows, EveryOpeningWritesTheDesignCaptionsAndTooltipsNotTheLastLanguagesOnes) {
    const std::string other = folder.Path("Lang\\English.lng");
    settings.SaveSetting("Brivex Doziv", "FILES", "LNG", other);
    for (const Tool& tool : kTools) {
        ui::Form& window = app().program.Window(tool.kind);
        for (const auto& [key, text] : tool.frenchTexts) WriteIni(other, window.Name(), key, "translated");
        Close(Press(tool, tool.firstPress), tool);
        Press(tool, tool.firstPress);
        for (const auto& [key, text] : tool.frenchTexts)
            EXPECT_EQ(ReadIni(FrenchFile(), window.Name(), key), text) << window.Name() << " " << key;
        EXPECT_EQ(window.Caption(), "translated");
        Close(window, tool);
    }
}

TEST_F(ToolWindows, TheShippedEnglishFileTranslatesEveryTextOfEveryWindow) {
    for (const Tool& tool : kTools) Close(Press(tool, tool.firstPress), tool);
    const std::string shipped = std::string(BRIVEX_SOURCE_DIR) + "/../res/Lang/English.lng";
    std::istringstream french(folder.Get(FrenchFile()).value_or(""));
    std::string section;
    int keys = 0;
    for (std::string line; std::getline(french, line);) {
        if (line.rfind('[', 0) == 0) section = line.substr(1, line.find(']') - 1);
        if (section == "MSG" || line.find('=') == std::string::npos) continue;
        ++keys;
        EXPECT_NE(ReadIni(shipped, section, line.substr(0, line.find('='))), "<absent>") << section << " " << line;
    }
    // The reference file's keys, the texts to translate: the main window's, then the four tool windows'.
    EXPECT_EQ(keys, 20 + 29 + 14 + 14 + 57);
}

}  // namespace
}  // namespace brivex::testing
