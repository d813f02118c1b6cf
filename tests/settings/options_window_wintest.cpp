// The options module as the program builds it: its check boxes show the
// options and a click changes them.
#include "app/messages.h"
#include "bank/exam_class.h"
#include "engine/test_state.h"
#include "settings/language_win32.h"
#include "settings/options.h"
#include "settings/strings.h"
#include "tests/support/composition_win32.h"
#include "tests/support/display_text_win32.h"
#include "ui/shell_state_win32.h"
#include "ui/skin_win32.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>
#include <windows.h>

namespace {

class OptionsModule : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { ASSERT_NO_FATAL_FAILURE(CreateSharedWindows()); }

    void SetUp() override { SetDefaultOptions(); }

    void TearDown() override {
        if (MainWindow) DestroyWindow(MainWindow);
        PumpMessages();
        SetDefaultOptions();
        SelectLanguage();
    }

    // The composition, built as start-up builds it, with the options module
    // shown; the options as they stand now are what the boxes start from.
    void Build() {
        SelectLanguage();
        ASSERT_EQ(GenerateTest(&::Test, ClassBasic, 99), 1);
        ASSERT_NO_FATAL_FAILURE(OpenMainWindow());
        SendMessageA(MainWindow, WM_COMMAND, IdOptionsModule, 0);
        Window = ModuleWindows[ModuleOptions];
        ASSERT_NE(Window, nullptr);
        PumpMessages();
    }

    int Box(int id) { return (int)SendMessageA(GetDlgItem(Window, id), MsgCheckGet, 0, 0); }

