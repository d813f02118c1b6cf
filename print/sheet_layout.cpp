#include "print/print_layout.h"

#include <cstdint>

// The form's arithmetic mixes single precision (the half, the height
// fractions, the grid divisors, the stored column width and row height) and
// double precision (the 0.1, 0.02 and 0.04 factors); every coordinate is then
// truncated toward zero. The mix is kept exactly so that lines fall on the
// same device units as the form always did.

// mY + f * PH, in single precision.
static int AtFraction(const SheetGeometry* sheet, float fraction) {
    return (int)(sheet->MarginY + fraction * sheet->UsableHeight);
}

static PageRect MakeRect(int left, int top, int right, int bottom) {
    PageRect rect = {left, top, right, bottom};
    return rect;
}

void ComputeSheetGeometry(SheetGeometry* sheet, const PageMetrics* page) {
    int width = page->Width;
    sheet->MarginX = page->DpiX / 2;
    sheet->MarginY = page->DpiY / 2;
    sheet->UsableWidth = width - 2 * sheet->MarginX;
    sheet->UsableHeight = page->Height - 2 * sheet->MarginY;
    sheet->CentreX = (int)((sheet->MarginX + (width - sheet->MarginX)) * 0.5f);
    sheet->InsetX = (int)(0.02 * page->DpiX);
    sheet->InsetY = (int)(0.02 * page->DpiY);
    sheet->CellInsetX = (int)(0.04 * page->DpiX);
    sheet->CellInsetY = (int)(0.04 * page->DpiY);
    sheet->ColumnWidth = sheet->UsableWidth / 25.0f;
    sheet->RowHeight = 0.62f * sheet->UsableHeight / 21.0f;
    sheet->GridTop = AtFraction(sheet, 0.21f);

    int left = sheet->MarginX;
    int right = width - sheet->MarginX;
    int centre = sheet->CentreX;
    int titleLeft = (int)(centre - 0.1 * sheet->UsableWidth);
    sheet->Title = MakeRect(titleLeft, sheet->MarginY, right, AtFraction(sheet, 0.08f));
    sheet->LogoBand = MakeRect(left, sheet->MarginY, titleLeft, sheet->Title.Bottom);
    int boxTop = AtFraction(sheet, 0.09f);
    int boxBottom = AtFraction(sheet, 0.13f);
    sheet->NameBox = MakeRect(left, boxTop, centre, boxBottom);
    sheet->DateBox = MakeRect(centre, boxTop, right, boxBottom);
    sheet->Instructions = MakeRect(left, AtFraction(sheet, 0.14f), right, AtFraction(sheet, 0.2f));
    int marksTop = AtFraction(sheet, 0.84f);
    int marksBottom = AtFraction(sheet, 0.88f);
    sheet->ClassBox = MakeRect(left, marksTop, centre, marksBottom);
    sheet->MarkBox = MakeRect(centre, marksTop, right, marksBottom);
}

PageRect SheetCell(const SheetGeometry* sheet, int row, int column) {
    float top = sheet->MarginY + 0.21f * sheet->UsableHeight;
    PageRect cell;
    cell.Left = (int)(sheet->MarginX + column * sheet->ColumnWidth);
    cell.Right = (int)(sheet->MarginX + (column + 1) * sheet->ColumnWidth);
    cell.Top = (int)(top + row * sheet->RowHeight);
    cell.Bottom = (int)(top + (row + 1) * sheet->RowHeight);
    return cell;
}

PageRect ShrinkRect(PageRect rect, int dx, int dy) {
    return MakeRect(rect.Left + dx, rect.Top + dy, rect.Right - dx, rect.Bottom - dy);
}

int SheetCellShaded(int row, int column) {
    return row == 0 || column % SheetGroupWidth == 0;
}

int SheetQuestionNumber(int row, int column) {
    if (row <= 0) return 0;
    return row + SheetQuestionsPerGroup * (column / SheetGroupWidth);
}

int SheetAnswerNumber(int column) {
    return column % SheetGroupWidth;
}

PageRect FitLogo(PageRect band, int bitmapWidth, int bitmapHeight) {
    int bandWidth = band.Right - band.Left;
    int bandHeight = band.Bottom - band.Top;
    if (bitmapWidth <= 0 || bitmapHeight <= 0 || bandWidth <= 0 || bandHeight <= 0)
        return MakeRect(band.Left, band.Top, band.Left, band.Top);
    int64_t width = (int64_t)bandHeight * bitmapWidth / bitmapHeight;
    int64_t height = bandHeight;
    if (width > bandWidth) {
        width = bandWidth;
        height = (int64_t)bandWidth * bitmapHeight / bitmapWidth;
    }
    int top = band.Top + (int)((bandHeight - height) / 2);
    return MakeRect(band.Left, top, band.Left + (int)width, top + (int)height);
}
