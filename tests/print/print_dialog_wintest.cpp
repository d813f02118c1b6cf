// The print dialog and the font choice, run for real: the test's main thread
// sits in the modal dialog while a second thread finds the windows and
// clicks, presses keys or closes as a user would.
#include "app/startup_win32.h"
#include "bank/exam_class.h"
#include "bank/pool_resources.h"
#include "engine/test_state.h"
#include "print/print_win32.h"
#include "resources/dialog_ids.h"
#include "settings/options.h"
#include "settings/strings.h"
#include "ui/shell_state_win32.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <string>
#include <thread>
#include <vector>
#include <windows.h>

namespace {

DWORD MainThread;

struct Found {
    std::string Caption;
    HWND Exclude;
    HWND Window;
};

BOOL CALLBACK MatchDialog(HWND window, LPARAM lParam) {
    Found* found = (Found*)lParam;
    char name[64] = "", caption[256] = "";
    GetClassNameA(window, name, sizeof name);
    GetWindowTextA(window, caption, sizeof caption);
    if (strcmp(name, "#32770") || !IsWindowVisible(window) || window == found->Exclude) return TRUE;
    if (!found->Caption.empty() && found->Caption != caption) return TRUE;
    found->Window = window;
    return FALSE;
}

// A visible dialog of the main thread (with that caption, if given), waited
// for up to ms milliseconds.
HWND WaitForDialog(const std::string& caption, HWND exclude = nullptr, DWORD ms = 5000) {
    DWORD start = GetTickCount();
    do {
        Found found = {caption, exclude, nullptr};
        EnumThreadWindows(MainThread, MatchDialog, (LPARAM)&found);
        if (found.Window) return found.Window;
        Sleep(20);
    } while (GetTickCount() - start < ms);
    return nullptr;
}

std::string TextOf(HWND window) {
    char text[256] = "";
    GetWindowTextA(window, text, sizeof text);
    return text;
}

// Runs script on a second thread while the main thread runs modal.
int WithDriver(std::function<void()> script, std::function<int()> modal) {
    MainThread = GetCurrentThreadId();
    std::thread driver(script);
    int result = modal();
    driver.join();
    return result;
}

void PressKey(HWND window, WPARAM key) {
    PostMessageA(window, WM_KEYDOWN, key, 1);
    PostMessageA(window, WM_KEYUP, key, 0xC0000001);
}

// The dialog is still there after a moment for the queue to settle.
bool StaysOpen(HWND dialog) {
    Sleep(150);
    return IsWindow(dialog) && IsWindowVisible(dialog);
}

class PrintDialog : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        ASSERT_EQ(LoadQuestionPools(), 1);
        CreateDrawingObjects();
    }
    void SetUp() override {
        SetDefaultOptions();
        SelectLanguage();
        GenerateTest(&::Test, ClassBasic, 1);
    }
    void TearDown() override {
        CurrentOptions.Language = LanguageEnglish;
        SelectLanguage();
    }
};

TEST_F(PrintDialog, CentredAndOnlyCloseEndsIt) {
    std::atomic<int> checks{0};
    RECT rect = {};
    HWND focus = nullptr, exam = nullptr;
    LRESULT defaultId = 0;
    bool afterEscape = false, afterCancel = false, afterCloseBox = false, afterUnknown = false;
    int result = WithDriver(
        [&] {
            HWND dialog = WaitForDialog("Print test");
            if (!dialog) return;
            GetWindowRect(dialog, &rect);
            GUITHREADINFO info = {};
            info.cbSize = sizeof info;
            GetGUIThreadInfo(MainThread, &info);
            focus = info.hwndFocus;
            exam = GetDlgItem(dialog, IDC_PRINT_EXAM);
            defaultId = SendMessageA(dialog, DM_GETDEFID, 0, 0);

            PressKey(focus, VK_ESCAPE);
            afterEscape = StaysOpen(dialog);
            SendMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
            afterCancel = StaysOpen(dialog);
            SendMessageA(dialog, WM_CLOSE, 0, 0);
            afterCloseBox = StaysOpen(dialog);
            SendMessageA(dialog, WM_COMMAND, 4242, 0);
            SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_PRINT_GROUP, BN_CLICKED), 0);
            afterUnknown = StaysOpen(dialog);
            ++checks;
            // Only the low 16 bits name the command.
            PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_PRINT_CLOSE, 0x7777), 0);
        },
        [] { return ShowPrintDialog(nullptr); });
    ASSERT_EQ(checks, 1) << "the dialog did not appear";
    EXPECT_EQ(result, 1);
    EXPECT_TRUE(afterEscape);
    EXPECT_TRUE(afterCancel);
    EXPECT_TRUE(afterCloseBox);
    EXPECT_TRUE(afterUnknown);

    int width = rect.right - rect.left, height = rect.bottom - rect.top;
    HDC screen = GetDC(nullptr);
    int screenWidth = GetDeviceCaps(screen, HORZRES), screenHeight = GetDeviceCaps(screen, VERTRES);
    ReleaseDC(nullptr, screen);
    EXPECT_EQ(rect.left, screenWidth / 2 - width / 2);
    EXPECT_EQ(rect.top, screenHeight / 2 - height / 2);
    EXPECT_EQ(focus, exam) << "the focus starts on Exam...";
    EXPECT_EQ(HIWORD(defaultId), DC_HASDEFID);
    EXPECT_EQ(LOWORD(defaultId), IDC_PRINT_CLOSE);
}

