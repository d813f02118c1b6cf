// The application shell in-process: the real start-up builds the real
// composition, which is then driven with the messages a user's actions give.
#include "app/geometry.h"
#include "app/messages.h"
#include "app/place_win32.h"
#include "app/startup_win32.h"
#include "app/window_procs_win32.h"
#include "bank/exam_class.h"
#include "engine/engine_win32.h"
#include "engine/test_state.h"
#include "log/results_log.h"
#include "settings/language_win32.h"
#include "settings/options.h"
#include "settings/strings.h"
#include "tests/support/composition_win32.h"
#include "tests/support/display_text_win32.h"
#include "tests/support/import_hook_win32.h"
#include "tests/support/shown_face_win32.h"
#include "ui/shell_state_win32.h"
#include "ui/skin_win32.h"

#include <gtest/gtest.h>

#define PSAPI_VERSION 2
#include <psapi.h>
#include <windows.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

const char OptionsKey[] = "Software\\Korvane\\Options";
const char LogKey[] = "Software\\Korvane\\Log";

void ForgetStoredSettings() {
    RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Korvane");
}

bool KeyExists(const char* path) {
    HKEY key;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, path, 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
    RegCloseKey(key);
    return true;
}

// The bytes of a stored value; "<absent>" when it cannot be read.
std::string StoredValue(const char* path, const char* name, DWORD* type = nullptr) {
    char data[256];
    DWORD size = sizeof data, kind = 0;
    if (RegGetValueA(HKEY_CURRENT_USER, path, name, RRF_RT_ANY, &kind, data, &size) !=
        ERROR_SUCCESS)
        return "<absent>";
    if (type) *type = kind;
    if (kind == REG_SZ && size > 0) --size; // the stored terminator
    return std::string(data, size);
}

// The message loop's dispatch, without blocking.
void PumpAsTheLoopDoes() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) continue;
        TranslateMessage(&message);
        RetargetKey(&message);
        DispatchMessageA(&message);
    }
}

// Quits through the panel's quit key and runs the loop to its end, as the
// program does; the quit message must already be queued so that nothing
// blocks.
int QuitThroughTheQuitKey() {
    SendMessageA(MainWindow, WM_COMMAND, IdQuit, 0);
    MSG peek;
    if (!PeekMessageA(&peek, nullptr, WM_QUIT, WM_QUIT, PM_NOREMOVE)) return -99;
    int code = RunMessageLoop();
    ShutDown();
    return code;
}

// 1 when the bitmap shows exactly the picture of resource number.
bool ShowsResource(HBITMAP bitmap, int number) {
    HBITMAP reference = LoadBitmapA(Instance, MAKEINTRESOURCEA(number));
    std::vector<unsigned> expected = BitmapPixels(reference);
    DeleteObject(reference);
    std::vector<unsigned> actual = BitmapPixels(bitmap);
    return !expected.empty() && actual == expected;
}

HBITMAP Face(HWND window) {
    return ShownFace(window, "Prop_Bitmap");
}

RECT WindowRect(HWND window) {
    RECT r = {};
    GetWindowRect(window, &r);
    return r;
}

// A control's rectangle in its parent's client coordinates.
RECT ChildRect(HWND control) {
    RECT r = WindowRect(control);
    MapWindowPoints(nullptr, GetParent(control), (POINT*)&r, 2);
    return r;
}

void ExpectRect(HWND window, int x, int y, int w, int h, const char* what) {
    RECT r = ChildRect(window);
    EXPECT_EQ(r.left, x) << what;
    EXPECT_EQ(r.top, y) << what;
    EXPECT_EQ(r.right - r.left, w) << what;
    EXPECT_EQ(r.bottom - r.top, h) << what;
}

std::string ClassOf(HWND window) {
    char name[64] = "";
    GetClassNameA(window, name, sizeof name);
    return name;
}

GeoPoint ScreenStart() {
    HDC dc = GetDC(nullptr);
    GeoPoint p = PanelStartPosition(GetDeviceCaps(dc, HORZRES), GetDeviceCaps(dc, VERTRES));
    ReleaseDC(nullptr, dc);
    return p;
}

std::vector<std::string> Launched;
UINT WINAPI RecordWinExec(LPCSTR command, UINT show) {
    Launched.push_back(std::string(command ? command : "") + "|" + std::to_string(show));
    return 33;
}

// ------------------------------------------------------------ life cycle

