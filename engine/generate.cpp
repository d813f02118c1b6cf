#include "engine/test_state.h"

#include "bank/exam_class.h"

#include <cstring>

TestState Test;

void SeedLcg(Lcg* lcg, uint32_t seed) {
    lcg->State = seed;
}

int NextLcg(Lcg* lcg) {
    lcg->State = lcg->State * 214013u + 2531011u;
    return (int)((lcg->State >> 16) & 0x7FFF);
}

static void TakeClass(TestState* test, int classIndex) {
    QuestionPool pool = CurrentPoolOf(classIndex);
    test->PassMark = (classIndex == ClassBasic || classIndex == ClassAdvanced)
                         ? ExamClasses[classIndex].PassMark
                         : 0;
    test->ClassIndex = classIndex;
    test->PoolBegin = pool.PoolBegin;
    test->PoolEnd = pool.PoolEnd;
}

// Length of text, at most limit bytes.
static size_t BoundedLength(const char* text, size_t limit) {
    size_t n = 0;
    while (n < limit && text[n])
        ++n;
    return n;
}

// Section list into the slots as prefixes "X-TTT-SS-"; 0 without "[SECTIONS]".
// A code holding a zero byte ends there, as a string does.
static int ReadPrefixes(TestState* test) {
    static SectionList sections;
    if (!ReadSectionList(test->PoolBegin, test->PoolEnd, &sections)) return 0;
    test->SectionCount = sections.Count;
    for (int i = 0; i < sections.Count; ++i) {
        size_t n = BoundedLength(sections.Codes[i], SectionCodeLength);
        memcpy(test->Codes[i], sections.Codes[i], n);
        test->Codes[i][n] = '-';
        test->Codes[i][n + 1] = '\0';
    }
    return 1;
}

// Key of question n (1 to 99) of the section whose prefix is in slot: the
// prefix, at most 9 characters, and n in two digits. Written by hand: a
// generation forms a thousand keys, and formatting them costs more than
// the searches they are for.
static void MakeKey(char* key, const char* prefix, int n) {
    size_t length = BoundedLength(prefix, 9);
    memcpy(key, prefix, length);
    key[length] = (char)('0' + n / 10);
    key[length + 1] = (char)('0' + n % 10);
    key[length + 2] = '\0';
}

int GenerateTest(TestState* test, int classIndex, uint32_t seed) {
    TakeClass(test, classIndex);
    test->QuestionCount = 0;
    test->CurrentIndex = -1;
    test->Score = 0;
    test->Logged = 0;
    memset(test->Answers, 0, sizeof test->Answers);
    if (!ReadPrefixes(test)) return 0;

    Lcg lcg;
    SeedLcg(&lcg, seed);
    for (int i = 0; i < 1000; ++i)
        NextLcg(&lcg);

    const char* cursor = test->PoolBegin;
    for (int i = 0; i < test->SectionCount; ++i) {
        char key[CodeFieldSize];
        int m = 0;
        for (int n = 1; n <= 99; ++n) {
            MakeKey(key, test->Codes[i], n);
            const char* found = FindInPool(cursor, test->PoolEnd, key);
            if (!found) break;
            cursor = found;
            m = n;
        }
        if (m == 0) continue;
        MakeKey(key, test->Codes[i], NextLcg(&lcg) % m + 1);
        // Slots stay contiguous: a section without question 01 gets no slot.
        memcpy(test->Codes[test->QuestionCount], key, CodeFieldSize);
        test->QuestionCount += 1;
    }
    return 1;
}

int BuildBrowseList(TestState* test, int classIndex) {
    TakeClass(test, classIndex);
    if (!ReadPrefixes(test)) return 0;
    test->BrowseCount = 0;
    const char* cursor = test->PoolBegin;
    for (int i = 0; i < test->SectionCount; ++i) {
        for (int n = 1; n <= 99 && test->BrowseCount < MaxBrowseEntries; ++n) {
            BrowseEntry& entry = test->BrowseList[test->BrowseCount];
            MakeKey(entry.Code, test->Codes[i], n);
            const char* found = FindInPool(cursor, test->PoolEnd, entry.Code);
            if (!found) break;
            cursor = found;
            entry.Position = found;
            test->BrowseCount += 1;
        }
    }
    return 1;
}
