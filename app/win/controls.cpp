#include "app/win/controls.h"

#include <commctrl.h>

namespace pq::win {

std::string windowText(HWND hwnd) {
    std::string text(static_cast<std::size_t>(GetWindowTextLengthA(hwnd)) + 1, '\0');
    const int n = GetWindowTextA(hwnd, text.data(), static_cast<int>(text.size()));
    text.resize(static_cast<std::size_t>(n > 0 ? n : 0));
    return text;
}

std::string toCrLf(const std::string& lfText) {
    std::string out;
    out.reserve(lfText.size() + lfText.size() / 16);
    for (char c : lfText) {
        if (c == '\n')
            out += '\r';
        out += c;
    }
    return out;
}

void Control::createChild(Window& parent, const CreateArgs& args, const char* className,
                          DWORD style, DWORD exStyle) {
    id_ = args.id;
    hwnd_ = CreateWindowExA(exStyle, className, args.caption.c_str(), style | WS_CHILD | WS_VISIBLE,
                            args.rect.x, args.rect.y, args.rect.width, args.rect.height,
                            parent.hwnd(), reinterpret_cast<HMENU>(static_cast<INT_PTR>(args.id)),
                            parent.instance(), nullptr);
    if (args.font)
        SendMessageA(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(args.font), FALSE);
    if (!args.hint.empty())
        parent.addHint(hwnd_, args.hint);
}

void GroupBox::Create(Window& parent, const CreateArgs& args) {
    createChild(parent, args, "BUTTON", BS_GROUPBOX);
}

void Label::Create(Window& parent, const CreateArgs& args) {
    createChild(parent, args, "STATIC", SS_LEFT | SS_NOPREFIX);
}

// ---- ComboBox -------------------------------------------------------------

void ComboBox::Create(Window& parent, const Args& args) {
    const DWORD kind = args.editable ? (CBS_DROPDOWN | CBS_AUTOHSCROLL) : CBS_DROPDOWNLIST;
    Args a = args;
    a.rect.height = args.dropDownHeight;  // a combo box's height includes its list
    createChild(parent, a, "COMBOBOX", kind | WS_VSCROLL | WS_TABSTOP);
    setItems(args.items);
    parent.onCommand(args.id, [this](UINT code) { notified(code); });
}

void ComboBox::notified(UINT code) {
    if (silent_ || !onChange)
        return;
    if (code == CBN_SELCHANGE) {
        // The text field still shows the old text at this point.
        const int k = index();
        onChange(k >= 0 ? item(k) : text());
    } else if (code == CBN_EDITCHANGE) {
        onChange(text());
    }
}

int ComboBox::index() const {
    return static_cast<int>(SendMessageA(hwnd_, CB_GETCURSEL, 0, 0));
}

void ComboBox::setIndex(int k) {
    silent_ = true;
    SendMessageA(hwnd_, CB_SETCURSEL, static_cast<WPARAM>(k), 0);
    silent_ = false;
}

int ComboBox::count() const {
    return static_cast<int>(SendMessageA(hwnd_, CB_GETCOUNT, 0, 0));
}

std::string ComboBox::item(int k) const {
    const LRESULT len = SendMessageA(hwnd_, CB_GETLBTEXTLEN, static_cast<WPARAM>(k), 0);
    if (len == CB_ERR)
        return {};
    std::string text(static_cast<std::size_t>(len) + 1, '\0');
    const LRESULT n = SendMessageA(hwnd_, CB_GETLBTEXT, static_cast<WPARAM>(k),
                                   reinterpret_cast<LPARAM>(text.data()));
    text.resize(n == CB_ERR ? 0 : static_cast<std::size_t>(n));
    return text;
}

void ComboBox::setText(const std::string& text) {
    silent_ = true;
    SetWindowTextA(hwnd_, text.c_str());
    silent_ = false;
}

void ComboBox::setItems(const std::vector<std::string>& names) {
    silent_ = true;
    SendMessageA(hwnd_, WM_SETREDRAW, FALSE, 0);
    SendMessageA(hwnd_, CB_RESETCONTENT, 0, 0);
    std::size_t bytes = 0;
    for (const std::string& n : names)
        bytes += n.size() + 1;
    SendMessageA(hwnd_, CB_INITSTORAGE, names.size(), static_cast<LPARAM>(bytes));
    // Without CBS_SORT each entry is appended: the list keeps the given order.
    for (const std::string& n : names)
        SendMessageA(hwnd_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(n.c_str()));
    SendMessageA(hwnd_, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(hwnd_, nullptr, TRUE);
    silent_ = false;
}

// ---- CheckBox, RadioButton, PushButton --------------------------------------

void CheckBox::Create(Window& parent, const CreateArgs& args, bool isChecked) {
    createChild(parent, args, "BUTTON", BS_AUTOCHECKBOX | WS_TABSTOP);
    SendMessageA(hwnd_, BM_SETCHECK, isChecked ? BST_CHECKED : BST_UNCHECKED, 0);
    parent.onCommand(args.id, [this](UINT code) {
        if (code == BN_CLICKED && onClick)
            onClick();
    });
}

bool CheckBox::checked() const {
    return SendMessageA(hwnd_, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void CheckBox::setChecked(bool isChecked) {
    if (isChecked == checked())
        return;
    SendMessageA(hwnd_, BM_SETCHECK, isChecked ? BST_CHECKED : BST_UNCHECKED, 0);
    if (onClick)
        onClick();
}

void RadioButton::Create(Window& parent, const CreateArgs& args, bool firstOfGroup,
                         bool isChecked) {
    createChild(parent, args, "BUTTON",
                BS_AUTORADIOBUTTON | (firstOfGroup ? (WS_GROUP | WS_TABSTOP) : 0u));
    setChecked(isChecked);
}

bool RadioButton::checked() const {
    return SendMessageA(hwnd_, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void RadioButton::setChecked(bool isChecked) {
    SendMessageA(hwnd_, BM_SETCHECK, isChecked ? BST_CHECKED : BST_UNCHECKED, 0);
}

void PushButton::Create(Window& parent, const Args& args) {
    createChild(parent, args, "BUTTON",
                (args.isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON) | WS_TABSTOP | WS_GROUP);
    if (args.icon)
        SendMessageA(hwnd_, BM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(args.icon));
    parent.onCommand(args.id, [this](UINT code) {
        if (code == BN_CLICKED && onClick)
            onClick();
    });
}

// ---- TextBox ---------------------------------------------------------------

void TextBox::Create(Window& parent, const CreateArgs& args) {
    createChild(parent, args, "EDIT",
                ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL | ES_AUTOHSCROLL | WS_VSCROLL |
                    WS_HSCROLL | WS_TABSTOP,
                WS_EX_CLIENTEDGE);
    SendMessageA(hwnd_, EM_SETLIMITTEXT, 0, 0);  // no 32 KB cap on long automat output
}

void TextBox::show(const std::string& lfText) {
    if (any_ && lfText == shown_)
        return;
    shown_ = lfText;
    any_ = true;
    SetWindowTextA(hwnd_, toCrLf(lfText).c_str());
    // The edit control repaints only its text lines; its margins would keep
    // what stood there before.
    InvalidateRect(hwnd_, nullptr, TRUE);
}

// ---- StatusBar -------------------------------------------------------------

void StatusBar::Create(Window& parent, int id, HFONT font) {
    CreateArgs args;
    args.id = id;
    args.font = font;
    createChild(parent, args, STATUSCLASSNAMEA, CCS_BOTTOM);
    int right = -1;
    SendMessageA(hwnd_, SB_SETPARTS, 1, reinterpret_cast<LPARAM>(&right));
}

void StatusBar::setText(const std::string& text) {
    SendMessageA(hwnd_, SB_SETTEXTA, 0, reinterpret_cast<LPARAM>(text.c_str()));
    UpdateWindow(hwnd_);
}

int StatusBar::height() const {
    RECT r{};
    GetWindowRect(hwnd_, &r);
    return r.bottom - r.top;
}

}  // namespace pq::win
