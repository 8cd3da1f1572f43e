#include "cli/OutputEncoding.h"

namespace brivex {

namespace {

constexpr unsigned kUtf8CodePage = 65001;

OutputEncoding RedirectedEncoding(const OutputFacts& facts) {
    const unsigned codePage = facts.consoleCodePage != 0 ? facts.consoleCodePage : facts.oemCodePage;
    if (facts.preferUtf8 || codePage == kUtf8CodePage) return {OutputEncoding::Form::Utf8};
    return {OutputEncoding::Form::CodePage, codePage};
}

}  // namespace

OutputEncoding ChooseOutputEncoding(const OutputFacts& facts) {
    switch (facts.output) {
        case StandardOutput::Console: return {OutputEncoding::Form::Wide};
        case StandardOutput::Redirected: return RedirectedEncoding(facts);
        default:
            // Without a standard output the parent's console, when there is one, is where the caller looks.
            return {facts.consoleCodePage != 0 ? OutputEncoding::Form::Wide : OutputEncoding::Form::Unreadable};
    }
}

std::string FramedLine(std::string_view text) {
    std::string line;
    line.reserve(text.size() + 2);
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r' && text[i] != '\n') {
            line += text[i];
            continue;
        }
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        line += "\r\n";
    }
    return line + "\r\n";
}

}  // namespace brivex
