#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

#include "graphics/Canvas.h"

namespace brivex {

// Font and picture properties are held by reference: a window and its
// controls may share one object.
using FontRef = std::shared_ptr<TextFont>;
using PictureRef = std::shared_ptr<const Picture>;

// Colours travel as their 32-bit pattern, as a window definition stores them.
using PropertyValue = std::variant<std::int32_t, bool, FontRef, PictureRef>;

// The persisted design values of one control in a window definition.
class PropertyBag {
public:
    virtual ~PropertyBag() = default;
    // Nothing when the definition holds no value of that name.
    virtual std::optional<PropertyValue> Read(std::string_view name) const = 0;
    virtual void Write(std::string_view name, PropertyValue value) = 0;
};

// A definition kept in memory, in the order its values were written; a value
// written again keeps its place.
class MemoryPropertyBag final : public PropertyBag {
public:
    MemoryPropertyBag() = default;
    MemoryPropertyBag(std::initializer_list<std::pair<std::string, PropertyValue>> values);

    std::optional<PropertyValue> Read(std::string_view name) const override;
    void Write(std::string_view name, PropertyValue value) override;

    std::vector<std::string> Names() const;

private:
    std::vector<std::pair<std::string, PropertyValue>> values_;
};

}  // namespace brivex
