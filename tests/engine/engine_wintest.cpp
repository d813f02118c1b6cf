// The test engine in a real main window and test window, driven through the
// message queue as the program drives it: keys and commands post private
// messages, the lamps report the end of their blink, texts are read back
// from the displays.
#include "app/messages.h"
#include "bank/exam_class.h"
#include "bank/pool_resources.h"
#include "engine/engine_win32.h"
#include "settings/options.h"
#include "settings/strings.h"
#include "tests/support/display_text_win32.h"
#include "ui/shell_state_win32.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

// ---------------------------------------------------------------- stand-ins

// A lamp that records its blink requests. Timed, it blinks for BlinkMs and
// ignores requests meanwhile, then notifies its parent like the real lamp;
// otherwise the test ends each blink itself with FinishBlink.
struct LampRecord {
    int Requests;
    int Cycles;
    bool Blinking;
};
LampRecord Lamps[4];
bool TimedLamps = false;
UINT BlinkMs = 300;

void NotifyBlinkEnd(HWND lamp) {
    NMHDR header;
    header.hwndFrom = lamp;
    header.idFrom = (UINT_PTR)GetDlgCtrlID(lamp);
    header.code = NotifyBlinkEnded;
    SendMessageA(GetParent(lamp), WM_NOTIFY, header.idFrom, (LPARAM)&header);
}

LRESULT CALLBACK LampProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    LampRecord& lamp = Lamps[(GetDlgCtrlID(window) - IdLedA) & 3];
    if (message == MsgLedBlink) {
        lamp.Requests += 1;
        if (TimedLamps && !lamp.Blinking) {
            lamp.Blinking = true;
            lamp.Cycles += 1;
            SetTimer(window, 1, BlinkMs, nullptr);
        }
        return 0;
    }
    if (message == WM_TIMER) {
        KillTimer(window, 1);
        lamp.Blinking = false;
        NotifyBlinkEnd(window);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

LRESULT CALLBACK MainProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_KEYDOWN && HandleEngineKey(window, wParam)) return 0;
    LRESULT result = 0;
    if (HandleEngineMessage(window, message, wParam, lParam, &result)) return result;
    return DefWindowProcA(window, message, wParam, lParam);
}

// What the section menu looked like when it opened, and the item to choose:
// keys posted into the menu's own loop pick it (-1: close the menu).
struct MenuRecord {
    int Opened;
    HWND Owner;
    std::vector<UINT> Ids;
    std::vector<std::string> Texts;
    int Choice;
};
MenuRecord Menu;

void RecordMenu(HWND owner, HMENU menu) {
    Menu.Opened += 1;
    Menu.Owner = owner;
    Menu.Ids.clear();
    Menu.Texts.clear();
    int count = GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i) {
        char text[64] = "";
        GetMenuStringA(menu, i, text, sizeof text, MF_BYPOSITION);
        Menu.Ids.push_back(GetMenuItemID(menu, i));
        Menu.Texts.push_back(text);
    }
    if (Menu.Choice < 0) {
        EndMenu();
        return;
    }
    for (int i = 0; i <= Menu.Choice; ++i)
        PostMessageA(owner, WM_KEYDOWN, VK_DOWN, 0);
    PostMessageA(owner, WM_KEYDOWN, VK_RETURN, 0);
}

LRESULT CALLBACK TestProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
        if (HandleTestCommand(window, wParam, lParam)) return 0;
        break;
    case WM_NOTIFY:
        if (HandleTestNotify(window, (const NMHDR*)lParam)) return 0;
        break;
    case WM_INITMENUPOPUP: RecordMenu(window, (HMENU)wParam); return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

// The confirmation box, answered from a thread-local CBT hook as it opens.
struct BoxRecord {
    int Shown;
    int Answer;
    std::string Text, Caption;
    HWND Owner;
    bool YesNo;
    bool QuestionIcon;
};
BoxRecord Box;
HHOOK BoxHook;

