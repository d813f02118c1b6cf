// The frame of every print job: printer dialog, document, metrics, fonts and
// clean-up; and the page header that the listing's pages share.
#include "print/print_job_win32.h"

#include "bank/exam_class.h"
#include "engine/test_state.h"
#include "settings/strings.h"

#include <commdlg.h>
#include <cstddef>
#include <cstdio>
#include <cstring>

static_assert(sizeof(LOGFONTA) == sizeof(StoredFont), "stored print font is a LOGFONTA");
static_assert(offsetof(LOGFONTA, lfFaceName) == offsetof(StoredFont, FaceName),
              "stored print font is a LOGFONTA");

HDC ChoosePrinter(HWND owner) {
    // No device settings passed in: every job starts from the system's
    // default printer, whatever was chosen before.
    PRINTDLGA dialog;
    memset(&dialog, 0, sizeof dialog);
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.Flags = PD_RETURNDC | PD_NOPAGENUMS | PD_NOSELECTION;
    dialog.nFromPage = 1;
    dialog.nToPage = 1;
    dialog.nMinPage = 1;
    dialog.nMaxPage = 1;
    dialog.nCopies = 1;
    BOOL confirmed = PrintDlgA(&dialog);
    if (dialog.hDevMode) GlobalFree(dialog.hDevMode);
    if (dialog.hDevNames) GlobalFree(dialog.hDevNames);
    if (!confirmed) return nullptr;
    return dialog.hDC;
}

// A job never cancels itself; only the spooler can stop it.
static BOOL CALLBACK ContinuePrinting(HDC, int) {
    return TRUE;
}

int StartPrintDocument(HDC dc) {
    DOCINFOA document;
    memset(&document, 0, sizeof document);
    document.cbSize = sizeof document;
    document.lpszDocName = "Velmoria Test";
    SetAbortProc(dc, ContinuePrinting);
    return StartDocA(dc, &document) > 0;
}

static int DeviceStartPage(HDC dc) {
    return StartPage(dc);
}
static int DeviceEndPage(HDC dc) {
    return EndPage(dc);
}

void InitPrintJob(PrintJob* job, HDC dc) {
    memset(job, 0, sizeof *job);
    job->Dc = dc;
    job->Page.Width = GetDeviceCaps(dc, HORZRES);
    job->Page.Height = GetDeviceCaps(dc, VERTRES);
    job->Page.DpiX = GetDeviceCaps(dc, LOGPIXELSX);
    job->Page.DpiY = GetDeviceCaps(dc, LOGPIXELSY);
    job->BeginPage = DeviceStartPage;
    job->FinishPage = DeviceEndPage;
}

HFONT AddJobFont(PrintJob* job, const StoredFont* record) {
    if (job->FontCount >= MaxJobFonts) return nullptr;
    LOGFONTA font;
    memcpy(&font, record, sizeof font);
    // The record may come from the registry: its name must end in the field.
    font.lfFaceName[LF_FACESIZE - 1] = 0;
    font.lfHeight = -PrintFontHeight(record->Height, job->Page.DpiY);
    // A font that cannot be created keeps its slot, empty, so that the
    // job's fonts stay at their indexes.
    HFONT created = CreateFontIndirectA(&font);
    if (created && !job->KeptFont) job->KeptFont = SelectObject(job->Dc, created);
    job->Fonts[job->FontCount++] = created;
    return created;
}

void ReleaseJobFonts(PrintJob* job) {
    if (job->KeptFont) SelectObject(job->Dc, job->KeptFont);
    for (int i = 0; i < job->FontCount; ++i)
        if (job->Fonts[i]) DeleteObject(job->Fonts[i]);
    job->FontCount = 0;
    job->KeptFont = nullptr;
}

int FormatExamDate(char* buffer) {
    SYSTEMTIME now;
    GetSystemTime(&now);
    return FormatExamDate(buffer, ExamDateSize, now.wYear, now.wMonth, now.wDay,
                          CurrentOptions.Language);
}

int DrawPageHeader(HDC dc, const RECT* rect, int pageNumber) {
    char date[ExamDateSize] = "";
    FormatExamDate(date);
    char text[128];
    snprintf(text, sizeof text, "%s - %s - Page %d\r\n",
             Str(Test.ClassIndex == ClassAdvanced ? 55 : 54), date, pageNumber);
    RECT box = *rect;
    return DrawTextA(dc, text, -1, &box, DT_RIGHT);
}
