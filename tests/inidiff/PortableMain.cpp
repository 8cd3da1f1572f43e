#include <iostream>
#include <string>
#include <vector>

#include "IniDiff.h"
#include "platform/portable/PortableIniFile.h"

int main(int argc, char** argv) {
    if (argc < 3) {
        std::cerr << "usage: inidiff_portable <work folder> <corpus folder>...\n";
        return 2;
    }
    brivex::PortableIniFile ini;
    const std::vector<std::string> corpus(argv + 2, argv + argc);
    return brivex::testing::RunIniDiff(ini, argv[1], corpus, std::cout) > 0 ? 0 : 1;
}
