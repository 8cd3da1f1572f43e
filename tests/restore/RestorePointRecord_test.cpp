#include "restore/RestorePointRecord.h"

#include <gtest/gtest.h>

namespace brivex {
namespace {

struct RowCase {
    RestorePointRecord record;
    const char* row;
};

void ExpectRows(std::initializer_list<RowCase> cases) {
    for (const RowCase& c : cases) EXPECT_EQ(FormatRestorePointRow(c.record), c.row) << c.row;
}

TEST(RestorePointRow_Format, NumberDescriptionAndTimeInTheirPlaces) {
    ExpectRows({
        {{"12", "Velmora First", "20240315093012.123456+060"}, "RP:12  Velmora First (20240315093012.123456+060)"},
        {{"1", "x", "y"}, "RP:1  x (y)"},
        {{"4294967295", "Hardware", "t"}, "RP:4294967295  Hardware (t)"},
    });
}

TEST(RestorePointRow_Format, EmptyValuesContributeNothingAndTheFixedPartsStay) {
    ExpectRows({
        {{"", "", ""}, "RP:   ()"},
        {{"7", "", ""}, "RP:7   ()"},
        {{"", "Nom", ""}, "RP:  Nom ()"},
        {{"", "", "20240315093012.123456+060"}, "RP:   (20240315093012.123456+060)"},
        {{"7", "", "t"}, "RP:7   (t)"},
    });
}

TEST(RestorePointRow_Format, TextsAreCopiedUnchanged) {
    ExpectRows({
        {{"5", "Brivex Auto Optimisation ", "t"}, "RP:5  Brivex Auto Optimisation  (t)"},
        {{"6", "Avant (pilote) v2", "t"}, "RP:6  Avant (pilote) v2 (t)"},
        {{"8", "   ", "t"}, "RP:8      (t)"},
        {{"9", "Sauvegarde générale", "t"}, "RP:9  Sauvegarde générale (t)"},
        {{"10", "x", " 20240315093012.123456+060 "}, "RP:10  x ( 20240315093012.123456+060 )"},
    });
}

}  // namespace
}  // namespace brivex
