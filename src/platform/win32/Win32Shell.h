#pragma once

#include "platform/Shell.h"

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
    std::vector<std::string> FindFiles(const std::string& wildcardPath) override;
};

}  // namespace brivex
