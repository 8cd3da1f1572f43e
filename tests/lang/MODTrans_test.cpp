#include "lang/MODTrans.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "base/Cp1252.h"
#include "lang/TempFolder.h"
#include "platform/portable/Cp1252Codec.h"
#include "platform/portable/PortableIniFile.h"
#include "ui/Form.h"
#include "ui/Label.h"

namespace brivex::testing {
namespace {

// A kind with no text property at all, as a timer.
class TimerStub final : public ui::Control {
public:
    TimerStub(ui::Form& form, std::string name) : Control(form, std::move(name), std::nullopt, {}) {}
};

// A kind with a text and a tooltip but no caption, as a text box.
class TextBoxStub final : public ui::Control {
public:
    TextBoxStub(ui::Form& form, std::string name, std::string text)
        : Control(form, std::move(name), std::nullopt, {{"Text", std::move(text)}, {"ToolTipText", {}}}) {}
};

class FrmTweakStub : public ui::Form {
public:
    FrmTweakStub() : Form("FrmTweak", "Réglages du système") {
        BrivexCmd6.SetToolTipText("Appliquer les réglages cochés");
        Text1.SetToolTipText("Dossier");
    }

    ui::Label Label1{*this, "Label1", "Choisissez les réglages"};
    ui::Label BrivexCmd6{*this, "BrivexCmd6", "&Appliquer"};
    TimerStub Timer1{*this, "Timer1"};
    TextBoxStub Text1{*this, "Text1", "C:\\"};
    ui::Label Label2{*this, "Label2", ""};
    ui::Label Option1_0{*this, "Option1", "Désactiver", 0};
    ui::Label Option1_1{*this, "Option1", "Activer", 1};
};

std::string Ansi(std::string_view utf8) { return Utf8ToCp1252(utf8); }

// An application folder, with its "Lang" folder unless a test says otherwise.
class MODTransTest : public ::testing::Test {
protected:
    explicit MODTransTest(bool withLangFolder = true) {
        if (withLangFolder) app.MakeFolder(app.Path("Lang"));
    }

    std::string LangFile(const std::string& name) const {
        std::string path = app.Path("Lang\\");
        path += name;
        return path;
    }
    void PutLangFile(const std::string& name, const std::string& utf8) const { app.Put(LangFile(name), Ansi(utf8)); }

