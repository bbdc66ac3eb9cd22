#include "publishers/CustomCategoryModel.h"

#include "publishers/RecordTextInput.h"
#include "store/CVelnoDoc.h"
#include "store/FixedText.h"
#include "text/Cp1252.h"
#include "text/Format.h"
#include "text/texts/PublishersTexts.h"

namespace velno {

int customCategoryMembers(const CVelnoDoc& doc) {
    const RecordStore& store = doc.store();
    int n = 0;
    for (int p = 1; p < store.recordCount(); ++p)
        if (store.at(p).flags & RecordFlag::CustomCategory) ++n;
    return n;
}

// ---- dialog 133 -------------------------------------------------------------

RenameCategoryModel::RenameCategoryModel(int members, std::string oldName, std::string newName)
    : members_(members), old_(std::move(oldName)), new_(std::move(newName)) {}

std::string RenameCategoryModel::title() const {
    return text::tr(text::TxCategoryRenameTitle);
}

std::string RenameCategoryModel::question() const {
    return text::arg(text::tr(text::TxCategoryMembers), std::to_string(members_) + " ", old_);
}

std::string RenameCategoryModel::renameText() const {
    return text::arg(text::tr(text::TxCategoryRenameAll), old_, new_);
}

std::string RenameCategoryModel::clearText() const {
    return text::tr(text::TxCategoryClearAll);
}

// ---- dialog 132 -------------------------------------------------------------

CustomCategoryModel::CustomCategoryModel(CVelnoDoc& doc)
    : doc_(doc),
      name_(doc.settings().customCategoryName.substr(
          0, std::min<std::size_t>(doc.settings().customCategoryName.size(), kNameLimit))),
      enabled_(doc.settings().customCategoryEnabled != 0) {}

std::string CustomCategoryModel::title() const {
    return text::tr(text::TxCategoryTitle);
}

std::string CustomCategoryModel::prompt() const {
    return text::tr(text::TxCategoryPrompt);
}

std::string CustomCategoryModel::enableText() const {
    return text::tr(text::TxCategoryEnable);
}

std::string CustomCategoryModel::name() const {
    return text::cp1252ToUtf8(name_);
}

TextUpdate CustomCategoryModel::setName(const std::string& utf8) {
    // The settings file keeps the name as it is: no scrambling applies.
    RecordTextInput input = recordTextInput(utf8, kNameLimit, false);
    TextUpdate update;
    if (!input.ok) {
        doc_.prompter().tell(input.message, Icon::Warning);
        update.text = name();
        update.refused = true;
        return update;
    }
    name_ = std::move(input.bytes);
    if (input.cut) update.caret = static_cast<int>(name_.size());
    update.text = name();
    return update;
}

std::string CustomCategoryModel::trimmedName() const {
    return std::string(trimmed(name_));
}

std::optional<RenameCategoryModel> CustomCategoryModel::renameQuestion() const {
    const std::string stored(trimmed(doc_.settings().customCategoryName));
    if (trimmedName() == stored) return std::nullopt;
    const int members = customCategoryMembers(doc_);
    // Without members either answer ends the same way.
    if (members == 0) return std::nullopt;
    return RenameCategoryModel(members, text::cp1252ToUtf8(stored),
                               text::cp1252ToUtf8(trimmedName()));
}

bool CustomCategoryModel::accept(RenameChoice choice) {
    Settings& s = doc_.settings();
    bool changed = false;
    const std::string name = trimmedName();
    if (name != trimmed(s.customCategoryName)) {
        if (choice == RenameChoice::ClearAll) {
            RecordStore& store = doc_.store();
            for (int p = 1; p < store.recordCount(); ++p)
                store.at(p).flags &= static_cast<std::uint8_t>(~RecordFlag::CustomCategory);
        }
        s.customCategoryName = name.substr(0, kNameLimit);
        changed = true;
    }
    const int enabled = enabled_ && !name.empty() ? 1 : 0;
    if (enabled != s.customCategoryEnabled) {
        s.customCategoryEnabled = enabled;
        changed = true;
    }
    enabled_ = enabled != 0;
    if (changed) doc_.dirty = true;
    return changed;
}

CategoryResult changeCustomCategory(CVelnoDoc& doc, const CategoryChange& change) {
    CategoryResult result;
    CustomCategoryModel model(doc);
    if (change.name) {
        const RecordTextInput input =
            recordTextInput(*change.name, CustomCategoryModel::kNameLimit, false);
        if (!input.ok || input.cut) {
            result.message = input.ok ? text::arg(text::tr(text::TxCategoryNameLong),
                                                  std::to_string(CustomCategoryModel::kNameLimit))
                                      : input.message;
            return result;
        }
        model.setName(*change.name);
    }
    if (change.enabled) model.setEnabled(*change.enabled);
    if (change.clearMembers && !model.renameQuestion()) {
        // Clearing without a rename: every member loses the mark.
        RecordStore& store = doc.store();
        for (int p = 1; p < store.recordCount(); ++p) {
            PublisherRecord& r = store.at(p);
            if (!(r.flags & RecordFlag::CustomCategory)) continue;
            r.flags &= static_cast<std::uint8_t>(~RecordFlag::CustomCategory);
            result.changed = true;
            doc.dirty = true;
        }
    }
    result.changed =
        model.accept(change.clearMembers ? RenameChoice::ClearAll : RenameChoice::RenameAll) ||
        result.changed;
    result.ok = true;
    return result;
}

}  // namespace velno
