#include "settings/options.h"

#include <cstring>

Options CurrentOptions;
int Mode = ModeExam;

void SetDefaultOptions() {
    memset(&CurrentOptions, 0, sizeof CurrentOptions);
    CurrentOptions.ShowAnswerBefore = 0;
    CurrentOptions.PlaySounds = 1;
    CurrentOptions.ShowLogLabels = 1;
    CurrentOptions.Language = 1;
    CurrentOptions.PrintFont.Height = 12;
    CurrentOptions.PrintFont.Weight = 400;
    strcpy(CurrentOptions.PrintFont.FaceName, "Arial");
    Mode = ModeExam;
}

void CheckLoadedOptions(Options* options) {
    if (options->Language != 1 && options->Language != 2) options->Language = 1;
    options->PrintFont.FaceName[sizeof options->PrintFont.FaceName - 1] = 0;
}

int ParseDecimal(const char* text) {
    const char* p = text;
    while (*p == ' ' || (*p >= '\t' && *p <= '\r'))
        ++p;
    bool negative = false;
    if (*p == '+' || *p == '-') negative = *p++ == '-';
    // Saturate instead of overflowing: a hand-edited store may hold anything.
    long long value = 0;
    for (; *p >= '0' && *p <= '9'; ++p) {
        value = value * 10 + (*p - '0');
        if (value > 2147483648LL) value = 2147483648LL;
    }
    if (negative) value = -value;
    if (value > 2147483647LL) value = 2147483647LL;
    return (int)value;
}
