#include "bank/exam_class.h"
#include "bank/pool.h"
#include "tests/support/fixture_pool.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>

namespace {

// A pool held in an exactly sized heap block, so ASan sees any overread.
struct HeapPool {
    std::unique_ptr<char[]> bytes;
    size_t size;
    explicit HeapPool(const std::string& text)
        : bytes(new char[text.empty() ? 1 : text.size()]), size(text.size()) {
        memcpy(bytes.get(), text.data(), text.size());
    }
    const char* begin() const { return bytes.get(); }
    const char* end() const { return bytes.get() + size; }
};

TEST(FindInPool, FindsFirstCompleteOccurrenceOnly) {
    HeapPool p("abcabcab");
    EXPECT_EQ(FindInPool(p.begin(), p.end(), "abc"), p.begin());
    EXPECT_EQ(FindInPool(p.begin() + 1, p.end(), "abc"), p.begin() + 3);
    // "abc" starting at 6 would run past the end.
    EXPECT_EQ(FindInPool(p.begin() + 4, p.end(), "abc"), nullptr);
    EXPECT_EQ(FindInPool(p.begin() + 4, p.end(), "cab"), p.begin() + 5);
    EXPECT_EQ(FindInPool(p.begin(), p.end(), "ABC"), nullptr) << "case-sensitive";
}

// The vector scans hand over to narrower ones at 192-, 128-, 64- and
// 16-position edges and stop at end - keyLength, and a key longer than a
// 64-byte block takes another path: a code key and a long one, each placed
// at every offset of a range of every length up to 300, with decoys that
// pass the two-byte filter, must be found where a byte-by-byte scan finds
// them, by every width.
TEST(FindInPool, EveryWidthAgreesWithAPlainScanAtEveryEdge) {
    const std::string longKey = "B-" + std::string(66, 'q') + "-5";
    for (const std::string& key : {std::string("B-003-07-05"), longKey}) {
        const size_t k = key.size();
        auto plain = [&](const char* b, const char* e) -> const char* {
            for (const char* p = b; e - p >= (ptrdiff_t)k; ++p)
                if (memcmp(p, key.data(), k) == 0) return p;
            return nullptr;
        };
        for (size_t size = 0; size <= 300; ++size) {
            for (size_t at = 0; at <= size; at += (size > 40 ? 7 : 1)) {
                std::string text(size, 'x');
                // Decoys: first and last byte right, middle wrong.
                for (size_t d = 3; d + k <= size; d += 29) {
                    text[d] = 'B';
                    text[d + k - 1] = '5';
                }
                if (at + k <= size) memcpy(&text[at], key.data(), k);
                HeapPool p(text);
                const char* expected = plain(p.begin(), p.end());
                for (int width = SearchBytes; width <= SearchAvx512; ++width)
                    ASSERT_EQ(FindInPoolWith(width, p.begin(), p.end(), key.c_str()), expected)
                        << "width " << width << " key " << k << " size " << size << " at " << at;
            }
        }
    }
}

TEST(FindInPool, NullRangesYieldNone) {
    HeapPool p("abc");
    EXPECT_EQ(FindInPool(nullptr, p.end(), "a"), nullptr);
    EXPECT_EQ(FindInPool(p.begin(), nullptr, "a"), nullptr);
    EXPECT_EQ(FindInPool(p.end(), p.begin(), "a"), nullptr);
    EXPECT_EQ(FindInPool(p.begin(), p.begin(), "a"), nullptr);
}

class FixturePools : public ::testing::Test {
  protected:
    void SetUp() override {
        InstallFixturePools();
        ASSERT_NE(Pools[PoolBasicEn].PoolBegin, nullptr);
        basic = Pools[PoolBasicEn];
    }
    QuestionPool basic;
};

TEST_F(FixturePools, SectionListInOrder) {
    SectionList list;
    ASSERT_EQ(ReadSectionList(basic.PoolBegin, basic.PoolEnd, &list), 1);
    ASSERT_EQ(list.Count, 3);
    EXPECT_STREQ(list.Codes[0], "B-001-01");
    EXPECT_STREQ(list.Codes[1], "B-001-02");
    EXPECT_STREQ(list.Codes[2], "B-002-01");
}

TEST_F(FixturePools, SectionPrefixFindsFirstQuestionWithFullCode) {
    QuestionRecord r;
    ASSERT_EQ(LookUpQuestion(basic.PoolBegin, basic.PoolEnd, "B-001-02-", &r), 1);
    EXPECT_STREQ(r.Code, "B-001-02-01");
    EXPECT_EQ(r.Correct, 2);
    EXPECT_STREQ(r.Text, "First of section two\r");
    EXPECT_STREQ(r.Answers[3], "z\r");
}

TEST_F(FixturePools, TextsKeepTheirCarriageReturn) {
    QuestionRecord r;
    ASSERT_EQ(LookUpQuestion(basic.PoolBegin, basic.PoolEnd, "B-001-02-02", &r), 1);
    EXPECT_STREQ(r.Answers[0], "w\r");
    EXPECT_STREQ(r.Answers[1], "\r") << "an empty answer line is the CR alone";
    EXPECT_EQ(r.Correct, 0);
}

TEST_F(FixturePools, MissingCodeLeavesRecordAsItWas) {
    QuestionRecord r;
    memset(&r, 0x5A, sizeof r);
    QuestionRecord before = r;
    EXPECT_EQ(LookUpQuestion(basic.PoolBegin, basic.PoolEnd, "B-001-02-05", &r), 0);
    EXPECT_EQ(memcmp(&r, &before, sizeof r), 0);
}

TEST_F(FixturePools, LastBlockWithoutTrailingLineReadsToTheEnd) {
    // The last block of the fixture ends with its fourth answer line.
    QuestionRecord r;
    ASSERT_EQ(LookUpQuestion(basic.PoolBegin, basic.PoolEnd, "B-002-01-01", &r), 1);
    EXPECT_STREQ(r.Answers[3], "s\r");
    // A key matching the pool's last bytes is found; one running past them is not.
    EXPECT_EQ(FindInPool(basic.PoolBegin, basic.PoolEnd, "r\r\ns\r\n"), basic.PoolEnd - 6);
    EXPECT_EQ(FindInPool(basic.PoolBegin, basic.PoolEnd, "r\r\ns\r\n\r"), nullptr);
}

TEST(LookUpQuestion, TruncatedAndMalformedBlocksStayInBounds) {
    QuestionRecord r;
    HeapPool cut("B-001-01-01 (3)\r\nQuestion only");
    ASSERT_EQ(LookUpQuestion(cut.begin(), cut.end(), "B-001-01-01", &r), 1);
    EXPECT_EQ(r.Correct, 2);
    EXPECT_STREQ(r.Text, "Question only");
    EXPECT_STREQ(r.Answers[0], "");

    HeapPool noParen("B-001-01-01 3\r\nQ\r\na\r\nb\r\nc\r\nd\r\n");
    ASSERT_EQ(LookUpQuestion(noParen.begin(), noParen.end(), "B-001-01-01", &r), 1);
    EXPECT_LT(r.Correct, 0) << "no digit, no answer can count";

    HeapPool parenAtEnd("B-001-01-01 (");
    ASSERT_EQ(LookUpQuestion(parenAtEnd.begin(), parenAtEnd.end(), "B-001-01-01", &r), 1);
    EXPECT_LT(r.Correct, 0);

    HeapPool shortCode("B-001-01");
    EXPECT_EQ(LookUpQuestion(shortCode.begin(), shortCode.end(), "B-001-01", &r), 0);
}

TEST(LookUpQuestion, LongLinesAreCutToTheField) {
    std::string longLine(700, 'x');
    HeapPool p("B-001-01-01 (1)\r\n" + longLine + "\r\na\r\nb\r\nc\r\nd");
    QuestionRecord r;
    ASSERT_EQ(LookUpQuestion(p.begin(), p.end(), "B-001-01-01", &r), 1);
    EXPECT_EQ(strlen(r.Text), (size_t)TextFieldSize - 1);
    EXPECT_STREQ(r.Answers[0], "a\r");
}

TEST(ReadSectionList, CountIsBoundedAndTruncatedListsStop) {
    SectionList list;
    HeapPool none("no header here");
    EXPECT_EQ(ReadSectionList(none.begin(), none.end(), &list), 0);

    std::string many = "[SECTIONS]\r\n999\r\n";
    for (int i = 0; i < 130; ++i)
        many += "B-001-01 ...\r\n";
    HeapPool big(many);
    ASSERT_EQ(ReadSectionList(big.begin(), big.end(), &list), 1);
    EXPECT_EQ(list.Count, MaxSections);

    HeapPool cut("[SECTIONS]\r\n5\r\nB-001-01 ...\r\nB-00");
    ASSERT_EQ(ReadSectionList(cut.begin(), cut.end(), &list), 1);
    EXPECT_EQ(list.Count, 1);

    // A count line longer than 15 characters is cut: 15 zeros read as 0.
    HeapPool longCount("[SECTIONS]\r\n00000000000000000003\r\nB-001-01 ...\r\n");
    ASSERT_EQ(ReadSectionList(longCount.begin(), longCount.end(), &list), 1);
    EXPECT_EQ(list.Count, 0);

    HeapPool negative("[SECTIONS]\r\n  -4\r\n");
    ASSERT_EQ(ReadSectionList(negative.begin(), negative.end(), &list), 1);
    EXPECT_EQ(list.Count, 0);
}

TEST(LanguageSelection, PicksThePoolsOfTheLanguage) {
    InstallFixturePools();
    CurrentPools = CurrentPoolCells{};
    SelectLanguagePools(7);
    EXPECT_EQ(CurrentPools.BasicBegin, nullptr) << "unknown language selects nothing";
    SelectLanguagePools(LanguageFrench);
    EXPECT_EQ(CurrentPoolOf(ClassBasic).PoolBegin, Pools[PoolBasicFr].PoolBegin);
    EXPECT_EQ(CurrentPoolOf(ClassAdvanced).PoolEnd, Pools[PoolAdvancedFr].PoolEnd);
    SelectLanguagePools(LanguageEnglish);
    EXPECT_EQ(CurrentPoolOf(ClassBasic).PoolBegin, Pools[PoolBasicEn].PoolBegin);
    EXPECT_EQ(CurrentPoolOf(5).PoolBegin, nullptr);
    EXPECT_EQ(ExamClasses[ClassBasic].PassMark, 60);
    EXPECT_EQ(ExamClasses[ClassAdvanced].QuestionCount, 50);
}

} // namespace
