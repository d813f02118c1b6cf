#pragma once

#include <windows.h>

// The print dialog of the test module (templates 502/503); returns 1 when
// closed with Close.
int ShowPrintDialog(HWND owner);

// The font dialog on the print font; the font changes only when the user
// confirms one.
void ChoosePrintFont(HWND owner);

// The three print jobs, each behind its own printer dialog; 0 when no
// printer device context was obtained (the user cancelled), else 1.
int PrintTestListing(HWND owner);
int PrintAnswerSheet(HWND owner, int showCorrect);
