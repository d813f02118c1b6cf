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
