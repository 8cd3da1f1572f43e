// The system information window under Wine: opened from the main window, each
// panel's rows read against the Wine registry and memory, the BIOS report and
// list from Wine's management service, the copy of the whole machine, and the
// window closed again, all from outside through the windows.

#include <gtest/gtest.h>

#include <string>

#include "e2e/ProgramUnderTest.h"

namespace brivex::e2e {
namespace {

constexpr DWORD kWindowTimeout = 60000;
const std::wstring kMainCaption = L"Velmora Xp";
const std::wstring kCaption = L"Brivex Information Syt\u00e8me - Velmora Xp";
const wchar_t kCurrentVersion[] = L"software\\microsoft\\windows nt\\currentversion";

std::wstring Megabytes(DWORDLONG bytes) {
    return std::to_wstring(static_cast<long long>(static_cast<double>(bytes) / 1024.0 / 1024.0 + 0.5)) + L" Mo";
}

class InfoSysE2e : public ::testing::Test {
protected:
    InfoSysE2e() {
        EndLeftoverInstances();
        ClearSettings();
        SaveSetting(L"config", L"first", L"1");
    }
    ~InfoSysE2e() override { ClearSettings(); }

    Installation installation;
};

TEST_F(InfoSysE2e, PanelsShowWinesRegistryMemoryAndBiosThenCloseBackToTheMainWindow) {
    Program program(installation.Exe());
    HWND main = program.WaitForWindow(kMainCaption, kWindowTimeout);
    ASSERT_NE(main, nullptr);
    Click(FindChild(main, L"Info Syst\u00e8me"));
    HWND window = program.WaitForWindow(kCaption, 10000);
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(Poll(3000, [&] { return IsIconic(main) != FALSE; })) << "the main window is minimised";

    // Drives first: the list is filled and the chosen drive's type shows.
    HWND drives = VisibleChildOfClass(window, L"ComboBox");
    ASSERT_NE(drives, nullptr);
    EXPECT_GT(SendMessageW(drives, CB_GETCOUNT, 0, 0), 0);
    EXPECT_NE(RowText(window, L"Type du lecteur :"), L"Lecteur unconnu");

    Click(FindChild(window, L"Info Windows"));
    const auto product = TextValue(HKEY_LOCAL_MACHINE, kCurrentVersion, L"ProductName");
    ASSERT_TRUE(Poll(3000, [&] { return RowText(window, L"Syst\u00e8me d'exploitation :") != L"  Inconnu"; }));
    EXPECT_EQ(RowText(window, L"Syst\u00e8me d'exploitation :"), L"  " + product.value_or(L""));
    EXPECT_EQ(RowText(window, L"Cl\u00e9 de Windows :"),
              L"  " + TextValue(HKEY_LOCAL_MACHINE, kCurrentVersion, L"RegisteredOwner").value_or(L""));

    Click(FindChild(window, L"Info Pc"));
    ASSERT_TRUE(Poll(3000, [&] { return RowText(window, L"Nom de la machine :") != L"    Inconnu"; }));
    EXPECT_EQ(RowText(window, L"Nom de la machine :"),
              L"  " + TextValue(HKEY_LOCAL_MACHINE, L"System\\CurrentControlSet\\Control\\ComputerName\\ComputerName",
                                L"ComputerName")
                          .value_or(L""));
    const auto mhz = DwordValue(HKEY_LOCAL_MACHINE, L"hardware\\Description\\system\\CentralProcessor\\0", L"~Mhz");
    EXPECT_EQ(RowText(window, L"Fr\u00e9quence du Processeur en MHz :"), mhz ? L"  " + std::to_wstring(*mhz) : L"  ");
    EXPECT_NE(RowText(window, L"M\u00e9moire phyique Totale :").find(L"   MO"), std::wstring::npos);

    Click(FindChild(window, L"Info M\u00e9moire"));
    MEMORYSTATUSEX memory = {};
    memory.dwLength = sizeof memory;
    ASSERT_TRUE(GlobalMemoryStatusEx(&memory));
    ASSERT_TRUE(Poll(3000, [&] { return !RowText(window, L"M\u00e9moire Virtuelle :").empty(); }));
    EXPECT_EQ(RowText(window, L"M\u00e9moire Virtuelle :"), Megabytes(memory.ullTotalVirtual));
    EXPECT_EQ(RowText(window, L"Taille du fichier de pagination :"), Megabytes(memory.ullTotalPageFile));
    EXPECT_EQ(
        RowText(window, L"M\u00e9moire Physique Totale :"),
        std::to_wstring(static_cast<long long>(static_cast<double>(memory.ullTotalPhys) / 1024 / 1024 + 1.5)) + L" Mo");

    Click(FindChild(window, L"Info BIOS"));
    Click(FindChild(window, L"Information BIOS"));
    HWND report = nullptr;
    ASSERT_TRUE(Poll(10000, [&] {
        report = VisibleChildOfClass(window, L"Edit");
        return report && TextOf(report).rfind(L"System BIOS Details", 0) == 0;
    }));
    EXPECT_EQ(TextOf(report).substr(0, 127),
              L"System BIOS Details : \r\n---------------------\r\n"
              L"Manufacturer:\tThe Wine Project\r\n"
              L"Description:\tDefault System BIOS\r\n"
              L"Release Date:\t");
    EXPECT_NE(TextOf(report).find(L"SM BIOS Version majeure\t:\t2\r\nSM BIOS Version mineure\t:\t4\r\n"),
              std::wstring::npos);

    Click(FindChild(window, L"Technologies support\u00e9e"));
    HWND list = nullptr;
    ASSERT_TRUE(Poll(10000, [&] { return (list = VisibleChildOfClass(window, L"ListBox")) != nullptr; }));
    EXPECT_EQ(SendMessageW(list, LB_GETCOUNT, 0, 0), 0) << "Wine's BIOS declares no characteristics";
    EXPECT_FALSE(IsWindowVisible(report));

    // Posted, as the window's own Ctrl+C does it: a message sent from another
    // process would forbid the window the management service's calls.
    EmptyTheClipboard();
    PostMessageW(window, WM_COPY, 0, 0);
    std::wstring copied;
    EXPECT_TRUE(Poll(10000, [&] { return !(copied = ClipboardText()).empty(); }));
    EXPECT_EQ(copied.rfind(L"Informations sur les Lecteurs :\r\n", 0), 0u) << "the copy starts with the drives";
    EXPECT_NE(copied.find(L"Manufacturer:\tThe Wine Project\r\n"), std::wstring::npos);
    EXPECT_NE(copied.find(L"Syst\u00e8me d'exploitation :\t" + product.value_or(L"") + L"\r\n"), std::wstring::npos)
        << std::string(copied.begin(), copied.end());

    // The close button shows a drawn cross and no caption: a screen reader finds it by the name its tip gives it.
    HWND close = nullptr;
    for (HWND child : Children(window)) {
        wchar_t className[16] = {};
        GetClassNameW(child, className, 16);
        if (TextOf(child) == L"Quitter" && lstrcmpiW(className, L"Button") == 0) close = child;
    }
    ASSERT_NE(close, nullptr) << "a button named Quitter";
    Click(close);
    EXPECT_TRUE(Poll(5000, [&] { return !IsWindow(window) || !IsWindowVisible(window); }));
    EXPECT_TRUE(Poll(5000, [&] { return IsIconic(main) == FALSE && IsWindowVisible(main); })) << "restored";
    Click(FindChild(main, L"Quitter"));
    EXPECT_TRUE(program.WaitForExit(10000));
    if (HasFailure()) SaveScreenshot(L"infosys_e2e");
}

}  // namespace
}  // namespace brivex::e2e
