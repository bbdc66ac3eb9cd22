#pragma once
// An XML document of our own: the whole markup as one Windows-1252 text
// plus an index of its elements, walked with a cursor (parent, main and
// child position). Loading detects the file's encoding and converts it;
// every step that fails or changes the encoding is noted in a result log
// that is itself a small XML text. Nothing is thrown: operations answer
// true or false, and a broken text is parsed as far as it goes, never
// past its end.

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace velno::xml {

class XmlDocument {
public:
    // The internal character set.
    static constexpr const char* kInternalEncoding = "windows-1252";
    // The result log stops growing once it is this long.
    static constexpr std::size_t kResultLimit = 1000;
    // Files larger than this are not read.
    static constexpr std::uintmax_t kMaxFileSize = 64u << 20;

    XmlDocument() = default;

    // ---- the text ------------------------------------------------------
    // Parses a Windows-1252 text already in memory; false when the log
    // holds a syntax entry or the text has no single root.
    bool setDoc(std::string_view text);
    const std::string& doc() const { return text_; }
    // The file's encoding as loaded, or the one a save converts to; empty
    // means the internal character set.
    const std::string& encoding() const { return encoding_; }
    void setEncoding(std::string name) { encoding_ = std::move(name); }
    // The log of the last load, save or parse.
    const std::string& result() const { return result_; }
    // Whether the log holds an entry of this name.
    bool resultHas(std::string_view entry) const;

    // ---- files ---------------------------------------------------------
    bool load(const std::filesystem::path& path);
    // Detection, conversion and parsing of a file's bytes (load without
    // the file).
    bool loadBytes(std::string_view bytes);
    // The text converted to the document's encoding, optionally preceded
    // by its byte-order mark ("bom" logged), with "write" logged; the
    // caller writes the bytes where they belong.
    std::string saveBytes(bool byteOrderMark = false);
    bool save(const std::filesystem::path& path, bool byteOrderMark = false);

    // ---- navigation ----------------------------------------------------
    // Each answers true and moves the cursor when found, else leaves it.
    bool findElem(std::string_view name = {});
    bool intoElem();
    bool outOfElem();
    bool findChildElem(std::string_view name = {});
    void resetPos() { parent_ = main_ = child_ = 0; }
    // The next child search starts again at the main element's first child.
    void resetChildPos() { child_ = 0; }

    // ---- reading -------------------------------------------------------
    std::string tagName() const { return nameOf(main_); }
    std::string childTagName() const { return nameOf(child_); }
    std::string data() const { return dataOf(main_); }
    std::string childData() const { return dataOf(child_); }
    std::string attrib(std::string_view name) const { return attribOf(main_, name); }
    std::string childAttrib(std::string_view name) const { return attribOf(child_, name); }

    // ---- writing -------------------------------------------------------
    bool addElem(std::string_view name, std::string_view text = {});
    bool addElem(std::string_view name, int value);
    bool addChildElem(std::string_view name, std::string_view text = {});
    bool addChildElem(std::string_view name, int value);
    bool setAttrib(std::string_view name, std::string_view value);
    bool setAttrib(std::string_view name, int value);

    // Element count (for tests and the benchmarks).
    int elementCount() const { return static_cast<int>(elements_.size()) - 1; }

    // Escapes "&", "<", ">" and, for attribute values, the double quote.
    static std::string escape(std::string_view text, bool attribute = false);
    // Replaces entity and character references; unknown ones stay as they
    // are, characters Windows-1252 lacks become "?".
    static std::string unescape(std::string_view text);
    // A CDATA section holding `text`, split where it contains "]]>".
    static std::string cdataSection(std::string_view text);

private:
    struct Element {
        int start = 0;        // of "<"
        int startLength = 0;  // the start tag
        int length = 0;       // the whole element
        int endLength = 0;    // the end tag; 0 for an empty or unended one
        int level = 0;
        int parent = 0, firstChild = 0, prev = 0, next = 0;
    };

    void parse();
    void log(std::string_view entry,
             std::initializer_list<std::pair<const char*, std::string>> attrs);
    std::string nameOf(int e) const;
    bool nameIs(int e, std::string_view name) const;
    std::string dataOf(int e) const;
    std::string attribOf(int e, std::string_view name) const;
    int firstOf(int parent) const;
    int lastChildOf(int parent) const;
    bool insertElement(int parent, int after, std::string_view name, std::string_view text);
    void openEmptyElement(int e);
    void shiftSubtree(int e, int delta);
    void grew(int e, int delta);
    bool hasSyntaxError() const;

    std::string text_;
    std::string encoding_;
    std::string result_;
    std::vector<Element> elements_{Element{}};  // entry 0: none
    int firstTop_ = 0;
    int parent_ = 0, main_ = 0, child_ = 0;
};

}  // namespace velno::xml
