// The restore point service against Wine's own WMI, which knows the
// "SystemRestore" class but cannot create restore points and enumerates one
// instance whose only value is its sequence number 0.

#include "platform/win32/WmiManagementService.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <thread>

#include "platform/win32/ComApartment.h"
#include "platform/win32/Win32RegistryApi.h"
#include "program/WaitingManagementService.h"
#include "restore/RestorePointService.h"
#include "sysinfo/BiosReport.h"
#include "ui/win32/Win32Loop.h"

namespace brivex {
namespace {

constexpr std::int32_t kNotFound = static_cast<std::int32_t>(0x80041002);  // WBEM_E_NOT_FOUND

class WmiUnderWine : public ::testing::Test {
protected:
    ComApartment apartment;
    WmiManagementService management;
};

using WmiManagementService_UnderWine = WmiUnderWine;
using RestorePointService_UnderWine = WmiUnderWine;

TEST_F(WmiManagementService_UnderWine, CreationReachesTheMethodAndIsRefusedAsNotFound) {
    ASSERT_TRUE(apartment.Entered());
    const auto answer = management.CreateRestorePoint("Brivex Auto Optimisation ", 12, 100);
    ASSERT_FALSE(answer);
    EXPECT_EQ(answer.Failure().status, kNotFound);
}

TEST_F(WmiManagementService_UnderWine, ListingYieldsTheOneInstanceAndAPropertyThatCannotBeReadSpoilsNothing) {
    const auto instances = management.InstancesOf("winmgmts:root/default", "SystemRestore",
                                                  {"Description", "NoSuchProperty", "SequenceNumber"});
    ASSERT_TRUE(instances) << std::hex << instances.Failure().status;
    const std::vector<ManagementInstance> expected = {
        {{"Description", {}}, {"NoSuchProperty", {}}, {"SequenceNumber", std::int64_t{0}}}};
    EXPECT_EQ(instances.Value(), expected);
}

TEST_F(WmiManagementService_UnderWine, RequestsCanBeRepeated) {
    for (int round = 0; round < 3; ++round) {
        EXPECT_EQ(management.CreateRestorePoint("Nom", 0, 100).Failure().status, kNotFound);
        EXPECT_EQ(ListRestorePoints(management).Value().size(), 1u);
    }
}

// What CoInitializeEx answers on this thread now: S_OK when it had no apartment, S_FALSE when it had one.
HRESULT ApartmentProbe() {
    const HRESULT status = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    if (SUCCEEDED(status)) CoUninitialize();
    return status;
}

TEST(WmiManagementService_Apartment, EachRequestEntersOneForItselfAndLeavesIt) {
    // A thread of its own, so that no apartment of another test is in force.
    std::thread([] {
        {
            WmiManagementService management;
            EXPECT_EQ(ApartmentProbe(), S_OK) << "a service that was never asked costs no COM";
            const auto created = management.CreateRestorePoint("Nom", 0, 100);
            ASSERT_FALSE(created);
            EXPECT_NE(created.Failure().status, static_cast<std::int32_t>(CO_E_NOTINITIALIZED));
            EXPECT_EQ(ApartmentProbe(), S_OK) << "left with the request";
            const auto listed = ListRestorePoints(management);
            ASSERT_TRUE(listed);
            EXPECT_EQ(listed.Value().size(), 1u);
        }
        EXPECT_EQ(ApartmentProbe(), S_OK);
    }).join();
}

// Wine makes no restore point; the creation frequency, lifted for each request
// in the real registry, is back as it was after every one.
TEST_F(RestorePointService_UnderWine, MakeRestorePointIsFalseForEveryCallerAndPutsTheFrequencyBack) {
    const wchar_t kKey[] = L"SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\SystemRestore";
    HKEY key = nullptr;
    DWORD disposition = 0;
    ASSERT_EQ(RegCreateKeyExW(HKEY_LOCAL_MACHINE, kKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, &disposition),
              ERROR_SUCCESS);
    const DWORD fourHours = 240;
    RegSetValueExW(key, L"SystemRestorePointCreationFrequency", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&fourHours),
                   sizeof fourHours);
    Win32RegistryApi registry;
    EXPECT_FALSE(MakeRestorePoint(management, registry, "Velmora First", restorepointtype::ApplicationInstall));
    EXPECT_FALSE(MakeRestorePoint(management, registry, "Brivex Auto Optimisation ", restorepointtype::ModifySettings));
    EXPECT_FALSE(MakeRestorePoint(management, registry, "Pilote", restorepointtype::DeviceDriverInstall));
    DWORD type = 0;
    DWORD value = 0;
    DWORD size = sizeof value;
    EXPECT_EQ(RegQueryValueExW(key, L"SystemRestorePointCreationFrequency", nullptr, &type,
                               reinterpret_cast<BYTE*>(&value), &size),
              ERROR_SUCCESS);
    EXPECT_EQ(type, static_cast<DWORD>(REG_DWORD));
    EXPECT_EQ(value, fourHours);
    RegDeleteValueW(key, L"SystemRestorePointCreationFrequency");
    RegCloseKey(key);
    if (disposition == REG_CREATED_NEW_KEY) RegDeleteKeyW(HKEY_LOCAL_MACHINE, kKey);
}

// The windows' way in: a worker thread of its own, without any apartment until the request enters one.
TEST(WmiManagementService_Worker, TheWaitingServiceReadsTheBiosOnAWorkerThread) {
    WmiManagementService wmi;
    ui::Win32Loop loop;
    const auto bios = WaitingManagementService(wmi, loop).ExecQuery(kBiosMoniker, "SELECT Manufacturer FROM Win32_BIOS",
                                                                    {"Manufacturer"});
    ASSERT_TRUE(bios) << std::hex << bios.Failure().status;
    ASSERT_EQ(bios.Value().size(), 1u);
    EXPECT_EQ(bios.Value()[0].at("Manufacturer"), ManagementValue{std::string("The Wine Project")});
}

TEST_F(RestorePointService_UnderWine, TheBackupListShowsOneRow) {
    const auto records = ListRestorePoints(management);
    ASSERT_TRUE(records);
    ASSERT_EQ(records.Value().size(), 1u);
    EXPECT_EQ(FormatRestorePointRow(records.Value()[0]), "RP:0   ()");
}

}  // namespace
}  // namespace brivex
