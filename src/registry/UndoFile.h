#pragma once
// The registry as it was before a run changed it, kept as a file the registry
// editor imports to put every value back: a value the run will write comes
// back with its type and data, one that did not exist is deleted again, and a
// removed key is made again with its values. Keys the run cannot reach are
// left out, as the run changes nothing there.

#include <optional>
#include <string>
#include <vector>

#include "platform/AnsiCodec.h"
#include "platform/RegistryApi.h"
#include "platform/SystemFacts.h"
#include "platform/UserFiles.h"
#include "registry/RegFileWriter.h"

namespace brivex {

inline constexpr char kUndoFolder[] = "Brivex Doziv\\Annulation";

class UndoFile {
public:
    UndoFile(RegistryApi& api, const AnsiCodec& ansi) : api_(api), ansi_(ansi) {}

    // The value as it is now; a value already recorded keeps its first state.
    void RecordValue(RegKey root, const std::string& key, const std::string& valueName);
    // A key about to be removed, with its values. The removal takes only a key
    // without subkeys, so one with subkeys is left out.
    void RecordKeyRemoval(RegKey root, const std::string& key);

    // A comment at the top of the file: a value the run leaves as it is, and why.
    void Note(std::string text);

    // Notes alone make no file: the run changes nothing to put back.
    bool IsEmpty() const { return keys_.empty(); }
    // The file's text, UTF-8.
    std::string Text() const;
    // Writes the file as "<date>-<time>.reg" under the undo folder and returns
    // its path; empty when it could not be written, which stops nothing.
    std::string Save(UserFiles& files, const LocalTime& now) const;

private:
    // Names are kept as the registry compares them too, in the ANSI code page
    // and upper case, converted once so that a lookup compares them as they are.
    struct Value {
        std::string name;
        std::string foldedName;
        bool existed = false;
        std::uint32_t type = 0;
        std::string data;  // text as UTF-8, other types as their bytes
    };
    struct Key {
        RegKey root = 0;
        std::string path;
        std::string foldedPath;
        bool removed = false;
        std::vector<Value> values;
    };

    RegFileWriter Write() const;
    Key* Find(RegKey root, const std::string& foldedPath, bool removed);
    RegKey OpenForReading(RegKey root, const std::string& ansiPath);
    std::optional<Value> ReadState(RegKey key, const std::string& name, const std::string& ansiName);
    std::string Data(std::uint32_t type, const std::vector<std::uint8_t>& ansiData) const;

    RegistryApi& api_;
    const AnsiCodec& ansi_;
    std::vector<Key> keys_;
    std::vector<std::string> notes_;
};

}  // namespace brivex
