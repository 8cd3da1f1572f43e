#include "sysinfo/FrmInfoSys.h"

#include <array>
#include <cassert>
#include <span>

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

constexpr const char* kDriveCaptions[] = {"Nom du Volume :", "Type du lecteur :", "Système de fichier :",
                                          "N°= de Série :",  "Espace Total :",    "Espace libre :"};
constexpr const char* kMemoryCaptions[] = {"Mémoire Physique Totale :",
                                           "Mémoire Physique Utilisée :",
                                           "Mémoire Physique Libre :",
                                           "Mem Libre :",
                                           "Mem Occupée :",
                                           "Mémoire Virtuelle :",
                                           "Mémoire Virtuelle libre :",
                                           "Mémoire Virtuelle occupée :",
                                           "Taille du fichier de pagination :",
                                           "dont libres : ",
                                           "dont chargés :",
                                           "Mémoire Virtuelle libre : ",
                                           "Taille du fichier pagination : "};

constexpr const char* kVirtualAndPagingKeys[] = {"l1", "l2", "l3", "l4", "l5", "l6"};

std::vector<std::unique_ptr<ui::Label>> MakeLabels(ui::Form& form, std::span<const char* const> keys) {
    std::vector<std::unique_ptr<ui::Label>> labels;
    for (const char* key : keys) labels.push_back(std::make_unique<ui::Label>(form, key));
    return labels;
}

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

// A control put in its container, at its place there.
void PlaceAt(ui::Control& control, ui::Control& container, ui::Bounds bounds) {
    control.PlaceIn(container);
    control.SetPosition(bounds);
}

}  // namespace