    // A click on the box: it toggles itself and posts its command.
    void Click(int id) {
        SendMessageA(GetDlgItem(Window, id), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
        PumpMessages();
    }

    std::string Label(int id) {
        const char* text = GetPropString(GetDlgItem(Window, id), "Prop_Text");
        return text ? text : "<none>";
    }

    HWND Window = nullptr;
};

TEST_F(OptionsModule, BoxesStandAtTheirPlacesWithTheirLabels) {
    Build();
    const int ids[] = {IdCheckShowAnswer, IdCheckPlaySounds, IdCheckLogLabels};
    const char* labels[] = {"Show correct answer before selection", "Play sound",
                            "Show labels in log"};
    POINT origin = {0, 0};
    ClientToScreen(Window, &origin);
    for (int i = 0; i < 3; ++i) {
        HWND box = GetDlgItem(Window, ids[i]);
        ASSERT_NE(box, nullptr) << ids[i];
        RECT r;
        GetWindowRect(box, &r);
        EXPECT_EQ(r.left - origin.x, 30);
        EXPECT_EQ(r.top - origin.y, 50 + 20 * i);
        EXPECT_EQ(r.right - r.left, 300);
        EXPECT_EQ(r.bottom - r.top, 16);
        EXPECT_EQ(Label(ids[i]), labels[i]);
    }
    EXPECT_EQ(BitmapBytes(GetPropBitmap(Window, "Prop_Bitmap")), ResourceBitmapBytes(269));
}

TEST_F(OptionsModule, BoxesShowTheOptionsTheyStartWith) {
    CurrentOptions.ShowAnswerBefore = 1;
    CurrentOptions.PlaySounds = 0;
    CurrentOptions.ShowLogLabels = 1;
    Build();
    EXPECT_EQ(Box(IdCheckShowAnswer), 1);
    EXPECT_EQ(Box(IdCheckPlaySounds), 0);
    EXPECT_EQ(Box(IdCheckLogLabels), 1);
    DestroyWindow(MainWindow);
    PumpMessages();

    SetDefaultOptions();
    Build();
    EXPECT_EQ(Box(IdCheckShowAnswer), 0);
    EXPECT_EQ(Box(IdCheckPlaySounds), 1);
    EXPECT_EQ(Box(IdCheckLogLabels), 1);
}

TEST_F(OptionsModule, EachClickSetsItsOwnOption) {
    Build();
    Click(IdCheckLogLabels);
    EXPECT_EQ(CurrentOptions.ShowLogLabels, 0);
    EXPECT_EQ(CurrentOptions.PlaySounds, 1);
    EXPECT_EQ(CurrentOptions.ShowAnswerBefore, 0);
    Click(IdCheckPlaySounds);
    EXPECT_EQ(CurrentOptions.PlaySounds, 0);
    Click(IdCheckShowAnswer);
    EXPECT_EQ(CurrentOptions.ShowAnswerBefore, 1);
    EXPECT_EQ(CurrentOptions.ShowLogLabels, 0);
    Click(IdCheckLogLabels);
    Click(IdCheckPlaySounds);
    Click(IdCheckShowAnswer);
    EXPECT_EQ(CurrentOptions.ShowLogLabels, 1);
    EXPECT_EQ(CurrentOptions.PlaySounds, 1);
    EXPECT_EQ(CurrentOptions.ShowAnswerBefore, 0);
    // Setting a box's state from outside sends no command: the option stays.
    SendMessageA(GetDlgItem(Window, IdCheckPlaySounds), MsgCheckSet, 0, 0);
    PumpMessages();
    EXPECT_EQ(CurrentOptions.PlaySounds, 1);
    // Commands of other controls touch no option.
    SendMessageA(Window, WM_COMMAND, IdLogAdd, 0);
    EXPECT_EQ(CurrentOptions.PlaySounds, 1);
}

// A hand-edited store may hold 2 or -1. The box shows whether the option is in
// effect where it is read, and one click turns it off (or on) for good: with
// the raw value in the box, sounds stored as 2 toggled between 2 and -1 and
// could never be silenced.
TEST_F(OptionsModule, StoredValuesBeyondOneShowWhatTheyDo) {
    CurrentOptions.PlaySounds = 2;        // plays: any non-zero value
    CurrentOptions.ShowLogLabels = 2;     // no labels: only exactly 1
    CurrentOptions.ShowAnswerBefore = -1; // no marking: only exactly 1
    Build();
    EXPECT_EQ(Box(IdCheckPlaySounds), 1);
    EXPECT_EQ(Box(IdCheckLogLabels), 0);
    EXPECT_EQ(Box(IdCheckShowAnswer), 0);
    Click(IdCheckPlaySounds);
    EXPECT_EQ(CurrentOptions.PlaySounds, 0);
    Click(IdCheckLogLabels);
    EXPECT_EQ(CurrentOptions.ShowLogLabels, 1);
    Click(IdCheckShowAnswer);
    EXPECT_EQ(CurrentOptions.ShowAnswerBefore, 1);
}

TEST_F(OptionsModule, LabelsFollowTheLanguageOverTheSameFace) {
    Build();
    HBITMAP face = GetPropBitmap(Window, "Prop_Bitmap");
    ValidateRect(Window, nullptr);
    SwitchLanguage();
    RECT update;
    EXPECT_TRUE(GetUpdateRect(Window, &update, FALSE)); // invalidated by the switch
    PumpMessages();
    EXPECT_EQ(GetPropBitmap(Window, "Prop_Bitmap"), face);
    EXPECT_EQ(Label(IdCheckShowAnswer), "Montrer la réponse correcte avant la sélection");
    EXPECT_EQ(Label(IdCheckPlaySounds), "Jouer les sons");
    EXPECT_EQ(Label(IdCheckLogLabels), "Montrer les étiquettes dans le journal");
    SwitchLanguage();
    PumpMessages();
    EXPECT_EQ(Label(IdCheckPlaySounds), "Play sound");
}

TEST_F(OptionsModule, FrenchStartKeepsTheSameFace) {
    CurrentOptions.Language = LanguageFrench;
    Build();
    EXPECT_EQ(BitmapBytes(GetPropBitmap(Window, "Prop_Bitmap")), ResourceBitmapBytes(269));
    EXPECT_EQ(Label(IdCheckPlaySounds), "Jouer les sons");
}

} // namespace
