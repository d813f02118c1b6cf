#include "print/print_layout.h"

#include "bank/exam_class.h"
#include "settings/strings.h"

#include <cstdint>
#include <cstdio>

int FormatExamDate(char* buffer, size_t size, int year, int month, int day, int language) {
    if (!buffer || size == 0) return 1;
    if (language == LanguageEnglish)
        snprintf(buffer, size, "%02d-%02d-%04d", month, day, year);
    else if (language == LanguageFrench)
        snprintf(buffer, size, "%02d-%02d-%04d", day, month, year);
    return 1;
}

int PrintFontHeight(int storedHeight, int dpiY) {
    // The stored record comes from the registry: take |height| without
    // overflowing, and round half away from zero as MulDiv does.
    int64_t size = storedHeight < 0 ? -(int64_t)storedHeight : (int64_t)storedHeight;
    int64_t product = size * (int64_t)dpiY;
    int64_t height = product >= 0 ? (product + 50) / 100 : (product - 50) / 100;
    if (height > INT32_MAX) return INT32_MAX;
    if (height < INT32_MIN) return INT32_MIN;
    return (int)height;
}

int FormatTitlePage(char* buffer, size_t size, int classIndex, const char* date, int passMark,
                    int questionCount) {
    char pass[256];
    // Slot 34 is one of our own constant texts with two %d.
    snprintf(pass, sizeof pass, Str(34), passMark, questionCount);
    int written = snprintf(buffer, size, "\r\n\r\n%s\r\n\r\n%s\r\n\r\n%s\r\n\r\n\r\n\r\n%s\r\n",
                           Str(classIndex == ClassAdvanced ? 64 : 63), date, pass, Str(61));
    return written >= 0 && (size_t)written < size;
}

int FormatListingBlock(char* buffer, size_t size, int number, const QuestionRecord* record) {
    int written = snprintf(buffer, size,
                           "%d. (%s)\r\n%s\r\n\r\n\t1. \t%s\r\n\t2. \t%s\r\n\t3. \t%s\r\n\t4. "
                           "\t%s\r\n\r\n",
                           number, record->Code, record->Text, record->Answers[0],
                           record->Answers[1], record->Answers[2], record->Answers[3]);
    return written >= 0 && (size_t)written < size;
}

namespace {

int Saturated(int64_t value) {
    if (value > INT32_MAX) return INT32_MAX;
    if (value < INT32_MIN) return INT32_MIN;
    return (int)value;
}

} // namespace

// The device's figures and the heights DrawTextA reports are the driver's:
// the arithmetic saturates rather than wrapping into a page far above.
PageRect ListingColumn(const PageMetrics* page) {
    PageRect column;
    column.Left = page->DpiX;
    column.Top = page->DpiY;
    column.Right = Saturated((int64_t)page->Width - page->DpiX);
    column.Bottom = Saturated((int64_t)page->Height - page->DpiY);
    return column;
}

void StartListingFlow(ListingFlow* flow, const PageMetrics* page) {
    flow->Column = ListingColumn(page);
    flow->NextPage = 1;
    flow->Y = flow->Column.Top;
    flow->PageOpen = 0;
}

int OpenListingPage(ListingFlow* flow) {
    flow->PageOpen = 1;
    flow->Y = flow->Column.Top;
    return flow->NextPage++;
}

void AdvanceListing(ListingFlow* flow, int height) {
    flow->Y = Saturated((int64_t)flow->Y + height);
}

void CloseListingPage(ListingFlow* flow) {
    flow->PageOpen = 0;
}

int ListingNeedsBreak(const ListingFlow* flow, int blockHeight) {
    return (int64_t)flow->Y + blockHeight > flow->Column.Bottom;
}
