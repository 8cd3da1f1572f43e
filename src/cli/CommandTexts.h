#pragma once
// Every text the command line shows or logs: its key in the section
// "CommandLine" of the language files and its French text, which stands when
// the language file lacks the key. "%1", "%2"... take the values given.

#include <initializer_list>
#include <string>
#include <string_view>

#include "lang/FillText.h"
#include "lang/MODTrans.h"
#include "restore/RestoreTexts.h"

namespace brivex {

struct CommandText {
    std::string_view key;
    std::string_view french;
};

inline constexpr std::string_view kCommandTextSection = "CommandLine";

namespace commandtext {
inline constexpr CommandText Account{"Account", "Comportements de HKEY_CURRENT_USER : compte %1"};
inline constexpr CommandText Exported{"Exported", "Préréglage écrit : %1"};
inline constexpr CommandText Difference{"Difference", "%1: attendu %2, trouvé %3"};
inline constexpr CommandText UnknownState{"UnknownState", "inconnu"};
inline constexpr CommandText Matches{"Matches", "La machine est conforme au préréglage."};
inline constexpr CommandText Applied{"Applied", "Appliqué : %1 = %2"};
inline constexpr CommandText NothingToApply{"NothingToApply", "Aucun comportement à changer : rien n'a été écrit."};
inline constexpr CommandText TweaksDone{"TweaksDone", "Préréglage appliqué."};
inline constexpr CommandText NotApplied{"NotApplied", "Non appliqué, le système a refusé une écriture : %1 = %2"};
inline constexpr CommandText TweaksPartly{"TweaksPartly",
                                          "Préréglage appliqué en partie : /check dit ce qui reste à faire."};
inline constexpr CommandText RestorePointMade{"RestorePointMade", "Point de restauration créé."};
inline constexpr CommandText RestorePointFailed{"RestorePointFailed", kRestorePointNotMade};
inline constexpr CommandText Optimised{"Optimised", "Optimisation effectuée : un redémarrage la complète."};
inline constexpr CommandText NeedsAdministrator{"NeedsAdministrator",
                                                "%1 demande les droits d'administrateur : rien n'a été changé."};
inline constexpr CommandText PresetNeedsAdministrator{
    "PresetNeedsAdministrator",
    "Ce préréglage règle des comportements hors de HKEY_CURRENT_USER : /tweaks demande les droits "
    "d'administrateur ; rien n'a été changé."};
inline constexpr CommandText RestorePointNeedsRights{
    "RestorePointNeedsRights", "Point de restauration non créé : il demande les droits d'administrateur."};
inline constexpr CommandText UndoFile{"UndoFile", "Fichier d'annulation : %1"};
inline constexpr CommandText UnknownSwitch{"UnknownSwitch", "Option inconnue : %1"};
inline constexpr CommandText TwoCommands{"TwoCommands", "Une seule commande à la fois : %1"};
inline constexpr CommandText MissingFile{"MissingFile", "%1 demande un nom de fichier."};
inline constexpr CommandText StrayArgument{"StrayArgument", "Argument inattendu : %1"};
inline constexpr CommandText OptionWithoutCommand{"OptionWithoutCommand", "%1 accompagne une commande."};
inline constexpr CommandText TwoLogs{"TwoLogs", "Un seul /log par commande : %1 est de trop."};
inline constexpr CommandText OptionNotForCommand{"OptionNotForCommand", "Options qui ne vont pas ensemble : %1"};
inline constexpr CommandText SeeUsage{"SeeUsage", "Rien n'a été changé. Pour l'aide : /?"};
inline constexpr CommandText PresetRefused{"PresetRefused", "%1, ligne %2 : %3 : %4"};
inline constexpr CommandText NoTweaksSection{"NoTweaksSection", "%1 : pas de section [Tweaks]"};
inline constexpr CommandText TooLarge{"TooLarge", "%1 : fichier de plus de 1 Mo"};
inline constexpr CommandText NotAssignment{"NotAssignment", "ligne qui n'est pas nom = valeur"};
inline constexpr CommandText UnknownName{"UnknownName", "nom inconnu"};
inline constexpr CommandText BadValue{"BadValue", "valeur autre que off, on, keep"};
inline constexpr CommandText Duplicate{"Duplicate", "comportement déjà nommé ligne %1"};
inline constexpr CommandText PresetNothingChanged{"PresetNothingChanged", "Préréglage refusé : rien n'a été changé."};
inline constexpr CommandText CannotRead{"CannotRead", "Impossible de lire %1 : %2"};
inline constexpr CommandText CannotWrite{"CannotWrite", "Impossible d'écrire %1 : %2"};
inline constexpr CommandText LogStart{"LogStart", "Début : %1"};
inline constexpr CommandText LogWrite{"LogWrite", "Écrit : %1 = %2"};
inline constexpr CommandText LogKeyRemoved{"LogKeyRemoved", "Clé supprimée : %1"};
inline constexpr CommandText LogKeyAbsent{"LogKeyAbsent", "Clé absente, rien à supprimer : %1"};
inline constexpr CommandText LogFailed{"LogFailed", "Échec (erreur %2) : %1"};
inline constexpr CommandText LogExit{"LogExit", "Fin : code de sortie %1"};
inline constexpr CommandText WhatIfStart{"WhatIfStart", "Simulation : rien ne sera changé."};
inline constexpr CommandText WhatIfRestorePoint{"WhatIfRestorePoint", "Créerait d'abord un point de restauration."};
inline constexpr CommandText WhatIfWrite{"WhatIfWrite", "Écrirait : %1 = %2 (%3)"};
inline constexpr CommandText WhatIfRemove{"WhatIfRemove", "Supprimerait la clé : %1"};
inline constexpr CommandText WhatIfEnd{"WhatIfEnd", "Fin de la simulation : %1 écritures, rien n'a été changé."};
}  // namespace commandtext

// The texts from one language file.
class CommandTexts {
public:
    CommandTexts(MODTrans& trans, std::string languageFile) : trans_(trans), file_(std::move(languageFile)) {}

    std::string Get(const CommandText& text, std::initializer_list<std::string_view> values = {});

private:
    MODTrans& trans_;
    std::string file_;
};

}  // namespace brivex
