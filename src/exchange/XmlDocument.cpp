#include "exchange/XmlDocument.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <system_error>

#include "exchange/XmlEncoding.h"
#include "text/Cp1252.h"

namespace velno::xml {

namespace {

constexpr std::string_view kLineBreak = "\r\n";

bool isSpace(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

bool isNameEnd(char c) {
    return isSpace(c) || c == '/' || c == '>' || c == '=' || c == '<';
}

char lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool startsWith(std::string_view text, std::size_t at, std::string_view what) {
    return at <= text.size() && text.substr(at, what.size()) == what;
}

bool startsWithNoCase(std::string_view text, std::size_t at, std::string_view what) {
    if (at > text.size() || text.size() - at < what.size()) return false;
    for (std::size_t k = 0; k < what.size(); ++k)
        if (lower(text[at + k]) != lower(what[k])) return false;
    return true;
}

std::string_view nameAt(std::string_view text, std::size_t at) {
    std::size_t end = at;
    while (end < text.size() && !isNameEnd(text[end])) ++end;
    return text.substr(at, end - at);
}

// The value of attribute `name` inside a tag's text (between its name and
// its ">"), references not replaced; npos in `found` when absent.
std::string_view rawAttribute(std::string_view tag, std::string_view name, bool noCase,
                              std::size_t* valueAt = nullptr, std::size_t* pairAt = nullptr) {
    std::size_t i = 0;
    while (i < tag.size()) {
        while (i < tag.size() && (isSpace(tag[i]) || tag[i] == '/')) ++i;
        const std::size_t nameStart = i;
        while (i < tag.size() && !isSpace(tag[i]) && tag[i] != '=' && tag[i] != '/') ++i;
        const std::string_view n = tag.substr(nameStart, i - nameStart);
        while (i < tag.size() && isSpace(tag[i])) ++i;
        std::string_view value;
        std::size_t at = i;
        if (i < tag.size() && tag[i] == '=') {
            ++i;
            while (i < tag.size() && isSpace(tag[i])) ++i;
            if (i < tag.size() && (tag[i] == '"' || tag[i] == '\'')) {
                const char quote = tag[i++];
                const std::size_t end = std::min(tag.find(quote, i), tag.size());
                at = i;
                value = tag.substr(i, end - i);
                i = end < tag.size() ? end + 1 : end;
            } else {
                at = i;
                while (i < tag.size() && !isSpace(tag[i])) ++i;
                value = tag.substr(at, i - at);
            }
        }
        if (n.empty()) {
            if (i == nameStart) ++i;
            continue;
        }
        const bool match =
            noCase ? startsWithNoCase(n, 0, name) && n.size() == name.size() : n == name;
        if (match) {
            if (valueAt) *valueAt = at;
            if (pairAt) *pairAt = nameStart;
            return value;
        }
    }
    if (valueAt) *valueAt = std::string_view::npos;
    return {};
}

std::string declaredEncoding(std::string_view text) {
    // The XML declaration.
    std::size_t at = 0;
    while (at < text.size() && isSpace(text[at])) ++at;
    if (startsWith(text, at, "<?xml")) {
        const std::size_t end = std::min(text.find("?>", at), text.size());
        const std::string_view decl = text.substr(at + 5, end - (at + 5));
        std::size_t valueAt = 0;
        const std::string_view value = rawAttribute(decl, "encoding", false, &valueAt);
        if (valueAt != std::string_view::npos) return std::string(value);
    }
    // An HTML page's meta element naming its charset.
    for (std::size_t m = 0; (m = text.find('<', m)) != std::string_view::npos; ++m) {
        if (!startsWithNoCase(text, m + 1, "meta") || m + 5 >= text.size() ||
            !isNameEnd(text[m + 5]))
            continue;
        const std::size_t end = std::min(text.find('>', m), text.size());
        const std::string_view tag = text.substr(m + 5, end - (m + 5));
        std::size_t valueAt = 0;
        const std::string_view equiv = rawAttribute(tag, "http-equiv", true, &valueAt);
        if (valueAt == std::string_view::npos || !startsWithNoCase(equiv, 0, "content-type") ||
            equiv.size() != 12)
            continue;
        const std::string_view content = rawAttribute(tag, "content", true);
        for (std::size_t c = 0; c + 8 <= content.size(); ++c) {
            if (!startsWithNoCase(content, c, "charset=")) continue;
            std::size_t e = c + 8;
            while (e < content.size() && !isSpace(content[e]) && content[e] != ';') ++e;
            return std::string(content.substr(c + 8, e - (c + 8)));
        }
    }
    return {};
}

std::string codePageName(int codePage) {
    switch (codePage) {
        case kUtf8CodePage:
            return "UTF-8";
        case kUtf16LeCodePage:
            return "UTF-16LE";
        case kUtf16BeCodePage:
            return "UTF-16BE";
        case kInternalCodePage:
            return XmlDocument::kInternalEncoding;
        default:
            return iconvName(codePage);
    }
}

}  // namespace

// ---- result log --------------------------------------------------------

void XmlDocument::log(std::string_view entry,
                      std::initializer_list<std::pair<const char*, std::string>> attrs) {
    if (result_.size() >= kResultLimit) return;
    result_ += '<';
    result_ += entry;
    for (const auto& [name, value] : attrs) {
        result_ += ' ';
        result_ += name;
        result_ += "=\"";
        result_ += escape(value, true);
        result_ += '"';
    }
    result_ += "/>";
}

bool XmlDocument::resultHas(std::string_view entry) const {
    std::string open(1, '<');
    open += entry;
    for (std::size_t at = 0; (at = result_.find(open, at)) != std::string::npos; ++at) {
        const std::size_t after = at + open.size();
        if (after < result_.size() && (result_[after] == ' ' || result_[after] == '/')) return true;
    }
    return false;
}

bool XmlDocument::hasSyntaxError() const {
    for (const char* e :
         {"unterminated_tag_syntax", "first_tag_syntax", "exclamation_tag_syntax",
          "doctype_tag_syntax", "comment_tag_syntax", "cdata_section_syntax", "unended_start_tag",
          "lone_end_tag", "no_root_element", "root_has_sibling"})
        if (resultHas(e)) return true;
    return false;
}

// ---- parsing -----------------------------------------------------------

bool XmlDocument::setDoc(std::string_view text) {
    result_.clear();
    text_.assign(text);
    parse();
    return !hasSyntaxError();
}

void XmlDocument::parse() {
    elements_.assign(1, Element{});
    firstTop_ = 0;
    resetPos();
    const std::string_view t = text_;
    const std::size_t n = t.size();
    struct Open {
        int element;
        int lastChild;
    };
    std::vector<Open> open;
    int lastTop = 0;
    int topCount = 0;

    auto close = [&](std::size_t end, std::size_t endLength) {
        Element& e = elements_[static_cast<std::size_t>(open.back().element)];
        e.length = static_cast<int>(end - static_cast<std::size_t>(e.start));
        e.endLength = static_cast<int>(endLength);
        open.pop_back();
    };
    auto unended = [&](std::size_t at) {
        const Element& e = elements_[static_cast<std::size_t>(open.back().element)];
        log("unended_start_tag", {{"offset", std::to_string(e.start)},
                                  {"offset2", std::to_string(at)},
                                  {"tagname", nameOf(open.back().element)}});
        close(at, 0);
    };

    std::size_t pos = 0;
    while (pos < n) {
        const std::size_t lt = t.find('<', pos);
        if (lt == std::string_view::npos) break;
        if (lt + 1 >= n) {
            log("unterminated_tag_syntax", {{"offset", std::to_string(lt)}, {"tagname", ""}});
            break;
        }
        const char c = t[lt + 1];
        if (c == '/') {
            const std::size_t gt = t.find('>', lt);
            const std::string_view name = nameAt(t, lt + 2);
            if (gt == std::string_view::npos) {
                log("unterminated_tag_syntax",
                    {{"offset", std::to_string(lt)}, {"tagname", std::string(name)}});
                break;
            }
            auto match = std::find_if(open.rbegin(), open.rend(), [&](const Open& o) {
                return nameAt(t, static_cast<std::size_t>(
                                     elements_[static_cast<std::size_t>(o.element)].start) +
                                     1) == name;
            });
            if (match == open.rend()) {
                log("lone_end_tag",
                    {{"offset", std::to_string(lt)}, {"tagname", std::string(name)}});
            } else {
                const std::size_t keep = static_cast<std::size_t>(open.rend() - match);
                while (open.size() > keep) unended(lt);
                close(gt + 1, gt + 1 - lt);
            }
            pos = gt + 1;
            continue;
        }
        if (c == '?') {
            const std::size_t end = t.find("?>", lt + 2);
            if (end == std::string_view::npos) {
                log("unterminated_tag_syntax",
                    {{"offset", std::to_string(lt)}, {"tagname", std::string(nameAt(t, lt + 1))}});
                break;
            }
            pos = end + 2;
            continue;
        }
        if (c == '!') {
            std::size_t end = std::string_view::npos;
            std::size_t closeLength = 1;
            const char* failure = "exclamation_tag_syntax";
            if (startsWith(t, lt, "<!--")) {
                end = t.find("-->", lt + 4);
                closeLength = 3;
                failure = "comment_tag_syntax";
            } else if (startsWith(t, lt, "<![CDATA[")) {
                end = t.find("]]>", lt + 9);
                closeLength = 3;
                failure = "cdata_section_syntax";
            } else if (startsWith(t, lt, "<!DOCTYPE")) {
                failure = "doctype_tag_syntax";
                const std::size_t gt = t.find('>', lt);
                const std::size_t bracket = t.find('[', lt);
                if (bracket != std::string_view::npos && bracket < gt) {
                    const std::size_t closeBracket = t.find(']', bracket);
                    if (closeBracket != std::string_view::npos) end = t.find('>', closeBracket);
                } else {
                    end = gt;
                }
            } else {
                end = t.find('>', lt);
            }
            if (end == std::string_view::npos) {
                log(failure, {{"offset", std::to_string(lt)}});
                break;
            }
            pos = end + closeLength;
            continue;
        }
        // A start tag: its end is the first ">" outside quotes.
        std::size_t i = lt + 1;
        char quote = 0;
        for (; i < n; ++i) {
            if (quote) {
                if (t[i] == quote) quote = 0;
            } else if (t[i] == '"' || t[i] == '\'') {
                quote = t[i];
            } else if (t[i] == '>') {
                break;
            }
        }
        const std::string_view name = nameAt(t, lt + 1);
        if (i >= n) {
            log("unterminated_tag_syntax",
                {{"offset", std::to_string(lt)}, {"tagname", std::string(name)}});
            break;
        }
        if (name.empty()) {
            // "<>" or "< x": no element, read on after it.
            log("first_tag_syntax", {{"offset", std::to_string(lt)}});
            pos = i + 1;
            continue;
        }
        Element e;
        e.start = static_cast<int>(lt);
        e.startLength = static_cast<int>(i + 1 - lt);
        e.level = static_cast<int>(open.size());
        const int index = static_cast<int>(elements_.size());
        if (open.empty()) {
            if (lastTop) elements_[static_cast<std::size_t>(lastTop)].next = index;
            e.prev = lastTop;
            lastTop = index;
            if (!firstTop_) firstTop_ = index;
            ++topCount;
        } else {
            Open& p = open.back();
            e.parent = p.element;
            e.prev = p.lastChild;
            if (p.lastChild)
                elements_[static_cast<std::size_t>(p.lastChild)].next = index;
            else
                elements_[static_cast<std::size_t>(p.element)].firstChild = index;
            p.lastChild = index;
        }
        const bool empty = t[i - 1] == '/' && i - 1 > lt + name.size();
        if (empty) e.length = e.startLength;
        elements_.push_back(e);
        if (!empty) open.push_back({index, 0});
        pos = i + 1;
    }
    while (!open.empty()) unended(n);
    if (topCount == 0)
        log("no_root_element", {});
    else if (topCount > 1)
        log("root_has_sibling", {});
}

// ---- reading -----------------------------------------------------------

std::string XmlDocument::nameOf(int e) const {
    if (e <= 0) return {};
    return std::string(
        nameAt(text_, static_cast<std::size_t>(elements_[static_cast<std::size_t>(e)].start) + 1));
}

bool XmlDocument::nameIs(int e, std::string_view name) const {
    return nameAt(text_, static_cast<std::size_t>(elements_[static_cast<std::size_t>(e)].start) +
                             1) == name;
}

std::string XmlDocument::dataOf(int e) const {
    if (e <= 0) return {};
    const Element& el = elements_[static_cast<std::size_t>(e)];
    if (el.firstChild || el.length <= el.startLength) return {};
    const std::string_view content = std::string_view(text_).substr(
        static_cast<std::size_t>(el.start + el.startLength),
        static_cast<std::size_t>(el.length - el.startLength - el.endLength));
    std::string out;
    std::size_t at = 0;
    while (at < content.size()) {
        const std::size_t cdata = content.find("<![CDATA[", at);
        const std::size_t comment = content.find("<!--", at);
        const std::size_t next = std::min(cdata, comment);
        out += unescape(content.substr(at, next - at));
        if (next == std::string_view::npos) break;
        if (next == cdata) {
            const std::size_t end = std::min(content.find("]]>", cdata + 9), content.size());
            out += content.substr(cdata + 9, end - (cdata + 9));
            at = end + 3;
        } else {
            const std::size_t end = std::min(content.find("-->", comment + 4), content.size());
            at = end + 3;
        }
    }
    return out;
}

std::string XmlDocument::attribOf(int e, std::string_view name) const {
    if (e <= 0 || name.empty()) return {};
    const Element& el = elements_[static_cast<std::size_t>(e)];
    const std::string_view tag = std::string_view(text_).substr(
        static_cast<std::size_t>(el.start) + 1, static_cast<std::size_t>(el.startLength) - 2);
    const std::string_view afterName = tag.substr(nameAt(tag, 0).size());
    return unescape(rawAttribute(afterName, name, false));
}

std::string XmlDocument::escape(std::string_view text, bool attribute) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        switch (c) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                out += attribute ? "&quot;" : "\"";
                break;
            default:
                out += c;
        }
    }
    return out;
}

