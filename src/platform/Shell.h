#pragma once

#include <string>
#include <vector>

namespace brivex {

// The shell and file operations the program asks of the system. None reports
// a failure: the program never tells the user about them.
class Shell {
public:
    virtual ~Shell() = default;
    virtual void OpenUrl(const std::string& url) = 0;
    virtual void ClearRecentDocuments() = 0;
    virtual void EmptyClipboard() = 0;
    // Puts a text on the clipboard in place of what it held.
    virtual void CopyText(const std::string& text) = 0;
    // Deletes every file matching a wildcard path; one that cannot be deleted
    // does not stop the others.
    virtual void DeleteFiles(const std::string& wildcardPath) = 0;
    // Plays a wave file and returns when it has played; a missing file plays nothing.
    virtual void PlaySoundSync(const std::string& path) = 0;
    // Tells the open windows, the shell's among them, that system settings
    // changed, so views re-read them without a new log-on. A window that does
    // not answer is skipped, never waited for.
    virtual void AnnounceSettingsChanged() = 0;
};

}  // namespace brivex
