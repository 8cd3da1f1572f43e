#include "app/FrmHome.h"

#include <cstdio>

#include "app/App.h"
#include "app/HomeTexts.h"
#include "restore/RestorePointService.h"

namespace brivex {

namespace {

constexpr int kTwipsPerPixel = 15;

ui::Bounds Px(int left, int top, int width, int height) {
    return {left * kTwipsPerPixel, top * kTwipsPerPixel, width * kTwipsPerPixel, height * kTwipsPerPixel};
}

ui::Appearance Look(double points, bool bold, std::uint32_t color, ui::Appearance::Align align = ui::Appearance::Align::Left) {
    ui::Appearance look;
    look.fontPoints = points;
    look.bold = bold;
    look.foreColor = color;
    look.align = align;
    return look;
}

constexpr std::uint32_t kWhite = 0xFFFFFF;
constexpr std::uint32_t kPaleBlue = 0xF5DCC8;  // 0x00BBGGRR
constexpr std::uint32_t kInk = 0x4A2A12;
constexpr std::uint32_t kLink = 0xB05A1F;

}  // namespace

std::string DateText(int day, int month, int year) {
    return std::to_string(day) + "/" + std::to_string(month) + "/" + std::to_string(year);
}

std::string ClockText(int hour, int minute, int second) {
    char text[40];
    std::snprintf(text, sizeof text, "%02d:%02d:%02d", hour, minute, second);
    return text;
}

FrmHome::FrmHome(App& app)
    : Form("FrmHome", "Velmora Xp"),
      // Both timers start with the window, not before: a refused second copy
      // must not play the display behind its message, and the reference file
      // must get the clock's design text, not the time.
      Timer1(*this, "Timer1", app.loop, 150, false),
      Timer2(*this, "Timer2", app.loop, 1000, false),
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
      app_(app),
      optimisation_(app, *this) {
    Layout();
    OnLoad = [this] { Form_Load(); };
    OnActivate = [this] { Form_Activate(); };
    OnUnload = [this] { Form_Unload(); };
    OnMouseDown = [this] { BeginDrag(); };
    Timer2.OnTick = [this] { Timer2_Timer(); };
    Command1.OnClick = [this] { optimisation_.Command1_Click(); };
    Timer1.OnTick = [this] { optimisation_.Timer1_Timer(); };
    ButtonPlus1.OnClick = [this] { SetWindowState(ui::WindowState::Minimized); };
    ButtonPlus2.OnClick = [this] { app_.platform.shell.OpenUrl(hometexts::kDownloadPage); };
    ButtonPlus5.OnClick = [this] { app_.platform.shell.OpenUrl(hometexts::kForum); };
    Command2.OnClick = [this] { app_.platform.shell.OpenUrl(hometexts::kHomePage); };
    ButtonPlus4.OnClick = [this] {
        app_.dialogs.MsgBox(hometexts::kAnnouncement, ui::mb::Information | ui::mb::SystemModal,
                            hometexts::kAnnouncementTitle);
    };
    Help_XP1.OnClick = [this] { app_.dialogs.MsgBox(hometexts::kAbout, ui::mb::Information, ""); };
    Label6.OnClick = [this] {
        app_.dialogs.MsgBox(hometexts::kPerformance, ui::mb::Information, hometexts::kPerformanceTitle);
    };
    TopButtons_XP1.OnClick = [this] { app_.forms.Unload(*this); };
}

void FrmHome::Layout() {
    SetDesign(9000, 6600, "home.background");

    TopButtons_XP1.SetPosition(Px(508, 14, 76, 24));
    ButtonPlus1.SetPosition(Px(428, 14, 76, 24));
    Label5.SetPosition(Px(94, 46, 150, 16));
    Label5.SetLook(Look(8.25, false, kPaleBlue));
    Label4.SetPosition(Px(428, 46, 72, 16));
    Label4.SetLook(Look(8.25, true, kWhite, ui::Appearance::Align::Right));
    Label1.SetPosition(Px(508, 46, 76, 16));
    Label1.SetLook(Look(8.25, true, kWhite, ui::Appearance::Align::Right));

    ui::ButtonPlus* column[] = {&BrivexCmd1, &BrivexCmd2, &cmd,      &ButtonPlus6, &ButtonPlus2,
                                &ButtonPlus5, &Command2,  &ButtonPlus4, &Help_XP1};
    int top = 92;
    for (ui::ButtonPlus* button : column) {
        button->SetPosition(Px(18, top, 172, 30));
        top += 37;
    }

    Label2.SetPosition(Px(214, 94, 368, 78));
    Label2.SetLook(Look(9, false, kInk));
    Image9.SetPosition(Px(214, 184, 96, 96));
    ui::Picture* holders[] = {&Image2, &Image3, &Image4, &Image5, &Image6, &Image10, &Image7, &Image8};
    for (ui::Picture* holder : holders) {
        holder->SetPosition(Px(214, 184, 96, 96));
        holder->SetVisible(false);
    }
    Label3.SetPosition(Px(322, 210, 258, 48));
    Bar1.SetPosition(Px(222, 296, 353, 25));
    Label3.SetLook(Look(11, true, kInk));
    Command1.SetPosition(Px(214, 342, 206, 42));
    Command1.SetLook(Look(10, true, 0));
    ButtonPlus3.SetPosition(Px(430, 342, 152, 42));
    Label6.SetPosition(Px(536, 396, 46, 18));
    Label6.SetLook(Look(9, true, kLink, ui::Appearance::Align::Right));
}

void FrmHome::Form_Load() {
    ApplyRoundedShape();

    if (app_.platform.system.PreviousInstance()) {
        app_.dialogs.MsgBox(hometexts::kAlreadyRunning, ui::mb::Information, hometexts::kProductLine);
        app_.forms.EndProgram();
        return;
    }

    Timer1.SetEnabled(false);
    OptimisationDone = false;

    if (app_.settings.GetSetting("config", "first", "0") == "0") FirstRun();

    if (SettingIsNumber(app_.settings.GetSetting("config", "ontop", "0"), 1)) MakeTopmost();

    ApplyLanguage();
    Timer2.SetEnabled(true);
}

void FrmHome::FirstRun() {
    app_.dialogs.MsgBox(hometexts::kFirstUse, ui::mb::Information, hometexts::kFirstUseTitle);
    SetMousePointer(ui::MousePointer::Hourglass);
    const bool made = MakeRestorePoint(app_.platform.management, hometexts::kFirstRestorePoint,
                                       restorepointtype::ApplicationInstall);
    app_.dialogs.MsgBox(made ? hometexts::kRestorePointMade : hometexts::kRestoreDisabled, ui::mb::Information, "");
    // Set whatever the outcome: the first-run restore point is attempted once per user.
    app_.settings.SaveSetting("config", "first", "1");
    SetMousePointer(ui::MousePointer::Default);
}

void FrmHome::ApplyLanguage() {
    const std::string frenchFile = FrenchReferenceFile(app_.AppFolder());
    app_.trans.WriteFormTexts(*this, frenchFile);
    app_.loop.DoEvents();
    app_.language.ProgressMessages = FrenchProgressMessages();
    app_.trans.WriteMessages(frenchFile);
    app_.loop.DoEvents();
    app_.language.CurrentLanguageFile = app_.settings.GetSetting("FILES", "LNG", frenchFile);
    app_.loop.DoEvents();
    app_.trans.TranslateForm(*this, app_.language.CurrentLanguageFile);
}

void FrmHome::Form_Activate() {
    app_.language.CurrentLanguageFile = app_.settings.GetSetting("FILES", "LNG", FrenchReferenceFile(app_.AppFolder()));
    app_.loop.DoEvents();
    app_.trans.TranslateForm(*this, app_.language.CurrentLanguageFile);
    const LocalTime now = app_.platform.system.Now();
    Label4.SetCaption(DateText(now.day, now.month, now.year));
}

void FrmHome::Timer2_Timer() {
    const LocalTime now = app_.platform.system.Now();
    Label1.SetCaption(ClockText(now.hour, now.minute, now.second));
}

void FrmHome::Form_Unload() {
    std::string sound = app_.AppFolder();
    if (sound.empty() || sound.back() != '\\') sound += '\\';
    sound += "bye.wav";
    if (OptimisationDone) app_.dialogs.RestartPrompt(*this);
    app_.platform.shell.PlaySoundSync(sound);
    app_.forms.EndProgram();
}

}  // namespace brivex
