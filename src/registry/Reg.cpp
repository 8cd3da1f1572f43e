#include "registry/Reg.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "base/Numbers.h"

namespace brivex {

namespace {

std::string AsText(const RegistryData& data) {
    if (data.IsText()) return data.Text();
    if (data.IsNumber()) return std::to_string(data.Number());
    return {};
}

// A text is read as a decimal number ("00000038" is 38); a fraction rounds to even.
std::optional<std::int32_t> AsDword(const RegistryData& data) {
    if (data.IsNumber()) return data.Number();
    if (data.IsEmpty()) return 0;
    const std::optional<double> number = TextToNumber(data.Text());
    return number ? ToInt32(*number) : std::nullopt;
}

}  // namespace

RegKey Reg::Open(RegKey root, const std::string& subKey) {
    RegKey key = 0;
    api_.OpenKey(root, ansi_.ToAnsi(subKey), 0, kAccessMask, key);
    return key;
}

long Reg::WriteValue(RegKey root, const std::string& subKey, const std::string& valueName, const RegistryData& data,
                     std::int32_t type) {
    // A key that cannot be opened is never created. The open's own status is
    // the answer then: 2 for a key this Windows does not have, 5 for one it
    // refuses, which callers that keep a record tell apart.
    RegKey key = 0;
    const long opened = api_.OpenKey(root, ansi_.ToAnsi(subKey), 0, kAccessMask, key);
    if (opened != regstatus::Success) return opened;
    const long status = WriteOpenKeyValue(key, valueName, type, data);
    api_.CloseKey(key);
    return status;
}

bool Reg::KeyExists(RegKey root, const std::string& subKey) {
    RegKey key = 0;
    if (api_.OpenKey(root, ansi_.ToAnsi(subKey), 0, kReadMask, key) != regstatus::Success) return false;
    api_.CloseKey(key);
    return true;
}

RegistryData Reg::ReadValue(RegKey root, const std::string& subKey, const std::string& valueName) {
    const RegKey key = Open(root, subKey);
    RegistryData data;
    ReadOpenKeyValue(key, valueName, data);
    api_.CloseKey(key);
    return data;
}

void Reg::DeleteValue(RegKey root, const std::string& subKey, const std::string& valueName) {
    const RegKey key = Open(root, subKey);
    api_.DeleteValue(key, ansi_.ToAnsi(valueName));
    api_.CloseKey(key);
}

long Reg::DeleteKey(RegKey root, const std::string& subKey) { return api_.DeleteKey(root, ansi_.ToAnsi(subKey)); }

long Reg::WriteOpenKeyValue(RegKey key, const std::string& valueName, std::int32_t type, const RegistryData& data) {
    const std::string name = ansi_.ToAnsi(valueName);
    if (type == static_cast<std::int32_t>(regtype::String)) {
        // The count is the text's length: no terminating NUL is stored.
        const std::string bytes = ansi_.ToAnsi(AsText(data));
        return api_.SetValue(key, name, regtype::String, reinterpret_cast<const std::uint8_t*>(bytes.data()),
                             static_cast<std::uint32_t>(bytes.size()));
    }
    if (type == static_cast<std::int32_t>(regtype::Dword)) {
        const std::optional<std::int32_t> number = AsDword(data);
        if (!number) return regstatus::InvalidParameter;
        const auto raw = static_cast<std::uint32_t>(*number);
        const std::uint8_t bytes[4] = {static_cast<std::uint8_t>(raw), static_cast<std::uint8_t>(raw >> 8),
                                       static_cast<std::uint8_t>(raw >> 16), static_cast<std::uint8_t>(raw >> 24)};
        return api_.SetValue(key, name, regtype::Dword, bytes, 4);
    }
    return regstatus::Success;
}

long Reg::ReadOpenKeyValue(RegKey key, const std::string& valueName, RegistryData& data) {
    const std::string name = ansi_.ToAnsi(valueName);
    std::uint32_t type = 0;
    std::uint32_t size = 0;
    if (const long probe = api_.QueryValue(key, name, type, nullptr, size); probe != regstatus::Success) return probe;

    if (type == regtype::String) {
        // The text is as many characters as the second query reports, so a NUL
        // stored with the value ends up as the text's last character.
        std::vector<std::uint8_t> buffer(size, 0);
        const long status = api_.QueryValue(key, name, type, buffer.data(), size);
        if (status == regstatus::Success) {
            const std::size_t count = std::min<std::size_t>(size, buffer.size());
            data = RegistryData(ansi_.FromAnsi(std::string(reinterpret_cast<const char*>(buffer.data()), count)));
        } else {
            data = RegistryData();
        }
        return status;
    }
    if (type == regtype::Dword) {
        std::uint8_t bytes[4] = {};
        std::uint32_t dwordSize = std::min<std::uint32_t>(size, 4);
        const long status = api_.QueryValue(key, name, type, bytes, dwordSize);
        if (status == regstatus::Success)
            data = RegistryData(static_cast<std::int32_t>(bytes[0] | (bytes[1] << 8) | (bytes[2] << 16) |
                                                          (static_cast<std::uint32_t>(bytes[3]) << 24)));
        return status;
    }
    return kUnsupportedType;
}

}  // namespace brivex
