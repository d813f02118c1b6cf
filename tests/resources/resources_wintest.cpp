// The skin, sounds and print-dialog templates as the program finds them in
// its own executable.
#include "resources/dialog_ids.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <cstdint>
#include <cstring>

namespace {

struct BitmapRole {
    int Numbers[3]; // normal / over / pressed, or one face (0 = none)
    int Width, Height;
    bool French; // a variant at number + 1
};

const BitmapRole Roles[] = {
    {{291}, 160, 480, true},
    {{305}, 60, 480, true},
    {{295, 265, 267}, 440, 400, true},
    {{269}, 440, 400, false},
    {{101}, 400, 320, true},
    {{109, 111, 113}, 86, 26, true},
    {{121, 123, 125}, 86, 26, true},
    {{133, 135, 137}, 86, 26, true},
    {{253, 255, 257}, 86, 26, true},
    {{259, 261, 263}, 86, 26, true},
    {{299, 301, 303}, 86, 26, true},
    {{307, 309, 311}, 86, 26, true},
    {{313, 315, 317}, 86, 26, true},
    {{127, 129, 131}, 66, 36, true},
    {{115, 117, 119}, 28, 26, true},
    {{103, 105, 107}, 46, 36, true},
    {{139, 141, 143}, 36, 36, true},
    {{145, 147, 149}, 36, 36, true},
    {{151, 153, 155}, 36, 36, true},
    {{157, 159, 161}, 36, 36, true},
    {{181, 183}, 36, 18, true},
    {{185, 187}, 36, 18, true},
    {{189, 191}, 36, 18, true},
    {{193, 195}, 36, 18, true},
    {{169, 171, 173}, 46, 28, true},
    {{175, 177, 179}, 46, 28, true},
    {{203, 205, 207}, 46, 28, true},
    {{209, 211, 213}, 46, 28, true},
    {{273, 275, 277}, 78, 28, true},
    {{285, 287, 289}, 78, 28, true},
    {{241, 243, 245}, 78, 28, true},
    {{247, 249, 251}, 78, 28, true},
    {{221}, 400, 60, true},
    {{233, 235, 237}, 370, 50, true},
    {{239}, 370, 50, true},
    {{229}, 60, 20, true},
    {{225, 227}, 80, 20, true},
    {{231}, 60, 20, true},
    {{223}, 40, 20, true},
};

void ExpectBitmap(int number, int width, int height) {
    HBITMAP bitmap = LoadBitmapA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(number));
    ASSERT_NE(bitmap, nullptr) << number;
    BITMAP info;
    ASSERT_EQ(GetObjectA(bitmap, sizeof info, &info), (int)sizeof info) << number;
    EXPECT_EQ(info.bmWidth, width) << number;
    EXPECT_EQ(info.bmHeight, height) << number;
    DeleteObject(bitmap);
}

TEST(SkinResources, EveryBitmapAndItsFrenchVariantHasItsSize) {
    int loaded = 0;
    for (const BitmapRole& role : Roles)
        for (int number : role.Numbers) {
            if (!number) continue;
            ExpectBitmap(number, role.Width, role.Height);
            if (role.French) ExpectBitmap(number + 1, role.Width, role.Height);
            loaded += role.French ? 2 : 1;
        }
    EXPECT_EQ(loaded, 187); // with 505 and 506, the 189 bitmaps of the skin
    // The options face is one picture for both languages.
    EXPECT_EQ(LoadBitmapA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(270)), nullptr);
}

TEST(SkinResources, LogoStripsAreTwentyFourBitsPerPixel) {
    for (int number : {505, 506}) {
        HRSRC found = FindResourceA(nullptr, MAKEINTRESOURCEA(number), (LPCSTR)RT_BITMAP);
        ASSERT_NE(found, nullptr) << number;
        const BITMAPINFOHEADER* header =
            (const BITMAPINFOHEADER*)LockResource(LoadResource(nullptr, found));
        ASSERT_NE(header, nullptr);
        EXPECT_EQ(header->biWidth, 215);
        EXPECT_EQ(header->biHeight, 33);
        EXPECT_EQ(header->biBitCount, 24);
    }
}

