#pragma once

#include <memory>
#include <string>
#include <vector>

#include "program/ToolWindow.h"
#include "progressbar/BarControl.h"
#include "sysinfo/BiosReport.h"
#include "ui/ButtonPlus.h"
#include "ui/DriveList.h"
#include "ui/DrvFact.h"
#include "ui/FramePlus.h"
#include "ui/Label.h"
#include "ui/ListBox.h"
#include "ui/TextBox.h"
#include "ui/Timer.h"

namespace brivex {

// The system information window: five panels stacked at one place (drives,
// Windows, memory, BIOS, PC), one brought to the front by each button of the
// left column. The memory figures refresh twice a second for as long as the
// window is open; the other panels are read when their button is pressed.
class FrmInfoSys final : public ToolWindow {
public:
    explicit FrmInfoSys(Program& program);

    // Front to back as the window opens.
    ui::FramePlus lec;
    ui::FramePlus win;
    ui::FramePlus mem;
    ui::FramePlus bios;
    ui::FramePlus pc;

    ui::ButtonPlus BrivexCmd1;
    ui::ButtonPlus BrivexCmd4;
    ui::ButtonPlus BrivexCmd3;
    ui::ButtonPlus BrivexCmd2;
    ui::ButtonPlus BrivexCmd5;
    ui::ButtonPlus TopButtons_XP1;
    ui::Label Label15;

    // Drives.
    ui::Label Label4;
    ui::DriveList Drive1;
    ui::DrvFact Fact;
    ui::Label Label43;
    ui::Label Label44;
    ui::Label Label45;
    ui::Label Label46;
    ui::Label Label47;
    ui::Label Label48;
    BarControl BrivexPBar3;

    // Memory.
    ui::FramePlus FramePlus1;
    BarControl BrivexPBar2;
    BarControl BrivexPBar4;
    ui::ButtonPlus Command1;
    ui::Label Label32;
    ui::Label Label33;
    ui::Label Label34;
    ui::Label l1;
    ui::Label l2;
    ui::Label l3;
    ui::Label l4;
    ui::Label l5;
    ui::Label l6;
    ui::Label Label25;
    BarControl PB1;
    ui::Label Label26;
    BarControl PB2;
    ui::Timer Timer1;

    // BIOS.
    ui::ButtonPlus BrivexCmd9;
    ui::ButtonPlus BrivexCmd10;
    ui::TextBox Text1;
    ui::ListBox List1;
    // The help Text1 shows until the first report, translated like every caption and never shown itself.
    ui::Label BiosHelp;

    // The rows of the Windows and PC panels, top to bottom: the members of the
    // control arrays TextWin and TextPc.
    ui::TextBox& WindowsRow(std::size_t row) { return *windowsRows_[row]; }
    ui::TextBox& PcRow(std::size_t row) { return *pcRows_[row]; }
    // The captions on the left of each panel's values, top to bottom: the
    // members of LabelLec (drives), LabelWin, LabelMem, LabelPc.
    ui::Label& Caption(const ui::FramePlus& panel, std::size_t row);

    // The physical total of the last memory refresh, in megabytes; 0 before the first.
    float TotalPhysical() const { return totalPhysical_; }

    // The whole machine as plain text, one row a line: what Ctrl+C copies.
    std::string MachineReport();

private:
    void ReturnToDesignState() override;
    void AfterTranslation() override;
    void StopOnUnload() override;
    void ShowPanel(const ui::FramePlus& chosen);
    void FillWindows();
    void FillPc();
    void RefreshDriveFacts();
    void RefreshMemory();
    void ReleaseMemory();
    void ShowBiosReport();
    void ShowBiosCharacteristics();
    void ReportServiceDown();
    void Layout();

    std::vector<std::unique_ptr<ui::Label>> driveCaptions_;
    std::vector<std::unique_ptr<ui::Label>> windowsCaptions_;
    std::vector<std::unique_ptr<ui::TextBox>> windowsRows_;
    std::vector<std::unique_ptr<ui::Label>> memoryCaptions_;
    std::vector<std::unique_ptr<ui::Label>> pcCaptions_;
    std::vector<std::unique_ptr<ui::TextBox>> pcRows_;
    float totalPhysical_ = 0;
    CharacteristicTexts characteristicTexts_;
};

// The window's design, in pixels at 96 dots per inch, which the art drawn behind it follows.
namespace infosysdesign {
inline constexpr int kWidth = 660;
inline constexpr int kHeight = 470;
inline constexpr int kBand = 44;
inline constexpr int kButtonsLeft = 18;
inline constexpr int kButtonsTop = 70;
inline constexpr int kButtonWidth = 150;
inline constexpr int kButtonHeight = 34;
inline constexpr int kButtonStep = 44;
inline constexpr int kPanelLeft = 186;
inline constexpr int kPanelTop = 58;
inline constexpr int kPanelWidth = 456;
inline constexpr int kPanelHeight = 396;
}  // namespace infosysdesign

}  // namespace brivex
