#include "cli/Json.h"

#include <cassert>
#include <charconv>
#include <cmath>

#include "text/Format.h"

namespace velno::cli {

namespace {

bool isContinuation(unsigned char c) {
    return c >= 0x80 && c <= 0xBF;
}

// Length of the well-formed UTF-8 sequence at s[i] (lead byte 0x80 or
// above), 0 when it is malformed; its code point in cp.
std::size_t sequenceAt(std::string_view s, std::size_t i, char32_t& cp) {
    const auto lead = static_cast<unsigned char>(s[i]);
    std::size_t n = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        n = 2, cp = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        n = 3, cp = lead & 0x0F;
        if (lead == 0xE0) low = 0xA0;   // no overlong forms
        if (lead == 0xED) high = 0x9F;  // no surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        n = 4, cp = lead & 0x07;
        if (lead == 0xF0) low = 0x90;
        if (lead == 0xF4) high = 0x8F;  // nothing past U+10FFFF
    } else {
        return 0;
    }
    if (i + n > s.size()) return 0;
    for (std::size_t k = 1; k < n; ++k) {
        const auto c = static_cast<unsigned char>(s[i + k]);
        if (k == 1 ? (c < low || c > high) : !isContinuation(c)) return 0;
        cp = (cp << 6) | (c & 0x3F);
    }
    return n;
}

}  // namespace

std::string jsonQuoted(std::string_view s) {
    std::string out;
    out.reserve(s.size() + 2);
    out += '"';
    for (std::size_t i = 0; i < s.size();) {
        const auto c = static_cast<unsigned char>(s[i]);
        if (c < 0x80) {
            switch (c) {
                case '"':
                    out += "\\\"";
                    break;
                case '\\':
                    out += "\\\\";
                    break;
                case '\b':
                    out += "\\b";
                    break;
                case '\f':
                    out += "\\f";
                    break;
                case '\n':
                    out += "\\n";
                    break;
                case '\r':
                    out += "\\r";
                    break;
                case '\t':
                    out += "\\t";
                    break;
                default:
                    if (c < 0x20 || c == 0x7F)
                        out += text::formatPrintf("\\u%04x", c);
                    else
                        out += static_cast<char>(c);
            }
            ++i;
            continue;
        }
        char32_t cp = 0;
        const std::size_t n = sequenceAt(s, i, cp);
        if (n == 0) {
            out += "\\ufffd";
            ++i;
            continue;
        }
        // C1 controls and the line separators are legal JSON but invisible
        // or harmful when the output is pasted into a script.
        if (cp <= 0x9F || cp == 0x2028 || cp == 0x2029)
            out += text::formatPrintf("\\u%04x", static_cast<unsigned>(cp));
        else
            out.append(s.substr(i, n));
        i += n;
    }
    out += '"';
    return out;
}

void JsonWriter::newline(std::size_t depth) {
    out_ << '\n' << std::string(depth * 2, ' ');
}

void JsonWriter::beforeValue() {
    if (stack_.empty()) return;
    Level& top = stack_.back();
    if (top.object) {
        assert(afterKey_ && "a value inside an object needs a key");
        afterKey_ = false;
        return;
    }
    if (!top.empty) out_ << ',';
    if (top.inlineLayout) {
        if (!top.empty) out_ << ' ';
    } else {
        newline(stack_.size());
    }
    top.empty = false;
}

JsonWriter& JsonWriter::key(std::string_view name) {
    assert(!stack_.empty() && stack_.back().object);
    Level& top = stack_.back();
    if (!top.empty) out_ << ',';
    if (top.inlineLayout) {
        if (!top.empty) out_ << ' ';
    } else {
        newline(stack_.size());
    }
    top.empty = false;
    out_ << jsonQuoted(name) << ": ";
    afterKey_ = true;
    return *this;
}

JsonWriter& JsonWriter::beginObject(Layout layout) {
    beforeValue();
    const bool inlineLayout =
        layout == Layout::Inline || (!stack_.empty() && stack_.back().inlineLayout);
    out_ << '{';
    stack_.push_back({true, inlineLayout, true});
    return *this;
}

JsonWriter& JsonWriter::beginArray(Layout layout) {
    beforeValue();
    const bool inlineLayout =
        layout == Layout::Inline || (!stack_.empty() && stack_.back().inlineLayout);
    out_ << '[';
    stack_.push_back({false, inlineLayout, true});
    return *this;
}

void JsonWriter::end(bool object) {
    assert(!stack_.empty() && stack_.back().object == object);
    const Level level = stack_.back();
    stack_.pop_back();
    if (!level.empty && !level.inlineLayout) newline(stack_.size());
    out_ << (object ? '}' : ']');
}

JsonWriter& JsonWriter::endObject() {
    end(true);
    return *this;
}

JsonWriter& JsonWriter::endArray() {
    end(false);
    return *this;
}

JsonWriter& JsonWriter::value(std::string_view utf8) {
    beforeValue();
    out_ << jsonQuoted(utf8);
    return *this;
}

JsonWriter& JsonWriter::value(bool b) {
    beforeValue();
    out_ << (b ? "true" : "false");
    return *this;
}

JsonWriter& JsonWriter::value(double d) {
    if (!std::isfinite(d)) return null();
    char digits[32];
    const auto result = std::to_chars(digits, digits + sizeof digits, d);
    return number(std::string(digits, result.ptr));
}

JsonWriter& JsonWriter::null() {
    beforeValue();
    out_ << "null";
    return *this;
}

JsonWriter& JsonWriter::number(const std::string& digits) {
    beforeValue();
    out_ << digits;
    return *this;
}

void JsonWriter::finish() {
    assert(stack_.empty());
    out_ << '\n';
}

}  // namespace velno::cli
