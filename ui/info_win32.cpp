// The information pop-up: black text on a white face, placed and filled by
// the log module.
#include "app/window_procs_win32.h"
#include "ui/geometry.h"
#include "ui/skin_win32.h"

namespace {

void DrawInfo(HWND info, HDC dc) {
    RECT client;
    GetClientRect(info, &client);
    HGDIOBJ previousBrush = SelectObject(dc, GetStockObject(WHITE_BRUSH));
    HGDIOBJ previousPen = SelectObject(dc, GetStockObject(WHITE_PEN));
    Rectangle(dc, client.left, client.top, client.right, client.bottom);
    SelectObject(dc, previousPen);
    SelectObject(dc, previousBrush);

    const char* text = GetPropString(info, "Prop_Text");
    if (!text) return;
    HGDIOBJ previousFont = SelectObject(dc, GetStockObject(ANSI_VAR_FONT));
    SetTextColor(dc, RGB(0, 0, 0));
    SetBkMode(dc, TRANSPARENT);
    Box box = InfoTextBox(client.right, client.bottom);
    RECT rect = {box.Left, box.Top, box.Right, box.Bottom};
    DrawTextA(dc, text, -1, &rect, DT_WORDBREAK);
    SelectObject(dc, previousFont);
}

} // namespace

LRESULT CALLBACK InfoWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        SetPropString(window, "Prop_Text", ((const CREATESTRUCTA*)lParam)->lpszName);
        SetPropInt(window, "Prop_Index", -1);
        return 0;
    case WM_NCDESTROY: ReleaseSkinProps(window); break;
    case WM_SETTEXT:
        if (lParam) {
            SetPropString(window, "Prop_Text", (const char*)lParam);
            InvalidateRect(window, nullptr, FALSE);
        }
        return 0;
    case WM_PAINT:
    case WM_PRINTCLIENT: return PaintWith(window, message, wParam, DrawInfo);
    case WM_LBUTTONDOWN: return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}
