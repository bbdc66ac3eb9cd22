#pragma once
// The import selection (dialog 145) shared by the group-file, CSV and XML
// imports: every reader fills one ImportImage; this model matches its
// records to stored publishers, lists those whose data differ, keeps the
// selection and merges the chosen lines.

#include <string>
#include <vector>

#include "exchange/GroupExchangeFile.h"

namespace velno {

class CVelnoDoc;

// One list line: the record in the file (1-based), a late month's report,
// the month, whether stored values are replaced, whether the remark differs.
struct ImportItem {
    int index = 0;
    bool late = false;
    int month0 = 0;
    bool replace = false;
    bool remark = false;
};

// What a reader gives: false with a message (UTF-8) when the file is refused.
class ImportReader {
public:
    virtual ~ImportReader() = default;
    virtual bool read(ImportImage& image, std::string& message) = 0;
};

// 0 equal, 1 new data, 2 replaces stored values, 3 the remark differs.
int compareSlot(const PublisherRecord& file, const std::string& fileRemark,
                const PublisherRecord& stored, const std::string& storedRemark, int slot);

class ImportSelectionModel {
public:
    enum class Mode { GroupFile, Csv, Xml };
    static constexpr int kMaxLines = 305;

    ImportSelectionModel(CVelnoDoc& doc, ImportImage image, Mode mode);

    std::string title() const;                                        // UTF-8
    std::string availableText() const;                                // 1032
    std::string selectedText() const;                                 // 1033
    const std::vector<std::string>& lines() const { return lines_; }  // UTF-8
    const std::vector<ImportItem>& items() const { return items_; }
    int storePositionOf(int line) const { return positions_[static_cast<std::size_t>(line)]; }
    bool isSelected(int line) const { return selected_[static_cast<std::size_t>(line)]; }
    int selectedCount() const;
    bool isOkVisible() const { return selectedCount() > 0; }

    void select(int line, bool on);
    void selectAll();
    void selectNone();

    // The preview of a line under the mouse.
    struct Preview {
        std::string name;                                        // 1027: first and last name
        std::string lateMonth;                                   // 1028
        std::string newShared, newStudies, newHours, newRemark;  // "Data Baru"
        std::string oldShared, oldStudies, oldHours;             // "Mengganti"
    };
    Preview preview(int line) const;

    // Merges the selected lines; returns how many. The store is marked
    // modified.
    int merge();

private:
    void build();
    std::string storedRemark(int pos, int slot) const;

    CVelnoDoc& doc_;
    ImportImage image_;
    Mode mode_;
    std::vector<std::string> lines_;
    std::vector<ImportItem> items_;
    std::vector<int> positions_;
    std::vector<bool> selected_;
};

}  // namespace velno