TEST_F(PrintDialog, FrenchTemplateFollowsTheLanguage) {
    CurrentOptions.Language = LanguageFrench;
    SelectLanguage();
    std::vector<std::string> texts;
    int result = WithDriver(
        [&] {
            HWND dialog = WaitForDialog("Imprimer test");
            if (!dialog) return;
            for (int id : {IDC_PRINT_EXAM, IDC_PRINT_ANSWERS, IDC_PRINT_SHEET, IDC_PRINT_ALL,
                           IDC_PRINT_FONT, IDC_PRINT_CLOSE})
                texts.push_back(TextOf(GetDlgItem(dialog, id)));
            SendMessageA(GetDlgItem(dialog, IDC_PRINT_CLOSE), BM_CLICK, 0, 0);
        },
        [] { return ShowPrintDialog(nullptr); });
    EXPECT_EQ(result, 1);
    EXPECT_EQ(texts, (std::vector<std::string>{"Examen...", "R\xE9ponses...", "Formulaire...",
                                               "Tout...", "Choisir police...", "Fermer"}));
}

TEST_F(PrintDialog, UnknownLanguageShowsNothing) {
    for (int language : {0, 3}) {
        CurrentOptions.Language = language;
        HWND seen = nullptr;
        int result = WithDriver([&] { seen = WaitForDialog("", nullptr, 300); },
                                [] { return ShowPrintDialog(nullptr); });
        EXPECT_EQ(result, 0);
        EXPECT_EQ(seen, nullptr);
    }
}

// Whatever the printer dialog shows (with no printer, a notice first), the
// user backs out of it; each job of "All..." asks on its own.
TEST_F(PrintDialog, AllWithEveryPrinterDialogCancelledLeavesTheDialogOpen) {
    int dismissed = 0;
    bool open = false;
    int result = WithDriver(
        [&] {
            HWND dialog = WaitForDialog("Print test");
            if (!dialog) return;
            PostMessageA(dialog, WM_COMMAND, IDC_PRINT_ALL, 0);
            while (HWND asked = WaitForDialog("", dialog, 3000)) {
                PostMessageA(asked, WM_COMMAND, IDCANCEL, 0);
                ++dismissed;
                for (int i = 0; i < 100 && IsWindow(asked); ++i)
                    Sleep(20);
            }
            open = StaysOpen(dialog);
            PostMessageA(dialog, WM_COMMAND, IDC_PRINT_CLOSE, 0);
        },
        [] { return ShowPrintDialog(nullptr); });
    EXPECT_EQ(result, 1);
    EXPECT_TRUE(open);
    EXPECT_GE(dismissed, 3) << "each of the three jobs asks for a printer";
}

StoredFont SampleFont() {
    StoredFont font = {};
    font.Height = 12;
    font.Weight = 400;
    strcpy(font.FaceName, "Arial");
    return font;
}

TEST_F(PrintDialog, CancelledFontDialogKeepsTheFont) {
    CurrentOptions.PrintFont = SampleFont();
    const StoredFont before = CurrentOptions.PrintFont;
    bool shown = false;
    WithDriver(
        [&] {
            HWND fonts = WaitForDialog("Font");
            if (!fonts) return;
            shown = true;
            // A different face and size picked, then the dialog cancelled.
            HWND face = GetDlgItem(fonts, 0x470);
            SendMessageA(face, CB_SELECTSTRING, (WPARAM)-1, (LPARAM) "Times New Roman");
            SendMessageA(fonts, WM_COMMAND, MAKEWPARAM(0x470, CBN_SELCHANGE), (LPARAM)face);
            Sleep(100);
            PostMessageA(fonts, WM_COMMAND, IDCANCEL, 0);
        },
        [] {
            ChoosePrintFont(nullptr);
            return 0;
        });
    ASSERT_TRUE(shown);
    EXPECT_EQ(memcmp(&CurrentOptions.PrintFont, &before, sizeof before), 0)
        << CurrentOptions.PrintFont.FaceName << " " << CurrentOptions.PrintFont.Height;
}

