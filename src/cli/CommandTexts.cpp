#include "cli/CommandTexts.h"

namespace brivex {

std::string CommandTexts::Get(const CommandText& text, std::initializer_list<std::string_view> values) {
    const std::string pattern =
        trans_.ReadIniText(file_, std::string(kCommandTextSection), std::string(text.key), std::string(text.french));
    return FillText(pattern, values);
}

}  // namespace brivex
