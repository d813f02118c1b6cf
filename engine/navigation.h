// The rules of taking and browsing a test, as decisions on the test state:
// which position to show, whether an answer counts, what the displays say.
// The main window carries them out (messages, sounds, lamps, texts).
#pragma once

#include "engine/test_state.h"

enum NavigationMove { MoveFirst, MoveLast, MovePrevious, MoveNext };
enum { NoPosition = -1 };

// Position that a navigation message shows in the mode (Exam: the test,
// Browse: the browse list), or NoPosition when the move is not possible.
// The comparisons are signed, so -1 (just generated) and 1000 (just entered
// Browse mode) both lead to position 0 with "first".
int NavigationTarget(const TestState* test, int mode, int move);

// Lookup key of a position: slot p of Codes in Exam mode, the code of browse
// entry p in Browse mode; null for a position outside the list.
const char* PositionKey(const TestState* test, int mode, int position);

// Makes position the one on display and reads its question into Current;
// when the lookup fails Current keeps its content. 1 when it was read.
int MoveToPosition(TestState* test, int mode, int position);

// Reads the question on display again, by the key at CurrentIndex, from the
// test's pool.
int RereadCurrent(TestState* test, int mode);

// What an accepted answer asks for: the sound to play and the lamp (control
// id) to blink, 0 when the question has no valid correct answer.
struct AnswerOutcome {
    int Sound;
    int Lamp;
};

// Lamp of the correct answer of a record; 0 when Correct is not 0..3.
int CorrectLamp(const QuestionRecord* record);

// Records answer 0..3 for the question on display and scores it. 0 when it
// is ignored: Browse mode, no question on display, already answered.
int AnswerQuestion(TestState* test, int mode, int answer, AnswerOutcome* outcome);

// The end of a lamp's blink cycle: nothing, step to the next question, or,
// when the answered question is the last one, refresh the displays so that
// they show the answer just given.
enum StepAction { StepNone, StepNext, StepRefresh };
int AutomaticStep(const TestState* test, int mode, int answering);

// Parks the exam in saved and turns the test into the browse list of its
// class, with CurrentIndex 1000 until the first question is shown.
void EnterBrowse(TestState* test, TestState* saved, int* mode);

// Brings the parked exam back, pointed at the current pool of its class,
// with its question on display read again from there; Exam mode.
void RestoreExam(TestState* test, const TestState* saved, int* mode);

// First browse entry whose code starts with the 8-character section code at
// the start of sectionText, or NoPosition.
int SectionJumpTarget(const TestState* test, const char* sectionText);

// The ten displays of the test module in control-id order: mode, class,
// index, score, result, question, answers A to D.
enum { DisplayCount = 10 };
struct DisplayTexts {
    char Text[DisplayCount][TextFieldSize];
};

// Fills the texts from the test state and a string table (slots 46..55).
void BuildDisplayTexts(const TestState* test, int mode, const char* const* strings,
                       DisplayTexts* texts);
