#include "tweaks/TweakCatalogue.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace brivex {

namespace {

using namespace std::string_view_literals;

constexpr RegKey HKCU = regroot::CurrentUser;
constexpr RegKey HKLM = regroot::LocalMachine;
constexpr RegKey HKU = regroot::Users;

constexpr auto K1 = "SOFTWARE\\Microsoft\\PCHealth\\ErrorReporting"sv;
constexpr auto K2 = "Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer"sv;
constexpr auto K4 = "SOFTWARE\\Microsoft\\Security Center"sv;
constexpr auto kExplorerAdvanced = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Advanced"sv;
constexpr auto kErrorReportingVista = "SOFTWARE\\Microsoft\\Windows\\Windows Error Reporting"sv;

// A value of an entry, with what each button puts there.
struct Switched {
    RegistryWrite off;
    RegistryWrite on;
};

constexpr Switched Sz(RegKey root, std::string_view key, std::string_view name, std::string_view off,
                      std::string_view on) {
    return {regwrite::Sz(root, key, name, off), regwrite::Sz(root, key, name, on)};
}

constexpr Switched Dword(RegKey root, std::string_view key, std::string_view name, std::int32_t off, std::int32_t on) {
    return {regwrite::Dword(root, key, name, off), regwrite::Dword(root, key, name, on)};
}

struct Row {
    std::string_view id;  // empty: the row belongs to the entry above it
    std::string_view caption;
    int box;
    Switched value;
};

// The check box numbers skip 10 and 11. Captions keep their doubled blanks.
// Each value is written with the type and in the place the component that
// reads it reads it: Explorer reads its view settings as numbers from the
// user's own Advanced key, the error reporting, crash and disk settings are
// numbers too; a text there, or a policy key Explorer never opens, changes
// nothing on any Windows. Error reporting is switched where XP reads it and
// where Vista and later read it; a key this Windows lacks takes nothing. The
// rows that stay texts are read as texts (InitialKeyboardIndicators: 0 for no
// lock, 2 for Num Lock, 1 for Caps Lock).
constexpr Row kRows[] = {
    {"ErrorReporting", "Le rapport d'erreur", 1, Dword(HKLM, K1, "AllOrNone", 0, 1)},
    {"", "", 0, Dword(HKLM, K1, "DoReport", 0, 1)},
    {"", "", 0, Dword(HKLM, K1, "IncludeKernelFaults", 0, 1)},
    {"", "", 0, Dword(HKLM, K1, "IncludeMicrosoftApps", 0, 1)},
    {"", "", 0, Dword(HKLM, K1, "IncludeWindowsApps", 0, 1)},
    {"", "", 0, Dword(HKLM, K1, "ShowUI", 0, 1)},
    {"", "", 0, Dword(HKLM, kErrorReportingVista, "Disabled", 1, 0)},
    {"DesktopProcess", "Gestion des processus", 2,
     Dword(HKCU, "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer", "DesktopProcess", 0, 1)},
    {"CdBurning", "Le  service de gravure de Windows", 3, Dword(HKLM, K2, "NoCDBurning", 1, 0)},
    {"UnusedDllsInMemory", "Les DLL inutilisées de la mémoire", 4, Sz(HKLM, K2, "AlwaysUnloadDll", "1", "0")},
    {"LowDiskSpaceNotification", "La notification \" Espace insuffisant\"", 5,
     Dword(HKLM, K2, "NoLowDiskSpaceChecks", 1, 0)},
    {"FileExtensions", "L'extension des fichiers", 6, Dword(HKCU, kExplorerAdvanced, "HideFileExt", 1, 0)},
    {"HiddenFiles", "Les fichiers cachés", 7, Dword(HKCU, kExplorerAdvanced, "Hidden", 2, 1)},
    {"SystemFiles", "Les fichiers systèmes", 8, Dword(HKCU, kExplorerAdvanced, "ShowSuperHidden", 0, 1)},
    {"SearchAssistant", "L'assistant de recherche", 9,
     Sz(HKCU, "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\CabinetState", "use search asst", "no", "yes")},
    {"NumLock", "La touche  \"Verr Num\"", 12,
     Sz(HKU, ".DEFAULT\\Control Panel\\Keyboard", "InitialKeyboardIndicators", "0", "2")},
    {"AutoRestartOnCrash", "Redémarrage automatique en cas de plantage", 13,
     Dword(HKLM, "SYSTEM\\CurrentControlSet\\Control\\CrashControl", "AutoReboot", 0, 1)},
    {"UltraSpeedDisks", "Mode \"UltraSpeed\" des disques", 14,
     Dword(HKLM, "SYSTEM\\CurrentControlSet\\Control\\Class\\{4D36E96A-E325-11CE-BFC1-08002BE10318}\\0000",
           "EnableUDMA66", 0, 1)},
    {"AntivirusNotification", "Notification d'Antivirus", 15, Dword(HKLM, K4, "AntiVirusDisableNotify", 1, 0)},
    {"FirewallNotification", "Notification du Pare Feu", 16, Dword(HKLM, K4, "FirewallDisableNotify", 1, 0)},
    {"UpdatesNotification", "Notification des Mises à jour", 17, Dword(HKLM, K4, "UpdatesDisableNotify", 1, 0)},
    {"SecurityCenter", "Centre de Sécurité", 18,
     Dword(HKLM, "SYSTEM\\CurrentControlSet\\Services\\wscsvc", "Start", 4, 2)},
};

constexpr std::size_t kRowCount = std::size(kRows);
static_assert(std::ranges::count_if(kRows, [](const Row& row) { return !row.id.empty(); }) == kTweakCount);

constexpr std::array<RegistryWrite, kRowCount> Side(TweakSwitch which) {
    std::array<RegistryWrite, kRowCount> writes{};
    for (std::size_t row = 0; row < kRowCount; ++row)
        writes[row] = which == TweakSwitch::Off ? kRows[row].value.off : kRows[row].value.on;
    return writes;
}

constexpr std::array<RegistryWrite, kRowCount> kOff = Side(TweakSwitch::Off);
constexpr std::array<RegistryWrite, kRowCount> kOn = Side(TweakSwitch::On);

constexpr std::array<TweakEntry, kTweakCount> GroupByEntry() {
    std::array<TweakEntry, kTweakCount> entries{};
    std::size_t count = 0;
    for (std::size_t row = 0; row < kRowCount; ++row) {
        if (kRows[row].id.empty()) continue;
        std::size_t end = row + 1;
        while (end < kRowCount && kRows[end].id.empty()) ++end;
        entries[count++] = {kRows[row].id, kRows[row].caption, kRows[row].box, std::span(kOff).subspan(row, end - row),
                            std::span(kOn).subspan(row, end - row)};
    }
    return entries;
}

constexpr std::array<TweakEntry, kTweakCount> kEntries = GroupByEntry();

}  // namespace

std::span<const TweakEntry, kTweakCount> TweakCatalogue() { return kEntries; }

}  // namespace brivex
