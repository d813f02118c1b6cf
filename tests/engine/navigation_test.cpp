#include "app/messages.h"
#include "bank/exam_class.h"
#include "engine/navigation.h"
#include "settings/options.h"
#include "settings/strings.h"
#include "tests/support/fixture_pool.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

// The mini Basic pool: sections B-001-01 (3 questions), B-001-02 (4 before a
// gap), B-002-01 (1); browse list of 8 entries.
class Engine : public ::testing::Test {
  protected:
    void SetUp() override {
        InstallFixturePools();
        SelectLanguagePools(LanguageEnglish);
        memset(&test, 0, sizeof test);
        memset(&saved, 0, sizeof saved);
        ASSERT_EQ(GenerateTest(&test, ClassBasic, 777), 1);
        ASSERT_EQ(test.QuestionCount, 3);
    }
    std::string Shown(int mode, int index) {
        BuildDisplayTexts(&test, mode, EnglishStrings, &texts);
        return texts.Text[index];
    }
    static TestState test, saved;
    DisplayTexts texts;
};
TestState Engine::test, Engine::saved;

TEST_F(Engine, ExamNavigationStopsAtBothEndsWithoutWrapping) {
    // Just generated: -1. Previous and last-from-last do nothing, next and first show 0.
    EXPECT_EQ(NavigationTarget(&test, ModeExam, MoveNext), 0);
    EXPECT_EQ(NavigationTarget(&test, ModeExam, MoveFirst), 0);
    EXPECT_EQ(NavigationTarget(&test, ModeExam, MovePrevious), NoPosition);
    EXPECT_EQ(NavigationTarget(&test, ModeExam, MoveLast), 2);

    test.CurrentIndex = 0;
    EXPECT_EQ(NavigationTarget(&test, ModeExam, MoveFirst), NoPosition);
    EXPECT_EQ(NavigationTarget(&test, ModeExam, MovePrevious), NoPosition);
    EXPECT_EQ(NavigationTarget(&test, ModeExam, MoveNext), 1);
    test.CurrentIndex = 2;
    EXPECT_EQ(NavigationTarget(&test, ModeExam, MoveLast), NoPosition);
    EXPECT_EQ(NavigationTarget(&test, ModeExam, MoveNext), NoPosition);
    EXPECT_EQ(NavigationTarget(&test, ModeExam, MovePrevious), 1);
    EXPECT_EQ(NavigationTarget(&test, ModeExam, MoveFirst), 0);

    // An empty test (no pool) never moves.
    test.QuestionCount = 0;
    test.CurrentIndex = -1;
    for (int move : {MoveFirst, MoveLast, MovePrevious, MoveNext})
        EXPECT_EQ(NavigationTarget(&test, ModeExam, move), NoPosition) << move;
}

TEST_F(Engine, BrowseNavigationWalksTheBrowseListFrom1000) {
    int mode = ModeExam;
    EnterBrowse(&test, &saved, &mode);
    ASSERT_EQ(mode, ModeBrowse);
    ASSERT_EQ(test.BrowseCount, 8);
    EXPECT_EQ(test.CurrentIndex, 1000);
    EXPECT_EQ(NavigationTarget(&test, mode, MoveFirst), 0);
    EXPECT_EQ(NavigationTarget(&test, mode, MoveLast), 7);
    EXPECT_EQ(NavigationTarget(&test, mode, MoveNext), NoPosition);
    // Nothing lies at 999: no stale question is shown under a made-up number.
    EXPECT_EQ(NavigationTarget(&test, mode, MovePrevious), NoPosition);

    test.CurrentIndex = 0;
    EXPECT_EQ(NavigationTarget(&test, mode, MoveFirst), NoPosition);
    EXPECT_EQ(NavigationTarget(&test, mode, MovePrevious), NoPosition);
    EXPECT_EQ(NavigationTarget(&test, mode, MoveNext), 1);
    test.CurrentIndex = 7;
    EXPECT_EQ(NavigationTarget(&test, mode, MoveLast), NoPosition);
    EXPECT_EQ(NavigationTarget(&test, mode, MoveNext), NoPosition);
    EXPECT_EQ(NavigationTarget(&test, mode, MovePrevious), 6);
    // The exam's length does not limit browsing.
    test.CurrentIndex = 5;
    EXPECT_EQ(NavigationTarget(&test, mode, MoveNext), 6);
}

TEST_F(Engine, MovingReadsTheQuestionOfThePositionOrKeepsTheOldOne) {
    ASSERT_EQ(MoveToPosition(&test, ModeExam, 1), 1);
    EXPECT_EQ(test.CurrentIndex, 1);
    EXPECT_STREQ(test.Current.Code, test.Codes[1]);

    int mode = ModeExam;
    EnterBrowse(&test, &saved, &mode);
    ASSERT_EQ(MoveToPosition(&test, mode, 4), 1);
    EXPECT_STREQ(test.Current.Code, "B-001-02-02");
    EXPECT_STREQ(test.Current.Text, "Second of section two\r");

    // A key that is not in the pool leaves Current as it was.
    strcpy(test.BrowseList[5].Code, "B-009-09-09");
    EXPECT_EQ(MoveToPosition(&test, mode, 5), 0);
    EXPECT_EQ(test.CurrentIndex, 5);
    EXPECT_STREQ(test.Current.Code, "B-001-02-02");
    // Outside the list there is no key at all.
    EXPECT_EQ(PositionKey(&test, mode, 8), nullptr);
    EXPECT_EQ(PositionKey(&test, ModeExam, 3), nullptr);
    EXPECT_EQ(PositionKey(&test, ModeExam, -1), nullptr);
}

