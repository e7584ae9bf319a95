#include "app/application.h"

#include <commctrl.h>

#include "app/asany.h"
#include "app/main_window.h"
#include "app/resource_ids.h"

namespace pq::app {

Application::Application() = default;
Application::~Application() = default;

std::string Application::ExeName() const {
    std::string path(MAX_PATH, '\0');
    for (;;) {
        const DWORD n = GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (n == 0)
            return {};
        if (n < path.size()) {
            path.resize(n);
            return path;
        }
        path.resize(path.size() * 2);  // cut off: try a larger buffer
    }
}

void Application::Terminate() {
    PostQuitMessage(0);
}

void Application::reportError(const char* message) {
    HWND owner = form1_ ? form1_->hwnd() : nullptr;
    if (owner && (!IsWindow(owner) || !IsWindowVisible(owner)))
        owner = nullptr;
    MessageBoxA(owner, message, "Protoquill", MB_OK | MB_ICONERROR);
}

int Application::Run() {
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&icc);
    icon_ = LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(PQ_IDI_APP));

    win::guarded(*this, [&] {
        catalogue_ = std::make_unique<Catalogue>(loadBuiltinCatalogue());
        form1_ = std::make_unique<TForm1>(*this, *catalogue_);
        if (!form1_->Create())
            throw std::runtime_error("The main window cannot be created.");
        form3_ = std::make_unique<TForm3>(*this);
        if (!form3_->Create(icon_))
            throw std::runtime_error("The help window cannot be created.");
        form1_->Show();
    });
    if (!form1_ || !form3_)
        return 0;

    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        form1_->relayHintMessage(msg);
        // Tab and the arrow keys move between the main window's controls.
        if (IsDialogMessageA(form1_->hwnd(), &msg))
            continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    // Destroying the main window writes the settings (FormDestroy).
    form1_->Destroy();
    form3_.reset();
    form1_.reset();
    return 0;
}

}  // namespace pq::app
