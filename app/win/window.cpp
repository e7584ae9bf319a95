#include "app/win/window.h"

#include <commctrl.h>

#include <exception>

namespace pq::win {

void guarded(ErrorSink& errors, const std::function<void()>& body) {
    try {
        body();
    } catch (const std::exception& e) {
        errors.reportError(e.what());
    } catch (...) {
        errors.reportError("Unknown error");
    }
}

Window::~Window() {
    if (hwnd_ && IsWindow(hwnd_)) {
        SetWindowLongPtrA(hwnd_, GWLP_USERDATA, 0);
        DestroyWindow(hwnd_);
    }
}

HINSTANCE Window::instance() const {
    return GetModuleHandleA(nullptr);
}

void Window::setCaption(const std::string& text) {
    SetWindowTextA(hwnd_, text.c_str());
}

std::string Window::caption() const {
    std::string text(static_cast<std::size_t>(GetWindowTextLengthA(hwnd_)) + 1, '\0');
    const int n = GetWindowTextA(hwnd_, text.data(), static_cast<int>(text.size()));
    text.resize(static_cast<std::size_t>(n > 0 ? n : 0));
    return text;
}

void Window::onCommand(int id, CommandHandler handler) {
    commands_[id] = std::move(handler);
}

void Window::addHint(HWND control, const std::string& hint) {
    if (!tips_) {
        tips_ = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr,
                                WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP, CW_USEDEFAULT,
                                CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, hwnd_, nullptr,
                                GetModuleHandleA(nullptr), nullptr);
        SendMessageA(tips_, TTM_SETMAXTIPWIDTH, 0, 400);
    }
    TOOLINFOA ti{};
    ti.cbSize = sizeof ti;
    // Not TTF_SUBCLASS: a subclassed control pays for every message it gets
    // (filling a list of thousands of names took a second under Wine); the
    // event loop relays the mouse messages instead (relayHintMessage).
    ti.uFlags = TTF_IDISHWND;
    ti.hwnd = hwnd_;
    ti.uId = reinterpret_cast<UINT_PTR>(control);
    std::string text = hint;
    ti.lpszText = text.data();
    SendMessageA(tips_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&ti));
    // An editable combo box's text field lies over it and takes the mouse.
    if (HWND child = GetWindow(control, GW_CHILD)) {
        ti.uId = reinterpret_cast<UINT_PTR>(child);
        SendMessageA(tips_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&ti));
    }
}

void Window::relayHintMessage(const MSG& msg) {
    if (!tips_ || msg.message < WM_MOUSEFIRST || msg.message > WM_MOUSELAST)
        return;
    if (msg.hwnd != hwnd_ && !IsChild(hwnd_, msg.hwnd))
        return;
    MSG copy = msg;
    SendMessageA(tips_, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&copy));
}

bool Window::createWindow(const WindowArgs& args) {
    HINSTANCE inst = instance();
    WNDCLASSEXA existing{};
    existing.cbSize = sizeof existing;
    if (!GetClassInfoExA(inst, args.className, &existing)) {
        WNDCLASSEXA wc{};
        wc.cbSize = sizeof wc;
        wc.lpfnWndProc = &Window::windowProc;
        wc.hInstance = inst;
        wc.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));  // IDC_ARROW
        wc.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
        wc.lpszClassName = args.className;
        wc.hIcon = args.icon;
        wc.hIconSm = args.icon;
        if (!RegisterClassExA(&wc))
            return false;
    }
    RECT r{0, 0, args.clientWidth, args.clientHeight};
    AdjustWindowRectEx(&r, args.style, args.menu != nullptr, args.exStyle);
    const int width = r.right - r.left;
    const int height = r.bottom - r.top;
    hwnd_ = CreateWindowExA(args.exStyle, args.className, args.caption.c_str(), args.style, args.x,
                            args.y, width, height, args.owner, args.menu, inst, this);
    return hwnd_ != nullptr;
}

LRESULT Window::defaultProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcA(hwnd_, msg, wParam, lParam);
}

bool Window::runCommand(WPARAM wParam) {
    const auto it = commands_.find(LOWORD(wParam));
    if (it == commands_.end())
        return false;
    // Copy: a handler may replace its own table entry.
    CommandHandler handler = it->second;
    handler(HIWORD(wParam));
    return true;
}

LRESULT Window::handleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_COMMAND && runCommand(wParam))
        return 0;
    return defaultProc(msg, wParam, lParam);
}

LRESULT CALLBACK Window::windowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_NCCREATE) {
        const auto* cs = reinterpret_cast<const CREATESTRUCTA*>(lParam);
        auto* self = static_cast<Window*>(cs->lpCreateParams);
        self->hwnd_ = hwnd;
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<Window*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (!self)
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    // No exception may cross the system's frames: report it here.
    LRESULT result = 0;
    bool handled = false;
    guarded(self->errors_, [&] {
        result = self->handleMessage(msg, wParam, lParam);
        handled = true;
    });
    return handled ? result : 0;
}

}  // namespace pq::win
