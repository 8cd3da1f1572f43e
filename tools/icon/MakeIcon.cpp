// Makes the program's icon and the installer's picture from the program's own
// mark, when the program is built:
//     brivex_icon ICON.ico WELCOME.bmp

#include <fstream>
#include <iostream>

#include "../gallery/BmpFile.h"
#include "ProgramIcon.h"
#include "WelcomePicture.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: brivex_icon ICON.ico WELCOME.bmp\n";
        return 2;
    }
    const std::string icon = brivex::icon::ProgramIcon();
    std::ofstream file(argv[1], std::ios::binary);
    file.write(icon.data(), static_cast<std::streamsize>(icon.size()));
    file.close();

    brivex::PixelCanvas welcome(brivex::icon::kWelcomeWidth, brivex::icon::kWelcomeHeight);
    brivex::icon::PaintWelcomePicture(welcome);
    if (!file || !brivex::gallery::WriteBmp(welcome, argv[2])) {
        std::cerr << "brivex_icon: cannot write " << (file ? argv[2] : argv[1]) << "\n";
        return 1;
    }
    return 0;
}
