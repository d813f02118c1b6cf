// The printouts drawn into enhanced metafiles instead of a printer: the
// records say which texts, boxes, crosses and bitmaps land where on which
// page, for pages of different sizes and resolutions.
#include "app/startup_win32.h"
#include "bank/exam_class.h"
#include "bank/pool_resources.h"
#include "engine/test_state.h"
#include "print/print_job_win32.h"
#include "settings/options.h"
#include "settings/strings.h"
#include "tests/support/message_box_hook_win32.h"
#include "ui/shell_state_win32.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <map>
#include <string>
#include <vector>
#include <windows.h>

namespace {

// ------------------------------------------------------------ metafile pages

const char PageStartMark[] = "page-start";
const char PageEndMark[] = "page-end";

struct TextItem {
    std::string Text;
    int X, Y, Width;
    int FontHeight;
    std::string Face;
};
struct RectItem {
    RECT Box; // as drawn: right and bottom exclusive
    bool Shaded;
};
struct LineItem {
    POINT From, To;
    int PenWidth;
};
struct PageItems {
    std::vector<TextItem> Texts;
    std::vector<RectItem> Rects;
    std::vector<LineItem> Lines;
    std::vector<RECT> Bitmaps;
};
struct FontItem {
    int Height, Weight;
    std::string Face;
};
struct Drawing {
    std::vector<PageItems> Pages;
    int DrawnOutsidePages = 0;
    bool PagesBalanced = true;
    std::vector<FontItem> Fonts;
};

// Pages are marked with comments, since a metafile has no StartPage.
int StartFails = -1; // index of the page start that fails, -1 for none
int StartCalls = 0;
int MarkPageStart(HDC dc) {
    if (StartCalls++ == StartFails) return 0;
    GdiComment(dc, sizeof PageStartMark, (const BYTE*)PageStartMark);
    return 1;
}
int MarkPageEnd(HDC dc) {
    GdiComment(dc, sizeof PageEndMark, (const BYTE*)PageEndMark);
    return 1;
}

std::string Narrow(const WCHAR* text, int count) {
    char buffer[2048];
    int n = WideCharToMultiByte(1252, 0, text, count, buffer, sizeof buffer, nullptr, nullptr);
    return std::string(buffer, n > 0 ? n : 0);
}

struct ObjectState {
    int Kind = 0; // 1 brush, 2 pen, 3 font
    COLORREF Colour = 0;
    bool HollowBrush = false;
    int PenWidth = 0;
    FontItem Font;
};

Drawing ReadMetafile(HENHMETAFILE metafile) {
    Drawing drawing;
    UINT size = GetEnhMetaFileBits(metafile, 0, nullptr);
    std::vector<BYTE> bits(size);
    GetEnhMetaFileBits(metafile, size, bits.data());
    std::map<DWORD, ObjectState> objects;
    ObjectState brush, pen, font;
    brush.HollowBrush = false;
    pen.PenWidth = 1;
    bool inPage = false;
    for (size_t at = 0; at + sizeof(EMR) <= bits.size();) {
        const EMR* record = (const EMR*)&bits[at];
        if (record->nSize < sizeof(EMR)) break;
        PageItems* page = inPage ? &drawing.Pages.back() : nullptr;
        switch (record->iType) {
        case EMR_GDICOMMENT: {
            const EMRGDICOMMENT* comment = (const EMRGDICOMMENT*)record;
            std::string mark((const char*)comment->Data);
            if (mark == PageStartMark) {
                if (inPage) drawing.PagesBalanced = false;
                drawing.Pages.emplace_back();
                inPage = true;
            } else if (mark == PageEndMark) {
                if (!inPage) drawing.PagesBalanced = false;
                inPage = false;
            }
            break;
        }
        case EMR_CREATEBRUSHINDIRECT: {
            const EMRCREATEBRUSHINDIRECT* r = (const EMRCREATEBRUSHINDIRECT*)record;
            ObjectState o;
            o.Kind = 1;
            o.Colour = r->lb.lbColor;
            o.HollowBrush = r->lb.lbStyle == BS_NULL;
            objects[r->ihBrush] = o;
            break;
        }
        case EMR_CREATEPEN: {
            const EMRCREATEPEN* r = (const EMRCREATEPEN*)record;
            ObjectState o;
            o.Kind = 2;
            o.PenWidth = r->lopn.lopnWidth.x;
            objects[r->ihPen] = o;
            break;
        }
        case EMR_EXTCREATEFONTINDIRECTW: {
            const EMREXTCREATEFONTINDIRECTW* r = (const EMREXTCREATEFONTINDIRECTW*)record;
            ObjectState o;
            o.Kind = 3;
            o.Font.Height = r->elfw.elfLogFont.lfHeight;
            o.Font.Weight = r->elfw.elfLogFont.lfWeight;
            o.Font.Face = Narrow(r->elfw.elfLogFont.lfFaceName, -1).c_str();
            objects[r->ihFont] = o;
            drawing.Fonts.push_back(o.Font);
            break;
        }
        case EMR_SELECTOBJECT: {
            DWORD handle = ((const EMRSELECTOBJECT*)record)->ihObject;
            if (handle & ENHMETA_STOCK_OBJECT) {
                DWORD stock = handle & ~ENHMETA_STOCK_OBJECT;
                if (stock == NULL_BRUSH) {
                    brush = ObjectState();
                    brush.HollowBrush = true;
                } else if (stock == BLACK_PEN) {
                    pen = ObjectState();
                    pen.PenWidth = 1;
                } else if (stock <= GRAY_BRUSH || stock == BLACK_BRUSH) {
                    brush = ObjectState();
                    brush.Colour = stock == WHITE_BRUSH ? RGB(255, 255, 255) : RGB(1, 1, 1);
                }
                break;
            }
            auto found = objects.find(handle);
            if (found == objects.end()) break;
            if (found->second.Kind == 1) brush = found->second;
            if (found->second.Kind == 2) pen = found->second;
            if (found->second.Kind == 3) font = found->second;
            break;
        }
        case EMR_EXTTEXTOUTW: {
            const EMREXTTEXTOUTW* r = (const EMREXTTEXTOUTW*)record;
            if (!page) {
                ++drawing.DrawnOutsidePages;
                break;
            }
            TextItem item;
            item.Text = Narrow((const WCHAR*)((const BYTE*)r + r->emrtext.offString),
                               (int)r->emrtext.nChars);
            item.X = r->emrtext.ptlReference.x;
            item.Y = r->emrtext.ptlReference.y;
            item.Width = 0;
            if (r->emrtext.offDx) {
                const INT* dx = (const INT*)((const BYTE*)r + r->emrtext.offDx);
                for (DWORD i = 0; i < r->emrtext.nChars; ++i)
                    item.Width += dx[i];
            }
            item.FontHeight = font.Font.Height;
            item.Face = font.Font.Face;
            page->Texts.push_back(item);
            break;
        }
        case EMR_RECTANGLE: {
            const EMRRECTANGLE* r = (const EMRRECTANGLE*)record;
            if (!page) {
                ++drawing.DrawnOutsidePages;
                break;
            }
            // The record keeps the inclusive corner: one less than drawn.
            RectItem item;
            item.Box = {r->rclBox.left, r->rclBox.top, r->rclBox.right + 1, r->rclBox.bottom + 1};
            item.Shaded = !brush.HollowBrush && brush.Colour == RGB(240, 240, 240);
            page->Rects.push_back(item);
            break;
        }
        case EMR_MOVETOEX: {
            if (page) {
                LineItem line;
                line.From = {((const EMRMOVETOEX*)record)->ptl.x,
                             ((const EMRMOVETOEX*)record)->ptl.y};
                line.To = line.From;
                line.PenWidth = 0;
                page->Lines.push_back(line);
            }
            break;
        }
        case EMR_LINETO: {
            if (!page || page->Lines.empty()) {
                ++drawing.DrawnOutsidePages;
                break;
            }
            LineItem& line = page->Lines.back();
            line.To = {((const EMRLINETO*)record)->ptl.x, ((const EMRLINETO*)record)->ptl.y};
            line.PenWidth = pen.PenWidth;
            break;
        }
        case EMR_STRETCHDIBITS: {
            const EMRSTRETCHDIBITS* r = (const EMRSTRETCHDIBITS*)record;
            if (!page) {
                ++drawing.DrawnOutsidePages;
                break;
            }
            page->Bitmaps.push_back(
                {r->xDest, r->yDest, r->xDest + r->cxDest, r->yDest + r->cyDest});
            break;
        }
        default: break;
        }
        at += record->nSize;
    }
    if (inPage) drawing.PagesBalanced = false;
    return drawing;
}

// A metafile as large as the page, measured against the screen; its records
// hold the job's own device coordinates.
HDC OpenMetafile(const PageMetrics& page, PrintJob* job) {
    RECT frame = {0, 0, MulDiv(page.Width, 2540, page.DpiX), MulDiv(page.Height, 2540, page.DpiY)};
    HDC dc = CreateEnhMetaFileA(nullptr, nullptr, &frame, "Korvane test\0page\0");
    memset(job, 0, sizeof *job);
    job->Dc = dc;
    job->Page = page;
    job->BeginPage = MarkPageStart;
    job->FinishPage = MarkPageEnd;
    StartCalls = 0;
    return dc;
}

Drawing CloseMetafile(HDC dc) {
    HENHMETAFILE metafile = CloseEnhMetaFile(dc);
    Drawing drawing = ReadMetafile(metafile);
    DeleteEnhMetaFile(metafile);
    return drawing;
}

Drawing DrawListing(const PageMetrics& page) {
    PrintJob job;
    HDC dc = OpenMetafile(page, &job);
    HGDIOBJ before = GetCurrentObject(dc, OBJ_FONT);
    DrawTestListing(&job);
    EXPECT_EQ(GetCurrentObject(dc, OBJ_FONT), before) << "the previous font is reselected";
    EXPECT_EQ(job.FontCount, 0);
    return CloseMetafile(dc);
}

Drawing DrawSheet(const PageMetrics& page, int showCorrect, int withLogo) {
    PrintJob job;
    HDC dc = OpenMetafile(page, &job);
    HGDIOBJ before = GetCurrentObject(dc, OBJ_FONT);
    DrawAnswerSheet(&job, showCorrect, withLogo);
    EXPECT_EQ(GetCurrentObject(dc, OBJ_FONT), before) << "the previous font is reselected";
    EXPECT_EQ(job.FontCount, 0);
    return CloseMetafile(dc);
}

// ------------------------------------------------------------ fixtures

std::string Today(int language) {
    SYSTEMTIME now;
    GetSystemTime(&now);
    char text[16];
    if (language == LanguageFrench)
        snprintf(text, sizeof text, "%02d-%02d-%04d", now.wDay, now.wMonth, now.wYear);
    else
        snprintf(text, sizeof text, "%02d-%02d-%04d", now.wMonth, now.wDay, now.wYear);
    return text;
}

void UseLanguage(int language) {
    CurrentOptions.Language = language;
    SelectLanguage();
}

const PageMetrics Letter300 = {2550, 3300, 300, 300};
const PageMetrics A4At600 = {4960, 7016, 600, 600};

class PrintPages : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        ASSERT_EQ(LoadQuestionPools(), 1);
        CreateDrawingObjects();
    }
    void SetUp() override {
        SetDefaultOptions();
        UseLanguage(LanguageEnglish);
        memset(&::Test, 0, sizeof ::Test);
        StartFails = -1;
    }
    void TearDown() override { UseLanguage(LanguageEnglish); }
};

