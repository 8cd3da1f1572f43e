// The main window as a user meets it: the real program under Wine, worked
// from outside through its windows.

#include <gtest/gtest.h>

#include <regex>

#include "e2e/ProgramUnderTest.h"

namespace brivex::e2e {
namespace {

// Generous: the first program of a new prefix waits for Wine to set the prefix up.
constexpr DWORD kWindowTimeout = 60000;
const std::wstring kMainCaption = L"Velmora Xp";
const std::wstring kFirstUse =
    L"C'est votre premi\u00e8re utilisation : \rVelmora Doziv va sauvgarder votre base de donn\u00e9es. Patientez...";
const std::wstring kRestoreDisabled =
    L"La Restauration syst\u00e8me est d\u00e9sactiv\u00e9e. Impossible de cr\u00e9er un point de restauration.";

// Saves a picture of the screen the moment a check fails, named after the test.
class ScreenshotOnFailure : public ::testing::EmptyTestEventListener {
    void OnTestPartResult(const ::testing::TestPartResult& result) override {
        if (!result.failed()) return;
        const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
        std::string name = std::string("e2e-failure-") + test->test_suite_name() + "." + test->name();
        SaveScreenshot(std::wstring(name.begin(), name.end()));
    }
};

const bool kListening = [] {
    ::testing::UnitTest::GetInstance()->listeners().Append(new ScreenshotOnFailure);
    return true;
}();

class HomeE2e : public ::testing::Test {
protected:
    HomeE2e() {
        EndLeftoverInstances();
        ClearSettings();
    }
    ~HomeE2e() override { ClearSettings(); }

    // A user who has run the program before: no first-run messages.
    void NotFirstRun() { SaveSetting(L"config", L"first", L"1"); }

    // Quits through the "Quitter" button and expects a clean end.
    void Quit(Program& program, HWND main) {
        HWND quit = FindChild(main, L"Quitter");
        ASSERT_NE(quit, nullptr);
        Click(quit);
        EXPECT_TRUE(program.WaitForExit(10000));
        EXPECT_EQ(program.ExitCode(), 0u);
    }

