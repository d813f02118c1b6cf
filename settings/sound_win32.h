#pragma once

// Plays a WAVE resource asynchronously when "PlaySounds" is on; a sound that
// cannot start at once is not played.
void PlayResourceSound(int id);
