#include "tests/support/raw_store_win32.h"

#include <cstring>

void DeleteKorvaneStore() {
    RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Korvane");
}

bool PutRawValue(const char* key, const char* name, DWORD type, const void* data, DWORD size) {
    HKEY handle;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, key, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &handle,
                        nullptr) != ERROR_SUCCESS)
        return false;
    LONG status = RegSetValueExA(handle, name, 0, type, (const BYTE*)data, size);
    RegCloseKey(handle);
    return status == ERROR_SUCCESS;
}

bool PutRawString(const char* key, const char* name, const char* text) {
    return PutRawValue(key, name, REG_SZ, text, (DWORD)strlen(text) + 1);
}

bool GetRawValue(const char* key, const char* name, DWORD* type, std::vector<unsigned char>* data) {
    HKEY handle;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, key, 0, KEY_READ, &handle) != ERROR_SUCCESS) return false;
    DWORD size = 0;
    LONG status = RegQueryValueExA(handle, name, nullptr, type, nullptr, &size);
    if (status == ERROR_SUCCESS) {
        data->assign(size, 0);
        status = RegQueryValueExA(handle, name, nullptr, type, data->data(), &size);
        data->resize(size);
    }
    RegCloseKey(handle);
    return status == ERROR_SUCCESS;
}

bool KeyExists(const char* key) {
    HKEY handle;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, key, 0, KEY_READ, &handle) != ERROR_SUCCESS) return false;
    RegCloseKey(handle);
    return true;
}