std::string XmlDocument::unescape(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '&') {
            out += text[i];
            continue;
        }
        const std::size_t semi = text.find(';', i + 1);
        // Entity names are at most 8 characters, numbers at most 8 digits.
        if (semi == std::string_view::npos || semi - i > 10 || semi == i + 1) {
            out += '&';
            continue;
        }
        const std::string_view ref = text.substr(i + 1, semi - i - 1);
        long code = -1;
        if (ref[0] == '#') {
            const bool hex = ref.size() > 1 && (ref[1] == 'x' || ref[1] == 'X');
            const std::string_view digits = ref.substr(hex ? 2 : 1);
            if (!digits.empty()) {
                code = 0;
                for (char d : digits) {
                    int v = d >= '0' && d <= '9'          ? d - '0'
                            : hex && d >= 'a' && d <= 'f' ? d - 'a' + 10
                            : hex && d >= 'A' && d <= 'F' ? d - 'A' + 10
                                                          : -1;
                    if (v < 0) {
                        code = -1;
                        break;
                    }
                    code = code * (hex ? 16 : 10) + v;
                }
                if (code > 0x10FFFF) code = -1;
            }
        } else {
            code = entityCodePoint(ref);
        }
        if (code < 0) {
            out += '&';
            continue;
        }
        const auto byte = text::codePointToCp1252(static_cast<char32_t>(code));
        out += byte && *byte ? static_cast<char>(*byte) : '?';
        i = semi;
    }
    return out;
}

