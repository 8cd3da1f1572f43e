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
    ui::FramePlus drivesPanel;
    ui::FramePlus windowsPanel;
    ui::FramePlus memoryPanel;
    ui::FramePlus biosPanel;
    ui::FramePlus pcPanel;

    ui::ButtonPlus showDrives;
    ui::ButtonPlus showMemory;
    ui::ButtonPlus showBios;
    ui::ButtonPlus showWindows;
    ui::ButtonPlus showPc;
    ui::ButtonPlus close;
    ui::Label closeCaption;

    // Drives.
    ui::Label chooseDriveCaption;
    ui::DriveList driveList;
    ui::DrvFact driveFacts;
    ui::Label volumeName;
    ui::Label driveType;
    ui::Label fileSystem;
    ui::Label serialNumber;
    ui::Label totalSpace;
    ui::Label freeSpace;
    BarControl driveFreeGauge;

    // Memory.
    ui::FramePlus gaugesFrame;
    BarControl physicalFreeGauge;
    BarControl physicalUsedGauge;
    ui::ButtonPlus releaseMemory;
    ui::Label physicalTotal;
    ui::Label physicalUsed;
    ui::Label physicalFree;
    // Virtual memory total, free and used, then the paging file's.
    const std::vector<std::unique_ptr<ui::Label>> virtualAndPaging;
    ui::Label virtualFreePercent;
    BarControl virtualFreeGauge;
    ui::Label pagingFreePercent;
    BarControl pagingFreeGauge;
    ui::Timer memoryTimer;

    // BIOS.
    ui::ButtonPlus showBiosReport;
    ui::ButtonPlus showBiosCharacteristics;
    ui::TextBox biosText;
    ui::ListBox biosCharacteristics;
    // The help biosText shows until the first report, translated like every caption and never shown itself.
    ui::Label biosHelp;

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
