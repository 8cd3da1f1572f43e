#include "tweaks/FrmTweak.h"

#include "base/Numbers.h"
#include "program/Program.h"
#include "program/WindowLook.h"
#include "restore/RestorePointService.h"
#include "restore/RestoreTexts.h"
#include "tweaks/TweakState.h"

namespace brivex {

namespace {

// Red for off, green for on, grey when the registry says neither. Colours 0x00BBGGRR.
ui::Appearance StateLook(TweakState state) {
    const std::uint32_t color = state == TweakState::SwitchedOff  ? 0x1C2AB0
                                : state == TweakState::SwitchedOn ? 0x2E8A1E
                                                                  : 0x7A6A5E;
    return look::Text(8.25, true, color);
}

// Each entry's box is named by the entry's number and captioned as the entry.
std::vector<std::unique_ptr<ui::CheckBox>> MakeBoxes(ui::Form& panel) {
    std::vector<std::unique_ptr<ui::CheckBox>> boxes;
    for (const TweakEntry& entry : TweakCatalogue())
        boxes.push_back(
            std::make_unique<ui::CheckBox>(panel, "BrivexCB" + std::to_string(entry.box), std::string(entry.caption)));
    return boxes;
}

}  // namespace

FrmTweak::FrmTweak(Program& program)
    : ToolWindow(program, "FrmTweak", "  Personnalisation de Windows  - Velmora Xp", StaysOnTop::AsTheSettingsSay),
      boxes(MakeBoxes(*this)),
      tickAll(*this, "BrivexOpButton1", "Cochez tout"),
      untickAll(*this, "BrivexOpButton2", "Décochez tout"),
      switchOff(*this, "BrivexCmd1", "&Désactiver"),
      switchOn(*this, "BrivexCmd6", "&Activer"),
      close(*this, "ReyCommand1", "&Fermer"),
      progressBar(*this, "BrivexPBar1", kBrivexPBar1Design),
      progressText(*this, "Label23", "Optimisation en cours .."),
      instructions(*this, "Label2", "cocher les options à changer puis cliquer sur les bouttons activer ou désactiver"),
      animationTimer(*this, "Timer1", program.loop, 250, false),
      stateOff(*this, "StateOff", "désactivé"),
      stateOn(*this, "StateOn", "activé"),
      stateUnknown(*this, "StateUnknown", "?"),
      askWithoutRestorePoint(*this, "AskWithoutRestorePoint", kAskWithoutRestorePoint),
      notApplied(*this, "NotApplied", "Non appliqué, le système a refusé une écriture :"),
      stateLabels_(MakeReadouts()) {
    Layout();
    tickAll.OnClick = [this] {
        if (tickAll.Value()) SetAllBoxes(1);
    };
    untickAll.OnClick = [this] {
        if (untickAll.Value()) SetAllBoxes(0);
    };
    switchOff.OnClick = [this] { ApplyTicked(TweakSwitch::Off); };
    switchOn.OnClick = [this] { ApplyTicked(TweakSwitch::On); };
    close.OnClick = [this] { Close(); };
    animationTimer.OnTick = [this] { AdvanceAnimation(); };
}

// Each box gets its readout beside it, a member of the LabelState array indexed by the box's number.
std::vector<std::unique_ptr<ui::Label>> FrmTweak::MakeReadouts() {
    std::vector<std::unique_ptr<ui::Label>> labels;
    for (const TweakEntry& entry : TweakCatalogue())
        labels.push_back(std::make_unique<ui::Label>(*this, "LabelState", "", entry.box));
    return labels;
}

void FrmTweak::Layout() {
    using namespace tweakdesign;
    SetDesign(DesignPixelsToTwips(kWidth), DesignPixelsToTwips(kHeight), "tweak.background");

    instructions.SetPosition(look::DesignBounds(22, 56, kWidth - 44, 34));
    instructions.SetLook(look::Text(9, false, look::kInk));

    for (std::size_t i = 0; i < kTweakCount; ++i) {
        const int column = static_cast<int>(i) / kRows;
        const int top = kRowsTop + (static_cast<int>(i) % kRows) * kRowHeight;
        const int left = kColumnLeft[column] + 8;
        ui::CheckBox& box = *boxes[i];
        box.SetPosition(look::DesignBounds(left, top, kBoxWidth, 20));
        box.SetLook(look::Text(8.25, false, look::kInk));
        stateLabels_[i]->SetPosition(
            look::DesignBounds(left + kBoxWidth + 2, top + 3, kColumnWidth - kBoxWidth - 12, 16));
        stateLabels_[i]->SetLook(StateLook(TweakState::Unknown));
    }
    for (ui::Label* word : {&stateOff, &stateOn, &stateUnknown, &askWithoutRestorePoint, &notApplied})
        word->SetVisible(false);
    progressBar.SetVisible(false);
    progressText.SetVisible(false);

    const int optionsTop = kRowsTop + kRows * kRowHeight + 14;
    tickAll.SetPosition(look::DesignBounds(kColumnLeft[0] + 8, optionsTop, 140, 20));
    tickAll.SetLook(look::Text(8.25, true, look::kInk));
    untickAll.SetPosition(look::DesignBounds(kColumnLeft[0] + 156, optionsTop, 150, 20));
    untickAll.SetLook(look::Text(8.25, true, look::kInk));

    // The bar at its design size, centred, with its text above it.
    constexpr int kBarWidth = 345;
    const int barLeft = (kWidth - kBarWidth) / 2;
    progressText.SetPosition(look::DesignBounds(barLeft, optionsTop + 34, kBarWidth, 16));
    progressText.SetLook(look::Text(8.25, true, look::kInk, ui::Appearance::Align::Center));
    progressBar.SetPosition(look::DesignBounds(barLeft, optionsTop + 54, kBarWidth, 9));

    const int buttonsTop = kHeight - 52;
    switchOff.SetPosition(look::DesignBounds(kColumnLeft[0], buttonsTop, 150, 34));
    switchOn.SetPosition(look::DesignBounds(kColumnLeft[0] + 162, buttonsTop, 150, 34));
    close.SetPosition(look::DesignBounds(kColumnLeft[1] + kColumnWidth - 130, buttonsTop, 130, 34));
    for (ui::ButtonPlus* button : {&switchOff, &switchOn, &close}) button->SetLook(look::Text(9, true, 0));
}

// The panel was perhaps open before: it starts again as designed, boxes unticked.
void FrmTweak::ReturnToDesignState() {
    SetAllBoxes(0);
    tickAll.SetValue(false);
    untickAll.SetValue(false);
    animationTimer.SetEnabled(false);
    progressBar.SetValue(0);
    progressBar.SetVisible(false);
    progressText.SetVisible(false);
}

void FrmTweak::AfterTranslation() { ShowStates(); }

// The animation goes with the window.
void FrmTweak::StopOnUnload() { animationTimer.SetEnabled(false); }

void FrmTweak::SetAllBoxes(int value) {
    for (const auto& box : boxes) box->SetValue(value);
}

void FrmTweak::ApplyTicked(TweakSwitch which) {
    progressBar.SetVisible(true);
    progressBar.SetValue(0);
    progressText.SetVisible(true);
    animationTimer.SetEnabled(true);

    TweakChoice choice;
    for (std::size_t i = 0; i < kTweakCount; ++i)
        if (boxes[i]->Value() == 1) choice[i] = which;
    const auto goOn = [this] {
        return program_.dialogs.MsgBox(askWithoutRestorePoint.Caption(), ui::mb::Information | ui::mb::YesNo, "") ==
               ui::mb::AnswerYes;
    };
    const TweakRunResult result =
        RunTweaks(program_.platform, program_.settings, choice, {.goOnWithoutRestorePoint = goOn});
    if (!result.changed) {
        // Declined: nothing was written, and the panel is as it was before the press.
        StopAnimation();
        return;
    }
    ShowStates();
    SayNotApplied(result);
}

// One message for the run, naming every behaviour the system did not take, by the caption its box shows.
// The language files keep no blank at the end of a text: the one before the list is added here.
void FrmTweak::SayNotApplied(const TweakRunResult& result) {
    if (result.AllApplied()) return;
    std::string text = notApplied.Caption();
    const char* separator = " ";
    for (std::size_t i = 0; i < kTweakCount; ++i) {
        if (!result.outcomes[i] || *result.outcomes[i] == TweakOutcome::Applied) continue;
        text += separator;
        text += boxes[i]->Caption();
        separator = ", ";
    }
    program_.dialogs.MsgBox(text, ui::mb::Information, "");
}

void FrmTweak::StopAnimation() {
    progressBar.SetVisible(false);
    progressText.SetVisible(false);
    animationTimer.SetEnabled(false);
}

void FrmTweak::AdvanceAnimation() {
    // 8.5 more, ties to even: 8, 16, 24, ... 104 after thirteen ticks.
    progressBar.SetValue(ToInt32(progressBar.Value() + 8.5).value_or(0));
    if (progressBar.Value() > 99) StopAnimation();
}

void FrmTweak::ShowStates() {
    const auto catalogue = TweakCatalogue();
    for (std::size_t i = 0; i < catalogue.size(); ++i) {
        const TweakState state = ReadTweakState(program_.reg, catalogue[i]);
        const ui::Label& word = state == TweakState::SwitchedOff  ? stateOff
                                : state == TweakState::SwitchedOn ? stateOn
                                                                  : stateUnknown;
        stateLabels_[i]->SetCaption(word.Caption());
        stateLabels_[i]->SetLook(StateLook(state));
    }
}

}  // namespace brivex
