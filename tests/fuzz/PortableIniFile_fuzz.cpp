// The portable initialisation-file engine on a file made of the input: every
// name the file holds is read back through the string and section calls, then
// one key is written or deleted, and nothing else the file answers may change
// (but where the file holds a section with an empty name).

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <utility>

#include "FuzzFolder.h"
#include "FuzzRequire.h"
#include "IniOutline.h"
#include "base/Cp1252.h"
#include "platform/portable/PortableIniFile.h"

namespace brivex::fuzzing {
namespace {

constexpr std::uint32_t kReadBuffer = 255;    // the buffer the program reads texts through
constexpr std::uint32_t kLargeBuffer = 8192;  // more than the largest input
constexpr std::size_t kNameLimit = 24;
const std::string kDefault =
    "\x01"
    "default";

// What the string call answers, the count and the bytes it counts.
std::string Answer(const ProfileString& got) { return got.buffer.substr(0, got.count); }

bool SameName(std::string_view a, std::string_view b) {
    return Cp1252EqualsIgnoreCase(TrimProfileBlanks(a), TrimProfileBlanks(b));
}

// A piece of the input to name or fill something with, holding only what the
// "A" functions can be given in one line of a file: no NUL, CR or LF.
std::string Piece(const std::string& content, std::size_t start, std::size_t length) {
    std::string piece = content.substr(std::min(start, content.size()), length);
    std::erase_if(piece, [](char c) { return c == '\0' || c == '\r' || c == '\n'; });
    return piece;
}

// A key a file line can hold: no "=", and no "[" to open it, which would make
// a header of the line once its value holds a "]".
std::string KeyName(std::string key) {
    std::erase(key, '=');
    key.erase(0, std::min(key.find_first_not_of(" \t\v\f\x1A["), key.size()));
    return TrimProfileBlanks(key).empty() ? std::string("k") : key;
}

struct Answers {
    std::map<std::pair<std::string, std::string>, std::string> strings;
    std::map<std::string, std::string> sections;
};

// Every answer the file gives, but for the written key and its section's lines.
Answers ReadAllBut(PortableIniFile& ini, const std::vector<OutlineSection>& outline, const std::string& file,
                   const std::string& section, const std::string& key) {
    Answers answers;
    for (const OutlineSection& s : outline) {
        const bool writtenSection = SameName(s.name, section);
        if (!writtenSection) answers.sections[s.name] = Answer(ini.GetSection(s.name, kLargeBuffer, file));
        for (const std::string& k : s.keys) {
            if (writtenSection && SameName(k, key)) continue;
            answers.strings[{s.name, k}] = Answer(ini.GetString(s.name, k, kDefault, kLargeBuffer, file));
        }
    }
    return answers;
}

void CheckReads(PortableIniFile& ini, const std::vector<OutlineSection>& outline, const std::string& file,
                std::uint32_t anySize) {
    for (const OutlineSection& s : outline) {
        for (const std::string& k : s.keys) {
            const ProfileString text = ini.GetString(s.name, k, kDefault, kReadBuffer, file);
            FUZZ_REQUIRE(text.buffer.size() == kReadBuffer);
            FUZZ_REQUIRE(text.count <= kReadBuffer - 1);
            FUZZ_REQUIRE(text.buffer[text.count] == '\0');
        }
        const ProfileString any = ini.GetString(s.name, s.keys.empty() ? "" : s.keys.front(), kDefault, anySize, file);
        FUZZ_REQUIRE(any.buffer.size() == anySize);
        FUZZ_REQUIRE(anySize == 0 ? any.count == 0 : any.count < anySize);
        const ProfileString lines = ini.GetSection(s.name, anySize, file);
        FUZZ_REQUIRE(lines.buffer.size() == anySize);
        FUZZ_REQUIRE(lines.count <= std::max<std::uint32_t>(anySize, 2) - 2);
    }
}

}  // namespace
}  // namespace brivex::fuzzing

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace brivex;
    using namespace brivex::fuzzing;
    FuzzedDataProvider input(data, size);
    const auto choice = input.ConsumeIntegral<std::uint8_t>();
    const auto pick = input.ConsumeIntegral<std::uint16_t>();
    const auto start = input.ConsumeIntegral<std::uint16_t>();
    const auto length = input.ConsumeIntegral<std::uint8_t>();
    const auto anySize = input.ConsumeIntegralInRange<std::uint32_t>(0, 300);
    const std::string content = input.ConsumeRemainingBytesAsString();

    // The engine takes the path in the ANSI code page, as the "A" functions do.
    const std::string file = Utf8ToCp1252(FuzzFolder().Path("fuzz.ini"));
    PutFile(FuzzFolder().Path("fuzz.ini"), content);
    PortableIniFile ini;
    const std::vector<OutlineSection> outline = OutlineOf(content, kNameLimit);
    CheckReads(ini, outline, file, anySize);

    // An existing section and key, or new names made of the input.
    const OutlineSection& existing = outline[pick % outline.size()];
    const std::string section =
        choice & 1 ? Piece(existing.name, 0, std::string::npos) : Piece(content, start, length % 24);
    const std::string key = KeyName((choice & 2) && !existing.keys.empty()
                                        ? Piece(existing.keys[pick % existing.keys.size()], 0, std::string::npos)
                                        : Piece(content, start + length, length % 16));
    const std::optional<std::string> value =
        choice & 4 ? std::nullopt : std::optional<std::string>(Piece(content, start / 2, length));

    const Answers before = ReadAllBut(ini, outline, file, section, key);
    FUZZ_REQUIRE(ini.WriteString(section, key, value, file) != 0);
    const Answers after = ReadAllBut(ini, outline, file, section, key);
    // Two rules of the system by which a write changes other answers (the
    // behavioural suite pins both): no header is written for a section with an
    // empty name ("[]"), so a rewrite moves its lines into the section above;
    // and a rewrite that drops the lines before two bytes spelling the UTF-16
    // mark makes them the file's start, and the whole file then reads as UTF-16.
    const std::vector<OutlineSection> whole = OutlineOf(content, content.size());
    constexpr std::string_view kMark = "\xFF\xFE";
    const bool markComesFirst =
        !content.starts_with(kMark) && FuzzFolder().Get(FuzzFolder().Path("fuzz.ini")).value_or("").starts_with(kMark);
    if (!markComesFirst &&
        std::none_of(whole.begin() + 1, whole.end(), [](const OutlineSection& s) { return s.name.empty(); })) {
        FUZZ_REQUIRE(before.sections == after.sections);
        FUZZ_REQUIRE(before.strings == after.strings);
    }

    if (value && !markComesFirst) {
        // A plain value reads back as written, less its blanks.
        const std::string_view plain = TrimProfileBlanks(*value);
        const bool quotable = !plain.empty() && (plain.front() == '"' || plain.front() == '\'');
        if (!quotable) FUZZ_REQUIRE(Answer(ini.GetString(section, key, kDefault, kLargeBuffer, file)) == plain);
    }
    return 0;
}
