#include "base/Numbers.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>

namespace brivex {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Decimal digits of |value| rounded half away from zero to `decimals` places.
// The value first goes through 15 significant digits, as a person would write
// it, so that 0.125 and 2.675 round like their decimal texts and not like the
// binary fractions just below them.
std::string RoundedDigits(double magnitude, int decimals, int& integerDigits) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.14e", magnitude);
    std::string mantissa;
    for (const char* p = buffer; *p && *p != 'e'; ++p)
        if (IsDigit(*p)) mantissa += *p;
    const int exponent = std::atoi(std::strchr(buffer, 'e') + 1);

    // Digits as a fixed-point string with `decimals` places plus one guard digit.
    int pointPosition = exponent + 1;  // digits before the decimal point
    std::string digits;
    if (pointPosition <= 0) {
        digits.assign(static_cast<std::size_t>(-pointPosition), '0');
        digits += mantissa;
        pointPosition = 0;
    } else {
        digits = mantissa;
        if (static_cast<int>(digits.size()) < pointPosition)
            digits.append(static_cast<std::size_t>(pointPosition) - digits.size(), '0');
    }
    const std::size_t keep = static_cast<std::size_t>(pointPosition + decimals);
    if (digits.size() < keep + 1) digits.append(keep + 1 - digits.size(), '0');
    const bool roundUp = digits[keep] >= '5';
    digits.resize(keep);
    if (roundUp) {
        int i = static_cast<int>(keep) - 1;
        for (; i >= 0 && digits[static_cast<std::size_t>(i)] == '9'; --i) digits[static_cast<std::size_t>(i)] = '0';
        if (i >= 0) ++digits[static_cast<std::size_t>(i)];
        else {
            digits.insert(digits.begin(), '1');
            ++pointPosition;
        }
    }
    integerDigits = pointPosition;
    return digits;
}

}  // namespace

std::optional<double> TextToNumber(std::string_view text, char decimalSeparator) {
    std::size_t i = 0;
    const std::size_t n = text.size();
    while (i < n && IsBlank(text[i])) ++i;
    std::size_t end = n;
    while (end > i && IsBlank(text[end - 1])) --end;

    std::string normalised;  // in the C locale's own spelling for strtod
    if (i < end && (text[i] == '+' || text[i] == '-')) normalised += text[i++];
    std::size_t digitCount = 0;
    while (i < end && IsDigit(text[i])) {
        normalised += text[i++];
        ++digitCount;
    }
    if (i < end && text[i] == decimalSeparator) {
        normalised += '.';
        ++i;
        while (i < end && IsDigit(text[i])) {
            normalised += text[i++];
            ++digitCount;
        }
    }
    if (digitCount == 0) return std::nullopt;
    if (i < end && (text[i] == 'e' || text[i] == 'E')) {
        normalised += 'e';
        ++i;
        if (i < end && (text[i] == '+' || text[i] == '-')) normalised += text[i++];
        std::size_t exponentDigits = 0;
        while (i < end && IsDigit(text[i])) {
            normalised += text[i++];
            ++exponentDigits;
        }
        if (exponentDigits == 0) return std::nullopt;
    }
    if (i != end) return std::nullopt;

    const double value = std::strtod(normalised.c_str(), nullptr);
    if (!std::isfinite(value)) return std::nullopt;
    return value;
}

std::string FormatNumber(double value, std::string_view pattern, char decimalSeparator) {
    const std::size_t point = pattern.find('.');
    const std::string_view integerPart = pattern.substr(0, point);
    const std::string_view fractionPart =
        point == std::string_view::npos ? std::string_view{} : pattern.substr(point + 1);
    const int decimals = static_cast<int>(fractionPart.size());
    const int requiredFraction = static_cast<int>(fractionPart.find_last_of('0') + 1);  // npos+1 == 0
    const std::size_t firstZero = integerPart.find('0');
    const int requiredInteger =
        firstZero == std::string_view::npos ? 0 : static_cast<int>(integerPart.size() - firstZero);

    if (!std::isfinite(value)) return {};
    int integerDigits = 0;
    std::string digits = RoundedDigits(std::fabs(value), decimals, integerDigits);

    std::string integerText = digits.substr(0, static_cast<std::size_t>(integerDigits));
    std::string fractionText = digits.substr(static_cast<std::size_t>(integerDigits));
    const std::size_t firstSignificant = integerText.find_first_not_of('0');
    integerText = firstSignificant == std::string::npos ? std::string{} : integerText.substr(firstSignificant);
    if (static_cast<int>(integerText.size()) < requiredInteger)
        integerText.insert(0, static_cast<std::size_t>(requiredInteger) - integerText.size(), '0');
    while (static_cast<int>(fractionText.size()) > requiredFraction && fractionText.back() == '0')
        fractionText.pop_back();

    const bool isZero = digits.find_first_not_of('0') == std::string::npos;
    std::string text = (value < 0 && !isZero) ? "-" : "";
    text += integerText;
    if (point != std::string_view::npos) {
        text += decimalSeparator;
        text += fractionText;
    }
    return text;
}

std::string SingleToText(float value, char decimalSeparator) {
    if (!std::isfinite(value)) return {};
    if (value == 0.0f) return "0";
    char buffer[32] = {};
    for (int precision = 1; precision <= 7; ++precision) {
        std::snprintf(buffer, sizeof buffer, "%.*e", precision - 1, static_cast<double>(value));
        if (std::strtof(buffer, nullptr) == value) break;
    }
    // buffer holds d.ddddde±XX with the fewest digits that read back as value.
    std::string mantissa;
    const char* p = buffer;
    const bool negative = *p == '-';
    if (negative) ++p;
    for (; *p && *p != 'e'; ++p)
        if (IsDigit(*p)) mantissa += *p;
    const int exponent = std::atoi(p + 1);
    while (mantissa.size() > 1 && mantissa.back() == '0') mantissa.pop_back();

    std::string text = negative ? "-" : "";
    if (exponent >= 7 || exponent < -5) {
        text += mantissa[0];
        if (mantissa.size() > 1) {
            text += decimalSeparator;
            text += mantissa.substr(1);
        }
        char exponentText[16];
        std::snprintf(exponentText, sizeof exponentText, "E%c%02d", exponent < 0 ? '-' : '+', std::abs(exponent));
        return text + exponentText;
    }
    if (exponent < 0) {
        text += '0';
        text += decimalSeparator;
        text.append(static_cast<std::size_t>(-exponent - 1), '0');
        return text + mantissa;
    }
    const std::size_t integerDigits = static_cast<std::size_t>(exponent) + 1;
    if (mantissa.size() <= integerDigits) return text + mantissa + std::string(integerDigits - mantissa.size(), '0');
    return text + mantissa.substr(0, integerDigits) + decimalSeparator + mantissa.substr(integerDigits);
}

}  // namespace brivex
