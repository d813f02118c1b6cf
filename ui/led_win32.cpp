// The answer lamp: one 800 ms blink cycle per request, lit and dark in turn
// every 100 ms, starting and ending dark, then one end notification.
#include "app/messages.h"
#include "app/window_procs_win32.h"
#include "ui/skin_win32.h"

namespace {

const UINT_PTR CycleTimer = 0x8000, PhaseTimer = 0x8001;
const UINT CycleMs = 800, PhaseMs = 100;

void DrawLed(HWND led, HDC dc) {
    int lit = GetPropInt(led, "Prop_Active") == 1 && GetPropInt(led, "Prop_Sequence") == 1;
    DrawBitmapAt(dc,
                 lit ? SkinFace(led, "Prop_Bmp2", "Prop_ResID2")
                     : SkinFace(led, "Prop_Bmp1", "Prop_ResID1"),
                 0, 0);
}

void StartCycle(HWND led) {
    // A running cycle is neither restarted nor extended.
    if (GetPropInt(led, "Prop_Active") == 1) return;
    SetPropInt(led, "Prop_Active", 1);
    SetPropInt(led, "Prop_Sequence", 0);
    SetTimer(led, CycleTimer, CycleMs, nullptr);
    SetTimer(led, PhaseTimer, PhaseMs, nullptr);
    InvalidateRect(led, nullptr, TRUE);
}

void Tick(HWND led, UINT_PTR timer) {
    if (timer == PhaseTimer) {
        // A phase tick already queued when the cycle ended must not light it.
        if (GetPropInt(led, "Prop_Active") != 1) return;
        SetPropInt(led, "Prop_Sequence", 1 - GetPropInt(led, "Prop_Sequence"));
        InvalidateRect(led, nullptr, TRUE);
    } else if (timer == CycleTimer) {
        InvalidateRect(led, nullptr, TRUE);
        KillTimer(led, CycleTimer);
        KillTimer(led, PhaseTimer);
        SetPropInt(led, "Prop_Active", 0);
        SetPropInt(led, "Prop_Sequence", 0);
        NotifyParent(led, NotifyBlinkEnded);
    }
}

} // namespace

LRESULT CALLBACK LedWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT:
    case WM_PRINTCLIENT: return PaintWith(window, message, wParam, DrawLed);
    case MsgLedBlink: StartCycle(window); return 0;
    case WM_TIMER: Tick(window, wParam); return 0;
    case WM_NCDESTROY: ReleaseSkinProps(window); break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}
