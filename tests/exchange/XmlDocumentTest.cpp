#include <gtest/gtest.h>

#include <iconv.h>

#include <string>

#include "exchange/XmlDocument.h"
#include "exchange/XmlEncoding.h"

using velno::xml::XmlDocument;

namespace {

std::string utf16(const std::string& ascii, bool bigEndian) {
    std::string out = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
    for (char c : ascii) {
        if (bigEndian) out += '\0';
        out += c;
        if (!bigEndian) out += '\0';
    }
    return out;
}

}  // namespace

TEST(XmlDocument, NavigatesFindIntoOutAndChildren) {
    XmlDocument x;
    ASSERT_TRUE(
        x.setDoc("<?xml version=\"1.0\"?><!-- c --><R><A>1</A><B k='v'>2</B><A>3</A>"
                 "<C><D>4</D><E/></C></R>"));
    EXPECT_FALSE(x.intoElem());
    ASSERT_TRUE(x.findElem("R"));
    EXPECT_FALSE(x.findElem("R"));  // no second root; cursor kept
    EXPECT_EQ(x.tagName(), "R");
    ASSERT_TRUE(x.findChildElem("B"));
    EXPECT_EQ(x.childData(), "2");
    EXPECT_EQ(x.childAttrib("k"), "v");
    EXPECT_EQ(x.childAttrib("missing"), "");
    ASSERT_TRUE(x.intoElem());  // B is now the main position
    EXPECT_EQ(x.tagName(), "B");
    ASSERT_TRUE(x.findElem("A"));
    EXPECT_EQ(x.data(), "3");
    ASSERT_TRUE(x.findElem());
    EXPECT_EQ(x.tagName(), "C");
    ASSERT_TRUE(x.findChildElem());
    EXPECT_EQ(x.childTagName(), "D");
    ASSERT_TRUE(x.findChildElem());
    EXPECT_EQ(x.childTagName(), "E");
    EXPECT_FALSE(x.findChildElem());
    ASSERT_TRUE(x.outOfElem());
    EXPECT_EQ(x.tagName(), "R");
    EXPECT_EQ(x.childTagName(), "C");
    EXPECT_FALSE(x.outOfElem());
    x.resetPos();
    EXPECT_EQ(x.tagName(), "");
    EXPECT_TRUE(x.findElem("R"));
}

TEST(XmlDocument, LoopOfFindsVisitsEachMatchOnce) {
    XmlDocument x;
    ASSERT_TRUE(x.setDoc("<L><P>1</P><Q/><P>2</P><P><P>inner</P></P><P>4</P></L>"));
    ASSERT_TRUE(x.findElem("L"));
    ASSERT_TRUE(x.intoElem());
    std::string seen;
    int count = 0;
    while (x.findElem("P") && count < 10) {
        ++count;
        seen += x.data() + ",";
    }
    EXPECT_EQ(count, 4);
    EXPECT_EQ(seen, "1,2,,4,");
}

TEST(XmlDocument, DataReplacesReferencesAndKeepsCdataLiteral) {
    XmlDocument x;
    ASSERT_TRUE(
        x.setDoc("<r a=\"x &amp; &quot;y&quot; &#233;\">&lt;b&gt; &nbsp;&eacute;&#x20AC;"
                 "&isin;&bogus; & <![CDATA[<&amp;>]]><!-- gone --></r>"));
    ASSERT_TRUE(x.findElem());
    EXPECT_EQ(x.attrib("a"), "x & \"y\" \xE9");
    // isin has no Windows-1252 byte; an unknown name stays as written.
    EXPECT_EQ(x.data(), "<b> \xA0\xE9\x80?&bogus; & <&amp;>");
    EXPECT_EQ(velno::xml::entityCount(), 253);
    EXPECT_EQ(velno::xml::entityCodePoint("isin"), 8712);
    EXPECT_EQ(velno::xml::entityCodePoint("thetasym"), 977);
    EXPECT_EQ(velno::xml::entityCodePoint("yuml"), 255);
    EXPECT_EQ(velno::xml::entityCodePoint("Yuml"), 376);
}

