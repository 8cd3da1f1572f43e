#include "sysinfo/FrmInfoSys.h"

#include <array>
#include <cassert>

#include "graphics/Marks.h"
#include "platform/Shell.h"
#include "program/Program.h"
#include "program/WindowLook.h"
#include "sysinfo/DrivePanel.h"
#include "sysinfo/MemoryStatusMB.h"
#include "sysinfo/RegistryRows.h"

namespace brivex {

namespace {

constexpr char kReleaseTitle[] = "Velmora Xp V3.0";
constexpr char kReleaseQuestion[] =
    "Cette optmisation de la Ram est du niveau 1, vous pouvez télécharger 'Brivex Free' pour une optimisation de "
    "niveau 4 avec optmisation de CPU.\r\rVoulez vous télécharger 'Brivex Free' maintenant ?";
// The maker's download page, the one the main window opens too.
constexpr char kDownloadPage[] = "http://www.velmora-doziv.example/Download";
constexpr char kServiceDown[] = "Le service WMI ne répond pas : informations BIOS indisponibles.";
constexpr char kBiosHelp[] =
    "Appuyez sur « Information BIOS » pour la version, la langue et le type de votre BIOS, "
    "ou sur « Technologies supportée » pour la liste des technologies qu'il prend en charge.";
constexpr char kNetTip[] = "Velmora Xp sur le Net";
// The block the memory release fills and frees: 20 000 000 characters of two bytes.
constexpr std::size_t kReleaseBlanks = 20'000'000;

constexpr const char* kDriveCaptions[] = {"Nom du Volume :",   "Type du lecteur :", "Système de fichier :",
                                          "N°= de Série :",    "Espace Total :",    "Espace libre :"};
constexpr const char* kMemoryCaptions[] = {
    "Mémoire Physique Totale :",   "Mémoire Physique Utilisée :", "Mémoire Physique Libre :",
    "Mem Libre :",                 "Mem Occupée :",               "Mémoire Virtuelle :",
    "Mémoire Virtuelle libre :",   "Mémoire Virtuelle occupée :", "Taille du fichier de pagination :",
    "dont libres : ",              "dont chargés :",              "Mémoire Virtuelle libre : ",
    "Taille du fichier pagination : "};

template <class Control, class Text>
std::vector<std::unique_ptr<Control>> MakeArray(ui::Form& form, const char* name, ui::FramePlus& panel,
                                                const Text& texts) {
    std::vector<std::unique_ptr<Control>> controls;
    int index = 0;
    for (const auto& text : texts) {
        controls.push_back(std::make_unique<Control>(form, name, std::string(text), index++));
        controls.back()->PlaceIn(panel);
    }
    return controls;
}

template <std::size_t N>
std::array<std::string_view, N> Captions(const std::array<RegistryRow, N>& rows) {
    std::array<std::string_view, N> captions;
    for (std::size_t i = 0; i < N; ++i) captions[i] = rows[i].caption;
    return captions;
}

template <std::size_t N>
std::array<std::string_view, N> DesignTextsOf(const std::array<RegistryRow, N>& rows) {
    std::array<std::string_view, N> texts;
    for (std::size_t i = 0; i < N; ++i) texts[i] = rows[i].designText;
    return texts;
}

std::string TrimRight(std::string text) {
    text.erase(text.find_last_not_of(' ') + 1);
    return text;
}

// A box shows its text up to a NUL, and a registry text may end in one.
std::string AsShown(const std::string& text) {
    const std::size_t first = text.find_first_not_of(' ');
    return first == std::string::npos ? std::string{} : text.substr(first, text.find('\0') - first);
}

}  // namespace

FrmInfoSys::FrmInfoSys(Program& program)
    : ToolWindow(program, "FrmInfoSys", "Brivex Information Sytème - Velmora Xp", StaysOnTop::AsTheSettingsSay),
      lec(*this, "lec", "Informations sur les Lecteurs :"),
      win(*this, "win", "Information Windows :"),
      mem(*this, "mem", "Information Mémoire :"),
      bios(*this, "bios", "Information BIOS :"),
      pc(*this, "pc", "Information PC  :"),
      BrivexCmd1(*this, "BrivexCmd1", "Info Disque"),
      BrivexCmd4(*this, "BrivexCmd4", "Info Mémoire"),
      BrivexCmd3(*this, "BrivexCmd3", "Info BIOS"),
      BrivexCmd2(*this, "BrivexCmd2", "Info Windows"),
      BrivexCmd5(*this, "BrivexCmd5", "Info Pc"),
      TopButtons_XP1(*this, "TopButtons_XP1", ""),
      Label15(*this, "Label15", "Quitter"),
      Label4(*this, "Label4", "Séléctionner :"),
      Drive1(*this, "Drive1"),
      Fact(program.platform.drives),
      Label43(*this, "Label43"),
      Label44(*this, "Label44"),
      Label45(*this, "Label45"),
      Label46(*this, "Label46"),
      Label47(*this, "Label47"),
      Label48(*this, "Label48"),
      BrivexPBar3(*this, "BrivexPBar3", kBrivexPBar3Design),
      FramePlus1(*this, "FramePlus1", "Brivex Mem:"),
      BrivexPBar2(*this, "BrivexPBar2", kBrivexPBar2Design),
      BrivexPBar4(*this, "BrivexPBar4", kBrivexPBar4Design),
      Command1(*this, "Command1", "&Optimiser"),
      Label32(*this, "Label32"),
      Label33(*this, "Label33"),
      Label34(*this, "Label34"),
      l1(*this, "l1"),
      l2(*this, "l2"),
      l3(*this, "l3"),
      l4(*this, "l4"),
      l5(*this, "l5"),
      l6(*this, "l6"),
      Label25(*this, "Label25"),
      PB1(*this, "PB1", kPB1Design),
      Label26(*this, "Label26"),
      PB2(*this, "PB2", kPB2Design),
      Timer1(*this, "Timer1", program.loop, 500, false),
      BrivexCmd9(*this, "BrivexCmd9", "Information BIOS"),
      BrivexCmd10(*this, "BrivexCmd10", "Technologies supportée"),
      Text1(*this, "Text1", kBiosHelp),
      List1(*this, "List1"),
      BiosHelp(*this, "BiosHelp", kBiosHelp),
      driveCaptions_(MakeArray<ui::Label>(*this, "LabelLec", lec, kDriveCaptions)),
      windowsCaptions_(MakeArray<ui::Label>(*this, "LabelWin", win, Captions(kWindowsRows))),
      windowsRows_(MakeArray<ui::TextBox>(*this, "TextWin", win, DesignTextsOf(kWindowsRows))),
      memoryCaptions_(MakeArray<ui::Label>(*this, "LabelMem", mem, kMemoryCaptions)),
      pcCaptions_(MakeArray<ui::Label>(*this, "LabelPc", pc, Captions(kPcRows))),
      pcRows_(MakeArray<ui::TextBox>(*this, "TextPc", pc, DesignTextsOf(kPcRows))) {
    TopButtons_XP1.SetToolTipText("Quitter");
    Command1.SetToolTipText(kNetTip);
    BrivexCmd9.SetToolTipText(kNetTip);
    BrivexCmd10.SetToolTipText(kNetTip);
    Layout();
    OnCopy = [this] { program_.platform.shell.CopyText(MachineReport()); };
    BrivexCmd1.OnClick = [this] { ShowPanel(lec); };
    BrivexCmd4.OnClick = [this] { ShowPanel(mem); };
    BrivexCmd3.OnClick = [this] { ShowPanel(bios); };
    BrivexCmd2.OnClick = [this] { FillWindows(); };
    BrivexCmd5.OnClick = [this] { FillPc(); };
    TopButtons_XP1.OnClick = [this] { Close(); };
    Drive1.OnChange = [this] { RefreshDriveFacts(); };
    Timer1.OnTick = [this] { RefreshMemory(); };
    Command1.OnClick = [this] { ReleaseMemory(); };
    BrivexCmd9.OnClick = [this] { ShowBiosReport(); };
    BrivexCmd10.OnClick = [this] { ShowBiosCharacteristics(); };
}

ui::Label& FrmInfoSys::Caption(const ui::FramePlus& panel, std::size_t row) {
    const auto& captions = &panel == &lec ? driveCaptions_
                           : &panel == &win ? windowsCaptions_
                           : &panel == &mem ? memoryCaptions_
                                            : pcCaptions_;
    assert(&panel != &bios && "the BIOS panel has no rows");
    return *captions[row];
}

// The window was perhaps open before: it starts again as designed.
void FrmInfoSys::ReturnToDesignState() {
    for (std::size_t i = 0; i < kRowCount; ++i) {
        windowsRows_[i]->SetText(std::string(kWindowsRows[i].designText));
        pcRows_[i]->SetText(std::string(kPcRows[i].designText));
    }
    for (ui::FramePlus* panel : {&lec, &win, &mem, &bios, &pc}) panel->SetVisible(true);
    for (ui::Label* label : {&Label32, &Label33, &Label34, &l1, &l2, &l3, &l4, &l5, &l6, &Label25, &Label26})
        label->SetCaption("");
    for (BarControl* bar : {&BrivexPBar2, &BrivexPBar4, &PB1, &PB2}) bar->SetValue(0);
    totalPhysical_ = 0;
    List1.Clear();
    List1.SetVisible(false);
    Text1.SetVisible(true);
    // The memory refresh starts with the window.
    Timer1.SetEnabled(true);
}

void FrmInfoSys::AfterTranslation() {
    // After the translation: the facts of this machine are no design texts
    // and must not reach the language files.
    Drive1.Fill(program_.platform.drives.DriveList(), program_.AppFolder());
    RefreshDriveFacts();
    characteristicTexts_ = BiosCharacteristicTexts();
    Text1.SetText(BiosHelp.Caption());
}

// The memory refresh goes with the window.
void FrmInfoSys::StopOnUnload() { Timer1.SetEnabled(false); }

void FrmInfoSys::ShowPanel(const ui::FramePlus& chosen) {
    for (ui::FramePlus* panel : {&pc, &win, &bios, &lec, &mem}) panel->SetVisible(panel == &chosen);
}

void FrmInfoSys::FillWindows() {
    ShowPanel(win);
    for (const std::size_t row : kWindowsReadingOrder) {
        const RegistryRow& source = kWindowsRows[row];
        windowsRows_[row]->SetText(RowText(program_.reg.ReadValue(regroot::LocalMachine, std::string(source.key),
                                                                  std::string(source.valueName))));
    }
}

void FrmInfoSys::FillPc() {
    ShowPanel(pc);
    for (const std::size_t row : kPcReadingOrder) {
        const RegistryRow& source = kPcRows[row];
        pcRows_[row]->SetText(row == kPcMemoryRow
                                  ? MemoryRowText(totalPhysical_, program_.platform.system.DecimalSeparator())
                                  : RowText(program_.reg.ReadValue(regroot::LocalMachine, std::string(source.key),
                                                                   std::string(source.valueName))));
    }
}

void FrmInfoSys::RefreshDriveFacts() {
    const char separator = program_.platform.system.DecimalSeparator();
    Fact.SetDrive(Drive1.Drive());
    Label43.SetCaption(Fact.VolumeName());
    Label45.SetCaption(Fact.FileSystem());
    Label46.SetCaption(Fact.SerialNumber());
    Label47.SetCaption(SizeText(Fact.TotalSpace(), separator));
    Label48.SetCaption(SizeText(Fact.FreeSpace(), separator));
    Label44.SetCaption(DriveTypeText(Fact));
    BrivexPBar3.SetValue(DriveGauge(Fact));
}

void FrmInfoSys::RefreshMemory() {
    const MemoryStatusMB status = ReadMemoryStatus(program_.platform.system);
    const MemoryStatus raw = program_.platform.system.Memory();
    const MemoryFigures figures = ComputeMemoryFigures(status, raw, program_.platform.system.DecimalSeparator());
    totalPhysical_ = figures.total;
    Label32.SetCaption(figures.Label32);
    Label33.SetCaption(figures.Label33);
    Label34.SetCaption(figures.Label34);
    BrivexPBar2.SetValue(figures.freeGauge);
    // From what the bar shows, so the two always add up to 100.
    BrivexPBar4.SetValue(100 - BrivexPBar2.Value());
    ui::Label* virtualLabels[] = {&l1, &l2, &l3, &l4, &l5, &l6};
    for (std::size_t i = 0; i < 6; ++i) virtualLabels[i]->SetCaption(figures.l[i]);
    Label25.SetCaption(figures.Label25);
    Label26.SetCaption(figures.Label26);
    PB1.SetValue(figures.PB1);
    PB2.SetValue(figures.PB2);
}

void FrmInfoSys::ReleaseMemory() {
    const int answer =
        program_.dialogs.MsgBox(kReleaseQuestion, ui::mb::Information | ui::mb::YesNo, kReleaseTitle);
    if (answer == ui::mb::AnswerYes) {
        program_.platform.shell.OpenUrl(kDownloadPage);
        return;
    }
    // Every page written, so the system really hands the memory over before it is freed.
    auto blanks = std::make_unique<char16_t[]>(kReleaseBlanks);
    volatile char16_t* written = blanks.get();
    for (std::size_t i = 0; i < kReleaseBlanks; ++i) written[i] = u' ';
}

void FrmInfoSys::ReportServiceDown() { program_.dialogs.MsgBox(kServiceDown, ui::mb::Information, ""); }

void FrmInfoSys::ShowBiosReport() {
    const auto report = ReadBiosReport(program_.platform.management, [this](int month) {
        return program_.platform.system.MonthName(month);
    });
    if (!report) return ReportServiceDown();
    List1.SetVisible(false);
    Text1.SetVisible(true);
    Text1.SetText(*report);
}

void FrmInfoSys::ShowBiosCharacteristics() {
    const auto list = ReadBiosCharacteristics(program_.platform.management, characteristicTexts_);
    if (!list) return ReportServiceDown();
    List1.SetVisible(true);
    Text1.SetVisible(false);
    List1.Clear();
    for (const std::string& line : *list) List1.AddItem(line);
}

std::string FrmInfoSys::MachineReport() {
    std::string report;
    const auto line = [&](const std::string& text) { report += text + "\r\n"; };
    const auto row = [&](const ui::Label& caption, const std::string& value) {
        line(TrimRight(caption.Caption()) + "\t" + AsShown(value));
    };
    const char separator = program_.platform.system.DecimalSeparator();

    line(lec.Caption());
    row(Label4, Drive1.Drive());
    const ui::Label* driveValues[] = {&Label43, &Label44, &Label45, &Label46, &Label47, &Label48};
    for (std::size_t i = 0; i < 6; ++i) row(*driveCaptions_[i], driveValues[i]->Caption());

    line(win.Caption());
    for (std::size_t i = 0; i < kRowCount; ++i)
        row(*windowsCaptions_[i], RowText(program_.reg.ReadValue(regroot::LocalMachine, std::string(kWindowsRows[i].key),
                                                                 std::string(kWindowsRows[i].valueName))));

    line(mem.Caption());
    const std::string memoryValues[] = {Label32.Caption(),
                                        Label33.Caption(),
                                        Label34.Caption(),
                                        std::to_string(BrivexPBar2.Value()) + " %",
                                        std::to_string(BrivexPBar4.Value()) + " %",
                                        l1.Caption(),
                                        l2.Caption(),
                                        l3.Caption(),
                                        l4.Caption(),
                                        l5.Caption(),
                                        l6.Caption(),
                                        Label25.Caption(),
                                        Label26.Caption()};
    for (std::size_t i = 0; i < memoryCaptions_.size(); ++i) row(*memoryCaptions_[i], memoryValues[i]);

    line(bios.Caption());
    const auto biosReport = ReadBiosReport(program_.platform.management, [this](int month) {
        return program_.platform.system.MonthName(month);
    });
    report += biosReport ? *biosReport : std::string(kServiceDown) + "\r\n";

    line(pc.Caption());
    for (std::size_t i = 0; i < kRowCount; ++i)
        row(*pcCaptions_[i], i == kPcMemoryRow
                                 ? MemoryRowText(totalPhysical_, separator)
                                 : RowText(program_.reg.ReadValue(regroot::LocalMachine, std::string(kPcRows[i].key),
                                                                  std::string(kPcRows[i].valueName))));
    return report;
}

void FrmInfoSys::Layout() {
    using namespace infosysdesign;
    SetDesign(DesignPixelsToTwips(kWidth), DesignPixelsToTwips(kHeight), "infosys.background");

    TopButtons_XP1.SetPosition(look::DesignBounds(kWidth - 44, 10, 26, 24));
    // The cross the backup window's close button has; the caption stays empty, as designed.
    TopButtons_XP1.SetPicture(kCloseMarkPicture);
    Label15.SetPosition(look::DesignBounds(kWidth - 112, 14, 62, 16));
    Label15.SetLook(look::Text(8.25, true, look::kWhite, ui::Appearance::Align::Right));

    int top = kButtonsTop;
    for (ui::ButtonPlus* button : {&BrivexCmd1, &BrivexCmd4, &BrivexCmd3, &BrivexCmd2, &BrivexCmd5}) {
        button->SetPosition(look::DesignBounds(kButtonsLeft, top, kButtonWidth, kButtonHeight));
        button->SetLook(look::Text(9, true, 0));
        top += kButtonStep;
    }
    for (ui::FramePlus* panel : {&lec, &win, &mem, &bios, &pc}) {
        panel->SetPosition(look::DesignBounds(kPanelLeft, kPanelTop, kPanelWidth, kPanelHeight));
        panel->SetLook(look::Text(9, true, look::kInk));
    }

    const ui::Appearance captionLook = look::Text(8.25, false, look::kInk);
    const ui::Appearance valueLook = look::Text(8.25, true, look::kInk);

    // Drives: the list, six rows, the gauge.
    // A caption beside a box or a list shares its row and its baseline.
    ui::Appearance besideBox = captionLook;
    besideBox.middle = true;
    Label4.PlaceIn(lec);
    Label4.SetPosition(look::DesignBounds(14, 34, 100, 24));
    Label4.SetLook(besideBox);
    Drive1.PlaceIn(lec);
    Drive1.SetPosition(look::DesignBounds(170, 34, 200, 24));
    ui::Label* driveValues[] = {&Label43, &Label44, &Label45, &Label46, &Label47, &Label48};
    for (std::size_t i = 0; i < 6; ++i) {
        const int y = 80 + static_cast<int>(i) * 28;
        driveCaptions_[i]->SetPosition(look::DesignBounds(14, y, 150, 18));
        driveCaptions_[i]->SetLook(captionLook);
        driveValues[i]->PlaceIn(lec);
        driveValues[i]->SetPosition(look::DesignBounds(170, y, 270, 18));
        driveValues[i]->SetLook(valueLook);
    }
    BrivexPBar3.PlaceIn(lec);
    BrivexPBar3.SetPosition(look::DesignBounds(170, 260, 86, 72));

    // Windows and PC: eight rows each.
    for (std::size_t i = 0; i < kRowCount; ++i) {
        const int y = 36 + static_cast<int>(i) * 42;
        for (auto* captions : {&windowsCaptions_, &pcCaptions_}) {
            (*captions)[i]->SetPosition(look::DesignBounds(14, y, 206, 24));
            (*captions)[i]->SetLook(besideBox);
        }
        for (auto* rows : {&windowsRows_, &pcRows_}) {
            (*rows)[i]->SetPosition(look::DesignBounds(222, y, 220, 24));
            (*rows)[i]->SetReadOnly(true);
        }
    }

    // Memory: physical rows and their gauges, virtual and paging rows, two long gauges.
    ui::Label* memoryValues[] = {&Label32, &Label33, &Label34, nullptr, nullptr, &l1, &l2,
                                 &l3,      &l4,      &l5,      &l6,     &Label25, &Label26};
    const int memoryTops[] = {34, 54, 74, 0, 0, 104, 124, 144, 164, 184, 204, 236, 290};
    for (std::size_t i = 0; i < memoryCaptions_.size(); ++i) {
        memoryCaptions_[i]->SetLook(captionLook);
        if (!memoryValues[i]) continue;
        memoryCaptions_[i]->SetPosition(look::DesignBounds(14, memoryTops[i], 190, 18));
        memoryValues[i]->PlaceIn(mem);
        memoryValues[i]->SetPosition(look::DesignBounds(204, memoryTops[i], 82, 18));
        memoryValues[i]->SetLook(valueLook);
    }
    FramePlus1.PlaceIn(mem);
    FramePlus1.SetPosition(look::DesignBounds(290, 28, 156, 196));
    FramePlus1.SetLook(look::Text(8.25, true, look::kInk));
    memoryCaptions_[3]->PlaceIn(FramePlus1);
    memoryCaptions_[3]->SetPosition(look::DesignBounds(6, 24, 68, 16));
    memoryCaptions_[4]->PlaceIn(FramePlus1);
    memoryCaptions_[4]->SetPosition(look::DesignBounds(74, 24, 80, 16));
    BrivexPBar2.PlaceIn(FramePlus1);
    BrivexPBar2.SetPosition(look::DesignBounds(8, 44, 60, 100));
    BrivexPBar4.PlaceIn(FramePlus1);
    BrivexPBar4.SetPosition(look::DesignBounds(84, 44, 60, 100));
    Command1.PlaceIn(FramePlus1);
    Command1.SetPosition(look::DesignBounds(8, 154, 136, 32));
    Command1.SetLook(look::Text(9, true, 0));
    PB1.PlaceIn(mem);
    PB1.SetPosition(look::DesignBounds(14, 258, 428, 16));
    PB2.PlaceIn(mem);
    PB2.SetPosition(look::DesignBounds(14, 312, 428, 16));

    // BIOS: two commands above the report or the list, which share one place.
    BrivexCmd9.PlaceIn(bios);
    BrivexCmd9.SetPosition(look::DesignBounds(14, 32, 206, 32));
    BrivexCmd10.PlaceIn(bios);
    BrivexCmd10.SetPosition(look::DesignBounds(236, 32, 206, 32));
    for (ui::ButtonPlus* button : {&BrivexCmd9, &BrivexCmd10}) button->SetLook(look::Text(9, true, 0));
    Text1.PlaceIn(bios);
    Text1.SetPosition(look::DesignBounds(14, 76, 428, 306));
    Text1.SetMultiLine(true);
    Text1.SetReadOnly(true);
    List1.PlaceIn(bios);
    List1.SetPosition(look::DesignBounds(14, 76, 428, 306));
    BiosHelp.SetVisible(false);
}

}  // namespace brivex