LRESULT CALLBACK BoxHookProc(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_ACTIVATE) {
        HWND box = (HWND)wParam;
        char name[32] = "";
        GetClassNameA(box, name, sizeof name);
        if (strcmp(name, "#32770") == 0) {
            char text[512] = "";
            Box.Shown += 1;
            GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
            Box.Text = text;
            GetWindowTextA(box, text, sizeof text);
            Box.Caption = text;
            Box.Owner = GetWindow(box, GW_OWNER);
            Box.YesNo = GetDlgItem(box, IDYES) && GetDlgItem(box, IDNO) && !GetDlgItem(box, IDOK);
            HICON icon = (HICON)SendDlgItemMessageA(box, 0x440, STM_GETICON, 0, 0);
            Box.QuestionIcon = icon && icon == LoadIconA(nullptr, (LPCSTR)IDI_QUESTION);
            PostMessageA(box, WM_COMMAND, Box.Answer, 0);
        }
    }
    return CallNextHookEx(BoxHook, code, wParam, lParam);
}

// ---------------------------------------------------------------- fixture

class EngineWindows : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        ASSERT_EQ(LoadQuestionPools(), 1);
        Instance = GetModuleHandleA(nullptr);
        WNDCLASSA wc = {};
        wc.hInstance = Instance;
        wc.hCursor = LoadCursorA(nullptr, (LPCSTR)IDC_ARROW);
        wc.lpfnWndProc = MainProc;
        wc.lpszClassName = "EngineTestMain";
        RegisterClassA(&wc);
        wc.lpfnWndProc = TestProc;
        wc.lpszClassName = "EngineTestModule";
        RegisterClassA(&wc);
        wc.lpfnWndProc = LampProc;
        wc.lpszClassName = "EngineTestLamp";
        RegisterClassA(&wc);

        MainWindow = CreateWindowExA(0, "EngineTestMain", "Korvane", WS_POPUP | WS_VISIBLE, 840,
                                     100, 160, 480, nullptr, nullptr, Instance, nullptr);
        HWND test = CreateWindowExA(0, "EngineTestModule", "", WS_POPUP | WS_VISIBLE, 400, 100, 440,
                                    400, MainWindow, nullptr, Instance, nullptr);
        ModuleWindows[ModuleTest] = test;
        for (int id = IdModeDisplay; id <= IdAnswerDisplayA + 3; ++id)
            CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE, 0, (id - IdModeDisplay) * 12,
                            400, 12, test, (HMENU)(INT_PTR)id, Instance, nullptr);
        for (int i = 0; i < 4; ++i)
            CreateWindowExA(0, "EngineTestLamp", "", WS_CHILD | WS_VISIBLE, 10 + 20 * i, 380, 16,
                            16, test, (HMENU)(INT_PTR)(IdLedA + i), Instance, nullptr);
        BoxHook = SetWindowsHookExA(WH_CBT, BoxHookProc, nullptr, GetCurrentThreadId());
    }
    static void TearDownTestSuite() {
        UnhookWindowsHookEx(BoxHook);
        DestroyWindow(MainWindow); // and the test window it owns
        MainWindow = nullptr;
        ModuleWindows[ModuleTest] = nullptr;
    }

    void SetUp() override {
        ASSERT_TRUE(MainWindow && TestWindow());
        SetDefaultOptions();
        CurrentOptions.PlaySounds = 0;
        UseLanguage(LanguageEnglish);
        TimedLamps = false;
        Box = BoxRecord{};
        Box.Answer = IDYES;
        Menu = MenuRecord{};
        Menu.Choice = -1;
        RemovePropA(MainWindow, "Prop_Answering");
        NewTest(ClassBasic);
        ASSERT_EQ(::Test.CurrentIndex, 0);
    }
    void TearDown() override {
        // Let a timed lamp end before the next test starts.
        while (Lamps[0].Blinking || Lamps[1].Blinking || Lamps[2].Blinking || Lamps[3].Blinking)
            PumpFor(20);
        PumpMessages();
    }

    static void UseLanguage(int language) {
        CurrentOptions.Language = language;
        SelectLanguage();
    }
    void NewTest(int classIndex) {
        StartNewTest(classIndex);
        PumpMessages();
        memset(Lamps, 0, sizeof Lamps);
    }
    static std::string Text(int id) { return DisplayText(TestWindow(), id); }
    static std::vector<std::string> AllTexts() {
        std::vector<std::string> texts;
        for (int id = IdModeDisplay; id <= IdAnswerDisplayA + 3; ++id)
            texts.push_back(Text(id));
        return texts;
    }
    static void Key(WPARAM key) {
        PostMessageA(MainWindow, WM_KEYDOWN, key, 0);
        PumpMessages();
    }
    static void Command(int id, int code = 0) {
        PostMessageA(TestWindow(), WM_COMMAND, MAKEWPARAM(id, code), 0);
        PumpMessages();
    }
    static void Notify(int id, int code) {
        NMHDR header = {GetDlgItem(TestWindow(), id), (UINT_PTR)id, (UINT)code};
        SendMessageA(TestWindow(), WM_NOTIFY, id, (LPARAM)&header);
        PumpMessages();
    }
    // The end of a blink of the lamp of answer i, as the real lamp reports it.
    static void FinishBlink(int i) {
        NotifyBlinkEnd(GetDlgItem(TestWindow(), IdLedA + i));
        PumpMessages();
    }
    static bool Answering() { return GetPropA(MainWindow, "Prop_Answering") != nullptr; }
    static int Requests() {
        return Lamps[0].Requests + Lamps[1].Requests + Lamps[2].Requests + Lamps[3].Requests;
    }
    static int SectionCountOf(int classIndex) {
        QuestionPool pool = CurrentPoolOf(classIndex);
        static SectionList sections;
        if (!ReadSectionList(pool.PoolBegin, pool.PoolEnd, &sections)) return -1;
        return sections.Count;
    }
    // "12 : 4-06-05": the position from 1 and the code from its fifth character.
    static std::string IndexText(int position, const char* code) {
        return std::to_string(position + 1) + " : " + std::string(code).substr(4);
    }
    static std::string ScoreText() {
        return std::to_string(::Test.Score) + "/" + std::to_string(::Test.QuestionCount) + ":" +
               std::to_string(::Test.PassMark);
    }
    void EnterBrowse() {
        Command(IdBrowse);
        ASSERT_EQ(Mode, ModeBrowse);
    }
    // Answers the questions 0..count-1: even ones right, odd ones wrong.
    void AnswerSome(int count) {
        for (int i = 0; i < count; ++i) {
            int correct = ::Test.Current.Correct;
            Key('A' + (i % 2 ? (correct + 1) % 4 : correct));
            FinishBlink(correct);
        }
    }
};

