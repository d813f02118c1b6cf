#include "app/messages.h"
#include "tests/ui/ui_fixture_win32.h"
#include "tests/support/shown_face_win32.h"

#include <shellapi.h>

namespace {

using namespace uitest;

class Display : public ControlTest {
  protected:
    // The texts of the display's painting that carry the given text.
    std::vector<TextRecord> TextsOf(HWND display, const char* text) {
        std::vector<TextRecord> found;
        for (const TextRecord& t : RecordPrint(display).Texts)
            if (t.Text == text) found.push_back(t);
        return found;
    }
};

TEST_F(Display, TextRectangleOfCornerEightTouchesTheTop) {
    HWND display = CreateSkinDisplay(parent, 0x1026, 0, 50, 120, 370, 50, 233, 8, 14);
    ASSERT_NE(display, nullptr);
    SetWindowTextA(display, "Ohm");
    std::vector<TextRecord> texts = TextsOf(display, "Ohm");
    ASSERT_EQ(texts.size(), 2u);
    // Shadow first, 2 pixels right and down, then the text itself.
    EXPECT_EQ(texts[0].Colour, GreyColour);
    EXPECT_EQ(texts[0].X, 6);
    EXPECT_EQ(texts[0].Y, 2);
    EXPECT_EQ(texts[1].Colour, GreenColour);
    EXPECT_EQ(texts[1].X, 4);
    EXPECT_EQ(texts[1].Y, 0);
    EXPECT_EQ(texts[1].Clip.left, 4);
    EXPECT_EQ(texts[1].Clip.top, 0);
    EXPECT_EQ(texts[1].Clip.right, 366);
    EXPECT_EQ(texts[1].Clip.bottom, 50);
}

TEST_F(Display, TextRectangleOfCornerTwenty) {
    HWND display = CreateSkinDisplay(parent, 0x1200, 0, 20, 40, 400, 320, 101, 20, 53);
    ASSERT_NE(display, nullptr);
    SetWindowTextA(display, "Korvane");
    std::vector<TextRecord> texts = TextsOf(display, "Korvane");
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[1].X, 10);
    EXPECT_EQ(texts[1].Y, 6);
    EXPECT_EQ(texts[1].Clip.left, 10);
    EXPECT_EQ(texts[1].Clip.top, 6);
    EXPECT_EQ(texts[1].Clip.right, 390);
    EXPECT_EQ(texts[1].Clip.bottom, 314);
}

TEST_F(Display, LongTextWrapsInsideTheInset) {
    HWND display = CreateSkinDisplay(parent, 0x1025, 0, 20, 50, 120, 60, 221, 8, 13);
    ASSERT_NE(display, nullptr);
    SetWindowTextA(display, "one two three four five six seven eight nine ten");
    std::vector<TextRecord> lines;
    for (const TextRecord& t : RecordPrint(display).Texts)
        if (t.Colour == GreenColour) lines.push_back(t);
    ASSERT_GE(lines.size(), 3u);
    for (size_t i = 0; i < lines.size(); ++i) {
        EXPECT_EQ(lines[i].X, 4) << i;
        if (i) {
            EXPECT_GT(lines[i].Y, lines[i - 1].Y);
        }
    }
}

TEST_F(Display, FaceUnderTheText) {
    HWND display = CreateSkinDisplay(parent, 0x1023, 0, 280, 20, 60, 20, 231, 8, 11);
    ASSERT_NE(display, nullptr);
    EXPECT_TRUE(CaptureClient(display) == ResourcePixels(231));
    SetWindowTextA(display, "0/100:60");
    Pixels face = CaptureClient(display);
    Pixels bare = ResourcePixels(231);
    ASSERT_EQ(face.Data.size(), bare.Data.size());
    EXPECT_FALSE(face == bare);
    // Text stays inside the control's left and right insets.
    for (int y = 0; y < face.Height; ++y)
        for (int x : {0, 1, 2, 3, face.Width - 4, face.Width - 3, face.Width - 2, face.Width - 1})
            EXPECT_EQ(face.At(x, y), bare.At(x, y)) << x << "," << y;
}

TEST_F(Display, SetTextKeepsACopyAndANullTextKeepsTheOld) {
    HWND display = CreateSkinDisplay(parent, 0x1024, 0, 350, 20, 40, 20, 223, 8, 12);
    ASSERT_NE(display, nullptr);
    char text[16] = "Right";
    EXPECT_EQ(SendMessageA(display, WM_SETTEXT, 0, (LPARAM)text), 0);
    text[0] = 'X';
    EXPECT_STREQ(GetPropString(display, "Prop_Text"), "Right");
    EXPECT_EQ(SendMessageA(display, WM_SETTEXT, 0, 0), 0);
    EXPECT_STREQ(GetPropString(display, "Prop_Text"), "Right");
    EXPECT_EQ(DisplayText(parent, 0x1024), "Right");
    // The title stays as created.
    char title[16] = "x";
    GetWindowTextA(display, title, sizeof title);
    EXPECT_STREQ(title, "");
}

