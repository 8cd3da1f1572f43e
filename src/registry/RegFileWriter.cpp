#include "registry/RegFileWriter.h"

#include <cstdio>
#include <optional>

#include "base/Unicode.h"

namespace brivex {

namespace {

constexpr char kLineEnd[] = "\r\n";
// The editor breaks hexadecimal lines past this width, going on indented.
constexpr std::size_t kHexLineWidth = 76;

std::string Quoted(std::string_view text) {
    std::string out = "\"";
    for (const char c : text) {
        if (c == '\\' || c == '"') out += '\\';
        out += c;
    }
    out += '"';
    return out;
}

std::string NameField(std::string_view name) { return name.empty() ? "@" : Quoted(name); }

std::string Hex2(unsigned value) {
    char digits[3];
    std::snprintf(digits, sizeof digits, "%02x", value & 0xFF);
    return digits;
}

// The text without its terminating NULs, when it fits between quotes: one line, no NUL inside.
std::optional<std::string_view> QuotableText(std::string_view text) {
    text = text.substr(0, text.find_last_not_of('\0') + 1);
    if (text.find_first_of(std::string_view("\0\r\n", 3)) != std::string_view::npos) return std::nullopt;
    return text;
}

}  // namespace

bool HoldsText(std::uint32_t type) {
    return type == regtype::String || type == regtype::ExpandString || type == regtype::MultiString;
}

std::string_view RegistryRootName(RegKey root) {
    switch (root) {
        case regroot::ClassesRoot: return "HKEY_CLASSES_ROOT";
        case regroot::CurrentUser: return "HKEY_CURRENT_USER";
        case regroot::LocalMachine: return "HKEY_LOCAL_MACHINE";
        default: return "HKEY_USERS";
    }
}

RegFileWriter::RegFileWriter() : text_(std::string("Windows Registry Editor Version 5.00") + kLineEnd) {}

void RegFileWriter::Key(RegKey root, std::string_view path) { KeyLine("[", root, path); }

void RegFileWriter::DeletedKey(RegKey root, std::string_view path) { KeyLine("[-", root, path); }

// Each key's lines start after an empty one.
void RegFileWriter::KeyLine(std::string_view opening, RegKey root, std::string_view path) {
    text_ += kLineEnd;
    text_ += opening;
    text_ += RegistryRootName(root);
    text_ += '\\';
    text_ += path;
    text_ += ']';
    text_ += kLineEnd;
}

void RegFileWriter::Value(std::string_view name, std::uint32_t type, std::string_view data) {
    const std::string field = NameField(name) + "=";
    if (type == regtype::String) {
        if (const auto text = QuotableText(data)) {
            text_ += field + Quoted(*text) + kLineEnd;
            return;
        }
    }
    // Any other text is written as the wide functions hold it, in hexadecimal.
    const std::string bytes = HoldsText(type) ? Utf8ToUtf16Le(data) : std::string(data);
    if (type == regtype::Dword && bytes.size() == 4) {
        char number[16];
        std::snprintf(number, sizeof number, "dword:%08x",
                      static_cast<unsigned>(static_cast<unsigned char>(bytes[0])) |
                          static_cast<unsigned>(static_cast<unsigned char>(bytes[1])) << 8 |
                          static_cast<unsigned>(static_cast<unsigned char>(bytes[2])) << 16 |
                          static_cast<unsigned>(static_cast<unsigned char>(bytes[3])) << 24);
        text_ += field + number + kLineEnd;
        return;
    }
    if (type == regtype::Binary) {
        HexValue(field + "hex:", bytes);
        return;
    }
    char prefix[24];
    std::snprintf(prefix, sizeof prefix, "hex(%x):", static_cast<unsigned>(type));
    HexValue(field + prefix, bytes);
}

void RegFileWriter::DeletedValue(std::string_view name) { text_ += NameField(name) + "=-" + kLineEnd; }

void RegFileWriter::Comment(std::string_view text) {
    const std::size_t lastLine = text_.rfind(kLineEnd, text_.size() - 3);
    if (text_.compare(lastLine == std::string::npos ? 0 : lastLine + 2, 1, ";") != 0) text_ += kLineEnd;
    std::string line = "; ";
    // A line break would end the comment, and the editor would read the rest as a key or a value.
    for (const char c : text) line += c == '\r' || c == '\n' ? ' ' : c;
    text_ += line + kLineEnd;
}

void RegFileWriter::HexValue(std::string line, std::string_view bytes) {
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        line += Hex2(static_cast<unsigned char>(bytes[i]));
        if (i + 1 == bytes.size()) break;
        line += ',';
        if (line.size() > kHexLineWidth) {
            text_ += line + "\\" + kLineEnd;
            line = "  ";
        }
    }
    text_ += line + kLineEnd;
}

// The editor ends its files with an empty line.
std::string RegFileWriter::FileBytes() const { return "\xFF\xFE" + Utf8ToUtf16Le(text_ + kLineEnd); }

}  // namespace brivex
