#include "sysinfo/FrmInfoSys.h"

#include <algorithm>

#include "app/AppFixture.h"
#include "app/Main.h"
#include "sysinfo/BiosReport.h"

namespace brivex::testing {
namespace {

constexpr RegKey HKLM = regroot::LocalMachine;
const std::string kCurrentVersion = "software\\microsoft\\windows nt\\currentversion";
const std::string kProcessor = "hardware\\Description\\system\\CentralProcessor\\0";
const std::string kSystem = "hardware\\Description\\system";

MemoryRegistry::StoredValue Sz(const std::string& t) { return {regtype::String, {t.begin(), t.end()}}; }
MemoryRegistry::StoredValue Dword(std::uint32_t v) {
    return {regtype::Dword,
            {static_cast<std::uint8_t>(v), static_cast<std::uint8_t>(v >> 8), static_cast<std::uint8_t>(v >> 16),
             static_cast<std::uint8_t>(v >> 24)}};
}

constexpr std::uint64_t kMB = 1024 * 1024;

class InfoSys : public AppFixture {
protected:
    InfoSys() {
        settings.SaveSetting("Brivex Doziv", "config", "first", "1");
        drives.facts['c'] = {"System", "NTFS", "1A2B-3C4D", 400.0, 100.0, 3};
        drives.facts['d'] = {"", "", "", 0.0, 0.0, 5};
        system.applicationFolder = folder.Path();
    }

