// Arbitrary option values and 60-byte print-font records, as a hand-edited
// store would hold them, through the check that makes them safe to use and
// the uses that follow: the language, the print font's height and the date.
#include "print/print_layout.h"
#include "settings/options.h"

#include <cstdint>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Options options;
    SetDefaultOptions();
    options = CurrentOptions;
    // Four values as read, then the record when the value has its 60 bytes
    // (any other size keeps the default).
    int32_t values[4] = {};
    size_t taken = size < sizeof values ? size : sizeof values;
    memcpy(values, data, taken);
    options.ShowAnswerBefore = values[0];
    options.PlaySounds = values[1];
    options.ShowLogLabels = values[2];
    options.Language = values[3];
    if (size - taken >= sizeof(StoredFont))
        memcpy(&options.PrintFont, data + taken, sizeof(StoredFont));

    CheckLoadedOptions(&options);
    if (options.Language != 1 && options.Language != 2) __builtin_trap();
    if (strnlen(options.PrintFont.FaceName, sizeof options.PrintFont.FaceName) >=
        sizeof options.PrintFont.FaceName)
        __builtin_trap();

    // The printer's vertical resolution is the other operand of the height.
    int dpi = size > taken + sizeof(StoredFont) ? (int)data[size - 1] * 16 : 300;
    int height = PrintFontHeight(options.PrintFont.Height, dpi);
    if (height < 0) __builtin_trap();

    char date[ExamDateSize];
    memset(date, '#', sizeof date);
    FormatExamDate(date, sizeof date, values[0], values[1], values[2], options.Language);
    if (memchr(date, 0, sizeof date) == nullptr) __builtin_trap();
    return 0;
}
