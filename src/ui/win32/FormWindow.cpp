#include "ui/win32/FormWindow.h"

#include <commctrl.h>

#include <utility>

#include "base/Units.h"
#include "graphics/win32/Art.h"
#include "graphics/win32/FontRequest.h"
#include "graphics/win32/WindowDpi.h"
#include "platform/win32/WideText.h"
#include "ui/win32/ErrorBarrier.h"
#include "ui/win32/PeerFactory.h"
#include "ui/win32/ThreadWait.h"

namespace brivex::ui {

namespace {

constexpr wchar_t kClassName[] = L"BrivexDozivForm";
// Control identifiers start above the dialog keys' IDOK and IDCANCEL, so that
// Enter and Escape press no control by accident.
constexpr int kFirstControlId = 100;
// The corners' ellipses of a rounded window, designed in pixels at 96 dots per inch.
constexpr int kCornerDesignPixels = 20;
// Sent when the window goes to a monitor of another resolution (Windows 8.1
// and later); the XP headers do not have it.
constexpr UINT kDpiChanged = 0x02E0;

HICON ProgramIcon(int widthMetric, int heightMetric) {
    return static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(1), IMAGE_ICON,
                                         GetSystemMetrics(widthMetric), GetSystemMetrics(heightMetric), LR_SHARED));
}

}  // namespace

