// The language button on the composition start-up builds: the test carries
// on in the other language and every window reloads what it shows.
#include "app/messages.h"
#include "bank/exam_class.h"
#include "bank/pool_resources.h"
#include "engine/engine_win32.h"
#include "engine/test_state.h"
#include "settings/language_win32.h"
#include "settings/options.h"
#include "settings/strings.h"
#include "tests/support/composition_win32.h"
#include "tests/support/display_text_win32.h"
#include "tests/support/message_box_hook_win32.h"
#include "tests/support/shown_face_win32.h"
#include "ui/shell_state_win32.h"
#include "ui/skin_win32.h"

#include <gtest/gtest.h>

#include <psapi.h>

#include <cstring>
#include <string>
#include <vector>
#include <windows.h>

namespace {

bool FaceIs(HWND window, const char* prop, int number) {
    std::vector<unsigned char> face = BitmapBytes(ShownFace(window, prop));
    return !face.empty() && face == ResourceBitmapBytes(number);
}

// What the test module shows and what the engine holds.
struct Snapshot {
    std::string Displays[10];
    char Codes[TestSlots][CodeFieldSize];
    int Answers[TestSlots];
    int Score, CurrentIndex, QuestionCount, Logged, ClassIndex, Mode;
    std::string CurrentCode;
};

Snapshot Take() {
    Snapshot s;
    for (int i = 0; i < 10; ++i)
        s.Displays[i] = DisplayText(TestWindow(), IdModeDisplay + i);
    memcpy(s.Codes, ::Test.Codes, sizeof s.Codes);
    memcpy(s.Answers, ::Test.Answers, sizeof s.Answers);
    s.Score = ::Test.Score;
    s.CurrentIndex = ::Test.CurrentIndex;
    s.QuestionCount = ::Test.QuestionCount;
    s.Logged = ::Test.Logged;
    s.ClassIndex = ::Test.ClassIndex;
    s.Mode = Mode;
    s.CurrentCode = ::Test.Current.Code;
    return s;
}

// The same exam: questions, answers, score, position, logged flag.
void ExpectSameExam(const Snapshot& a, const Snapshot& b) {
    EXPECT_EQ(memcmp(a.Codes, b.Codes, sizeof a.Codes), 0);
    EXPECT_EQ(memcmp(a.Answers, b.Answers, sizeof a.Answers), 0);
    EXPECT_EQ(a.Score, b.Score);
    EXPECT_EQ(a.CurrentIndex, b.CurrentIndex);
    EXPECT_EQ(a.QuestionCount, b.QuestionCount);
    EXPECT_EQ(a.Logged, b.Logged);
    EXPECT_EQ(a.ClassIndex, b.ClassIndex);
    EXPECT_EQ(a.Mode, b.Mode);
    EXPECT_EQ(a.CurrentCode, b.CurrentCode);
}

// The question on display is the one of its code in pool, and the displays
// show its texts.
void ExpectShownFrom(const QuestionPool& pool) {
    QuestionRecord expected;
    ASSERT_EQ(LookUpQuestion(pool.PoolBegin, pool.PoolEnd, ::Test.Current.Code, &expected), 1);
    EXPECT_STREQ(::Test.Current.Text, expected.Text);
    EXPECT_EQ(::Test.Current.Correct, expected.Correct);
    EXPECT_EQ(DisplayText(TestWindow(), IdQuestionDisplay), expected.Text);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(DisplayText(TestWindow(), IdAnswerDisplayA + i), expected.Answers[i]) << i;
}

class LanguageSwitch : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { ASSERT_NO_FATAL_FAILURE(CreateSharedWindows()); }

    // As start-up does it: English, a Basic exam, the composition, the first
    // question shown; the test module is on screen.
    void SetUp() override {
        SetDefaultOptions();
        SelectLanguage();
        memset(&::Test, 0, sizeof ::Test);
        memset(&SavedExam, 0, sizeof SavedExam);
        ASSERT_EQ(GenerateTest(&::Test, ClassBasic, 2024), 1);
        ASSERT_NO_FATAL_FAILURE(OpenMainWindow());
        PostMessageA(MainWindow, MsgShowFirst, 0, 0);
        SendMessageA(MainWindow, WM_COMMAND, IdTestModule, 0);
        PumpMessages();
        ASSERT_EQ(::Test.CurrentIndex, 0);
    }

    void TearDown() override {
        if (MainWindow) DestroyWindow(MainWindow);
        PumpMessages();
        SetDefaultOptions();
        SelectLanguage();
    }

    static void Press(int id) {
        SendMessageA(MainWindow, WM_COMMAND, id, 0);
        PumpMessages();
    }

    static void Post(UINT message, int times = 1) {
        for (int i = 0; i < times; ++i)
            PostMessageA(MainWindow, message, 0, 0);
        PumpMessages();
    }

