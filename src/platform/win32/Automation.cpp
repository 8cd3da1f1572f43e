#include "platform/win32/Automation.h"

#include <objbase.h>

#include "platform/win32/WideText.h"

namespace brivex {

namespace {

constexpr WORD kCallForValue = DISPATCH_METHOD | DISPATCH_PROPERTYGET;

VARIANTARG Argument(VARTYPE type) {
    VARIANTARG argument;
    VariantInit(&argument);
    argument.vt = type;
    return argument;
}

// An exception raised by the server carries its own code; the deferred
// fill-in and the texts are the caller's to run and free.
HRESULT RaisedStatus(EXCEPINFO& raised) {
    if (raised.pfnDeferredFillIn) raised.pfnDeferredFillIn(&raised);
    SysFreeString(raised.bstrSource);
    SysFreeString(raised.bstrDescription);
    SysFreeString(raised.bstrHelpFile);
    return FAILED(raised.scode) ? raised.scode : DISP_E_EXCEPTION;
}

ManagementResult<Variant> Invoke(IDispatch& object, DISPID member, const std::vector<VARIANTARG>& arguments) {
    // IDispatch takes the arguments last first.
    std::vector<VARIANTARG> reversed(arguments.rbegin(), arguments.rend());
    DISPPARAMS parameters{reversed.data(), nullptr, static_cast<UINT>(reversed.size()), 0};
    Variant result;
    EXCEPINFO raised{};
    UINT badArgument = 0;
    const HRESULT status = object.Invoke(member, IID_NULL, LOCALE_USER_DEFAULT, kCallForValue, &parameters,
                                         result.Receive(), &raised, &badArgument);
    if (status == DISP_E_EXCEPTION) return FailureOf(RaisedStatus(raised));
    if (FAILED(status)) return FailureOf(status);
    return result;
}

// The object a value holds, as the interface asked for.
template <class T>
ManagementResult<ComPtr<T>> ObjectIn(const VARIANT& value, REFIID interfaceId) {
    IUnknown* unknown = nullptr;
    if (value.vt == VT_DISPATCH) unknown = value.pdispVal;
    if (value.vt == VT_UNKNOWN) unknown = value.punkVal;
    if (!unknown) return FailureOf(DISP_E_TYPEMISMATCH);
    ComPtr<T> object;
    const HRESULT status = unknown->QueryInterface(interfaceId, object.Receive());
    if (FAILED(status)) return FailureOf(status);
    return object;
}

}  // namespace

ManagementFailure FailureOf(HRESULT status) { return ManagementFailure{static_cast<std::int32_t>(status)}; }

VARIANTARG ByRef(Bstr& text) {
    VARIANTARG argument = Argument(VT_BSTR | VT_BYREF);
    argument.pbstrVal = text.Address();
    return argument;
}

VARIANTARG ByRef(LONG& number) {
    VARIANTARG argument = Argument(VT_I4 | VT_BYREF);
    argument.plVal = &number;
    return argument;
}

VARIANTARG ByValue(const Bstr& text) {
    VARIANTARG argument = Argument(VT_BSTR);
    argument.bstrVal = text.Get();
    return argument;
}

VARIANTARG ByValue(SHORT number) {
    VARIANTARG argument = Argument(VT_I2);
    argument.iVal = number;
    return argument;
}

ManagementResult<ComPtr<IDispatch>> BindMoniker(const wchar_t* displayName) {
    ComPtr<IDispatch> object;
    const HRESULT status = CoGetObject(displayName, nullptr, IID_IDispatch, object.Receive());
    if (FAILED(status)) return FailureOf(status);
    return object;
}

ManagementResult<Variant> CallMember(IDispatch& object, const wchar_t* name, const std::vector<VARIANTARG>& arguments) {
    LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
    DISPID member = DISPID_UNKNOWN;
    const HRESULT status = object.GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &member);
    if (FAILED(status)) return FailureOf(status);
    return Invoke(object, member, arguments);
}

ManagementResult<std::vector<ComPtr<IDispatch>>> CollectionItems(const VARIANT& collection) {
    ManagementResult<ComPtr<IDispatch>> collectionObject = ObjectIn<IDispatch>(collection, IID_IDispatch);
    if (!collectionObject) return collectionObject.Failure();
    ManagementResult<Variant> newEnum = Invoke(*collectionObject.Value(), DISPID_NEWENUM, {});
    if (!newEnum) return newEnum.Failure();
    ManagementResult<ComPtr<IEnumVARIANT>> enumerator = ObjectIn<IEnumVARIANT>(newEnum.Value().Get(), IID_IEnumVARIANT);
    if (!enumerator) return enumerator.Failure();
    std::vector<ComPtr<IDispatch>> items;
    for (;;) {
        Variant item;
        ULONG fetched = 0;
        const HRESULT status = enumerator.Value()->Next(1, item.Receive(), &fetched);
        if (FAILED(status)) return FailureOf(status);
        if (status != S_OK || fetched == 0) return items;
        ManagementResult<ComPtr<IDispatch>> object = ObjectIn<IDispatch>(item.Get(), IID_IDispatch);
        if (!object) return object.Failure();
        items.push_back(std::move(object.Value()));
    }
}

