#include "log/chart.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

ResultsLog history; // large: keep it off the stack
ChartPoint points[LogCapacity];

// n entries, entry i scoring score(i) of 100.
void FillLog(int n, int (*score)(int)) {
    memset(&history, 0, sizeof history);
    history.NumEntries = n;
    for (int i = 0; i < n; ++i)
        history.Entries[i] = LogEntry{0x3CC007D7u, 0, 100, score(i)};
}
int Half(int) {
    return 50;
}
int Climbing(int i) {
    return i % 101;
}

TEST(ChartPoints, FewEntriesKeepTheIntegerStep) {
    FillLog(1, Half);
    ASSERT_EQ(PlaceChartPoints(history, ChartArea, points), 1);
    EXPECT_EQ(points[0].X, 26);

    FillLog(2, Half);
    ASSERT_EQ(PlaceChartPoints(history, ChartArea, points), 2);
    EXPECT_EQ(points[0].X, 26);
    EXPECT_EQ(points[1].X, 414);

    // 388 / 3 = 129 with the remainder dropped: the last point falls short of
    // the right margin.
    FillLog(4, Half);
    ASSERT_EQ(PlaceChartPoints(history, ChartArea, points), 4);
    EXPECT_EQ(points[1].X, 155);
    EXPECT_EQ(points[2].X, 284);
    EXPECT_EQ(points[3].X, 413);

    // The last count with a step of 1.
    FillLog(389, Half);
    ASSERT_EQ(PlaceChartPoints(history, ChartArea, points), 389);
    EXPECT_EQ(points[1].X, 27);
    EXPECT_EQ(points[388].X, 414);
}

// With 390 entries and more the integer step is 0; every point used to stand
// at x 26. They are spread over the width instead, left to right.
TEST(ChartPoints, ManyEntriesAreSpreadAcrossTheWidth) {
    for (int n : {390, 457, 500}) {
        FillLog(n, Climbing);
        ASSERT_EQ(PlaceChartPoints(history, ChartArea, points), n);
        EXPECT_EQ(points[0].X, 26) << n;
        EXPECT_EQ(points[n - 1].X, 414) << n;
        EXPECT_EQ(points[n / 2].X, 26 + (n / 2) * 388 / (n - 1)) << n;
        for (int i = 1; i < n; ++i) {
            ASSERT_GE(points[i].X, points[i - 1].X) << n << " " << i;
            ASSERT_LE(points[i].X - points[i - 1].X, 1) << n << " " << i;
        }
    }
    // Spread, the entries can be told apart by the pointer: neighbours on the
    // same height but a few pixels apart are hit separately.
    FillLog(500, Half);
    PlaceChartPoints(history, ChartArea, points);
    int middle = HitChartPoint(points, 500, (unsigned)points[250].X, (unsigned)points[250].Y);
    int far = HitChartPoint(points, 500, (unsigned)points[400].X, (unsigned)points[400].Y);
    EXPECT_NE(middle, far);
    EXPECT_GE(far, 390);
}

TEST(ChartPoints, HeightFollowsThePercentage) {
    memset(&history, 0, sizeof history);
    history.NumEntries = 5;
    history.Entries[0] = LogEntry{0, 0, 100, 100}; // top edge
    history.Entries[1] = LogEntry{0, 0, 100, 0};   // bottom edge
    history.Entries[2] = LogEntry{0, 0, 100, 73};  // 0.73 * 256 = 186.88 -> 186
    history.Entries[3] = LogEntry{0, 0, 50, 1};    // 5.12 -> 5
    history.Entries[4] = LogEntry{0, 0, 0, 0};     // unreadable entry
    PlaceChartPoints(history, ChartArea, points);
    EXPECT_EQ(points[0].Y, 62);
    EXPECT_EQ(points[1].Y, 318);
    EXPECT_EQ(points[2].Y, 318 - 186);
    EXPECT_EQ(points[3].Y, 313);
    EXPECT_EQ(points[4].Y, 318);
}

TEST(ChartPoints, StoredCountsOutsideTheArrayAreCut) {
    memset(&history, 0, sizeof history);
    history.NumEntries = 100000;
    EXPECT_EQ(PlaceChartPoints(history, ChartArea, points), LogCapacity);
    history.NumEntries = -5;
    EXPECT_EQ(PlaceChartPoints(history, ChartArea, points), 0);
    history.NumEntries = 0;
    EXPECT_EQ(PlaceChartPoints(history, ChartArea, points), 0);
}

// A Total of 0 (an entry the store could not read) must not divide by zero:
// it is plotted and labelled at 0 %.
TEST(ChartLabels, PercentTruncatesAndSurvivesZeroTotals) {
    char text[32];
    FormatChartLabel(text, sizeof text, LogEntry{0, 0, 100, 73});
    EXPECT_STREQ(text, "73%");
    FormatChartLabel(text, sizeof text, LogEntry{0, 0, 50, 33});
    EXPECT_STREQ(text, "66%");
    FormatChartLabel(text, sizeof text, LogEntry{0, 0, 0, 0});
    EXPECT_STREQ(text, "0%");
    FormatChartLabel(text, sizeof text, LogEntry{0, 0, 0, 42});
    EXPECT_STREQ(text, "0%");
    // Hand-edited extremes neither overflow nor trap.
    EXPECT_EQ(ChartPercent(LogEntry{0, 0, 1, INT32_MAX}), INT32_MAX);
    EXPECT_EQ(ChartPercent(LogEntry{0, 0, -1, INT32_MIN}), INT32_MAX);
    memset(&history, 0, sizeof history);
    history.NumEntries = 2;
    history.Entries[0] = LogEntry{0, 0, 1, INT32_MAX};
    history.Entries[1] = LogEntry{0, 0, -1, INT32_MAX};
    PlaceChartPoints(history, ChartArea, points);
    EXPECT_LT(points[0].Y, 62);
    EXPECT_GT(points[1].Y, 318);
}

