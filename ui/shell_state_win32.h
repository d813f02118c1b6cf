// Process-wide handles: the instance, the program's windows and the shared
// drawing objects. Created once at start-up, read everywhere.
#pragma once

#include <windows.h>

extern HINSTANCE Instance;

extern HWND MainWindow;
extern HWND BorderWindow;
// Module windows in their fixed order: test, log, options, about.
enum { ModuleTest, ModuleLog, ModuleOptions, ModuleAbout, ModuleCount };
extern HWND ModuleWindows[ModuleCount];
extern HWND TooltipWindow;
extern HWND InfoWindow;

extern HFONT LabelFont; // Arial 12 bold: shadowed texts and chart labels
extern HBRUSH GreenBrush, GreyBrush, YellowBrush, LightBrush;
extern HPEN GreenPen, GreyPen, YellowPen, WidePen;

const COLORREF GreenColour = RGB(0, 255, 128);
const COLORREF GreyColour = RGB(64, 64, 64);

inline HWND TestWindow() {
    return ModuleWindows[ModuleTest];
}
