#pragma once
// The publisher chooser (dialog 126) choosing from the store: a multiple-
// selection list of the publishers of one list, and a side list of the
// field service groups (and one special entry) that selects whole groups
// at once. Used by the emergency-contact forms and the XML exchange.

#include <cstdint>
#include <string>
#include <vector>

#include "store/PublisherRecord.h"

namespace velno {

class CVelnoDoc;

class PublisherChooserModel {
public:
    // The side list's last entry: the blank form of the contact forms, or
    // every regular and special pioneer of the ReportMonth.
    enum class LastEntry { BlankForm, Pioneers };

    PublisherChooserModel(const CVelnoDoc& doc, int titleText, ListKind list, LastEntry last);

    // Texts, UTF-8.
    std::string title() const;
    std::string pickText() const;    // "<< &Pilih <<"
    std::string removeText() const;  // ">> &Hapus >>"
    std::string orText() const;      // "atau"
    std::string okText() const;
    std::string cancelText() const;

    // The choice list: names family name first, in the store's order.
    const std::vector<std::string>& choiceRows() const { return names_; }
    bool isSelected(int row) const;
    // The user (de)selected a line of the choice list.
    void setSelected(int row, bool selected);
    int selectedCount() const;

    // The side list: one entry per group, then the special entry.
    const std::vector<std::string>& sideRows() const { return sideRows_; }
    int sideRow() const { return sideRow_; }
    void chooseSide(int row);
    // "<< &Pilih <<" and ">> &Hapus >>" with the side list's entry.
    void pick();
    void remove();

    std::string countLine() const;
    bool okVisible() const { return selectedCount() > 0 || blankForm_; }
    bool removeVisible() const { return selectedCount() > 0; }
    bool orVisible() const { return selectedCount() > 0; }

    // OK: the chosen publishers' store positions in list order; empty with
    // the blank form chosen.
    std::vector<int> result() const;
    bool blankForm() const { return blankForm_; }

private:
    void applySide(bool select);

    const CVelnoDoc& doc_;
    int titleText_;
    LastEntry last_;
    std::vector<int> positions_;
    std::vector<std::string> names_;
    std::vector<bool> selected_;
    std::vector<std::string> sideRows_;
    int groupCount_ = 0;
    int sideRow_ = -1;
    bool blankForm_ = false;
    // The count line shows the side entry's label until the selection
    // changes, then the number selected.
    bool showSideLabel_ = false;
};

}  // namespace velno
