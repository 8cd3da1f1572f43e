#pragma once
// The forms runtime: windows ("forms") made of named controls whose behaviour
// lives in handlers wired in the form's constructor. The model owns every
// value and pushes changes to an optional peer (the Win32 child window, or
// nothing when headless). Setting a value from code never fires the control's
// own handler; only user input coming back through the peer does.

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "ui/ControlPeer.h"

namespace brivex::ui {

class Form;

// Position and size in twips, as the windows are designed.
struct Bounds {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// How a control's text looks. Colours are 0x00BBGGRR.
struct Appearance {
    enum class Align { Left, Center, Right };
    std::string fontName = "Tahoma";
    double fontPoints = 8.25;
    bool bold = false;
    std::uint32_t foreColor = 0x000000;
    Align align = Align::Left;
    // The text centred on the control's height rather than set at its top: a
    // caption so placed beside a one-line box shares the box's baseline.
    bool middle = false;
    friend bool operator==(const Appearance&, const Appearance&) = default;
};

// Where a line of text (or a block of lines) centred on a height starts: the
// one rule a centred caption and a one-line box both follow, so that their
// texts meet at every resolution. Text taller than the height starts at the top.
constexpr int CentredLineTop(int height, int lineHeight) { return height > lineHeight ? (height - lineHeight) / 2 : 0; }

class Control {
public:
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;
    virtual ~Control() = default;

    const std::string& Name() const { return name_; }
    // Set for the members of a control array.
    std::optional<int> Index() const { return index_; }
    Form& Owner() const { return form_; }

    // Text properties by name ("Caption", "ToolTipText", "Text"), so that
    // translation can ask a control for one and skip it when the kind has none.
    std::optional<std::string> Get(std::string_view property) const;
    bool Set(std::string_view property, std::string value);

    std::string Caption() const { return Get("Caption").value_or(std::string{}); }
    void SetCaption(std::string text) { Set("Caption", std::move(text)); }
    std::string ToolTipText() const { return Get("ToolTipText").value_or(std::string{}); }
    void SetToolTipText(std::string text) { Set("ToolTipText", std::move(text)); }

    bool Visible() const { return visible_; }
    void SetVisible(bool visible);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);

    // A control placed in a frame is shown only while the frame is.
    void PlaceIn(Control& container) { container_ = &container; }
    Control* Container() const { return container_; }
    bool Shown() const { return visible_ && (!container_ || container_->Shown()); }

    const Bounds& Position() const { return bounds_; }
    void SetPosition(Bounds bounds);
    const ui::Appearance& Look() const { return look_; }
    // A new look draws the control again, in its new font and colour.
    void SetLook(ui::Appearance look);

    // The common part of the peer, whatever the kind. Each kind attaches its
    // own peer type (see PeeredControl); detaching is the same for all.
    ControlPeer* Peer() const { return peer_; }
    virtual void DetachPeer() { peer_ = nullptr; }

protected:
    // `textProperties` lists the text properties this kind has, with their design values.
    Control(Form& form, std::string name, std::optional<int> index,
            std::map<std::string, std::string, std::less<>> textProperties);

    // Called after a text property changed, for kinds that react (a label's size, ...).
    virtual void TextChanged(std::string_view property);
    // Attaches `peer` and tells it the whole state: the common part, then the kind's own.
    void BindPeer(ControlPeer* peer);
    // The kind's own values, told to a peer just attached.
    virtual void PushStateToPeer() {}
    // A text the peer already shows (the user typed it): only the model follows.
    void SetFromPeer(std::string_view property, std::string value);

private:
    Form& form_;
    std::string name_;
    std::optional<int> index_;
    std::map<std::string, std::string, std::less<>> text_;
    bool visible_ = true;
    bool enabled_ = true;
    Bounds bounds_;
    ui::Appearance look_;
    Control* container_ = nullptr;
    ControlPeer* peer_ = nullptr;
};

}  // namespace brivex::ui
