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

}  // namespace

FrmTweak::FrmTweak(Program& program)
    : ToolWindow(program, "FrmTweak", "  Personnalisation de Windows  - Velmora Xp", StaysOnTop::AsTheSettingsSay),
      BrivexCB1(*this, "BrivexCB1", ""),
      BrivexCB2(*this, "BrivexCB2", ""),
      BrivexCB3(*this, "BrivexCB3", ""),
      BrivexCB4(*this, "BrivexCB4", ""),
      BrivexCB5(*this, "BrivexCB5", ""),
      BrivexCB6(*this, "BrivexCB6", ""),
      BrivexCB7(*this, "BrivexCB7", ""),
      BrivexCB8(*this, "BrivexCB8", ""),
      BrivexCB9(*this, "BrivexCB9", ""),
      BrivexCB12(*this, "BrivexCB12", ""),
      BrivexCB13(*this, "BrivexCB13", ""),
      BrivexCB14(*this, "BrivexCB14", ""),
      BrivexCB15(*this, "BrivexCB15", ""),
      BrivexCB16(*this, "BrivexCB16", ""),
      BrivexCB17(*this, "BrivexCB17", ""),
      BrivexCB18(*this, "BrivexCB18", ""),
      BrivexOpButton1(*this, "BrivexOpButton1", "Cochez tout"),
      BrivexOpButton2(*this, "BrivexOpButton2", "Décochez tout"),
      BrivexCmd1(*this, "BrivexCmd1", "&Désactiver"),
      BrivexCmd6(*this, "BrivexCmd6", "&Activer"),
      ReyCommand1(*this, "ReyCommand1", "&Fermer"),
      BrivexPBar1(*this, "BrivexPBar1", kBrivexPBar1Design),
      Label23(*this, "Label23", "Optimisation en cours .."),
      Label2(*this, "Label2", "cocher les options à changer puis cliquer sur les bouttons activer ou désactiver"),
      Timer1(*this, "Timer1", program.loop, 250, false),
      StateOff(*this, "StateOff", "désactivé"),
      StateOn(*this, "StateOn", "activé"),
      StateUnknown(*this, "StateUnknown", "?"),
      AskWithoutRestorePoint(*this, "AskWithoutRestorePoint", kAskWithoutRestorePoint),
      NotApplied(*this, "NotApplied", "Non appliqué, le système a refusé une écriture :"),
      stateLabels_(CaptionBoxesAndMakeReadouts()) {
    Layout();
    BrivexOpButton1.OnClick = [this] {
        if (BrivexOpButton1.Value()) SetAllBoxes(1);
    };
    BrivexOpButton2.OnClick = [this] {
        if (BrivexOpButton2.Value()) SetAllBoxes(0);
    };
    BrivexCmd1.OnClick = [this] { ApplyTicked(TweakSwitch::Off); };
    BrivexCmd6.OnClick = [this] { ApplyTicked(TweakSwitch::On); };
    ReyCommand1.OnClick = [this] { Close(); };
    Timer1.OnTick = [this] { Timer1_Timer(); };
}

// Each box takes its entry's caption and gets its readout beside it, before the
// design texts are taken.
std::vector<std::unique_ptr<ui::Label>> FrmTweak::CaptionBoxesAndMakeReadouts() {
    std::vector<std::unique_ptr<ui::Label>> labels;
    const auto catalogue = TweakCatalogue();
    for (std::size_t i = 0; i < kTweakCount; ++i) {
        (this->*kBoxes[i]).SetCaption(std::string(catalogue[i].caption));
        labels.push_back(std::make_unique<ui::Label>(*this, "LabelState", "", catalogue[i].box));
    }
    return labels;
}

