#pragma once
// A top-level window whose window procedure hands each message to one small
// virtual function, and whose WM_COMMAND ids are looked up in a table that
// its controls and menus fill.

#include <windows.h>

#include <functional>
#include <string>
#include <unordered_map>

namespace pq::win {

class ErrorSink {
public:
    virtual ~ErrorSink() = default;
    // Shows an error that escaped a message handler; the program goes on.
    virtual void reportError(const char* message) = 0;
};

struct WindowArgs {
    const char* className = nullptr;
    std::string caption;
    DWORD style = WS_OVERLAPPEDWINDOW;
    DWORD exStyle = 0;
    int x = CW_USEDEFAULT, y = CW_USEDEFAULT;
    int clientWidth = 400, clientHeight = 300;
    HMENU menu = nullptr;
    HWND owner = nullptr;
    HICON icon = nullptr;
};

// Called with the notification code of a WM_COMMAND (0 for a menu).
using CommandHandler = std::function<void(UINT code)>;

class Window {
public:
    explicit Window(ErrorSink& errors) : errors_(errors) {}
    virtual ~Window();
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    HWND hwnd() const { return hwnd_; }
    HINSTANCE instance() const;
    void setCaption(const std::string& text);
    std::string caption() const;

    // Registers the handler of one WM_COMMAND id (a control or a menu item).
    void onCommand(int id, CommandHandler handler);

    // Shows `hint` as the tooltip of a child control.
    void addHint(HWND control, const std::string& hint);

    // The event loop passes every message here: mouse messages over the
    // window's controls go on to its tooltips.
    void relayHintMessage(const MSG& msg);

    ErrorSink& errors() { return errors_; }

protected:
    // Registers the class (once) and creates the window; returns false on
    // failure.
    bool createWindow(const WindowArgs& args);

    // Every message comes here first; the default runs the command table for
    // WM_COMMAND and DefWindowProc for the rest.
    virtual LRESULT handleMessage(UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT defaultProc(UINT msg, WPARAM wParam, LPARAM lParam);
    // Runs the table entry of a WM_COMMAND; true when there was one.
    bool runCommand(WPARAM wParam);

private:
    static LRESULT CALLBACK windowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

    ErrorSink& errors_;
    HWND hwnd_ = nullptr;
    HWND tips_ = nullptr;
    std::unordered_map<int, CommandHandler> commands_;
};

// Runs `body`, reporting an escaping exception through `errors`.
void guarded(ErrorSink& errors, const std::function<void()>& body);

}  // namespace pq::win
