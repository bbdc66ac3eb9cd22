#include "print/Dialing.h"

#include "store/DesktopServices.h"
#include "store/FixedText.h"
#include "store/PublisherRecord.h"

namespace velno::print {

std::string dialDigits(std::string_view number) {
    std::string digits;
    for (const char c : number)
        if (c >= '0' && c <= '9') digits += c;
    return digits;
}

std::string phoneOf(const PublisherRecord& r, PhoneKind kind) {
    switch (kind) {
        case PhoneKind::Mobile:
            return std::string(trimmed(fieldText(r.phone2)));
        case PhoneKind::Office:
            return std::string(trimmed(fieldText(r.phone3)));
        case PhoneKind::Home:
            break;
    }
    return std::string(trimmed(fieldText(r.phone)));
}

DialOutcome dialNumber(Dialer& dialer, std::string_view number) {
    DialOutcome out;
    if (trimmed(number).empty()) return out;
    out.digits = dialDigits(number);
    out.message = dialer.dial(out.digits);
    out.dialled = out.message.empty();
    return out;
}

}  // namespace velno::print
