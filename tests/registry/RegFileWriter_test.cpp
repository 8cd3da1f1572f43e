#include <gtest/gtest.h>

#include "base/Unicode.h"
#include "registry/RegFileWriter.h"

namespace brivex {
namespace {

std::string Wide(const std::string& utf8) { return Utf8ToUtf16Le(utf8); }
// A text with its terminator, as the registry holds it.
std::string Z(const std::string& utf8) { return utf8 + '\0'; }

// The line the writer adds for one value, without its line end.
std::string LineFor(const std::string& name, std::uint32_t type, const std::string& data) {
    RegFileWriter writer;
    writer.Value(name, type, data);
    const std::string& text = writer.Text();
    const std::string header = "Windows Registry Editor Version 5.00\r\n";
    return text.substr(header.size(), text.size() - header.size() - 2);
}

TEST(RegFileWriter_Values, EachTypeIsWrittenAsTheRegistryEditorWritesIt) {
    struct Case {
        std::string name;
        std::uint32_t type;
        std::string data;
        std::string line;
    };
    const Case cases[] = {
        {"HungAppTimeOut", 1, Z("5000"), R"("HungAppTimeOut"="5000")"},
        {"Plain", 1, "no terminator", R"("Plain"="no terminator")"},
        {"", 1, Z("default"), R"(@="default")"},
        {"Path", 1, Z("\"C:\\Prog\\a b.exe\""), R"("Path"="\"C:\\Prog\\a b.exe\"")"},
        {"Quote\"d\\", 1, Z(""), R"("Quote\"d\\"="")"},
        {"Accent", 1,
         Z("Fran\xC3\xA7"
           "ais"),
         "\"Accent\"=\"Fran\xC3\xA7"
         "ais\""},
        {"Empty", 1, "", R"("Empty"="")"},
        {"Start", 4, std::string("\x04\0\0\0", 4), R"("Start"=dword:00000004)"},
        {"Max", 4, "\xFF\xFF\xFF\xFF", R"("Max"=dword:ffffffff)"},
        {"Short", 4, std::string("\x01\0", 2), R"("Short"=hex(4):01,00)"},
        {"Bytes", 3, std::string("\x00\xAB\x10", 3), R"("Bytes"=hex:00,ab,10)"},
        {"None", 3, "", R"("None"=hex:)"},
        {"Expand", 2, Z("%a"), R"("Expand"=hex(2):25,00,61,00,00,00)"},
        {"ExpandAccent", 2, Z("\xC3\xA9"), R"("ExpandAccent"=hex(2):e9,00,00,00)"},
        {"Multi", 7, std::string("a\0b\0\0", 5), R"("Multi"=hex(7):61,00,00,00,62,00,00,00,00,00)"},
        {"Quad", 11, std::string("\x01\0\0\0\0\0\0\0", 8), R"("Quad"=hex(b):01,00,00,00,00,00,00,00)"},
        // Texts quotes cannot hold keep every byte as hexadecimal.
        {"TwoLines", 1, Z("a\r\nb"), R"("TwoLines"=hex(1):61,00,0d,00,0a,00,62,00,00,00)"},
        {"Inner", 1, std::string("a\0b\0", 4), R"("Inner"=hex(1):61,00,00,00,62,00,00,00)"},
    };
    for (const Case& c : cases) EXPECT_EQ(LineFor(c.name, c.type, c.data), c.line) << c.name;
}

TEST(RegFileWriter_Values, LongHexadecimalLinesBreakAndGoOnIndented) {
    const std::string line = LineFor("Blob", 3, std::string(100, '\x5A'));
    std::vector<std::string> lines;
    for (std::size_t start = 0;;) {
        const std::size_t end = line.find("\r\n", start);
        lines.push_back(line.substr(start, end - start));
        if (end == std::string::npos) break;
        start = end + 2;
    }
    ASSERT_GT(lines.size(), 1u);
    std::string bytes;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        EXPECT_LE(lines[i].size(), 80u) << i;
        const bool last = i + 1 == lines.size();
        EXPECT_EQ(lines[i].back() == '\\', !last) << i;
        if (i > 0) { EXPECT_EQ(lines[i].substr(0, 2), "  ") << i; }
        bytes += lines[i].substr(i == 0 ? std::string("\"Blob\"=hex:").size() : 2);
        if (!last) bytes.pop_back();
    }
    std::string expected;
    for (int i = 0; i < 100; ++i) expected += i == 0 ? "5a" : ",5a";
    EXPECT_EQ(bytes, expected);
}

TEST(RegFileWriter_File, CommentsKeysRemovalsAndTheFileAsTheEditorReadsIt) {
    RegFileWriter writer;
    writer.Comment("Non modifi\xC3\xA9 : W32Time");
    writer.Comment("two\r\nlines");
    writer.Key(regroot::CurrentUser, "Control Panel\\Desktop");
    writer.DeletedValue("AutoEndTasks");
    writer.DeletedValue("");
    writer.DeletedKey(regroot::LocalMachine, "SOFTWARE\\Old");
    writer.Key(regroot::LocalMachine, "SOFTWARE\\Old");
    EXPECT_EQ(writer.Text(),
              "Windows Registry Editor Version 5.00\r\n"
              "\r\n; Non modifi\xC3\xA9 : W32Time\r\n"
              "; two  lines\r\n"
              "\r\n[HKEY_CURRENT_USER\\Control Panel\\Desktop]\r\n"
              "\"AutoEndTasks\"=-\r\n"
              "@=-\r\n"
              "\r\n[-HKEY_LOCAL_MACHINE\\SOFTWARE\\Old]\r\n"
              "\r\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Old]\r\n");
    EXPECT_EQ(writer.FileBytes(), "\xFF\xFE" + Wide(writer.Text() + "\r\n"));
}

}  // namespace
}  // namespace brivex
