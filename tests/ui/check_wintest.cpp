#include "app/messages.h"
#include "tests/ui/ui_fixture_win32.h"

namespace {

using namespace uitest;

const int X = 30, Y = 70, W = 300, H = 16;
const int Id = 0x1101;
const DWORD Green = 0x0000FF80, Grey = 0x00404040; // 0x00RRGGBB as captured

class Check : public ControlTest {
  protected:
    void SetUp() override {
        ControlTest::SetUp();
        check = CreateSkinCheck(parent, Id, 0, X, Y, W, H, 4);
        ASSERT_NE(check, nullptr);
        PumpMessages();
    }
    int Checked() { return (int)SendMessageA(check, MsgCheckGet, 0, 0); }
    void Click() {
        MoveToClient(X + 100, Y + 8);
        PressAt(X + 100, Y + 8);
        ReleaseAt(X + 100, Y + 8);
    }
    HWND check = nullptr;
};

TEST_F(Check, LabelComesFromItsSlot) {
    EXPECT_STREQ(GetPropString(check, "Prop_Text"), "Play sound");
    EXPECT_EQ(GetPropInt(check, "Prop_ResID1"), 4);
    EXPECT_EQ(Checked(), 0);
}

TEST_F(Check, EveryReleaseTogglesAndPostsOneCommand) {
    Click();
    EXPECT_EQ(Checked(), 1);
    ASSERT_EQ(Commands.size(), 1u);
    EXPECT_EQ(Commands[0].WParam, (WPARAM)Id);
    EXPECT_EQ(Commands[0].LParam, 0);
    // It takes no capture.
    EXPECT_NE(GetCapture(), check);
    Click();
    EXPECT_EQ(Checked(), 0);
    EXPECT_EQ(Commands.size(), 2u);
    // A press alone does nothing; the release does it, wherever it came from.
    PressAt(X + 50, Y + 8);
    EXPECT_EQ(Checked(), 0);
    ReleaseAt(X + 50, Y + 8);
    EXPECT_EQ(Checked(), 1);
    EXPECT_EQ(Commands.size(), 3u);
}

TEST_F(Check, SetByMessageWithoutACommandThenAClickUnchecks) {
    SendMessageA(check, MsgCheckSet, 0, 1);
    PumpMessages();
    EXPECT_EQ(Checked(), 1);
    EXPECT_TRUE(Commands.empty());
    Click();
    EXPECT_EQ(Checked(), 0);
    EXPECT_EQ(Commands.size(), 1u);
    SendMessageA(check, MsgCheckSet, 0, 0);
    EXPECT_EQ(Checked(), 0);
    EXPECT_EQ(Commands.size(), 1u);
}

TEST_F(Check, SetTextChangesNothing) {
    EXPECT_EQ(SendMessageA(check, WM_SETTEXT, 0, (LPARAM) "Other"), 0);
    EXPECT_STREQ(GetPropString(check, "Prop_Text"), "Play sound");
    char title[32] = "x";
    GetWindowTextA(check, title, sizeof title);
    EXPECT_STREQ(title, "");
}

TEST_F(Check, InnerBoxIsGreenWhenCheckedAndGreyOtherwise) {
    // h = 16: the inner box spans 6..9, the outer frame is outlined at 2 and 13.
    Pixels face = CaptureClient(check);
    EXPECT_EQ(face.At(8, 8), Grey);
    EXPECT_EQ(face.At(2, 8), Green);
    EXPECT_EQ(face.At(13, 8), Green);
    EXPECT_EQ(face.At(15, 15), Grey);      // the outer shadow's corner
    EXPECT_EQ(face.At(0, 0), 0x00FF00FFu); // nothing drawn outside the parts
    SendMessageA(check, MsgCheckSet, 0, 1);
    face = CaptureClient(check);
    EXPECT_EQ(face.At(8, 8), Green);
    EXPECT_EQ(face.At(6, 6), Green);
    // The label is shadowed green text to the right of the box.
    int green = 0;
    for (int y = 0; y < H; ++y)
        for (int x = H + 4; x < W; ++x)
            green += face.At(x, y) == Green;
    EXPECT_GT(green, 10);
}

TEST_F(Check, WithoutALabelNothingIsDrawn) {
    HWND bare = CreateSkinCheck(parent, 0x1102, 0, X, Y + 20, W, H, 0);
    ASSERT_NE(bare, nullptr);
    FreePropString(bare, "Prop_Text");
    Pixels face = CaptureClient(bare);
    EXPECT_EQ(std::count(face.Data.begin(), face.Data.end(), 0x00FF00FFu), W * H);
}

TEST_F(Check, LabelFollowsTheLanguage) {
    SetLanguage(2);
    SendMessageA(check, MsgLanguageChanged, 0, 0);
    EXPECT_STREQ(GetPropString(check, "Prop_Text"), FrenchStrings[4]);
    SetLanguage(1);
    SendMessageA(check, MsgLanguageChanged, 0, 0);
    EXPECT_STREQ(GetPropString(check, "Prop_Text"), "Play sound");
}

} // namespace
