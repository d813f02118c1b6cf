// The text display: a face bitmap with shadowed text laid over it.
#include "app/messages.h"
#include "app/window_procs_win32.h"
#include "settings/strings.h"
#include "ui/geometry.h"
#include "ui/skin_win32.h"

namespace {

void DrawDisplay(HWND display, HDC dc) {
    DrawBitmapAt(dc, SkinFace(display, "Prop_Bitmap", "Prop_ResID1"), 0, 0);
    const char* text = GetPropString(display, "Prop_Text");
    if (!text) return;
    RECT client;
    GetClientRect(display, &client);
    Box box = DisplayTextBox(client.right, client.bottom, GetPropInt(display, "Prop_Corner"));
    RECT rect = {box.Left, box.Top, box.Right, box.Bottom};
    DrawShadowText(dc, &rect, text, DT_WORDBREAK);
}

void Reload(HWND display) {
    // The face of the new language is loaded when the display is painted.
    SetPropBitmap(display, "Prop_Bitmap", nullptr);
    // Setting the copy replaces and frees the old one in the same call.
    int slot = GetPropInt(display, "Prop_ResID2");
    if (slot != 0)
        SetPropString(display, "Prop_HelpText", Str(slot));
    else
        FreePropString(display, "Prop_HelpText");
    // The shown text belongs to the owner, which sets it again.
    RepaintIfShown(display);
}

} // namespace

LRESULT CALLBACK DigitWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE: {
        const CREATESTRUCTA* create = (const CREATESTRUCTA*)lParam;
        AddControlTool(window, create->cx, create->cy);
        return 0;
    }
    case WM_DESTROY:
        RemoveControlTool(window);
        FreePropString(window, "Prop_Text");
        FreePropString(window, "Prop_HelpText");
        return 0;
    case WM_NCDESTROY: ReleaseSkinProps(window); break;
    case WM_SETTEXT:
        // The text lives in "Prop_Text"; the window title stays as created.
        if (lParam) {
            SetPropString(window, "Prop_Text", (const char*)lParam);
            InvalidateRect(window, nullptr, FALSE);
        }
        return 0;
    case WM_PAINT:
    case WM_PRINTCLIENT: return PaintWith(window, message, wParam, DrawDisplay);
    case WM_NOTIFY:
        AnswerToolTextRequest(wParam, lParam, GetPropString(window, "Prop_HelpText"));
        return 0;
    case WM_LBUTTONDOWN:
        NotifyParent(window, NotifyLeftPress);
        RelayToTooltip(window, message, wParam, lParam);
        return 0;
    case WM_RBUTTONDOWN:
        NotifyParent(window, NotifyRightPress);
        RelayToTooltip(window, message, wParam, lParam);
        return 0;
    case WM_MOUSEMOVE:
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP: RelayToTooltip(window, message, wParam, lParam); return 0;
    case MsgLanguageChanged: Reload(window); return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}
