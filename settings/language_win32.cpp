// The language button: every text, bitmap and pool changes at once, and the
// test in progress carries on in the other language.
#include "settings/language_win32.h"

#include "app/messages.h"
#include "bank/exam_class.h"
#include "engine/engine_win32.h"
#include "engine/test_state.h"
#include "settings/options.h"
#include "settings/options_store_win32.h"
#include "settings/strings.h"
#include "ui/shell_state_win32.h"
#include "ui/skin_win32.h"

static BOOL CALLBACK PostToDescendant(HWND window, LPARAM) {
    PostMessageA(window, MsgLanguageChanged, 0, 0);
    return TRUE;
}

// The window, then its descendants depth first in child order, which is the
// order the enumeration visits them in; it asks for each window's children
// once, where walking them asks twice per window.
void PostLanguageChange(HWND window) {
    if (!window) return;
    PostMessageA(window, MsgLanguageChanged, 0, 0);
    EnumChildWindows(window, PostToDescendant, 0);
}

void SwitchLanguage() {
    if (CurrentOptions.Language == LanguageEnglish)
        CurrentOptions.Language = LanguageFrench;
    else if (CurrentOptions.Language == LanguageFrench)
        CurrentOptions.Language = LanguageEnglish;
    SaveOption("Language");
    SelectLanguage();

    // Codes and correct answers are the same in both languages, so the test
    // keeps its questions, answers and score; only the pool its codes are
    // looked up in changes.
    QuestionPool pool = CurrentPoolOf(Test.ClassIndex);
    Test.PoolBegin = pool.PoolBegin;
    Test.PoolEnd = pool.PoolEnd;
    RereadCurrentQuestion();
    ShowQuestion();

    // Posted, so that every window reloads after this returns, in this order.
    HWND order[] = {MainWindow,
                    BorderWindow,
                    ModuleWindows[ModuleTest],
                    ModuleWindows[ModuleLog],
                    ModuleWindows[ModuleAbout],
                    ModuleWindows[ModuleOptions]};
    for (HWND window : order)
        PostLanguageChange(window);
    if (ModuleWindows[ModuleOptions]) RepaintIfShown(ModuleWindows[ModuleOptions]);
}
