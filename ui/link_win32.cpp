// The link: an invisible area over a picture that opens an address.
#include "app/window_procs_win32.h"
#include "settings/strings.h"
#include "ui/skin_win32.h"

#include <shellapi.h>

LRESULT CALLBACK LinkWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT: {
        // Validate without drawing, so that the parent's picture shows.
        PAINTSTRUCT ps;
        BeginPaint(window, &ps);
        EndPaint(window, &ps);
        return 0;
    }
    case WM_LBUTTONUP: {
        int slot = GetPropInt(window, "Prop_Link");
        if (slot != 0) ShellExecuteA(nullptr, "open", Str(slot), "", "", SW_SHOWNORMAL);
        return 0;
    }
    case WM_NCDESTROY: ReleaseSkinProps(window); break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}
