#include "platform/win32/Automation.h"

#include <objbase.h>

#include "platform/win32/Win32AnsiCodec.h"

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
        case VT_I1: case VT_I2: case VT_I4: case VT_I8: case VT_INT:
        case VT_UI1: case VT_UI2: case VT_UI4: case VT_UI8: case VT_UINT:
            return true;
        default:
            return false;
    }
}

ManagementResult<std::int64_t> VariantNumber(const VARIANT& value) {
    Variant number;
    const HRESULT status = VariantChangeType(number.Receive(), const_cast<VARIANT*>(&value), 0, VT_I8);
    if (FAILED(status)) return FailureOf(status);
    return static_cast<std::int64_t>(number.Get().llVal);
}

// Each element of a one-dimensional array, as a VARIANT of its own.
template <class Read>
ManagementResult<bool> EachElement(SAFEARRAY& array, VARTYPE elementType, Read read) {
    if (SafeArrayGetDim(&array) != 1) return FailureOf(DISP_E_TYPEMISMATCH);
    LONG lower = 0;
    LONG upper = -1;
    SafeArrayGetLBound(&array, 1, &lower);
    SafeArrayGetUBound(&array, 1, &upper);
    for (LONG i = lower; i <= upper; ++i) {
        Variant element;
        VARIANT* slot = element.Receive();
        HRESULT status = S_OK;
        if (elementType == VT_VARIANT) {
            status = SafeArrayGetElement(&array, &i, slot);
        } else {
            slot->vt = elementType;
            status = SafeArrayGetElement(&array, &i, &slot->llVal);
            if (FAILED(status)) slot->vt = VT_EMPTY;
        }
        if (FAILED(status)) return FailureOf(status);
        if (ManagementResult<bool> done = read(element.Get()); !done) return done;
    }
    return true;
}

ManagementResult<ManagementValue> ArrayValue(const VARIANT& value) {
    SAFEARRAY* array = (value.vt & VT_BYREF) ? *value.pparray : value.parray;
    if (!array) return ManagementValue{};
    const VARTYPE elementType = value.vt & VT_TYPEMASK;
    if (IsWholeNumber(elementType)) {
        std::vector<std::int64_t> numbers;
        ManagementResult<bool> read = EachElement(*array, elementType, [&](const VARIANT& element) -> ManagementResult<bool> {
            ManagementResult<std::int64_t> number = VariantNumber(element);
            if (!number) return number.Failure();
            numbers.push_back(number.Value());
            return true;
        });
        if (!read) return read.Failure();
        return ManagementValue{std::move(numbers)};
    }
    std::vector<std::string> texts;
    ManagementResult<bool> read = EachElement(*array, elementType, [&](const VARIANT& element) -> ManagementResult<bool> {
        ManagementResult<std::optional<std::string>> text = VariantText(element);
        if (!text) return text.Failure();
        texts.push_back(text.Value().value_or(std::string{}));
        return true;
    });
    if (!read) return read.Failure();
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
