#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace brivex {

// "%1", "%2"... of `pattern` replaced by the values, in order; any other "%" stays.
std::string FillText(std::string_view pattern, std::initializer_list<std::string_view> values);

}  // namespace brivex
