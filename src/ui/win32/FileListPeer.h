#pragma once

#include "ui/FileList.h"
#include "ui/win32/ListBoxPeer.h"

namespace brivex::ui {

// The file list on screen: a list box of the names the model found in its
// folder with its pattern.
class FileListPeer final : public ListBoxPeer {
public:
    FileListPeer(FileList& files, PeerSite& site) : ListBoxPeer(files, site) {}
};

}  // namespace brivex::ui