FrmInfoSys::FrmInfoSys(Program& program)
    : ToolWindow(program, "FrmInfoSys", "Brivex Information Sytème - Velmora Xp", StaysOnTop::AsTheSettingsSay),
      drivesPanel(*this, "lec", "Informations sur les Lecteurs :"),
      windowsPanel(*this, "win", "Information Windows :"),
      memoryPanel(*this, "mem", "Information Mémoire :"),
      biosPanel(*this, "bios", "Information BIOS :"),
      pcPanel(*this, "pc", "Information PC  :"),
      showDrives(*this, "BrivexCmd1", "Info Disque"),
      showMemory(*this, "BrivexCmd4", "Info Mémoire"),
      showBios(*this, "BrivexCmd3", "Info BIOS"),
      showWindows(*this, "BrivexCmd2", "Info Windows"),
      showPc(*this, "BrivexCmd5", "Info Pc"),
      close(*this, "TopButtons_XP1", ""),
      closeCaption(*this, "Label15", "Quitter"),
      chooseDriveCaption(*this, "Label4", "Séléctionner :"),
      driveList(*this, "Drive1"),
      driveFacts(program.platform.drives),
      volumeName(*this, "Label43"),
      driveType(*this, "Label44"),
      fileSystem(*this, "Label45"),
      serialNumber(*this, "Label46"),
      totalSpace(*this, "Label47"),
      freeSpace(*this, "Label48"),
      driveFreeGauge(*this, "BrivexPBar3", kBrivexPBar3Design),
      gaugesFrame(*this, "FramePlus1", "Brivex Mem:"),
      physicalFreeGauge(*this, "BrivexPBar2", kBrivexPBar2Design),
      physicalUsedGauge(*this, "BrivexPBar4", kBrivexPBar4Design),
      releaseMemory(*this, "Command1", "&Optimiser"),
      physicalTotal(*this, "Label32"),
      physicalUsed(*this, "Label33"),
      physicalFree(*this, "Label34"),
      virtualAndPaging(MakeLabels(*this, kVirtualAndPagingKeys)),
      virtualFreePercent(*this, "Label25"),
      virtualFreeGauge(*this, "PB1", kPB1Design),
      pagingFreePercent(*this, "Label26"),
      pagingFreeGauge(*this, "PB2", kPB2Design),
      memoryTimer(*this, "Timer1", program.loop, 500, false),
      showBiosReport(*this, "BrivexCmd9", "Information BIOS"),
      showBiosCharacteristics(*this, "BrivexCmd10", "Technologies supportée"),
      biosText(*this, "Text1", kBiosHelp),
      biosCharacteristics(*this, "List1"),
      biosHelp(*this, "BiosHelp", kBiosHelp),
      driveCaptions_(MakeArray<ui::Label>(*this, "LabelLec", drivesPanel, kDriveCaptions)),
      windowsCaptions_(MakeArray<ui::Label>(*this, "LabelWin", windowsPanel, Captions(kWindowsRows))),
      windowsRows_(MakeArray<ui::TextBox>(*this, "TextWin", windowsPanel, DesignTextsOf(kWindowsRows))),
      memoryCaptions_(MakeArray<ui::Label>(*this, "LabelMem", memoryPanel, kMemoryCaptions)),
      pcCaptions_(MakeArray<ui::Label>(*this, "LabelPc", pcPanel, Captions(kPcRows))),
      pcRows_(MakeArray<ui::TextBox>(*this, "TextPc", pcPanel, DesignTextsOf(kPcRows))) {
    close.SetToolTipText("Quitter");
    releaseMemory.SetToolTipText(kNetTip);
    showBiosReport.SetToolTipText(kNetTip);
    showBiosCharacteristics.SetToolTipText(kNetTip);
    Layout();
    OnCopy = [this] { program_.platform.shell.CopyText(MachineReport()); };
    showDrives.OnClick = [this] { ShowPanel(drivesPanel); };
    showMemory.OnClick = [this] { ShowPanel(memoryPanel); };
    showBios.OnClick = [this] { ShowPanel(biosPanel); };
    showWindows.OnClick = [this] { FillWindows(); };
    showPc.OnClick = [this] { FillPc(); };
    close.OnClick = [this] { Close(); };
    driveList.OnChange = [this] { RefreshDriveFacts(); };
    memoryTimer.OnTick = [this] { RefreshMemory(); };
    releaseMemory.OnClick = [this] { ReleaseMemory(); };
    showBiosReport.OnClick = [this] { ShowBiosReport(); };
    showBiosCharacteristics.OnClick = [this] { ShowBiosCharacteristics(); };
}

ui::Label& FrmInfoSys::Caption(const ui::FramePlus& panel, std::size_t row) {
    const auto& captions = &panel == &drivesPanel    ? driveCaptions_
                           : &panel == &windowsPanel ? windowsCaptions_
                           : &panel == &memoryPanel  ? memoryCaptions_
                                                     : pcCaptions_;
    assert(&panel != &biosPanel && "the BIOS panel has no rows");
    return *captions[row];
}

// The window was perhaps open before: it starts again as designed.
void FrmInfoSys::ReturnToDesignState() {
    for (std::size_t i = 0; i < kRowCount; ++i) {
        windowsRows_[i]->SetText(std::string(kWindowsRows[i].designText));
        pcRows_[i]->SetText(std::string(kPcRows[i].designText));
    }
    for (ui::FramePlus* panel : {&drivesPanel, &windowsPanel, &memoryPanel, &biosPanel, &pcPanel})
        panel->SetVisible(true);
    for (ui::Label* label : {&physicalTotal, &physicalUsed, &physicalFree, &virtualFreePercent, &pagingFreePercent})
        label->SetCaption("");
    for (const auto& label : virtualAndPaging) label->SetCaption("");
    for (BarControl* bar : {&physicalFreeGauge, &physicalUsedGauge, &virtualFreeGauge, &pagingFreeGauge})
        bar->SetValue(0);
    totalPhysical_ = 0;
    biosCharacteristics.Clear();
    biosCharacteristics.SetVisible(false);
    biosText.SetVisible(true);
    // The memory refresh starts with the window.
    memoryTimer.SetEnabled(true);
}

