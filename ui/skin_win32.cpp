#include "ui/skin_win32.h"

#include "settings/options.h"
#include "settings/strings.h"
#include "ui/shell_state_win32.h"

#include <commctrl.h>

#include <cstdlib>
#include <cstring>

// ---------------------------------------------------------------- properties

int GetPropInt(HWND window, const char* name) {
    return (int)(INT_PTR)GetPropA(window, name);
}

void SetPropInt(HWND window, const char* name, int value) {
    SetPropA(window, name, (HANDLE)(INT_PTR)value);
}

void SetPropString(HWND window, const char* name, const char* text) {
    char* old = (char*)GetPropA(window, name);
    char* copy = nullptr;
    if (text) {
        size_t size = strlen(text) + 1;
        copy = (char*)malloc(size);
        if (copy) memcpy(copy, text, size);
    }
    // A copy that could not be made leaves the property empty, not stale.
    if (copy)
        SetPropA(window, name, copy);
    else
        RemovePropA(window, name);
    free(old);
}

const char* GetPropString(HWND window, const char* name) {
    return (const char*)GetPropA(window, name);
}

void FreePropString(HWND window, const char* name) {
    free(RemovePropA(window, name));
}

HBITMAP GetPropBitmap(HWND window, const char* name) {
    return (HBITMAP)GetPropA(window, name);
}

void SetPropBitmap(HWND window, const char* name, HBITMAP bitmap) {
    // Removing answers the old bitmap at once: one call where reading it
    // first would take two (each a round trip to the window manager on some
    // platforms, and a language change does it for every face).
    HBITMAP old = bitmap ? (HBITMAP)GetPropA(window, name) : (HBITMAP)RemovePropA(window, name);
    if (bitmap) SetPropA(window, name, bitmap);
    if (old && old != bitmap) DeleteObject(old);
}

void ReleaseSkinProps(HWND window) {
    static const char* const bitmaps[] = {"Prop_Bitmap", "Prop_Bmp1", "Prop_Bmp2", "Prop_Bmp3"};
    static const char* const strings[] = {"Prop_Text", "Prop_HelpText"};
    static const char* const integers[] = {
        "Prop_ResID1", "Prop_ResID2", "Prop_ResID3",   "Prop_ResID4",    "Prop_Over",
        "Prop_Down",   "Prop_Active", "Prop_Sequence", "Prop_Corner",    "Prop_Link",
        "Prop_Moving", "Prop_MouseX", "Prop_MouseY",   "Prop_Answering", "Prop_Index"};
    for (const char* name : bitmaps)
        SetPropBitmap(window, name, nullptr);
    for (const char* name : strings)
        FreePropString(window, name);
    for (const char* name : integers)
        RemovePropA(window, name);
}

// ------------------------------------------------------------------- drawing

// A face as a DIB section, a copy of the resource's own bits. A bitmap made
// for the screen's format costs a conversion when it is loaded and, on some
// platforms, a round trip each time it is selected to be drawn: several
// times what loading and drawing the copy costs. The pixels on the screen
// are the same.
static HBITMAP LoadFaceResource(int resource) {
    return (HBITMAP)LoadImageA(Instance, MAKEINTRESOURCEA(resource), IMAGE_BITMAP, 0, 0,
                               LR_CREATEDIBSECTION);
}

HBITMAP LoadSkinBitmap(int number) {
    // French faces sit at the next resource number.
    int resource = number + (CurrentOptions.Language == 2 ? 1 : 0);
    return LoadFaceResource(resource);
}

HBITMAP SkinFace(HWND window, const char* bitmapProp, const char* resourceProp) {
    HBITMAP face = GetPropBitmap(window, bitmapProp);
    if (face) return face;
    int number = GetPropInt(window, resourceProp);
    face = number ? LoadSkinBitmap(number) : nullptr;
    if (face) SetPropA(window, bitmapProp, face);
    return face;
}

void DrawBitmapAt(HDC dc, HBITMAP bitmap, int x, int y) {
    BITMAP info;
    if (!bitmap || !GetObjectA(bitmap, sizeof info, &info)) return;
    HDC memory = CreateCompatibleDC(dc);
    if (!memory) return;
    HGDIOBJ previous = SelectObject(memory, bitmap);
    BitBlt(dc, x, y, info.bmWidth, info.bmHeight, memory, 0, 0, SRCCOPY);
    SelectObject(memory, previous);
    DeleteDC(memory);
}

void DrawShadowText(HDC dc, const RECT* rect, const char* text, UINT format) {
    if (!rect || !text) return;
    // DrawTextA wants a writable rectangle; the caller's stays as it was.
    RECT shadow = *rect;
    OffsetRect(&shadow, 2, 2);
    RECT face = *rect;
    HGDIOBJ previousFont = SelectObject(dc, LabelFont);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GreyColour);
    DrawTextA(dc, text, -1, &shadow, format);
    SetTextColor(dc, GreenColour);
    DrawTextA(dc, text, -1, &face, format);
    SelectObject(dc, previousFont);
}

LRESULT PaintWith(HWND window, UINT message, WPARAM wParam, PaintRoutine paint) {
    if (message == WM_PRINTCLIENT) {
        paint(window, (HDC)wParam);
        return 0;
    }
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(window, &ps);
    if (dc) paint(window, dc);
    EndPaint(window, &ps);
    return 0;
}

