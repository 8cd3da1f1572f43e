#include "sysinfo/DrivePanel.h"

#include <cstdio>
#include <utility>

#include "base/Numbers.h"

namespace brivex {

std::string DriveTypeText(const ui::DrvFact& fact) {
    static constexpr std::pair<int, const char*> kTypes[] = {
        {5, "CDROM"}, {3, "Lecteur Fixe"}, {6, "Lecteur RAM"}, {2, "Lecteur Removable"}, {4, "Lecteur à distance"},
    };
    for (const auto& [type, text] : kTypes)
        if (fact.DriveType() == type) return text;
    return "Lecteur unconnu";
}

std::int32_t DriveGauge(const ui::DrvFact& fact) {
    if (fact.TotalSpace() == 0) return 0;
    return ToInt32(fact.FreeSpace() / fact.TotalSpace() * 100).value_or(0);
}

std::string SizeText(double size, char decimalSeparator) {
    char text[40];
    std::snprintf(text, sizeof text, "%.15G", size);
    std::string shown = text;
    for (char& c : shown)
        if (c == '.') c = decimalSeparator;
    return shown;
}

}  // namespace brivex
