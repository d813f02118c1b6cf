#include "app/geometry.h"
#include "app/messages.h"
#include "app/place_win32.h"
#include "app/startup_win32.h"
#include "app/window_procs_win32.h"
#include "bank/exam_class.h"
#include "engine/engine_win32.h"
#include "settings/language_win32.h"
#include "settings/options.h"
#include "ui/shell_state_win32.h"
#include "ui/skin_win32.h"

namespace {

const int PanelFace = 291;

struct KeyRecord {
    int Id, Normal, Over, Pressed, TooltipSlot;
};

// The panel keys in their creation order.
const KeyRecord PanelKeys[] = {
    {IdQuit, 127, 129, 131, 36},          {IdMinimise, 115, 117, 119, 37},
    {IdTestModule, 133, 135, 137, 38},    {IdLogModule, 259, 261, 263, 40},
    {IdOptionsModule, 121, 123, 125, 41}, {IdNewBasic, 307, 309, 311, 59},
    {IdNewAdvanced, 313, 315, 317, 60},   {IdLanguage, 299, 301, 303, 51},
    {IdCalculator, 109, 111, 113, 42},    {IdAboutModule, 253, 255, 257, 43},
};

const char* const ModuleClasses[ModuleCount] = {
    "ZEB_TestWindowClass",
    "ZEB_LogWindowClass",
    "ZEB_OptionWindowClass",
    "ZEB_AboutWindowClass",
};

// The satellites are owned by the panel, so that minimising the panel takes
// the whole composition with it.
void BuildComposition(HWND window) {
    MainWindow = window;
    SetWindowOutline(window, MainRegionPoints, MainRegionCount);

    BorderWindow = CreateWindowExA(WS_EX_TOOLWINDOW, "ZEB_BorderWindowClass", "", WS_POPUP, 0, 0,
                                   BorderWidth, BorderHeight, window, nullptr, Instance, nullptr);
    ShowWindow(BorderWindow, SW_SHOW);
    for (int i = 0; i < ModuleCount; ++i)
        ModuleWindows[i] =
            CreateWindowExA(WS_EX_TOOLWINDOW, ModuleClasses[i], "", WS_POPUP, 0, 0, ModuleWidth,
                            ModuleHeight, window, nullptr, Instance, nullptr);
    for (const KeyRecord& key : PanelKeys)
        CreateLayoutButton(window, key.Id, key.Normal, key.Over, key.Pressed, key.TooltipSlot);
}

void OnCommand(HWND window, int id) {
    switch (id) {
    case IdQuit: DestroyWindow(window); break;
    case IdMinimise: ShowWindow(window, SW_MINIMIZE); break;
    case IdTestModule:
        // In Browse mode this key brings the parked exam back; the windows
        // stay as they are.
        if (Mode == ModeExam)
            ShowModule(ModuleTest);
        else
            LeaveBrowseMode();
        break;
    case IdLanguage: SwitchLanguage(); break;
    case IdLogModule: ShowModule(ModuleLog); break;
    case IdOptionsModule: ShowModule(ModuleOptions); break;
    case IdNewBasic: StartNewTest(ClassBasic); break;
    case IdNewAdvanced: StartNewTest(ClassAdvanced); break;
    case IdCalculator: WinExec("Calc.exe", SW_SHOWNORMAL); break;
    case IdAboutModule: ShowModule(ModuleAbout); break;
    }
}

// Drag state lives in the window's properties between messages.
DragState ReadDrag(HWND window) {
    DragState drag;
    drag.Moving = GetPropInt(window, "Prop_Moving");
    drag.MouseX = GetPropInt(window, "Prop_MouseX");
    drag.MouseY = GetPropInt(window, "Prop_MouseY");
    drag.Sequence = GetPropInt(window, "Prop_Sequence");
    return drag;
}

void WriteDrag(HWND window, const DragState& drag) {
    SetPropInt(window, "Prop_Moving", drag.Moving);
    SetPropInt(window, "Prop_MouseX", drag.MouseX);
    SetPropInt(window, "Prop_MouseY", drag.MouseY);
    SetPropInt(window, "Prop_Sequence", drag.Sequence);
}

void OnButtonDown(HWND window) {
    POINT cursor;
    GetCursorPos(&cursor);
    DragState drag = ReadDrag(window);
    BeginDrag(&drag, cursor.x, cursor.y);
    WriteDrag(window, drag);
    SetCapture(window);
}

void OnMouseMove(HWND window) {
    DragState drag = ReadDrag(window);
    if (drag.Moving != 1) return;
    POINT cursor;
    GetCursorPos(&cursor);
    int dx = 0, dy = 0;
    if (DragMove(&drag, cursor.x, cursor.y, &dx, &dy)) {
        RECT rect;
        GetWindowRect(window, &rect);
        // WM_MOVE brings the border and the module along.
        SetWindowPos(window, nullptr, rect.left + dx, rect.top + dy, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER);
    }
    WriteDrag(window, drag);
}

void OnButtonUp(HWND window) {
    DragState drag = ReadDrag(window);
    if (drag.Moving != 1) return;
    EndDrag(&drag);
    WriteDrag(window, drag);
    ReleaseCapture();
}

void OnDestroy(HWND window) {
    ReleaseSkinProps(window);
    // The owned border and modules are gone by now.
    MainWindow = BorderWindow = nullptr;
    for (HWND& module : ModuleWindows)
        module = nullptr;
    PostQuitMessage(0);
}

} // namespace

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message >= MsgShowFirst && message <= MsgLedFinished) {
        LRESULT result = 0;
        if (HandleEngineMessage(window, message, wParam, lParam, &result)) return result;
        return 0;
    }
    switch (message) {
    case WM_CREATE: BuildComposition(window); return 0;
    case WM_DESTROY: OnDestroy(window); return 0;
    case WM_MOVE: PlaceSatellites(); return 0;
    case WM_ACTIVATE: return 0;
    case WM_ACTIVATEAPP:
        if (wParam == 1) PlaceSatellites();
        return 0;
    case WM_PAINT:
    case WM_PRINTCLIENT: return PaintFace(window, message, wParam, PanelFace);
    case WM_NOTIFY: return 0;
    case WM_KEYDOWN: HandleEngineKey(window, wParam); return 0;
    case WM_COMMAND: OnCommand(window, LOWORD(wParam)); return 0;
    case WM_LBUTTONDOWN: OnButtonDown(window); return 0;
    case WM_MOUSEMOVE: OnMouseMove(window); return 0;
    case WM_LBUTTONUP: OnButtonUp(window); return 0;
    case WM_RBUTTONUP: return 0;
    case WM_QUERYENDSESSION: return OnQueryEndSession();
    case WM_ENDSESSION: OnEndSession(wParam); return 0;
    case MsgLanguageChanged: ReloadFace(window); return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

void SetWindowOutline(HWND window, const GeoPoint* points, int count) {
    POINT outline[MainRegionCount];
    if (count > MainRegionCount) count = MainRegionCount;
    for (int i = 0; i < count; ++i) {
        outline[i].x = points[i].X;
        outline[i].y = points[i].Y;
    }
    HRGN region = CreatePolygonRgn(outline, count, ALTERNATE);
    // The window owns the region once it has taken it.
    if (region && !SetWindowRgn(window, region, FALSE)) DeleteObject(region);
}

void HideModules() {
    for (HWND module : ModuleWindows)
        if (module) ShowWindow(module, SW_HIDE);
}

void ShowModule(int module) {
    HideModules();
    if (module >= 0 && module < ModuleCount && ModuleWindows[module])
        ShowWindow(ModuleWindows[module], SW_SHOW);
    PlaceSatellites();
}

void PlaceSatellites() {
    if (!MainWindow) return;
    RECT panel;
    GetWindowRect(MainWindow, &panel);
    int moduleVisible = 0;
    for (HWND module : ModuleWindows) {
        if (!module || !IsWindowVisible(module)) continue;
        GeoPoint p = ModulePosition(panel.left, panel.top);
        SetWindowPos(module, nullptr, p.X, p.Y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        moduleVisible = 1;
    }
    if (BorderWindow) {
        GeoPoint p = BorderPosition(panel.left, panel.top, moduleVisible);
        SetWindowPos(BorderWindow, nullptr, p.X, p.Y, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    SetFocus(MainWindow);
}
