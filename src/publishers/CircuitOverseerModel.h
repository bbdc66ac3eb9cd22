#pragma once
// The circuit-overseer dialog (dialog 157, command 32906): the names,
// address, phones and e-mail address of the one record of list kind 5,
// which is made on the first OK that names the overseer.

#include <array>
#include <string>

namespace velno {

class CVelnoDoc;

enum class OverseerField { FirstName, LastName, Address, Home, Mobile, Other, Email };
constexpr int kOverseerFieldCount = 7;

class CircuitOverseerModel {
public:
    static constexpr int kOverseerId = 30003;

    explicit CircuitOverseerModel(CVelnoDoc& doc);

    std::string title() const;
    std::string caption(OverseerField field) const;
    std::string okText() const;
    std::string cancelText() const;
    static int limit(OverseerField field);

    std::string text(OverseerField field) const;  // UTF-8
    bool setText(OverseerField field, const std::string& utf8);

    // Store position of the overseer's record, 0 when there is none.
    int recordPos() const;

    // OK: updates the record, or makes it when the last name (trimmed) is
    // longer than one character. False when nothing was stored (no room,
    // a blank name, or the e-mail's file could not be written).
    bool ok();

private:
    CVelnoDoc& doc_;
    std::array<std::string, kOverseerFieldCount> texts_;  // Windows-1252
};

// Store position of the circuit overseer's record, 0 when there is none.
int circuitOverseerPos(const CVelnoDoc& doc);

}  // namespace velno