// ---------------------------------------------------------------- tests

TEST_F(EngineWindows, WholeBasicExamByKeysWithTheScoreAfterEveryStep) {
    int n = SectionCountOf(ClassBasic);
    ASSERT_EQ(n, ExamClasses[ClassBasic].QuestionCount);
    ASSERT_EQ(::Test.QuestionCount, n);
    int score = 0;
    for (int i = 0; i < n; ++i) {
        SCOPED_TRACE(i);
        ASSERT_EQ(::Test.CurrentIndex, i);
        EXPECT_EQ(Text(IdModeDisplay), "Exam");
        EXPECT_EQ(Text(IdClassDisplay), "Basic");
        EXPECT_EQ(Text(IdIndexDisplay), IndexText(i, ::Test.Codes[i]));
        EXPECT_EQ(Text(IdScoreDisplay), std::to_string(score) + "/" + std::to_string(n) + ":60");
        EXPECT_EQ(Text(IdResultDisplay), "None");
        EXPECT_EQ(Text(IdQuestionDisplay), ::Test.Current.Text);
        EXPECT_EQ(Text(IdAnswerDisplayA + 2), ::Test.Current.Answers[2]);
        ASSERT_STREQ(::Test.Current.Code, ::Test.Codes[i]);

        // Right two times out of three; letters and keypad digits in turn.
        int correct = ::Test.Current.Correct;
        bool right = i % 3 != 2;
        int answer = right ? correct : (correct + 1 + i % 3) % 4;
        Key(i % 2 ? 'A' + answer : VK_NUMPAD1 + answer);
        score += right;
        EXPECT_EQ(::Test.Answers[i], right ? AnswerGood : AnswerBad);
        EXPECT_EQ(::Test.Score, score);
        EXPECT_EQ(Lamps[correct].Requests, 1);
        EXPECT_EQ(Requests(), 1);
        EXPECT_TRUE(Answering());
        // The displays change with the step, not with the answer.
        EXPECT_EQ(Text(IdResultDisplay), "None");

        FinishBlink(correct);
        memset(Lamps, 0, sizeof Lamps);
        EXPECT_FALSE(Answering());
    }
    // The last answer has no next question: its own displays show it.
    EXPECT_EQ(::Test.CurrentIndex, n - 1);
    EXPECT_EQ(Text(IdScoreDisplay), std::to_string(score) + "/" + std::to_string(n) + ":60");
    EXPECT_EQ(Text(IdResultDisplay), (n - 1) % 3 != 2 ? "Good" : "Bad");
    EXPECT_EQ(Text(IdIndexDisplay), IndexText(n - 1, ::Test.Codes[n - 1]));
    // Looking back shows each question's result.
    Key(VK_HOME);
    EXPECT_EQ(Text(IdResultDisplay), "Good");
    Key(VK_DOWN);
    Key(VK_DOWN);
    EXPECT_EQ(Text(IdResultDisplay), "Bad");
}

