#pragma once
// What the program tells the user of the restore points it asks for, in
// French, written once for the windows and the command line. The command line
// reads the failure under its own key of the language files; the windows ask
// before changes through a hidden label, so that translation reaches the question.

namespace brivex {

inline constexpr char kRestorePointMade[] = "La création du point de restauration a été effectuée avec succès.";
inline constexpr char kRestorePointNotMade[] =
    "La Restauration système est désactivée. Impossible de créer un point de restauration.";

// What a window shows once its request has ended.
constexpr const char* RestorePointOutcome(bool made) { return made ? kRestorePointMade : kRestorePointNotMade; }

// Asked before changes when the restore point the settings ask for could not be made.
inline constexpr char kAskWithoutRestorePoint[] =
    "Aucun point de restauration n'a pu être créé. Appliquer quand même les changements ?";

}  // namespace brivex