    // Answers the first questions as the engine records them: right, wrong,
    // right.
    static void AnswerFirstThree() {
        ::Test.Answers[0] = AnswerGood;
        ::Test.Answers[1] = AnswerBad;
        ::Test.Answers[2] = AnswerGood;
        ::Test.Score = 2;
    }

    static void EnterBrowse() {
        MessageBoxWatch yes(IDYES);
        SendMessageA(TestWindow(), WM_COMMAND, IdBrowse, 0);
        PumpMessages();
        ASSERT_EQ(yes.Boxes.size(), 1u);
        ASSERT_EQ(Mode, ModeBrowse);
    }
};

TEST_F(LanguageSwitch, MidExamTheSameQuestionShowsInFrench) {
    AnswerFirstThree();
    Post(MsgShowNext, 2);
    ASSERT_EQ(::Test.CurrentIndex, 2);
    Snapshot english = Take();
    EXPECT_EQ(english.Displays[4], "Good");

    Press(IdLanguage);
    EXPECT_EQ(CurrentOptions.Language, LanguageFrench);
    EXPECT_EQ(CurrentStrings, FrenchStrings);
    EXPECT_EQ(::Test.PoolBegin, Pools[PoolBasicFr].PoolBegin);
    EXPECT_EQ(::Test.PoolEnd, Pools[PoolBasicFr].PoolEnd);
    Snapshot french = Take();
    ExpectSameExam(english, french);
    ExpectShownFrom(Pools[PoolBasicFr]);
    EXPECT_NE(french.Displays[5], english.Displays[5]);
    EXPECT_EQ(french.Displays[0], FrenchStrings[46]);
    EXPECT_EQ(french.Displays[1], "de Base");
    EXPECT_EQ(french.Displays[2], english.Displays[2]); // number and code
    EXPECT_EQ(french.Displays[3], english.Displays[3]); // score
    EXPECT_EQ(french.Displays[4], FrenchStrings[49]);

    // The exam goes on in French.
    Post(MsgShowNext);
    EXPECT_EQ(::Test.CurrentIndex, 3);
    ExpectShownFrom(Pools[PoolBasicFr]);
}

TEST_F(LanguageSwitch, EveryWindowReloadsItsFaceAndTexts) {
    Press(IdLanguage);
    EXPECT_TRUE(FaceIs(MainWindow, "Prop_Bitmap", 292));
    EXPECT_TRUE(FaceIs(BorderWindow, "Prop_Bitmap", 306));
    EXPECT_TRUE(FaceIs(TestWindow(), "Prop_Bitmap", 296));
    EXPECT_TRUE(FaceIs(ModuleWindows[ModuleLog], "Prop_Bitmap", 268));
    EXPECT_TRUE(FaceIs(ModuleWindows[ModuleAbout], "Prop_Bitmap", 266));
    EXPECT_TRUE(FaceIs(ModuleWindows[ModuleOptions], "Prop_Bitmap", 269));
    // Descendants: a panel key, a key of the log module, a display of the
    // test module, the about text, a check box.
    EXPECT_TRUE(FaceIs(GetDlgItem(MainWindow, IdLanguage), "Prop_Bmp1", 300));
    EXPECT_TRUE(FaceIs(GetDlgItem(ModuleWindows[ModuleLog], IdLogAdd), "Prop_Bmp1", 242));
    EXPECT_STREQ(GetPropString(GetDlgItem(TestWindow(), IdQuestionDisplay), "Prop_HelpText"),
                 FrenchStrings[13]);
    EXPECT_EQ(DisplayText(ModuleWindows[ModuleAbout], IdAboutText), FrenchStrings[44]);
    EXPECT_STREQ(
        GetPropString(GetDlgItem(ModuleWindows[ModuleOptions], IdCheckPlaySounds), "Prop_Text"),
        "Jouer les sons");
    EXPECT_STREQ(Str(51), "Bascule à Anglais");

    Press(IdLanguage);
    EXPECT_TRUE(FaceIs(MainWindow, "Prop_Bitmap", 291));
    EXPECT_TRUE(FaceIs(TestWindow(), "Prop_Bitmap", 295));
    EXPECT_TRUE(FaceIs(ModuleWindows[ModuleLog], "Prop_Bitmap", 267));
    EXPECT_TRUE(FaceIs(GetDlgItem(MainWindow, IdLanguage), "Prop_Bmp1", 299));
}

