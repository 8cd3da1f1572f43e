#include "platform/win32/WmiManagementService.h"

#include "platform/win32/Automation.h"
#include "platform/win32/ComApartment.h"
#include "platform/win32/WideText.h"

namespace brivex {

namespace {

// The creation moniker names the class object itself and asks for impersonation.
constexpr wchar_t kRestoreClassMoniker[] = L"winmgmts:{impersonationLevel=impersonate}!root/default:SystemRestore";

// A property the object does not know, or whose value cannot be read or
// converted, reads as null: the caller shows nothing for it and goes on.
ManagementValue PropertyValue(IDispatch& object, const std::string& name) {
    ManagementResult<Variant> value = CallMember(object, Widen(name).c_str());
    if (!value) return {};
    ManagementResult<ManagementValue> converted = VariantValue(value.Value().Get());
    return converted ? converted.Value() : ManagementValue{};
}

// Binds `moniker`, calls its `method` with the one text `argument`, and reads
// `properties` of every item of the collection the call answers.
ManagementResult<std::vector<ManagementInstance>> Instances(const std::string& moniker, const wchar_t* method,
                                                            const std::string& argument,
                                                            const std::vector<std::string>& properties) {
    ManagementResult<ComPtr<IDispatch>> services = BindMoniker(Widen(moniker).c_str());
    if (!services) return services.Failure();
    const Bstr argumentText(Widen(argument));
    ManagementResult<Variant> collection = CallMember(*services.Value(), method, {ByValue(argumentText)});
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

}  // namespace

ManagementResult<std::int32_t> WmiManagementService::CreateRestorePoint(const std::string& description,
                                                                        std::int32_t restorePointType,
                                                                        std::int16_t eventType) {
    const ComApartment apartment(ComApartment::Model::MultiThreaded);
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

ManagementResult<std::vector<ManagementInstance>> WmiManagementService::InstancesOf(
    const std::string& moniker, const std::string& className, const std::vector<std::string>& properties) {
    const ComApartment apartment(ComApartment::Model::MultiThreaded);
    return Instances(moniker, L"InstancesOf", className, properties);
}

ManagementResult<std::vector<ManagementInstance>> WmiManagementService::ExecQuery(
    const std::string& moniker, const std::string& query, const std::vector<std::string>& properties) {
    const ComApartment apartment(ComApartment::Model::MultiThreaded);
    return Instances(moniker, L"ExecQuery", query, properties);
}

}  // namespace brivex
