// A window's section read once answers every key as the string call would,
// byte for byte, on the portable engine natively and on kernel32 under Wine.
// Files, keys and texts here are raw ANSI bytes.

#include "lang/LanguageSection.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "lang/IniFileHarness.h"
#include "lang/TempFolder.h"

namespace brivex::testing {
namespace {

// Hands every call on, and keeps the buffer sizes of the section calls.
class SectionCallRecorder final : public IniFile {
public:
    explicit SectionCallRecorder(IniFile& ini) : ini_(ini) {}
    ProfileString GetString(const std::string& section, const std::string& key, const std::string& defaultValue,
                            std::uint32_t bufferSize, const std::string& file) override {
        return ini_.GetString(section, key, defaultValue, bufferSize, file);
    }
    ProfileString GetSection(const std::string& section, std::uint32_t bufferSize, const std::string& file) override {
        ProfileString got = ini_.GetSection(section, bufferSize, file);
        sizes.push_back(bufferSize);
        counts.push_back(got.count);
        return got;
    }
    ProfileString GetSectionNames(std::uint32_t bufferSize, const std::string& file) override {
        return ini_.GetSectionNames(bufferSize, file);
    }
    ProfileString GetKeyNames(const std::string& section, const std::string& defaultValue, std::uint32_t bufferSize,
                              const std::string& file) override {
        return ini_.GetKeyNames(section, defaultValue, bufferSize, file);
    }
    std::int32_t WriteString(const std::string& section, const std::string& key,
                             const std::optional<std::string>& value, const std::string& file) override {
        return ini_.WriteString(section, key, value, file);
    }
    std::int32_t DeleteSection(const std::string& section, const std::string& file) override {
        return ini_.DeleteSection(section, file);
    }

    std::vector<std::uint32_t> sizes;
    std::vector<std::uint32_t> counts;

private:
    IniFile& ini_;
};

class LanguageSectionSuite : public ::testing::Test {
protected:
    std::unique_ptr<IniFileHarness> harness = MakeIniFileHarness();
    TempFolder folder;
    const std::string file = folder.Path("Test.lng");

    std::string Ansi(const std::string& path) const { return harness->Ansi().ToAnsi(path); }

