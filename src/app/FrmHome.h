#pragma once

#include <memory>
#include <string>
#include <vector>

#include "optimise/Optimisation.h"
#include "progressbar/BarControl.h"
#include "ui/ButtonPlus.h"
#include "ui/Form.h"
#include "ui/Label.h"
#include "ui/Picture.h"
#include "ui/Timer.h"

namespace brivex {

class Program;
enum class WindowKind;

// The main window: the launcher of every tool, the one-click optimisation, the
// clock and the date. Each control is named by its role; its language-file
// key is given where it is made.
class FrmHome final : public ui::Form {
public:
    explicit FrmHome(Program& program);

    // True once an optimisation has completed during this run: quitting then offers the restart.
    bool optimisationDone = false;

    ui::Timer stageTimer;
    ui::Timer clockTimer;
    ui::Label clockLabel;
    ui::Label dateLabel;
    ui::Label versionLabel;
    ui::Label introduction;
    ui::Label stageText;
    BarControl progressBar;
    ui::Picture stagePicture;
    // One hidden picture a stage, in the stages' order: the stage picture takes each in turn.
    const std::vector<std::unique_ptr<ui::Picture>> stagePictures;
    ui::ButtonPlus optimise;
    ui::ButtonPlus openTweaks;
    ui::ButtonPlus openTweaksBeside;
    ui::ButtonPlus openSystemInfo;
    ui::ButtonPlus openSettings;
    ui::ButtonPlus openBackup;
    ui::ButtonPlus downloadCentre;
    ui::ButtonPlus forums;
    ui::ButtonPlus help;
    ui::ButtonPlus plusAnnouncement;
    ui::ButtonPlus about;
    ui::Label performanceInfo;
    ui::ButtonPlus minimise;
    ui::ButtonPlus quit;
    // The question asked when the restore point the settings ask for could not
    // be made; translated like every caption and never shown itself.
    ui::Label askWithoutRestorePoint;

private:
    void Form_Load();
    void Form_Shown();
    void Form_Activate();
    void Form_Unload();
    void ShowClock();
    void FirstRun();
    void ApplyLanguage();
    void Layout();
    void OpenTool(WindowKind kind);

    Program& program_;
    Optimisation optimisation_;
};

// The window's design in twips, which the art drawn behind it follows.
namespace homedesign {
inline constexpr int kWidth = 9000;
inline constexpr int kHeight = 6600;
}  // namespace homedesign

// Texts of the date and the clock: 6/12/2026 and 09:05:07.
std::string DateText(int day, int month, int year);
std::string ClockText(int hour, int minute, int second);

}  // namespace brivex
