#pragma once
// The application object: the one piece of program-wide state. It owns the
// catalogue, the system clipboard and the three windows, runs the event loop
// and shows the error report.

#include <memory>
#include <string>

#include "app/about_box.h"
#include "app/win/window.h"
#include "catalogue/catalogue.h"

namespace pq::app {

class TForm1;
class TForm3;

class Application : public win::ErrorSink {
public:
    Application();
    ~Application() override;
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    // Creates the main window, the About dialog and the help window, in this
    // order, runs the event loop until Terminate, then destroys the windows
    // (the main window first, which writes the settings). Returns 0.
    int Run();

    // Ends the event loop.
    void Terminate();

    // The error report: a message box titled "Protoquill" with an error icon
    // and the message; the program goes on.
    void reportError(const char* message) override;

    // The running executable's full path.
    std::string ExeName() const;

    HICON icon() const { return icon_; }
    TAboutBox& AboutBox() { return aboutBox_; }
    TForm3& Form3() { return *form3_; }

private:
    HICON icon_ = nullptr;
    std::unique_ptr<Catalogue> catalogue_;
    std::unique_ptr<TForm1> form1_;
    TAboutBox aboutBox_;
    std::unique_ptr<TForm3> form3_;
};

}  // namespace pq::app
