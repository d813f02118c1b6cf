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

int WriteCount(int count) {
    RegistryRequest request;
    PrepareRegistryRequest(&request, HKEY_CURRENT_USER, LogKey, CountName);
    snprintf(request.Data, sizeof request.Data, "%d", ClampLogCount(count));
    return WriteStringValue(&request);
}

int WriteEntry(int index) {
    char name[LogValueNameSize];
    LogValueName(index, name);
    RegistryRequest request;
    PrepareRegistryRequest(&request, HKEY_CURRENT_USER, LogKey, name);
    PackLogEntry(Log.Entries[index], (unsigned char*)request.Data);
    return WriteBinaryValue(&request, LogEntryBytes);
}

// Entries go first and the count last, each value written whole: a run ended
// by force between two writes leaves a count that points at stored entries
// only. first..last are entry indices.
int WriteEntriesThenCount(int first, int last) {
    int failed = 0;
    for (int i = first; i <= last; ++i)
        if (!WriteEntry(i)) failed = 1;
    if (!WriteCount(Log.NumEntries)) failed = 1;
    return !failed;
}

uint64_t CurrentDateValue() {
    SYSTEMTIME now;
    GetSystemTime(&now);
    return PackDateValue(now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond);
}

} // namespace

int AddCurrentTestToLog() {
    int wasFull = Log.NumEntries >= LogCapacity;
    switch (AddTestToLog(&Log, &Test, Mode, CurrentDateValue())) {
    case LogAddAlreadyLogged:
        MessageBoxA(MainWindow, Str(SlotAlreadyLogged), Str(SlotAppTitle), MB_OK | MB_ICONERROR);
        return 1;
    case LogAddNotFinished:
        MessageBoxA(MainWindow, Str(SlotNotFinished), Str(SlotAppTitle), MB_OK | MB_ICONWARNING);
        return 0;
    case LogAddDone:
        // Kept at once: the new entry (or, when the oldest was dropped, every
        // shifted one), then the count.
        WriteEntriesThenCount(wasFull ? 0 : Log.NumEntries - 1, Log.NumEntries - 1);
        break;
    case LogAddIgnored: break;
    }
    return 1;
}

int ClearLog(HWND owner) {
    if (MessageBoxA(owner, Str(SlotConfirmClear), Str(SlotAppTitle), MB_YESNO | MB_ICONQUESTION) !=
        IDYES)
        return 0;
    ClearResultsLog(&Log);
    // The old entry values stay in the store; they no longer count.
    WriteCount(0);
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
    return WriteEntriesThenCount(0, ClampLogCount(Log.NumEntries) - 1);
}