TEST_F(EngineWindows, LowerCaseLettersAndSelectButtonsAnswerToo) {
    // 'a'..'d' arrive as the keypad's numbers.
    int correct = ::Test.Current.Correct;
    Key('a' + correct);
    EXPECT_EQ(::Test.Answers[0], AnswerGood);
    FinishBlink(correct);
    ASSERT_EQ(::Test.CurrentIndex, 1);
    memset(Lamps, 0, sizeof Lamps);

    // A select button's command answers only with notification code 0.
    correct = ::Test.Current.Correct;
    Command(IdSelectA + correct, 1);
    EXPECT_EQ(::Test.Answers[1], AnswerNone);
    EXPECT_EQ(Requests(), 0);
    Command(IdSelectA + (correct + 3) % 4);
    EXPECT_EQ(::Test.Answers[1], AnswerBad);
    EXPECT_EQ(Lamps[correct].Requests, 1);
    FinishBlink(correct);
    EXPECT_EQ(Text(IdScoreDisplay), "1/" + std::to_string(::Test.QuestionCount) + ":60");
    EXPECT_EQ(::Test.CurrentIndex, 2);
}

TEST_F(EngineWindows, ASecondAnswerChangesNothing) {
    int correct = ::Test.Current.Correct;
    Key('A' + correct);
    FinishBlink(correct);
    ASSERT_EQ(::Test.CurrentIndex, 1);
    Key(VK_UP);
    ASSERT_EQ(::Test.CurrentIndex, 0);
    std::vector<std::string> before = AllTexts();
    EXPECT_EQ(before[IdResultDisplay - IdModeDisplay], "Good");
    memset(Lamps, 0, sizeof Lamps);

    Key('A' + (correct + 1) % 4);
    Key(VK_NUMPAD1 + correct);
    Command(IdSelectA + (correct + 2) % 4);
    EXPECT_EQ(::Test.Answers[0], AnswerGood);
    EXPECT_EQ(::Test.Score, 1);
    EXPECT_EQ(Requests(), 0);
    EXPECT_FALSE(Answering());
    // A lamp ending now (say, from hovering) does not step either.
    FinishBlink(correct);
    EXPECT_EQ(::Test.CurrentIndex, 0);
    EXPECT_EQ(AllTexts(), before);
}

TEST_F(EngineWindows, NavigationStopsAtBothEndsInBothModes) {
    int n = ::Test.QuestionCount;
    std::vector<std::string> first = AllTexts();
    Key(VK_HOME);
    Key(VK_UP);
    Command(IdFirst);
    Command(IdPrevious);
    EXPECT_EQ(::Test.CurrentIndex, 0);
    EXPECT_EQ(AllTexts(), first);

    Key(VK_END);
    ASSERT_EQ(::Test.CurrentIndex, n - 1);
    std::vector<std::string> last = AllTexts();
    EXPECT_EQ(last[2], IndexText(n - 1, ::Test.Codes[n - 1]));
    Key(VK_DOWN);
    Key(VK_END);
    Command(IdNext);
    Command(IdLast);
    EXPECT_EQ(::Test.CurrentIndex, n - 1);
    EXPECT_EQ(AllTexts(), last);
    Command(IdPrevious);
    EXPECT_EQ(::Test.CurrentIndex, n - 2);

    EnterBrowse();
    ASSERT_EQ(::Test.CurrentIndex, 0);
    first = AllTexts();
    Key(VK_HOME);
    Key(VK_UP);
    Command(IdPrevious);
    EXPECT_EQ(::Test.CurrentIndex, 0);
    EXPECT_EQ(AllTexts(), first);
    Command(IdLast);
    int browseCount = ::Test.BrowseCount;
    ASSERT_EQ(::Test.CurrentIndex, browseCount - 1);
    last = AllTexts();
    // Counted from 1 up to the pool's size, past the exam's length.
    EXPECT_EQ(last[2], IndexText(browseCount - 1, ::Test.BrowseList[browseCount - 1].Code));
    Key(VK_DOWN);
    Key(VK_END);
    Command(IdNext);
    EXPECT_EQ(::Test.CurrentIndex, browseCount - 1);
    EXPECT_EQ(AllTexts(), last);
    Key(VK_UP);
    EXPECT_EQ(::Test.CurrentIndex, browseCount - 2);
}

