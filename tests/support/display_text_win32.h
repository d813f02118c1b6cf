// Reads what a test-module display shows, whatever kind of window it is: the
// skinned display keeps its text in "Prop_Text", a plain window in its title.
#pragma once

#include <windows.h>

#include <string>

std::string DisplayText(HWND parent, int id);

// Dispatches every queued message until the queue is empty.
void PumpMessages();

// Pumps messages for at least ms milliseconds (timers run meanwhile).
void PumpFor(DWORD ms);
