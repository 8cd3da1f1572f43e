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

    ui::FramePlus languageFrame;
    ui::CheckBox changeLanguage;
    ui::FileList languageFiles;
    ui::FramePlus optionsFrame;
    ui::CheckBox clearClipboard;
    ui::CheckBox clearRecentDocuments;
    ui::CheckBox startWithWindows;
    ui::CheckBox stayOnTop;
    ui::FramePlus backupFrame;
    ui::CheckBox backupBeforeOptimisation;
    ui::CheckBox backupBeforeTweaks;
    ui::ButtonPlus apply;
    ui::ButtonPlus cancel;

private:
    void ReturnToDesignState() override;
    void AfterTranslation() override;
    void ShowLanguageFiles();
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
