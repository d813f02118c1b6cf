#include "tests/support/raw_store_win32.h"

#include <cstring>

void DeleteKorvaneStore() {
    // A key left read-only by a test would survive the delete.
    for (const char* key : {"Software\\Korvane", "Software\\Korvane\\Options",
                            "Software\\Korvane\\Log", "Software\\Korvane\\Scratch\\Deeper"})
        SetKeyReadOnly(key, false);
    RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Korvane");
}

bool SetKeyReadOnly(const char* key, bool readOnly) {
    // The owner may always change the ACL, whatever it grants.
    HKEY handle;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, key, 0, WRITE_DAC, &handle) != ERROR_SUCCESS) return false;
    SECURITY_DESCRIPTOR sd;
    InitializeSecurityDescriptor(&sd, SECURITY_DESCRIPTOR_REVISION);
    alignas(DWORD) char aclBytes[256];
    ACL* acl = (ACL*)aclBytes;
    PSID everyone = nullptr;
    SID_IDENTIFIER_AUTHORITY world = SECURITY_WORLD_SID_AUTHORITY;
    bool ok = true;
    if (readOnly) {
        ok = InitializeAcl(acl, sizeof aclBytes, ACL_REVISION) &&
             AllocateAndInitializeSid(&world, 1, SECURITY_WORLD_RID, 0, 0, 0, 0, 0, 0, 0,
                                      &everyone) &&
             AddAccessAllowedAce(acl, ACL_REVISION, KEY_READ, everyone);
    }
    // Writable again: no DACL, everyone has full access.
    ok = ok && SetSecurityDescriptorDacl(&sd, TRUE, readOnly ? acl : nullptr, FALSE) &&
         RegSetKeySecurity(handle, DACL_SECURITY_INFORMATION, &sd) == ERROR_SUCCESS;
    if (everyone) FreeSid(everyone);
    RegCloseKey(handle);
    return ok;
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
