#pragma once
// The custom category (dialog 132 "Kategori Tambahan Penyiar "): one
// congregation-defined yes/no mark with a name of its own, and the question
// (dialog 133 "Ubah Kategori") of what becomes of its members when the name
// changes.

#include <optional>
#include <string>

#include "publishers/PublisherEditModel.h"

namespace velno {

class CVelnoDoc;

// What dialog 133 decides for the members of a renamed category.
enum class RenameChoice {
    RenameAll,  // "Ganti semua %1 menjadi %2": the members keep the mark
    ClearAll,   // "Hapus semua": every member loses it
    Cancel,     // the members keep the mark; the name still changes
};

// Dialog 133.
class RenameCategoryModel {
public:
    RenameCategoryModel(int members, std::string oldName, std::string newName);

    // Texts, UTF-8.
    std::string title() const;
    std::string question() const;
    std::string renameText() const;
    std::string clearText() const;

    int members() const { return members_; }
    RenameChoice choice() const { return choice_; }
    void choose(RenameChoice choice) { choice_ = choice; }

private:
    int members_;
    std::string old_;
    std::string new_;
    RenameChoice choice_ = RenameChoice::RenameAll;  // preselected
};

class CustomCategoryModel {
public:
    static constexpr int kNameLimit = 15;

    explicit CustomCategoryModel(CVelnoDoc& doc);

    // Texts, UTF-8.
    std::string title() const;
    std::string prompt() const;
    std::string enableText() const;

    std::string name() const;  // UTF-8
    bool enabled() const { return enabled_; }
    // The box refuses characters the settings file cannot hold and more
    // than 15 characters.
    TextUpdate setName(const std::string& utf8);
    void setEnabled(bool on) { enabled_ = on; }

    // OK, first step: the question of dialog 133 when the name changes and
    // the category has members; nothing otherwise.
    std::optional<RenameCategoryModel> renameQuestion() const;
    // OK, second step, with dialog 133's answer (RenameAll when it was not
    // asked). Stores the name and the enabled flag; an empty name switches
    // the category off. Returns whether anything changed.
    bool accept(RenameChoice choice = RenameChoice::RenameAll);

private:
    std::string trimmedName() const;

    CVelnoDoc& doc_;
    std::string name_;  // Windows-1252
    bool enabled_;
};

// Records of any list carrying the custom category's mark.
int customCategoryMembers(const CVelnoDoc& doc);

// The names and flag of the custom category outside the dialog (the
// command line): the same rules as OK in dialog 132. `name` unset keeps
// the stored one. False when a name is refused (with the message).
struct CategoryChange {
    std::optional<std::string> name;  // UTF-8
    std::optional<bool> enabled;
    bool clearMembers = false;
};
struct CategoryResult {
    bool ok = false;
    bool changed = false;
    std::string message;  // UTF-8, when refused
};
CategoryResult changeCustomCategory(CVelnoDoc& doc, const CategoryChange& change);

}  // namespace velno
