#pragma once
// What the undo file and the command line's log say of a row of the
// optimisation's list that this machine keeps unmade: which value, and why.
// The texts come from the chosen language file, section "Optimisation"; the
// French text here stands when the file lacks a key.

#include <string>
#include <string_view>

#include "lang/LanguageState.h"
#include "lang/MODTrans.h"
#include "platform/Platform.h"
#include "registry/RegistryWrite.h"
#include "registry/Settings.h"

namespace brivex {

struct OptimisationText {
    std::string_view key;
    std::string_view french;
};

inline constexpr std::string_view kOptimisationTextSection = "Optimisation";

namespace keptrowtext {
inline constexpr OptimisationText Kept{"Kept", "Non modifié : %1 (%2)"};
inline constexpr OptimisationText SmallMemory{"KeptSmallMemory", "la machine a moins de 1 Go de mémoire"};
inline constexpr OptimisationText DomainMember{
    "KeptDomainMember",
    "la machine est membre d'un domaine, dont les ouvertures de session demandent l'heure juste du service de temps"};
inline constexpr OptimisationText SystemManaged{"KeptSystemManaged", "Windows gère lui-même cette valeur"};
inline constexpr OptimisationText PerVolume{"KeptPerVolume", "Windows règle ce choix volume par volume"};
}  // namespace keptrowtext

class KeptRowTexts {
public:
    KeptRowTexts(const Platform& platform, Settings& settings);

    // "Non modifié : HKEY_LOCAL_MACHINE\…\W32Time\Start (la machine est membre d'un domaine, …)"
    std::string Note(const RegistryWrite& write, WriteCondition unmet);

private:
    std::string Get(const OptimisationText& text);

    LanguageState language_;
    MODTrans trans_;
    std::string file_;
};

}  // namespace brivex
