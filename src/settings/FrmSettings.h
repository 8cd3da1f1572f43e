#pragma once

#include "program/ToolWindow.h"
#include "ui/ButtonPlus.h"
#include "ui/CheckBox.h"
#include "ui/FileList.h"
#include "ui/FramePlus.h"

namespace brivex {

// The settings window: the interface language and the program's options.
// Each opening shows what the settings store holds; nothing is stored until
// "&Appliquer", and "Annuler" stores nothing.
class FrmSettings final : public ToolWindow {
public:
    explicit FrmSettings(Program& program);

    ui::FramePlus Frame1;
    ui::CheckBox Check1;
    ui::FileList File1;
    ui::FramePlus FramePlus1;
    ui::CheckBox press;
    ui::CheckBox Doc;
    ui::CheckBox WinStart;
    ui::CheckBox Ontop;
    ui::FramePlus FramePlus2;
    ui::CheckBox Check2;
    ui::CheckBox Check3;
    ui::ButtonPlus BrivexCmd6;
    ui::ButtonPlus BrivexCmd1;

private:
    void ReturnToDesignState() override;
    void AfterTranslation() override;
    void Check1_Click();
    void Apply();
    void Layout();
};

// The window's design, in pixels at 96 dots per inch, which the art drawn behind it follows.
namespace settingsdesign {
inline constexpr int kWidth = 560;
inline constexpr int kHeight = 384;
inline constexpr int kBand = 44;
}  // namespace settingsdesign

}  // namespace brivex
