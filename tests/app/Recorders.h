#pragma once
// Decorators that write what the program asks of the registry and of the
// management service into one event log, so a test can pin their order.

#include <functional>
#include <string>
#include <vector>

#include "platform/ManagementService.h"
#include "platform/RegistryApi.h"

namespace brivex::testing {

class RegistryRecorder final : public RegistryApi {
public:
    RegistryRecorder(RegistryApi& inner, std::vector<std::string>& log) : inner_(inner), log_(log) {}

    long OpenKey(RegKey root, const std::string& subKey, std::uint32_t options, std::uint32_t access,
                 RegKey& key) override {
        if (OnOpen) OnOpen(subKey);
        return inner_.OpenKey(root, subKey, options, access, key);
    }
    long QueryValue(RegKey key, const std::string& name, std::uint32_t& type, std::uint8_t* data,
                    std::uint32_t& size) override {
        if (OnQuery) OnQuery(name);
        return inner_.QueryValue(key, name, type, data, size);
    }
    long SetValue(RegKey key, const std::string& name, std::uint32_t type, const std::uint8_t* data,
                  std::uint32_t size) override {
        const long status = inner_.SetValue(key, name, type, data, size);
        log_.push_back("set " + name + (status == 0 ? "" : " (failed)"));
        if (OnSet) OnSet(name);
        return status;
    }
    long DeleteValue(RegKey key, const std::string& name) override {
        log_.push_back("delete value " + name);
        return inner_.DeleteValue(key, name);
    }
    long DeleteKey(RegKey root, const std::string& subKey) override {
        log_.push_back("delete key " + subKey.substr(subKey.find_last_of('\\') + 1));
        return inner_.DeleteKey(root, subKey);
    }
    long CloseKey(RegKey key) override { return inner_.CloseKey(key); }
    long EnumValue(RegKey key, std::uint32_t index, std::string& name, std::uint32_t& type,
                   std::vector<std::uint8_t>& data) override {
        return inner_.EnumValue(key, index, name, type, data);
    }
    long CountSubKeys(RegKey key, std::uint32_t& count) override { return inner_.CountSubKeys(key, count); }

    // Runs before each opening of a key, with its path.
    std::function<void(const std::string&)> OnOpen;
    // Runs before each query of a value (a read may query twice: size, then data), with its name.
    std::function<void(const std::string&)> OnQuery;
    // Runs after each value written, with its name, as the write happens.
    std::function<void(const std::string&)> OnSet;

private:
    RegistryApi& inner_;
    std::vector<std::string>& log_;
};

class ManagementRecorder final : public ManagementService {
public:
    ManagementRecorder(ManagementService& inner, std::vector<std::string>& log) : inner_(inner), log_(log) {}

    ManagementResult<std::int32_t> CreateRestorePoint(const std::string& description, std::int32_t type,
                                                      std::int16_t eventType) override {
        log_.push_back("restore point " + description);
        return inner_.CreateRestorePoint(description, type, eventType);
    }
    ManagementResult<std::vector<ManagementInstance>> InstancesOf(const std::string& moniker,
                                                                  const std::string& className,
                                                                  const std::vector<std::string>& properties) override {
        return inner_.InstancesOf(moniker, className, properties);
    }
    ManagementResult<std::vector<ManagementInstance>> ExecQuery(const std::string& moniker, const std::string& query,
                                                                const std::vector<std::string>& properties) override {
        log_.push_back("query " + query);
        return inner_.ExecQuery(moniker, query, properties);
    }

private:
    ManagementService& inner_;
    std::vector<std::string>& log_;
};

}  // namespace brivex::testing