    TempFolder app;
    PortableIniFile ini;
    Cp1252Codec codec;
    LanguageState state;
    MODTrans trans{ini, codec, state};
    FrmTweakStub form;
    const std::string french = FrenchReferenceFile(app.Path());
};

using MODTrans_WriteFormTexts = MODTransTest;

TEST_F(MODTrans_WriteFormTexts, WritesTheWindowsTextsInCollectionOrderUnderItsName) {
    trans.WriteFormTexts(form, french);
    EXPECT_EQ(app.Get(LangFile("Francais.lng")), Ansi("[FrmTweak]\r\n"
                                                      "Form.Caption=Réglages du système\r\n"
                                                      "Label1.Caption=Choisissez les réglages\r\n"
                                                      "BrivexCmd6.Caption=&Appliquer\r\n"
                                                      "BrivexCmd6.ToolTipText=Appliquer les réglages cochés\r\n"
                                                      "Text1.ToolTipText=Dossier\r\n"
                                                      "Option1(0).Caption=Désactiver\r\n"
                                                      "Option1(1).Caption=Activer\r\n"));
}

TEST_F(MODTrans_WriteFormTexts, EmptyWindowCaptionIsWrittenEmptyControlTextsAreNot) {
    form.SetCaption("");
    form.Label1.SetCaption("");
    form.BrivexCmd6.SetToolTipText("");
    trans.WriteFormTexts(form, french);
    const std::string bytes = app.Get(french).value_or("");
    EXPECT_NE(bytes.find("Form.Caption=\r\n"), std::string::npos);
    EXPECT_EQ(bytes.find("Label1."), std::string::npos);
    EXPECT_EQ(bytes.find("BrivexCmd6.ToolTipText"), std::string::npos);
    EXPECT_NE(bytes.find("BrivexCmd6.Caption=&Appliquer"), std::string::npos);
}

using MODTrans_TranslateForm = MODTransTest;

TEST_F(MODTrans_TranslateForm, RoundTripThroughTheReferenceFileKeepsWhatThePlatformKeeps) {
    const std::string longCaption = std::string(250, 'a') + "éèêëà";
    form.Label1.SetCaption("Ligne 1\r\nLigne 2");
    form.Label2.SetCaption("  Entouré de blancs  ");
    form.BrivexCmd6.SetCaption(longCaption);
    trans.WriteFormTexts(form, french);
    trans.TranslateForm(form, french);
    EXPECT_EQ(form.Caption(), "Réglages du système");
    EXPECT_EQ(form.Label1.Caption(), "Ligne 1");
    EXPECT_EQ(form.Label2.Caption(), "Entouré de blancs");
    EXPECT_EQ(form.BrivexCmd6.Caption(), std::string(250, 'a') + "éèêë") << "cut to 254 characters";
    EXPECT_EQ(form.BrivexCmd6.ToolTipText(), "Appliquer les réglages cochés");
    EXPECT_EQ(form.Option1_0.Caption(), "Désactiver");
    EXPECT_EQ(form.Option1_1.Caption(), "Activer");
}

TEST_F(MODTrans_TranslateForm, FileWithOneKeyChangesThatTextAlone) {
    PutLangFile("English.lng", "[FrmTweak]\r\nBrivexCmd6.Caption=&Apply\r\n");
    trans.TranslateForm(form, LangFile("English.lng"));
    EXPECT_EQ(form.BrivexCmd6.Caption(), "&Apply");
    EXPECT_EQ(form.BrivexCmd6.ToolTipText(), "Appliquer les réglages cochés");
    EXPECT_EQ(form.Caption(), "Réglages du système");
    EXPECT_EQ(form.Label1.Caption(), "Choisissez les réglages");
    EXPECT_EQ(form.Label2.Caption(), "");
    EXPECT_EQ(form.Text1.ToolTipText(), "Dossier");
    EXPECT_EQ(form.Option1_0.Caption(), "Désactiver");
    EXPECT_EQ(form.Option1_1.Caption(), "Activer");
}

TEST_F(MODTrans_TranslateForm, EmptyValueEmptiesTheText) {
    PutLangFile("English.lng", "[FrmTweak]\r\nLabel1.Caption=\r\nBrivexCmd6.ToolTipText=\r\nForm.Caption=\r\n");
    trans.TranslateForm(form, LangFile("English.lng"));
    EXPECT_EQ(form.Label1.Caption(), "");
    EXPECT_EQ(form.BrivexCmd6.ToolTipText(), "");
    EXPECT_EQ(form.BrivexCmd6.Caption(), "&Appliquer");
    EXPECT_EQ(form.Caption(), "");
}

TEST_F(MODTrans_TranslateForm, FormCaptionKeySetsTheWindowCaption) {
    PutLangFile("English.lng", "[FrmTweak]\r\nForm.Caption=System tweaks\r\n");
    trans.TranslateForm(form, LangFile("English.lng"));
    EXPECT_EQ(form.Caption(), "System tweaks");
    EXPECT_EQ(form.Label1.Caption(), "Choisissez les réglages");
}

TEST_F(MODTrans_TranslateForm, ArrayMembersTakeTheTextsOfTheirOwnIndex) {
    PutLangFile("English.lng",
                "[FrmTweak]\r\n"
                "Option1.Caption=Not a member\r\n"
                "Option1(1).Caption=Enable\r\n"
                "Option1(0).Caption=Disable\r\n"
                "Option1(1).ToolTipText=Switches them on\r\n");
    trans.TranslateForm(form, LangFile("English.lng"));
    EXPECT_EQ(form.Option1_0.Caption(), "Disable");
    EXPECT_EQ(form.Option1_1.Caption(), "Enable");
    EXPECT_EQ(form.Option1_0.ToolTipText(), "");
    EXPECT_EQ(form.Option1_1.ToolTipText(), "Switches them on");
}

TEST_F(MODTrans_TranslateForm, PropertiesAControlLacksAreSkippedAndTheRestGoesOn) {
    PutLangFile("English.lng",
                "[FrmTweak]\r\n"
                "Timer1.Caption=tick\r\n"
                "Timer1.ToolTipText=tock\r\n"
                "Text1.Caption=Folder caption\r\n"
                "Text1.Text=D:\\\r\n"
                "Text1.ToolTipText=Folder\r\n"
                "Label2.Caption=After the timer\r\n");
    trans.TranslateForm(form, LangFile("English.lng"));
    EXPECT_FALSE(form.Timer1.Get("Caption"));
    EXPECT_FALSE(form.Timer1.Get("ToolTipText"));
    EXPECT_FALSE(form.Text1.Get("Caption"));
    EXPECT_EQ(form.Text1.Get("Text"), "C:\\") << "only captions and tooltips are translated";
    EXPECT_EQ(form.Text1.ToolTipText(), "Folder");
    EXPECT_EQ(form.Label2.Caption(), "After the timer");
}

TEST_F(MODTrans_TranslateForm, OtherWindowsSectionsDoNotApply) {
    PutLangFile("English.lng", "[FrmHome]\r\nLabel1.Caption=Home\r\nForm.Caption=Home\r\n");
    trans.TranslateForm(form, LangFile("English.lng"));
    EXPECT_EQ(form.Label1.Caption(), "Choisissez les réglages");
    EXPECT_EQ(form.Caption(), "Réglages du système");
}

TEST_F(MODTrans_TranslateForm, MissingKeyKeepsTheTextWithoutTrailingSpaces) {
    // The current text is the platform's default, and the platform trims a default's trailing spaces.
    form.Label1.SetCaption("Quitter  ");
    trans.TranslateForm(form, LangFile("English.lng"));
    EXPECT_EQ(form.Label1.Caption(), "Quitter");
}

TEST_F(MODTrans_TranslateForm, BecomesTheFileMessagesComeFrom) {
    PutLangFile("English.lng", "[MSG]\r\nmsg1=Initialising ..\r\n");
    state.CurrentLanguageFile = french;
    trans.TranslateForm(form, LangFile("English.lng"));
    EXPECT_EQ(state.CurrentLanguageFile, LangFile("English.lng"));
    EXPECT_EQ(trans.GetMessageText("msg1"), "Initialising ..");
}

// Hands every call on to the portable engine and counts the reads and writes. Told to,
// it answers every section call as cut, as for a section too large to read
// whole, so that translation reads key by key, as it did before it read sections.
class CountingIniFile final : public IniFile {
public:
    ProfileString GetString(const std::string& section, const std::string& key, const std::string& defaultValue,
                            std::uint32_t bufferSize, const std::string& file) override {
        ++strings;
        return engine_.GetString(section, key, defaultValue, bufferSize, file);
    }
    ProfileString GetSection(const std::string& section, std::uint32_t bufferSize, const std::string& file) override {
        ++sections;
        if (!cutEverySection) return engine_.GetSection(section, bufferSize, file);
        return {std::string(bufferSize, '\0'), bufferSize - 2};
    }
    ProfileString GetSectionNames(std::uint32_t bufferSize, const std::string& file) override {
        return engine_.GetSectionNames(bufferSize, file);
    }
    ProfileString GetKeyNames(const std::string& section, const std::string& defaultValue, std::uint32_t bufferSize,
                              const std::string& file) override {
        return engine_.GetKeyNames(section, defaultValue, bufferSize, file);
    }
    std::int32_t WriteString(const std::string& section, const std::string& key,
                             const std::optional<std::string>& value, const std::string& file) override {
        ++writes;
        return engine_.WriteString(section, key, value, file);
    }
    std::int32_t DeleteSection(const std::string& section, const std::string& file) override {
        return engine_.DeleteSection(section, file);
    }

