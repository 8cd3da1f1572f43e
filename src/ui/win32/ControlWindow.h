#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "ui/Control.h"
#include "ui/win32/Backdrop.h"

namespace brivex::ui {

class FormWindow;

// The child window of one control. Its window text is always the control's
// caption (or text), so screen readers and automation find it by name.
class ControlWindow final : public ControlPeer {
public:
    ControlWindow(FormWindow& form, Control& control, HWND parent, double scale);
    ~ControlWindow() override;
    ControlWindow(const ControlWindow&) = delete;
    ControlWindow& operator=(const ControlWindow&) = delete;

    HWND Handle() const { return window_; }
    Control& Model() const { return control_; }
    static ControlWindow* Of(HWND window);

    // ControlPeer
    void SetText(const std::string& text) override;
    void SetToolTip(const std::string& text) override;
    void SetVisible(bool visible) override;
    void SetEnabled(bool enabled) override;
    void SetValue(int value) override;
    void SetItems(const std::vector<std::string>& items) override;
    void SetPicture(const std::string& pictureName) override;
    void SetBounds(const Bounds& twips) override;
    void Invalidate() override;

    // Notifications the container passes on.
    void Command(int code);
    void DrawItem(const DRAWITEMSTRUCT& item);

    static void RegisterClasses();

private:
    static LRESULT CALLBACK CustomProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK HoverProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR);
    LRESULT HandleCustom(UINT message, WPARAM wParam, LPARAM lParam);
    void PaintLabel(HDC dc, const RECT& client);
    void PaintFrame(HDC dc, const RECT& client);
    void PaintPicture(HDC dc, const RECT& client);
    void RebuildBackdrop();
    bool IsKind(std::string_view kind) const { return control_.Kind() == kind; }
    bool IsListBox() const { return IsKind("ListBox") || IsKind("FileListBox"); }
    bool IsComboBox() const { return IsKind("ComboBox") || IsKind("DriveListBox"); }

    double scale_;
    FormWindow& form_;
    Control& control_;
    HWND window_ = nullptr;
    HFONT font_ = nullptr;
    std::string picture_;
    std::unique_ptr<Backdrop> backdrop_;  // frames only: what their children stand on
    bool hover_ = false;
    bool updatingFromModel_ = false;
};

}  // namespace brivex::ui
