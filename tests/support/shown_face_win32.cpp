#include "tests/support/shown_face_win32.h"

#include "ui/skin_win32.h"

#include <cstring>

HBITMAP ShownFace(HWND window, const char* name) {
    char kind[64] = "";
    GetClassNameA(window, kind, sizeof kind);
    bool button = strcmp(kind, "ZEB_ButtonWindowClass") == 0;
    bool led = strcmp(kind, "ZEB_LEDWindowClass") == 0;
    if ((button || led) && strncmp(name, "Prop_Bmp", 8) == 0) {
        int n = name[8] - '0';
        if (n < 1 || n > (button ? 3 : 2)) return GetPropBitmap(window, name);
        char resource[16] = "Prop_ResID0";
        resource[10] = (char)('0' + n);
        return SkinFace(window, name, resource);
    }
    if (strcmp(name, "Prop_Bitmap") != 0) return GetPropBitmap(window, name);
    if (strcmp(kind, "ZEB_DigitWindowClass") == 0)
        return SkinFace(window, "Prop_Bitmap", "Prop_ResID1");
    if (!GetPropBitmap(window, name)) {
        HDC screen = GetDC(nullptr);
        HDC dc = CreateCompatibleDC(screen);
        HBITMAP canvas = CreateCompatibleBitmap(screen, 8, 8);
        ReleaseDC(nullptr, screen);
        HGDIOBJ previous = SelectObject(dc, canvas);
        SendMessageA(window, WM_PRINTCLIENT, (WPARAM)dc, PRF_CLIENT);
        SelectObject(dc, previous);
        DeleteObject(canvas);
        DeleteDC(dc);
    }
    return GetPropBitmap(window, name);
}
