#include "app/window_procs_win32.h"
#include "ui/shell_state_win32.h"

namespace {

struct ClassRecord {
    const char* Name;
    WNDPROC Procedure;
};

// Registration order; the main panel carries the program's icon, the link the
// hand cursor.
const ClassRecord Classes[] = {
    {"ZEB_MainWindowClass", MainWindowProc},     {"ZEB_BorderWindowClass", BorderWindowProc},
    {"ZEB_ButtonWindowClass", ButtonWindowProc}, {"ZEB_DigitWindowClass", DigitWindowProc},
    {"ZEB_TestWindowClass", TestWindowProc},     {"ZEB_LogWindowClass", LogWindowProc},
    {"ZEB_OptionWindowClass", OptionWindowProc}, {"ZEB_AboutWindowClass", AboutWindowProc},
    {"ZEB_LEDWindowClass", LedWindowProc},       {"ZEB_CheckWindowClass", CheckWindowProc},
    {"ZEB_InfoWindowClass", InfoWindowProc},     {"ZEB_LinkWindowClass", LinkWindowProc},
};

const int MainClass = 0;
const int LinkClass = 11;
const int ProgramIcon = 111;

} // namespace

int RegisterWindowClasses() {
    for (int i = 0; i < (int)(sizeof Classes / sizeof Classes[0]); ++i) {
        WNDCLASSA wc = {};
        // Every window paints all of itself, so no class erases a background.
        wc.style = CS_HREDRAW | CS_VREDRAW;
        wc.lpfnWndProc = Classes[i].Procedure;
        wc.hInstance = Instance;
        wc.hIcon = i == MainClass ? LoadIconA(Instance, MAKEINTRESOURCEA(ProgramIcon)) : nullptr;
        wc.hCursor = LoadCursorA(nullptr, i == LinkClass ? IDC_HAND : IDC_ARROW);
        wc.hbrBackground = (HBRUSH)GetStockObject(NULL_BRUSH);
        wc.lpszClassName = Classes[i].Name;
        if (!RegisterClassA(&wc)) return 0;
    }
    return 1;
}
