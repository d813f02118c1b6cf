#include "log/results_log.h"

#include "engine/test_state.h"
#include "settings/options.h"

#include <cstdio>
#include <cstring>

ResultsLog Log;
ChartPoint ChartPoints[LogCapacity];

uint64_t PackDateValue(int year, int month, int day, int hour, int minute, int second) {
    uint32_t packed = ((uint32_t)year & 0x3FFFFF) | (((uint32_t)month & 0xF) << 22) |
                      (((uint32_t)day & 0x3F) << 26);
    uint32_t product = ((uint32_t)hour * (uint32_t)minute * (uint32_t)second) & 0xFFFFF;
    return (uint64_t)packed | ((uint64_t)product << 32);
}

LogDate DecodePackedDate(uint32_t packedDate) {
    LogDate date;
    date.Year = (int)(packedDate & 0x3FFFFF);
    date.Month = (int)((packedDate >> 22) & 0xF);
    date.Day = (int)((packedDate >> 26) & 0x3F);
    return date;
}

LogAddDecision AddTestToLog(ResultsLog* log, TestState* test, int mode, uint64_t dateValue) {
    if (mode != ModeExam) return LogAddIgnored;
    if (test->Logged == 1) return LogAddAlreadyLogged;
    int count = test->QuestionCount;
    if (count > TestSlots) count = TestSlots;
    for (int i = 0; i < count; ++i)
        if (test->Answers[i] == AnswerNone) return LogAddNotFinished;
    LogEntry entry;
    entry.PackedDate = PackedDateOf(dateValue);
    entry.TimeProduct = TimeProductOf(dateValue);
    entry.Total = test->QuestionCount;
    entry.Score = test->Score;
    AppendLogEntry(log, entry);
    test->Logged = 1;
    return LogAddDone;
}

void AppendLogEntry(ResultsLog* log, const LogEntry& entry) {
    if (log->NumEntries < 0) log->NumEntries = 0;
    if (log->NumEntries >= LogCapacity) {
        memmove(&log->Entries[0], &log->Entries[1], (LogCapacity - 1) * sizeof(LogEntry));
        log->NumEntries = LogCapacity - 1;
    }
    log->Entries[log->NumEntries++] = entry;
}

void ClearResultsLog(ResultsLog* log) {
    log->NumEntries = 0;
}

void ResetResultsLog(ResultsLog* log, ChartPoint points[LogCapacity]) {
    memset(log, 0, sizeof *log);
    memset(points, 0, LogCapacity * sizeof(ChartPoint));
}

namespace {

void PutLittle32(unsigned char* out, uint32_t value) {
    for (int i = 0; i < 4; ++i)
        out[i] = (unsigned char)(value >> (8 * i));
}

uint32_t GetLittle32(const unsigned char* in) {
    return (uint32_t)in[0] | (uint32_t)in[1] << 8 | (uint32_t)in[2] << 16 | (uint32_t)in[3] << 24;
}

} // namespace

void PackLogEntry(const LogEntry& entry, unsigned char out[LogEntryBytes]) {
    PutLittle32(out, entry.PackedDate);
    PutLittle32(out + 4, entry.TimeProduct);
    PutLittle32(out + 8, (uint32_t)entry.Total);
    PutLittle32(out + 12, (uint32_t)entry.Score);
}

LogEntry UnpackLogEntry(const unsigned char in[LogEntryBytes]) {
    LogEntry entry;
    entry.PackedDate = GetLittle32(in);
    entry.TimeProduct = GetLittle32(in + 4);
    entry.Total = (int32_t)GetLittle32(in + 8);
    entry.Score = (int32_t)GetLittle32(in + 12);
    return entry;
}

int ClampLogCount(int count) {
    if (count < 0) return 0;
    if (count > LogCapacity) return LogCapacity;
    return count;
}

void LogValueName(int index, char out[LogValueNameSize]) {
    snprintf(out, LogValueNameSize, "E%03d", index);
}
