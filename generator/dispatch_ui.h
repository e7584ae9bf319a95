#pragma once
// What the generation and rendering handlers need of the window: the screen
// cursor, the status line and the Selected Item list. The window implements
// it; tests use a recording fake, so the handlers run headless.

#include <string>
#include <vector>

namespace pq {

// The platform's shared cursors, by their numeric values.
enum class Cursor : int { Default = 0, HourGlass = -11, AppStart = -19 };

class DispatchUi {
public:
    virtual ~DispatchUi() = default;

    virtual Cursor screenCursor() const = 0;
    virtual void setScreenCursor(Cursor cursor) = 0;
    virtual void setStatus(const std::string& text) = 0;

    // Empties the Selected Item list (entries and text) and fills it with
    // `names`, already in index order. Setting the list from here raises no
    // change event.
    virtual void setSelectedItemList(const std::vector<std::string>& names) = 0;
};

// Remembers the screen cursor, shows the hourglass and " Please wait...";
// at the end of the scope writes " Ready:" and restores the cursor. Nested
// handlers therefore keep the busy cursor until the outermost ends.
class BusyScope {
public:
    explicit BusyScope(DispatchUi& ui) : ui_(ui), saved_(ui.screenCursor()) {
        ui_.setScreenCursor(Cursor::HourGlass);
        ui_.setStatus(" Please wait...");
    }
    ~BusyScope() {
        ui_.setStatus(" Ready:");
        ui_.setScreenCursor(saved_);
    }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

private:
    DispatchUi& ui_;
    Cursor saved_;
};

// A DispatchUi that does nothing (the command-line tool).
class NullDispatchUi : public DispatchUi {
public:
    Cursor screenCursor() const override { return cursor_; }
    void setScreenCursor(Cursor cursor) override { cursor_ = cursor; }
    void setStatus(const std::string&) override {}
    void setSelectedItemList(const std::vector<std::string>&) override {}

private:
    Cursor cursor_ = Cursor::Default;
};

}  // namespace pq