TEST(XmlDocument, WritingEscapesAndKeepsTheIndexInStep) {
    XmlDocument x;
    ASSERT_TRUE(x.addElem("ROOT"));
    ASSERT_TRUE(x.addChildElem("a", "x<y & \"z\""));
    ASSERT_TRUE(x.addChildElem("n", 42));
    ASSERT_TRUE(x.intoElem());  // into "n"
    ASSERT_TRUE(x.setAttrib("q", "1\"2<"));
    ASSERT_TRUE(x.setAttrib("q", "3"));  // replaced, not added
    ASSERT_TRUE(x.addChildElem("inner", "i"));
    ASSERT_TRUE(x.outOfElem());
    // Inserted before "a": everything after must move with it.
    x.resetPos();
    ASSERT_TRUE(x.findElem("ROOT"));
    ASSERT_TRUE(x.setAttrib("Ver", 9000));
    ASSERT_TRUE(x.findChildElem("n"));
    EXPECT_EQ(x.childAttrib("q"), "3");
    EXPECT_FALSE(x.addElem("bad name"));

    XmlDocument back;
    ASSERT_TRUE(back.setDoc(x.doc())) << back.result() << x.doc();
    ASSERT_TRUE(back.findElem("ROOT"));
    EXPECT_EQ(back.attrib("Ver"), "9000");
    ASSERT_TRUE(back.findChildElem("a"));
    EXPECT_EQ(back.childData(), "x<y & \"z\"");
    ASSERT_TRUE(back.findChildElem("n"));
    EXPECT_EQ(back.childAttrib("q"), "3");
    ASSERT_TRUE(back.intoElem());
    ASSERT_TRUE(back.findChildElem("inner"));
    EXPECT_EQ(back.childData(), "i");
    EXPECT_EQ(back.elementCount(), x.elementCount());
    // The live index agrees with a fresh parse of the same text.
    ASSERT_TRUE(x.intoElem());
    ASSERT_TRUE(x.findChildElem("inner"));
    EXPECT_EQ(x.childData(), "i");
}

TEST(XmlDocument, AddElementAfterTheMainOneInsertsInTheMiddle) {
    XmlDocument x;
    ASSERT_TRUE(x.setDoc("<r><a/><c>3</c></r>"));
    ASSERT_TRUE(x.findElem("r"));
    ASSERT_TRUE(x.intoElem());
    ASSERT_TRUE(x.findElem("a"));
    ASSERT_TRUE(x.addChildElem("a1", "x"));  // into the empty "a"
    ASSERT_TRUE(x.addElem("b", "2"));
    ASSERT_TRUE(x.findElem());
    EXPECT_EQ(x.tagName(), "c");
    EXPECT_EQ(x.data(), "3");
    XmlDocument back;
    ASSERT_TRUE(back.setDoc(x.doc())) << x.doc();
    ASSERT_TRUE(back.findElem("r"));
    std::string order;
    while (back.findChildElem()) order += back.childTagName() + " ";
    EXPECT_EQ(order, "a b c ");
}

TEST(XmlDocument, CdataWritingSplitsTheTerminator) {
    const std::string section = XmlDocument::cdataSection("a]]>b");
    EXPECT_EQ(section, "<![CDATA[a]]]]><![CDATA[>b]]>");
    XmlDocument x;
    ASSERT_TRUE(x.setDoc("<r>" + section + "</r>"));
    ASSERT_TRUE(x.findElem());
    EXPECT_EQ(x.data(), "a]]>b");
}