void FrmTweak::Layout() {
    using namespace tweakdesign;
    SetDesign(DesignPixelsToTwips(kWidth), DesignPixelsToTwips(kHeight), "tweak.background");

    Label2.SetPosition(look::DesignBounds(22, 56, kWidth - 44, 34));
    Label2.SetLook(look::Text(9, false, look::kInk));

    for (std::size_t i = 0; i < kTweakCount; ++i) {
        const int column = static_cast<int>(i) / kRows;
        const int top = kRowsTop + (static_cast<int>(i) % kRows) * kRowHeight;
        const int left = kColumnLeft[column] + 8;
        ui::CheckBox& box = this->*kBoxes[i];
        box.SetPosition(look::DesignBounds(left, top, kBoxWidth, 20));
        box.SetLook(look::Text(8.25, false, look::kInk));
        stateLabels_[i]->SetPosition(look::DesignBounds(left + kBoxWidth + 2, top + 3, kColumnWidth - kBoxWidth - 12, 16));
        stateLabels_[i]->SetLook(StateLook(TweakState::Unknown));
    }
    for (ui::Label* word : {&StateOff, &StateOn, &StateUnknown, &AskWithoutRestorePoint, &NotApplied})
        word->SetVisible(false);
    BrivexPBar1.SetVisible(false);
    Label23.SetVisible(false);

    const int optionsTop = kRowsTop + kRows * kRowHeight + 14;
    BrivexOpButton1.SetPosition(look::DesignBounds(kColumnLeft[0] + 8, optionsTop, 140, 20));
    BrivexOpButton1.SetLook(look::Text(8.25, true, look::kInk));
    BrivexOpButton2.SetPosition(look::DesignBounds(kColumnLeft[0] + 156, optionsTop, 150, 20));
    BrivexOpButton2.SetLook(look::Text(8.25, true, look::kInk));

    // The bar at its design size, centred, with its text above it.
    constexpr int kBarWidth = 345;
    const int barLeft = (kWidth - kBarWidth) / 2;
    Label23.SetPosition(look::DesignBounds(barLeft, optionsTop + 34, kBarWidth, 16));
    Label23.SetLook(look::Text(8.25, true, look::kInk, ui::Appearance::Align::Center));
    BrivexPBar1.SetPosition(look::DesignBounds(barLeft, optionsTop + 54, kBarWidth, 9));

    const int buttonsTop = kHeight - 52;
    BrivexCmd1.SetPosition(look::DesignBounds(kColumnLeft[0], buttonsTop, 150, 34));
    BrivexCmd6.SetPosition(look::DesignBounds(kColumnLeft[0] + 162, buttonsTop, 150, 34));
    ReyCommand1.SetPosition(look::DesignBounds(kColumnLeft[1] + kColumnWidth - 130, buttonsTop, 130, 34));
    for (ui::ButtonPlus* button : {&BrivexCmd1, &BrivexCmd6, &ReyCommand1}) button->SetLook(look::Text(9, true, 0));
}

// The panel was perhaps open before: it starts again as designed, boxes unticked.
void FrmTweak::ReturnToDesignState() {
    SetAllBoxes(0);
    BrivexOpButton1.SetValue(false);
    BrivexOpButton2.SetValue(false);
    Timer1.SetEnabled(false);
    BrivexPBar1.SetValue(0);
    BrivexPBar1.SetVisible(false);
    Label23.SetVisible(false);
}

void FrmTweak::AfterTranslation() { ShowStates(); }

// The animation goes with the window.
void FrmTweak::StopOnUnload() { Timer1.SetEnabled(false); }

void FrmTweak::SetAllBoxes(int value) {
    for (ui::CheckBox FrmTweak::*box : kBoxes) (this->*box).SetValue(value);
}

void FrmTweak::ApplyTicked(TweakSwitch which) {
    BrivexPBar1.SetVisible(true);
    BrivexPBar1.SetValue(0);
    Label23.SetVisible(true);
    Timer1.SetEnabled(true);

    TweakChoice choice;
    for (std::size_t i = 0; i < kTweakCount; ++i)
        if ((this->*kBoxes[i]).Value() == 1) choice[i] = which;
    const auto goOn = [this] {
        return program_.dialogs.MsgBox(AskWithoutRestorePoint.Caption(), ui::mb::Information | ui::mb::YesNo, "") ==
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
    std::string text = NotApplied.Caption();
    const char* separator = " ";
    for (std::size_t i = 0; i < kTweakCount; ++i) {
        if (!result.outcomes[i] || *result.outcomes[i] == TweakOutcome::Applied) continue;
        text += separator;
        text += (this->*kBoxes[i]).Caption();
        separator = ", ";
    }
    program_.dialogs.MsgBox(text, ui::mb::Information, "");
}

void FrmTweak::StopAnimation() {
    BrivexPBar1.SetVisible(false);
    Label23.SetVisible(false);
    Timer1.SetEnabled(false);
}

void FrmTweak::Timer1_Timer() {
    // 8.5 more, ties to even: 8, 16, 24, ... 104 after thirteen ticks.
    BrivexPBar1.SetValue(ToInt32(BrivexPBar1.Value() + 8.5).value_or(0));
    if (BrivexPBar1.Value() > 99) StopAnimation();
}

void FrmTweak::ShowStates() {
    const auto catalogue = TweakCatalogue();
    for (std::size_t i = 0; i < catalogue.size(); ++i) {
        const TweakState state = ReadTweakState(program_.reg, catalogue[i]);
        const ui::Label& word = state == TweakState::SwitchedOff  ? StateOff
                                : state == TweakState::SwitchedOn ? StateOn
                                                                  : StateUnknown;
        stateLabels_[i]->SetCaption(word.Caption());
        stateLabels_[i]->SetLook(StateLook(state));
    }
}

}  // namespace brivex
