// The rules of the system's profile functions that the language files rely on,
// checked on the portable engine natively and on kernel32 under Wine. Files are
// set up and inspected as raw bytes, which are in the ANSI code page.

#include <gtest/gtest.h>

#include "lang/IniFileHarness.h"
#include "lang/TempFolder.h"

namespace brivex::testing {
namespace {

class IniFileSuite : public ::testing::Test {
protected:
    std::unique_ptr<IniFileHarness> harness = MakeIniFileHarness();
    IniFile& ini = harness->Ini();
    const AnsiCodec& ansi = harness->Ansi();
    TempFolder folder;
    const std::string file = folder.Path("Test.lng");

    // The text before the terminator, once the buffer is seen to keep its size
    // and the count to give the length of that text in ANSI bytes.
    std::string ReadFrom(const std::string& path, const std::string& section, const std::string& key,
                         const std::string& defaultValue = "<default>", std::uint32_t size = 255) {
        const ProfileString got =
            ini.GetString(ansi.ToAnsi(section), ansi.ToAnsi(key), ansi.ToAnsi(defaultValue), size, ansi.ToAnsi(path));
        const std::string text = got.buffer.substr(0, got.buffer.find('\0'));
        EXPECT_EQ(got.buffer.size(), size);
        EXPECT_EQ(got.count, text.size());
        return ansi.FromAnsi(text);
    }
    std::string Read(const std::string& section, const std::string& key, const std::string& defaultValue = "<default>",
                     std::uint32_t size = 255) {
        return ReadFrom(file, section, key, defaultValue, size);
    }
    std::int32_t WriteTo(const std::string& path, const std::string& section, const std::string& key,
                         const std::optional<std::string>& value) {
        const std::optional<std::string> ansiValue = value ? std::optional(ansi.ToAnsi(*value)) : std::nullopt;
        return ini.WriteString(ansi.ToAnsi(section), ansi.ToAnsi(key), ansiValue, ansi.ToAnsi(path));
    }
    std::int32_t Write(const std::string& section, const std::string& key, const std::optional<std::string>& value) {
        return WriteTo(file, section, key, value);
    }
    ProfileString SectionFrom(const std::string& path, const std::string& section, std::uint32_t size = 4096) {
        ProfileString got = ini.GetSection(ansi.ToAnsi(section), size, ansi.ToAnsi(path));
        EXPECT_EQ(got.buffer.size(), size);
        return got;
    }
    ProfileString Section(const std::string& section, std::uint32_t size = 4096) {
        return SectionFrom(file, section, size);
    }
    ProfileString SectionNames(std::uint32_t size = 4096) {
        ProfileString got = ini.GetSectionNames(size, ansi.ToAnsi(file));
        EXPECT_EQ(got.buffer.size(), size);
        return got;
    }
    ProfileString KeyNames(const std::string& section, std::uint32_t size = 4096,
                           const std::string& defaultValue = "<default>") {
        ProfileString got = ini.GetKeyNames(ansi.ToAnsi(section), ansi.ToAnsi(defaultValue), size, ansi.ToAnsi(file));
        EXPECT_EQ(got.buffer.size(), size);
        return got;
    }
    std::int32_t DeleteSectionIn(const std::string& path, const std::string& section) {
        return ini.DeleteSection(ansi.ToAnsi(section), ansi.ToAnsi(path));
    }
    void PutFile(const std::string& bytes) { folder.Put(file, bytes); }
    std::string FileBytes() const { return folder.Get(file).value_or("<missing>"); }
};

using IniFile_Lookup = IniFileSuite;

TEST_F(IniFile_Lookup, MissingFileSectionOrKeyGivesTheDefault) {
    EXPECT_EQ(Read("FrmHome", "Form.Caption", "Velmora Xp"), "Velmora Xp");
    PutFile("[FrmTweak]\r\nForm.Caption=Tweaks\r\n");
    EXPECT_EQ(Read("FrmHome", "Form.Caption", "Velmora Xp"), "Velmora Xp");
    EXPECT_EQ(Read("FrmTweak", "Label1.Caption", "Options"), "Options");
    EXPECT_EQ(Read("FrmTweak", "Label1.Caption", ""), "");
}

TEST_F(IniFile_Lookup, NamesIgnoreLetterCaseAndSurroundingBlanks) {
    PutFile("[ FrmHome ]\r\n  Command1.Caption  =Optimise\r\n");
    EXPECT_EQ(Read("FrmHome", "Command1.Caption"), "Optimise");
    EXPECT_EQ(Read("FRMHOME", "command1.caption"), "Optimise");
    EXPECT_EQ(Read("  frmhome ", "\tCOMMAND1.Caption "), "Optimise");
}

TEST_F(IniFile_Lookup, ValueIsTheTrimmedRestOfTheLineAfterTheFirstEquals) {
    PutFile(
        "[S]\r\n"
        "spaces=   spaced value   \r\n"
        "tabs=\tt\t\r\n"
        "around = v\r\n"
        "equals=a=b\r\n"
        "semicolon=a;b ; c\r\n"
        "empty=\r\n"
        "blank=    \r\n");
    const std::pair<const char*, const char*> cases[] = {
        {"spaces", "spaced value"}, {"tabs", "t"}, {"around", "v"}, {"equals", "a=b"},
        {"semicolon", "a;b ; c"},   {"empty", ""}, {"blank", ""},
    };
    for (const auto& [key, value] : cases) EXPECT_EQ(Read("S", key), value) << key;
}

TEST_F(IniFile_Lookup, OnePairOfEnclosingQuotesIsRemoved) {
    PutFile(
        "[S]\r\n"
        "double=\"q v\"\r\n"
        "single='s v'\r\n"
        "padded=  \"p\"  \r\n"
        "inner=\"\"twice\"\"\r\n"
        "unbalanced=\"abc\r\n"
        "mixed=\"abc'\r\n"
        "partial='b' x\r\n"
        "pair=\"\"\r\n"
        "lone=\"\r\n");
    const std::pair<const char*, const char*> cases[] = {
        {"double", "q v"},   {"single", "s v"},    {"padded", "p"}, {"inner", "\"twice\""}, {"unbalanced", "\"abc"},
        {"mixed", "\"abc'"}, {"partial", "'b' x"}, {"pair", ""},    {"lone", "\""},
    };
    for (const auto& [key, value] : cases) EXPECT_EQ(Read("S", key), value) << key;
}

TEST_F(IniFile_Lookup, LineWithoutEqualsIsNoKey) {
    PutFile("[S]\r\nCaption\r\nOther=1\r\n");
    EXPECT_EQ(Read("S", "Caption", "kept"), "kept");
    EXPECT_EQ(Read("S", "Other"), "1");
}

TEST_F(IniFile_Lookup, FirstOfDuplicateKeysAndSectionsWins) {
    PutFile("[S]\r\nk=first\r\nK=second\r\n[T]\r\nt=1\r\n[s]\r\nk=third\r\nlate=4\r\n");
    EXPECT_EQ(Read("S", "k"), "first");
    EXPECT_EQ(Read("S", "late"), "<default>");
}

TEST_F(IniFile_Lookup, LinesMayEndInLineFeedsOrNothing) {
    PutFile("[S]\nx=1\n\n[T]\ry=2\r\r\nz=3");
    EXPECT_EQ(Read("S", "x"), "1");
    EXPECT_EQ(Read("T", "y"), "2");
    EXPECT_EQ(Read("T", "z"), "3");
}

TEST_F(IniFile_Lookup, AccentedNamesIgnoreLetterCaseOnWindows) {
    if (!harness->FoldsAccentedLetters()) GTEST_SKIP() << "Wine folds only A to Z in profile names";
    PutFile("[G\xC9N\xC9RAL]\r\n\xC9t\xE9=1\r\n");
    EXPECT_EQ(Read("Général", "éTÉ"), "1");
}

TEST_F(IniFile_Lookup, AnsiBytesComeBackAsText) {
    PutFile("[S]\r\nk=G\xE9n\xE9ral \x80 \xAB x \xBB\r\nnbsp=\xA0x\xA0\r\n");
    EXPECT_EQ(Read("S", "k"), "Général € « x »");
    EXPECT_EQ(Read("S", "nbsp"), "\xC2\xA0x\xC2\xA0") << "a no-break space is no blank";
}

using IniFile_Buffer = IniFileSuite;

TEST_F(IniFile_Buffer, TextIsCutToOneCharacterLessThanTheBuffer) {
    PutFile("[S]\r\nlong=" + std::string(300, 'x') + "\r\n");
    EXPECT_EQ(Read("S", "long"), std::string(254, 'x'));
    EXPECT_EQ(Read("S", "long", "", 5), "xxxx");
    EXPECT_EQ(Read("S", "long", "", 1), "");
    EXPECT_EQ(Read("S", "long", "", 0), "");
    EXPECT_EQ(Read("S", "missing", std::string(300, 'd')), std::string(254, 'd'));
}

TEST_F(IniFile_Buffer, AnAccentedLetterIsOneByteOfTheAnsiText) {
    PutFile("[S]\r\nlong=" + std::string(300, '\xE9') + "\r\n");
    std::string expected;
    for (int i = 0; i < 254; ++i) expected += "é";
    EXPECT_EQ(Read("S", "long"), expected);
}

TEST_F(IniFile_Buffer, QuotedValueCutLosesItsOpeningQuote) {
    PutFile("[S]\r\nlong=\"" + std::string(260, 'y') + "\"\r\nedge=\"" + std::string(254, 'z') + "\"\r\nfits=\"" +
            std::string(253, 'w') + "\"\r\n");
    EXPECT_EQ(Read("S", "long"), std::string(254, 'y'));
    EXPECT_EQ(Read("S", "fits"), std::string(253, 'w'));
    // The closing quote is taken off whenever the buffer could hold the rest,
    // here after the cut already dropped it.
    EXPECT_EQ(Read("S", "edge"), std::string(253, 'z'));
}

// The lines of a section, each followed by a NUL, as the section call lays them out.
std::string Lines(std::initializer_list<std::string_view> lines) {
    std::string bytes;
    for (const std::string_view line : lines) {
        bytes += line;
        bytes += '\0';
    }
    return bytes;
}

using IniFile_Section = IniFileSuite;

TEST_F(IniFile_Section, LinesComeBackTrimmedWithTheirQuotesWithoutCommentsOrBlankLines) {
    PutFile(
        "; Brivex Doziv\r\n"
        "[S]\r\n"
        "  Name  =  spaced value  \r\n"
        "quoted=\"q v\"\r\n"
        "single='s v'\r\n"
        "unbalanced=\"abc\r\n"
        "padded=  \"p\"  \r\n"
        "empty=\r\n"
        "blank=    \r\n"
        "  no equals  \r\n"
        ";comment=1\r\n"
        "  ; indented = 2\r\n"
        "=no name\r\n"
        "semicolon=a;b ; c\r\n"
        "\r\n"
        "tab=\tt\t\x1A\r\n"
        "accents=G\xE9n\xE9ral\xA0\r\n"
        "dup=first\r\n"
        "DUP=second\r\n"
        "[T]\r\n"
        "t=1\r\n");
    const std::string lines = Lines({"Name=spaced value", "quoted=\"q v\"", "single='s v'", "unbalanced=\"abc",
                                     "padded=\"p\"", "empty=", "blank=", "no equals", "=no name", "semicolon=a;b ; c",
                                     "tab=t", "accents=G\xE9n\xE9ral\xA0", "dup=first", "DUP=second"});
    const ProfileString got = Section("S");
    EXPECT_EQ(got.count, lines.size());
    EXPECT_EQ(got.buffer.substr(0, lines.size() + 1), lines + '\0');
}

TEST_F(IniFile_Section, WhatTheBufferCannotHoldIsCutTwoBytesShortOfItsEnd) {
    PutFile("[T]\r\nt=1\r\n[Long]\r\nlong=" + std::string(300, 'x') + "\r\n");
    struct Case {
        std::uint32_t size;
        std::uint32_t count;
        std::string buffer;
    };
    const Case cases[] = {
        {0, 0, ""},
        {1, 0, std::string(1, '\0')},
        {2, 0, std::string(2, '\0')},
        {3, 1, std::string("t\0\0", 3)},
        {4, 2, std::string("t=\0\0", 4)},
        {5, 3, std::string("t=1\0\0", 5)},
        {6, 4, std::string("t=1\0\0\0", 6)},
        {7, 4, std::string("t=1\0\0\0\0", 7)},
    };
    for (const Case& c : cases) {
        const ProfileString got = Section("T", c.size);
        EXPECT_EQ(got.count, c.count) << c.size;
        EXPECT_EQ(got.buffer, c.buffer) << c.size;
    }
    const ProfileString cut = Section("Long", 100);
    EXPECT_EQ(cut.count, 98u);
    EXPECT_EQ(cut.buffer, "long=" + std::string(93, 'x') + std::string(2, '\0'));
    EXPECT_EQ(Section("Long", 308).count, 306u);
}

TEST_F(IniFile_Section, NothingToReadGivesNoLines) {
    PutFile("[Empty]\r\n[Comments]\r\n; k=1\r\n[S]\r\nk=1\r\n");
    folder.MakeFolder(folder.Path("Folder.lng"));
    struct Case {
        const char* what;
        std::string path;
        const char* section;
    };
    const Case cases[] = {
        {"missing section", file, "Missing"},
        {"empty section", file, "Empty"},
        {"comments only", file, "Comments"},
        {"missing file", folder.Path("Missing.lng"), "S"},
        {"missing folder", folder.Path("Lang\\Francais.lng"), "S"},
        {"folder", folder.Path("Folder.lng"), "S"},
    };
    for (const Case& c : cases) {
        const ProfileString got = SectionFrom(c.path, c.section, 64);
        EXPECT_EQ(got.count, 0u) << c.what;
        EXPECT_EQ(got.buffer, std::string(64, '\0')) << c.what;
    }
}

TEST_F(IniFile_Section, NameIgnoresLetterCaseButNotTheBlanksAskedFor) {
    PutFile("[ FrmHome ]\r\nk=first\r\n[T]\r\nt=1\r\n[frmhome]\r\nk=second\r\nlate=1\r\n");
    EXPECT_EQ(Section("FRMHOME").count, Lines({"k=first"}).size());
    EXPECT_EQ(Section("frmHome").buffer.substr(0, 9), Lines({"k=first"}) + '\0');
    EXPECT_EQ(Section(" FrmHome ").count, 0u);
}

// A list as the names calls lay it out: the names and their NULs, then the
// NULs left of the buffer.
std::string ListIn(std::initializer_list<std::string_view> names, std::size_t size = 4096) {
    std::string bytes = Lines(names);
    bytes.resize(size, '\0');
    return bytes;
}

using IniFile_Names = IniFileSuite;

TEST_F(IniFile_Names, SectionNamesComeInFileOrderTrimmedEachTime) {
    PutFile("k=0\r\n[ FrmHome ]\r\na=1\r\n[]\r\nb=2\r\n[MSG]\r\n[frmhome]\r\nc=3\r\n");
    const ProfileString got = SectionNames();
    EXPECT_EQ(got.buffer, ListIn({"FrmHome", "MSG", "frmhome"}));
    EXPECT_EQ(got.count, Lines({"FrmHome", "MSG", "frmhome"}).size());
}

TEST_F(IniFile_Names, KeyNamesAreTheLinesWithEqualsOfTheFirstSectionOfTheName) {
    PutFile(
        "[S]\r\nname1=val1\r\nname2=\r\nname3\r\n;comment=1\r\n  name4 = v \r\nNAME1=again\r\n"
        "[s]\r\nlate=1\r\n[Empty]\r\n[Lines]\r\nno equals\r\n");
    const ProfileString got = KeyNames("s");
    EXPECT_EQ(got.buffer, ListIn({"name1", "name2", "name4", "NAME1"}));
    EXPECT_EQ(got.count, Lines({"name1", "name2", "name4", "NAME1"}).size());
    // Unlike a value's default, this one is given as it is, its trailing blanks too.
    const std::string none = std::string("'none'  ").append(56, '\0');
    for (const char* section : {"Missing", "Empty", "Lines"}) {
        const ProfileString got = KeyNames(section, 64, "'none'  ");
        EXPECT_EQ(got.buffer, none) << section;
        EXPECT_EQ(got.count, 8u) << section;
    }
    EXPECT_EQ(ini.GetKeyNames("S", "'none'  ", 64, ansi.ToAnsi(folder.Path("Lang\\Francais.lng"))).buffer, none);
}

TEST_F(IniFile_Names, KeyNamesTakeTheSectionNameAsItIs) {
    PutFile("[FrmHome]\r\nk=1\r\n");
    EXPECT_EQ(KeyNames("FRMHOME").buffer, ListIn({"k"}));
    EXPECT_EQ(KeyNames(" FrmHome ").buffer, ListIn({"<default>"}));
}

TEST_F(IniFile_Names, ListsAreCutTwoBytesShortOfTheBuffer) {
    PutFile("[section1]\r\nname1=1\r\nname2=2\r\nname4=4\r\n[section2]\r\n[section3]\r\n");
    struct Case {
        std::uint32_t size;
        std::uint32_t count;
        std::string_view bytes;
    };
    const Case sections[] = {
        {29, 27, std::string_view("section1\0section2\0section3\0\0\0", 29)},
        {28, 26, std::string_view("section1\0section2\0section3\0\0", 28)},
        {27, 25, std::string_view("section1\0section2\0section\0\0", 27)},
        {5, 3, std::string_view("sec\0\0", 5)},
        {2, 0, std::string_view("\0\0", 2)},
    };
    for (const Case& c : sections) {
        const ProfileString got = SectionNames(c.size);
        EXPECT_EQ(got.count, c.count) << c.size;
        EXPECT_EQ(got.buffer, c.bytes) << c.size;
    }
    const ProfileString keys = KeyNames("section1", 16);
    EXPECT_EQ(keys.count, 14u);
    EXPECT_EQ(keys.buffer, std::string_view("name1\0name2\0na\0\0", 16));
}

using IniFile_Default = IniFileSuite;

TEST_F(IniFile_Default, LosesItsTrailingSpacesButNeverItsFirstCharacter) {
    const std::pair<const char*, const char*> cases[] = {
        {"Quitter  ", "Quitter"}, {"  Quitter", "  Quitter"}, {"   ", " "}, {"tab\t", "tab\t"}, {"", ""},
    };
    for (const auto& [given, expected] : cases) EXPECT_EQ(Read("S", "missing", given), expected) << given;
}

TEST_F(IniFile_Default, LosesItsQuotesOnlyWhenTheFileCouldBeOpened) {
    EXPECT_EQ(Read("S", "missing", "\"quoted\""), "quoted");
    EXPECT_EQ(ReadFrom(folder.Path("Lang\\Francais.lng"), "S", "missing", "\"quoted\"  "), "\"quoted\"");
    folder.MakeFolder(folder.Path("Folder.lng"));
    EXPECT_EQ(ReadFrom(folder.Path("Folder.lng"), "S", "missing", "'quoted'"), "'quoted'");
}

using IniFile_Write = IniFileSuite;

TEST_F(IniFile_Write, NewFileIsAnsiWithCrLfAndNoByteOrderMark) {
    EXPECT_NE(Write("FrmHome", "Form.Caption", "Général"), 0);
    EXPECT_NE(Write("FrmHome", "Label1.Caption", "Prix : 5 €"), 0);
    EXPECT_EQ(FileBytes(), "[FrmHome]\r\nForm.Caption=G\xE9n\xE9ral\r\nLabel1.Caption=Prix : 5 \x80\r\n");
}

TEST_F(IniFile_Write, NewKeyGoesAtTheEndOfItsSectionAndNewSectionAtTheEnd) {
    PutFile("[A]\r\na=1\r\n[B]\r\nb=1\r\n");
    EXPECT_NE(Write("a", "n", "2"), 0);
    EXPECT_NE(Write("C", "c", "3"), 0);
    EXPECT_EQ(FileBytes(), "[A]\r\na=1\r\nn=2\r\n[B]\r\nb=1\r\n[C]\r\nc=3\r\n");
}

TEST_F(IniFile_Write, ExistingKeyIsReplacedInPlaceKeepingItsSpelling) {
    PutFile("[Form]\r\nKey=old\r\nNext=1\r\n");
    EXPECT_NE(Write("FORM", "kEY", "new"), 0);
    EXPECT_EQ(FileBytes(), "[Form]\r\nKey=new\r\nNext=1\r\n");
}

TEST_F(IniFile_Write, CommentsAndOtherSectionsSurvive) {
    PutFile("; Brivex Doziv\r\n[S]\r\nk=1\r\n;note\r\n[T]\r\nc=3\r\n");
    EXPECT_NE(Write("S", "k", "2"), 0);
    EXPECT_EQ(FileBytes(), "; Brivex Doziv\r\n[S]\r\nk=2\r\n;note\r\n[T]\r\nc=3\r\n");
}

// "[]" and "[ ]" open a section with an empty name, but a rewrite writes no
// header for it, so its lines join the section above from then on.
TEST_F(IniFile_Write, SectionWithAnEmptyNameLosesItsHeaderOnARewrite) {
    PutFile("[A]\r\na=1\r\n[]\r\nb=2\r\n[ ]\r\nc=3\r\n");
    EXPECT_EQ(Read("A", "b"), "<default>");
    EXPECT_EQ(Read("A", "c"), "<default>");
    EXPECT_NE(Write("New", "n", "4"), 0);
    EXPECT_EQ(Read("A", "b"), "2");
    EXPECT_EQ(Read("A", "c"), "3");
    const ProfileString lines = Section("A");
    EXPECT_EQ(lines.count, 12u);
    EXPECT_EQ(lines.buffer.substr(0, 13), Lines({"a=1", "b=2", "c=3"}) + '\0');
}

TEST_F(IniFile_Write, LinesBeforeTheFirstHeaderAnswerToTheEmptySectionName) {
    PutFile("top=1\r\n[A]\r\na=1\r\n");
    EXPECT_EQ(Read("", "top"), "1");
    EXPECT_EQ(Read("A", "top"), "<default>");
    const ProfileString lines = Section("");
    EXPECT_EQ(lines.buffer.substr(0, lines.count), std::string("top=1\0", 6));
    EXPECT_NE(Write("", "k", "v"), 0);
    EXPECT_EQ(FileBytes(), "top=1\r\nk=v\r\n[A]\r\na=1\r\n");
    EXPECT_EQ(Read("", "k"), "v");
}

// A rewrite drops blank lines, so two bytes that spell the UTF-16 mark on the
// first line with text become the file's start, and the file reads as UTF-16.
TEST_F(IniFile_Write, BytesOfTheUnicodeMarkThatARewriteBringsToTheStartMakeTheFileUnicode) {
    PutFile(
        "\r\n\xFF\xFE"
        "a=1\r\nb=2\r\n");
    EXPECT_EQ(Read("", "b"), "2");
    EXPECT_NE(Write("", "b", "3"), 0);
    EXPECT_EQ(FileBytes(),
              "\xFF\xFE"
              "a=1\r\nb=3\r\n");
    EXPECT_EQ(Read("", "b"), "<default>");
}

TEST_F(IniFile_Write, ValueReadsBackTrimmed) {
    EXPECT_NE(Write("S", "k", "  spaced value  "), 0);
    EXPECT_EQ(Read("S", "k"), "spaced value");
}

TEST_F(IniFile_Write, ValueWithLineBreaksIsWrittenRawAndReadsBackAsItsFirstLine) {
    EXPECT_NE(Write("S", "Multi", "line1\r\nline2"), 0);
    EXPECT_NE(Write("S", "After", "a"), 0);
    EXPECT_EQ(FileBytes(), "[S]\r\nMulti=line1\r\nline2\r\nAfter=a\r\n");
    EXPECT_EQ(Read("S", "Multi"), "line1");
    EXPECT_EQ(Read("S", "line2", "none"), "none");
}

TEST_F(IniFile_Write, EmptyValueMakesAnEmptyKey) {
    EXPECT_NE(Write("S", "k", ""), 0);
    EXPECT_EQ(FileBytes(), "[S]\r\nk=\r\n");
    EXPECT_EQ(Read("S", "k", "default"), "");
}

TEST_F(IniFile_Write, NoValueDeletesTheKeyAndNothingElse) {
    PutFile("[S]\r\na=1\r\nb=2\r\n[T]\r\nb=3\r\n");
    EXPECT_NE(Write("s", "B", std::nullopt), 0);
    EXPECT_EQ(FileBytes(), "[S]\r\na=1\r\n[T]\r\nb=3\r\n");
    EXPECT_NE(Write("S", "missing", std::nullopt), 0);
    EXPECT_NE(Write("Missing", "b", std::nullopt), 0);
    EXPECT_EQ(FileBytes(), "[S]\r\na=1\r\n[T]\r\nb=3\r\n");
}

TEST_F(IniFile_Write, DeletingFromAMissingFileCreatesNothing) {
    EXPECT_NE(Write("S", "k", std::nullopt), 0);
    EXPECT_FALSE(folder.Exists(file));
}

TEST_F(IniFile_Write, InAMissingFolderFailsAndCreatesNothing) {
    const std::string missing = folder.Path("Lang\\Francais.lng");
    EXPECT_EQ(WriteTo(missing, "MSG", "msg1", "Initialisation .."), 0);
    EXPECT_EQ(WriteTo(missing, "MSG", "msg1", std::nullopt), 0);
    EXPECT_FALSE(folder.Exists(folder.Path("Lang")));
    EXPECT_EQ(ReadFrom(missing, "MSG", "msg1", ""), "");
}

TEST_F(IniFile_Write, IntoAFolderWithAnAccentedName) {
    const std::string path = folder.Path(
        "Lang\\Fran\xC3\xA7"
        "ais.lng");
    folder.MakeFolder(folder.Path("Lang"));
    EXPECT_NE(WriteTo(path, "MSG", "msg8", "Optimisation Terminée"), 0);
    EXPECT_EQ(folder.Get(path),
              "[MSG]\r\nmsg8=Optimisation Termin\xE9"
              "e\r\n");
    EXPECT_EQ(ReadFrom(path, "MSG", "msg8"), "Optimisation Terminée");
}

TEST_F(IniFile_Write, DeletingASectionTakesTheFirstOfThatNameWithAllItHolds) {
    PutFile("[S]\r\na=1\r\n;note\r\n[T]\r\nt=1\r\n[s]\r\nlate=2\r\n");
    EXPECT_NE(DeleteSectionIn(file, "s"), 0);
    EXPECT_EQ(FileBytes(), "[T]\r\nt=1\r\n[s]\r\nlate=2\r\n");
    EXPECT_NE(DeleteSectionIn(file, "Missing"), 0);
    EXPECT_EQ(FileBytes(), "[T]\r\nt=1\r\n[s]\r\nlate=2\r\n");
    EXPECT_EQ(Read("S", "late"), "2");
}

TEST_F(IniFile_Write, DeletingASectionWhereThereIsNoFileCreatesNothing) {
    EXPECT_NE(DeleteSectionIn(file, "S"), 0);
    EXPECT_FALSE(folder.Exists(file));
    EXPECT_EQ(DeleteSectionIn(folder.Path("Lang\\Francais.lng"), "S"), 0);
    EXPECT_FALSE(folder.Exists(folder.Path("Lang")));
}

TEST_F(IniFile_Write, NamesToDeleteAreTakenAsTheyAre) {
    const std::string bytes = "[S]\r\nk=1\r\n[T]\r\nt=1\r\n";
    PutFile(bytes);
    EXPECT_NE(Write("S", " k ", std::nullopt), 0);
    EXPECT_NE(Write(" S", "k", std::nullopt), 0);
    EXPECT_NE(DeleteSectionIn(file, "T "), 0);
    EXPECT_EQ(FileBytes(), bytes);
    EXPECT_NE(Write("s", "K", std::nullopt), 0);
    EXPECT_NE(DeleteSectionIn(file, "t"), 0);
    EXPECT_EQ(FileBytes(), "[S]\r\n");
}

TEST_F(IniFile_Write, DeletingAKeyOnlyALaterSectionOfTheSameNameHoldsChangesNothingOnWindows) {
    if (harness->IsWine())
        GTEST_SKIP() << "Wine looks for the key in every section of the name and deletes it from a later one; "
                        "Windows looks in the first only, as a read does";
    const std::string bytes = "[S]\r\na=1\r\n[T]\r\nt=1\r\n[s]\r\nlate=2\r\n";
    PutFile(bytes);
    EXPECT_NE(Write("S", "late", std::nullopt), 0);
    EXPECT_EQ(FileBytes(), bytes);
}

TEST_F(IniFile_Write, TextsReadBackUnchanged) {
    const char* texts[] = {
        "&Optimiser Windows", "Accélaration des Applications ..", "100 %", "a=b", "x ; y", "« Système »",
        "Œuvre – été",        "C:\\Windows\\Prefetch\\*.pf"};
    for (const char* text : texts) {
        EXPECT_NE(Write("S", "k", text), 0);
        EXPECT_EQ(Read("S", "k"), text);
    }
}

// Text as a file saved as "Unicode" holds it: the byte-order mark, then
// UTF-16 little-endian.
std::string Unicode(std::u16string_view text) {
    std::string bytes = "\xFF\xFE";
    for (const char16_t unit : text) {
        bytes += static_cast<char>(unit & 0xFF);
        bytes += static_cast<char>(unit >> 8);
    }
    return bytes;
}

using IniFile_Encoding = IniFileSuite;

TEST_F(IniFile_Encoding, UnicodeFileIsReadInTheAnsiCodePage) {
    PutFile(Unicode(u"[FrmHome]\r\nForm.Caption=G\u00E9n\u00E9ral \u20AC\r\nLabel1.Caption=\"x\"\r\n[MSG]\r\n"));
    EXPECT_EQ(Read("FrmHome", "Form.Caption"), "Général €");
    EXPECT_EQ(Read("frmhome", "Label1.Caption"), "x");
    EXPECT_EQ(Read("FrmHome", "Form.Caption", "", 4), "Gén");
    EXPECT_EQ(SectionNames().buffer, ListIn({"FrmHome", "MSG"}));
    EXPECT_EQ(KeyNames("FrmHome").buffer, ListIn({"Form.Caption", "Label1.Caption"}));
    EXPECT_EQ(Section("FrmHome").buffer, ListIn({"Form.Caption=G\xE9n\xE9ral \x80", "Label1.Caption=\"x\""}));
}

TEST_F(IniFile_Encoding, UnicodeFileStaysUnicodeWhenWritten) {
    PutFile(Unicode(u"[FrmHome]\r\nForm.Caption=Velmora Xp\r\n[MSG]\r\nmsg1=Initialisation ..\r\n"));
    EXPECT_NE(Write("FrmHome", "Label1.Caption", "Prix : 5 €"), 0);
    EXPECT_NE(Write("MSG", "msg1", std::nullopt), 0);
    EXPECT_NE(Write("Nouvelle", "k", "été"), 0);
    EXPECT_EQ(FileBytes(), Unicode(u"[FrmHome]\r\nForm.Caption=Velmora Xp\r\nLabel1.Caption=Prix : 5 \u20AC\r\n"
                                   u"[MSG]\r\n[Nouvelle]\r\nk=\u00E9t\u00E9\r\n"));
    EXPECT_NE(DeleteSectionIn(file, "MSG"), 0);
    EXPECT_EQ(FileBytes(), Unicode(u"[FrmHome]\r\nForm.Caption=Velmora Xp\r\nLabel1.Caption=Prix : 5 \u20AC\r\n"
                                   u"[Nouvelle]\r\nk=\u00E9t\u00E9\r\n"));
}

TEST_F(IniFile_Encoding, UnicodeFileKeepsWhatTheAnsiCodePageLacks) {
    PutFile(
        Unicode(u"[Polski]\r\nk=Za\u017C\u00F3\u0142\u0107\r\n"
                u"[\u0395\u03BB\u03BB\u03B7\u03BD\u03B9\u03BA\u03AC]\r\nk=\u03B1\r\n"));
    EXPECT_NE(Write("Polski", "n", "1"), 0);
    EXPECT_EQ(FileBytes(), Unicode(u"[Polski]\r\nk=Za\u017C\u00F3\u0142\u0107\r\nn=1\r\n"
                                   u"[\u0395\u03BB\u03BB\u03B7\u03BD\u03B9\u03BA\u03AC]\r\nk=\u03B1\r\n"));
}

TEST_F(IniFile_Encoding, FileOfNothingButTheUnicodeMarkTakesUnicode) {
    PutFile("\xFF\xFE");
    EXPECT_NE(Write("FrmHome", "Form.Caption", "Général"), 0);
    EXPECT_EQ(FileBytes(), Unicode(u"[FrmHome]\r\nForm.Caption=G\u00E9n\u00E9ral\r\n"));
}

TEST_F(IniFile_Encoding, Utf8MarkIsAnsiTextOfTheFirstLineOnWindows) {
    if (harness->IsWine())
        GTEST_SKIP() << "Wine reads a file with a UTF-8 byte-order mark as UTF-8 and writes it back so; "
                        "Windows knows no such mark";
    PutFile("\xEF\xBB\xBF[S]\r\nk=1\r\n[T]\r\nt=\xC3\xA9\r\n");
    EXPECT_EQ(Read("S", "k"), "<default>");
    EXPECT_EQ(Read("T", "t"), "Ã©");
    EXPECT_EQ(SectionNames().buffer, ListIn({"T"}));
    EXPECT_NE(Write("T", "t", "2"), 0);
    EXPECT_EQ(FileBytes(), "\xEF\xBB\xBF[S]\r\nk=1\r\n[T]\r\nt=2\r\n");
}

TEST_F(IniFile_Encoding, NamesAndValuesEndAtANulByte) {
    PutFile(std::string("[S]\r\nk=a\0b\r\nm\0n=2\r\n\0\r\n[T\0U]\r\nt=\"1\0\"\r\n", 37));
    EXPECT_EQ(Read("S", "k"), "a");
    EXPECT_EQ(Read("S", "m"), "2");
    EXPECT_EQ(Read("T", "t"), "\"1");
    EXPECT_EQ(SectionNames().buffer, ListIn({"S", "T"}));
    EXPECT_EQ(KeyNames("S").buffer, ListIn({"k", "m"}));
    EXPECT_EQ(Section("S").buffer, ListIn({"k=a", "m=2"}));
}

TEST_F(IniFile_Encoding, NulBytesSurviveARewriteOnWindows) {
    if (harness->IsWine())
        GTEST_SKIP() << "Wine cuts every line at its first NUL byte when it rewrites a file; "
                        "Windows keeps the lines a write does not touch";
    PutFile(std::string("Data \0 before \0 first \0 section\r\n[section1]\r\nkey1=string1\r\n", 59));
    EXPECT_NE(Write("section1", "key2", "string2"), 0);
    EXPECT_EQ(FileBytes(), std::string("Data \0 before \0 first \0 section\r\n[section1]\r\nkey1=string1\r\n"
                                       "key2=string2\r\n",
                                       73));
}

TEST_F(IniFile_Section, RunOfLinesStartingWithEqualsIsKeptOnWindows) {
    if (harness->IsWine())
        GTEST_SKIP() << "Wine keeps only the first of consecutive lines that start with \"=\"; "
                        "Windows keeps the lines a write does not touch";
    PutFile("[S]\r\n=a\r\n=b\r\nk=1\r\n");
    EXPECT_EQ(Section("S").buffer, ListIn({"=a", "=b", "k=1"}));
    EXPECT_NE(Write("S", "k", "2"), 0);
    EXPECT_EQ(FileBytes(), "[S]\r\n=a\r\n=b\r\nk=2\r\n");
}

}  // namespace
}  // namespace brivex::testing
