#include "settings/sound_win32.h"

#include "settings/options.h"

#include <windows.h>

int PlayResourceSound(int id) {
    if (CurrentOptions.PlaySounds == 0) return 0;
    // Asynchronous and never queued behind a sound still playing, so a click
    // never holds up the interface.
    return PlaySoundA(MAKEINTRESOURCEA(id), GetModuleHandleA(nullptr),
                      SND_RESOURCE | SND_ASYNC | SND_NOWAIT) != FALSE;
}
