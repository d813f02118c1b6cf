// Pool texts read from files for tests, held for the whole test program.
#pragma once

#include "bank/pool.h"

// Reads a file below the source tree ("tests/fixtures/mini_basic_en.txt");
// the bytes stay alive until the program ends. An empty range if missing.
QuestionPool LoadPoolFile(const char* relativePath);

// Puts the four mini fixture pools into Pools (Basic/Advanced, EN/FR).
void InstallFixturePools();

// Puts the four shipped pools (resources/pools) into Pools.
void InstallShippedPools();