std::string XmlDocument::cdataSection(std::string_view text) {
    std::string out = "<![CDATA[";
    for (std::size_t at = 0;;) {
        const std::size_t split = text.find("]]>", at);
        if (split == std::string_view::npos) {
            out += text.substr(at);
            break;
        }
        out += text.substr(at, split + 2 - at);
        out += "]]><![CDATA[";
        at = split + 2;
    }
    return out + "]]>";
}

// ---- navigation --------------------------------------------------------

int XmlDocument::firstOf(int parent) const {
    return parent ? elements_[static_cast<std::size_t>(parent)].firstChild : firstTop_;
}

int XmlDocument::lastChildOf(int parent) const {
    int last = 0;
    for (int e = firstOf(parent); e; e = elements_[static_cast<std::size_t>(e)].next) last = e;
    return last;
}

bool XmlDocument::findElem(std::string_view name) {
    int e = main_ ? elements_[static_cast<std::size_t>(main_)].next : firstOf(parent_);
    for (; e; e = elements_[static_cast<std::size_t>(e)].next) {
        if (name.empty() || nameIs(e, name)) {
            main_ = e;
            child_ = 0;
            return true;
        }
    }
    return false;
}

bool XmlDocument::intoElem() {
    if (!main_) return false;
    parent_ = main_;
    main_ = child_;
    child_ = 0;
    return true;
}

