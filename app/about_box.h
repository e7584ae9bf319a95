#pragma once
// TAboutBox: the product's name, version and notice, shown modally.

#include <windows.h>

namespace pq::app {

class TAboutBox {
public:
    TAboutBox() = default;
    ~TAboutBox();
    TAboutBox(const TAboutBox&) = delete;
    TAboutBox& operator=(const TAboutBox&) = delete;

    // Shows the dialog over `owner` and returns when "OK" closes it; the
    // owner takes no input meanwhile.
    void ShowModal(HWND owner);

    // "OK" (also Enter, or Esc): closes the dialog with the result OK.
    void OKButtonClick(HWND dlg);

private:
    static INT_PTR CALLBACK dialogProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM lParam);
    void initDialog(HWND dlg);

    HFONT titleFont_ = nullptr;
};

}  // namespace pq::app
