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
using regwrite::Dword;
using regwrite::KeyRemoval;
using regwrite::PageLockDword;
using regwrite::Sz;

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
// Three rows wait for the machine. Windows 10 and 11 manage the file system's
// last-access and short-name values themselves: a fixed 0 in their place would
// switch on, on every volume, the disk writes the list means to save. On a
// domain, log-ons need a clock Kerberos trusts, which the time service keeps.
constexpr std::array kChanges = {
    Sz(HKCU, kDesktop, "HungAppTimeOut", "1000"),
    Sz(HKLM, kControl, "HungAppTimeOut", "1000"),
    Sz(HKLM, kControl, "WaitToKillServiceTimeout", "1000"),
    Sz(HKCU, kDesktop, "WaitToKillServiceTimeout", "1000"),
    Sz(HKCU, "Control Panel\\Mouse", "MouseSensitivity", "16"),
    Sz(HKCU, kDesktop, "WaitToKillAppTimeout", "1000"),
    Sz(HKLM, kControl, "WaitToKillAppTimeout", "1000"),
    Dword(HKCU, kDesktop, "ForegroundLockTimeout", 0),
    Dword(HKLM, kControl, "ForegroundLockTimeout", 0),
    Sz(HKCU, kDesktop, "AutoEndTasks", "1"),
    Dword(HKCU, "SOFTWARE\\Policies\\Microsoft\\Office\\12.0\\Common", "DWNeverUpload", 1),
    Dword(HKCU, "SOFTWARE\\Policies\\Microsoft\\Office\\12.0\\Common", "DWNoExternalUR", 1),
    Dword(HKCU, "SOFTWARE\\Policies\\Microsoft\\Office\\12.0\\Common", "DWNoFileCollection", 1),
    Dword(HKCU, "SOFTWARE\\Policies\\Microsoft\\Office\\12.0\\Common", "DWNoSecondLevelCollection", 1),
    Dword(HKCU, "SOFTWARE\\Policies\\Microsoft\\Office\\12.0\\Access\\Settings", "ShowWindowsInTaskbar", 0),
    Dword(HKCU, "SOFTWARE\\Policies\\Microsoft\\Office\\12.0\\Excel\\Options", "ShowWindowsInTaskbar", 0),
    Dword(HKCU, "SOFTWARE\\Policies\\Microsoft\\Office\\12.0\\Word\\Options", "CasheSize", 40),
    Dword(HKCU, "SOFTWARE\\Policies\\Microsoft\\Office\\12.0\\Word\\Options", "NoLiveScrolling", 1),
    Sz(HKCU, kDesktop, "MenuShowDelay", "0"),
    Sz(HKLM, kWinlogon, "PowerdownAfterShutdown", "1"),
    Dword(HKLM, "SYSTEM\\CurrentControlSet\\Control\\Update", "UpDateMode", 7),
    PageLockDword(HKLM, kMemoryCurrent, "IoPageLockLimit"),
    PageLockDword(HKLM, kMemory001, "IoPageLockLimit"),
    PageLockDword(HKLM, kMemory002, "IoPageLockLimit"),
    Dword(HKLM, kMemoryCurrent, "DisablePagingExecutive", 1).When(WriteCondition::LargeMemory),
    Dword(HKLM, kMemoryCurrent, "SecondLevelDataCache", 800),
    Dword(HKLM, kMemory001, "SecondLevelDataCache", 800),
    Dword(HKLM, kMemory002, "SecondLevelDataCache", 800),
    Dword(HKLM, kMemoryCurrent, "LargeSystemCache", 0),
    Dword(HKLM, kMemory002, "LargeSystemCache", 0),
    Dword(HKLM, kMemory001, "LargeSystemCache", 0),
    Sz(HKLM, "SYSTEM\\CurrentControlSet\\Control\\WOW", "DefaultSeparateVDM", "Yes"),
    Dword(HKCU, "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer", "DesktopProcess", 1),
    Sz(HKLM, "SOFTWARE\\Microsoft\\Dfrg", "BootOptimizeFunction", "N"),
    Sz(HKLM, "SYSTEM\\CurrentControlSet\\Control\\Session Manager\\Memory Management\\PrefetchParameters",
       "EnablePrefetcher", "1"),
    Dword(HKLM, "SYSTEM\\CurrentControlSet\\Control\\Class\\{4D36E96A-E325-11CE-BFC1-08002BE10318}\\0000",
          "EnableUDMA66", 1),
    Dword(HKLM, kSessionManager, "NtfsDisableLastAccessUpdate", 1),
    Dword(HKLM, kSessionManager, "NtfsDisable8dot3NameCreation", 0),
    Dword(HKLM, kSessionManager, "Win95TruncatedExtensions", 0),
    Dword(HKLM, kSessionManager, "Win31FileSystem", 0),
    Dword(HKLM, kFileSystem, "NtfsDisableLastAccessUpdate", 0).When(WriteCondition::NotSystemManaged),
    Dword(HKLM, kFileSystem, "NtfsDisable8dot3NameCreation", 0).When(WriteCondition::NotPerVolume),
    Dword(HKLM, kFileSystem, "Win95TruncatedExtensions", 0),
    Dword(HKLM, kFileSystem, "Win31FileSystem", 0),
    Dword(HKLM, "SOFTWARE\\Microsoft\\DrWatson", "NumberOfCrashes", 1),
    Dword(HKLM, "SYSTEM\\ControlSet001\\Control\\PriorityControl", "Win32PrioritySeparation", 38),
    Dword(HKLM, "SYSTEM\\ControlSet001\\Control\\Session Manager", "ProcessorControl", 0),
    Dword(HKLM, "SOFTWARE\\Microsoft\\Outlook Express", "Hide Messenger", 2),
    KeyRemoval(HKLM,
               "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\RemoteComputer\\NameSpace\\"
               "{D6277990-4C6A-11CF-8D87-00AA0060F5BF}"),
    Dword(HKLM, "SYSTEM\\CurrentControlSet\\Services\\Messenger", "Start", 4),
    Dword(HKLM, "SYSTEM\\CurrentControlSet\\Services\\RemoteRegistry", "Start", 4),
    Dword(HKLM, "SYSTEM\\CurrentControlSet\\Services\\W32Time", "Start", 4).When(WriteCondition::OutsideDomain),
    Sz(HKLM, kWinlogon, "PowerdownAfterShutdown", "1"),
    Dword(HKLM, kWindowsNt, "NoPopUpsOnBoot", 1),
    Dword(HKLM, kWindowsNt, "Error Mode", 2),
    Dword(HKLM, kWinlogon, "UserEnvDebugLevel", 2),
};

static_assert(kChanges.size() == kRowsBeforeCleanUp + 4);

}  // namespace

std::span<const RegistryWrite> RegistryChanges() { return kChanges; }

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
