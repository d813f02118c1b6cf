#include "engine/keys.h"

#include "app/messages.h"

int EngineMessageForKey(unsigned virtualKey, int* lParam) {
    *lParam = 0;
    switch (virtualKey) {
    case KeyHome: return MsgShowFirst;
    case KeyEnd: return MsgShowLast;
    case KeyUp: return MsgShowPrevious;
    case KeyDown: return MsgShowNext;
    default: break;
    }
    // Letter keys report the upper-case code whatever the shift state; the
    // lower-case character codes 'a'..'d' are the keypad's 1..4, which give
    // the same answers.
    if (virtualKey >= KeyA && virtualKey <= KeyD) {
        *lParam = (int)(virtualKey - KeyA);
        return MsgAnswer;
    }
    if (virtualKey >= KeyNumpad1 && virtualKey <= KeyNumpad4) {
        *lParam = (int)(virtualKey - KeyNumpad1);
        return MsgAnswer;
    }
    return 0;
}
