// Replaces an import of the test program itself, so that a test sees the
// calls that code under test makes to a system function (sounds, shell
// launches) without their effect.
#pragma once

#include <windows.h>

// Points the program's import of dll!function at replacement; returns the
// original, or null when the program does not import it. Passing the
// original back restores it.
void* HookImport(const char* dll, const char* function, void* replacement);
