// The one record of the current exam or browse list.
#pragma once

#include "bank/pool.h"

#include <cstdint>

enum { AnswerNone = 0, AnswerGood = 1, AnswerBad = 2 };
enum { TestSlots = MaxSections };

struct BrowseEntry {
    char Code[CodeFieldSize];
    const char* Position;
};

struct TestState {
    const char* PoolBegin;
    const char* PoolEnd;
    char Codes[TestSlots][CodeFieldSize];
    int Answers[TestSlots];
    int ClassIndex;
    int SectionCount;
    int QuestionCount;
    int CurrentIndex;
    int PassMark;
    int Score;
    int Logged;
    QuestionRecord Current;
    BrowseEntry BrowseList[MaxBrowseEntries];
    int BrowseCount;
};

extern TestState Test;

// The generator of the draws: state := state * 214013 + 2531011, a draw is
// bits 16..30 of the new state.
struct Lcg {
    uint32_t State;
};
void SeedLcg(Lcg* lcg, uint32_t seed);
int NextLcg(Lcg* lcg);

// Replaces the test by a new one of the class, drawn with the seed (the Win32
// caller passes timeGetTime). 0 when the pool has no section list.
int GenerateTest(TestState* test, int classIndex, uint32_t seed);

// Fills the browse list with every reachable question of the class's pool.
int BuildBrowseList(TestState* test, int classIndex);
