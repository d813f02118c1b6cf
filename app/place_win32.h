// Placement and switching of the windows that follow the main panel.
#pragma once

#include <windows.h>

// Moves the visible module and the border to the panel and gives the panel
// the keyboard focus.
void PlaceSatellites();

// Hides the four module windows (test, log, options, about order).
void HideModules();
// Hides every module, shows the one given (ModuleTest ...) and places them.
void ShowModule(int module);
