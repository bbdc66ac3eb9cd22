#pragma once
// The publisher list (dialog 136 "Pilih Penyiar"): every active publisher
// in name order. It opens the record editor, the add dialog, and serves
// other dialogs as a picker ("&Pilih"/"&Batal"). It owns the CopySource
// that survives from one editor to the next.

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "publishers/AddPublisherModel.h"
#include "store/PublisherRecord.h"

namespace velno {

class CVelnoDoc;
class PublisherEditModel;

enum class SelectMode { Publishers, Picker };

struct SelectRow {
    int storePos = 0;
    PublisherId id = 0;
    std::string name;  // UTF-8
};

// What "&Tambahkan Penyiar" opens.
enum class AddStep { Chooser, Editor };

struct SelectCloseResult {
    bool redraw = false;   // the store was modified: the report view redraws
    int specialNeeds = 0;  // active publishers with a special-needs category
};

class PublisherSelectModel {
public:
    explicit PublisherSelectModel(CVelnoDoc& doc, SelectMode mode = SelectMode::Publishers);
    ~PublisherSelectModel();

    // ---- texts (UTF-8) ---------------------------------------------------
    std::string title() const;
    std::string editButtonText() const;
    std::string addButtonText() const;
    std::string closeButtonText() const;

    // ---- state -------------------------------------------------------------
    bool editVisible() const { return !rows_.empty(); }
    bool addVisible() const { return mode_ == SelectMode::Publishers; }
    const std::vector<SelectRow>& rows() const { return rows_; }
    int selected() const { return selected_; }
    void select(int row);
    // Re-reads the list; the selection stays, or goes to the top when it
    // lies beyond the end.
    void refill();
    void refillAtTop();
    // Selects the line of a publisher, when listed.
    void selectId(PublisherId id);
    // Moves the selection by one line, wrapping; returns the store position.
    int step(int delta);

    // ---- actions -----------------------------------------------------------
    // "&Edit..." or a double click: the editor of the selected publisher,
    // in add mode when the list is empty.
    std::unique_ptr<PublisherEditModel> openEditor();
    AddStep addStep() const;
    std::unique_ptr<PublisherEditModel> openAddEditor();
    AddPublisherModel addChooser();
    // After a move from the add dialog.
    void afterMove() { refill(); }
    // Picker mode: the chosen publisher's store position.
    std::optional<int> pick() const;
    SelectCloseResult close();

    std::optional<PublisherId>& copySource() { return copySource_; }
    const std::optional<PublisherId>& copySource() const { return copySource_; }

private:
    CVelnoDoc& doc_;
    SelectMode mode_;
    std::vector<SelectRow> rows_;
    int selected_ = 0;
    std::optional<PublisherId> copySource_;
};

}  // namespace velno
