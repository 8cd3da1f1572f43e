#pragma once

#include <functional>

#include "ui/Control.h"

namespace brivex::ui {

// Holds "Text" rather than a caption, so translation leaves its content alone.
class TextBox final : public Control {
public:
    TextBox(Form& form, std::string name, std::string text = {}, std::optional<int> index = std::nullopt)
        : Control(form, std::move(name), index, {{"Text", std::move(text)}, {"ToolTipText", {}}}) {}
    std::string_view Kind() const override { return "TextBox"; }

    std::string Text() const { return Get("Text").value_or(std::string{}); }
    void SetText(std::string text) { Set("Text", std::move(text)); }
    // User input from the peer.
    void UserTyped(std::string text);

    std::function<void()> OnChange;
};

}  // namespace brivex::ui
