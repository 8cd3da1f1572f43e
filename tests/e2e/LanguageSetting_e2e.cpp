// A language setting no file can be named by, as a user may leave one in the
// registry by hand or through another program: the real program still starts,
// its main window shown and in French, and ends cleanly.

#include <gtest/gtest.h>

#include <string>

#include "e2e/ProgramUnderTest.h"

namespace brivex::e2e {
namespace {

constexpr DWORD kWindowTimeout = 60000;
const std::wstring kMainCaption = L"Velmora Xp";

class LanguageSettingE2e : public ::testing::Test {
protected:
    LanguageSettingE2e() {
        EndLeftoverInstances();
        ClearSettings();
        SaveSetting(L"config", L"first", L"1");  // no first-run notices
    }
    ~LanguageSettingE2e() override { ClearSettings(); }

    std::wstring DeepPath(int folders) const {
        std::wstring path = installation.Folder();
        for (int i = 0; i < folders; ++i) path += L"\\Lang";
        return path + L"\\English.lng";
    }

    Installation installation;
};

TEST_F(LanguageSettingE2e, ASettingNoFileCanBeNamedByLeavesTheMainWindowShownAndFrench) {
    struct Case {
        const char* what;
        std::wstring setting;
    };
    const Case cases[] = {
        {"1 000 characters without a folder", std::wstring(1000, L'F')},
        {"10 000 characters", std::wstring(10000, L'F')},
        {"a path 200 folders deep", DeepPath(200)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        SaveSetting(L"FILES", L"LNG", c.setting);
        Program program(installation.Exe());
        HWND main = program.WaitForWindow(kMainCaption, kWindowTimeout);
        if (!main) {
            ADD_FAILURE() << (program.Running() ? "no visible main window" : "the program ended");
            continue;
        }
        EXPECT_TRUE(IsWindowVisible(main));
        for (const wchar_t* caption :
             {L"&Optimiser Windows", L"Info Syst\u00e8me", L"Configuration", L"L'aide", L"R\u00e9duire", L"Quitter"})
            EXPECT_NE(FindChild(main, caption), nullptr) << std::string(caption, caption + wcslen(caption));
        EXPECT_NE(ReadFileBytes(installation.LangFile(L"Francais.lng")).find("[FrmHome]"), std::string::npos)
            << "the French reference file is written as ever";
        Click(FindChild(main, L"Quitter"));
        EXPECT_TRUE(program.WaitForExit(10000));
        EXPECT_EQ(program.ExitCode(), 0u);
    }
}

}  // namespace
}  // namespace brivex::e2e
