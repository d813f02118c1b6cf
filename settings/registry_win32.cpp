#include "settings/registry_win32.h"

#include <cstring>

namespace {

void CopyBounded(char* out, const char* in) {
    size_t n = in ? strnlen(in, RegistryBufferSize - 1) : 0;
    memcpy(out, in, n);
    out[n] = 0;
}

// Full access also for reading, as the store has always been opened.
HKEY OpenKey(const RegistryRequest* request) {
    HKEY key = nullptr;
    char path[RegistryBufferSize];
    CopyBounded(path, request->KeyPath);
    if (RegOpenKeyExA(request->Root, path, 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS)
        return nullptr;
    return key;
}

HKEY OpenOrCreateKey(const RegistryRequest* request) {
    HKEY key = OpenKey(request);
    if (key) return key;
    char path[RegistryBufferSize];
    CopyBounded(path, request->KeyPath);
    char emptyClass[] = "";
    if (RegCreateKeyExA(request->Root, path, 0, emptyClass, 0, KEY_ALL_ACCESS, nullptr, &key,
                        nullptr) != ERROR_SUCCESS)
        return nullptr;
    return key;
}

int WriteValue(const RegistryRequest* request, DWORD type, const BYTE* data, DWORD size) {
    HKEY key = OpenOrCreateKey(request);
    if (!key) return 0;
    char name[RegistryBufferSize];
    CopyBounded(name, request->ValueName);
    LONG status = RegSetValueExA(key, name, 0, type, data, size);
    RegCloseKey(key);
    return status == ERROR_SUCCESS;
}

} // namespace

void PrepareRegistryRequest(RegistryRequest* request, HKEY root, const char* keyPath,
                            const char* valueName) {
    request->Root = root;
    CopyBounded(request->KeyPath, keyPath);
    CopyBounded(request->ValueName, valueName);
    memset(request->Data, 0, sizeof request->Data);
}

int ReadStringValue(RegistryRequest* request) {
    HKEY key = OpenKey(request);
    if (!key) return 0;
    char name[RegistryBufferSize];
    CopyBounded(name, request->ValueName);
    BYTE buffer[RegistryBufferSize];
    DWORD size = sizeof buffer;
    LONG status = RegQueryValueExA(key, name, nullptr, nullptr, buffer, &size);
    RegCloseKey(key);
    if (status != ERROR_SUCCESS) return 0;
    // A hand-written value may lack its terminator: stop at the bytes returned
    // and always leave room for one.
    if (size > RegistryBufferSize - 1) size = RegistryBufferSize - 1;
    size_t length = strnlen((const char*)buffer, size);
    memcpy(request->Data, buffer, length);
    request->Data[length] = 0;
    return 1;
}

int WriteStringValue(const RegistryRequest* request) {
    char text[RegistryBufferSize];
    CopyBounded(text, request->Data);
    return WriteValue(request, REG_SZ, (const BYTE*)text, (DWORD)strlen(text) + 1);
}

int ReadBinaryValue(RegistryRequest* request, int n) {
    if (n < 0 || n > RegistryBufferSize) return 0;
    HKEY key = OpenKey(request);
    if (!key) return 0;
    char name[RegistryBufferSize];
    CopyBounded(name, request->ValueName);
    BYTE buffer[RegistryBufferSize];
    DWORD size = (DWORD)n;
    LONG status = RegQueryValueExA(key, name, nullptr, nullptr, buffer, &size);
    RegCloseKey(key);
    if (status != ERROR_SUCCESS || size != (DWORD)n) return 0;
    memcpy(request->Data, buffer, n);
    return 1;
}

int WriteBinaryValue(const RegistryRequest* request, int n) {
    if (n < 0 || n > RegistryBufferSize) return 0;
    return WriteValue(request, REG_BINARY, (const BYTE*)request->Data, (DWORD)n);
}
