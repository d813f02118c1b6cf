#include "app/messages.h"
#include "tests/ui/ui_fixture_win32.h"
#include "tests/support/shown_face_win32.h"

#include <psapi.h>

namespace {

using namespace uitest;

using Skin = ControlTest;

TEST_F(Skin, ShadowTextDrawsGreyTwoPixelsOffThenGreenAndRestoresTheFont) {
    RECT rect = {10, 20, 200, 60};
    const RECT original = rect;
    HGDIOBJ fontBefore = nullptr, fontAfter = nullptr;
    Recording recording = RecordDrawing([&](HDC dc) {
        fontBefore = GetCurrentObject(dc, OBJ_FONT);
        DrawShadowText(dc, &rect, "Korvane", DT_SINGLELINE);
        DrawShadowText(dc, &rect, "Korvane", DT_SINGLELINE);
        fontAfter = GetCurrentObject(dc, OBJ_FONT);
    });
    EXPECT_EQ(fontAfter, fontBefore);
    EXPECT_TRUE(EqualRect(&rect, &original));
    ASSERT_EQ(recording.Texts.size(), 4u);
    for (int pass = 0; pass < 2; ++pass) {
        const TextRecord& shadow = recording.Texts[2 * pass];
        const TextRecord& text = recording.Texts[2 * pass + 1];
        EXPECT_EQ(shadow.Colour, RGB(64, 64, 64));
        EXPECT_EQ(text.Colour, RGB(0, 255, 128));
        EXPECT_EQ(shadow.X, 12);
        EXPECT_EQ(shadow.Y, 22);
        EXPECT_EQ(text.X, 10);
        EXPECT_EQ(text.Y, 20);
        EXPECT_EQ(text.Text, "Korvane");
    }
    EXPECT_GE(recording.TransparentModes, 1);
    // The label font: Arial, 12 units high, bold.
    bool labelFont = false;
    for (const LOGFONTW& font : recording.Fonts)
        labelFont |=
            font.lfHeight == 12 && font.lfWeight == 700 && !lstrcmpW(font.lfFaceName, L"Arial");
    EXPECT_TRUE(labelFont);
}

TEST_F(Skin, BitmapIsCopiedAtItsOwnSizeAndANullOneDrawsNothing) {
    HBITMAP deleted = LoadSkinBitmap(181);
    DeleteObject(deleted);
    Pixels nothing = PaintCanvas(100, 60, 0x00FF00FF, [&](HDC dc) {
        DrawBitmapAt(dc, nullptr, 0, 0);
        DrawBitmapAt(dc, deleted, 0, 0);
    });
    EXPECT_EQ(std::count(nothing.Data.begin(), nothing.Data.end(), 0x00FF00FFu), 100 * 60);

    HBITMAP face = LoadSkinBitmap(181); // 36 x 18
    ASSERT_NE(face, nullptr);
    Pixels drawn =
        PaintCanvas(100, 60, 0x00FF00FF, [&](HDC dc) { DrawBitmapAt(dc, face, 10, 20); });
    DeleteObject(face);
    Pixels expected = ResourcePixels(181);
    for (int y = 0; y < 60; ++y)
        for (int x = 0; x < 100; ++x) {
            bool inside = x >= 10 && x < 46 && y >= 20 && y < 38;
            DWORD want = inside ? expected.At(x - 10, y - 20) : 0x00FF00FF;
            ASSERT_EQ(drawn.At(x, y), want) << x << "," << y;
        }
}

TEST_F(Skin, NotifyParentSendsTheHeaderAndReturnsTheAnswer) {
    HWND child = CreateWindowExA(0, "ZEB_LEDWindowClass", "", WS_CHILD, 0, 0, 10, 10, parent,
                                 (HMENU)0x102F, Instance, nullptr);
    ASSERT_NE(child, nullptr);
    NotifyParent(child, 0x1002);
    ASSERT_EQ(Notices.size(), 1u);
    EXPECT_EQ(Notices[0].From, child);
    EXPECT_EQ(Notices[0].Id, (UINT_PTR)0x102F);
    EXPECT_EQ(Notices[0].Code, 0x1002);
}

TEST_F(Skin, RelayIsSkippedWithoutATooltipWindow) {
    HWND saved = TooltipWindow;
    TooltipWindow = nullptr;
    RelayToTooltip(parent, WM_MOUSEMOVE, 0, MAKELPARAM(5, 7));
    TooltipWindow = saved;
    EXPECT_TRUE(Relayed.empty());
    RelayToTooltip(parent, WM_RBUTTONUP, MK_SHIFT, MAKELPARAM(-3, 9));
    ASSERT_EQ(Relayed.size(), 1u);
    EXPECT_EQ(Relayed[0].hwnd, parent);
    EXPECT_EQ(Relayed[0].message, (UINT)WM_RBUTTONUP);
    EXPECT_EQ(Relayed[0].wParam, (WPARAM)MK_SHIFT);
    EXPECT_EQ(Relayed[0].pt.x, 65533);
    EXPECT_EQ(Relayed[0].pt.y, 9);
}

TEST_F(Skin, PropertiesOwnTheirStringsAndBitmaps) {
    EXPECT_EQ(GetPropInt(parent, "Prop_Corner"), 0);
    SetPropInt(parent, "Prop_Index", -1);
    EXPECT_EQ(GetPropInt(parent, "Prop_Index"), -1);
    char text[] = "first";
    SetPropString(parent, "Prop_Text", text);
    const char* copy = GetPropString(parent, "Prop_Text");
    EXPECT_NE(copy, text);
    EXPECT_STREQ(copy, "first");
    // Replacing with its own text is safe.
    SetPropString(parent, "Prop_Text", GetPropString(parent, "Prop_Text"));
    EXPECT_STREQ(GetPropString(parent, "Prop_Text"), "first");
    SetPropString(parent, "Prop_Text", nullptr);
    EXPECT_EQ(GetPropA(parent, "Prop_Text"), nullptr);

    HBITMAP first = LoadSkinBitmap(181), second = LoadSkinBitmap(183);
    SetPropBitmap(parent, "Prop_Bitmap", first);
    SetPropBitmap(parent, "Prop_Bitmap", second);
    EXPECT_EQ(GetObjectType(first), 0u);
    EXPECT_EQ(GetPropBitmap(parent, "Prop_Bitmap"), second);
    SetPropString(parent, "Prop_HelpText", "help");
    ReleaseSkinProps(parent);
    EXPECT_EQ(GetObjectType(second), 0u);
    EXPECT_EQ(GetPropA(parent, "Prop_Bitmap"), nullptr);
    EXPECT_EQ(GetPropA(parent, "Prop_HelpText"), nullptr);
    EXPECT_EQ(GetPropA(parent, "Prop_Index"), nullptr);
}

TEST_F(Skin, FaceOfAWindowIsPaintedOnPrintClient) {
    SetPropBitmap(parent, "Prop_Bitmap", LoadSkinBitmap(229));
    Pixels drawn = PaintCanvas(
        60, 20, 0, [&](HDC dc) { EXPECT_EQ(PaintFace(parent, WM_PRINTCLIENT, (WPARAM)dc, 229), 0); });
    EXPECT_TRUE(drawn == ResourcePixels(229));
    ReleaseSkinProps(parent);
}

// ------------------------------------------------------------- no leaks

SIZE_T BusyHeapBytes() {
    HANDLE heaps[64];
    DWORD count = GetProcessHeaps(64, heaps);
    SIZE_T total = 0;
    for (DWORD i = 0; i < count && i < 64; ++i) {
        if (!HeapLock(heaps[i])) continue;
        PROCESS_HEAP_ENTRY entry = {};
        while (HeapWalk(heaps[i], &entry))
            if (entry.wFlags & PROCESS_HEAP_ENTRY_BUSY) total += entry.cbData;
        HeapUnlock(heaps[i]);
    }
    return total;
}

PROCESS_MEMORY_COUNTERS Memory() {
    PROCESS_MEMORY_COUNTERS counters = {};
    counters.cb = sizeof counters;
    GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
    return counters;
}

TEST_F(Skin, AThousandLanguageChangesLeakNothing) {
    std::vector<HWND> controls;
    // Quit, select A and first: faces of three sizes.
    const int buttons[][6] = {
        {127, 129, 131, 36, 66, 36}, {139, 141, 143, 18, 36, 36}, {169, 171, 173, 22, 46, 28}};
    for (int i = 0; i < 3; ++i) {
        const int* b = buttons[i];
        controls.push_back(CreateSkinButton(parent, 0x1000 + i, 0, 10, 10 + 40 * i, b[4], b[5],
                                            b[0], b[1], b[2], b[3]));
    }
    controls.push_back(CreateSkinDisplay(parent, 0x1025, 0, 20, 150, 400, 60, 221, 8, 13));
    controls.push_back(CreateSkinDisplay(parent, 0x1026, 0, 50, 220, 370, 50, 233, 8, 14));
    controls.push_back(CreateSkinCheck(parent, 0x1100, 0, 30, 300, 300, 16, 3));
    controls.push_back(CreateSkinLed(parent, 0x102E, 0, 6, 330, 36, 18, 181, 183));
    for (HWND c : controls)
        ASSERT_NE(c, nullptr);
    SetWindowTextA(controls[3], "What is the unit of resistance?");

    auto rounds = [&](int n) {
        for (int i = 0; i < n; ++i) {
            SetLanguage(i % 2 ? 1 : 2);
            for (HWND c : controls)
                PostMessageA(c, MsgLanguageChanged, 0, 0);
            PumpMessages();
            for (HWND c : controls)
                UpdateWindow(c);
        }
        SetLanguage(1);
        for (HWND c : controls)
            PostMessageA(c, MsgLanguageChanged, 0, 0);
        PumpMessages();
    };
    rounds(100); // let caches and the message machinery settle
    SIZE_T heapBefore = BusyHeapBytes();
    PROCESS_MEMORY_COUNTERS before = Memory();
    ASSERT_GT(before.PagefileUsage, 0u);
    rounds(1000);
    SIZE_T heapAfter = BusyHeapBytes();
    PROCESS_MEMORY_COUNTERS after = Memory();

    // One leaked button face is 9.5 KB, a display face 74 KB, a text copy
    // about 50 bytes: over 1,000 rounds any of them shows far above these.
    const SIZE_T slack = 512 * 1024;
    EXPECT_LT(after.PagefileUsage, before.PagefileUsage + slack)
        << before.PagefileUsage << " -> " << after.PagefileUsage;
    EXPECT_LT(after.WorkingSetSize, before.WorkingSetSize + slack)
        << before.WorkingSetSize << " -> " << after.WorkingSetSize;
    EXPECT_GT(heapBefore, 0u);
    EXPECT_LT(heapAfter, heapBefore + 16 * 1024) << heapBefore << " -> " << heapAfter;

    // Every face still loads and shows.
    EXPECT_TRUE(BitmapPixels(ShownFace(controls[0], "Prop_Bmp1")) == ResourcePixels(127));
    EXPECT_TRUE(BitmapPixels(ShownFace(controls[2], "Prop_Bmp3")) == ResourcePixels(173));
    EXPECT_TRUE(BitmapPixels(ShownFace(controls[4], "Prop_Bitmap")) == ResourcePixels(233));
    EXPECT_TRUE(CaptureClient(controls[1]) == ResourcePixels(139));
    EXPECT_STREQ(GetPropString(controls[3], "Prop_HelpText"), Str(13));
    EXPECT_STREQ(GetPropString(controls[3], "Prop_Text"), "What is the unit of resistance?");
    EXPECT_STREQ(GetPropString(controls[5], "Prop_Text"), Str(3));
    for (int n : {101, 127, 128, 291, 292, 305, 306})
        EXPECT_TRUE(ResourcePixels(n).Width > 0) << n;
}

} // namespace
