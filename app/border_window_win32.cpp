#include "app/geometry.h"
#include "app/messages.h"
#include "app/place_win32.h"
#include "app/window_procs_win32.h"
#include "ui/skin_win32.h"

namespace {

const int BorderFace = 305;

void BuildBorder(HWND window) {
    SetWindowOutline(window, BorderRegionPoints, BorderRegionCount);
    CreateLayoutButton(window, IdHideModule, 103, 105, 107, 62);
}

} // namespace

LRESULT CALLBACK BorderWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE: BuildBorder(window); return 0;
    case WM_PAINT:
    case WM_PRINTCLIENT: return PaintFace(window, message, wParam, BorderFace);
    case WM_COMMAND:
        if (LOWORD(wParam) == IdHideModule) {
            HideModules();
            PlaceSatellites();
        }
        return 0;
    case MsgLanguageChanged: ReloadFace(window); return 0;
    case WM_NOTIFY: return 0;
    case WM_DESTROY: ReleaseSkinProps(window); return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}