TEST(ShellLifecycle, QuitKeyEndsTheLoopAndWritesOptionsAndLog) {
    RegisterShellClasses();
    ForgetStoredSettings();
    ASSERT_EQ(StartUp(), 1);
    PumpAsTheLoopDoes();
    // Start-up writes nothing.
    EXPECT_FALSE(KeyExists("Software\\Korvane"));

    CurrentOptions.ShowAnswerBefore = 1;
    HBRUSH green = GreenBrush;
    HFONT font = LabelFont;
    EXPECT_EQ(QuitThroughTheQuitKey(), 0);
    EXPECT_EQ(MainWindow, nullptr);

    EXPECT_EQ(StoredValue(OptionsKey, "PlaySounds"), "1");
    EXPECT_EQ(StoredValue(OptionsKey, "ShowAnswerBefore"), "1");
    EXPECT_EQ(StoredValue(OptionsKey, "ShowLogLabels"), "1");
    EXPECT_EQ(StoredValue(OptionsKey, "Language"), "1");
    DWORD type = 0;
    std::string font60 = StoredValue(OptionsKey, "PrintFont", &type);
    EXPECT_EQ(font60.size(), 60u);
    EXPECT_EQ(type, (DWORD)REG_BINARY);
    EXPECT_EQ(StoredValue(LogKey, "NumEntries"), "0");
    // The brushes and pens are gone; the label font lives on.
    EXPECT_EQ(GetObjectType(green), 0u);
    EXPECT_EQ(GetObjectType(font), (DWORD)OBJ_FONT);
    ForgetStoredSettings();
}

TEST(ShellLifecycle, SessionEndWritesOnceAndTheLaterQuitDoesNotWriteAgain) {
    RegisterShellClasses();
    ForgetStoredSettings();
    ASSERT_EQ(StartUp(), 1);
    PumpAsTheLoopDoes();
    CurrentOptions.Language = LanguageFrench;
    Log.NumEntries = 1;
    Log.Entries[0] = LogEntry{0x1234u, 0x567u, 100, 77};

    // Asking whether the session may end writes nothing; nor does a session
    // end that was cancelled.
    EXPECT_EQ(SendMessageA(MainWindow, WM_QUERYENDSESSION, 0, 0), TRUE);
    SendMessageA(MainWindow, WM_ENDSESSION, FALSE, 0);
    EXPECT_FALSE(KeyExists("Software\\Korvane"));

    // The session ends: the process will be ended without the loop finishing.
    SendMessageA(MainWindow, WM_ENDSESSION, TRUE, 0);
    EXPECT_EQ(StoredValue(OptionsKey, "Language"), "2");
    EXPECT_EQ(StoredValue(OptionsKey, "PlaySounds"), "1");
    EXPECT_EQ(StoredValue(OptionsKey, "PrintFont").size(), 60u);
    EXPECT_EQ(StoredValue(LogKey, "NumEntries"), "1");
    std::string entry = StoredValue(LogKey, "E000");
    ASSERT_EQ(entry.size(), 16u);
    EXPECT_EQ(memcmp(entry.data(), &Log.Entries[0], 16), 0);

    // Had the process lived on, its orderly end would not write a second time.
    ForgetStoredSettings();
    SendMessageA(MainWindow, WM_ENDSESSION, TRUE, 0);
    EXPECT_EQ(QuitThroughTheQuitKey(), 0);
    EXPECT_FALSE(KeyExists("Software\\Korvane"));
    CurrentOptions.Language = LanguageEnglish;
    SelectLanguage();
}

TEST(ShellLifecycle, TwelveClassesShareStyleBackgroundAndCursor) {
    RegisterShellClasses();
    const char* const names[] = {
        "ZEB_MainWindowClass",   "ZEB_BorderWindowClass", "ZEB_ButtonWindowClass",
        "ZEB_DigitWindowClass",  "ZEB_TestWindowClass",   "ZEB_LogWindowClass",
        "ZEB_OptionWindowClass", "ZEB_AboutWindowClass",  "ZEB_LEDWindowClass",
        "ZEB_CheckWindowClass",  "ZEB_InfoWindowClass",   "ZEB_LinkWindowClass"};
    for (const char* name : names) {
        WNDCLASSA wc = {};
        ASSERT_TRUE(GetClassInfoA(Instance, name, &wc)) << name;
        EXPECT_EQ(wc.style, (UINT)(CS_HREDRAW | CS_VREDRAW)) << name;
        EXPECT_EQ(wc.hbrBackground, (HBRUSH)GetStockObject(NULL_BRUSH)) << name;
        EXPECT_EQ(wc.cbClsExtra, 0);
        EXPECT_EQ(wc.cbWndExtra, 0);
        bool link = strcmp(name, "ZEB_LinkWindowClass") == 0;
        EXPECT_EQ(wc.hCursor, LoadCursorA(nullptr, link ? IDC_HAND : IDC_ARROW)) << name;
        EXPECT_EQ(wc.hIcon != nullptr, strcmp(name, "ZEB_MainWindowClass") == 0) << name;
    }
    // Registering again fails at the first class.
    EXPECT_EQ(RegisterWindowClasses(), 0);
}

// --------------------------------------------------------- the composition

class Shell : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        RegisterShellClasses();
        ForgetStoredSettings();
        ASSERT_EQ(StartUp(), 1);
        PumpAsTheLoopDoes();
    }
    static void TearDownTestSuite() {
        if (MainWindow) QuitThroughTheQuitKey();
        ForgetStoredSettings();
    }
    void SetUp() override {
        ASSERT_NE(MainWindow, nullptr);
        HideModules();
        PlaceSatellites();
        PumpAsTheLoopDoes();
    }
    static HWND Module(int which) { return ModuleWindows[which]; }
};

