// The answer-sheet form: title, name and date boxes, instructions (blank
// form), the 21 x 25 grid of answer boxes, and the two mark boxes.
#include "print/print_job_win32.h"
#include "print/print_win32.h"

#include "bank/exam_class.h"
#include "engine/test_state.h"
#include "settings/strings.h"
#include "ui/shell_state_win32.h"

#include <cstdio>
#include <cstring>

enum { TitleFont, LabelFontIndex, InstructionsFont, GridFont, MarksFont, SheetFontCount };

struct SheetFont {
    const char* Face;
    int BaseSize; // enlarged by half for print
    int Weight;
};
static const SheetFont SheetFonts[SheetFontCount] = {
    {"Times", 15, 700}, {"Arial", 10, 700}, {"Times", 8, 400},
    {"Arial", 8, 400},  {"Arial", 10, 400},
};

enum { LogoEnglish = 505, LogoBitmapWidth = 215, LogoBitmapHeight = 33 };

int PrinterCanStretch(HDC dc) {
    return (GetDeviceCaps(dc, RASTERCAPS) & RC_STRETCHBLT) != 0;
}

static RECT ToRect(PageRect rect) {
    RECT out = {rect.Left, rect.Top, rect.Right, rect.Bottom};
    return out;
}

static void UseFont(PrintJob* job, int index) {
    if (job->Fonts[index]) SelectObject(job->Dc, job->Fonts[index]);
}

static void DrawSheetText(HDC dc, PageRect rect, const char* text, UINT format) {
    SetTextColor(dc, RGB(0, 0, 0));
    SetBkMode(dc, TRANSPARENT);
    RECT box = ToRect(rect);
    DrawTextA(dc, text, -1, &box, format);
}

static void Outline(HDC dc, PageRect rect) {
    Rectangle(dc, rect.Left, rect.Top, rect.Right, rect.Bottom);
}

// An outlined box with its text inset.
static void DrawTextBox(PrintJob* job, const SheetGeometry* sheet, PageRect rect, int font,
                        const char* text) {
    Outline(job->Dc, rect);
    UseFont(job, font);
    DrawSheetText(job->Dc, ShrinkRect(rect, sheet->InsetX, sheet->InsetY), text, DT_WORDBREAK);
}

// The logo strip of the language, straight from the resource's bits so that
// the printer gets device-independent pixels.
static void DrawLogo(HDC dc, const SheetGeometry* sheet) {
    int number = LogoEnglish + (CurrentOptions.Language == LanguageFrench ? 1 : 0);
    HMODULE module = GetModuleHandleA(nullptr);
    HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(number), MAKEINTRESOURCEA(2));
    HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
    const BITMAPINFO* info = loaded ? (const BITMAPINFO*)LockResource(loaded) : nullptr;
    if (!info || SizeofResource(module, found) < sizeof(BITMAPINFOHEADER)) return;
    const BITMAPINFOHEADER& header = info->bmiHeader;
    // Only the uncompressed 24-bit strip is expected; anything else is skipped.
    if (header.biBitCount != 24 || header.biCompression != BI_RGB || header.biWidth <= 0 ||
        header.biHeight == 0)
        return;
    int width = header.biWidth;
    int height = header.biHeight < 0 ? -header.biHeight : header.biHeight;
    DWORD stride = ((DWORD)width * 3 + 3) & ~3u;
    if (SizeofResource(module, found) < header.biSize + stride * (DWORD)height) return;
    const BYTE* bits = (const BYTE*)info + header.biSize;
    PageRect place = FitLogo(sheet->LogoBand, width, height);
    if (place.Right <= place.Left || place.Bottom <= place.Top) return;
    SetStretchBltMode(dc, HALFTONE);
    StretchDIBits(dc, place.Left, place.Top, place.Right - place.Left, place.Bottom - place.Top, 0,
                  0, width, height, bits, info, DIB_RGB_COLORS, SRCCOPY);
}

static void DrawCross(PrintJob* job, PageRect box) {
    HGDIOBJ pen = SelectObject(job->Dc, WidePen);
    MoveToEx(job->Dc, box.Left, box.Top, nullptr);
    LineTo(job->Dc, box.Right, box.Bottom);
    MoveToEx(job->Dc, box.Right, box.Top, nullptr);
    LineTo(job->Dc, box.Left, box.Bottom);
    SelectObject(job->Dc, pen);
}

