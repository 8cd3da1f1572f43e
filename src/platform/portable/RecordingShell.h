#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/Shell.h"

namespace brivex {

// Records every request, in order, as "verb argument" lines.
class RecordingShell final : public Shell {
public:
    void OpenUrl(const std::string& url) override { Record("open " + url); }
    void ClearRecentDocuments() override { Record("recent-documents"); }
    void EmptyClipboard() override { Record("clipboard"); }
    void CopyText(const std::string& text) override {
        clipboard = text;
        Record("copy");
    }
    void DeleteFiles(const std::string& wildcardPath) override { Record("delete " + wildcardPath); }
    void PlaySoundSync(const std::string& path) override { Record("play " + path); }
    void AnnounceSettingsChanged() override { Record("settings-changed"); }

    std::vector<std::string> log;
    // The last text copied.
    std::string clipboard;
    // Runs after each request is recorded, as the request would take its time.
    std::function<void(const std::string&)> OnRequest;

private:
    void Record(std::string request) {
        log.push_back(std::move(request));
        if (OnRequest) OnRequest(log.back());
    }
};

}  // namespace brivex
