#include <iostream>
#include <string>
#include <vector>

#include "IniDiff.h"
#include "platform/win32/Win32IniFile.h"

int main(int argc, char** argv) {
    if (argc < 3) {
        std::cerr << "usage: inidiff_win32 <work folder> <corpus folder>...\n";
        return 2;
    }
    brivex::Win32IniFile ini;
    const std::vector<std::string> corpus(argv + 2, argv + argc);
    return brivex::testing::RunIniDiff(ini, argv[1], corpus, std::cout) > 0 ? 0 : 1;
}
