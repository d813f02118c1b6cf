// Where start-up's time goes: the program's own start-up steps run in order,
// in-process, each timed with the performance counter, with the bitmaps
// loaded, tooltip tools registered and windows created during each. Then the
// first paint (the queue run until empty), and two language switches, each
// run until every window has reloaded and repainted, in parts and whole. One
// line per step:
//   step <name> <ms> <bitmaps> <tools> <windows> <ms loading bitmaps> <ms adding tools>
#include "app/geometry.h"
#include "app/messages.h"
#include "app/place_win32.h"
#include "app/startup_win32.h"
#include "app/window_procs_win32.h"
#include "bank/exam_class.h"
#include "bank/pool_resources.h"
#include "engine/test_state.h"
#include "log/results_log_win32.h"
#include "settings/language_win32.h"
#include "settings/options.h"
#include "settings/options_store_win32.h"
#include "settings/sound_win32.h"
#include "settings/strings.h"
#include "tests/support/import_hook_win32.h"
#include "ui/shell_state_win32.h"

#include <commctrl.h>
#include <windows.h>

#include <cstdio>
#include <cstring>

namespace {

int Bitmaps, Tools, Windows;
double BitmapMs, ToolMs;
double Now();

decltype(&LoadBitmapA) RealLoadBitmap;
decltype(&LoadImageA) RealLoadImage;
decltype(&SendMessageA) RealSendMessage;
decltype(&CreateWindowExA) RealCreateWindow;

HBITMAP WINAPI CountLoadBitmap(HINSTANCE instance, LPCSTR name) {
    ++Bitmaps;
    double start = Now();
    HBITMAP bitmap = RealLoadBitmap(instance, name);
    BitmapMs += Now() - start;
    return bitmap;
}

HANDLE WINAPI CountLoadImage(HINSTANCE instance, LPCSTR name, UINT type, int w, int h, UINT flags) {
    if (type != IMAGE_BITMAP) return RealLoadImage(instance, name, type, w, h, flags);
    ++Bitmaps;
    double start = Now();
    HANDLE bitmap = RealLoadImage(instance, name, type, w, h, flags);
    BitmapMs += Now() - start;
    return bitmap;
}

LRESULT WINAPI CountSendMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != TTM_ADDTOOLA || window != TooltipWindow)
        return RealSendMessage(window, message, wParam, lParam);
    ++Tools;
    double start = Now();
    LRESULT result = RealSendMessage(window, message, wParam, lParam);
    ToolMs += Now() - start;
    return result;
}

HWND WINAPI CountCreateWindow(DWORD exStyle, LPCSTR className, LPCSTR title, DWORD style, int x,
                              int y, int w, int h, HWND parent, HMENU menu, HINSTANCE instance,
                              LPVOID param) {
    ++Windows;
    return RealCreateWindow(exStyle, className, title, style, x, y, w, h, parent, menu, instance,
                            param);
}

double Now() {
    static LARGE_INTEGER frequency;
    if (!frequency.QuadPart) QueryPerformanceFrequency(&frequency);
    LARGE_INTEGER t;
    QueryPerformanceCounter(&t);
    return (double)t.QuadPart * 1000.0 / (double)frequency.QuadPart;
}

double StepStart, BitmapMsAt, ToolMsAt;
int BitmapsAt, ToolsAt, WindowsAt;

void Begin() {
    BitmapsAt = Bitmaps;
    ToolsAt = Tools;
    WindowsAt = Windows;
    BitmapMsAt = BitmapMs;
    ToolMsAt = ToolMs;
    StepStart = Now();
}

void End(const char* name) {
    double ms = Now() - StepStart;
    printf("step %s %.3f %d %d %d %.3f %.3f\n", name, ms, Bitmaps - BitmapsAt, Tools - ToolsAt,
           Windows - WindowsAt, BitmapMs - BitmapMsAt, ToolMs - ToolMsAt);
    // With KORVANE_STEP_MARKS set, the end of each step shows in a trace of
    // the Wine server's requests as a look-up of an atom named after it.
    static const int marks = GetEnvironmentVariableA("KORVANE_STEP_MARKS", nullptr, 0) != 0;
    if (marks) GlobalFindAtomA(name);
}

