#pragma once
// The main window's menu bar (MainMenu1), with the exact captions.

#include <windows.h>

namespace pq::app {

HMENU buildMainMenu1();

}  // namespace pq::app
