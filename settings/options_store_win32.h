// The options in the settings store, key Software\Korvane\Options.
#pragma once

// Defaults first (Mode back to Exam), then whatever the store holds; a value
// that is missing or unreadable keeps its default. Always 1.
int LoadOptions();

// Writes the five values; a failed write does not stop the others. 1 when all
// five were written.
int SaveOptions();

// Writes the one value of that name ("PlaySounds" ... "PrintFont") as it is
// now, right when the user changes it, so that a run ended by force keeps it.
// 0 for a failed write or an unknown name.
int SaveOption(const char* name);
