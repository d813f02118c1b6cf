// The window procedures of the twelve classes, registered at start-up.
#pragma once

#include <windows.h>

LRESULT CALLBACK MainWindowProc(HWND, UINT, WPARAM, LPARAM);   // app/main_window_win32.cpp
LRESULT CALLBACK BorderWindowProc(HWND, UINT, WPARAM, LPARAM); // app/border_window_win32.cpp
LRESULT CALLBACK ButtonWindowProc(HWND, UINT, WPARAM, LPARAM); // ui/button_win32.cpp
LRESULT CALLBACK DigitWindowProc(HWND, UINT, WPARAM, LPARAM);  // ui/display_win32.cpp
LRESULT CALLBACK TestWindowProc(HWND, UINT, WPARAM, LPARAM);   // app/test_window_win32.cpp
LRESULT CALLBACK LogWindowProc(HWND, UINT, WPARAM, LPARAM);    // log/log_window_win32.cpp
LRESULT CALLBACK OptionWindowProc(HWND, UINT, WPARAM, LPARAM); // settings/options_window_win32.cpp
LRESULT CALLBACK AboutWindowProc(HWND, UINT, WPARAM, LPARAM);  // app/about_window_win32.cpp
LRESULT CALLBACK LedWindowProc(HWND, UINT, WPARAM, LPARAM);    // ui/led_win32.cpp
LRESULT CALLBACK CheckWindowProc(HWND, UINT, WPARAM, LPARAM);  // ui/check_win32.cpp
LRESULT CALLBACK InfoWindowProc(HWND, UINT, WPARAM, LPARAM);   // ui/info_win32.cpp
LRESULT CALLBACK LinkWindowProc(HWND, UINT, WPARAM, LPARAM);   // ui/link_win32.cpp

// Registers the twelve classes in their order; 0 at the first failure.
int RegisterWindowClasses();