TEST_F(Shell, PanelIsCentredWithItsShapeAndFace) {
    GeoPoint start = ScreenStart();
    RECT r = WindowRect(MainWindow);
    EXPECT_EQ(r.left, start.X);
    EXPECT_EQ(r.top, start.Y);
    EXPECT_EQ(r.right - r.left, PanelWidth);
    EXPECT_EQ(r.bottom - r.top, PanelHeight);
    EXPECT_EQ(ClassOf(MainWindow), "ZEB_MainWindowClass");
    char title[64] = "";
    GetWindowTextA(MainWindow, title, sizeof title);
    EXPECT_STREQ(title, "Korvane");
    EXPECT_EQ(GetWindowLongA(MainWindow, GWL_STYLE) & (WS_POPUP | WS_CAPTION), WS_POPUP);
    EXPECT_TRUE(IsWindowVisible(MainWindow));

    HRGN region = CreateRectRgn(0, 0, 0, 0);
    ASSERT_EQ(GetWindowRgn(MainWindow, region), COMPLEXREGION);
    RECT box;
    GetRgnBox(region, &box);
    EXPECT_EQ(box.left, 0);
    EXPECT_EQ(box.top, 0);
    EXPECT_EQ(box.right, 160);
    EXPECT_EQ(box.bottom, 480);
    EXPECT_TRUE(PtInRegion(region, 80, 240));
    EXPECT_FALSE(PtInRegion(region, 10, 240)) << "the notch";
    EXPECT_FALSE(PtInRegion(region, 158, 1)) << "the rounded corner";
    DeleteObject(region);

    EXPECT_TRUE(ShowsResource(Face(MainWindow), 291));
    // The class carries the program's icon.
    EXPECT_NE(GetClassLongPtrA(MainWindow, GCLP_HICON), 0);
}

