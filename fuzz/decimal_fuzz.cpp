// Arbitrary bytes as the text of a stored option or log count: the decimal
// reading must stay inside the terminated buffer and never overflow, and the
// count it gives must stay inside the log.
#include "log/results_log.h"
#include "settings/options.h"

#include <cstdint>
#include <cstring>
#include <memory>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // What the store's string read hands over: at most 259 bytes, cut at the
    // first zero, terminated. An exact-size copy, so that ASan sees any read
    // past the terminator.
    size_t length = strnlen((const char*)data, size < 259 ? size : 259);
    std::unique_ptr<char[]> text(new char[length + 1]);
    memcpy(text.get(), data, length);
    text[length] = 0;

    int value = ParseDecimal(text.get());

    // Leading white space, a sign, digits: without a digit there the value is 0.
    const char* p = text.get();
    while (*p == ' ' || (*p >= '\t' && *p <= '\r'))
        ++p;
    if (*p == '+' || *p == '-') ++p;
    if (!(*p >= '0' && *p <= '9') && value != 0) __builtin_trap();
    // A minus sign never gives a positive value, and no sign a negative one.
    const char* s = text.get();
    while (*s == ' ' || (*s >= '\t' && *s <= '\r'))
        ++s;
    if (*s == '-' && value > 0) __builtin_trap();
    if (*s != '-' && value < 0) __builtin_trap();

    int count = ClampLogCount(value);
    if (count < 0 || count > LogCapacity) __builtin_trap();
    return 0;
}
