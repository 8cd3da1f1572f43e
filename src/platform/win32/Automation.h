#pragma once
// Late binding through IDispatch, the way a script reaches an automation
// server: objects from moniker display names, members called by name,
// collections walked through _NewEnum. Each step's failure is its HRESULT, as
// a value; an error the server raises is reported by its own code.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/ManagementService.h"
#include "platform/win32/ComObjects.h"

namespace brivex {

ManagementFailure FailureOf(HRESULT status);

// Arguments for CallMember. They do not own what they point to or hold: the
// caller keeps those alive for the call.
VARIANTARG ByRef(Bstr& text);
VARIANTARG ByRef(LONG& number);
VARIANTARG ByValue(const Bstr& text);
VARIANTARG ByValue(SHORT number);

// What GetObject does with a display name such as "winmgmts:root/default".
ManagementResult<ComPtr<IDispatch>> BindMoniker(const wchar_t* displayName);

// Calls a method or reads a property, asking for its value as late binding
// does: method and property-get together (Wine's WMI refuses either alone).
// Arguments are in the order they are written in a call.
ManagementResult<Variant> CallMember(IDispatch& object, const wchar_t* name,
                                     const std::vector<VARIANTARG>& arguments = {});

// The items of a collection that a call answered, through its _NewEnum, each
// as an object.
ManagementResult<std::vector<ComPtr<IDispatch>>> CollectionItems(const VARIANT& collection);

// A value as text, converted as automation converts it; null and empty have none.
ManagementResult<std::optional<std::string>> VariantText(const VARIANT& value);

// A value as the program reads properties: Booleans and whole numbers as
// such, arrays of numbers (so declared, or variants holding numbers and no
// text) or of anything else (as texts), everything else as text. Null and
// empty are the empty value.
ManagementResult<ManagementValue> VariantValue(const VARIANT& value);

// A numeric status, whether it arrives signed or unsigned, as its 32 bits.
ManagementResult<std::int32_t> VariantStatus(const VARIANT& value);

}  // namespace brivex