TEST_F(Engine, AnAnswerCountsOnceAndOnlyInExamMode) {
    ASSERT_EQ(MoveToPosition(&test, ModeExam, 0), 1);
    int correct = test.Current.Correct;
    ASSERT_GE(correct, 0);
    AnswerOutcome outcome{0, 0};

    EXPECT_EQ(AnswerQuestion(&test, ModeBrowse, correct, &outcome), 0);
    EXPECT_EQ(test.Answers[0], AnswerNone);

    ASSERT_EQ(AnswerQuestion(&test, ModeExam, correct, &outcome), 1);
    EXPECT_EQ(test.Answers[0], AnswerGood);
    EXPECT_EQ(test.Score, 1);
    EXPECT_EQ(outcome.Sound, SoundCorrect);
    EXPECT_EQ(outcome.Lamp, IdLedA + correct);

    // No second answer, right or wrong.
    outcome = AnswerOutcome{0, 0};
    EXPECT_EQ(AnswerQuestion(&test, ModeExam, (correct + 1) % 4, &outcome), 0);
    EXPECT_EQ(AnswerQuestion(&test, ModeExam, correct, &outcome), 0);
    EXPECT_EQ(test.Answers[0], AnswerGood);
    EXPECT_EQ(test.Score, 1);
    EXPECT_EQ(outcome.Sound, 0);

    ASSERT_EQ(MoveToPosition(&test, ModeExam, 1), 1);
    int wrong = (test.Current.Correct + 2) % 4;
    ASSERT_EQ(AnswerQuestion(&test, ModeExam, wrong, &outcome), 1);
    EXPECT_EQ(test.Answers[1], AnswerBad);
    EXPECT_EQ(test.Score, 1);
    EXPECT_EQ(outcome.Sound, SoundWrong);
    // The lamp is the correct answer's, not the one chosen.
    EXPECT_EQ(outcome.Lamp, IdLedA + test.Current.Correct);
}

TEST_F(Engine, AnswersOutsideTheTestOrOfBrokenQuestionsAreHandledSafely) {
    AnswerOutcome outcome{0, 0};
    // Just generated, nothing on display yet.
    EXPECT_EQ(AnswerQuestion(&test, ModeExam, 0, &outcome), 0);
    test.CurrentIndex = 3;
    EXPECT_EQ(AnswerQuestion(&test, ModeExam, 0, &outcome), 0);
    ASSERT_EQ(MoveToPosition(&test, ModeExam, 2), 1);
    EXPECT_EQ(AnswerQuestion(&test, ModeExam, 4, &outcome), 0);
    EXPECT_EQ(AnswerQuestion(&test, ModeExam, -1, &outcome), 0);
    EXPECT_EQ(test.Answers[2], AnswerNone);

    // A correct-answer digit outside 1..4: nothing counts and no lamp exists.
    test.Current.Correct = 7;
    ASSERT_EQ(AnswerQuestion(&test, ModeExam, 3, &outcome), 1);
    EXPECT_EQ(test.Answers[2], AnswerBad);
    EXPECT_EQ(outcome.Lamp, 0);
    EXPECT_EQ(test.Score, 0);
}

TEST_F(Engine, AutomaticStepMovesOnOrRefreshesAfterTheLastQuestion) {
    test.CurrentIndex = 0;
    EXPECT_EQ(AutomaticStep(&test, ModeExam, 0), StepNone);
    EXPECT_EQ(AutomaticStep(&test, ModeBrowse, 1), StepNone);
    EXPECT_EQ(AutomaticStep(&test, ModeExam, 1), StepNext);
    test.CurrentIndex = 2;
    EXPECT_EQ(AutomaticStep(&test, ModeExam, 1), StepRefresh);
}

TEST_F(Engine, BrowseModeParksTheExamAndRestoresItInTheCurrentLanguage) {
    ASSERT_EQ(MoveToPosition(&test, ModeExam, 1), 1);
    AnswerOutcome outcome;
    ASSERT_EQ(AnswerQuestion(&test, ModeExam, test.Current.Correct, &outcome), 1);
    std::string code = test.Current.Code;
    std::string englishText = test.Current.Text;
    TestState before = test;

    int mode = ModeExam;
    EnterBrowse(&test, &saved, &mode);
    EXPECT_EQ(memcmp(&saved, &before, sizeof before), 0);
    EXPECT_EQ(test.Score, 1); // the browse list keeps the record's other fields
    EXPECT_STREQ(test.Codes[0], "B-001-01-");
    ASSERT_EQ(MoveToPosition(&test, mode, 7), 1);

    SelectLanguagePools(LanguageFrench);
    RestoreExam(&test, &saved, &mode);
    EXPECT_EQ(mode, ModeExam);
    EXPECT_EQ(test.PoolBegin, Pools[PoolBasicFr].PoolBegin);
    EXPECT_EQ(test.PoolEnd, Pools[PoolBasicFr].PoolEnd);
    EXPECT_EQ(test.CurrentIndex, 1);
    EXPECT_EQ(test.Score, 1);
    EXPECT_EQ(test.Answers[1], AnswerGood);
    EXPECT_EQ(memcmp(test.Codes, before.Codes, sizeof test.Codes), 0);
    EXPECT_EQ(test.Current.Code, code);
    EXPECT_NE(test.Current.Text, englishText); // read again, from the French pool
    EXPECT_EQ(test.Current.Correct, before.Current.Correct);
}

