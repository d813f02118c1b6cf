// What the control tests share: the control classes registered as start-up
// registers them, the shared drawing objects and the tooltip window made by
// start-up's own steps, a parent window that records what its controls tell
// it, real mouse input, face captures, and hooks on the sound and shell calls.
#pragma once

#include "app/startup_win32.h"
#include "app/window_procs_win32.h"
#include "settings/options.h"
#include "settings/strings.h"
#include "tests/support/display_text_win32.h"
#include "tests/support/import_hook_win32.h"
#include "ui/shell_state_win32.h"
#include "ui/skin_win32.h"

#include <gtest/gtest.h>

#include <commctrl.h>
#include <windows.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

namespace uitest {

struct Notice {
    HWND From;
    UINT_PTR Id;
    int Code;
    DWORD Time;
};
struct Command {
    WPARAM WParam;
    LPARAM LParam;
};

inline std::vector<Notice> Notices;
inline std::vector<Command> Commands;
inline std::vector<MSG> Relayed; // TTM_RELAYEVENT records seen by the tooltip
inline WNDPROC TooltipProc;

inline LRESULT CALLBACK ParentProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_NOTIFY: {
        const NMHDR* header = (const NMHDR*)lParam;
        Notices.push_back({header->hwndFrom, header->idFrom, (int)header->code, timeGetTime()});
        return 0;
    }
    case WM_COMMAND: Commands.push_back({wParam, lParam}); return 0;
    case WM_PAINT: {
        PAINTSTRUCT ps;
        BeginPaint(window, &ps);
        EndPaint(window, &ps);
        return 0;
    }
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

inline LRESULT CALLBACK TooltipSpy(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == TTM_RELAYEVENT && lParam) Relayed.push_back(*(const MSG*)lParam);
    return CallWindowProcA(TooltipProc, window, message, wParam, lParam);
}

// ------------------------------------------------------------ sound hooks

// Every sound the program starts, by resource number (nothing is played).
inline std::vector<int> Sounds;
inline BOOL WINAPI CountPlaySound(LPCSTR sound, HMODULE, DWORD flags) {
    if (sound && (flags & SND_RESOURCE) && IS_INTRESOURCE(sound))
        Sounds.push_back((int)(UINT_PTR)sound);
    else if (sound)
        Sounds.push_back(-1);
    return TRUE;
}
inline BOOL WINAPI CountSndPlaySound(LPCSTR sound, UINT) {
    Sounds.push_back(sound ? -1 : 0);
    return TRUE;
}

// --------------------------------------------------------------- the fixture

const int ParentX = 100, ParentY = 100;

inline void RegisterControlClasses() {
    static bool done = false;
    if (done) return;
    done = true;
    struct {
        const char* Name;
        WNDPROC Proc;
        LPCSTR Cursor;
    } const classes[] = {
        {"ZEB_ButtonWindowClass", ButtonWindowProc, IDC_ARROW},
        {"ZEB_DigitWindowClass", DigitWindowProc, IDC_ARROW},
        {"ZEB_LEDWindowClass", LedWindowProc, IDC_ARROW},
        {"ZEB_CheckWindowClass", CheckWindowProc, IDC_ARROW},
        {"ZEB_InfoWindowClass", InfoWindowProc, IDC_ARROW},
        {"ZEB_LinkWindowClass", LinkWindowProc, IDC_HAND},
        {"UiTestParent", ParentProc, IDC_ARROW},
    };
    for (const auto& c : classes) {
        WNDCLASSA wc = {};
        wc.style = CS_HREDRAW | CS_VREDRAW;
        wc.lpfnWndProc = c.Proc;
        wc.hInstance = Instance;
        wc.hCursor = LoadCursorA(nullptr, c.Cursor);
        wc.hbrBackground = (HBRUSH)GetStockObject(NULL_BRUSH);
        wc.lpszClassName = c.Name;
        ASSERT_NE(RegisterClassA(&wc), 0) << c.Name;
    }
}

inline void SetLanguage(int language) {
    CurrentOptions.Language = language;
    SelectLanguage();
}

