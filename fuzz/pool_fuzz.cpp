// Arbitrary bytes as a pool: every scan must stay inside [begin, end).
#include "bank/exam_class.h"
#include "bank/pool.h"
#include "engine/test_state.h"

#include <cstdint>
#include <cstring>
#include <memory>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // An exact-size copy, so that ASan catches a read one byte past the end.
    std::unique_ptr<char[]> bytes(new char[size ? size : 1]);
    memcpy(bytes.get(), data, size);
    const char* begin = bytes.get();
    const char* end = begin + size;

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
