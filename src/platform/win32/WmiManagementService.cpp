#include "platform/win32/WmiManagementService.h"

#include <utility>

#include "platform/win32/Automation.h"
#include "platform/win32/Win32AnsiCodec.h"

namespace brivex {

namespace {

// The creation moniker names the class object itself and asks for
// impersonation; the listing one is the bare namespace, default impersonation.
constexpr wchar_t kRestoreClassMoniker[] = L"winmgmts:{impersonationLevel=impersonate}!root/default:SystemRestore";
constexpr wchar_t kRestoreNamespaceMoniker[] = L"winmgmts:root/default";

ManagementResult<SystemRestoreInstance> ReadInstance(IDispatch& object) {
    using Field = std::optional<std::string> SystemRestoreInstance::*;
    static constexpr std::pair<const wchar_t*, Field> kProperties[] = {
        {L"SequenceNumber", &SystemRestoreInstance::SequenceNumber},
        {L"Description", &SystemRestoreInstance::Description},
        {L"CreationTime", &SystemRestoreInstance::CreationTime},
    };
    SystemRestoreInstance instance;
    for (const auto& [name, field] : kProperties) {
        ManagementResult<Variant> value = CallMember(object, name);
        if (!value) return value.Failure();
        ManagementResult<std::optional<std::string>> text = VariantText(value.Value().Get());
        if (!text) return text.Failure();
        instance.*field = std::move(text.Value());
    }
    return instance;
}

// A property the object does not know, or whose value cannot be read or
// converted, reads as null: the caller shows nothing for it and goes on.
ManagementValue PropertyValue(IDispatch& object, const std::string& name) {
    ManagementResult<Variant> value = CallMember(object, Widen(name).c_str());
    if (!value) return {};
    ManagementResult<ManagementValue> converted = VariantValue(value.Value().Get());
    return converted ? converted.Value() : ManagementValue{};
}

}  // namespace

ManagementResult<std::int32_t> WmiManagementService::CreateRestorePoint(const std::string& description,
                                                                        std::int32_t restorePointType,
                                                                        std::int16_t eventType) {
    EnterApartment();
    ManagementResult<ComPtr<IDispatch>> restore = BindMoniker(kRestoreClassMoniker);
    if (!restore) return restore.Failure();
    Bstr descriptionArgument(Widen(description));
    LONG typeArgument = restorePointType;
    ManagementResult<Variant> answer =
        CallMember(*restore.Value(), L"CreateRestorePoint",
                   {ByRef(descriptionArgument), ByRef(typeArgument), ByValue(SHORT{eventType})});
    if (!answer) return answer.Failure();
    return VariantStatus(answer.Value().Get());
}

ManagementResult<std::vector<SystemRestoreInstance>> WmiManagementService::InstancesOfSystemRestore() {
    EnterApartment();
    ManagementResult<ComPtr<IDispatch>> services = BindMoniker(kRestoreNamespaceMoniker);
    if (!services) return services.Failure();
    const Bstr className(L"SystemRestore");
    ManagementResult<Variant> collection = CallMember(*services.Value(), L"InstancesOf", {ByValue(className)});
    if (!collection) return collection.Failure();
    ManagementResult<std::vector<ComPtr<IDispatch>>> items = CollectionItems(collection.Value().Get());
    if (!items) return items.Failure();
    std::vector<SystemRestoreInstance> instances;
    for (const ComPtr<IDispatch>& item : items.Value()) {
        ManagementResult<SystemRestoreInstance> instance = ReadInstance(*item);
        if (!instance) return instance.Failure();
        instances.push_back(std::move(instance.Value()));
    }
    return instances;
}

ManagementResult<std::vector<ManagementInstance>> WmiManagementService::ExecQuery(
    const std::string& moniker, const std::string& query, const std::vector<std::string>& properties) {
    EnterApartment();
    ManagementResult<ComPtr<IDispatch>> services = BindMoniker(Widen(moniker).c_str());
    if (!services) return services.Failure();
    const Bstr queryText(Widen(query));
    ManagementResult<Variant> collection = CallMember(*services.Value(), L"ExecQuery", {ByValue(queryText)});
    if (!collection) return collection.Failure();
    ManagementResult<std::vector<ComPtr<IDispatch>>> items = CollectionItems(collection.Value().Get());
    if (!items) return items.Failure();
    std::vector<ManagementInstance> instances;
    for (const ComPtr<IDispatch>& item : items.Value()) {
        ManagementInstance& instance = instances.emplace_back();
        for (const std::string& property : properties) instance[property] = PropertyValue(*item, property);
    }
    return instances;
}

void WmiManagementService::EnterApartment() {
    if (!apartment_) apartment_.emplace();
}

}  // namespace brivex
