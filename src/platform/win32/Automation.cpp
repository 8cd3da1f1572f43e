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

ManagementResult<std::int32_t> VariantStatus(const VARIANT& value) {
    Variant number;
    const HRESULT status = VariantChangeType(number.Receive(), const_cast<VARIANT*>(&value), 0, VT_I8);
    if (FAILED(status)) return FailureOf(status);
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(number.Get().llVal));
}

}  // namespace brivex
