#include "app/win/rich_edit.h"

#include <cderr.h>
#include <commdlg.h>
#include <richedit.h>

#include <stdexcept>
#include <string>

namespace pq::win {

namespace {

HMODULE loadFromSystemFolder(const char* dll) {
    // Only the system folder: never the program's folder or the current one.
    HMODULE lib = LoadLibraryExA(dll, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    if (lib)
        return lib;
    // Systems without the search flags: the full path of the system folder.
    char dir[MAX_PATH];
    const UINT n = GetSystemDirectoryA(dir, MAX_PATH);
    if (n == 0 || n >= MAX_PATH)
        return nullptr;
    const std::string path = std::string(dir) + "\\" + dll;
    return LoadLibraryExA(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
}

// Frees the printer's DC and the dialog's memory at every exit.
struct PrinterDc {
    HDC dc = nullptr;
    bool inDoc = false;
    ~PrinterDc() {
        if (inDoc)
            AbortDoc(dc);
        if (dc)
            DeleteDC(dc);
    }
};

HDC defaultPrinterDc() {
    PRINTDLGA pd{};
    pd.lStructSize = sizeof pd;
    pd.Flags = PD_RETURNDEFAULT | PD_RETURNDC;
    if (!PrintDlgA(&pd) || !pd.hDC) {
        const DWORD err = CommDlgExtendedError();
        if (pd.hDevMode)
            GlobalFree(pd.hDevMode);
        if (pd.hDevNames)
            GlobalFree(pd.hDevNames);
        if (err == 0 || err == PDERR_NODEFAULTPRN || err == PDERR_NODEVICES)
            throw std::runtime_error("Printing failed: there is no default printer.");
        throw std::runtime_error("Printing failed: the default printer cannot be opened (error " +
                                 std::to_string(err) + ").");
    }
    if (pd.hDevMode)
        GlobalFree(pd.hDevMode);
    if (pd.hDevNames)
        GlobalFree(pd.hDevNames);
    return pd.hDC;
}

}  // namespace

const char* richEditClass() {
    static const bool loaded = loadFromSystemFolder("msftedit.dll") != nullptr;
    if (!loaded)
        throw std::runtime_error("The rich-edit library msftedit.dll cannot be loaded.");
    return "RICHEDIT50W";
}

void printRichEdit(HWND richEdit, const char* jobName) {
    PrinterDc printer;
    printer.dc = defaultPrinterDc();
    HDC dc = printer.dc;

    DOCINFOA doc{};
    doc.cbSize = sizeof doc;
    doc.lpszDocName = jobName;
    if (StartDocA(dc, &doc) <= 0)
        throw std::runtime_error("Printing failed: the print job cannot be started.");
    printer.inDoc = true;

    // The printable area of the page, in twips.
    const int dpiX = GetDeviceCaps(dc, LOGPIXELSX);
    const int dpiY = GetDeviceCaps(dc, LOGPIXELSY);
    RECT page{0, 0, MulDiv(GetDeviceCaps(dc, HORZRES), 1440, dpiX),
              MulDiv(GetDeviceCaps(dc, VERTRES), 1440, dpiY)};
    GETTEXTLENGTHEX lengthOf{GTL_NUMCHARS, 1200};
    const LONG length = static_cast<LONG>(
        SendMessageA(richEdit, EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&lengthOf), 0));

    FORMATRANGE range{};
    range.hdc = dc;
    range.hdcTarget = dc;
    range.rcPage = page;
    LONG start = 0;
    do {
        if (StartPage(dc) <= 0)
            throw std::runtime_error("Printing failed: a page cannot be started.");
        range.rc = page;
        range.chrg.cpMin = start;
        range.chrg.cpMax = -1;
        const LONG next = static_cast<LONG>(
            SendMessageA(richEdit, EM_FORMATRANGE, TRUE, reinterpret_cast<LPARAM>(&range)));
        if (EndPage(dc) <= 0) {
            SendMessageA(richEdit, EM_FORMATRANGE, FALSE, 0);
            throw std::runtime_error("Printing failed: a page cannot be printed.");
        }
        if (next <= start)
            break;  // nothing more fits: avoid an endless job
        start = next;
    } while (start < length);
    SendMessageA(richEdit, EM_FORMATRANGE, FALSE, 0);
    printer.inDoc = false;
    if (EndDoc(dc) <= 0)
        throw std::runtime_error("Printing failed: the print job cannot be finished.");
}

}  // namespace pq::win
