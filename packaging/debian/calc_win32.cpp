// calc.exe of the private Wine prefix that /usr/bin/korvane keeps: the
// program's calculator key runs "Calc.exe", and a Wine prefix has none. This
// one opens the desktop's own calculator through Wine's start.exe, which can
// start a native program.
#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    char command[] = "start.exe /unix /usr/libexec/korvane/korvane-calculator";
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessA(nullptr, command, nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr,
                        nullptr, &startup, &process))
        return 1;
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return 0;
}