bool XmlDocument::outOfElem() {
    if (!parent_) return false;
    child_ = main_;
    main_ = parent_;
    parent_ = elements_[static_cast<std::size_t>(parent_)].parent;
    return true;
}

bool XmlDocument::findChildElem(std::string_view name) {
    if (!main_) return false;
    int e = child_ ? elements_[static_cast<std::size_t>(child_)].next : firstOf(main_);
    for (; e; e = elements_[static_cast<std::size_t>(e)].next) {
        if (name.empty() || nameIs(e, name)) {
            child_ = e;
            return true;
        }
    }
    return false;
}

// ---- writing -----------------------------------------------------------

void XmlDocument::shiftSubtree(int root, int delta) {
    std::vector<int> pending{root};
    while (!pending.empty()) {
        const int e = pending.back();
        pending.pop_back();
        Element& el = elements_[static_cast<std::size_t>(e)];
        el.start += delta;
        for (int c = el.firstChild; c; c = elements_[static_cast<std::size_t>(c)].next)
            pending.push_back(c);
    }
}

// Text grew by `delta` at or after the end of element `e`'s start tag and
// before what follows it: its ancestors grow, everything after moves.
void XmlDocument::grew(int e, int delta) {
    for (int n = e; n; n = elements_[static_cast<std::size_t>(n)].parent) {
        for (int s = elements_[static_cast<std::size_t>(n)].next; s;
             s = elements_[static_cast<std::size_t>(s)].next)
            shiftSubtree(s, delta);
        if (const int p = elements_[static_cast<std::size_t>(n)].parent)
            elements_[static_cast<std::size_t>(p)].length += delta;
    }
}

