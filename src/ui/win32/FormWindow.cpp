#include "ui/win32/FormWindow.h"

#include <commctrl.h>
#include <cwchar>

#include "platform/win32/Win32AnsiCodec.h"
#include "ui/FormHost.h"
#include "ui/win32/Art.h"
#include "ui/win32/FontSpec.h"
#include "ui/win32/PeerFactory.h"

namespace brivex::ui {

namespace {

constexpr wchar_t kClassName[] = L"BrivexDozivForm";

std::map<const Form*, FormWindow*>& Windows() {
    static std::map<const Form*, FormWindow*> windows;
    return windows;
}

// Another form of the program, not a message box or a window of another program.
bool IsForm(HWND other) {
    wchar_t className[64] = {};
    return other && GetClassNameW(other, className, 64) && std::wcscmp(className, kClassName) == 0;
}

}  // namespace

void FormWindow::RegisterClass() {
    WNDCLASSEXW windowClass = {};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_DBLCLKS;
    windowClass.lpfnWndProc = &FormWindow::Proc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hIcon = LoadIconW(windowClass.hInstance, MAKEINTRESOURCEW(1));
    windowClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    windowClass.lpszClassName = kClassName;
    RegisterClassExW(&windowClass);
    ControlWindow::RegisterClasses();
}

FormWindow::FormWindow(Form& form, FormHost& host) : form_(form), host_(host) {}

FormWindow::~FormWindow() {
    Destroy();
    for (auto& [key, font] : fonts_) DeleteObject(font);
}

HWND FormWindow::HandleOf(const Form& form) {
    const auto it = Windows().find(&form);
    return it == Windows().end() ? nullptr : it->second->window_;
}

void FormWindow::Create() {
    HDC screen = GetDC(nullptr);
    scale_ = GetDeviceCaps(screen, LOGPIXELSX) / 1440.0;
    ReleaseDC(nullptr, screen);

    const int width = Px(form_.Design().width);
    const int height = Px(form_.Design().height);
    const int left = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
    const int top = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
    window_ = CreateWindowExW(WS_EX_APPWINDOW | WS_EX_CONTROLPARENT, kClassName, Widen(form_.Caption()).c_str(),
                              WS_POPUP | WS_CLIPCHILDREN | WS_SYSMENU | WS_MINIMIZEBOX, left, top, width, height,
                              nullptr, nullptr, GetModuleHandleW(nullptr), this);
    if (!window_) return;
    Windows()[&form_] = this;
    tooltip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, 0, 0,
                               0, 0, window_, nullptr, GetModuleHandleW(nullptr), nullptr);
    PaintBackdrop();
    CreateControls();
    form_.AttachPeer(this);
}

void FormWindow::CreateControls() {
    // Panels first, so that the controls placed in them can be created inside them.
    const auto create = [this](Control& control) {
        HWND parent = window_;
        if (Control* container = control.Container())
            if (auto* peer = dynamic_cast<ControlWindow*>(container->Peer())) parent = peer->Handle();
        std::unique_ptr<ControlPeer> peer;
        if (const PeerFactory* factory = FindPeerFactory(control.Kind())) {
            const Bounds& b = control.Position();
            const RECT pixels{Px(b.left), Px(b.top), Px(b.left + b.width), Px(b.top + b.height)};
            peer = (*factory)(control, parent, pixels);
        } else {
            auto window = std::make_unique<ControlWindow>(*this, control, parent, scale_);
            if (window->Handle()) peer = std::move(window);
        }
        if (!peer) return;
        control.AttachPeer(peer.get());
        controls_.push_back(std::move(peer));
    };
    for (Control* control : form_.Controls())
        if (control->Kind() == "FramePlus") create(*control);
    for (Control* control : form_.Controls())
        if (control->Kind() != "FramePlus") create(*control);
}

void FormWindow::Destroy() {
    if (!window_) return;
    form_.AttachPeer(nullptr);
    for (Control* control : form_.Controls()) control->AttachPeer(nullptr);
    HWND window = window_;
    window_ = nullptr;
    Windows().erase(&form_);
    controls_.clear();
    Backdrop::Attach(window, nullptr);
    DestroyWindow(window);
}

