// The two string tables of the interface, addressed by slot number.
#pragma once

enum { StringSlots = 80, SlotAppTitle = 52 };

typedef const char* const StringTable[StringSlots];
extern StringTable EnglishStrings;
extern StringTable FrenchStrings;

// The table in use; English until the options are read.
extern const char* const* CurrentStrings;

// Text of a slot in the current table; "" for a slot out of range.
const char* Str(int slot);

// Selects the string table and the question pools of the "Language" option
// in one step; any value other than 1 and 2 changes nothing.
void SelectLanguage();
