#pragma once
// TForm3, the help window: shows the user manual or the As Any note, one at
// a time, and copies or prints it. Closing it only hides it.

#include <memory>
#include <string>

#include "app/win/window.h"
#include "clipboard/clipboard.h"

namespace pq::app {

class TForm3 : public win::Window {
public:
    explicit TForm3(win::ErrorSink& errors);
    ~TForm3() override;

    bool Create(HICON icon);

    // Shows the window (not modal) with `lfText` in the viewer and `caption`.
    void ShowText(const std::string& lfText, const std::string& caption);

    void Copy1Click();
    void Print1Click();

private:
    LRESULT handleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;
    void onSize(int width, int height);

    std::unique_ptr<ClipboardPort> clipboard_;
    HWND RichEdit1 = nullptr;
    std::string shownText_;  // the viewer's text, LF line ends
    HFONT font_ = nullptr;
};

}  // namespace pq::app
