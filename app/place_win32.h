// Shape, placement and switching of the windows that follow the main panel.
#pragma once

#include "app/geometry.h"

#include <windows.h>

// Cuts the window to the outline of count points (at most MainRegionCount,
// fill mode alternate); the panel and the border.
void SetWindowOutline(HWND window, const GeoPoint* points, int count);

// Moves the visible module and the border to the panel and gives the panel
// the keyboard focus.
void PlaceSatellites();

// Hides the four module windows (test, log, options, about order).
void HideModules();
// Hides every module, shows the one given (ModuleTest ...) and places them.
void ShowModule(int module);
