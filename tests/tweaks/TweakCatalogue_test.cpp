#include "tweaks/TweakCatalogue.h"

#include <gtest/gtest.h>

#include <string>

namespace brivex {
namespace {

TEST(TweakCatalogue_Entries, SixteenBoxesInPanelOrderWithTheirCaptionsAndWriteCounts) {
    struct Expected {
        const char* box;
        const char* caption;
        std::size_t writes;
    };
    const Expected expected[] = {
        {"BrivexCB1", "Le rapport d'erreur", 6},
        {"BrivexCB2", "Gestion des processus", 1},
        {"BrivexCB3", "Le  service de gravure de Windows", 1},
        {"BrivexCB4", "Les DLL inutilisées de la mémoire", 1},
        {"BrivexCB5", "La notification \" Espace insuffisant\"", 1},
        {"BrivexCB6", "L'extension des fichiers", 1},
        {"BrivexCB7", "Les fichiers cachés", 1},
        {"BrivexCB8", "Les fichiers systèmes", 1},
        {"BrivexCB9", "L'assistant de recherche", 1},
        {"BrivexCB12", "La touche  \"Verr Num\"", 1},
        {"BrivexCB13", "Redémarrage automatique en cas de plantage", 1},
        {"BrivexCB14", "Mode \"UltraSpeed\" des disques", 1},
        {"BrivexCB15", "Notification d'Antivirus", 1},
        {"BrivexCB16", "Notification du Pare Feu", 1},
        {"BrivexCB17", "Notification des Mises à jour", 1},
        {"BrivexCB18", "Centre de Sécurité", 1},
    };
    const auto catalogue = TweakCatalogue();
    ASSERT_EQ(catalogue.size(), std::size(expected));
    for (std::size_t i = 0; i < catalogue.size(); ++i) {
        EXPECT_EQ(catalogue[i].checkBox, expected[i].box) << i;
        EXPECT_EQ(catalogue[i].caption, expected[i].caption) << i;
        EXPECT_EQ(catalogue[i].writes.size(), expected[i].writes) << expected[i].box;
    }
}

TEST(TweakCatalogue_Entries, EveryWriteTellsTheTwoButtonsApart) {
    // Five entries once wrote the same data for both buttons; none may again.
    for (const TweakEntry& entry : TweakCatalogue())
        for (const TweakWrite& write : entry.writes)
            EXPECT_NE(write.DataFor(TweakSwitch::Off), write.DataFor(TweakSwitch::On))
                << entry.checkBox << " " << write.valueName;
}

}  // namespace
}  // namespace brivex
