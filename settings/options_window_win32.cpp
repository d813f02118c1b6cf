// The options module: three check boxes bound to three options.
#include "app/messages.h"
#include "app/window_procs_win32.h"
#include "settings/options.h"
#include "settings/options_store_win32.h"
#include "ui/shell_state_win32.h"
#include "ui/skin_win32.h"

namespace {

// Same face in both languages, so it is loaded by its own number, not by the
// language rule.
enum { OptionsFaceBitmap = 269 };

struct OptionBox {
    int Id;
    int LabelSlot;
    int Options::*Field;
    const char* ValueName; // in the settings store
    // Where the option is read, it counts as on when it is exactly 1, except
    // sounds, which play for any non-zero value.
    bool AnyNonZeroIsOn;
};

const OptionBox Boxes[] = {
    {IdCheckShowAnswer, 3, &Options::ShowAnswerBefore, "ShowAnswerBefore", false},
    {IdCheckPlaySounds, 4, &Options::PlaySounds, "PlaySounds", true},
    {IdCheckLogLabels, 5, &Options::ShowLogLabels, "ShowLogLabels", false},
};

// The box shows whether the option is in effect. A stored value such as 2
// would otherwise reach the box as is and toggle between 2 and -1, so that
// the user could never switch sounds off.
int BoxState(const OptionBox& box) {
    int value = CurrentOptions.*box.Field;
    return box.AnyNonZeroIsOn ? value != 0 : value == 1;
}

void CreateOptions(HWND window) {
    for (const OptionBox& box : Boxes) {
        const LayoutRecord* at = FindLayout(box.Id);
        if (!at) continue;
        HWND check =
            CreateSkinCheck(window, box.Id, 0, at->X, at->Y, at->Width, at->Height, box.LabelSlot);
        if (check) SendMessageA(check, MsgCheckSet, 0, BoxState(box));
    }
}

void StoreBox(HWND window, int id) {
    for (const OptionBox& box : Boxes) {
        if (box.Id != id) continue;
        HWND check = GetDlgItem(window, id);
        if (!check) continue;
        CurrentOptions.*box.Field = (int)SendMessageA(check, MsgCheckGet, 0, 0);
        SaveOption(box.ValueName);
    }
}

} // namespace

LRESULT CALLBACK OptionWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE: CreateOptions(window); return 0;
    case WM_PAINT:
    case WM_PRINTCLIENT: return PaintFace(window, message, wParam, OptionsFaceBitmap, 0);
    case WM_COMMAND: StoreBox(window, LOWORD(wParam)); return 0;
    case WM_NCDESTROY: ReleaseSkinProps(window); break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}