bool StartsWith(const std::string& text, const std::string& prefix) {
    return text.compare(0, prefix.size(), prefix) == 0;
}

// Question blocks start with "n. (code)"; returns n, or 0.
int BlockNumber(const TextItem& item, std::string* code) {
    int number = 0, used = 0;
    if (sscanf(item.Text.c_str(), "%d. (%n", &number, &used) != 1 || used == 0) return 0;
    if (code) *code = item.Text.substr(used, QuestionCodeLength);
    return number;
}

std::string AllText(const PageItems& page) {
    std::string all;
    for (const TextItem& t : page.Texts)
        all += t.Text + "|";
    return all;
}

// Height of a block as the listing measures it, in the listing's font.
int MeasureBlock(const PageMetrics& page, int number, const char* code) {
    static QuestionRecord record;
    memset(&record, 0, sizeof record);
    LookUpQuestion(::Test.PoolBegin, ::Test.PoolEnd, code, &record);
    char block[ListingBufferSize];
    FormatListingBlock(block, sizeof block, number, &record);
    LOGFONTA font;
    memcpy(&font, &CurrentOptions.PrintFont, sizeof font);
    font.lfHeight = -MulDiv(abs(font.lfHeight), page.DpiY, 100);
    HFONT created = CreateFontIndirectA(&font);
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    ReleaseDC(nullptr, screen);
    HGDIOBJ kept = SelectObject(dc, created);
    RECT box = {page.DpiX, 0, page.Width - page.DpiX, 0};
    int height = DrawTextA(dc, block, -1, &box, DT_WORDBREAK | DT_EXPANDTABS | DT_CALCRECT);
    SelectObject(dc, kept);
    DeleteDC(dc);
    DeleteObject(created);
    return height;
}

