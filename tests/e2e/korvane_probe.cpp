// Reads and pokes a running korvane.exe from outside, in the same Wine prefix,
// for the end-to-end tests. Each argument is one command; each command prints
// lines of space-separated fields that tests/support/korvane_e2e.py parses.
// Texts are printed as hex bytes (Windows-1252), "-" for none.
//
//   windows                 window <role> <hwnd> <visible> <left> <top> <right> <bottom>
//                           <minimised> <foreground>
//   instances               instances <main windows> <processes owning them>
//   texts                   text <id> <hex>   (the ten test displays and the about text)
//   controls <role>         control <id> <class> <visible> <left> <top> <right> <bottom>
//   prop <role> <id> <name> prop <value>     (id 0: the window itself)
//   tooltip                 tooltip <visible> <left> <top> <right> <bottom> <hex>
//   proptext <role> <id>    proptext <hex>   (Prop_Text of any control; id 0: the window)
//   dialogs                 dialog <hwnd> <hex title> <left> <top> <right> <bottom> <owner role>
//                           button <hwnd> <hex text> <left> <top> <right> <bottom>
//                           static <hwnd> <hex text> <left> <top> <right> <bottom>
//   walk <n>                from the question on display, n steps with the Down
//                           key: index <hex> before each step and after the last
//   answer <n> <seed>       answers n questions in a row with A..D (drawn from the
//                           seed), each once the previous one has moved on:
//                           answered <count>
//   memory                  memory <pagefile> <workingset> <private> <handles> <gdi> <user>
//                           bytes of korvane's process, its kernel handles (from
//                           the system's handle list where the process count is
//                           0, as under Wine), its GDI objects (the in-use
//                           entries of its GDI handle table, stock objects left
//                           out) and its USER objects counted as its windows;
//                           Wine answers 0 for the private bytes
//   capture                 capture <hwnd>   (the window holding korvane's mouse
//                           capture, 0 for none)
//   terminate               ends korvane's process with TerminateProcess, as the
//                           task manager does: terminated
//   readonly <key> <0|1>    readonly <1 on success>: an ACL on HKCU\<key> that
//                           lets everyone read and nobody write it, or (0) full
//                           access again
//   putvalue <key> <name> <type> <hex>   put <1 on success>: a value of any
//                           registry type number under HKCU\<key>
//   putzeros <key> <name> <type> <n>     put <1 on success>: n zero bytes
//   measure <hex>           measure <extent> <width> <height>: the text's extent,
//                           and its DT_CALCRECT | DT_SINGLELINE size, in the
//                           shadowed-text font
//   shadowtext <in.bmp> <out.bmp> <left> <top> <right> <bottom> <format> <hex>
//                           draws a text the way the skin draws its shadowed
//                           texts into a copy of a bitmap file: what the
//                           screen should show there; prints "drawn"
//   menu                    menu <visible> <left> <top> <right> <bottom>
//   command <id>            posts WM_COMMAND to the main window
//   key <vk>                posts WM_KEYDOWN to the main window
//   endsession              asks and ends the session as Windows does, then ends
//                           the process: query <answer>, ended
//   serve                   reads commands from standard input, a request per
//                           line, each answered by its lines and then "done"
//   watch <ms>              samples lamps and displays every 5 ms, printing the
//                           state, then "watching", then every change:
//                           at <ms> led <0..3> <active>, at <ms> text <id> <hex>
#include <windows.h>

#include <psapi.h>
#include <winternl.h>

#include "tests/support/raw_store_win32.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

struct Role {
    const char* Name;
    const char* Class;
};
const Role Roles[] = {
    {"main", "ZEB_MainWindowClass"},      {"border", "ZEB_BorderWindowClass"},
    {"test", "ZEB_TestWindowClass"},      {"log", "ZEB_LogWindowClass"},
    {"options", "ZEB_OptionWindowClass"}, {"about", "ZEB_AboutWindowClass"},
};

HWND FindRole(const char* name) {
    for (const Role& role : Roles)
        if (strcmp(role.Name, name) == 0) return FindWindowA(role.Class, nullptr);
    return nullptr;
}

HANDLE OpenTarget(HWND window, DWORD access) {
    DWORD pid = 0;
    if (!window) return nullptr;
    GetWindowThreadProcessId(window, &pid);
    return pid ? OpenProcess(access, FALSE, pid) : nullptr;
}

