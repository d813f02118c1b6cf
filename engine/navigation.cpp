#include "engine/navigation.h"

#include "app/messages.h"
#include "bank/exam_class.h"
#include "settings/options.h"

#include <cstdio>
#include <cstring>

// Length of the list that navigation walks in the mode.
static int ListLength(const TestState* test, int mode) {
    return mode == ModeExam ? test->QuestionCount : test->BrowseCount;
}

int NavigationTarget(const TestState* test, int mode, int move) {
    int index = test->CurrentIndex;
    int count = ListLength(test, mode);
    if (count <= 0) return NoPosition;
    int target;
    switch (move) {
    case MoveFirst:
        if (index == 0) return NoPosition;
        target = 0;
        break;
    case MoveLast:
        if (index == count - 1) return NoPosition;
        target = count - 1;
        break;
    case MovePrevious:
        if (index <= 0) return NoPosition;
        target = index - 1;
        break;
    case MoveNext:
        if (index >= count - 1) return NoPosition;
        target = index + 1;
        break;
    default: return NoPosition;
    }
    // Only reachable from an index beyond the list (1000 before the browse
    // list is first shown): there is no question there to show.
    if (target >= count) return NoPosition;
    return target;
}

const char* PositionKey(const TestState* test, int mode, int position) {
    if (position < 0) return nullptr;
    if (mode == ModeExam) {
        if (position >= test->QuestionCount || position >= TestSlots) return nullptr;
        return test->Codes[position];
    }
    if (position >= test->BrowseCount || position >= MaxBrowseEntries) return nullptr;
    return test->BrowseList[position].Code;
}

int MoveToPosition(TestState* test, int mode, int position) {
    test->CurrentIndex = position;
    return RereadCurrent(test, mode);
}

int RereadCurrent(TestState* test, int mode) {
    const char* key = PositionKey(test, mode, test->CurrentIndex);
    if (!key) return 0;
    return LookUpQuestion(test->PoolBegin, test->PoolEnd, key, &test->Current);
}

int CorrectLamp(const QuestionRecord* record) {
    if (record->Correct < 0 || record->Correct > 3) return 0;
    return IdLedA + record->Correct;
}

int AnswerQuestion(TestState* test, int mode, int answer, AnswerOutcome* outcome) {
    if (mode != ModeExam || test->QuestionCount <= 0) return 0;
    int index = test->CurrentIndex;
    if (index < 0 || index >= test->QuestionCount || index >= TestSlots) return 0;
    if (test->Answers[index] != AnswerNone) return 0;
    if (answer < 0 || answer > 3) return 0;
    if (answer == test->Current.Correct) {
        test->Answers[index] = AnswerGood;
        test->Score += 1;
        outcome->Sound = SoundCorrect;
    } else {
        test->Answers[index] = AnswerBad;
        outcome->Sound = SoundWrong;
    }
    outcome->Lamp = CorrectLamp(&test->Current);
    return 1;
}

int AutomaticStep(const TestState* test, int mode, int answering) {
    if (mode != ModeExam || !answering) return StepNone;
    if (NavigationTarget(test, mode, MoveNext) != NoPosition) return StepNext;
    return StepRefresh;
}

void EnterBrowse(TestState* test, TestState* saved, int* mode) {
    *saved = *test;
    *mode = ModeBrowse;
    // Without a section list there is nothing to browse; an old list would
    // point into another pool.
    if (!BuildBrowseList(test, test->ClassIndex)) test->BrowseCount = 0;
    test->CurrentIndex = 1000;
}

void RestoreExam(TestState* test, const TestState* saved, int* mode) {
    *test = *saved;
    QuestionPool pool = CurrentPoolOf(test->ClassIndex);
    test->PoolBegin = pool.PoolBegin;
    test->PoolEnd = pool.PoolEnd;
    RereadCurrent(test, ModeExam);
    *mode = ModeExam;
}

int SectionJumpTarget(const TestState* test, const char* sectionText) {
    if (!sectionText) return NoPosition;
    for (int i = 0; i < test->BrowseCount && i < MaxBrowseEntries; ++i)
        if (strncmp(test->BrowseList[i].Code, sectionText, SectionCodeLength) == 0) return i;
    return NoPosition;
}

// Slot text of a table, "" outside it.
static const char* Slot(const char* const* strings, int slot) {
    const char* text = strings ? strings[slot] : nullptr;
    return text ? text : "";
}

enum {
    SlotExam = 46,
    SlotBrowse = 47,
    SlotNone = 48,
    SlotGood = 49,
    SlotBad = 50,
    SlotBasic = 54,
    SlotAdvanced = 55,
};

void BuildDisplayTexts(const TestState* test, int mode, const char* const* strings,
                       DisplayTexts* texts) {
    const int size = TextFieldSize;
    const QuestionRecord& q = test->Current;
    bool exam = mode == ModeExam;

    snprintf(texts->Text[0], size, "%s", Slot(strings, exam ? SlotExam : SlotBrowse));

    const char* className = "";
    if (test->ClassIndex == ClassBasic) className = Slot(strings, SlotBasic);
    if (test->ClassIndex == ClassAdvanced) className = Slot(strings, SlotAdvanced);
    snprintf(texts->Text[1], size, "%s", className);

    // The class letter and the two zeros of the topic are not shown:
    // B-004-06-05 reads 4-06-05.
    const char* end = (const char*)memchr(q.Code, '\0', CodeFieldSize);
    int length = end ? (int)(end - q.Code) : CodeFieldSize;
    snprintf(texts->Text[2], size, "%d : %.*s", test->CurrentIndex + 1, length > 4 ? length - 4 : 0,
             length > 4 ? q.Code + 4 : "");

    if (exam) {
        snprintf(texts->Text[3], size, "%d/%d:%d", test->Score, test->QuestionCount,
                 test->PassMark);
        int index = test->CurrentIndex;
        int state = (index >= 0 && index < TestSlots) ? test->Answers[index] : AnswerNone;
        int slot = state == AnswerGood ? SlotGood : state == AnswerBad ? SlotBad : SlotNone;
        snprintf(texts->Text[4], size, "%s", Slot(strings, slot));
    } else {
        snprintf(texts->Text[3], size, "---");
        snprintf(texts->Text[4], size, "---");
    }

    snprintf(texts->Text[5], size, "%.*s", size - 1, q.Text);
    for (int i = 0; i < 4; ++i)
        snprintf(texts->Text[6 + i], size, "%.*s", size - 1, q.Answers[i]);
}
