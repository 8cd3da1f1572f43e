#include "registry/UndoFile.h"

#include <cstdio>

#include "base/Cp1252.h"
#include "base/Paths.h"
#include "registry/RegFileWriter.h"

namespace brivex {

namespace {

// KEY_READ: recording the state asks for nothing more than reading it.
constexpr std::uint32_t kKeyRead = 0x20019;
// Two runs within one second: the second file is "… (2).reg", as Explorer names copies.
constexpr int kMostCopies = 99;

}  // namespace

UndoFile::Key* UndoFile::Find(RegKey root, const std::string& foldedPath, bool removed) {
    for (Key& key : keys_)
        if (key.root == root && key.removed == removed && key.foldedPath == foldedPath) return &key;
    return nullptr;
}

RegKey UndoFile::OpenForReading(RegKey root, const std::string& ansiPath) {
    RegKey key = 0;
    return api_.OpenKey(root, ansiPath, 0, kKeyRead, key) == regstatus::Success ? key : 0;
}

// The string types come through the ANSI functions in the ANSI code page.
std::string UndoFile::Data(std::uint32_t type, const std::vector<std::uint8_t>& ansiData) const {
    const std::string bytes(ansiData.begin(), ansiData.end());
    return HoldsText(type) ? ansi_.FromAnsi(bytes) : bytes;
}

std::optional<UndoFile::Value> UndoFile::ReadState(RegKey key, const std::string& name, const std::string& ansiName) {
    std::uint32_t type = 0;
    std::uint32_t size = 0;
    const long probe = api_.QueryValue(key, ansiName, type, nullptr, size);
    if (probe == regstatus::FileNotFound) return Value{name, Cp1252ToUpper(ansiName), false, 0, {}};
    if (probe != regstatus::Success) return std::nullopt;
    std::vector<std::uint8_t> data(size);
    if (api_.QueryValue(key, ansiName, type, data.data(), size) != regstatus::Success) return std::nullopt;
    data.resize(size);
    return Value{name, Cp1252ToUpper(ansiName), true, type, Data(type, data)};
}

void UndoFile::RecordValue(RegKey root, const std::string& key, const std::string& valueName) {
    const std::string ansiPath = ansi_.ToAnsi(key);
    const std::string foldedPath = Cp1252ToUpper(ansiPath);
    Key* known = Find(root, foldedPath, false);
    const std::string ansiName = ansi_.ToAnsi(valueName);
    const std::string foldedName = Cp1252ToUpper(ansiName);
    if (known)
        for (const Value& value : known->values)
            if (value.foldedName == foldedName) return;

    const RegKey handle = OpenForReading(root, ansiPath);
    if (!handle) return;
    const std::optional<Value> state = ReadState(handle, valueName, ansiName);
    api_.CloseKey(handle);
    if (!state) return;
    if (!known) known = &keys_.emplace_back(Key{root, key, foldedPath, false, {}});
    known->values.push_back(*state);
}

void UndoFile::RecordKeyRemoval(RegKey root, const std::string& key) {
    const std::string ansiPath = ansi_.ToAnsi(key);
    const std::string foldedPath = Cp1252ToUpper(ansiPath);
    if (Find(root, foldedPath, true)) return;
    const RegKey handle = OpenForReading(root, ansiPath);
    if (!handle) return;
    Key removed{root, key, foldedPath, true, {}};
    std::uint32_t subKeys = 0;
    bool readable = api_.CountSubKeys(handle, subKeys) == regstatus::Success && subKeys == 0;
    for (std::uint32_t index = 0; readable; ++index) {
        std::string ansiName;
        std::uint32_t type = 0;
        std::vector<std::uint8_t> data;
        const long status = api_.EnumValue(handle, index, ansiName, type, data);
        if (status == regstatus::NoMoreItems) break;
        readable = status == regstatus::Success;
        if (readable)
            removed.values.push_back(
                Value{ansi_.FromAnsi(ansiName), Cp1252ToUpper(ansiName), true, type, Data(type, data)});
    }
    api_.CloseKey(handle);
    // A key whose values cannot all be read could not be put back whole.
    if (readable) keys_.push_back(std::move(removed));
}

void UndoFile::Note(std::string text) {
    if (!text.empty()) notes_.push_back(std::move(text));
}

RegFileWriter UndoFile::Write() const {
    RegFileWriter writer;
    for (const std::string& note : notes_) writer.Comment(note);
    for (const Key& key : keys_) {
        if (key.removed) writer.DeletedKey(key.root, key.path);
        writer.Key(key.root, key.path);
        for (const Value& value : key.values) {
            if (value.existed) writer.Value(value.name, value.type, value.data);
            else writer.DeletedValue(value.name);
        }
    }
    return writer;
}

std::string UndoFile::Text() const { return Write().Text(); }

std::string UndoFile::Save(UserFiles& files, const LocalTime& now) const {
    if (IsEmpty()) return {};
    const std::string folder = files.AppDataFolder(kUndoFolder);
    if (folder.empty()) return {};
    char stamp[40];
    std::snprintf(stamp, sizeof stamp, "%04d-%02d-%02d-%02d%02d%02d", now.year, now.month, now.day, now.hour,
                  now.minute, now.second);
    const std::string bytes = Write().FileBytes();
    for (int copy = 1; copy <= kMostCopies; ++copy) {
        std::string name = stamp;
        if (copy > 1) name += " (" + std::to_string(copy) + ")";
        const std::string path = JoinPath(folder, name + ".reg");
        if (files.WriteNewFile(path, bytes)) return path;
    }
    return {};
}

}  // namespace brivex