HBITMAP WindowFace(HWND window, int number, int byLanguage) {
    HBITMAP face = GetPropBitmap(window, "Prop_Bitmap");
    if (face) return face;
    face = byLanguage ? LoadSkinBitmap(number) : LoadFaceResource(number);
    if (face) SetPropA(window, "Prop_Bitmap", face);
    return face;
}

LRESULT PaintFace(HWND window, UINT message, WPARAM wParam, int number, int byLanguage) {
    HBITMAP face = WindowFace(window, number, byLanguage);
    if (message == WM_PRINTCLIENT) {
        DrawBitmapAt((HDC)wParam, face, 0, 0);
        return 0;
    }
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(window, &ps);
    if (dc) DrawBitmapAt(dc, face, 0, 0);
    EndPaint(window, &ps);
    return 0;
}

void ReloadFace(HWND window) {
    SetPropBitmap(window, "Prop_Bitmap", nullptr);
    RepaintIfShown(window);
}

void RepaintIfShown(HWND window) {
    if (IsWindowVisible(window)) InvalidateRect(window, nullptr, FALSE);
}

// ----------------------------------------------------------------- messaging

LRESULT NotifyParent(HWND control, int code) {
    NMHDR header;
    header.hwndFrom = control;
    header.idFrom = (UINT_PTR)GetDlgCtrlID(control);
    header.code = (UINT)code;
    return SendMessageA(GetParent(control), WM_NOTIFY, header.idFrom, (LPARAM)&header);
}

void RelayToTooltip(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
    if (!TooltipWindow) return;
    MSG relayed = {};
    relayed.hwnd = control;
    relayed.message = message;
    relayed.wParam = wParam;
    relayed.lParam = lParam;
    // Both halves unsigned: a captured point left of the control is 65535.
    relayed.pt.x = (LONG)(lParam & 0xFFFF);
    relayed.pt.y = (LONG)((lParam >> 16) & 0xFFFF);
    SendMessageA(TooltipWindow, TTM_RELAYEVENT, 0, (LPARAM)&relayed);
}

// ------------------------------------------------------------------ creation

static HWND CreateChild(const char* className, HWND parent, int id, DWORD style, int x, int y,
                        int w, int h) {
    return CreateWindowExA(0, className, "", WS_CHILD | WS_VISIBLE | style, x, y, w, h, parent,
                           (HMENU)(INT_PTR)id, Instance, nullptr);
}

HWND CreateSkinButton(HWND parent, int id, DWORD style, int x, int y, int w, int h, int normal,
                      int over, int pressed, int tooltipSlot) {
    HWND button = CreateChild("ZEB_ButtonWindowClass", parent, id, style, x, y, w, h);
    if (!button) return nullptr;
    SetPropInt(button, "Prop_ResID1", normal);
    SetPropInt(button, "Prop_ResID2", over);
    SetPropInt(button, "Prop_ResID3", pressed);
    SetPropInt(button, "Prop_ResID4", tooltipSlot);
    // "Prop_Bmp1".."Prop_Bmp3" are loaded when the face is first painted.
    return button;
}

HWND CreateSkinDisplay(HWND parent, int id, DWORD style, int x, int y, int w, int h, int bitmap,
                       int corner, int tooltipSlot) {
    HWND display = CreateChild("ZEB_DigitWindowClass", parent, id, style, x, y, w, h);
    if (!display) return nullptr;
    // "Prop_Bitmap" is loaded when the display is first painted.
    SetPropInt(display, "Prop_ResID1", bitmap);
    SetPropInt(display, "Prop_Corner", corner);
    if (tooltipSlot != 0) {
        SetPropInt(display, "Prop_ResID2", tooltipSlot);
        SetPropString(display, "Prop_HelpText", Str(tooltipSlot));
    }
    return display;
}

HWND CreateSkinLink(HWND parent, int id, DWORD style, int x, int y, int w, int h, int linkSlot) {
    HWND link = CreateChild("ZEB_LinkWindowClass", parent, id, style, x, y, w, h);
    if (!link) return nullptr;
    if (linkSlot != 0) SetPropInt(link, "Prop_Link", linkSlot);
    return link;
}

HWND CreateSkinLed(HWND parent, int id, DWORD style, int x, int y, int w, int h, int offBitmap,
                   int litBitmap) {
    HWND led = CreateChild("ZEB_LEDWindowClass", parent, id, style, x, y, w, h);
    if (!led) return nullptr;
    SetPropInt(led, "Prop_ResID1", offBitmap);
    SetPropInt(led, "Prop_ResID2", litBitmap);
    // "Prop_Bmp1" and "Prop_Bmp2" are loaded when first painted.
    return led;
}

HWND CreateSkinCheck(HWND parent, int id, DWORD style, int x, int y, int w, int h, int labelSlot) {
    HWND check = CreateChild("ZEB_CheckWindowClass", parent, id, style, x, y, w, h);
    if (!check) return nullptr;
    SetPropInt(check, "Prop_ResID1", labelSlot);
    SetPropString(check, "Prop_Text", Str(labelSlot));
    return check;
}

HWND CreateLayoutButton(HWND parent, int id, int normal, int over, int pressed, int tooltipSlot) {
    const LayoutRecord* record = FindLayout(id);
    if (!record) return nullptr;
    return CreateSkinButton(parent, id, 0, record->X, record->Y, record->Width, record->Height,
                            normal, over, pressed, tooltipSlot);
}
