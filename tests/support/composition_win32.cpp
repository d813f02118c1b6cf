#include "tests/support/composition_win32.h"

#include "app/startup_win32.h"
#include "app/window_procs_win32.h"
#include "bank/pool_resources.h"
#include "ui/shell_state_win32.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <cstring>

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

std::vector<unsigned> BitmapPixels(HBITMAP bitmap, int* width, int* height) {
    BITMAP info = {};
    if (!bitmap || !GetObjectA(bitmap, sizeof info, &info)) return {};
    BITMAPINFO header = {};
    header.bmiHeader.biSize = sizeof header.bmiHeader;
    header.bmiHeader.biWidth = info.bmWidth;
    header.bmiHeader.biHeight = -info.bmHeight;
    header.bmiHeader.biPlanes = 1;
    header.bmiHeader.biBitCount = 32;
    std::vector<unsigned> bits((size_t)info.bmWidth * info.bmHeight);
    HDC dc = GetDC(nullptr);
    int lines = GetDIBits(dc, bitmap, 0, info.bmHeight, bits.data(), &header, DIB_RGB_COLORS);
    ReleaseDC(nullptr, dc);
    if (lines != info.bmHeight) return {};
    if (width) *width = info.bmWidth;
    if (height) *height = info.bmHeight;
    return bits;
}

std::vector<unsigned char> BitmapBytes(HBITMAP bitmap) {
    // Size first, then 32-bit pixels top-down: the same picture reads the
    // same whether it is held in the screen's format or as a DIB section.
    int width = 0, height = 0;
    std::vector<unsigned> pixels = BitmapPixels(bitmap, &width, &height);
    if (pixels.empty()) return {};
    std::vector<unsigned char> bytes(8 + pixels.size() * 4);
    memcpy(bytes.data(), &width, 4);
    memcpy(bytes.data() + 4, &height, 4);
    memcpy(bytes.data() + 8, pixels.data(), pixels.size() * 4);
    return bytes;
}

std::vector<unsigned char> ResourceBitmapBytes(int number) {
    HBITMAP bitmap = LoadBitmapA(Instance, MAKEINTRESOURCEA(number));
    std::vector<unsigned char> bytes = BitmapBytes(bitmap);
    DeleteObject(bitmap);
    return bytes;
}
