#include "settings/registry_win32.h"

#include <cstring>

namespace {

void CopyBounded(char* out, const char* in) {
    size_t n = in ? strnlen(in, RegistryBufferSize - 1) : 0;
    memcpy(out, in, n);
    out[n] = 0;
}

// Full access, as the store has always been opened.
HKEY OpenKey(const RegistryRequest* request) {
    HKEY key = nullptr;
    char path[RegistryBufferSize];
    CopyBounded(path, request->KeyPath);
    if (RegOpenKeyExA(request->Root, path, 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS)
        return nullptr;
    return key;
}

// Reads ask for full access first and settle for reading: a key the user may
// not write (a read-only ACL) still gives its values instead of the defaults.
HKEY OpenKeyToRead(const RegistryRequest* request) {
    HKEY key = OpenKey(request);
    if (key) return key;
    char path[RegistryBufferSize];
    CopyBounded(path, request->KeyPath);
    if (RegOpenKeyExA(request->Root, path, 0, KEY_READ, &key) != ERROR_SUCCESS) return nullptr;
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
    HKEY key = OpenKeyToRead(request);
    if (!key) return 0;
    char name[RegistryBufferSize];
    CopyBounded(name, request->ValueName);
    BYTE buffer[RegistryBufferSize];
    DWORD size = sizeof buffer;
    DWORD type = REG_NONE;
    LONG status = RegQueryValueExA(key, name, nullptr, &type, buffer, &size);
    RegCloseKey(key);
    // Only text is text: the bytes of a hand-made REG_DWORD or REG_MULTI_SZ
    // would otherwise read as some number.
    if (status != ERROR_SUCCESS || type != REG_SZ) return 0;
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
    HKEY key = OpenKeyToRead(request);
    if (!key) return 0;
    char name[RegistryBufferSize];
    CopyBounded(name, request->ValueName);
    BYTE buffer[RegistryBufferSize];
    DWORD size = (DWORD)n;
    DWORD type = REG_NONE;
    LONG status = RegQueryValueExA(key, name, nullptr, &type, buffer, &size);
    RegCloseKey(key);
    // A record stored as text (or any other type) is not a record.
    if (status != ERROR_SUCCESS || type != REG_BINARY || size != (DWORD)n) return 0;
    memcpy(request->Data, buffer, n);
    return 1;
}

int WriteBinaryValue(const RegistryRequest* request, int n) {
    if (n < 0 || n > RegistryBufferSize) return 0;
    return WriteValue(request, REG_BINARY, (const BYTE*)request->Data, (DWORD)n);
}