TEST_F(EngineWindows, BrowseModeAsksFirstAndShowsThePool) {
    Box.Answer = IDNO;
    Command(IdBrowse);
    EXPECT_EQ(Box.Shown, 1);
    EXPECT_EQ(Box.Text, "End current test and go into study mode ?");
    EXPECT_EQ(Box.Caption, "Korvane");
    EXPECT_EQ(Box.Owner, TestWindow());
    EXPECT_TRUE(Box.YesNo);
    EXPECT_TRUE(Box.QuestionIcon);
    EXPECT_EQ(Mode, ModeExam);
    EXPECT_EQ(Text(IdModeDisplay), "Exam");

    Box.Answer = IDYES;
    Command(IdBrowse);
    EXPECT_EQ(Box.Shown, 2);
    ASSERT_EQ(Mode, ModeBrowse);
    EXPECT_EQ(::Test.CurrentIndex, 0);
    EXPECT_EQ(Text(IdModeDisplay), "Browse");
    EXPECT_EQ(Text(IdClassDisplay), "Basic");
    EXPECT_EQ(Text(IdIndexDisplay), "1 : 1-01-01");
    EXPECT_EQ(Text(IdScoreDisplay), "---");
    EXPECT_EQ(Text(IdResultDisplay), "---");
    EXPECT_EQ(Text(IdQuestionDisplay), ::Test.Current.Text);

    // In Browse mode the button asks nothing, and answers count for nothing.
    Command(IdBrowse);
    EXPECT_EQ(Box.Shown, 2);
    Key('A');
    Key(VK_NUMPAD3);
    Command(IdSelectA + 1);
    EXPECT_EQ(Requests(), 0);
    EXPECT_FALSE(Answering());
    EXPECT_EQ(::Test.CurrentIndex, 0);
    EXPECT_EQ(Text(IdScoreDisplay), "---");
}

TEST_F(EngineWindows, SectionMenuListsEverySectionAndJumpsToItsQuestion01) {
    // Exam mode: the index display opens no menu.
    Notify(IdIndexDisplay, NotifyLeftPress);
    EXPECT_EQ(Menu.Opened, 0);

    EnterBrowse();
    int sections = SectionCountOf(ClassBasic);
    ASSERT_EQ(sections, ExamClasses[ClassBasic].QuestionCount);
    Notify(IdIndexDisplay, NotifyRightPress);
    ASSERT_EQ(Menu.Opened, 1);
    EXPECT_EQ(Menu.Owner, TestWindow());
    ASSERT_EQ((int)Menu.Ids.size(), sections);
    for (int i = 0; i < sections; ++i) {
        EXPECT_EQ(Menu.Ids[i], (UINT)(IdSectionMenuFirst + i));
        EXPECT_EQ(Menu.Texts[i], ::Test.Codes[i]);
    }
    EXPECT_EQ(Menu.Texts[0], "B-001-01-");
    EXPECT_EQ(::Test.CurrentIndex, 0); // closed without a choice

    // Choosing the fourth item shows that section's question 01.
    Menu.Choice = 3;
    Notify(IdIndexDisplay, NotifyLeftPress);
    ASSERT_EQ(Menu.Opened, 2);
    std::string prefix = ::Test.Codes[3];
    EXPECT_EQ(::Test.Current.Code, prefix + "01");
    int position = ::Test.CurrentIndex;
    ASSERT_GT(position, 3);
    EXPECT_STREQ(::Test.BrowseList[position].Code, ::Test.Current.Code);
    EXPECT_NE(strncmp(::Test.BrowseList[position - 1].Code, prefix.c_str(), 8), 0);
    EXPECT_EQ(Text(IdIndexDisplay), IndexText(position, ::Test.Current.Code));

    // The jump itself, sent with a section's code: the last section.
    SendMessageA(MainWindow, MsgJumpToSection, 0, (LPARAM)::Test.Codes[sections - 1]);
    EXPECT_EQ(::Test.Current.Code, std::string(::Test.Codes[sections - 1]) + "01");
    EXPECT_EQ(Text(IdIndexDisplay), IndexText(::Test.CurrentIndex, ::Test.Current.Code));
    // An unknown section keeps the position.
    int kept = ::Test.CurrentIndex;
    SendMessageA(MainWindow, MsgJumpToSection, 0, (LPARAM) "B-999-99-");
    EXPECT_EQ(::Test.CurrentIndex, kept);
}

