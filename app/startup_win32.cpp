#include "app/startup_win32.h"

#include "app/geometry.h"
#include "app/messages.h"
#include "app/place_win32.h"
#include "bank/exam_class.h"
#include "bank/pool_resources.h"
#include "engine/engine_win32.h"
#include "engine/test_state.h"
#include "log/results_log_win32.h"
#include "settings/options.h"
#include "settings/options_store_win32.h"
#include "settings/strings.h"
#include "ui/shell_state_win32.h"

#include <commctrl.h>
#include <cstdio>
#include <cstring>

int SettingsSaved;

// Created in this order; the label font and the wide pen live until the
// process ends, the others go at shut-down.
void CreateDrawingObjects() {
    LOGFONTA font = {};
    font.lfHeight = 12;
    font.lfWeight = FW_BOLD;
    snprintf(font.lfFaceName, sizeof font.lfFaceName, "%s", "Arial");
    LabelFont = CreateFontIndirectA(&font);
    GreenBrush = CreateSolidBrush(GreenColour);
    GreyBrush = CreateSolidBrush(GreyColour);
    YellowBrush = CreateSolidBrush(RGB(255, 255, 0));
    GreenPen = CreatePen(PS_SOLID, 1, GreenColour);
    GreyPen = CreatePen(PS_SOLID, 1, GreyColour);
    YellowPen = CreatePen(PS_SOLID, 1, RGB(255, 255, 0));
    LightBrush = CreateSolidBrush(RGB(240, 240, 240));
    WidePen = CreatePen(PS_SOLID, 4, RGB(0, 0, 0));
}

// Without a tooltip window the controls work on without tooltips.
void CreateTooltipWindow() {
    TooltipWindow =
        CreateWindowExA(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr,
                        WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                        CW_USEDEFAULT, nullptr, nullptr, Instance, nullptr);
    if (TooltipWindow) SendMessageA(TooltipWindow, TTM_ACTIVATE, TRUE, 0);
}

void CreateInfoWindow() {
    InfoWindow =
        CreateWindowExA(WS_EX_CLIENTEDGE | WS_EX_TOOLWINDOW | WS_EX_TOPMOST, "ZEB_InfoWindowClass",
                        "", WS_POPUP, 0, 0, 100, 50, nullptr, nullptr, Instance, nullptr);
}

HWND CreateMainWindow() {
    MainWindow = CreateWindowExA(0, "ZEB_MainWindowClass", Str(SlotAppTitle), WS_POPUP,
                                 CW_USEDEFAULT, CW_USEDEFAULT, CompositionWidth, CompositionHeight,
                                 nullptr, nullptr, Instance, nullptr);
    return MainWindow;
}

namespace {

void DeleteDrawingObjects() {
    HGDIOBJ objects[] = {GreenBrush, GreyBrush, YellowBrush, GreenPen,
                         GreyPen,    YellowPen, LightBrush};
    for (HGDIOBJ object : objects)
        if (object) DeleteObject(object);
    GreenBrush = GreyBrush = YellowBrush = LightBrush = nullptr;
    GreenPen = GreyPen = YellowPen = nullptr;
}

// The 640 x 480 composition centred on the screen, the panel its right part.
void PlaceMainWindow() {
    HDC dc = GetDC(MainWindow);
    GeoPoint start = PanelStartPosition(GetDeviceCaps(dc, HORZRES), GetDeviceCaps(dc, VERTRES));
    ReleaseDC(MainWindow, dc);
    SetWindowPos(MainWindow, nullptr, start.X - PanelOffset, start.Y, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER);
    SetWindowPos(MainWindow, nullptr, start.X, start.Y, PanelWidth, PanelHeight, SWP_NOZORDER);
}

} // namespace

int StartUp() {
    SettingsSaved = 0;
    memset(&Test, 0, sizeof Test);
    memset(&SavedExam, 0, sizeof SavedExam);
    SetDefaultOptions();
    LoadOptions();
    if (!LoadQuestionPools()) return 0;
    SelectLanguage();
    GenerateTest(&Test, ClassBasic, timeGetTime());
    LoadLog();

    CreateDrawingObjects();
    CreateTooltipWindow();
    CreateInfoWindow();
    if (!CreateMainWindow()) return 0;
    PostMessageA(MainWindow, MsgShowFirst, 0, 0);
    PlaceMainWindow();
    ShowWindow(MainWindow, SW_SHOWNORMAL);
    PlaceSatellites();
    return 1;
}

void RetargetKey(MSG* message) {
    if (message->message != WM_KEYDOWN && message->message != WM_KEYUP) return;
    HWND target = message->hwnd;
    if (!target) return;
    if (target == ModuleWindows[ModuleTest] || target == ModuleWindows[ModuleOptions] ||
        target == ModuleWindows[ModuleAbout] || target == BorderWindow)
        message->hwnd = MainWindow;
}

int RunMessageLoop() {
    MSG message = {};
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        RetargetKey(&message);
        DispatchMessageA(&message);
    }
    return (int)message.wParam;
}

// Written once per run: at the end of the loop, or earlier when the session
// ends, since then the process is ended without the loop ever finishing.
void SaveSettings() {
    if (SettingsSaved) return;
    SaveOptions();
    SaveLog();
    SettingsSaved = 1;
}

void ShutDown() {
    SaveSettings();
    DeleteDrawingObjects();
}

LRESULT OnQueryEndSession() {
    return TRUE;
}

void OnEndSession(WPARAM ending) {
    if (ending) SaveSettings();
}
