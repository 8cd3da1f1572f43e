#include "platform/win32/Automation.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/win32/ComApartment.h"

namespace brivex {
namespace {

// Reference counting shared by the stand-ins below: they live on the stack,
// and a count back at 1 after a test means every reference taken was released.
template <class Interface>
class Counted : public Interface {
public:
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
    ULONG STDMETHODCALLTYPE Release() override { return --references_; }
    ULONG References() const { return references_; }

protected:
    HRESULT Hand(REFIID asked, REFIID own, void** out) {
        if (asked != IID_IUnknown && asked != own) {
            *out = nullptr;
            return E_NOINTERFACE;
        }
        *out = this;
        AddRef();
        return S_OK;
    }

private:
    ULONG references_ = 1;
};

// An automation object that records how it was called and answers from a script.
class ScriptedObject final : public Counted<IDispatch> {
public:
    static constexpr DISPID kRun = 1;
    static constexpr DISPID kRaise = 2;

    struct Argument {
        VARTYPE type;
        std::wstring text;
        long number;
    };

    HRESULT invokeStatus = S_OK;
    EXCEPINFO raise{};
    IEnumVARIANT* enumerator = nullptr;
    std::vector<DISPID> calledMembers;
    WORD calledFlags = 0;
    std::vector<Argument> received;  // in the order IDispatch received them

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID asked, void** out) override {
        return Hand(asked, IID_IDispatch, out);
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR* names, UINT, LCID, DISPID* ids) override {
        const std::wstring name = names[0];
        if (name != L"Run" && name != L"Raise") return DISP_E_UNKNOWNNAME;
        *ids = name == L"Run" ? kRun : kRaise;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID member, REFIID, LCID, WORD flags, DISPPARAMS* parameters, VARIANT* result,
                                     EXCEPINFO* raised, UINT*) override {
        calledMembers.push_back(member);
        calledFlags = flags;
        for (UINT i = 0; i < parameters->cArgs; ++i) Record(parameters->rgvarg[i]);
        if (member == DISPID_NEWENUM && enumerator) {
            result->vt = VT_UNKNOWN;
            result->punkVal = enumerator;
            enumerator->AddRef();
            return S_OK;
        }
        if (member == kRaise) {
            *raised = raise;
            return DISP_E_EXCEPTION;
        }
        if (FAILED(invokeStatus)) return invokeStatus;
        result->vt = VT_I4;
        result->lVal = 42;
        return S_OK;
    }

private:
    void Record(VARIANTARG& argument) {
        Argument copy{argument.vt, {}, 0};
        if (argument.vt == (VT_BSTR | VT_BYREF)) {
            copy.text = *argument.pbstrVal;
            // A callee may hand back another text through a by-reference argument.
            SysFreeString(*argument.pbstrVal);
            *argument.pbstrVal = SysAllocString(L"answered");
        }
        if (argument.vt == VT_BSTR) copy.text = argument.bstrVal;
        if (argument.vt == (VT_I4 | VT_BYREF)) copy.number = *argument.plVal;
        if (argument.vt == VT_I2) copy.number = argument.iVal;
        received.push_back(copy);
    }
};

class ScriptedEnumerator final : public Counted<IEnumVARIANT> {
public:
    std::vector<VARIANT> items;  // not owned
    HRESULT failAfterItems = S_OK;
    std::size_t next = 0;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID asked, void** out) override {
        return Hand(asked, IID_IEnumVARIANT, out);
    }
    HRESULT STDMETHODCALLTYPE Next(ULONG, VARIANT* item, ULONG* fetched) override {
        *fetched = 0;
        if (next == items.size()) return FAILED(failAfterItems) ? failAfterItems : S_FALSE;
        VariantCopy(item, &items[next++]);
        *fetched = 1;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE Skip(ULONG) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Reset() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Clone(IEnumVARIANT**) override { return E_NOTIMPL; }
};

VARIANT ObjectValue(IDispatch* object) {
    VARIANT value;
    VariantInit(&value);
    value.vt = VT_DISPATCH;
    value.pdispVal = object;
    return value;
}

VARIANT NumberValue(long number) {
    VARIANT value;
    VariantInit(&value);
    value.vt = VT_I4;
    value.lVal = number;
    return value;
}

TEST(Automation_CallMember, ArgumentsArriveLastFirstWithTheirTypesAndTheValueIsAskedFor) {
    ScriptedObject object;
    Bstr description(L"Brivex Auto Optimisation ");
    LONG type = 12;
    const auto answer =
        CallMember(object, L"Run", {ByRef(description), ByRef(type), ByValue(SHORT{100}), ByValue(Bstr(L"x"))});
    ASSERT_TRUE(answer);
    EXPECT_EQ(answer.Value().Get().vt, VT_I4);
    EXPECT_EQ(answer.Value().Get().lVal, 42);
    EXPECT_EQ(object.calledMembers, std::vector<DISPID>{ScriptedObject::kRun});
    EXPECT_EQ(object.calledFlags, DISPATCH_METHOD | DISPATCH_PROPERTYGET);
    ASSERT_EQ(object.received.size(), 4u);
    EXPECT_EQ(object.received[0].type, VT_BSTR);
    EXPECT_EQ(object.received[0].text, L"x");
    EXPECT_EQ(object.received[1].type, VT_I2);
    EXPECT_EQ(object.received[1].number, 100);
    EXPECT_EQ(object.received[2].type, VT_I4 | VT_BYREF);
    EXPECT_EQ(object.received[2].number, 12);
    EXPECT_EQ(object.received[3].type, VT_BSTR | VT_BYREF);
    EXPECT_EQ(object.received[3].text, L"Brivex Auto Optimisation ");
    EXPECT_EQ(std::wstring(description.Get()), L"answered") << "by reference: the callee's text is ours to free";
}

TEST(Automation_CallMember, AnUnknownNameFailsBeforeAnyCall) {
    ScriptedObject object;
    const auto answer = CallMember(object, L"Missing");
    ASSERT_FALSE(answer);
    EXPECT_EQ(answer.Failure(), FailureOf(DISP_E_UNKNOWNNAME));
    EXPECT_TRUE(object.calledMembers.empty());
}

TEST(Automation_CallMember, AFailedCallGivesItsStatus) {
    ScriptedObject object;
    object.invokeStatus = E_NOTIMPL;
    const auto answer = CallMember(object, L"Run");
    ASSERT_FALSE(answer);
    EXPECT_EQ(answer.Failure(), FailureOf(E_NOTIMPL));
}

TEST(Automation_CallMember, ARaisedErrorGivesTheServersOwnCode) {
    constexpr HRESULT kAccessDenied = static_cast<HRESULT>(0x80041003);
    ScriptedObject object;
    object.raise.scode = kAccessDenied;
    object.raise.bstrDescription = SysAllocString(L"refused");  // the call frees it
    EXPECT_EQ(CallMember(object, L"Raise").Failure(), FailureOf(kAccessDenied));

    object.raise = EXCEPINFO{};
    object.raise.pfnDeferredFillIn = [](EXCEPINFO* info) -> HRESULT {
        info->scode = E_ACCESSDENIED;
        return S_OK;
    };
    EXPECT_EQ(CallMember(object, L"Raise").Failure(), FailureOf(E_ACCESSDENIED)) << "deferred fill-in is run";

    object.raise = EXCEPINFO{};
    object.raise.wCode = 1001;
    EXPECT_EQ(CallMember(object, L"Raise").Failure(), FailureOf(DISP_E_EXCEPTION)) << "no code of its own";
}

TEST(Automation_CollectionItems, ObjectsInEnumerationOrderAllReleased) {
    ScriptedObject first, second, third, collection;
    ScriptedEnumerator enumerator;
    enumerator.items = {ObjectValue(&second), ObjectValue(&first), ObjectValue(&third)};
    collection.enumerator = &enumerator;
    {
        const auto items = CollectionItems(ObjectValue(&collection));
        ASSERT_TRUE(items);
        ASSERT_EQ(items.Value().size(), 3u);
        EXPECT_EQ(items.Value()[0].Get(), &second);
        EXPECT_EQ(items.Value()[1].Get(), &first);
        EXPECT_EQ(items.Value()[2].Get(), &third);
        EXPECT_EQ(collection.calledMembers, std::vector<DISPID>{DISPID_NEWENUM});
        EXPECT_EQ(collection.calledFlags, DISPATCH_METHOD | DISPATCH_PROPERTYGET);
    }
    for (const ScriptedObject* object : {&first, &second, &third, &collection}) EXPECT_EQ(object->References(), 1u);
    EXPECT_EQ(enumerator.References(), 1u);
}

TEST(Automation_CollectionItems, AnEmptyCollectionGivesNoItems) {
    ScriptedObject collection;
    ScriptedEnumerator enumerator;
    collection.enumerator = &enumerator;
    const auto items = CollectionItems(ObjectValue(&collection));
    ASSERT_TRUE(items);
    EXPECT_TRUE(items.Value().empty());
}

TEST(Automation_CollectionItems, FailuresComeBackAsValues) {
    EXPECT_EQ(CollectionItems(NumberValue(3)).Failure(), FailureOf(DISP_E_TYPEMISMATCH)) << "not an object";

    ScriptedObject noEnumeration;
    noEnumeration.invokeStatus = DISP_E_MEMBERNOTFOUND;
    EXPECT_EQ(CollectionItems(ObjectValue(&noEnumeration)).Failure(), FailureOf(DISP_E_MEMBERNOTFOUND));

    ScriptedObject item, collection;
    ScriptedEnumerator enumerator;
    collection.enumerator = &enumerator;
    enumerator.items = {ObjectValue(&item), NumberValue(7)};
    EXPECT_EQ(CollectionItems(ObjectValue(&collection)).Failure(), FailureOf(DISP_E_TYPEMISMATCH))
        << "an item that is no object";

    enumerator.items = {ObjectValue(&item)};
    enumerator.next = 0;
    enumerator.failAfterItems = RPC_E_DISCONNECTED;
    EXPECT_EQ(CollectionItems(ObjectValue(&collection)).Failure(), FailureOf(RPC_E_DISCONNECTED))
        << "the enumeration cut short";
    EXPECT_EQ(item.References(), 1u);
}

TEST(Automation_VariantText, NumbersAndTextsAsAutomationShowsThem) {
    Variant text;
    VARIANT* value = text.Receive();
    value->vt = VT_BSTR;
    value->bstrVal = SysAllocString(L"Sauvegarde g\x00e9n\x00e9rale (2)");
    EXPECT_EQ(VariantText(text.Get()).Value(), "Sauvegarde générale (2)");

    value = text.Receive();
    value->vt = VT_BSTR;
    value->bstrVal = SysAllocString(L"");
    EXPECT_EQ(VariantText(text.Get()).Value(), std::optional<std::string>("")) << "empty is not null";

    EXPECT_EQ(VariantText(NumberValue(-17)).Value(), "-17");
    VARIANT unsignedNumber;
    unsignedNumber.vt = VT_UI4;
    unsignedNumber.ulVal = 4294967295u;
    EXPECT_EQ(VariantText(unsignedNumber).Value(), "4294967295");
}

TEST(Automation_VariantText, NullAndEmptyHaveNoText) {
    VARIANT value;
    VariantInit(&value);
    EXPECT_EQ(VariantText(value).Value(), std::nullopt);
    value.vt = VT_NULL;
    EXPECT_EQ(VariantText(value).Value(), std::nullopt);
}

TEST(Automation_VariantText, AnArrayHasNoTextAndIsAFailure) {
    Variant languages;
    VARIANT* value = languages.Receive();
    value->vt = VT_ARRAY | VT_BSTR;
    value->parray = SafeArrayCreateVector(VT_BSTR, 0, 2);
    const auto text = VariantText(languages.Get());
    ASSERT_FALSE(text);
    EXPECT_EQ(text.Failure(), FailureOf(DISP_E_TYPEMISMATCH));
}

// A one-dimensional array of variants holding copies of `elements`.
Variant VariantArray(std::vector<VARIANT> elements) {
    Variant array;
    VARIANT* value = array.Receive();
    value->vt = VT_ARRAY | VT_VARIANT;
    value->parray = SafeArrayCreateVector(VT_VARIANT, 0, static_cast<ULONG>(elements.size()));
    for (LONG i = 0; i < static_cast<LONG>(elements.size()); ++i) SafeArrayPutElement(value->parray, &i, &elements[i]);
    return array;
}

TEST(Automation_VariantValue, ArraysOfVariantsKeepTheirNumbersAndAnUnusableElementAddsNothing) {
    VARIANT small{}, byte{}, error{}, text{};
    small.vt = VT_I2;
    small.iVal = 7;
    byte.vt = VT_UI1;
    byte.bVal = 9;
    error.vt = VT_ERROR;
    const Bstr language(L"fr|FR|iso8859-1");
    text.vt = VT_BSTR;
    text.bstrVal = language.Get();
    ScriptedObject object;
    EXPECT_EQ(VariantValue(VariantArray({NumberValue(4), small, byte}).Get()).Value(),
              ManagementValue(std::vector<std::int64_t>{4, 7, 9}));
    EXPECT_EQ(VariantValue(VariantArray({NumberValue(4), ObjectValue(&object), error, NumberValue(40)}).Get()).Value(),
              ManagementValue(std::vector<std::int64_t>{4, 40}));
    EXPECT_EQ(VariantValue(VariantArray({text, error, text}).Get()).Value(),
              ManagementValue(std::vector<std::string>{"fr|FR|iso8859-1", "", "fr|FR|iso8859-1"}));
    EXPECT_EQ(object.References(), 1u);
}

TEST(Automation_VariantStatus, SignedAndUnsignedKeepTheirBits) {
    EXPECT_EQ(VariantStatus(NumberValue(0)).Value(), 0);
    EXPECT_EQ(VariantStatus(NumberValue(1058)).Value(), 1058);
    EXPECT_EQ(VariantStatus(NumberValue(-1)).Value(), -1);
    VARIANT unsignedStatus;
    unsignedStatus.vt = VT_UI4;
    unsignedStatus.ulVal = 0x80041002u;
    EXPECT_EQ(VariantStatus(unsignedStatus).Value(), static_cast<std::int32_t>(0x80041002u));
    VARIANT shortStatus;
    shortStatus.vt = VT_I2;
    shortStatus.iVal = 5;
    EXPECT_EQ(VariantStatus(shortStatus).Value(), 5);
    VARIANT null;
    null.vt = VT_NULL;
    EXPECT_FALSE(VariantStatus(null)) << "no status is not status 0";
}

TEST(Automation_BindMoniker, FailuresComeBackAsValues) {
    {
        ComApartment apartment;
        ASSERT_TRUE(apartment.Entered());
        EXPECT_FALSE(BindMoniker(L"no such moniker at all"));
        EXPECT_TRUE(BindMoniker(L"winmgmts:root/default"));
    }
    EXPECT_EQ(BindMoniker(L"winmgmts:root/default").Failure(), FailureOf(CO_E_NOTINITIALIZED));
}

}  // namespace
}  // namespace brivex
