#pragma once
// The rich-edit control: its library, loaded from the system folder only,
// and printing its whole text.

#include <windows.h>

namespace pq::win {

// Loads the rich-edit library (once) and returns its window class name.
// Throws std::runtime_error when the library cannot be loaded.
const char* richEditClass();

// Prints the control's whole text on the default printer as one job named
// `jobName`, over the printable area of each page. Throws std::runtime_error
// with the reason when there is no printer or the job fails.
void printRichEdit(HWND richEdit, const char* jobName);

}  // namespace pq::win
