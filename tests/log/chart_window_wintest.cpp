// The log module as the program builds it: the chart drawn in the window,
// the pop-up of the entry under the pointer, the add and clear keys.
#include "app/messages.h"
#include "bank/exam_class.h"
#include "engine/test_state.h"
#include "log/chart.h"
#include "log/results_log.h"
#include "settings/options.h"
#include "settings/strings.h"
#include "tests/support/composition_win32.h"
#include "tests/support/display_text_win32.h"
#include "tests/support/message_box_hook_win32.h"
#include "ui/shell_state_win32.h"
#include "ui/skin_win32.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>
#include <windows.h>

namespace {

const uint32_t March15th2007 = 0x3CC007D7u;
const uint32_t Yellow = 0xFFFF00, Grey = 0x404040, Green = 0x00FF80;

// ------------------------------------------------------------- rendering

// The client area painted through WM_PRINTCLIENT into 0x00RRGGBB pixels.
struct Canvas {
    std::vector<uint32_t> Pixels;
    int Width = 0, Height = 0;
    uint32_t At(int x, int y) const { return Pixels[(size_t)y * Width + x] & 0xFFFFFF; }
};

// What draw puts into a 440 x 400 memory picture.
template <typename Draw> Canvas Capture(Draw draw) {
    Canvas canvas;
    canvas.Width = 440;
    canvas.Height = 400;
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = canvas.Width;
    info.bmiHeader.biHeight = -canvas.Height; // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ previous = SelectObject(dc, bitmap);
    draw(dc);
    GdiFlush();
    const uint32_t* p = (const uint32_t*)bits;
    canvas.Pixels.assign(p, p + (size_t)canvas.Width * canvas.Height);
    SelectObject(dc, previous);
    DeleteObject(bitmap);
    DeleteDC(dc);
    return canvas;
}

// The window's client area as it paints it.
Canvas Render(HWND window) {
    return Capture([&](HDC dc) { SendMessageA(window, WM_PRINTCLIENT, (WPARAM)dc, PRF_CLIENT); });
}

// The texts a paint draws, in drawing order, through an enhanced metafile.
int CALLBACK CollectText(HDC, HANDLETABLE*, const ENHMETARECORD* record, int, LPARAM data) {
    if (record->iType != EMR_EXTTEXTOUTW) return 1;
    const EMREXTTEXTOUTW* text = (const EMREXTTEXTOUTW*)record;
    const wchar_t* wide = (const wchar_t*)((const BYTE*)record + text->emrtext.offString);
    char narrow[256] = "";
    WideCharToMultiByte(1252, 0, wide, (int)text->emrtext.nChars, narrow, sizeof narrow - 1,
                        nullptr, nullptr);
    ((std::vector<std::string>*)data)->push_back(narrow);
    return 1;
}

std::vector<std::string> PaintedTexts(HWND window) {
    HDC dc = CreateEnhMetaFileA(nullptr, nullptr, nullptr, nullptr);
    SendMessageA(window, WM_PRINTCLIENT, (WPARAM)dc, PRF_CLIENT);
    HENHMETAFILE file = CloseEnhMetaFile(dc);
    std::vector<std::string> texts;
    EnumEnhMetaFile(nullptr, file, CollectText, &texts, nullptr);
    DeleteEnhMetaFile(file);
    return texts;
}

bool Contains(const std::vector<std::string>& texts, const std::string& text) {
    for (const std::string& t : texts)
        if (t == text) return true;
    return false;
}

bool RepaintPending(HWND window) {
    RECT update;
    return GetUpdateRect(window, &update, FALSE) != 0;
}

// -------------------------------------------------------------- the fixture

class LogModule : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        ASSERT_NO_FATAL_FAILURE(CreateSharedWindows());
        ASSERT_NE(InfoWindow, nullptr);
    }

    void SetUp() override {
        SetDefaultOptions();
        SelectLanguage();
        memset(&Log, 0, sizeof Log);
        memset(ChartPoints, 0, sizeof ChartPoints);
        ASSERT_EQ(GenerateTest(&::Test, ClassBasic, 1234), 1);
        ASSERT_NO_FATAL_FAILURE(OpenMainWindow());
        SendMessageA(MainWindow, WM_COMMAND, IdLogModule, 0);
        Window = ModuleWindows[ModuleLog];
        ASSERT_NE(Window, nullptr);
        ASSERT_TRUE(IsWindowVisible(Window));
        PumpMessages();
    }

    void TearDown() override {
        ShowWindow(InfoWindow, SW_HIDE);
        ReleaseCapture();
        if (MainWindow) DestroyWindow(MainWindow);
        PumpMessages();
    }

    static void AddEntry(int score, int total, uint32_t date = March15th2007) {
        Log.Entries[Log.NumEntries++] = LogEntry{date, 0x448E, total, score};
    }

    // A paint of the window, which places the points the pointer test reads.
    void Repaint() {
        InvalidateRect(Window, nullptr, FALSE);
        UpdateWindow(Window);
    }

    void MoveTo(int x, int y) { SendMessageA(Window, WM_MOUSEMOVE, 0, MAKELPARAM(x, y)); }

    std::string PopUpText() {
        const char* text = GetPropString(InfoWindow, "Prop_Text");
        return text ? text : "";
    }

    HWND Window = nullptr;
};