void FormWindow::PaintBackdrop() {
    RECT client;
    GetClientRect(window_, &client);
    HDC dc = GetDC(window_);
    backdrop_.Resize(dc, client.right, client.bottom);
    ReleaseDC(window_, dc);
    if (!PaintArt(form_.Background(), backdrop_.Dc(), client))
        FillRect(backdrop_.Dc(), &client, GetSysColorBrush(COLOR_BTNFACE));
    Backdrop::Attach(window_, &backdrop_);
}

HFONT FormWindow::FontFor(const Appearance& look) {
    const int hundredths = static_cast<int>(look.fontPoints * 100 + 0.5);
    const auto key = std::make_tuple(look.fontName, hundredths, look.bold);
    if (const auto it = fonts_.find(key); it != fonts_.end()) return it->second;
    HDC screen = GetDC(nullptr);
    const int height = FontHeight(look.fontPoints, GetDeviceCaps(screen, LOGPIXELSY));
    ReleaseDC(nullptr, screen);
    HFONT font = MakeFont({look.fontName, height, look.bold ? FW_BOLD : FW_NORMAL});
    fonts_[key] = font;
    return font;
}

void FormWindow::AddTool(HWND control) {
    TOOLINFOW tool = {};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = window_;
    tool.uId = reinterpret_cast<UINT_PTR>(control);
    tool.lpszText = const_cast<wchar_t*>(L"");
    SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

void FormWindow::SetToolText(HWND control, const std::string& text) {
    const std::wstring wide = Widen(text);
    TOOLINFOW tool = {};
    tool.cbSize = sizeof tool;
    tool.hwnd = window_;
    tool.uId = reinterpret_cast<UINT_PTR>(control);
    tool.lpszText = const_cast<wchar_t*>(wide.c_str());
    SendMessageW(tooltip_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
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
    SetWindowPos(window_, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

void FormWindow::ApplyRoundedShape() {
    RECT client;
    GetClientRect(window_, &client);
    HRGN region = CreateRoundRectRgn(client.left, client.top, client.right, client.bottom, 20, 20);
    SetWindowRgn(window_, region, TRUE);  // the window owns the region from now on
}

void FormWindow::BeginDrag() {
    ReleaseCapture();
    SendMessageW(window_, WM_NCLBUTTONDOWN, HTCAPTION, 0);
}

void FormWindow::Show() {
    ShowWindow(window_, SW_SHOW);
    SetForegroundWindow(window_);
    UpdateWindow(window_);
}

LRESULT CALLBACK FormWindow::Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* self = static_cast<FormWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        self->window_ = window;
    }
    auto* self = reinterpret_cast<FormWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!self || self->window_ != window) return DefWindowProcW(window, message, wParam, lParam);
    return self->HandleMessage(message, wParam, lParam);
}

LRESULT FormWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_ERASEBKGND:
            return 1;
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
            if (auto* peer = lParam ? ControlWindow::Of(reinterpret_cast<HWND>(lParam)) : nullptr) {
                peer->Command(HIWORD(wParam));
                return 0;
            }
            break;
        case WM_DRAWITEM: {
            const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
            if (auto* peer = ControlWindow::Of(item->hwndItem)) {
                peer->DrawItem(*item);
                return TRUE;
            }
            break;
        }
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN: {
            HDC dc = reinterpret_cast<HDC>(wParam);
            SetBkMode(dc, TRANSPARENT);
            if (auto* peer = ControlWindow::Of(reinterpret_cast<HWND>(lParam)))
                SetTextColor(dc, peer->Model().Look().foreColor);
            return reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH));
        }
        case WM_SETCURSOR:
            if (form_.Pointer() == MousePointer::Hourglass) {
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
            // Activation counts when the user comes from another window of the
            // program (or at the first showing), not from another program.
            if (LOWORD(wParam) != WA_INACTIVE && !HIWORD(wParam) &&
                (!activatedOnce_ || IsForm(reinterpret_cast<HWND>(lParam)))) {
                activatedOnce_ = true;
                if (form_.OnActivate) form_.OnActivate();
            }
            break;
        case WM_SIZE:
            if (wParam == SIZE_MINIMIZED) form_.WindowStateChangedByUser(WindowState::Minimized);
            else if (wParam == SIZE_MAXIMIZED) form_.WindowStateChangedByUser(WindowState::Maximized);
            else if (wParam == SIZE_RESTORED) form_.WindowStateChangedByUser(WindowState::Normal);
            break;
        case WM_CLOSE:
            host_.Unload(form_);
            return 0;
        default:
            break;
    }
    return DefWindowProcW(window_, message, wParam, lParam);
}

}  // namespace brivex::ui
