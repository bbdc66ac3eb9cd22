#include "publishers/CircuitOverseerModel.h"

#include "publishers/SharedEntries.h"
#include "store/CVelnoDoc.h"
#include "store/FixedText.h"
#include "text/Cp1252.h"
#include "text/texts/PublishersTexts.h"

namespace velno {

namespace {

constexpr std::size_t kNameLimit = 18;
constexpr std::size_t kAddressLimit = 60;
constexpr std::size_t kPhoneLimit = 14;
constexpr std::size_t kEmailLimit = 50;

int at(OverseerField f) {
    return static_cast<int>(f);
}

}  // namespace

int circuitOverseerPos(const CVelnoDoc& doc) {
    const RecordStore& store = doc.store();
    for (int pos = 1; pos < store.recordCount(); ++pos)
        if (store.at(pos).listKind == ListCircuitOverseer) return pos;
    return 0;
}

CircuitOverseerModel::CircuitOverseerModel(CVelnoDoc& doc) : doc_(doc) {
    const int pos = recordPos();
    if (pos == 0) return;
    const PublisherRecord& r = doc_.store().at(pos);
    texts_[at(OverseerField::FirstName)] = fieldText(r.fname);
    texts_[at(OverseerField::LastName)] = fieldText(r.lname);
    texts_[at(OverseerField::Address)] = fieldText(r.addr);
    texts_[at(OverseerField::Home)] = fieldText(r.phone);
    texts_[at(OverseerField::Mobile)] = fieldText(r.phone2);
    texts_[at(OverseerField::Other)] = fieldText(r.phone3);
    if (doc_.extensionOf(pos) != 0)
        texts_[at(OverseerField::Email)] = fieldText(doc_.extensions().current().email);
}

int CircuitOverseerModel::recordPos() const {
    return circuitOverseerPos(doc_);
}

std::string CircuitOverseerModel::title() const {
    return text::tr(text::TxOverseerDialogTitle);
}

std::string CircuitOverseerModel::caption(OverseerField field) const {
    static constexpr text::PublishersTextId kCaptions[kOverseerFieldCount] = {
        text::TxOverseerFirstName, text::TxOverseerLastName, text::TxOverseerAddress,
        text::TxOverseerHome,      text::TxOverseerMobile,   text::TxOverseerOther,
        text::TxOverseerEmail};
    return text::tr(kCaptions[at(field)]);
}

std::string CircuitOverseerModel::okText() const {
    return text::tr(text::TxOverseerOk);
}

std::string CircuitOverseerModel::cancelText() const {
    return text::tr(text::TxOverseerCancel);
}

int CircuitOverseerModel::limit(OverseerField field) {
    switch (field) {
        case OverseerField::FirstName:
        case OverseerField::LastName:
            return static_cast<int>(kNameLimit);
        case OverseerField::Address:
            return static_cast<int>(kAddressLimit);
        case OverseerField::Email:
            return static_cast<int>(kEmailLimit);
        default:
            return static_cast<int>(kPhoneLimit);
    }
}

std::string CircuitOverseerModel::text(OverseerField field) const {
    return text::cp1252ToUtf8(texts_[at(field)]);
}

bool CircuitOverseerModel::setText(OverseerField field, const std::string& utf8) {
    return acceptBoxText(doc_, texts_[at(field)], utf8, static_cast<std::size_t>(limit(field)),
                         true);
}

bool CircuitOverseerModel::ok() {
    RecordStore& store = doc_.store();
    int pos = recordPos();
    if (pos == 0) {
        if (trimmed(texts_[at(OverseerField::LastName)]).size() <= 1) return false;
        PublisherRecord r{};
        r.id = kOverseerId;
        r.listKind = ListCircuitOverseer;
        // Whoever holds the overseer's id already would be found instead.
        if (store.storePosById(kOverseerId) != 0 || !store.append(r)) return false;
        pos = store.recordCount() - 1;
        doc_.rebuildIndex();
    }
    PublisherRecord& r = store.at(pos);
    auto cut = [this](OverseerField f) {
        std::string t(trimmed(texts_[at(f)]));
        if (t.size() > static_cast<std::size_t>(limit(f))) t.resize(limit(f));
        return t;
    };
    setFieldText(r.fname, cut(OverseerField::FirstName));
    setFieldText(r.lname, cut(OverseerField::LastName));
    setFieldText(r.addr, cut(OverseerField::Address));
    setFieldText(r.phone, cut(OverseerField::Home));
    setFieldText(r.phone2, cut(OverseerField::Mobile));
    setFieldText(r.phone3, cut(OverseerField::Other));
    doc_.dirty = true;

    // The e-mail address lives in the extension, kept only while it holds a text.
    const std::string email = cut(OverseerField::Email);
    const bool had = doc_.extensionOf(pos) != 0 || r.extSlot != 0;
    PublisherExtension e = had ? doc_.extensions().current() : PublisherExtension{};
    if (!had && email.empty()) return true;
    e.owner = r.id;
    setFieldText(e.email, email);
    const bool empty = email.empty() && trimmed(fieldText(e.longName)).empty() &&
                       trimmed(fieldText(e.other)).empty() && e.marker == 0;
    doc_.extensions().current() = e;
    const int entry = doc_.writeExtension();
    if (entry == 0) return false;
    r.extSlot = empty ? 0 : static_cast<std::uint16_t>(entry);
    return true;
}

}  // namespace velno
