// The program's life cycle: start-up, the message loop, shut-down, and the
// save when the session ends under it.
#pragma once

#include <windows.h>

// Options, pools, language, first test, log, drawing objects, tooltip,
// information pop-up, main window, centring and showing. 0 on failure, with
// nothing written.
int StartUp();

// Start-up's window steps, in the order it takes them. Each sets its
// process-wide handle (ui/shell_state_win32.h) and needs Instance; the windows
// need the registered classes too.
void CreateDrawingObjects(); // the label font, the brushes and the pens
// The tooltip window, activated; TooltipWindow stays null when it cannot be made.
void CreateTooltipWindow();
void CreateInfoWindow(); // the log module's information pop-up, hidden
// The 640 x 480 main window, hidden; its creation builds the border, the
// modules and the panel keys. Null on failure.
HWND CreateMainWindow();

// Runs the message loop until the quit message; returns its code.
int RunMessageLoop();

// Keys typed in the test, options or about module or in the border act on the
// main window; every other message keeps its target.
void RetargetKey(MSG* message);

// 1 once options and log have been written in this run.
extern int SettingsSaved;

// Writes options and log, unless they were already written in this run.
void SaveSettings();

// After the loop: the settings, then the drawing objects.
void ShutDown();

// The main window's answers to the end of the Windows session.
LRESULT OnQueryEndSession();
void OnEndSession(WPARAM ending);
