// The test listing: a title page, then one numbered block per question,
// flowing over as many headed pages as it needs.
#include "print/print_job_win32.h"
#include "print/print_win32.h"

#include "engine/test_state.h"

#include <cstring>

static const UINT BlockFormat = DT_WORDBREAK | DT_EXPANDTABS;

static void DrawTitlePage(PrintJob* job, const ListingFlow* flow) {
    if (job->BeginPage(job->Dc) <= 0) return;
    char date[ExamDateSize] = "";
    FormatExamDate(date);
    char text[ListingBufferSize];
    FormatTitlePage(text, sizeof text, Test.ClassIndex, date, Test.PassMark, Test.QuestionCount);
    RECT box = {flow->Column.Left, flow->Column.Top, flow->Column.Right, flow->Column.Bottom};
    DrawTextA(job->Dc, text, -1, &box, DT_CENTER | DT_WORDBREAK);
    job->FinishPage(job->Dc);
}

// Starts a question page with its header; 0 when the page cannot be started.
static int StartQuestionPage(PrintJob* job, ListingFlow* flow) {
    if (job->BeginPage(job->Dc) <= 0) return 0;
    int number = OpenListingPage(flow);
    RECT box = {flow->Column.Left, flow->Y, flow->Column.Right, flow->Column.Bottom};
    AdvanceListing(flow, DrawPageHeader(job->Dc, &box, number));
    return 1;
}

void DrawTestListing(PrintJob* job) {
    AddJobFont(job, &CurrentOptions.PrintFont);
    ListingFlow flow;
    StartListingFlow(&flow, &job->Page);
    DrawTitlePage(job, &flow);

    // One record for all lookups; a code that is not found leaves the
    // previous question in it, and empty texts before the first.
    static QuestionRecord record;
    memset(&record, 0, sizeof record);
    int count = Test.QuestionCount < TestSlots ? Test.QuestionCount : TestSlots;
    for (int i = 0; i < count; ++i) {
        if (!flow.PageOpen && !StartQuestionPage(job, &flow)) break;
        LookUpQuestion(Test.PoolBegin, Test.PoolEnd, Test.Codes[i], &record);
        char block[ListingBufferSize];
        FormatListingBlock(block, sizeof block, i + 1, &record);

        RECT measure = {flow.Column.Left, flow.Y, flow.Column.Right, flow.Y};
        int height = DrawTextA(job->Dc, block, -1, &measure, BlockFormat | DT_CALCRECT);
        if (ListingNeedsBreak(&flow, height)) {
            // Drawn on the fresh page whether or not it fits there.
            job->FinishPage(job->Dc);
            CloseListingPage(&flow);
            if (!StartQuestionPage(job, &flow)) break;
        }
        RECT box = {flow.Column.Left, flow.Y, flow.Column.Right, flow.Y + height};
        AdvanceListing(&flow, DrawTextA(job->Dc, block, -1, &box, BlockFormat));
    }
    if (flow.PageOpen) job->FinishPage(job->Dc);
    ReleaseJobFonts(job);
}

int PrintTestListing(HWND owner) {
    HDC dc = ChoosePrinter(owner);
    if (!dc) return 0;
    if (StartPrintDocument(dc)) {
        PrintJob job;
        InitPrintJob(&job, dc);
        DrawTestListing(&job);
        EndDoc(dc);
    }
    DeleteDC(dc);
    return 1;
}
