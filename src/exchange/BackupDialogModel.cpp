#include "exchange/BackupDialogModel.h"

#include <sys/stat.h>

#include <system_error>

#include "store/CVelnoDoc.h"
#include "store/FixedText.h"
#include "text/Cp1252.h"
#include "text/Format.h"
#include "text/StringTable.h"
#include "text/texts/CommonTexts.h"
#include "text/texts/ExchangeTexts.h"

namespace velno {

namespace fs = std::filesystem;

namespace {

// Folders are shown and joined with a closing separator.
fs::path asFolder(const fs::path& p) {
    std::string s = p.string();
    if (s.empty() || s.back() != '/') s += '/';
    return fs::path(s);
}

std::string ctimeOf(const fs::path& file) {
    struct stat st {};
    if (::stat(file.c_str(), &st) != 0) return {};
    char buffer[64];
    if (!ctime_r(&st.st_mtime, buffer)) return {};
    std::string s = buffer;
    while (!s.empty() && (s.back() == '\n' || s.back() == '\r')) s.pop_back();
    return s;
}

}  // namespace

BackupDialogModel::BackupDialogModel(CVelnoDoc& doc, Mode mode) : doc_(doc), mode_(mode) {
    data_ = doc.folder().path();
    // 1. The saved target, or the data folder when it no longer exists.
    default_ = asFolder(backupTargetSetting(doc));
    current_ = default_;
    // 2. The catalogue and its valid entries.
    catalogue_ = BackupCatalogue::read(doc.folder());
    for (const auto& e : catalogue_) catalogueAvailable_ |= BackupCatalogue::isValid(e);
    if (mode_ == Mode::Backup) {
        // 3. The space needed and the target.
        required_ = requiredBackupSpace(doc.folder());
        prompt_ = text::arg(text::tr(text::TxBackupPrompt), current_.string());
        return;
    }
    // 4. The catalogue's latest when there is one, else browsing.
    if (catalogueAvailable_) {
        choice_ = Choice::Catalogue;
        useLatest_ = true;
    }
    fillList();
    refresh();
}

std::string BackupDialogModel::title() const {
    return mode_ == Mode::Backup ? text::tr(text::TxBackupTitle) : text::tr(text::TxRestoreButton);
}

std::string BackupDialogModel::spaceText() const {
    return text::arg(text::tr(text::TxSpaceLine), text::tr(text::TxSpaceNeeded),
                     std::to_string(required_));
}

std::string BackupDialogModel::pathGroupText() const {
    if (mode_ == Mode::Backup) return text::tr(text::TxBackupTargetGroup);
    if (undo_ || choice_ == Choice::Catalogue) return {};
    return text::tr(text::TxRestoreSourceGroup);
}

std::string BackupDialogModel::pathText() const {
    if (mode_ == Mode::Restore && (undo_ || choice_ == Choice::Catalogue)) return {};
    return current_.string();
}

std::string BackupDialogModel::cancelText() const {
    return mode_ == Mode::Backup && done_ ? text::tr(text::TxBackupClose)
                                          : text::tr(text::TxBackupCancel);
}

bool BackupDialogModel::isVisible(Control control) const {
    const bool restore = mode_ == Mode::Restore;
    switch (control) {
        case Control::SpaceGroup:
            return !restore;
        case Control::RestoreGroup:
        case Control::CatalogueRadio:
        case Control::BrowseRadio:
            return restore && !undo_;
        case Control::List:
            return restore && !undo_ && listShown_ && !items_.empty();
        case Control::UseLatest:
            return restore && !undo_ && choice_ == Choice::Catalogue;
        case Control::Undo:
            return restore && undoOffered_;
        case Control::BrowseButton:
            return !restore || (!undo_ && choice_ == Choice::Browse);
        case Control::Ok:
            return !restore || okShown_;
    }
    return false;
}

std::string BackupDialogModel::entryPath(int item) const {
    if (item < 0 || item >= static_cast<int>(itemEntries_.size())) return {};
    return fieldText(catalogue_[static_cast<std::size_t>(itemEntries_[item])].path);
}

void BackupDialogModel::fillList() {
    items_.clear();
    itemEntries_.clear();
    selected_ = -1;
    if (choice_ == Choice::Catalogue) {
        for (int i = 0; i < BackupCatalogue::kEntries; ++i) {
            const auto& e = catalogue_[static_cast<std::size_t>(i)];
            if (!BackupCatalogue::isValid(e)) continue;
            items_.push_back(text::cp1252ToUtf8(fieldText(e.label)));
            itemEntries_.push_back(i);
        }
    } else {
        // The sets in the folder (or beside the set that is the folder).
        fs::path where = current_;
        if (isBackupSet(where)) where = asFolder(where).parent_path().parent_path();
        std::vector<std::string> names;
        std::error_code ec;
        for (const auto& e : fs::directory_iterator(where, ec)) {
            const std::string name = e.path().filename().string();
            if (e.is_directory(ec) && name.rfind("Vn9", 0) == 0) names.push_back(name);
        }
        std::sort(names.begin(), names.end());
        for (const auto& n : names) items_.push_back("[" + n + "]");
    }
    listShown_ = true;
}

void BackupDialogModel::refresh() {
    if (mode_ == Mode::Backup) {
        prompt_ = done_ ? prompt_ : text::arg(text::tr(text::TxBackupPrompt), current_.string());
        return;
    }
    okShown_ = true;
    if (choice_ == Choice::Catalogue) {
        if (useLatest_ && !items_.empty()) {
            selected_ = 0;
            current_ = asFolder(entryPath(0));
        }
        // Without a chosen entry there is nothing to restore from.
        okShown_ = selected_ >= 0;
        const std::string path = selected_ >= 0 ? current_.string() : std::string();
        prompt_ =
            path.size() < 5 ? std::string() : text::arg(text::tr(text::TxRestorePrompt), path);
    } else {
        okShown_ = isBackupSet(current_);
        prompt_ = okShown_ ? text::arg(text::tr(text::TxRestorePrompt), current_.string())
                           : std::string();
    }
    undoOffered_ = undoAvailable(data_);
    if (undoOffered_)
        undoInfo_ = text::tr(text::TxUndoRestoreInfo) + " : " +
                    ctimeOf(DataFolder(undoFolderPath(data_)).resolve("tdat9.bin"));
    else
        undo_ = false;
    if (undo_) {
        current_ = asFolder(undoFolderPath(data_));
        prompt_ = undoInfo_;
        okShown_ = true;
    }
}

bool BackupDialogModel::automatic() const {
    return automaticBackupEnabled(doc_);
}

void BackupDialogModel::setAutomatic(bool on) {
    if (mode_ == Mode::Backup) setAutomaticBackup(doc_, on);
}

void BackupDialogModel::chooseCatalogue() {
    if (mode_ != Mode::Restore || !catalogueAvailable_) return;
    choice_ = Choice::Catalogue;
    fillList();
    refresh();
}

void BackupDialogModel::chooseBrowse() {
    if (mode_ != Mode::Restore) return;
    choice_ = Choice::Browse;
    current_ = default_;
    fillList();
    refresh();
}

void BackupDialogModel::setUseLatest(bool on) {
    if (mode_ != Mode::Restore) return;
    useLatest_ = on;
    if (on) undo_ = false;
    refresh();
}

void BackupDialogModel::setUndo(bool on) {
    if (mode_ != Mode::Restore) return;
    undo_ = on && undoAvailable(data_);
    if (choice_ == Choice::Browse || !undo_) current_ = default_;
    fillList();
    refresh();
}

void BackupDialogModel::selectItem(int index) {
    if (mode_ != Mode::Restore || index < 0 || index >= static_cast<int>(items_.size())) return;
    selected_ = index;
    if (choice_ == Choice::Catalogue) {
        current_ = asFolder(entryPath(index));
        useLatest_ = false;
    } else {
        std::string name = items_[static_cast<std::size_t>(index)];
        if (name.size() >= 2 && name.front() == '[' && name.back() == ']')
            name = name.substr(1, name.size() - 2);
        fs::path base = current_;
        if (isBackupSet(base)) base = asFolder(asFolder(base).parent_path().parent_path());
        current_ = asFolder(base / name);
    }
    refresh();
}

void BackupDialogModel::browsed(const fs::path& folder) {
    current_ = asFolder(folder);
    if (mode_ == Mode::Backup) {
        if (isBackupSet(current_)) {
            const fs::path set = asFolder(current_).parent_path();
            doc_.prompter().tell(
                text::arg(text::tr(text::TxNotABackupTarget), set.filename().string()),
                Icon::Warning);
            current_ = asFolder(set.parent_path());
        }
    } else {
        choice_ = Choice::Browse;
        if (isBackupSet(current_)) {
            listShown_ = false;
        } else {
            fillList();
        }
    }
    refresh();
}

bool BackupDialogModel::pressOk(std::time_t now) {
    if (done_) return true;
    if (mode_ == Mode::Backup) {
        BackupOptions options;
        options.now = now;
        options.progress = [this](const std::string& line) {
            prompt_ = line;
            if (onProgress) onProgress(line);
        };
        backup_ = makeBackup(doc_, current_, options);
        if (backup_.made()) {
            done_ = true;
            prompt_ = text::tr(text::TxBackupDone);
        } else {
            prompt_ = backup_.message;
        }
        return false;
    }
    if (!isVisible(Control::Ok)) return false;
    RestoreOptions options;
    options.progress = [this](const std::string& line) {
        prompt_ = line;
        if (onProgress) onProgress(line);
    };
    restore_ = restoreFrom(doc_, current_, options);
    done_ = restore_.restored();
    return done_;
}

}  // namespace velno
