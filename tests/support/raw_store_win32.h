// Direct access to the program's part of the registry for tests: wipe it, put
// values of any type and size, read values back with their type.
#pragma once

#include <windows.h>

#include <vector>

// Removes HKCU\Software\Korvane with everything below it, also keys that a
// test made read-only.
void DeleteKorvaneStore();

// Gives HKCU\<key> an ACL that lets everyone read it and nobody write it, or
// (readOnly false) full access for everyone again. True on success.
bool SetKeyReadOnly(const char* key, bool readOnly);

// Writes a value under HKCU\<key>, creating the key. True on success.
bool PutRawValue(const char* key, const char* name, DWORD type, const void* data, DWORD size);
bool PutRawString(const char* key, const char* name, const char* text); // REG_SZ with terminator

// Reads a value under HKCU\<key>. False when the key or value is missing.
bool GetRawValue(const char* key, const char* name, DWORD* type, std::vector<unsigned char>* data);

bool KeyExists(const char* key);
