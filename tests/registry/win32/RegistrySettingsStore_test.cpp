#include <gtest/gtest.h>
#include <windows.h>
#include <shlwapi.h>

#include <string>

#include "platform/win32/RegistrySettingsStore.h"

namespace brivex {
namespace {

const std::string kApp = "Brivex Doziv Tests Store " + std::to_string(GetCurrentProcessId());
const std::string kSettingsRoot = "Software\\VB and VBA Program Settings\\";

struct CleanUp {
    ~CleanUp() { SHDeleteKeyA(HKEY_CURRENT_USER, (kSettingsRoot + kApp).c_str()); }
};

std::string ProbePath() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path);
    return folder.substr(0, folder.find_last_of('\\') + 1) + "settings_probe.exe";
}

// Runs the probe as a program of its own and returns what it printed.
std::string RunProbe(const std::string& arguments) {
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    HANDLE readEnd = nullptr, writeEnd = nullptr;
    CreatePipe(&readEnd, &writeEnd, &inherit, 0);
    SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = writeEnd;
    startup.hStdError = writeEnd;
    PROCESS_INFORMATION process{};
    std::string commandLine = "\"";
    commandLine += ProbePath();
    commandLine += "\" ";
    commandLine += arguments;
    const BOOL started =
        CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &process);
    CloseHandle(writeEnd);
    std::string output;
    if (started) {
        char buffer[256];
        DWORD read = 0;
        while (ReadFile(readEnd, buffer, sizeof buffer, &read, nullptr) && read > 0) output.append(buffer, read);
        WaitForSingleObject(process.hProcess, 10000);
        CloseHandle(process.hProcess);
        CloseHandle(process.hThread);
    }
    CloseHandle(readEnd);
    return started ? output : "<probe did not start>";
}

TEST(RegistrySettingsStore_Location, EntryIsAStringValueUnderTheProgramSettingsKey) {
    CleanUp cleanUp;
    RegistrySettingsStore store;
    store.SaveSetting(kApp, "config", "Press", "1");

    HKEY key = nullptr;
    ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, (kSettingsRoot + kApp + "\\config").c_str(), 0, KEY_READ, &key),
              ERROR_SUCCESS);
    char data[16] = {};
    DWORD type = 0, size = sizeof data;
    EXPECT_EQ(RegQueryValueExA(key, "Press", nullptr, &type, reinterpret_cast<BYTE*>(data), &size), ERROR_SUCCESS);
    RegCloseKey(key);
    EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
    EXPECT_STREQ(data, "1");
}

TEST(RegistrySettingsStore_Location, ValueOfAnotherTypeReadsAsTheDefault) {
    CleanUp cleanUp;
    RegistrySettingsStore store;
    store.SaveSetting(kApp, "config", "first", "1");
    HKEY key = nullptr;
    RegOpenKeyExA(HKEY_CURRENT_USER, (kSettingsRoot + kApp + "\\config").c_str(), 0, KEY_SET_VALUE, &key);
    const DWORD number = 1;
    RegSetValueExA(key, "first", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number), sizeof number);
    RegCloseKey(key);
    EXPECT_EQ(store.GetSetting(kApp, "config", "first", "0"), "0");
}

TEST(RegistrySettingsStore_Persistence, AnotherRunOfAProgramReadsWhatThisOneSaved) {
    CleanUp cleanUp;
    ASSERT_EQ(RunProbe("save \"" + kApp + "\" config reboot ok"), "");
    EXPECT_EQ(RunProbe("get \"" + kApp + "\" CONFIG Reboot none"), "ok");
    EXPECT_EQ(RunProbe("get \"" + kApp + "\" config ontop 0"), "0");
    RegistrySettingsStore store;
    store.SaveSetting(kApp, "FILES", "LNG", "C:\\Brivex\\Lang\\English.lng");
    EXPECT_EQ(RunProbe("get \"" + kApp + "\" files lng none"), "C:\\Brivex\\Lang\\English.lng");
}

}  // namespace
}  // namespace brivex
