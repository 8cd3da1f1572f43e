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
    {HKCU, kDesktop, "HungAppTimeOut", SZ, "1000"sv},
    {HKLM, kControl, "HungAppTimeOut", SZ, "1000"sv},
    {HKLM, kControl, "WaitToKillServiceTimeout", SZ, "1000"sv},
    {HKCU, kDesktop, "WaitToKillServiceTimeout", SZ, "1000"sv},
    {HKCU, "Control Panel\\Mouse", "MouseSensitivity", SZ, "16"sv},
    {HKCU, kDesktop, "WaitToKillAppTimeout", SZ, "1000"sv},
    {HKLM, kControl, "WaitToKillAppTimeout", SZ, "1000"sv},
    {HKCU, kDesktop, "ForegroundLockTimeout", DWORD, "00000000"sv},
    {HKLM, kControl, "ForegroundLockTimeout", DWORD, "00000000"sv},
    {HKCU, kDesktop, "AutoEndTasks", SZ, "1"sv},
    {HKCU, "SOFTWARE\\Policies\\Microsoft\\Office\\12.0\\Common", "DWNeverUpload", DWORD, 1},
    {HKCU, "SOFTWARE\\Policies\\Microsoft\\Office\\12.0\\Common", "DWNoExternalUR", DWORD, 1},
    {HKCU, "SOFTWARE\\Policies\\Microsoft\\Office\\12.0\\Common", "DWNoFileCollection", DWORD, 1},
    {HKCU, "SOFTWARE\\Policies\\Microsoft\\Office\\12.0\\Common", "DWNoSecondLevelCollection", DWORD, 1},
    {HKCU, "SOFTWARE\\Policies\\Microsoft\\Office\\12.0\\Access\\Settings", "ShowWindowsInTaskbar", DWORD, 0},
    {HKCU, "SOFTWARE\\Policies\\Microsoft\\Office\\12.0\\Excel\\Options", "ShowWindowsInTaskbar", DWORD, 0},
    {HKCU, "SOFTWARE\\Policies\\Microsoft\\Office\\12.0\\Word\\Options", "CasheSize", DWORD, 40},
    {HKCU, "SOFTWARE\\Policies\\Microsoft\\Office\\12.0\\Word\\Options", "NoLiveScrolling", DWORD, 1},
    {HKCU, kDesktop, "MenuShowDelay", SZ, "0"sv},
    {HKLM, kWinlogon, "PowerdownAfterShutdown", SZ, "1"sv},
    {HKLM, "SYSTEM\\CurrentControlSet\\Control\\Update", "UpDateMode", DWORD, "7"sv},
    {HKLM, kMemoryCurrent, "IoPageLockLimit", DWORD, PageLockValue{}},
    {HKLM, kMemory001, "IoPageLockLimit", DWORD, PageLockValue{}},
    {HKLM, kMemory002, "IoPageLockLimit", DWORD, PageLockValue{}},
    {HKLM, kMemoryCurrent, "DisablePagingExecutive", DWORD, "1"sv, true},
    {HKLM, kMemoryCurrent, "SecondLevelDataCache", DWORD, 800},
    {HKLM, kMemory001, "SecondLevelDataCache", DWORD, 800},
    {HKLM, kMemory002, "SecondLevelDataCache", DWORD, 800},
    {HKLM, kMemoryCurrent, "LargeSystemCache", DWORD, "0"sv},
    {HKLM, kMemory002, "LargeSystemCache", DWORD, "0"sv},
    {HKLM, kMemory001, "LargeSystemCache", DWORD, "0"sv},
    {HKLM, "SYSTEM\\CurrentControlSet\\Control\\WOW", "DefaultSeparateVDM", SZ, "Yes"sv},
    {HKCU, "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer", "DesktopProcess", DWORD, "1"sv},
    {HKLM, "SOFTWARE\\Microsoft\\Dfrg", "BootOptimizeFunction", SZ, "N"sv},
    {HKLM, "SYSTEM\\CurrentControlSet\\Control\\Session Manager\\Memory Management\\PrefetchParameters",
     "EnablePrefetcher", SZ, "1"sv},
    {HKLM, "SYSTEM\\CurrentControlSet\\Control\\Class\\{4D36E96A-E325-11CE-BFC1-08002BE10318}\\0000",
     "EnableUDMA66", DWORD, "1"sv},
    {HKLM, kSessionManager, "NtfsDisableLastAccessUpdate", DWORD, "00000001"sv},
    {HKLM, kSessionManager, "NtfsDisable8dot3NameCreation", DWORD, 0},
    {HKLM, kSessionManager, "Win95TruncatedExtensions", DWORD, 0},
    {HKLM, kSessionManager, "Win31FileSystem", DWORD, 0},
    {HKLM, kFileSystem, "NtfsDisableLastAccessUpdate", DWORD, 0},
    {HKLM, kFileSystem, "NtfsDisable8dot3NameCreation", DWORD, 0},
    {HKLM, kFileSystem, "Win95TruncatedExtensions", DWORD, 0},
    {HKLM, kFileSystem, "Win31FileSystem", DWORD, 0},
    {HKLM, "SOFTWARE\\Microsoft\\DrWatson", "NumberOfCrashes", DWORD, 1},
    {HKLM, "SYSTEM\\ControlSet001\\Control\\PriorityControl", "Win32PrioritySeparation", DWORD, "00000038"sv},
    {HKLM, "SYSTEM\\ControlSet001\\Control\\Session Manager", "ProcessorControl", DWORD, 0},
    {HKLM, "SOFTWARE\\Microsoft\\Outlook Express", "Hide Messenger", DWORD, "00000002"sv},
    {HKLM,
     "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\RemoteComputer\\NameSpace\\"
     "{D6277990-4C6A-11CF-8D87-00AA0060F5BF}",
     "", 0, WholeKey{}},
    {HKLM, "SYSTEM\\CurrentControlSet\\Services\\Messenger", "Start", DWORD, "00000004"sv},
    {HKLM, "SYSTEM\\CurrentControlSet\\Services\\RemoteRegistry", "Start", DWORD, "00000004"sv},
    {HKLM, "SYSTEM\\CurrentControlSet\\Services\\W32Time", "Start", DWORD, "00000004"sv},
    {HKLM, kWinlogon, "PowerdownAfterShutdown", SZ, "1"sv},
    {HKLM, kWindowsNt, "NoPopUpsOnBoot", DWORD, "1"sv},
    {HKLM, kWindowsNt, "Error Mode", DWORD, "2"sv},
    {HKLM, kWinlogon, "UserEnvDebugLevel", DWORD, "2"sv},
}};

constexpr std::size_t kRowsAfterCleanUp = 4;

}  // namespace

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
    // Any letter among the digits, E included, means no number.
    const std::string_view digits(hexDigits);
    if (digits.find_first_not_of("0123456789") != std::string_view::npos) return 0;
    const double value = *TextToNumber(digits) * 64;
    return value > std::numeric_limits<std::int32_t>::max() ? 0 : static_cast<std::int32_t>(value);
}

bool WritesDisablePagingExecutive(std::uint64_t physicalBytes) { return MemoryFigure(physicalBytes) > 1024; }

}  // namespace brivex