ManagementResult<std::optional<std::string>> VariantText(const VARIANT& value) {
    if (value.vt == VT_EMPTY || value.vt == VT_NULL) return std::optional<std::string>();
    Variant text;
    const HRESULT status = VariantChangeType(text.Receive(), const_cast<VARIANT*>(&value), 0, VT_BSTR);
    if (FAILED(status)) return FailureOf(status);
    const BSTR converted = text.Get().bstrVal;
    return std::optional<std::string>(Narrow({converted, SysStringLen(converted)}));
}

namespace {

bool IsWholeNumber(VARTYPE type) {
    switch (type) {
        case VT_I1:
        case VT_I2:
        case VT_I4:
        case VT_I8:
        case VT_INT:
        case VT_UI1:
        case VT_UI2:
        case VT_UI4:
        case VT_UI8:
        case VT_UINT: return true;
        default: return false;
    }
}

ManagementResult<std::int64_t> VariantNumber(const VARIANT& value) {
    Variant number;
    const HRESULT status = VariantChangeType(number.Receive(), const_cast<VARIANT*>(&value), 0, VT_I8);
    if (FAILED(status)) return FailureOf(status);
    return static_cast<std::int64_t>(number.Get().llVal);
}

// Each element of a one-dimensional array as a VARIANT of its own; one that
// cannot be read is empty.
ManagementResult<std::vector<Variant>> Elements(SAFEARRAY& array, VARTYPE elementType) {
    if (SafeArrayGetDim(&array) != 1) return FailureOf(DISP_E_TYPEMISMATCH);
    LONG lower = 0;
    LONG upper = -1;
    SafeArrayGetLBound(&array, 1, &lower);
    SafeArrayGetUBound(&array, 1, &upper);
    std::vector<Variant> elements;
    for (LONG i = lower; i <= upper; ++i) {
        VARIANT* slot = elements.emplace_back().Receive();
        if (elementType == VT_VARIANT) {
            SafeArrayGetElement(&array, &i, slot);
            continue;
        }
        slot->vt = elementType;
        if (FAILED(SafeArrayGetElement(&array, &i, &slot->llVal))) slot->vt = VT_EMPTY;
    }
    return elements;
}

// An array of variants holds numbers when it holds a whole number and no text,
// whatever else it holds.
bool HoldsNumbers(VARTYPE elementType, const std::vector<Variant>& elements) {
    if (elementType != VT_VARIANT) return IsWholeNumber(elementType);
    bool number = false;
    for (const Variant& element : elements) {
        if (element.Get().vt == VT_BSTR) return false;
        number = number || IsWholeNumber(element.Get().vt);
    }
    return number;
}

// An element that cannot be converted adds nothing: a list of numbers goes
// without it, a list of texts keeps an empty text in its place.
ManagementResult<ManagementValue> ArrayValue(const VARIANT& value) {
    SAFEARRAY* array = (value.vt & VT_BYREF) ? *value.pparray : value.parray;
    if (!array) return ManagementValue{};
    const VARTYPE elementType = value.vt & VT_TYPEMASK;
    const ManagementResult<std::vector<Variant>> elements = Elements(*array, elementType);
    if (!elements) return elements.Failure();
    if (HoldsNumbers(elementType, elements.Value())) {
        std::vector<std::int64_t> numbers;
        for (const Variant& element : elements.Value()) {
            if (!IsWholeNumber(element.Get().vt)) continue;
            if (const ManagementResult<std::int64_t> number = VariantNumber(element.Get()))
                numbers.push_back(number.Value());
        }
        return ManagementValue{std::move(numbers)};
    }
    std::vector<std::string> texts;
    for (const Variant& element : elements.Value()) {
        const ManagementResult<std::optional<std::string>> text = VariantText(element.Get());
        texts.push_back(text ? text.Value().value_or(std::string{}) : std::string{});
    }
    return ManagementValue{std::move(texts)};
}

}  // namespace

ManagementResult<ManagementValue> VariantValue(const VARIANT& value) {
    const VARTYPE type = value.vt & VT_TYPEMASK;
    if (value.vt & VT_ARRAY) return ArrayValue(value);
    if (type == VT_EMPTY || type == VT_NULL) return ManagementValue{};
    if (type == VT_BOOL) {
        Variant flag;
        const HRESULT status = VariantChangeType(flag.Receive(), const_cast<VARIANT*>(&value), 0, VT_BOOL);
        if (FAILED(status)) return FailureOf(status);
        return ManagementValue{flag.Get().boolVal != VARIANT_FALSE};
    }
    if (IsWholeNumber(type)) {
        ManagementResult<std::int64_t> number = VariantNumber(value);
        if (!number) return number.Failure();
        return ManagementValue{number.Value()};
    }
    ManagementResult<std::optional<std::string>> text = VariantText(value);
    if (!text) return text.Failure();
    return text.Value() ? ManagementValue{*text.Value()} : ManagementValue{};
}

ManagementResult<std::int32_t> VariantStatus(const VARIANT& value) {
    Variant number;
    const HRESULT status = VariantChangeType(number.Receive(), const_cast<VARIANT*>(&value), 0, VT_I8);
    if (FAILED(status)) return FailureOf(status);
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(number.Get().llVal));
}

}  // namespace brivex
