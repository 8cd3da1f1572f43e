#pragma once

#include <cstdint>
#include <string>
#include <variant>

namespace brivex {

// What the registry module takes and gives: nothing, a text, or a signed
// 32-bit number. Writers may pass a number as text ("00000002"); readers get a
// text for REG_SZ and a number for REG_DWORD.
class RegistryData {
public:
    RegistryData() = default;
    RegistryData(std::string text) : value_(std::move(text)) {}
    RegistryData(const char* text) : value_(std::string(text)) {}
    RegistryData(std::int32_t number) : value_(number) {}

    bool IsEmpty() const { return std::holds_alternative<std::monostate>(value_); }
    bool IsText() const { return std::holds_alternative<std::string>(value_); }
    bool IsNumber() const { return std::holds_alternative<std::int32_t>(value_); }
    const std::string& Text() const { return std::get<std::string>(value_); }
    std::int32_t Number() const { return std::get<std::int32_t>(value_); }

    friend bool operator==(const RegistryData&, const RegistryData&) = default;

private:
    std::variant<std::monostate, std::string, std::int32_t> value_;
};

}  // namespace brivex