// A pool of identical short questions (and one very long one at index
// `longAt`, or none), with the test pointing at all of them.
std::string SyntheticPool;
void UseSyntheticTest(int count, int longAt) {
    SyntheticPool.clear();
    // Long, yet well inside the block buffer.
    std::string longText(170, 'w');
    for (size_t i = 5; i < longText.size(); i += 6)
        longText[i] = ' ';
    for (int i = 0; i < count; ++i) {
        char code[32];
        snprintf(code, sizeof code, "B-001-%02d-01", i + 1);
        bool isLong = i == longAt;
        SyntheticPool += std::string(code) + " (" + char('1' + i % 4) + ")\r\n";
        SyntheticPool += (isLong ? longText : std::string("Question text")) + "\r\n";
        for (int a = 0; a < 4; ++a)
            SyntheticPool += (isLong ? longText : std::string("Answer")) + "\r\n";
        SyntheticPool += "\r\n";
        memcpy(::Test.Codes[i], code, QuestionCodeLength + 1);
    }
    ::Test.PoolBegin = SyntheticPool.data();
    ::Test.PoolEnd = SyntheticPool.data() + SyntheticPool.size();
    ::Test.QuestionCount = count;
    ::Test.PassMark = 60;
    ::Test.ClassIndex = ClassBasic;
}

// Which page (index in the drawing) each block number landed on.
std::map<int, int> BlockPages(const Drawing& drawing) {
    std::map<int, int> pages;
    for (size_t p = 0; p < drawing.Pages.size(); ++p)
        for (const TextItem& t : drawing.Pages[p].Texts)
            if (int n = BlockNumber(t, nullptr)) pages[n] = (int)p;
    return pages;
}

// ------------------------------------------------------------ test listing

