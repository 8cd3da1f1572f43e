#include "ui/DrvFact.h"

#include <gtest/gtest.h>

#include "platform/portable/ScriptedDrives.h"

namespace brivex::ui {
namespace {

TEST(DrvFact_Reads, ReflectTheDriveLastNamedAndStayTheSameUntilTheNext) {
    ScriptedDrives drives;
    drives.facts['c'] = {"System", "NTFS", "1A2B-3C4D", 100.0, 25.0, 3};
    drives.facts['d'] = {"", "CDFS", "", 0.0, 0.0, 5};
    DrvFact fact(drives);
    fact.SetDrive("c: [System]");
    EXPECT_EQ(fact.VolumeName(), "System");
    EXPECT_EQ(fact.FileSystem(), "NTFS");
    EXPECT_EQ(fact.SerialNumber(), "1A2B-3C4D");
    EXPECT_EQ(fact.FreeSpace() / fact.TotalSpace(), 0.25);

    drives.facts['c'].freeSpace = 50.0;  // the disk fills between two reads
    for (int i = 0; i < 5; ++i) EXPECT_EQ(fact.DriveType(), 3);
    EXPECT_EQ(fact.FreeSpace(), 25.0) << "reads give the same value until the drive is named again";
    EXPECT_EQ(drives.mediaReads['c'], 1);

    fact.SetDrive("D:");
    EXPECT_EQ(fact.DriveType(), 5);
    EXPECT_EQ(fact.TotalSpace(), 0.0);
    fact.SetDrive("c: [System]");
    EXPECT_EQ(fact.FreeSpace(), 50.0);
}

TEST(DrvFact_Reads, NoDriveOrAnUnknownOneHasNoFacts) {
    ScriptedDrives drives;
    DrvFact fact(drives);
    fact.SetDrive("");
    EXPECT_EQ(fact.DriveType(), 0);
    fact.SetDrive("q:");
    EXPECT_EQ(fact.TotalSpace(), 0.0);
    EXPECT_EQ(fact.VolumeName(), "");
}

}  // namespace
}  // namespace brivex::ui
