#pragma once
// What the forms runtime itself tells the user, in French. These texts are
// shown before or outside any window's translation, so no language file
// reaches them: they are written here once and shown as they stand.

#include <string>

namespace brivex::ui::runtimetexts {

// The text shown for an error that carries none.
inline constexpr char kUnexpectedError[] = "Une erreur inattendue s'est produite.";

inline constexpr char kNoMessageWindow[] =
    "Le programme ne peut pas cr\u00e9er sa fen\u00eatre de messages : ses minuteries ne marcheront pas.";

inline std::string WindowNotMade(const std::string& caption) {
    return "La fen\u00eatre \u00ab " + caption + " \u00bb n'a pas pu \u00eatre cr\u00e9\u00e9e.";
}

}  // namespace brivex::ui::runtimetexts
