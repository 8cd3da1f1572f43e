#include "optimise/RegistryChangeList.h"

#include <array>
#include <cstdio>
#include <limits>
#include <optional>

#include "base/Numbers.h"

namespace brivex {

namespace {

using namespace std::string_view_literals;

constexpr RegKey HKCU = regroot::CurrentUser;
constexpr RegKey HKLM = regroot::LocalMachine;
constexpr std::int32_t SZ = 1;
constexpr std::int32_t DWORD = 4;

constexpr auto kDesktop = "Control Panel\\Desktop"sv;
constexpr auto kControl = "SYSTEM\\CurrentControlSet\\Control"sv;
constexpr auto kWinlogon = "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Winlogon"sv;
constexpr auto kMemoryCurrent = "SYSTEM\\CurrentControlSet\\Control\\Session Manager\\Memory Management"sv;
constexpr auto kMemory001 = "SYSTEM\\ControlSet001\\Control\\Session Manager\\Memory Management"sv;
constexpr auto kMemory002 = "SYSTEM\\ControlSet002\\Control\\Session Manager\\Memory Management"sv;
constexpr auto kSessionManager = "SYSTEM\\CurrentControlSet\\Control\\Session Manager"sv;
constexpr auto kFileSystem = "SYSTEM\\CurrentControlSet\\Control\\FileSystem"sv;
constexpr auto kWindowsNt = "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Windows"sv;

// The LargeSystemCache values name the Memory Management keys with their blanks: written
// without them they name keys no Windows has, and the rows would write nothing.
constexpr std::array<RegistryChange, 56> kChanges = {{
    {"R1", HKCU, kDesktop, "HungAppTimeOut", SZ, "1000"sv},
    {"R2", HKLM, kControl, "HungAppTimeOut", SZ, "1000"sv},
    {"R3", HKLM, kControl, "WaitToKillServiceTimeout", SZ, "1000"sv},
    {"R4", HKCU, kDesktop, "WaitToKillServiceTimeout", SZ, "1000"sv},
    {"R5", HKCU, "Control Panel\\Mouse", "MouseSensitivity", SZ, "16"sv},
    {"R6", HKCU, kDesktop, "WaitToKillAppTimeout", SZ, "1000"sv},
    {"R7", HKLM, kControl, "WaitToKillAppTimeout", SZ, "1000"sv},
    {"R8", HKCU, kDesktop, "ForegroundLockTimeout", DWORD, "00000000"sv},
    {"R9", HKLM, kControl, "ForegroundLockTimeout", DWORD, "00000000"sv},
    {"R10", HKCU, kDesktop, "AutoEndTasks", SZ, "1"sv},
    {"R11", HKCU, "SOFTWARE\\Policies\\Microsoft\\Office\\12.0\\Common", "DWNeverUpload", DWORD, 1},
    {"R12", HKCU, "SOFTWARE\\Policies\\Microsoft\\Office\\12.0\\Common", "DWNoExternalUR", DWORD, 1},
    {"R13", HKCU, "SOFTWARE\\Policies\\Microsoft\\Office\\12.0\\Common", "DWNoFileCollection", DWORD, 1},
    {"R14", HKCU, "SOFTWARE\\Policies\\Microsoft\\Office\\12.0\\Common", "DWNoSecondLevelCollection", DWORD, 1},
    {"R15", HKCU, "SOFTWARE\\Policies\\Microsoft\\Office\\12.0\\Access\\Settings", "ShowWindowsInTaskbar", DWORD, 0},
    {"R16", HKCU, "SOFTWARE\\Policies\\Microsoft\\Office\\12.0\\Excel\\Options", "ShowWindowsInTaskbar", DWORD, 0},
    {"R17", HKCU, "SOFTWARE\\Policies\\Microsoft\\Office\\12.0\\Word\\Options", "CasheSize", DWORD, 40},
    {"R18", HKCU, "SOFTWARE\\Policies\\Microsoft\\Office\\12.0\\Word\\Options", "NoLiveScrolling", DWORD, 1},
    {"R19", HKCU, kDesktop, "MenuShowDelay", SZ, "0"sv},
    {"R20", HKLM, kWinlogon, "PowerdownAfterShutdown", SZ, "1"sv},
    {"R21", HKLM, "SYSTEM\\CurrentControlSet\\Control\\Update", "UpDateMode", DWORD, "7"sv},
    {"R22", HKLM, kMemoryCurrent, "IoPageLockLimit", DWORD, PageLockValue{}},
    {"R23", HKLM, kMemory001, "IoPageLockLimit", DWORD, PageLockValue{}},
    {"R24", HKLM, kMemory002, "IoPageLockLimit", DWORD, PageLockValue{}},
    {"R25", HKLM, kMemoryCurrent, "DisablePagingExecutive", DWORD, "1"sv, true},
    {"R26", HKLM, kMemoryCurrent, "SecondLevelDataCache", DWORD, 800},
    {"R27", HKLM, kMemory001, "SecondLevelDataCache", DWORD, 800},
    {"R28", HKLM, kMemory002, "SecondLevelDataCache", DWORD, 800},
    {"R29", HKLM, kMemoryCurrent, "LargeSystemCache", DWORD, "0"sv},
    {"R30", HKLM, kMemory002, "LargeSystemCache", DWORD, "0"sv},
    {"R31", HKLM, kMemory001, "LargeSystemCache", DWORD, "0"sv},
    {"R32", HKLM, "SYSTEM\\CurrentControlSet\\Control\\WOW", "DefaultSeparateVDM", SZ, "Yes"sv},
    {"R33", HKCU, "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer", "DesktopProcess", DWORD, "1"sv},
    {"R34", HKLM, "SOFTWARE\\Microsoft\\Dfrg", "BootOptimizeFunction", SZ, "N"sv},
    {"R35", HKLM, "SYSTEM\\CurrentControlSet\\Control\\Session Manager\\Memory Management\\PrefetchParameters",
     "EnablePrefetcher", SZ, "1"sv},
    {"R36", HKLM, "SYSTEM\\CurrentControlSet\\Control\\Class\\{4D36E96A-E325-11CE-BFC1-08002BE10318}\\0000",
     "EnableUDMA66", DWORD, "1"sv},
    {"R37", HKLM, kSessionManager, "NtfsDisableLastAccessUpdate", DWORD, "00000001"sv},
    {"R38", HKLM, kSessionManager, "NtfsDisable8dot3NameCreation", DWORD, 0},
    {"R39", HKLM, kSessionManager, "Win95TruncatedExtensions", DWORD, 0},
    {"R40", HKLM, kSessionManager, "Win31FileSystem", DWORD, 0},
    {"R41", HKLM, kFileSystem, "NtfsDisableLastAccessUpdate", DWORD, 0},
    {"R42", HKLM, kFileSystem, "NtfsDisable8dot3NameCreation", DWORD, 0},
    {"R43", HKLM, kFileSystem, "Win95TruncatedExtensions", DWORD, 0},
    {"R44", HKLM, kFileSystem, "Win31FileSystem", DWORD, 0},
    {"R45", HKLM, "SOFTWARE\\Microsoft\\DrWatson", "NumberOfCrashes", DWORD, 1},
    {"R46", HKLM, "SYSTEM\\ControlSet001\\Control\\PriorityControl", "Win32PrioritySeparation", DWORD, "00000038"sv},
    {"R47", HKLM, "SYSTEM\\ControlSet001\\Control\\Session Manager", "ProcessorControl", DWORD, 0},
    {"R48", HKLM, "SOFTWARE\\Microsoft\\Outlook Express", "Hide Messenger", DWORD, "00000002"sv},
    {"R49", HKLM,
     "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\RemoteComputer\\NameSpace\\"
     "{D6277990-4C6A-11CF-8D87-00AA0060F5BF}",
     "", 0, WholeKey{}},
    {"R50", HKLM, "SYSTEM\\CurrentControlSet\\Services\\Messenger", "Start", DWORD, "00000004"sv},
    {"R51", HKLM, "SYSTEM\\CurrentControlSet\\Services\\RemoteRegistry", "Start", DWORD, "00000004"sv},
    {"R52", HKLM, "SYSTEM\\CurrentControlSet\\Services\\W32Time", "Start", DWORD, "00000004"sv},
    {"R53", HKLM, kWinlogon, "PowerdownAfterShutdown", SZ, "1"sv},
    {"R54", HKLM, kWindowsNt, "NoPopUpsOnBoot", DWORD, "1"sv},
    {"R55", HKLM, kWindowsNt, "Error Mode", DWORD, "2"sv},
    {"R56", HKLM, kWinlogon, "UserEnvDebugLevel", DWORD, "2"sv},
}};

constexpr std::size_t kRowsAfterCleanUp = 4;

}  // namespace

std::span<const RegistryChange> RegistryChangeList() { return kChanges; }

std::span<const RegistryChange> RegistryChangesBeforeCleanUp() {
    return std::span(kChanges).first(kChanges.size() - kRowsAfterCleanUp);
}

std::span<const RegistryChange> RegistryChangesAfterCleanUp() {
    return std::span(kChanges).last(kRowsAfterCleanUp);
}

std::int64_t MemoryFigure(std::uint64_t physicalBytes) {
    // Whole megabytes plus one, rounded as the "#0" display pattern rounds; held
    // in 64 bits, so machines with 32 GB or more get their real figure.
    const double megabytes = static_cast<double>(physicalBytes) / 1048576.0 + 1.0;
    const std::optional<double> rounded = TextToNumber(FormatNumber(megabytes, "#0", '.'));
    return rounded ? static_cast<std::int64_t>(*rounded) : 0;
}

std::int32_t PageLockValueFor(std::uint64_t physicalBytes) {
    char hexDigits[32];
    std::snprintf(hexDigits, sizeof hexDigits, "%llX", static_cast<unsigned long long>(MemoryFigure(physicalBytes)));
    const std::optional<double> asDecimal = TextToNumber(hexDigits);
    if (!asDecimal) return 0;
    const double value = *asDecimal * 64;
    return value > std::numeric_limits<std::int32_t>::max() ? 0 : static_cast<std::int32_t>(value);
}

bool WritesDisablePagingExecutive(std::uint64_t physicalBytes) { return MemoryFigure(physicalBytes) > 1024; }

}  // namespace brivex