bool FormWindow::RegisterClass() {
    WNDCLASSEXW windowClass = {};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_DBLCLKS;
    windowClass.lpfnWndProc = &FormWindow::Proc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    windowClass.lpszClassName = kClassName;
    return RegisterClassExW(&windowClass) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

FormWindow::FormWindow(Form& form, FormHost& host) : form_(form), host_(host) {}

FormWindow::~FormWindow() {
    Destroy();
    for (auto& [key, font] : fonts_) DeleteObject(font);
}

HWND FormWindow::HandleOf(const Form& form) {
    const auto* window = dynamic_cast<const FormWindow*>(form.Peer());
    return window ? window->window_ : nullptr;
}

bool FormWindow::Create() {
    static const bool registered = RegisterClass();
    if (!registered) return false;
    // Made at the screen's centre at the size for 96 dots per inch, then sized
    // again when the monitor it is on has another resolution.
    const int centreX = GetSystemMetrics(SM_CXSCREEN) / 2;
    const int centreY = GetSystemMetrics(SM_CYSCREEN) / 2;
    int width = Pixels(form_.Design().width);
    int height = Pixels(form_.Design().height);
    // WS_EX_CONTROLPARENT: the dialog keys move through the controls, into panels too.
    window_ = CreateWindowExW(WS_EX_APPWINDOW | WS_EX_CONTROLPARENT, kClassName, Widen(form_.Caption()).c_str(),
                              WS_POPUP | WS_CLIPCHILDREN | WS_SYSMENU | WS_MINIMIZEBOX, centreX - width / 2,
                              centreY - height / 2, width, height, nullptr, nullptr, GetModuleHandleW(nullptr), this);
    if (!window_) return false;
    if (const int dpi = WindowDpi(window_); dpi != dpi_) {
        dpi_ = dpi;
        width = Pixels(form_.Design().width);
        height = Pixels(form_.Design().height);
        SetWindowPos(window_, nullptr, centreX - width / 2, centreY - height / 2, width, height,
                     SWP_NOZORDER | SWP_NOACTIVATE);
    }
    PaintBackdrop();
    for (Control* control : form_.Controls()) {
        if (!CreatePeer(*control)) {
            Destroy();
            return false;
        }
    }
    form_.AttachPeer(this);
    return true;
}

bool FormWindow::CreatePeer(Control& control) {
    if (peerOf_.count(&control)) return true;
    // A container's window comes first: the controls placed in it are made inside it.
    if (Control* container = control.Container(); container && !CreatePeer(*container)) return false;
    const PeerFactory* factory = FindPeerFactory(control);
    if (!factory) {
        peerOf_[&control] = nullptr;
        return true;
    }
    std::unique_ptr<ControlWindow> peer = (*factory)(control, *this);
    if (!peer) return false;
    peerOf_[&control] = peer.get();
    peers_.push_back(std::move(peer));
    return true;
}

void FormWindow::Destroy() {
    if (!window_) return;
    form_.AttachPeer(nullptr);
    for (Control* control : form_.Controls()) control->DetachPeer();
    HWND window = window_;
    window_ = nullptr;
    // The tooltip control goes before the controls it watches: under Wine a
    // control destroyed while watched leaves 64 bytes of comctl32's behind,
    // at every closing of the window.
    if (tooltip_) DestroyWindow(std::exchange(tooltip_, nullptr));
    // Controls placed in a panel go before the panel.
    while (!peers_.empty()) peers_.pop_back();
    peerOf_.clear();
    Backdrop::Attach(window, nullptr);
    DestroyWindow(window);
    tips_.clear();
    iconsGiven_ = false;
}

HWND FormWindow::ParentFor(const Control& control) const {
    if (const Control* container = control.Container()) {
        const auto it = peerOf_.find(container);
        if (it != peerOf_.end() && it->second) return it->second->Handle();
    }
    return window_;
}

int FormWindow::IdFor(const Control& control) const {
    const std::vector<Control*>& controls = form_.Controls();
    for (std::size_t i = 0; i < controls.size(); ++i)
        if (controls[i] == &control) return kFirstControlId + static_cast<int>(i);
    return 0;
}

void FormWindow::PaintBackdrop() {
    RECT client;
    GetClientRect(window_, &client);
    HDC dc = GetDC(window_);
    backdrop_.Resize(dc, client.right, client.bottom);
    ReleaseDC(window_, dc);
    if (!art::PaintArt(form_.Background(), backdrop_.Dc(), client, dpi_))
        FillRect(backdrop_.Dc(), &client, GetSysColorBrush(COLOR_BTNFACE));
    Backdrop::Attach(window_, &backdrop_);
}

void FormWindow::ChangeDpi(int dpi, const RECT& suggested) {
    dpi_ = dpi;
    SetWindowPos(window_, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    if (form_.RoundedShape()) ApplyRoundedShape();
    PaintBackdrop();
    // The fonts made at the old resolution go once no control uses them.
    const auto oldFonts = std::exchange(fonts_, {});
    for (const auto& peer : peers_) peer->Rescale();
    for (const auto& [key, font] : oldFonts) DeleteObject(font);
    RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
}

HFONT FormWindow::Font(const Appearance& look) {
    const int hundredths = static_cast<int>(look.fontPoints * 100 + 0.5);
    const auto key = std::make_tuple(look.fontName, hundredths, look.bold);
    if (const auto it = fonts_.find(key); it != fonts_.end()) return it->second;
    HFONT font = MakeFont({look.fontName, FontHeight(look.fontPoints, dpi_), look.bold ? FW_BOLD : FW_NORMAL});
    fonts_[key] = font;
    return font;
}

void FormWindow::SetToolTip(HWND control, const std::string& text) {
    std::wstring wide = Widen(text);
    const bool known = tips_.count(control) > 0;
    if (wide.empty()) {
        if (!known) return;
        tips_.erase(control);
        if (tooltip_) Tool(TTM_DELTOOLW, control, L"");
        return;
    }
    const std::wstring& tip = tips_[control] = std::move(wide);
    if (!tooltip_) CreateToolTips();
    else Tool(known ? TTM_UPDATETIPTEXTW : TTM_ADDTOOLW, control, tip);
}

void FormWindow::TakePlace(const Control& control) {
    const auto late = peerOf_.find(&control);
    if (late == peerOf_.end() || !late->second || !late->second->Handle()) return;
    const HWND window = late->second->Handle();
    const HWND parent = GetParent(window);
    // Behind the last sibling made before it, or in front of all.
    HWND after = HWND_TOP;
    for (const auto& peer : peers_) {
        if (peer.get() == late->second) break;
        if (peer->Handle() && GetParent(peer->Handle()) == parent) after = peer->Handle();
    }
    SetWindowPos(window, after, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void FormWindow::CreateToolTips() {
    // Made late, once the form shows and a control has a tip: most windows
    // never need one, and a window that already owns a tooltip control cannot
    // become topmost under Wine.
    if (tooltip_ || !host_.IsShown(form_) || tips_.empty()) return;
    tooltip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, 0, 0,
                               0, 0, window_, nullptr, GetModuleHandleW(nullptr), nullptr);
    if (!tooltip_) return;
    for (const auto& [control, tip] : tips_) Tool(TTM_ADDTOOLW, control, tip);
}

void FormWindow::Tool(UINT message, HWND control, const std::wstring& tip) {
    TOOLINFOW tool = {};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = window_;
    tool.uId = reinterpret_cast<UINT_PTR>(control);
    tool.lpszText = const_cast<wchar_t*>(tip.c_str());
    SendMessageW(tooltip_, message, 0, reinterpret_cast<LPARAM>(&tool));
}

void FormWindow::SetCaption(const std::string& caption) { SetWindowTextW(window_, Widen(caption).c_str()); }

void FormWindow::SetEnabled(bool enabled) { EnableWindow(window_, enabled); }

void FormWindow::SetWindowState(WindowState state) {
    ShowWindow(window_, state == WindowState::Minimized   ? SW_MINIMIZE
                        : state == WindowState::Maximized ? SW_MAXIMIZE
                                                          : SW_RESTORE);
}

void FormWindow::SetMousePointer(MousePointer pointer) {
    const LPCWSTR cursor = pointer == MousePointer::Hourglass ? IDC_WAIT : IDC_ARROW;
    SetCursor(LoadCursorW(nullptr, cursor));
}

void FormWindow::SetTopmost() {
    // Under Wine a window that owns a tooltip control does not become
    // topmost: the tooltip control goes first and comes back after.
    const bool hadToolTips = tooltip_ != nullptr;
    if (hadToolTips) {
        DestroyWindow(tooltip_);
        tooltip_ = nullptr;
    }
    SetWindowPos(window_, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    if (hadToolTips) CreateToolTips();
}

void FormWindow::ApplyRoundedShape() {
    RECT client;
    GetClientRect(window_, &client);
    const int corner = ScaleDesignPixels(kCornerDesignPixels, dpi_);
    HRGN region = CreateRoundRectRgn(client.left, client.top, client.right, client.bottom, corner, corner);
    SetWindowRgn(window_, region, TRUE);  // the window owns the region from now on
}

void FormWindow::BeginDrag() {
    ReleaseCapture();
    SendMessageW(window_, WM_NCLBUTTONDOWN, HTCAPTION, 0);
}

void FormWindow::Show() {
    CreateToolTips();
    ShowWindow(window_, SW_SHOW);
    SetForegroundWindow(window_);
    UpdateWindow(window_);
    // The program's icon, large for Alt+Tab and small for the title and the
    // taskbar, at the system's sizes. Given once the window is drawn: its own
    // frame shows neither, and the display driver converts both pictures when
    // given them.
    if (iconsGiven_) return;
    iconsGiven_ = true;
    SendMessageW(window_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(ProgramIcon(SM_CXICON, SM_CYICON)));
    SendMessageW(window_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(ProgramIcon(SM_CXSMICON, SM_CYSMICON)));
}

void FormWindow::MoveFocus(WPARAM wParam, LPARAM lParam) {
    // The dialog keys ask a window that is no dialog box to move the focus too.
    HWND next = LOWORD(lParam) ? reinterpret_cast<HWND>(wParam) : GetNextDlgTabItem(window_, GetFocus(), wParam != 0);
    if (!next) return;
    SetFocus(next);
    if (SendMessageW(next, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL) SendMessageW(next, EM_SETSEL, 0, -1);
}

LRESULT CALLBACK FormWindow::Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* self = static_cast<FormWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        self->window_ = window;
    }
    auto* self = reinterpret_cast<FormWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!self || self->window_ != window) return DefWindowProcW(window, message, wParam, lParam);
    LRESULT result = 0;
    RunGuarded([&] { result = self->HandleMessage(message, wParam, lParam); });
    return result;
}

LRESULT FormWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_ERASEBKGND: return 1;
        case WM_PAINT: {
            PAINTSTRUCT paint;
            HDC dc = BeginPaint(window_, &paint);
            BitBlt(dc, paint.rcPaint.left, paint.rcPaint.top, paint.rcPaint.right - paint.rcPaint.left,
                   paint.rcPaint.bottom - paint.rcPaint.top, backdrop_.Dc(), paint.rcPaint.left, paint.rcPaint.top,
                   SRCCOPY);
            EndPaint(window_, &paint);
            return 0;
        }
        case WM_PRINTCLIENT: {
            RECT client;
            GetClientRect(window_, &client);
            backdrop_.CopyBehind(reinterpret_cast<HDC>(wParam), client);
            return 0;
        }
        case WM_COMMAND:
            if (ControlWindow* peer = ControlWindow::Of(reinterpret_cast<HWND>(lParam))) {
                peer->Command(HIWORD(wParam));
                return 0;
            }
            // Escape, as the dialog keys pass it on: no control has the cancel identifier.
            if (LOWORD(wParam) == IDCANCEL && !lParam) {
                if (form_.OnCancel) form_.OnCancel();
                return 0;
            }
            break;
        case WM_DRAWITEM: {
            const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
            if (ControlWindow* peer = ControlWindow::Of(item->hwndItem); peer && peer->DrawItem(*item)) return TRUE;
            break;
        }
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN:
            if (ControlWindow* peer = ControlWindow::Of(reinterpret_cast<HWND>(lParam)))
                if (const auto brush = peer->Colors(reinterpret_cast<HDC>(wParam))) return *brush;
            break;
        case kDpiChanged: ChangeDpi(LOWORD(wParam), *reinterpret_cast<const RECT*>(lParam)); return 0;
        case WM_NEXTDLGCTL: MoveFocus(wParam, lParam); return 0;
        case WM_SETCURSOR:
            if (form_.Pointer() == MousePointer::Hourglass || ThreadWait::InProgress()) {
                SetCursor(LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_WAIT)));
                return TRUE;
            }
            break;
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN:
            if (form_.OnMouseDown) form_.OnMouseDown();
            return 0;
        case WM_ACTIVATE:
            if (LOWORD(wParam) == WA_INACTIVE) {
                // The control that had the focus gets it back when the window is active again.
                if (HWND focus = GetFocus(); focus && IsChild(window_, focus)) focus_ = focus;
                break;
            }
            // A window activated while minimised is not yet back in front of
            // the user: it counts once it is restored.
            if (HIWORD(wParam)) break;
            if (HWND focus = focus_ && IsChild(window_, focus_) ? focus_ : GetNextDlgTabItem(window_, nullptr, FALSE))
                SetFocus(focus);
            else SetFocus(window_);
            host_.Activated(form_);
            return 0;
        case WM_SIZE:
            if (wParam == SIZE_MINIMIZED) form_.WindowStateChangedByUser(WindowState::Minimized);
            else if (wParam == SIZE_MAXIMIZED) form_.WindowStateChangedByUser(WindowState::Maximized);
            else if (wParam == SIZE_RESTORED) form_.WindowStateChangedByUser(WindowState::Normal);
            // Restoring the active window need not activate it again.
            if (wParam != SIZE_MINIMIZED && GetActiveWindow() == window_) host_.Activated(form_);
            break;
        case WM_CLOSE:
            // Sent from elsewhere while a handler of the program waits: the program acts on nothing then.
            if (!ThreadWait::InProgress()) host_.Unload(form_);
            return 0;
        case WM_COPY:
            if (form_.OnCopy) form_.OnCopy();
            return 0;
        default: break;
    }
    return DefWindowProcW(window_, message, wParam, lParam);
}

}  // namespace brivex::ui
