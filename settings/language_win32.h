#pragma once

#include <windows.h>

// Main window command 4099: toggles the language, keeps the test, refreshes
// the displays and posts the language-changed message to every window.
void SwitchLanguage();

// Posts WM_USER+1 to a window and, depth-first, to all its descendants.
void PostLanguageChange(HWND window);