void FrmInfoSys::AfterTranslation() {
    // After the translation: the facts of this machine are no design texts
    // and must not reach the language files.
    driveList.Fill(program_.platform.drives.DriveList(), program_.AppFolder());
    RefreshDriveFacts();
    characteristicTexts_ = BiosCharacteristicTexts();
    biosText.SetText(biosHelp.Caption());
}

// The memory refresh goes with the window.
void FrmInfoSys::StopOnUnload() { memoryTimer.SetEnabled(false); }

void FrmInfoSys::ShowPanel(const ui::FramePlus& chosen) {
    for (ui::FramePlus* panel : {&pcPanel, &windowsPanel, &biosPanel, &drivesPanel, &memoryPanel})
        panel->SetVisible(panel == &chosen);
}

void FrmInfoSys::FillWindows() {
    ShowPanel(windowsPanel);
    for (const std::size_t row : kWindowsReadingOrder) {
        const RegistryRow& source = kWindowsRows[row];
        windowsRows_[row]->SetText(RowText(
            program_.reg.ReadValue(regroot::LocalMachine, std::string(source.key), std::string(source.valueName))));
    }
}

void FrmInfoSys::FillPc() {
    ShowPanel(pcPanel);
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
    driveFacts.SetDrive(driveList.Drive());
    volumeName.SetCaption(driveFacts.VolumeName());
    fileSystem.SetCaption(driveFacts.FileSystem());
    serialNumber.SetCaption(driveFacts.SerialNumber());
    totalSpace.SetCaption(SizeText(driveFacts.TotalSpace(), separator));
    freeSpace.SetCaption(SizeText(driveFacts.FreeSpace(), separator));
    driveType.SetCaption(DriveTypeText(driveFacts));
    driveFreeGauge.SetValue(DriveGauge(driveFacts));
}

void FrmInfoSys::RefreshMemory() {
    const MemoryStatusMB status = ReadMemoryStatus(program_.platform.system);
    const MemoryStatus raw = program_.platform.system.Memory();
    const MemoryFigures figures = ComputeMemoryFigures(status, raw, program_.platform.system.DecimalSeparator());
    totalPhysical_ = figures.totalPhysical;
    physicalTotal.SetCaption(figures.physicalTotal);
    physicalUsed.SetCaption(figures.physicalUsed);
    physicalFree.SetCaption(figures.physicalFree);
    physicalFreeGauge.SetValue(figures.physicalFreeGauge);
    // From what the bar shows, so the two always add up to 100.
    physicalUsedGauge.SetValue(100 - physicalFreeGauge.Value());
    for (std::size_t i = 0; i < virtualAndPaging.size(); ++i)
        virtualAndPaging[i]->SetCaption(figures.virtualAndPaging[i]);
    virtualFreePercent.SetCaption(figures.virtualFreePercent);
    pagingFreePercent.SetCaption(figures.pagingFreePercent);
    virtualFreeGauge.SetValue(figures.virtualFreeGauge);
    pagingFreeGauge.SetValue(figures.pagingFreeGauge);
}

void FrmInfoSys::ReleaseMemory() {
    const int answer = program_.dialogs.MsgBox(kReleaseQuestion, ui::mb::Information | ui::mb::YesNo, kReleaseTitle);
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
    const auto report = ReadBiosReport(program_.platform.management,
                                       [this](int month) { return program_.platform.system.MonthName(month); });
    if (!report) return ReportServiceDown();
    biosCharacteristics.SetVisible(false);
    biosText.SetVisible(true);
    biosText.SetText(*report);
}

void FrmInfoSys::ShowBiosCharacteristics() {
    const auto list = ReadBiosCharacteristics(program_.platform.management, characteristicTexts_);
    if (!list) return ReportServiceDown();
    biosCharacteristics.SetVisible(true);
    biosText.SetVisible(false);
    biosCharacteristics.Clear();
    for (const std::string& line : *list) biosCharacteristics.AddItem(line);
}