static void DrawGrid(PrintJob* job, const SheetGeometry* sheet, int showCorrect) {
    HDC dc = job->Dc;
    UseFont(job, GridFont);
    // One record for the whole form; a code that is not found keeps the
    // previous answer, and none before the first.
    static QuestionRecord record;
    memset(&record, 0, sizeof record);
    record.Correct = -1;
    int answerRead = 0; // the boxes being drawn belong to a question looked up
    for (int row = 0; row < SheetRows; ++row) {
        for (int column = 0; column < SheetColumns; ++column) {
            PageRect cell = SheetCell(sheet, row, column);
            SelectObject(dc, SheetCellShaded(row, column) ? (HGDIOBJ)LightBrush
                                                          : GetStockObject(NULL_BRUSH));
            Outline(dc, cell);
            PageRect inset = ShrinkRect(cell, sheet->CellInsetX, sheet->CellInsetY);
            int answer = SheetAnswerNumber(column);
            int question = SheetQuestionNumber(row, column);
            char number[8];
            if (row == 0) {
                if (answer == 0) continue;
                snprintf(number, sizeof number, "%d", answer);
                DrawSheetText(dc, inset, number, DT_LEFT | DT_TOP);
            } else if (answer == 0) {
                snprintf(number, sizeof number, "%d", question);
                DrawSheetText(dc, inset, number, DT_LEFT | DT_TOP);
                answerRead = showCorrect && question <= Test.QuestionCount && question <= TestSlots;
                if (answerRead)
                    LookUpQuestion(Test.PoolBegin, Test.PoolEnd, Test.Codes[question - 1], &record);
            } else if (answerRead && record.Correct == answer - 1) {
                DrawCross(job, inset);
            }
        }
    }
    SelectObject(dc, GetStockObject(NULL_BRUSH));
}

void DrawAnswerSheet(PrintJob* job, int showCorrect, int withLogo) {
    SheetGeometry sheet;
    ComputeSheetGeometry(&sheet, &job->Page);
    for (int i = 0; i < SheetFontCount; ++i) {
        StoredFont record;
        memset(&record, 0, sizeof record);
        record.Height = (int)(SheetFonts[i].BaseSize * 1.5);
        record.Weight = SheetFonts[i].Weight;
        snprintf(record.FaceName, sizeof record.FaceName, "%s", SheetFonts[i].Face);
        AddJobFont(job, &record);
    }

    if (job->BeginPage(job->Dc) > 0) {
        HDC dc = job->Dc;
        HGDIOBJ keptPen = SelectObject(dc, GetStockObject(BLACK_PEN));
        HGDIOBJ keptBrush = SelectObject(dc, GetStockObject(NULL_BRUSH));

        UseFont(job, TitleFont);
        DrawSheetText(dc, sheet.Title, Str(showCorrect ? 76 : 66), DT_CENTER | DT_WORDBREAK);
        if (withLogo) DrawLogo(dc, &sheet);

        DrawTextBox(job, &sheet, sheet.NameBox, LabelFontIndex, Str(67));
        char date[ExamDateSize] = "";
        FormatExamDate(date);
        char dateText[128];
        snprintf(dateText, sizeof dateText, "%s  %s", Str(68), date);
        DrawTextBox(job, &sheet, sheet.DateBox, LabelFontIndex, dateText);

        if (!showCorrect) {
            UseFont(job, InstructionsFont);
            DrawSheetText(dc, sheet.Instructions, Str(69), DT_WORDBREAK);
        }
        DrawGrid(job, &sheet, showCorrect);
        DrawTextBox(job, &sheet, sheet.ClassBox, MarksFont, Str(70));
        DrawTextBox(job, &sheet, sheet.MarkBox, MarksFont, Str(71));

        SelectObject(dc, keptBrush);
        SelectObject(dc, keptPen);
        job->FinishPage(dc);
    }
    ReleaseJobFonts(job);
}

int CheckBitmapSupport(HWND owner, HDC dc) {
    if (PrinterCanStretch(dc)) return 1;
    MessageBoxA(owner, Str(33), Str(SlotAppTitle), MB_OK | MB_ICONWARNING);
    return 0;
}

int PrintAnswerSheet(HWND owner, int showCorrect) {
    HDC dc = ChoosePrinter(owner);
    if (!dc) return 0;
    int canStretch = CheckBitmapSupport(owner, dc);
    if (StartPrintDocument(dc)) {
        PrintJob job;
        InitPrintJob(&job, dc);
        DrawAnswerSheet(&job, showCorrect, canStretch);
        EndDoc(dc);
    }
    DeleteDC(dc);
    return 1;
}