// "<x/>" becomes "<x></x>" so that it can take children.
void XmlDocument::openEmptyElement(int e) {
    Element& el = elements_[static_cast<std::size_t>(e)];
    if (el.length != el.startLength || el.firstChild) return;
    const std::size_t slash = static_cast<std::size_t>(el.start + el.startLength - 2);
    if (slash >= text_.size() || text_[slash] != '/') return;
    const std::string endTag = "</" + nameOf(e) + ">";
    text_.erase(slash, 1);
    text_.insert(slash + 1, endTag);
    el.startLength -= 1;
    el.endLength = static_cast<int>(endTag.size());
    el.length = el.startLength + el.endLength;
    grew(e, static_cast<int>(endTag.size()) - 1);
}

bool XmlDocument::insertElement(int parent, int after, std::string_view name,
                                std::string_view value) {
    if (name.empty() || name.find_first_of(" \t\r\n<>&\"'/=") != std::string_view::npos)
        return false;
    if (parent) openEmptyElement(parent);
    const std::string n(name);
    const std::string element =
        value.empty() ? "<" + n + "/>" : "<" + n + ">" + escape(value) + "</" + n + ">";
    const int level = parent ? elements_[static_cast<std::size_t>(parent)].level + 1 : 0;
    const int prev = after ? after : lastChildOf(parent);
    std::string before, behind;
    std::size_t at = 0;
    if (prev) {
        const Element& p = elements_[static_cast<std::size_t>(prev)];
        at = static_cast<std::size_t>(p.start + p.length);
        before = std::string(kLineBreak) + std::string(static_cast<std::size_t>(level) * 2, ' ');
    } else if (parent) {
        const Element& p = elements_[static_cast<std::size_t>(parent)];
        at = static_cast<std::size_t>(p.start + p.length - p.endLength);
        before = std::string(kLineBreak) + std::string(static_cast<std::size_t>(level) * 2, ' ');
        behind =
            std::string(kLineBreak) + std::string(static_cast<std::size_t>(level - 1) * 2, ' ');
    } else {
        at = text_.size();
        if (!text_.empty()) before = std::string(kLineBreak);
    }
    text_.insert(at, before + element + behind);

    Element e;
    e.start = static_cast<int>(at + before.size());
    e.startLength =
        value.empty() ? static_cast<int>(element.size()) : static_cast<int>(n.size() + 2);
    e.length = static_cast<int>(element.size());
    e.endLength = value.empty() ? 0 : static_cast<int>(n.size() + 3);
    e.level = level;
    e.parent = parent;
    e.prev = prev;
    const int index = static_cast<int>(elements_.size());
    if (prev) {
        e.next = elements_[static_cast<std::size_t>(prev)].next;
        elements_[static_cast<std::size_t>(prev)].next = index;
    } else if (parent) {
        e.next = elements_[static_cast<std::size_t>(parent)].firstChild;
        elements_[static_cast<std::size_t>(parent)].firstChild = index;
    } else {
        e.next = firstTop_;
        firstTop_ = index;
    }
    if (e.next) elements_[static_cast<std::size_t>(e.next)].prev = index;
    elements_.push_back(e);
    grew(index, static_cast<int>(before.size() + element.size() + behind.size()));
    return true;
}

