// The shipped pools read through the product's own pool code.
#include "bank/exam_class.h"
#include "bank/pool.h"
#include "engine/test_state.h"
#include "tests/support/fixture_pool.h"

#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>

namespace {

class ShippedPools : public ::testing::Test {
protected:
    void SetUp() override {
        InstallShippedPools();
        for (int i = 0; i < PoolCount; ++i) ASSERT_NE(Pools[i].PoolBegin, nullptr) << i;
    }
    TestState state;
};

TEST_F(ShippedPools, BothLanguagesCarryTheSameCodesAndAnswers) {
    const int pairs[2][2] = {{PoolBasicEn, PoolBasicFr}, {PoolAdvancedEn, PoolAdvancedFr}};
    const int sizes[2] = {958, 545};
    for (int c = 0; c < 2; ++c) {
        SelectLanguagePools(LanguageEnglish);
        ASSERT_EQ(BuildBrowseList(&state, c), 1);
        ASSERT_EQ(state.BrowseCount, sizes[c]);
        for (int i = 0; i < state.BrowseCount; ++i) {
            QuestionRecord en, fr;
            const char* code = state.BrowseList[i].Code;
            ASSERT_EQ(LookUpQuestion(Pools[pairs[c][0]].PoolBegin, Pools[pairs[c][0]].PoolEnd,
                                     code, &en), 1);
            ASSERT_EQ(LookUpQuestion(Pools[pairs[c][1]].PoolBegin, Pools[pairs[c][1]].PoolEnd,
                                     code, &fr), 1)
                << code;
            ASSERT_EQ(en.Correct, fr.Correct) << code;
            ASSERT_GE(en.Correct, 0);
            ASSERT_LE(en.Correct, 3);
            ASSERT_STRNE(en.Text, "\r") << code;
        }
    }
}

TEST_F(ShippedPools, TheSectionWithTheGapOffersOnlyOneToFour) {
    SelectLanguagePools(LanguageFrench);
    ASSERT_EQ(BuildBrowseList(&state, ClassBasic), 1);
    // The gap: a section whose reachable questions stop at 04 while 06 exists.
    int gaps = 0;
    for (int s = 0; s < state.SectionCount; ++s) {
        std::string key = std::string(state.Codes[s]) + "06";
        QuestionRecord r;
        std::string five = std::string(state.Codes[s]) + "05";
        if (LookUpQuestion(state.PoolBegin, state.PoolEnd, five.c_str(), &r)) continue;
        if (!LookUpQuestion(state.PoolBegin, state.PoolEnd, key.c_str(), &r)) continue;
        ++gaps;
        std::set<std::string> drawn;
        for (uint32_t seed = 0; seed < 300; ++seed) {
            GenerateTest(&state, ClassBasic, seed);
            drawn.insert(state.Codes[s]);
        }
        std::set<std::string> expected;
        for (int n = 1; n <= 4; ++n) expected.insert(std::string(state.Codes[s], 9) + "0" + char('0' + n));
        EXPECT_EQ(drawn, expected);
        BuildBrowseList(&state, ClassBasic);
    }
    EXPECT_EQ(gaps, 1);
}

} // namespace
