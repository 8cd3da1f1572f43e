#include "restore/RestorePointService.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "platform/portable/MemoryRegistry.h"
#include "platform/portable/ScriptedManagementService.h"

namespace brivex {
namespace {

using Request = ScriptedManagementService::CreateRequest;

constexpr std::int32_t kNotFound = static_cast<std::int32_t>(0x80041002);      // WBEM_E_NOT_FOUND
constexpr std::int32_t kAccessDenied = static_cast<std::int32_t>(0x80041003);  // WBEM_E_ACCESS_DENIED
constexpr std::int32_t kServiceDisabled = 1058;                                // ERROR_SERVICE_DISABLED

TEST(MakeRestorePoint_Result, ANonZeroStatusIsARefusal) {
    for (const std::int32_t status : {kServiceDisabled, 1, -1, kNotFound}) {
        ScriptedManagementService management;
        MemoryRegistry registry;
        management.AnswerCreation(status);
        EXPECT_FALSE(MakeRestorePoint(management, registry, "Nom", restorepointtype::ApplicationInstall)) << status;
    }
}

TEST(MakeRestorePoint_Result, EveryFailureOnTheWayIsFalseAfterOneRequest) {
    struct Case {
        const char* what;
        void (*script)(ScriptedManagementService&);
    };
    const Case cases[] = {
        {"no management service", [](ScriptedManagementService& m) { m.FailToBind(); }},
        {"class or method missing", [](ScriptedManagementService& m) { m.FailCreation(kNotFound); }},
        {"access denied", [](ScriptedManagementService& m) { m.FailCreation(kAccessDenied); }},
    };
    for (const Case& c : cases) {
        ScriptedManagementService management;
        MemoryRegistry registry;
        c.script(management);
        EXPECT_FALSE(MakeRestorePoint(management, registry, "Nom", restorepointtype::ModifySettings)) << c.what;
        EXPECT_EQ(management.CreateRequests().size(), 1u) << c.what << ": no retry";
    }
}

// What Windows 8 and later do with a request, and what the program then says, with the
// creation frequency put back exactly as it was.
TEST(MakeRestorePoint_Result, MadeOnlyWhenTheListThenHoldsANewPoint) {
    const std::string kKey = "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\SystemRestore";
    const std::string kValue = "SystemRestorePointCreationFrequency";
    using Stored = MemoryRegistry::StoredValue;
    const Stored kFourHours{regtype::Dword, {240, 0, 0, 0}};
    const Stored kAsText{regtype::String, {'6', '0'}};
    struct Case {
        const char* what;
        bool key;                     // the SystemRestore key is there
        std::optional<Stored> value;  // the frequency before
        void (*script)(ScriptedManagementService&);
        bool made;
    };
    const Case cases[] = {
        {"no recent point", true, std::nullopt, [](ScriptedManagementService&) {}, true},
        {"a point of an hour ago, the limit lifted", true, std::nullopt,
         [](ScriptedManagementService& m) { m.AddPointMadeMinutesAgo(60); }, true},
        {"the limit lifted whatever it held", true, kFourHours,
         [](ScriptedManagementService& m) { m.AddPointMadeMinutesAgo(60); }, true},
        {"a frequency stored as text comes back as text", true, kAsText,
         [](ScriptedManagementService& m) { m.AddPointMadeMinutesAgo(60); }, true},
        {"no key to lift it in: answered 0, nothing made", false, std::nullopt,
         [](ScriptedManagementService& m) { m.AddPointMadeMinutesAgo(60); }, false},
        {"refused by a disabled service", true, kFourHours,
         [](ScriptedManagementService& m) { m.AnswerCreation(kServiceDisabled); }, false},
        {"service down", true, std::nullopt, [](ScriptedManagementService& m) { m.FailToBind(); }, false},
        {"made, but the list cannot be read", true, std::nullopt,
         [](ScriptedManagementService& m) { m.FailListing(kAccessDenied); }, false},
    };
    for (const Case& c : cases) {
        MemoryRegistry registry;
        if (c.key) registry.CreateKey(regroot::LocalMachine, kKey);
        if (c.value) registry.PutValue(regroot::LocalMachine, kKey, kValue, *c.value);
        ScriptedManagementService management;
        management.ReadFrequencyFrom(registry);
        management.AnswerListing({{"40", "Installé", "t"}});
        c.script(management);
        EXPECT_EQ(MakeRestorePoint(management, registry, "Nom", restorepointtype::ModifySettings), c.made) << c.what;
        const auto after = registry.FindValue(regroot::LocalMachine, kKey, kValue);
        ASSERT_EQ(after.has_value(), c.value.has_value()) << c.what;
        if (after) {
            EXPECT_EQ(std::tie(after->type, after->bytes), std::tie(c.value->type, c.value->bytes)) << c.what;
        }
    }
}

TEST(MakeRestorePoint_Request, CarriesTheCallersValuesAndTheBeginEvent) {
    ScriptedManagementService management;
    MemoryRegistry registry;
    MakeRestorePoint(management, registry, "Velmora First", 0);
    MakeRestorePoint(management, registry, "Brivex Auto Optimisation ", 12);
    MakeRestorePoint(management, registry, "Brivex Tweak Optimisation ", 12);
    MakeRestorePoint(management, registry, "Pilote", 10);
    MakeRestorePoint(management, registry, "Logiciel", 1);
    const std::vector<Request> expected = {
        {"Velmora First", 0, 100},
        {"Brivex Auto Optimisation ", 12, 100},
        {"Brivex Tweak Optimisation ", 12, 100},
        {"Pilote", 10, 100},
        {"Logiciel", 1, 100},
    };
    EXPECT_EQ(management.CreateRequests(), expected);
}

TEST(MakeRestorePoint_Request, DescriptionIsPassedOnUnchanged) {
    ScriptedManagementService management;
    MemoryRegistry registry;
    for (const char* description : {"", "   ", " (avant) ", "Point n°3 — réglages"})
        MakeRestorePoint(management, registry, description, restorepointtype::ApplicationInstall);
    ASSERT_EQ(management.CreateRequests().size(), 4u);
    EXPECT_EQ(management.CreateRequests()[0].description, "");
    EXPECT_EQ(management.CreateRequests()[1].description, "   ");
    EXPECT_EQ(management.CreateRequests()[2].description, " (avant) ");
    EXPECT_EQ(management.CreateRequests()[3].description, "Point n°3 — réglages");
}

TEST(ListRestorePoints_Records, KeepTheServiceOrder) {
    ScriptedManagementService management;
    management.AnswerListing({
        {"9", "Neuf", "20240301000000.000000+060"},
        {"2", "Deux", "20240101000000.000000+060"},
        {"5", "Cinq", "20240201000000.000000+060"},
    });
    const auto listed = ListRestorePoints(management);
    ASSERT_TRUE(listed);
    const std::vector<RestorePointRecord> expected = {
        {"9", "Neuf", "20240301000000.000000+060"},
        {"2", "Deux", "20240101000000.000000+060"},
        {"5", "Cinq", "20240201000000.000000+060"},
    };
    EXPECT_EQ(listed.Value(), expected);
}

TEST(ListRestorePoints_Records, NullsAndValuesThatAreNoTextOrNumberBecomeEmptyAndDropOutOfTheRow) {
    ScriptedManagementService management;
    management.AnswerInstances({
        {{"SequenceNumber", std::int64_t{3}}, {"CreationTime", std::string("t")}},
        {{"SequenceNumber", true}, {"Description", std::string("Nom")}, {"CreationTime", std::vector<std::int64_t>{1}}},
        {{"Description", std::vector<std::string>{"?"}}},
    });
    const auto listed = ListRestorePoints(management);
    ASSERT_TRUE(listed);
    ASSERT_EQ(listed.Value().size(), 3u);
    EXPECT_EQ(FormatRestorePointRow(listed.Value()[0]), "RP:3   (t)");
    EXPECT_EQ(FormatRestorePointRow(listed.Value()[1]), "RP:  Nom ()");
    EXPECT_EQ(FormatRestorePointRow(listed.Value()[2]), "RP:   ()");
    const std::vector<ScriptedManagementService::QueryRequest> asked = {
        {"winmgmts:root/default", "SystemRestore", {"SequenceNumber", "Description", "CreationTime"}}};
    EXPECT_EQ(management.ListingRequests(), asked);
}

TEST(ListRestorePoints_Records, NoRestorePointsGiveAnEmptyList) {
    ScriptedManagementService management;
    const auto listed = ListRestorePoints(management);
    ASSERT_TRUE(listed);
    EXPECT_TRUE(listed.Value().empty());
}

TEST(ListRestorePoints_Records, EachListingAsksTheServiceAgain) {
    ScriptedManagementService management;
    management.AnswerListing({{"1", "Un", "t"}});
    ASSERT_EQ(ListRestorePoints(management).Value().size(), 1u);
    management.AnswerListing({{"1", "Un", "t"}, {"2", "Deux", "t"}});
    EXPECT_EQ(ListRestorePoints(management).Value().size(), 2u);
    EXPECT_EQ(management.ListingRequests().size(), 2u);
    EXPECT_TRUE(management.CreateRequests().empty());
}

TEST(ListRestorePoints_Failure, ReachesTheCallerWithItsStatus) {
    ScriptedManagementService management;
    management.FailListing(kAccessDenied);
    const auto denied = ListRestorePoints(management);
    ASSERT_FALSE(denied);
    EXPECT_EQ(denied.Failure().status, kAccessDenied);

    management.FailToBind();
    const auto unbound = ListRestorePoints(management);
    ASSERT_FALSE(unbound);
    EXPECT_EQ(unbound.Failure().status, ScriptedManagementService::kBindFailure);
}

}  // namespace
}  // namespace brivex
