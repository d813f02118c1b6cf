// The measuring side of the Wine benchmarks: starts programs and stimulates
// running ones from outside, in the same prefix, timing with the performance
// counter. korvane.exe and the bare window are always measured in turn, one
// run each, so that both see the same load on the machine. One line per run:
//   start <runs> <class> <exe> [<class> <exe> ...]
//       start <n> <ms to the window visible> <ms to input idle>, n the pair's
//       place on the command line; the programs start in turn, run by run
//   keys <runs>      key <k|b> <ms from the posted key to the last display's new text>
//   switches <runs>  switch <k|b> <ms from the posted command to the last window reloaded>
//   post <class> <id>        posts WM_COMMAND id to the window of that class
//   dialogcommand <title> <id>  posts WM_COMMAND id to the visible dialog of that title
// A switch has ended when every window has handled its language-changed
// message, seen in the last one it is posted to (the options module's last
// check box replaces its label copy), and every visible window of the
// program but the lamps holds a face bitmap it did not hold before: a face
// loaded when it is painted counts only once it has been loaded.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

const char KorvaneClass[] = "ZEB_MainWindowClass";
const char BareClass[] = "KorvaneBenchBare";

double Now() {
    static LARGE_INTEGER frequency;
    if (!frequency.QuadPart) QueryPerformanceFrequency(&frequency);
    LARGE_INTEGER t;
    QueryPerformanceCounter(&t);
    return (double)t.QuadPart * 1000.0 / (double)frequency.QuadPart;
}

struct IdleWait {
    HANDLE Process;
    double At;
};

DWORD WINAPI WaitIdle(void* data) {
    IdleWait* wait = (IdleWait*)data;
    WaitForInputIdle(wait->Process, 20000);
    wait->At = Now();
    return 0;
}

HWND VisibleWindow(const char* className, DWORD pid) {
    HWND w = FindWindowA(className, nullptr);
    if (!w || !IsWindowVisible(w)) return nullptr;
    DWORD owner = 0;
    GetWindowThreadProcessId(w, &owner);
    return owner == pid ? w : nullptr;
}

