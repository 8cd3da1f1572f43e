#include "ui/win32/StandardPeers.h"

#include "ui/DriveList.h"
#include "ui/FileList.h"
#include "ui/win32/ButtonPlusPeer.h"
#include "ui/win32/CheckBoxPeer.h"
#include "ui/win32/ComboBoxPeer.h"
#include "ui/win32/FramePlusPeer.h"
#include "ui/win32/LabelPeer.h"
#include "ui/win32/ListBoxPeer.h"
#include "ui/win32/OptionButtonPeer.h"
#include "ui/win32/PeerFactory.h"
#include "ui/win32/PicturePeer.h"
#include "ui/win32/TextBoxPeer.h"

namespace brivex::ui {

void RegisterStandardPeers() {
    RegisterPeer<Label, LabelPeer>();
    RegisterPeer<ButtonPlus, ButtonPlusPeer>();
    RegisterPeer<CheckBox, CheckBoxPeer>();
    RegisterPeer<OptionButton, OptionButtonPeer>();
    RegisterPeer<TextBox, TextBoxPeer>();
    RegisterPeer<ListBox, ListBoxPeer>();
    RegisterPeer<ComboBox, ComboBoxPeer>();
    RegisterPeer<FramePlus, FramePlusPeer>();
    RegisterPeer<Picture, PicturePeer>();
    // The drive list is a drop-down list of the drives its caller filled it
    // with, the file list a list box of the names found in its folder: their
    // windows are the plain ones.
    RegisterPeer<DriveList, ComboBoxPeer>();
    RegisterPeer<FileList, ListBoxPeer>();
}

}  // namespace brivex::ui