TEST_F(Engine, SectionJumpFindsTheFirstEntryOfTheSection) {
    int mode = ModeExam;
    EnterBrowse(&test, &saved, &mode);
    EXPECT_EQ(SectionJumpTarget(&test, test.Codes[0]), 0);
    EXPECT_EQ(SectionJumpTarget(&test, test.Codes[1]), 3);
    EXPECT_EQ(SectionJumpTarget(&test, test.Codes[2]), 7);
    EXPECT_EQ(SectionJumpTarget(&test, "B-001-02 ..."), 3); // eight characters compare
    EXPECT_EQ(SectionJumpTarget(&test, "B-003-01-"), NoPosition);
    EXPECT_EQ(SectionJumpTarget(&test, "B-00"), NoPosition);
    EXPECT_EQ(SectionJumpTarget(&test, nullptr), NoPosition);
}

TEST_F(Engine, DisplayTextsOfExamAndBrowseMode) {
    test.CurrentIndex = 11;
    test.Score = 37;
    test.QuestionCount = 100;
    strcpy(test.Current.Code, "B-004-06-05");
    strcpy(test.Current.Text, "Question\r");
    for (int i = 0; i < 4; ++i)
        snprintf(test.Current.Answers[i], TextFieldSize, "answer %d\r", i);
    EXPECT_EQ(Shown(ModeExam, 0), "Exam");
    EXPECT_EQ(Shown(ModeExam, 1), "Basic");
    EXPECT_EQ(Shown(ModeExam, 2), "12 : 4-06-05");
    EXPECT_EQ(Shown(ModeExam, 3), "37/100:60");
    EXPECT_EQ(Shown(ModeExam, 4), "None");
    test.Answers[11] = AnswerGood;
    EXPECT_EQ(Shown(ModeExam, 4), "Good");
    test.Answers[11] = AnswerBad;
    EXPECT_EQ(Shown(ModeExam, 4), "Bad");
    EXPECT_EQ(Shown(ModeExam, 5), "Question\r");
    EXPECT_EQ(Shown(ModeExam, 6), "answer 0\r");
    EXPECT_EQ(Shown(ModeExam, 9), "answer 3\r");

    test.ClassIndex = ClassAdvanced;
    test.CurrentIndex = 957;
    EXPECT_EQ(Shown(ModeBrowse, 0), "Browse");
    EXPECT_EQ(Shown(ModeBrowse, 1), "Advanced");
    EXPECT_EQ(Shown(ModeBrowse, 2), "958 : 4-06-05");
    EXPECT_EQ(Shown(ModeBrowse, 3), "---");
    EXPECT_EQ(Shown(ModeBrowse, 4), "---");

    BuildDisplayTexts(&test, ModeExam, FrenchStrings, &texts);
    EXPECT_STREQ(texts.Text[0], "Examen");
    EXPECT_STREQ(texts.Text[1], "Sup\xe9rieure");
    // Position 958 lies beyond the answer slots: read as not answered.
    EXPECT_STREQ(texts.Text[4], "N\xe9"
                                "ant");
    test.ClassIndex = ClassBasic;
    BuildDisplayTexts(&test, ModeBrowse, FrenchStrings, &texts);
    EXPECT_STREQ(texts.Text[0], "Parcours");
    EXPECT_STREQ(texts.Text[1], "de Base");
}

TEST_F(Engine, DisplayTextsStayBoundedForEmptyAndFullRecords) {
    memset(&test.Current, 0, sizeof test.Current);
    test.CurrentIndex = -1;
    EXPECT_EQ(Shown(ModeExam, 2), "0 : ");
    EXPECT_EQ(Shown(ModeExam, 4), "None");
    // Fields filled to the last byte, unterminated: the copies stop at the field.
    memset(&test.Current, 'x', sizeof test.Current);
    test.Current.Correct = 0;
    BuildDisplayTexts(&test, ModeExam, EnglishStrings, &texts);
    EXPECT_EQ(strlen(texts.Text[5]), (size_t)TextFieldSize - 1);
    EXPECT_EQ(strlen(texts.Text[9]), (size_t)TextFieldSize - 1);
    EXPECT_EQ(std::string(texts.Text[2]), "0 : " + std::string(CodeFieldSize - 4, 'x'));
}

} // namespace
