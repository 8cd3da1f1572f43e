// Prints the characters outside Windows-1252 that the system's conversion to
// that code page replaces by a near one (its "best fit") rather than by "?",
// as the table in src/base/Cp1252BestFit.cpp lists them. The fullwidth forms
// U+FF01 to U+FF5E, which fold onto ASCII, are left to a rule of their own.
#include <windows.h>

#include <cstdio>

int main() {
    int column = 0;
    for (unsigned code = 0x80; code < 0xFF01; ++code) {
        if (code >= 0xD800 && code < 0xE000) continue;
        const wchar_t wide = static_cast<wchar_t>(code);
        char ansi = 0;
        wchar_t back = 0;
        if (WideCharToMultiByte(1252, 0, &wide, 1, &ansi, 1, nullptr, nullptr) != 1 || ansi == '?') continue;
        MultiByteToWideChar(1252, 0, &ansi, 1, &back, 1);
        if (back == wide) continue;
        std::printf("%s{0x%04X, 0x%02X},", column == 0 ? "    " : " ", code, static_cast<unsigned char>(ansi));
        if (++column == 6) {
            std::printf("\n");
            column = 0;
        }
    }
    if (column) std::printf("\n");
    return 0;
}