    Installation installation;
};

TEST_F(HomeE2e, FirstRunShowsTheNoticeThenTheFailureAndASecondStartShowsNeither) {
    {
        Program program(installation.Exe());
        auto notice = program.WaitForMessageBox(kWindowTimeout);
        ASSERT_TRUE(notice);
        EXPECT_NE(program.WaitForWindow(kMainCaption, 0), nullptr) << "the main window is on screen behind it";
        EXPECT_EQ(notice->title, L"Brivex Backup");
        EXPECT_EQ(notice->text, kFirstUse);
        AnswerMessageBox(*notice, IDOK);
        ASSERT_TRUE(Poll(5000, [&] {
            auto next = program.CurrentMessageBox();
            return next && next->window != notice->window;
        }));
        auto failure = program.CurrentMessageBox();
        ASSERT_TRUE(failure);
        EXPECT_EQ(failure->title, L"Brivex Doziv") << "no title given: the application title shows";
        EXPECT_EQ(failure->text, kRestoreDisabled);
        AnswerMessageBox(*failure, IDOK);
        HWND main = program.WaitForWindow(kMainCaption, kWindowTimeout);
        ASSERT_NE(main, nullptr);
        EXPECT_EQ(ReadSetting(L"config", L"first"), L"1");
        Quit(program, main);
    }
    Program again(installation.Exe());
    HWND main = again.WaitForWindow(kMainCaption, kWindowTimeout);
    ASSERT_NE(main, nullptr);
    EXPECT_FALSE(again.CurrentMessageBox()) << "no first-run message the second time";
    Quit(again, main);
}

TEST_F(HomeE2e, SecondInstanceIsRefusedAndTheFirstKeepsRunning) {
    NotFirstRun();
    Program first(installation.Exe());
    HWND main = first.WaitForWindow(kMainCaption, kWindowTimeout);
    ASSERT_NE(main, nullptr);

    Program second(installation.Exe());
    auto refusal = second.WaitForMessageBox(kWindowTimeout);
    ASSERT_TRUE(refusal);
    EXPECT_EQ(refusal->title, L"Velmora Doziv v3.0");
    EXPECT_EQ(refusal->text,
              L"Cette application, est d\u00e9j\u00e0 d\u00e9marrer, vous ne pouvez\rpas \u00e9x\u00e9cuter deux "
              L"fois cette application .\r\rContact : support@velmora-doziv.example");
    AnswerMessageBox(*refusal, IDOK);
    EXPECT_TRUE(second.WaitForExit(10000));
    EXPECT_FALSE(second.WaitForWindow(kMainCaption, 0));

    EXPECT_TRUE(first.Running());
    EXPECT_TRUE(IsWindowVisible(main));
    Quit(first, main);
}

TEST_F(HomeE2e, ClockShowsHoursMinutesAndSecondsAndTheDateHasNoLeadingZeros) {
    NotFirstRun();
    Program program(installation.Exe());
    HWND main = program.WaitForWindow(kMainCaption, kWindowTimeout);
    ASSERT_NE(main, nullptr);
    const std::wregex clock(L"\\d\\d:\\d\\d:\\d\\d");
    HWND clockLabel = nullptr;
    ASSERT_TRUE(Poll(3000, [&] {
        for (HWND child : Children(main))
            if (std::regex_match(TextOf(child), clock)) clockLabel = child;
        return clockLabel != nullptr;
    }));
    SYSTEMTIME today;
    GetLocalTime(&today);
    const std::wstring date =
        std::to_wstring(today.wDay) + L"/" + std::to_wstring(today.wMonth) + L"/" + std::to_wstring(today.wYear);
    EXPECT_NE(FindChild(main, date), nullptr) << "date label";
    Quit(program, main);
}

TEST_F(HomeE2e, FrenchReferenceFileHoldsTheWindowAndTheStageTextsInTheAnsiCodePage) {
    NotFirstRun();
    Program program(installation.Exe());
    HWND main = program.WaitForWindow(kMainCaption, kWindowTimeout);
    ASSERT_NE(main, nullptr);
    const std::string bytes = ReadFileBytes(installation.LangFile(L"Francais.lng"));
    EXPECT_NE(bytes.find("[FrmHome]\r\n"), std::string::npos);
    EXPECT_NE(bytes.find("Form.Caption=Velmora Xp\r\n"), std::string::npos);
    EXPECT_NE(bytes.find("ButtonPlus2.Caption=Centre de t\xE9l\xE9xhargement\r\n"), std::string::npos);
    EXPECT_NE(bytes.find("[MSG]\r\n"), std::string::npos);
    const char* messages[] = {"msg1=Initialisation ..",
                              "msg2=Correction des Bugs du Syst\xE8me ..",
                              "msg3=Acc\xE9l\xE9ration du menu D\xE9marrer..",
                              "msg4=Am\xE9liorer la stabilit\xE9 du syst\xE8me ..",
                              "msg5=Acc\xE9l\xE9ration du Boot ..",
                              "msg6=Acc\xE9laration des Applications ..",
                              "msg7=Nettoyage du Noyau Syst\xE8me ..",
                              "msg8=Optimisation Termin\xE9\x65"};
    for (const char* line : messages) EXPECT_NE(bytes.find(std::string(line) + "\r\n"), std::string::npos) << line;
    EXPECT_EQ(bytes.find("\xC3"), std::string::npos) << "no UTF-8 in a language file";
    Quit(program, main);
}

TEST_F(HomeE2e, EnglishChosenInTheSettingsRelabelsTheMainWindow) {
    NotFirstRun();
    SaveSetting(L"FILES", L"LNG", installation.LangFile(L"English.lng"));
    Program program(installation.Exe());
    HWND main = program.WaitForWindow(kMainCaption, kWindowTimeout);
    ASSERT_NE(main, nullptr);
    EXPECT_TRUE(Poll(3000, [&] { return FindChild(main, L"&Optimise Windows") != nullptr; }));
    EXPECT_NE(FindChild(main, L"Settings"), nullptr);
    EXPECT_EQ(FindChild(main, L"Configuration"), nullptr);
    HWND quit = FindChild(main, L"Quit");
    ASSERT_NE(quit, nullptr);
    Click(quit);
    EXPECT_TRUE(program.WaitForExit(10000));
}

TEST_F(HomeE2e, QuitterEndsTheProgramCleanlyAndAloneWithNoRestartOffer) {
    NotFirstRun();
    Program program(installation.Exe());
    HWND main = program.WaitForWindow(kMainCaption, kWindowTimeout);
    ASSERT_NE(main, nullptr);
    for (const wchar_t* caption : {L"&Optimiser Windows", L"Brivex Tweaker", L"Info Syst\u00e8me", L"Configuration",
                                   L"System Backup", L"Centre de t\u00e9l\u00e9xhargement", L"Brivex Forums", L"L'aide",
                                   L"Velmora Doziv Plus!", L"A propos", L"+Info", L"R\u00e9duire", L"Version BETA"})
        EXPECT_NE(FindChild(main, caption), nullptr) << std::string(caption, caption + wcslen(caption));
    HWND quit = FindChild(main, L"Quitter");
    ASSERT_NE(quit, nullptr);
    Click(quit);
    EXPECT_TRUE(program.WaitForExit(10000));
    EXPECT_EQ(program.ExitCode(), 0u);
}

TEST_F(HomeE2e, InformationMessagesShowTheirTitlesAndTexts) {
    NotFirstRun();
    Program program(installation.Exe());
    HWND main = program.WaitForWindow(kMainCaption, kWindowTimeout);
    ASSERT_NE(main, nullptr);
    struct Case {
        const wchar_t* button;
        const wchar_t* title;
        const wchar_t* textStart;
    };
    const Case cases[] = {
        {L"Velmora Doziv Plus!", L"Velmora Doziv PLUS!", L"- Plus d'options.\r\n- Plus d'efficacit\u00e9."},
        {L"A propos", L"Brivex Doziv", L"\r    Velmora Doziv est le leader"},
        {L"+Info", L"Velmora Doziv 3.0 - Teste", L"QUEL EST LE GAIN DE PERFORMANCE CORRESPONDANT ?\r"},
    };
    for (const Case& c : cases) {
        HWND control = FindChild(main, c.button);
        ASSERT_NE(control, nullptr);
        if (std::wstring(c.button) == L"+Info") {
            // A label answers the mouse, not BM_CLICK: pressed and released on it.
            PostMessageW(control, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
            PostMessageW(control, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
        } else {
            Click(control);
        }
        auto box = program.WaitForMessageBox(5000);
        ASSERT_TRUE(box) << std::wstring(c.button).size();
        EXPECT_EQ(box->title, c.title);
        EXPECT_EQ(box->text.rfind(c.textStart, 0), 0u);
        AnswerMessageBox(*box, IDOK);
        ASSERT_TRUE(Poll(5000, [&] { return !program.CurrentMessageBox(); }));
    }
    Quit(program, main);
}

}  // namespace
}  // namespace brivex::e2e
