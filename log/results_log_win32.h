// The results log's commands and its storage under Software\Korvane\Log.
#pragma once

#include <windows.h>

// Adds the current exam to the log when the rules allow it, else tells why in
// a message box owned by the main window. 0 for the not-finished refusal, 1 in
// every other case.
int AddCurrentTestToLog();

// Asks owner's user to confirm, then empties the log. 1 when confirmed.
int ClearLog(HWND owner);

// Replaces the log (and the chart's points) with what the store holds. 1 when
// the stored count could be read.
int LoadLog();

// Writes the count and every valid entry. 1 when every write succeeded.
int SaveLog();
