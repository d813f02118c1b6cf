// The keys of the test engine, as the main window receives them.
#pragma once

// Windows virtual-key numbers of the keys the engine reacts to.
enum EngineKey {
    KeyEnd = 0x23,
    KeyHome = 0x24,
    KeyUp = 0x26,
    KeyDown = 0x28,
    KeyA = 0x41, // .. KeyD 0x44
    KeyD = 0x44,
    KeyNumpad1 = 0x61, // .. KeyNumpad4 0x64
    KeyNumpad4 = 0x64,
};

// The private message a key posts to the main window, or 0 for any other
// key; for an answer key *lParam is the answer 0..3 (A..D), otherwise 0.
int EngineMessageForKey(unsigned virtualKey, int* lParam);