TEST_F(Display, TooltipSlotZeroLeavesTheRequestUnanswered) {
    HWND plain = CreateSkinDisplay(parent, 0x1021, 0, 100, 20, 80, 20, 225, 8, 0);
    ASSERT_NE(plain, nullptr);
    EXPECT_EQ(GetPropString(plain, "Prop_HelpText"), nullptr);
    EXPECT_EQ(GetPropInt(plain, "Prop_ResID2"), 0);
    char marker[] = "untouched";
    NMTTDISPINFOA request = {};
    request.hdr.hwndFrom = TooltipWindow;
    request.hdr.code = TTN_NEEDTEXTA;
    request.lpszText = marker;
    SendMessageA(plain, WM_NOTIFY, 16, (LPARAM)&request);
    EXPECT_EQ(request.lpszText, marker);

    HWND helped = CreateSkinDisplay(parent, 0x1022, 0, 190, 20, 80, 20, 227, 8, 10);
    ASSERT_NE(helped, nullptr);
    SendMessageA(helped, WM_NOTIFY, 16, (LPARAM)&request);
    EXPECT_STREQ(request.lpszText, Str(10));
    // The text is the window's own copy, not the table's.
    EXPECT_NE((const char*)request.lpszText, Str(10));
}

TEST_F(Display, RealTooltipAsksTheDisplayForItsText) {
    HWND helped = CreateSkinDisplay(parent, 0x1022, 0, 190, 20, 80, 20, 227, 8, 10);
    HWND plain = CreateSkinDisplay(parent, 0x1021, 0, 100, 20, 80, 20, 225, 8, 0);
    ASSERT_TRUE(helped && plain);
    char buffer[200] = "";
    TOOLINFOA tool = {};
    tool.cbSize = TTTOOLINFOA_V2_SIZE;
    tool.hwnd = helped;
    tool.uId = 16;
    tool.lpszText = buffer;
    SendMessageA(TooltipWindow, TTM_GETTEXTA, sizeof buffer, (LPARAM)&tool);
    EXPECT_STREQ(buffer, Str(10));
    strcpy(buffer, "");
    tool.hwnd = plain;
    tool.lpszText = buffer;
    SendMessageA(TooltipWindow, TTM_GETTEXTA, sizeof buffer, (LPARAM)&tool);
    EXPECT_STREQ(buffer, "");
}

TEST_F(Display, PressesNotifyTheParent) {
    HWND display = CreateSkinDisplay(parent, 0x1022, 0, 190, 20, 80, 20, 227, 8, 10);
    ASSERT_NE(display, nullptr);
    MoveToClient(200, 30);
    PressAt(200, 30);
    ReleaseAt(200, 30);
    RightPressAt(200, 30);
    RightReleaseAt(200, 30);
    EXPECT_EQ(CodesFrom(display), (std::vector<int>{0x1001, 0x1002}));
    ASSERT_FALSE(Notices.empty());
    EXPECT_EQ(Notices[0].Id, (UINT_PTR)0x1022);
    // Every mouse message went on to the tooltip.
    int relayed = 0;
    for (const MSG& m : Relayed)
        relayed += m.hwnd == display;
    EXPECT_GE(relayed, 5);
}

TEST_F(Display, LanguageChangeReloadsFaceAndTooltipButNotTheText) {
    HWND display = CreateSkinDisplay(parent, 0x1026, 0, 50, 120, 370, 50, 233, 8, 14);
    ASSERT_NE(display, nullptr);
    SetWindowTextA(display, "shown");
    HBITMAP old = ShownFace(display, "Prop_Bitmap");
    SetLanguage(2);
    SendMessageA(display, MsgLanguageChanged, 0, 0);
    EXPECT_STREQ(GetPropString(display, "Prop_HelpText"), FrenchStrings[14]);
    EXPECT_TRUE(BitmapPixels(ShownFace(display, "Prop_Bitmap")) == ResourcePixels(234));
    EXPECT_EQ(GetObjectType(old), 0u);
    EXPECT_STREQ(GetPropString(display, "Prop_Text"), "shown");
}

// ------------------------------------------------------- information pop-up

