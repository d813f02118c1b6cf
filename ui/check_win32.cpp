// The drawn check box: a green box on a grey shadow with a shadowed label.
// Any left-button release in it toggles it; it takes no capture.
#include "app/messages.h"
#include "app/window_procs_win32.h"
#include "settings/strings.h"
#include "ui/geometry.h"
#include "ui/shell_state_win32.h"
#include "ui/skin_win32.h"

namespace {

void Outline(HDC dc, const Box& box) {
    Rectangle(dc, box.Left, box.Top, box.Right, box.Bottom);
}

void DrawCheck(HWND check, HDC dc) {
    const char* text = GetPropString(check, "Prop_Text");
    if (!text) return;
    RECT client;
    GetClientRect(check, &client);
    CheckParts parts = CheckLayoutOf(client.right, client.bottom);

    HGDIOBJ previousBrush = SelectObject(dc, GetStockObject(NULL_BRUSH));
    HGDIOBJ previousPen = SelectObject(dc, GreyPen);
    Outline(dc, parts.OuterShadow);
    SelectObject(dc, GreenPen);
    Outline(dc, parts.OuterFrame);
    SelectObject(dc, GreyBrush);
    SelectObject(dc, GreyPen);
    Outline(dc, parts.InnerShadow);
    int checked = GetPropInt(check, "Prop_Down") == 1;
    SelectObject(dc, checked ? GreenBrush : GreyBrush);
    SelectObject(dc, checked ? GreenPen : GreyPen);
    Outline(dc, parts.InnerBox);
    SelectObject(dc, previousPen);
    SelectObject(dc, previousBrush);

    RECT label = {parts.Label.Left, parts.Label.Top, parts.Label.Right, parts.Label.Bottom};
    DrawShadowText(dc, &label, text, DT_SINGLELINE | DT_VCENTER);
}

void Reload(HWND check) {
    // Setting the copy replaces and frees the old one in the same call.
    int slot = GetPropInt(check, "Prop_ResID1");
    if (slot != 0)
        SetPropString(check, "Prop_Text", Str(slot));
    else
        FreePropString(check, "Prop_Text");
    RepaintIfShown(check);
}

} // namespace

LRESULT CALLBACK CheckWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        SetPropString(window, "Prop_Text", ((const CREATESTRUCTA*)lParam)->lpszName);
        return 0;
    case WM_DESTROY: FreePropString(window, "Prop_Text"); return 0;
    case WM_NCDESTROY: ReleaseSkinProps(window); break;
    case WM_SETTEXT:
        // The label follows its string slot only.
        return 0;
    case WM_PAINT:
    case WM_PRINTCLIENT: return PaintWith(window, message, wParam, DrawCheck);
    case WM_LBUTTONUP:
        SetPropInt(window, "Prop_Down", 1 - GetPropInt(window, "Prop_Down"));
        InvalidateRect(window, nullptr, FALSE);
        PostMessageA(GetParent(window), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(window), 0), 0);
        return 0;
    case MsgLanguageChanged: Reload(window); return 0;
    case MsgCheckSet:
        SetPropInt(window, "Prop_Down", (int)lParam);
        InvalidateRect(window, nullptr, FALSE);
        return 0;
    case MsgCheckGet: return GetPropInt(window, "Prop_Down");
    }
    return DefWindowProcA(window, message, wParam, lParam);
}