TEST_F(PrintPages, ListingOfABasicTestOnTwoPageSizes) {
    ASSERT_EQ(GenerateTest(&::Test, ClassBasic, 4242), 1);
    ASSERT_EQ(::Test.QuestionCount, 100);
    const std::string date = Today(LanguageEnglish);
    for (const PageMetrics& page : {Letter300, A4At600}) {
        SCOPED_TRACE(page.Width);
        Drawing drawing = DrawListing(page);
        EXPECT_TRUE(drawing.PagesBalanced);
        EXPECT_EQ(drawing.DrawnOutsidePages, 0);
        ASSERT_GE(drawing.Pages.size(), 3u);

        // The title page: heading, date and pass sentence, centred; no header.
        const std::string title = AllText(drawing.Pages[0]);
        EXPECT_NE(title.find("Basic Class Training|"), std::string::npos) << title;
        EXPECT_NE(title.find("|" + date + "|"), std::string::npos) << title;
        EXPECT_NE(
            title.find("To pass this exam, you must correctly answer 60 out of the 100 questions"),
            std::string::npos)
            << title;
        EXPECT_EQ(title.find(" - Page "), std::string::npos);
        for (const TextItem& t : drawing.Pages[0].Texts) {
            EXPECT_GT(t.X, page.DpiX);
            EXPECT_GE(t.Y, page.DpiY);
        }

        const int limit = page.Height - page.DpiY;
        int expected = 1;
        int previousEnd = 0, previousPage = 0;
        for (size_t p = 1; p < drawing.Pages.size(); ++p) {
            const PageItems& items = drawing.Pages[p];
            ASSERT_FALSE(items.Texts.empty());
            // The header: first on the page, at the top margin, right-aligned.
            const TextItem& header = items.Texts[0];
            EXPECT_EQ(header.Text, "Basic - " + date + " - Page " + std::to_string(p));
            EXPECT_EQ(header.Y, page.DpiY);
            EXPECT_NEAR(header.X + header.Width, page.Width - page.DpiX, 2);
            EXPECT_EQ(header.FontHeight, -MulDiv(12, page.DpiY, 100));
            for (const TextItem& t : items.Texts) {
                std::string code;
                int n = BlockNumber(t, &code);
                if (!n) continue;
                ASSERT_EQ(n, expected) << "blocks in test order";
                EXPECT_EQ(code, ::Test.Codes[n - 1]);
                EXPECT_EQ(t.X, page.DpiX);
                int height = MeasureBlock(page, n, ::Test.Codes[n - 1]);
                if ((int)p == previousPage) {
                    EXPECT_EQ(t.Y, previousEnd) << "blocks follow each other";
                } else if (n > 1) {
                    EXPECT_GT(previousEnd + height, limit) << "block " << n << " moved too soon";
                }
                EXPECT_LE(t.Y + height, limit) << "block " << n << " runs past the margin";
                previousEnd = t.Y + height;
                previousPage = (int)p;
                ++expected;
            }
        }
        EXPECT_EQ(expected, 101);
    }
}

TEST_F(PrintPages, ListingFontFollowsThePrintFontWhateverTheSignOfItsHeight) {
    UseSyntheticTest(3, -1);
    strcpy(CurrentOptions.PrintFont.FaceName, "Times New Roman");
    CurrentOptions.PrintFont.Height = -20;
    Drawing drawing = DrawListing(Letter300);
    ASSERT_EQ(drawing.Fonts.size(), 1u);
    EXPECT_EQ(drawing.Fonts[0].Height, -60);
    EXPECT_EQ(drawing.Fonts[0].Face, "Times New Roman");
    ASSERT_EQ(drawing.Pages.size(), 2u);
    for (const PageItems& page : drawing.Pages)
        for (const TextItem& t : page.Texts)
            EXPECT_EQ(t.FontHeight, -60) << t.Text;

    CurrentOptions.PrintFont.Height = 20;
    Drawing positive = DrawListing(Letter300);
    ASSERT_EQ(positive.Fonts.size(), 1u);
    EXPECT_EQ(positive.Fonts[0].Height, -60);
    ASSERT_EQ(positive.Pages.size(), 2u);
    ASSERT_EQ(positive.Pages[1].Texts.size(), drawing.Pages[1].Texts.size());
    for (size_t i = 0; i < positive.Pages[1].Texts.size(); ++i)
        EXPECT_EQ(positive.Pages[1].Texts[i].Y, drawing.Pages[1].Texts[i].Y);
}

TEST_F(PrintPages, BlockEndingExactlyOnTheBottomLimitStaysOnThePage) {
    UseSyntheticTest(3, -1);
    // Everything on one tall page gives the header's and one block's height.
    PageMetrics tall = {1700, 20000, 200, 200};
    Drawing probe = DrawListing(tall);
    ASSERT_EQ(probe.Pages.size(), 2u);
    int y[4] = {};
    for (const TextItem& t : probe.Pages[1].Texts)
        if (int n = BlockNumber(t, nullptr)) y[n] = t.Y;
    int header = y[1] - tall.DpiY;
    int block = y[2] - y[1];
    ASSERT_GT(header, 0);
    ASSERT_GT(block, 0);
    ASSERT_EQ(y[3] - y[2], block);

    // Two blocks end exactly on H - DY: both stay, the third moves on.
    PageMetrics exact = tall;
    exact.Height = 2 * tall.DpiY + header + 2 * block;
    Drawing fits = DrawListing(exact);
    std::map<int, int> pages = BlockPages(fits);
    EXPECT_EQ(pages[1], 1);
    EXPECT_EQ(pages[2], 1);
    EXPECT_EQ(pages[3], 2);
    ASSERT_EQ(fits.Pages.size(), 3u);
    EXPECT_NE(fits.Pages[2].Texts[0].Text.find(" - Page 2"), std::string::npos);

    // One unit less and the second block goes to a page of its own.
    exact.Height -= 1;
    pages = BlockPages(DrawListing(exact));
    EXPECT_EQ(pages[1], 1);
    EXPECT_EQ(pages[2], 2);
    EXPECT_EQ(pages[3], 3);
}

