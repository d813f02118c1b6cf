#pragma once

#include <windows.h>

// The print dialog of the test module (templates 502/503); returns 1 when
// closed with Close.
int ShowPrintDialog(HWND owner);
