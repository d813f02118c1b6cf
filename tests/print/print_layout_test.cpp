#include "bank/exam_class.h"
#include "print/print_layout.h"
#include "settings/options.h"
#include "settings/strings.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <string>

namespace {

void UseLanguage(int language) {
    SetDefaultOptions();
    CurrentOptions.Language = language;
    SelectLanguage();
}

TEST(ExamDate, MonthFirstInEnglishDayFirstInFrench) {
    char date[ExamDateSize];
    EXPECT_EQ(FormatExamDate(date, sizeof date, 2026, 12, 7, LanguageEnglish), 1);
    EXPECT_STREQ(date, "12-07-2026");
    EXPECT_EQ(FormatExamDate(date, sizeof date, 2026, 12, 7, LanguageFrench), 1);
    EXPECT_STREQ(date, "07-12-2026");
    FormatExamDate(date, sizeof date, 987, 1, 5, LanguageEnglish);
    EXPECT_STREQ(date, "01-05-0987");
}

TEST(ExamDate, OtherLanguagesLeaveTheBufferAlone) {
    char date[ExamDateSize] = "untouched";
    EXPECT_EQ(FormatExamDate(date, sizeof date, 2026, 12, 7, 0), 1);
    EXPECT_STREQ(date, "untouched");
    EXPECT_EQ(FormatExamDate(date, sizeof date, 2026, 12, 7, 3), 1);
    EXPECT_STREQ(date, "untouched");
}

TEST(ExamDate, NeverWritesPastTheBuffer) {
    char date[ExamDateSize + 1];
    memset(date, 'x', sizeof date);
    FormatExamDate(date, ExamDateSize, 123456, 12, 7, LanguageEnglish);
    EXPECT_EQ(date[ExamDateSize - 1], '\0');
    EXPECT_EQ(date[ExamDateSize], 'x');
}

TEST(PrintFontHeight, HundredthsOfAnInchWhateverTheSign) {
    EXPECT_EQ(PrintFontHeight(12, 300), 36);
    EXPECT_EQ(PrintFontHeight(-12, 300), 36);
    EXPECT_EQ(PrintFontHeight(12, 96), 12);  // 11.52 rounds up
    EXPECT_EQ(PrintFontHeight(15, 150), 23); // a half rounds away from zero
    EXPECT_EQ(PrintFontHeight(22, 600), 132);
    EXPECT_EQ(PrintFontHeight(0, 300), 0);
    // A stored record from a hand-edited registry must not overflow.
    EXPECT_EQ(PrintFontHeight(INT_MIN, 300), INT_MAX);
}

TEST(ListingText, TitlePageInEnglish) {
    UseLanguage(LanguageEnglish);
    char text[ListingBufferSize];
    ASSERT_EQ(FormatTitlePage(text, sizeof text, ClassBasic, "12-07-2026", 60, 100), 1);
    std::string expected = "\r\n\r\nBasic Class Training\r\n\r\n12-07-2026\r\n\r\n"
                           "To pass this exam, you must correctly answer 60 out of the 100 "
                           "questions\r\n\r\n\r\n\r\n";
    expected += Str(61);
    expected += "\r\n";
    EXPECT_EQ(std::string(text), expected);
    EXPECT_NE(std::string(Str(61)), "");
}

TEST(ListingText, TitlePageInFrenchAdvanced) {
    UseLanguage(LanguageFrench);
    char text[ListingBufferSize];
    ASSERT_EQ(FormatTitlePage(text, sizeof text, ClassAdvanced, "07-12-2026", 30, 50), 1);
    std::string title = text;
    EXPECT_EQ(title.find("\r\n\r\nEntrainement de classe Sup\xE9rieure\r\n\r\n07-12-2026\r\n\r\n"
                         "Pour r\xE9ussir \xE0 cet examen, vous devez r\xE9pondre correctement "
                         "\xE0 30 questions sur 50\r\n\r\n\r\n\r\n"),
              0u);
    UseLanguage(LanguageEnglish);
}

TEST(ListingText, BlockFormat) {
    QuestionRecord record;
    memset(&record, 0, sizeof record);
    strcpy(record.Code, "B-001-02-03");
    strcpy(record.Text, "What is it?\r");
    strcpy(record.Answers[0], "One\r");
    strcpy(record.Answers[1], "Two\r");
    strcpy(record.Answers[2], "Three\r");
    strcpy(record.Answers[3], "Four\r");
    char block[ListingBufferSize];
    ASSERT_EQ(FormatListingBlock(block, sizeof block, 7, &record), 1);
    // Pool lines keep their CR; they are printed as they are.
    EXPECT_STREQ(block, "7. (B-001-02-03)\r\nWhat is it?\r\r\n\r\n\t1. \tOne\r\r\n\t2. \tTwo\r\r\n"
                        "\t3. \tThree\r\r\n\t4. \tFour\r\r\n\r\n");
}

TEST(ListingText, OverlongBlockIsCutAndTerminated) {
    QuestionRecord record;
    memset(&record, 'x', sizeof record);
    for (auto& answer : record.Answers)
        answer[TextFieldSize - 1] = 0;
    record.Text[TextFieldSize - 1] = 0;
    record.Code[CodeFieldSize - 1] = 0;
    char block[ListingBufferSize + 1];
    block[ListingBufferSize] = '#';
    EXPECT_EQ(FormatListingBlock(block, ListingBufferSize, 1, &record), 0);
    EXPECT_EQ(strlen(block), (size_t)ListingBufferSize - 1);
    EXPECT_EQ(block[ListingBufferSize], '#');
}

TEST(ListingFlow, OneInchMarginsAndPagesNumberedFromOne) {
    PageMetrics letter = {2550, 3300, 300, 300};
    ListingFlow flow;
    StartListingFlow(&flow, &letter);
    EXPECT_EQ(flow.Column.Left, 300);
    EXPECT_EQ(flow.Column.Top, 300);
    EXPECT_EQ(flow.Column.Right, 2250);
    EXPECT_EQ(flow.Column.Bottom, 3000);
    EXPECT_FALSE(flow.PageOpen);
    EXPECT_EQ(OpenListingPage(&flow), 1);
    EXPECT_TRUE(flow.PageOpen);
    AdvanceListing(&flow, 500);
    EXPECT_EQ(flow.Y, 800);
    CloseListingPage(&flow);
    EXPECT_FALSE(flow.PageOpen);
    EXPECT_EQ(OpenListingPage(&flow), 2);
    EXPECT_EQ(flow.Y, 300); // back to the top margin
    EXPECT_EQ(OpenListingPage(&flow), 3);
}

TEST(ListingFlow, BlockEndingExactlyOnTheLimitStays) {
    PageMetrics a4 = {2479, 3508, 300, 300}; // limit 3208
    ListingFlow flow;
    StartListingFlow(&flow, &a4);
    OpenListingPage(&flow);
    AdvanceListing(&flow, 72); // header
    AdvanceListing(&flow, 2000);
    EXPECT_EQ(flow.Y, 2372);
    EXPECT_FALSE(ListingNeedsBreak(&flow, 3208 - 2372));
    EXPECT_TRUE(ListingNeedsBreak(&flow, 3208 - 2372 + 1));
    EXPECT_FALSE(ListingNeedsBreak(&flow, 0));
    // A block taller than any page still asks for a break; what follows the
    // fresh page's header is drawn whatever its height.
    OpenListingPage(&flow);
    AdvanceListing(&flow, 72);
    EXPECT_TRUE(ListingNeedsBreak(&flow, 5000));
    EXPECT_FALSE(ListingNeedsBreak(&flow, INT_MIN));
    EXPECT_TRUE(ListingNeedsBreak(&flow, INT_MAX)); // no overflow into "fits"
    // Heights the driver reports add up without wrapping to a place far above.
    AdvanceListing(&flow, INT_MAX);
    AdvanceListing(&flow, INT_MAX);
    EXPECT_EQ(flow.Y, INT_MAX);
    EXPECT_TRUE(ListingNeedsBreak(&flow, 0));
    PageMetrics absurd = {INT_MIN, INT_MAX, INT_MAX, INT_MIN};
    StartListingFlow(&flow, &absurd);
    EXPECT_EQ(flow.Column.Right, INT_MIN);
    EXPECT_EQ(flow.Column.Bottom, INT_MAX);
}

// Values follow the form's arithmetic: fractions of the height and grid
// divisors in single precision, 0.1/0.02/0.04 in double, truncation to whole
// device units.
TEST(SheetGeometry, LetterAt300Dpi) {
    PageMetrics letter = {2550, 3300, 300, 300};
    SheetGeometry s;
    ComputeSheetGeometry(&s, &letter);
    EXPECT_EQ(s.MarginX, 150);
    EXPECT_EQ(s.MarginY, 150);
    EXPECT_EQ(s.UsableWidth, 2250);
    EXPECT_EQ(s.UsableHeight, 3000);
    EXPECT_EQ(s.CentreX, 1275);
    EXPECT_EQ(s.InsetX, 6);
    EXPECT_EQ(s.InsetY, 6);
    EXPECT_EQ(s.CellInsetX, 12);
    EXPECT_EQ(s.CellInsetY, 12);
    EXPECT_FLOAT_EQ(s.ColumnWidth, 90.0f);
    EXPECT_EQ(s.RowHeight, 0.62f * 3000 / 21.0f);

    auto expectRect = [](PageRect r, int l, int t, int rt, int b) {
        EXPECT_EQ(r.Left, l);
        EXPECT_EQ(r.Top, t);
        EXPECT_EQ(r.Right, rt);
        EXPECT_EQ(r.Bottom, b);
    };
    expectRect(s.Title, 1050, 150, 2400, 390); // right 60 % of the usable width
    expectRect(s.LogoBand, 150, 150, 1050, 390);
    expectRect(s.NameBox, 150, 420, 1275, 540);
    expectRect(s.DateBox, 1275, 420, 2400, 540);
    expectRect(s.Instructions, 150, 570, 2400, 750);
    expectRect(s.ClassBox, 150, 2670, 1275, 2790);
    expectRect(s.MarkBox, 1275, 2670, 2400, 2790);
    EXPECT_EQ(s.GridTop, 780);
    expectRect(SheetCell(&s, 0, 0), 150, 780, 240, 868);
    expectRect(SheetCell(&s, 1, 1), 240, 868, 330, 957);
    expectRect(SheetCell(&s, 12, 13), 1320, 1842, 1410, 1931);
    expectRect(SheetCell(&s, 20, 24), 2310, 2551, 2400, 2640); // ends at 0.83
}

TEST(SheetGeometry, A4At600AndLetterAt150) {
    SheetGeometry s;
    PageMetrics a4 = {4960, 7016, 600, 600};
    ComputeSheetGeometry(&s, &a4);
    EXPECT_EQ(s.CentreX, 2480);
    EXPECT_EQ(s.Title.Left, 2044);
    EXPECT_EQ(s.Title.Bottom, 813);
    EXPECT_EQ(s.NameBox.Top, 877);
    EXPECT_EQ(s.NameBox.Bottom, 1134);
    EXPECT_EQ(s.Instructions.Top, 1198);
    EXPECT_EQ(s.Instructions.Bottom, 1583);
    EXPECT_EQ(s.MarkBox.Top, 5689);
    EXPECT_EQ(s.MarkBox.Bottom, 5946);
    EXPECT_EQ(s.InsetX, 12);
    EXPECT_EQ(s.CellInsetY, 24);
    PageRect cell = SheetCell(&s, 7, 5);
    EXPECT_EQ(cell.Left, 1172);
    EXPECT_EQ(cell.Right, 1346);
    EXPECT_EQ(cell.Top, 2973);
    EXPECT_EQ(cell.Bottom, 3162);
    EXPECT_EQ(SheetCell(&s, 20, 24).Right, 4660);
    EXPECT_EQ(SheetCell(&s, 20, 24).Bottom, 5625);

    PageMetrics small = {1275, 1650, 150, 150};
    ComputeSheetGeometry(&s, &small);
    EXPECT_EQ(s.CentreX, 637); // 637.5 truncated
    EXPECT_EQ(s.DateBox.Left, 637);
    EXPECT_EQ(s.Title.Left, 524);
    EXPECT_EQ(s.InsetX, 3);
    EXPECT_EQ(s.CellInsetX, 6);
    EXPECT_EQ(SheetCell(&s, 20, 0).Top, 1275);
    EXPECT_EQ(SheetCell(&s, 20, 0).Bottom, 1320);
}

TEST(SheetGeometry, SinglePrecisionDecidesTheEdgeUnits) {
    // On this page double precision would put the line between rows 11 and
    // 12 at 1887 and the grid's right edge at 961.
    PageMetrics page = {1112, 3380, 300, 300};
    SheetGeometry s;
    ComputeSheetGeometry(&s, &page);
    EXPECT_EQ(SheetCell(&s, 11, 0).Bottom, 1888);
    EXPECT_EQ(SheetCell(&s, 12, 0).Top, 1888);
    EXPECT_EQ(SheetCell(&s, 0, 24).Right, 962);
    EXPECT_EQ(SheetCell(&s, 0, 24).Left, 929);
}

TEST(SheetGeometry, CellsTileTheGridWithoutGaps) {
    PageMetrics pages[] = {{2550, 3300, 300, 300},
                           {2479, 3508, 300, 300},
                           {1112, 3380, 300, 300},
                           {4960, 7016, 600, 600}};
    for (const PageMetrics& page : pages) {
        SheetGeometry s;
        ComputeSheetGeometry(&s, &page);
        for (int r = 0; r < SheetRows; ++r)
            for (int c = 0; c < SheetColumns; ++c) {
                PageRect cell = SheetCell(&s, r, c);
                ASSERT_LT(cell.Left, cell.Right);
                ASSERT_LT(cell.Top, cell.Bottom);
                if (c > 0) {
                    ASSERT_EQ(cell.Left, SheetCell(&s, r, c - 1).Right);
                }
                if (r > 0) {
                    ASSERT_EQ(cell.Top, SheetCell(&s, r - 1, c).Bottom);
                }
            }
        EXPECT_EQ(SheetCell(&s, 0, 0).Left, s.MarginX);
        EXPECT_EQ(SheetCell(&s, 0, 0).Top, s.GridTop);
        EXPECT_LE(SheetCell(&s, 20, 24).Right, page.Width - s.MarginX);
        EXPECT_LT(SheetCell(&s, 20, 24).Bottom, s.ClassBox.Top);
    }
}

TEST(SheetGrid, ShadingNumbersAndAnswerColumns) {
    int shaded = 0;
    for (int r = 0; r < SheetRows; ++r)
        for (int c = 0; c < SheetColumns; ++c)
            shaded += SheetCellShaded(r, c);
    EXPECT_EQ(shaded, 25 + 20 * 5); // the header row and five number columns
    EXPECT_TRUE(SheetCellShaded(0, 3));
    EXPECT_TRUE(SheetCellShaded(9, 15));
    EXPECT_FALSE(SheetCellShaded(9, 16));

    EXPECT_EQ(SheetQuestionNumber(0, 0), 0);
    EXPECT_EQ(SheetQuestionNumber(1, 0), 1);
    EXPECT_EQ(SheetQuestionNumber(20, 0), 20);
    EXPECT_EQ(SheetQuestionNumber(1, 5), 21);
    EXPECT_EQ(SheetQuestionNumber(1, 9), 21);
    EXPECT_EQ(SheetQuestionNumber(20, 24), 100);
    bool seen[101] = {};
    for (int r = 1; r < SheetRows; ++r)
        for (int c = 0; c < SheetColumns; c += SheetGroupWidth) {
            int n = SheetQuestionNumber(r, c);
            ASSERT_GE(n, 1);
            ASSERT_LE(n, 100);
            EXPECT_FALSE(seen[n]) << n;
            seen[n] = true;
        }
    EXPECT_EQ(SheetAnswerNumber(0), 0);
    EXPECT_EQ(SheetAnswerNumber(1), 1);
    EXPECT_EQ(SheetAnswerNumber(4), 4);
    EXPECT_EQ(SheetAnswerNumber(10), 0);
    EXPECT_EQ(SheetAnswerNumber(23), 3);
}

TEST(SheetLogo, ScaledToTheBandHeightUnlessItWouldReachTheTitle) {
    // Letter at 300 dpi: the band is 900 x 240, the strip 215 x 33.
    PageRect band = {150, 150, 1050, 390};
    PageRect logo = FitLogo(band, 215, 33);
    EXPECT_EQ(logo.Left, 150);
    EXPECT_EQ(logo.Right, 1050);
    EXPECT_EQ(logo.Top, 201); // 138 high, centred in the band
    EXPECT_EQ(logo.Bottom, 339);
    // A wide band: the full height.
    PageRect wide = {0, 0, 3000, 66};
    logo = FitLogo(wide, 215, 33);
    EXPECT_EQ(logo.Top, 0);
    EXPECT_EQ(logo.Bottom, 66);
    EXPECT_EQ(logo.Right, 430);
    // Nothing to place.
    PageRect empty = {10, 10, 10, 50};
    logo = FitLogo(empty, 215, 33);
    EXPECT_EQ(logo.Right, logo.Left);
    logo = FitLogo(band, 0, 33);
    EXPECT_EQ(logo.Right, logo.Left);
}

} // namespace
