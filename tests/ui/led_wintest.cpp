#include "app/messages.h"
#include "tests/ui/ui_fixture_win32.h"

namespace {

using namespace uitest;

class Led : public ControlTest {
  protected:
    void SetUp() override {
        ControlTest::SetUp();
        led = CreateSkinLed(parent, 0x102E, 0, 6, 156, 36, 18, 181, 183);
        ASSERT_NE(led, nullptr);
        PumpMessages();
        Notices.clear();
    }
    bool Lit() {
        return GetPropInt(led, "Prop_Active") == 1 && GetPropInt(led, "Prop_Sequence") == 1;
    }
    // Pumps until ms have passed since start, noting each change of phase.
    void Watch(DWORD start, DWORD ms) {
        while (timeGetTime() - start < ms) {
            PumpMessages();
            bool lit = Lit();
            if (lit != wasLit) {
                ++changes;
                if (lit) ++lightings;
                if (lit && litFace.Data.empty()) litFace = CaptureClient(led);
            }
            wasLit = lit;
            Sleep(2);
        }
    }
    HWND led = nullptr;
    bool wasLit = false;
    int changes = 0, lightings = 0;
    Pixels litFace;
};

TEST_F(Led, OneCycleOfEightHundredMillisecondsEndsDarkWithOneNotification) {
    EXPECT_TRUE(CaptureClient(led) == ResourcePixels(181));
    DWORD start = timeGetTime();
    PostMessageA(led, MsgLedBlink, 0, 0);
    Watch(start, 300);
    EXPECT_EQ(GetPropInt(led, "Prop_Active"), 1);
    // A second request 300 ms in neither restarts nor extends the cycle.
    SendMessageA(led, MsgLedBlink, 0, 0);
    Watch(start, 1400);

    ASSERT_EQ(CodesFrom(led).size(), 1u);
    const Notice& end = Notices[0];
    EXPECT_EQ(end.Code, 0x1001);
    EXPECT_EQ(end.Id, (UINT_PTR)0x102E);
    DWORD elapsed = end.Time - start;
    EXPECT_GE(elapsed, 780u);
    EXPECT_LE(elapsed, 1000u) << "a restarted cycle would end near 1100 ms";
    // Lit and dark in turn every 100 ms: about four lightings in 800 ms.
    EXPECT_GE(lightings, 3);
    EXPECT_LE(lightings, 4);
    EXPECT_TRUE(litFace == ResourcePixels(183));
    // Dark and idle at the end, and it stays so.
    EXPECT_EQ(GetPropInt(led, "Prop_Active"), 0);
    EXPECT_EQ(GetPropInt(led, "Prop_Sequence"), 0);
    EXPECT_TRUE(CaptureClient(led) == ResourcePixels(181));
}

TEST_F(Led, StartsDarkAndCanBlinkAgainAfterACycle) {
    DWORD start = timeGetTime();
    SendMessageA(led, MsgLedBlink, 0, 0);
    EXPECT_EQ(GetPropInt(led, "Prop_Active"), 1);
    EXPECT_FALSE(Lit());
    Watch(start, 1000);
    ASSERT_EQ(CodesFrom(led).size(), 1u);
    start = timeGetTime();
    SendMessageA(led, MsgLedBlink, 0, 0);
    Watch(start, 1000);
    EXPECT_EQ(CodesFrom(led).size(), 2u);
    EXPECT_FALSE(Lit());
}

} // namespace
