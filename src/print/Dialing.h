#pragma once
// Dialing a publisher's telephone number from the lists: only the digits
// of the number go to the desktop's dialer.

#include <string>
#include <string_view>

namespace velno {
class Dialer;
struct PublisherRecord;
}  // namespace velno

namespace velno::print {

enum class PhoneKind { Home, Mobile, Office };

// The decimal digits of a number text, in order.
std::string dialDigits(std::string_view number);
// The record's number of that kind, trimmed (Windows-1252 digits and
// punctuation are the same in UTF-8).
std::string phoneOf(const PublisherRecord& record, PhoneKind kind);

struct DialOutcome {
    bool dialled = false;
    std::string digits;
    std::string message;  // the dialer's complaint, UTF-8
};
// An empty number does nothing; anything else is dialled as its digits.
DialOutcome dialNumber(Dialer& dialer, std::string_view number);

}  // namespace velno::print