std::string FrmInfoSys::MachineReport() {
    std::string report;
    const auto line = [&](const std::string& text) { report += text + "\r\n"; };
    const auto row = [&](const ui::Label& caption, const std::string& value) {
        line(TrimRight(caption.Caption()) + "\t" + AsShown(value));
    };
    const char separator = program_.platform.system.DecimalSeparator();

    line(drivesPanel.Caption());
    row(chooseDriveCaption, driveList.Drive());
    const ui::Label* driveValues[] = {&volumeName, &driveType, &fileSystem, &serialNumber, &totalSpace, &freeSpace};
    for (std::size_t i = 0; i < 6; ++i) row(*driveCaptions_[i], driveValues[i]->Caption());

    line(windowsPanel.Caption());
    for (std::size_t i = 0; i < kRowCount; ++i)
        row(*windowsCaptions_[i],
            RowText(program_.reg.ReadValue(regroot::LocalMachine, std::string(kWindowsRows[i].key),
                                           std::string(kWindowsRows[i].valueName))));

    line(memoryPanel.Caption());
    const std::string memoryValues[] = {physicalTotal.Caption(),
                                        physicalUsed.Caption(),
                                        physicalFree.Caption(),
                                        std::to_string(physicalFreeGauge.Value()) + " %",
                                        std::to_string(physicalUsedGauge.Value()) + " %",
                                        virtualAndPaging[0]->Caption(),
                                        virtualAndPaging[1]->Caption(),
                                        virtualAndPaging[2]->Caption(),
                                        virtualAndPaging[3]->Caption(),
                                        virtualAndPaging[4]->Caption(),
                                        virtualAndPaging[5]->Caption(),
                                        virtualFreePercent.Caption(),
                                        pagingFreePercent.Caption()};
    for (std::size_t i = 0; i < memoryCaptions_.size(); ++i) row(*memoryCaptions_[i], memoryValues[i]);

    line(biosPanel.Caption());
    const auto biosReport = ReadBiosReport(program_.platform.management,
                                           [this](int month) { return program_.platform.system.MonthName(month); });
    report += biosReport ? *biosReport : std::string(kServiceDown) + "\r\n";

    line(pcPanel.Caption());
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

    close.SetPosition(look::DesignBounds(kWidth - 44, 10, 26, 24));
    // The cross the backup window's close button has; the caption stays empty, as designed.
    close.SetPicture(kCloseMarkPicture);
    closeCaption.SetPosition(look::DesignBounds(kWidth - 112, 14, 62, 16));
    closeCaption.SetLook(look::Text(8.25, true, look::kWhite, ui::Appearance::Align::Right));

    int top = kButtonsTop;
    for (ui::ButtonPlus* button : {&showDrives, &showMemory, &showBios, &showWindows, &showPc}) {
        button->SetPosition(look::DesignBounds(kButtonsLeft, top, kButtonWidth, kButtonHeight));
        button->SetLook(look::Text(9, true, 0));
        top += kButtonStep;
    }
    for (ui::FramePlus* panel : {&drivesPanel, &windowsPanel, &memoryPanel, &biosPanel, &pcPanel}) {
        panel->SetPosition(look::DesignBounds(kPanelLeft, kPanelTop, kPanelWidth, kPanelHeight));
        panel->SetLook(look::Text(9, true, look::kInk));
    }

    const ui::Appearance captionLook = look::Text(8.25, false, look::kInk);
    const ui::Appearance valueLook = look::Text(8.25, true, look::kInk);

    // Drives: the list, six rows, the gauge.
    // A caption beside a box or a list shares its row and its baseline.
    ui::Appearance besideBox = captionLook;
    besideBox.middle = true;
    PlaceAt(chooseDriveCaption, drivesPanel, look::DesignBounds(14, 34, 100, 24));
    chooseDriveCaption.SetLook(besideBox);
    PlaceAt(driveList, drivesPanel, look::DesignBounds(170, 34, 200, 24));
    ui::Label* driveValues[] = {&volumeName, &driveType, &fileSystem, &serialNumber, &totalSpace, &freeSpace};
    for (std::size_t i = 0; i < 6; ++i) {
        const int y = 80 + static_cast<int>(i) * 28;
        driveCaptions_[i]->SetPosition(look::DesignBounds(14, y, 150, 18));
        driveCaptions_[i]->SetLook(captionLook);
        PlaceAt(*driveValues[i], drivesPanel, look::DesignBounds(170, y, 270, 18));
        driveValues[i]->SetLook(valueLook);
    }
    PlaceAt(driveFreeGauge, drivesPanel, look::DesignBounds(170, 260, 86, 72));

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
    ui::Label* memoryValues[] = {&physicalTotal,
                                 &physicalUsed,
                                 &physicalFree,
                                 nullptr,
                                 nullptr,
                                 virtualAndPaging[0].get(),
                                 virtualAndPaging[1].get(),
                                 virtualAndPaging[2].get(),
                                 virtualAndPaging[3].get(),
                                 virtualAndPaging[4].get(),
                                 virtualAndPaging[5].get(),
                                 &virtualFreePercent,
                                 &pagingFreePercent};
    const int memoryTops[] = {34, 54, 74, 0, 0, 104, 124, 144, 164, 184, 204, 236, 290};
    for (std::size_t i = 0; i < memoryCaptions_.size(); ++i) {
        memoryCaptions_[i]->SetLook(captionLook);
        if (!memoryValues[i]) continue;
        memoryCaptions_[i]->SetPosition(look::DesignBounds(14, memoryTops[i], 190, 18));
        PlaceAt(*memoryValues[i], memoryPanel, look::DesignBounds(204, memoryTops[i], 82, 18));
        memoryValues[i]->SetLook(valueLook);
    }
    PlaceAt(gaugesFrame, memoryPanel, look::DesignBounds(290, 28, 156, 196));
    gaugesFrame.SetLook(look::Text(8.25, true, look::kInk));
    PlaceAt(*memoryCaptions_[3], gaugesFrame, look::DesignBounds(6, 24, 68, 16));
    PlaceAt(*memoryCaptions_[4], gaugesFrame, look::DesignBounds(74, 24, 80, 16));
    PlaceAt(physicalFreeGauge, gaugesFrame, look::DesignBounds(8, 44, 60, 100));
    PlaceAt(physicalUsedGauge, gaugesFrame, look::DesignBounds(84, 44, 60, 100));
    PlaceAt(releaseMemory, gaugesFrame, look::DesignBounds(8, 154, 136, 32));
    releaseMemory.SetLook(look::Text(9, true, 0));
    PlaceAt(virtualFreeGauge, memoryPanel, look::DesignBounds(14, 258, 428, 16));
    PlaceAt(pagingFreeGauge, memoryPanel, look::DesignBounds(14, 312, 428, 16));

    // BIOS: two commands above the report or the list, which share one place.
    PlaceAt(showBiosReport, biosPanel, look::DesignBounds(14, 32, 206, 32));
    PlaceAt(showBiosCharacteristics, biosPanel, look::DesignBounds(236, 32, 206, 32));
    for (ui::ButtonPlus* button : {&showBiosReport, &showBiosCharacteristics}) button->SetLook(look::Text(9, true, 0));
    PlaceAt(biosText, biosPanel, look::DesignBounds(14, 76, 428, 306));
    biosText.SetMultiLine(true);
    biosText.SetReadOnly(true);
    PlaceAt(biosCharacteristics, biosPanel, look::DesignBounds(14, 76, 428, 306));
    biosHelp.SetVisible(false);
}

}  // namespace brivex
