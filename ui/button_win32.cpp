// The three-state bitmap button. It is armed by hovering: it takes the mouse
// capture when the pointer enters, so it sees the pointer leave, and only a
// release while the pointer is over it gives its command.
#include "app/messages.h"
#include "app/window_procs_win32.h"
#include "settings/sound_win32.h"
#include "settings/strings.h"
#include "ui/geometry.h"
#include "ui/skin_win32.h"

namespace {

const char* const FaceProps[] = {"Prop_Bmp1", "Prop_Bmp2", "Prop_Bmp3"};
const char* const ResourceProps[] = {"Prop_ResID1", "Prop_ResID2", "Prop_ResID3"};

void DrawButton(HWND button, HDC dc) {
    int face = ButtonFace(GetPropInt(button, "Prop_Over"), GetPropInt(button, "Prop_Down"));
    DrawBitmapAt(dc, SkinFace(button, FaceProps[face - 1], ResourceProps[face - 1]), 0, 0);
}

void TrackHover(HWND button, LPARAM lParam) {
    RECT client;
    GetClientRect(button, &client);
    int inside = PointInClient(SplitMousePoint(lParam), client.right, client.bottom);
    int over = GetPropInt(button, "Prop_Over");
    if (inside && !over) {
        InvalidateRect(button, nullptr, FALSE);
        SetPropInt(button, "Prop_Over", 1);
        SetCapture(button);
        NotifyParent(button, NotifyEntered);
    } else if (!inside && over) {
        InvalidateRect(button, nullptr, FALSE);
        SetPropInt(button, "Prop_Over", 0);
        // Pressed and slid out: keep the capture so the release is seen.
        if (GetPropInt(button, "Prop_Down") != 1) ReleaseCapture();
        NotifyParent(button, NotifyLeft);
    }
}

void Release(HWND button) {
    InvalidateRect(button, nullptr, FALSE);
    SetPropInt(button, "Prop_Down", 0);
    if (GetPropInt(button, "Prop_Over") == 1) {
        int id = GetDlgCtrlID(button);
        PostMessageA(GetParent(button), WM_COMMAND, MAKEWPARAM(id, 0), (LPARAM)button);
        PlayResourceSound(SoundClick);
    }
    SetPropInt(button, "Prop_Over", 0);
    ReleaseCapture();
    NotifyParent(button, NotifyReleased);
}

// A box or dialog disables the window under it, but a key that took the
// capture on hover would still be sent the clicks meant for the box (and give
// its own command under it): such a key lets the capture go and rests.
bool RestIfDisabled(HWND button) {
    if (IsWindowEnabled(GetAncestor(button, GA_ROOT))) return false;
    int over = GetPropInt(button, "Prop_Over");
    if (over || GetPropInt(button, "Prop_Down")) InvalidateRect(button, nullptr, FALSE);
    SetPropInt(button, "Prop_Over", 0);
    SetPropInt(button, "Prop_Down", 0);
    if (GetCapture() == button) ReleaseCapture();
    if (over) NotifyParent(button, NotifyLeft);
    return true;
}

// The old faces go now; the new language's are loaded as they are painted.
void ReloadFaces(HWND button) {
    for (const char* face : FaceProps)
        SetPropBitmap(button, face, nullptr);
    RepaintIfShown(button);
}

} // namespace

LRESULT CALLBACK ButtonWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE: {
        const CREATESTRUCTA* create = (const CREATESTRUCTA*)lParam;
        AddControlTool(window, create->cx, create->cy);
        return 0;
    }
    case WM_DESTROY:
        RemoveControlTool(window);
        FreePropString(window, "Prop_HelpText");
        return 0;
    case WM_NCDESTROY: ReleaseSkinProps(window); break;
    case WM_PAINT:
    case WM_PRINTCLIENT: return PaintWith(window, message, wParam, DrawButton);
    case WM_NOTIFY:
        AnswerToolTextRequest(wParam, lParam, Str(GetPropInt(window, "Prop_ResID4")));
        return 0;
    case WM_MOUSEMOVE:
        if (RestIfDisabled(window)) return 0;
        TrackHover(window, lParam);
        RelayToTooltip(window, message, wParam, lParam);
        return 0;
    case WM_LBUTTONDOWN:
        if (RestIfDisabled(window)) return 0;
        SetPropInt(window, "Prop_Down", 1);
        InvalidateRect(window, nullptr, FALSE);
        RelayToTooltip(window, message, wParam, lParam);
        return 0;
    case WM_LBUTTONUP:
        if (RestIfDisabled(window)) return 0;
        Release(window);
        RelayToTooltip(window, message, wParam, lParam);
        return 0;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP: RelayToTooltip(window, message, wParam, lParam); return 0;
    case MsgLanguageChanged: ReloadFaces(window); return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}
