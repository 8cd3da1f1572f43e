#pragma once

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

    // One box a behaviour, in catalogue order.
    const std::vector<std::unique_ptr<ui::CheckBox>> boxes;
    ui::OptionButton tickAll;
    ui::OptionButton untickAll;
    ui::ButtonPlus switchOff;
    ui::ButtonPlus switchOn;
    ui::ButtonPlus close;
    BarControl progressBar;
    ui::Label progressText;
    ui::Label instructions;
    ui::Timer animationTimer;
    // The three words of the state readout, translated like every caption and never shown themselves.
    ui::Label stateOff;
    ui::Label stateOn;
    ui::Label stateUnknown;
    // The question asked when the restore point could not be made, and the
    // start of the message naming the behaviours the system did not take.
    ui::Label askWithoutRestorePoint;
    ui::Label notApplied;

    // The readout beside the check box of the catalogue's entry `entry`: the
    // members of the control array LabelState, indexed by the box's number.
    ui::Label& StateLabel(std::size_t entry) { return *stateLabels_[entry]; }

private:
    void ReturnToDesignState() override;
    void AfterTranslation() override;
    void StopOnUnload() override;
    std::vector<std::unique_ptr<ui::Label>> MakeReadouts();
    void ApplyTicked(TweakSwitch which);
    void StopAnimation();
    void SayNotApplied(const TweakRunResult& result);
    void AdvanceAnimation();
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
