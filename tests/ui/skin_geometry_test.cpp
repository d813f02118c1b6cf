#include "ui/geometry.h"
#include "ui/layout.h"

#include <gtest/gtest.h>

#include <set>

namespace {

void ExpectBox(const Box& box, int left, int top, int right, int bottom) {
    EXPECT_EQ(box.Left, left);
    EXPECT_EQ(box.Top, top);
    EXPECT_EQ(box.Right, right);
    EXPECT_EQ(box.Bottom, bottom);
}

TEST(ButtonFace, PressedOnlyWhenOverAndDown) {
    EXPECT_EQ(ButtonFace(0, 0), FaceNormal);
    EXPECT_EQ(ButtonFace(1, 0), FaceOver);
    // Pressed and slid out shows the over face, not the pressed one.
    EXPECT_EQ(ButtonFace(0, 1), FaceOver);
    EXPECT_EQ(ButtonFace(1, 1), FacePressed);
}

TEST(MousePoint, HalvesAreUnsigned) {
    MousePoint p = SplitMousePoint((7 << 16) | 5);
    EXPECT_EQ(p.X, 5u);
    EXPECT_EQ(p.Y, 7u);
    // x = -1, y = -2 as a captured window receives them.
    p = SplitMousePoint((intptr_t)(((uint32_t)(uint16_t)-2 << 16) | (uint16_t)-1));
    EXPECT_EQ(p.X, 65535u);
    EXPECT_EQ(p.Y, 65534u);
    // Bits above the low 32 (sign extension of a 64-bit LPARAM) are ignored.
    p = SplitMousePoint((intptr_t)-1);
    EXPECT_EQ(p.X, 65535u);
    EXPECT_EQ(p.Y, 65535u);
}

TEST(MousePoint, InsideOnlyWithinTheClientArea) {
    EXPECT_TRUE(PointInClient({0, 0}, 66, 36));
    EXPECT_TRUE(PointInClient({65, 35}, 66, 36));
    EXPECT_FALSE(PointInClient({66, 10}, 66, 36));
    EXPECT_FALSE(PointInClient({10, 36}, 66, 36));
    // Left of or above the button, reported while it holds the capture.
    EXPECT_FALSE(PointInClient(SplitMousePoint(0xFFFF), 66, 36));
    EXPECT_FALSE(PointInClient(SplitMousePoint(0xFFFF0000), 66, 36));
    EXPECT_FALSE(PointInClient({0, 0}, 0, 36));
}

TEST(DisplayText, CornerInsetThenFourPixelsTaller) {
    // The test window's displays: the first line touches the top.
    ExpectBox(DisplayTextBox(370, 50, 8), 4, 0, 366, 50);
    // The about text.
    ExpectBox(DisplayTextBox(400, 320, 20), 10, 6, 390, 314);
    ExpectBox(DisplayTextBox(60, 20, 0), 0, -4, 60, 24);
    // Half the corner, rounded toward zero.
    ExpectBox(DisplayTextBox(100, 40, 9), 4, 0, 96, 40);
    ExpectBox(DisplayTextBox(100, 40, -3), -1, -5, 101, 45);
}

TEST(CheckLayout, PartsOfAnOptionsCheckBox) {
    CheckParts parts = CheckLayoutOf(300, 16);
    ExpectBox(parts.OuterShadow, 4, 4, 16, 16);
    ExpectBox(parts.OuterFrame, 2, 2, 14, 14);
    ExpectBox(parts.InnerShadow, 7, 7, 11, 11);
    ExpectBox(parts.InnerBox, 6, 6, 10, 10);
    ExpectBox(parts.Label, 20, 2, 298, 14);
    // The parts scale with the height only; the label takes the rest.
    parts = CheckLayoutOf(200, 30);
    ExpectBox(parts.InnerBox, 6, 6, 24, 24);
    ExpectBox(parts.Label, 34, 2, 198, 28);
}

TEST(InfoText, FourPixelsInOnEverySide) {
    ExpectBox(InfoTextBox(100, 50), 4, 4, 96, 46);
}

TEST(Layout, FindsRowsAndRefusesOthers) {
    const LayoutRecord* quit = FindLayout(0x1000);
    ASSERT_NE(quit, nullptr);
    EXPECT_EQ(quit->X, 68);
    EXPECT_EQ(quit->Y, 16);
    EXPECT_EQ(quit->Width, 66);
    EXPECT_EQ(quit->Height, 36);
    const LayoutRecord* check = FindLayout(0x1102);
    ASSERT_NE(check, nullptr);
    EXPECT_EQ(check->Y, 90);
    EXPECT_EQ(check->Width, 300);
    // Gaps in the id ranges and the displays, whose rectangles live with
    // their creating windows.
    for (int id : {0, 0x1004, 0x1020, 0x1029, 0x1036, 0x1200, 0x1201, 0x4000})
        EXPECT_EQ(FindLayout(id), nullptr) << std::hex << id;
}

TEST(Layout, EveryRowOnceAndInsideItsParent) {
    EXPECT_EQ(LayoutCount, 30);
    std::set<int> ids;
    for (int i = 0; i < LayoutCount; ++i) {
        const LayoutRecord& r = LayoutTable[i];
        EXPECT_TRUE(ids.insert(r.Id).second) << std::hex << r.Id;
        EXPECT_EQ(FindLayout(r.Id), &r);
        // The parent follows from the id range: panel, border, test, log or
        // options window.
        int width = 440, height = 400;
        if (r.Id <= 0x100A)
            width = 160, height = 480;
        else if (r.Id == 0x1010)
            width = 60, height = 480;
        EXPECT_GT(r.Width, 0);
        EXPECT_GT(r.Height, 0);
        EXPECT_GE(r.X, 0) << std::hex << r.Id;
        EXPECT_GE(r.Y, 0) << std::hex << r.Id;
        EXPECT_LE(r.X + r.Width, width) << std::hex << r.Id;
        EXPECT_LE(r.Y + r.Height, height) << std::hex << r.Id;
    }
}

TEST(Layout, EachSelectButtonSitsAboveItsLamp) {
    for (int k = 0; k < 4; ++k) {
        const LayoutRecord* select = FindLayout(0x102A + k);
        const LayoutRecord* lamp = FindLayout(0x102E + k);
        ASSERT_NE(select, nullptr);
        ASSERT_NE(lamp, nullptr);
        EXPECT_EQ(select->Y, 116 + 60 * k);
        EXPECT_EQ(lamp->Y, select->Y + 40);
        EXPECT_EQ(lamp->X, select->X);
        EXPECT_EQ(lamp->Width, select->Width);
    }
}

TEST(Layout, NavigationRowDoesNotOverlap) {
    const int row[] = {0x1032, 0x1033, 0x1034, 0x1035, 0x1037, 0x1038};
    for (int i = 1; i < 6; ++i) {
        const LayoutRecord* left = FindLayout(row[i - 1]);
        const LayoutRecord* right = FindLayout(row[i]);
        ASSERT_NE(left, nullptr);
        ASSERT_NE(right, nullptr);
        EXPECT_EQ(right->Y, 356);
        EXPECT_LE(left->X + left->Width, right->X);
    }
}

} // namespace
