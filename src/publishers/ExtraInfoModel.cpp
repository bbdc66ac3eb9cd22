#include "publishers/ExtraInfoModel.h"

#include "store/CVelnoDoc.h"
#include "store/FixedText.h"
#include "text/Cp1252.h"
#include "text/texts/PublishersTexts.h"

namespace velno {

ExtraInfoModel::ExtraInfoModel(CVelnoDoc& doc, PublisherRecord& record, std::string& longName,
                               std::string& other, ExtraFocus focus)
    : doc_(doc), record_(record), longName_(longName), other_(other), focus_(focus) {
    texts_[0] = longName_;
    texts_[1] = other_;
    if (const auto need = needByKey(doc_, record_.specneed)) {
        used_ = record_.specneed;
        texts_[2] = fieldText(need->text);
    }
    openedNeed_ = texts_[2];
}

std::string ExtraInfoModel::title() const {
    return text::cp1252ToUtf8(std::string(trimmed(fieldText(record_.fname))) + " " +
                              std::string(trimmed(fieldText(record_.lname))));
}

std::string ExtraInfoModel::caption(ExtraField field) const {
    switch (field) {
        case ExtraField::LongName:
            return text::tr(text::TxExtraLongName);
        case ExtraField::Other:
            return text::tr(text::TxExtraOther);
        case ExtraField::Need:
            break;
    }
    return text::tr(text::TxExtraNeed);
}

std::string ExtraInfoModel::needGroupCaption() const {
    return text::tr(text::TxExtraNeedGroup);
}

std::string ExtraInfoModel::optionalNote() const {
    return text::tr(text::TxExtraOptional);
}

int ExtraInfoModel::limit(ExtraField field) {
    switch (field) {
        case ExtraField::LongName:
            return static_cast<int>(kLongNameLimit);
        case ExtraField::Other:
            return static_cast<int>(kOtherLimit);
        case ExtraField::Need:
            break;
    }
    return static_cast<int>(kNeedLimit);
}

std::string ExtraInfoModel::text(ExtraField field) const {
    return text::cp1252ToUtf8(texts_[static_cast<int>(field)]);
}

bool ExtraInfoModel::setText(ExtraField field, const std::string& utf8) {
    // The extension's texts are scrambled in their file; the need's are not.
    return acceptBoxText(doc_, texts_[static_cast<int>(field)], utf8,
                         static_cast<std::size_t>(limit(field)), field != ExtraField::Need);
}

bool ExtraInfoModel::useExistingVisible() const {
    return severalEntries(doc_, SharedKind::Need);
}

std::string ExtraInfoModel::useExistingText() const {
    return text::tr(text::TxNeedUseExisting);
}

SharedEntryChooserModel ExtraInfoModel::chooser() const {
    return SharedEntryChooserModel(doc_, SharedEntryChooserModel::Mode::Needs, used_);
}

void ExtraInfoModel::useExisting(std::uint16_t key) {
    const auto need = needByKey(doc_, key);
    if (!need) return;
    used_ = key;
    texts_[2] = fieldText(need->text);
    openedNeed_ = texts_[2];
}

bool ExtraInfoModel::sharedNoteVisible() const {
    return used_ != 0 && otherLinks(doc_, SharedKind::Need, used_, record_.id) > 0;
}

std::string ExtraInfoModel::sharedNote() const {
    return text::tr(text::TxNeedSharedNote);
}

std::string ExtraInfoModel::stopSharingText() const {
    return text::tr(text::TxNeedStopSharing);
}

void ExtraInfoModel::stopSharing() {
    texts_[2].clear();
    used_ = 0;
    openedNeed_.clear();
}

bool ExtraInfoModel::ok() {
    longName_ = std::string(trimmed(texts_[0]));
    other_ = std::string(trimmed(texts_[1]));
    const std::string need(trimmed(texts_[2]));
    if (used_ != 0 && texts_[2] == openedNeed_) {
        record_.specneed = used_;
        return true;
    }
    if (used_ == 0 && texts_[2] == openedNeed_ && need.empty()) {
        record_.specneed = 0;
        return true;
    }
    SpecialNeed entry{};
    setFieldText(entry.text, need);
    if (used_ != 0 && need.size() < kMinimumNeedLength &&
        otherLinks(doc_, SharedKind::Need, used_, record_.id) == 0) {
        // The publisher's own need emptied: no need, as for a new text.
        record_.specneed = 0;
        used_ = 0;
    } else if (used_ != 0) {
        // A shared need changes for everyone who has it.
        const std::uint16_t key =
            storeSharedEntry(doc_, SharedKind::Need, used_, entryBytes(entry));
        if (key == 0) return false;
        record_.specneed = key;
    } else if (need.size() < kMinimumNeedLength) {
        record_.specneed = 0;
    } else {
        const std::uint16_t key = storeSharedEntry(doc_, SharedKind::Need, 0, entryBytes(entry));
        if (key == 0) return false;
        record_.specneed = key;
        used_ = key;
    }
    openedNeed_ = texts_[2];
    return true;
}

}  // namespace velno
