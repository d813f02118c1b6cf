#include "tests/support/display_text_win32.h"

std::string DisplayText(HWND parent, int id) {
    HWND control = GetDlgItem(parent, id);
    if (!control) return "<no control>";
    const char* text = (const char*)GetPropA(control, "Prop_Text");
    if (text) return text;
    char buffer[1024] = "";
    GetWindowTextA(control, buffer, sizeof buffer);
    return buffer;
}

void PumpMessages() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

void PumpFor(DWORD ms) {
    DWORD start = GetTickCount();
    do {
        PumpMessages();
        Sleep(5);
    } while (GetTickCount() - start < ms);
    PumpMessages();
}
