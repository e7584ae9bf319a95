#pragma once
// A thin layer over the Win32 controls the windows use. Each control is made
// from a CreateArgs struct by Create(), reports its events through one
// callback each, and never raises an event for a change made from code,
// except the check box, whose change from code runs its click handler.

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "app/win/window.h"

namespace pq::win {

struct Rect {
    int x = 0, y = 0, width = 0, height = 0;
};

struct CreateArgs {
    int id = 0;
    Rect rect;
    std::string caption;
    std::string hint;  // shown as a tooltip; empty for none
    HFONT font = nullptr;
};

std::string windowText(HWND hwnd);

class Control {
public:
    HWND hwnd() const { return hwnd_; }
    int id() const { return id_; }
    std::string text() const { return windowText(hwnd_); }

protected:
    // Creates the child window and applies font and hint.
    void createChild(Window& parent, const CreateArgs& args, const char* className, DWORD style,
                     DWORD exStyle = 0);

    HWND hwnd_ = nullptr;
    int id_ = 0;
};

class GroupBox : public Control {
public:
    void Create(Window& parent, const CreateArgs& args);
};

class Label : public Control {
public:
    void Create(Window& parent, const CreateArgs& args);
};

// A drop-down list. `editable` gives a text field the user can type into;
// onChange then runs for every edit of the text as well as for every pick,
// with the new text. Nothing set from code raises onChange.
class ComboBox : public Control {
public:
    struct Args : CreateArgs {
        bool editable = false;
        int dropDownHeight = 200;
        std::vector<std::string> items;
    };
    void Create(Window& parent, const Args& args);

    std::function<void(const std::string& newText)> onChange;

    int index() const;
    void setIndex(int index);  // -1 clears the selection
    int count() const;
    std::string item(int index) const;
    void setText(const std::string& text);
    // Replaces the entries with `names`, kept in the given order; reserves the
    // storage first and draws nothing until done, so 30,000 names fill fast.
    void setItems(const std::vector<std::string>& names);

private:
    void notified(UINT code);
    bool silent_ = false;
};

// A check box. Its change from code, like a click, runs onClick.
class CheckBox : public Control {
public:
    void Create(Window& parent, const CreateArgs& args, bool checked);
    std::function<void()> onClick;
    bool checked() const;
    void setChecked(bool checked);
};

// Radio buttons that share one group (the first one starts it).
class RadioButton : public Control {
public:
    void Create(Window& parent, const CreateArgs& args, bool firstOfGroup, bool checked);
    bool checked() const;
    void setChecked(bool checked);  // no event
};

class PushButton : public Control {
public:
    struct Args : CreateArgs {
        HICON icon = nullptr;
        bool isDefault = false;
    };
    void Create(Window& parent, const Args& args);
    std::function<void()> onClick;
};

// A read-only multi-line text box with both scroll bars. It shows the text it
// is given with CR LF line breaks; the owner keeps the text itself.
class TextBox : public Control {
public:
    void Create(Window& parent, const CreateArgs& args);
    // Shows `lfText` (LF line ends); does nothing when it is already shown.
    void show(const std::string& lfText);

private:
    std::string shown_;
    bool any_ = false;
};

// A status line with one simple text.
class StatusBar : public Control {
public:
    void Create(Window& parent, int id, HFONT font);
    // Sets the text and paints it at once, so it is seen during long work.
    void setText(const std::string& text);
    int height() const;
};

// LF line ends to CR LF, as Windows controls and the clipboard show text.
std::string toCrLf(const std::string& lfText);

}  // namespace pq::win