TEST_F(EngineWindows, AdvancedSectionMenuHasFiftyItems) {
    NewTest(ClassAdvanced);
    EnterBrowse();
    int sections = SectionCountOf(ClassAdvanced);
    ASSERT_EQ(sections, ExamClasses[ClassAdvanced].QuestionCount);
    Menu.Choice = sections - 1;
    Notify(IdIndexDisplay, NotifyLeftPress);
    ASSERT_EQ((int)Menu.Ids.size(), sections);
    EXPECT_EQ(Menu.Texts[sections - 1], ::Test.Codes[sections - 1]);
    EXPECT_EQ(::Test.Current.Code, std::string(::Test.Codes[sections - 1]) + "01");
    EXPECT_EQ(Text(IdClassDisplay), "Advanced");
}

TEST_F(EngineWindows, NewTestEndsBrowseMode) {
    AnswerSome(2);
    EnterBrowse();
    Key(VK_END);
    NewTest(ClassAdvanced);
    EXPECT_EQ(Mode, ModeExam);
    EXPECT_EQ(::Test.CurrentIndex, 0);
    EXPECT_EQ(::Test.QuestionCount, SectionCountOf(ClassAdvanced));
    EXPECT_EQ(Text(IdModeDisplay), "Exam");
    EXPECT_EQ(Text(IdClassDisplay), "Advanced");
    EXPECT_EQ(Text(IdIndexDisplay), IndexText(0, ::Test.Codes[0]));
    EXPECT_EQ(Text(IdScoreDisplay), "0/" + std::to_string(::Test.QuestionCount) + ":30");
    EXPECT_EQ(Text(IdResultDisplay), "None");
    // The new test is answerable at once.
    int correct = ::Test.Current.Correct;
    Key('A' + correct);
    EXPECT_EQ(::Test.Score, 1);
}

TEST_F(EngineWindows, AStepPendingForADroppedOrParkedTestMovesNothing) {
    int correct = ::Test.Current.Correct;
    Key('A' + correct);
    ASSERT_TRUE(Answering());
    NewTest(ClassBasic); // before the lamp of the old answer has ended
    FinishBlink(correct);
    EXPECT_EQ(::Test.CurrentIndex, 0) << "the new test stays on its first question";

    correct = ::Test.Current.Correct;
    Key('A' + correct);
    ASSERT_TRUE(Answering());
    EnterBrowse();
    FinishBlink(correct);
    LeaveBrowseMode();
    PumpMessages();
    ASSERT_EQ(Mode, ModeExam);
    FinishBlink((correct + 1) % 4); // e.g. a hover blink after coming back
    EXPECT_EQ(::Test.CurrentIndex, 0) << "the parked exam comes back where it was";
}

TEST_F(EngineWindows, AnswerWhileTheCorrectLampBlinksStepsWhenThatBlinkEnds) {
    TimedLamps = true;
    BlinkMs = 800; // as long as the real lamp's cycle
    CurrentOptions.ShowAnswerBefore = 1;
    int correct = ::Test.Current.Correct;
    Notify(IdSelectA + 1, NotifyEntered);
    ASSERT_EQ(Lamps[correct].Cycles, 1);
    PumpFor(300);
    DWORD answered = GetTickCount();
    Key('A' + correct);
    EXPECT_EQ(Lamps[correct].Requests, 2);
    EXPECT_EQ(Lamps[correct].Cycles, 1); // the running blink ignored the request
    EXPECT_TRUE(Answering());
    while (::Test.CurrentIndex == 0 && GetTickCount() - answered < 2000)
        PumpFor(5);
    DWORD stepped = GetTickCount() - answered;
    EXPECT_EQ(::Test.CurrentIndex, 1);
    EXPECT_LT(stepped, BlinkMs) << "stepped with the hover's blink, not a new one";
    EXPECT_EQ(Text(IdScoreDisplay), "1/" + std::to_string(::Test.QuestionCount) + ":60");
    EXPECT_FALSE(Answering());
}

