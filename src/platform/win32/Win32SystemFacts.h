#pragma once

#include "platform/SystemFacts.h"

namespace brivex {

class Win32SystemFacts final : public SystemFacts {
public:
    ~Win32SystemFacts() override;
    std::optional<int> PlatformId() override;
    std::string ApplicationFolder() override;
    std::string WindowsFolder() override;
    bool PreviousInstance() override;
    LocalTime Now() override;
    MemoryStatus Memory() override;
    char DecimalSeparator() override;
    std::string MonthName(int month) override;
    std::string UserName() override;
    bool JoinedToDomain() override;

private:
    void* instanceMutex_ = nullptr;
    bool previousInstance_ = false;
};

}  // namespace brivex