TEST_F(LanguageSwitch, TwiceReturnsToTheSameEnglishExam) {
    AnswerFirstThree();
    Post(MsgShowNext, 3);
    Snapshot before = Take();
    Press(IdLanguage);
    Press(IdLanguage);
    EXPECT_EQ(CurrentOptions.Language, LanguageEnglish);
    EXPECT_EQ(CurrentStrings, EnglishStrings);
    EXPECT_EQ(::Test.PoolBegin, Pools[PoolBasicEn].PoolBegin);
    Snapshot after = Take();
    ExpectSameExam(before, after);
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(after.Displays[i], before.Displays[i]) << i;
}

TEST_F(LanguageSwitch, AnAdvancedExamMovesToTheFrenchAdvancedPool) {
    Press(IdNewAdvanced);
    Post(MsgShowLast);
    Snapshot english = Take();
    Press(IdLanguage);
    EXPECT_EQ(::Test.PoolBegin, Pools[PoolAdvancedFr].PoolBegin);
    EXPECT_EQ(::Test.PoolEnd, Pools[PoolAdvancedFr].PoolEnd);
    ExpectSameExam(english, Take());
    ExpectShownFrom(Pools[PoolAdvancedFr]);
    EXPECT_EQ(DisplayText(TestWindow(), IdClassDisplay), "Supérieure");
}

TEST_F(LanguageSwitch, BrowsingShowsTheSamePoolQuestionInFrench) {
    EnterBrowse();
    Post(MsgShowNext, 4);
    ASSERT_EQ(::Test.CurrentIndex, 4);
    Snapshot english = Take();
    Press(IdLanguage);
    Snapshot french = Take();
    ExpectSameExam(english, french);
    EXPECT_EQ(french.CurrentCode, ::Test.BrowseList[4].Code);
    ExpectShownFrom(Pools[PoolBasicFr]);
    EXPECT_EQ(french.Displays[0], FrenchStrings[47]);
    Post(MsgShowNext);
    EXPECT_STREQ(::Test.Current.Code, ::Test.BrowseList[5].Code);
    ExpectShownFrom(Pools[PoolBasicFr]);
}

// The exam parked while browsing is not touched by the switch; when it comes
// back it is read from the pool of the new language.
TEST_F(LanguageSwitch, TheParkedExamComesBackInTheNewLanguage) {
    AnswerFirstThree();
    Post(MsgShowNext);
    Snapshot exam = Take();
    EnterBrowse();
    Post(MsgShowNext, 7);
    Press(IdLanguage);
    Press(IdTestModule); // in Browse mode: back to the exam
    EXPECT_EQ(Mode, ModeExam);
    EXPECT_EQ(::Test.PoolBegin, Pools[PoolBasicFr].PoolBegin);
    EXPECT_EQ(::Test.PoolEnd, Pools[PoolBasicFr].PoolEnd);
    Snapshot back = Take();
    ExpectSameExam(exam, back);
    ExpectShownFrom(Pools[PoolBasicFr]);
    EXPECT_EQ(back.Displays[4], FrenchStrings[50]); // question 2 was answered wrong
    EXPECT_EQ(back.Displays[3], exam.Displays[3]);
}

// Every bitmap a window replaces on a switch is deleted, and two hundred
// switches leave memory where it was and every face drawable.
TEST_F(LanguageSwitch, SwitchesLeakNothing) {
    struct Held {
        HWND Window;
        const char* Prop;
        HBITMAP Bitmap;
    };
    static const char* const props[] = {"Prop_Bitmap", "Prop_Bmp1", "Prop_Bmp2", "Prop_Bmp3"};
    std::vector<Held> held;
    std::vector<HWND> windows = {MainWindow, BorderWindow};
    for (HWND module : ModuleWindows)
        windows.push_back(module);
    for (size_t i = 0; i < windows.size(); ++i)
        for (HWND c = GetWindow(windows[i], GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT))
            windows.push_back(c);
    auto collect = [&]() {
        held.clear();
        for (HWND w : windows)
            for (const char* p : props)
                if (HBITMAP b = ShownFace(w, p)) held.push_back(Held{w, p, b});
    };

    Press(IdLanguage);
    collect();
    std::vector<Held> before = held;
    Press(IdLanguage);
    collect();
    auto heldNow = [&](HBITMAP b) {
        for (const Held& h : held)
            if (h.Bitmap == b) return true;
        return false;
    };
    int replaced = 0;
    for (const Held& h : before) {
        if (GetPropBitmap(h.Window, h.Prop) == h.Bitmap) continue;
        ++replaced;
        // Deleted, unless the platform has handed the same handle value to
        // one of the bitmaps loaded since.
        EXPECT_TRUE(GetObjectType(h.Bitmap) == 0 || heldNow(h.Bitmap))
            << h.Prop << " of " << GetDlgCtrlID(h.Window);
    }
    EXPECT_GT(replaced, 50);

    // Hidden, the windows reload but do not paint: a switch then costs
    // milliseconds instead of a repaint of the whole composition.
    ShowWindow(MainWindow, SW_HIDE);
    ShowWindow(BorderWindow, SW_HIDE);
    for (HWND module : ModuleWindows)
        ShowWindow(module, SW_HIDE);
    PROCESS_MEMORY_COUNTERS_EX start = {}, end = {};
    for (int i = 0; i < 20; ++i)
        Press(IdLanguage);
    GetProcessMemoryInfo(GetCurrentProcess(), (PROCESS_MEMORY_COUNTERS*)&start, sizeof start);
    for (int i = 0; i < 200; ++i)
        Press(IdLanguage);
    GetProcessMemoryInfo(GetCurrentProcess(), (PROCESS_MEMORY_COUNTERS*)&end, sizeof end);
    // Under Wine PrivateUsage does not move; PagefileUsage counts what is
    // committed. One leaked key bitmap a switch would add megabytes, a
    // leaked face a hundred.
    EXPECT_LT((long long)end.PagefileUsage - (long long)start.PagefileUsage, 1LL << 20);
    EXPECT_EQ(CurrentOptions.Language, LanguageEnglish);
    collect();
    for (const Held& h : held)
        EXPECT_NE(GetObjectType(h.Bitmap), 0u) << h.Prop;
    EXPECT_TRUE(FaceIs(MainWindow, "Prop_Bitmap", 291));
    EXPECT_TRUE(FaceIs(ModuleWindows[ModuleLog], "Prop_Bitmap", 267));
}

