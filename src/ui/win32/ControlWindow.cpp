#include "ui/win32/ControlWindow.h"

#include <commctrl.h>

#include "platform/win32/Win32AnsiCodec.h"
#include "ui/ButtonPlus.h"
#include "ui/CheckBox.h"
#include "ui/Label.h"
#include "ui/ListBox.h"
#include "ui/OptionButton.h"
#include "ui/Picture.h"
#include "ui/TextBox.h"
#include "ui/win32/Art.h"
#include "ui/win32/ButtonPlusPainter.h"
#include "ui/win32/FormWindow.h"

namespace brivex::ui {

namespace {

constexpr wchar_t kPeerProperty[] = L"BrivexPeer";
constexpr wchar_t kLabelClass[] = L"BrivexLabel";
constexpr wchar_t kFrameClass[] = L"BrivexFrame";
constexpr wchar_t kPictureClass[] = L"BrivexPicture";

struct KindWindow {
    std::string_view kind;
    const wchar_t* windowClass;
    DWORD style;
    DWORD exStyle;
};

// Every kind's window: a real child window, focusable where the user acts on it.
constexpr KindWindow kKindWindows[] = {
    {"Label", kLabelClass, SS_NOTIFY, 0},
    {"ButtonPlus", L"BUTTON", BS_OWNERDRAW | WS_TABSTOP, 0},
    {"CheckBox", L"BUTTON", BS_CHECKBOX | WS_TABSTOP, 0},
    {"OptionButton", L"BUTTON", BS_RADIOBUTTON | WS_TABSTOP, 0},
    {"TextBox", L"EDIT", ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE},
    {"ListBox", L"LISTBOX", LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE},
    {"ComboBox", L"COMBOBOX", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, 0},
    {"DriveListBox", L"COMBOBOX", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, 0},
    {"FileListBox", L"LISTBOX", LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE},
    {"FramePlus", kFrameClass, WS_CLIPCHILDREN | WS_CLIPSIBLINGS, WS_EX_CONTROLPARENT},
    {"Picture", kPictureClass, 0, 0},
};

const KindWindow* FindKind(std::string_view kind) {
    for (const KindWindow& k : kKindWindows)
        if (k.kind == kind) return &k;
    return nullptr;
}

UINT TextAlignment(Appearance::Align align) {
    switch (align) {
        case Appearance::Align::Center: return DT_CENTER;
        case Appearance::Align::Right: return DT_RIGHT;
        default: return DT_LEFT;
    }
}

}  // namespace

void ControlWindow::RegisterClasses() {
    for (const wchar_t* name : {kLabelClass, kFrameClass, kPictureClass}) {
        WNDCLASSW windowClass = {};
        windowClass.lpfnWndProc = &ControlWindow::CustomProc;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
        windowClass.lpszClassName = name;
        RegisterClassW(&windowClass);
    }
}

ControlWindow::ControlWindow(FormWindow& form, Control& control, HWND parent, double scale)
    : scale_(scale), form_(form), control_(control) {
    const KindWindow* kind = FindKind(control.Kind());
    if (!kind) return;
    const Bounds& b = control.Position();
    const auto px = [scale](int twips) { return static_cast<int>(twips * scale + 0.5); };
    const std::wstring text = Widen(control.Get("Caption").value_or(control.Get("Text").value_or(std::string{})));
    window_ = CreateWindowExW(kind->exStyle, kind->windowClass, text.c_str(), WS_CHILD | kind->style, px(b.left),
                              px(b.top), px(b.width), px(b.height), parent, nullptr, GetModuleHandleW(nullptr), this);
    if (!window_) return;
    SetPropW(window_, kPeerProperty, this);
    font_ = form_.FontFor(control.Look());
    SendMessageW(window_, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
    if (IsKind("ButtonPlus")) SetWindowSubclass(window_, &ControlWindow::HoverProc, 1, 0);
    if (IsKind("FramePlus")) RebuildBackdrop();
    form_.AddTool(window_);
}

ControlWindow::~ControlWindow() {
    if (window_ && IsWindow(window_)) {
        RemovePropW(window_, kPeerProperty);
        if (IsKind("ButtonPlus")) RemoveWindowSubclass(window_, &ControlWindow::HoverProc, 1);
        if (backdrop_) Backdrop::Attach(window_, nullptr);
    }
}

ControlWindow* ControlWindow::Of(HWND window) { return static_cast<ControlWindow*>(GetPropW(window, kPeerProperty)); }

void ControlWindow::SetText(const std::string& text) {
    if (!window_) return;
    updatingFromModel_ = true;
    SetWindowTextW(window_, Widen(text).c_str());
    updatingFromModel_ = false;
    if (IsKind("FramePlus")) RebuildBackdrop();
    Invalidate();
}

void ControlWindow::SetToolTip(const std::string& text) {
    if (window_) form_.SetToolText(window_, text);
}

void ControlWindow::SetVisible(bool visible) {
    if (window_) ShowWindow(window_, visible ? SW_SHOWNA : SW_HIDE);
}

void ControlWindow::SetEnabled(bool enabled) {
    if (window_) EnableWindow(window_, enabled);
}

void ControlWindow::SetValue(int value) {
    if (!window_) return;
    if (IsKind("CheckBox") || IsKind("OptionButton"))
        SendMessageW(window_, BM_SETCHECK, value ? BST_CHECKED : BST_UNCHECKED, 0);
    else if (IsListBox())
        SendMessageW(window_, LB_SETCURSEL, static_cast<WPARAM>(value), 0);
    else if (IsComboBox())
        SendMessageW(window_, CB_SETCURSEL, static_cast<WPARAM>(value), 0);
}

void ControlWindow::SetItems(const std::vector<std::string>& items) {
    if (!window_) return;
    const bool list = IsListBox();
    SendMessageW(window_, list ? LB_RESETCONTENT : CB_RESETCONTENT, 0, 0);
    for (const std::string& item : items)
        SendMessageW(window_, list ? LB_ADDSTRING : CB_ADDSTRING, 0,
                     reinterpret_cast<LPARAM>(Widen(item).c_str()));
}

void ControlWindow::SetPicture(const std::string& pictureName) {
    picture_ = pictureName;
    Invalidate();
}

void ControlWindow::SetBounds(const Bounds& twips) {
    if (!window_) return;
    const auto px = [this](int value) { return static_cast<int>(value * scale_ + 0.5); };
    SetWindowPos(window_, nullptr, px(twips.left), px(twips.top), px(twips.width), px(twips.height),
                 SWP_NOZORDER | SWP_NOACTIVATE);
    Invalidate();
}

void ControlWindow::Invalidate() {
    if (window_) InvalidateRect(window_, nullptr, FALSE);
}

void ControlWindow::Command(int code) {
    if (updatingFromModel_) return;
    if (auto* button = dynamic_cast<ButtonPlus*>(&control_); button && code == BN_CLICKED) button->Click();
    else if (auto* check = dynamic_cast<CheckBox*>(&control_); check && code == BN_CLICKED) check->Click();
    else if (auto* option = dynamic_cast<OptionButton*>(&control_); option && code == BN_CLICKED) option->Click();
    else if (auto* label = dynamic_cast<Label*>(&control_); label && code == STN_CLICKED) label->Click();
    else if (auto* text = dynamic_cast<TextBox*>(&control_); text && code == EN_CHANGE) {
        const int length = GetWindowTextLengthW(window_);
        std::wstring typed(static_cast<std::size_t>(length) + 1, L'\0');
        GetWindowTextW(window_, typed.data(), length + 1);
        typed.resize(static_cast<std::size_t>(length));
        text->UserTyped(Narrow(typed));
    } else if (auto* list = dynamic_cast<ListControl*>(&control_)) {
        if (IsListBox() && code == LBN_SELCHANGE)
            list->UserSelected(static_cast<int>(SendMessageW(window_, LB_GETCURSEL, 0, 0)));
        if (IsComboBox() && code == CBN_SELCHANGE)
            list->UserSelected(static_cast<int>(SendMessageW(window_, CB_GETCURSEL, 0, 0)));
    }
}

void ControlWindow::DrawItem(const DRAWITEMSTRUCT& item) {
    RECT client = item.rcItem;
    const int width = client.right - client.left;
    const int height = client.bottom - client.top;
    OffscreenDc buffer(item.hDC, width, height);
    Backdrop::PaintBehind(window_, buffer.Get());
    ButtonPlusState state;
    state.pressed = item.itemState & ODS_SELECTED;
    state.disabled = item.itemState & ODS_DISABLED;
    state.focused = (item.itemState & ODS_FOCUS) && !(item.itemState & ODS_NOFOCUSRECT);
    state.hover = hover_;
    PaintButtonPlus(buffer.Get(), RECT{0, 0, width, height}, Widen(control_.Caption()), font_, state);
    BitBlt(item.hDC, client.left, client.top, width, height, buffer.Get(), 0, 0, SRCCOPY);
}

LRESULT CALLBACK ControlWindow::HoverProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                          DWORD_PTR) {
    ControlWindow* self = Of(window);
    if (self && message == WM_MOUSEMOVE && !self->hover_) {
        self->hover_ = true;
        TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, window, 0};
        TrackMouseEvent(&track);
        InvalidateRect(window, nullptr, FALSE);
    } else if (self && message == WM_MOUSELEAVE) {
        self->hover_ = false;
        InvalidateRect(window, nullptr, FALSE);
    } else if (message == WM_ERASEBKGND) {
        return 1;  // the owner-drawn face covers everything
    }
    return DefSubclassProc(window, message, wParam, lParam);
}

