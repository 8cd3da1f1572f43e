#include "app/FrmHome.h"

#include <cstdio>

#include "app/HomeTexts.h"
#include "base/Paths.h"
#include "platform/Shell.h"
#include "platform/SystemFacts.h"
#include "program/Program.h"
#include "program/WindowLoad.h"
#include "program/WindowLook.h"
#include "restore/RestorePointService.h"

namespace brivex {

std::string DateText(int day, int month, int year) {
    return std::to_string(day) + "/" + std::to_string(month) + "/" + std::to_string(year);
}

std::string ClockText(int hour, int minute, int second) {
    char text[40];
    std::snprintf(text, sizeof text, "%02d:%02d:%02d", hour, minute, second);
    return text;
}

FrmHome::FrmHome(Program& program)
    : Form("FrmHome", "Velmora Xp"),
      // Both timers start with the window, not before: a refused second copy
      // must not play the display behind its message, and the reference file
      // must get the clock's design text, not the time.
      Timer1(*this, "Timer1", program.loop, 150, false),
      Timer2(*this, "Timer2", program.loop, 1000, false),
      Label1(*this, "Label1", "HH:MM:SS"),
      Label4(*this, "Label4", "HH:MM:SS"),
      Label5(*this, "Label5", "Version BETA"),
      Label2(*this, "Label2",
             "Velmora Doziv règle votre système en un seul clic : fichiers de préchargement, délais d'arrêt, "
             "gestion de la mémoire, documents récents et presse-papier. Pour commencer, appuyez sur le bouton "
             "« Optimiser Windows »."),
      Label3(*this, "Label3"),
      Bar1(*this, "Bar1", kBar1Design),
      Image9(*this, "Image9", "stage.0"),
      Image2(*this, "Image2", "stage.1"),
      Image3(*this, "Image3", "stage.2"),
      Image4(*this, "Image4", "stage.3"),
      Image5(*this, "Image5", "stage.4"),
      Image6(*this, "Image6", "stage.5"),
      Image10(*this, "Image10", "stage.6"),
      Image7(*this, "Image7", "stage.7"),
      Image8(*this, "Image8", "stage.8"),
      Command1(*this, "Command1", "&Optimiser Windows"),
      BrivexCmd1(*this, "BrivexCmd1", "Brivex Tweaker"),
      ButtonPlus3(*this, "ButtonPlus3", "Brivex Tweaker"),
      BrivexCmd2(*this, "BrivexCmd2", "Info Système"),
      cmd(*this, "cmd", "Configuration"),
      ButtonPlus6(*this, "ButtonPlus6", "System Backup"),
      ButtonPlus2(*this, "ButtonPlus2", "Centre de téléxhargement"),
      ButtonPlus5(*this, "ButtonPlus5", "Brivex Forums"),
      Command2(*this, "Command2", "L'aide"),
      ButtonPlus4(*this, "ButtonPlus4", "Velmora Doziv Plus!"),
      Help_XP1(*this, "Help_XP1", "A propos"),
      Label6(*this, "Label6", "+Info"),
      ButtonPlus1(*this, "ButtonPlus1", "Réduire"),
      TopButtons_XP1(*this, "TopButtons_XP1", "Quitter"),
      AskWithoutRestorePoint(*this, "AskWithoutRestorePoint", kAskWithoutRestorePoint),
      program_(program),
      optimisation_(program, {*this, Timer1, Bar1, Label3, Image9, OptimisationDone, AskWithoutRestorePoint}) {
    Layout();
    OnLoad = [this] { Form_Load(); };
    OnShown = [this] { Form_Shown(); };
    OnActivate = [this] { Form_Activate(); };
    OnUnload = [this] { Form_Unload(); };
    OnMouseDown = [this] { BeginDrag(); };
    Timer2.OnTick = [this] { Timer2_Timer(); };
    Command1.OnClick = [this] { optimisation_.Command1_Click(); };
    Timer1.OnTick = [this] { optimisation_.Timer1_Timer(); };
    ButtonPlus1.OnClick = [this] { SetWindowState(ui::WindowState::Minimized); };
    ButtonPlus2.OnClick = [this] { program_.platform.shell.OpenUrl(hometexts::kDownloadPage); };
    ButtonPlus5.OnClick = [this] { program_.platform.shell.OpenUrl(hometexts::kForum); };
    Command2.OnClick = [this] { program_.platform.shell.OpenUrl(hometexts::kHomePage); };
    ButtonPlus4.OnClick = [this] {
        program_.dialogs.MsgBox(hometexts::kAnnouncement, ui::mb::Information | ui::mb::SystemModal,
                            hometexts::kAnnouncementTitle);
    };
    Help_XP1.OnClick = [this] { program_.dialogs.MsgBox(hometexts::kAbout, ui::mb::Information, ""); };
    Label6.OnClick = [this] {
        program_.dialogs.MsgBox(hometexts::kPerformance, ui::mb::Information, hometexts::kPerformanceTitle);
    };
    TopButtons_XP1.OnClick = [this] { program_.forms.Unload(*this); };
    BrivexCmd1.OnClick = [this] { OpenTool(WindowKind::Tweak); };
    ButtonPlus3.OnClick = [this] { BrivexCmd1.OnClick(); };
    cmd.OnClick = [this] { OpenTool(WindowKind::Settings); };
    ButtonPlus6.OnClick = [this] { OpenTool(WindowKind::Backup); };
    BrivexCmd2.OnClick = [this] { OpenTool(WindowKind::InfoSys); };
}

void FrmHome::OpenTool(WindowKind kind) {
    // A window that could not be made, or is still loading, leaves the main window as it was.
    if (program_.Open(kind)) SetWindowState(ui::WindowState::Minimized);
}

void FrmHome::Layout() {
    SetDesign(homedesign::kWidth, homedesign::kHeight, "home.background");

    TopButtons_XP1.SetPosition(look::DesignBounds(508, 14, 76, 24));
    ButtonPlus1.SetPosition(look::DesignBounds(428, 14, 76, 24));
    Label5.SetPosition(look::DesignBounds(94, 46, 150, 16));
    Label5.SetLook(look::Text(8.25, false, look::kPaleBlue));
    Label4.SetPosition(look::DesignBounds(428, 46, 72, 16));
    Label4.SetLook(look::Text(8.25, true, look::kWhite, ui::Appearance::Align::Right));
    Label1.SetPosition(look::DesignBounds(508, 46, 76, 16));
    Label1.SetLook(look::Text(8.25, true, look::kWhite, ui::Appearance::Align::Right));

    ui::ButtonPlus* column[] = {&BrivexCmd1, &BrivexCmd2, &cmd,      &ButtonPlus6, &ButtonPlus2,
                                &ButtonPlus5, &Command2,  &ButtonPlus4, &Help_XP1};
    int top = 92;
    for (ui::ButtonPlus* button : column) {
        button->SetPosition(look::DesignBounds(18, top, 172, 30));
        top += 37;
    }

    Label2.SetPosition(look::DesignBounds(214, 94, 368, 78));
    Label2.SetLook(look::Text(9, false, look::kInk));
    Image9.SetPosition(look::DesignBounds(214, 184, 96, 96));
    ui::Picture* holders[] = {&Image2, &Image3, &Image4, &Image5, &Image6, &Image10, &Image7, &Image8};
    for (ui::Picture* holder : holders) {
        holder->SetPosition(look::DesignBounds(214, 184, 96, 96));
        holder->SetVisible(false);
    }
    Label3.SetPosition(look::DesignBounds(322, 210, 258, 48));
    Bar1.SetPosition(look::DesignBounds(222, 296, 353, 25));
    Label3.SetLook(look::Text(11, true, look::kInk));
    Command1.SetPosition(look::DesignBounds(214, 342, 206, 42));
    Command1.SetLook(look::Text(10, true, 0));
    ButtonPlus3.SetPosition(look::DesignBounds(430, 342, 152, 42));
    Label6.SetPosition(look::DesignBounds(536, 396, 46, 18));
    Label6.SetLook(look::Text(9, true, look::kLink, ui::Appearance::Align::Right));
    AskWithoutRestorePoint.SetVisible(false);
}

void FrmHome::Form_Load() {
    ApplyRoundedShape();

    if (program_.platform.system.PreviousInstance()) {
        program_.dialogs.MsgBox(hometexts::kAlreadyRunning, ui::mb::Information, hometexts::kProductLine);
        program_.forms.EndProgram();
        return;
    }

    Timer1.SetEnabled(false);
    OptimisationDone = false;

    MakeTopmostIfAsked(program_, *this);

    ApplyLanguage();
    Timer2.SetEnabled(true);
}

// On screen first: the user sees the window wait while the first restore point is made.
void FrmHome::Form_Shown() {
    if (program_.settings.Get(setting::First) == "0") FirstRun();
}

void FrmHome::FirstRun() {
    program_.dialogs.MsgBox(hometexts::kFirstUse, ui::mb::Information, hometexts::kFirstUseTitle);
    SetMousePointer(ui::MousePointer::Hourglass);
    const bool made = MakeRestorePoint(program_.platform.management, program_.platform.registry,
                                       hometexts::kFirstRestorePoint, restorepointtype::ApplicationInstall);
    program_.dialogs.MsgBox(made ? hometexts::kRestorePointMade : hometexts::kRestoreDisabled, ui::mb::Information, "");
    // Set whatever the outcome: the first-run restore point is attempted once per user.
    program_.settings.Save(setting::First, "1");
    SetMousePointer(ui::MousePointer::Default);
}

// The French file always carries the French stage texts too.
void FrmHome::ApplyLanguage() {
    TranslateOnLoad(program_, *this, [this](const std::string& frenchFile) {
        program_.language.ProgressMessages = FrenchProgressMessages();
        program_.trans.WriteMessages(frenchFile);
    });
}

void FrmHome::Form_Activate() {
    TranslateFromChosenLanguage(program_, *this);
    const LocalTime now = program_.platform.system.Now();
    Label4.SetCaption(DateText(now.day, now.month, now.year));
}

void FrmHome::Timer2_Timer() {
    const LocalTime now = program_.platform.system.Now();
    Label1.SetCaption(ClockText(now.hour, now.minute, now.second));
}

void FrmHome::Form_Unload() {
    const std::string sound = JoinPath(program_.AppFolder(), "bye.wav");
    if (OptimisationDone) program_.dialogs.RestartPrompt(*this, ui::restart::Reboot);
    program_.platform.shell.PlaySoundSync(sound);
    program_.forms.EndProgram();
}

}  // namespace brivex
