#pragma once
// A small streaming JSON writer for the --json output of velno-cli. Keys
// come out in the order they are written, so the output is deterministic.
// Strings must be UTF-8 (record texts are converted from Windows-1252
// first); a malformed byte sequence is written as U+FFFD.

#include <concepts>
#include <cstdint>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace velno::cli {

// The JSON string literal of a UTF-8 text, quotes included.
std::string jsonQuoted(std::string_view utf8);

class JsonWriter {
public:
    // Block containers put each element on its own indented line; inline
    // ones keep everything on one line (used for the many small month slots).
    enum class Layout { Block, Inline };

    explicit JsonWriter(std::ostream& out) : out_(out) {}

    JsonWriter& beginObject(Layout layout = Layout::Block);
    JsonWriter& endObject();
    JsonWriter& beginArray(Layout layout = Layout::Block);
    JsonWriter& endArray();
    // The key of the next value inside an object.
    JsonWriter& key(std::string_view name);

    JsonWriter& value(std::string_view utf8);
    JsonWriter& value(const char* utf8) { return value(std::string_view(utf8)); }
    JsonWriter& value(const std::string& utf8) { return value(std::string_view(utf8)); }
    JsonWriter& value(bool b);
    template <std::integral T>
    requires(!std::same_as<T, bool>) JsonWriter& value(T n) { return number(std::to_string(n)); }
    // A real number in its shortest form that reads back the same; null
    // when it is not finite.
    JsonWriter& value(double d);
    JsonWriter& null();

    template <typename T>
    JsonWriter& field(std::string_view name, const T& v) {
        key(name);
        return value(v);
    }

    // Ends the document with a newline; every container must be closed.
    void finish();

private:
    struct Level {
        bool object;
        bool inlineLayout;
        bool empty;
    };
    JsonWriter& number(const std::string& digits);
    void beforeValue();
    void newline(std::size_t depth);
    void end(bool object);

    std::ostream& out_;
    std::vector<Level> stack_;
    bool afterKey_ = false;
};

}  // namespace velno::cli
