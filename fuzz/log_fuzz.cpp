// Arbitrary stored log values: a count and 16-byte entries, through the
// decoding, the chart's geometry, the pointer test and the pop-up and label
// texts, as a hand-edited store would feed them.
#include "log/chart.h"
#include "log/results_log.h"

#include "fuzz/fuzz_input.h"

#include <cstdint>
#include <cstring>

namespace {

bool Inside(const ChartRect& r, const ChartRect& bounds) {
    return r.Left >= bounds.Left && r.Right <= bounds.Right && r.Top >= bounds.Top &&
           r.Bottom <= bounds.Bottom;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static ResultsLog log;
    static ChartPoint points[LogCapacity];
    memset(&log, 0, sizeof log);
    // The count as stored (any value: the chart cuts it), then an area and a
    // pointer position, then the entries.
    log.NumEntries = Take32(data, size);
    uint32_t pointer = (uint32_t)Take32(data, size);
    int32_t areaWidth = Take32(data, size) & 0xFFFF;
    int32_t areaHeight = Take32(data, size) & 0xFFFF;
    int stored = 0;
    while (size >= LogEntryBytes && stored < LogCapacity) {
        LogEntry entry = UnpackLogEntry(data);
        unsigned char back[LogEntryBytes];
        PackLogEntry(entry, back);
        if (memcmp(back, data, LogEntryBytes) != 0) __builtin_trap(); // bytes are the record
        log.Entries[stored++] = entry;
        data += LogEntryBytes;
        size -= LogEntryBytes;
    }

    // The shipped area and one of any size.
    const ChartRect areas[2] = {ChartArea, {0, 0, areaWidth, areaHeight}};
    for (const ChartRect& area : areas) {
        int count = PlaceChartPoints(log, area, points);
        if (count != ChartEntryCount(log) || count < 0 || count > LogCapacity) __builtin_trap();
        for (int i = 0; i < count; ++i) {
            const LogEntry& entry = log.Entries[i];
            LogDate date = DecodePackedDate(entry.PackedDate);
            if (date.Month < 0 || date.Month > 15 || date.Day < 0 || date.Day > 63)
                __builtin_trap();
            if (i > 0 && points[i].X < points[i - 1].X) __builtin_trap(); // left to right

            char label[16];
            FormatChartLabel(label, sizeof label, entry);
            ChartRect box = ChartLabelStart(points[i], (int)strlen(label) * 7);
            ClampRectInto(&box, area);
            // A label no wider or higher than the chart ends up inside it.
            if (area.Right - area.Left >= ChartLabelBox &&
                area.Bottom - area.Top >= ChartLabelRise && !Inside(box, area))
                __builtin_trap();

            char info[128]; // the pop-up's buffer
            FormatEntryInfo(info, sizeof info, i, entry);
            if (strnlen(info, sizeof info) == sizeof info) __builtin_trap();
        }
        // The message's 16-bit coordinates; the hit, when any, is near it.
        unsigned mx = pointer & 0xFFFF, my = pointer >> 16;
        int hit = HitChartPoint(points, count, mx, my);
        if (hit < -1 || hit >= count) __builtin_trap();
        if (hit >= 0) {
            long long dx = (long long)mx - points[hit].X, dy = (long long)my - points[hit].Y;
            if (dx < -ChartTolerance || dx > ChartTolerance || dy < -ChartTolerance ||
                dy > ChartTolerance)
                __builtin_trap();
        }
    }

    // One more entry on top of what was read: never more than the capacity.
    log.NumEntries = ChartEntryCount(log);
    AppendLogEntry(&log, log.Entries[0]);
    if (log.NumEntries < 1 || log.NumEntries > LogCapacity) __builtin_trap();
    return 0;
}
