// The print dialog of the test module and the choice of the listing's font.
#include "print/print_win32.h"

#include "bank/exam_class.h"
#include "resources/dialog_ids.h"
#include "settings/options.h"
#include "settings/options_store_win32.h"

#include <commdlg.h>

void ChoosePrintFont(HWND owner) {
    // Wine's font dialog writes the record even when cancelled, so the font
    // is put back unless the user confirmed one.
    StoredFont kept = CurrentOptions.PrintFont;
    CHOOSEFONTA choice = {};
    choice.lStructSize = sizeof choice;
    choice.hwndOwner = owner;
    choice.lpLogFont = reinterpret_cast<LOGFONTA*>(&CurrentOptions.PrintFont);
    choice.Flags =
        CF_SCREENFONTS | CF_INITTOLOGFONTSTRUCT | CF_SCALABLEONLY | CF_NOVERTFONTS | CF_LIMITSIZE;
    choice.nSizeMin = 8;
    choice.nSizeMax = 24;
    if (!ChooseFontA(&choice)) {
        CurrentOptions.PrintFont = kept;
        return;
    }
    SaveOption("PrintFont");
}

static void CenterOnScreen(HWND window) {
    RECT rect;
    GetWindowRect(window, &rect);
    HDC screen = GetDC(nullptr);
    int screenWidth = GetDeviceCaps(screen, HORZRES);
    int screenHeight = GetDeviceCaps(screen, VERTRES);
    ReleaseDC(nullptr, screen);
    int width = rect.right - rect.left;
    int height = rect.bottom - rect.top;
    SetWindowPos(window, nullptr, screenWidth / 2 - width / 2, screenHeight / 2 - height / 2, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// Each job runs to its end inside the click; the jobs of "All..." are
// independent, so a cancelled printer dialog does not stop the next one.
static void RunPrintCommand(HWND dialog, int id) {
    switch (id) {
    case IDC_PRINT_EXAM: PrintTestListing(dialog); break;
    case IDC_PRINT_ANSWERS: PrintAnswerSheet(dialog, 1); break;
    case IDC_PRINT_SHEET: PrintAnswerSheet(dialog, 0); break;
    case IDC_PRINT_ALL:
        PrintTestListing(dialog);
        PrintAnswerSheet(dialog, 1);
        PrintAnswerSheet(dialog, 0);
        break;
    case IDC_PRINT_FONT: ChoosePrintFont(dialog); break;
    case IDC_PRINT_CLOSE: EndDialog(dialog, 1); break;
    default: break; // the cancel command of Escape and the close box among them
    }
}

static INT_PTR CALLBACK PrintDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG: CenterOnScreen(dialog); return TRUE;
    case WM_COMMAND: RunPrintCommand(dialog, LOWORD(wParam)); return TRUE;
    default: return FALSE;
    }
}

int ShowPrintDialog(HWND owner) {
    int language = CurrentOptions.Language;
    if (language != LanguageEnglish && language != LanguageFrench) return 0;
    int dialog = language == LanguageFrench ? IDD_PRINT_FRENCH : IDD_PRINT_ENGLISH;
    return (int)DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(dialog), owner,
                                PrintDialogProc, 0);
}
