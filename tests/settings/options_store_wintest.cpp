#include "bank/exam_class.h"
#include "bank/pool_resources.h"
#include "settings/options.h"
#include "settings/options_store_win32.h"
#include "settings/registry_win32.h"
#include "settings/sound_win32.h"
#include "settings/strings.h"
#include "tests/support/raw_store_win32.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <windows.h>

namespace {

const char OptionsKey[] = "Software\\Korvane\\Options";
const char ScratchKey[] = "Software\\Korvane\\Scratch\\Deeper";

RegistryRequest Request(const char* key, const char* name) {
    RegistryRequest request;
    PrepareRegistryRequest(&request, HKEY_CURRENT_USER, key, name);
    return request;
}

std::string RawText(const char* key, const char* name, DWORD* type) {
    std::vector<unsigned char> data;
    if (!GetRawValue(key, name, type, &data)) return "<missing>";
    return std::string(data.begin(), data.end());
}

StoredFont DefaultFont() {
    SetDefaultOptions();
    return CurrentOptions.PrintFont;
}

// ---- The four access operations

TEST(Registry, ReadsNeverCreateTheKeyWritesDo) {
    DeleteKorvaneStore();
    RegistryRequest request = Request(ScratchKey, "Text");
    EXPECT_EQ(ReadStringValue(&request), 0);
    EXPECT_EQ(ReadBinaryValue(&request, 4), 0);
    EXPECT_FALSE(KeyExists("Software\\Korvane"));

    strcpy(request.Data, "hello");
    ASSERT_EQ(WriteStringValue(&request), 1);
    DWORD type = 0;
    // The terminator is stored.
    EXPECT_EQ(RawText(ScratchKey, "Text", &type), std::string("hello", 6));
    EXPECT_EQ(type, (DWORD)REG_SZ);

    request = Request(ScratchKey, "Text");
    ASSERT_EQ(ReadStringValue(&request), 1);
    EXPECT_STREQ(request.Data, "hello");
    request = Request(ScratchKey, "Missing");
    EXPECT_EQ(ReadStringValue(&request), 0);

    request = Request(ScratchKey, "Bytes");
    memcpy(request.Data, "\x01\x00\x02\xFF", 4);
    ASSERT_EQ(WriteBinaryValue(&request, 4), 1);
    EXPECT_EQ(RawText(ScratchKey, "Bytes", &type), std::string("\x01\x00\x02\xFF", 4));
    EXPECT_EQ(type, (DWORD)REG_BINARY);
    request = Request(ScratchKey, "Bytes");
    ASSERT_EQ(ReadBinaryValue(&request, 4), 1);
    EXPECT_EQ(memcmp(request.Data, "\x01\x00\x02\xFF", 4), 0);
}

TEST(Registry, StringsComeBackTerminatedWhateverIsStored) {
    DeleteKorvaneStore();
    // No terminator stored.
    ASSERT_TRUE(PutRawValue(ScratchKey, "Bare", REG_SZ, "42", 2));
    RegistryRequest request = Request(ScratchKey, "Bare");
    memset(request.Data, 'X', sizeof request.Data);
    ASSERT_EQ(ReadStringValue(&request), 1);
    EXPECT_STREQ(request.Data, "42");

    // 259 characters, no terminator: the whole buffer, terminated.
    std::string full(260, '7');
    ASSERT_TRUE(PutRawValue(ScratchKey, "Full", REG_SZ, full.data(), 259));
    request = Request(ScratchKey, "Full");
    memset(request.Data, 'X', sizeof request.Data);
    ASSERT_EQ(ReadStringValue(&request), 1);
    EXPECT_EQ(std::string(request.Data), full.substr(0, 259));

    // 260 characters, no terminator: Wine refuses it (no room to add one);
    // a platform that hands back all 260 bytes gets 259 and the terminator.
    ASSERT_TRUE(PutRawValue(ScratchKey, "Full", REG_SZ, full.data(), 260));
    request = Request(ScratchKey, "Full");
    strcpy(request.Data, "kept");
    if (ReadStringValue(&request))
        EXPECT_EQ(std::string(request.Data), full.substr(0, 259));
    else
        EXPECT_STREQ(request.Data, "kept");

    // Longer than the buffer: not read, Data untouched.
    ASSERT_TRUE(PutRawString(ScratchKey, "Long", std::string(1000, '9').c_str()));
    request = Request(ScratchKey, "Long");
    strcpy(request.Data, "kept");
    EXPECT_EQ(ReadStringValue(&request), 0);
    EXPECT_STREQ(request.Data, "kept");

    // Only REG_SZ is text: the bytes of other types would read as numbers.
    DWORD one = 0x31; // "1" in its first byte
    ASSERT_TRUE(PutRawValue(ScratchKey, "Dword", REG_DWORD, &one, 4));
    ASSERT_TRUE(PutRawValue(ScratchKey, "Multi", REG_MULTI_SZ, "2\0\0", 3));
    ASSERT_TRUE(PutRawValue(ScratchKey, "Binary", REG_BINARY, "12\0z", 4));
    for (const char* name : {"Dword", "Multi", "Binary"}) {
        request = Request(ScratchKey, name);
        strcpy(request.Data, "kept");
        EXPECT_EQ(ReadStringValue(&request), 0) << name;
        EXPECT_STREQ(request.Data, "kept") << name;
    }

    // Written from a Data buffer without terminator: 259 characters stored.
    request = Request(ScratchKey, "FromFull");
    memset(request.Data, 'k', sizeof request.Data);
    ASSERT_EQ(WriteStringValue(&request), 1);
    DWORD type;
    EXPECT_EQ(RawText(ScratchKey, "FromFull", &type), std::string(259, 'k') + '\0');
}

TEST(Registry, BinaryReadsTakeExactlyTheRequestedSize) {
    DeleteKorvaneStore();
    ASSERT_TRUE(PutRawValue(ScratchKey, "Five", REG_BINARY, "abcde", 5));
    RegistryRequest request = Request(ScratchKey, "Five");
    strcpy(request.Data, "kept");
    EXPECT_EQ(ReadBinaryValue(&request, 4), 0); // longer than asked
    EXPECT_EQ(ReadBinaryValue(&request, 6), 0); // shorter: treated as missing
    EXPECT_STREQ(request.Data, "kept");
    ASSERT_EQ(ReadBinaryValue(&request, 5), 1);
    EXPECT_EQ(memcmp(request.Data, "abcde", 5), 0);
    // Sizes outside the buffer are refused rather than overrun.
    EXPECT_EQ(ReadBinaryValue(&request, RegistryBufferSize + 1), 0);
    EXPECT_EQ(ReadBinaryValue(&request, -1), 0);
    EXPECT_EQ(WriteBinaryValue(&request, RegistryBufferSize + 1), 0);
    // Only REG_BINARY is a record, whatever the size of another type.
    ASSERT_TRUE(PutRawString(ScratchKey, "Text", "abc"));
    request = Request(ScratchKey, "Text");
    strcpy(request.Data, "kept");
    EXPECT_EQ(ReadBinaryValue(&request, 4), 0);
    EXPECT_STREQ(request.Data, "kept");
}

TEST(Registry, AKeyThatCannotBeWrittenIsStillReadAndNeverChanged) {
    DeleteKorvaneStore();
    ASSERT_TRUE(PutRawString(ScratchKey, "Text", "7"));
    ASSERT_TRUE(PutRawValue(ScratchKey, "Bytes", REG_BINARY, "abcd", 4));
    ASSERT_TRUE(SetKeyReadOnly(ScratchKey, true));
    HKEY probe = nullptr;
    ASSERT_NE(RegOpenKeyExA(HKEY_CURRENT_USER, ScratchKey, 0, KEY_ALL_ACCESS, &probe),
              ERROR_SUCCESS);

    RegistryRequest request = Request(ScratchKey, "Text");
    ASSERT_EQ(ReadStringValue(&request), 1);
    EXPECT_STREQ(request.Data, "7");
    request = Request(ScratchKey, "Bytes");
    ASSERT_EQ(ReadBinaryValue(&request, 4), 1);
    EXPECT_EQ(memcmp(request.Data, "abcd", 4), 0);

    request = Request(ScratchKey, "Text");
    strcpy(request.Data, "8");
    EXPECT_EQ(WriteStringValue(&request), 0);
    request = Request(ScratchKey, "New");
    EXPECT_EQ(WriteBinaryValue(&request, 4), 0);
    DWORD type;
    EXPECT_EQ(RawText(ScratchKey, "Text", &type), std::string("7", 2));
    EXPECT_EQ(RawText(ScratchKey, "New", &type), "<missing>");
    DeleteKorvaneStore();
    EXPECT_FALSE(KeyExists("Software\\Korvane"));
}

TEST(Registry, OverlongNamesAreCutToTheBuffers) {
    std::string longName(400, 'n');
    RegistryRequest request;
    PrepareRegistryRequest(&request, HKEY_CURRENT_USER, longName.c_str(), longName.c_str());
    EXPECT_EQ(strlen(request.KeyPath), 259u);
    EXPECT_EQ(strlen(request.ValueName), 259u);
    // Buffers filled by hand without terminator are still read within bounds.
    memset(request.KeyPath, 'k', sizeof request.KeyPath);
    memset(request.ValueName, 'v', sizeof request.ValueName);
    EXPECT_EQ(ReadStringValue(&request), 0);
}

// ---- Options

TEST(OptionsStore, FirstRunGivesDefaultsAndSaveCreatesAllFiveValues) {
    DeleteKorvaneStore();
    memset(&CurrentOptions, 0x33, sizeof CurrentOptions);
    Mode = ModeBrowse;
    LoadOptions();
    EXPECT_EQ(Mode, ModeExam);
    EXPECT_EQ(CurrentOptions.ShowAnswerBefore, 0);
    EXPECT_EQ(CurrentOptions.PlaySounds, 1);
    EXPECT_EQ(CurrentOptions.ShowLogLabels, 1);
    EXPECT_EQ(CurrentOptions.Language, 1);
    StoredFont font = DefaultFont();
    EXPECT_EQ(CurrentOptions.PrintFont.Height, 12);
    EXPECT_STREQ(CurrentOptions.PrintFont.FaceName, "Arial");
    EXPECT_FALSE(KeyExists(OptionsKey)); // loading writes nothing

    LoadOptions();
    ASSERT_EQ(SaveOptions(), 1);
    const char* const names[] = {"PlaySounds", "ShowAnswerBefore", "ShowLogLabels", "Language"};
    const char* const texts[] = {"1", "0", "1", "1"};
    for (int i = 0; i < 4; ++i) {
        DWORD type = 0;
        EXPECT_EQ(RawText(OptionsKey, names[i], &type), std::string(texts[i]) + '\0') << names[i];
        EXPECT_EQ(type, (DWORD)REG_SZ) << names[i];
    }
    DWORD type = 0;
    std::string stored = RawText(OptionsKey, "PrintFont", &type);
    EXPECT_EQ(type, (DWORD)REG_BINARY);
    ASSERT_EQ(stored.size(), 60u);
    EXPECT_EQ(memcmp(stored.data(), &font, 60), 0);
    // As the platform's LOGFONTA.
    LOGFONTA logFont;
    memcpy(&logFont, stored.data(), sizeof logFont);
    EXPECT_EQ(logFont.lfHeight, 12);
    EXPECT_EQ(logFont.lfWeight, 400);
    EXPECT_STREQ(logFont.lfFaceName, "Arial");
}

TEST(OptionsStore, SavedOptionsComeBack) {
    DeleteKorvaneStore();
    SetDefaultOptions();
    CurrentOptions.ShowAnswerBefore = 1;
    CurrentOptions.PlaySounds = 0;
    CurrentOptions.ShowLogLabels = -7;
    CurrentOptions.Language = 2;
    CurrentOptions.PrintFont.Height = -27;
    CurrentOptions.PrintFont.Italic = 1;
    strcpy(CurrentOptions.PrintFont.FaceName, "Times New Roman");
    Options saved = CurrentOptions;
    ASSERT_EQ(SaveOptions(), 1);
    DWORD type;
    EXPECT_EQ(RawText(OptionsKey, "ShowLogLabels", &type), std::string("-7", 3));

    SetDefaultOptions();
    LoadOptions();
    EXPECT_EQ(memcmp(&CurrentOptions, &saved, sizeof saved), 0);
}

TEST(OptionsStore, DecimalTextsAsTheReadersExpectThem) {
    DeleteKorvaneStore();
    ASSERT_TRUE(PutRawString(OptionsKey, "PlaySounds", "2"));
    ASSERT_TRUE(PutRawString(OptionsKey, "ShowLogLabels", " 2 labels"));
    ASSERT_TRUE(PutRawString(OptionsKey, "ShowAnswerBefore", "yes"));
    LoadOptions();
    EXPECT_EQ(CurrentOptions.PlaySounds, 2);       // non-zero: sounds play
    EXPECT_EQ(CurrentOptions.ShowLogLabels, 2);    // not 1: no labels
    EXPECT_EQ(CurrentOptions.ShowAnswerBefore, 0); // not a number
}

TEST(OptionsStore, LanguageOutsideOneAndTwoIsEnglishAndStaysUsable) {
    ASSERT_EQ(LoadQuestionPools(), 1);
    for (const char* text : {"7", "x", "0", "-2", "", "99999999999999"}) {
        DeleteKorvaneStore();
        ASSERT_TRUE(PutRawString(OptionsKey, "Language", text));
        CurrentPools = CurrentPoolCells{};
        LoadOptions();
        EXPECT_EQ(CurrentOptions.Language, LanguageEnglish) << text;
        SelectLanguage();
        EXPECT_EQ(CurrentStrings, EnglishStrings) << text;
        EXPECT_STREQ(Str(55), "Advanced");
        EXPECT_NE(CurrentPools.BasicBegin, nullptr) << text;
        EXPECT_EQ(CurrentPools.AdvancedBegin, Pools[PoolAdvancedEn].PoolBegin) << text;
    }
    // The accepted value still selects French.
    DeleteKorvaneStore();
    ASSERT_TRUE(PutRawString(OptionsKey, "Language", "2"));
    LoadOptions();
    SelectLanguage();
    EXPECT_STREQ(Str(55), "Sup\xE9rieure");
    CurrentOptions.Language = LanguageEnglish;
    SelectLanguage();
}

TEST(OptionsStore, PrintFontOfTheWrongSizeKeepsTheDefault) {
    StoredFont font = DefaultFont();
    for (DWORD size : {61u, 20u, 0u, 1000u}) {
        DeleteKorvaneStore();
        std::vector<unsigned char> bytes(size, 0x41);
        ASSERT_TRUE(PutRawValue(OptionsKey, "PrintFont", REG_BINARY, bytes.data(), size));
        ASSERT_TRUE(PutRawString(OptionsKey, "PlaySounds", "0"));
        LoadOptions();
        EXPECT_EQ(memcmp(&CurrentOptions.PrintFont, &font, sizeof font), 0) << size;
        EXPECT_EQ(CurrentOptions.PlaySounds, 0) << size; // the rest is still read
    }
}

TEST(OptionsStore, UnterminatedFaceNameIsCutBeforeItReachesGdi) {
    DeleteKorvaneStore();
    StoredFont stored = DefaultFont();
    stored.Height = 30;
    memset(stored.FaceName, 'Z', sizeof stored.FaceName);
    ASSERT_TRUE(PutRawValue(OptionsKey, "PrintFont", REG_BINARY, &stored, sizeof stored));
    LoadOptions();
    EXPECT_EQ(CurrentOptions.PrintFont.Height, 30);
    EXPECT_EQ(std::string(CurrentOptions.PrintFont.FaceName), std::string(31, 'Z'));

    LOGFONTA logFont;
    memcpy(&logFont, &CurrentOptions.PrintFont, sizeof logFont);
    HFONT gdiFont = CreateFontIndirectA(&logFont);
    ASSERT_NE(gdiFont, nullptr);
    LOGFONTA back;
    ASSERT_EQ(GetObjectA(gdiFont, sizeof back, &back), (int)sizeof back);
    EXPECT_EQ(std::string(back.lfFaceName), std::string(31, 'Z'));
    DeleteObject(gdiFont);
}

TEST(OptionsStore, UnreadableValuesKeepTheirDefaults) {
    DeleteKorvaneStore();
    ASSERT_TRUE(PutRawString(OptionsKey, "PlaySounds", std::string(300, '0').c_str()));
    ASSERT_TRUE(PutRawString(OptionsKey, "Language", std::string(500, '2').c_str()));
    ASSERT_TRUE(PutRawString(OptionsKey, "ShowLogLabels", "0"));
    LoadOptions();
    EXPECT_EQ(CurrentOptions.PlaySounds, 1);
    EXPECT_EQ(CurrentOptions.Language, 1);
    EXPECT_EQ(CurrentOptions.ShowLogLabels, 0);

    // Values of the wrong type are missing values: a REG_DWORD 0 does not
    // turn sounds off, a REG_MULTI_SZ "2" does not make French.
    DWORD zero = 0;
    ASSERT_TRUE(PutRawValue(OptionsKey, "PlaySounds", REG_DWORD, &zero, 4));
    ASSERT_TRUE(PutRawValue(OptionsKey, "Language", REG_MULTI_SZ, "2\0\0", 3));
    ASSERT_TRUE(PutRawValue(OptionsKey, "ShowAnswerBefore", REG_BINARY, "1", 2));
    StoredFont font = DefaultFont();
    font.Height = 20;
    ASSERT_TRUE(PutRawValue(OptionsKey, "PrintFont", REG_SZ, &font, sizeof font));
    LoadOptions();
    EXPECT_EQ(CurrentOptions.PlaySounds, 1);
    EXPECT_EQ(CurrentOptions.Language, 1);
    EXPECT_EQ(CurrentOptions.ShowAnswerBefore, 0);
    EXPECT_EQ(CurrentOptions.PrintFont.Height, 12);
    EXPECT_EQ(CurrentOptions.ShowLogLabels, 0);
}

TEST(OptionsStore, OneChangedOptionIsWrittenAloneAndAtOnce) {
    DeleteKorvaneStore();
    SetDefaultOptions();
    CurrentOptions.Language = 2;
    CurrentOptions.PlaySounds = 0;
    EXPECT_EQ(SaveOption("Language"), 1);
    DWORD type = 0;
    EXPECT_EQ(RawText(OptionsKey, "Language", &type), std::string("2", 2));
    EXPECT_EQ(type, (DWORD)REG_SZ);
    EXPECT_EQ(RawText(OptionsKey, "PlaySounds", &type), "<missing>");

    CurrentOptions.PrintFont.Height = 18;
    EXPECT_EQ(SaveOption("PrintFont"), 1);
    StoredFont font = CurrentOptions.PrintFont;
    EXPECT_EQ(RawText(OptionsKey, "PrintFont", &type), std::string((const char*)&font, 60));
    EXPECT_EQ(type, (DWORD)REG_BINARY);
    EXPECT_EQ(SaveOption("NoSuchOption"), 0);
    EXPECT_EQ(SaveOption(nullptr), 0);

    LoadOptions();
    EXPECT_EQ(CurrentOptions.Language, 2);
    EXPECT_EQ(CurrentOptions.PlaySounds, 1); // never written
    EXPECT_EQ(CurrentOptions.PrintFont.Height, 18);
}

// ---- Sound gate

TEST(SoundGate, PlaysOnlyWhenSoundsAreOnAndNeverWaits) {
    SetDefaultOptions();
    CurrentOptions.PlaySounds = 0;
    EXPECT_EQ(PlayResourceSound(108), 0);
    CurrentOptions.PlaySounds = 2;
    DWORD start = GetTickCount();
    EXPECT_EQ(PlayResourceSound(108), 1); // the 1.6 s start-up clip
    EXPECT_LT(GetTickCount() - start, 500u);
    PlaySoundA(nullptr, nullptr, 0);
    SetDefaultOptions();
}

} // namespace