std::string Hex(const std::string& bytes) {
    if (bytes.empty()) return "-";
    std::string out;
    char pair[3];
    for (unsigned char c : bytes) {
        snprintf(pair, sizeof pair, "%02x", c);
        out += pair;
    }
    return out;
}

// The string a window property of another process points to.
std::string RemoteString(HANDLE process, const void* address) {
    std::string text;
    if (!process || !address) return text;
    const char* at = (const char*)address;
    char chunk[64];
    while (text.size() < 4096) {
        SIZE_T got = 0;
        if (!ReadProcessMemory(process, at, chunk, sizeof chunk, &got) || got == 0) {
            // The chunk may cross into an unreadable page: fall back to bytes.
            if (!ReadProcessMemory(process, at, chunk, 1, &got) || got == 0) break;
        }
        for (SIZE_T i = 0; i < got; ++i) {
            if (chunk[i] == 0) return text;
            text += chunk[i];
        }
        at += got;
    }
    return text;
}

// The program replaces a text by a new copy and frees the old one, which the
// next copy may reuse: a read is kept only when the property pointed to the
// same place before and after it and two reads agree.
std::string PropText(HANDLE process, HWND control) {
    if (!control) return std::string();
    std::string text;
    for (int attempt = 0; attempt < 20; ++attempt) {
        const void* before = GetPropA(control, "Prop_Text");
        text = RemoteString(process, before);
        std::string again = RemoteString(process, before);
        if (GetPropA(control, "Prop_Text") == before && again == text) return text;
        Sleep(1);
    }
    return text;
}

void PrintRect(HWND window) {
    RECT r = {};
    GetWindowRect(window, &r);
    printf(" %ld %ld %ld %ld", r.left, r.top, r.right, r.bottom);
}

void Windows() {
    HWND foreground = GetForegroundWindow();
    for (const Role& role : Roles) {
        HWND w = FindWindowA(role.Class, nullptr);
        printf("window %s %p %d", role.Name, (void*)w, w && IsWindowVisible(w) ? 1 : 0);
        PrintRect(w);
        printf(" %d %d\n", w && IsIconic(w) ? 1 : 0, w && w == foreground ? 1 : 0);
    }
}

struct MainWindows {
    int Windows;
    DWORD Pids[8];
    int Processes;
};

BOOL CALLBACK CountMainWindow(HWND w, LPARAM data) {
    MainWindows* found = (MainWindows*)data;
    char name[64] = "";
    GetClassNameA(w, name, sizeof name);
    if (strcmp(name, "ZEB_MainWindowClass") != 0) return TRUE;
    ++found->Windows;
    DWORD pid = 0;
    GetWindowThreadProcessId(w, &pid);
    for (int i = 0; i < found->Processes; ++i)
        if (found->Pids[i] == pid) return TRUE;
    if (found->Processes < 8) found->Pids[found->Processes++] = pid;
    return TRUE;
}

void Instances() {
    MainWindows found = {};
    EnumWindows(CountMainWindow, (LPARAM)&found);
    printf("instances %d %d\n", found.Windows, found.Processes);
}

const int TestDisplays[] = {0x1020, 0x1021, 0x1022, 0x1023, 0x1024,
                            0x1025, 0x1026, 0x1027, 0x1028, 0x1029};

void Texts() {
    HWND test = FindRole("test");
    HANDLE process = OpenTarget(test, PROCESS_VM_READ);
    for (int id : TestDisplays)
        printf("text %d %s\n", id, Hex(PropText(process, GetDlgItem(test, id))).c_str());
    HWND about = FindRole("about");
    HANDLE aboutProcess = OpenTarget(about, PROCESS_VM_READ);
    printf("text %d %s\n", 0x1200, Hex(PropText(aboutProcess, GetDlgItem(about, 0x1200))).c_str());
    if (process) CloseHandle(process);
    if (aboutProcess) CloseHandle(aboutProcess);
}

