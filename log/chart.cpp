#include "log/chart.h"

#include <cstdio>

const ChartRect ChartArea = {22, 62, 418, 318};
const ChartRect CaptionArea = {40, 42, 200, 60};

int ChartEntryCount(const ResultsLog& log) {
    if (log.NumEntries < 0) return 0;
    return log.NumEntries > LogCapacity ? (int)LogCapacity : log.NumEntries;
}

int ChartPercent(const LogEntry& entry) {
    if (entry.Total == 0) return 0;
    // 64 bits: Score * 100 of any stored value fits, and so does the quotient
    // except for INT32_MIN * 100 / -1, which the bounds below catch.
    long long percent = (long long)entry.Score * 100 / entry.Total;
    if (percent > INT32_MAX) return INT32_MAX;
    if (percent < INT32_MIN) return INT32_MIN;
    return (int)percent;
}

// Height of the point above the chart's bottom edge, truncated toward zero.
// An entry scored above its total (only a hand-edited store holds one) lies
// outside the chart and is clipped; the bound only keeps the conversion
// defined and the coordinate within what the platform can draw.
static int PointRise(const LogEntry& entry, int height) {
    if (entry.Total == 0) return 0;
    double t = (double)entry.Score / (double)entry.Total * height;
    const double limit = 1 << 20;
    if (t > limit) t = limit;
    if (t < -limit) t = -limit;
    return (int)t;
}

int PlaceChartPoints(const ResultsLog& log, const ChartRect& r, ChartPoint* points) {
    int count = ChartEntryCount(log);
    int width = (r.Right - r.Left) - 2 * ChartMargin;
    if (width < 0) width = 0;
    int height = r.Bottom - r.Top;
    unsigned step = count <= 1 ? 0u : (unsigned)width / (unsigned)(count - 1);
    for (int i = 0; i < count; ++i) {
        int offset;
        if (step > 0 || count <= 1)
            offset = (int)((unsigned)i * step);
        else
            offset = (int)((long long)i * width / (count - 1));
        points[i].X = r.Left + ChartMargin + offset;
        points[i].Y = r.Bottom - PointRise(log.Entries[i], height);
    }
    return count;
}

ChartRect ChartLabelStart(ChartPoint point, int textWidth) {
    int left = point.X - textWidth / 2;
    return ChartRect{left, point.Y - ChartLabelRise, left + ChartLabelBox, point.Y};
}

void ClampRectInto(ChartRect* r, const ChartRect& bounds) {
    int dl = r->Left - bounds.Left;
    int dr = r->Right - bounds.Right;
    int dt = r->Top - bounds.Top;
    int db = r->Bottom - bounds.Bottom;
    if (dl < 0) {
        r->Left -= dl;
        r->Right -= dl;
    }
    if (dr > 0) {
        r->Left -= dr;
        r->Right -= dr;
    }
    if (dt < 0) {
        r->Top -= dt;
        r->Bottom -= dt;
    }
    if (db > 0) {
        r->Top -= db;
        r->Bottom -= db;
    }
}

int HitChartPoint(const ChartPoint* points, int count, unsigned mx, unsigned my) {
    long long x = mx, y = my;
    for (int i = 0; i < count; ++i) {
        long long px = points[i].X, py = points[i].Y;
        if (px - ChartTolerance <= x && x <= px + ChartTolerance && py - ChartTolerance <= y &&
            y <= py + ChartTolerance)
            return i;
    }
    return -1;
}

void FormatChartLabel(char* buffer, size_t size, const LogEntry& entry) {
    snprintf(buffer, size, "%d%%", ChartPercent(entry));
}

void FormatEntryInfo(char* buffer, size_t size, int index, const LogEntry& entry) {
    LogDate date = DecodePackedDate(entry.PackedDate);
    snprintf(buffer, size, "Entry # %d\nScore : %d / %d\nDate : %d-%d-%d", index + 1, entry.Score,
             entry.Total, date.Month, date.Day, date.Year);
}
