#include "progressbar/PropertyBag.h"

#include <algorithm>

namespace brivex {

MemoryPropertyBag::MemoryPropertyBag(std::initializer_list<std::pair<std::string, PropertyValue>> values) {
    for (const auto& [name, value] : values) Write(name, value);
}

std::optional<PropertyValue> MemoryPropertyBag::Read(std::string_view name) const {
    const auto found =
        std::find_if(values_.begin(), values_.end(), [&](const auto& entry) { return entry.first == name; });
    if (found == values_.end()) return std::nullopt;
    return found->second;
}

void MemoryPropertyBag::Write(std::string_view name, PropertyValue value) {
    const auto found =
        std::find_if(values_.begin(), values_.end(), [&](const auto& entry) { return entry.first == name; });
    if (found != values_.end()) found->second = std::move(value);
    else values_.emplace_back(std::string(name), std::move(value));
}

std::vector<std::string> MemoryPropertyBag::Names() const {
    std::vector<std::string> names;
    for (const auto& entry : values_) names.push_back(entry.first);
    return names;
}

}  // namespace brivex
