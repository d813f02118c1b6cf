// Reads and pokes a running korvane.exe from outside, in the same Wine prefix,
// for the end-to-end tests. Each argument is one command; each command prints
// lines of space-separated fields that tests/support/korvane_e2e.py parses.
// Texts are printed as hex bytes (Windows-1252), "-" for none.
//
//   windows                 window <role> <hwnd> <visible> <left> <top> <right> <bottom>
//   texts                   text <id> <hex>   (the ten test displays and the about text)
//   controls <role>         control <id> <class> <visible> <left> <top> <right> <bottom>
//   prop <role> <id> <name> prop <value>     (id 0: the window itself)
//   tooltip                 tooltip <visible> <left> <top> <right> <bottom> <hex>
//   dialogs                 dialog <hwnd> <hex title> <left> <top> <right> <bottom>
//                           button <hwnd> <hex text> <left> <top> <right> <bottom>
//   menu                    menu <visible> <left> <top> <right> <bottom>
//   command <id>            posts WM_COMMAND to the main window
//   key <vk>                posts WM_KEYDOWN to the main window
//   endsession              asks and ends the session as Windows does, then ends
//                           the process: query <answer>, ended
//   watch <ms>              samples lamps and displays every 5 ms, printing the
//                           state, then "watching", then every change:
//                           at <ms> led <0..3> <active>, at <ms> text <id> <hex>
#include <windows.h>

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
    for (const Role& role : Roles) {
        HWND w = FindWindowA(role.Class, nullptr);
        printf("window %s %p %d", role.Name, (void*)w, w && IsWindowVisible(w) ? 1 : 0);
        PrintRect(w);
        printf("\n");
    }
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
    if (_stricmp(name, "Button") != 0) return TRUE;
    GetWindowTextA(w, text, sizeof text);
    printf("button %p %s", (void*)w, Hex(text).c_str());
    PrintRect(w);
    printf("\n");
    return TRUE;
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
        printf("\n");
        EnumChildWindows(w, PrintButton, 0);
    }
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

} // namespace

int main(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
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
        } else if (strcmp(command, "dialogs") == 0) {
            Dialogs();
        } else if (strcmp(command, "menu") == 0) {
            Menu();
        } else if (strcmp(command, "command") == 0) {
            PostMessageA(FindRole("main"), WM_COMMAND, strtol(next("0"), nullptr, 0), 0);
        } else if (strcmp(command, "key") == 0) {
            PostMessageA(FindRole("main"), WM_KEYDOWN, strtol(next("0"), nullptr, 0), 0);
        } else if (strcmp(command, "endsession") == 0) {
            EndSession();
        } else if (strcmp(command, "watch") == 0) {
            Watch((int)strtol(next("1000"), nullptr, 0));
        } else {
            printf("error unknown command %s\n", command);
            return 2;
        }
        fflush(stdout);
    }
    return 0;
}
