#pragma once

#include <string>
#include <vector>

namespace brivex {

// The program-wide values every translated window shares.
struct LanguageState {
    // Full path of the language file last used; GetMessageText reads from it.
    std::string CurrentLanguageFile;
    // The optimisation's stage texts, rebuilt by the main window on every load.
    std::vector<std::string> ProgressMessages;
};

}  // namespace brivex
