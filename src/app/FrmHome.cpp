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
#include "restore/RestoreTexts.h"

namespace brivex {

namespace {

// The stages' hidden pictures, in the stages' order; stage n shows the art "stage.n".
constexpr const char* kStagePictureKeys[] = {"Image2", "Image3",  "Image4", "Image5",
                                             "Image6", "Image10", "Image7", "Image8"};

std::vector<std::unique_ptr<ui::Picture>> MakeStagePictures(ui::Form& home) {
    std::vector<std::unique_ptr<ui::Picture>> pictures;
    for (const char* key : kStagePictureKeys)
        pictures.push_back(std::make_unique<ui::Picture>(home, key, "stage." + std::to_string(pictures.size() + 1)));
    return pictures;
}

}  // namespace

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
      stageTimer(*this, "Timer1", program.loop, 150, false),
      clockTimer(*this, "Timer2", program.loop, 1000, false),
      clockLabel(*this, "Label1", "HH:MM:SS"),
      dateLabel(*this, "Label4", "HH:MM:SS"),
      versionLabel(*this, "Label5", "Version BETA"),
      introduction(*this, "Label2",
                   "Velmora Doziv règle votre système en un seul clic : fichiers de préchargement, délais d'arrêt, "
                   "gestion de la mémoire, documents récents et presse-papier. Pour commencer, appuyez sur le bouton "
                   "« Optimiser Windows »."),
      stageText(*this, "Label3"),
      progressBar(*this, "Bar1", kBar1Design),
      stagePicture(*this, "Image9", "stage.0"),
      stagePictures(MakeStagePictures(*this)),
      optimise(*this, "Command1", "&Optimiser Windows"),
      openTweaks(*this, "BrivexCmd1", "Brivex Tweaker"),
      openTweaksBeside(*this, "ButtonPlus3", "Brivex Tweaker"),
      openSystemInfo(*this, "BrivexCmd2", "Info Système"),
      openSettings(*this, "cmd", "Configuration"),
      openBackup(*this, "ButtonPlus6", "System Backup"),
      downloadCentre(*this, "ButtonPlus2", "Centre de téléxhargement"),
      forums(*this, "ButtonPlus5", "Brivex Forums"),
      help(*this, "Command2", "L'aide"),
      plusAnnouncement(*this, "ButtonPlus4", "Velmora Doziv Plus!"),
      about(*this, "Help_XP1", "A propos"),
      performanceInfo(*this, "Label6", "+Info"),
      minimise(*this, "ButtonPlus1", "Réduire"),
      quit(*this, "TopButtons_XP1", "Quitter"),
      askWithoutRestorePoint(*this, "AskWithoutRestorePoint", kAskWithoutRestorePoint),
      program_(program),
      optimisation_(program, {*this, stageTimer, progressBar, stageText, stagePicture, stagePictures, optimisationDone,
                              askWithoutRestorePoint}) {
    Layout();
    OnLoad = [this] { Form_Load(); };
    OnShown = [this] { Form_Shown(); };
    OnActivate = [this] { Form_Activate(); };
    OnUnload = [this] { Form_Unload(); };
    OnMouseDown = [this] { BeginDrag(); };
    clockTimer.OnTick = [this] { ShowClock(); };
    optimise.OnClick = [this] { optimisation_.Start(); };
    stageTimer.OnTick = [this] { optimisation_.Tick(); };
    minimise.OnClick = [this] { SetWindowState(ui::WindowState::Minimized); };
    downloadCentre.OnClick = [this] { program_.platform.shell.OpenUrl(hometexts::kDownloadPage); };
    forums.OnClick = [this] { program_.platform.shell.OpenUrl(hometexts::kForum); };
    help.OnClick = [this] { program_.platform.shell.OpenUrl(hometexts::kHomePage); };
    plusAnnouncement.OnClick = [this] {
        program_.dialogs.MsgBox(hometexts::kAnnouncement, ui::mb::Information | ui::mb::SystemModal,
                                hometexts::kAnnouncementTitle);
    };
    about.OnClick = [this] { program_.dialogs.MsgBox(hometexts::kAbout, ui::mb::Information, ""); };
    performanceInfo.OnClick = [this] {
        program_.dialogs.MsgBox(hometexts::kPerformance, ui::mb::Information, hometexts::kPerformanceTitle);
    };
    quit.OnClick = [this] { program_.forms.Unload(*this); };
    openTweaks.OnClick = [this] { OpenTool(WindowKind::Tweak); };
    openTweaksBeside.OnClick = [this] { openTweaks.OnClick(); };
    openSettings.OnClick = [this] { OpenTool(WindowKind::Settings); };
    openBackup.OnClick = [this] { OpenTool(WindowKind::Backup); };
    openSystemInfo.OnClick = [this] { OpenTool(WindowKind::InfoSys); };
}

void FrmHome::OpenTool(WindowKind kind) {
    // A window that could not be made, or is still loading, leaves the main window as it was.
    if (program_.Open(kind)) SetWindowState(ui::WindowState::Minimized);
}

void FrmHome::Layout() {
    SetDesign(homedesign::kWidth, homedesign::kHeight, "home.background");

    quit.SetPosition(look::DesignBounds(508, 14, 76, 24));
    minimise.SetPosition(look::DesignBounds(428, 14, 76, 24));
    versionLabel.SetPosition(look::DesignBounds(94, 46, 150, 16));
    versionLabel.SetLook(look::Text(8.25, false, look::kPaleBlue));
    dateLabel.SetPosition(look::DesignBounds(428, 46, 72, 16));
    dateLabel.SetLook(look::Text(8.25, true, look::kWhite, ui::Appearance::Align::Right));
    clockLabel.SetPosition(look::DesignBounds(508, 46, 76, 16));
    clockLabel.SetLook(look::Text(8.25, true, look::kWhite, ui::Appearance::Align::Right));

    ui::ButtonPlus* column[] = {&openTweaks, &openSystemInfo, &openSettings,     &openBackup, &downloadCentre,
                                &forums,     &help,           &plusAnnouncement, &about};
    int top = 92;
    for (ui::ButtonPlus* button : column) {
        button->SetPosition(look::DesignBounds(18, top, 172, 30));
        top += 37;
    }

    introduction.SetPosition(look::DesignBounds(214, 94, 368, 78));
    introduction.SetLook(look::Text(9, false, look::kInk));
    stagePicture.SetPosition(look::DesignBounds(214, 184, 96, 96));
    for (const auto& holder : stagePictures) {
        holder->SetPosition(look::DesignBounds(214, 184, 96, 96));
        holder->SetVisible(false);
    }
    stageText.SetPosition(look::DesignBounds(322, 210, 258, 48));
    progressBar.SetPosition(look::DesignBounds(222, 296, 353, 25));
    stageText.SetLook(look::Text(11, true, look::kInk));
    optimise.SetPosition(look::DesignBounds(214, 342, 206, 42));
    optimise.SetLook(look::Text(10, true, 0));
    openTweaksBeside.SetPosition(look::DesignBounds(430, 342, 152, 42));
    performanceInfo.SetPosition(look::DesignBounds(536, 396, 46, 18));
    performanceInfo.SetLook(look::Text(9, true, look::kLink, ui::Appearance::Align::Right));
    askWithoutRestorePoint.SetVisible(false);
}

void FrmHome::Form_Load() {
    ApplyRoundedShape();

    if (program_.platform.system.PreviousInstance()) {
        program_.dialogs.MsgBox(hometexts::kAlreadyRunning, ui::mb::Information, hometexts::kProductLine);
        program_.forms.EndProgram();
        return;
    }

    stageTimer.SetEnabled(false);
    optimisationDone = false;

    MakeTopmostIfAsked(program_, *this);

    ApplyLanguage();
    clockTimer.SetEnabled(true);
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
    program_.dialogs.MsgBox(RestorePointOutcome(made), ui::mb::Information, "");
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
    dateLabel.SetCaption(DateText(now.day, now.month, now.year));
}

void FrmHome::ShowClock() {
    const LocalTime now = program_.platform.system.Now();
    clockLabel.SetCaption(ClockText(now.hour, now.minute, now.second));
}

void FrmHome::Form_Unload() {
    const std::string sound = JoinPath(program_.AppFolder(), "bye.wav");
    if (optimisationDone) program_.dialogs.RestartPrompt(*this, ui::restart::Reboot);
    program_.platform.shell.PlaySoundSync(sound);
    program_.forms.EndProgram();
}

}  // namespace brivex
