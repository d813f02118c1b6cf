// The log module: the results log as a chart of percentages, the pop-up of
// the entry under the pointer, and the add and clear keys.
#include "app/messages.h"
#include "app/window_procs_win32.h"
#include "log/chart.h"
#include "log/results_log_win32.h"
#include "settings/options.h"
#include "settings/strings.h"
#include "ui/shell_state_win32.h"
#include "ui/skin_win32.h"

#include <cstdio>

namespace {

enum { LogFaceBitmap = 267, EntriesSlot = 58 };

RECT ToRect(const ChartRect& r) {
    return RECT{r.Left, r.Top, r.Right, r.Bottom};
}
ChartRect ToChartRect(const RECT& r) {
    return ChartRect{(int32_t)r.left, (int32_t)r.top, (int32_t)r.right, (int32_t)r.bottom};
}

// Grey copy one pixel down and right, then the green line; the caller's pen
// comes back.
void TwoPenLine(HDC dc, int x1, int y1, int x2, int y2) {
    HGDIOBJ previous = SelectObject(dc, GreyPen);
    MoveToEx(dc, x1 + 1, y1 + 1, nullptr);
    LineTo(dc, x2 + 1, y2 + 1);
    SelectObject(dc, GreenPen);
    MoveToEx(dc, x1, y1, nullptr);
    LineTo(dc, x2, y2);
    SelectObject(dc, previous);
}

void DrawPointLabel(HDC dc, const ChartRect& area, ChartPoint point, const LogEntry& entry) {
    char text[16];
    FormatChartLabel(text, sizeof text, entry);
    HGDIOBJ previousFont = SelectObject(dc, LabelFont);
    SIZE extent = {0, 0};
    GetTextExtentPoint32A(dc, text, lstrlenA(text), &extent);
    RECT box = ToRect(ChartLabelStart(point, extent.cx));
    DrawTextA(dc, text, -1, &box, DT_CALCRECT | DT_SINGLELINE);
    ChartRect fitted = ToChartRect(box);
    ClampRectInto(&fitted, area);
    box = ToRect(fitted);
    DrawShadowText(dc, &box, text, DT_SINGLELINE);
    SelectObject(dc, previousFont);
}

// The chart of every entry inside r; nothing at all for an empty log. Writes
// ChartPoints, which the pointer test reads.
void DrawLogChart(HDC dc, const RECT& r) {
    ChartRect area = ToChartRect(r);
    int count = PlaceChartPoints(Log, area, ChartPoints);
    if (count == 0) return;

    // The caller's clipping and objects come back whole, also on WM_PRINTCLIENT.
    int saved = SaveDC(dc);
    IntersectClipRect(dc, r.left, r.top, r.right, r.bottom);
    for (int i = 0; i + 1 < count; ++i)
        TwoPenLine(dc, ChartPoints[i].X, ChartPoints[i].Y, ChartPoints[i + 1].X,
                   ChartPoints[i + 1].Y);

    int labels = CurrentOptions.ShowLogLabels == 1;
    for (int i = 0; i < count; ++i) {
        int x = ChartPoints[i].X, y = ChartPoints[i].Y;
        TwoPenLine(dc, x, r.top, x, r.top + ChartMargin);
        TwoPenLine(dc, x, r.bottom, x, r.bottom - ChartMargin);

        const int h = ChartPointHalf;
        SelectObject(dc, GetStockObject(NULL_BRUSH));
        SelectObject(dc, GreyPen);
        Rectangle(dc, x - h + 1, y - h + 1, x + h + 1, y + h + 1);
        SelectObject(dc, YellowPen);
        Rectangle(dc, x - h, y - h, x + h, y + h);

        if (labels) DrawPointLabel(dc, area, ChartPoints[i], Log.Entries[i]);
    }
    RestoreDC(dc, saved);
}

void PaintLog(HWND window, HDC dc) {
    DrawBitmapAt(dc, WindowFace(window, LogFaceBitmap), 0, 0);
    char caption[96];
    snprintf(caption, sizeof caption, "%s : %d", Str(EntriesSlot), Log.NumEntries);
    RECT captionRect = ToRect(CaptionArea);
    DrawShadowText(dc, &captionRect, caption, DT_WORDBREAK);
    RECT chart = ToRect(ChartArea);
    DrawLogChart(dc, chart);
}

void HidePopUp(HWND window) {
    ShowWindow(InfoWindow, SW_HIDE);
    SetPropInt(window, "Prop_Index", -1);
    if (GetCapture() == window) ReleaseCapture();
}

// Shows the entry under the pointer in the information pop-up, and holds the
// capture meanwhile so that leaving the point in any direction is seen.
void PointerTest(HWND window, LPARAM position) {
    unsigned mx = LOWORD(position), my = HIWORD(position);
    int shown = GetPropInt(window, "Prop_Index");
    int hit = HitChartPoint(ChartPoints, ChartEntryCount(Log), mx, my);
    if (hit < 0) {
        if (shown != -1) HidePopUp(window);
        return;
    }
    if (hit == shown) return;

    char text[128];
    FormatEntryInfo(text, sizeof text, hit, Log.Entries[hit]);
    POINT corner = {ChartPoints[hit].X - 50, ChartPoints[hit].Y - 70};
    ClientToScreen(window, &corner);
    SetWindowPos(InfoWindow, nullptr, corner.x, corner.y, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    SetWindowTextA(InfoWindow, text);
    // Not activated: the log window keeps the keyboard.
    ShowWindow(InfoWindow, SW_SHOWNA);
    SetPropInt(window, "Prop_Index", hit);
    SetCapture(window);
}

void CreateLog(HWND window) {
    SetPropInt(window, "Prop_Index", -1);
    CreateLayoutButton(window, IdLogAdd, 241, 243, 245, 6);
    CreateLayoutButton(window, IdLogClear, 247, 249, 251, 7);
}

} // namespace

LRESULT CALLBACK LogWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE: CreateLog(window); return 0;
    case WM_PAINT:
    case WM_PRINTCLIENT: return PaintWith(window, message, wParam, PaintLog);
    case WM_COMMAND:
        if (LOWORD(wParam) == IdLogAdd) {
            // Repainted whether or not anything was added.
            AddCurrentTestToLog();
            InvalidateRect(window, nullptr, FALSE);
        } else if (LOWORD(wParam) == IdLogClear) {
            if (ClearLog(window)) InvalidateRect(window, nullptr, FALSE);
        }
        return 0;
    case WM_MOUSEMOVE: PointerTest(window, lParam); return 0;
    case MsgLanguageChanged: ReloadFace(window); return 0;
    case WM_NCDESTROY: ReleaseSkinProps(window); break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}
