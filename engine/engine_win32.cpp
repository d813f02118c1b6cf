// The test engine carried out by the main window: the rules of navigation.h
// turned into display texts, sounds, lamp blinks and posted messages.
#include "engine/engine_win32.h"

#include "app/messages.h"
#include "bank/exam_class.h"
#include "engine/keys.h"
#include "engine/navigation.h"
#include "settings/options.h"
#include "settings/sound_win32.h"
#include "settings/strings.h"
#include "ui/shell_state_win32.h"

#include <mmsystem.h>

TestState SavedExam;

static const char PropAnswering[] = "Prop_Answering";

static void PostToMain(UINT message, LPARAM lParam) {
    PostMessageA(MainWindow, message, 0, lParam);
}

// A lamp of the test window; id 0 (no valid correct answer) blinks nothing.
static void BlinkLamp(int lampId) {
    if (!lampId) return;
    HWND lamp = GetDlgItem(TestWindow(), lampId);
    if (lamp) PostMessageA(lamp, MsgLedBlink, 0, 0);
}

void ShowQuestion() {
    static DisplayTexts texts;
    BuildDisplayTexts(&Test, Mode, CurrentStrings, &texts);
    HWND testWindow = TestWindow();
    if (!testWindow) return;
    for (int i = 0; i < DisplayCount; ++i) {
        HWND display = GetDlgItem(testWindow, IdModeDisplay + i);
        if (display) SendMessageA(display, WM_SETTEXT, 0, (LPARAM)texts.Text[i]);
    }
}

static void ShowPosition(int position) {
    MoveToPosition(&Test, Mode, position);
    ShowQuestion();
}

static void Navigate(int move) {
    int target = NavigationTarget(&Test, Mode, move);
    if (target != NoPosition) ShowPosition(target);
}

static void Answer(HWND mainWindow, int answer) {
    AnswerOutcome outcome;
    if (!AnswerQuestion(&Test, Mode, answer, &outcome)) return;
    PlayResourceSound(outcome.Sound);
    if (outcome.Lamp) {
        BlinkLamp(outcome.Lamp);
    } else {
        // No lamp will report the end of a blink, so step on at once.
        PostMessageA(mainWindow, MsgLedFinished, 0, 0);
    }
    SetPropA(mainWindow, PropAnswering, (HANDLE)1);
}

static void LampFinished(HWND mainWindow) {
    int answering = GetPropA(mainWindow, PropAnswering) != nullptr;
    switch (AutomaticStep(&Test, Mode, answering)) {
    case StepNext: PostMessageA(mainWindow, MsgShowNext, 0, 0); break;
    // The last question has no next one to show the new score with.
    case StepRefresh: ShowQuestion(); break;
    default: return;
    }
    RemovePropA(mainWindow, PropAnswering);
}

static void JumpToSection(const char* sectionText) {
    if (Mode != ModeBrowse) return;
    int target = SectionJumpTarget(&Test, sectionText);
    if (target != NoPosition) Test.CurrentIndex = target;
    ShowPosition(Test.CurrentIndex);
}

int HandleEngineMessage(HWND mainWindow, UINT message, WPARAM, LPARAM lParam, LRESULT* result) {
    switch (message) {
    case MsgShowFirst: Navigate(MoveFirst); break;
    case MsgShowLast: Navigate(MoveLast); break;
    case MsgShowPrevious: Navigate(MovePrevious); break;
    case MsgShowNext: Navigate(MoveNext); break;
    case MsgJumpToSection: JumpToSection((const char*)lParam); break;
    case MsgAnswer: Answer(mainWindow, (int)lParam); break;
    case MsgLedFinished: LampFinished(mainWindow); break;
    default: return 0;
    }
    if (result) *result = 0;
    return 1;
}

