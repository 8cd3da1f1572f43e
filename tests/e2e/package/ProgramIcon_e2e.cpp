// The program's icon as Explorer, the taskbar and the installer find it: the
// program's first icon, at every size Windows asks for.

#include <windows.h>
#include <gtest/gtest.h>
#include <shellapi.h>

#include "e2e/package/PackageUnderTest.h"

namespace brivex::e2e {
namespace {

TEST(ProgramIcon, IsTheProgramsFirstIconAtEverySizeAndTheInstallers) {
    const std::wstring exe = UnpackedZip() + L"\\" + PackageName() + L"\\Brivex Doziv.exe";
    EXPECT_GE(ExtractIconExW(exe.c_str(), -1, nullptr, nullptr, 0), 1u);
    const std::map<int, std::string> pictures = IconPictures(exe);
    std::vector<int> sizes;
    for (const auto& [size, picture] : pictures) {
        sizes.push_back(size);
        // Windows reads the largest as a PNG file and the others as bitmaps (a 40-byte header first).
        EXPECT_TRUE(picture.substr(0, 4) == (size == 256 ? std::string("\x89PNG") : std::string("\x28\0\0\0", 4)))
            << size;
    }
    EXPECT_EQ(sizes, (std::vector<int>{16, 20, 24, 32, 40, 48, 64, 256}));
    EXPECT_TRUE(IconPictures(SetupExe()) == pictures) << "the installer shows the program's icon";
}

}  // namespace
}  // namespace brivex::e2e
