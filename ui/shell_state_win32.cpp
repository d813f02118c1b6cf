#include "ui/shell_state_win32.h"

HINSTANCE Instance;
HWND MainWindow;
HWND BorderWindow;
HWND ModuleWindows[ModuleCount];
HWND TooltipWindow;
HWND InfoWindow;
HFONT LabelFont;
HBRUSH GreenBrush, GreyBrush, YellowBrush, LightBrush;
HPEN GreenPen, GreyPen, YellowPen, WidePen;
