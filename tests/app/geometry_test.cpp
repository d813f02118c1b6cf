#include "app/geometry.h"

#include <gtest/gtest.h>

namespace {

// Even-odd rule, as a region with fill mode alternate covers pixel centres.
bool Covers(const GeoPoint* points, int count, double x, double y) {
    bool inside = false;
    for (int i = 0, j = count - 1; i < count; j = i++) {
        double xi = points[i].X, yi = points[i].Y, xj = points[j].X, yj = points[j].Y;
        if ((yi > y) != (yj > y) && x < (xj - xi) * (y - yi) / (yj - yi) + xi) inside = !inside;
    }
    return inside;
}
bool PanelCovers(int x, int y) {
    return Covers(MainRegionPoints, MainRegionCount, x + 0.5, y + 0.5);
}
bool BorderCovers(int x, int y) {
    return Covers(BorderRegionPoints, BorderRegionCount, x + 0.5, y + 0.5);
}

TEST(Regions, PanelHasItsNotchAndRoundedCorners) {
    // Body of the panel and its notch-free top and bottom strips.
    EXPECT_TRUE(PanelCovers(80, 240));
    EXPECT_TRUE(PanelCovers(25, 240));
    EXPECT_TRUE(PanelCovers(5, 20));
    EXPECT_TRUE(PanelCovers(5, 460));
    // The notch: 20 pixels deep from y 40 to y 440.
    EXPECT_FALSE(PanelCovers(0, 40));
    EXPECT_FALSE(PanelCovers(19, 240));
    EXPECT_FALSE(PanelCovers(10, 439));
    EXPECT_TRUE(PanelCovers(20, 240));
    // Large rounded corners on the right, small ones on the left.
    EXPECT_FALSE(PanelCovers(158, 2));
    EXPECT_FALSE(PanelCovers(150, 476));
    EXPECT_TRUE(PanelCovers(150, 240));
    EXPECT_FALSE(PanelCovers(0, 0));
    EXPECT_FALSE(PanelCovers(0, 479));
    // Nothing outside the 160 x 480 window.
    EXPECT_FALSE(PanelCovers(160, 240));
    for (const GeoPoint& p : MainRegionPoints) {
        EXPECT_GE(p.X, 0);
        EXPECT_LE(p.X, PanelWidth);
        EXPECT_GE(p.Y, 0);
        EXPECT_LE(p.Y, PanelHeight);
    }
}

TEST(Regions, BorderTabFillsThePanelNotch) {
    EXPECT_TRUE(BorderCovers(20, 240));
    EXPECT_TRUE(BorderCovers(50, 240));
    EXPECT_FALSE(BorderCovers(50, 20));
    EXPECT_FALSE(BorderCovers(50, 460));
    EXPECT_FALSE(BorderCovers(0, 0));
    EXPECT_FALSE(BorderCovers(0, 479));
    EXPECT_TRUE(BorderCovers(30, 2));
    // Without a module the border stands 40 left of the panel: its tab (x 40
    // to 60) lies exactly in the panel's notch, and the two shapes never
    // overlap, so the composition has no hole and no double-drawn pixel.
    for (int y = 0; y < PanelHeight; y += 3)
        for (int x = 0; x < 20; ++x) {
            bool border = BorderCovers(x + 40, y);
            bool panel = PanelCovers(x, y);
            EXPECT_FALSE(border && panel) << x << "," << y;
            if (y >= 45 && y < 435) {
                EXPECT_TRUE(border || panel) << x << "," << y;
            }
        }
}

TEST(Placement, PanelStartsCentredOnTheScreen) {
    GeoPoint p = PanelStartPosition(1024, 768);
    EXPECT_EQ(p.X, 672);
    EXPECT_EQ(p.Y, 144);
    p = PanelStartPosition(800, 600);
    EXPECT_EQ(p.X, 560);
    EXPECT_EQ(p.Y, 60);
    // Integer division of odd resolutions.
    p = PanelStartPosition(1023, 767);
    EXPECT_EQ(p.X, 671);
    EXPECT_EQ(p.Y, 143);
    // A screen smaller than the composition puts it partly off screen.
    p = PanelStartPosition(320, 200);
    EXPECT_EQ(p.X, 320);
    EXPECT_EQ(p.Y, -140);
}

TEST(Placement, SatellitesFollowThePanel) {
    GeoPoint module = ModulePosition(672, 144);
    EXPECT_EQ(module.X, 252);
    EXPECT_EQ(module.Y, 184);
    GeoPoint border = BorderPosition(672, 144, 1);
    EXPECT_EQ(border.X, 192);
    EXPECT_EQ(border.Y, 144);
    border = BorderPosition(672, 144, 0);
    EXPECT_EQ(border.X, 632);
    EXPECT_EQ(border.Y, 144);
    // The module fills the notch and the border's tab abuts the module.
    EXPECT_EQ(module.X + ModuleWidth, 672 + 20);
    EXPECT_EQ(BorderPosition(672, 144, 1).X + BorderWidth, module.X);
    // The whole composition with a module is 640 wide, centred at start-up.
    EXPECT_EQ(672 + PanelWidth - BorderPosition(672, 144, 1).X, CompositionWidth);
}

TEST(Drag, MovesOnEverySecondMessageWithoutLosingMovement) {
    DragState drag = {};
    int dx = 0, dy = 0;
    EXPECT_EQ(DragMove(&drag, 5, 5, &dx, &dy), 0) << "no drag started";

    BeginDrag(&drag, 100, 200);
    // First message moves by the distance measured at it.
    ASSERT_EQ(DragMove(&drag, 105, 203, &dx, &dy), 1);
    EXPECT_EQ(dx, 5);
    EXPECT_EQ(dy, 3);
    // Second is skipped.
    EXPECT_EQ(DragMove(&drag, 110, 206, &dx, &dy), 0);
    // Third measures from the position of the first.
    ASSERT_EQ(DragMove(&drag, 115, 190, &dx, &dy), 1);
    EXPECT_EQ(dx, 10);
    EXPECT_EQ(dy, -13);
    EXPECT_EQ(DragMove(&drag, 120, 190, &dx, &dy), 0);

    EndDrag(&drag);
    EXPECT_EQ(DragMove(&drag, 200, 200, &dx, &dy), 0);

    // A new drag starts a new parity: its first message moves again.
    BeginDrag(&drag, 0, 0);
    ASSERT_EQ(DragMove(&drag, -7, 4, &dx, &dy), 1);
    EXPECT_EQ(dx, -7);
    EXPECT_EQ(dy, 4);
}

TEST(Drag, ManySmallStepsAddUpToThePointerMovement) {
    DragState drag = {};
    BeginDrag(&drag, 50, 50);
    int windowX = 0, windowY = 0, dx = 0, dy = 0, moves = 0;
    // 101 messages of one pixel each: 51 moves, the last on message 101.
    for (int i = 1; i <= 101; ++i)
        if (DragMove(&drag, 50 + i, 50 - i, &dx, &dy)) {
            windowX += dx;
            windowY += dy;
            ++moves;
        }
    EXPECT_EQ(moves, 51);
    EXPECT_EQ(windowX, 101);
    EXPECT_EQ(windowY, -101);
}

} // namespace