// The loop's dispatch until nothing is left, paints included; with
// PM_QS_POSTMESSAGE, only until no posted message is left.
void RunUntilIdle(UINT which = 0) {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE | which)) {
        TranslateMessage(&message);
        RetargetKey(&message);
        DispatchMessageA(&message);
    }
}

} // namespace

int main() {
    // Faces are loaded with one or the other, depending on the build.
    RealLoadBitmap =
        (decltype(RealLoadBitmap))HookImport("user32.dll", "LoadBitmapA", (void*)CountLoadBitmap);
    RealLoadImage =
        (decltype(RealLoadImage))HookImport("user32.dll", "LoadImageA", (void*)CountLoadImage);
    RealSendMessage = (decltype(RealSendMessage))HookImport("user32.dll", "SendMessageA",
                                                            (void*)CountSendMessage);
    RealCreateWindow = (decltype(RealCreateWindow))HookImport("user32.dll", "CreateWindowExA",
                                                              (void*)CountCreateWindow);
    if ((!RealLoadBitmap && !RealLoadImage) || !RealSendMessage || !RealCreateWindow) {
        printf("error imports not found\n");
        return 2;
    }
    double start = Now();
    Begin();
    InitCommonControls();
    End("common-controls");
    Instance = GetModuleHandleA(nullptr);
    Begin();
    if (!RegisterWindowClasses()) return 1;
    End("classes");
    Begin();
    memset(&Test, 0, sizeof Test);
    SetDefaultOptions();
    LoadOptions();
    End("options");
    Begin();
    if (!LoadQuestionPools()) return 1;
    End("pools");
    Begin();
    SelectLanguage();
    End("language");
    Begin();
    GenerateTest(&Test, ClassBasic, timeGetTime());
    End("first-test");
    Begin();
    LoadLog();
    End("log");
    Begin();
    CreateDrawingObjects();
    End("drawing-objects");
    Begin();
    CreateTooltipWindow();
    End("tooltip-window");
    Begin();
    CreateInfoWindow();
    End("info-window");
    Begin();
    if (!CreateMainWindow()) return 1;
    End("main-window");
    Begin();
    PostMessageA(MainWindow, MsgShowFirst, 0, 0);
    HDC dc = GetDC(MainWindow);
    GeoPoint at = PanelStartPosition(GetDeviceCaps(dc, HORZRES), GetDeviceCaps(dc, VERTRES));
    ReleaseDC(MainWindow, dc);
    SetWindowPos(MainWindow, nullptr, at.X - PanelOffset, at.Y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    SetWindowPos(MainWindow, nullptr, at.X, at.Y, PanelWidth, PanelHeight, SWP_NOZORDER);
    ShowWindow(MainWindow, SW_SHOWNORMAL);
    PlaceSatellites();
    End("place-and-show");
    Begin();
    PlayResourceSound(SoundStartup);
    End("start-up-sound");
    Begin();
    RunUntilIdle();
    End("first-question-and-paint");
    printf("step total %.3f %d %d %d %.3f %.3f\n", Now() - start, Bitmaps, Tools, Windows, BitmapMs,
           ToolMs);

    // The language switch, with the test module shown as a user sees it.
    SendMessageA(MainWindow, WM_COMMAND, IdTestModule, 0);
    RunUntilIdle();
    // Each switch in three parts: the command itself, the posted
    // language-changed messages, then the repaints they cause.
    for (int i = 0; i < 2; ++i) {
        double switchStart = Now();
        int bitmapsAt = Bitmaps;
        double bitmapMsAt = BitmapMs;
        Begin();
        SwitchLanguage();
        End(i ? "back-command" : "switch-command");
        Begin();
        RunUntilIdle(PM_QS_POSTMESSAGE | PM_QS_SENDMESSAGE);
        End(i ? "back-messages" : "switch-messages");
        Begin();
        RunUntilIdle();
        End(i ? "back-repaint" : "switch-repaint");
        printf("step %s %.3f %d 0 0 %.3f 0\n", i ? "switch-back" : "switch", Now() - switchStart,
               Bitmaps - bitmapsAt, BitmapMs - bitmapMsAt);
    }
    fflush(stdout);
    DestroyWindow(MainWindow);
    return 0;
}