TEST(XmlDocument, BrokenTextIsLoggedAndNeverReadPastItsEnd) {
    struct Case {
        const char* text;
        const char* entry;
    };
    for (const Case& c :
         {Case{"<r><a>", "unended_start_tag"}, Case{"<r></a></r>", "lone_end_tag"},
          Case{"<r><a", "unterminated_tag_syntax"}, Case{"<r><!-- x", "comment_tag_syntax"},
          Case{"<r><![CDATA[x", "cdata_section_syntax"},
          Case{"<!DOCTYPE r [ <!ENTITY", "doctype_tag_syntax"},
          Case{"<r><!x", "exclamation_tag_syntax"}, Case{"<r><></r>", "first_tag_syntax"},
          Case{"just text", "no_root_element"}, Case{"<a/><b/>", "root_has_sibling"},
          Case{"<", "unterminated_tag_syntax"}, Case{"<r a=\"x>", "unterminated_tag_syntax"}}) {
        XmlDocument x;
        EXPECT_FALSE(x.setDoc(c.text)) << c.text;
        EXPECT_TRUE(x.resultHas(c.entry)) << c.text << " -> " << x.result();
    }
    // An unended element still reaches to the end, with its children.
    XmlDocument x;
    x.setDoc("<r><a>1</a><b>2");
    ASSERT_TRUE(x.findElem("r"));
    ASSERT_TRUE(x.findChildElem("b"));
    EXPECT_EQ(x.childData(), "2");
    EXPECT_NE(x.result().find("offset2=\"15\""), std::string::npos) << x.result();
}

TEST(XmlDocument, TheLogStopsGrowing) {
    std::string text = "<r>";
    for (int k = 0; k < 500; ++k) text += "</x>";
    text += "</r>";
    XmlDocument x;
    x.setDoc(text);
    EXPECT_GE(x.result().size(), XmlDocument::kResultLimit);
    EXPECT_LT(x.result().size(), XmlDocument::kResultLimit + 100);
}

TEST(XmlDocument, EncodingDetection) {
    XmlDocument x;
    // No mark, no declaration, starts with "<": UTF-8.
    ASSERT_TRUE(x.loadBytes("<r>caf\xC3\xA9</r>"));
    EXPECT_EQ(x.encoding(), "UTF-8");
    ASSERT_TRUE(x.findElem());
    EXPECT_EQ(x.data(), "caf\xE9");
    // Not starting with "<": recognised by its bytes.
    ASSERT_TRUE(x.loadBytes("  <r>caf\xC3\xA9</r>"));
    EXPECT_TRUE(x.resultHas("utf8_detection")) << x.result();
    // Not starting with "<" and not UTF-8: taken as it is.
    ASSERT_TRUE(x.loadBytes(" <r>caf\xE9</r>"));
    EXPECT_EQ(x.encoding(), "");
    ASSERT_TRUE(x.findElem());
    EXPECT_EQ(x.data(), "caf\xE9");
    // A declared single-byte set.
    ASSERT_TRUE(x.loadBytes("<?xml version=\"1.0\" encoding=\"ISO-8859-5\"?><r>\xB0</r>"));
    EXPECT_TRUE(x.resultHas("conversion_loss"));  // Cyrillic A has no Windows-1252 byte
    ASSERT_TRUE(x.loadBytes("<?xml version='1.0' encoding='windows-1252'?><r>\x80</r>"));
    ASSERT_TRUE(x.findElem());
    EXPECT_EQ(x.data(), "\x80");
    EXPECT_FALSE(x.resultHas("converted_to"));
    // An HTML page's meta charset.
    ASSERT_TRUE(
        x.loadBytes("<html><head><meta http-equiv=\"Content-Type\" content=\"text/html; "
                    "charset=windows-1251\"></meta></head><body>\xC0</body></html>"));
    EXPECT_EQ(x.encoding(), "windows-1251");
    EXPECT_TRUE(x.resultHas("conversion_loss"));
    // A name nobody knows: the bytes decide.
    ASSERT_TRUE(x.loadBytes("<?xml version='1.0' encoding='no-such'?><r>\xC3\xA9</r>"));
    EXPECT_TRUE(x.resultHas("utf8_detection"));
    ASSERT_TRUE(x.findElem());
    EXPECT_EQ(x.data(), "\xE9");
}