    bool cutEverySection = false;
    int strings = 0;
    int sections = 0;
    int writes = 0;

private:
    PortableIniFile engine_;
};

TEST_F(MODTrans_WriteFormTexts, WritesOnlyWhenTheFileDoesNotHoldTheTextsAlready) {
    trans.WriteFormTexts(form, french);
    const std::string written = app.Get(french).value_or("");
    const auto with = [&](const std::string& from, const std::string& to) {
        std::string bytes = written;
        return bytes.replace(bytes.find(from), from.size(), to);
    };
    struct Case {
        const char* what;
        std::string before;
        int writes;
        std::string after;
    };
    const Case cases[] = {
        {"the same texts", written, 0, written},
        {"a key in other letters", with("Label1.", "LABEL1."), 0, with("Label1.", "LABEL1.")},
        {"the last text changed", with("Option1(1).Caption=Activer", "Option1(1).Caption=On"), 1, written},
        {"the first text changed: all written from it on", with("Form.Caption=R", "Form.Caption=Old r"), 7, written},
        {"an empty file", "", 7, written},
    };
    for (const Case& c : cases) {
        app.Put(french, c.before);
        CountingIniFile counting;
        MODTrans countingTrans(counting, codec, state);
        countingTrans.WriteFormTexts(form, french);
        EXPECT_EQ(counting.writes, c.writes) << c.what;
        EXPECT_EQ(app.Get(french), c.after) << c.what;
    }
}

// Every text translation may change, in order; "-" where a control lacks the property.
std::vector<std::string> Texts(const ui::Form& form) {
    std::vector<std::string> texts = {form.Caption()};
    for (const ui::Control* control : form.Controls()) {
        for (const char* property : {"Caption", "ToolTipText"}) texts.push_back(control->Get(property).value_or("-"));
    }
    return texts;
}

// A caption in quotes and one with trailing spaces, which reach the profile
// functions as defaults when their keys are missing.
class FrmTweakWithOddTexts : public FrmTweakStub {
public:
    FrmTweakWithOddTexts() {
        Label1.SetCaption("Options  ");
        Label2.SetCaption("\"Quitter\"");
    }
};

using MODTrans_TranslateFromOneSectionRead = MODTransTest;

TEST_F(MODTrans_TranslateFromOneSectionRead, GivesTheTextsReadingKeyByKeyGave) {
    const int keys = 12;  // the caption and the texts of FrmTweakStub's controls
    struct Case {
        const char* what;
        std::string file;
        std::optional<std::string> text;  // none: no such file
        int stringReads;
        std::string label2;
    };
    const Case cases[] = {
        {"a full translation", "Full.lng",
         "[FrmTweak]\r\nForm.Caption=Réglages du système\r\nLabel1.Caption=Options\r\n"
         "BrivexCmd6.Caption=&Appliquer\r\nBrivexCmd6.ToolTipText=Appliquer les réglages cochés\r\n"
         "Text1.ToolTipText=Dossier\r\nLabel2.Caption=\"Quitter\"\r\nOption1(0).Caption=Désactiver\r\n"
         "Option1(1).Caption=Activer\r\n",
         0, "Quitter"},
        {"one key", "English.lng", "[FrmTweak]\r\nBrivexCmd6.Caption=&Apply\r\n", 0, "Quitter"},
        {"odd lines", "Odd.lng",
         "; Traduction\r\n[frmtweak]\r\n  label1.CAPTION = \"Choose\" \r\nBrivexCmd6.ToolTipText=\r\n"
         "brivexcmd6.tooltiptext=second\r\nOption1(0).Caption='Off\r\n;Option1(1).Caption=On\r\n"
         "Form.Caption\r\nForm.Caption=late\r\nText1.ToolTipText=" +
             std::string(300, 'x') + "\r\n[FrmTweak]\r\nLabel2.Caption=second section\r\n",
         0, "Quitter"},
        {"another window's section", "Home.lng", "[FrmHome]\r\nLabel2.Caption=Home\r\n", 1, "Quitter"},
        {"a missing file", "Missing.lng", std::nullopt, 1, "Quitter"},
        {"a missing folder", "Missing\\English.lng", std::nullopt, 1, "\"Quitter\""},
        {"a section too large to read whole", "Large.lng",
         "[FrmTweak]\r\nLabel1.Caption=Large\r\nFiller=" + std::string(40000, 'f') + "\r\n", keys, "Quitter"},
    };
    for (const Case& c : cases) {
        if (c.text) PutLangFile(c.file, *c.text);
        CountingIniFile bySection;
        LanguageState bySectionState;
        MODTrans bySectionTrans(bySection, codec, bySectionState);
        FrmTweakWithOddTexts translated;
        bySectionTrans.TranslateForm(translated, LangFile(c.file));

        CountingIniFile byKey;
        byKey.cutEverySection = true;
        LanguageState byKeyState;
        MODTrans byKeyTrans(byKey, codec, byKeyState);
        FrmTweakWithOddTexts expected;
        byKeyTrans.TranslateForm(expected, LangFile(c.file));

        EXPECT_EQ(Texts(translated), Texts(expected)) << c.what;
        EXPECT_EQ(translated.Label2.Caption(), c.label2) << c.what;
        EXPECT_EQ(bySection.strings, c.stringReads) << c.what;
        EXPECT_EQ(byKey.strings, keys) << c.what;
        EXPECT_EQ(bySectionState.CurrentLanguageFile, LangFile(c.file)) << c.what;
        if (c.stringReads < keys) { EXPECT_EQ(bySection.sections, 1) << c.what; }
    }
}

TEST_F(MODTrans_TranslateFromOneSectionRead, ReadsTheWindowsSectionOnceOnEveryTranslation) {
    trans.WriteFormTexts(form, french);
    CountingIniFile counting;
    MODTrans countingTrans(counting, codec, state);
    PutLangFile("English.lng", "[FrmTweak]\r\nForm.Caption=System tweaks\r\nOption1(1).Caption=Enable\r\n");
    countingTrans.TranslateForm(form, french);
    countingTrans.TranslateForm(form, LangFile("English.lng"));
    EXPECT_EQ(counting.sections, 2);
    EXPECT_EQ(counting.strings, 0);
    EXPECT_EQ(form.Caption(), "System tweaks");
    EXPECT_EQ(form.Option1_1.Caption(), "Enable");
    EXPECT_EQ(form.Option1_0.Caption(), "Désactiver");
    state.CurrentLanguageFile = french;
    EXPECT_EQ(countingTrans.GetMessageText("msg1"), "");
    EXPECT_EQ(countingTrans.ReadIniText(french, "FrmTweak", "Label1.Caption", ""), "Choisissez les réglages");
    EXPECT_EQ(counting.sections, 2) << "single texts are read one key at a time";
    EXPECT_EQ(counting.strings, 2);
}

using MODTrans_Messages = MODTransTest;

TEST_F(MODTrans_Messages, FrenchStageTextsGoToSectionMsgAsMsg1ToMsg8) {
    state.ProgressMessages = FrenchProgressMessages();
    trans.WriteMessages(french);
    EXPECT_EQ(app.Get(french), Ansi("[MSG]\r\n"
                                    "msg1=Initialisation ..\r\n"
                                    "msg2=Correction des Bugs du Système ..\r\n"
                                    "msg3=Accélération du menu Démarrer..\r\n"
                                    "msg4=Améliorer la stabilité du système ..\r\n"
                                    "msg5=Accélération du Boot ..\r\n"
                                    "msg6=Accélaration des Applications ..\r\n"
                                    "msg7=Nettoyage du Noyau Système ..\r\n"
                                    "msg8=Optimisation Terminée\r\n"));
}

TEST_F(MODTrans_Messages, WritesTheListAsItStandsNumberedFromOne) {
    PutLangFile("Francais.lng", "[MSG]\r\nmsg1=old\r\nmsg2=old\r\nmsg3=kept\r\n");
    state.ProgressMessages = {"first", "second"};
    trans.WriteMessages(french);
    EXPECT_EQ(app.Get(french), "[MSG]\r\nmsg1=first\r\nmsg2=second\r\nmsg3=kept\r\n");
}

TEST_F(MODTrans_Messages, ComeFromTheCurrentLanguageFileEmptyWhenAbsent) {
    PutLangFile("English.lng", "[MSG]\r\nmsg3=Speeding up the Start menu..\r\n");
    PutLangFile("Deutsch.lng", "[FrmHome]\r\nForm.Caption=Velmora Xp\r\n");
    state.CurrentLanguageFile = LangFile("English.lng");
    EXPECT_EQ(trans.GetMessageText("msg3"), "Speeding up the Start menu..");
    EXPECT_EQ(trans.GetMessageText("MSG3"), "Speeding up the Start menu..");
    EXPECT_EQ(trans.GetMessageText("msg4"), "");
    state.CurrentLanguageFile = LangFile("Deutsch.lng");
    EXPECT_EQ(trans.GetMessageText("msg3"), "");
}

using MODTrans_ReadIniText = MODTransTest;

TEST_F(MODTrans_ReadIniText, ComesBackCutTo254BytesOfTheAnsiTextNotOfUtf8) {
    std::string accented;
    for (int i = 0; i < 300; ++i) accented += "é";
    trans.WriteIniText(french, "S", "k", accented);
    const std::string got = trans.ReadIniText(french, "S", "k", "");
    EXPECT_EQ(got, accented.substr(0, 2 * 254));
}

// A double-byte code page in small: a byte from 0x81 up leads a character of
// two bytes, U+4E00 plus the pair's value above 0x8100; plain ASCII is itself.
class DoubleByteCodec final : public AnsiCodec {
public:
    std::string ToAnsi(std::string_view utf8) const override {
        std::string ansi;
        for (const char c : utf8) ansi += static_cast<unsigned char>(c) < 0x80 ? c : '?';
        return ansi;
    }
    std::string FromAnsi(std::string_view ansi) const override {
        std::string utf8;
        for (std::size_t i = 0; i < ansi.size(); ++i) {
            const auto lead = static_cast<unsigned char>(ansi[i]);
            if (lead < 0x81) {
                utf8 += ansi[i];
            } else if (i + 1 < ansi.size()) {
                utf8 += Ideograph(((lead - 0x81) << 8) | static_cast<unsigned char>(ansi[++i]));
            } else {
                utf8 += '?';
            }
        }
        return utf8;
    }
    static std::string Ideograph(unsigned offset) {
        const unsigned point = 0x4E00 + offset;
        return {static_cast<char>(0xE0 | (point >> 12)), static_cast<char>(0x80 | ((point >> 6) & 0x3F)),
                static_cast<char>(0x80 | (point & 0x3F))};
    }
};

// Answers every read with the buffer and count it is given, and records the
// files the profile calls were made on.
class ScriptedIniFile final : public IniFile {
public:
    ProfileString GetString(const std::string&, const std::string&, const std::string&, std::uint32_t,
                            const std::string& file) override {
        files.push_back(file);
        return answer;
    }
    ProfileString GetSection(const std::string&, std::uint32_t bufferSize, const std::string& file) override {
        files.push_back(file);
        return {std::string(bufferSize, '\0'), 0};
    }
    ProfileString GetSectionNames(std::uint32_t bufferSize, const std::string& file) override {
        files.push_back(file);
        return {std::string(bufferSize, '\0'), 0};
    }
    ProfileString GetKeyNames(const std::string&, const std::string&, std::uint32_t, const std::string& file) override {
        files.push_back(file);
        return answer;
    }
    std::int32_t WriteString(const std::string&, const std::string&, const std::optional<std::string>&,
                             const std::string& file) override {
        files.push_back(file);
        return 1;
    }
    std::int32_t DeleteSection(const std::string&, const std::string& file) override {
        files.push_back(file);
        return 1;
    }

