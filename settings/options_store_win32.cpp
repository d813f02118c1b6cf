#include "settings/options_store_win32.h"

#include "settings/options.h"
#include "settings/registry_win32.h"

#include <cstddef>
#include <cstdio>
#include <cstring>

static_assert(sizeof(LOGFONTA) == sizeof(StoredFont), "print font is stored as LOGFONTA");
static_assert(offsetof(LOGFONTA, lfFaceName) == offsetof(StoredFont, FaceName),
              "print font is stored as LOGFONTA");

namespace {

const char OptionsKey[] = "Software\\Korvane\\Options";

struct NumericOption {
    const char* Name;
    int* Field;
};
// Read and written in this order.
const NumericOption NumericOptions[] = {
    {"PlaySounds", &CurrentOptions.PlaySounds},
    {"ShowAnswerBefore", &CurrentOptions.ShowAnswerBefore},
    {"ShowLogLabels", &CurrentOptions.ShowLogLabels},
    {"Language", &CurrentOptions.Language},
};

} // namespace

int LoadOptions() {
    SetDefaultOptions();
    RegistryRequest request;
    for (const NumericOption& option : NumericOptions) {
        PrepareRegistryRequest(&request, HKEY_CURRENT_USER, OptionsKey, option.Name);
        if (ReadStringValue(&request)) *option.Field = ParseDecimal(request.Data);
    }
    PrepareRegistryRequest(&request, HKEY_CURRENT_USER, OptionsKey, "PrintFont");
    if (ReadBinaryValue(&request, sizeof(StoredFont)))
        memcpy(&CurrentOptions.PrintFont, request.Data, sizeof(StoredFont));
    CheckLoadedOptions(&CurrentOptions);
    return 1;
}

namespace {

int WriteNumericOption(const NumericOption& option) {
    RegistryRequest request;
    PrepareRegistryRequest(&request, HKEY_CURRENT_USER, OptionsKey, option.Name);
    snprintf(request.Data, sizeof request.Data, "%d", *option.Field);
    return WriteStringValue(&request);
}

int WritePrintFont() {
    RegistryRequest request;
    PrepareRegistryRequest(&request, HKEY_CURRENT_USER, OptionsKey, "PrintFont");
    memcpy(request.Data, &CurrentOptions.PrintFont, sizeof(StoredFont));
    return WriteBinaryValue(&request, sizeof(StoredFont));
}

} // namespace

int SaveOptions() {
    int written = 0;
    for (const NumericOption& option : NumericOptions)
        written += WriteNumericOption(option);
    written += WritePrintFont();
    return written == 5;
}

int SaveOption(const char* name) {
    if (!name) return 0;
    if (strcmp(name, "PrintFont") == 0) return WritePrintFont();
    for (const NumericOption& option : NumericOptions)
        if (strcmp(name, option.Name) == 0) return WriteNumericOption(option);
    return 0;
}