TEST(XmlDocument, Utf16BothWaysWithLossAndNulls) {
    XmlDocument x;
    ASSERT_TRUE(x.loadBytes(utf16("<r>ab</r>", true)));
    EXPECT_TRUE(x.resultHas("bom"));
    EXPECT_TRUE(x.resultHas("endian_swap"));
    EXPECT_TRUE(x.resultHas("converted_to"));
    ASSERT_TRUE(x.findElem("r"));
    EXPECT_EQ(x.data(), "ab");

    std::string le = utf16("<r>a</r>", false);
    le.insert(le.size() - 8, std::string("\x14\x22", 2));  // U+2214 has no Windows-1252 byte
    le += 'x';                                             // half a unit at the end
    ASSERT_TRUE(x.loadBytes(le)) << x.result();
    EXPECT_TRUE(x.resultHas("conversion_loss"));
    EXPECT_TRUE(x.resultHas("truncation_error"));
    ASSERT_TRUE(x.findElem("r"));
    EXPECT_EQ(x.data(), "a?");

    ASSERT_TRUE(x.loadBytes(std::string("<r>a\0b</r>", 10)));
    EXPECT_NE(x.result().find("<nulls_removed count=\"1\"/>"), std::string::npos) << x.result();
    ASSERT_TRUE(x.findElem());
    EXPECT_EQ(x.data(), "ab");
}

TEST(XmlDocument, SavesInItsEncodingAndLoadsBack) {
    XmlDocument x;
    ASSERT_TRUE(x.setDoc("<?xml version=\"1.0\" encoding=\"UTF-8\"?><r>\xE9\x80</r>"));
    x.setEncoding("UTF-8");
    const std::string bytes = x.saveBytes(true);
    EXPECT_EQ(bytes.substr(0, 3), "\xEF\xBB\xBF");
    EXPECT_NE(bytes.find("<r>\xC3\xA9\xE2\x82\xAC</r>"), std::string::npos);
    EXPECT_TRUE(x.resultHas("write"));
    XmlDocument back;
    ASSERT_TRUE(back.loadBytes(bytes));
    ASSERT_TRUE(back.findElem("r"));
    EXPECT_EQ(back.data(), "\xE9\x80");
    // A target lacking a character says so.
    x.setEncoding("us-ascii");
    EXPECT_NE(x.saveBytes().find("<r>?"
                                 "?</r>"),
              std::string::npos);
    EXPECT_TRUE(x.resultHas("conversion_loss"));
}

TEST(XmlDocument, LoadOfAMissingFileIsAFileError) {
    XmlDocument x;
    EXPECT_FALSE(x.load("/nonexistent/folder/file.xml"));
    EXPECT_TRUE(x.resultHas("file_error"));
    EXPECT_EQ(x.doc(), "");
}

TEST(XmlEncoding, EveryCodePageOfTheTableOpensInIconv) {
    for (int cp : velno::xml::knownCodePages()) {
        if (cp == velno::xml::kInternalCodePage) continue;
        const std::string name = velno::xml::iconvName(cp);
        iconv_t cd = iconv_open("UTF-32LE", name.c_str());
        EXPECT_NE(cd, reinterpret_cast<iconv_t>(-1)) << cp << " " << name;
        if (cd != reinterpret_cast<iconv_t>(-1)) iconv_close(cd);
    }
    EXPECT_EQ(velno::xml::codePageOf("Shift-JIS"), 932);
    EXPECT_EQ(velno::xml::codePageOf("x-mac-cyrillic"), 10007);
    EXPECT_EQ(velno::xml::codePageOf("ebcdic-cp-be"), 500);
    EXPECT_EQ(velno::xml::codePageOf("utf"), 0);
}
