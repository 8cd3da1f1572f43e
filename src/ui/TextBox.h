#pragma once

#include <functional>

#include "ui/PeeredControl.h"

namespace brivex::ui {

// Holds "Text" rather than a caption, so translation leaves its content alone.
class TextBox final : public PeeredControl<TextPeer> {
public:
    TextBox(Form& form, std::string name, std::string text = {}, std::optional<int> index = std::nullopt)
        : PeeredControl(form, std::move(name), index, {{"Text", std::move(text)}, {"ToolTipText", {}}}) {}

    std::string Text() const { return Get("Text").value_or(std::string{}); }
    void SetText(std::string text) { Set("Text", std::move(text)); }
    // A read-only box shows a text the user can select and copy but not change.
    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool readOnly);
    // Set at design time, before the window exists: a multi-line box breaks its
    // text at CR LF and scrolls it up and down.
    bool MultiLine() const { return multiLine_; }
    void SetMultiLine(bool multiLine) { multiLine_ = multiLine; }
    // User input from the peer.
    void UserTyped(std::string text);

    std::function<void()> OnChange;

protected:
    void PushStateToPeer() override;

private:
    bool readOnly_ = false;
    bool multiLine_ = false;
};

}  // namespace brivex::ui
