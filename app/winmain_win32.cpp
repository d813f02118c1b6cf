#include "app/messages.h"
#include "app/single_instance_win32.h"
#include "app/startup_win32.h"
#include "app/window_procs_win32.h"
#include "settings/sound_win32.h"
#include "ui/shell_state_win32.h"

#include <commctrl.h>
#include <windows.h>

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR, int) {
    // A second start only brings the running copy forward: each copy would
    // otherwise write back its own log and options over the other's.
    if (!ClaimSingleInstance()) return 0;
    InitCommonControls();
    Instance = instance;
    if (!previous && !RegisterWindowClasses()) return -1;
    if (!StartUp()) return -1;
    PlayResourceSound(SoundStartup);
    int code = RunMessageLoop();
    ShutDown();
    return code;
}