TEST_F(Shell, BorderAndFourHiddenModulesFollowThePanel) {
    RECT panel = WindowRect(MainWindow);
    RECT border = WindowRect(BorderWindow);
    EXPECT_TRUE(IsWindowVisible(BorderWindow));
    EXPECT_EQ(border.left, panel.left - 40);
    EXPECT_EQ(border.top, panel.top);
    EXPECT_EQ(border.right - border.left, 60);
    EXPECT_EQ(border.bottom - border.top, 480);
    EXPECT_TRUE(GetWindowLongA(BorderWindow, GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
    EXPECT_TRUE(ShowsResource(Face(BorderWindow), 305));
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    ASSERT_EQ(GetWindowRgn(BorderWindow, region), COMPLEXREGION);
    EXPECT_TRUE(PtInRegion(region, 50, 240)) << "the tab";
    EXPECT_FALSE(PtInRegion(region, 50, 20));
    EXPECT_FALSE(PtInRegion(region, 0, 0));
    DeleteObject(region);

    HWND hide = GetDlgItem(BorderWindow, IdHideModule);
    ASSERT_NE(hide, nullptr);
    ExpectRect(hide, 6, 66, 46, 36, "hide key");
    EXPECT_EQ(GetPropInt(hide, "Prop_ResID1"), 103);
    EXPECT_EQ(GetPropInt(hide, "Prop_ResID2"), 105);
    EXPECT_EQ(GetPropInt(hide, "Prop_ResID3"), 107);
    EXPECT_EQ(GetPropInt(hide, "Prop_ResID4"), 62);

    const char* const classes[ModuleCount] = {"ZEB_TestWindowClass", "ZEB_LogWindowClass",
                                              "ZEB_OptionWindowClass", "ZEB_AboutWindowClass"};
    for (int i = 0; i < ModuleCount; ++i) {
        HWND module = Module(i);
        ASSERT_NE(module, nullptr) << i;
        EXPECT_EQ(ClassOf(module), classes[i]);
        EXPECT_FALSE(IsWindowVisible(module)) << classes[i];
        RECT r = WindowRect(module);
        EXPECT_EQ(r.right - r.left, 440) << classes[i];
        EXPECT_EQ(r.bottom - r.top, 400) << classes[i];
        EXPECT_TRUE(GetWindowLongA(module, GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
        // Owned by the panel, so that they minimise with it.
        EXPECT_EQ(GetWindow(module, GW_OWNER), MainWindow);
    }
    EXPECT_EQ(GetWindow(BorderWindow, GW_OWNER), MainWindow);
}

TEST_F(Shell, PanelKeysStandAtTheirLayoutPlacesWithTheirFacesAndTips) {
    struct Key {
        int Id, Normal, Over, Pressed, Slot;
    } const keys[] = {
        {IdQuit, 127, 129, 131, 36},          {IdMinimise, 115, 117, 119, 37},
        {IdTestModule, 133, 135, 137, 38},    {IdLogModule, 259, 261, 263, 40},
        {IdOptionsModule, 121, 123, 125, 41}, {IdNewBasic, 307, 309, 311, 59},
        {IdNewAdvanced, 313, 315, 317, 60},   {IdLanguage, 299, 301, 303, 51},
        {IdCalculator, 109, 111, 113, 42},    {IdAboutModule, 253, 255, 257, 43},
    };
    int children = 0;
    for (HWND c = GetWindow(MainWindow, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT))
        ++children;
    EXPECT_EQ(children, 10);
    for (const Key& k : keys) {
        HWND key = GetDlgItem(MainWindow, k.Id);
        ASSERT_NE(key, nullptr) << k.Id;
        EXPECT_EQ(ClassOf(key), "ZEB_ButtonWindowClass");
        const LayoutRecord* layout = FindLayout(k.Id);
        ASSERT_NE(layout, nullptr);
        ExpectRect(key, layout->X, layout->Y, layout->Width, layout->Height, "panel key");
        EXPECT_EQ(GetPropInt(key, "Prop_ResID1"), k.Normal) << k.Id;
        EXPECT_EQ(GetPropInt(key, "Prop_ResID2"), k.Over) << k.Id;
        EXPECT_EQ(GetPropInt(key, "Prop_ResID3"), k.Pressed) << k.Id;
        EXPECT_EQ(GetPropInt(key, "Prop_ResID4"), k.Slot) << k.Id;
    }
}

TEST_F(Shell, TestModuleCarriesTenDisplaysFourLampsAndTenKeys) {
    HWND test = Module(ModuleTest);
    EXPECT_TRUE(ShowsResource(Face(test), 295));
    struct Display {
        int Id, X, Y, W, H, Bitmap, Slot;
    } const displays[] = {
        {0x1020, 30, 20, 60, 20, 229, 8},    {0x1021, 100, 20, 80, 20, 225, 9},
        {0x1022, 190, 20, 80, 20, 227, 10},  {0x1023, 280, 20, 60, 20, 231, 11},
        {0x1024, 350, 20, 40, 20, 223, 12},  {0x1025, 20, 50, 400, 60, 221, 13},
        {0x1026, 50, 120, 370, 50, 233, 14}, {0x1027, 50, 180, 370, 50, 235, 15},
        {0x1028, 50, 240, 370, 50, 237, 16}, {0x1029, 50, 300, 370, 50, 239, 17},
    };
    for (const Display& d : displays) {
        HWND display = GetDlgItem(test, d.Id);
        ASSERT_NE(display, nullptr) << d.Id;
        EXPECT_EQ(ClassOf(display), "ZEB_DigitWindowClass");
        ExpectRect(display, d.X, d.Y, d.W, d.H, "display");
        EXPECT_EQ(GetPropInt(display, "Prop_ResID1"), d.Bitmap) << d.Id;
        EXPECT_EQ(GetPropInt(display, "Prop_ResID2"), d.Slot) << d.Id;
        EXPECT_EQ(GetPropInt(display, "Prop_Corner"), 8) << d.Id;
    }
    struct Key {
        int Id, Normal, Over, Pressed, Slot;
    } const keys[] = {
        {0x102A, 139, 141, 143, 18}, {0x102B, 145, 147, 149, 19}, {0x102C, 151, 153, 155, 20},
        {0x102D, 157, 159, 161, 21}, {0x1032, 169, 171, 173, 22}, {0x1033, 209, 211, 213, 23},
        {0x1034, 203, 205, 207, 24}, {0x1035, 175, 177, 179, 25}, {0x1037, 273, 275, 277, 27},
        {0x1038, 285, 287, 289, 28},
    };
    for (const Key& k : keys) {
        HWND key = GetDlgItem(test, k.Id);
        ASSERT_NE(key, nullptr) << k.Id;
        EXPECT_EQ(ClassOf(key), "ZEB_ButtonWindowClass");
        const LayoutRecord* layout = FindLayout(k.Id);
        ASSERT_NE(layout, nullptr);
        ExpectRect(key, layout->X, layout->Y, layout->Width, layout->Height, "test key");
        EXPECT_EQ(GetPropInt(key, "Prop_ResID1"), k.Normal) << k.Id;
        EXPECT_EQ(GetPropInt(key, "Prop_ResID3"), k.Pressed) << k.Id;
        EXPECT_EQ(GetPropInt(key, "Prop_ResID4"), k.Slot) << k.Id;
    }
    const int lamps[4][2] = {{181, 183}, {185, 187}, {189, 191}, {193, 195}};
    for (int i = 0; i < 4; ++i) {
        HWND lamp = GetDlgItem(test, IdLedA + i);
        ASSERT_NE(lamp, nullptr) << i;
        EXPECT_EQ(ClassOf(lamp), "ZEB_LEDWindowClass");
        // Under its select key, 60 pixels apart.
        ExpectRect(lamp, 6, 156 + 60 * i, 36, 18, "lamp");
        EXPECT_EQ(GetPropInt(lamp, "Prop_ResID1"), lamps[i][0]);
        EXPECT_EQ(GetPropInt(lamp, "Prop_ResID2"), lamps[i][1]);
    }
}

TEST_F(Shell, AboutModuleShowsItsTextWithTheLinksOverTheAddresses) {
    HWND about = Module(ModuleAbout);
    EXPECT_TRUE(ShowsResource(Face(about), 265));
    HWND text = GetDlgItem(about, IdAboutText);
    ASSERT_NE(text, nullptr);
    ExpectRect(text, 20, 40, 400, 320, "about text");
    EXPECT_EQ(DisplayText(about, IdAboutText), Str(44));
    EXPECT_EQ(GetPropInt(text, "Prop_ResID1"), 101);
    EXPECT_EQ(GetPropInt(text, "Prop_ResID2"), 53);
    EXPECT_EQ(GetPropInt(text, "Prop_Corner"), 20);
    const int links[2][3] = {{IdLinkWeb, 64, 77}, {IdLinkMail, 78, 78}};
    for (const auto& l : links) {
        EXPECT_EQ(GetDlgItem(about, l[0]), nullptr) << "a child of the text, not of the module";
        HWND link = GetDlgItem(text, l[0]);
        ASSERT_NE(link, nullptr) << l[0];
        EXPECT_EQ(ClassOf(link), "ZEB_LinkWindowClass");
        ExpectRect(link, 8, l[1], 240, 20, "link");
        EXPECT_EQ(GetPropInt(link, "Prop_Link"), l[2]);
    }
}

TEST_F(Shell, FirstQuestionOfABasicExamIsShownAfterStartUp) {
    // The suite's start-up posted the show-first message; nothing moved since.
    HWND test = Module(ModuleTest);
    ASSERT_EQ(::Test.ClassIndex, ClassBasic);
    EXPECT_EQ(::Test.CurrentIndex, 0);
    EXPECT_EQ(DisplayText(test, IdModeDisplay), "Exam");
    EXPECT_EQ(DisplayText(test, IdClassDisplay), "Basic");
    EXPECT_EQ(DisplayText(test, IdIndexDisplay), std::string("1 : ") + (::Test.Codes[0] + 4));
    char score[32];
    snprintf(score, sizeof score, "0/%d:60", ::Test.QuestionCount);
    EXPECT_EQ(DisplayText(test, IdScoreDisplay), score);
    EXPECT_EQ(DisplayText(test, IdResultDisplay), "None");
    EXPECT_EQ(DisplayText(test, IdQuestionDisplay), ::Test.Current.Text);
    EXPECT_EQ(DisplayText(test, IdAnswerDisplayA + 3), ::Test.Current.Answers[3]);
}

TEST_F(Shell, ModuleKeysShowOneModuleAtATimeAndTheBorderHidesIt) {
    RECT panel = WindowRect(MainWindow);
    GeoPoint modulePlace = ModulePosition(panel.left, panel.top);
    const struct {
        int Key, Module;
    } steps[] = {{IdTestModule, ModuleTest},   {IdOptionsModule, ModuleOptions},
                 {IdLogModule, ModuleLog},     {IdLogModule, ModuleLog},
                 {IdAboutModule, ModuleAbout}, {IdTestModule, ModuleTest}};
    for (const auto& step : steps) {
        SendMessageA(MainWindow, WM_COMMAND, step.Key, 0);
        PumpAsTheLoopDoes();
        for (int i = 0; i < ModuleCount; ++i)
            EXPECT_EQ(IsWindowVisible(Module(i)) != 0, i == step.Module)
                << "key " << step.Key << " module " << i;
        RECT r = WindowRect(Module(step.Module));
        EXPECT_EQ(r.left, modulePlace.X);
        EXPECT_EQ(r.top, modulePlace.Y);
        EXPECT_EQ(WindowRect(BorderWindow).left, panel.left - 480);
        EXPECT_EQ(GetFocus(), MainWindow);
    }
    // Another id to the border does nothing; its own key hides the module.
    SendMessageA(BorderWindow, WM_COMMAND, IdQuit, 0);
    EXPECT_TRUE(IsWindowVisible(Module(ModuleTest)));
    SendMessageA(BorderWindow, WM_COMMAND, IdHideModule, 0);
    PumpAsTheLoopDoes();
    for (int i = 0; i < ModuleCount; ++i)
        EXPECT_FALSE(IsWindowVisible(Module(i)));
    EXPECT_EQ(WindowRect(BorderWindow).left, panel.left - 40);
    EXPECT_EQ(WindowRect(BorderWindow).top, panel.top);
}

TEST_F(Shell, ActivatingTheProgramPutsTheSatellitesBack) {
    SendMessageA(MainWindow, WM_COMMAND, IdAboutModule, 0);
    RECT panel = WindowRect(MainWindow);
    SetWindowPos(BorderWindow, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    SetWindowPos(Module(ModuleAbout), nullptr, 5, 5, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    SendMessageA(MainWindow, WM_ACTIVATEAPP, 0, 0);
    EXPECT_EQ(WindowRect(BorderWindow).left, 0) << "only on becoming active";
    SendMessageA(MainWindow, WM_ACTIVATEAPP, 1, 0);
    EXPECT_EQ(WindowRect(BorderWindow).left, panel.left - 480);
    EXPECT_EQ(WindowRect(Module(ModuleAbout)).left, panel.left - 420);
    EXPECT_EQ(WindowRect(Module(ModuleAbout)).top, panel.top + 40);
}

TEST_F(Shell, NewTestKeysStartExamsWithoutSwitchingWindows) {
    HWND test = Module(ModuleTest);
    SendMessageA(MainWindow, WM_COMMAND, IdNewAdvanced, 0);
    PumpAsTheLoopDoes();
    EXPECT_EQ(::Test.ClassIndex, ClassAdvanced);
    EXPECT_EQ(DisplayText(test, IdClassDisplay), "Advanced");
    char score[32];
    snprintf(score, sizeof score, "0/%d:30", ::Test.QuestionCount);
    EXPECT_EQ(DisplayText(test, IdScoreDisplay), score);
    EXPECT_EQ(DisplayText(test, IdIndexDisplay), std::string("1 : ") + (::Test.Codes[0] + 4));
    for (int i = 0; i < ModuleCount; ++i)
        EXPECT_FALSE(IsWindowVisible(Module(i)));

    SendMessageA(MainWindow, WM_COMMAND, IdNewBasic, 0);
    PumpAsTheLoopDoes();
    EXPECT_EQ(::Test.ClassIndex, ClassBasic);
    EXPECT_EQ(DisplayText(test, IdClassDisplay), "Basic");
}

TEST_F(Shell, TestModuleKeysAndLampsReachTheEngine) {
    HWND test = Module(ModuleTest);
    auto command = [&](int id, int code) {
        SendMessageA(test, WM_COMMAND, MAKEWPARAM(id, code), (LPARAM)GetDlgItem(test, id));
        PumpAsTheLoopDoes();
    };
    auto index = [&]() { return DisplayText(test, IdIndexDisplay); };
    SendMessageA(MainWindow, WM_COMMAND, IdNewBasic, 0);
    PumpAsTheLoopDoes();
    ASSERT_EQ(index().substr(0, 4), "1 : ");
    command(IdNext, 0);
    EXPECT_EQ(index().substr(0, 4), "2 : ");
    command(IdPrevious, 0);
    EXPECT_EQ(index().substr(0, 4), "1 : ");
    command(IdLast, 0);
    EXPECT_EQ(index(), std::to_string(::Test.QuestionCount) + " : " +
                           (::Test.Codes[::Test.QuestionCount - 1] + 4));
    command(IdFirst, 0);
    EXPECT_EQ(index().substr(0, 4), "1 : ");

    int correct = ::Test.Current.Correct;
    ASSERT_GE(correct, 0);
    ASSERT_LE(correct, 3);
    HWND lamp = GetDlgItem(test, IdLedA + correct);
    // Only a plain click (notification code 0) answers.
    command(IdSelectA + correct, 1);
    EXPECT_EQ(::Test.Answers[0], AnswerNone);
    command(IdSelectA + correct, 0);
    EXPECT_EQ(::Test.Answers[0], AnswerGood);
    EXPECT_EQ(GetPropInt(MainWindow, "Prop_Answering"), 1);
    EXPECT_EQ(GetPropInt(lamp, "Prop_Active"), 1) << "the correct answer's lamp blinks";
    EXPECT_EQ(index().substr(0, 4), "1 : ");

    // The lamp's end of blink steps to the next question, once.
    PumpFor(1000);
    EXPECT_EQ(GetPropInt(lamp, "Prop_Active"), 0);
    EXPECT_EQ(GetPropInt(MainWindow, "Prop_Answering"), 0);
    EXPECT_EQ(index().substr(0, 4), "2 : ");
    NMHDR ended = {lamp, (UINT_PTR)(IdLedA + correct), (UINT)NotifyBlinkEnded};
    SendMessageA(test, WM_NOTIFY, ended.idFrom, (LPARAM)&ended);
    PumpAsTheLoopDoes();
    EXPECT_EQ(index().substr(0, 4), "2 : ");
}

TEST_F(Shell, TestModuleKeyInBrowseModeBringsTheExamBackInPlace) {
    SendMessageA(MainWindow, WM_COMMAND, IdOptionsModule, 0);
    PumpAsTheLoopDoes();
    int position = ::Test.CurrentIndex;
    // Browse mode as the browse key leaves it, without its question box.
    SavedExam = ::Test;
    Mode = ModeBrowse;
    ASSERT_EQ(BuildBrowseList(&::Test, ::Test.ClassIndex), 1);
    ::Test.CurrentIndex = 1000;
    PostMessageA(MainWindow, MsgShowFirst, 0, 0);
    PumpAsTheLoopDoes();
    EXPECT_EQ(DisplayText(Module(ModuleTest), IdModeDisplay), "Browse");

    SendMessageA(MainWindow, WM_COMMAND, IdTestModule, 0);
    PumpAsTheLoopDoes();
    EXPECT_EQ(Mode, ModeExam);
    EXPECT_EQ(::Test.CurrentIndex, position);
    EXPECT_EQ(DisplayText(Module(ModuleTest), IdModeDisplay), "Exam");
    // The windows stay as they were.
    EXPECT_TRUE(IsWindowVisible(Module(ModuleOptions)));
    EXPECT_FALSE(IsWindowVisible(Module(ModuleTest)));
}

TEST_F(Shell, KeysTypedInModulesAndBorderActOnThePanel) {
    HWND test = Module(ModuleTest);
    MSG m = {};
    m.message = WM_KEYDOWN;
    for (HWND source : {test, Module(ModuleOptions), Module(ModuleAbout), BorderWindow}) {
        m.hwnd = source;
        RetargetKey(&m);
        EXPECT_EQ(m.hwnd, MainWindow) << ClassOf(source);
    }
    m.message = WM_KEYUP;
    m.hwnd = BorderWindow;
    RetargetKey(&m);
    EXPECT_EQ(m.hwnd, MainWindow);
    // The log module keeps its keys, as do the controls and other messages.
    HWND key = GetDlgItem(test, IdFirst);
    for (HWND source : {Module(ModuleLog), key}) {
        m.message = WM_KEYDOWN;
        m.hwnd = source;
        RetargetKey(&m);
        EXPECT_EQ(m.hwnd, source) << ClassOf(source);
    }
    m.message = WM_CHAR;
    m.hwnd = test;
    RetargetKey(&m);
    EXPECT_EQ(m.hwnd, test);

    // Through the loop: Down in the test module and Up in the border move the
    // exam; Down in the log module does not.
    PostMessageA(MainWindow, MsgShowFirst, 0, 0);
    PumpAsTheLoopDoes();
    ASSERT_EQ(::Test.CurrentIndex, 0);
    PostMessageA(test, WM_KEYDOWN, VK_DOWN, 0);
    PumpAsTheLoopDoes();
    EXPECT_EQ(::Test.CurrentIndex, 1);
    EXPECT_EQ(DisplayText(test, IdIndexDisplay).substr(0, 4), "2 : ");
    PostMessageA(BorderWindow, WM_KEYDOWN, VK_UP, 0);
    PumpAsTheLoopDoes();
    EXPECT_EQ(::Test.CurrentIndex, 0);
    PostMessageA(Module(ModuleLog), WM_KEYDOWN, VK_DOWN, 0);
    PumpAsTheLoopDoes();
    EXPECT_EQ(::Test.CurrentIndex, 0);
}

TEST_F(Shell, DraggingThePanelMovesTheWholeCompositionOnEverySecondMove) {
    SendMessageA(MainWindow, WM_COMMAND, IdTestModule, 0);
    PumpAsTheLoopDoes();
    RECT before = WindowRect(MainWindow);
    POINT grip = {before.left + 80, before.top + 240}; // bare panel, no key
    // Hardware moves that the cursor jumps queue are handled only after the
    // button is up, when they no longer drag.
    SetCursorPos(grip.x, grip.y);
    SendMessageA(MainWindow, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(80, 240));
    EXPECT_EQ(GetCapture(), MainWindow);
    const int steps[] = {5, 10, 15, 30};
    for (int dx : steps) {
        SetCursorPos(grip.x + dx, grip.y + dx / 5);
        SendMessageA(MainWindow, WM_MOUSEMOVE, MK_LBUTTON, 0);
    }
    SendMessageA(MainWindow, WM_LBUTTONUP, 0, 0);
    EXPECT_NE(GetCapture(), MainWindow);
    RECT after = WindowRect(MainWindow);
    // Messages 1 and 3 moved, measured from the last move: +15 in all.
    EXPECT_EQ(after.left - before.left, 15);
    EXPECT_EQ(after.top - before.top, 3);
    GeoPoint module = ModulePosition(after.left, after.top);
    EXPECT_EQ(WindowRect(Module(ModuleTest)).left, module.X);
    EXPECT_EQ(WindowRect(Module(ModuleTest)).top, module.Y);
    EXPECT_EQ(WindowRect(BorderWindow).left, after.left - 480);
    EXPECT_EQ(WindowRect(BorderWindow).top, after.top);
    // Moves after the button is up do nothing.
    SendMessageA(MainWindow, WM_MOUSEMOVE, 0, 0);
    EXPECT_EQ(WindowRect(MainWindow).left, after.left);
    PumpAsTheLoopDoes();
    SetWindowPos(MainWindow, nullptr, before.left, before.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    EXPECT_EQ(WindowRect(BorderWindow).left, before.left - 480);
}

TEST_F(Shell, LanguageKeyReloadsEveryFaceAndTheAboutText) {
    SendMessageA(MainWindow, WM_COMMAND, IdAboutModule, 0);
    HWND quit = GetDlgItem(MainWindow, IdQuit);
    HBITMAP oldPanel = Face(MainWindow);
    SendMessageA(MainWindow, WM_COMMAND, IdLanguage, 0);
    PumpAsTheLoopDoes();
    ASSERT_EQ(CurrentOptions.Language, LanguageFrench);
    EXPECT_TRUE(ShowsResource(Face(MainWindow), 292));
    EXPECT_TRUE(ShowsResource(Face(BorderWindow), 306));
    EXPECT_TRUE(ShowsResource(Face(Module(ModuleTest)), 296));
    EXPECT_TRUE(ShowsResource(Face(Module(ModuleAbout)), 266));
    EXPECT_TRUE(ShowsResource(ShownFace(quit, "Prop_Bmp1"), 128));
    EXPECT_EQ(DisplayText(Module(ModuleAbout), IdAboutText), FrenchStrings[44]);
    EXPECT_EQ(DisplayText(Module(ModuleTest), IdClassDisplay), "de Base");
    // The replaced face was deleted, not left behind.
    EXPECT_EQ(GetObjectType(oldPanel), 0u);
    EXPECT_TRUE(IsWindowVisible(Module(ModuleAbout)));

    SendMessageA(MainWindow, WM_COMMAND, IdLanguage, 0);
    PumpAsTheLoopDoes();
    EXPECT_TRUE(ShowsResource(Face(MainWindow), 291));
    EXPECT_TRUE(ShowsResource(Face(BorderWindow), 305));
    EXPECT_TRUE(ShowsResource(Face(Module(ModuleTest)), 295));
    EXPECT_TRUE(ShowsResource(Face(Module(ModuleAbout)), 265));
    EXPECT_EQ(DisplayText(Module(ModuleAbout), IdAboutText), EnglishStrings[44]);
}

TEST_F(Shell, WindowsPaintTheirFacesForCapture) {
    HWND windows[] = {MainWindow, BorderWindow, Module(ModuleTest), Module(ModuleAbout)};
    for (HWND window : windows) {
        int w = 0, h = 0;
        std::vector<unsigned> face = BitmapPixels(Face(window), &w, &h);
        ASSERT_FALSE(face.empty());
        HDC screen = GetDC(nullptr);
        HDC dc = CreateCompatibleDC(screen);
        HBITMAP canvas = CreateCompatibleBitmap(screen, w, h);
        ReleaseDC(nullptr, screen);
        HGDIOBJ old = SelectObject(dc, canvas);
        PatBlt(dc, 0, 0, w, h, BLACKNESS);
        SendMessageA(window, WM_PRINTCLIENT, (WPARAM)dc, PRF_CLIENT);
        SelectObject(dc, old);
        DeleteDC(dc);
        std::vector<unsigned> drawn = BitmapPixels(canvas);
        DeleteObject(canvas);
        ASSERT_EQ(drawn.size(), face.size());
        for (int y = 0; y < h; y += 37)
            for (int x = 0; x < w; x += 13)
                ASSERT_EQ(drawn[y * w + x] & 0xFFFFFF, face[y * w + x] & 0xFFFFFF)
                    << ClassOf(window) << " at " << x << "," << y;
    }
}

TEST_F(Shell, CalculatorAndMinimiseKeys) {
    void* original = HookImport("kernel32.dll", "WinExec", (void*)RecordWinExec);
    ASSERT_NE(original, nullptr);
    Launched.clear();
    SendMessageA(MainWindow, WM_COMMAND, IdCalculator, 0);
    HookImport("kernel32.dll", "WinExec", original);
    ASSERT_EQ(Launched.size(), 1u);
    EXPECT_EQ(Launched[0], "Calc.exe|" + std::to_string(SW_SHOWNORMAL));

    SendMessageA(MainWindow, WM_COMMAND, IdTestModule, 0);
    SendMessageA(MainWindow, WM_COMMAND, IdMinimise, 0);
    PumpAsTheLoopDoes();
    EXPECT_TRUE(IsIconic(MainWindow));
    ShowWindow(MainWindow, SW_RESTORE);
    PumpAsTheLoopDoes();
    EXPECT_FALSE(IsIconic(MainWindow));
    EXPECT_TRUE(IsWindowVisible(Module(ModuleTest)));
}

TEST_F(Shell, ManyLanguageChangesLeakNothing) {
    auto usage = []() {
        PROCESS_MEMORY_COUNTERS counters = {};
        counters.cb = sizeof counters;
        GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
        return (long long)counters.PagefileUsage;
    };
    HWND top[] = {MainWindow, BorderWindow, Module(0), Module(1), Module(2), Module(3)};
    // Warm up the allocator before the measure.
    for (int i = 0; i < 20; ++i) {
        for (HWND w : top)
            PostLanguageChange(w);
        PumpAsTheLoopDoes();
    }
    long long before = usage();
    for (int i = 0; i < 250; ++i) {
        for (HWND w : top)
            PostLanguageChange(w);
        PumpAsTheLoopDoes();
    }
    long long growth = usage() - before;

    // Every round reloads about 2 MB of faces; keeping the old ones would
    // grow by hundreds of megabytes (measured: 250 module faces, 175 MB).
    EXPECT_LT(growth, 16LL << 20);
    EXPECT_TRUE(ShowsResource(Face(MainWindow), 291));
    EXPECT_TRUE(ShowsResource(Face(Module(ModuleTest)), 295));
    EXPECT_TRUE(ShowsResource(ShownFace(GetDlgItem(MainWindow, IdQuit), "Prop_Bmp3"), 131));
}

} // namespace
