#include "settings/strings.h"

#include "bank/exam_class.h"
#include "settings/options.h"
#include "tests/support/fixture_pool.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

TEST(StringTables, EverySlotIsATextAndSlotZeroIsEmpty) {
    for (int slot = 0; slot < StringSlots; ++slot) {
        ASSERT_NE(EnglishStrings[slot], nullptr) << slot;
        ASSERT_NE(FrenchStrings[slot], nullptr) << slot;
        if (slot > 0) {
            EXPECT_GT(strlen(EnglishStrings[slot]), 0u) << slot;
            EXPECT_GT(strlen(FrenchStrings[slot]), 0u) << slot;
        }
    }
    EXPECT_STREQ(EnglishStrings[0], "");
    EXPECT_STREQ(FrenchStrings[0], "");
}

TEST(StringTables, FrenchTextsAreWindows1252Bytes) {
    EXPECT_STREQ(FrenchStrings[55], "Sup\xE9rieure");
    EXPECT_STREQ(FrenchStrings[1], "Le test en cours est d\xE9j\xE0 inscrit dans le journal");
    EXPECT_STREQ(FrenchStrings[26],
                 "Afficher une bo\xEEte de dialogue pour commencer un nouveau test");
    EXPECT_STREQ(FrenchStrings[35], "Etes-vous s\xFBr(e) de vouloir effacer le journal");
    EXPECT_STREQ(FrenchStrings[74],
                 "Je certifie que l'examen a \xE9t\xE9 administr\xE9 de fa\xE7on "
                 "juste et impartiale, conform\xE9ment\naux proc\xE9"
                 "dures \xE9tablies par Velmoria.");
    // Each table is single-byte text: no UTF-8 sequence survived the build.
    for (int slot = 0; slot < StringSlots; ++slot)
        EXPECT_EQ(strstr(FrenchStrings[slot], "\xC3"), nullptr) << slot;
}

TEST(StringTables, TextsTheRestOfTheProgramDependsOn) {
    EXPECT_STREQ(EnglishStrings[52], "Korvane");
    EXPECT_STREQ(FrenchStrings[52], "Korvane");
    EXPECT_STREQ(EnglishStrings[51], "Switches to French");
    EXPECT_STREQ(FrenchStrings[51], "Bascule \xE0 Anglais");
    EXPECT_STREQ(EnglishStrings[1], "The current test is already in the log");
    EXPECT_STREQ(EnglishStrings[2], "The current test is not finished");
    // The clear question ends with "?" in English only.
    std::string en35 = EnglishStrings[35], fr35 = FrenchStrings[35];
    EXPECT_EQ(en35.back(), '?');
    EXPECT_NE(fr35.back(), '?');
    // Misspellings are kept.
    EXPECT_STREQ(EnglishStrings[24], "Go to the next question in the text or pool");
    EXPECT_STREQ(FrenchStrings[23], "Aller \xE0 la prec\xE9"
                                    "dente question du test ou pool");
    EXPECT_STREQ(EnglishStrings[34],
                 "To pass this exam, you must correctly answer %d out of the %d questions");
}

// The authority is fictional: its about texts and links point only into the
// reserved example domains and credit roles, not people.
TEST(StringTables, AuthorityTextsUseReservedAddresses) {
    for (const char* const* table : {EnglishStrings, FrenchStrings}) {
        for (int slot : {44, 45, 61}) {
            std::string text = table[slot];
            EXPECT_NE(text.find("2000"), std::string::npos) << slot;
            EXPECT_EQ(text.rfind("Korvane", 0), 0u) << slot;
            EXPECT_NE(text.find('\xA9'), std::string::npos) << slot; // copyright sign
        }
        EXPECT_EQ(std::string(table[61]).find('\n'), std::string::npos);
        EXPECT_EQ(std::string(table[53]).find('\n'), std::string::npos);
        EXPECT_EQ(std::string(table[77]).rfind("http://www.example.org/", 0), 0u);
        for (int slot : {78, 79}) {
            std::string link = table[slot];
            EXPECT_EQ(link.rfind("mailto:", 0), 0u) << slot;
            EXPECT_EQ(link.size() - link.find("@example.org"), strlen("@example.org")) << slot;
        }
        // The about module lays its two links over the sixth and seventh lines:
        // they must be the addresses the links open.
        std::vector<std::string> lines;
        std::string about = table[44];
        for (size_t start = 0;;) {
            size_t end = about.find('\n', start);
            lines.push_back(about.substr(start, end - start));
            if (end == std::string::npos) break;
            start = end + 1;
        }
        ASSERT_GE(lines.size(), 9u);
        EXPECT_EQ(lines[0], "Korvane");
        EXPECT_EQ(lines[1], "");
        EXPECT_EQ(lines[4], "");
        EXPECT_EQ(lines[5], table[77]);
        EXPECT_EQ("mailto:" + lines[6], table[78]);
        EXPECT_EQ(lines[7], "");
        EXPECT_NE(table[45], std::string(table[44]));
    }
    EXPECT_STRNE(EnglishStrings[77], FrenchStrings[77]);
    EXPECT_STRNE(EnglishStrings[78], FrenchStrings[78]);
}

TEST(StringTables, StrLooksUpTheCurrentTableAndGuardsTheRange) {
    InstallFixturePools();
    SetDefaultOptions();
    SelectLanguage();
    EXPECT_STREQ(Str(51), "Switches to French");
    EXPECT_STREQ(Str(-1), "");
    EXPECT_STREQ(Str(StringSlots), "");

    CurrentOptions.Language = LanguageFrench;
    SelectLanguage();
    EXPECT_EQ(CurrentStrings, FrenchStrings);
    EXPECT_STREQ(Str(51), "Bascule \xE0 Anglais");
    // The pools follow in the same step.
    EXPECT_EQ(CurrentPools.BasicBegin, Pools[PoolBasicFr].PoolBegin);
    EXPECT_EQ(CurrentPools.AdvancedBegin, Pools[PoolAdvancedFr].PoolBegin);

    CurrentOptions.Language = LanguageEnglish;
    SelectLanguage();
    EXPECT_EQ(CurrentStrings, EnglishStrings);
    EXPECT_EQ(CurrentPools.BasicBegin, Pools[PoolBasicEn].PoolBegin);
}

} // namespace