TEST_F(PrintPages, BlockTallerThanAPageGetsAFreshPageAndRunsPastTheMargin) {
    UseSyntheticTest(3, 0);
    PageMetrics small = {800, 400, 100, 100};
    Drawing drawing = DrawListing(small);
    ASSERT_GE(drawing.Pages.size(), 4u);
    // The page opened for the first question holds only its header.
    ASSERT_EQ(drawing.Pages[1].Texts.size(), 1u);
    EXPECT_NE(drawing.Pages[1].Texts[0].Text.find(" - Page 1"), std::string::npos);
    std::map<int, int> pages = BlockPages(drawing);
    EXPECT_EQ(pages[1], 2);
    EXPECT_NE(drawing.Pages[2].Texts[0].Text.find(" - Page 2"), std::string::npos);
    int lowest = 0;
    for (const TextItem& t : drawing.Pages[2].Texts)
        lowest = std::max(lowest, t.Y);
    EXPECT_GT(lowest, small.Height - small.DpiY) << "drawn on past the bottom margin";
    // Nothing more fits below it.
    EXPECT_EQ(pages[2], 3);
    EXPECT_GE(pages[3], 3);
}

TEST_F(PrintPages, EmptyTestPrintsTheTitlePageAlone) {
    UseSyntheticTest(0, -1);
    Drawing drawing = DrawListing(Letter300);
    ASSERT_EQ(drawing.Pages.size(), 1u);
    EXPECT_NE(AllText(drawing.Pages[0]).find("out of the 0 questions"), std::string::npos);
}

TEST_F(PrintPages, FrenchAdvancedListing) {
    UseLanguage(LanguageFrench);
    ASSERT_EQ(GenerateTest(&::Test, ClassAdvanced, 99), 1);
    ASSERT_EQ(::Test.QuestionCount, 50);
    Drawing drawing = DrawListing(Letter300);
    ASSERT_GE(drawing.Pages.size(), 2u);
    std::string title = AllText(drawing.Pages[0]);
    EXPECT_NE(title.find("Entrainement de classe Sup\xE9rieure|"), std::string::npos) << title;
    EXPECT_NE(title.find("correctement \xE0 30 questions sur 50"), std::string::npos) << title;
    EXPECT_NE(title.find(Today(LanguageFrench)), std::string::npos);
    EXPECT_EQ(drawing.Pages[1].Texts[0].Text,
              "Sup\xE9rieure - " + Today(LanguageFrench) + " - Page 1");
    EXPECT_EQ(BlockPages(drawing).size(), 50u);
}

TEST_F(PrintPages, BrowseModeListsTheFirstQuestionOfEachSection) {
    ASSERT_EQ(GenerateTest(&::Test, ClassBasic, 7), 1);
    ASSERT_EQ(BuildBrowseList(&::Test, ClassBasic), 1);
    Mode = ModeBrowse;
    ASSERT_EQ(std::string(::Test.Codes[0]).size(), 9u); // section prefixes
    Drawing drawing = DrawListing(Letter300);
    int blocks = 0;
    for (size_t p = 1; p < drawing.Pages.size(); ++p)
        for (const TextItem& t : drawing.Pages[p].Texts) {
            std::string code;
            int n = BlockNumber(t, &code);
            if (!n) continue;
            ++blocks;
            EXPECT_EQ(code, std::string(::Test.Codes[n - 1]) + "01");
        }
    EXPECT_EQ(blocks, ::Test.QuestionCount);
    Mode = ModeExam;
}

TEST_F(PrintPages, FailedPageStarts) {
    UseSyntheticTest(30, -1);
    // No title page: the questions still print, headed from page 1.
    StartFails = 0;
    Drawing noTitle = DrawListing(Letter300);
    ASSERT_GE(noTitle.Pages.size(), 2u);
    EXPECT_TRUE(noTitle.PagesBalanced);
    EXPECT_NE(noTitle.Pages[0].Texts[0].Text.find(" - Page 1"), std::string::npos);
    EXPECT_EQ(BlockPages(noTitle).size(), 30u);

    // A question page that cannot start ends the listing there.
    StartFails = 2;
    Drawing cut = DrawListing(Letter300);
    EXPECT_EQ(StartCalls, 3);
    ASSERT_EQ(cut.Pages.size(), 2u);
    EXPECT_TRUE(cut.PagesBalanced);
    EXPECT_EQ(cut.DrawnOutsidePages, 0);
    std::map<int, int> pages = BlockPages(cut);
    EXPECT_GT(pages.size(), 1u);
    EXPECT_LT(pages.size(), 30u);
}

