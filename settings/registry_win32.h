// Access to the per-user settings store: one key opened per operation.
#pragma once

#include <windows.h>

enum { RegistryBufferSize = 260 };

struct RegistryRequest {
    HKEY Root;
    char KeyPath[RegistryBufferSize];
    char ValueName[RegistryBufferSize];
    // Output of the reads, input of the writes: a terminated string or raw bytes.
    char Data[RegistryBufferSize];
};

// Fills root, key path and value name (cut to the buffers, always terminated)
// and clears Data.
void PrepareRegistryRequest(RegistryRequest* request, HKEY root, const char* keyPath,
                            const char* valueName);

// Each returns 1 on success and 0 on failure. Reads never create the key and
// also read a key that may not be written; writes create it when it is
// missing. A value of another type than the one asked for counts as missing.

// Data receives the REG_SZ text, always terminated, at most 259 characters.
int ReadStringValue(RegistryRequest* request);
// Writes Data as REG_SZ, terminator included.
int WriteStringValue(const RegistryRequest* request);
// Data receives exactly n bytes of a REG_BINARY value. A value longer than n
// fails (the query does not fit) and so does a shorter one: a partial record
// is treated as missing.
int ReadBinaryValue(RegistryRequest* request, int n);
// Writes the first n bytes of Data as REG_BINARY.
int WriteBinaryValue(const RegistryRequest* request, int n);
