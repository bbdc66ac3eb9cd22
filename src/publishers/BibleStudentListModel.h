#pragma once
// The Bible-student list ("Pilih Pelajar Alkitab"): the records of the
// Bible-student list by name, with "&Edit..." and the add button, both
// opening the Bible-student editor.

#include <memory>
#include <string>
#include <vector>

#include "publishers/PublisherSelectModel.h"

namespace velno {

class CVelnoDoc;
class PublisherEditModel;

class BibleStudentListModel {
public:
    explicit BibleStudentListModel(CVelnoDoc& doc);
    ~BibleStudentListModel();

    // Texts, UTF-8.
    std::string title() const;
    std::string editButtonText() const;
    // String 1043 without its "<" and, except in Swedish, its blanks.
    std::string addButtonText() const;
    std::string closeButtonText() const;
    void setLanguageCode(std::string code) { language_ = std::move(code); }

    const std::vector<SelectRow>& rows() const { return rows_; }
    bool editVisible() const { return !rows_.empty(); }
    int selected() const { return selected_; }
    void select(int row);
    void refill();

    // "&Edit..." or a double click: the editor of the selected student; in
    // add mode when the list is empty.
    std::unique_ptr<PublisherEditModel> openEditor();
    std::unique_ptr<PublisherEditModel> openAddEditor();
    // After an editor closed: the list is read again.
    void editorClosed();
    // Closing the list: the index is rebuilt when anything changed.
    bool close();

private:
    CVelnoDoc& doc_;
    std::string language_;
    std::vector<SelectRow> rows_;
    int selected_ = 0;
    bool startedDirty_;
};

}  // namespace velno
