#pragma once

#include <string>
#include <vector>

#include "platform/Shell.h"

namespace brivex {

// Records every request, in order, as "verb argument" lines.
class RecordingShell final : public Shell {
public:
    void OpenUrl(const std::string& url) override { log.push_back("open " + url); }
    void ClearRecentDocuments() override { log.push_back("recent-documents"); }
    void EmptyClipboard() override { log.push_back("clipboard"); }
    void DeleteFiles(const std::string& wildcardPath) override { log.push_back("delete " + wildcardPath); }
    void PlaySoundSync(const std::string& path) override { log.push_back("play " + path); }

    std::vector<std::string> log;
};

}  // namespace brivex
