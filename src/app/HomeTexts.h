#pragma once
// The main window's fixed French texts, exactly as users have always seen them.

namespace brivex::hometexts {

inline constexpr char kIncompatibleSystemTitle[] = " Système incompatible";
inline constexpr char kIncompatibleSystem[] =
    " Ce logiciel n'est pas fait pour votre version de windows, visitez notre site "
    "http://www.velmora-doziv.example"
    " pour télécharger le logiciel adéquat";

inline constexpr char kProductLine[] = "Velmora Doziv v3.0";
// Lines joined by single carriage returns, as the message has always been laid out.
inline constexpr char kAlreadyRunning[] =
    "Cette application, est déjà démarrer, vous ne pouvez\r"
    "pas éxécuter deux fois cette application .\r"
    "\r"
    "Contact : support@velmora-doziv.example";

inline constexpr char kFirstUseTitle[] = "Brivex Backup";
inline constexpr char kFirstUse[] =
    "C'est votre première utilisation : \r"
    "Velmora Doziv va sauvgarder votre base de données. Patientez...";
inline constexpr char kFirstRestorePoint[] = "Velmora First";
inline constexpr char kRestorePointMade[] = "La création du point de restauration a été effectuée avec succès.";
inline constexpr char kRestoreDisabled[] =
    "La Restauration système est désactivée. Impossible de créer un point de restauration.";

}  // namespace brivex::hometexts
