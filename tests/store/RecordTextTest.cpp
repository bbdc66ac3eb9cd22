// Texts in the record files: scrambling, the group file's key, dates, years
// and the name order.

#include <gtest/gtest.h>

#include <cstring>
#include <random>

#include "store/Calendar.h"
#include "store/Collation.h"
#include "store/DateText.h"
#include "store/FixedText.h"
#include "store/GroupTable.h"
#include "store/Scrambler.h"
#include "support/StoreFixtures.h"

namespace velno {
namespace {

TEST(Scrambling, RecordRoundTripsEveryTextByte) {
    // Every byte value at every position of every scrambled field, except
    // the one value per position that would become the terminator.
    std::mt19937 rng(7);
    for (int round = 0; round < 200; ++round) {
        PublisherRecord r{};
        auto fill = [&](char* field, std::size_t width) {
            const std::size_t n = rng() % width;
            for (std::size_t i = 0; i < n; ++i) {
                unsigned char c;
                do c = static_cast<unsigned char>(rng() % 256);
                while (c == 0 || ((c + i + kScrambleBase) & 0xFF) == 0);
                field[i] = static_cast<char>(c);
            }
        };
        fill(r.fname, 20);
        fill(r.lname, 20);
        fill(r.addr, 62);
        fill(r.phone, 14);
        fill(r.phone2, 15);
        fill(r.phone3, 15);
        fill(r.bapdate, 8);
        fill(r.birdate, 8);
        r.id = 4711;
        const PublisherRecord before = r;
        scrambleRecord(r);
        EXPECT_NE(0, std::memcmp(&before, &r, sizeof r)) << "round " << round;
        unscrambleRecord(r);
        ASSERT_EQ(0, std::memcmp(&before, &r, sizeof r)) << "round " << round;
    }
}

TEST(Scrambling, ByteThatWouldBecome204IsStoredAndRestored) {
    // With the old exception a plain 'r' at address position 29 came back
    // as byte 204; plain arithmetic keeps it.
    PublisherRecord r{};
    std::string address(40, 'x');
    address[29] = 'r';
    setFieldText(r.addr, address);
    scrambleRecord(r);
    EXPECT_EQ(204, static_cast<unsigned char>(r.addr[29]));
    unscrambleRecord(r);
    EXPECT_EQ(address, fieldText(r.addr));
}

TEST(Scrambling, HeaderFamilyNameMarksTheFileAsScrambled) {
    PublisherRecord header;
    initHeaderRecord(header);
    scrambleRecord(header);
    EXPECT_EQ('A' + kScrambleBase, static_cast<unsigned char>(header.lname[0]));
    EXPECT_EQ(' ' + kScrambleBase, static_cast<unsigned char>(header.fname[0]));
}

TEST(Scrambling, BytesAfterTheTerminatorAreCarried) {
    PublisherRecord r{};
    setFieldText(r.phone2, "123");
    r.phone2[8] = 'Z';
    scrambleRecord(r);
    EXPECT_EQ('Z', r.phone2[8]);
    unscrambleRecord(r);
    EXPECT_EQ("123", fieldText(r.phone2));
    EXPECT_EQ('Z', r.phone2[8]);
}

TEST(Scrambling, TextThatWouldScrambleToTheTerminatorIsRefused) {
    // 195 - 3 = 192 ('À') at position 3 (1-based 4) scrambles to zero.
    const std::string name = "Jos\xC0";
    const auto message = unscramblableCharacter(name);
    ASSERT_TRUE(message.has_value());
    EXPECT_NE(std::string::npos, message->find("\xC3\x80"));  // the character, in UTF-8
    EXPECT_NE(std::string::npos, message->find('4'));
    EXPECT_FALSE(unscramblableCharacter("\xC0os").has_value());  // fine at position 1
    EXPECT_FALSE(unscramblableCharacter("Jos\xE9 Mar\xED"
                                        "a")
                     .has_value());
}

TEST(Scrambling, GroupKeyAppliedTwiceRestoresTheText) {
    GroupFile g{};
    g.count = 2;
    setFieldText(g.name[0], "Pine Grove exactly");  // bytes equal to the key stay
    setFieldText(g.overseer[1], "Budi Santoso");
    setFieldText(g.time[1], "19:30");
    const GroupFile plain = g;
    xorGroupTexts(g);
    EXPECT_EQ(0, std::memcmp(g.name[0], "Pine Grove", 10));  // key bytes are left alone
    EXPECT_NE(0, std::memcmp(&plain, &g, sizeof g));
    for (char c : std::string(g.overseer[1], 12)) EXPECT_NE(0, c);
    xorGroupTexts(g);
    EXPECT_EQ(0, std::memcmp(&plain, &g, sizeof g));
}

TEST(Calendar, TwoDigitYearsAndSlots) {
    EXPECT_EQ(1994, yearFromByte(250));
    EXPECT_EQ(2000, yearFromByte(0));
    EXPECT_EQ(2200, yearFromByte(200));
    EXPECT_EQ(1945, yearFromByte(201));
    EXPECT_EQ(250, yearToByte(1994));
    EXPECT_EQ(1, parityOfYear(1999));
    EXPECT_EQ(0, parityOfYear(2024));
    EXPECT_EQ("2023-09", formatStamp(284));
    // Seen from March 2025, November lies in 2024, February in 2025.
    EXPECT_EQ(2024, mostRecentYear(10, 2, 2025));
    EXPECT_EQ(2025, mostRecentYear(1, 2, 2025));
    EXPECT_EQ(2025, mostRecentYear(2, 2, 2025));
}

TEST(DateTextFormat, BuildsParsesAndExchanges) {
    const std::string d = makeDateText(3, 5, 1987);
    EXPECT_EQ(" 3 51987", d);
    const auto parts = parseDateText(d);
    ASSERT_TRUE(parts);
    EXPECT_EQ(1987, parts->year);
    EXPECT_EQ(3, parts->month);
    EXPECT_EQ(5, parts->day);
    EXPECT_EQ("1987- 3- 5", dateTextToExchange(d));
    EXPECT_EQ("2001-12-24", dateTextToExchange("12242001"));
    EXPECT_FALSE(parseDateText("        "));
    EXPECT_FALSE(isDateSet("        "));
    EXPECT_FALSE(parseDateText("13 12000"));
}

TEST(Collation, AccentsAndCaseCompareAsTheirBaseLetter) {
    EXPECT_EQ(0, compareNames("SMITH, ANNA", "smith, anna"));
    EXPECT_LT(compareNames("\xC9mile", "Emma"), 0);     // Émile < Emma: i < m on level 1
    EXPECT_LT(compareNames("Muller", "M\xFCller"), 0);  // equal base, then 'U' < 'Ü'
    EXPECT_GT(compareNames("M\xFCller", "Muller"), 0);
    EXPECT_LT(compareNames("\x8Aimon", "Sz"), 0);  // Š as S
    EXPECT_LT(compareNames("Ann", "Anna"), 0);
    EXPECT_TRUE(namesEqual("\xE6on", "\xC6ON"));  // æ Æ
    for (const auto& [a, b] : std::vector<std::pair<std::string, std::string>>{
             {"Zoe", "\xC5sa"}, {"b", "B"}, {"Ab", "AB"}, {"\xF1", "n"}, {"o\x9C", "O\x8C"}}) {
        const int direct = compareNames(a, b);
        const int viaKey = collationKey(a).compare(collationKey(b));
        EXPECT_EQ(direct < 0, viaKey < 0) << a << " / " << b;
        EXPECT_EQ(direct == 0, viaKey == 0) << a << " / " << b;
    }
}

}  // namespace
}  // namespace velno
