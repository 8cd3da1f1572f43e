#include "console/ProgramStart.h"

#include <gtest/gtest.h>

namespace brivex::testing {
namespace {

TEST(ProgramStart_Beside, TheProgramBesideWithTheArgumentsUnitForUnit) {
    struct Case {
        const wchar_t* companion;
        const wchar_t* commandLine;
        const wchar_t* program;
        const wchar_t* programCommandLine;
    };
    const Case cases[] = {
        {LR"(C:\Program Files\Brivex Doziv\Brivex Doziv.com)", LR"("Brivex Doziv"  /check "D:\a b\p.ini" /log x\\")",
         LR"(C:\Program Files\Brivex Doziv\Brivex Doziv.exe)",
         LR"("C:\Program Files\Brivex Doziv\Brivex Doziv.exe"  /check "D:\a b\p.ini" /log x\\")"},
        {LR"(C:\v1.2\outil.COM)", L"outil\t/?", LR"(C:\v1.2\outil.exe)", L"\"C:\\v1.2\\outil.exe\"\t/?"},
        {LR"(C:\v1.2\outil)", LR"("C:\v1.2\outil"/?)", LR"(C:\v1.2\outil.exe)", LR"("C:\v1.2\outil.exe"/?)"},
        {LR"(C:\B\B.com)", LR"("C:\B\B.com")", LR"(C:\B\B.exe)", LR"("C:\B\B.exe")"},
        {LR"(C:\B\B.com)", LR"("C:\B\B.com /check p.ini)", LR"(C:\B\B.exe)", LR"("C:\B\B.exe")"},
    };
    for (const Case& c : cases) {
        const ProgramStart start = StartBeside(c.companion, c.commandLine);
        EXPECT_EQ(start.program, c.program);
        EXPECT_EQ(start.commandLine, c.programCommandLine);
    }
}

TEST(ProgramStart_Waits, ForACommandOrARefusalNeverForTheWindows) {
    const std::pair<const char*, bool> cases[] = {
        {R"("C:\B\B.exe" /check p.ini)", true},
        {R"("C:\B\B.exe" -EXPORT "a b.ini")", true},
        {R"("C:\B\B.exe" /reset)", true},
        {R"("C:\B\B.exe" /quiet)", true},
        {R"("C:\B\B.exe")", false},
        {R"("C:\B\B.exe" "C:\dropped file.txt")", false},
        {R"("C:\B\B.exe" /elevated)", false},
    };
    for (const auto& [commandLine, waits] : cases) EXPECT_EQ(WaitsForProgram(commandLine), waits) << commandLine;
}

}  // namespace
}  // namespace brivex::testing
