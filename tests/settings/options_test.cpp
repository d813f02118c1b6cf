#include "settings/options.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

TEST(ParseDecimal, TakesWhiteSpaceSignAndLeadingDigits) {
    EXPECT_EQ(ParseDecimal("1"), 1);
    EXPECT_EQ(ParseDecimal("  42"), 42);
    EXPECT_EQ(ParseDecimal("\t\n\v\f\r 12"), 12);
    EXPECT_EQ(ParseDecimal("-3"), -3);
    EXPECT_EQ(ParseDecimal("+7"), 7);
    EXPECT_EQ(ParseDecimal("600"), 600);
    EXPECT_EQ(ParseDecimal("12abc"), 12);
    EXPECT_EQ(ParseDecimal("007"), 7);
    EXPECT_EQ(ParseDecimal("2 3"), 2);
}

TEST(ParseDecimal, TextNotStartingWithANumberIsZero) {
    EXPECT_EQ(ParseDecimal(""), 0);
    EXPECT_EQ(ParseDecimal("x"), 0);
    EXPECT_EQ(ParseDecimal("abc"), 0);
    EXPECT_EQ(ParseDecimal("-"), 0);
    EXPECT_EQ(ParseDecimal("- 5"), 0);
    EXPECT_EQ(ParseDecimal("+-5"), 0);
    EXPECT_EQ(ParseDecimal("0x10"), 0);
    EXPECT_EQ(ParseDecimal("\xA0"
                           "5"),
              0); // no-break space is not white space
}

TEST(ParseDecimal, SaturatesInsteadOfOverflowing) {
    EXPECT_EQ(ParseDecimal("2147483647"), 2147483647);
    EXPECT_EQ(ParseDecimal("-2147483648"), -2147483647 - 1);
    EXPECT_EQ(ParseDecimal("2147483648"), 2147483647);
    EXPECT_EQ(ParseDecimal("-2147483649"), -2147483647 - 1);
    EXPECT_EQ(ParseDecimal("99999999999999999999999999999999"), 2147483647);
    EXPECT_EQ(ParseDecimal("-99999999999999999999999999999999"), -2147483647 - 1);
}

TEST(Options, DefaultsAndExamMode) {
    memset(&CurrentOptions, 0x5A, sizeof CurrentOptions);
    Mode = ModeBrowse;
    SetDefaultOptions();
    EXPECT_EQ(CurrentOptions.ShowAnswerBefore, 0);
    EXPECT_EQ(CurrentOptions.PlaySounds, 1);
    EXPECT_EQ(CurrentOptions.ShowLogLabels, 1);
    EXPECT_EQ(CurrentOptions.Language, 1);
    EXPECT_EQ(Mode, ModeExam);
    StoredFont expected;
    memset(&expected, 0, sizeof expected);
    expected.Height = 12;
    expected.Weight = 400;
    strcpy(expected.FaceName, "Arial");
    // Every byte, so that no garbage reaches the store or GDI.
    EXPECT_EQ(memcmp(&CurrentOptions.PrintFont, &expected, sizeof expected), 0);
}

TEST(Options, CheckLoadedOptionsMakesHandEditedValuesUsable) {
    SetDefaultOptions();
    for (int language : {0, 3, 7, -1, 2147483647}) {
        CurrentOptions.Language = language;
        CheckLoadedOptions(&CurrentOptions);
        EXPECT_EQ(CurrentOptions.Language, 1) << language;
    }
    CurrentOptions.Language = 2;
    CheckLoadedOptions(&CurrentOptions);
    EXPECT_EQ(CurrentOptions.Language, 2);

    // A face name filling all 32 bytes is cut, never read past.
    memset(CurrentOptions.PrintFont.FaceName, 'Q', sizeof CurrentOptions.PrintFont.FaceName);
    CheckLoadedOptions(&CurrentOptions);
    EXPECT_EQ(strlen(CurrentOptions.PrintFont.FaceName), 31u);

    // The other options keep what the store said, as their readers expect.
    CurrentOptions.PlaySounds = 2;
    CurrentOptions.ShowLogLabels = 2;
    CurrentOptions.ShowAnswerBefore = -4;
    CheckLoadedOptions(&CurrentOptions);
    EXPECT_EQ(CurrentOptions.PlaySounds, 2);
    EXPECT_EQ(CurrentOptions.ShowLogLabels, 2);
    EXPECT_EQ(CurrentOptions.ShowAnswerBefore, -4);
}

} // namespace
