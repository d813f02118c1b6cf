// Question pools: text resources scanned in place, never copied or indexed.
#pragma once

#include <cstddef>

enum {
    MaxSections = 120,
    MaxBrowseEntries = 1000,
    TextFieldSize = 512,
    CodeFieldSize = 16,
    SectionCodeLength = 8,
    QuestionCodeLength = 11,
    PoolCount = 4,
};

// One pool text as a byte range; the bytes belong to the loaded module and
// carry no terminator, so every scan stops at PoolEnd.
struct QuestionPool {
    const char* PoolBegin;
    const char* PoolEnd;
};

// The parsed form of one question block.
struct QuestionRecord {
    char Code[CodeFieldSize];
    char Text[TextFieldSize];
    char Answers[4][TextFieldSize];
    int Correct;
};

struct SectionList {
    int Count;
    char Codes[MaxSections][SectionCodeLength + 1];
};

// Pools by resource id 103..106: Basic EN, Advanced EN, Basic FR, Advanced FR.
enum { PoolBasicEn, PoolAdvancedEn, PoolBasicFr, PoolAdvancedFr };
extern QuestionPool Pools[PoolCount];

// First complete occurrence of key inside [begin, end), or null.
const char* FindInPool(const char* begin, const char* end, const char* key);

// The same search on a chosen instruction set, capped at what the processor
// has; FindInPool uses the widest. Every width gives the same answer, which
// the tests and the fuzz target hold each of them to.
enum { SearchBytes, SearchSse2, SearchAvx2, SearchAvx512 };
int WidestSearch();
const char* FindInPoolWith(int width, const char* begin, const char* end, const char* key);

// Count and section codes; 0 when the pool has no "[SECTIONS]" line. A count
// above MaxSections is cut to it: more slots do not exist.
int ReadSectionList(const char* begin, const char* end, SectionList* list);

// Fills record from the block whose code starts with key (a full code or a
// section prefix); 0 and record untouched when the key is not in the pool.
int LookUpQuestion(const char* begin, const char* end, const char* key, QuestionRecord* record);
