#include "sysinfo/RegistryRows.h"

#include "base/Numbers.h"

namespace brivex {

namespace {

constexpr char kCurrentVersion[] = "software\\microsoft\\windows nt\\currentversion";
constexpr char kProcessor[] = "hardware\\Description\\system\\CentralProcessor\\0";
constexpr char kSystem[] = "hardware\\Description\\system";

}  // namespace

const std::array<RegistryRow, kRowCount> kWindowsRows = {{
    {"Système d'exploitation :", kCurrentVersion, "productname", "  Inconnu"},
    {"Version du Windows : ", kCurrentVersion, "currentversion", "   Inconnu"},
    {"ID de Windows :  ", kCurrentVersion, "productid", "  Inconnu"},
    // The registered owner's name, whatever the caption says.
    {"Clé de Windows :", kCurrentVersion, "RegisteredOwner", "   Inconnu"},
    {"Nom de l'organisation :", kCurrentVersion, "RegisteredOrganization", "  Inconnu"},
    {"Version d'Internet Explorer:", "software\\microsoft\\internet explorer", "version", "   Inconnu"},
    {"La zone géographique : ", "system\\currentcontrolset\\control\\TimeZoneInformation", "StandardName", "  Inconnu"},
    {"La version de Direct X :", "software\\microsoft\\directx", "version", "   Inconnu"},
}};

const std::array<RegistryRow, kRowCount> kPcRows = {{
    {"Constructeur du Processeur :", kProcessor, "VendorIdentifier", "    Inconnu"},
    {"Type du Processeur :", kProcessor, "Identifier", "    Inconnu"},
    {"Nombre de Processeur:   ", kCurrentVersion, "CurrentType", "    Inconnu"},
    {"Mémoire phyique Totale :", "", "", "    Inconnu"},
    {"Date du Bios : ", kSystem, "SystemBiosDate", "    Inconnu"},
    {"Carte Video Date: ", kSystem, "VideoBiosDate", "    Inconnu"},
    {"Nom de la machine :", "System\\CurrentControlSet\\Control\\ComputerName\\ComputerName", "ComputerName",
     "    Inconnu"},
    {"Fréquence du Processeur en MHz :", kProcessor, "~Mhz", "    Inconnu"},
}};

std::string RowText(const RegistryData& value) {
    if (value.IsText()) return "  " + value.Text();
    if (value.IsNumber()) return "  " + std::to_string(value.Number());
    return "  ";
}

std::string MemoryRowText(float totalMegabytes, char decimalSeparator) {
    return "  " + SingleToText(totalMegabytes, decimalSeparator) + "   MO";
}

}  // namespace brivex
