// The test engine as the main window carries it out: the private messages
// WM_USER+2..+8, the test module's commands, and the displays.
#pragma once

#include <windows.h>

#include "engine/test_state.h"

// The exam parked while the user browses the pool.
extern TestState SavedExam;

// Handles WM_USER+2..WM_USER+8 sent or posted to the main window; returns
// 1 when the message was one of them.
int HandleEngineMessage(HWND mainWindow, UINT message, WPARAM wParam, LPARAM lParam,
                        LRESULT* result);

// Refreshes the ten displays of the test window from the test state.
void ShowQuestion();

// Main window command 4103/4104: Exam mode, a new test, WM_USER+2 posted.
void StartNewTest(int classIndex);
// Test window command 4151: asks, parks the exam and enters Browse mode.
void EnterBrowseMode(HWND testWindow);
// Main window command 4098 in Browse mode: restores the parked exam.
void LeaveBrowseMode();
// Test window: any notification from the index display (Browse mode only).
void ShowSectionMenu(HWND testWindow);
// Test window: a select button's pointer-entered notification.
void OnSelectButtonEntered();
// Re-reads the question on display from the current pools (language switch).
void RereadCurrentQuestion();

// The main window's WM_KEYDOWN: posts the engine message of a navigation or
// answer key; 1 when the key was one of them.
int HandleEngineKey(HWND mainWindow, WPARAM virtualKey);

// The test window's WM_COMMAND and WM_NOTIFY for the engine's controls and
// the section menu; 1 when handled.
int HandleTestCommand(HWND testWindow, WPARAM wParam, LPARAM lParam);
int HandleTestNotify(HWND testWindow, const NMHDR* header);
