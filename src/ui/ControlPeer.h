#pragma once

#include <cstdint>
#include <string>

namespace brivex::ui {

struct Bounds;

// What a control's on-screen counterpart is told. Push-only: the model owns
// every value, and nothing above a peer ever sees a window handle. Every kind
// has the common part; a kind with values of its own adds the small interface
// below that carries exactly those, so a peer implements only what its kind has.
class ControlPeer {
public:
    virtual ~ControlPeer() = default;
    // The caption, or the text of a kind that holds text rather than a caption.
    virtual void SetText(const std::string& text) = 0;
    virtual void SetToolTip(const std::string& text) = 0;
    virtual void SetVisible(bool visible) = 0;
    virtual void SetEnabled(bool enabled) = 0;
    virtual void SetBounds(const Bounds& twips) = 0;
    // The control's look changed: drawn again, in the font and colour it now has.
    virtual void Invalidate() = 0;
};

// Check box: 0 unticked, 1 ticked.
class CheckPeer : public ControlPeer {
public:
    virtual void SetCheckState(int state) = 0;
};

// Option button: chosen or not.
class OptionPeer : public ControlPeer {
public:
    virtual void SetChosen(bool chosen) = 0;
};

// Text box: whether the user may change the text (a read-only one can still be selected and copied).
class TextPeer : public ControlPeer {
public:
    virtual void SetReadOnly(bool readOnly) = 0;
};

// List box, combo box, drive list, file list: the item texts and the selected one (-1: none).
class ListPeer : public ControlPeer {
public:
    virtual void ClearItems() = 0;
    virtual void AddItem(const std::string& item) = 0;
    virtual void SetSelection(int index) = 0;
};

// Image box: the name of the program's own drawing it shows.
class ImagePeer : public ControlPeer {
public:
    virtual void SetPicture(const std::string& pictureName) = 0;
};

// Progress bar: the value it shows.
class ValuePeer : public ControlPeer {
public:
    virtual void SetValue(std::int32_t value) = 0;
};

}  // namespace brivex::ui
