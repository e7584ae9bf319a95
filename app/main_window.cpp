#include "app/main_window.h"

#include "app/application.h"
#include "app/asany.h"
#include "app/control_ids.h"
#include "app/help_texts.h"
#include "app/main_menu.h"
#include "app/win/cursors.h"
#include "clipboard/win32/clipboard_viewer.h"
#include "clipboard/win32/win32_clipboard.h"

namespace pq::app {

namespace {

constexpr UINT_PTR kTimer1 = 1;
// The start-up sequence runs once the window is on the screen: a timer
// message comes only when nothing else (painting first) is waiting, so a
// short interval is enough and keeps the start fast.
constexpr UINT kTimer1Interval = 10;

}  // namespace

TForm1::TForm1(Application& app, const Catalogue& catalogue)
    : win::Window(app), app_(app), gen_(catalogue, *this), settings_(app.ExeName()) {}

TForm1::~TForm1() {
    for (HGDIOBJ obj : {static_cast<HGDIOBJ>(font_), static_cast<HGDIOBJ>(codeFont_)}) {
        if (obj)
            DeleteObject(obj);
    }
    for (HICON icon : {addIcon_, copyIcon_}) {
        if (icon)
            DestroyIcon(icon);
    }
}

bool TForm1::Create() {
    win::WindowArgs args;
    args.className = ids::kMainWindowClass;
    // Caption empty until the start-up sequence; fixed single border with
    // the system menu and a minimize button.
    args.caption = "";
    args.style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
    args.menu = buildMainMenu1();
    args.icon = app_.icon();
    args.clientWidth = 600;
    args.clientHeight = 520;
    if (!createWindow(args))
        return false;
    clipboard_ = std::make_unique<Win32Clipboard>(hwnd());
    clip_ = std::make_unique<ClipboardCollector>(*clipboard_);
    createControls();
    bindMenuCommands();
    SetTimer(hwnd(), kTimer1, kTimer1Interval, nullptr);
    return true;
}

void TForm1::Show() {
    ShowWindow(hwnd(), SW_SHOWNORMAL);
    UpdateWindow(hwnd());
}

void TForm1::Destroy() {
    ending_ = true;
    if (hwnd() && IsWindow(hwnd()))
        DestroyWindow(hwnd());
}

void TForm1::bindMenuCommands() {
    struct Command {
        int id;
        void (TForm1::*handler)();
    };
    static constexpr Command kCommands[] = {
        {ids::Exit1, &TForm1::Exit1Click},
        {ids::Declaration1, &TForm1::Declaration1Click},
        {ids::SelectedItem1, &TForm1::SelectedItem1Click},
        {ids::View1, &TForm1::View1Click},
        {ids::Clear1, &TForm1::Clear1Click},
        {ids::UserManual1, &TForm1::UserManual1Click},
        {ids::as1, &TForm1::as1Click},
        {ids::About1, &TForm1::About1Click},
    };
    for (const Command& c : kCommands)
        onCommand(c.id, [this, h = c.handler](UINT) { (this->*h)(); });
}

// ---- messages --------------------------------------------------------------

LRESULT TForm1::handleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_TIMER:
            if (wParam == kTimer1)
                Timer1Timer();
            return 0;
        case WM_CTLCOLORSTATIC:
            // The read-only Declaration box keeps the look of a text field.
            if (reinterpret_cast<HWND>(lParam) == RichEdit1.hwnd()) {
                SetBkColor(reinterpret_cast<HDC>(wParam), GetSysColor(COLOR_WINDOW));
                return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW));
            }
            break;
        case WM_SETCURSOR:
            if (onSetCursor())
                return TRUE;
            break;
        case WM_CLOSE:
            app_.Terminate();  // the windows are destroyed after the loop
            return 0;
        case WM_SHOWWINDOW:
            if (!wParam)
                FormHide();
            break;
        case WM_ENDSESSION:
            if (wParam) {
                Destroy();  // the session ends: still store the settings
                app_.Terminate();
            }
            return 0;
        case WM_DESTROY:
            FormDestroy();
            return 0;
        default:
            break;
    }
    return win::Window::handleMessage(msg, wParam, lParam);
}

bool TForm1::onSetCursor() {
    if (screenCursor_ == Cursor::Default)
        return false;
    SetCursor(win::systemCursor(screenCursor_));
    return true;
}

// ---- DispatchUi ------------------------------------------------------------

