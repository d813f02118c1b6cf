// Page arithmetic of the printouts: the date text, the test listing's texts
// and page flow, and the answer-sheet geometry. No device here: the Win32
// side measures and draws, these functions decide where and when.
#pragma once

#include "bank/pool.h"

#include <cstddef>

// A job's page in device units: printable width and height, and device units
// per inch across and down.
struct PageMetrics {
    int Width, Height, DpiX, DpiY;
};

struct PageRect {
    int Left, Top, Right, Bottom;
};

// "%02d-%02d-%04d": month-day-year for English (1), day-month-year for French
// (2); any other language leaves the buffer untouched. Always 1.
enum { ExamDateSize = 11 };
int FormatExamDate(char* buffer, size_t size, int year, int month, int day, int language);

// Character height in device units of a font size number (hundredths of an
// inch), whatever the sign of the stored height: MulDiv(|height|, dpi, 100).
int PrintFontHeight(int storedHeight, int dpiY);

// ---------------------------------------------------------------- test listing

enum { ListingBufferSize = 1024 };

// The title page's text: class heading, date, pass sentence and footer line,
// in the current language. 0 when the text did not fit the buffer.
int FormatTitlePage(char* buffer, size_t size, int classIndex, const char* date, int passMark,
                    int questionCount);

// One question block: "n. (code)", the text, a blank line, the four numbered
// answers after tabs, a blank line. 0 when it did not fit the buffer.
int FormatListingBlock(char* buffer, size_t size, int number, const QuestionRecord* record);

// The column of the listing: one-inch margins, bottom limit H - DY.
PageRect ListingColumn(const PageMetrics* page);

// Where the listing stands between blocks.
struct ListingFlow {
    PageRect Column;
    int NextPage; // number of the next question page, from 1
    int Y;        // top of the next thing drawn
    int PageOpen;
};

void StartListingFlow(ListingFlow* flow, const PageMetrics* page);
// A page has been started: the header goes at Y = top margin. Returns the
// page number to print in it.
int OpenListingPage(ListingFlow* flow);
// Moves down by what was drawn (header or block).
void AdvanceListing(ListingFlow* flow, int height);
void CloseListingPage(ListingFlow* flow);
// 1 when a block of height h drawn at Y would end below the bottom limit; a
// block ending exactly on it stays.
int ListingNeedsBreak(const ListingFlow* flow, int blockHeight);

// ---------------------------------------------------------------- answer sheet

enum { SheetRows = 21, SheetColumns = 25, SheetGroupWidth = 5, SheetQuestionsPerGroup = 20 };

struct SheetGeometry {
    int MarginX, MarginY;          // half an inch
    int UsableWidth, UsableHeight; // PW, PH
    int CentreX;                   // CX
    int InsetX, InsetY;            // text inside an outlined box
    int CellInsetX, CellInsetY;    // number or cross inside a grid cell
    float ColumnWidth, RowHeight;
    int GridTop;
    PageRect Title, LogoBand, NameBox, DateBox, Instructions, ClassBox, MarkBox;
};

void ComputeSheetGeometry(SheetGeometry* sheet, const PageMetrics* page);
PageRect SheetCell(const SheetGeometry* sheet, int row, int column);
PageRect ShrinkRect(PageRect rect, int dx, int dy);

// Header row and question-number columns are shaded.
int SheetCellShaded(int row, int column);
// Question of a cell in rows 1..20 (1 to 100); 0 in the header row.
int SheetQuestionNumber(int row, int column);
// Answer number of a box column, 1..4; 0 for a question-number column.
int SheetAnswerNumber(int column);

// The logo scaled to the band's height, or to its width when that height
// would run into the title; centred vertically, left-aligned.
PageRect FitLogo(PageRect band, int bitmapWidth, int bitmapHeight);
