// A program that opens one top-level window with the title given on its
// command line and keeps it until it is closed, or for a minute at most.
#include <windows.h>

namespace {

LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM w, LPARAM l) {
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(window, message, w, l);
}

}  // namespace

int main(int argc, char** argv) {
    const char* title = argc > 1 ? argv[1] : "Window host";
    WNDCLASSA wc{};
    wc.lpfnWndProc = Procedure;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "TolvaneWindowHost";
    if (!RegisterClassA(&wc)) return 1;
    HWND window = CreateWindowExA(0, wc.lpszClassName, title, WS_OVERLAPPEDWINDOW, 100, 100, 300,
                                  200, nullptr, nullptr, wc.hInstance, nullptr);
    if (window == nullptr) return 2;
    ShowWindow(window, SW_SHOWNORMAL);
    SetTimer(window, 1, 60000, nullptr);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        if (msg.message == WM_TIMER) DestroyWindow(window);
        DispatchMessageA(&msg);
    }
    return 0;
}