// ------------------------------------------------------------ answer sheet

struct SheetCheck {
    int Crosses[101][5] = {}; // crosses per question and answer box
    int ShadedWrong = 0, CellsMatched = 0;
};

SheetCheck CheckGrid(const PageItems& page, const PageMetrics& metrics) {
    SheetGeometry sheet;
    ComputeSheetGeometry(&sheet, &metrics);
    SheetCheck check;
    std::map<std::pair<int, int>, const RectItem*> byCorner;
    for (const RectItem& r : page.Rects)
        byCorner[{r.Box.left, r.Box.top}] = &r;
    for (int row = 0; row < SheetRows; ++row)
        for (int column = 0; column < SheetColumns; ++column) {
            PageRect cell = SheetCell(&sheet, row, column);
            auto found = byCorner.find({cell.Left, cell.Top});
            if (found == byCorner.end()) continue;
            const RectItem& r = *found->second;
            if (r.Box.right != cell.Right || r.Box.bottom != cell.Bottom) continue;
            ++check.CellsMatched;
            if (r.Shaded != (row == 0 || column % 5 == 0)) ++check.ShadedWrong;
            if (row == 0) continue;
            PageRect inset = ShrinkRect(cell, sheet.CellInsetX, sheet.CellInsetY);
            int tl_br = 0, tr_bl = 0;
            for (const LineItem& line : page.Lines) {
                if (line.PenWidth != 4) continue;
                if (line.From.x == inset.Left && line.From.y == inset.Top &&
                    line.To.x == inset.Right && line.To.y == inset.Bottom)
                    ++tl_br;
                if (line.From.x == inset.Right && line.From.y == inset.Top &&
                    line.To.x == inset.Left && line.To.y == inset.Bottom)
                    ++tr_bl;
            }
            if (tl_br && tr_bl) check.Crosses[SheetQuestionNumber(row, column)][column % 5] += 1;
        }
    return check;
}

int CorrectOf(int question) {
    QuestionRecord record;
    memset(&record, 0, sizeof record);
    EXPECT_EQ(LookUpQuestion(::Test.PoolBegin, ::Test.PoolEnd, ::Test.Codes[question - 1], &record),
              1);
    return record.Correct;
}

const TextItem* FindText(const PageItems& page, const std::string& text) {
    for (const TextItem& t : page.Texts)
        if (t.Text == text) return &t;
    return nullptr;
}

