// The floor of the Wine benchmarks: a window program that loads the same
// system DLLs as korvane.exe (each import is used, so the linker keeps it)
// and does nothing else. It shows one 160 x 480 pop-up and answers the
// benchmark's stimuli the cheapest way the same observation can see:
//   WM_KEYDOWN, WM_COMMAND 0x1003   replace the window's "Prop_Text" copy
//   WM_COMMAND 0x1038               the printer dialog, then a one-page job
#include <windows.h>

#include <commctrl.h>
#include <commdlg.h>
#include <shellapi.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

const char ClassName[] = "KorvaneBenchBare";
const WPARAM IdText = 0x1003, IdPrint = 0x1038, IdOpen = 0x100A;

void ReplaceText(HWND window) {
    static unsigned counter;
    char text[32];
    snprintf(text, sizeof text, "%u", ++counter);
    char* copy = (char*)malloc(strlen(text) + 1);
    if (!copy) return;
    strcpy(copy, text);
    char* old = (char*)GetPropA(window, "Prop_Text");
    SetPropA(window, "Prop_Text", copy);
    free(old);
    InvalidateRect(window, nullptr, FALSE);
}

void PrintOnePage(HWND window) {
    PRINTDLGA dialog = {};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = window;
    dialog.Flags = PD_RETURNDC | PD_NOSELECTION | PD_NOPAGENUMS;
    if (!PrintDlgA(&dialog)) return;
    DOCINFOA doc = {};
    doc.cbSize = sizeof doc;
    doc.lpszDocName = "Bare page";
    if (StartDocA(dialog.hDC, &doc) > 0) {
        StartPage(dialog.hDC);
        TextOutA(dialog.hDC, 300, 300, "Bare page", 9);
        EndPage(dialog.hDC);
        EndDoc(dialog.hDC);
    }
    DeleteDC(dialog.hDC);
    if (dialog.hDevMode) GlobalFree(dialog.hDevMode);
    if (dialog.hDevNames) GlobalFree(dialog.hDevNames);
}

LRESULT CALLBACK BareProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(window, &ps);
        FillRect(dc, &ps.rcPaint, (HBRUSH)GetStockObject(BLACK_BRUSH));
        EndPaint(window, &ps);
        return 0;
    }
    case WM_KEYDOWN: ReplaceText(window); return 0;
    case WM_COMMAND:
        if (LOWORD(wParam) == IdText) ReplaceText(window);
        if (LOWORD(wParam) == IdPrint) PrintOnePage(window);
        if (LOWORD(wParam) == IdOpen) ShellExecuteA(nullptr, "open", "about:blank", "", "", 1);
        if (LOWORD(wParam) == 0x1006) PlaySoundA(nullptr, nullptr, 0);
        return 0;
    case WM_DESTROY: PostQuitMessage(0); return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    InitCommonControls();
    // What korvane.exe reads before its window, in kind: the options key and
    // the clock.
    HKEY key;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\Korvane\\Options", 0, KEY_READ, &key) ==
        ERROR_SUCCESS)
        RegCloseKey(key);
    timeGetTime();
    WNDCLASSA wc = {};
    wc.lpfnWndProc = BareProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.lpszClassName = ClassName;
    if (!RegisterClassA(&wc)) return -1;
    HWND window = CreateWindowExA(0, ClassName, "Bare", WS_POPUP, 100, 100, 160, 480, nullptr,
                                  nullptr, instance, nullptr);
    if (!window) return -1;
    ShowWindow(window, SW_SHOWNORMAL);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return 0;
}
