#pragma once

#include <optional>

#include "platform/Shell.h"
#include "platform/win32/ComApartment.h"

namespace brivex {

class Win32Shell final : public Shell {
public:
    void OpenUrl(const std::string& url) override;
    void ClearRecentDocuments() override;
    void EmptyClipboard() override;
    void CopyText(const std::string& text) override;
    void DeleteFiles(const std::string& wildcardPath) override;
    void PlaySoundSync(const std::string& path) override;
    void AnnounceSettingsChanged() override;

private:
    // The shell may hand a request to its extensions, which are COM objects:
    // the first such request enters an apartment on this thread.
    void EnterApartment();

    std::optional<ComApartment> apartment_;
};

}  // namespace brivex