TEST_F(PrintPages, BlankSheetOnTwoPageSizes) {
    ASSERT_EQ(GenerateTest(&::Test, ClassBasic, 1), 1);
    for (const PageMetrics& page : {Letter300, A4At600}) {
        SCOPED_TRACE(page.Width);
        SheetGeometry sheet;
        ComputeSheetGeometry(&sheet, &page);
        Drawing drawing = DrawSheet(page, 0, 0);
        ASSERT_EQ(drawing.Pages.size(), 1u);
        EXPECT_TRUE(drawing.PagesBalanced);
        EXPECT_EQ(drawing.DrawnOutsidePages, 0);
        const PageItems& items = drawing.Pages[0];

        // Five fonts, sized in hundredths of an inch.
        ASSERT_EQ(drawing.Fonts.size(), 5u);
        const int sizes[5] = {22, 15, 12, 12, 15}, weights[5] = {700, 700, 400, 400, 400};
        const char* faces[5] = {"Times", "Arial", "Times", "Arial", "Arial"};
        for (int i = 0; i < 5; ++i) {
            EXPECT_EQ(drawing.Fonts[i].Height, -MulDiv(sizes[i], page.DpiY, 100));
            EXPECT_EQ(drawing.Fonts[i].Weight, weights[i]);
            EXPECT_EQ(drawing.Fonts[i].Face, faces[i]);
        }

        // Title lines, inside the title box, in the title font.
        const char* lines[3] = {"Velmorian Amateur Radio Operator", "Examination Answer Sheet",
                                "(Basic and Advanced)"};
        int lastY = 0;
        for (const char* line : lines) {
            const TextItem* t = FindText(items, line);
            ASSERT_NE(t, nullptr) << line;
            EXPECT_GE(t->X, sheet.Title.Left);
            EXPECT_LE(t->X + t->Width, sheet.Title.Right);
            EXPECT_GT(t->Y, lastY);
            EXPECT_LT(t->Y, sheet.Title.Bottom);
            EXPECT_EQ(t->FontHeight, -MulDiv(22, page.DpiY, 100));
            lastY = t->Y;
        }
        // Name and date boxes, with their texts inset.
        const TextItem* name = FindText(items, "Name of candidate:");
        ASSERT_NE(name, nullptr);
        EXPECT_EQ(name->X, sheet.NameBox.Left + sheet.InsetX);
        EXPECT_EQ(name->Y, sheet.NameBox.Top + sheet.InsetY);
        const TextItem* date = FindText(items, "Date of Exam:  " + Today(LanguageEnglish));
        ASSERT_NE(date, nullptr) << AllText(items).substr(0, 300);
        EXPECT_EQ(date->X, sheet.DateBox.Left + sheet.InsetX);
        // Instructions between the boxes and the grid.
        bool instructions = false;
        for (const TextItem& t : items.Texts)
            if (StartsWith(t.Text, "Instructions: Place an \"X\"")) {
                instructions = true;
                EXPECT_EQ(t.Y, sheet.Instructions.Top);
                EXPECT_EQ(t.FontHeight, -MulDiv(12, page.DpiY, 100));
            }
        EXPECT_TRUE(instructions);

        // 525 grid cells and four boxes; header row and number columns shaded.
        EXPECT_EQ(items.Rects.size(), 525u + 4u);
        SheetCheck grid = CheckGrid(items, page);
        EXPECT_EQ(grid.CellsMatched, 525);
        EXPECT_EQ(grid.ShadedWrong, 0);
        for (int n = 1; n <= 100; ++n)
            for (int k = 1; k <= 4; ++k)
                EXPECT_EQ(grid.Crosses[n][k], 0);
        EXPECT_TRUE(items.Lines.empty());

        // Numbers: 1..4 over the boxes of each group, 1..100 down the groups.
        std::map<std::string, int> counts;
        for (const TextItem& t : items.Texts)
            counts[t.Text] += 1;
        for (int k = 1; k <= 4; ++k)
            EXPECT_EQ(counts[std::to_string(k)], 5 + 1) << k;
        for (int n = 5; n <= 100; ++n)
            EXPECT_EQ(counts[std::to_string(n)], 1) << n;
        PageRect cell = SheetCell(&sheet, 20, 20); // question 100
        const TextItem* hundred = FindText(items, "100");
        ASSERT_NE(hundred, nullptr);
        EXPECT_EQ(hundred->X, cell.Left + sheet.CellInsetX);
        EXPECT_EQ(hundred->Y, cell.Top + sheet.CellInsetY);

        // The two mark boxes, their labels on the second line.
        const TextItem* marks = FindText(items, "Mark Obtained (pass=60%)");
        ASSERT_NE(marks, nullptr);
        EXPECT_EQ(marks->X, sheet.MarkBox.Left + sheet.InsetX);
        EXPECT_GT(marks->Y, sheet.MarkBox.Top + sheet.InsetY);
        EXPECT_LT(marks->Y, sheet.MarkBox.Bottom);
        bool classes = false;
        for (const TextItem& t : items.Texts)
            if (StartsWith(t.Text, "Basic:") && t.Text.find("Advanced:") != std::string::npos)
                classes = t.X == sheet.ClassBox.Left + sheet.InsetX;
        EXPECT_TRUE(classes);
        EXPECT_TRUE(items.Bitmaps.empty());
    }
}

TEST_F(PrintPages, CorrectAnswerSheetCrossesOneBoxPerQuestion) {
    ASSERT_EQ(GenerateTest(&::Test, ClassBasic, 31337), 1);
    for (const PageMetrics& page : {Letter300, A4At600}) {
        SCOPED_TRACE(page.Width);
        Drawing drawing = DrawSheet(page, 1, 0);
        ASSERT_EQ(drawing.Pages.size(), 1u);
        const PageItems& items = drawing.Pages[0];
        EXPECT_NE(FindText(items, "Correct Examination Answer Sheet"), nullptr);
        EXPECT_EQ(FindText(items, "Examination Answer Sheet"), nullptr);
        for (const TextItem& t : items.Texts)
            EXPECT_FALSE(StartsWith(t.Text, "Instructions")) << "no instructions";
        SheetCheck grid = CheckGrid(items, page);
        EXPECT_EQ(grid.CellsMatched, 525);
        for (int n = 1; n <= 100; ++n) {
            int correct = CorrectOf(n);
            for (int k = 1; k <= 4; ++k)
                EXPECT_EQ(grid.Crosses[n][k], k - 1 == correct ? 1 : 0) << n << " box " << k;
        }
        EXPECT_EQ(items.Lines.size(), 200u); // two strokes per cross, nothing else
    }
}

TEST_F(PrintPages, AdvancedSheetCrossesOnlyItsFiftyQuestions) {
    UseLanguage(LanguageFrench);
    ASSERT_EQ(GenerateTest(&::Test, ClassAdvanced, 5), 1);
    Drawing drawing = DrawSheet(Letter300, 1, 0);
    ASSERT_EQ(drawing.Pages.size(), 1u);
    const PageItems& items = drawing.Pages[0];
    EXPECT_NE(FindText(items, "Feuille des r\xE9ponses correctes"), nullptr);
    EXPECT_NE(FindText(items, "Date de l'examen:  " + Today(LanguageFrench)), nullptr);
    SheetCheck grid = CheckGrid(items, Letter300);
    for (int n = 1; n <= 100; ++n) {
        int crosses = 0;
        for (int k = 1; k <= 4; ++k)
            crosses += grid.Crosses[n][k];
        EXPECT_EQ(crosses, n <= 50 ? 1 : 0) << n;
        if (n <= 50) {
            EXPECT_EQ(grid.Crosses[n][CorrectOf(n) + 1], 1) << n;
        }
    }
    // Numbering goes to 100 whatever the class.
    EXPECT_NE(FindText(items, "100"), nullptr);
    EXPECT_NE(FindText(items, "51"), nullptr);
}

