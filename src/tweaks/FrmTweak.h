#pragma once

#include <array>
#include <memory>
#include <vector>

#include "program/ToolWindow.h"
#include "progressbar/BarControl.h"
#include "tweaks/TweakCatalogue.h"
#include "tweaks/TweakRun.h"
#include "ui/ButtonPlus.h"
#include "ui/CheckBox.h"
#include "ui/Label.h"
#include "ui/OptionButton.h"
#include "ui/Timer.h"

namespace brivex {

// The tweak panel: the user ticks behaviours of the catalogue and switches
// every ticked one off or on with one button, while a short animation runs.
// Nothing of it is kept: every opening starts with all boxes unticked. Beside
// each box stands the behaviour's state as the registry holds it now.
class FrmTweak final : public ToolWindow {
public:
    explicit FrmTweak(Program& program);

    ui::CheckBox BrivexCB1;
    ui::CheckBox BrivexCB2;
    ui::CheckBox BrivexCB3;
    ui::CheckBox BrivexCB4;
    ui::CheckBox BrivexCB5;
    ui::CheckBox BrivexCB6;
    ui::CheckBox BrivexCB7;
    ui::CheckBox BrivexCB8;
    ui::CheckBox BrivexCB9;
    ui::CheckBox BrivexCB12;
    ui::CheckBox BrivexCB13;
    ui::CheckBox BrivexCB14;
    ui::CheckBox BrivexCB15;
    ui::CheckBox BrivexCB16;
    ui::CheckBox BrivexCB17;
    ui::CheckBox BrivexCB18;
    ui::OptionButton BrivexOpButton1;
    ui::OptionButton BrivexOpButton2;
    ui::ButtonPlus BrivexCmd1;
    ui::ButtonPlus BrivexCmd6;
    ui::ButtonPlus ReyCommand1;
    BarControl BrivexPBar1;
    ui::Label Label23;
    ui::Label Label2;
    ui::Timer Timer1;
    // The three words of the state readout, translated like every caption and never shown themselves.
    ui::Label StateOff;
    ui::Label StateOn;
    ui::Label StateUnknown;
    // The question asked when the restore point could not be made, and the
    // start of the message naming the behaviours the system did not take.
    ui::Label AskWithoutRestorePoint;
    ui::Label NotApplied;

    // The check boxes, in catalogue order.
    static constexpr std::array<ui::CheckBox FrmTweak::*, kTweakCount> kBoxes = {
        &FrmTweak::BrivexCB1,  &FrmTweak::BrivexCB2,  &FrmTweak::BrivexCB3,  &FrmTweak::BrivexCB4,
        &FrmTweak::BrivexCB5,  &FrmTweak::BrivexCB6,  &FrmTweak::BrivexCB7,  &FrmTweak::BrivexCB8,
        &FrmTweak::BrivexCB9,  &FrmTweak::BrivexCB12, &FrmTweak::BrivexCB13, &FrmTweak::BrivexCB14,
        &FrmTweak::BrivexCB15, &FrmTweak::BrivexCB16, &FrmTweak::BrivexCB17, &FrmTweak::BrivexCB18,
    };

    // The readout beside the check box of the catalogue's entry `entry`: the
    // members of the control array LabelState, indexed by the box's number.
    ui::Label& StateLabel(std::size_t entry) { return *stateLabels_[entry]; }

private:
    void ReturnToDesignState() override;
    void AfterTranslation() override;
    void StopOnUnload() override;
    std::vector<std::unique_ptr<ui::Label>> CaptionBoxesAndMakeReadouts();
    void ApplyTicked(TweakSwitch which);
    void StopAnimation();
    void SayNotApplied(const TweakRunResult& result);
    void Timer1_Timer();
    void SetAllBoxes(int value);
    void ShowStates();
    void Layout();

    std::vector<std::unique_ptr<ui::Label>> stateLabels_;
};

// The window's design, in pixels at 96 dots per inch, which the art drawn behind it follows.
namespace tweakdesign {
inline constexpr int kWidth = 700;
inline constexpr int kHeight = 456;
inline constexpr int kBand = 44;
// The two columns of eight boxes, each box followed by its state readout.
inline constexpr int kColumnLeft[2] = {18, 356};
inline constexpr int kColumnWidth = 326;
inline constexpr int kRowsTop = 102;
inline constexpr int kRowHeight = 25;
inline constexpr int kRows = 8;
inline constexpr int kBoxWidth = 248;
}  // namespace tweakdesign

}  // namespace brivex
