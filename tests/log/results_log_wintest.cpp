#include "engine/test_state.h"
#include "log/results_log.h"
#include "log/results_log_win32.h"
#include "settings/options.h"
#include "settings/strings.h"
#include "tests/support/import_hook_win32.h"
#include "tests/support/message_box_hook_win32.h"
#include "tests/support/raw_store_win32.h"
#include "ui/shell_state_win32.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <windows.h>

namespace {

const char LogKey[] = "Software\\Korvane\\Log";

const unsigned char WorkedExample[16] = {0xd7, 0x07, 0xc0, 0x3c, 0x8e, 0x44, 0x00, 0x00,
                                         0x64, 0x00, 0x00, 0x00, 0x49, 0x00, 0x00, 0x00};

std::string Raw(const char* name, DWORD* type = nullptr) {
    DWORD ignored;
    std::vector<unsigned char> data;
    if (!GetRawValue(LogKey, name, type ? type : &ignored, &data)) return "<missing>";
    return std::string(data.begin(), data.end());
}

std::string Bytes(const void* data, size_t size) {
    return std::string((const char*)data, size);
}

typedef LSTATUS(WINAPI* SetValueFunction)(HKEY, LPCSTR, DWORD, DWORD, const BYTE*, DWORD);
SetValueFunction OriginalSetValue;
std::vector<std::string> RecordedWrites;

LSTATUS WINAPI RecordSetValue(HKEY key, LPCSTR name, DWORD reserved, DWORD type, const BYTE* data,
                              DWORD size) {
    RecordedWrites.push_back(name ? name : "");
    return OriginalSetValue(key, name, reserved, type, data, size);
}

LogEntry Entry(int score) {
    LogEntry entry = {PackedDateOf(PackDateValue(2007, 3, 15, 13, 45, 30)), 17550, 100, score};
    return entry;
}

class LogStore : public ::testing::Test {
  protected:
    void SetUp() override {
        DeleteKorvaneStore();
        SetDefaultOptions();
        CurrentStrings = EnglishStrings;
        memset(&Log, 0, sizeof Log);
        // A finished Basic exam, 73 of 100, not logged yet.
        memset(&::Test, 0, sizeof ::Test);
        ::Test.QuestionCount = 100;
        ::Test.Score = 73;
        for (int i = 0; i < 100; ++i)
            ::Test.Answers[i] = i < 73 ? AnswerGood : AnswerBad;
        MainWindow = CreateWindowA("STATIC", "main", WS_OVERLAPPED, 0, 0, 100, 100, nullptr,
                                   nullptr, nullptr, nullptr);
        LogWindow = CreateWindowA("STATIC", "log", WS_OVERLAPPED, 0, 0, 100, 100, nullptr, nullptr,
                                  nullptr, nullptr);
        ASSERT_NE(MainWindow, nullptr);
    }
    void TearDown() override {
        DestroyWindow(LogWindow);
        DestroyWindow(MainWindow);
        MainWindow = nullptr;
        CurrentStrings = EnglishStrings;
    }
    HWND LogWindow = nullptr;
};

TEST_F(LogStore, WorkedExampleIsStoredAsItsSixteenBytes) {
    Log.Entries[0] = Entry(73);
    Log.NumEntries = 1;
    ASSERT_EQ(SaveLog(), 1);
    DWORD type = 0;
    EXPECT_EQ(Raw("NumEntries", &type), std::string("1", 2));
    EXPECT_EQ(type, (DWORD)REG_SZ);
    EXPECT_EQ(Raw("E000", &type), Bytes(WorkedExample, 16));
    EXPECT_EQ(type, (DWORD)REG_BINARY);
    EXPECT_EQ(Raw("E001"), "<missing>");

    memset(&Log, 0x77, sizeof Log);
    ChartPoints[3] = ChartPoint{5, 6};
    ASSERT_EQ(LoadLog(), 1);
    EXPECT_EQ(Log.NumEntries, 1);
    LogEntry expected = Entry(73);
    EXPECT_EQ(memcmp(&Log.Entries[0], &expected, sizeof expected), 0);
    // Everything past the count and the chart's points start from zero.
    EXPECT_EQ(Log.Entries[1].Total, 0);
    EXPECT_EQ(Log.Entries[499].Score, 0);
    EXPECT_EQ(ChartPoints[3].X, 0);
}

TEST_F(LogStore, AddTakesTheUtcClock) {
    MessageBoxWatch watch(IDOK);
    ASSERT_NE(watch.Hook, nullptr);
    SYSTEMTIME before, after;
    GetSystemTime(&before);
    EXPECT_EQ(AddCurrentTestToLog(), 1);
    GetSystemTime(&after);
    EXPECT_TRUE(watch.Boxes.empty());
    ASSERT_EQ(Log.NumEntries, 1);
    EXPECT_EQ(::Test.Logged, 1);
    const LogEntry& entry = Log.Entries[0];
    EXPECT_EQ(entry.Total, 100);
    EXPECT_EQ(entry.Score, 73);
    uint64_t low = PackDateValue(before.wYear, before.wMonth, before.wDay, before.wHour,
                                 before.wMinute, before.wSecond);
    uint64_t high = PackDateValue(after.wYear, after.wMonth, after.wDay, after.wHour, after.wMinute,
                                  after.wSecond);
    EXPECT_TRUE(entry.PackedDate == PackedDateOf(low) || entry.PackedDate == PackedDateOf(high));
    EXPECT_TRUE(entry.TimeProduct == TimeProductOf(low) ||
                entry.TimeProduct == TimeProductOf(high));
}

TEST_F(LogStore, RefusalsShowOneRealBoxOwnedByTheMainWindow) {
    MessageBoxWatch watch(IDOK);
    ASSERT_NE(watch.Hook, nullptr);
    // Three questions still open: one box only, nothing added.
    ::Test.Answers[10] = ::Test.Answers[20] = ::Test.Answers[99] = AnswerNone;
    EXPECT_EQ(AddCurrentTestToLog(), 0);
    ASSERT_EQ(watch.Boxes.size(), 1u);
    EXPECT_EQ(watch.Boxes[0].Caption, "Korvane");
    EXPECT_EQ(watch.Boxes[0].Text, "The current test is not finished");
    EXPECT_EQ(watch.Boxes[0].Icon, (UINT)MB_ICONWARNING);
    EXPECT_EQ(watch.Boxes[0].Buttons, (UINT)MB_OK);
    EXPECT_EQ(watch.Boxes[0].Owner, MainWindow);
    EXPECT_EQ(Log.NumEntries, 0);
    EXPECT_EQ(::Test.Logged, 0);

    ::Test.Answers[10] = ::Test.Answers[20] = ::Test.Answers[99] = AnswerGood;
    EXPECT_EQ(AddCurrentTestToLog(), 1);
    EXPECT_EQ(watch.Boxes.size(), 1u);
    EXPECT_EQ(Log.NumEntries, 1);

    EXPECT_EQ(AddCurrentTestToLog(), 1);
    ASSERT_EQ(watch.Boxes.size(), 2u);
    EXPECT_EQ(watch.Boxes[1].Caption, "Korvane");
    EXPECT_EQ(watch.Boxes[1].Text, "The current test is already in the log");
    EXPECT_EQ(watch.Boxes[1].Icon, (UINT)MB_ICONERROR);
    EXPECT_EQ(watch.Boxes[1].Buttons, (UINT)MB_OK);
    EXPECT_EQ(watch.Boxes[1].Owner, MainWindow);
    EXPECT_EQ(Log.NumEntries, 1);

    // Browsing: silent, nothing changes.
    ::Test.Logged = 0;
    Mode = ModeBrowse;
    EXPECT_EQ(AddCurrentTestToLog(), 1);
    EXPECT_EQ(watch.Boxes.size(), 2u);
    EXPECT_EQ(Log.NumEntries, 1);
    Mode = ModeExam;
}

TEST_F(LogStore, BoxesSpeakTheCurrentLanguage) {
    MessageBoxWatch watch(IDNO);
    ASSERT_NE(watch.Hook, nullptr);
    CurrentStrings = FrenchStrings;
    ::Test.Answers[0] = AnswerNone;
    AddCurrentTestToLog();
    Log.NumEntries = 4;
    EXPECT_EQ(ClearLog(LogWindow), 0);
    ASSERT_EQ(watch.Boxes.size(), 2u);
    EXPECT_EQ(watch.Boxes[0].Text, "Le test en cours n'est pas termin\xE9");
    EXPECT_EQ(watch.Boxes[0].Caption, "Korvane");
    EXPECT_EQ(watch.Boxes[1].Text, "Etes-vous s\xFBr(e) de vouloir effacer le journal");
    EXPECT_EQ(watch.Boxes[1].Caption, "Korvane");
}

TEST_F(LogStore, ClearAsksAndSaveKeepsTheOldValues) {
    for (int i = 0; i < 3; ++i)
        Log.Entries[i] = Entry(60 + i);
    Log.NumEntries = 3;
    ASSERT_EQ(SaveLog(), 1);

    MessageBoxWatch watch(IDNO);
    ASSERT_NE(watch.Hook, nullptr);
    EXPECT_EQ(ClearLog(LogWindow), 0);
    ASSERT_EQ(watch.Boxes.size(), 1u);
    EXPECT_EQ(watch.Boxes[0].Caption, "Korvane");
    EXPECT_EQ(watch.Boxes[0].Text, "Are you sure you want to clear the log?");
    EXPECT_EQ(watch.Boxes[0].Icon, (UINT)MB_ICONQUESTION);
    EXPECT_EQ(watch.Boxes[0].Buttons, (UINT)MB_YESNO);
    EXPECT_EQ(watch.Boxes[0].Owner, LogWindow);
    EXPECT_EQ(watch.Boxes[0].Pressed, IDNO);
    EXPECT_EQ(Log.NumEntries, 3);

    watch.Answer = IDYES;
    EXPECT_EQ(ClearLog(LogWindow), 1);
    ASSERT_EQ(watch.Boxes.size(), 2u);
    EXPECT_EQ(watch.Boxes[1].Pressed, IDYES);
    EXPECT_EQ(Log.NumEntries, 0);
    // Written at once; the answer No wrote nothing, and the old values stay.
    auto expect_old_entries_kept = [] {
        for (int i = 0; i < 3; ++i) {
            char name[LogValueNameSize];
            LogValueName(i, name);
            LogEntry old = Entry(60 + i);
            EXPECT_EQ(Raw(name), Bytes(&old, 16)) << name;
        }
    };
    EXPECT_EQ(Raw("NumEntries"), std::string("0", 2));
    expect_old_entries_kept();

    ASSERT_EQ(SaveLog(), 1);
    EXPECT_EQ(Raw("NumEntries"), std::string("0", 2));
    expect_old_entries_kept();
    ASSERT_EQ(LoadLog(), 1);
    EXPECT_EQ(Log.NumEntries, 0);
    EXPECT_EQ(Log.Entries[0].Score, 0);
}

TEST_F(LogStore, FullLogDropsTheOldestThroughTheStore) {
    for (int i = 0; i < LogCapacity; ++i)
        Log.Entries[i] = Entry(i % 101);
    Log.NumEntries = LogCapacity;
    ASSERT_EQ(SaveLog(), 1);
    ASSERT_EQ(LoadLog(), 1);
    ASSERT_EQ(Log.NumEntries, LogCapacity);

    MessageBoxWatch watch(IDOK);
    ASSERT_NE(watch.Hook, nullptr);
    ::Test.Score = 42;
    EXPECT_EQ(AddCurrentTestToLog(), 1);
    EXPECT_TRUE(watch.Boxes.empty());
    // Stored at once, every entry shifted, without waiting for the quit.
    EXPECT_EQ(Raw("NumEntries"), std::string("500", 4));
    LogEntry second = Entry(1);
    EXPECT_EQ(Raw("E000"), Bytes(&second, 16));
    EXPECT_EQ(Raw("E498"), Bytes(&Log.Entries[498], 16));
    EXPECT_EQ(Raw("E499"), Bytes(&Log.Entries[499], 16));
    EXPECT_EQ(Raw("E500"), "<missing>");

    ASSERT_EQ(LoadLog(), 1);
    EXPECT_EQ(Log.NumEntries, LogCapacity);
    for (int i = 0; i < LogCapacity - 1; ++i)
        ASSERT_EQ(Log.Entries[i].Score, (i + 1) % 101) << i;
    EXPECT_EQ(Log.Entries[499].Score, 42);
    EXPECT_EQ(Log.Entries[499].Total, 100);
}

TEST_F(LogStore, MissingOrMisshapenEntriesLoadAsZeroInTheirPlace) {
    LogEntry a = Entry(11), c = Entry(33), e = Entry(55);
    ASSERT_TRUE(PutRawString(LogKey, "NumEntries", "6"));
    ASSERT_TRUE(PutRawValue(LogKey, "E000", REG_BINARY, &a, 16));
    // E001 missing
    ASSERT_TRUE(PutRawValue(LogKey, "E002", REG_BINARY, &c, 16));
    unsigned char seventeen[17] = {1};
    ASSERT_TRUE(PutRawValue(LogKey, "E003", REG_BINARY, seventeen, 17));
    ASSERT_TRUE(PutRawValue(LogKey, "E004", REG_BINARY, &e, 15));
    DWORD dword = 77;
    ASSERT_TRUE(PutRawValue(LogKey, "E005", REG_DWORD, &dword, 4));
    ASSERT_EQ(LoadLog(), 1);
    ASSERT_EQ(Log.NumEntries, 6);
    EXPECT_EQ(Log.Entries[0].Score, 11);
    EXPECT_EQ(Log.Entries[2].Score, 33);
    LogEntry zero = {};
    for (int i : {1, 3, 4, 5})
        EXPECT_EQ(memcmp(&Log.Entries[i], &zero, 16), 0) << i;

    // 16 bytes of text are no entry either; nor is a count of another type.
    ASSERT_TRUE(PutRawValue(LogKey, "E001", REG_SZ, "0123456789abcde", 16));
    ASSERT_EQ(LoadLog(), 1);
    EXPECT_EQ(memcmp(&Log.Entries[1], &zero, 16), 0);
    DWORD six = 6;
    ASSERT_TRUE(PutRawValue(LogKey, "NumEntries", REG_DWORD, &six, 4));
    EXPECT_EQ(LoadLog(), 0);
    EXPECT_EQ(Log.NumEntries, 0);
}

TEST_F(LogStore, AnAddedEntryIsStoredBeforeItsCount) {
    LogEntry old = Entry(5);
    ASSERT_TRUE(PutRawString(LogKey, "NumEntries", "1"));
    ASSERT_TRUE(PutRawValue(LogKey, "E000", REG_BINARY, &old, 16));
    ASSERT_EQ(LoadLog(), 1);

    // Every write is seen: the new value, then the count that covers it.
    RecordedWrites.clear();
    OriginalSetValue =
        (SetValueFunction)HookImport("advapi32.dll", "RegSetValueExA", (void*)&RecordSetValue);
    ASSERT_NE(OriginalSetValue, nullptr);
    EXPECT_EQ(AddCurrentTestToLog(), 1);
    EXPECT_EQ(RecordedWrites, (std::vector<std::string>{"E001", "NumEntries"}));
    EXPECT_EQ(Raw("NumEntries"), std::string("2", 2));
    EXPECT_EQ(Raw("E001"), Bytes(&Log.Entries[1], 16));
    EXPECT_EQ(Log.Entries[1].Score, 73);

    // A refusal writes nothing; the quit writes the entries, then the count.
    RecordedWrites.clear();
    MessageBoxWatch watch(IDOK);
    EXPECT_EQ(AddCurrentTestToLog(), 1);
    EXPECT_TRUE(RecordedWrites.empty());
    ASSERT_EQ(SaveLog(), 1);
    EXPECT_EQ(RecordedWrites, (std::vector<std::string>{"E000", "E001", "NumEntries"}));
    HookImport("advapi32.dll", "RegSetValueExA", (void*)OriginalSetValue);
}

TEST_F(LogStore, HandEditedCountsStayInsideTheLog) {
    LogEntry first = Entry(1), last = Entry(99);
    ASSERT_TRUE(PutRawValue(LogKey, "E000", REG_BINARY, &first, 16));
    ASSERT_TRUE(PutRawValue(LogKey, "E499", REG_BINARY, &last, 16));
    ASSERT_TRUE(PutRawValue(LogKey, "E500", REG_BINARY, &first, 16));

    ASSERT_TRUE(PutRawString(LogKey, "NumEntries", "600"));
    ASSERT_EQ(LoadLog(), 1);
    EXPECT_EQ(Log.NumEntries, LogCapacity); // cut to the capacity
    EXPECT_EQ(Log.Entries[0].Score, 1);
    EXPECT_EQ(Log.Entries[499].Score, 99);

    for (const char* text : {"-3", "abc", ""}) {
        ASSERT_TRUE(PutRawString(LogKey, "NumEntries", text));
        ASSERT_EQ(LoadLog(), 1);
        EXPECT_EQ(Log.NumEntries, 0) << text;
        EXPECT_EQ(Log.Entries[0].Score, 0) << text;
    }
    ASSERT_TRUE(PutRawString(LogKey, "NumEntries", std::string(400, '1').c_str()));
    EXPECT_EQ(LoadLog(), 0); // too long to read: empty
    EXPECT_EQ(Log.NumEntries, 0);

    DeleteKorvaneStore();
    Log.NumEntries = 9;
    EXPECT_EQ(LoadLog(), 0);
    EXPECT_EQ(Log.NumEntries, 0);
    EXPECT_FALSE(KeyExists(LogKey));
}

} // namespace
