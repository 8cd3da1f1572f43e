// The conversions settings and registry values go through: texts to numbers
// (never a throw, never a number that is not finite), the display patterns
// and single-precision texts read back close to their value, and the
// registry module's writes and reads over the in-memory registry with any
// type, size and bytes.

#include <fuzzer/FuzzedDataProvider.h>

#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "FuzzRequire.h"
#include "base/Numbers.h"
#include "platform/portable/Cp1252Codec.h"
#include "platform/portable/MemoryRegistry.h"
#include "registry/Reg.h"
#include "registry/Settings.h"

namespace brivex::fuzzing {
namespace {

const std::string kPath = "Software\\Brivex";

void CheckTextToNumber(const std::string& text, char separator) {
    const std::optional<double> number = TextToNumber(text, separator);
    if (number) FUZZ_REQUIRE(std::isfinite(*number));
    // The settings read with the point, whatever the user's separator.
    const std::optional<double> setting = TextToNumber(text);
    FUZZ_REQUIRE(SettingIsNumber(text, 1) == (setting && *setting == 1));
    if (setting) FUZZ_REQUIRE(SettingIsNumber(text, *setting));
    const int box = CheckBoxValueFromSetting(text);
    FUZZ_REQUIRE(box == 0 || box == 1);
    // Through a 16-bit integer, ties to even: 0.5 and 1.5 leave the box empty.
    FUZZ_REQUIRE(box == (setting && *setting > 0.5 && *setting < 1.5));
}

void CheckRounding(double value) {
    const std::optional<std::int32_t> rounded = ToInt32(value);
    if (!std::isfinite(value) || std::fabs(value) > 3e9) return;
    if (!rounded) {
        FUZZ_REQUIRE(std::nearbyint(value) < -2147483648.0 || std::nearbyint(value) > 2147483647.0);
        return;
    }
    const double error = static_cast<double>(*rounded) - value;
    FUZZ_REQUIRE(std::fabs(error) <= 0.5);
    if (std::fabs(error) == 0.5) FUZZ_REQUIRE(*rounded % 2 == 0);
}

// The pattern's digits after the point bound how far the shown value is from
// the value itself; read back with the same separator it is that close.
void CheckFormat(double value, const std::string& pattern, char separator) {
    const std::string text = FormatNumber(value, pattern, separator);
    if (!std::isfinite(value)) {
        FUZZ_REQUIRE(text.empty());
        return;
    }
    const std::size_t point = pattern.find('.');
    const bool wellFormed = pattern.find_first_not_of("#0.") == std::string::npos &&
                            (point == std::string::npos || pattern.find('.', point + 1) == std::string::npos);
    if (!wellFormed || (separator != '.' && separator != ',') || std::fabs(value) > 1e15) return;
    const int decimals = point == std::string::npos ? 0 : static_cast<int>(pattern.size() - point - 1);
    // With '#' digits only, zero shows as nothing or as the separator alone.
    const std::optional<double> back =
        text.empty() || text == std::string(1, separator) ? 0.0 : TextToNumber(text, separator);
    FUZZ_REQUIRE(back.has_value());
    FUZZ_REQUIRE(std::fabs(*back - value) <= 0.5 * std::pow(10.0, -decimals) + std::fabs(value) * 1e-14 + 1e-300);
}

void CheckSingle(float value, char separator) {
    const std::string text = SingleToText(value, separator);
    if (!std::isfinite(value)) {
        FUZZ_REQUIRE(text.empty());
        return;
    }
    if (separator != '.') return;
    const std::optional<double> back = TextToNumber(text);
    FUZZ_REQUIRE(back.has_value());
    // Seven significant digits: off by at most half a unit of the seventh.
    FUZZ_REQUIRE(std::fabs(*back - value) <= std::fabs(static_cast<double>(value)) * 5e-7 + 1e-45);
}

// What the registry module stores, and what it reads back, for one value.
void CheckRegistry(FuzzedDataProvider& input) {
    MemoryRegistry registry;
    Cp1252Codec ansi;
    Reg reg(registry, ansi);
    registry.CreateKey(regroot::LocalMachine, kPath);
    RegKey key = 0;
    FUZZ_REQUIRE(registry.OpenKey(regroot::LocalMachine, kPath, 0, Reg::kAccessMask, key) == regstatus::Success);
    // The key the module was given, or none: a failed open leaves it 0.
    const RegKey handle = input.ConsumeBool() ? key : RegKey{0};

    const std::string name = input.ConsumeRandomLengthString(32);
    // The registry holds names as the module hands them down, in the ANSI code page.
    const std::string storedName = ansi.ToAnsi(name);
    const auto type = input.ConsumeIntegral<std::int32_t>();
    RegistryData data;
    switch (input.ConsumeIntegralInRange(0, 2)) {
        case 0: break;
        case 1: data = RegistryData(input.ConsumeRandomLengthString(300)); break;
        default: data = RegistryData(input.ConsumeIntegral<std::int32_t>()); break;
    }
    const std::optional<MemoryRegistry::StoredValue> previous =
        registry.FindValue(regroot::LocalMachine, kPath, storedName);
    const long written = reg.WriteOpenKeyValue(handle, name, type, data);
    const std::optional<MemoryRegistry::StoredValue> stored =
        registry.FindValue(regroot::LocalMachine, kPath, storedName);
    if (handle != key) FUZZ_REQUIRE(written != regstatus::Success || (type != 1 && type != 4));
    if (written == regstatus::Success && handle == key && (type == 1 || type == 4)) {
        RegistryData back;
        FUZZ_REQUIRE(reg.ReadOpenKeyValue(key, name, back) == regstatus::Success);
        if (type == 4) {
            FUZZ_REQUIRE(back.IsNumber());
            if (data.IsNumber()) FUZZ_REQUIRE(back.Number() == data.Number());
            if (data.IsEmpty()) FUZZ_REQUIRE(back.Number() == 0);
        } else {
            FUZZ_REQUIRE(back.IsText());
            if (data.IsText()) FUZZ_REQUIRE(back.Text() == ansi.FromAnsi(ansi.ToAnsi(data.Text())));
            if (data.IsNumber()) FUZZ_REQUIRE(back.Text() == std::to_string(data.Number()));
        }
    } else if (written != regstatus::Success || (type != 1 && type != 4)) {
        // A refused write, and a type the module does not write, leave the value as it was.
        FUZZ_REQUIRE(stored.has_value() == previous.has_value());
    }

    // Any type and any bytes stored by someone else.
    MemoryRegistry::StoredValue raw{input.ConsumeIntegral<std::uint32_t>(),
                                    input.ConsumeBytes<std::uint8_t>(input.ConsumeIntegralInRange(0, 64))};
    registry.PutValue(regroot::LocalMachine, kPath, storedName, raw);
    RegistryData read(std::string("unchanged"));
    const long status = reg.ReadOpenKeyValue(key, name, read);
    if (raw.type == regtype::String) {
        FUZZ_REQUIRE(status == regstatus::Success && read.IsText());
        FUZZ_REQUIRE(read.Text() == ansi.FromAnsi(std::string(raw.bytes.begin(), raw.bytes.end())));
    } else if (raw.type == regtype::Dword && raw.bytes.size() <= 4) {
        FUZZ_REQUIRE(status == regstatus::Success && read.IsNumber());
        std::uint32_t expected = 0;
        for (std::size_t i = 0; i < raw.bytes.size(); ++i) expected |= std::uint32_t{raw.bytes[i]} << (8 * i);
        FUZZ_REQUIRE(static_cast<std::uint32_t>(read.Number()) == expected);
    } else {
        FUZZ_REQUIRE(status != regstatus::Success && read == RegistryData(std::string("unchanged")));
    }
    registry.CloseKey(key);
}

}  // namespace
}  // namespace brivex::fuzzing

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace brivex::fuzzing;
    FuzzedDataProvider input(data, size);
    const char separator = input.ConsumeBool() ? '.' : input.ConsumeIntegral<char>();
    const std::string text = input.ConsumeRandomLengthString(64);
    CheckTextToNumber(text, separator);
    const double value = input.ConsumeFloatingPoint<double>();
    CheckRounding(value);
    CheckRounding(input.ConsumeFloatingPointInRange(-3e9, 3e9));
    CheckFormat(value, input.ConsumeRandomLengthString(12), separator);
    CheckFormat(input.ConsumeFloatingPointInRange(-1e6, 1e6), input.ConsumeBool() ? "##.##" : "#0.0", separator);
    CheckSingle(input.ConsumeFloatingPoint<float>(), separator);
    CheckSingle(static_cast<float>(value), '.');
    CheckRegistry(input);
    return 0;
}
