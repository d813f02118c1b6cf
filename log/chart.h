// Geometry of the log chart: where each entry is plotted, where its label
// goes and which point the pointer is on. The Win32 window draws from it.
#pragma once

#include "log/results_log.h"

#include <cstddef>
#include <cstdint>

// Left, top, right, bottom in client pixels, laid out like the platform's RECT.
struct ChartRect {
    int32_t Left, Top, Right, Bottom;
};

extern const ChartRect ChartArea;   // (22, 62, 418, 318)
extern const ChartRect CaptionArea; // (40, 42, 200, 60)

enum {
    ChartMargin = 4,     // left and right inside the chart
    ChartPointHalf = 3,  // half-size of a point's square
    ChartTolerance = 4,  // pointer distance in x and y that still hits a point
    ChartLabelRise = 20, // a label starts this far above its point
    ChartLabelBox = 80,  // width of the label rectangle before it is fitted
};

// Entries the chart shows: NumEntries cut to 0..LogCapacity, so that a count
// read from a hand-edited store never walks past the array.
int ChartEntryCount(const ResultsLog& log);

// Score in whole percent, truncated; 0 for an entry whose Total is 0 (an
// unreadable stored value) and saturated for absurd stored values.
int ChartPercent(const LogEntry& entry);

// Fills points[0 .. count-1] with the client position of each entry in r and
// returns count. Points stand step = width / (count - 1) apart; where that
// integer step would be 0 (more entries than pixels) they are spread
// proportionally over the width instead of piling up on one line.
int PlaceChartPoints(const ResultsLog& log, const ChartRect& r, ChartPoint* points);

// The label's rectangle before it is fitted to its text: centred on x by the
// measured text width, ChartLabelRise high, ending at the point's y.
ChartRect ChartLabelStart(ChartPoint point, int textWidth);

// Moves r (never resizes it) so that it lies inside bounds: left and then
// right edge, top and then bottom edge, each measured on entry.
void ClampRectInto(ChartRect* r, const ChartRect& bounds);

// First entry whose point lies within ChartTolerance of the pointer, or -1.
// mx and my are the message's unsigned 16-bit client coordinates, so a
// position left of or above the window is large and hits nothing.
int HitChartPoint(const ChartPoint* points, int count, unsigned mx, unsigned my);

// "73%" for 73 of 100.
void FormatChartLabel(char* buffer, size_t size, const LogEntry& entry);

// The pop-up text of entry index (0-based), the same in both languages:
// "Entry # 3\nScore : 73 / 100\nDate : 3-15-2007".
void FormatEntryInfo(char* buffer, size_t size, int index, const LogEntry& entry);
