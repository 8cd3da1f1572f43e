#include "tweaks/TweakCatalogue.h"

#include <algorithm>
#include <array>

namespace brivex {

namespace {

using namespace std::string_view_literals;

constexpr RegKey HKCU = regroot::CurrentUser;
constexpr RegKey HKLM = regroot::LocalMachine;
constexpr RegKey HKU = regroot::Users;
constexpr std::int32_t SZ = 1;
constexpr std::int32_t DWORD = 4;

constexpr auto K1 = "SOFTWARE\\Microsoft\\PCHealth\\ErrorReporting"sv;
constexpr auto K2 = "Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer"sv;
constexpr auto K3 = "Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer\\Advanced"sv;
constexpr auto K4 = "SOFTWARE\\Microsoft\\Security Center"sv;

// The check box numbers skip 10 and 11. Captions keep their doubled blanks.
// "NoLowDiskSpaceChecks", "Hidden", "ShowSuperHidden", "AutoReboot" and
// "EnableUDMA66" once took the same data from both buttons, so neither button
// could undo the other; each button now writes its own side. The REG_SZ rows
// stay texts, "0" and "1" included.
constexpr TweakWrite kRows[] = {
    {"BrivexCB1", "Le rapport d'erreur", HKLM, K1, "AllOrNone", SZ, "0", "1"},
    {"", "", HKLM, K1, "DoReport", DWORD, "00000000", "1"},
    {"", "", HKLM, K1, "IncludeKernelFaults", SZ, "0", "1"},
    {"", "", HKLM, K1, "IncludeMicrosoftApps", SZ, "0", "1"},
    {"", "", HKLM, K1, "IncludeWindowsApps", SZ, "0", "1"},
    {"", "", HKLM, K1, "ShowUI", SZ, "0", "1"},
    {"BrivexCB2", "Gestion des processus", HKCU, "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer",
     "DesktopProcess", DWORD, "0", "1"},
    {"BrivexCB3", "Le  service de gravure de Windows", HKLM, K2, "NoCDBurning", SZ, "1", "0"},
    {"BrivexCB4", "Les DLL inutilisées de la mémoire", HKLM, K2, "AlwaysUnloadDll", SZ, "1", "0"},
    {"BrivexCB5", "La notification \" Espace insuffisant\"", HKLM, K2, "NoLowDiskSpaceChecks", SZ, "1", "0"},
    {"BrivexCB6", "L'extension des fichiers", HKLM, K3, "HideFileExt", SZ, "1", "0"},
    {"BrivexCB7", "Les fichiers cachés", HKLM, K3, "Hidden", SZ, "2", "1"},
    {"BrivexCB8", "Les fichiers systèmes", HKCU, "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Advanced",
     "ShowSuperHidden", SZ, "0", "1"},
    {"BrivexCB9", "L'assistant de recherche", HKCU,
     "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\CabinetState", "use search asst", SZ, "no", "yes"},
    {"BrivexCB12", "La touche  \"Verr Num\"", HKU, ".DEFAULT\\Control Panel\\Keyboard", "InitialKeyboardIndicators",
     SZ, "2", "1"},
    {"BrivexCB13", "Redémarrage automatique en cas de plantage", HKLM, "SYSTEM\\CurrentControlSet\\Control\\CrashControl",
     "AutoReboot", SZ, "0", "1"},
    {"BrivexCB14", "Mode \"UltraSpeed\" des disques", HKLM,
     "SYSTEM\\CurrentControlSet\\Control\\Class\\{4D36E96A-E325-11CE-BFC1-08002BE10318}\\0000", "EnableUDMA66", SZ,
     "0", "1"},
    {"BrivexCB15", "Notification d'Antivirus", HKLM, K4, "AntiVirusDisableNotify", DWORD, "1", "0"},
    {"BrivexCB16", "Notification du Pare Feu", HKLM, K4, "FirewallDisableNotify", DWORD, "1", "0"},
    {"BrivexCB17", "Notification des Mises à jour", HKLM, K4, "UpdatesDisableNotify", DWORD, "1", "0"},
    {"BrivexCB18", "Centre de Sécurité", HKLM, "SYSTEM\\CurrentControlSet\\Services\\wscsvc", "Start", DWORD,
     "00000004", "00000002"},
};

static_assert(std::ranges::count_if(kRows, [](const TweakWrite& row) { return !row.checkBox.empty(); }) ==
              kTweakCount);

constexpr std::array<TweakEntry, kTweakCount> GroupByEntry() {
    std::array<TweakEntry, kTweakCount> entries{};
    std::size_t count = 0;
    const std::span<const TweakWrite> rows(kRows);
    for (std::size_t row = 0; row < rows.size(); ++row) {
        if (rows[row].checkBox.empty()) continue;
        std::size_t end = row + 1;
        while (end < rows.size() && rows[end].checkBox.empty()) ++end;
        entries[count++] = {rows[row].checkBox, rows[row].caption, rows.subspan(row, end - row)};
    }
    return entries;
}

constexpr std::array<TweakEntry, kTweakCount> kEntries = GroupByEntry();

}  // namespace

std::span<const TweakEntry, kTweakCount> TweakCatalogue() { return kEntries; }

}  // namespace brivex
