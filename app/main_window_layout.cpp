// TForm1's controls: four group boxes from top to bottom, then the status
// line. Positions are in pixels at 96 dpi, scaled to the screen.
#include <windows.h>

#include "app/control_ids.h"
#include "app/main_window.h"
#include "app/resource_ids.h"

namespace pq::app {

namespace {

struct Scale {
    int dpi = 96;
    int operator()(int px) const { return MulDiv(px, dpi, 96); }
    win::Rect rect(int x, int y, int w, int h) const {
        return {(*this)(x), (*this)(y), (*this)(w), (*this)(h)};
    }
};

HFONT messageFont() {
    NONCLIENTMETRICSA ncm{};
    ncm.cbSize = sizeof ncm;
    if (SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof ncm, &ncm, 0))
        return CreateFontIndirectA(&ncm.lfMessageFont);
    return nullptr;
}

HICON smallIcon(int id, int size) {
    return static_cast<HICON>(LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id),
                                         IMAGE_ICON, size, size, LR_DEFAULTCOLOR));
}

// Client area without the status line.
constexpr int kClientWidth = 600;
constexpr int kClientHeight = 500;

}  // namespace

void TForm1::createControls() {
    HDC screen = GetDC(nullptr);
    const Scale s{GetDeviceCaps(screen, LOGPIXELSY)};
    ReleaseDC(nullptr, screen);

    font_ = messageFont();
    codeFont_ = CreateFontA(-s(13), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, ANSI_CHARSET,
                            OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY,
                            FIXED_PITCH | FF_MODERN, "Courier New");
    HFONT f = font_ ? font_ : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));

    auto args = [&](int id, win::Rect r, const char* caption, const char* hint) {
        win::CreateArgs a;
        a.id = id;
        a.rect = r;
        a.caption = caption;
        a.hint = hint;
        a.font = f;
        return a;
    };
    auto combo = [&](int id, win::Rect r, const char* hint, std::vector<std::string> items,
                     bool editable, int drop) {
        win::ComboBox::Args a;
        static_cast<win::CreateArgs&>(a) = args(id, r, "", hint);
        a.items = std::move(items);
        a.editable = editable;
        a.dropDownHeight = s(drop);
        return a;
    };

    // " Settings ": API Type, Language, Scope, " Automat", side by side.
    GroupBox3.Create(*this, args(ids::GroupBox3, s.rect(8, 4, 584, 70), " Settings ", ""));
    LabelApiType.Create(*this, args(ids::LabelApiType, s.rect(20, 24, 140, 16), "API Type", ""));
    LabelLanguage.Create(*this, args(ids::LabelLanguage, s.rect(176, 24, 120, 16), "Language", ""));
    LabelScope.Create(*this, args(ids::LabelScope, s.rect(312, 24, 120, 16), "Scope", ""));
    ComboBox4.Create(*this,
                     combo(ids::ComboBox4, s.rect(20, 42, 140, 0), "Shows the current API type.",
                           {"Constants", "Declares", "Types"}, false, 120));
    ComboBox2.Create(*this, combo(ids::ComboBox2, s.rect(176, 42, 120, 0),
                                  "Shows the current language.", {"VB 6", "VB .NET"}, false, 100));
    ComboBox3.Create(*this, combo(ids::ComboBox3, s.rect(312, 42, 120, 0),
                                  "Shows the current scope.", {"Private", "Public"}, false, 100));
    CheckBox2.Create(*this,
                     args(ids::CheckBox2, s.rect(456, 43, 120, 20), " Automat",
                          "Generates all the dependencies automatically."),
                     true);

    // " Selected Item ": the editable list of names.
    GroupBox2.Create(*this, args(ids::GroupBox2, s.rect(8, 78, 584, 58), " Selected Item ", ""));
    ComboBox1.Create(*this, combo(ids::ComboBox1, s.rect(20, 100, 560, 0),
                                  "Shows the selected item.", {}, true, 360));

    // " Declaration ": the declaration buffer, read-only.
    GroupBox1.Create(*this, args(ids::GroupBox1, s.rect(8, 140, 584, 292), " Declaration ", ""));
    RichEdit1.Create(*this, args(ids::RichEdit1, s.rect(20, 160, 560, 260), "",
                                 "Shows the declaration of the selected item."));
    SendMessageA(RichEdit1.hwnd(), WM_SETFONT, reinterpret_cast<WPARAM>(codeFont_), FALSE);

    // " Copy ": the copy mode, "  Add" and "  Copy".
    Send.Create(*this, args(ids::Send, s.rect(8, 436, 584, 60), " Copy ", ""));
    RadioButton1.Create(*this, args(ids::RadioButton1, s.rect(20, 461, 100, 20), "Declaration", ""),
                        true, true);
    RadioButton2.Create(*this,
                        args(ids::RadioButton2, s.rect(124, 461, 110, 20), "Selected Item", ""),
                        false, false);
    addIcon_ = smallIcon(PQ_IDI_ADD, s(16));
    copyIcon_ = smallIcon(PQ_IDI_COPY, s(16));
    win::PushButton::Args add;
    static_cast<win::CreateArgs&>(add) = args(ids::BitBtn4, s.rect(340, 456, 114, 30), "  Add",
                                              "Appends to Clipboard without duplicates.");
    add.icon = addIcon_;
    BitBtn4.Create(*this, add);
    win::PushButton::Args copy;
    static_cast<win::CreateArgs&>(copy) =
        args(ids::BitBtn2, s.rect(466, 456, 114, 30), "  Copy", "Copies to Clipboard.");
    copy.icon = copyIcon_;
    BitBtn2.Create(*this, copy);

    StatusBar1.Create(*this, ids::StatusBar1, f);

    // The handlers, one per event.
    ComboBox4.onChange = [this](const std::string&) { ComboBox4Change(); };
    ComboBox2.onChange = [this](const std::string&) { ComboBox2Change(); };
    ComboBox3.onChange = [this](const std::string&) { ComboBox3Change(); };
    ComboBox1.onChange = [this](const std::string& text) { ComboBox1Change(text); };
    CheckBox2.onClick = [this] { CheckBox2Click(); };
    BitBtn4.onClick = [this] { BitBtn4Click(); };
    BitBtn2.onClick = [this] { BitBtn2Click(); };

    // Fixed size: the client area holds the controls and the status line;
    // centred on the screen's work area.
    RECT r{0, 0, s(kClientWidth), s(kClientHeight) + StatusBar1.height()};
    AdjustWindowRectEx(&r, static_cast<DWORD>(GetWindowLongPtrA(hwnd(), GWL_STYLE)), TRUE,
                       static_cast<DWORD>(GetWindowLongPtrA(hwnd(), GWL_EXSTYLE)));
    const int width = r.right - r.left;
    const int height = r.bottom - r.top;
    RECT work{};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    const int x = work.left + ((work.right - work.left) - width) / 2;
    const int y = work.top + ((work.bottom - work.top) - height) / 2;
    SetWindowPos(hwnd(), nullptr, x > 0 ? x : 0, y > 0 ? y : 0, width, height, SWP_NOZORDER);
    SendMessageA(StatusBar1.hwnd(), WM_SIZE, 0, 0);
}

}  // namespace pq::app