// ------------------------------------------------ order of the posted messages

std::vector<HWND> Received;

LRESULT CALLBACK Recorder(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == MsgLanguageChanged) Received.push_back(window);
    return DefWindowProcA(window, message, wParam, lParam);
}

BOOL CALLBACK CollectChild(HWND child, LPARAM list) {
    ((std::vector<HWND>*)list)->push_back(child);
    return TRUE;
}

class LanguageOrder : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        WNDCLASSA wc = {};
        wc.lpfnWndProc = Recorder;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = "LanguageRecorder";
        RegisterClassA(&wc);
    }

    static HWND Top() {
        return CreateWindowExA(0, "LanguageRecorder", "", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50,
                               nullptr, nullptr, nullptr, nullptr);
    }
    static HWND Child(HWND parent, int id) {
        return CreateWindowExA(0, "LanguageRecorder", "", WS_CHILD, 0, 0, 10, 10, parent,
                               (HMENU)(INT_PTR)id, nullptr, nullptr);
    }

    // The windows in the order that every language change must reach them:
    // each one, then its descendants as the platform enumerates them.
    static void ExpectedOrder(HWND window, std::vector<HWND>* order) {
        order->push_back(window);
        EnumChildWindows(window, CollectChild, (LPARAM)order);
    }
};

TEST_F(LanguageOrder, MainBorderTestLogAboutOptionsEachDepthFirst) {
    SetDefaultOptions();
    SelectLanguage();
    HWND main = Top(), border = Top();
    HWND modules[ModuleCount];
    for (HWND& m : modules)
        m = Top();
    // Two levels below the main window and below the about window.
    HWND a = Child(main, 1), b = Child(main, 2);
    Child(a, 11);
    Child(a, 12);
    Child(Child(b, 21), 211);
    Child(Child(modules[ModuleAbout], 31), 311);
    Child(modules[ModuleOptions], 41);

    HWND savedMain = MainWindow, savedBorder = BorderWindow;
    HWND savedModules[ModuleCount];
    memcpy(savedModules, ModuleWindows, sizeof savedModules);
    MainWindow = main;
    BorderWindow = border;
    memcpy(ModuleWindows, modules, sizeof modules);

    PumpMessages();
    Received.clear();
    ValidateRect(modules[ModuleOptions], nullptr);
    SwitchLanguage();
    // Posted, not sent: nothing has arrived yet.
    EXPECT_TRUE(Received.empty());
    RECT update;
    EXPECT_TRUE(GetUpdateRect(modules[ModuleOptions], &update, FALSE));
    PumpMessages();

    std::vector<HWND> expected;
    ExpectedOrder(main, &expected);
    ExpectedOrder(border, &expected);
    ExpectedOrder(modules[ModuleTest], &expected);
    ExpectedOrder(modules[ModuleLog], &expected);
    ExpectedOrder(modules[ModuleAbout], &expected);
    ExpectedOrder(modules[ModuleOptions], &expected);
    EXPECT_EQ(expected.size(), 15u);
    EXPECT_EQ(Received, expected);

    MainWindow = savedMain;
    BorderWindow = savedBorder;
    memcpy(ModuleWindows, savedModules, sizeof savedModules);
    DestroyWindow(main);
    DestroyWindow(border);
    for (HWND m : modules)
        DestroyWindow(m);
    SetDefaultOptions();
    SelectLanguage();
}

} // namespace
