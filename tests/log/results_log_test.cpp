#include "log/results_log.h"

#include "engine/test_state.h"
#include "settings/options.h"

#include <gtest/gtest.h>

#include <cstring>
#include <ctime>

namespace {

const unsigned char WorkedExample[16] = {0xd7, 0x07, 0xc0, 0x3c, 0x8e, 0x44, 0x00, 0x00,
                                         0x64, 0x00, 0x00, 0x00, 0x49, 0x00, 0x00, 0x00};

TEST(LogDates, WorkedExamplePacksToTheStoredBytes) {
    uint64_t value = PackDateValue(2007, 3, 15, 13, 45, 30);
    EXPECT_EQ(PackedDateOf(value), 0x3CC007D7u);
    EXPECT_EQ(TimeProductOf(value), 17550u);
    LogEntry entry = {PackedDateOf(value), TimeProductOf(value), 100, 73};
    unsigned char bytes[LogEntryBytes];
    PackLogEntry(entry, bytes);
    EXPECT_EQ(memcmp(bytes, WorkedExample, 16), 0);

    LogEntry back = UnpackLogEntry(WorkedExample);
    EXPECT_EQ(back.PackedDate, 0x3CC007D7u);
    EXPECT_EQ(back.TimeProduct, 17550u);
    EXPECT_EQ(back.Total, 100);
    EXPECT_EQ(back.Score, 73);
}

TEST(LogDates, StoredFormIsLittleEndianWithSignedCounts) {
    LogEntry entry = {0x04030201u, 0x08070605u, -2, 0x7FFFFFFF};
    unsigned char bytes[LogEntryBytes];
    PackLogEntry(entry, bytes);
    const unsigned char expected[16] = {1,    2,    3,    4,    5,    6,    7,    8,
                                        0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F};
    EXPECT_EQ(memcmp(bytes, expected, 16), 0);
    LogEntry back = UnpackLogEntry(bytes);
    EXPECT_EQ(memcmp(&back, &entry, sizeof entry), 0);
}

TEST(LogDates, DecodingAndFieldMasks) {
    LogDate date = DecodePackedDate(0x3CC007D7u);
    EXPECT_EQ(date.Year, 2007);
    EXPECT_EQ(date.Month, 3);
    EXPECT_EQ(date.Day, 15);

    // Extremes of every field survive the round trip.
    date = DecodePackedDate(PackedDateOf(PackDateValue(0x3FFFFF, 12, 31, 0, 0, 0)));
    EXPECT_EQ(date.Year, 0x3FFFFF);
    EXPECT_EQ(date.Month, 12);
    EXPECT_EQ(date.Day, 31);
    EXPECT_EQ(PackedDateOf(PackDateValue(0x3FFFFF, 15, 63, 0, 0, 0)), 0xFFFFFFFFu);
    // Out-of-range inputs are masked, never spilling into the next field.
    EXPECT_EQ(PackedDateOf(PackDateValue(0x400000 + 2000, 1, 1, 0, 0, 0)),
              PackedDateOf(PackDateValue(2000, 1, 1, 0, 0, 0)));
    EXPECT_EQ(PackedDateOf(PackDateValue(2000, 16 + 5, 1, 0, 0, 0)),
              PackedDateOf(PackDateValue(2000, 5, 1, 0, 0, 0)));

    EXPECT_EQ(TimeProductOf(PackDateValue(2007, 1, 1, 23, 59, 59)), 80063u);
    EXPECT_EQ(TimeProductOf(PackDateValue(2007, 1, 1, 0, 59, 59)), 0u);
    EXPECT_EQ(TimeProductOf(PackDateValue(2007, 1, 1, 200, 100, 100)), 2000000u & 0xFFFFF);
}

// The date is taken from the UTC clock; the stored day is the UTC day. These
// moments are given in local time and zone offset, turned into the UTC fields
// the system clock reports.
uint32_t PackedDateAtLocal(int year, int month, int day, int hour, int minute, int offsetHours) {
    struct tm local = {};
    local.tm_year = year - 1900;
    local.tm_mon = month - 1;
    local.tm_mday = day;
    local.tm_hour = hour;
    local.tm_min = minute;
    time_t instant = timegm(&local) - offsetHours * 3600;
    struct tm utc;
    gmtime_r(&instant, &utc);
    return PackedDateOf(PackDateValue(utc.tm_year + 1900, utc.tm_mon + 1, utc.tm_mday, utc.tm_hour,
                                      utc.tm_min, utc.tm_sec));
}

TEST(LogDates, TheUtcDayIsStoredNearMidnight) {
    // 00:30 local, two hours east of UTC: the previous day.
    LogDate d = DecodePackedDate(PackedDateAtLocal(2007, 3, 16, 0, 30, +2));
    EXPECT_EQ(d.Year * 10000 + d.Month * 100 + d.Day, 20070315);
    // 23:30 local, five hours west of UTC: the next day.
    d = DecodePackedDate(PackedDateAtLocal(2007, 3, 15, 23, 30, -5));
    EXPECT_EQ(d.Year * 10000 + d.Month * 100 + d.Day, 20070316);
    // Across a year and a month end.
    d = DecodePackedDate(PackedDateAtLocal(2008, 1, 1, 0, 30, +2));
    EXPECT_EQ(d.Year * 10000 + d.Month * 100 + d.Day, 20071231);
    d = DecodePackedDate(PackedDateAtLocal(2008, 2, 29, 23, 30, -5));
    EXPECT_EQ(d.Year * 10000 + d.Month * 100 + d.Day, 20080301);
}

class LogAdd : public ::testing::Test {
  protected:
    void SetUp() override {
        memset(&log, 0, sizeof log);
        memset(&test, 0, sizeof test);
        test.QuestionCount = 100;
        test.Score = 73;
        for (int i = 0; i < test.QuestionCount; ++i)
            test.Answers[i] = AnswerGood;
    }
    ResultsLog log;
    TestState test;
    const uint64_t when = PackDateValue(2007, 3, 15, 13, 45, 30);
};

TEST_F(LogAdd, FinishedExamIsAppendedOnceAndMarkedLogged) {
    ASSERT_EQ(AddTestToLog(&log, &test, ModeExam, when), LogAddDone);
    EXPECT_EQ(log.NumEntries, 1);
    EXPECT_EQ(test.Logged, 1);
    unsigned char bytes[LogEntryBytes];
    PackLogEntry(log.Entries[0], bytes);
    EXPECT_EQ(memcmp(bytes, WorkedExample, 16), 0);

    // The same exam again: refused, nothing added.
    EXPECT_EQ(AddTestToLog(&log, &test, ModeExam, when), LogAddAlreadyLogged);
    EXPECT_EQ(log.NumEntries, 1);
}

TEST_F(LogAdd, BrowsingIsIgnoredBeforeAnyOtherRule) {
    test.Logged = 1;
    test.Answers[5] = AnswerNone;
    EXPECT_EQ(AddTestToLog(&log, &test, ModeBrowse, when), LogAddIgnored);
    test.Logged = 0;
    EXPECT_EQ(AddTestToLog(&log, &test, ModeBrowse, when), LogAddIgnored);
    EXPECT_EQ(log.NumEntries, 0);
    EXPECT_EQ(test.Logged, 0);
}

TEST_F(LogAdd, AlreadyLoggedIsCheckedBeforeUnfinished) {
    test.Logged = 1;
    test.Answers[0] = AnswerNone;
    EXPECT_EQ(AddTestToLog(&log, &test, ModeExam, when), LogAddAlreadyLogged);
}

TEST_F(LogAdd, UnfinishedExamIsRefusedUntilEveryQuestionIsAnswered) {
    for (int open : {0, 57, 99}) {
        SetUp();
        test.Answers[open] = AnswerNone;
        EXPECT_EQ(AddTestToLog(&log, &test, ModeExam, when), LogAddNotFinished) << open;
        EXPECT_EQ(log.NumEntries, 0);
        EXPECT_EQ(test.Logged, 0);
        test.Answers[open] = AnswerBad;
        EXPECT_EQ(AddTestToLog(&log, &test, ModeExam, when), LogAddDone) << open;
    }
    // Only the exam's own questions count: slots past QuestionCount are ignored.
    SetUp();
    test.QuestionCount = 50;
    test.Answers[50] = AnswerNone;
    EXPECT_EQ(AddTestToLog(&log, &test, ModeExam, when), LogAddDone);
    EXPECT_EQ(log.Entries[0].Total, 50);
}

TEST_F(LogAdd, CorruptQuestionCountReadsNoFurtherThanTheTest) {
    test.QuestionCount = 1000000;
    for (int i = 0; i < TestSlots; ++i)
        test.Answers[i] = AnswerGood;
    // Sanitizers catch a read past Answers.
    EXPECT_EQ(AddTestToLog(&log, &test, ModeExam, when), LogAddDone);
}

TEST_F(LogAdd, FullLogDropsTheOldest) {
    for (int i = 0; i < LogCapacity; ++i) {
        LogEntry entry = {0, 0, 100, i};
        AppendLogEntry(&log, entry);
    }
    ASSERT_EQ(log.NumEntries, LogCapacity);
    ASSERT_EQ(AddTestToLog(&log, &test, ModeExam, when), LogAddDone);
    EXPECT_EQ(log.NumEntries, LogCapacity);
    for (int i = 0; i < LogCapacity - 1; ++i)
        ASSERT_EQ(log.Entries[i].Score, i + 1) << i;
    EXPECT_EQ(log.Entries[LogCapacity - 1].Score, 73);
    EXPECT_EQ(log.Entries[LogCapacity - 1].PackedDate, 0x3CC007D7u);
}

TEST_F(LogAdd, AppendNeverWritesPastTheLogWhateverTheCount) {
    LogEntry entry = {1, 2, 3, 4};
    log.NumEntries = 600;
    AppendLogEntry(&log, entry);
    EXPECT_EQ(log.NumEntries, LogCapacity);
    EXPECT_EQ(log.Entries[LogCapacity - 1].Score, 4);
    log.NumEntries = -3;
    AppendLogEntry(&log, entry);
    EXPECT_EQ(log.NumEntries, 1);
}

TEST(LogStore, ClearKeepsTheBytesResetZeroesEverything) {
    static ResultsLog log;
    static ChartPoint points[LogCapacity];
    LogEntry entry = {1, 2, 3, 4};
    AppendLogEntry(&log, entry);
    ClearResultsLog(&log);
    EXPECT_EQ(log.NumEntries, 0);
    EXPECT_EQ(log.Entries[0].Score, 4);

    log.NumEntries = 1;
    points[499] = ChartPoint{7, 8};
    ResetResultsLog(&log, points);
    EXPECT_EQ(log.NumEntries, 0);
    EXPECT_EQ(log.Entries[0].Score, 0);
    EXPECT_EQ(points[499].X, 0);
    EXPECT_EQ(points[499].Y, 0);
}

} // namespace
