#include "app/single_instance_win32.h"

#include <windows.h>

namespace {

// In the session namespace, beside the main window's class that a second start
// looks for. The first start creates the mutex owning it; creation is atomic,
// so of two starts in the same instant exactly one becomes the owner.
const char InstanceMutexName[] = "Local\\ZEB_MainWindowClass.Instance";
const char MainClassName[] = "ZEB_MainWindowClass";

// How long a second start waits for the first one's composition to show (it is
// created hidden and shown once placed) before it gives up.
enum { ShowWaitMs = 10000, PollMs = 50 };

void BringToFront(HWND main) {
    // The border and the module are owned by the panel: they follow it, also
    // out of the minimised state.
    if (IsIconic(main)) ShowWindow(main, SW_RESTORE);
    SetForegroundWindow(main);
    SetWindowPos(main, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

} // namespace

int ClaimSingleInstance() {
    // Never closed by the owner: it holds the mutex until the process ends.
    HANDLE mutex = CreateMutexA(nullptr, TRUE, InstanceMutexName);
    if (!mutex) return 1; // no way to tell: start as before
    if (GetLastError() != ERROR_ALREADY_EXISTS) return 1;

    DWORD start = GetTickCount();
    while (GetTickCount() - start < ShowWaitMs) {
        HWND main = FindWindowA(MainClassName, nullptr);
        if (main && IsWindowVisible(main)) {
            BringToFront(main);
            CloseHandle(mutex);
            return 0;
        }
        // The other copy may be quitting (its window gone, its settings being
        // written): once it has ended, this one is the only one and starts.
        DWORD waited = WaitForSingleObject(mutex, PollMs);
        if (waited == WAIT_OBJECT_0 || waited == WAIT_ABANDONED) return 1;
    }
    CloseHandle(mutex);
    return 0;
}