bool XmlDocument::addElem(std::string_view name, std::string_view text) {
    if (!insertElement(parent_, main_, name, text)) return false;
    main_ = elementCount();
    child_ = 0;
    return true;
}

bool XmlDocument::addElem(std::string_view name, int value) {
    return addElem(name, std::to_string(value));
}

bool XmlDocument::addChildElem(std::string_view name, std::string_view text) {
    if (!main_ || !insertElement(main_, child_, name, text)) return false;
    child_ = elementCount();
    return true;
}

bool XmlDocument::addChildElem(std::string_view name, int value) {
    return addChildElem(name, std::to_string(value));
}

bool XmlDocument::setAttrib(std::string_view name, std::string_view value) {
    if (!main_ || name.empty() || name.find_first_of(" \t\r\n<>&\"'/=") != std::string_view::npos)
        return false;
    Element& el = elements_[static_cast<std::size_t>(main_)];
    const std::size_t tagStart = static_cast<std::size_t>(el.start) + 1;
    const std::string_view tag =
        std::string_view(text_).substr(tagStart, static_cast<std::size_t>(el.startLength) - 2);
    const std::size_t nameLength = nameAt(tag, 0).size();
    std::size_t valueAt = 0, pairAt = 0;
    const std::string_view old =
        rawAttribute(tag.substr(nameLength), name, false, &valueAt, &pairAt);
    const std::string escaped = escape(value, true);
    int delta = 0;
    if (valueAt != std::string_view::npos) {
        const std::size_t at = tagStart + nameLength + valueAt;
        text_.replace(at, old.size(), escaped);
        delta = static_cast<int>(escaped.size()) - static_cast<int>(old.size());
    } else {
        // Before "/>" of an empty element, else before ">".
        std::size_t at = static_cast<std::size_t>(el.start + el.startLength - 1);
        if (el.length == el.startLength && text_[at - 1] == '/') --at;
        const std::string pair = " " + std::string(name) + "=\"" + escaped + "\"";
        text_.insert(at, pair);
        delta = static_cast<int>(pair.size());
    }
    el.startLength += delta;
    el.length += delta;
    for (int c = el.firstChild; c; c = elements_[static_cast<std::size_t>(c)].next)
        shiftSubtree(c, delta);
    grew(main_, delta);
    return true;
}

bool XmlDocument::setAttrib(std::string_view name, int value) {
    return setAttrib(name, std::to_string(value));
}

// ---- files -------------------------------------------------------------

bool XmlDocument::load(const std::filesystem::path& path) {
    result_.clear();
    text_.clear();
    encoding_.clear();
    elements_.assign(1, Element{});
    firstTop_ = 0;
    resetPos();
    std::error_code ec;
    const std::uintmax_t size = std::filesystem::file_size(path, ec);
    if (ec || size > kMaxFileSize) {
        log("file_error", {{"msg", ec ? ec.message() : std::string("file too large")}});
        return false;
    }
    std::ifstream in(path, std::ios::binary);
    std::string bytes(static_cast<std::size_t>(size), '\0');
    if (!in || !in.read(bytes.data(), static_cast<std::streamsize>(size))) {
        log("file_error", {{"msg", "cannot read " + path.string()}});
        return false;
    }
    const bool parsed = loadBytes(bytes);
    // "read" leads the log: what was read, then what was done with it.
    std::string detail;
    std::swap(detail, result_);
    log("read", {{"encoding", encoding_.empty() ? std::string(kInternalEncoding) : encoding_},
                 {"length", std::to_string(size)}});
    result_ += detail;
    return parsed;
}