TEST_F(PrintDialog, ConfirmedFontReplacesThePrintFont) {
    CurrentOptions.PrintFont = SampleFont();
    bool shown = false;
    WithDriver(
        [&] {
            HWND fonts = WaitForDialog("Font");
            if (!fonts) return;
            shown = true;
            HWND face = GetDlgItem(fonts, 0x470);
            SendMessageA(face, CB_SELECTSTRING, (WPARAM)-1, (LPARAM) "Times New Roman");
            SendMessageA(fonts, WM_COMMAND, MAKEWPARAM(0x470, CBN_SELCHANGE), (LPARAM)face);
            Sleep(100);
            PostMessageA(fonts, WM_COMMAND, IDOK, 0);
        },
        [] {
            ChoosePrintFont(nullptr);
            return 0;
        });
    ASSERT_TRUE(shown);
    EXPECT_STREQ(CurrentOptions.PrintFont.FaceName, "Times New Roman");
}

TEST_F(PrintDialog, FontButtonOpensTheFontDialogOwnedByThePrintDialog) {
    HWND owner = nullptr, dialogSeen = nullptr;
    int result = WithDriver(
        [&] {
            HWND dialog = WaitForDialog("Print test");
            if (!dialog) return;
            dialogSeen = dialog;
            PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_PRINT_FONT, BN_CLICKED), 0);
            if (HWND fonts = WaitForDialog("Font", dialog)) {
                owner = GetWindow(fonts, GW_OWNER);
                PostMessageA(fonts, WM_COMMAND, IDCANCEL, 0);
                for (int i = 0; i < 100 && IsWindow(fonts); ++i)
                    Sleep(20);
            }
            PostMessageA(dialog, WM_COMMAND, IDC_PRINT_CLOSE, 0);
        },
        [] { return ShowPrintDialog(nullptr); });
    EXPECT_EQ(result, 1);
    ASSERT_NE(dialogSeen, nullptr);
    EXPECT_EQ(owner, dialogSeen);
}

// ------------------------------------------------------------ end-to-end host
// Not a test of its own: the end-to-end printing test (print_e2e.py) runs it
// to put the print dialog on the screen for a real printer queue, then clicks
// and types on it. Files go to KORVANE_PRINT_HOST_DIR (a Windows path):
// codes.txt (the test), layout.txt (button rectangles, once shown) and
// font.txt (the print font after the dialog closed).

std::string HostFile(const char* name) {
    const char* dir = getenv("KORVANE_PRINT_HOST_DIR");
    return std::string(dir ? dir : ".") + "\\" + name;
}

void WriteHostFile(const char* name, const std::string& text) {
    // Written whole and then renamed, so the reader never sees half of it.
    std::string path = HostFile(name), part = path + ".part";
    FILE* file = fopen(part.c_str(), "wb");
    if (!file) return;
    fwrite(text.data(), 1, text.size(), file);
    fclose(file);
    MoveFileExA(part.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING);
}

TEST(PrintHost, DISABLED_ShowsThePrintDialogForTheEndToEndTest) {
    ASSERT_NE(getenv("KORVANE_PRINT_HOST_DIR"), nullptr);
    ASSERT_EQ(LoadQuestionPools(), 1);
    SetDefaultOptions();
    const char* language = getenv("KORVANE_PRINT_LANGUAGE");
    const char* classIndex = getenv("KORVANE_PRINT_CLASS");
    CurrentOptions.Language = language ? atoi(language) : LanguageEnglish;
    SelectLanguage();
    CreateDrawingObjects();
    ASSERT_EQ(GenerateTest(&::Test, classIndex ? atoi(classIndex) : ClassBasic, GetTickCount()), 1);

    std::string codes;
    for (int i = 0; i < ::Test.QuestionCount; ++i)
        codes += std::string(::Test.Codes[i]) + "\n";
    WriteHostFile("codes.txt", codes);

    const char* caption =
        CurrentOptions.Language == LanguageFrench ? "Imprimer test" : "Print test";
    int result = WithDriver(
        [&] {
            HWND dialog = WaitForDialog(caption, nullptr, 60000);
            if (!dialog) return;
            std::string layout;
            for (int id : {IDC_PRINT_EXAM, IDC_PRINT_ANSWERS, IDC_PRINT_SHEET, IDC_PRINT_ALL,
                           IDC_PRINT_FONT, IDC_PRINT_CLOSE}) {
                RECT r;
                GetWindowRect(GetDlgItem(dialog, id), &r);
                char line[96];
                snprintf(line, sizeof line, "%d %ld %ld %ld %ld\n", id, r.left, r.top, r.right,
                         r.bottom);
                layout += line;
            }
            WriteHostFile("layout.txt", layout);
        },
        [] { return ShowPrintDialog(nullptr); });
    char font[96];
    snprintf(font, sizeof font, "%s\n%d\n", CurrentOptions.PrintFont.FaceName,
             CurrentOptions.PrintFont.Height);
    WriteHostFile("font.txt", font);
    EXPECT_EQ(result, 1);
}

} // namespace
