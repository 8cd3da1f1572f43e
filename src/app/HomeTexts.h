#pragma once
// The main window's fixed French texts, exactly as users have always seen them.

namespace brivex::hometexts {

inline constexpr char kIncompatibleSystemTitle[] = " Système incompatible";
inline constexpr char kIncompatibleSystem[] =
    " Ce logiciel n'est pas fait pour votre version de windows, visitez notre site "
    "http://www.velmora-doziv.example"
    " pour télécharger le logiciel adéquat";

// Shown when the program cannot have administrator rights; no title: the application title shows.
inline constexpr char kNeedsAdministrator[] =
    "Velmora Doziv a besoin des droits d'administrateur pour modifier les réglages de Windows.";

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

}  // namespace brivex::hometexts

namespace brivex::hometexts {

inline constexpr char kHomePage[] = "http://www.velmora-doziv.example";
inline constexpr char kDownloadPage[] = "http://www.velmora-doziv.example/Download";
inline constexpr char kForum[] = "http://forum.velmora-doziv.example";

inline constexpr char kAnnouncementTitle[] = "Velmora Doziv PLUS!";
inline constexpr char kAnnouncement[] =
    "- Plus d'options.\r\n"
    "- Plus d'efficacité.\r\n"
    "- Plus de rapidité.\r\n"
    "- Plus de stabilité...\r\n"
    "\r\n"
    "Velmora Doziv Plus! sera disponible avec la version finale.";

inline constexpr char kAbout[] =
    "\r"
    "    Velmora Doziv est le leader dans le monde d'optimisation des noyaux Windows\r"
    "qui donnera vie à votre système d'exploitation. Son utilisation est facilitée et adaptée\r"
    "aux utilisateurs débutants avec des résultats surprenants.\r"
    "                                         __________________________________\r"
    "\r"
    "Velmora Doziv is the leader in the world of optimisation of the cores Windows\r"
    "who will give life to your operating system. Its use very easy and is adapted \r"
    "to the initials users but who gives surprising resulats.\r"
    "______________________________________________________________________________________\r"
    "Velmora Doziv v3.0 - Velmora, tous droits réservés.\r"
    "Contact : support@velmora-doziv.example\r"
    "Site : http://www.velmora-doziv.example";

inline constexpr char kPerformanceTitle[] = "Velmora Doziv 3.0 - Teste";
inline constexpr char kPerformance[] =
    "QUEL EST LE GAIN DE PERFORMANCE CORRESPONDANT ?\r"
    "\r"
    "Le laboratoire indépendant Velmora Bench Lab a mesuré les gains de machines optimisées.\r"
    "Elles ont produit des gains de performances dépassant même les résultats attendus.\r"
    "Un bref récapitulatif est illustré ci-dessous :\r"
    "\r"
    " ___________________________________________________________________________________ \r"
    "|  P4-Windows Xp Sp2        |  Athlon64-Windows Longhorn  |  DuoCore-Windows Doziv  |\r"
    "|  Gains de performances    |  Gains de performances      |  Gains de performances  |\r"
    "|  moyens 85,5 à 109,6 %    |  moyens 25,3 à 69,1 %       |  moyens 73 à 89,7 %     |\r"
    "|___________________________|_____________________________|_________________________|\r"
    "\r"
    "Mesures du Velmora Bench Lab sur des machines de test ; les gains varient d'une machine à l'autre.";

}  // namespace brivex::hometexts
