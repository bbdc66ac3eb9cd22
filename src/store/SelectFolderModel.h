#pragma once
// The folder picker (`CSelectFolderDialog`): a file dialog reduced to
// folder navigation with an edit field that holds the folder path. Used
// wherever the user chooses a folder (data location, backups, exports).

#include <filesystem>
#include <string>
#include <string_view>

namespace velno {

class Prompter;

class SelectFolderModel {
public:
    // `initial`: the folder the caller passes (UTF-8 path).
    explicit SelectFolderModel(std::string initial);

    // Texts, UTF-8.
    std::string title() const;  // "Pilih Folder", or "Select folder" when empty
    std::string fieldCaption() const;
    std::string okText() const;

    const std::string& fieldText() const { return field_; }
    void setFieldText(std::string text) { field_ = std::move(text); }
    // The dialog moved to another folder: the field follows it.
    void folderShown(std::string folder) { field_ = std::move(folder); }

    enum class Outcome { StayOpen, Accepted };
    // OK: the field's text (the folder on show when it is empty); a doubled
    // separator after the start refuses with "Invalid Folder"; one trailing
    // separator is dropped; a missing folder is offered for creation (Yes
    // creates it with its parents and stays open when that failed, No goes
    // on with the missing path).
    Outcome confirm(Prompter& prompter, std::string_view shownFolder);
    // The accepted folder with one trailing separator.
    const std::string& result() const { return result_; }

private:
    std::string field_;
    std::string result_;
};

}  // namespace velno