LRESULT CALLBACK ControlWindow::CustomProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* self = static_cast<ControlWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        SetPropW(window, kPeerProperty, self);
        self->window_ = window;
    }
    ControlWindow* self = Of(window);
    return self ? self->HandleCustom(message, wParam, lParam) : DefWindowProcW(window, message, wParam, lParam);
}

LRESULT ControlWindow::HandleCustom(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_ERASEBKGND:
            return 1;
        case WM_PAINT: {
            PAINTSTRUCT paint;
            HDC dc = BeginPaint(window_, &paint);
            RECT client;
            GetClientRect(window_, &client);
            OffscreenDc buffer(dc, client.right, client.bottom);
            if (IsKind("FramePlus") && backdrop_) backdrop_->CopyBehind(buffer.Get(), client);
            else Backdrop::PaintBehind(window_, buffer.Get());
            if (IsKind("Label")) PaintLabel(buffer.Get(), client);
            if (IsKind("Picture")) PaintPicture(buffer.Get(), client);
            BitBlt(dc, 0, 0, client.right, client.bottom, buffer.Get(), 0, 0, SRCCOPY);
            EndPaint(window_, &paint);
            return 0;
        }
        case WM_SETTEXT: {
            const LRESULT result = DefWindowProcW(window_, message, wParam, lParam);
            InvalidateRect(window_, nullptr, FALSE);
            return result;
        }
        case WM_LBUTTONUP:
            if (IsKind("Label")) Command(STN_CLICKED);
            return 0;
        case WM_SETCURSOR:
            if (auto* label = dynamic_cast<Label*>(&control_); label && label->OnClick && LOWORD(lParam) == HTCLIENT) {
                SetCursor(LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_HAND)));
                return TRUE;
            }
            break;
        case WM_COMMAND:
        case WM_DRAWITEM:
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN:
            // A panel passes its children's notifications on to the window.
            return SendMessageW(GetParent(window_), message, wParam, lParam);
        default:
            break;
    }
    return DefWindowProcW(window_, message, wParam, lParam);
}