TEST_F(PrintPages, LogoStandsInTheHeadingBandLeftOfTheTitle) {
    ASSERT_EQ(GenerateTest(&::Test, ClassBasic, 1), 1);
    for (const PageMetrics& page : {Letter300, A4At600, PageMetrics{1650, 1275, 150, 150}}) {
        SCOPED_TRACE(page.Width);
        SheetGeometry sheet;
        ComputeSheetGeometry(&sheet, &page);
        Drawing drawing = DrawSheet(page, 0, 1);
        ASSERT_EQ(drawing.Pages.size(), 1u);
        ASSERT_EQ(drawing.Pages[0].Bitmaps.size(), 1u);
        RECT logo = drawing.Pages[0].Bitmaps[0];
        EXPECT_GE(logo.left, sheet.LogoBand.Left);
        EXPECT_LE(logo.right, sheet.LogoBand.Right);
        EXPECT_GE(logo.top, sheet.LogoBand.Top);
        EXPECT_LE(logo.bottom, sheet.LogoBand.Bottom);
        // Full band height or full band width, in the strip's proportions.
        int width = logo.right - logo.left, height = logo.bottom - logo.top;
        EXPECT_TRUE(height == sheet.LogoBand.Bottom - sheet.LogoBand.Top ||
                    width == sheet.LogoBand.Right - sheet.LogoBand.Left);
        EXPECT_NEAR(width * 33.0 / height, 215.0, 215.0 * 0.02);
    }
}

TEST_F(PrintPages, SheetPageThatCannotStartDrawsNothing) {
    ASSERT_EQ(GenerateTest(&::Test, ClassBasic, 1), 1);
    StartFails = 0;
    Drawing drawing = DrawSheet(Letter300, 1, 1);
    EXPECT_TRUE(drawing.Pages.empty());
    EXPECT_EQ(drawing.DrawnOutsidePages, 0);
}

TEST_F(PrintPages, PageHeaderIsRightAlignedAndReturnsItsHeight) {
    ::Test.ClassIndex = ClassAdvanced;
    PrintJob job;
    HDC dc = OpenMetafile(Letter300, &job);
    MarkPageStart(dc);
    RECT box = {300, 500, 2250, 3000};
    HFONT font = CreateFontA(-36, 0, 0, 0, 400, 0, 0, 0, 0, 0, 0, 0, 0, "Arial");
    HGDIOBJ kept = SelectObject(dc, font);
    TEXTMETRICA metrics;
    GetTextMetricsA(dc, &metrics);
    int height = DrawPageHeader(dc, &box, 17);
    // One line of text, and at most the empty line after its line break.
    EXPECT_GE(height, metrics.tmHeight);
    EXPECT_LE(height, 2 * metrics.tmHeight);
    SelectObject(dc, kept);
    DeleteObject(font);
    MarkPageEnd(dc);
    Drawing drawing = CloseMetafile(dc);
    ASSERT_EQ(drawing.Pages.size(), 1u);
    ASSERT_EQ(drawing.Pages[0].Texts.size(), 1u);
    const TextItem& header = drawing.Pages[0].Texts[0];
    EXPECT_EQ(header.Text, "Advanced - " + Today(LanguageEnglish) + " - Page 17");
    EXPECT_EQ(header.Y, 500);
    EXPECT_NEAR(header.X + header.Width, 2250, 2);
}

TEST_F(PrintPages, DeviceWithoutBitmapStretchingIsWarnedAbout) {
    // An old-style metafile cannot stretch bitmaps; the screen can.
    HDC plain = CreateMetaFileA(nullptr);
    ASSERT_EQ(GetDeviceCaps(plain, RASTERCAPS) & RC_STRETCHBLT, 0);
    HWND owner = CreateWindowA("STATIC", "owner", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr,
                               nullptr);
    for (int language : {LanguageEnglish, LanguageFrench}) {
        UseLanguage(language);
        MessageBoxWatch watch(IDOK);
        EXPECT_EQ(CheckBitmapSupport(owner, plain), 0);
        ASSERT_EQ(watch.Boxes.size(), 1u);
        EXPECT_EQ(watch.Boxes[0].Caption, "Korvane");
        EXPECT_EQ(watch.Boxes[0].Text, Str(33));
        EXPECT_EQ(watch.Boxes[0].Icon, (UINT)MB_ICONWARNING);
        EXPECT_EQ(watch.Boxes[0].Buttons, (UINT)MB_OK);
        EXPECT_EQ(watch.Boxes[0].Owner, owner);
    }
    EXPECT_EQ(std::string(Str(33)).substr(0, 33), "Votre imprimante ne prend en comp");
    DeleteMetaFile(CloseMetaFile(plain));

    HDC screen = GetDC(nullptr);
    MessageBoxWatch none(IDOK);
    EXPECT_EQ(CheckBitmapSupport(owner, screen), 1);
    EXPECT_TRUE(none.Boxes.empty());
    ReleaseDC(nullptr, screen);
    DestroyWindow(owner);
}

} // namespace
