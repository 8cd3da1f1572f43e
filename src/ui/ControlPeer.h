#pragma once

#include <string>
#include <vector>

namespace brivex::ui {

struct Bounds;

// What a control's on-screen counterpart is told. Push-only: the model owns
// every value, and nothing above a peer ever sees a window handle.
class ControlPeer {
public:
    virtual ~ControlPeer() = default;
    virtual void SetText(const std::string& text) = 0;
    virtual void SetToolTip(const std::string& text) = 0;
    virtual void SetVisible(bool visible) = 0;
    virtual void SetEnabled(bool enabled) = 0;
    virtual void SetValue(int value) = 0;  // check state, option state, bar value, list index
    virtual void SetItems(const std::vector<std::string>& items) = 0;
    virtual void SetPicture(const std::string& pictureName) = 0;
    virtual void SetBounds(const Bounds& twips) = 0;
    virtual void Invalidate() = 0;
};

}  // namespace brivex::ui