TEST_F(Display, InfoPopUpKeepsItsTextAndIgnoresPresses) {
    HWND info =
        CreateWindowExA(WS_EX_CLIENTEDGE | WS_EX_TOOLWINDOW | WS_EX_TOPMOST, "ZEB_InfoWindowClass",
                        "", WS_POPUP, 0, 0, 100, 50, nullptr, nullptr, Instance, nullptr);
    ASSERT_NE(info, nullptr);
    EXPECT_EQ(GetPropInt(info, "Prop_Index"), -1);
    EXPECT_STREQ(GetPropString(info, "Prop_Text"), "");
    SetWindowTextA(info, "Entry # 3\nScore : 73 / 100");
    SendMessageA(info, WM_SETTEXT, 0, 0);
    EXPECT_STREQ(GetPropString(info, "Prop_Text"), "Entry # 3\nScore : 73 / 100");
    EXPECT_EQ(SendMessageA(info, WM_LBUTTONDOWN, MK_LBUTTON, 0), 0);

    Pixels face = CaptureClient(info, 0);
    RECT client;
    GetClientRect(info, &client);
    // White face, black text inside the 4-pixel margin.
    EXPECT_EQ(face.At(0, 0), 0x00FFFFFFu);
    EXPECT_EQ(face.At(client.right - 1, client.bottom - 1), 0x00FFFFFFu);
    int black = 0, marginBlack = 0;
    for (int y = 0; y < face.Height; ++y)
        for (int x = 0; x < face.Width; ++x) {
            if (face.At(x, y) != 0) continue;
            ++black;
            if (x < 4 || y < 4) ++marginBlack;
        }
    EXPECT_GT(black, 20);
    EXPECT_EQ(marginBlack, 0);
    std::vector<TextRecord> lines = RecordPrint(info).Texts;
    ASSERT_GE(lines.size(), 2u);
    EXPECT_EQ(lines[0].X, 4);
    EXPECT_EQ(lines[0].Y, 4);
    EXPECT_EQ(lines[0].Text, "Entry # 3");
    DestroyWindow(info);
}

// -------------------------------------------------------------------- link

struct Opened {
    HWND Owner;
    std::string Verb, File, Parameters, Directory;
    int Show;
};
std::vector<Opened> OpenedLinks;
HINSTANCE WINAPI RecordShellExecute(HWND owner, LPCSTR verb, LPCSTR file, LPCSTR parameters,
                                    LPCSTR directory, INT show) {
    OpenedLinks.push_back({owner, verb ? verb : "<null>", file ? file : "<null>",
                           parameters ? parameters : "<null>", directory ? directory : "<null>",
                           show});
    return (HINSTANCE)33;
}

TEST_F(Display, LinkOpensTheAddressOfItsSlotInTheCurrentLanguage) {
    ASSERT_NE(HookImport("shell32.dll", "ShellExecuteA", (void*)RecordShellExecute), nullptr);
    HWND web = CreateSkinLink(parent, 0x1201, 0, 28, 104, 240, 20, 77);
    HWND none = CreateSkinLink(parent, 0x1202, 0, 28, 200, 240, 20, 0);
    ASSERT_TRUE(web && none);
    EXPECT_EQ(GetPropInt(web, "Prop_Link"), 77);
    MoveToClient(40, 110);
    PressAt(40, 110);
    ReleaseAt(40, 110);
    ASSERT_EQ(OpenedLinks.size(), 1u);
    EXPECT_EQ(OpenedLinks[0].Owner, nullptr);
    EXPECT_EQ(OpenedLinks[0].Verb, "open");
    EXPECT_EQ(OpenedLinks[0].File, EnglishStrings[77]);
    EXPECT_EQ(OpenedLinks[0].Parameters, "");
    EXPECT_EQ(OpenedLinks[0].Directory, "");
    EXPECT_EQ(OpenedLinks[0].Show, SW_SHOWNORMAL);
    SetLanguage(2);
    PressAt(40, 110);
    ReleaseAt(40, 110);
    ASSERT_EQ(OpenedLinks.size(), 2u);
    EXPECT_EQ(OpenedLinks[1].File, FrenchStrings[77]);
    // No slot: nothing opens, nothing is reported.
    MoveToClient(40, 210);
    PressAt(40, 210);
    ReleaseAt(40, 210);
    EXPECT_EQ(OpenedLinks.size(), 2u);
    EXPECT_TRUE(Notices.empty());
    EXPECT_TRUE(Commands.empty());
    // It draws nothing of its own.
    Pixels face = CaptureClient(web);
    EXPECT_EQ(std::count(face.Data.begin(), face.Data.end(), 0x00FF00FFu), 240 * 20);
}

} // namespace
