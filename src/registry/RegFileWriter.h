#pragma once
// The text the registry editor exports and imports ("Windows Registry Editor
// Version 5.00"): keys in brackets, values one to a line, strings quoted,
// numbers as dword:, everything else as comma-separated hexadecimal bytes.

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/RegistryApi.h"

namespace brivex {

// The root as the registry editor spells it: "HKEY_LOCAL_MACHINE".
std::string_view RegistryRootName(RegKey root);

// The types whose data is text: UTF-8 in the program, UTF-16 in the file.
bool HoldsText(std::uint32_t type);

class RegFileWriter {
public:
    RegFileWriter();

    // A key whose lines follow; the editor makes it if it is missing.
    void Key(RegKey root, std::string_view path);
    // A key the editor removes, with everything under it.
    void DeletedKey(RegKey root, std::string_view path);
    // A value of the last key. `data` holds the string types as UTF-8 text, the
    // terminating NULs included or not, and any other type as its bytes.
    void Value(std::string_view name, std::uint32_t type, std::string_view data);
    // A value of the last key the editor removes.
    void DeletedValue(std::string_view name);
    // A line the editor passes over, for the reader of the file; comment lines
    // that follow each other stay together, after an empty line.
    void Comment(std::string_view text);

    const std::string& Text() const { return text_; }
    // The file as the registry editor writes it: UTF-16 with its byte-order mark.
    std::string FileBytes() const;

private:
    void KeyLine(std::string_view opening, RegKey root, std::string_view path);
    void HexValue(std::string line, std::string_view bytes);

    std::string text_;
};

}  // namespace brivex
