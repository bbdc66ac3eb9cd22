#include "text/Cp1252.h"

#include <gtest/gtest.h>

#include <string>

namespace velno::text {
namespace {

TEST(Cp1252, EveryByteRoundTripsThroughUtf8) {
    std::string all;
    for (int b = 0; b < 256; ++b) {
        const std::string one(1, static_cast<char>(b));
        const Cp1252Result back = utf8ToCp1252(cp1252ToUtf8(one));
        ASSERT_TRUE(back.ok) << "byte " << b << ": " << back.error;
        EXPECT_EQ(back.bytes, one) << "byte " << b;
        EXPECT_EQ(codePointToCp1252(cp1252ToCodePoint(static_cast<unsigned char>(b))),
                  static_cast<unsigned char>(b));
        all += one;
    }
    const Cp1252Result back = utf8ToCp1252(cp1252ToUtf8(all));
    ASSERT_TRUE(back.ok) << back.error;
    EXPECT_EQ(back.bytes, all);
}

TEST(Cp1252, HighBlockFollowsTheWindowsTable) {
    struct Case {
        unsigned char byte;
        char32_t codePoint;
        const char* utf8;
    };
    const Case cases[] = {
        {0x80, 0x20AC, "€"},
        {0x82, 0x201A, "‚"},
        {0x83, 0x0192, "ƒ"},
        {0x85, 0x2026, "…"},
        {0x8A, 0x0160, "Š"},
        {0x8E, 0x017D, "Ž"},
        {0x99, 0x2122, "™"},
        {0x9C, 0x0153, "œ"},
        {0x9F, 0x0178, "Ÿ"},
        // Unassigned bytes keep their C1 control value.
        {0x81, 0x0081, "\xC2\x81"},
        {0x8D, 0x008D, "\xC2\x8D"},
        {0x8F, 0x008F, "\xC2\x8F"},
        {0x90, 0x0090, "\xC2\x90"},
        {0x9D, 0x009D, "\xC2\x9D"},
        // Around the block: ASCII and Latin-1 are the identity.
        {0x7F, 0x007F, "\x7F"},
        {0xA0, 0x00A0, "\xC2\xA0"},
        {0xE9, 0x00E9, "é"},
        {0xFF, 0x00FF, "ÿ"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.byte));
        EXPECT_EQ(cp1252ToCodePoint(c.byte), c.codePoint);
        EXPECT_EQ(codePointToCp1252(c.codePoint), c.byte);
        EXPECT_EQ(cp1252ToUtf8(std::string(1, static_cast<char>(c.byte))), c.utf8);
    }
}

TEST(Cp1252, C1ControlsWhoseByteHoldsAnotherCharacterAreRefused) {
    // 0x80 is the euro sign and 0x85 the ellipsis, so U+0080 and U+0085 have no byte.
    for (char32_t cp : {0x80, 0x85, 0x9F, 0x100, 0x2192, 0xFFFD}) {
        EXPECT_FALSE(codePointToCp1252(cp).has_value()) << static_cast<unsigned>(cp);
    }
    const Cp1252Result r = utf8ToCp1252("a\xC2\x80");
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.error, "Karakter U+0080 pada posisi 2 tidak dapat disimpan.");
}

TEST(Cp1252, MixedTextConvertsBothWays) {
    const std::string utf8 = "Señor Šimůnek? No: Señor Šimon – “€ 5,–” … œuvre";
    const Cp1252Result r = utf8ToCp1252(utf8);
    ASSERT_FALSE(r.ok);  // ů is not in Windows-1252
    EXPECT_EQ(r.error, "Karakter \"ů\" (U+016F) pada posisi 10 tidak dapat disimpan.");

    const std::string storable = "Señor Šimon – “€ 5,–” … œuvre";
    const Cp1252Result s = utf8ToCp1252(storable);
    ASSERT_TRUE(s.ok) << s.error;
    EXPECT_EQ(s.bytes, "Se\xF1or \x8Aimon \x96 \x93\x80 5,\x96\x94 \x85 \x9Cuvre");
    EXPECT_EQ(cp1252ToUtf8(s.bytes), storable);
}

