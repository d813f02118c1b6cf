#include "tests/support/message_box_hook_win32.h"

namespace {

thread_local MessageBoxWatch* ActiveWatch;

bool IsMessageBox(HWND window) {
    char className[16] = "";
    GetClassNameA(window, className, sizeof className);
    return lstrcmpA(className, "#32770") == 0 && GetDlgItem(window, 0xFFFF) != nullptr;
}

std::string WindowText(HWND window) {
    char text[2048] = "";
    if (window) GetWindowTextA(window, text, sizeof text);
    return text;
}

// The icon is the only SS_ICON static of the box; the system's shared icons
// tell which one it is.
BOOL CALLBACK FindIcon(HWND child, LPARAM result) {
    if ((GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK) != SS_ICON) return TRUE;
    HICON icon = (HICON)SendMessageA(child, STM_GETICON, 0, 0);
    struct Known {
        LPCSTR Id;
        UINT Flag;
    };
    static const Known known[] = {{IDI_HAND, MB_ICONERROR},
                                  {IDI_EXCLAMATION, MB_ICONWARNING},
                                  {IDI_QUESTION, MB_ICONQUESTION},
                                  {IDI_ASTERISK, MB_ICONINFORMATION}};
    for (const Known& k : known)
        if (icon && icon == LoadIconA(nullptr, k.Id)) *(UINT*)result = k.Flag;
    return TRUE;
}

UINT ButtonSet(HWND box) {
    bool ok = GetDlgItem(box, IDOK), cancel = GetDlgItem(box, IDCANCEL);
    bool yes = GetDlgItem(box, IDYES), no = GetDlgItem(box, IDNO);
    bool retry = GetDlgItem(box, IDRETRY), abort = GetDlgItem(box, IDABORT);
    if (yes && no) return cancel ? MB_YESNOCANCEL : MB_YESNO;
    if (abort) return MB_ABORTRETRYIGNORE;
    if (retry) return MB_RETRYCANCEL;
    if (ok && cancel) return MB_OKCANCEL;
    return MB_OK;
}

int ChooseButton(HWND box, int wanted) {
    for (int id : {wanted, (int)IDOK, (int)IDCANCEL, (int)IDNO})
        if (GetDlgItem(box, id)) return id;
    return wanted;
}

// A dialog gets WM_INITDIALOG exactly once, from the thread that shows it,
// and by its return the box has its text, icon and final buttons. Activation
// is no such event: under Wine without a window manager a box may never be
// activated, or be activated before its controls are set up.
LRESULT CALLBACK InitDialogHook(int code, WPARAM wParam, LPARAM lParam) {
    MessageBoxWatch* watch = ActiveWatch;
    const CWPRETSTRUCT* call = (const CWPRETSTRUCT*)lParam;
    if (watch && code == HC_ACTION && call->message == WM_INITDIALOG && IsMessageBox(call->hwnd)) {
        HWND box = call->hwnd;
        ObservedMessageBox seen;
        seen.Caption = WindowText(box);
        seen.Text = WindowText(GetDlgItem(box, 0xFFFF));
        seen.Icon = 0;
        EnumChildWindows(box, FindIcon, (LPARAM)&seen.Icon);
        seen.Buttons = ButtonSet(box);
        seen.Owner = GetWindow(box, GW_OWNER);
        seen.Pressed = ChooseButton(box, watch->Answer);
        watch->Boxes.push_back(seen);
        // Posted, so the box's own modal loop takes it once it runs.
        PostMessageA(box, WM_COMMAND, MAKEWPARAM(seen.Pressed, BN_CLICKED),
                     (LPARAM)GetDlgItem(box, seen.Pressed));
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

} // namespace

MessageBoxWatch::MessageBoxWatch(int answer) : Answer(answer) {
    ActiveWatch = this;
    Hook = SetWindowsHookExA(WH_CALLWNDPROCRET, InitDialogHook, nullptr, GetCurrentThreadId());
}

MessageBoxWatch::~MessageBoxWatch() {
    if (Hook) UnhookWindowsHookEx(Hook);
    if (ActiveWatch == this) ActiveWatch = nullptr;
}
