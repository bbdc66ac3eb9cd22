#pragma once
// A strict little JSON parser for the tests: the CLI's output must be
// valid JSON, and the tests look into it.

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace velno::test {

struct Json {
    enum class Type { Null, Bool, Number, String, Array, Object };
    Type type = Type::Null;
    bool boolean = false;
    long long number = 0;  // integers
    double real = 0;       // every number
    std::string string;
    std::vector<Json> items;
    std::vector<std::pair<std::string, Json>> members;  // in document order

    bool has(std::string_view key) const {
        for (const auto& m : members)
            if (m.first == key) return true;
        return false;
    }
    const Json& operator[](std::string_view key) const {
        for (const auto& m : members)
            if (m.first == key) return m.second;
        throw std::runtime_error("no key " + std::string(key));
    }
    const Json& operator[](std::size_t i) const { return items.at(i); }
    std::vector<std::string> keys() const {
        std::vector<std::string> k;
        for (const auto& m : members) k.push_back(m.first);
        return k;
    }
};

class JsonReader {
public:
    // Throws std::runtime_error on anything that is not one valid JSON
    // document (trailing white space allowed).
    static Json parse(std::string_view text) {
        JsonReader r(text);
        r.space();
        Json value = r.value();
        r.space();
        if (r.pos_ != text.size()) r.fail("trailing characters");
        return value;
    }

private:
    explicit JsonReader(std::string_view text) : s_(text) {}

    [[noreturn]] void fail(const std::string& what) const {
        throw std::runtime_error("JSON: " + what + " at " + std::to_string(pos_));
    }
    void space() {
        while (pos_ < s_.size() &&
               (s_[pos_] == ' ' || s_[pos_] == '\n' || s_[pos_] == '\r' || s_[pos_] == '\t'))
            ++pos_;
    }
    char peek() const { return pos_ < s_.size() ? s_[pos_] : '\0'; }
    void expect(std::string_view word) {
        if (s_.substr(pos_, word.size()) != word) fail("expected " + std::string(word));
        pos_ += word.size();
    }

    Json value() {
        Json v;
        switch (peek()) {
            case '{':
                return object();
            case '[':
                return array();
            case '"':
                v.type = Json::Type::String;
                v.string = string();
                return v;
            case 't':
                expect("true"), v.type = Json::Type::Bool, v.boolean = true;
                return v;
            case 'f':
                expect("false"), v.type = Json::Type::Bool;
                return v;
            case 'n':
                expect("null");
                return v;
            default:
                return number();
        }
    }

    Json object() {
        Json v;
        v.type = Json::Type::Object;
        expect("{");
        space();
        if (peek() == '}') return ++pos_, v;
        for (;;) {
            space();
            std::string key = string();
            space();
            expect(":");
            space();
            v.members.emplace_back(std::move(key), value());
            space();
            if (peek() == ',') {
                ++pos_;
                continue;
            }
            expect("}");
            return v;
        }
    }

    Json array() {
        Json v;
        v.type = Json::Type::Array;
        expect("[");
        space();
        if (peek() == ']') return ++pos_, v;
        for (;;) {
            space();
            v.items.push_back(value());
            space();
            if (peek() == ',') {
                ++pos_;
                continue;
            }
            expect("]");
            return v;
        }
    }

    Json number() {
        Json v;
        v.type = Json::Type::Number;
        const std::size_t start = pos_;
        if (peek() == '-') ++pos_;
        if (peek() < '0' || peek() > '9') fail("expected a value");
        if (peek() == '0' && pos_ + 1 < s_.size() && s_[pos_ + 1] >= '0' && s_[pos_ + 1] <= '9')
            fail("leading zero");
        while (peek() >= '0' && peek() <= '9') ++pos_;
        bool integer = true;
        if (peek() == '.') {
            integer = false;
            ++pos_;
            if (peek() < '0' || peek() > '9') fail("expected a digit");
            while (peek() >= '0' && peek() <= '9') ++pos_;
        }
        if (peek() == 'e' || peek() == 'E') {
            integer = false;
            ++pos_;
            if (peek() == '+' || peek() == '-') ++pos_;
            if (peek() < '0' || peek() > '9') fail("expected a digit");
            while (peek() >= '0' && peek() <= '9') ++pos_;
        }
        const std::string digits(s_.substr(start, pos_ - start));
        v.real = std::stod(digits);
        if (integer) v.number = std::stoll(digits);
        return v;
    }

    static void appendUtf8(std::string& out, std::uint32_t cp) {
        if (cp < 0x80) {
            out += static_cast<char>(cp);
        } else if (cp < 0x800) {
            out += static_cast<char>(0xC0 | (cp >> 6));
            out += static_cast<char>(0x80 | (cp & 0x3F));
        } else if (cp < 0x10000) {
            out += static_cast<char>(0xE0 | (cp >> 12));
            out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (cp & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (cp >> 18));
            out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (cp & 0x3F));
        }
    }

    std::uint32_t hex4() {
        if (pos_ + 4 > s_.size()) fail("short \\u escape");
        std::uint32_t v = 0;
        for (int i = 0; i < 4; ++i) {
            const char c = s_[pos_++];
            v <<= 4;
            if (c >= '0' && c <= '9')
                v |= c - '0';
            else if (c >= 'a' && c <= 'f')
                v |= c - 'a' + 10;
            else if (c >= 'A' && c <= 'F')
                v |= c - 'A' + 10;
            else
                fail("bad hex digit");
        }
        return v;
    }

    std::string string() {
        expect("\"");
        std::string out;
        for (;;) {
            if (pos_ >= s_.size()) fail("unterminated string");
            const auto c = static_cast<unsigned char>(s_[pos_++]);
            if (c == '"') return out;
            if (c < 0x20) fail("raw control character in a string");
            if (c != '\\') {
                out += static_cast<char>(c);
                continue;
            }
            const char e = s_[pos_++];
            switch (e) {
                case '"':
                    out += '"';
                    break;
                case '\\':
                    out += '\\';
                    break;
                case '/':
                    out += '/';
                    break;
                case 'b':
                    out += '\b';
                    break;
                case 'f':
                    out += '\f';
                    break;
                case 'n':
                    out += '\n';
                    break;
                case 'r':
                    out += '\r';
                    break;
                case 't':
                    out += '\t';
                    break;
                case 'u': {
                    std::uint32_t cp = hex4();
                    if (cp >= 0xD800 && cp <= 0xDBFF) {
                        expect("\\u");
                        const std::uint32_t low = hex4();
                        if (low < 0xDC00 || low > 0xDFFF) fail("bad surrogate pair");
                        cp = 0x10000 + ((cp - 0xD800) << 10) + (low - 0xDC00);
                    }
                    appendUtf8(out, cp);
                    break;
                }
                default:
                    fail("bad escape");
            }
        }
    }

    std::string_view s_;
    std::size_t pos_ = 0;
};

}  // namespace velno::test