TEST(SkinResources, IconHasItsThreeSizes) {
    for (int size : {16, 32, 48}) {
        HICON icon = (HICON)LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(111), IMAGE_ICON,
                                       size, size, 0);
        ASSERT_NE(icon, nullptr) << size;
        ICONINFO info;
        ASSERT_TRUE(GetIconInfo(icon, &info));
        BITMAP mask;
        GetObjectA(info.hbmMask, sizeof mask, &mask);
        EXPECT_EQ(mask.bmWidth, size);
        if (info.hbmColor) DeleteObject(info.hbmColor);
        DeleteObject(info.hbmMask);
        DestroyIcon(icon);
    }
}

struct WaveFormat {
    int Id, Channels, Rate;
    DWORD Bytes;
};

TEST(SoundResources, FourWavesOfTheirKindAndSize) {
    const WaveFormat sounds[] = {{107, 1, 22050, 8848},
                                 {108, 2, 44100, 287248},
                                 {109, 1, 22050, 22094},
                                 {110, 1, 22050, 22092}};
    for (const WaveFormat& s : sounds) {
        SCOPED_TRACE(s.Id);
        HRSRC found = FindResourceA(nullptr, MAKEINTRESOURCEA(s.Id), "WAVE");
        ASSERT_NE(found, nullptr);
        ASSERT_EQ(SizeofResource(nullptr, found), s.Bytes);
        const unsigned char* bytes =
            (const unsigned char*)LockResource(LoadResource(nullptr, found));
        ASSERT_NE(bytes, nullptr);
        EXPECT_EQ(memcmp(bytes, "RIFF", 4), 0);
        EXPECT_EQ(memcmp(bytes + 8, "WAVEfmt ", 8), 0);
        uint16_t format, channels, bits;
        uint32_t rate, riffSize;
        memcpy(&riffSize, bytes + 4, 4);
        memcpy(&format, bytes + 20, 2);
        memcpy(&channels, bytes + 22, 2);
        memcpy(&rate, bytes + 24, 4);
        memcpy(&bits, bytes + 34, 2);
        EXPECT_EQ(riffSize, s.Bytes - 8);
        EXPECT_EQ(format, WAVE_FORMAT_PCM);
        EXPECT_EQ(channels, s.Channels);
        EXPECT_EQ(rate, (uint32_t)s.Rate);
        EXPECT_EQ(bits, 16);
    }
}

// A template's control ids in order, walked from the DLGTEMPLATE bytes.
int ControlIds(int templateId, WORD* ids, int capacity) {
    HRSRC found = FindResourceA(nullptr, MAKEINTRESOURCEA(templateId), (LPCSTR)RT_DIALOG);
    if (!found) return -1;
    const BYTE* p = (const BYTE*)LockResource(LoadResource(nullptr, found));
    const DLGTEMPLATE* dialog = (const DLGTEMPLATE*)p;
    auto skipSzOrOrd = [](const BYTE* q) {
        const WORD* w = (const WORD*)q;
        if (*w == 0xFFFF) return q + 4;
        while (*w)
            ++w;
        return (const BYTE*)(w + 1);
    };
    auto align = [](const BYTE* q) { return (const BYTE*)(((ULONG_PTR)q + 3) & ~(ULONG_PTR)3); };
    const BYTE* q = p + sizeof(DLGTEMPLATE);
    q = skipSzOrOrd(q); // menu
    q = skipSzOrOrd(q); // class
    q = skipSzOrOrd(q); // title
    if (dialog->style & DS_SETFONT) q = skipSzOrOrd(q + 2);
    int n = 0;
    for (int i = 0; i < dialog->cdit && n < capacity; ++i) {
        q = align(q);
        const DLGITEMTEMPLATE* item = (const DLGITEMTEMPLATE*)q;
        ids[n++] = item->id;
        q += sizeof(DLGITEMTEMPLATE);
        q = skipSzOrOrd(q);       // class
        q = skipSzOrOrd(q);       // text
        q += 2 + *(const WORD*)q; // creation data
    }
    return n;
}

TEST(DialogResources, BothPrintTemplatesListTheirControlsInOrder) {
    const WORD expected[] = {IDC_PRINT_EXAM,  IDC_PRINT_ANSWERS, IDC_PRINT_FONT, IDC_PRINT_CLOSE,
                             IDC_PRINT_GROUP, IDC_PRINT_SHEET,   IDC_PRINT_ALL};
    for (int id : {IDD_PRINT_ENGLISH, IDD_PRINT_FRENCH}) {
        SCOPED_TRACE(id);
        WORD ids[16];
        ASSERT_EQ(ControlIds(id, ids, 16), 7);
        for (int i = 0; i < 7; ++i)
            EXPECT_EQ(ids[i], expected[i]) << i;
    }
}

} // namespace
