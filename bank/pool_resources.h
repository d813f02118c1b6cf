#pragma once

// Locks pool resources 103..106 into Pools; 0 when one cannot be loaded.
int LoadQuestionPools();
