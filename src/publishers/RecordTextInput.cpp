#include "publishers/RecordTextInput.h"

#include "store/Scrambler.h"
#include "text/Cp1252.h"
#include "text/Format.h"
#include "text/texts/PublishersTexts.h"

namespace velno {

RecordTextInput recordTextInput(std::string_view utf8, std::size_t limit, bool scrambled) {
    RecordTextInput result;
    text::Cp1252Result converted = text::utf8ToCp1252(utf8);
    if (!converted.ok) {
        result.message = std::move(converted.error);
        return result;
    }
    std::string bytes = std::move(converted.bytes);
    if (bytes.size() > limit) {
        bytes.resize(limit);
        result.cut = true;
    }
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const auto c = static_cast<unsigned char>(bytes[i]);
        // A zero would end the field early; tabs and line breaks would
        // break the lines of every list that shows the field.
        if (c < 0x20 || c == 0x7F) {
            result.message = text::arg(text::tr(text::TxControlCharacter), std::to_string(i + 1));
            return result;
        }
    }
    if (auto problem = scrambled ? unscramblableCharacter(bytes) : std::nullopt) {
        result.message = std::move(*problem);
        return result;
    }
    result.ok = true;
    result.bytes = std::move(bytes);
    return result;
}

}  // namespace velno
