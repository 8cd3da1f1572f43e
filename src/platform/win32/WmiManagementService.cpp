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

}  // namespace

ManagementResult<std::int32_t> WmiManagementService::CreateRestorePoint(const std::string& description,
                                                                        std::int32_t restorePointType,
                                                                        std::int16_t eventType) {
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

}  // namespace brivex
