#pragma once

// Plays a WAVE resource of the program asynchronously when "PlaySounds" is on;
// a sound that cannot start at once is not played. 1 when a sound was started
// (callers may ignore it).
int PlayResourceSound(int id);