void StartNewTest(int classIndex) {
    // A step still pending for the dropped test must not move the new one.
    RemovePropA(MainWindow, PropAnswering);
    Mode = ModeExam;
    GenerateTest(&Test, classIndex, timeGetTime());
    PostToMain(MsgShowFirst, 0);
}

void EnterBrowseMode(HWND testWindow) {
    if (Mode == ModeBrowse) return;
    if (MessageBoxA(testWindow, Str(29), Str(SlotAppTitle), MB_YESNO | MB_ICONQUESTION) != IDYES)
        return;
    EnterBrowse(&Test, &SavedExam, &Mode);
    // The parked exam comes back as it was left, not one question further on.
    RemovePropA(MainWindow, PropAnswering);
    PostToMain(MsgShowFirst, 0);
}

void LeaveBrowseMode() {
    if (Mode != ModeBrowse) return;
    RestoreExam(&Test, &SavedExam, &Mode);
    ShowQuestion();
}

void ShowSectionMenu(HWND testWindow) {
    if (Mode != ModeBrowse) return;
    HMENU menu = CreatePopupMenu();
    if (!menu) return;
    for (int i = 0; i < Test.SectionCount && i < TestSlots; ++i)
        AppendMenuA(menu, MF_STRING, IdSectionMenuFirst + i, Test.Codes[i]);
    POINT cursor;
    GetCursorPos(&cursor);
    TrackPopupMenu(menu, TPM_LEFTALIGN, cursor.x, cursor.y, 0, testWindow, nullptr);
    DestroyMenu(menu);
}

void OnSelectButtonEntered() {
    if (CurrentOptions.ShowAnswerBefore == 1) BlinkLamp(CorrectLamp(&Test.Current));
}

// Only the record is read again; the caller refreshes the displays.
void RereadCurrentQuestion() {
    QuestionPool pool = CurrentPoolOf(Test.ClassIndex);
    Test.PoolBegin = pool.PoolBegin;
    Test.PoolEnd = pool.PoolEnd;
    RereadCurrent(&Test, Mode);
}

int HandleEngineKey(HWND mainWindow, WPARAM virtualKey) {
    int lParam = 0;
    int message = EngineMessageForKey((unsigned)virtualKey, &lParam);
    if (!message) return 0;
    PostMessageA(mainWindow, (UINT)message, 0, lParam);
    return 1;
}

int HandleTestCommand(HWND testWindow, WPARAM wParam, LPARAM) {
    int id = LOWORD(wParam);
    int code = HIWORD(wParam);
    if (id >= IdSelectA && id <= IdSelectA + 3) {
        // Only a click; other codes of the select buttons are not answers.
        if (code == 0) PostToMain(MsgAnswer, id - IdSelectA);
        return 1;
    }
    switch (id) {
    case IdFirst: PostToMain(MsgShowFirst, 0); return 1;
    case IdPrevious: PostToMain(MsgShowPrevious, 0); return 1;
    case IdNext: PostToMain(MsgShowNext, 0); return 1;
    case IdLast: PostToMain(MsgShowLast, 0); return 1;
    case IdBrowse: EnterBrowseMode(testWindow); return 1;
    default: break;
    }
    int item = id - IdSectionMenuFirst;
    if (item >= 0 && item < Test.SectionCount && item < TestSlots) {
        SendMessageA(MainWindow, MsgJumpToSection, 0, (LPARAM)Test.Codes[item]);
        return 1;
    }
    return 0;
}

int HandleTestNotify(HWND testWindow, const NMHDR* header) {
    int id = (int)header->idFrom;
    if (id == IdIndexDisplay) {
        ShowSectionMenu(testWindow);
        return 1;
    }
    if (id >= IdSelectA && id <= IdSelectA + 3) {
        if (header->code == NotifyEntered) OnSelectButtonEntered();
        return 1;
    }
    if (id >= IdLedA && id <= IdLedA + 3) {
        if (header->code == NotifyBlinkEnded) PostToMain(MsgLedFinished, 0);
        return 1;
    }
    return 0;
}