// What DrawTextA with DT_CALCRECT does to the start rectangle: shrink it to
// the text's size, keeping its top-left corner.
ChartRect FittedLabel(ChartPoint p, int width, int height) {
    ChartRect r = ChartLabelStart(p, width);
    r.Right = r.Left + width;
    r.Bottom = r.Top + height;
    ClampRectInto(&r, ChartArea);
    return r;
}

TEST(ChartLabels, LabelsArePushedInsideTheChart) {
    ChartRect start = ChartLabelStart(ChartPoint{200, 150}, 25);
    EXPECT_EQ(start.Left, 188);
    EXPECT_EQ(start.Top, 130);
    EXPECT_EQ(start.Right, 268);
    EXPECT_EQ(start.Bottom, 150);

    // 100 % near the middle: the label would start 20 above the top edge.
    ChartRect top = FittedLabel(ChartPoint{200, 62}, 30, 14);
    EXPECT_EQ(top.Top, 62);
    EXPECT_EQ(top.Bottom, 76);
    EXPECT_EQ(top.Left, 185);

    // The first point's label would start left of the chart.
    ChartRect first = FittedLabel(ChartPoint{26, 200}, 24, 14);
    EXPECT_EQ(first.Left, 22);
    EXPECT_EQ(first.Right, 46);
    EXPECT_EQ(first.Top, 180);

    // The last point's label is pushed left, a low one stays where it is.
    ChartRect last = FittedLabel(ChartPoint{414, 300}, 30, 14);
    EXPECT_EQ(last.Right, 418);
    EXPECT_EQ(last.Left, 388);
    EXPECT_EQ(last.Top, 280);

    // A point below the chart (score under 0 in a hand-edited store): up.
    ChartRect below = FittedLabel(ChartPoint{200, 340}, 30, 14);
    EXPECT_EQ(below.Bottom, 318);
}

TEST(ChartLabels, ClampUsesTheDistancesMeasuredOnEntry) {
    // Wider than the bounds: moved right by the left overshoot, then left by
    // the right overshoot measured before the first move, never resized.
    ChartRect wide = {10, 100, 430, 110};
    ClampRectInto(&wide, ChartArea);
    EXPECT_EQ(wide.Left, 10);
    EXPECT_EQ(wide.Right, 430);
    ChartRect tall = {100, 50, 110, 330};
    ClampRectInto(&tall, ChartArea);
    EXPECT_EQ(tall.Top, 50);
    EXPECT_EQ(tall.Bottom - tall.Top, 280);
}

TEST(ChartPointer, HitsTheFirstPointWithinFourPixels) {
    ChartPoint p[3] = {{26, 100}, {155, 200}, {157, 203}};
    EXPECT_EQ(HitChartPoint(p, 3, 26, 100), 0);
    EXPECT_EQ(HitChartPoint(p, 3, 22, 96), 0);
    EXPECT_EQ(HitChartPoint(p, 3, 30, 104), 0);
    EXPECT_EQ(HitChartPoint(p, 3, 21, 100), -1);
    EXPECT_EQ(HitChartPoint(p, 3, 26, 105), -1);
    EXPECT_EQ(HitChartPoint(p, 3, 156, 201), 1); // both close: the lower index
    EXPECT_EQ(HitChartPoint(p, 3, 161, 206), 2);
    // Left of or above the window the coordinates arrive as large numbers.
    ChartPoint corner[1] = {{2, 2}};
    EXPECT_EQ(HitChartPoint(corner, 1, 0xFFFF, 2), -1);
    EXPECT_EQ(HitChartPoint(corner, 1, 2, 0xFFFE), -1);
    EXPECT_EQ(HitChartPoint(corner, 0, 2, 2), -1);
}

TEST(ChartPointer, PopUpTextIsEnglishMonthDayYear) {
    char text[128];
    FormatEntryInfo(text, sizeof text, 2, LogEntry{0x3CC007D7u, 0x448E, 100, 73});
    EXPECT_STREQ(text, "Entry # 3\nScore : 73 / 100\nDate : 3-15-2007");
    FormatEntryInfo(text, sizeof text, 0, LogEntry{0, 0, 0, 0});
    EXPECT_STREQ(text, "Entry # 1\nScore : 0 / 0\nDate : 0-0-0");
    // 31 December 2023: the day takes the top six bits.
    FormatEntryInfo(text, sizeof text, 499, LogEntry{2023u | (12u << 22) | (31u << 26), 0, 50, 50});
    EXPECT_STREQ(text, "Entry # 500\nScore : 50 / 50\nDate : 12-31-2023");
    // A small buffer is cut, never overrun.
    char small[8];
    memset(small, 'x', sizeof small);
    FormatEntryInfo(small, sizeof small, 2, LogEntry{0x3CC007D7u, 0, 100, 73});
    EXPECT_STREQ(small, "Entry #");
}

} // namespace
