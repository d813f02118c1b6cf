// The program's life cycle: start-up, the message loop, shut-down, and the
// save when the session ends under it.
#pragma once

#include <windows.h>

// Options, pools, language, first test, log, drawing objects, tooltip,
// information pop-up, main window, centring and showing. 0 on failure, with
// nothing written.
int StartUp();

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
