#pragma once
// A DispatchUi for tests: records every status text and cursor change in
// order, and keeps the Selected Item list it was given.

#include <string>
#include <vector>

#include "generator/dispatch_ui.h"

namespace pq::test {

class RecordingUi : public DispatchUi {
public:
    Cursor screenCursor() const override { return cursor; }
    void setScreenCursor(Cursor c) override {
        cursor = c;
        cursorLog.push_back(c);
    }
    void setStatus(const std::string& text) override { statusLog.push_back(text); }
    void setSelectedItemList(const std::vector<std::string>& names) override {
        selectedItems = names;
        ++listFills;
    }

    void clearLogs() {
        statusLog.clear();
        cursorLog.clear();
    }

    Cursor cursor = Cursor::Default;
    std::vector<std::string> statusLog;
    std::vector<Cursor> cursorLog;
    std::vector<std::string> selectedItems;
    int listFills = 0;
};

}  // namespace pq::test
