// What every skinned window shares: named properties, bitmaps by language,
// shadowed text, notifications, tooltips and the creation operations.
#pragma once

#include "ui/layout.h"

#include <windows.h>

// Integer and flag properties ("Prop_Over" ...); an absent property reads 0.
int GetPropInt(HWND window, const char* name);
void SetPropInt(HWND window, const char* name, int value);
// Owned string properties ("Prop_Text", "Prop_HelpText"): a heap copy that
// replaces and frees the previous one; null text removes it.
void SetPropString(HWND window, const char* name, const char* text);
const char* GetPropString(HWND window, const char* name);
void FreePropString(HWND window, const char* name);
// Bitmap properties: replacing deletes the previous bitmap object.
HBITMAP GetPropBitmap(HWND window, const char* name);
void SetPropBitmap(HWND window, const char* name, HBITMAP bitmap);

// Loads bitmap number (English), or number + 1 when the language is French.
HBITMAP LoadSkinBitmap(int number);
// The face bitmap in property bitmapProp, loaded by the language rule from
// the number in resourceProp when it is first needed: a control's faces are
// loaded when first painted, not at creation, and again after a language
// change drops them, so that faces never shown cost nothing.
HBITMAP SkinFace(HWND window, const char* bitmapProp, const char* resourceProp);

void DrawBitmapAt(HDC dc, HBITMAP bitmap, int x, int y);
void DrawShadowText(HDC dc, const RECT* rect, const char* text, UINT format);
LRESULT NotifyParent(HWND control, int code);
void RelayToTooltip(HWND control, UINT message, WPARAM wParam, LPARAM lParam);

// The face of a window whose face is one bitmap, in "Prop_Bitmap": bitmap
// number by the language rule (as it is when the window has one face for
// both languages), loaded when first painted, so that the hidden modules
// cost nothing until they are shown.
HBITMAP WindowFace(HWND window, int number, int byLanguage = 1);
// Paints that face at (0,0) into the window on WM_PAINT, or into the DC of
// WM_PRINTCLIENT.
LRESULT PaintFace(HWND window, UINT message, WPARAM wParam, int number, int byLanguage = 1);
// How such a window follows a language change: the old face goes and the
// window is repainted, which loads the face of the new language.
void ReloadFace(HWND window);
// Invalidates the window, without erasing, only when it is shown: a hidden
// window (or one in a hidden module) is painted whole when it is shown, so
// invalidating it would be a request to the window manager for nothing.
void RepaintIfShown(HWND window);

// Frees everything a window owns in its properties (face bitmaps, text
// copies) and removes every property of the scheme; for WM_NCDESTROY.
void ReleaseSkinProps(HWND window);

// Calls paint with the window's paint DC on WM_PAINT, or with the DC that
// WM_PRINTCLIENT brings; returns the message's result.
typedef void (*PaintRoutine)(HWND window, HDC dc);
LRESULT PaintWith(HWND window, UINT message, WPARAM wParam, PaintRoutine paint);

// The tooltip tool of a button or display: registered at creation with the
// creation size (a warning box when the tooltip window refuses it), its text
// given on request, removed at destruction.
void AddControlTool(HWND control, int width, int height);
void RemoveControlTool(HWND control);
// When the notification is the tooltip's text request for the control's
// tool, points its text field at text (left unchanged for null) and returns
// 1; otherwise 0.
int AnswerToolTextRequest(WPARAM wParam, LPARAM lParam, const char* text);

// Creation operations: a visible child (WS_CHILD | WS_VISIBLE | style) of
// parent with an empty title, then its properties; null when creation fails.

HWND CreateSkinButton(HWND parent, int id, DWORD style, int x, int y, int w, int h, int normal,
                      int over, int pressed, int tooltipSlot);
HWND CreateSkinDisplay(HWND parent, int id, DWORD style, int x, int y, int w, int h, int bitmap,
                       int corner, int tooltipSlot);
HWND CreateSkinLink(HWND parent, int id, DWORD style, int x, int y, int w, int h, int linkSlot);
HWND CreateSkinLed(HWND parent, int id, DWORD style, int x, int y, int w, int h, int offBitmap,
                   int litBitmap);
HWND CreateSkinCheck(HWND parent, int id, DWORD style, int x, int y, int w, int h, int labelSlot);

// A button at its layout-table rectangle.
HWND CreateLayoutButton(HWND parent, int id, int normal, int over, int pressed, int tooltipSlot);
