#include "app/asany.h"

#include <richedit.h>

#include "app/control_ids.h"
#include "app/win/controls.h"
#include "app/win/rich_edit.h"
#include "clipboard/win32/win32_clipboard.h"

namespace pq::app {

namespace {

HMENU buildMenu() {
    // Two top-level commands, no submenus.
    HMENU bar = CreateMenu();
    AppendMenuA(bar, MF_STRING, ids::HelpCopy1, "Copy");
    AppendMenuA(bar, MF_STRING, ids::HelpPrint1, "Print");
    return bar;
}

int scaled(int px) {
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return MulDiv(px, dpi, 96);
}

}  // namespace

TForm3::TForm3(win::ErrorSink& errors) : win::Window(errors) {}
TForm3::~TForm3() = default;

bool TForm3::Create(HICON icon) {
    win::WindowArgs args;
    args.className = ids::kHelpWindowClass;
    // Fixed single border, close box only; a fixed place on the screen.
    args.style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;
    args.x = scaled(40);
    args.y = scaled(40);
    args.clientWidth = scaled(760);
    args.clientHeight = scaled(560);
    args.menu = buildMenu();
    args.icon = icon;
    if (!createWindow(args))
        return false;
    clipboard_ = std::make_unique<Win32Clipboard>(hwnd());

    RichEdit1 = CreateWindowExA(WS_EX_CLIENTEDGE, win::richEditClass(), "",
                                WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL | ES_MULTILINE |
                                    ES_READONLY | ES_AUTOVSCROLL | ES_AUTOHSCROLL,
                                0, 0, args.clientWidth, args.clientHeight, hwnd(),
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(ids::HelpRichEdit1)),
                                instance(), nullptr);
    // No word wrap: each line of the texts stays one line.
    SendMessageA(RichEdit1, EM_SETTARGETDEVICE, 0, 1);
    font_ = CreateFontA(-scaled(13), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, ANSI_CHARSET,
                        OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY,
                        FIXED_PITCH | FF_MODERN, "Courier New");
    SendMessageA(RichEdit1, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);

    onCommand(ids::HelpCopy1, [this](UINT) { Copy1Click(); });
    onCommand(ids::HelpPrint1, [this](UINT) { Print1Click(); });
    return true;
}

void TForm3::ShowText(const std::string& lfText, const std::string& caption) {
    ShowWindow(hwnd(), SW_SHOWNORMAL);
    shownText_ = lfText;
    SetWindowTextA(RichEdit1, win::toCrLf(lfText).c_str());
    setCaption(caption);
}

void TForm3::Copy1Click() {
    // Select all, as the user sees it, and put the text on the clipboard as
    // plain text (the control's own copy would add formatted text too).
    SendMessageA(RichEdit1, EM_SETSEL, 0, -1);
    clipboard_->putText(shownText_);
}

void TForm3::Print1Click() {
    win::printRichEdit(RichEdit1, "As Any keyword phrase");
}

void TForm3::onSize(int width, int height) {
    if (RichEdit1)
        MoveWindow(RichEdit1, 0, 0, width, height, TRUE);
}

LRESULT TForm3::handleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_CLOSE:
            ShowWindow(hwnd(), SW_HIDE);  // the window lives until the program ends
            return 0;
        case WM_SIZE:
            onSize(LOWORD(lParam), HIWORD(lParam));
            return 0;
        case WM_DESTROY:
            if (font_)
                DeleteObject(font_);
            font_ = nullptr;
            return 0;
        default:
            return win::Window::handleMessage(msg, wParam, lParam);
    }
}

}  // namespace pq::app
