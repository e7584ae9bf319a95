#pragma once
// The platform's shared cursors behind the generator's cursor values.

#include <windows.h>

#include "generator/dispatch_ui.h"

namespace pq::win {

// crDefault -> the arrow, crHourGlass -> the wait cursor, crAppStart -> the
// arrow with a small hourglass.
HCURSOR systemCursor(Cursor cursor);

}  // namespace pq::win
