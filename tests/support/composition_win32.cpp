#include "tests/support/composition_win32.h"

#include "app/startup_win32.h"
#include "app/window_procs_win32.h"
#include "bank/pool_resources.h"
#include "ui/shell_state_win32.h"

#include <gtest/gtest.h>

#include <commctrl.h>

void RegisterShellClasses() {
    static bool done = false;
    if (done) return;
    done = true;
    InitCommonControls();
    Instance = GetModuleHandleA(nullptr);
    ASSERT_EQ(RegisterWindowClasses(), 1);
}

void CreateSharedWindows() {
    ASSERT_NO_FATAL_FAILURE(RegisterShellClasses());
    ASSERT_EQ(LoadQuestionPools(), 1);
    CreateDrawingObjects();
    CreateTooltipWindow();
    CreateInfoWindow();
}

void OpenMainWindow() {
    ASSERT_NE(CreateMainWindow(), nullptr);
    SetWindowPos(MainWindow, nullptr, 600, 150, 160, 480, SWP_NOZORDER);
    ShowWindow(MainWindow, SW_SHOWNORMAL);
}

std::vector<unsigned char> BitmapBytes(HBITMAP bitmap) {
    BITMAP info = {};
    if (!GetObjectA(bitmap, sizeof info, &info)) return {};
    std::vector<unsigned char> bytes((size_t)info.bmWidthBytes * info.bmHeight);
    GetBitmapBits(bitmap, (LONG)bytes.size(), bytes.data());
    return bytes;
}

std::vector<unsigned char> ResourceBitmapBytes(int number) {
    HBITMAP bitmap = LoadBitmapA(Instance, MAKEINTRESOURCEA(number));
    std::vector<unsigned char> bytes = BitmapBytes(bitmap);
    DeleteObject(bitmap);
    return bytes;
}
