// Arbitrary bytes as a pool: every scan must stay inside [begin, end), and
// the fast search must find what a plain one finds.
#include "bank/exam_class.h"
#include "bank/pool.h"
#include "engine/test_state.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>

// The first complete occurrence, one position at a time: what every width of
// the fast search must answer.
static const char* PlainFind(const char* begin, const char* end, const char* key) {
    size_t length = strlen(key);
    if (length == 0) return nullptr;
    for (const char* p = begin; end - p >= (ptrdiff_t)length; ++p)
        if (memcmp(p, key, length) == 0) return p;
    return nullptr;
}

// The first bytes of the input, up to the first zero or 16 bytes, are a key
// searched for in the rest, from every start in its first 64 positions, by
// every width.
static void CompareSearches(const char* begin, const char* end) {
    char key[17];
    size_t length = 0;
    while (begin + length < end && length < 16 && begin[length]) {
        key[length] = begin[length];
        ++length;
    }
    key[length] = '\0';
    const char* text = begin + length;
    for (const char* from = text; from <= end && from < text + 64; ++from) {
        const char* expected = PlainFind(from, end, key);
        for (int width = SearchBytes; width <= SearchAvx512; ++width)
            if (FindInPoolWith(width, from, end, key) != expected) __builtin_trap();
    }
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // An exact-size copy, so that ASan catches a read one byte past the end.
    std::unique_ptr<char[]> bytes(new char[size ? size : 1]);
    memcpy(bytes.get(), data, size);
    const char* begin = bytes.get();
    const char* end = begin + size;
    CompareSearches(begin, end);

    static SectionList sections;
    if (ReadSectionList(begin, end, &sections)) {
        static QuestionRecord record;
        for (int i = 0; i < sections.Count && i < 8; ++i) {
            char key[CodeFieldSize];
            memcpy(key, sections.Codes[i], SectionCodeLength + 1);
            LookUpQuestion(begin, end, key, &record);
        }
    }
    static TestState test;
    CurrentPools.BasicBegin = begin;
    CurrentPools.BasicEnd = end;
    GenerateTest(&test, ClassBasic, (uint32_t)size);
    for (int i = 0; i < test.QuestionCount; ++i)
        LookUpQuestion(test.PoolBegin, test.PoolEnd, test.Codes[i], &test.Current);
    BuildBrowseList(&test, ClassBasic);
    if (test.BrowseCount > MaxBrowseEntries) __builtin_trap();
    return 0;
}
