#include "IniDiff.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <random>
#include <string_view>
#include <vector>

#include "base/Cp1252.h"
#include "base/Unicode.h"

namespace brivex::testing {
namespace {

namespace fs = std::filesystem;

constexpr std::uint32_t kSizes[] = {1, 2, 16, 255, 4096};
// Large enough for every list the files here make.
constexpr std::uint32_t kWhole = 1 << 16;
constexpr int kGeneratedCases = 300;
// Quoted and with trailing spaces, which the key list keeps and a value drops.
constexpr const char* kKeysDefault = "'none'  ";

std::string Escape(std::string_view bytes) {
    std::string out;
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        if (b >= 0x20 && b < 0x7F && b != '\\') {
            out += c;
        } else {
            char hex[5];
            std::snprintf(hex, sizeof hex, "\\x%02X", b);
            out += hex;
        }
    }
    return out;
}

// The buffer started as NUL bytes, so its text up to the last other byte,
// with its size, says all of it.
std::string Shown(const ProfileString& got, std::uint32_t size) {
    const auto last = got.buffer.find_last_not_of('\0');
    const std::string_view text =
        last == std::string::npos ? std::string_view() : std::string_view(got.buffer).substr(0, last + 1);
    std::string line = std::to_string(got.count) + " \"" + Escape(text) + "\"";
    if (got.buffer.size() != size) line += " buffer of " + std::to_string(got.buffer.size());
    return line;
}

// The names of a list laid out as NUL-terminated strings, each name once
// whatever its letter case.
std::vector<std::string> Names(const ProfileString& list) {
    std::vector<std::string> names;
    std::string_view rest = std::string_view(list.buffer).substr(0, list.count);
    while (!rest.empty()) {
        const auto end = std::min(rest.find('\0'), rest.size());
        const std::string name(rest.substr(0, end));
        rest.remove_prefix(std::min(end + 1, rest.size()));
        const bool known = std::any_of(names.begin(), names.end(),
                                       [&](const std::string& n) { return Cp1252EqualsIgnoreCase(n, name); });
        if (!name.empty() && !known) names.push_back(name);
    }
    return names;
}

// Only A to Z: Wine folds no other letter (a difference the shared suite pins).
std::string FlipCase(std::string text) {
    for (char& c : text) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 0x20);
        else if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + 0x20);
    }
    return text;
}

