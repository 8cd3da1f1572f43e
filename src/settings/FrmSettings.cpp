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
    {&FrmSettings::Doc, setting::Doc},          {&FrmSettings::press, setting::Press},
    {&FrmSettings::Ontop, setting::OnTop},      {&FrmSettings::WinStart, setting::WinStart},
    {&FrmSettings::Check2, setting::OptiStart}, {&FrmSettings::Check3, setting::OptiTweak},
};

}  // namespace

FrmSettings::FrmSettings(Program& program)
    : ToolWindow(program, "FrmSettings", "Configuration", StaysOnTop::AsTheSettingsSay),
      Frame1(*this, "Frame1", "Les Langues"),
      Check1(*this, "Check1", "Changer"),
      File1(*this, "File1", "*.lng", FinderOf(program)),
      FramePlus1(*this, "FramePlus1", "Options :"),
      press(*this, "press", "Nettoyer le presse papier"),
      Doc(*this, "Doc", "Nettoyer les documents récents"),
      WinStart(*this, "WinStart", "Démarrer Velmora avec Windows"),
      Ontop(*this, "Ontop", "Mettre Velmora au premier plan"),
      FramePlus2(*this, "FramePlus2", "Sauvgarde du système :"),
      Check2(*this, "Check2", "Avant chaque optimisation automatique"),
      Check3(*this, "Check3", "Avant chaque optimisation Brivex Tweak"),
      BrivexCmd6(*this, "BrivexCmd6", "&Appliquer"),
      BrivexCmd1(*this, "BrivexCmd1", "Annuler") {
    File1.SetToolTipText("You can translate the lang files to others languages and send it to the author.");
    Layout();
    Check1.OnClick = [this] { Check1_Click(); };
    BrivexCmd6.OnClick = [this] { Apply(); };
    BrivexCmd1.OnClick = [this] { Close(); };
}

void FrmSettings::Layout() {
    using namespace settingsdesign;
    SetDesign(DesignPixelsToTwips(kWidth), DesignPixelsToTwips(kHeight), "settings.background");

    const ui::Appearance boxLook = look::Text(8.25, false, look::kInk);
    Frame1.SetPosition(look::DesignBounds(18, kBand + 14, 206, 254));
    Check1.PlaceIn(Frame1);
    Check1.SetPosition(look::DesignBounds(12, 26, 180, 20));
    Check1.SetLook(boxLook);
    File1.PlaceIn(Frame1);
    File1.SetPosition(look::DesignBounds(12, 52, 182, 190));

    FramePlus1.SetPosition(look::DesignBounds(236, kBand + 14, 306, 140));
    ui::CheckBox* options[] = {&press, &Doc, &WinStart, &Ontop};
    int top = 26;
    for (ui::CheckBox* box : options) {
        box->PlaceIn(FramePlus1);
        box->SetPosition(look::DesignBounds(14, top, 280, 20));
        box->SetLook(boxLook);
        top += 26;
    }

    FramePlus2.SetPosition(look::DesignBounds(236, kBand + 166, 306, 102));
    top = 26;
    for (ui::CheckBox* box : {&Check2, &Check3}) {
        box->PlaceIn(FramePlus2);
        box->SetPosition(look::DesignBounds(14, top, 280, 20));
        box->SetLook(boxLook);
        top += 30;
    }

    const int buttonsTop = kHeight - 52;
    BrivexCmd6.SetPosition(look::DesignBounds(kWidth - 18 - 130 - 12 - 130, buttonsTop, 130, 34));
    BrivexCmd1.SetPosition(look::DesignBounds(kWidth - 18 - 130, buttonsTop, 130, 34));
    for (ui::ButtonPlus* button : {&BrivexCmd6, &BrivexCmd1}) button->SetLook(look::Text(9, true, 0));
}

// The window was perhaps open before: it starts again as designed.
void FrmSettings::ReturnToDesignState() {
    Check1.SetValue(0);
    File1.SetEnabled(false);
}

void FrmSettings::AfterTranslation() {
    for (const Option& option : kOptions)
        (this->*option.box).SetValue(CheckBoxValueFromSetting(program_.settings.Get(option.entry)));
    MakeTopmostIfAsked(program_, *this);

    // A missing folder lists nothing; nothing is said about it.
    File1.SetPath(JoinPath(program_.AppFolder(), "Lang"));
}

void FrmSettings::Check1_Click() {
    File1.SetEnabled(Check1.Value() == 1);
    // A language file dropped into the folder while the window was open shows at once.
    if (Check1.Value() == 1) File1.Refresh();
}

void FrmSettings::Apply() {
    if (WinStart.Value() == 1)
        SetStartWithWindows(program_.reg, program_.AppFolder(), StartEntry::EveryLogOn);
    // A restart still pending needs the entry: it brings the finishing window up.
    else if (program_.settings.Get(setting::Reboot) != "ok")
        SetStartWithWindows(program_.reg, program_.AppFolder(), StartEntry::None);

    for (const Option& option : kOptions)
        program_.settings.Save(option.entry, std::to_string((this->*option.box).Value()));

    // Without a file chosen the language stays: the folder alone would name no
    // file, and every text of every window would fall back to its design.
    if (Check1.Value() == 1 && File1.ListIndex() >= 0) {
        program_.language.CurrentLanguageFile = JoinPath(JoinPath(program_.AppFolder(), "Lang"), File1.SelectedText());
        program_.settings.Save(setting::LanguageFile, program_.language.CurrentLanguageFile);
        program_.trans.TranslateForm(*this, program_.language.CurrentLanguageFile);
    }
    // The main window comes back and relabels itself.
    Close();
}

}  // namespace brivex
