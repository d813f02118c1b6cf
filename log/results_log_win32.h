// The results log's commands and its storage under Software\Korvane\Log.
#pragma once

#include <windows.h>

// Adds the current exam to the log when the rules allow it and writes the
// change to the store at once, else tells why in a message box owned by the
// main window. 0 for the not-finished refusal, 1 in every other case.
int AddCurrentTestToLog();

// Asks owner's user to confirm, then empties the log and stores the count 0.
// 1 when confirmed.
int ClearLog(HWND owner);

// Replaces the log (and the chart's points) with what the store holds. 1 when
// the stored count could be read.
int LoadLog();

// Writes every valid entry, then the count. 1 when every write succeeded.
int SaveLog();