    ProfileString answer;
    std::vector<std::string> files;
};

std::string Padded(std::string bytes, std::size_t size = MODTrans::kReadBufferSize) {
    bytes.resize(size, '\0');
    return bytes;
}

TEST(MODTrans_ReadIniText_DoubleByte, CutsAtTheByteCountBeforeConvertingAndAtTheFirstNul) {
    struct Case {
        const char* what;
        ProfileString answer;
        std::string text;
    };
    const std::string twoIdeographs = DoubleByteCodec::Ideograph(0x41) + DoubleByteCodec::Ideograph(0x142);
    const Case cases[] = {
        {"two characters in four bytes", {Padded("\x81\x41\x82\x42"), 4}, twoIdeographs},
        {"a count in bytes shorter than the text", {Padded("\x81\x41\x82\x42"), 2}, DoubleByteCodec::Ideograph(0x41)},
        {"a count past a NUL", {Padded(std::string("ab\0cd", 5)), 5}, "ab"},
        {"a count past the buffer", {std::string("xyz"), 10}, "xyz"},
        {"nothing", {Padded(""), 0}, ""},
    };
    for (const Case& c : cases) {
        ScriptedIniFile ini;
        ini.answer = c.answer;
        DoubleByteCodec codec;
        LanguageState state;
        MODTrans trans(ini, codec, state);
        const std::string got = trans.ReadIniText("C:\\App\\Lang\\Nihongo.lng", "FrmHome", "Form.Caption", "");
        EXPECT_EQ(got, c.text) << c.what;
        EXPECT_EQ(got.find('\0'), std::string::npos) << c.what;
    }
}

// Settings a user may find in the registry that no file can be named by.
const std::string kUnusableFiles[] = {
    "",
    "Francais.lng",
    std::string(1000, 'F'),
    std::string(10000, 'F'),
    [] {
        std::string deep = "C:";
        for (int i = 0; i < 200; ++i) deep += "\\dossier";
        return deep + "\\Francais.lng";
    }(),
    "C:\\App\\Lang\\",
    "C:\\App\\Lang\\Fran*ais.lng",
    "C:\\App\\Lang\\English.lng:flux",
};

TEST(MODTrans_UnusableFile, CountsAsMissingAndNeverReachesTheProfileCalls) {
    for (const std::string& file : kUnusableFiles) {
        const std::string shown = file.substr(0, 40);
        ScriptedIniFile ini;
        ini.answer = {Padded("not from any file"), 17};
        Cp1252Codec codec;
        LanguageState state;
        MODTrans trans(ini, codec, state);
        EXPECT_EQ(trans.ReadIniText(file, "FrmHome", "Form.Caption", "Velmora Xp  "), "Velmora Xp  ") << shown;
        EXPECT_EQ(trans.WriteIniText(file, "FrmHome", "Form.Caption", "Velmora Xp"), 0) << shown;

        FrmTweakStub form;
        trans.WriteFormTexts(form, file);
        trans.TranslateForm(form, file);
        EXPECT_EQ(form.Caption(), "Réglages du système") << shown;
        EXPECT_EQ(form.BrivexCmd6.Caption(), "&Appliquer") << shown;
        EXPECT_EQ(form.BrivexCmd6.ToolTipText(), "Appliquer les réglages cochés") << shown;
        state.ProgressMessages = FrenchProgressMessages();
        trans.WriteMessages(file);
        EXPECT_EQ(trans.GetMessageText("msg1"), "") << shown;
        EXPECT_EQ(ini.files, std::vector<std::string>{}) << shown;
    }
}

TEST(MODTrans_UnusableFile, AUsablePathIsHandedOnInTheAnsiCodePage) {
    ScriptedIniFile ini;
    ini.answer = {Padded("Velmora Xp"), 10};
    Cp1252Codec codec;
    LanguageState state;
    MODTrans trans(ini, codec, state);
    EXPECT_EQ(trans.ReadIniText("C:\\Dossier \xC3\xA9t\xC3\xA9\\Fran\xC3\xA7"
                                "ais.lng",
                                "FrmHome", "Form.Caption", ""),
              "Velmora Xp");
    EXPECT_EQ(ini.files, std::vector<std::string>{"C:\\Dossier \xE9t\xE9\\Fran\xE7"
                                                  "ais.lng"});
}

// Without the "Lang" folder the program stays French and nothing fails.
class MODTrans_WithoutLangFolder : public MODTransTest {
protected:
    MODTrans_WithoutLangFolder() : MODTransTest(false) {}
};

TEST_F(MODTrans_WithoutLangFolder, WindowKeepsItsFrenchTextsAndNothingIsCreated) {
    trans.WriteFormTexts(form, french);
    trans.TranslateForm(form, french);
    EXPECT_EQ(form.Caption(), "Réglages du système");
    EXPECT_EQ(form.Label1.Caption(), "Choisissez les réglages");
    EXPECT_EQ(form.BrivexCmd6.ToolTipText(), "Appliquer les réglages cochés");
    EXPECT_EQ(form.Option1_1.Caption(), "Activer");
    EXPECT_FALSE(app.Exists(app.Path("Lang")));
}

TEST_F(MODTrans_WithoutLangFolder, StageTextsComeOutEmpty) {
    state.ProgressMessages = FrenchProgressMessages();
    trans.WriteMessages(french);
    state.CurrentLanguageFile = french;
    for (int i = 1; i <= 8; ++i) EXPECT_EQ(trans.GetMessageText("msg" + std::to_string(i)), "") << i;
}

}  // namespace
}  // namespace brivex::testing
