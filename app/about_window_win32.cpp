#include "app/messages.h"
#include "app/window_procs_win32.h"
#include "settings/strings.h"
#include "ui/skin_win32.h"

namespace {

const int AboutFace = 265;
const int AboutTextSlot = 44;
const int AboutTooltipSlot = 53;
const int WebLinkSlot = 77;
const int MailLinkSlot = 78;

// The links lie over the web and mail address lines of the text.
void BuildAboutWindow(HWND window) {
    HWND text =
        CreateSkinDisplay(window, IdAboutText, 0, 20, 40, 400, 320, 101, 20, AboutTooltipSlot);
    if (!text) return;
    SendMessageA(text, WM_SETTEXT, 0, (LPARAM)Str(AboutTextSlot));
    CreateSkinLink(text, IdLinkWeb, 0, 8, 64, 240, 20, WebLinkSlot);
    CreateSkinLink(text, IdLinkMail, 0, 8, 78, 240, 20, MailLinkSlot);
}

} // namespace

LRESULT CALLBACK AboutWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE: BuildAboutWindow(window); return 0;
    case WM_PAINT:
    case WM_PRINTCLIENT: return PaintFace(window, message, wParam, AboutFace);
    case MsgLanguageChanged: {
        ReloadFace(window);
        HWND text = GetDlgItem(window, IdAboutText);
        if (text) SendMessageA(text, WM_SETTEXT, 0, (LPARAM)Str(AboutTextSlot));
        return 0;
    }
    case WM_DESTROY: ReleaseSkinProps(window); return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}