// ------------------------------------------------------------------ drawing

TEST_F(LogModule, CaptionCountsTheEntriesInTheCurrentLanguage) {
    std::vector<std::string> texts = PaintedTexts(Window);
    EXPECT_TRUE(Contains(texts, "Entries : 0"));
    AddEntry(73, 100);
    AddEntry(40, 50);
    AddEntry(0, 0); // unreadable stored entry
    texts = PaintedTexts(Window);
    EXPECT_TRUE(Contains(texts, "Entries : 3"));
    EXPECT_TRUE(Contains(texts, "73%"));
    EXPECT_TRUE(Contains(texts, "80%"));
    EXPECT_TRUE(Contains(texts, "0%"));
}

TEST_F(LogModule, EmptyLogLeavesTheChartToTheBackground) {
    Canvas empty = Render(Window);
    // The face alone, drawn the same way.
    HBITMAP face = GetPropBitmap(Window, "Prop_Bitmap");
    ASSERT_NE(face, nullptr);
    EXPECT_EQ(BitmapBytes(face), ResourceBitmapBytes(267));
    Canvas alone = Capture([&](HDC dc) { DrawBitmapAt(dc, face, 0, 0); });
    for (int y = ChartArea.Top; y < ChartArea.Bottom; ++y)
        for (int x = ChartArea.Left; x < ChartArea.Right; ++x)
            ASSERT_EQ(empty.At(x, y), alone.At(x, y)) << x << "," << y;
    // Pointing anywhere shows nothing.
    MoveTo(26, 318);
    EXPECT_FALSE(IsWindowVisible(InfoWindow));
    EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(LogModule, PointIsAHollowYellowSquareWithShadowAndTicks) {
    CurrentOptions.ShowLogLabels = 0;
    AddEntry(50, 100);
    Canvas c = Render(Window);
    EXPECT_EQ(ChartPoints[0].X, 26);
    EXPECT_EQ(ChartPoints[0].Y, 190);
    EXPECT_EQ(c.At(23, 190), Yellow); // left edge of the square
    EXPECT_EQ(c.At(28, 190), Yellow); // right edge
    EXPECT_EQ(c.At(26, 187), Yellow); // top edge
    EXPECT_EQ(c.At(24, 190), Grey);   // the shadow, one pixel down and right
    EXPECT_EQ(c.At(29, 191), Grey);
    EXPECT_NE(c.At(26, 190), Yellow); // hollow
    EXPECT_EQ(c.At(26, 63), Green);   // tick on the top edge
    EXPECT_EQ(c.At(27, 64), Grey);
    EXPECT_EQ(c.At(26, 316), Green); // tick on the bottom edge
}

TEST_F(LogModule, ConsecutivePointsAreJoinedWithTheTwoPenLine) {
    CurrentOptions.ShowLogLabels = 0;
    AddEntry(50, 100);
    AddEntry(50, 100);
    Canvas c = Render(Window);
    EXPECT_EQ(ChartPoints[1].X, 414);
    EXPECT_EQ(c.At(200, 190), Green);
    EXPECT_EQ(c.At(200, 191), Grey);
}

TEST_F(LogModule, LabelsShowOnlyWhenTheOptionIsExactlyOne) {
    AddEntry(73, 100); // point (26, 132): its label is pushed right to x 22
    Canvas on = Render(Window);
    CurrentOptions.ShowLogLabels = 0;
    Canvas off = Render(Window);
    CurrentOptions.ShowLogLabels = 2;
    Canvas two = Render(Window);
    EXPECT_EQ(off.Pixels, two.Pixels);
    EXPECT_TRUE(Contains(PaintedTexts(Window), "Entries : 1"));
    EXPECT_FALSE(Contains(PaintedTexts(Window), "73%"));

    int inside = 0, outside = 0, left = 440;
    for (int y = 0; y < 400; ++y)
        for (int x = 0; x < 440; ++x) {
            if (on.At(x, y) == off.At(x, y)) continue;
            // The label with its shadow, 20 pixels above the point.
            if (x >= 22 && x < 22 + 60 && y >= 112 && y < 132) {
                ++inside;
                if (x < left) left = x;
            } else {
                ++outside;
            }
        }
    EXPECT_GT(inside, 0);
    EXPECT_EQ(outside, 0);
    // Pushed right to start at the chart's left edge (nothing differs left of
    // x 22), not centred on the point.
    EXPECT_LE(left, 24);
}

TEST_F(LogModule, NothingIsDrawnOutsideTheChart) {
    AddEntry(150, 100); // above the top edge: only a hand-edited store holds these
    AddEntry(-40, 100);
    AddEntry(70, 100);
    Canvas drawn = Render(Window);
    int saved = Log.NumEntries;
    Log.NumEntries = 0;
    Canvas empty = Render(Window);
    Log.NumEntries = saved;
    int insideChanges = 0;
    for (int y = 0; y < 400; ++y)
        for (int x = 0; x < 440; ++x) {
            bool caption = x >= CaptionArea.Left && x < CaptionArea.Right + 2 &&
                           y >= CaptionArea.Top && y < CaptionArea.Bottom + 2;
            bool chart = x >= ChartArea.Left && x < ChartArea.Right && y >= ChartArea.Top &&
                         y < ChartArea.Bottom;
            if (chart) {
                insideChanges += drawn.At(x, y) != empty.At(x, y);
            } else if (!caption) {
                ASSERT_EQ(drawn.At(x, y), empty.At(x, y)) << x << "," << y;
            }
        }
    EXPECT_GT(insideChanges, 0);
}

TEST_F(LogModule, FiveHundredEntriesSpreadAcrossTheChart) {
    for (int i = 0; i < LogCapacity; ++i)
        AddEntry(60, 100);
    Repaint();
    EXPECT_EQ(ChartPoints[0].X, 26);
    EXPECT_EQ(ChartPoints[499].X, 414);
    // Every entry on one height can still be pointed at: the point at x 400
    // is one of the newest, not entry 1.
    MoveTo(400, ChartPoints[0].Y);
    EXPECT_TRUE(IsWindowVisible(InfoWindow));
    int index = GetPropInt(Window, "Prop_Index");
    EXPECT_GE(index, 475);
    EXPECT_EQ(PopUpText().rfind("Entry # " + std::to_string(index + 1) + "\n", 0), 0u);
}

// ----------------------------------------------------------- pointer test

TEST_F(LogModule, PointingAtAnEntryShowsItsPopUpAndCapturesTheMouse) {
    AddEntry(50, 100, 2023u | (12u << 22) | (31u << 26));
    AddEntry(90, 100, 2020u | (1u << 22) | (2u << 26));
    AddEntry(73, 100);
    Repaint();
    ASSERT_EQ(ChartPoints[2].X, 414);
    ASSERT_EQ(ChartPoints[2].Y, 318 - 186);
    EXPECT_EQ(GetPropInt(Window, "Prop_Index"), -1);

    MoveTo(412, 135);
    EXPECT_TRUE(IsWindowVisible(InfoWindow));
    EXPECT_EQ(PopUpText(), "Entry # 3\nScore : 73 / 100\nDate : 3-15-2007");
    EXPECT_EQ(GetPropInt(Window, "Prop_Index"), 2);
    EXPECT_EQ(GetCapture(), Window);
    POINT corner = {414 - 50, 132 - 70};
    ClientToScreen(Window, &corner);
    RECT popUp;
    GetWindowRect(InfoWindow, &popUp);
    EXPECT_EQ(popUp.left, corner.x);
    EXPECT_EQ(popUp.top, corner.y);
    EXPECT_EQ(popUp.right - popUp.left, 100); // moved, not resized
    EXPECT_EQ(popUp.bottom - popUp.top, 50);

    // Still on the same point: the pop-up is left as it is.
    SetWindowTextA(InfoWindow, "unchanged");
    MoveTo(417, 129);
    EXPECT_EQ(PopUpText(), "unchanged");

    // Straight onto another point: the text switches without hiding.
    MoveTo(26, 318 - 128);
    EXPECT_TRUE(IsWindowVisible(InfoWindow));
    EXPECT_EQ(PopUpText(), "Entry # 1\nScore : 50 / 100\nDate : 12-31-2023");
    EXPECT_EQ(GetPropInt(Window, "Prop_Index"), 0);
    EXPECT_EQ(GetCapture(), Window);
    GetWindowRect(InfoWindow, &popUp);
    corner = POINT{26 - 50, 190 - 70};
    ClientToScreen(Window, &corner);
    EXPECT_EQ(popUp.left, corner.x);

    // Off every point: hidden and the capture released.
    MoveTo(100, 300);
    EXPECT_FALSE(IsWindowVisible(InfoWindow));
    EXPECT_EQ(GetPropInt(Window, "Prop_Index"), -1);
    EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(LogModule, LeavingTheWindowLeftOrAboveHidesThePopUp) {
    AddEntry(100, 100); // (26, 62): near the window's top-left
    Repaint();
    MoveTo(26, 62);
    ASSERT_TRUE(IsWindowVisible(InfoWindow));
    // Captured positions left of the window arrive as large unsigned values.
    SendMessageA(Window, WM_MOUSEMOVE, 0, MAKELPARAM(-3, 62));
    EXPECT_FALSE(IsWindowVisible(InfoWindow));
    EXPECT_EQ(GetCapture(), nullptr);
    MoveTo(26, 62);
    SendMessageA(Window, WM_MOUSEMOVE, 0, MAKELPARAM(26, -1));
    EXPECT_FALSE(IsWindowVisible(InfoWindow));
}

TEST_F(LogModule, FrenchCaptionAndFaceWithTheEnglishPopUp) {
    AddEntry(73, 100);
    AddEntry(20, 25);
    HBITMAP english = GetPropBitmap(Window, "Prop_Bitmap");
    CurrentOptions.Language = LanguageFrench;
    SelectLanguage();
    PostMessageA(Window, MsgLanguageChanged, 0, 0);
    PumpMessages();
    // The English face was deleted, the French one loaded.
    EXPECT_EQ(GetObjectType(english), 0u);
    EXPECT_EQ(BitmapBytes(GetPropBitmap(Window, "Prop_Bitmap")), ResourceBitmapBytes(268));
    EXPECT_TRUE(Contains(PaintedTexts(Window), "Entrées : 2"));
    Repaint();
    MoveTo(414, 318 - 204);
    EXPECT_EQ(PopUpText(), "Entry # 2\nScore : 20 / 25\nDate : 3-15-2007");
}

// --------------------------------------------------------- add and clear

TEST_F(LogModule, AddingAFinishedExamAppendsItAndRepaints) {
    for (int i = 0; i < ::Test.QuestionCount; ++i)
        ::Test.Answers[i] = i % 4 ? AnswerGood : AnswerBad;
    ::Test.Score = ::Test.QuestionCount - (::Test.QuestionCount + 3) / 4;
    ValidateRect(Window, nullptr);
    SendMessageA(Window, WM_COMMAND, IdLogAdd, 0);
    ASSERT_EQ(Log.NumEntries, 1);
    EXPECT_EQ(Log.Entries[0].Score, ::Test.Score);
    EXPECT_EQ(Log.Entries[0].Total, ::Test.QuestionCount);
    EXPECT_EQ(::Test.Logged, 1);
    EXPECT_TRUE(RepaintPending(Window));
    PumpMessages();
    EXPECT_EQ(ChartPoints[0].X, 26);
    EXPECT_GT(ChartPoints[0].Y, 62); // neither 0 % nor 100 %
    EXPECT_LT(ChartPoints[0].Y, 318);

    // The second time: the already-logged box, one entry, a repaint anyway.
    ValidateRect(Window, nullptr);
    MessageBoxWatch watch(IDOK);
    SendMessageA(Window, WM_COMMAND, IdLogAdd, 0);
    ASSERT_EQ(watch.Boxes.size(), 1u);
    EXPECT_EQ(watch.Boxes[0].Text, "The current test is already in the log");
    EXPECT_EQ(watch.Boxes[0].Owner, MainWindow);
    EXPECT_EQ(Log.NumEntries, 1);
    EXPECT_TRUE(RepaintPending(Window));
}

TEST_F(LogModule, AddingWhileBrowsingChangesNothingButRepaints) {
    for (int i = 0; i < ::Test.QuestionCount; ++i)
        ::Test.Answers[i] = AnswerGood;
    Mode = ModeBrowse;
    ValidateRect(Window, nullptr);
    SendMessageA(Window, WM_COMMAND, IdLogAdd, 0);
    EXPECT_EQ(Log.NumEntries, 0);
    EXPECT_TRUE(RepaintPending(Window));
}

TEST_F(LogModule, ClearRepaintsOnlyWhenConfirmed) {
    AddEntry(73, 100);
    AddEntry(80, 100);
    ValidateRect(Window, nullptr);
    MessageBoxWatch watch(IDNO);
    SendMessageA(Window, WM_COMMAND, IdLogClear, 0);
    ASSERT_EQ(watch.Boxes.size(), 1u);
    EXPECT_EQ(watch.Boxes[0].Text, "Are you sure you want to clear the log?");
    EXPECT_EQ(watch.Boxes[0].Owner, Window);
    EXPECT_EQ(Log.NumEntries, 2);
    EXPECT_FALSE(RepaintPending(Window));

    watch.Answer = IDYES;
    SendMessageA(Window, WM_COMMAND, IdLogClear, 0);
    EXPECT_EQ(watch.Boxes.size(), 2u);
    EXPECT_EQ(Log.NumEntries, 0);
    EXPECT_TRUE(RepaintPending(Window));
    EXPECT_TRUE(Contains(PaintedTexts(Window), "Entries : 0"));
}

TEST_F(LogModule, AddAndClearKeysStandAtTheirPlaces) {
    struct Key {
        int Id, X;
    } keys[] = {{IdLogAdd, 16}, {IdLogClear, 96}};
    for (const Key& key : keys) {
        HWND button = GetDlgItem(Window, key.Id);
        ASSERT_NE(button, nullptr) << key.Id;
        RECT r;
        GetWindowRect(button, &r);
        POINT origin = {0, 0};
        ClientToScreen(Window, &origin);
        EXPECT_EQ(r.left - origin.x, key.X);
        EXPECT_EQ(r.top - origin.y, 356);
        EXPECT_EQ(r.right - r.left, 78);
        EXPECT_EQ(r.bottom - r.top, 28);
        EXPECT_EQ(GetPropInt(button, "Prop_ResID4"), key.Id == IdLogAdd ? 6 : 7);
    }
    EXPECT_EQ(GetPropInt(GetDlgItem(Window, IdLogAdd), "Prop_ResID1"), 241);
    EXPECT_EQ(GetPropInt(GetDlgItem(Window, IdLogClear), "Prop_ResID1"), 247);
}

} // namespace
