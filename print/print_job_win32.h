// The frame shared by the print jobs, and the drawing of each printout into
// any device context (a printer's, or a metafile's under test).
#pragma once

#include "print/print_layout.h"
#include "settings/options.h"

#include <windows.h>

enum { MaxJobFonts = 6 };

struct PrintJob {
    HDC Dc;
    PageMetrics Page;
    HFONT Fonts[MaxJobFonts];
    int FontCount;
    HGDIOBJ KeptFont;
    // StartPage and EndPage of the printer; a metafile has no pages, so a
    // test drawing into one marks them its own way.
    int (*BeginPage)(HDC dc);
    int (*FinishPage)(HDC dc);
};

// The printer dialog with no device settings; the printer's device context,
// or null when the user cancelled.
HDC ChoosePrinter(HWND owner);
// Abort procedure and StartDocA of "Velmoria Test"; 1 when the document started.
int StartPrintDocument(HDC dc);
// A job on dc: the device's page operations and its metrics.
void InitPrintJob(PrintJob* job, HDC dc);

// The job's next font from a stored record, its height taken as hundredths
// of an inch; the first one created is selected and the previous font kept.
// Null (the slot stays empty) when the font cannot be created.
HFONT AddJobFont(PrintJob* job, const StoredFont* record);
// Reselects the kept font and deletes the job's fonts.
void ReleaseJobFonts(PrintJob* job);

// Today's UTC date in the order of the current language (buffer of at least
// ExamDateSize bytes); always 1.
int FormatExamDate(char* buffer);
// "<class word> - <date> - Page n", right-aligned in rect, in the selected
// font; the drawn text's height.
int DrawPageHeader(HDC dc, const RECT* rect, int pageNumber);

// The listing of the current test: its font, the title page, the question
// pages, and the font released.
void DrawTestListing(PrintJob* job);

// 1 when the device can stretch bitmaps.
int PrinterCanStretch(HDC dc);
// As PrinterCanStretch, after warning the user (owned by owner) that no
// graphic will be printed when it cannot.
int CheckBitmapSupport(HWND owner, HDC dc);
// The one-page form of the current test; crosses on the correct answers when
// showCorrect, the logo strip of the language when withLogo.
void DrawAnswerSheet(PrintJob* job, int showCorrect, int withLogo);