void PrintControls(HWND parent) {
    for (HWND c = GetWindow(parent, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
        char name[64] = "";
        GetClassNameA(c, name, sizeof name);
        printf("control %d %s %d", GetDlgCtrlID(c), name, IsWindowVisible(c) ? 1 : 0);
        PrintRect(c);
        printf("\n");
        PrintControls(c);
    }
}

void Prop(const char* roleName, int id, const char* name) {
    HWND w = FindRole(roleName);
    if (w && id) w = GetDlgItem(w, id);
    printf("prop %lld\n", w ? (long long)(INT_PTR)GetPropA(w, name) : -1LL);
}

struct Search {
    DWORD Pid;
    const char* Class;
    HWND Found[16];
    int Count;
};

BOOL CALLBACK CollectWindow(HWND w, LPARAM data) {
    Search* s = (Search*)data;
    DWORD pid = 0;
    GetWindowThreadProcessId(w, &pid);
    char name[64] = "";
    GetClassNameA(w, name, sizeof name);
    if (pid == s->Pid && strcmp(name, s->Class) == 0 && s->Count < 16) s->Found[s->Count++] = w;
    return TRUE;
}

Search FindProcessWindows(const char* className) {
    Search s = {};
    s.Class = className;
    HWND main = FindRole("main");
    if (main) GetWindowThreadProcessId(main, &s.Pid);
    if (s.Pid) EnumWindows(CollectWindow, (LPARAM)&s);
    return s;
}

void Tooltip() {
    Search s = FindProcessWindows("tooltips_class32");
    for (int i = 0; i < s.Count; ++i) {
        HWND w = s.Found[i];
        char text[600] = "";
        DWORD_PTR got = 0;
        // WM_GETTEXT is marshalled between processes; the tooltip answers
        // with the tip it shows.
        SendMessageTimeoutA(w, WM_GETTEXT, sizeof text, (LPARAM)text, SMTO_ABORTIFHUNG, 2000, &got);
        text[sizeof text - 1] = 0;
        printf("tooltip %d", IsWindowVisible(w) ? 1 : 0);
        PrintRect(w);
        printf(" %s\n", Hex(text).c_str());
    }
}

BOOL CALLBACK PrintButton(HWND w, LPARAM) {
    char name[64] = "", text[256] = "";
    GetClassNameA(w, name, sizeof name);
    const char* kind = _stricmp(name, "Button") == 0   ? "button"
                       : _stricmp(name, "Static") == 0 ? "static"
                                                       : nullptr;
    if (!kind) return TRUE;
    GetWindowTextA(w, text, sizeof text);
    printf("%s %p %s", kind, (void*)w, Hex(text).c_str());
    PrintRect(w);
    printf("\n");
    return TRUE;
}

// The role of the window that owns a dialog: a module's box can lie under
// another module, which the panel shows meanwhile.
const char* OwnerRole(HWND dialog) {
    HWND owner = GetWindow(dialog, GW_OWNER);
    for (const Role& role : Roles)
        if (owner && FindWindowA(role.Class, nullptr) == owner) return role.Name;
    return "-";
}

void Dialogs() {
    Search s = FindProcessWindows("#32770");
    for (int i = 0; i < s.Count; ++i) {
        HWND w = s.Found[i];
        if (!IsWindowVisible(w)) continue;
        char title[256] = "";
        GetWindowTextA(w, title, sizeof title);
        printf("dialog %p %s", (void*)w, Hex(title).c_str());
        PrintRect(w);
        printf(" %s\n", OwnerRole(w));
        EnumChildWindows(w, PrintButton, 0);
    }
}

// What a user does for a box that lies under another window: brings it to the
// top from the taskbar.
void Raise(const char* handle) {
    HWND w = (HWND)(UINT_PTR)strtoull(handle, nullptr, 16);
    bool raised = IsWindow(w) && SetWindowPos(w, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    if (raised) SetForegroundWindow(w);
    printf("raised %d\n", raised ? 1 : 0);
}

void Menu() {
    Search s = FindProcessWindows("#32768");
    for (int i = 0; i < s.Count; ++i) {
        printf("menu %d", IsWindowVisible(s.Found[i]) ? 1 : 0);
        PrintRect(s.Found[i]);
        printf("\n");
    }
}

void EndSession() {
    HWND main = FindRole("main");
    if (!main) {
        printf("query none\n");
        return;
    }
    DWORD_PTR answer = 0;
    SendMessageTimeoutA(main, WM_QUERYENDSESSION, 0, 0, SMTO_ABORTIFHUNG, 5000, &answer);
    printf("query %d\n", (int)answer);
    DWORD_PTR ignored = 0;
    SendMessageTimeoutA(main, WM_ENDSESSION, TRUE, 0, SMTO_ABORTIFHUNG, 5000, &ignored);
    // Windows ends the process once its windows have answered WM_ENDSESSION.
    HANDLE process = OpenTarget(main, PROCESS_TERMINATE | SYNCHRONIZE);
    if (process) {
        TerminateProcess(process, 0);
        WaitForSingleObject(process, 5000);
        CloseHandle(process);
    }
    printf("ended\n");
}

void Watch(int ms) {
    HWND test = FindRole("test");
    HANDLE process = OpenTarget(test, PROCESS_VM_READ);
    const int watched[] = {0x1020, 0x1022, 0x1023, 0x1024, 0x1025};
    std::string last[5];
    int lamps[4] = {-1, -1, -1, -1};
    DWORD start = GetTickCount();
    bool first = true;
    while ((int)(GetTickCount() - start) < ms && IsWindow(test)) {
        DWORD now = GetTickCount() - start;
        for (int i = 0; i < 4; ++i) {
            int active = GetPropA(GetDlgItem(test, 0x102E + i), "Prop_Active") ? 1 : 0;
            if (active != lamps[i]) {
                lamps[i] = active;
                printf("at %lu led %d %d\n", (unsigned long)now, i, active);
            }
        }
        for (int i = 0; i < 5; ++i) {
            std::string text = PropText(process, GetDlgItem(test, watched[i]));
            if (text != last[i]) {
                last[i] = text;
                printf("at %lu text %d %s\n", (unsigned long)now, watched[i], Hex(text).c_str());
            }
        }
        if (first) printf("watching\n"); // the state at the start is printed
        first = false;
        fflush(stdout);
        Sleep(5);
    }
    printf("watch end\n");
    if (process) CloseHandle(process);
}

void PropTextOf(const char* roleName, int id) {
    HWND w = FindRole(roleName);
    HANDLE process = OpenTarget(w, PROCESS_VM_READ);
    if (w && id) w = GetDlgItem(w, id);
    printf("proptext %s\n", Hex(PropText(process, w)).c_str());
    if (process) CloseHandle(process);
}

// Steps through the test with the Down key, waiting for each step to show,
// so that no question is passed unseen however fast the program is.
void Walk(int steps) {
    HWND test = FindRole("test");
    HWND main = FindRole("main");
    HANDLE process = OpenTarget(test, PROCESS_VM_READ);
    HWND index = GetDlgItem(test, 0x1022);
    std::string shown = PropText(process, index);
    printf("index %s\n", Hex(shown).c_str());
    for (int i = 0; i < steps; ++i) {
        PostMessageA(main, WM_KEYDOWN, VK_DOWN, 0);
        DWORD start = GetTickCount();
        std::string now = shown;
        while (now == shown && GetTickCount() - start < 5000) {
            Sleep(1);
            now = PropText(process, index);
        }
        if (now == shown) {
            printf("stuck\n");
            break;
        }
        shown = now;
        printf("index %s\n", Hex(shown).c_str());
    }
    if (process) CloseHandle(process);
}

// Kernel handles of a process from the system's handle list.
DWORD SystemHandleCount(DWORD pid) {
    typedef NTSTATUS(NTAPI * QuerySystem)(ULONG, void*, ULONG, ULONG*);
    QuerySystem query = (QuerySystem)(void*)GetProcAddress(GetModuleHandleA("ntdll.dll"),
                                                           "NtQuerySystemInformation");
    if (!query) return 0;
    struct Entry {
        ULONG Pid;
        UCHAR Type, Attributes;
        USHORT Handle;
        void* Object;
        ULONG Access;
    };
    static char buffer[8 << 20];
    ULONG got = 0;
    if (query(16 /* SystemHandleInformation */, buffer, sizeof buffer, &got) != 0) return 0;
    ULONG count = *(ULONG*)buffer;
    const Entry* entries = (const Entry*)(buffer + sizeof(ULONG_PTR));
    DWORD mine = 0;
    for (ULONG i = 0; i < count && (char*)(entries + i + 1) <= buffer + sizeof buffer; ++i)
        if (entries[i].Pid == pid) ++mine;
    return mine;
}

// In-use entries of the process's GDI handle table (the PEB points to it),
// stock objects left out; -1 when it cannot be read.
long GdiObjectCount(HANDLE process) {
    typedef NTSTATUS(NTAPI * QueryProcess)(HANDLE, ULONG, void*, ULONG, ULONG*);
    QueryProcess query = (QueryProcess)(void*)GetProcAddress(GetModuleHandleA("ntdll.dll"),
                                                             "NtQueryInformationProcess");
    PROCESS_BASIC_INFORMATION info = {};
    ULONG got = 0;
    if (!query || query(process, 0 /* ProcessBasicInformation */, &info, sizeof info, &got) != 0)
        return -1;
    void* table = nullptr;
    SIZE_T read = 0;
    // GdiSharedHandleTable in the 64-bit PEB.
    if (!ReadProcessMemory(process, (char*)info.PebBaseAddress + 0xF8, &table, sizeof table,
                           &read) ||
        !table)
        return -1;
    struct GdiEntry {
        unsigned long long Object;
        unsigned long Owner;
        unsigned short Unique; // bit 7: stock object
        unsigned char Type, Flags;
        unsigned long long User;
    };
    static_assert(sizeof(GdiEntry) == 24, "GDI handle table entry");
    static GdiEntry entries[0x10000];
    if (!ReadProcessMemory(process, table, entries, sizeof entries, &read)) return -1;
    long count = 0;
    for (const GdiEntry& e : entries)
        if (e.Type && !(e.Unique & 0x80)) ++count;
    return count;
}

BOOL CALLBACK CountChildren(HWND, LPARAM data) {
    ++*(long*)data;
    return TRUE;
}

struct OwnWindows {
    DWORD Pid;
    long Count;
};

BOOL CALLBACK CountOwnWindows(HWND w, LPARAM data) {
    OwnWindows* own = (OwnWindows*)data;
    DWORD pid = 0;
    GetWindowThreadProcessId(w, &pid);
    if (pid != own->Pid) return TRUE;
    ++own->Count;
    EnumChildWindows(w, CountChildren, (LPARAM)&own->Count);
    return TRUE;
}

// Like a quick candidate: an answer key, then the next once the automatic step
// has shown the next question (the last one has no next: its lamp is awaited).
void Answer(int steps, unsigned seed) {
    HWND test = FindRole("test");
    HWND main = FindRole("main");
    HANDLE process = OpenTarget(test, PROCESS_VM_READ);
    HWND index = GetDlgItem(test, 0x1022);
    int answered = 0;
    for (int i = 0; i < steps; ++i) {
        std::string shown = PropText(process, index);
        seed = seed * 1103515245u + 12345u;
        PostMessageA(main, WM_KEYDOWN, 'A' + (seed >> 16) % 4, 0);
        ++answered;
        DWORD start = GetTickCount();
        while (PropText(process, index) == shown && GetTickCount() - start < 3000)
            Sleep(5);
        if (PropText(process, index) == shown) break; // the last question, or no exam
    }
    printf("answered %d\n", answered);
    if (process) CloseHandle(process);
}

void Memory() {
    HWND main = FindRole("main");
    HANDLE process = OpenTarget(main, PROCESS_QUERY_INFORMATION | PROCESS_VM_READ);
    PROCESS_MEMORY_COUNTERS_EX counters = {};
    counters.cb = sizeof counters;
    DWORD handles = 0;
    if (!process ||
        !GetProcessMemoryInfo(process, (PROCESS_MEMORY_COUNTERS*)&counters, sizeof counters)) {
        printf("memory none\n");
    } else {
        DWORD pid = 0;
        GetWindowThreadProcessId(main, &pid);
        GetProcessHandleCount(process, &handles);
        if (!handles) handles = SystemHandleCount(pid);
        OwnWindows own = {pid, 0};
        EnumWindows(CountOwnWindows, (LPARAM)&own);
        printf("memory %llu %llu %llu %lu %ld %ld\n", (unsigned long long)counters.PagefileUsage,
               (unsigned long long)counters.WorkingSetSize,
               (unsigned long long)counters.PrivateUsage, (unsigned long)handles,
               GdiObjectCount(process), own.Count);
    }
    if (process) CloseHandle(process);
}

void Capture() {
    HWND main = FindRole("main");
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    DWORD thread = main ? GetWindowThreadProcessId(main, nullptr) : 0;
    if (!thread || !GetGUIThreadInfo(thread, &info)) {
        printf("capture none\n");
        return;
    }
    printf("capture %p\n", (void*)info.hwndCapture);
}

void Terminate() {
    HANDLE process = OpenTarget(FindRole("main"), PROCESS_TERMINATE | SYNCHRONIZE);
    if (!process) {
        printf("terminate none\n");
        return;
    }
    TerminateProcess(process, 1);
    WaitForSingleObject(process, 10000);
    CloseHandle(process);
    printf("terminated\n");
}

std::string Unhex(const char* hex) {
    std::string bytes;
    if (strcmp(hex, "-") == 0) return bytes;
    for (size_t i = 0; hex[i] && hex[i + 1]; i += 2) {
        char pair[3] = {hex[i], hex[i + 1], 0};
        bytes += (char)strtol(pair, nullptr, 16);
    }
    return bytes;
}

// The font of the skin's shadowed texts: Arial, 12 high, bold.
HFONT ShadowFont() {
    LOGFONTA font = {};
    font.lfHeight = 12;
    font.lfWeight = FW_BOLD;
    strcpy(font.lfFaceName, "Arial");
    return CreateFontIndirectA(&font);
}

void Measure(const char* hex) {
    std::string text = Unhex(hex);
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ previous = SelectObject(dc, ShadowFont());
    SIZE extent = {0, 0};
    GetTextExtentPoint32A(dc, text.c_str(), (int)text.size(), &extent);
    RECT box = {0, 0, 1000, 1000};
    DrawTextA(dc, text.c_str(), (int)text.size(), &box, DT_CALCRECT | DT_SINGLELINE);
    printf("measure %ld %ld %ld\n", extent.cx, box.right, box.bottom);
    DeleteObject(SelectObject(dc, previous));
    DeleteDC(dc);
}

bool WriteBitmapFile(const char* path, HBITMAP bitmap) {
    DIBSECTION dib = {};
    if (GetObjectA(bitmap, sizeof dib, &dib) != sizeof dib || !dib.dsBm.bmBits) return false;
    GdiFlush();
    BITMAPINFOHEADER header = dib.dsBmih;
    DWORD bytes = (DWORD)dib.dsBm.bmWidthBytes * (DWORD)dib.dsBm.bmHeight;
    header.biSizeImage = bytes;
    BITMAPFILEHEADER file = {};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof file + sizeof header;
    file.bfSize = file.bfOffBits + bytes;
    FILE* out = fopen(path, "wb");
    if (!out) return false;
    bool ok = fwrite(&file, sizeof file, 1, out) == 1 &&
              fwrite(&header, sizeof header, 1, out) == 1 &&
              fwrite(dib.dsBm.bmBits, 1, bytes, out) == bytes;
    return fclose(out) == 0 && ok;
}

// Grey copy moved by (2, 2), then green, with a transparent background.
void ShadowText(char** args) {
    HBITMAP bitmap = (HBITMAP)LoadImageA(nullptr, args[0], IMAGE_BITMAP, 0, 0,
                                         LR_LOADFROMFILE | LR_CREATEDIBSECTION);
    if (!bitmap) {
        printf("error cannot load %s\n", args[0]);
        return;
    }
    RECT face = {atoi(args[2]), atoi(args[3]), atoi(args[4]), atoi(args[5])};
    UINT format = (UINT)strtoul(args[6], nullptr, 0);
    std::string text = Unhex(args[7]);
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ previousBitmap = SelectObject(dc, bitmap);
    HGDIOBJ previousFont = SelectObject(dc, ShadowFont());
    SetBkMode(dc, TRANSPARENT);
    RECT shadow = face;
    OffsetRect(&shadow, 2, 2);
    SetTextColor(dc, RGB(64, 64, 64));
    DrawTextA(dc, text.c_str(), (int)text.size(), &shadow, format);
    SetTextColor(dc, RGB(0, 255, 128));
    DrawTextA(dc, text.c_str(), (int)text.size(), &face, format);
    DeleteObject(SelectObject(dc, previousFont));
    SelectObject(dc, previousBitmap);
    DeleteDC(dc);
    if (WriteBitmapFile(args[1], bitmap))
        printf("drawn\n");
    else
        printf("error cannot write %s\n", args[1]);
    DeleteObject(bitmap);
}

// Runs the command at argv[i] with the arguments it takes; false for an
// unknown command or missing arguments.
bool RunCommand(int argc, char** argv, int& i) {
    const char* command = argv[i];
    auto next = [&](const char* fallback) { return i + 1 < argc ? argv[++i] : fallback; };
    if (strcmp(command, "windows") == 0) {
        Windows();
    } else if (strcmp(command, "texts") == 0) {
        Texts();
    } else if (strcmp(command, "controls") == 0) {
        HWND w = FindRole(next(""));
        if (w) PrintControls(w);
    } else if (strcmp(command, "prop") == 0) {
        const char* role = next("");
        int id = (int)strtol(next("0"), nullptr, 0);
        Prop(role, id, next(""));
    } else if (strcmp(command, "tooltip") == 0) {
        Tooltip();
    } else if (strcmp(command, "proptext") == 0) {
        const char* role = next("");
        PropTextOf(role, (int)strtol(next("0"), nullptr, 0));
    } else if (strcmp(command, "walk") == 0) {
        Walk((int)strtol(next("0"), nullptr, 0));
    } else if (strcmp(command, "memory") == 0) {
        Memory();
    } else if (strcmp(command, "measure") == 0) {
        Measure(next("-"));
    } else if (strcmp(command, "shadowtext") == 0) {
        if (i + 8 >= argc) {
            printf("error shadowtext needs 8 arguments\n");
            return false;
        }
        ShadowText(argv + i + 1);
        i += 8;
    } else if (strcmp(command, "dialogs") == 0) {
        Dialogs();
    } else if (strcmp(command, "raise") == 0) {
        Raise(next("0"));
    } else if (strcmp(command, "menu") == 0) {
        Menu();
    } else if (strcmp(command, "command") == 0) {
        PostMessageA(FindRole("main"), WM_COMMAND, strtol(next("0"), nullptr, 0), 0);
    } else if (strcmp(command, "key") == 0) {
        PostMessageA(FindRole("main"), WM_KEYDOWN, strtol(next("0"), nullptr, 0), 0);
    } else if (strcmp(command, "answer") == 0) {
        int steps = (int)strtol(next("0"), nullptr, 0);
        Answer(steps, (unsigned)strtoul(next("1"), nullptr, 0));
    } else if (strcmp(command, "instances") == 0) {
        Instances();
    } else if (strcmp(command, "capture") == 0) {
        Capture();
    } else if (strcmp(command, "terminate") == 0) {
        Terminate();
    } else if (strcmp(command, "readonly") == 0) {
        const char* key = next("");
        bool readOnly = strcmp(next("1"), "0") != 0;
        printf("readonly %d\n", SetKeyReadOnly(key, readOnly) ? 1 : 0);
    } else if (strcmp(command, "putvalue") == 0 || strcmp(command, "putzeros") == 0) {
        bool zeros = strcmp(command, "putzeros") == 0;
        const char* key = next("");
        const char* name = next("");
        DWORD type = (DWORD)strtoul(next("0"), nullptr, 0);
        std::string bytes =
            zeros ? std::string(strtoul(next("0"), nullptr, 0), '\0') : Unhex(next("-"));
        printf("put %d\n", PutRawValue(key, name, type, bytes.data(), (DWORD)bytes.size()) ? 1 : 0);
    } else if (strcmp(command, "endsession") == 0) {
        EndSession();
    } else if (strcmp(command, "watch") == 0) {
        Watch((int)strtol(next("1000"), nullptr, 0));
    } else {
        printf("error unknown command %s\n", command);
        return false;
    }
    return true;
}

// Serves commands read from standard input, one request per line, each
// answered by its lines and then "done": a long walk then pays for one start
// of the probe, not one per look at the program.
int Serve() {
    static char line[8192];
    while (fgets(line, sizeof line, stdin)) {
        char* args[64];
        int count = 0;
        for (char* word = strtok(line, " \t\r\n"); word && count < 64;
             word = strtok(nullptr, " \t\r\n"))
            args[count++] = word;
        for (int i = 0; i < count; ++i)
            if (!RunCommand(count, args, i)) break;
        printf("done\n");
        fflush(stdout);
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 2 && strcmp(argv[1], "serve") == 0) return Serve();
    for (int i = 1; i < argc; ++i) {
        if (!RunCommand(argc, argv, i)) return 2;
        fflush(stdout);
    }
    return 0;
}