void ControlWindow::PaintLabel(HDC dc, const RECT& client) {
    Selected font(dc, font_);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, IsWindowEnabled(window_) ? control_.Look().foreColor : GetSysColor(COLOR_GRAYTEXT));
    RECT area = client;
    const std::wstring text = Widen(control_.Caption());
    DrawTextW(dc, text.c_str(), -1, &area, DT_WORDBREAK | DT_NOPREFIX | TextAlignment(control_.Look().align));
}

void ControlWindow::PaintPicture(HDC dc, const RECT& client) {
    if (!picture_.empty()) PaintArt(picture_, dc, client);
}

void ControlWindow::RebuildBackdrop() {
    RECT client;
    GetClientRect(window_, &client);
    if (!backdrop_) {
        backdrop_ = std::make_unique<Backdrop>();
        Backdrop::Attach(window_, backdrop_.get());
    }
    HDC screen = GetDC(window_);
    backdrop_->Resize(screen, client.right, client.bottom);
    ReleaseDC(window_, screen);
    Backdrop::PaintBehind(window_, backdrop_->Dc());
    PaintFrame(backdrop_->Dc(), client);
}

void ControlWindow::PaintFrame(HDC dc, const RECT& client) {
    PaintFramePanel(dc, client, Widen(control_.Caption()), font_);
}

}  // namespace brivex::ui