std::string ReadBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return "<missing>";
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteBytes(const fs::path& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

class Random {
public:
    explicit Random(std::uint32_t seed) : engine_(seed) {}
    // The engine's raw numbers are the same on every standard library.
    std::size_t Below(std::size_t n) { return n == 0 ? 0 : engine_() % n; }
    template <typename T>
    const T& Pick(const std::vector<T>& items) {
        return items[Below(items.size())];
    }

private:
    std::mt19937 engine_;
};

struct Case {
    std::string label;
    std::string bytes;
    // NUL bytes are cut from every line by Wine's rewrite and kept by Windows':
    // such files are compared on what they read only.
    bool writes = true;
};

class Session {
public:
    Session(IniFile& ini, std::ostream& out) : ini_(ini), out_(out) {}

    void Run(const Case& c, const fs::path& path, Random& random) {
        WriteBytes(path, c.bytes);
        const std::string file = path.string();
        out_ << "== " << c.label << " \"" << Escape(c.bytes) << "\"\n";
        ReadAll(file);
        if (c.writes) WriteAll(file, path, random);
    }

private:
    void ReadAll(const std::string& file) {
        for (const std::uint32_t size : kSizes)
            out_ << "names " << size << ": " << Shown(ini_.GetSectionNames(size, file), size) << '\n';
        const std::vector<std::string> sections = Names(ini_.GetSectionNames(kWhole, file));
        for (const std::string& section : sections) ReadSection(section, file);
        const std::string first = sections.empty() ? "FrmHome" : sections.front();
        for (const std::string& asked : {FlipCase(first), " \t" + first + "  ", std::string("Missing section")}) {
            out_ << "keys [" << Escape(asked) << "]: " << Shown(ini_.GetKeyNames(asked, kKeysDefault, 4096, file), 4096)
                 << '\n';
            out_ << "section [" << Escape(asked) << "]: " << Shown(ini_.GetSection(asked, 4096, file), 4096) << '\n';
            const std::vector<std::string> keys = Names(ini_.GetKeyNames(asked, "", kWhole, file));
            ReadValue(asked, keys.empty() ? "Form.Caption" : keys.front(), 255, file);
        }
    }

    void ReadSection(const std::string& section, const std::string& file) {
        for (const std::uint32_t size : kSizes) {
            out_ << "keys [" << Escape(section) << "] " << size << ": "
                 << Shown(ini_.GetKeyNames(section, kKeysDefault, size, file), size) << '\n';
            out_ << "section [" << Escape(section) << "] " << size << ": "
                 << Shown(ini_.GetSection(section, size, file), size) << '\n';
        }
        // Every value once, the first few at every size and by other spellings.
        const std::vector<std::string> keys = Names(ini_.GetKeyNames(section, "", kWhole, file));
        for (std::size_t k = 0; k < keys.size(); ++k) {
            if (k >= 3) {
                ReadValue(section, keys[k], 255, file);
                continue;
            }
            for (const std::uint32_t size : kSizes) ReadValue(section, keys[k], size, file);
            ReadValue(section, FlipCase(keys[k]), 255, file);
            ReadValue(section, "  " + keys[k] + "\t ", 255, file);
        }
        ReadValue(section, "Missing key", 255, file, "\"quoted default\"  ");
    }

    void ReadValue(const std::string& section, const std::string& key, std::uint32_t size, const std::string& file,
                   const std::string& defaultValue = "<none>") {
        out_ << "value [" << Escape(section) << "] " << Escape(key) << ' ' << size << ": "
             << Shown(ini_.GetString(section, key, defaultValue, size, file), size) << '\n';
    }

    void WriteAll(const std::string& file, const fs::path& path, Random& random) {
        static const std::vector<std::string> values = {
            "Nouveau texte",
            "  spaced out  ",
            "\"quoted\"",
            "'single'",
            "a=b;c",
            "G\xE9n\xE9ral \x80 \xAB x \xBB",
            "",
            std::string(300, 'x'),
            "\"unbalanced",
            "two\r\nlines",
            "\ttab\t",
        };
        const auto sections = [&] { return Names(ini_.GetSectionNames(kWhole, file)); };
        const auto keysOf = [&](const std::string& section) {
            return Names(ini_.GetKeyNames(section, "", kWhole, file));
        };
        // Names as the program spells them, or in other letter case, or padded.
        const auto spelled = [&](const std::string& name) {
            switch (random.Below(4)) {
                case 0: return FlipCase(name);
                case 1: return " " + name + "  ";
                default: return name;
            }
        };
        // Every random choice is its own statement: the order in which a
        // call's arguments are worked out is the compiler's.
        std::vector<std::string> known = sections();
        if (!known.empty()) {
            const std::string section = spelled(random.Pick(known));
            const std::vector<std::string> keys = keysOf(section);
            if (!keys.empty()) {
                const std::string key = spelled(random.Pick(keys));
                Write("set", section, key, random.Pick(values), file, path);
            }
            const std::string added = spelled("Added" + std::to_string(random.Below(100)));
            Write("add key", section, added, random.Pick(values), file, path);
        }
        const std::string fresh = spelled("Nouvelle section");
        Write("add section", fresh, "Cl\xE9", random.Pick(values), file, path);
        known = sections();
        if (known.empty()) return;
        const std::string section = spelled(random.Pick(known));
        const std::vector<std::string> keys = keysOf(section);
        if (!keys.empty()) {
            const std::string key = spelled(random.Pick(keys));
            Write("delete key", section, key, std::nullopt, file, path);
        }
        Write("delete missing key", section, "Missing key", std::nullopt, file, path);
        known = sections();
        if (known.empty()) return;
        const std::string doomed = random.Pick(known);
        out_ << "delete section [" << Escape(doomed) << "] -> " << ini_.DeleteSection(doomed, file) << " \""
             << Escape(ReadBytes(path)) << "\"\n";
        out_ << "delete missing section -> " << ini_.DeleteSection("Missing section", file) << " \""
             << Escape(ReadBytes(path)) << "\"\n";
    }

    void Write(const char* what, const std::string& section, const std::string& key,
               const std::optional<std::string>& value, const std::string& file, const fs::path& path) {
        const std::int32_t result = ini_.WriteString(section, key, value, file);
        out_ << what << " [" << Escape(section) << "] " << Escape(key) << " = "
             << (value ? '"' + Escape(*value) + '"' : std::string("(none)")) << " -> " << result << " \""
             << Escape(ReadBytes(path)) << "\"\n";
    }

    IniFile& ini_;
    std::ostream& out_;
};

std::vector<std::string> SplitLines(std::string_view text) {
    std::vector<std::string> lines;
    while (!text.empty()) {
        const auto end = std::min(text.find("\r\n"), text.size());
        lines.emplace_back(text.substr(0, end));
        text.remove_prefix(std::min(end + 2, text.size()));
    }
    return lines;
}

// Wine keeps only the first of consecutive lines that start with "=" in a
// section (the shared suite pins it), so generated files never have them.
bool HasRunOfNamelessKeys(std::string_view text) {
    bool previousNameless = false;
    while (!text.empty()) {
        const auto end = std::min(text.find_first_of("\r\n"), text.size());
        std::string_view line = text.substr(0, end);
        text.remove_prefix(std::min(end + 1, text.size()));
        const auto first = line.find_first_not_of(" \t\v\f\x1A");
        if (first == std::string_view::npos) continue;
        line.remove_prefix(first);
        if (line.front() == '[' && line.find(']') != std::string_view::npos) {
            previousNameless = false;
            continue;
        }
        const bool nameless = line.front() == '=';
        if (nameless && previousNameless) return true;
        previousNameless = nameless;
    }
    return false;
}

// One change a person or another program may make to a file.
void Mutate(std::vector<std::string>& lines, Random& random) {
    if (lines.empty()) lines.emplace_back("[Empty]");
    const std::size_t at = random.Below(lines.size());
    const auto insert = [&](std::string text) { lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(at), text); };
    std::string& line = lines[at];
    const auto equals = line.find('=');
    switch (random.Below(18)) {
        case 0: insert(random.Below(2) ? "" : "  \t"); break;
        case 1: line = "  " + line + " \t"; break;
        case 2:
            if (equals != std::string::npos) line.replace(equals, 1, random.Below(2) ? " = " : "\t=  ");
            break;
        case 3:
            if (equals != std::string::npos) {
                const char* quotes[] = {"\"", "'", "\"'"};
                const std::string quote = quotes[random.Below(3)];
                line = line.substr(0, equals + 1) + quote.front() + line.substr(equals + 1) + quote.back();
            }
            break;
        case 4:
            if (equals != std::string::npos) line.erase(equals, 1);
            break;
        case 5: insert(random.Below(2) ? ";comment=1" : "  ; note"); break;
        case 6:
            if (equals != std::string::npos && line.front() != '[')
                lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(at) + 1,
                             FlipCase(line.substr(0, equals)) + "=second");
            break;
        case 7:
            for (const std::string& other : lines)
                if (other.starts_with('[') && other.ends_with(']')) {
                    lines.push_back(FlipCase(other));
                    lines.push_back("late=1");
                    break;
                }
            break;
        case 8:
            if (line.starts_with('[') && line.ends_with(']')) {
                const std::string name = line.substr(1, line.size() - 2);
                const std::string headers[] = {"[ " + name + " ]", "[" + name + "] trailing", "[" + name + "]]"};
                line = headers[random.Below(3)];
            }
            break;
        case 9: insert("[Cass\xE9"); break;
        case 10: lines.insert(lines.begin(), random.Below(2) ? "orphan=1" : "; header comment"); break;
        case 11:
            if (equals != std::string::npos) line = line.substr(0, equals + 1) + std::string(300, 'L');
            break;
        case 12:
            if (equals != std::string::npos) line += " \xE9t\xE9 \x80 \x9C\xA0";
            break;
        case 13: insert("=nameless"); break;
        case 14: lines.push_back("\x1A"); break;
        case 15: insert(random.Below(2) ? "[Empty]" : "[]"); break;
        case 16:
            if (equals != std::string::npos) line = line.substr(0, equals + 1);
            break;
        default:
            if (equals != std::string::npos) line += "\tinner\ttab";
            break;
    }
}

