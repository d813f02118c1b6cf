#include "app/messages.h"
#include "tests/ui/ui_fixture_win32.h"
#include "tests/support/shown_face_win32.h"

namespace {

using namespace uitest;

// The quit button's faces and tooltip, at a place of the test parent.
const int X = 50, Y = 60, W = 66, H = 36;
const int Id = 0x1000;

class Button : public ControlTest {
  protected:
    void SetUp() override {
        ControlTest::SetUp();
        static bool hooked = false;
        if (!hooked) {
            hooked = true;
            void* a = HookImport("winmm.dll", "PlaySoundA", (void*)CountPlaySound);
            void* b = HookImport("winmm.dll", "sndPlaySoundA", (void*)CountSndPlaySound);
            ASSERT_TRUE(a || b) << "the program starts no sound through winmm";
        }
        button = CreateSkinButton(parent, Id, 0, X, Y, W, H, 127, 129, 131, 36);
        ASSERT_NE(button, nullptr);
        PumpMessages();
        Notices.clear();
        Sounds.clear();
    }
    void ExpectFace(int resource) {
        Pixels expected = ResourcePixels(resource);
        ASSERT_EQ(expected.Width, W);
        EXPECT_TRUE(CaptureClient(button) == expected) << "face is not bitmap " << resource;
    }
    int Over() { return GetPropInt(button, "Prop_Over"); }
    int Down() { return GetPropInt(button, "Prop_Down"); }
    HWND button = nullptr;
};

TEST_F(Button, HoverTakesTheCaptureAndLeavingGivesItBack) {
    ExpectFace(127);
    MoveToClient(X + 10, Y + 10);
    EXPECT_EQ(Over(), 1);
    EXPECT_EQ(GetCapture(), button);
    ExpectFace(129);
    ASSERT_FALSE(Notices.empty());
    EXPECT_EQ(Notices[0].Code, 0x1001);
    EXPECT_EQ(Notices[0].Id, (UINT_PTR)Id);
    EXPECT_EQ(Notices[0].From, button);

    MoveToClient(X + W + 20, Y + 10);
    EXPECT_EQ(Over(), 0);
    EXPECT_EQ(GetCapture(), nullptr);
    ExpectFace(127);
    EXPECT_EQ(CodesFrom(button), (std::vector<int>{0x1001, 0x1002}));
    EXPECT_TRUE(Commands.empty());
}

TEST_F(Button, ReleaseInsidePostsOneCommandAndClicks) {
    MoveToClient(X + 10, Y + 10);
    PressAt(X + 10, Y + 10);
    EXPECT_EQ(Down(), 1);
    ExpectFace(131);
    EXPECT_TRUE(Commands.empty());
    ReleaseAt(X + 10, Y + 10);
    ASSERT_EQ(Commands.size(), 1u);
    EXPECT_EQ(LOWORD(Commands[0].WParam), Id);
    EXPECT_EQ(HIWORD(Commands[0].WParam), 0);
    EXPECT_EQ(Commands[0].LParam, (LPARAM)button);
    EXPECT_EQ(Sounds, std::vector<int>{107});
    EXPECT_EQ(Down(), 0);
    // The release notification follows the command's posting.
    std::vector<int> codes = CodesFrom(button);
    EXPECT_NE(std::find(codes.begin(), codes.end(), 0), codes.end());
}

TEST_F(Button, AKeyHoveredWhenABoxDisablesItsWindowGivesUpTheCapture) {
    // A modal box disables the window under it; a click meant for the box
    // must not reach the key that took the capture on hover.
    MoveToClient(X + 10, Y + 10);
    ASSERT_EQ(GetCapture(), button);
    EnableWindow(parent, FALSE);
    PressAt(X + 10, Y + 10);
    ReleaseAt(X + 10, Y + 10);
    PumpFor(50);
    EXPECT_TRUE(Commands.empty());
    EXPECT_TRUE(Sounds.empty());
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_EQ(Over(), 0);
    EXPECT_EQ(Down(), 0);
    ExpectFace(127);
    EXPECT_EQ(CodesFrom(button), (std::vector<int>{0x1001, 0x1002}));
    // Once the box has gone the key works as before.
    EnableWindow(parent, TRUE);
    MoveToClient(X + 12, Y + 12);
    EXPECT_EQ(GetCapture(), button);
    PressAt(X + 12, Y + 12);
    ReleaseAt(X + 12, Y + 12);
    ASSERT_EQ(Commands.size(), 1u);
}

TEST_F(Button, SlidingOutWhilePressedKeepsTheCaptureAndReleasingOutsideDoesNothing) {
    MoveToClient(X + 10, Y + 10);
    PressAt(X + 10, Y + 10);
    // Out to the left: the captured point is negative and must read outside.
    MoveToClient(X - 15, Y + 10);
    EXPECT_EQ(Over(), 0);
    EXPECT_EQ(Down(), 1);
    EXPECT_EQ(GetCapture(), button);
    ExpectFace(129);
    ReleaseAt(X - 15, Y + 10);
    PumpFor(50);
    EXPECT_TRUE(Commands.empty());
    EXPECT_TRUE(Sounds.empty());
    EXPECT_EQ(Down(), 0);
    EXPECT_EQ(Over(), 0);
    EXPECT_EQ(GetCapture(), nullptr);
    ExpectFace(127);
    EXPECT_EQ(CodesFrom(button), (std::vector<int>{0x1001, 0x1002, 0}));
}

TEST_F(Button, SlidingBackInBeforeReleasingGivesTheCommand) {
    MoveToClient(X + 10, Y + 10);
    PressAt(X + 10, Y + 10);
    MoveToClient(X + 10, Y - 10); // above: also outside
    EXPECT_EQ(Over(), 0);
    MoveToClient(X + 20, Y + 20);
    EXPECT_EQ(Over(), 1);
    ExpectFace(131);
    ReleaseAt(X + 20, Y + 20);
    ASSERT_EQ(Commands.size(), 1u);
    EXPECT_EQ(Commands[0].LParam, (LPARAM)button);
    EXPECT_EQ(Sounds, std::vector<int>{107});
}

TEST_F(Button, NoSoundWhenSoundsAreOff) {
    CurrentOptions.PlaySounds = 0;
    MoveToClient(X + 10, Y + 10);
    PressAt(X + 10, Y + 10);
    ReleaseAt(X + 10, Y + 10);
    EXPECT_EQ(Commands.size(), 1u);
    EXPECT_TRUE(Sounds.empty());
}

TEST_F(Button, RelaysMousePointsAsUnsignedHalves) {
    MoveToClient(X + 5, Y + 7);
    ASSERT_FALSE(Relayed.empty());
    EXPECT_EQ(Relayed.back().hwnd, button);
    EXPECT_EQ(Relayed.back().message, (UINT)WM_MOUSEMOVE);
    EXPECT_EQ(Relayed.back().pt.x, 5);
    EXPECT_EQ(Relayed.back().pt.y, 7);
    PressAt(X + 5, Y + 7);
    EXPECT_EQ(Relayed.back().message, (UINT)WM_LBUTTONDOWN);
    // One pixel left of the button, seen through the capture.
    Relayed.clear();
    MoveToClient(X - 1, Y + 7);
    ASSERT_FALSE(Relayed.empty());
    EXPECT_EQ(Relayed.back().hwnd, button);
    EXPECT_EQ(Relayed.back().pt.x, 65535);
    EXPECT_EQ(Relayed.back().pt.y, 7);
    ReleaseAt(X - 1, Y + 7);
    EXPECT_EQ(Relayed.back().message, (UINT)WM_LBUTTONUP);
}

TEST_F(Button, RegistersItsToolAndRemovesItWhenDestroyed) {
    int before = (int)SendMessageA(TooltipWindow, TTM_GETTOOLCOUNT, 0, 0);
    char text[80] = "";
    TOOLINFOA tool = {};
    tool.cbSize = TTTOOLINFOA_V2_SIZE;
    tool.hwnd = button;
    tool.uId = 16;
    tool.lpszText = text; // asks for the text field to be filled in
    ASSERT_TRUE(SendMessageA(TooltipWindow, TTM_GETTOOLINFOA, 0, (LPARAM)&tool));
    EXPECT_EQ(tool.uFlags & TTF_IDISHWND, 0u);
    EXPECT_EQ(tool.rect.left, 0);
    EXPECT_EQ(tool.rect.top, 0);
    EXPECT_EQ(tool.rect.right, W);
    EXPECT_EQ(tool.rect.bottom, H);
    EXPECT_EQ(tool.hinst, Instance);
    EXPECT_EQ(tool.lpszText, LPSTR_TEXTCALLBACKA);
    DestroyWindow(button);
    EXPECT_EQ((int)SendMessageA(TooltipWindow, TTM_GETTOOLCOUNT, 0, 0), before - 1);
    tool.hwnd = button;
    tool.uId = 16;
    EXPECT_FALSE(SendMessageA(TooltipWindow, TTM_GETTOOLINFOA, 0, (LPARAM)&tool));
}

// Closes every message box of the process that shows up while it runs and
// keeps their texts.
struct BoxCloser {
    std::vector<std::string> Texts;
    volatile bool Stop = false;
    HANDLE Thread = nullptr;
    static DWORD WINAPI Run(void* self) {
        BoxCloser* closer = (BoxCloser*)self;
        while (!closer->Stop) {
            HWND box = FindWindowA("#32770", nullptr);
            DWORD pid = 0;
            if (box) GetWindowThreadProcessId(box, &pid);
            if (box && pid == GetCurrentProcessId() && IsWindowVisible(box)) {
                char text[200] = "";
                GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
                closer->Texts.push_back(text);
                SendMessageA(box, WM_COMMAND, IDOK, 0);
            }
            Sleep(20);
        }
        return 0;
    }
    void Start() { Thread = CreateThread(nullptr, 0, Run, this, 0, nullptr); }
    void Finish() {
        Stop = true;
        WaitForSingleObject(Thread, 5000);
        CloseHandle(Thread);
    }
};

TEST_F(Button, WithoutATooltipWindowItWarnsOnceAndWorksOn) {
    HWND saved = TooltipWindow;
    TooltipWindow = nullptr;
    BoxCloser closer;
    closer.Start();
    HWND lone = CreateSkinButton(parent, 0x1001, 0, 200, 60, 28, 26, 115, 117, 119, 37);
    closer.Finish();
    TooltipWindow = saved;
    ASSERT_NE(lone, nullptr);
    EXPECT_EQ(closer.Texts, std::vector<std::string>{"Could not add tooltip text for button"});
    MoveToClient(205, 65);
    PressAt(205, 65);
    ReleaseAt(205, 65);
    ASSERT_EQ(Commands.size(), 1u);
    EXPECT_EQ(Commands[0].LParam, (LPARAM)lone);
    DestroyWindow(lone);
}

TEST_F(Button, TooltipTextIsItsSlotInTheCurrentLanguage) {
    NMTTDISPINFOA request = {};
    request.hdr.hwndFrom = TooltipWindow;
    request.hdr.code = TTN_NEEDTEXTA;
    SendMessageA(button, WM_NOTIFY, 16, (LPARAM)&request);
    ASSERT_NE(request.lpszText, nullptr);
    EXPECT_STREQ(request.lpszText, "Shut down program");
    SetLanguage(2);
    request.lpszText = nullptr;
    SendMessageA(button, WM_NOTIFY, 16, (LPARAM)&request);
    ASSERT_NE(request.lpszText, nullptr);
    EXPECT_STREQ(request.lpszText, FrenchStrings[36]);
    // Another tool id is not this button's request.
    request.lpszText = nullptr;
    SendMessageA(button, WM_NOTIFY, 17, (LPARAM)&request);
    EXPECT_EQ(request.lpszText, nullptr);
}

TEST_F(Button, ShowsItsTooltipWhenThePointerRests) {
    MoveToClient(X + 10, Y + 10);
    bool shown = false;
    for (int i = 0; i < 60 && !shown; ++i) {
        PumpFor(50);
        shown = IsWindowVisible(TooltipWindow);
    }
    EXPECT_TRUE(shown);
    MoveToClient(X + W + 50, Y + 10);
    PumpFor(100);
}

TEST_F(Button, FrenchFacesSitAtTheNextNumberAndReloadOnLanguageChange) {
    DestroyWindow(button);
    SetLanguage(2);
    button = CreateSkinButton(parent, Id, 0, X, Y, W, H, 127, 129, 131, 36);
    ASSERT_NE(button, nullptr);
    EXPECT_TRUE(BitmapPixels(ShownFace(button, "Prop_Bmp1")) == ResourcePixels(128));
    EXPECT_TRUE(BitmapPixels(ShownFace(button, "Prop_Bmp2")) == ResourcePixels(130));
    EXPECT_TRUE(BitmapPixels(ShownFace(button, "Prop_Bmp3")) == ResourcePixels(132));
    ExpectFace(128);
    EXPECT_EQ(GetPropInt(button, "Prop_ResID1"), 127);
    EXPECT_EQ(GetPropInt(button, "Prop_ResID4"), 36);

    HBITMAP old = ShownFace(button, "Prop_Bmp1");
    SetLanguage(1);
    SendMessageA(button, MsgLanguageChanged, 0, 0);
    EXPECT_TRUE(BitmapPixels(ShownFace(button, "Prop_Bmp1")) == ResourcePixels(127));
    EXPECT_TRUE(BitmapPixels(ShownFace(button, "Prop_Bmp2")) == ResourcePixels(129));
    EXPECT_TRUE(BitmapPixels(ShownFace(button, "Prop_Bmp3")) == ResourcePixels(131));
    ExpectFace(127);
    // The old face objects are gone, not merely replaced.
    EXPECT_EQ(GetObjectType(old), 0u);
}

TEST_F(Button, LayoutButtonStandsAtItsTableRectangle) {
    HWND minimise = CreateLayoutButton(parent, 0x1001, 115, 117, 119, 37);
    ASSERT_NE(minimise, nullptr);
    RECT r;
    GetWindowRect(minimise, &r);
    MapWindowPoints(nullptr, parent, (POINT*)&r, 2);
    EXPECT_EQ(r.left, 6);
    EXPECT_EQ(r.top, 6);
    EXPECT_EQ(r.right - r.left, 28);
    EXPECT_EQ(r.bottom - r.top, 26);
    EXPECT_EQ(GetDlgCtrlID(minimise), 0x1001);
    EXPECT_EQ(GetWindowLongA(minimise, GWL_STYLE) & (WS_CHILD | WS_VISIBLE), WS_CHILD | WS_VISIBLE);
    EXPECT_EQ(CreateLayoutButton(parent, 0x1004, 115, 117, 119, 37), nullptr);
}

} // namespace
