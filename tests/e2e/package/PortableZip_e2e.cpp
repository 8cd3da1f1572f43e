// The portable zip as a user meets it: unpacked anywhere, one folder named
// after the package, and the program inside starts.

#include <gtest/gtest.h>

#include <algorithm>

#include "e2e/package/PackageUnderTest.h"

namespace brivex::e2e {
namespace {

TEST(PortableZip, UnpacksToOneFolderOfThePackagesNameThatStartsTheProgram) {
    ASSERT_EQ(EntriesOf(UnpackedZip()), std::vector<std::wstring>{PackageName()});
    const std::wstring folder = UnpackedZip() + L"\\" + PackageName();

    std::vector<std::wstring> expected = {L"Brivex Doziv.exe", L"Brivex Doziv.com", L"bye.wav"};
    for (const std::wstring& language : ShippedLanguageFiles()) expected.push_back(L"Lang\\" + language);
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(FilesUnder(folder), expected);

    ExpectStartsToMainWindow(folder + L"\\Brivex Doziv.exe");
}

}  // namespace
}  // namespace brivex::e2e
