#include "sysinfo/BiosReport.h"

#include <chrono>

namespace brivex {

namespace {

constexpr char kCrLf[] = "\r\n";
constexpr char kLongRule[] = "----------------------------------------------------------";

const std::vector<std::string> kReportProperties = {
    "Manufacturer",       "Description",        "Status",
    "SMBIOSBIOSVersion",  "CurrentLanguage",    "SMBIOSPresent",
    "SMBIOSMajorVersion", "SMBIOSMinorVersion", "ListOfLanguages",
};

// A property as the report shows it; null, an array, or a property missing shows nothing.
std::string Shown(const ManagementInstance& instance, const std::string& property) {
    const auto found = instance.find(property);
    if (found == instance.end()) return {};
    const ManagementValue& value = found->second;
    if (const auto* text = std::get_if<std::string>(&value)) return *text;
    if (const auto* flag = std::get_if<bool>(&value)) return *flag ? "Oui" : "Non";
    if (const auto* number = std::get_if<std::int64_t>(&value)) return std::to_string(*number);
    return {};
}

bool IsBlankOnly(const std::string& text) { return text.find_first_not_of(' ') == std::string::npos; }

int Digits(const std::string& text, std::size_t from, std::size_t count) {
    int number = 0;
    for (std::size_t i = from; i < from + count; ++i) number = number * 10 + (text[i] - '0');
    return number;
}

}  // namespace

CharacteristicTexts BiosCharacteristicTexts() {
    return {
        "Réserver",
        "Réserver",
        "Inconnu",
        "Caractéristiques du BIOS non supportées",
        "ISA est supportée",
        "MCA est supportée",
        "EISA est supportée",
        "PCI est supportée",
        "PC Card (PCMCIA) est supportée",
        "Plug and Play est supportée",
        "APM est supportée",
        "BIOS est mis à jour (Flash)",
        "BIOS shadowing est activé",
        "VL-VESA est supportée",
        "ESCD support est activé",
        "Boot from CD est supportée",
        "Selectable Boot est supportée",
        "BIOS ROM est présente",
        "Boot From PC Card (PCMCIA) est supportée",
        "EDD (Enhanced Disk Drive) Specification est supportée",
        "Int 13h - Japanese Floppy for NEC 9800 1.2mb (3.5, 1k Bytes/Sector, 360 RPM) est supportée",
        "Int 13h - Japanese Floppy for Toshiba 1.2mb (3.5, 360 RPM) est supportée",
        "Int 13h - 5.25 / 360 KB Floppy Services sont supportés",
        "Int 13h - 5.25 /1.2MB Floppy Services sont supportés",
        "Int 13h - 3.5 / 720 KB Floppy Services sont supportés",
        "Int 13h - 3.5 / 2.88 MB Floppy Services sont supportés",
        "Int 5h, Print Screen Service est supportée",
        "Int 9h, 8042 Keyboard services sont supportés",
        "Int 14h, Serial Services sont supportés",
        "Int 17h, printer services sont supportés",
        "Int 10h, CGA/Mono Video Services sont supportés",
        "NEC PC-98",
        "ACPI supported",
        "USB Legacy est supportée",
        "AGP est supportée",
        "I2O boot est supportée",
        "LS-120 boot est supportée",
        "ATAPI ZIP Drive boot est supportée",
        "1394 boot est supportée",
        "Smart Battery supported",
        "",
    };
}

std::string ReleaseDateText(const ManagementValue& releaseDate, const MonthNames& monthName) {
    const auto* text = std::get_if<std::string>(&releaseDate);
    if (!text || text->size() < 8) return {};
    for (std::size_t i = 0; i < 8; ++i)
        if ((*text)[i] < '0' || (*text)[i] > '9') return {};
    const std::chrono::year_month_day date{std::chrono::year(Digits(*text, 0, 4)),
                                           std::chrono::month(static_cast<unsigned>(Digits(*text, 4, 2))),
                                           std::chrono::day(static_cast<unsigned>(Digits(*text, 6, 2)))};
    if (!date.ok()) return {};
    return text->substr(6, 2) + " - " + monthName(Digits(*text, 4, 2)) + " - " + text->substr(0, 4);
}

std::string BiosReportText(const std::vector<ManagementInstance>& bios,
                           const std::vector<ManagementInstance>& releaseDates, const MonthNames& monthName) {
    std::string report = std::string("System BIOS Details : ") + kCrLf + "---------------------" + kCrLf;
    for (std::size_t i = 0; i < bios.size(); ++i) {
        const ManagementInstance& b = bios[i];
        const auto line = [&](const char* label, const std::string& value) { report += label + value + kCrLf; };
        std::string date;
        if (i < releaseDates.size())
            if (const auto found = releaseDates[i].find("ReleaseDate"); found != releaseDates[i].end())
                date = ReleaseDateText(found->second, monthName);
        line("Manufacturer:\t", Shown(b, "Manufacturer"));
        line("Description:\t", Shown(b, "Description"));
        line("Release Date:\t", date);
        line("Status\t:\t", Shown(b, "Status"));
        line("BIOS Version:\t", Shown(b, "SMBIOSBIOSVersion"));
        line("Language Courrent\t:\t", Shown(b, "CurrentLanguage"));
        line(kLongRule, "");
        line("SM BIOS Present\t\t:\t", Shown(b, "SMBIOSPresent"));
        line("SM BIOS Version majeure\t:\t", Shown(b, "SMBIOSMajorVersion"));
        line("SM BIOS Version mineure\t:\t", Shown(b, "SMBIOSMinorVersion"));
        line(kLongRule, "");
        // From the first entry: the list's index 0 is a language like the others.
        if (const auto languages = b.find("ListOfLanguages"); languages != b.end())
            if (const auto* entries = std::get_if<std::vector<std::string>>(&languages->second))
                for (const std::string& entry : *entries)
                    if (!IsBlankOnly(entry)) line("BIOS Installable Languages\t : \t", entry);
        line(kLongRule, "");
    }
    return report;
}

std::vector<std::string> BiosCharacteristicsList(const std::vector<ManagementInstance>& bios,
                                                 const CharacteristicTexts& texts) {
    std::vector<std::string> list;
    for (const ManagementInstance& instance : bios) {
        const auto found = instance.find("BiosCharacteristics");
        if (found == instance.end()) continue;
        const auto* codes = std::get_if<std::vector<std::int64_t>>(&found->second);
        if (!codes) continue;
        for (const std::int64_t code : *codes)
            if (code >= 0 && code < static_cast<std::int64_t>(texts.size()))
                list.push_back(texts[static_cast<std::size_t>(code)]);
    }
    return list;
}

std::optional<std::string> ReadBiosReport(ManagementService& service, const MonthNames& monthName) {
    const auto bios = service.ExecQuery(kBiosMoniker, kBiosQuery, kReportProperties);
    if (!bios) return std::nullopt;
    // A service that cannot give the date still gives the rest of the report.
    const auto dates = service.ExecQuery(kBiosMoniker, kReleaseDateQuery, {"ReleaseDate"});
    return BiosReportText(bios.Value(), dates ? dates.Value() : std::vector<ManagementInstance>{}, monthName);
}

std::optional<std::vector<std::string>> ReadBiosCharacteristics(ManagementService& service,
                                                                const CharacteristicTexts& texts) {
    const auto bios = service.ExecQuery(kBiosMoniker, kBiosQuery, {"BiosCharacteristics"});
    if (!bios) return std::nullopt;
    return BiosCharacteristicsList(bios.Value(), texts);
}

}  // namespace brivex
