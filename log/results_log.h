// The history of finished exams: at most 500 entries, oldest first.
#pragma once

#include <cstdint>

struct LogEntry {
    uint32_t PackedDate;  // bits 0-21 year, 22-25 month, 26-31 day (UTC)
    uint32_t TimeProduct; // hour * minute * second (UTC), bits 0-19
    int32_t Total;
    int32_t Score;
};
static_assert(sizeof(LogEntry) == 16, "stored layout");

enum { LogCapacity = 500 };

struct ResultsLog {
    int NumEntries;
    LogEntry Entries[LogCapacity];
};

extern ResultsLog Log;

// Client positions of the plotted entries, written by each paint of the chart.
struct ChartPoint {
    int32_t X, Y;
};
extern ChartPoint ChartPoints[LogCapacity];

// ---- Rules of the log, free of the platform.

struct TestState;

// The 64-bit date value of a moment in UTC: low half PackedDate, high half
// TimeProduct.
uint64_t PackDateValue(int year, int month, int day, int hour, int minute, int second);
inline uint32_t PackedDateOf(uint64_t dateValue) {
    return (uint32_t)dateValue;
}
inline uint32_t TimeProductOf(uint64_t dateValue) {
    return (uint32_t)(dateValue >> 32);
}

struct LogDate {
    int Year, Month, Day;
};
LogDate DecodePackedDate(uint32_t packedDate);

// What an add request comes to, checked in this order.
enum LogAddDecision {
    LogAddIgnored,       // browsing the pool: no message, no change
    LogAddAlreadyLogged, // message slot 1
    LogAddNotFinished,   // message slot 2
    LogAddDone,          // appended, the test is marked logged
};
// Decides, and on LogAddDone appends the test's result with the date value and
// sets its Logged flag. mode is ModeExam or ModeBrowse.
LogAddDecision AddTestToLog(ResultsLog* log, TestState* test, int mode, uint64_t dateValue);

// Appends, dropping the oldest entry when the log is full.
void AppendLogEntry(ResultsLog* log, const LogEntry& entry);

// Forgets every entry; the bytes stay but no longer count.
void ClearResultsLog(ResultsLog* log);

// Everything zero: count, entries and the chart's points.
void ResetResultsLog(ResultsLog* log, ChartPoint points[LogCapacity]);

// The stored form: the four fields little-endian, back to back.
enum { LogEntryBytes = 16 };
void PackLogEntry(const LogEntry& entry, unsigned char out[LogEntryBytes]);
LogEntry UnpackLogEntry(const unsigned char in[LogEntryBytes]);

// A stored count may be hand-edited: cut to 0..LogCapacity.
int ClampLogCount(int count);

// Name of the stored value of entry index: "E000" to "E499".
enum { LogValueNameSize = 16 };
void LogValueName(int index, char out[LogValueNameSize]);