    // The string call's answer: the bytes its count covers.
    std::string StringCall(const std::string& path, const std::string& key, const std::string& defaultValue,
                           std::uint32_t size) {
        const ProfileString got = harness->Ini().GetString("FrmHome", key, defaultValue, size, Ansi(path));
        return got.buffer.substr(0, std::min<std::size_t>(got.count, got.buffer.size()));
    }
};

enum class Where { File, NoFile, NoFolder };

struct FileCase {
    const char* what;
    Where where;
    std::string bytes;
    std::vector<std::string> keys;
    bool noLines = false;  // the section call gives nothing back
};

std::string AsciiUpper(std::string text) {
    for (char& c : text)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return text;
}

std::string AsciiLower(std::string text) {
    for (char& c : text)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return text;
}

bool TrimmedStartsWithSemicolon(const std::string& key) {
    const auto first = key.find_first_not_of(" \t");
    return first != std::string::npos && key[first] == ';';
}

const std::vector<FileCase>& FileCases() {
    static const std::vector<FileCase> cases = {
        {"letter case",
         Where::File,
         "[frmhome]\r\nCommand1.Caption=Optimise\r\nLABEL1.caption=Nettoyer\r\n",
         {"Command1.Caption", "Label1.Caption"}},
        {"blanks around names and equals",
         Where::File,
         "[ FrmHome ]\r\n  Label1.Caption  =  spaced value  \r\n\tLabel2.Caption\t=\tt\t\r\nLabel3.Caption =v\r\n",
         {"Label1.Caption", "Label2.Caption", "Label3.Caption"}},
        {"quotes balanced and not",
         Where::File,
         "[FrmHome]\r\n"
         "double=\"q v\"\r\n"
         "single='s v'\r\n"
         "padded=  \"p\"  \r\n"
         "inner=\"\"twice\"\"\r\n"
         "unbalanced=\"abc\r\n"
         "mixed=\"abc'\r\n"
         "partial='b' x\r\n"
         "pair=\"\"\r\n"
         "lone=\"\r\n"
         "short=\"ab\"\r\n",
         {"double", "single", "padded", "inner", "unbalanced", "mixed", "partial", "pair", "lone", "short"}},
        {"duplicates",
         Where::File,
         "[FrmHome]\r\nk=first\r\nK=second\r\nnoequals\r\nnoequals=late\r\n[T]\r\nt=1\r\n[FRMHOME]\r\nother=1\r\n",
         {"k", "noequals", "other", "t"}},
        {"empty values",
         Where::File,
         "[FrmHome]\r\nempty=\r\nblank=    \r\nLabel1.Caption=\r\n",
         {"empty", "blank", "Label1.Caption"}},
        {"lines without equals",
         Where::File,
         "[FrmHome]\r\nCaption\r\nOther=1\r\n  spaced line  \r\n=no name\r\n",
         {"Caption", "Other", "spaced line"}},
        {"comment lines",
         Where::File,
         "; Brivex Doziv\r\n[FrmHome]\r\n;Label1.Caption=commented\r\nLabel2.Caption=kept ; not a comment\r\n"
         "  ; Label3.Caption = x\r\n",
         {"Label1.Caption", "Label2.Caption", "Label3.Caption", ";Label1.Caption", "; Label3.Caption"}},
        {"long values",
         Where::File,
         "[FrmHome]\r\nlong=" + std::string(300, 'x') + "\r\nquotedLong=\"" + std::string(260, 'y') + "\"\r\nedge=\"" +
             std::string(254, 'z') + "\"\r\nfits=\"" + std::string(253, 'w') + "\"\r\n",
         {"long", "quotedLong", "edge", "fits"}},
        {"accented bytes",
         Where::File,
         "[FrmHome]\r\nk=G\xE9n\xE9ral \x80 \xAB x \xBB\r\nnbsp=\xA0x\xA0\r\n\xC9t\xE9=\xE9t\xE9\r\n",
         {"k", "nbsp", "\xC9t\xE9"}},
        {"line ends and end-of-file marks",
         Where::File,
         "[T]\ry=2\r[FrmHome]\nx=1\n\nz=3\r\nctrlz=\x1Az\x1A",
         {"x", "y", "z", "ctrlz"}},
        {"missing section", Where::File, "[FrmTweak]\r\nForm.Caption=Tweaks\r\n", {"Form.Caption"}, true},
        {"empty section", Where::File, "[FrmHome]\r\n[T]\r\nt=1\r\n", {"t"}, true},
        {"section of comments", Where::File, "[FrmHome]\r\n; nothing yet\r\n", {"nothing yet"}, true},
        {"missing file", Where::NoFile, "", {"Form.Caption"}, true},
        {"missing folder", Where::NoFolder, "", {"Form.Caption"}, true},
    };
    return cases;
}

using LanguageSection_AnswersAsTheStringCall = LanguageSectionSuite;

TEST_F(LanguageSection_AnswersAsTheStringCall, ForEveryKeyOfEveryFile) {
    const std::string defaults[] = {"<default>", "", "Trailing  ", "\"quoted\"", "'q'  "};
    const std::uint32_t sizes[] = {255, 4};
    for (const FileCase& c : FileCases()) {
        const std::string name = std::string(c.what) + ".lng";
        const std::string path = folder.Path(c.where == Where::NoFolder ? "Lang\\" + name : name);
        if (c.where == Where::File) folder.Put(path, c.bytes);
        const std::optional<LanguageSection> section = LanguageSection::Read(harness->Ini(), "FrmHome", Ansi(path));
        ASSERT_TRUE(section) << c.what;

        std::vector<std::string> keys = {"Absent.Caption"};
        for (const std::string& key : c.keys) {
            for (const std::string& asked : {key, AsciiUpper(key), AsciiLower(key), " " + key + "\t"})
                keys.push_back(asked);
        }
        for (const std::string& key : keys) {
            for (const std::string& defaultValue : defaults) {
                for (const std::uint32_t size : sizes) {
                    const std::string shown =
                        std::string(c.what) + " / " + key + " / " + defaultValue + " / " + std::to_string(size);
                    const std::optional<std::string> got = section->Text(key, defaultValue, size);
                    const bool quotedDefault = defaultValue.find_first_of("\"'") == 0;
                    if (TrimmedStartsWithSemicolon(key) || (c.noLines && quotedDefault)) {
                        EXPECT_FALSE(got) << shown << ": only the system can tell";
                        continue;
                    }
                    ASSERT_TRUE(got) << shown;
                    EXPECT_EQ(*got, StringCall(path, key, defaultValue, size)) << shown;
                }
            }
        }
    }
}

using LanguageSection_Holds = LanguageSectionSuite;

// What the section says it holds, a write leaves as it was, to the byte: tried
// on every key of every file with the texts a window would write.
TEST_F(LanguageSection_Holds, OnlyATextWhoseWriteLeavesTheFileAsItWas) {
    for (const FileCase& c : FileCases()) {
        if (c.where != Where::File) continue;
        const std::string path = folder.Path(std::string(c.what) + ".lng");
        folder.Put(path, c.bytes);
        const std::optional<LanguageSection> section = LanguageSection::Read(harness->Ini(), "FrmHome", Ansi(path));
        ASSERT_TRUE(section) << c.what;
        for (const std::string& key : c.keys) {
            const std::string text = StringCall(path, key, "", 1024);
            const std::string texts[] = {text, "\"" + text + "\"", text + " ", "other", ""};
            for (const std::string& asked : {key, AsciiUpper(key)}) {
                for (const std::string& written : texts) {
                    if (!section->Holds(asked, written)) continue;
                    harness->Ini().WriteString("FrmHome", asked, written, Ansi(path));
                    EXPECT_EQ(folder.Get(path), c.bytes) << c.what << " / " << asked << " / " << written;
                }
            }
        }
    }
    folder.Put(file, "[FrmHome]\r\nk=first\r\n  Label1.Caption  =  spaced  \r\nK=second\r\nq=\"quoted\"\r\n");
    const std::optional<LanguageSection> section = LanguageSection::Read(harness->Ini(), "FrmHome", Ansi(file));
    ASSERT_TRUE(section);
    EXPECT_TRUE(section->Holds("K", "first"));
    EXPECT_FALSE(section->Holds("k", "second")) << "the first line of a key is the one written";
    EXPECT_TRUE(section->Holds("label1.caption", "spaced"));
    EXPECT_FALSE(section->Holds("Label1.Caption", "spaced  ")) << "a write keeps trailing blanks";
    EXPECT_TRUE(section->Holds("q", "\"quoted\""));
    EXPECT_FALSE(section->Holds("q", "quoted"));
    EXPECT_FALSE(section->Holds("absent", "first"));
}

// Keys "k0001", "k0002"... with values of filler, then `lastLine`, so that the
// lines, each with its NUL, take exactly `size` bytes.
std::string SectionOfSize(std::size_t size, const std::string& lastLine) {
    std::string text = "[FrmHome]\r\n";
    std::size_t taken = lastLine.size() + 1;
    for (int i = 1; taken < size; ++i) {
        std::string line = std::to_string(10000 + i) + '=';
        line.front() = 'k';
        // All that is left, or 50 bytes when a whole line more still fits after them.
        std::size_t filler = size - taken - line.size() - 1;
        if (filler > 50 + line.size() + 1) filler = 50;
        line.append(filler, 'f');
        taken += line.size() + 1;
        text += line + "\r\n";
    }
    return text + lastLine + "\r\n";
}

using LanguageSection_Read = LanguageSectionSuite;

TEST_F(LanguageSection_Read, GrowsTheBufferWhileTheSectionMayHaveBeenCut) {
    folder.Put(file, "[FrmHome]\r\nk=1\r\n");
    SectionCallRecorder small(harness->Ini());
    ASSERT_TRUE(LanguageSection::Read(small, "FrmHome", Ansi(file)));
    ASSERT_EQ(small.sizes.size(), 1u);
    const std::size_t first = small.sizes.front();

    // A count of two bytes less than the buffer is what a cut section gives too.
    const std::pair<std::size_t, bool> cases[] = {
        {100, true}, {first - 3, true}, {first - 2, false}, {first - 1, false}, {20000, false},
    };
    for (const auto& [size, oneCall] : cases) {
        folder.Put(file, SectionOfSize(size, "Last.Caption=\"last\""));
        SectionCallRecorder recorder(harness->Ini());
        const std::optional<LanguageSection> section = LanguageSection::Read(recorder, "FrmHome", Ansi(file));
        ASSERT_TRUE(section) << size;
        EXPECT_EQ(section->Text("Last.Caption", "", 255), "last") << size;
        EXPECT_EQ(section->Text("k0001", "", 255), StringCall(file, "k0001", "", 255)) << size;
        EXPECT_EQ(recorder.counts.back(), size) << size;
        EXPECT_EQ(recorder.sizes.size() == 1, oneCall) << size;
        EXPECT_TRUE(std::adjacent_find(recorder.sizes.begin(), recorder.sizes.end(), std::greater_equal<>()) ==
                    recorder.sizes.end())
            << size << ": each call with a larger buffer";
    }
}

TEST_F(LanguageSection_Read, ASectionTheSystemCannotHandBackWholeIsNotRead) {
    folder.Put(file, SectionOfSize(40000, "Last.Caption=last"));
    SectionCallRecorder recorder(harness->Ini());
    EXPECT_FALSE(LanguageSection::Read(recorder, "FrmHome", Ansi(file)));
    EXPECT_EQ(recorder.sizes.back(), 32767u);
    EXPECT_EQ(recorder.counts.back(), 32765u);
    EXPECT_EQ(StringCall(file, "Last.Caption", "", 255), "last") << "left to the string call";
}

}  // namespace
}  // namespace brivex::testing