class ControlTest : public ::testing::Test {
  protected:
    void SetUp() override {
        Instance = GetModuleHandleA(nullptr);
        InitCommonControls();
        RegisterControlClasses();
        if (!LabelFont) CreateDrawingObjects();
        SetDefaultOptions();
        SetLanguage(1);
        if (!TooltipWindow) {
            CreateTooltipWindow();
            ASSERT_NE(TooltipWindow, nullptr);
            TooltipProc =
                (WNDPROC)SetWindowLongPtrA(TooltipWindow, GWLP_WNDPROC, (LONG_PTR)TooltipSpy);
        }
        parent = CreateWindowExA(0, "UiTestParent", "parent", WS_POPUP | WS_VISIBLE, ParentX,
                                 ParentY, 460, 420, nullptr, nullptr, Instance, nullptr);
        ASSERT_NE(parent, nullptr);
        // Start with the pointer well away from the parent.
        MoveTo(5, 5);
        PumpMessages();
        Notices.clear();
        Commands.clear();
        Relayed.clear();
        Sounds.clear();
    }
    void TearDown() override {
        if (GetCapture()) ReleaseCapture();
        if (parent) DestroyWindow(parent);
        PumpMessages();
        SetLanguage(1);
    }

    // Real pointer input at a screen point, then every resulting message.
    static void SendMouse(DWORD flags, int x, int y) {
        INPUT input = {};
        input.type = INPUT_MOUSE;
        int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
        input.mi.dx = (x * 65536 + width - 1) / width;
        input.mi.dy = (y * 65536 + height - 1) / height;
        input.mi.dwFlags = flags | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
        SendInput(1, &input, sizeof input);
        PumpFor(30);
    }
    static void MoveTo(int x, int y) { SendMouse(0, x, y); }
    // Client point of the parent window.
    void MoveToClient(int x, int y) { MoveTo(ParentX + x, ParentY + y); }
    void PressAt(int x, int y) { SendMouse(MOUSEEVENTF_LEFTDOWN, ParentX + x, ParentY + y); }
    void ReleaseAt(int x, int y) { SendMouse(MOUSEEVENTF_LEFTUP, ParentX + x, ParentY + y); }
    void RightPressAt(int x, int y) { SendMouse(MOUSEEVENTF_RIGHTDOWN, ParentX + x, ParentY + y); }
    void RightReleaseAt(int x, int y) { SendMouse(MOUSEEVENTF_RIGHTUP, ParentX + x, ParentY + y); }

    static std::vector<int> CodesFrom(HWND control) {
        std::vector<int> codes;
        for (const Notice& n : Notices)
            if (n.From == control) codes.push_back(n.Code);
        return codes;
    }

    HWND parent = nullptr;
};

// ------------------------------------------------------------------ pixels

// Pixels as 0x00RRGGBB, row by row from the top.
struct Pixels {
    int Width = 0, Height = 0;
    std::vector<DWORD> Data;
    DWORD At(int x, int y) const { return Data[(size_t)y * Width + x]; }
    bool operator==(const Pixels& other) const {
        return Width == other.Width && Height == other.Height && Data == other.Data;
    }
};

// What draw paints into a 32-bit canvas of the given size filled with
// background.
template <typename Draw> Pixels PaintCanvas(int width, int height, DWORD background, Draw draw) {
    Pixels result;
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    DWORD* bits = nullptr;
    HBITMAP canvas = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, (void**)&bits, nullptr, 0);
    if (!canvas) return result;
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ previous = SelectObject(dc, canvas);
    std::fill(bits, bits + width * height, background);
    draw(dc);
    GdiFlush();
    result.Width = width;
    result.Height = height;
    result.Data.assign(bits, bits + width * height);
    SelectObject(dc, previous);
    DeleteDC(dc);
    DeleteObject(canvas);
    return result;
}

// What a window paints of its client area on WM_PRINTCLIENT.
inline Pixels CaptureClient(HWND window, DWORD background = 0x00FF00FF) {
    RECT client;
    GetClientRect(window, &client);
    return PaintCanvas(client.right, client.bottom, background, [window](HDC dc) {
        SendMessageA(window, WM_PRINTCLIENT, (WPARAM)dc, PRF_CLIENT);
    });
}