TEST_F(EngineWindows, HoveringBlinksTheCorrectLampOnlyWithTheOption) {
    Notify(IdSelectA, NotifyEntered);
    EXPECT_EQ(Requests(), 0);
    CurrentOptions.ShowAnswerBefore = 1;
    Notify(IdSelectA + 2, NotifyLeft);
    EXPECT_EQ(Requests(), 0);
    Notify(IdSelectA + 2, NotifyEntered);
    EXPECT_EQ(Lamps[::Test.Current.Correct].Requests, 1);
    // Also in Browse mode, where it is the only way to see the answer.
    EnterBrowse();
    int correct = ::Test.Current.Correct;
    int before = Lamps[correct].Requests;
    Notify(IdSelectA, NotifyEntered);
    EXPECT_EQ(Lamps[correct].Requests, before + 1);
    EXPECT_EQ(Requests(), 2);
    // The end of that blink is no answer's step.
    FinishBlink(::Test.Current.Correct);
    EXPECT_EQ(::Test.CurrentIndex, 0);
}

// Browse and back: same position, answers, score and texts, in each language.
class BrowseAndBack : public EngineWindows, public ::testing::WithParamInterface<int> {};

TEST_P(BrowseAndBack, ReturnsToTheExamUnchanged) {
    UseLanguage(GetParam());
    NewTest(ClassBasic);
    AnswerSome(3);
    Key(VK_UP);
    ASSERT_EQ(::Test.CurrentIndex, 2);
    TestState before = ::Test;
    std::vector<std::string> shown = AllTexts();
    EXPECT_EQ(shown[0], Str(46));
    EXPECT_EQ(shown[4], Str(49));

    EnterBrowse();
    EXPECT_EQ(Text(IdModeDisplay), Str(47));
    Key(VK_END);
    Menu.Choice = 5;
    Notify(IdIndexDisplay, NotifyLeftPress);
    Key(VK_DOWN);
    LeaveBrowseMode();
    EXPECT_EQ(Mode, ModeExam);
    EXPECT_EQ(::Test.CurrentIndex, 2);
    EXPECT_EQ(::Test.Score, before.Score);
    EXPECT_EQ(memcmp(::Test.Answers, before.Answers, sizeof ::Test.Answers), 0);
    EXPECT_EQ(memcmp(::Test.Codes, before.Codes, sizeof ::Test.Codes), 0);
    EXPECT_EQ(AllTexts(), shown);
    // And the exam goes on where it stood.
    Key(VK_DOWN);
    int correct = ::Test.Current.Correct;
    Key('A' + correct);
    FinishBlink(correct);
    EXPECT_EQ(::Test.CurrentIndex, 4);
    EXPECT_EQ(::Test.Score, before.Score + 1);
}

INSTANTIATE_TEST_SUITE_P(Languages, BrowseAndBack,
                         ::testing::Values(LanguageEnglish, LanguageFrench));

TEST_F(EngineWindows, ExamParkedInEnglishComesBackInFrench) {
    AnswerSome(1);
    std::vector<std::string> english = AllTexts();
    std::string code = ::Test.Current.Code;
    EnterBrowse();
    // The language changes while the exam is parked.
    UseLanguage(LanguageFrench);
    LeaveBrowseMode();
    EXPECT_EQ(::Test.PoolBegin, Pools[PoolBasicFr].PoolBegin);
    EXPECT_EQ(::Test.Current.Code, code);
    QuestionRecord french;
    ASSERT_EQ(LookUpQuestion(Pools[PoolBasicFr].PoolBegin, Pools[PoolBasicFr].PoolEnd, code.c_str(),
                             &french),
              1);
    EXPECT_EQ(Text(IdQuestionDisplay), french.Text);
    EXPECT_NE(Text(IdQuestionDisplay), english[5]);
    EXPECT_EQ(Text(IdModeDisplay), "Examen");
    EXPECT_EQ(Text(IdIndexDisplay), english[2]);
    EXPECT_EQ(Text(IdScoreDisplay), english[3]);
}

} // namespace
