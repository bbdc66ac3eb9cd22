#include "cli/Json.h"

#include <gtest/gtest.h>

#include <sstream>

#include "cli/JsonReader.h"
#include "text/Cp1252.h"

namespace velno::cli {
namespace {

using test::Json;
using test::JsonReader;

TEST(JsonQuoted, EscapesQuotesBackslashesAndControlCharacters) {
    EXPECT_EQ(jsonQuoted("say \"hi\" \\o/"), R"("say \"hi\" \\o/")");
    EXPECT_EQ(jsonQuoted("a\nb\tc\rd\be\ff"), R"("a\nb\tc\rd\be\ff")");
    EXPECT_EQ(jsonQuoted(std::string("\x01\x1f\x7f", 3)), R"("\u0001\u001f\u007f")");
    EXPECT_EQ(jsonQuoted(std::string("nul\0end", 7)), R"("nul\u0000end")");
    EXPECT_EQ(jsonQuoted(""), R"("")");
}

TEST(JsonQuoted, Windows1252LettersArriveAsUtf8) {
    // Record texts are converted first; the writer passes the letters through.
    const std::string utf8 = text::cp1252ToUtf8("Jos\xE9 Mu\xF1oz M\xFCller \x80 \x93ok\x94");
    const std::string quoted = jsonQuoted(utf8);
    EXPECT_EQ(quoted,
              "\"Jos\xC3\xA9 Mu\xC3\xB1oz M\xC3\xBCller \xE2\x82\xAC \xE2\x80\x9Cok\xE2\x80\x9D\"");
    EXPECT_EQ(JsonReader::parse(quoted).string, utf8);
    // The unassigned bytes become C1 controls, which are escaped.
    EXPECT_EQ(jsonQuoted(text::cp1252ToUtf8("\x81")), R"("\u0081")");
}

TEST(JsonQuoted, MalformedUtf8BecomesReplacementCharacters) {
    EXPECT_EQ(jsonQuoted("a\xC3"), R"("a\ufffd")");                    // cut off
    EXPECT_EQ(jsonQuoted("\xC0\xAF"), R"("\ufffd\ufffd")");            // overlong
    EXPECT_EQ(jsonQuoted("\xED\xA0\x80"), R"("\ufffd\ufffd\ufffd")");  // surrogate
    EXPECT_EQ(jsonQuoted("\xF4\x90\x80\x80x"), R"("\ufffd\ufffd\ufffd\ufffdx")");
    EXPECT_EQ(jsonQuoted("\xF0\x9F\x98\x80"), "\"\xF0\x9F\x98\x80\"");  // valid 4-byte form
    EXPECT_EQ(jsonQuoted("\xE2\x80\xA8"), R"("\u2028")");
}

TEST(JsonWriter, WritesKeysInOrderWithBlockAndInlineLayout) {
    std::ostringstream out;
    JsonWriter json(out);
    json.beginObject()
        .field("b", 2)
        .field("a", std::string("x"))
        .field("ok", true)
        .key("none")
        .null();
    json.key("list").beginArray();
    json.beginObject(JsonWriter::Layout::Inline)
        .field("n", -1)
        .key("m")
        .beginArray()
        .value(1u)
        .value(2)
        .endArray();
    json.endObject();
    json.beginArray().endArray();
    json.endArray();
    json.key("empty").beginObject().endObject();
    json.endObject().finish();
    EXPECT_EQ(out.str(),
              "{\n"
              "  \"b\": 2,\n"
              "  \"a\": \"x\",\n"
              "  \"ok\": true,\n"
              "  \"none\": null,\n"
              "  \"list\": [\n"
              "    {\"n\": -1, \"m\": [1, 2]},\n"
              "    []\n"
              "  ],\n"
              "  \"empty\": {}\n"
              "}\n");
    const Json doc = JsonReader::parse(out.str());
    EXPECT_EQ(doc.keys(), (std::vector<std::string>{"b", "a", "ok", "none", "list", "empty"}));
    EXPECT_EQ(doc["list"][0]["m"][1].number, 2);
}

TEST(JsonWriter, SmallIntegerTypesAreNumbersNotCharacters) {
    std::ostringstream out;
    JsonWriter json(out);
    const std::uint8_t byte = 65;
    const std::uint16_t word = 65535;
    json.beginArray(JsonWriter::Layout::Inline)
        .value(byte)
        .value(word)
        .value(false)
        .endArray()
        .finish();
    EXPECT_EQ(out.str(), "[65, 65535, false]\n");
}

}  // namespace
}  // namespace velno::cli
