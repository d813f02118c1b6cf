#include "log/results_log_win32.h"

#include "engine/test_state.h"
#include "log/results_log.h"
#include "settings/options.h"
#include "settings/registry_win32.h"
#include "settings/strings.h"
#include "ui/shell_state_win32.h"

#include <cstdio>
#include <cstring>

namespace {

const char LogKey[] = "Software\\Korvane\\Log";
const char CountName[] = "NumEntries";

enum { SlotAlreadyLogged = 1, SlotNotFinished = 2, SlotConfirmClear = 35 };

uint64_t CurrentDateValue() {
    SYSTEMTIME now;
    GetSystemTime(&now);
    return PackDateValue(now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond);
}

} // namespace

int AddCurrentTestToLog() {
    switch (AddTestToLog(&Log, &Test, Mode, CurrentDateValue())) {
    case LogAddAlreadyLogged:
        MessageBoxA(MainWindow, Str(SlotAlreadyLogged), Str(SlotAppTitle), MB_OK | MB_ICONERROR);
        return 1;
    case LogAddNotFinished:
        MessageBoxA(MainWindow, Str(SlotNotFinished), Str(SlotAppTitle), MB_OK | MB_ICONWARNING);
        return 0;
    case LogAddIgnored:
    case LogAddDone: break;
    }
    return 1;
}

int ClearLog(HWND owner) {
    if (MessageBoxA(owner, Str(SlotConfirmClear), Str(SlotAppTitle), MB_YESNO | MB_ICONQUESTION) !=
        IDYES)
        return 0;
    ClearResultsLog(&Log);
    return 1;
}

int LoadLog() {
    ResetResultsLog(&Log, ChartPoints);
    RegistryRequest request;
    PrepareRegistryRequest(&request, HKEY_CURRENT_USER, LogKey, CountName);
    if (!ReadStringValue(&request)) return 0;
    int count = ClampLogCount(ParseDecimal(request.Data));
    for (int i = 0; i < count; ++i) {
        char name[LogValueNameSize];
        LogValueName(i, name);
        PrepareRegistryRequest(&request, HKEY_CURRENT_USER, LogKey, name);
        // An unreadable entry stays all zero and keeps its place.
        if (ReadBinaryValue(&request, LogEntryBytes))
            Log.Entries[i] = UnpackLogEntry((const unsigned char*)request.Data);
    }
    Log.NumEntries = count;
    return 1;
}

int SaveLog() {
    int count = ClampLogCount(Log.NumEntries);
    int failed = 0;
    RegistryRequest request;
    PrepareRegistryRequest(&request, HKEY_CURRENT_USER, LogKey, CountName);
    snprintf(request.Data, sizeof request.Data, "%d", count);
    if (!WriteStringValue(&request)) failed = 1;
    for (int i = 0; i < count; ++i) {
        char name[LogValueNameSize];
        LogValueName(i, name);
        PrepareRegistryRequest(&request, HKEY_CURRENT_USER, LogKey, name);
        PackLogEntry(Log.Entries[i], (unsigned char*)request.Data);
        if (!WriteBinaryValue(&request, LogEntryBytes)) failed = 1;
    }
    return !failed;
}
