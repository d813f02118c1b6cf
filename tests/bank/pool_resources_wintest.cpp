#include "bank/exam_class.h"
#include "bank/pool.h"
#include "bank/pool_resources.h"
#include "engine/test_state.h"
#include "tests/support/fixture_pool.h"

#include <gtest/gtest.h>

#include <cstring>
#include <windows.h>

namespace {

TEST(PoolResources, LocksTheFourShippedPoolsInPlace) {
    ASSERT_EQ(LoadQuestionPools(), 1);
    HMODULE self = GetModuleHandleA(nullptr);
    for (int i = 0; i < PoolCount; ++i) {
        ASSERT_NE(Pools[i].PoolBegin, nullptr) << i;
        // Same bytes as the file that was compiled in.
        static const char* const files[PoolCount] = {
            "resources/pools/basic_en.txt", "resources/pools/advanced_en.txt",
            "resources/pools/basic_fr.txt", "resources/pools/advanced_fr.txt"};
        QuestionPool file = LoadPoolFile(files[i]);
        ASSERT_EQ(Pools[i].PoolEnd - Pools[i].PoolBegin, file.PoolEnd - file.PoolBegin) << i;
        EXPECT_EQ(memcmp(Pools[i].PoolBegin, file.PoolBegin, file.PoolEnd - file.PoolBegin), 0);
        // In place: the range lies inside the loaded image.
        EXPECT_GT((const void*)Pools[i].PoolBegin, (const void*)self);
    }
}

TEST(PoolResources, ShippedPoolsGiveFullTestsAndBrowseLists) {
    ASSERT_EQ(LoadQuestionPools(), 1);
    static TestState test;
    for (int language = LanguageEnglish; language <= LanguageFrench; ++language) {
        SCOPED_TRACE(language);
        SelectLanguagePools(language);
        ASSERT_EQ(GenerateTest(&test, ClassBasic, timeGetTime()), 1);
        EXPECT_EQ(test.SectionCount, 100);
        EXPECT_EQ(test.QuestionCount, 100);
        ASSERT_EQ(GenerateTest(&test, ClassAdvanced, timeGetTime()), 1);
        EXPECT_EQ(test.QuestionCount, 50);
        EXPECT_EQ(test.PassMark, 30);
        ASSERT_EQ(BuildBrowseList(&test, ClassBasic), 1);
        EXPECT_EQ(test.BrowseCount, 958);
        ASSERT_EQ(BuildBrowseList(&test, ClassAdvanced), 1);
        EXPECT_EQ(test.BrowseCount, 545);
    }
}

// The MinGW build's vector scans on the resource bytes: every browse code,
// from the pool's start and from just past its own match, and one code that
// is absent, land where the byte-by-byte scan lands, whatever the width.
TEST(PoolResources, EveryWidthFindsWhatThePlainScanFinds) {
    ASSERT_EQ(LoadQuestionPools(), 1);
    static TestState test;
    for (int pool = 0; pool < PoolCount; ++pool) {
        SelectLanguagePools(pool < 2 ? LanguageEnglish : LanguageFrench);
        ASSERT_EQ(BuildBrowseList(&test, pool % 2), 1);
        const char* begin = Pools[pool].PoolBegin;
        const char* end = Pools[pool].PoolEnd;
        for (int i = 0; i <= test.BrowseCount; ++i) {
            const char* key = i < test.BrowseCount ? test.BrowseList[i].Code : "B-009-99-99";
            const char* plain = FindInPoolWith(SearchBytes, begin, end, key);
            const char* after = plain ? plain + 1 : end;
            for (int width = SearchSse2; width <= SearchAvx512; ++width) {
                ASSERT_EQ(FindInPoolWith(width, begin, end, key), plain) << key << " " << width;
                ASSERT_EQ(FindInPoolWith(width, after, end, key),
                          FindInPoolWith(SearchBytes, after, end, key))
                    << key << " " << width;
            }
        }
    }
}

} // namespace