TEST(Cp1252, RefusedCharacterIsNamedWithItsPosition) {
    struct Case {
        const char* utf8;
        const char* error;
    };
    const Case cases[] = {
        {"Rp 5 漢", "Karakter \"漢\" (U+6F22) pada posisi 6 tidak dapat disimpan."},
        {"é€→x", "Karakter \"→\" (U+2192) pada posisi 3 tidak dapat disimpan."},
        {"tunggu⋯", "Karakter \"⋯\" (U+22EF) pada posisi 7 tidak dapat disimpan."},
        {"😀", "Karakter \"😀\" (U+1F600) pada posisi 1 tidak dapat disimpan."},
        {"\xEF\xBF\xBD", "Karakter \"\xEF\xBF\xBD\" (U+FFFD) pada posisi 1 tidak dapat disimpan."},
        {"\xE0\xA0\x80", "Karakter \"\xE0\xA0\x80\" (U+0800) pada posisi 1 tidak dapat disimpan."},
        // Characters that would show as nothing are named by number only.
        {"a\xE2\x80\x8B", "Karakter U+200B pada posisi 2 tidak dapat disimpan."},
        {"e\xCC\x88", "Karakter U+0308 pada posisi 2 tidak dapat disimpan."},
        {"\xEF\xBB\xBFx", "Karakter U+FEFF pada posisi 1 tidak dapat disimpan."},
        {"\xF4\x8F\xBF\xBF", "Karakter U+10FFFF pada posisi 1 tidak dapat disimpan."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.utf8);
        const Cp1252Result r = utf8ToCp1252(c.utf8);
        EXPECT_FALSE(r.ok);
        EXPECT_TRUE(r.bytes.empty());
        EXPECT_EQ(r.error, c.error);
    }
}

TEST(Cp1252, MalformedUtf8IsRefused) {
    struct Case {
        std::string utf8;
        const char* error;
    };
    const Case cases[] = {
        {"\xC0\xAF", "Teks bukan UTF-8 yang sah: urutan byte C0 AF pada posisi 1 rusak."},
        {"ab\xC1\xBF", "Teks bukan UTF-8 yang sah: urutan byte C1 BF pada posisi 3 rusak."},
        {"\xE0\x80\xAF", "Teks bukan UTF-8 yang sah: urutan byte E0 80 AF pada posisi 1 rusak."},
        {"\xF0\x8F\xBF\xBF",
         "Teks bukan UTF-8 yang sah: urutan byte F0 8F BF BF pada posisi 1 rusak."},
        {"é\xED\xA0\x80", "Teks bukan UTF-8 yang sah: urutan byte ED A0 80 pada posisi 2 rusak."},
        {"\xED\xBF\xBF", "Teks bukan UTF-8 yang sah: urutan byte ED BF BF pada posisi 1 rusak."},
        {"\xF4\x90\x80\x80",
         "Teks bukan UTF-8 yang sah: urutan byte F4 90 80 80 pada posisi 1 rusak."},
        {"\xF7\xBF\xBF\xBF",
         "Teks bukan UTF-8 yang sah: urutan byte F7 BF BF BF pada posisi 1 rusak."},
        {"ab\xE2\x82", "Teks bukan UTF-8 yang sah: urutan byte E2 82 pada posisi 3 rusak."},
        {"\xE2\x82x", "Teks bukan UTF-8 yang sah: urutan byte E2 82 pada posisi 1 rusak."},
        {"\xF0\x9F\x98", "Teks bukan UTF-8 yang sah: urutan byte F0 9F 98 pada posisi 1 rusak."},
        {"x\xC3", "Teks bukan UTF-8 yang sah: urutan byte C3 pada posisi 2 rusak."},
        {"\x80", "Teks bukan UTF-8 yang sah: urutan byte 80 pada posisi 1 rusak."},
        {"\xC3\xA9\xA9", "Teks bukan UTF-8 yang sah: urutan byte A9 pada posisi 2 rusak."},
        {"\xF8\x88\x80\x80\x80", "Teks bukan UTF-8 yang sah: urutan byte F8 pada posisi 1 rusak."},
        {"\xFF", "Teks bukan UTF-8 yang sah: urutan byte FF pada posisi 1 rusak."},
        // Raw Windows-1252 passed where UTF-8 belongs.
        {"caf\xE9", "Teks bukan UTF-8 yang sah: urutan byte E9 pada posisi 4 rusak."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.error);
        const Cp1252Result r = utf8ToCp1252(c.utf8);
        EXPECT_FALSE(r.ok);
        EXPECT_TRUE(r.bytes.empty());
        EXPECT_EQ(r.error, c.error);
    }
}

TEST(Cp1252, EmptyAndNulPass) {
    const Cp1252Result empty = utf8ToCp1252("");
    EXPECT_TRUE(empty.ok);
    EXPECT_TRUE(empty.bytes.empty());

    const std::string withNul("a\0b", 3);
    const Cp1252Result r = utf8ToCp1252(withNul);
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(r.bytes, withNul);
    EXPECT_EQ(cp1252ToUtf8(withNul), withNul);
}

}  // namespace
}  // namespace velno::text
