#include "app/win/cursors.h"

namespace pq::win {

HCURSOR systemCursor(Cursor cursor) {
    // IDC_ARROW, IDC_WAIT and IDC_APPSTARTING by number: the macros cast.
    WORD id = 32512;
    if (cursor == Cursor::HourGlass)
        id = 32514;
    else if (cursor == Cursor::AppStart)
        id = 32650;
    return LoadCursorA(nullptr, MAKEINTRESOURCEA(id));
}

}  // namespace pq::win