// The pixels of a bitmap object, copied without the code under test.
inline Pixels BitmapPixels(HBITMAP bitmap) {
    BITMAP info;
    if (!bitmap || !GetObjectA(bitmap, sizeof info, &info)) return Pixels();
    return PaintCanvas(info.bmWidth, info.bmHeight, 0, [&](HDC dc) {
        HDC source = CreateCompatibleDC(nullptr);
        HGDIOBJ previous = SelectObject(source, bitmap);
        BitBlt(dc, 0, 0, info.bmWidth, info.bmHeight, source, 0, 0, SRCCOPY);
        SelectObject(source, previous);
        DeleteDC(source);
    });
}

// A bitmap resource read straight from the program, for comparison.
inline Pixels ResourcePixels(int number) {
    HBITMAP bitmap = (HBITMAP)LoadImageA(Instance, MAKEINTRESOURCEA(number), IMAGE_BITMAP, 0, 0,
                                         LR_CREATEDIBSECTION);
    Pixels result = BitmapPixels(bitmap);
    if (bitmap) DeleteObject(bitmap);
    return result;
}

// ------------------------------------------------------------ text records

// One text output as an enhanced metafile records it.
struct TextRecord {
    int X, Y;        // reference point
    RECT Clip;       // the rectangle passed with the output
    COLORREF Colour; // text colour in force
    std::string Text;
};
struct Recording {
    std::vector<TextRecord> Texts;
    int TransparentModes = 0;
    std::vector<LOGFONTW> Fonts; // every font the drawing created
};

inline int CALLBACK CollectRecord(HDC, HANDLETABLE*, const ENHMETARECORD* record, int,
                                  LPARAM data) {
    Recording* rec = (Recording*)data;
    static COLORREF colour;
    switch (record->iType) {
    case EMR_HEADER: colour = 0; break;
    case EMR_SETTEXTCOLOR: colour = ((const EMRSETTEXTCOLOR*)record)->crColor; break;
    case EMR_SETBKMODE:
        if (((const EMRSETBKMODE*)record)->iMode == TRANSPARENT) ++rec->TransparentModes;
        break;
    case EMR_EXTCREATEFONTINDIRECTW:
        rec->Fonts.push_back(((const EMREXTCREATEFONTINDIRECTW*)record)->elfw.elfLogFont);
        break;
    case EMR_EXTTEXTOUTW: {
        const EMREXTTEXTOUTW* out = (const EMREXTTEXTOUTW*)record;
        TextRecord t;
        t.X = out->emrtext.ptlReference.x;
        t.Y = out->emrtext.ptlReference.y;
        t.Clip = {out->emrtext.rcl.left, out->emrtext.rcl.top, out->emrtext.rcl.right,
                  out->emrtext.rcl.bottom};
        t.Colour = colour;
        const WCHAR* chars = (const WCHAR*)((const BYTE*)record + out->emrtext.offString);
        for (DWORD i = 0; i < out->emrtext.nChars; ++i)
            t.Text += (char)chars[i];
        rec->Texts.push_back(t);
        break;
    }
    }
    return 1;
}

// Records what a window paints on WM_PRINTCLIENT, or what draw paints.
template <typename Draw> Recording RecordDrawing(Draw draw) {
    HDC screen = GetDC(nullptr);
    HDC dc = CreateEnhMetaFileA(screen, nullptr, nullptr, nullptr);
    ReleaseDC(nullptr, screen);
    draw(dc);
    HENHMETAFILE file = CloseEnhMetaFile(dc);
    Recording recording;
    EnumEnhMetaFile(nullptr, file, CollectRecord, &recording, nullptr);
    DeleteEnhMetaFile(file);
    return recording;
}
inline Recording RecordPrint(HWND window) {
    return RecordDrawing(
        [window](HDC dc) { SendMessageA(window, WM_PRINTCLIENT, (WPARAM)dc, PRF_CLIENT); });
}

} // namespace uitest
