#include "app/about_box.h"

#include "app/resource_ids.h"

namespace pq::app {

TAboutBox::~TAboutBox() {
    if (titleFont_)
        DeleteObject(titleFont_);
}

void TAboutBox::ShowModal(HWND owner) {
    DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(PQ_IDD_ABOUTBOX), owner,
                    &TAboutBox::dialogProc, reinterpret_cast<LPARAM>(this));
}

void TAboutBox::initDialog(HWND dlg) {
    if (!titleFont_) {
        HDC dc = GetDC(dlg);
        const int height = -MulDiv(16, GetDeviceCaps(dc, LOGPIXELSY), 72);
        ReleaseDC(dlg, dc);
        // The product name in a larger bold serif type.
        titleFont_ = CreateFontA(height, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, ANSI_CHARSET,
                                 OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY,
                                 VARIABLE_PITCH | FF_ROMAN, "Times New Roman");
    }
    SendDlgItemMessageA(dlg, PQ_IDC_PRODUCTNAME, WM_SETFONT, reinterpret_cast<WPARAM>(titleFont_),
                        FALSE);
    SetFocus(GetDlgItem(dlg, IDOK));
}

void TAboutBox::OKButtonClick(HWND dlg) {
    EndDialog(dlg, IDOK);
}

INT_PTR CALLBACK TAboutBox::dialogProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_INITDIALOG:
            SetWindowLongPtrA(dlg, DWLP_USER, lParam);
            reinterpret_cast<TAboutBox*>(lParam)->initDialog(dlg);
            return FALSE;  // the focus was set to "OK"
        case WM_COMMAND:
            if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
                if (auto* self = reinterpret_cast<TAboutBox*>(GetWindowLongPtrA(dlg, DWLP_USER)))
                    self->OKButtonClick(dlg);
                return TRUE;
            }
            return FALSE;
        default:
            return FALSE;
    }
}

}  // namespace pq::app
