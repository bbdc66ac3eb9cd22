#pragma once
// Exported files that earlier versions wrote into the data folder itself,
// where nothing protects them (dialog 130 "Peringatan!!"). At the end of
// every load in the desktop program the month report exports found there
// are offered for deletion; the contact lists and the XML list are removed
// in any case. velno-cli removes those lists with every command that saves.

#include <functional>
#include <string>
#include <vector>

namespace velno {

class CVelnoDoc;
class DataFolder;

class ExportFilesWarningModel {
public:
    // The folder holds the live data.
    explicit ExportFilesWarningModel(const DataFolder& folder);

    // A month's report export lies in the folder: the dialog is shown.
    bool needsDialog() const { return monthFiles_ > 0; }
    std::string title() const;
    std::string text() const;
    // The month files found, then "publist.xml" when present; every row
    // starts selected.
    const std::vector<std::string>& files() const { return files_; }
    bool isSelected(int row) const;
    void setSelected(int row, bool selected);

    // OK deletes the selected files, "Batal" none; either way the
    // unprotected lists go afterwards. Returns the messages of files that
    // could not be deleted (UTF-8), empty when all went.
    std::vector<std::string> accept();
    std::vector<std::string> cancel();

private:
    const DataFolder& folder_;
    std::vector<std::string> files_;
    std::vector<bool> selected_;
    int monthFiles_ = 0;
};

// The second step alone: deletes "contact.tsv", "3rdparty.tsv",
// "cardhdr.tsv" and "publist.xml" from the folder. A folder that holds its
// writes deletes them with the commit that follows. Returns the messages of
// files that could not be deleted.
std::vector<std::string> removeUnprotectedExports(const DataFolder& folder);

// The end of a load in the desktop program: the dialog, shown by
// `showDialog` (true for OK), when a month file is found, then the second
// step, in the live data folder (also while a snapshot is open). Deletion
// failures are told through the document's prompter.
void runExportFilesWarning(CVelnoDoc& doc,
                           const std::function<bool(ExportFilesWarningModel&)>& showDialog);

}  // namespace velno
