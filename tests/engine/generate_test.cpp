#include "bank/exam_class.h"
#include "engine/test_state.h"
#include "tests/support/fixture_pool.h"

#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>

namespace {

class Generation : public ::testing::Test {
protected:
    void SetUp() override {
        InstallFixturePools();
        SelectLanguagePools(LanguageEnglish);
        memset(&test, 0, sizeof test);
    }
    TestState test;
};

TEST(Lcg, MatchesTheClassicSequence) {
    Lcg lcg;
    SeedLcg(&lcg, 1);
    // state 1 -> 2745024 -> 1210600647 -> ...; draws are bits 16..30.
    EXPECT_EQ(NextLcg(&lcg), 41);
    EXPECT_EQ(NextLcg(&lcg), 18467);
    EXPECT_EQ(NextLcg(&lcg), 6334);
    for (int i = 0; i < 10000; ++i) {
        int r = NextLcg(&lcg);
        ASSERT_GE(r, 0);
        ASSERT_LE(r, 32767);
    }
}

TEST_F(Generation, OneQuestionPerSectionInSectionOrder) {
    ASSERT_EQ(GenerateTest(&test, ClassBasic, 12345), 1);
    EXPECT_EQ(test.SectionCount, 3);
    EXPECT_EQ(test.QuestionCount, 3);
    EXPECT_EQ(test.PassMark, 60);
    EXPECT_EQ(test.ClassIndex, ClassBasic);
    EXPECT_EQ(test.PoolBegin, Pools[PoolBasicEn].PoolBegin);
    EXPECT_EQ(std::string(test.Codes[0], 9), "B-001-01-");
    EXPECT_EQ(std::string(test.Codes[1], 9), "B-001-02-");
    EXPECT_EQ(std::string(test.Codes[2], 9), "B-002-01-");
    for (int i = 0; i < 3; ++i) EXPECT_EQ(strlen(test.Codes[i]), 11u);
}

TEST_F(Generation, SameSeedSameTestAndEveryQuestionReachable) {
    TestState other;
    std::set<std::string> seen;
    for (uint32_t seed = 0; seed < 400; ++seed) {
        GenerateTest(&test, ClassBasic, seed);
        GenerateTest(&other, ClassBasic, seed);
        ASSERT_EQ(memcmp(test.Codes, other.Codes, sizeof test.Codes), 0);
        seen.insert(test.Codes[1]);
    }
    // Section B-001-02 skips 05: its 06 is never drawn.
    EXPECT_EQ(seen, (std::set<std::string>{"B-001-02-01", "B-001-02-02", "B-001-02-03",
                                           "B-001-02-04"}));
}

TEST_F(Generation, ANewTestStartsClean) {
    GenerateTest(&test, ClassBasic, 1);
    test.Score = 2;
    test.Logged = 1;
    test.CurrentIndex = 2;
    test.Answers[0] = AnswerGood;
    test.Answers[119] = AnswerBad;
    ASSERT_EQ(GenerateTest(&test, ClassAdvanced, 2), 1);
    EXPECT_EQ(test.Score, 0);
    EXPECT_EQ(test.Logged, 0);
    EXPECT_EQ(test.CurrentIndex, -1);
    EXPECT_EQ(test.Answers[0], 0);
    EXPECT_EQ(test.Answers[119], 0);
    EXPECT_EQ(test.QuestionCount, 2);
    EXPECT_EQ(test.PassMark, 30);
}

TEST_F(Generation, WithoutPoolsTheTestIsEmpty) {
    CurrentPools = CurrentPoolCells{};
    test.QuestionCount = 7;
    EXPECT_EQ(GenerateTest(&test, ClassBasic, 1), 0);
    EXPECT_EQ(test.QuestionCount, 0);
    EXPECT_EQ(test.CurrentIndex, -1);
    test.BrowseCount = 5;
    EXPECT_EQ(BuildBrowseList(&test, ClassBasic), 0);
    EXPECT_EQ(test.BrowseCount, 5) << "a failed build leaves the list unchanged";
}

TEST_F(Generation, BrowseListHoldsReachableQuestionsInPoolOrder) {
    GenerateTest(&test, ClassBasic, 9);
    test.Score = 1;
    ASSERT_EQ(BuildBrowseList(&test, ClassBasic), 1);
    ASSERT_EQ(test.BrowseCount, 8);
    const char* expected[] = {"B-001-01-01", "B-001-01-02", "B-001-01-03", "B-001-02-01",
                              "B-001-02-02", "B-001-02-03", "B-001-02-04", "B-002-01-01"};
    for (int i = 0; i < 8; ++i) {
        EXPECT_STREQ(test.BrowseList[i].Code, expected[i]);
        EXPECT_EQ(memcmp(test.BrowseList[i].Position, expected[i], 11), 0);
    }
    EXPECT_STREQ(test.Codes[1], "B-001-02-") << "browse slots hold section prefixes";
    EXPECT_EQ(test.Score, 1) << "the score is not touched";
}

TEST_F(Generation, SectionWithoutFirstQuestionGetsNoSlot) {
    static const char text[] = "[SECTIONS]\r\n3\r\nB-001-01 ...\r\nB-001-02 ...\r\nB-001-03 ...\r\n"
                               "\r\n[TEXT]\r\nB-001-01-01 (1)\r\nq\r\na\r\nb\r\nc\r\nd\r\n\r\n"
                               "B-001-02-02 (1)\r\nq\r\na\r\nb\r\nc\r\nd\r\n\r\n"
                               "B-001-03-01 (1)\r\nq\r\na\r\nb\r\nc\r\nd";
    CurrentPools.BasicBegin = text;
    CurrentPools.BasicEnd = text + sizeof text - 1;
    ASSERT_EQ(GenerateTest(&test, ClassBasic, 3), 1);
    EXPECT_EQ(test.QuestionCount, 2);
    EXPECT_STREQ(test.Codes[0], "B-001-01-01");
    EXPECT_STREQ(test.Codes[1], "B-001-03-01");
}

} // namespace