    // The main window's "Info Système" opens the window.
    FrmInfoSys& Open() {
        if (!app().Home().Loaded()) Main(app().program);
        app().Home().openSystemInfo.Click();
        events.clear();
        return app().InfoSys();
    }
    static std::vector<std::string> RowTexts(FrmInfoSys& w, bool pc) {
        std::vector<std::string> texts;
        for (std::size_t i = 0; i < 8; ++i) texts.push_back((pc ? w.PcRow(i) : w.WindowsRow(i)).Text());
        return texts;
    }
    static std::vector<bool> Visible(FrmInfoSys& w) {
        return {w.drivesPanel.Visible(), w.windowsPanel.Visible(), w.memoryPanel.Visible(), w.biosPanel.Visible(),
                w.pcPanel.Visible()};
    }
    // The values read, as "last key component:value name", each once however often a read queries.
    std::vector<std::string> Reads(const std::function<void()>& action) {
        std::vector<std::string> reads;
        std::string key;
        registryRecorder.OnOpen = [&](const std::string& path) { key = path.substr(path.find_last_of('\\') + 1); };
        registryRecorder.OnQuery = [&](const std::string& name) {
            if (reads.empty() || reads.back() != key + ":" + name) reads.push_back(key + ":" + name);
        };
        action();
        registryRecorder.OnOpen = nullptr;
        registryRecorder.OnQuery = nullptr;
        return reads;
    }
    void SetMemory(double totalPhysMB, double freePhysMB, double totalVirtualMB, double freeVirtualMB,
                   double totalPageMB, double freePageMB) {
        const auto bytes = [](double mb) { return static_cast<std::uint64_t>(mb * kMB); };
        system.memory = {40,
                         bytes(totalPhysMB),
                         bytes(freePhysMB),
                         bytes(totalPageMB),
                         bytes(freePageMB),
                         bytes(totalVirtualMB),
                         bytes(freeVirtualMB)};
    }
    void ScriptBios(std::vector<ManagementInstance> instances) {
        management.AnswerQuery(kBiosQuery, std::move(instances));
    }
};

ManagementInstance WineLikeBios() {
    return {{"Manufacturer", std::string("The Wine Project")},
            {"Description", std::string("Default System BIOS")},
            {"SMBIOSBIOSVersion", std::string("Wine")},
            {"SMBIOSMajorVersion", std::int64_t{2}},
            {"SMBIOSMinorVersion", std::int64_t{4}}};
}

using InfoSys_Window = InfoSys;

TEST_F(InfoSys_Window, LoadFillsTheDrivePanelAfterTheTranslationSoNoDriveFactReachesTheLanguageFiles) {
    FrmInfoSys& window = Open();
    EXPECT_EQ(ReadIni(FrenchFile(), "FrmInfoSys", "Label43.Caption"), "<absent>");
    EXPECT_EQ(window.volumeName.Caption(), "System");
    EXPECT_EQ(Visible(window), (std::vector<bool>{true, true, true, true, true}))
        << "all five at load, drives in front";
    EXPECT_TRUE(window.memoryTimer.Enabled());
}

TEST_F(InfoSys_Window, EachPanelButtonShowsItsPanelAlone) {
    FrmInfoSys& window = Open();
    struct Case {
        ui::ButtonPlus* button;
        std::vector<bool> visible;  // lec, win, mem, bios, pc
    };
    for (const Case& c : {Case{&window.showMemory, {false, false, true, false, false}},
                          Case{&window.showBios, {false, false, false, true, false}},
                          Case{&window.showWindows, {false, true, false, false, false}},
                          Case{&window.showPc, {false, false, false, false, true}},
                          Case{&window.showDrives, {true, false, false, false, false}}}) {
        c.button->Click();
        EXPECT_EQ(Visible(window), c.visible) << c.button->Caption();
    }
}

TEST_F(InfoSys_Window, CloseStopsTheRefresh) {
    FrmInfoSys& window = Open();
    window.close.Click();
    EXPECT_FALSE(window.memoryTimer.Enabled());
}

TEST_F(InfoSys_Window, AReopenedWindowStartsAsDesigned) {
    SetMemory(2048, 1024, 8192, 4096, 4096, 1024);
    ScriptBios({WineLikeBios()});
    FrmInfoSys& window = Open();
    loop.AdvanceBy(500);
    window.showWindows.Click();
    window.showBiosCharacteristics.Click();
    window.close.Click();
    Open();
    EXPECT_EQ(RowTexts(window, false)[0], "  Inconnu");
    EXPECT_EQ(window.TotalPhysical(), 0.0f);
    EXPECT_EQ(window.physicalTotal.Caption(), "");
    EXPECT_TRUE(window.biosText.Visible());
    EXPECT_FALSE(window.biosCharacteristics.Visible());
    EXPECT_EQ(Visible(window), (std::vector<bool>{true, true, true, true, true}));
    EXPECT_NE(window.biosText.Text().find("Information BIOS"), std::string::npos) << "the help is back";
}

using InfoSys_Rows = InfoSys;

TEST_F(InfoSys_Rows, WindowsRowsShowTextNumberOrTwoBlanksInTheirReadingOrder) {
    registry.PutValue(HKLM, kCurrentVersion, "productname", Sz("Microsoft Windows XP"));
    registry.PutValue(HKLM, kCurrentVersion, "currentversion", Sz("5.1"));
    registry.PutValue(HKLM, kCurrentVersion, "productid", Dword(76487));
    registry.PutValue(HKLM, kCurrentVersion, "RegisteredOwner", Sz("Marie Dupont"));
    registry.PutValue(HKLM, kCurrentVersion, "RegisteredOrganization", {regtype::Binary, {1, 2}});
    registry.PutValue(HKLM, "software\\microsoft\\internet explorer", "version", Sz("6.0.2900.5512"));
    registry.PutValue(HKLM, "system\\currentcontrolset\\control\\TimeZoneInformation", "StandardName",
                      Sz("Paris, Madrid"));
    registry.CreateKey(HKLM, "software\\microsoft\\directx");
    FrmInfoSys& window = Open();
    EXPECT_EQ(RowTexts(window, false)[3], "   Inconnu") << "design text before the first fill";
    const auto reads = Reads([&] { window.showWindows.Click(); });
    EXPECT_EQ(RowTexts(window, false),
              (std::vector<std::string>{"  Microsoft Windows XP", "  5.1", "  76487", "  Marie Dupont", "  ",
                                        "  6.0.2900.5512", "  Paris, Madrid", "  "}))
        << "the owner under the key caption; another type and a missing DirectX show two blanks";
    EXPECT_EQ(reads, (std::vector<std::string>{"currentversion:productname", "currentversion:currentversion",
                                               "currentversion:RegisteredOrganization", "currentversion:productid",
                                               "currentversion:RegisteredOwner", "TimeZoneInformation:StandardName",
                                               "directx:version", "internet explorer:version"}));
}

TEST_F(InfoSys_Rows, PcRowsReadInOrderAndTheMemoryRowTakesTheTotalOfTheLastRefresh) {
    registry.PutValue(HKLM, kProcessor, "VendorIdentifier", Sz("GenuineIntel"));
    registry.PutValue(HKLM, kProcessor, "Identifier", Sz("x86 Family 6"));
    registry.PutValue(HKLM, kProcessor, "~Mhz", Dword(2400));
    registry.PutValue(HKLM, kCurrentVersion, "CurrentType", Sz("Uniprocessor Free"));
    registry.PutValue(HKLM, kSystem, "SystemBiosDate", Sz("01/15/09"));
    registry.PutValue(HKLM, "System\\CurrentControlSet\\Control\\ComputerName\\ComputerName", "ComputerName",
                      Sz("BUREAU"));
    SetMemory(2047.4, 1024, 8192, 4096, 4096, 1024);
    FrmInfoSys& window = Open();
    const auto reads = Reads([&] { window.showPc.Click(); });
    EXPECT_EQ(RowTexts(window, true),
              (std::vector<std::string>{"  GenuineIntel", "  x86 Family 6", "  Uniprocessor Free", "  0   MO",
                                        "  01/15/09", "  ", "  BUREAU", "  2400"}))
        << "within the first half second the total is still 0";
    EXPECT_EQ(reads, (std::vector<std::string>{"0:Identifier", "0:VendorIdentifier", "0:~Mhz",
                                               "ComputerName:ComputerName", "currentversion:CurrentType",
                                               "system:SystemBiosDate", "system:VideoBiosDate"}));
    loop.AdvanceBy(500);
    window.showPc.Click();
    EXPECT_EQ(window.PcRow(3).Text(), "  2048   MO");
}

// One refresh of the memory panel, with the user's separator.
struct MemoryCase {
    char separator;
    double totalPhysMB, freePhysMB, totalVirtualMB, freeVirtualMB, totalPageMB, freePageMB;
    const char *label32, *label33, *label34;
    int bar2;
    const char* label25;
    int pb1;
    const char* label26;
    int pb2;
};

TEST_F(InfoSys_Rows, MemoryRefreshComputesAndFormatsEveryFigure) {
    const MemoryCase cases[] = {
        // 1023.6 + 1 rounds up to 1025; 87.456 % of virtual space free.
        {',', 1023.6, 512.25, 100000, 87456, 2000, 1000, "1025 Mo", "512,7 Mo", "512,3 Mo", 50, "87,46 %", 87, "50, %",
         50},
        {'.', 1023.6, 512.25, 100000, 87456, 2000, 1000, "1025 Mo", "512.7 Mo", "512.3 Mo", 50, "87.46 %", 87, "50. %",
         50},
        // All free and none free: the separator alone shows 0 %.
        {',', 4095, 1000, 3000, 3000, 2000, 0, "4096 Mo", "3096 Mo", "1000,0 Mo", 24, "100, %", 100, ", %", 0},
        // 1536.7 + 1 is no tie: it rounds up to 1538, where cutting the fraction gives 1537.
        {',', 1536.7, 1000, 3000, 3000, 2000, 0, "1538 Mo", "538 Mo", "1000,0 Mo", 65, "100, %", 100, ", %", 0},
    };
    for (const MemoryCase& c : cases) {
        system.decimalSeparator = c.separator;
        SetMemory(c.totalPhysMB, c.freePhysMB, c.totalVirtualMB, c.freeVirtualMB, c.totalPageMB, c.freePageMB);
        FrmInfoSys& window = Open();
        loop.AdvanceBy(500);
        EXPECT_EQ(window.physicalTotal.Caption(), c.label32);
        EXPECT_EQ(window.physicalUsed.Caption(), c.label33);
        EXPECT_EQ(window.physicalFree.Caption(), c.label34);
        EXPECT_EQ(window.physicalFreeGauge.Value(), c.bar2);
        EXPECT_EQ(window.physicalFreeGauge.Value() + window.physicalUsedGauge.Value(), 100)
            << "the two gauges add up to 100";
        EXPECT_EQ(window.virtualFreePercent.Caption(), c.label25);
        EXPECT_EQ(window.virtualFreeGauge.Value(), c.pb1);
        EXPECT_EQ(window.pagingFreePercent.Caption(), c.label26);
        EXPECT_EQ(window.pagingFreeGauge.Value(), c.pb2);
        window.close.Click();
    }
}

TEST_F(InfoSys_Rows, VirtualAndPagingRowsAreWholeMegabytesRefreshedEveryHalfSecond) {
    SetMemory(1024, 512, 2048, 1536.5, 3072, 1000.5);
    FrmInfoSys& window = Open();
    EXPECT_EQ(window.virtualAndPaging[0]->Caption(), "") << "nothing before the first tick";
    loop.AdvanceBy(500);
    std::vector<std::string> rows;
    for (const auto& label : window.virtualAndPaging) rows.push_back(label->Caption());
    EXPECT_EQ(rows, (std::vector<std::string>{"2048 Mo", "1536 Mo", "512 Mo", "3072 Mo", "1000 Mo", "2072 Mo"}))
        << "1536.5 and 1000.5 round to the even neighbour";
    SetMemory(1024, 256, 2048, 1024, 3072, 3072);
    loop.AdvanceBy(499);
    EXPECT_EQ(window.virtualAndPaging[1]->Caption(), "1536 Mo");
    loop.AdvanceBy(1);
    EXPECT_EQ(window.virtualAndPaging[1]->Caption(), "1024 Mo");
    EXPECT_EQ(window.physicalFree.Caption(), "256,0 Mo");
}

TEST_F(InfoSys_Rows, MemoryReleaseAsksThenOpensTheDownloadPageOrReleasesSilently) {
    FrmInfoSys& window = Open();
    const std::size_t before = dialogs.Calls().size();
    dialogs.Answer(ui::mb::AnswerYes);
    window.releaseMemory.Click();
    ASSERT_EQ(dialogs.Calls().size(), before + 1);
    const auto& question = dialogs.Calls().back();
    EXPECT_EQ(
        question.text,
        "Cette optmisation de la Ram est du niveau 1, vous pouvez télécharger 'Brivex Free' pour une "
        "optimisation de niveau 4 avec optmisation de CPU.\r\rVoulez vous télécharger 'Brivex Free' maintenant ?");
    EXPECT_EQ(question.flags, 68);
    EXPECT_EQ(question.title, "Velmora Xp V3.0");
    EXPECT_EQ(shell.log.back(), "open http://www.velmora-doziv.example/Download");

    shell.log.clear();
    dialogs.Answer(ui::mb::AnswerNo);
    window.releaseMemory.Click();
    EXPECT_EQ(dialogs.Calls().size(), before + 2) << "the question, and nothing after it";
    EXPECT_TRUE(shell.log.empty());
}

using InfoSys_Drives = InfoSys;

TEST_F(InfoSys_Drives, RowsTypeTextsAndGaugeFollowTheChosenDrive) {
    struct Case {
        int type;
        double total, free;
        const char* typeText;
        int gauge;
    };
    const Case cases[] = {
        {5, 0, 0, "CDROM", 0},
        {3, 400, 100, "Lecteur Fixe", 25},
        {6, 800, 100, "Lecteur RAM", 12},
        {2, 200, 27, "Lecteur Removable", 14},
        {4, 1000, 1000, "Lecteur à distance", 100},
        {0, 10, 5, "Lecteur unconnu", 50},
        {1, 10, 5, "Lecteur unconnu", 50},
    };
    system.decimalSeparator = ',';
    FrmInfoSys& window = Open();
    for (const Case& c : cases) {
        drives.facts['d'] = {"DATA", "FAT32", "0000-1111", c.total, c.free, c.type};
        window.driveList.UserSelected(0);
        window.driveList.UserSelected(1);
        EXPECT_EQ(window.driveType.Caption(), c.typeText) << c.type;
        EXPECT_EQ(window.driveFreeGauge.Value(), c.gauge) << c.type;
    }
    drives.facts['d'] = {"DATA", "FAT32", "0000-1111", 123456789012.0, 2.5, 3};
    window.driveList.UserSelected(0);
    window.driveList.UserSelected(1);
    EXPECT_EQ((std::vector<std::string>{window.volumeName.Caption(), window.fileSystem.Caption(),
                                        window.serialNumber.Caption(), window.totalSpace.Caption(),
                                        window.freeSpace.Caption()}),
              (std::vector<std::string>{"DATA", "FAT32", "0000-1111", "123456789012", "2,5"}));
}

TEST_F(InfoSys_Drives, TheListNamesEveryDriveButReadsOnlyLocalDisksAndTheLoadOnlyTheChosenDrive) {
    drives.facts['e'] = {"", "NTFS", "", 0, 0, 3};
    drives.facts['n'] = {"Partage", "NTFS", "0000-1111", 800.0, 80.0, 4};  // its server is gone
    drives.remoteNames['n'] = "\\\\serveur\\partage";
    drives.facts['p'] = {"Perdu", "NTFS", "", 0, 0, 4};  // a mapping the system does not remember
    drives.facts['r'] = {"RAM", "FAT", "", 0, 0, 6};
    FrmInfoSys& window = Open();
    EXPECT_EQ(window.driveList.Items(),
              (std::vector<std::string>{"c: [System]", "d:", "e:", "n: [\\\\serveur\\partage]", "p:", "r: [RAM]"}));
    EXPECT_EQ(window.driveList.Drive(), "c: [System]");
    EXPECT_EQ(window.driveType.Caption(), "Lecteur Fixe");
    EXPECT_EQ(window.driveFreeGauge.Value(), 25);
    const std::map<char, int> reads = {{'c', 2}, {'e', 1}, {'r', 1}};  // the labels, then c's facts
    EXPECT_EQ(drives.mediaReads, reads) << "a network drive whose server is gone would hold the window";
    window.showDrives.Click();
    EXPECT_EQ(drives.mediaReads, reads) << "Info Disque only brings the panel to the front";
    window.driveList.UserSelected(3);
    EXPECT_EQ(window.volumeName.Caption(), "Partage") << "chosen, the network drive is read";
}

using InfoSys_Bios = InfoSys;

TEST_F(InfoSys_Bios, ReportIsRebuiltOnEveryClickNotDoubled) {
    ManagementInstance bios = WineLikeBios();
    bios["ListOfLanguages"] = std::vector<std::string>{"fr|FR|iso8859-1", "   ", "en|US|iso8859-1"};
    ScriptBios({bios});
    management.AnswerQuery(kReleaseDateQuery, {{{"ReleaseDate", std::string("20090415000000.000000+000")}}});
    FrmInfoSys& window = Open();
    window.showBiosCharacteristics.Click();
    window.showBiosReport.Click();
    const std::string first = window.biosText.Text();
    window.showBiosReport.Click();
    EXPECT_EQ(window.biosText.Text(), first);
    EXPECT_TRUE(window.biosText.Visible());
    EXPECT_FALSE(window.biosCharacteristics.Visible());
    EXPECT_EQ(first,
              "System BIOS Details : \r\n---------------------\r\n"
              "Manufacturer:\tThe Wine Project\r\n"
              "Description:\tDefault System BIOS\r\n"
              "Release Date:\t15 - avril - 2009\r\n"
              "Status\t:\t\r\n"
              "BIOS Version:\tWine\r\n"
              "Language Courrent\t:\t\r\n"
              "----------------------------------------------------------\r\n"
              "SM BIOS Present\t\t:\t\r\n"
              "SM BIOS Version majeure\t:\t2\r\n"
              "SM BIOS Version mineure\t:\t4\r\n"
              "----------------------------------------------------------\r\n"
              "BIOS Installable Languages\t : \tfr|FR|iso8859-1\r\n"
              "BIOS Installable Languages\t : \ten|US|iso8859-1\r\n"
              "----------------------------------------------------------\r\n");
    const auto& requests = management.QueryRequests();
    ASSERT_GE(requests.size(), 2u);
    EXPECT_EQ(requests.back().moniker, "Winmgmts:");
    EXPECT_EQ(requests.back().query, "SELECT ReleaseDate FROM Win32_BIOS");
    EXPECT_EQ(requests[requests.size() - 2].query,
              "SELECT Name,BiosCharacteristics,SMBIOSPresent,SMBIOSMajorVersion,SMBIOSMinorVersion,Version,"
              "SMBIOSBIOSVersion,ListOfLanguages,Description,CurrentLanguage,Manufacturer,Status FROM Win32_BIOS");
}

TEST_F(InfoSys_Bios, CharacteristicsListFollowsTheCodesOrderAndKeepsItsContentAcrossPanels) {
    ManagementInstance bios = WineLikeBios();
    bios["BiosCharacteristics"] = std::vector<std::int64_t>{4, 7, 9, 40, 42};
    ScriptBios({bios});
    FrmInfoSys& window = Open();
    window.showBiosCharacteristics.Click();
    window.showBiosCharacteristics.Click();
    const std::vector<std::string> expected = {"ISA est supportée", "PCI est supportée", "Plug and Play est supportée",
                                               ""};
    EXPECT_EQ(window.biosCharacteristics.Items(), expected);
    EXPECT_TRUE(window.biosCharacteristics.Visible());
    EXPECT_FALSE(window.biosText.Visible());
    window.showWindows.Click();
    window.showBios.Click();
    EXPECT_EQ(window.biosCharacteristics.Items(), expected);
}

TEST_F(InfoSys_Bios, AServiceThatDoesNotAnswerSaysSoAndLeavesThePanelAsItWas) {
    ScriptBios({WineLikeBios()});
    FrmInfoSys& window = Open();
    window.showBiosReport.Click();
    const std::string report = window.biosText.Text();
    management.FailToBind();
    for (ui::ButtonPlus* button : {&window.showBiosCharacteristics, &window.showBiosReport}) {
        const std::size_t before = dialogs.Calls().size();
        button->Click();
        ASSERT_EQ(dialogs.Calls().size(), before + 1) << button->Caption();
        EXPECT_EQ(dialogs.Calls().back().text, "Le service WMI ne répond pas : informations BIOS indisponibles.");
        EXPECT_EQ(dialogs.Calls().back().flags, 64);
        EXPECT_EQ(dialogs.Calls().back().title, "") << "the application title shows";
        EXPECT_EQ(window.biosText.Text(), report);
        EXPECT_TRUE(window.biosText.Visible());
        EXPECT_FALSE(window.biosCharacteristics.Visible());
    }
}

using InfoSys_Copy = InfoSys;

TEST_F(InfoSys_Copy, CtrlCCopiesTheWholeMachineAsPlainTextWithoutChangingTheWindow) {
    registry.PutValue(HKLM, kCurrentVersion, "productname", Sz("Microsoft Windows XP"));
    registry.PutValue(HKLM, kCurrentVersion, "RegisteredOwner", Sz(std::string("Marie Dupont\0", 13)));
    registry.PutValue(HKLM, kProcessor, "~Mhz", Dword(2400));
    SetMemory(2047.4, 1024, 2048, 1024, 1000, 250);
    ScriptBios({WineLikeBios()});
    system.decimalSeparator = ',';
    FrmInfoSys& window = Open();
    loop.AdvanceBy(500);
    ASSERT_TRUE(window.OnCopy);
    window.OnCopy();
    EXPECT_EQ(shell.log.back(), "copy");
    EXPECT_EQ(shell.clipboard,
              "Informations sur les Lecteurs :\r\n"
              "Séléctionner :\tc: [System]\r\n"
              "Nom du Volume :\tSystem\r\n"
              "Type du lecteur :\tLecteur Fixe\r\n"
              "Système de fichier :\tNTFS\r\n"
              "N°= de Série :\t1A2B-3C4D\r\n"
              "Espace Total :\t400\r\n"
              "Espace libre :\t100\r\n"
              "Information Windows :\r\n"
              "Système d'exploitation :\tMicrosoft Windows XP\r\n"
              "Version du Windows :\t\r\n"
              "ID de Windows :\t\r\n"
              "Clé de Windows :\tMarie Dupont\r\n"
              "Nom de l'organisation :\t\r\n"
              "Version d'Internet Explorer:\t\r\n"
              "La zone géographique :\t\r\n"
              "La version de Direct X :\t\r\n"
              "Information Mémoire :\r\n"
              "Mémoire Physique Totale :\t2048 Mo\r\n"
              "Mémoire Physique Utilisée :\t1024 Mo\r\n"
              "Mémoire Physique Libre :\t1024,0 Mo\r\n"
              "Mem Libre :\t50 %\r\n"
              "Mem Occupée :\t50 %\r\n"
              "Mémoire Virtuelle :\t2048 Mo\r\n"
              "Mémoire Virtuelle libre :\t1024 Mo\r\n"
              "Mémoire Virtuelle occupée :\t1024 Mo\r\n"
              "Taille du fichier de pagination :\t1000 Mo\r\n"
              "dont libres :\t250 Mo\r\n"
              "dont chargés :\t750 Mo\r\n"
              "Mémoire Virtuelle libre :\t50, %\r\n"
              "Taille du fichier pagination :\t25, %\r\n"
              "Information BIOS :\r\n"
              "System BIOS Details : \r\n---------------------\r\n"
              "Manufacturer:\tThe Wine Project\r\n"
              "Description:\tDefault System BIOS\r\n"
              "Release Date:\t\r\n"
              "Status\t:\t\r\n"
              "BIOS Version:\tWine\r\n"
              "Language Courrent\t:\t\r\n"
              "----------------------------------------------------------\r\n"
              "SM BIOS Present\t\t:\t\r\n"
              "SM BIOS Version majeure\t:\t2\r\n"
              "SM BIOS Version mineure\t:\t4\r\n"
              "----------------------------------------------------------\r\n"
              "----------------------------------------------------------\r\n"
              "Information PC  :\r\n"
              "Constructeur du Processeur :\t\r\n"
              "Type du Processeur :\t\r\n"
              "Nombre de Processeur:\t\r\n"
              "Mémoire phyique Totale :\t2048   MO\r\n"
              "Date du Bios :\t\r\n"
              "Carte Video Date:\t\r\n"
              "Nom de la machine :\t\r\n"
              "Fréquence du Processeur en MHz :\t2400\r\n");
    EXPECT_EQ(window.WindowsRow(0).Text(), "  Inconnu") << "the rows are read for the copy, not filled";
    EXPECT_EQ(window.PcRow(7).Text(), "    Inconnu");
    EXPECT_NE(window.biosText.Text().find("Information BIOS"), std::string::npos) << "the help stays";
}

}  // namespace
}  // namespace brivex::testing
