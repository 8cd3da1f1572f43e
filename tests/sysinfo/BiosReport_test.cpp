#include "sysinfo/BiosReport.h"

#include <gtest/gtest.h>

namespace brivex {
namespace {

std::string French(int month) {
    static const char* const names[] = {"janvier", "février", "mars",      "avril",   "mai",      "juin",
                                        "juillet", "août",    "septembre", "octobre", "novembre", "décembre"};
    return names[month - 1];
}

const std::string kBlock =
    "Manufacturer:\t\r\nDescription:\t\r\nRelease Date:\t\r\nStatus\t:\t\r\nBIOS Version:\t\r\n"
    "Language Courrent\t:\t\r\n----------------------------------------------------------\r\n"
    "SM BIOS Present\t\t:\t\r\nSM BIOS Version majeure\t:\t\r\nSM BIOS Version mineure\t:\t\r\n"
    "----------------------------------------------------------\r\n"
    "----------------------------------------------------------\r\n";

TEST(BiosReport_Text, TwoInstancesGiveTwoBlocksAfterOneHeader) {
    ManagementInstance first = {
        {"Manufacturer", std::string("Acme")},   {"SMBIOSPresent", true},
        {"SMBIOSMajorVersion", std::int64_t{2}}, {"SMBIOSMinorVersion", std::int64_t{7}},
        {"Status", std::string("OK")},           {"CurrentLanguage", std::string("fr|FR|iso8859-1")}};
    ManagementInstance second = {{"SMBIOSPresent", false}};
    const std::string report = BiosReportText({first, second}, {}, French);
    EXPECT_EQ(report,
              "System BIOS Details : \r\n---------------------\r\n"
              "Manufacturer:\tAcme\r\nDescription:\t\r\nRelease Date:\t\r\nStatus\t:\tOK\r\nBIOS Version:\t\r\n"
              "Language Courrent\t:\tfr|FR|iso8859-1\r\n"
              "----------------------------------------------------------\r\n"
              "SM BIOS Present\t\t:\tOui\r\nSM BIOS Version majeure\t:\t2\r\nSM BIOS Version mineure\t:\t7\r\n"
              "----------------------------------------------------------\r\n"
              "----------------------------------------------------------\r\n"
              "Manufacturer:\t\r\nDescription:\t\r\nRelease Date:\t\r\nStatus\t:\t\r\nBIOS Version:\t\r\n"
              "Language Courrent\t:\t\r\n----------------------------------------------------------\r\n"
              "SM BIOS Present\t\t:\tNon\r\nSM BIOS Version majeure\t:\t\r\nSM BIOS Version mineure\t:\t\r\n"
              "----------------------------------------------------------\r\n"
              "----------------------------------------------------------\r\n");
}

TEST(BiosReport_Text, NullMissingAndUnusableValuesShowNothingAndTheReportGoesOn) {
    ManagementInstance odd = {{"Manufacturer", ManagementValue{}},
                              {"Description", std::vector<std::string>{"not", "a", "text"}},
                              {"ListOfLanguages", std::string("a text, not a list")}};
    EXPECT_EQ(BiosReportText({odd}, {}, French), "System BIOS Details : \r\n---------------------\r\n" + kBlock);
    EXPECT_EQ(BiosReportText({}, {}, French), "System BIOS Details : \r\n---------------------\r\n");
}

TEST(BiosReport_Text, LanguagesFromTheFirstEntryToTheLastSkippingBlankOnes) {
    ManagementInstance bios = {{"ListOfLanguages", std::vector<std::string>{" en ", "", "  ", "de", "fr"}}};
    const std::string report = BiosReportText({bios}, {}, French);
    const std::string rule = "----------------------------------------------------------\r\n";
    const std::size_t start = report.find(rule, report.find("mineure"));
    EXPECT_EQ(report.substr(start), rule +
                                        "BIOS Installable Languages\t : \t en \r\n"
                                        "BIOS Installable Languages\t : \tde\r\n"
                                        "BIOS Installable Languages\t : \tfr\r\n" +
                                        rule);
}

TEST(BiosReport_ReleaseDate, DayMonthNameAndYearOrNothing) {
    struct Case {
        ManagementValue value;
        const char* shown;
    };
    const Case cases[] = {
        {std::string("20090415000000.000000+000"), "15 - avril - 2009"},
        {std::string("20071201"), "01 - décembre - 2007"},
        {std::string("20240229000000.000000+000"), "29 - février - 2024"},
        {std::string("20230229000000.000000+000"), ""},
        {std::string("20091315000000.000000+000"), ""},
        {std::string("2009041"), ""},
        {std::string("WINE   - 1"), ""},
        {std::int64_t{20090415}, ""},
        {ManagementValue{}, ""},
    };
    for (const Case& c : cases) EXPECT_EQ(ReleaseDateText(c.value, French), c.shown) << c.shown;
}

TEST(BiosReport_ReleaseDate, TheDateOfEachInstanceGoesInItsOwnBlock) {
    const std::vector<ManagementInstance> dates = {{{"ReleaseDate", std::string("20010102")}},
                                                   {{"ReleaseDate", std::string("20020304")}}};
    const std::string report = BiosReportText({{}, {}}, dates, French);
    const std::size_t first = report.find("Release Date:\t02 - janvier - 2001\r\n");
    const std::size_t second = report.find("Release Date:\t04 - mars - 2002\r\n");
    EXPECT_NE(first, std::string::npos);
    EXPECT_NE(second, std::string::npos);
    EXPECT_LT(first, second);
}

TEST(BiosReport_Characteristics, CodesInArrayOrderFortyAnEmptyLineOthersNothing) {
    const CharacteristicTexts texts = BiosCharacteristicTexts();
    struct Case {
        std::vector<ManagementInstance> bios;
        std::vector<std::string> list;
    };
    const Case cases[] = {
        {{{{"BiosCharacteristics", std::vector<std::int64_t>{4, 7, 9, 40, 42}}}},
         {"ISA est supportée", "PCI est supportée", "Plug and Play est supportée", ""}},
        {{{{"BiosCharacteristics", std::vector<std::int64_t>{39, 0, -1, 3}}}},
         {"Smart Battery supported", "Réserver", "Caractéristiques du BIOS non supportées"}},
        {{{{"BiosCharacteristics", std::vector<std::int64_t>{32}}},
          {{"BiosCharacteristics", std::vector<std::int64_t>{11}}}},
         {"ACPI supported", "BIOS est mis à jour (Flash)"}},
        // A BIOS without the property (Wine's) or with something else in it: an empty list.
        {{{}}, {}},
        {{{{"BiosCharacteristics", std::string("7")}}}, {}},
    };
    for (const Case& c : cases) EXPECT_EQ(BiosCharacteristicsList(c.bios, texts), c.list);
    EXPECT_EQ(texts[20], "Int 13h - Japanese Floppy for NEC 9800 1.2mb (3.5, 1k Bytes/Sector, 360 RPM) est supportée");
    EXPECT_EQ(texts[40], "");
}

}  // namespace
}  // namespace brivex
