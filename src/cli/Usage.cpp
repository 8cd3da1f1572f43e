#include "cli/Usage.h"

#include "tweaks/TweakCatalogue.h"

namespace brivex {

namespace {

struct UsageLine {
    bool indented;  // the language files trim blanks, so the indent is the program's
    CommandText text;
};

// The behaviours' names come from the catalogue after the line that announces them.
constexpr std::string_view kNamesAfter = "Usage11";

constexpr UsageLine kLines[] = {
    {false, {"Usage01", "Brivex Doziv sans fenêtre, pour les scripts et les outils de déploiement :"}},
    {true, {"Usage02", "\"Brivex Doziv\" commande [/log FICHIER] [/whatif] [/json] [/utf8]"}},
    {true, {"Usage19", "(Brivex Doziv.com, trouvé avant l'exe, attend la fin de la commande et rend son code.)"}},
    {false, {"Usage03", "Commandes (une seule à la fois) :"}},
    {true, {"Usage04", "/export FICHIER : écrit dans FICHIER l'état actuel des seize comportements."}},
    {true,
     {"Usage05", "/check FICHIER : compare la machine au préréglage, une ligne par différence ; ne change rien."}},
    {true,
     {"Usage06",
      "/tweaks FICHIER : applique le préréglage (droits d'administrateur, sauf pour les seuls comportements de "
      "HKEY_CURRENT_USER)."}},
    {true, {"Usage07", "/optimise ou /optimize : l'optimisation en un clic, sans fenêtre (droits d'administrateur)."}},
    {true, {"Usage20", "/version : le nom et la version du programme."}},
    {true, {"Usage08", "/? ou /help : cette aide."}},
    {false, {"Usage09", "Options :"}},
    {true, {"Usage21", "/log FICHIER : une ligne UTF-8 datée par événement."}},
    {true,
     {"Usage22", "/whatif (avec /tweaks ou /optimise) : dit chaque écriture que la commande ferait ; ne change rien."}},
    {true, {"Usage23", "/json (avec /check ou /tweaks) : un objet JSON au lieu des lignes."}},
    {true, {"Usage24", "/utf8 : la sortie redirigée en UTF-8 plutôt que dans la page de code de la console."}},
    {true, {"Usage25", "/quiet : accepté ; aucune commande ne montre jamais de fenêtre ni de boîte de message."}},
    {false,
     {"Usage10", "Préréglage : texte UTF-8, UTF-16 avec BOM ou ANSI ; section [Tweaks] ; ; commence un commentaire."}},
    {false, {"Usage11", "Une ligne nom = off, on ou keep par comportement, nommé par son identifiant ou sa case :"}},
    {false, {"Usage12", "Codes de sortie :"}},
    {true, {"Usage13", "0 : fait (/check : la machine est conforme au préréglage)"}},
    {true, {"Usage14", "1 : la machine n'est pas conforme au préréglage (/check, ou /tweaks appliqué en partie)"}},
    {true, {"Usage15", "2 : ligne de commande ou préréglage incorrect, rien n'a été changé"}},
    {true, {"Usage16", "3 : un fichier de la ligne de commande n'a pu être lu ou écrit"}},
    {true, {"Usage17", "740 : droits d'administrateur nécessaires"}},
    {true, {"Usage18", "3010 : /optimise fait, un redémarrage le complète"}},
};

constexpr std::string_view kIndent = "  ";

}  // namespace

std::vector<std::string> UsageLines(CommandTexts& texts) {
    std::vector<std::string> lines;
    for (const UsageLine& line : kLines) {
        lines.emplace_back(line.indented ? kIndent : "").append(texts.Get(line.text));
        if (line.text.key != kNamesAfter) continue;
        for (const TweakEntry& entry : TweakCatalogue())
            lines.emplace_back(kIndent)
                .append(entry.id)
                .append(" (BrivexCB")
                .append(std::to_string(entry.box))
                .append(")");
    }
    return lines;
}

}  // namespace brivex
