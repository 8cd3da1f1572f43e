#include "tweaks/TweakCatalogue.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

namespace brivex {
namespace {

TEST(TweakCatalogue_Entries, SixteenInPanelOrderWithTheirNamesCaptionsBoxesAndWriteCounts) {
    struct Expected {
        const char* id;
        const char* caption;
        int box;
        std::size_t writes;
    };
    const Expected expected[] = {
        {"ErrorReporting", "Le rapport d'erreur", 1, 7},
        {"DesktopProcess", "Gestion des processus", 2, 1},
        {"CdBurning", "Le  service de gravure de Windows", 3, 1},
        {"UnusedDllsInMemory", "Les DLL inutilisées de la mémoire", 4, 1},
        {"LowDiskSpaceNotification", "La notification \" Espace insuffisant\"", 5, 1},
        {"FileExtensions", "L'extension des fichiers", 6, 1},
        {"HiddenFiles", "Les fichiers cachés", 7, 1},
        {"SystemFiles", "Les fichiers systèmes", 8, 1},
        {"SearchAssistant", "L'assistant de recherche", 9, 1},
        {"NumLock", "La touche  \"Verr Num\"", 12, 1},
        {"AutoRestartOnCrash", "Redémarrage automatique en cas de plantage", 13, 1},
        {"UltraSpeedDisks", "Mode \"UltraSpeed\" des disques", 14, 1},
        {"AntivirusNotification", "Notification d'Antivirus", 15, 1},
        {"FirewallNotification", "Notification du Pare Feu", 16, 1},
        {"UpdatesNotification", "Notification des Mises à jour", 17, 1},
        {"SecurityCenter", "Centre de Sécurité", 18, 1},
    };
    const auto catalogue = TweakCatalogue();
    ASSERT_EQ(catalogue.size(), std::size(expected));
    for (std::size_t i = 0; i < catalogue.size(); ++i) {
        EXPECT_EQ(catalogue[i].id, expected[i].id) << i;
        EXPECT_EQ(catalogue[i].caption, expected[i].caption) << i;
        EXPECT_EQ(catalogue[i].box, expected[i].box) << i;
        EXPECT_EQ(catalogue[i].off.size(), expected[i].writes) << expected[i].id;
        EXPECT_EQ(catalogue[i].on.size(), expected[i].writes) << expected[i].id;
    }
}

TEST(TweakCatalogue_Entries, BothButtonsWriteTheSameValuesWithDifferentData) {
    // Five entries once wrote the same data for both buttons; none may again.
    for (const TweakEntry& entry : TweakCatalogue())
        for (std::size_t i = 0; i < entry.off.size(); ++i) {
            const RegistryWrite& off = entry.off[i];
            const RegistryWrite& on = entry.on[i];
            EXPECT_EQ(std::tie(off.root, off.key, off.valueName), std::tie(on.root, on.key, on.valueName)) << entry.id;
            EXPECT_EQ(off.Type(), on.Type()) << entry.id << " " << off.valueName;
            EXPECT_NE(off.data, on.data) << entry.id << " " << off.valueName;
        }
}

}  // namespace
}  // namespace brivex
