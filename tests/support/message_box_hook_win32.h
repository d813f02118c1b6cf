// Observes and answers the real message boxes that code under test shows on
// the current thread, without replacing MessageBoxA.
//
//   MessageBoxWatch watch(IDYES);   // hooks WH_CALLWNDPROCRET on this thread
//   int confirmed = ClearLog(owner); // the box appears, is read and answered
//   ASSERT_EQ(watch.Boxes.size(), 1u);
//   EXPECT_EQ(watch.Boxes[0].Text, "Are you sure you want to clear the log?");
//
// When a box has handled WM_INITDIALOG (once per box, whether or not it is
// ever activated) the hook records its caption, its text (static control
// 0xFFFF), its icon and button set as MB_ flags, and its owner, then posts a
// click of Answer to it, so each box is answered exactly once. If the box has
// no such button it is closed with IDOK, or IDCANCEL/IDNO when it has no OK
// button either; Pressed says which. Answer may be changed between boxes. One
// watch per thread at a time; the hook is removed when the watch goes out of
// scope.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

struct ObservedMessageBox {
    std::string Caption;
    std::string Text;
    UINT Icon;    // MB_ICONERROR, MB_ICONWARNING, MB_ICONQUESTION, MB_ICONINFORMATION or 0
    UINT Buttons; // MB_OK, MB_OKCANCEL, MB_YESNO, MB_YESNOCANCEL, MB_RETRYCANCEL, ...
    HWND Owner;
    int Pressed; // IDOK, IDYES, IDNO, ...
};

struct MessageBoxWatch {
    explicit MessageBoxWatch(int answer);
    ~MessageBoxWatch();
    MessageBoxWatch(const MessageBoxWatch&) = delete;
    MessageBoxWatch& operator=(const MessageBoxWatch&) = delete;

    int Answer;
    std::vector<ObservedMessageBox> Boxes;
    HHOOK Hook;
};
