// Program entry: reads no command line, runs the application, returns 0.
#include <windows.h>

#include "app/application.h"

namespace {

// Every library loaded later comes from the system folder only. Looked up at
// run time: systems without the function still start.
void limitDllSearchToSystemFolder() {
    using SetDirs = BOOL(WINAPI*)(DWORD);
    HMODULE kernel = GetModuleHandleA("kernel32.dll");
    if (!kernel)
        return;
    const FARPROC proc = GetProcAddress(kernel, "SetDefaultDllDirectories");
    if (proc)
        reinterpret_cast<SetDirs>(reinterpret_cast<void*>(proc))(LOAD_LIBRARY_SEARCH_SYSTEM32);
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    limitDllSearchToSystemFolder();
    pq::app::Application application;
    application.Run();
    return 0;
}