void TForm1::setScreenCursor(Cursor cursor) {
    screenCursor_ = cursor;
    SetCursor(win::systemCursor(cursor));
}

void TForm1::setStatus(const std::string& text) {
    StatusBar1.setText(text);
}

void TForm1::setSelectedItemList(const std::vector<std::string>& names) {
    ComboBox1.setItems(names);
    ComboBox1.setText("");
}

// ---- state to and from the controls -----------------------------------------

void TForm1::readChoices() {
    GeneratorState& s = gen_.state();
    s.apiType = ComboBox4.index();
    s.language = ComboBox2.index();
    s.scope = ComboBox3.index();
    s.automat = CheckBox2.checked();
}

void TForm1::showState() {
    const GeneratorState& s = gen_.state();
    if (ComboBox1.text() != s.selectedText) {
        if (ComboBox1.count() > 0 && ComboBox1.item(0) == s.selectedText)
            ComboBox1.setIndex(0);
        else
            ComboBox1.setText(s.selectedText);
    }
    RichEdit1.show(s.buffer);
}

CopyMode TForm1::copyMode() const {
    return RadioButton1.checked() ? CopyMode::Declaration : CopyMode::SelectedItem;
}

// ---- start-up and shut-down -------------------------------------------------

void TForm1::Timer1Timer() {
    KillTimer(hwnd(), kTimer1);
    if (started_)
        return;
    started_ = true;

    setStatus(" Please wait ...");
    setCaption(" Protoquill for Visual Basic");
    const Cursor saved = screenCursor();
    setScreenCursor(Cursor::AppStart);

    gen_.state().SavedItemName = "-1";
    ComboBox4.setIndex(1);  // "Declares"
    ComboBox2.setIndex(1);  // "VB .NET"
    ComboBox3.setIndex(1);  // "Public"
    readChoices();
    Read_Ini();
    readChoices();

    setStatus(" Loading constants ...");
    gen_.LoadConstants();
    setStatus(" Loading functions ...");
    gen_.LoadFunctions();
    setStatus(" Loading structures ...");
    gen_.LoadTypes();
    setStatus(" Please wait ...");
    ComboBox4Change();

    // The window's own cursor is the class arrow (crDefault).
    setScreenCursor(saved);
    // Ready for typing a name.
    if (GetForegroundWindow() == hwnd())
        SetFocus(ComboBox1.hwnd());
}

void TForm1::Exit1Click() {
    app_.Terminate();
}

void TForm1::FormHide() {
    if (!ending_)
        app_.Terminate();
}

void TForm1::FormDestroy() {
    KillTimer(hwnd(), kTimer1);
    Write_Ini();
}

// ---- generation and rendering -------------------------------------------------

void TForm1::ComboBox4Change() {
    readChoices();
    gen_.ComboBox4Change();
    showState();
}

void TForm1::ComboBox1Change(const std::string& newText) {
    readChoices();
    gen_.state().selectedText = newText;
    gen_.ComboBox1Change();
    showState();
}

void TForm1::CheckBox2Click() {
    readChoices();
    gen_.CheckBox2Click();
    showState();
}

void TForm1::ComboBox2Change() {
    readChoices();
    gen_.ComboBox2Change();
    showState();
}

void TForm1::ComboBox3Change() {
    readChoices();
    gen_.ComboBox3Change();
    showState();
}

// ---- clipboard ---------------------------------------------------------------

void TForm1::BitBtn2Click() {
    const GeneratorState& s = gen_.state();
    clip_->BitBtn2Click(copyMode(), s.buffer, s.selectedText);
}

void TForm1::BitBtn4Click() {
    const GeneratorState& s = gen_.state();
    clip_->BitBtn4Click(copyMode(), s.buffer, s.selectedText);
}

void TForm1::Declaration1Click() {
    clip_->Declaration1Click(gen_.state().buffer);
}

void TForm1::SelectedItem1Click() {
    clip_->SelectedItem1Click(gen_.state().selectedText);
}

void TForm1::Clear1Click() {
    clip_->Clear1Click();
}

void TForm1::View1Click() {
    ViewClipboard(hwnd());
}

// ---- help and About ------------------------------------------------------------

void TForm1::UserManual1Click() {
    app_.Form3().ShowText(manualText(), " User Manual");
}

void TForm1::as1Click() {
    app_.Form3().ShowText(asAnyText(), " As Any keyword phrase");
}

void TForm1::About1Click() {
    app_.AboutBox().ShowModal(hwnd());
}

}  // namespace pq::app
