#pragma once
// The publisher chooser (dialog 126) in its XML form. For export the side
// list picks which of the store's lists is shown; for import the choice
// list holds the file's publishers, a name already on file marked " *",
// with the duplicates' line, the replace box and the sum that must stay
// within the list's limit.

#include <optional>
#include <string>
#include <vector>

#include "exchange/PublisherXml.h"

namespace velno {

class CVelnoDoc;

class XmlChooserModel {
public:
    // Export: the store's active list first.
    explicit XmlChooserModel(const CVelnoDoc& doc);
    // Import: the file's publishers; `linked` as linkedPublishers gives it.
    XmlChooserModel(const CVelnoDoc& doc, const XmlPublisherList& file, std::vector<int> linked);

    bool isImport() const { return import_; }
    std::string title() const;  // UTF-8
    std::string selectAllText() const;
    std::string selectNoneText() const;

    // Side list: the three lists (export) or the file's list (import).
    const std::vector<std::string>& sideRows() const { return sideRows_; }
    int sideRow() const { return sideRow_; }
    void chooseSide(int row);
    XmlList list() const { return list_; }

    const std::vector<std::string>& choiceRows() const { return rows_; }
    bool isSelected(int row) const;
    void setSelected(int row, bool selected);
    void selectAll();
    void selectNone();
    int selectedCount() const;

    // Import only: the duplicates among the selected, and the replace box.
    int selectedDuplicates() const;
    bool duplicatesVisible() const { return import_ && selectedDuplicates() > 0; }
    std::string duplicatesLine() const;  // "Duplikasi (n)"
    bool replace() const { return replace_; }
    void setReplace(bool on) { replace_ = on; }
    // "%s %d + %d = %d": the list, on file, coming in, together.
    std::string summaryLine() const;
    bool tooMany() const;
    std::string tooManyText() const;

    std::string countLine() const;
    bool okVisible() const { return selectedCount() > 0 && !tooMany(); }

    // OK: store positions (export) or the file's entries (import), in list
    // order.
    std::vector<int> result() const;
    const std::vector<int>& linked() const { return linked_; }

private:
    void fill();

    const CVelnoDoc& doc_;
    bool import_ = false;
    XmlList list_ = XmlList::Active;
    std::vector<std::string> sideRows_;
    int sideRow_ = 0;
    std::vector<std::string> rows_;
    std::vector<int> values_;  // store positions or file entries
    std::vector<bool> selected_;
    std::vector<int> linked_;
    XmlPublisherList file_;
    bool replace_ = false;
};

}  // namespace velno
