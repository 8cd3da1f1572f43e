#pragma once

#include "program/DesignTexts.h"
#include "ui/ButtonPlus.h"
#include "ui/CheckBox.h"
#include "ui/FileList.h"
#include "ui/Form.h"
#include "ui/FramePlus.h"

namespace brivex {

class Program;

// The settings window: the interface language and the program's options.
// Each opening shows what the settings store holds; nothing is stored until
// "&Appliquer", and "Annuler" stores nothing.
class FrmSettings final : public ui::Form {
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
    void Form_Load();
    void Form_Unload();
    void Check1_Click();
    void Apply();
    void MakeTopmostIfAsked();
    void Layout();
    // The texts a control kind takes no constructor argument for, then the whole design kept.
    DesignTexts FinishDesign();

    Program& program_;
    // Last: taken once every control exists.
    DesignTexts designTexts_;
};

// The window's design, in pixels at 96 dots per inch, which the art drawn behind it follows.
namespace settingsdesign {
inline constexpr int kWidth = 560;
inline constexpr int kHeight = 384;
inline constexpr int kBand = 44;
}  // namespace settingsdesign

}  // namespace brivex