bool XmlDocument::loadBytes(std::string_view bytes) {
    result_.clear();
    encoding_.clear();
    int codePage = 0;
    std::string_view body = bytes;
    if (startsWith(bytes, 0, "\xEF\xBB\xBF")) {
        codePage = kUtf8CodePage;
        body.remove_prefix(3);
    } else if (startsWith(bytes, 0, "\xFF\xFE")) {
        codePage = kUtf16LeCodePage;
        body.remove_prefix(2);
    } else if (startsWith(bytes, 0, "\xFE\xFF")) {
        codePage = kUtf16BeCodePage;
        body.remove_prefix(2);
    }
    std::string swapped;
    if (codePage) {
        log("bom", {{"encoding", codePageName(codePage)}});
        if (codePage != kUtf8CodePage && body.size() % 2 != 0) {
            log("truncation_error", {{"length", std::to_string(body.size())}});
            body.remove_suffix(1);
        }
        if (codePage == kUtf16BeCodePage) {
            swapped.assign(body);
            for (std::size_t k = 0; k + 1 < swapped.size(); k += 2)
                std::swap(swapped[k], swapped[k + 1]);
            body = swapped;
            codePage = kUtf16LeCodePage;
            log("endian_swap", {});
        }
    } else {
        const std::string declared = declaredEncoding(body);
        if (!declared.empty()) {
            codePage = codePageOf(declared);
            encoding_ = declared;
        } else {
            std::size_t first = 0;
            while (first < body.size() && isSpace(body[first])) ++first;
            if (first == 0 && !body.empty() && body[0] == '<') codePage = kUtf8CodePage;
        }
        if (!codePage && looksLikeUtf8(body)) {
            codePage = kUtf8CodePage;
            log("utf8_detection", {});
        }
    }
    if (encoding_.empty() && codePage) encoding_ = codePageName(codePage);
    if (codePage && codePage != kInternalCodePage) {
        Conversion c = toInternal(body, codePage);
        if (!c.ok) {
            log("file_error", {{"msg", "unknown encoding " + encoding_}});
            text_.clear();
            parse();
            return false;
        }
        log("converted_to", {{"encoding", codePageName(codePage)}});
        if (c.lost > 0) log("conversion_loss", {{"count", std::to_string(c.lost)}});
        text_ = std::move(c.text);
    } else {
        text_.assign(body);
    }
    const auto nulls = std::count(text_.begin(), text_.end(), '\0');
    if (nulls > 0) {
        text_.erase(std::remove(text_.begin(), text_.end(), '\0'), text_.end());
        log("nulls_removed", {{"count", std::to_string(nulls)}});
    }
    parse();
    return !hasSyntaxError();
}

std::string XmlDocument::saveBytes(bool byteOrderMark) {
    result_.clear();
    int codePage = encoding_.empty() ? kInternalCodePage : codePageOf(encoding_);
    if (!codePage) codePage = kInternalCodePage;
    if (codePage == kUtf16BeCodePage || codePage == kUtf16LeCodePage) byteOrderMark = true;
    std::string out;
    if (byteOrderMark) {
        if (codePage == kUtf8CodePage)
            out = "\xEF\xBB\xBF";
        else if (codePage == kUtf16LeCodePage)
            out = "\xFF\xFE";
        else if (codePage == kUtf16BeCodePage)
            out = "\xFE\xFF";
        if (!out.empty()) log("bom", {{"encoding", codePageName(codePage)}});
    }
    if (codePage != kInternalCodePage) {
        const Conversion c = fromInternal(text_, codePage);
        if (c.ok) {
            log("converted_from", {{"encoding", codePageName(codePage)}});
            if (c.lost > 0) log("conversion_loss", {{"count", std::to_string(c.lost)}});
            out += c.text;
        } else {
            out += text_;
        }
    } else {
        out += text_;
    }
    log("write", {{"encoding", codePageName(codePage)}, {"length", std::to_string(out.size())}});
    return out;
}

bool XmlDocument::save(const std::filesystem::path& path, bool byteOrderMark) {
    const std::string bytes = saveBytes(byteOrderMark);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out || !out.write(bytes.data(), static_cast<std::streamsize>(bytes.size())) ||
        !out.flush()) {
        log("file_error", {{"msg", "cannot write " + path.string()}});
        return false;
    }
    return true;
}

}  // namespace velno::xml
