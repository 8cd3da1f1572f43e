#include "settings/FrmSettings.h"

#include "base/Paths.h"
#include "platform/FileFinder.h"
#include "program/Program.h"
#include "program/WindowLoad.h"
#include "program/WindowLook.h"
#include "registry/StartWithWindows.h"

namespace brivex {

namespace {

ui::FileList::Finder FinderOf(Program& program) {
    return [&files = program.platform.files](const std::string& wildcardPath) { return files.FindFiles(wildcardPath); };
}

// The six options: each box and its entry, in the order they are loaded and saved.
struct Option {
    ui::CheckBox FrmSettings::*box;
    Setting entry;
};
constexpr Option kOptions[] = {
    {&FrmSettings::clearRecentDocuments, setting::Doc},
    {&FrmSettings::clearClipboard, setting::Press},
    {&FrmSettings::stayOnTop, setting::OnTop},
    {&FrmSettings::startWithWindows, setting::WinStart},
    {&FrmSettings::backupBeforeOptimisation, setting::OptiStart},
    {&FrmSettings::backupBeforeTweaks, setting::OptiTweak},
};

}  // namespace

FrmSettings::FrmSettings(Program& program)
    : ToolWindow(program, "FrmSettings", "Configuration", StaysOnTop::AsTheSettingsSay),
      languageFrame(*this, "Frame1", "Les Langues"),
      changeLanguage(*this, "Check1", "Changer"),
      languageFiles(*this, "File1", "*.lng", FinderOf(program)),
      optionsFrame(*this, "FramePlus1", "Options :"),
      clearClipboard(*this, "press", "Nettoyer le presse papier"),
      clearRecentDocuments(*this, "Doc", "Nettoyer les documents récents"),
      startWithWindows(*this, "WinStart", "Démarrer Velmora avec Windows"),
      stayOnTop(*this, "Ontop", "Mettre Velmora au premier plan"),
      backupFrame(*this, "FramePlus2", "Sauvgarde du système :"),
      backupBeforeOptimisation(*this, "Check2", "Avant chaque optimisation automatique"),
      backupBeforeTweaks(*this, "Check3", "Avant chaque optimisation Brivex Tweak"),
      apply(*this, "BrivexCmd6", "&Appliquer"),
      cancel(*this, "BrivexCmd1", "Annuler") {
    languageFiles.SetToolTipText("You can translate the lang files to others languages and send it to the author.");
    Layout();
    changeLanguage.OnClick = [this] { ShowLanguageFiles(); };
    apply.OnClick = [this] { Apply(); };
    cancel.OnClick = [this] { Close(); };
}

void FrmSettings::Layout() {
    using namespace settingsdesign;
    SetDesign(DesignPixelsToTwips(kWidth), DesignPixelsToTwips(kHeight), "settings.background");

    const ui::Appearance boxLook = look::Text(8.25, false, look::kInk);
    languageFrame.SetPosition(look::DesignBounds(18, kBand + 14, 206, 254));
    changeLanguage.PlaceIn(languageFrame);
    changeLanguage.SetPosition(look::DesignBounds(12, 26, 180, 20));
    changeLanguage.SetLook(boxLook);
    languageFiles.PlaceIn(languageFrame);
    languageFiles.SetPosition(look::DesignBounds(12, 52, 182, 190));

    optionsFrame.SetPosition(look::DesignBounds(236, kBand + 14, 306, 140));
    ui::CheckBox* options[] = {&clearClipboard, &clearRecentDocuments, &startWithWindows, &stayOnTop};
    int top = 26;
    for (ui::CheckBox* box : options) {
        box->PlaceIn(optionsFrame);
        box->SetPosition(look::DesignBounds(14, top, 280, 20));
        box->SetLook(boxLook);
        top += 26;
    }

    backupFrame.SetPosition(look::DesignBounds(236, kBand + 166, 306, 102));
    top = 26;
    for (ui::CheckBox* box : {&backupBeforeOptimisation, &backupBeforeTweaks}) {
        box->PlaceIn(backupFrame);
        box->SetPosition(look::DesignBounds(14, top, 280, 20));
        box->SetLook(boxLook);
        top += 30;
    }

    const int buttonsTop = kHeight - 52;
    apply.SetPosition(look::DesignBounds(kWidth - 18 - 130 - 12 - 130, buttonsTop, 130, 34));
    cancel.SetPosition(look::DesignBounds(kWidth - 18 - 130, buttonsTop, 130, 34));
    for (ui::ButtonPlus* button : {&apply, &cancel}) button->SetLook(look::Text(9, true, 0));
}

// The window was perhaps open before: it starts again as designed.
void FrmSettings::ReturnToDesignState() {
    changeLanguage.SetValue(0);
    languageFiles.SetEnabled(false);
}

void FrmSettings::AfterTranslation() {
    for (const Option& option : kOptions)
        (this->*option.box).SetValue(CheckBoxValueFromSetting(program_.settings.Get(option.entry)));
    MakeTopmostIfAsked(program_, *this);

    // A missing folder lists nothing; nothing is said about it.
    languageFiles.SetPath(JoinPath(program_.AppFolder(), "Lang"));
}

void FrmSettings::ShowLanguageFiles() {
    languageFiles.SetEnabled(changeLanguage.Value() == 1);
    // A language file dropped into the folder while the window was open shows at once.
    if (changeLanguage.Value() == 1) languageFiles.Refresh();
}

void FrmSettings::Apply() {
    if (startWithWindows.Value() == 1) SetStartWithWindows(program_.reg, program_.AppFolder(), StartEntry::EveryLogOn);
    // A restart still pending needs the entry: it brings the finishing window up.
    else if (program_.settings.Get(setting::Reboot) != "ok")
        SetStartWithWindows(program_.reg, program_.AppFolder(), StartEntry::None);

    for (const Option& option : kOptions)
        program_.settings.Save(option.entry, std::to_string((this->*option.box).Value()));

    // Without a file chosen the language stays: the folder alone would name no
    // file, and every text of every window would fall back to its design.
    if (changeLanguage.Value() == 1 && languageFiles.ListIndex() >= 0) {
        program_.language.CurrentLanguageFile =
            JoinPath(JoinPath(program_.AppFolder(), "Lang"), languageFiles.SelectedText());
        program_.settings.Save(setting::LanguageFile, program_.language.CurrentLanguageFile);
        program_.trans.TranslateForm(*this, program_.language.CurrentLanguageFile);
    }
    // The main window comes back and relabels itself.
    Close();
}

}  // namespace brivex
