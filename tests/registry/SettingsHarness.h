#pragma once

#include <memory>
#include <string>

#include "platform/SettingsStore.h"

namespace brivex::testing {

class SettingsHarness {
public:
    virtual ~SettingsHarness() = default;
    // A store and an application name no other test uses; on the real store
    // that keeps the suite away from the program's own settings.
    virtual SettingsStore& Store() = 0;
    virtual const std::string& App() const = 0;
    // A second store over the same storage, as the next run of the program gets.
    virtual std::unique_ptr<SettingsStore> Reopen() = 0;
};

std::unique_ptr<SettingsHarness> MakeSettingsHarness();

}  // namespace brivex::testing