std::string Join(const std::vector<std::string>& lines, Random& random) {
    const char* ends[] = {"\r\n", "\r\n", "\n", "\r"};
    const bool mixed = random.Below(5) == 0;
    std::string end = ends[random.Below(4)];
    std::string text;
    for (const std::string& line : lines) {
        text += line;
        text += end;
        if (mixed) end = ends[random.Below(4)];
    }
    if (random.Below(6) == 0 && !text.empty()) text.erase(text.find_last_not_of("\r\n") + 1);
    return text;
}

std::vector<Case> MakeCases(const std::vector<Case>& corpus, Random& random) {
    std::vector<Case> cases = corpus;
    // A translator's file saved as "Unicode" by Notepad.
    for (const Case& c : corpus)
        cases.push_back({c.label + " in UTF-16", "\xFF\xFE" + Utf8ToUtf16Le(Cp1252ToUtf8(c.bytes))});
    cases.push_back({"UTF-16 mark alone", "\xFF\xFE"});
    // Characters the ANSI code page lacks (Polish, Greek) come back as their
    // best fit or as "?", and survive a rewrite.
    cases.push_back({"UTF-16 beyond the code page",
                     "\xFF\xFE" + Utf8ToUtf16Le("[Polski]\r\nZa\xC5\xBC\xC3\xB3\xC5\x82\xC4\x87="
                                                "g\xC4\x99\xC5\x9Bl\xC4\x85\r\n"
                                                "[\xCE\x95\xCE\xBB\xCE\xBB\xCE\xB7\xCE\xBD\xCE\xB9\xCE\xBA"
                                                "\xCE\xAC]\r\nk=\xCE\xB1\xCE\xB2\xCE\xB3\r\n")});
    const std::string withNuls("Data \0 before\r\n[S]\r\nk=a\0b\r\nm\0n=2\r\n[T\0U]\r\nt=1\r\n\0\r\n", 48);
    cases.push_back({"NUL bytes", withNuls, false});
    cases.push_back({"NUL bytes in UTF-16", "\xFF\xFE" + Utf8ToUtf16Le(withNuls), false});
    for (int n = 0; n < kGeneratedCases; ++n) {
        const Case& base = random.Pick(corpus);
        std::string text;
        do {
            std::vector<std::string> lines = SplitLines(base.bytes);
            for (std::size_t k = 1 + random.Below(6); k > 0; --k) Mutate(lines, random);
            text = Join(lines, random);
        } while (HasRunOfNamelessKeys(text));
        cases.push_back({"generated " + std::to_string(n) + " from " + base.label, text});
    }
    return cases;
}

