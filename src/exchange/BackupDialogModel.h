#pragma once
// The backup dialog (dialog 185) in its two modes, without a window: the
// backup target, the restore source from the catalogue or by browsing,
// "use the latest" and "undo the last restore", and which control shows
// what. The Qt view shows this model and passes each action to it.

#include <array>
#include <ctime>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "exchange/BackupSet.h"
#include "exchange/Restore.h"
#include "store/files/BackupCatalogue.h"

namespace velno {

class CVelnoDoc;

class BackupDialogModel {
public:
    enum class Mode { Backup, Restore };
    enum class Choice { Catalogue, Browse };
    // Controls that come and go.
    enum class Control {
        SpaceGroup,      // 1161, 1152
        RestoreGroup,    // 1163
        List,            // 1160
        CatalogueRadio,  // 1047
        BrowseRadio,     // 1049
        UseLatest,       // 1050
        Undo,            // 1048
        BrowseButton,    // 1151
        Ok,              // 1
    };

    BackupDialogModel(CVelnoDoc& doc, Mode mode);

    Mode mode() const { return mode_; }
    // ---- texts (UTF-8) ---------------------------------------------------
    std::string title() const;
    std::string spaceText() const;                      // 1152
    std::string pathGroupText() const;                  // 1162
    std::string pathText() const;                       // 1046
    std::string promptText() const { return prompt_; }  // 1155
    std::string cancelText() const;                     // 2
    const std::vector<std::string>& items() const { return items_; }
    int selectedItem() const { return selected_; }  // -1: none
    bool isVisible(Control control) const;
    bool isCatalogueRadioEnabled() const { return catalogueAvailable_; }

    Choice choice() const { return choice_; }
    bool useLatest() const { return useLatest_; }
    bool undo() const { return undo_; }
    bool done() const { return done_; }
    const std::filesystem::path& currentPath() const { return current_; }
    bool catalogueAvailable() const { return catalogueAvailable_; }
    std::uintmax_t requiredBytes() const { return required_; }
    // Backup mode: the automatic backup at the end of every run.
    bool automatic() const;
    void setAutomatic(bool on);

    // ---- actions ---------------------------------------------------------
    void chooseCatalogue();
    void chooseBrowse();
    void setUseLatest(bool on);
    void setUndo(bool on);
    void selectItem(int index);
    // The folder picker returned this folder.
    void browsed(const std::filesystem::path& folder);
    // OK: performs the backup or the restore; true when the dialog closes.
    bool pressOk(std::time_t now);

    // The outcome of the last OK.
    const BackupOutcome& lastBackup() const { return backup_; }
    const RestoreOutcome& lastRestore() const { return restore_; }
    // The progress line as the work goes on (the view repaints it).
    std::function<void(const std::string&)> onProgress;

private:
    void fillList();
    void refresh();
    std::string entryPath(int item) const;

    CVelnoDoc& doc_;
    Mode mode_;
    std::filesystem::path data_;
    std::filesystem::path current_;
    std::filesystem::path default_;
    std::array<CatalogueEntry, BackupCatalogue::kEntries> catalogue_{};
    bool catalogueAvailable_ = false;
    Choice choice_ = Choice::Browse;
    bool useLatest_ = false;
    bool undo_ = false;
    bool undoOffered_ = false;
    std::string undoInfo_;
    bool done_ = false;
    bool listShown_ = false;
    bool okShown_ = true;
    std::vector<std::string> items_;
    std::vector<int> itemEntries_;  // catalogue index of each item
    int selected_ = -1;
    std::string prompt_;
    std::uintmax_t required_ = 0;
    BackupOutcome backup_;
    RestoreOutcome restore_;
};

}  // namespace velno
