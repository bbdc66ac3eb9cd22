#include "publishers/HouseholdPickerModel.h"

#include "publishers/HouseholdModel.h"
#include "store/CVelnoDoc.h"
#include "store/Households.h"
#include "text/texts/PublishersTexts.h"

namespace velno {

HouseholdPickerModel::HouseholdPickerModel(const CVelnoDoc& doc, PublisherId head) {
    const RecordStore& store = doc.store();
    const auto households = allHouseholdMembers(store);
    for (const ListKind kind : {ListActive, ListInactive, ListBibleStudent})
        for (int pos = 1; pos < store.recordCount(); ++pos) {
            const PublisherRecord& r = store.at(pos);
            if (r.listKind != kind || r.id == head || r.household == head) continue;
            Mark mark = Mark::None;
            std::string line = householdLine(doc, pos);
            if (isHouseholdHead(r) && households.count(r.id)) {
                mark = Mark::HeadWithMembers;
                line += " *";
            } else if (!isHouseholdHead(r) && householdHeadOf(store, r) > 0) {
                mark = Mark::OtherHousehold;
                line += " #";
            }
            positions_.push_back(pos);
            marks_.push_back(mark);
            lines_.push_back(std::move(line));
        }
}

std::string HouseholdPickerModel::title() const {
    return text::tr(text::TxHouseholdPickerTitle);
}

void HouseholdPickerModel::select(int line) {
    if (line >= -1 && line < static_cast<int>(lines_.size())) selected_ = line;
}

std::string HouseholdPickerModel::note() const {
    if (selected_ < 0) return {};
    switch (marks_[selected_]) {
        case Mark::HeadWithMembers:
            return text::tr(text::TxHouseholdPickHead);
        case Mark::OtherHousehold:
            return text::tr(text::TxHouseholdPickOther);
        case Mark::None:
            break;
    }
    return {};
}

bool HouseholdPickerModel::okVisible() const {
    return selected_ < 0 || marks_[selected_] != Mark::HeadWithMembers;
}

std::string HouseholdPickerModel::okText() const {
    return text::tr(text::TxOk);
}

std::string HouseholdPickerModel::cancelText() const {
    return text::tr(text::TxCancel);
}

std::optional<int> HouseholdPickerModel::ok() const {
    if (selected_ < 0 || !okVisible()) return std::nullopt;
    return positions_[selected_];
}

}  // namespace velno