std::vector<Case> ReadCorpus(const std::vector<std::string>& folders) {
    std::vector<fs::path> paths;
    for (const std::string& folder : folders)
        for (const auto& entry : fs::directory_iterator(folder))
            if (entry.is_regular_file()) paths.push_back(entry.path());
    std::sort(paths.begin(), paths.end(),
              [](const fs::path& a, const fs::path& b) { return a.filename() < b.filename(); });
    std::vector<Case> corpus;
    for (const fs::path& path : paths) corpus.push_back({path.filename().string(), ReadBytes(path)});
    return corpus;
}

}  // namespace

int RunIniDiff(IniFile& ini, const std::string& workFolder, const std::vector<std::string>& corpusFolders,
               std::ostream& out) {
    const std::vector<Case> corpus = ReadCorpus(corpusFolders);
    if (corpus.empty()) return 0;
    Random random(20261207);
    const std::vector<Case> cases = MakeCases(corpus, random);
    Session session(ini, out);
    int number = 0;
    for (const Case& c : cases) {
        // A file name of its own for every case: kernel32 keeps files it read
        // in a cache it checks against the time of the last write.
        const fs::path path = fs::path(workFolder) / ("case" + std::to_string(++number) + ".ini");
        session.Run(c, path, random);
    }
    out << "cases compared: " << number << '\n';
    return number;
}

}  // namespace brivex::testing
