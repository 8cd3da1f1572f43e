// Administrator rights: the manifest asks for none, so that Windows starts the
// program from the Run keys at log-on, and the program asks for them itself.
// Under Wine every process has them, so the program starts at once.

#include <gtest/gtest.h>

#include <string>

#include "e2e/ProgramUnderTest.h"

namespace brivex::e2e {
namespace {

std::string ManifestOf(const std::wstring& exe) {
    HMODULE module = LoadLibraryExW(exe.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (!module) return {};
    std::string manifest;
    if (HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(1), RT_MANIFEST)) {
        if (const void* bytes = LockResource(LoadResource(module, found)))
            manifest.assign(static_cast<const char*>(bytes), SizeofResource(module, found));
    }
    FreeLibrary(module);
    return manifest;
}

class ElevationE2e : public ::testing::Test {
protected:
    ElevationE2e() {
        EndLeftoverInstances();
        ClearSettings();
        SaveSetting(L"config", L"first", L"1");
    }
    ~ElevationE2e() override { ClearSettings(); }

    Installation installation;
};

TEST_F(ElevationE2e, ManifestRunsAsTheInvoker) {
    const std::string manifest = ManifestOf(installation.Exe());
    ASSERT_FALSE(manifest.empty()) << "the program carries its manifest";
    EXPECT_NE(manifest.find("<requestedExecutionLevel level=\"asInvoker\""), std::string::npos);
    EXPECT_EQ(manifest.find("requireAdministrator"), std::string::npos);
    EXPECT_EQ(manifest.find("highestAvailable"), std::string::npos);
}

TEST_F(ElevationE2e, StartsWithTheRightsAtOnceWithOrWithoutTheRelaunchMarker) {
    for (const wchar_t* arguments : {L"", L"/elevated"}) {
        Program program(installation.Exe(), arguments);
        HWND main = program.WaitForWindow(L"Velmora Xp", 60000);
        ASSERT_NE(main, nullptr) << arguments;
        EXPECT_FALSE(program.CurrentMessageBox()) << arguments;
        Click(FindChild(main, L"Quitter"));
        EXPECT_TRUE(program.WaitForExit(10000)) << arguments;
        EXPECT_EQ(program.ExitCode(), 0u) << arguments;
    }
}

}  // namespace
}  // namespace brivex::e2e