void StartOnce(int tag, const char* exe, const char* className) {
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi = {};
    char command[MAX_PATH + 2];
    snprintf(command, sizeof command, "\"%s\"", exe);
    double start = Now();
    if (!CreateProcessA(exe, command, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) {
        printf("error cannot start %s\n", exe);
        return;
    }
    IdleWait wait = {pi.hProcess, 0};
    HANDLE waiter = CreateThread(nullptr, 0, WaitIdle, &wait, 0, nullptr);
    double visible = -1;
    while (Now() - start < 20000) {
        if (VisibleWindow(className, pi.dwProcessId)) {
            visible = Now() - start;
            break;
        }
        SwitchToThread();
    }
    WaitForSingleObject(waiter, 30000);
    CloseHandle(waiter);
    printf("start %d %.2f %.2f\n", tag, visible, wait.At - start);
    fflush(stdout);
    TerminateProcess(pi.hProcess, 0);
    WaitForSingleObject(pi.hProcess, 10000);
    CloseHandle(pi.hProcess);
    CloseHandle(pi.hThread);
    Sleep(100);
}

// Posts, then spins until the watched window's "Prop_Text" points elsewhere:
// the receiver has replaced its text copy.
double PostAndWatch(HWND target, UINT message, WPARAM wParam, HWND watched) {
    HANDLE before = GetPropA(watched, "Prop_Text");
    double start = Now();
    PostMessageA(target, message, wParam, 0);
    while (GetPropA(watched, "Prop_Text") == before) {
        if (Now() - start > 5000) return -1;
        SwitchToThread();
    }
    return Now() - start;
}

HWND Child(HWND parent, int id) {
    return parent ? GetDlgItem(parent, id) : nullptr;
}

void Keys(int runs) {
    HWND main = FindWindowA(KorvaneClass, nullptr);
    HWND lastDisplay = Child(FindWindowA("ZEB_TestWindowClass", nullptr), 0x1029);
    HWND bare = FindWindowA(BareClass, nullptr);
    if (!main || !lastDisplay || !bare) {
        printf("error windows not found\n");
        return;
    }
    for (int i = 0; i < runs; ++i) {
        // Down, then Up: the display changes every time.
        WPARAM key = i % 2 ? VK_UP : VK_DOWN;
        printf("key k %.3f\n", PostAndWatch(main, WM_KEYDOWN, key, lastDisplay));
        printf("key b %.3f\n", PostAndWatch(bare, WM_KEYDOWN, key, bare));
        fflush(stdout);
        Sleep(30);
    }
}

// The face properties of a skinned window.
const char* const FaceProps[] = {"Prop_Bitmap", "Prop_Bmp1", "Prop_Bmp2", "Prop_Bmp3"};
const int FaceCount = 4;

// A visible window of the program and the faces it held before a switch.
struct Watched {
    HWND Window;
    HANDLE Before[FaceCount];
};
Watched WatchList[256];
int WatchCount;
DWORD WatchPid;

void AddWatched(HWND window) {
    if (WatchCount >= (int)(sizeof WatchList / sizeof WatchList[0]) || !IsWindowVisible(window))
        return;
    // The lamps' faces have no language variant: a switch leaves them.
    char className[64];
    if (GetClassNameA(window, className, sizeof className) &&
        strcmp(className, "ZEB_LEDWindowClass") == 0)
        return;
    Watched w = {window, {}};
    int any = 0;
    for (int i = 0; i < FaceCount; ++i) {
        w.Before[i] = GetPropA(window, FaceProps[i]);
        any |= w.Before[i] != nullptr;
    }
    // A window without a face (a check box, a link) has nothing to reload.
    if (any) WatchList[WatchCount++] = w;
}

BOOL CALLBACK WatchChild(HWND window, LPARAM) {
    AddWatched(window);
    return TRUE;
}

BOOL CALLBACK WatchTopLevel(HWND window, LPARAM) {
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    if (pid == WatchPid && IsWindowVisible(window)) {
        AddWatched(window);
        EnumChildWindows(window, WatchChild, 0);
    }
    return TRUE;
}

int HasNewFace(const Watched& w) {
    for (int i = 0; i < FaceCount; ++i) {
        HANDLE face = GetPropA(w.Window, FaceProps[i]);
        if (!face) continue;
        int seen = 0;
        for (int j = 0; j < FaceCount; ++j)
            seen |= face == w.Before[j];
        if (!seen) return 1;
    }
    return 0;
}

// The language command posted to the program; ms until every window has
// reloaded, or -1.
double SwitchAndWatch(HWND main, HWND lastCheck) {
    WatchCount = 0;
    GetWindowThreadProcessId(main, &WatchPid);
    EnumWindows(WatchTopLevel, 0);
    HANDLE label = GetPropA(lastCheck, "Prop_Text");
    double start = Now();
    PostMessageA(main, WM_COMMAND, 0x1003, 0);
    while (GetPropA(lastCheck, "Prop_Text") == label) {
        if (Now() - start > 5000) return -1;
        SwitchToThread();
    }
    // Windows in turn: each read of another process's property goes through
    // the Wine server, which the program needs as well.
    for (int i = 0; i < WatchCount; ++i)
        while (!HasNewFace(WatchList[i])) {
            if (Now() - start > 5000) {
                printf("stuck window %d of %d, id 0x%x\n", i, WatchCount,
                       GetDlgCtrlID(WatchList[i].Window));
                return -1;
            }
            SwitchToThread();
        }
    return Now() - start;
}

void Switches(int runs) {
    HWND main = FindWindowA(KorvaneClass, nullptr);
    HWND lastCheck = Child(FindWindowA("ZEB_OptionWindowClass", nullptr), 0x1102);
    HWND bare = FindWindowA(BareClass, nullptr);
    if (!main || !lastCheck || !bare) {
        printf("error windows not found\n");
        return;
    }
    for (int i = 0; i < runs; ++i) {
        printf("switch k %.3f\n", SwitchAndWatch(main, lastCheck));
        printf("switch b %.3f\n", PostAndWatch(bare, WM_COMMAND, 0x1003, bare));
        fflush(stdout);
        // Let the repaints of the switch pass before the next one.
        Sleep(100);
    }
}

} // namespace

int main(int argc, char** argv) {
    if (argc >= 5 && strcmp(argv[1], "start") == 0) {
        int runs = atoi(argv[2]);
        for (int i = 0; i < runs; ++i)
            for (int j = 3; j + 1 < argc; j += 2)
                StartOnce((j - 3) / 2, argv[j + 1], argv[j]);
    } else if (argc >= 3 && strcmp(argv[1], "keys") == 0) {
        Keys(atoi(argv[2]));
    } else if (argc >= 3 && strcmp(argv[1], "switches") == 0) {
        Switches(atoi(argv[2]));
    } else if (argc >= 4 && strcmp(argv[1], "post") == 0) {
        PostMessageA(FindWindowA(argv[2], nullptr), WM_COMMAND, strtol(argv[3], nullptr, 0), 0);
    } else if (argc >= 4 && strcmp(argv[1], "dialogcommand") == 0) {
        HWND dialog = FindWindowA("#32770", argv[2]);
        printf("dialog %d\n", dialog ? 1 : 0);
        PostMessageA(dialog, WM_COMMAND, strtol(argv[3], nullptr, 0), 0);
    } else {
        printf("error usage\n");
        return 2;
    }
    return 0;
}
