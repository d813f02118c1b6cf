// Locks the four pool texts in the program's own resources.
#include "bank/pool.h"

#include <windows.h>

int LoadQuestionPools() {
    HMODULE module = GetModuleHandleA(nullptr);
    for (int i = 0; i < PoolCount; ++i) {
        HRSRC found = FindResourceExA(module, "Text", MAKEINTRESOURCEA(103 + i), 0);
        if (!found) return 0;
        HGLOBAL loaded = LoadResource(module, found);
        if (!loaded) return 0;
        const char* begin = (const char*)LockResource(loaded);
        if (!begin) return 0;
        Pools[i].PoolBegin = begin;
        Pools[i].PoolEnd = begin + SizeofResource(module, found);
    }
    return 1;
}
