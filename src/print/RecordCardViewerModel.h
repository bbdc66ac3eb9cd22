#pragma once
// Dialog 117 "Catatan Penyiar Sidang": the list of publishers, the boxes
// "Previous service year", "Tidak aktif" and "Total", and what each
// button prints. Dialog 153 "Publisher Record Preferences" is the card
// options as a model.

#include <filesystem>
#include <string>
#include <vector>

#include "print/RecordCardPage.h"
#include "reporting/RecordCard.h"
#include "store/PublisherRecord.h"

namespace velno {
class CVelnoDoc;
}

namespace velno::print {

class RecordCardViewerModel {
public:
    explicit RecordCardViewerModel(const CVelnoDoc& doc);

    struct Row {
        int pos = 0;
        std::string name;  // UTF-8
    };
    const std::vector<Row>& rows() const { return rows_; }
    int current() const { return current_; }
    void setCurrent(int row);

    bool previous() const { return previous_; }
    void setPrevious(bool on) { previous_ = on; }
    bool inactive() const { return inactive_; }
    // The list switches between the active and the inactive publishers.
    void setInactive(bool on);
    // After an edit: the list again (a new name may move a publisher in the
    // store), on the same publisher while he is still on it.
    void reload();
    // The store position of the chosen publisher, 0 with none.
    int currentPos() const { return current_ >= 0 ? rows_[current_].pos : 0; }
    bool total() const { return total_; }
    void setTotal(bool on) { total_ = on; }
    // "&Edit" needs a publisher; "Total" prints without one.
    bool editEnabled() const { return !total_ && current_ >= 0; }
    bool printEnabled() const { return total_ || current_ >= 0; }

    // "&Cetak Kartu Ini": the current card, or the summary card.
    CardJob thisCard() const;
    // "Cetak &Beberapa Kartu...": the chosen rows.
    CardJob someCards(const std::vector<int>& rows) const;
    // "&Active File (PDF)" / "&Inactive (PDF)": every card of that list.
    CardJob fileCards(bool inactiveFile) const;
    // The name the save dialog proposes: in the data folder's Exports
    // folder, with the service year.
    std::filesystem::path proposedPdf(bool inactiveFile) const;

private:
    void fill();

    const CVelnoDoc& doc_;
    std::vector<Row> rows_;
    int current_ = -1;
    PublisherId currentId_ = 0;  // kept across a re-sort of the store
    bool previous_ = false;
    bool inactive_ = false;
    bool total_ = false;
};

class CardPreferencesModel {
public:
    explicit CardPreferencesModel(const CVelnoDoc& doc);
    CardOptions options;
    // "OK": stores the options; marks the document changed when any did.
    bool accept(CVelnoDoc& doc) const;
};

}  // namespace velno::print
